// Start-up and the frame loop: the game's spine, above every subsystem. It
// meets the desktop at io/input.h (every event it reads) and io/picture.h
// (the display it opens and every picture it shows).
#include "game/game.h"

#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <initializer_list>
#include <iterator>
#include <string>

#include "combat/collisions.h"
#include "combat/enemies.h"
#include "combat/weapons.h"
#include "core/clock.h"
#include "core/player.h"
#include "core/pools.h"
#include "desktop/desktop.h"
#include "desktop/scores.h"
#include "io/input.h"
#include "io/picture.h"
#include "level/enemy_templates.h"
#include "level/level_script.h"
#include "render/hud.h"
#include "render/scene.h"
#include "replay/session.h"
#include "screens/pause.h"
#include "screens/title.h"

namespace {

constexpr int AUDIO_RATE = 44100;
constexpr int AUDIO_CHANNELS = 2;
constexpr int AUDIO_CHUNK = 2048;

// Autofire: a shot when the count passes the limit (index: difficulty).
constexpr int32_t AUTOFIRE_LIMIT[] = {7, 5, 7, 10};
// Power-up carriers come once the points pass this (index: difficulty).
constexpr int32_t POWERUP_THRESHOLD[] = {25, 20, 25, 30};

// Where the bonus keys release their enemies.
constexpr int32_t BONUS_UFO_X = -96;
constexpr int32_t BONUS_UFO_Y = 25;
constexpr int32_t BONUS_CARRIER_X = 400;
constexpr int32_t BONUS_CARRIER_Y = -32;

// The demo on an idle title (the real program's only): after this long with
// no key it plays, for at most this many frames, then the title comes back.
constexpr Uint32 DEMO_IDLE_MS = 30000;
constexpr int DEMO_FRAMES = 60 * 30;

struct Demo {
    bool on = false;       // the real program asked for it
    std::string path;      // the replay it plays, in the data folder
    bool playing = false;  // the game being played is the demo
    int frames = 0;
    // The run's state the demo's game sets, given back after it.
    bool resume_game = false;
    bool game_completed = false;
    bool boss_bar_shown = false;
    int32_t level = 1;
};
Demo demo;

int32_t by_difficulty(const int32_t (&table)[4]) {
    return table[difficulty >= DIFFICULTY_EASY && difficulty <= DIFFICULTY_HARD ? difficulty : 0];
}

void set_start_stage() {
    for (bool& flag : stage_flags) flag = false;
    int stage = LEVEL1_ON;
    if (resume_game && level == 2) stage = LEVEL2_ON;
    if (resume_game && level == 3) stage = LEVEL3_ON;
    if (resume_game && level == 4) stage = LEVEL4_ON;
    stage_flags[stage] = true;
}

void release_bonus(int tpl, Direction direction, int32_t x, int32_t y) {
    spawn_enemy(&enemy_templates[tpl], enemies, direction, x, y);
}

void key_down(SDLKey key, LoopState* loop) {
    switch (key) {
        case SDLK_UP:
        case SDLK_DOWN:
        case SDLK_LEFT:
        case SDLK_RIGHT:
            loop->held_direction = press_direction(loop->held_direction, key);
            break;
        case SDLK_ESCAPE:
            loop->quit_requested = true;
            break;
        case SDLK_LSHIFT:
            pause_screen(screen);
            break;
        case SDLK_LCTRL:
            player_fire(&player, shots);
            loop->fire_held = true;
            break;
        case SDLK_q:
            release_bonus(TPL_UFO, DIR_RIGHT, BONUS_UFO_X, BONUS_UFO_Y);
            break;
        case SDLK_r:
            // a wreck (0 shields) is not raised: it would fly again with no life left to lose
            if (game_completed && player.shields > 0 && player.shields <= 4) player.shields += 1;
            break;
        case SDLK_a:
            if (game_completed) release_bonus(TPL_WEAPONICON, DIR_LEFT, BONUS_CARRIER_X, BONUS_CARRIER_Y);
            break;
        case SDLK_w:
            if (game_completed) release_bonus(TPL_SPEEDICON, DIR_LEFT, BONUS_CARRIER_X, BONUS_CARRIER_Y);
            break;
        default:
            break;
    }
}

void key_up(SDLKey key, LoopState* loop) {
    switch (key) {
        case SDLK_UP:
        case SDLK_DOWN:
        case SDLK_LEFT:
        case SDLK_RIGHT:
            loop->held_direction = release_direction(loop->held_direction, key);
            break;
        case SDLK_LCTRL:
            loop->fire_held = false;
            loop->autofire_count = 0;
            break;
        default:
            break;
    }
}

// After the events of a frame: a key counted as held but not really down
// was released where play did not see it (on a story page, in the pause, or
// in a flood that overflowed the event queue). It is released now, by the
// same tables as a release event. Keys held but not counted stay so until
// pressed again, as after a story page.
void release_keys_not_down(LoopState* loop) {
    constexpr SDLKey ARROWS[] = {SDLK_UP, SDLK_DOWN, SDLK_LEFT, SDLK_RIGHT};
    for (SDLKey arrow : ARROWS) {
        if (!input_holds(arrow)) loop->held_direction = release_direction(loop->held_direction, arrow);
    }
    if (loop->fire_held && !input_holds(SDLK_LCTRL)) key_up(SDLK_LCTRL, loop);
}

// SDL found no graphical display: without one it falls back to a text-mode
// driver, which would play the game as character art in the terminal, or
// (the layer over SDL 2) to one that draws nowhere, which would play it
// unseen until Ctrl-C. Only a player who chose a driver asks for that.
constexpr const char* NO_DISPLAY_LINE =
    "cloudpiercer: no graphical display found; start the game on a desktop, "
    "or choose a video driver with SDL_VIDEODRIVER\n";

// Nothing to show a picture on, seen before the libraries look: no X or
// Wayland display, and not even a terminal type for the classic library's
// text-mode drivers, whose terminal library would end the program itself.
bool nowhere_to_show() {
    for (const char* name : {"SDL_VIDEODRIVER", "DISPLAY", "WAYLAND_DISPLAY", "TERM"}) {
        const char* value = std::getenv(name);
        if (value && *value) return false;
    }
    return true;
}

bool no_graphical_display() {
    const char* asked = std::getenv("SDL_VIDEODRIVER");
    if (asked && *asked) return false;
    char name[32];
    if (!SDL_WasInit(SDL_INIT_VIDEO) || !SDL_VideoDriverName(name, sizeof name)) return true;
    for (const char* unseen : {"aalib", "caca", "offscreen", "dummy"}) {
        if (std::strcmp(name, unseen) == 0) return true;
    }
    return false;
}

bool notice_printed = false;  // or not wanted: a replay prints its own line

void print_notice_once() {
    bool& printed = notice_printed;
    if (printed) return;
    printed = true;
    // A reader that has gone (cloudpiercer | head -1) must not end the game:
    // the write fails quietly instead of raising SIGPIPE.
    std::signal(SIGPIPE, SIG_IGN);
    std::puts("Cloudpiercer 1.0 -- arrows steer, left Ctrl fires, left Shift pauses, Escape quits.");
    std::fflush(stdout);
}

// A story screen idles the ship: keys held through it no longer steer.
void forget_held_after_story(LoopState* loop) {
    if (player.direction == DIR_IDLE) loop->held_direction = DIR_IDLE;
}

// Every pending event of play, then the keys let go where play did not see it.
void take_input(LoopState* loop) {
    SDL_Event event;
    while (poll_input(&event, INPUT_PLAY)) handle_event(event, loop);
    release_keys_not_down(loop);
}

void autofire(LoopState* loop) {
    if (!loop->fire_held) return;
    loop->autofire_count += 1;
    if (loop->autofire_count > by_difficulty(AUTOFIRE_LIMIT)) {
        loop->autofire_count = 0;
        player_fire(&player, shots);
    }
}

void draw_frame() {
    draw_background(screen, &scroll);
    draw_effects(back_effects, screen);
    draw_player(&player, screen);
    draw_enemies(enemies, screen);
    draw_shots(shots, screen);
    draw_effects(front_effects, screen);
    draw_hud(screen);
    show_picture(screen);
}

// The demo's replay starts playing, or the demo is off for the run when its
// file cannot be read.
bool start_demo() {
    ReplayData replay;
    std::string why;
    if (read_replay_file(demo.path, &replay, &why) != REPLAY_READ_OK) {
        std::fprintf(stderr, "cloudpiercer: no demo on the title: %s: %s\n", demo.path.c_str(), why.c_str());
        demo.on = false;
        return false;
    }
    demo.resume_game = resume_game;
    demo.game_completed = game_completed;
    demo.boss_bar_shown = boss_bar_shown;
    demo.level = level;
    replay_play(replay, WATCH_DEMO);
    demo.playing = true;
    demo.frames = 0;
    return replay_gives_start();
}

void end_demo() {
    resume_game = demo.resume_game;
    game_completed = demo.game_completed;
    boss_bar_shown = demo.boss_bar_shown;
    level = demo.level;
    demo.playing = false;
}

bool game_goes_on(const LoopState& loop) {
    if (demo.playing && demo.frames >= DEMO_FRAMES) return false;
    return !loop.quit_requested && !restart_requested && !replay_over();
}

// What the title (or a replay, or the demo on an idle title) starts.
void choose_game() {
    if (replay_gives_start()) return;
    while (title_menu(screen, demo.on ? DEMO_IDLE_MS : 0) == TITLE_IDLE) {
        if (start_demo()) return;
    }
}

ReplayEnd how_it_ended(const LoopState& loop) {
    if (restart_requested) return REPLAY_END_GAME_OVER;
    return loop.quit_requested ? REPLAY_END_QUIT : REPLAY_END_UNFINISHED;
}

}  // namespace

void start_up() {
    print_notice_once();  // once a run, not after every game over
    if (level == 0) level = 1;
    prepare_picture();
    if (nowhere_to_show()) {
        std::fprintf(stderr, "%s", NO_DISPLAY_LINE);
        std::exit(1);
    }
    // On the layer over SDL 2, what the libraries say while looking for a
    // display is held back: with none to be found (SDL 2 tries Wayland and
    // says so), one line says all. Not on the classic SDL 1.2, whose text-mode
    // driver may end the program itself with a message of its own.
    std::FILE* said = SDL_Linked_Version()->patch >= 50 ? std::tmpfile() : nullptr;
    const int terminal = said ? dup(STDERR_FILENO) : -1;
    if (terminal >= 0) dup2(fileno(said), STDERR_FILENO);
    SDL_Init(SDL_INIT_AUDIO | SDL_INIT_VIDEO);
    if (terminal >= 0) {
        std::fflush(stderr);
        dup2(terminal, STDERR_FILENO);
        close(terminal);
    }
    const bool no_display = no_graphical_display();
    if (said) {
        std::rewind(said);
        for (int c; !no_display && (c = std::fgetc(said)) != EOF;) std::fputc(c, stderr);
        std::fclose(said);
    }
    if (no_display) {
        SDL_Quit();  // gives the terminal back
        std::fprintf(stderr, "%s", NO_DISPLAY_LINE);
        std::exit(1);
    }

    // After a game over the start-up runs again; the audio device, the exit
    // handler and the sounds are kept from the first run rather than stacked
    // up (the mixer's music loader leaks a little on every load).
    static bool first_run = true;
    const bool first = first_run;
    first_run = false;
    if (first) {
        use_instrument_bank();  // the synthesiser takes its instruments when the device opens
        Mix_OpenAudio(AUDIO_RATE, AUDIO_S16MSB, AUDIO_CHANNELS, AUDIO_CHUNK);
        set_master_volume(master_volume());  // the music's level under the effects
        std::atexit(SDL_Quit);
    }
    SDL_ShowCursor(0);
    SDL_WM_SetCaption("Cloudpiercer", "Cloudpiercer");
    screen = open_picture();
    if (!screen) {
        std::fprintf(stderr, "cloudpiercer: cannot open the %dx%d display: %s\n", PICTURE_WIDTH,
                     PICTURE_HEIGHT, SDL_GetError());
        std::exit(1);
    }
    if (first) load_sounds(&sounds);
    start_desktop_devices();
}

void start_game(LoopState* loop) {
    choose_game();
    replay_start_game();  // recorded, or played from a replay, from here on
    set_start_stage();
    shield_bar_src = SDL_Rect{0, 0, 256, 32};
    digit_src = SDL_Rect{0, 0, 24, 24};
    boss_bar_width = 800;
    score_tens = score_hundreds = score_thousands = 0;
    load_images(&images);
    scroll = Scroll{0, 8};
    powerup_threshold = by_difficulty(POWERUP_THRESHOLD);
    init_player(&player, difficulty);
    fill_enemy_templates(difficulty);
    fill_shot_templates(difficulty);
    fill_effect_templates();
    free_all_slots();
    level_clock = 0;
    restart_requested = false;
    *loop = LoopState{};
}

void handle_event(const SDL_Event& event, LoopState* loop) {
    switch (event.type) {
        case SDL_QUIT:
            loop->quit_requested = true;
            break;
        case SDL_KEYDOWN:
            key_down(event.key.keysym.sym, loop);
            break;
        case SDL_KEYUP:
            key_up(event.key.keysym.sym, loop);
            break;
        default:
            break;
    }
}

namespace {

void play_frame(LoopState* loop) {
    // the level's events of this frame; may show a story screen
    run_level_script();
    // a story screen idles the ship
    forget_held_after_story(loop);
    // input: every event, the keys really held, automatic fire, the ship's course
    take_input(loop);
    autofire(loop);
    player.direction = loop->held_direction;
    const Uint32 deadline = loop->last_frame_end + FRAME_MS;
    // updates
    move_effects(back_effects);
    update_player(&player);
    if (!replay_playing()) keep_best_score(restart_requested);  // a replay's score is not the player's
    if (restart_requested) return;                              // the game is over and abandoned
    update_enemies(enemies, &player, shots);
    move_shots(shots);
    move_effects(front_effects);
    // drawing, back to front
    draw_frame();
    // pacing: a late frame is followed at once
    clock_wait_until(deadline);
    loop->last_frame_end = clock_now();
}

}  // namespace

void run_frame(LoopState* loop) {
    play_frame(loop);
    // the frame's end for the replay: recorded, or checked against it
    const int32_t loop_words[] = {loop->held_direction, loop->fire_held, loop->autofire_count};
    replay_frame_done(loop_words, int(std::size(loop_words)));
}

int run_game() {
    for (;;) {
        start_up();
        LoopState loop;
        start_game(&loop);
        while (game_goes_on(loop)) {
            run_frame(&loop);
            demo.frames += demo.playing;
        }
        replay_game_done(how_it_ended(loop));
        if (demo.playing) {
            end_demo();  // back to the title, the run as it was
            continue;
        }
        if (loop.quit_requested) return 0;
        // the last ship was lost 530 frames ago: back to the first step
    }
}

void play_demo_on_idle_title(const std::string& path) {
    demo.on = true;
    demo.path = path;
}

int play_replay_file(const std::string& path, bool verify) {
    ReplayData replay;
    std::string why;
    if (read_replay_file(path, &replay, &why) != REPLAY_READ_OK) {
        std::fprintf(stderr, "cloudpiercer: replay %s: %s\n", path.c_str(), why.c_str());
        return 2;
    }
    notice_printed = true;  // the result is the one line printed
    replay_play(replay, verify ? WATCH_VERIFY : WATCH_ON_SCREEN);
    start_up();
    LoopState loop;
    start_game(&loop);
    while (game_goes_on(loop)) run_frame(&loop);
    replay_game_done(how_it_ended(loop));
    const ReplayOutcome o = replay_outcome();
    if (o.desync) {
        std::printf("replay %s: desync at frame %u (%s); %u frames matched, score %d\n", path.c_str(),
                    o.desync_frame, o.desync_what.c_str(), o.frames, o.score);
        std::fflush(stdout);
        return 1;
    }
    std::printf("replay %s: %s, %u frames, score %d\n", path.c_str(),
                o.finished ? "every check value matched" : "stopped", o.frames, o.score);
    std::fflush(stdout);
    return 0;
}
