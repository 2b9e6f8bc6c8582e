// The title screen and difficulty menu: start, resume, difficulty, quit.
#include "screens/title.h"

#include <cstdlib>

#include "assets/image_bank.h"
#include "assets/sound_bank.h"
#include "controls/controls_screen.h"
#include "core/clock.h"
#include "core/game_state.h"
#include "desktop/scores.h"
#include "io/input.h"
#include "io/picture.h"
#include "render/scene.h"

namespace {

enum MenuRow : int { ROW_START, ROW_RESUME, ROW_DIFFICULTY, ROW_QUIT, ROW_COUNT };

// Where the cursor sits beside each row of the menu in the title picture.
constexpr int32_t CURSOR_X = 461;
constexpr int32_t ROW_Y[ROW_COUNT] = {302, 367, 435, 498};
// The label of the chosen difficulty, inside the difficulty row.
constexpr int32_t LABEL_X = 685;
constexpr int32_t LABEL_Y = 444;

// The menu waits for keys without holding a core: it rests between passes,
// shows a change at most once a frame (the choice that starts a game always
// at once), and otherwise only refreshes the picture now and then.
constexpr Uint32 REST_MS = 5;
constexpr Uint32 REDRAW_MS = FRAME_MS;
constexpr Uint32 REFRESH_MS = 500;

struct TitlePictures {
    SDL_Surface* title;
    SDL_Surface* cursor;
    SDL_Surface* label[DIFFICULTY_HARD + 1];  // by difficulty; 0 unused
};

struct Menu {
    int row;     // MenuRow under the cursor
    bool start;  // a game is to start after this pass
};

TitlePictures load_title_pictures() {
    TitlePictures p{};
    p.title = load_raw_picture("bmp/titlescreen.bmp");
    p.label[DIFFICULTY_EASY] = load_raw_picture("bmp/easy.bmp");
    p.label[DIFFICULTY_NORMAL] = load_raw_picture("bmp/normal.bmp");
    p.label[DIFFICULTY_HARD] = load_raw_picture("bmp/hard.bmp");
    p.cursor = load_required_picture("bmp/cursor.bmp");
    return p;
}

void free_title_pictures(TitlePictures* p) {
    SDL_FreeSurface(p->title);
    SDL_FreeSurface(p->cursor);
    for (SDL_Surface* label : p->label) SDL_FreeSurface(label);
}

void draw_menu(const TitlePictures& p, const Menu& m, SDL_Surface* target) {
    blit_picture(p.title, nullptr, 0, 0, target);
    blit_picture(p.cursor, nullptr, CURSOR_X, ROW_Y[m.row], target);
    if (difficulty >= DIFFICULTY_EASY && difficulty <= DIFFICULTY_HARD) {
        blit_picture(p.label[difficulty], nullptr, LABEL_X, LABEL_Y, target);
    }
    draw_best_score(target);
    draw_title_footer(target);
    show_picture(target);
}

// The cursor stops at the first and last rows, silently.
void move_cursor(Menu* m, int step) {
    const int row = m->row + step;
    if (row < 0 || row >= ROW_COUNT) return;
    m->row = row;
    play_sound(sounds.beep);
}

void next_difficulty() {
    difficulty = difficulty >= DIFFICULTY_HARD ? DIFFICULTY_EASY : difficulty + 1;
    play_sound(sounds.beep);
}

void select_row(Menu* m) {
    switch (m->row) {
        case ROW_START:
            m->start = true;
            break;
        case ROW_RESUME:
            resume_game = true;  // for every game of this run
            m->start = true;
            break;
        case ROW_DIFFICULTY:
            next_difficulty();
            break;
        case ROW_QUIT:
            std::exit(0);
    }
}

void key_press(SDLKey key, Menu* m) {
    switch (key) {
        case SDLK_UP:
            move_cursor(m, -1);
            break;
        case SDLK_DOWN:
            move_cursor(m, +1);
            break;
        case SDLK_LCTRL:
            select_row(m);
            break;
        default:
            break;
    }
}

// Handles every pending event; a window close ends the program. True when a
// key came.
bool take_events(Menu* m) {
    bool key = false;
    SDL_Event event;
    while (poll_input(&event, INPUT_TITLE)) {
        if (event.type == SDL_QUIT) std::exit(0);
        if (event.type == SDL_KEYDOWN) {
            key_press(event.key.keysym.sym, m);
            key = true;
        }
    }
    return key;
}

}  // namespace

void title_screen(SDL_Surface* target) {
    title_menu(target, 0);
}

TitleChoice title_menu(SDL_Surface* target, Uint32 idle_ms) {
    TitlePictures pictures = load_title_pictures();
    difficulty = DIFFICULTY_NORMAL;
    play_music(sounds.title, -1);
    Menu menu{ROW_START, false};
    bool drawn = false;
    bool changed = false;  // since the last redraw
    Uint32 last_draw = 0;
    Uint32 last_key = clock_now();
    TitleChoice choice = TITLE_GAME;
    for (;;) {
        const Menu before = menu;
        const int32_t difficulty_before = difficulty;
        if (take_events(&menu)) last_key = clock_now();
        if (idle_ms > 0 && !menu.start && clock_now() - last_key >= idle_ms) {
            choice = TITLE_IDLE;
            break;
        }
        changed = changed || menu.row != before.row || difficulty != difficulty_before;
        const Uint32 since = clock_now() - last_draw;
        if (menu.start || !drawn || (changed && since >= REDRAW_MS) || since >= REFRESH_MS) {
            draw_menu(pictures, menu, target);
            drawn = true;
            changed = false;
            last_draw = clock_now();
        }
        if (menu.start) break;
        clock_rest(REST_MS);
    }
    free_title_pictures(&pictures);
    return choice;
}
