// Story screens: the pages of each story, their music, and the loop that
// turns a page at each key press.
#include "screens/story.h"

#include <cstdlib>

#include "assets/image_bank.h"
#include "core/clock.h"
#include "core/game_state.h"
#include "io/input.h"
#include "io/picture.h"

namespace {

constexpr Uint32 REST_MS = 5;  // between passes of the loop, so it does not spin
constexpr int32_t SHIP_START_X = 368;
constexpr int32_t SHIP_START_Y = 500;
constexpr int LOOP_FOREVER = -1;

// What a page does to the music when it goes up.
enum MusicChange { MUSIC_KEEP, MUSIC_START, MUSIC_STOP };

struct StoryPage {
    const char* path;              // raw 800 x 600 picture
    MusicChange change;            // made when the page goes up
    Mix_Music* SoundBank::*music;  // the piece MUSIC_START plays, looped
};

struct Story {
    int first_page;       // index into PAGES
    int page_count;       // one key press turns each page; the last closes
    int32_t level_after;  // where play goes on, and where a resumed game starts
    bool completes_game;  // unlocks the bonus keys for the rest of the run
};

// clang-format off
const StoryPage PAGES[] = {
    // picture       change       music
    {"story/00.bmp", MUSIC_START, &SoundBank::story},    // story 0
    {"story/01.bmp", MUSIC_KEEP,  nullptr},
    {"story/02.bmp", MUSIC_START, &SoundBank::story2},
    {"story/03.bmp", MUSIC_STOP,  nullptr},
    {"story/10.bmp", MUSIC_START, &SoundBank::story2},   // story 1
    {"story/11.bmp", MUSIC_STOP,  nullptr},
    {"story/20.bmp", MUSIC_START, &SoundBank::story},    // story 2
    {"story/21.bmp", MUSIC_STOP,  nullptr},
    {"story/30.bmp", MUSIC_START, &SoundBank::story},    // story 3
    {"story/31.bmp", MUSIC_STOP,  nullptr},
    {"story/40.bmp", MUSIC_START, &SoundBank::victory},  // story 4: the closing key stops it
};

const Story STORIES[] = {
    // first count level completes
    {0,     4,    1,    false},  // before level 1
    {4,     2,    2,    false},  // before level 2
    {6,     2,    3,    false},  // before level 3
    {8,     2,    4,    false},  // before level 4
    {10,    1,    1,    true},   // after the last boss
};
// clang-format on

void change_music(const StoryPage& p) {
    switch (p.change) {
        case MUSIC_KEEP:
            break;
        case MUSIC_START:
            play_music(sounds.*p.music, LOOP_FOREVER);
            break;
        case MUSIC_STOP:
            Mix_HaltMusic();
            break;
    }
}

// Puts up the story's current page, releasing the one it replaces.
void show_page(StoryScreen* s) {
    const StoryPage& p = PAGES[STORIES[s->story].first_page + s->page];
    change_music(p);
    if (s->picture) SDL_FreeSurface(s->picture);
    s->picture = load_raw_picture(p.path);
}

void close_story(StoryScreen* s) {
    const Story& st = STORIES[s->story];
    s->closing = true;
    Mix_HaltMusic();  // only story 4 still has music playing here
    level = st.level_after;
    if (st.completes_game) game_completed = true;
}

// Takes every pending event; a window close ends the program.
void take_events(StoryScreen* s) {
    SDL_Event event;
    while (poll_input(&event, INPUT_STORY)) {
        if (event.type == SDL_QUIT) std::exit(0);
        if (event.type == SDL_KEYDOWN) story_key(s);
    }
}

}  // namespace

void story_open(StoryScreen* s, int story) {
    player.x = SHIP_START_X;
    player.y = SHIP_START_Y;
    player.direction = DIR_IDLE;
    *s = StoryScreen{story, 0, clock_now() + KEY_DELAY_MS, false, nullptr};
    show_page(s);
}

void story_key(StoryScreen* s) {
    const Uint32 now = clock_now();
    if (Sint32(now - s->key_deadline) <= 0) return;  // the page's first second: lost
    s->key_deadline = now + KEY_DELAY_MS;
    if (s->page + 1 < STORIES[s->story].page_count) {
        s->page += 1;
        show_page(s);
    } else {
        close_story(s);
    }
}

void story_draw(const StoryScreen* s, SDL_Surface* target) {
    if (s->picture) SDL_BlitSurface(s->picture, nullptr, target, nullptr);
    show_picture(target);
}

void story_close(StoryScreen* s) {
    if (s->picture) SDL_FreeSurface(s->picture);
    s->picture = nullptr;
    player.frame_tick = play_clock_now();  // the ship's animation does not jump
}

void story_screen(SDL_Surface* target, int story) {
    StoryScreen s;
    story_open(&s, story);
    Uint32 last_draw = clock_now() - FRAME_MS;  // the first page goes up at once
    for (;;) {
        take_events(&s);
        if (clock_now() - last_draw >= FRAME_MS) {  // at most one redraw per frame
            story_draw(&s, target);
            last_draw = clock_now();
        }
        if (s.closing) break;
        clock_rest(REST_MS);
    }
    story_close(&s);
}
