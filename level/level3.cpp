// Level 3: the water level's timed waves and scenery, main phase.
#include "level/level_events.h"

namespace {

// Skels and interceptors join the ufos; fast clouds all drift down-right.
// clang-format off
const LevelEvent ROWS[] = {
    // clock action       template         layer        direction           x      y
    {1,      ACT_SCENERY, TPL_FAST_CLOUD,  LAYER_BACK,  DIR_DOWN_RIGHT, -300, -256},

    {300,    ACT_ENEMY,   TPL_UFO,         LAYER_NONE,  DIR_LEFT,        800,   74},
    {300,    ACT_ENEMY,   TPL_UFO,         LAYER_NONE,  DIR_LEFT,        910,  158},

    {310,    ACT_SCENERY, TPL_FAST_CLOUD,  LAYER_FRONT, DIR_DOWN_RIGHT,  400, -150},
    {310,    ACT_SCENERY, TPL_FAST_CLOUD,  LAYER_FRONT, DIR_DOWN_RIGHT,  300, -150},
    {310,    ACT_SCENERY, TPL_FAST_CLOUD,  LAYER_FRONT, DIR_DOWN_RIGHT,  200, -150},
    {310,    ACT_ENEMY,   TPL_UFO,         LAYER_NONE,  DIR_RIGHT,       -70,   20},
    {310,    ACT_ENEMY,   TPL_UFO,         LAYER_NONE,  DIR_RIGHT,      -140,   20},
    {310,    ACT_ENEMY,   TPL_UFO,         LAYER_NONE,  DIR_RIGHT,      -210,   20},

    {410,    ACT_ENEMY,   TPL_INTERCEPTOR, LAYER_NONE,  DIR_LEFT,        800, -128},
    {410,    ACT_ENEMY,   TPL_UFO,         LAYER_NONE,  DIR_RIGHT,       -70,   20},
    {410,    ACT_ENEMY,   TPL_UFO,         LAYER_NONE,  DIR_RIGHT,      -140,   20},
    {410,    ACT_ENEMY,   TPL_UFO,         LAYER_NONE,  DIR_RIGHT,      -210,   20},
    {410,    ACT_SCENERY, TPL_FAST_CLOUD,  LAYER_BACK,  DIR_DOWN_RIGHT, -300, -256},

    {500,    ACT_SCENERY, TPL_FAST_CLOUD,  LAYER_BACK,  DIR_DOWN_RIGHT, -150, -256},
    {500,    ACT_SCENERY, TPL_FAST_CLOUD,  LAYER_BACK,  DIR_DOWN_RIGHT, -300,  256},
    {500,    ACT_ENEMY,   TPL_UFO,         LAYER_NONE,  DIR_LEFT,        800,   74},
    {500,    ACT_ENEMY,   TPL_UFO,         LAYER_NONE,  DIR_LEFT,        910,  158},

    {570,    ACT_ENEMY,   TPL_INTERCEPTOR, LAYER_NONE,  DIR_LEFT,        800, -128},
    {570,    ACT_ENEMY,   TPL_SKEL,        LAYER_NONE,  DIR_LEFT,        800,    5},

    {700,    ACT_ENEMY,   TPL_INTERCEPTOR, LAYER_NONE,  DIR_RIGHT,      -128, -128},
    {700,    ACT_SCENERY, TPL_FAST_CLOUD,  LAYER_BACK,  DIR_DOWN_RIGHT, -300,  256},

    {770,    ACT_ENEMY,   TPL_SKEL,        LAYER_NONE,  DIR_RIGHT,       -96,   30},

    {820,    ACT_SCENERY, TPL_FAST_CLOUD,  LAYER_BACK,  DIR_DOWN_RIGHT, -300,    0},
    {820,    ACT_ENEMY,   TPL_SKEL,        LAYER_NONE,  DIR_LEFT,        800,  128},
    {820,    ACT_ENEMY,   TPL_SKEL,        LAYER_NONE,  DIR_RIGHT,       -96,   30},
    {820,    ACT_ENEMY,   TPL_SKEL,        LAYER_NONE,  DIR_DOWN_LEFT,   400, -128},
    {820,    ACT_ENEMY,   TPL_SKEL,        LAYER_NONE,  DIR_DOWN_RIGHT,  400, -128},
    {820,    ACT_ENEMY,   TPL_SKEL,        LAYER_NONE,  DIR_DOWN,        400, -128},

    {900,    ACT_ENEMY,   TPL_SKEL,        LAYER_NONE,  DIR_DOWN_LEFT,   400, -128},
    {900,    ACT_ENEMY,   TPL_SKEL,        LAYER_NONE,  DIR_DOWN_RIGHT,  400, -128},
    {900,    ACT_ENEMY,   TPL_SKEL,        LAYER_NONE,  DIR_DOWN,        400, -128},
    {900,    ACT_SCENERY, TPL_FAST_CLOUD,  LAYER_FRONT, DIR_DOWN_RIGHT, -300,  400},
    {900,    ACT_SCENERY, TPL_FAST_CLOUD,  LAYER_FRONT, DIR_DOWN_RIGHT, -300,  200},
    {900,    ACT_SCENERY, TPL_FAST_CLOUD,  LAYER_FRONT, DIR_DOWN_RIGHT, -300,    0},

    {1000,   ACT_ENEMY,   TPL_SKEL,        LAYER_NONE,  DIR_DOWN_LEFT,   400, -128},

    {1100,   ACT_ENEMY,   TPL_UFO,         LAYER_NONE,  DIR_LEFT,        800,   74},
    {1100,   ACT_ENEMY,   TPL_UFO,         LAYER_NONE,  DIR_LEFT,        910,  158},

    {1250,   ACT_ENEMY,   TPL_INTERCEPTOR, LAYER_NONE,  DIR_LEFT,        800, -128},
    {1250,   ACT_ENEMY,   TPL_UFO,         LAYER_NONE,  DIR_RIGHT,       -70,   50},
    {1250,   ACT_ENEMY,   TPL_UFO,         LAYER_NONE,  DIR_RIGHT,      -140,   50},
    {1250,   ACT_SCENERY, TPL_FAST_CLOUD,  LAYER_FRONT, DIR_DOWN_RIGHT,  400, -150},
    {1250,   ACT_SCENERY, TPL_FAST_CLOUD,  LAYER_FRONT, DIR_DOWN_RIGHT,  300, -150},
    {1250,   ACT_SCENERY, TPL_FAST_CLOUD,  LAYER_FRONT, DIR_DOWN_RIGHT,  200, -150},

    {1350,   ACT_ENEMY,   TPL_UFO,         LAYER_NONE,  DIR_RIGHT,       -70,   20},
    {1350,   ACT_ENEMY,   TPL_UFO,         LAYER_NONE,  DIR_RIGHT,      -140,   20},
    {1350,   ACT_ENEMY,   TPL_UFO,         LAYER_NONE,  DIR_RIGHT,      -210,   20},

    {1450,   ACT_ENEMY,   TPL_SKEL,        LAYER_NONE,  DIR_DOWN_LEFT,   800,  200},
    {1450,   ACT_ENEMY,   TPL_UFO,         LAYER_NONE,  DIR_RIGHT,       -70,   60},
    {1450,   ACT_ENEMY,   TPL_UFO,         LAYER_NONE,  DIR_RIGHT,      -140,   60},
    {1450,   ACT_ENEMY,   TPL_UFO,         LAYER_NONE,  DIR_RIGHT,      -210,   60},

    {1550,   ACT_ENEMY,   TPL_UFO,         LAYER_NONE,  DIR_RIGHT,       -70,  100},
    {1550,   ACT_ENEMY,   TPL_UFO,         LAYER_NONE,  DIR_RIGHT,      -140,  100},
    {1550,   ACT_ENEMY,   TPL_UFO,         LAYER_NONE,  DIR_RIGHT,      -210,  100},

    {1700,   ACT_ENEMY,   TPL_UFO,         LAYER_NONE,  DIR_RIGHT,       -70,   20},
    {1700,   ACT_ENEMY,   TPL_UFO,         LAYER_NONE,  DIR_RIGHT,      -140,   20},
    {1700,   ACT_ENEMY,   TPL_UFO,         LAYER_NONE,  DIR_RIGHT,      -210,   20},
    {1700,   ACT_SCENERY, TPL_FAST_CLOUD,  LAYER_FRONT, DIR_DOWN_RIGHT,  400, -150},
    {1700,   ACT_SCENERY, TPL_FAST_CLOUD,  LAYER_FRONT, DIR_DOWN_RIGHT,  300, -150},
    {1700,   ACT_SCENERY, TPL_FAST_CLOUD,  LAYER_FRONT, DIR_DOWN_RIGHT,  200, -150},

    {1750,   ACT_ENEMY,   TPL_UFO,         LAYER_NONE,  DIR_RIGHT,      -140,  500},
    {1750,   ACT_ENEMY,   TPL_UFO,         LAYER_NONE,  DIR_RIGHT,      -210,  500},
    {1750,   ACT_ENEMY,   TPL_SKEL,        LAYER_NONE,  DIR_DOWN_LEFT,   800,  200},

    {1875,   ACT_ENEMY,   TPL_INTERCEPTOR, LAYER_NONE,  DIR_LEFT,        800, -128},
    {1875,   ACT_ENEMY,   TPL_SKEL,        LAYER_NONE,  DIR_LEFT,        800,    5},

    {1975,   ACT_ENEMY,   TPL_SKEL,        LAYER_NONE,  DIR_LEFT,        800,  200},

    {2100,   ACT_ENEMY,   TPL_SKEL,        LAYER_NONE,  DIR_LEFT,        800,  200},

    {2300,   ACT_ENEMY,   TPL_SKEL,        LAYER_NONE,  DIR_DOWN_LEFT,   800,  200},
    {2300,   ACT_SCENERY, TPL_FAST_CLOUD,  LAYER_FRONT, DIR_DOWN_RIGHT,  400, -150},
    {2300,   ACT_SCENERY, TPL_FAST_CLOUD,  LAYER_FRONT, DIR_DOWN_RIGHT,  300, -150},
    {2300,   ACT_SCENERY, TPL_FAST_CLOUD,  LAYER_FRONT, DIR_DOWN_RIGHT,  200, -150},

    {2350,   ACT_ENEMY,   TPL_SKEL,        LAYER_NONE,  DIR_DOWN_LEFT,   600,  -96},

    {2500,   ACT_ENEMY,   TPL_UFO,         LAYER_NONE,  DIR_RIGHT,       -70,   20},
    {2500,   ACT_ENEMY,   TPL_UFO,         LAYER_NONE,  DIR_RIGHT,      -140,   20},
    {2500,   ACT_ENEMY,   TPL_UFO,         LAYER_NONE,  DIR_RIGHT,      -210,   20},

    {2650,   ACT_ENEMY,   TPL_INTERCEPTOR, LAYER_NONE,  DIR_LEFT,        800, -128},
    {2650,   ACT_ENEMY,   TPL_UFO,         LAYER_NONE,  DIR_RIGHT,       -70,   20},
    {2650,   ACT_ENEMY,   TPL_UFO,         LAYER_NONE,  DIR_RIGHT,      -140,   20},
    {2650,   ACT_ENEMY,   TPL_UFO,         LAYER_NONE,  DIR_RIGHT,      -210,   20},

    {2800,   ACT_ENEMY,   TPL_UFO,         LAYER_NONE,  DIR_LEFT,        800,   74},
    {2800,   ACT_ENEMY,   TPL_UFO,         LAYER_NONE,  DIR_LEFT,        910,  158},

    {3000,   ACT_ENEMY,   TPL_INTERCEPTOR, LAYER_NONE,  DIR_LEFT,        800, -128},
    {3000,   ACT_ENEMY,   TPL_SKEL,        LAYER_NONE,  DIR_LEFT,        800,    5},

    {3150,   ACT_ENEMY,   TPL_INTERCEPTOR, LAYER_NONE,  DIR_LEFT,        800, -128},
    {3150,   ACT_ENEMY,   TPL_UFO,         LAYER_NONE,  DIR_RIGHT,       -70,   50},
    {3150,   ACT_ENEMY,   TPL_UFO,         LAYER_NONE,  DIR_RIGHT,      -140,   50},
    {3150,   ACT_SCENERY, TPL_FAST_CLOUD,  LAYER_BACK,  DIR_DOWN_RIGHT,    0, -300},
    {3150,   ACT_SCENERY, TPL_FAST_CLOUD,  LAYER_BACK,  DIR_DOWN_RIGHT,    0, -200},

    {3250,   ACT_ENEMY,   TPL_UFO,         LAYER_NONE,  DIR_RIGHT,       -70,   20},
    {3250,   ACT_ENEMY,   TPL_UFO,         LAYER_NONE,  DIR_RIGHT,      -140,   20},
    {3250,   ACT_ENEMY,   TPL_UFO,         LAYER_NONE,  DIR_RIGHT,      -210,   20},
    {3250,   ACT_ENEMY,   TPL_SKEL,        LAYER_NONE,  DIR_DOWN_LEFT,   800, -200},

    {3350,   ACT_ENEMY,   TPL_UFO,         LAYER_NONE,  DIR_RIGHT,       -70,   60},
    {3350,   ACT_ENEMY,   TPL_UFO,         LAYER_NONE,  DIR_RIGHT,      -140,   60},
    {3350,   ACT_ENEMY,   TPL_UFO,         LAYER_NONE,  DIR_RIGHT,      -210,   60},

    {3500,   ACT_ENEMY,   TPL_UFO,         LAYER_NONE,  DIR_RIGHT,       -70,  100},
    {3500,   ACT_ENEMY,   TPL_UFO,         LAYER_NONE,  DIR_RIGHT,      -140,  100},
    {3500,   ACT_ENEMY,   TPL_UFO,         LAYER_NONE,  DIR_RIGHT,      -210,  100},
    {3500,   ACT_SCENERY, TPL_FAST_CLOUD,  LAYER_BACK,  DIR_DOWN_RIGHT,    0, -300},
    {3500,   ACT_SCENERY, TPL_FAST_CLOUD,  LAYER_BACK,  DIR_DOWN_RIGHT,    0, -200},

    {3550,   ACT_ENEMY,   TPL_UFO,         LAYER_NONE,  DIR_RIGHT,       -70,   20},
    {3550,   ACT_ENEMY,   TPL_UFO,         LAYER_NONE,  DIR_RIGHT,      -140,   20},
    {3550,   ACT_ENEMY,   TPL_UFO,         LAYER_NONE,  DIR_RIGHT,      -210,   20},

    {3700,   ACT_ENEMY,   TPL_UFO,         LAYER_NONE,  DIR_RIGHT,      -140,  500},
    {3700,   ACT_ENEMY,   TPL_UFO,         LAYER_NONE,  DIR_RIGHT,      -210,  500},

    {3900,   ACT_ENEMY,   TPL_INTERCEPTOR, LAYER_NONE,  DIR_LEFT,        800, -128},
    {3900,   ACT_ENEMY,   TPL_SKEL,        LAYER_NONE,  DIR_LEFT,        800,    5},

    {4100,   ACT_ENEMY,   TPL_SKEL,        LAYER_NONE,  DIR_LEFT,        800,  200},

    {4200,   ACT_ENEMY,   TPL_SKEL,        LAYER_NONE,  DIR_LEFT,        800,  200},

    {4300,   ACT_ENEMY,   TPL_SKEL,        LAYER_NONE,  DIR_DOWN_LEFT,   800,  200},

    {4600,   ACT_ENEMY,   TPL_SKEL,        LAYER_NONE,  DIR_DOWN_LEFT,   600,  -96},

    {4700,   ACT_ENEMY,   TPL_SKEL,        LAYER_NONE,  DIR_DOWN,        200, -128},

    {4750,   ACT_ENEMY,   TPL_SKEL,        LAYER_NONE,  DIR_DOWN,        300, -128},

    {4800,   ACT_ENEMY,   TPL_SKEL,        LAYER_NONE,  DIR_DOWN,        600, -128},

    {4850,   ACT_ENEMY,   TPL_SKEL,        LAYER_NONE,  DIR_DOWN,        500, -128},
    {4850,   ACT_SCENERY, TPL_FAST_CLOUD,  LAYER_BACK,  DIR_DOWN_RIGHT,    0, -200},

    {4950,   ACT_ENEMY,   TPL_SKEL,        LAYER_NONE,  DIR_DOWN,          0, -128},

    {5100,   ACT_ENEMY,   TPL_BIRDHEAD,    LAYER_NONE,  DIR_LEFT,        800,    0},
    {5100,   ACT_ENEMY,   TPL_BIRDHEAD,    LAYER_NONE,  DIR_UP_RIGHT,   -128,  600},

    {5400,   ACT_ENEMY,   TPL_UFO,         LAYER_NONE,  DIR_LEFT,        800,    0},
    {5400,   ACT_ENEMY,   TPL_UFO,         LAYER_NONE,  DIR_UP_RIGHT,   -128,  600},

    {5500,   ACT_ENEMY,   TPL_UFO,         LAYER_NONE,  DIR_DOWN_LEFT,   800,    0},
    {5500,   ACT_ENEMY,   TPL_UFO,         LAYER_NONE,  DIR_RIGHT,      -128,  200},

    {5600,   ACT_SCENERY, TPL_FAST_CLOUD,  LAYER_BACK,  DIR_DOWN_RIGHT,    0, -300},
    {5600,   ACT_SCENERY, TPL_FAST_CLOUD,  LAYER_BACK,  DIR_DOWN_RIGHT,    0, -200},
    {5600,   ACT_ENEMY,   TPL_UFO,         LAYER_NONE,  DIR_LEFT,        800,    0},
    {5600,   ACT_ENEMY,   TPL_UFO,         LAYER_NONE,  DIR_UP_RIGHT,   -128,  600},

    {5700,   ACT_ENEMY,   TPL_BIRDHEAD,    LAYER_NONE,  DIR_LEFT,        800,    0},
    {5700,   ACT_ENEMY,   TPL_BIRDHEAD,    LAYER_NONE,  DIR_UP_RIGHT,   -128,  600},
};
// clang-format on

}  // namespace

const EventList LEVEL3_EVENTS{ROWS};
