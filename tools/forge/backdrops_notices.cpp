// On-screen notices shown as effects over play: the blinking low-shield
// warning, the game-over sign and the speed-up streak.
#include <cmath>

#include "backdrops_kit.h"

namespace forge::backdrop {

namespace {

constexpr int WARN_W = 512, WARN_H = 128;
constexpr int SIGN_W = 512, SIGN_H = 256;
constexpr int STREAK_W = 512, STREAK_H = 128;

const char* const BOLD = "DejaVuSans-Bold.ttf";
const char* const BOLD_SLANTED = "DejaVuSans-BoldOblique.ttf";

// Diagonal warning stripes in a band; `phase` slides them along, so the two
// blink frames seem to crawl.
void hazard_band(Image& img, int x0, int x1, int y0, int y1, Rgb stripe, Rgb gap, int phase) {
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x) {
            const bool on = ((x + y + phase) / 10) % 2 == 0;
            Rgb c = on ? stripe : gap;
            if (y == y0) c = mix(c, Rgb{255, 255, 255}, 0.35f);  // lit top edge
            if (y == y1 - 1) c = c * 0.6f;
            img.at(x, y) = pack(c);
        }
}

void forge_shields_low(const std::string& out) {
    Shape words(WARN_W, WARN_H, 4);
    words.add_text(BOLD, 54, WARN_W / 2.f, WARN_H / 2.f, "SHIELDS LOW");
    words.finish();
    for (int frame = 0; frame < 2; ++frame) {
        Image img(WARN_W, WARN_H);
        Letters style;
        if (frame == 0) {  // lit: hot white through orange to red
            style.top = {255, 246, 210};
            style.middle = {255, 132, 56};
            style.bottom = {214, 30, 30};
            style.outline = {72, 10, 12};
            style.rim = {255, 230, 150};
        } else {  // dimmed: dark red letters in a bright rim
            style.top = {160, 40, 36};
            style.middle = {120, 24, 24};
            style.bottom = {84, 14, 16};
            style.outline = {230, 70, 50};
            style.rim = {200, 60, 40};
        }
        style.y0 = 40;
        style.y1 = 88;
        style.rim_width = 1;
        style.outline_width = 3;
        style.bevel = 0.5f;
        style.bevel_width = 3;
        style.shadow = {40, 8, 10};
        style.shadow_dx = style.shadow_dy = 3;
        const Rgb stripe = frame == 0 ? Rgb{250, 196, 40} : Rgb{160, 110, 30};
        const Rgb gap = frame == 0 ? Rgb{60, 40, 24} : Rgb{40, 28, 20};
        hazard_band(img, 40, WARN_W - 40, 8, 20, stripe, gap, frame * 10);
        hazard_band(img, 40, WARN_W - 40, WARN_H - 20, WARN_H - 8, stripe, gap, frame * 10);
        paint_letters(img, words, style);
        make_key_safe(img);
        write_bmp(out + "/bmp/shieldslow" + std::to_string(frame) + ".bmp", img);
    }
}

void forge_game_over(const std::string& out) {
    Image img(SIGN_W, SIGN_H);
    // A bar with a diamond between the two words.
    const int mid = SIGN_H / 2;
    for (int x = 56; x < SIGN_W - 56; ++x)
        for (int y = mid - 2; y <= mid + 2; ++y) {
            const float fade = 1 - std::fabs(float(x) - SIGN_W / 2.f) / (SIGN_W / 2.f - 56);
            const Rgb c = mix(Rgb{80, 40, 120}, Rgb{230, 120, 255}, fade);
            img.at(x, y) = pack(y == mid - 2   ? mix(c, Rgb{255, 255, 255}, 0.4f)
                                : y == mid + 2 ? c * 0.5f
                                               : c);
        }
    for (int y = -12; y <= 12; ++y)
        for (int x = -12; x <= 12; ++x) {
            if (std::abs(x) + std::abs(y) > 12) continue;
            const bool lit = x + y < 0;
            const Rgb c = std::abs(x) + std::abs(y) > 10 ? Rgb{40, 16, 60}
                          : lit                          ? Rgb{255, 200, 255}
                                                         : Rgb{170, 80, 210};
            img.at(SIGN_W / 2 + x, mid + y) = pack(c);
        }
    // Chrome lettering: sky above the horizon line, dark ground below it.
    const struct {
        const char* word;
        float y;
    } LINES[] = {{"GAME", 66}, {"OVER", 190}};
    for (const auto& line : LINES) {
        Shape shape(SIGN_W, SIGN_H, 4);
        shape.add_text(BOLD, 100, SIGN_W / 2.f, line.y, line.word);
        shape.finish();
        Letters chrome;
        chrome.top = {70, 120, 220};
        chrome.middle = {236, 246, 255};
        chrome.split = true;
        chrome.lower = {90, 40, 100};
        chrome.bottom = {250, 170, 220};
        chrome.y0 = line.y - 37;
        chrome.y1 = line.y + 37;
        chrome.rim = {255, 255, 255};
        chrome.rim_width = 1.2f;
        chrome.outline = {20, 16, 52};
        chrome.outline_width = 4;
        chrome.bevel = 0.55f;
        chrome.bevel_width = 4;
        chrome.shadow = {44, 26, 80};
        chrome.shadow_dx = chrome.shadow_dy = 5;
        paint_letters(img, shape, chrome);
    }
    make_key_safe(img);
    write_bmp(out + "/bmp/gameover.bmp", img);
}

void forge_speed_up(const std::string& out) {
    Image img(STREAK_W, STREAK_H);
    Shape words(STREAK_W, STREAK_H, 4);
    const float text_x = STREAK_W / 2.f + 56;
    words.add_text(BOLD_SLANTED, 62, text_x, STREAK_H / 2.f, "SPEED UP");
    words.finish();
    // Speed lines trail off to the left, dark at the tail, bright at the head.
    Rng rng(88);
    const int head = int(text_x) - 150;
    for (int y = 28; y < STREAK_H - 28; y += 7) {
        const int x0 = 8 + rng.below(90), x1 = head + rng.below(40);
        const float half = rng.range(0.8f, 2.4f);
        for (int x = x0; x < x1; ++x) {
            const float t = float(x - x0) / float(x1 - x0);
            for (int dy = -3; dy <= 3; ++dy) {
                const float edge = half * std::sqrt(std::fmin(1.f, (1 - t) * 12));  // round nose
                if (std::fabs(float(dy)) > edge) continue;
                const Rgb c = mix(Rgb{24, 40, 110}, Rgb{140, 240, 255}, t * t);
                img.at(x, y + dy) = pack(dy < 0 ? mix(c, Rgb{255, 255, 255}, 0.25f) : c);
            }
        }
    }
    Letters style;
    style.top = {255, 255, 255};
    style.middle = {90, 226, 255};
    style.bottom = {40, 96, 226};
    style.y0 = STREAK_H / 2.f - 24;
    style.y1 = STREAK_H / 2.f + 24;
    style.rim = {200, 250, 255};
    style.rim_width = 1;
    style.outline = {12, 22, 72};
    style.outline_width = 3;
    style.bevel = 0.5f;
    style.bevel_width = 3;
    style.shadow = {16, 20, 60};
    style.shadow_dx = style.shadow_dy = 3;
    paint_letters(img, words, style);
    make_key_safe(img);
    write_bmp(out + "/bmp/speedup.bmp", img);
}

}  // namespace

void forge_notices(const std::string& out) {
    forge_shields_low(out);
    forge_game_over(out);
    forge_speed_up(out);
}

}  // namespace forge::backdrop
