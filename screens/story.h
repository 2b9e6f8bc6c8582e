// Story screens between the levels: full-screen pages turned by key presses.
#pragma once

#include <SDL.h>

// One story being shown. Lives for one call of story_screen.
struct StoryScreen {
    int story;             // 0..4
    int page;              // 0-based page of the story now shown
    Uint32 key_deadline;   // tick; a key counts only once the clock is past it
    bool closing;          // the last page has been turned
    SDL_Surface* picture;  // the page shown, raw; null when its file is missing
};

// Shows story 0..4 page by page until the player has read it. Places the ship
// for the coming level, sets `level` (and `game_completed` after story 4).
// A window close ends the program with status 0.
void story_screen(SDL_Surface* target, int story);

// The steps of story_screen: the first page and its music; one key press
// (ignored in the page's first KEY_DELAY_MS); drawing the page; the end.
void story_open(StoryScreen* s, int story);
void story_key(StoryScreen* s);
void story_draw(const StoryScreen* s, SDL_Surface* target);
void story_close(StoryScreen* s);
