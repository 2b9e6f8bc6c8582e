// Image catalogue: every picture of play, loaded at the start of each game.
#pragma once

#include <SDL.h>

// Field numbers of the bank. An animated sprite's pictures are consecutive:
// picture k of a sprite is at its first field plus k. Fields 0-5 and 18 are
// never loaded and stay null.
enum ImageId : int {
    IMG_SHIP = 6,         // 3 frames, level flight
    IMG_SHIPL = 9,        // 3 frames, banking left
    IMG_SHIPR = 12,       // 3 frames, banking right
    IMG_UFO = 15,         // 3 frames
    IMG_OPENSPACE = 19,   // raw tile, level 2
    IMG_L1B = 20,         // shot kind 1
    IMG_L2B = 21,         // shot kind 2
    IMG_NME1BULLET = 22,  // shot kind 15
    IMG_RURAL = 23,       // raw tile, level 1
    IMG_RURAL2 = 24,      // raw tile, boss 1
    IMG_L3B = 25,         // 3 frames, shot kinds 3 and 16
    IMG_L4B = 28,         // 2 frames, shot kind 4
    IMG_EXP16 = 30,       // 4 frames
    IMG_EXP64 = 34,       // 5 frames
    IMG_LVL1BOSS = 39,    // 3 frames
    IMG_SHIELDBAR = 42,
    IMG_SHIELDS = 43,
    IMG_SHIELDSGREEN = 44,
    IMG_SHIELDSRED = 45,
    IMG_SHIELDSLOW = 46,  // 2 frames
    IMG_PCICON = 48,      // spare-life icon
    IMG_GAMEOVER = 49,
    IMG_SPEEDICON = 50,  // 2 frames
    IMG_SPEEDUP = 52,
    IMG_ABSORB = 53,      // 5 frames
    IMG_WEAPONICON = 58,  // 2 frames
    IMG_LVL1BOSSBG = 60,  // raw tile, boss 2
    IMG_BIRDHEAD = 61,    // 3 frames
    IMG_THEBOSSHP = 64,   // raw boss bar
    IMG_LIFEICON = 65,    // 2 frames
    IMG_SHIELDICON = 67,  // 2 frames
    IMG_NUMBERS = 69,     // digit strip
    IMG_CLOUD = 70,
    IMG_SUN = 71,          // 2 frames
    IMG_EARTH = 73,        // 3 frames
    IMG_INTERCEPTOR = 76,  // 3 frames
    IMG_SKEL = 79,
    IMG_LVL2BOSS = 80,
    IMG_LVL3BOSS = 81,  // 3 frames
    IMG_LVL4BOSS = 84,  // 2 frames
    IMG_WATER = 86,     // raw tile, level 3
    IMG_WATER2 = 87,    // raw tile, boss 3
    IMG_SAND = 88,      // raw tile, level 4
    IMG_SAND2 = 89,     // raw tile, boss 4
    IMG_MARS = 90,
    IMAGE_FIELD_COUNT = 91
};

struct ImageBank {
    SDL_Surface* pic[IMAGE_FIELD_COUNT];
};

// Loads every picture of play into the bank, releasing those of an earlier
// game first. Needs the video mode set. A keyed picture that cannot be
// loaded stops the game with one line naming it (it cannot be drawn or hit
// without it); a missing raw picture just stays null.
void load_images(ImageBank* bank);

// Loads a picture converted to the display format with pure black as its
// transparent colour; null when the file cannot be read.
SDL_Surface* load_keyed_picture(const char* path);
// The same, but a missing file ends the program with one line on standard
// error naming the file and the folder it was looked for in, status 1.
SDL_Surface* load_required_picture(const char* path);
// Loads a picture as it is (opaque, no conversion); null when missing.
SDL_Surface* load_raw_picture(const char* path);
