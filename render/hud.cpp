// The heads-up display: shield gauge and bar, spare lives, boss bar, score.
// It also glides the shown shield bar and carries the score digits.
#include "render/hud.h"

#include <algorithm>

#include "core/game_state.h"
#include "render/scene.h"

namespace {

// Shield bar: 64 pixels a shield above the first, a sliver for the last one.
constexpr int32_t BAR_PER_SHIELD = 64;
constexpr int32_t BAR_LAST_SHIELD = 10;
constexpr int32_t BAR_GLIDE = 2;  // pixels per frame toward the target

constexpr int32_t GAUGE_X = 6;
constexpr int32_t GAUGE_Y = 530;
constexpr int32_t BAR_X = 6;
constexpr int32_t BAR_Y = 563;

constexpr int32_t LIFE_ICON_X = 260;  // first spare life
constexpr int32_t LIFE_ICON_STEP = 16;
constexpr int32_t LIFE_ICON_Y = 564;

constexpr Uint16 BOSS_BAR_HEIGHT = 16;
constexpr int32_t BOSS_BAR_MAX = 800;  // the screen's width

constexpr int32_t DIGIT_WIDTH = 24;  // cell of a digit in the strip
constexpr int32_t DIGIT_Y = 565;
constexpr int32_t ONES_X = 760;  // the other digits step left from here
constexpr int32_t DIGIT_MAX = 9;
constexpr int SCORE_DIGITS = 4;

int32_t shield_bar_target(int32_t shields) {
    const int32_t target = BAR_PER_SHIELD * (shields - 1);
    if (target == 0) return BAR_LAST_SHIELD;
    return std::max(target, 0);
}

// The gauge frame shows red while the bar shrinks, green while it grows, and
// steady once it has arrived (drawn over the moving one in that frame).
void draw_shields(SDL_Surface* target) {
    const int32_t goal = shield_bar_target(player.shields);
    int32_t shown = shield_bar_src.w;
    if (shown > goal) {
        shown -= BAR_GLIDE;
        blit_picture(images.pic[IMG_SHIELDSRED], nullptr, GAUGE_X, GAUGE_Y, target);
    }
    if (shown < goal) {
        shown += BAR_GLIDE;
        blit_picture(images.pic[IMG_SHIELDSGREEN], nullptr, GAUGE_X, GAUGE_Y, target);
    }
    if (shown == goal) blit_picture(images.pic[IMG_SHIELDS], nullptr, GAUGE_X, GAUGE_Y, target);
    shield_bar_src.w = Uint16(shown);
    blit_picture(images.pic[IMG_SHIELDBAR], &shield_bar_src, BAR_X, BAR_Y, target);
}

void draw_spare_lives(SDL_Surface* target) {
    for (int32_t i = 0; i < player.lives - 1; ++i) {
        blit_picture(images.pic[IMG_PCICON], nullptr, LIFE_ICON_X + LIFE_ICON_STEP * i, LIFE_ICON_Y, target);
    }
}

// One pixel of bar per boss hit point.
void draw_boss_bar(SDL_Surface* target) {
    if (!boss_bar_shown) return;
    const SDL_Rect part{0, 0, Uint16(std::clamp(boss_bar_width, 0, BOSS_BAR_MAX)), BOSS_BAR_HEIGHT};
    blit_picture(images.pic[IMG_THEBOSSHP], &part, 0, 0, target);
}

// Moves whole tens of a digit into the next one; the rest stays.
void carry(int32_t* digit, int32_t* next) {
    if (*digit <= DIGIT_MAX) return;
    *next += *digit / (DIGIT_MAX + 1);
    *digit %= DIGIT_MAX + 1;
}

// Several enemies may fall in one frame, so the units can pass 9 by more
// than one point. The score stops at 9999: the strip has no fifth digit.
void carry_score() {
    carry(&player.score_ones, &score_tens);
    carry(&score_tens, &score_hundreds);
    carry(&score_hundreds, &score_thousands);
    if (score_thousands > DIGIT_MAX) {
        player.score_ones = score_tens = score_hundreds = score_thousands = DIGIT_MAX;
    }
}

void draw_score(SDL_Surface* target) {
    // right to left
    const int32_t digits[SCORE_DIGITS] = {player.score_ones, score_tens, score_hundreds, score_thousands};
    for (int i = 0; i < SCORE_DIGITS; ++i) {
        digit_src.x = Sint16(DIGIT_WIDTH * digits[i]);
        blit_picture(images.pic[IMG_NUMBERS], &digit_src, ONES_X - DIGIT_WIDTH * i, DIGIT_Y, target);
    }
}

}  // namespace

void draw_hud(SDL_Surface* target) {
    draw_shields(target);
    draw_spare_lives(target);
    draw_boss_bar(target);
    carry_score();
    draw_score(target);
}
