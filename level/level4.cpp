// Level 4: the sand level's timed waves and scenery, main phase.
#include "level/level_events.h"

namespace {

// Mostly skels; suns and clouds. Frames 4500 and 4550 send skels up from below.
// clang-format off
const LevelEvent ROWS[] = {
    // clock action       template         layer        direction           x      y
    {300,    ACT_SCENERY, TPL_SUN,         LAYER_FRONT, DIR_DOWN,        550, -256},
    {300,    ACT_ENEMY,   TPL_SKEL,        LAYER_NONE,  DIR_LEFT,        800,   74},
    {300,    ACT_ENEMY,   TPL_SKEL,        LAYER_NONE,  DIR_LEFT,        910,  158},

    {310,    ACT_SCENERY, TPL_SUN,         LAYER_FRONT, DIR_DOWN,        100, -256},
    {310,    ACT_ENEMY,   TPL_SKEL,        LAYER_NONE,  DIR_RIGHT,       -70,   20},
    {310,    ACT_ENEMY,   TPL_SKEL,        LAYER_NONE,  DIR_RIGHT,      -140,   20},
    {310,    ACT_ENEMY,   TPL_SKEL,        LAYER_NONE,  DIR_RIGHT,      -210,   20},

    {410,    ACT_SCENERY, TPL_SUN,         LAYER_BACK,  DIR_DOWN,        200, -256},
    {410,    ACT_ENEMY,   TPL_SKEL,        LAYER_NONE,  DIR_RIGHT,       -70,   20},
    {410,    ACT_ENEMY,   TPL_SKEL,        LAYER_NONE,  DIR_RIGHT,      -140,   20},
    {410,    ACT_ENEMY,   TPL_SKEL,        LAYER_NONE,  DIR_RIGHT,      -210,   20},

    {510,    ACT_SCENERY, TPL_FAST_CLOUD,  LAYER_BACK,  DIR_DOWN,        200, -256},
    {510,    ACT_ENEMY,   TPL_SKEL,        LAYER_NONE,  DIR_DOWN_RIGHT,  400,  -64},
    {510,    ACT_ENEMY,   TPL_SKEL,        LAYER_NONE,  DIR_DOWN_LEFT,   400,  -64},

    {560,    ACT_SCENERY, TPL_SUN,         LAYER_BACK,  DIR_DOWN,        700, -256},
    {560,    ACT_ENEMY,   TPL_SKEL,        LAYER_NONE,  DIR_UP,          400,  -64},

    {600,    ACT_ENEMY,   TPL_BIRDHEAD,    LAYER_NONE,  DIR_LEFT,        800,    0},
    {600,    ACT_ENEMY,   TPL_BIRDHEAD,    LAYER_NONE,  DIR_UP_RIGHT,   -128,  600},

    {700,    ACT_SCENERY, TPL_FAST_CLOUD,  LAYER_BACK,  DIR_DOWN,        200, -256},
    {700,    ACT_ENEMY,   TPL_BIRDHEAD,    LAYER_NONE,  DIR_DOWN_RIGHT,  400, -128},
    {700,    ACT_ENEMY,   TPL_BIRDHEAD,    LAYER_NONE,  DIR_DOWN_LEFT,   400, -128},

    {750,    ACT_SCENERY, TPL_SUN,         LAYER_FRONT, DIR_UP,          350,  600},
    {750,    ACT_ENEMY,   TPL_SKEL,        LAYER_NONE,  DIR_UP,          400,  -64},

    {850,    ACT_ENEMY,   TPL_INTERCEPTOR, LAYER_NONE,  DIR_LEFT,        800, -128},
    {850,    ACT_ENEMY,   TPL_UFO,         LAYER_NONE,  DIR_RIGHT,       -70,   50},
    {850,    ACT_ENEMY,   TPL_UFO,         LAYER_NONE,  DIR_RIGHT,      -140,   50},

    {950,    ACT_ENEMY,   TPL_SKEL,        LAYER_NONE,  DIR_RIGHT,       -70,   20},
    {950,    ACT_ENEMY,   TPL_SKEL,        LAYER_NONE,  DIR_RIGHT,      -140,   20},
    {950,    ACT_ENEMY,   TPL_SKEL,        LAYER_NONE,  DIR_RIGHT,      -210,   20},

    {1050,   ACT_SCENERY, TPL_SLOW_CLOUD,  LAYER_FRONT, DIR_DOWN,        500, -256},
    {1050,   ACT_ENEMY,   TPL_SKEL,        LAYER_NONE,  DIR_RIGHT,       -70,  150},
    {1050,   ACT_ENEMY,   TPL_SKEL,        LAYER_NONE,  DIR_RIGHT,      -140,  150},
    {1050,   ACT_ENEMY,   TPL_SKEL,        LAYER_NONE,  DIR_RIGHT,      -210,  150},

    {1150,   ACT_SCENERY, TPL_SLOW_CLOUD,  LAYER_FRONT, DIR_DOWN,        500, -256},
    {1150,   ACT_ENEMY,   TPL_SKEL,        LAYER_NONE,  DIR_LEFT,        870,  450},
    {1150,   ACT_ENEMY,   TPL_SKEL,        LAYER_NONE,  DIR_LEFT,        940,  450},
    {1150,   ACT_ENEMY,   TPL_SKEL,        LAYER_NONE,  DIR_LEFT,        800,  450},

    {1250,   ACT_SCENERY, TPL_SLOW_CLOUD,  LAYER_FRONT, DIR_DOWN,        130, -256},
    {1250,   ACT_ENEMY,   TPL_SKEL,        LAYER_NONE,  DIR_LEFT,        870,    5},
    {1250,   ACT_ENEMY,   TPL_SKEL,        LAYER_NONE,  DIR_LEFT,        940,   10},
    {1250,   ACT_ENEMY,   TPL_SKEL,        LAYER_NONE,  DIR_LEFT,        800,   15},

    {1400,   ACT_ENEMY,   TPL_BIRDHEAD,    LAYER_NONE,  DIR_LEFT,        800,    0},
    {1400,   ACT_ENEMY,   TPL_BIRDHEAD,    LAYER_NONE,  DIR_DOWN,        680, -128},

    {1550,   ACT_ENEMY,   TPL_BIRDHEAD,    LAYER_NONE,  DIR_RIGHT,      -128,   20},
    {1550,   ACT_ENEMY,   TPL_BIRDHEAD,    LAYER_NONE,  DIR_UP,            0,  600},

    {1575,   ACT_ENEMY,   TPL_BIRDHEAD,    LAYER_NONE,  DIR_LEFT,        800,    0},
    {1575,   ACT_ENEMY,   TPL_BIRDHEAD,    LAYER_NONE,  DIR_UP_RIGHT,   -128,  600},

    {1600,   ACT_SCENERY, TPL_FAST_CLOUD,  LAYER_BACK,  DIR_DOWN,        200, -256},
    {1600,   ACT_ENEMY,   TPL_BIRDHEAD,    LAYER_NONE,  DIR_DOWN_RIGHT,  400, -128},
    {1600,   ACT_ENEMY,   TPL_BIRDHEAD,    LAYER_NONE,  DIR_DOWN_LEFT,   400, -128},

    {1650,   ACT_SCENERY, TPL_SUN,         LAYER_FRONT, DIR_UP,          350,  600},
    {1650,   ACT_ENEMY,   TPL_SKEL,        LAYER_NONE,  DIR_UP,          400,  -64},

    {1700,   ACT_ENEMY,   TPL_INTERCEPTOR, LAYER_NONE,  DIR_LEFT,        800, -128},
    {1700,   ACT_ENEMY,   TPL_UFO,         LAYER_NONE,  DIR_RIGHT,       -70,   50},
    {1700,   ACT_ENEMY,   TPL_UFO,         LAYER_NONE,  DIR_RIGHT,      -140,   50},

    {1800,   ACT_ENEMY,   TPL_SKEL,        LAYER_NONE,  DIR_RIGHT,       -70,   20},
    {1800,   ACT_ENEMY,   TPL_SKEL,        LAYER_NONE,  DIR_RIGHT,      -140,   20},
    {1800,   ACT_ENEMY,   TPL_SKEL,        LAYER_NONE,  DIR_RIGHT,      -210,   20},

    {1850,   ACT_SCENERY, TPL_SLOW_CLOUD,  LAYER_FRONT, DIR_DOWN,        500, -256},
    {1850,   ACT_ENEMY,   TPL_SKEL,        LAYER_NONE,  DIR_RIGHT,       -70,  150},
    {1850,   ACT_ENEMY,   TPL_SKEL,        LAYER_NONE,  DIR_RIGHT,      -140,  150},
    {1850,   ACT_ENEMY,   TPL_SKEL,        LAYER_NONE,  DIR_RIGHT,      -210,  150},

    {1900,   ACT_SCENERY, TPL_SLOW_CLOUD,  LAYER_FRONT, DIR_DOWN,        500, -256},
    {1900,   ACT_ENEMY,   TPL_SKEL,        LAYER_NONE,  DIR_LEFT,        870,  450},
    {1900,   ACT_ENEMY,   TPL_SKEL,        LAYER_NONE,  DIR_LEFT,        940,  450},
    {1900,   ACT_ENEMY,   TPL_SKEL,        LAYER_NONE,  DIR_LEFT,        800,  450},

    {1925,   ACT_SCENERY, TPL_SLOW_CLOUD,  LAYER_FRONT, DIR_DOWN,        130, -256},
    {1925,   ACT_ENEMY,   TPL_SKEL,        LAYER_NONE,  DIR_LEFT,        870,    5},
    {1925,   ACT_ENEMY,   TPL_SKEL,        LAYER_NONE,  DIR_LEFT,        940,   10},
    {1925,   ACT_ENEMY,   TPL_SKEL,        LAYER_NONE,  DIR_LEFT,        800,   15},

    {1975,   ACT_ENEMY,   TPL_BIRDHEAD,    LAYER_NONE,  DIR_LEFT,        800,    0},
    {1975,   ACT_ENEMY,   TPL_BIRDHEAD,    LAYER_NONE,  DIR_DOWN,        680, -128},

    {2100,   ACT_ENEMY,   TPL_BIRDHEAD,    LAYER_NONE,  DIR_RIGHT,      -128,   20},
    {2100,   ACT_ENEMY,   TPL_BIRDHEAD,    LAYER_NONE,  DIR_UP,            0,  600},

    {2150,   ACT_ENEMY,   TPL_INTERCEPTOR, LAYER_NONE,  DIR_LEFT,        800, -128},
    {2150,   ACT_ENEMY,   TPL_UFO,         LAYER_NONE,  DIR_RIGHT,       -70,   20},
    {2150,   ACT_ENEMY,   TPL_UFO,         LAYER_NONE,  DIR_RIGHT,      -140,   20},
    {2150,   ACT_ENEMY,   TPL_UFO,         LAYER_NONE,  DIR_RIGHT,      -210,   20},

    {2250,   ACT_ENEMY,   TPL_UFO,         LAYER_NONE,  DIR_LEFT,        800,   74},
    {2250,   ACT_ENEMY,   TPL_UFO,         LAYER_NONE,  DIR_LEFT,        910,  158},

    {2300,   ACT_ENEMY,   TPL_INTERCEPTOR, LAYER_NONE,  DIR_LEFT,        800, -128},
    {2300,   ACT_ENEMY,   TPL_SKEL,        LAYER_NONE,  DIR_LEFT,        800,    5},

    {2450,   ACT_ENEMY,   TPL_INTERCEPTOR, LAYER_NONE,  DIR_LEFT,        800, -128},
    {2450,   ACT_ENEMY,   TPL_UFO,         LAYER_NONE,  DIR_RIGHT,       -70,   50},
    {2450,   ACT_ENEMY,   TPL_UFO,         LAYER_NONE,  DIR_RIGHT,      -140,   50},
    {2450,   ACT_SCENERY, TPL_FAST_CLOUD,  LAYER_BACK,  DIR_DOWN_RIGHT,    0, -300},
    {2450,   ACT_SCENERY, TPL_FAST_CLOUD,  LAYER_BACK,  DIR_DOWN_RIGHT,    0, -200},

    {2550,   ACT_ENEMY,   TPL_UFO,         LAYER_NONE,  DIR_RIGHT,       -70,   20},
    {2550,   ACT_ENEMY,   TPL_UFO,         LAYER_NONE,  DIR_RIGHT,      -140,   20},
    {2550,   ACT_ENEMY,   TPL_UFO,         LAYER_NONE,  DIR_RIGHT,      -210,   20},
    {2550,   ACT_ENEMY,   TPL_SKEL,        LAYER_NONE,  DIR_DOWN_LEFT,   800, -200},

    {2650,   ACT_ENEMY,   TPL_UFO,         LAYER_NONE,  DIR_RIGHT,       -70,   20},
    {2650,   ACT_ENEMY,   TPL_UFO,         LAYER_NONE,  DIR_RIGHT,      -140,   20},
    {2650,   ACT_ENEMY,   TPL_UFO,         LAYER_NONE,  DIR_RIGHT,      -210,   20},
    {2650,   ACT_ENEMY,   TPL_SKEL,        LAYER_NONE,  DIR_DOWN_LEFT,   800, -200},

    {2750,   ACT_ENEMY,   TPL_UFO,         LAYER_NONE,  DIR_RIGHT,       -70,   20},
    {2750,   ACT_ENEMY,   TPL_UFO,         LAYER_NONE,  DIR_RIGHT,      -140,   20},
    {2750,   ACT_ENEMY,   TPL_UFO,         LAYER_NONE,  DIR_RIGHT,      -210,   20},
    {2750,   ACT_ENEMY,   TPL_SKEL,        LAYER_NONE,  DIR_DOWN_LEFT,   800, -200},

    {2850,   ACT_ENEMY,   TPL_UFO,         LAYER_NONE,  DIR_RIGHT,       -70,   20},
    {2850,   ACT_ENEMY,   TPL_UFO,         LAYER_NONE,  DIR_RIGHT,      -140,   20},
    {2850,   ACT_ENEMY,   TPL_UFO,         LAYER_NONE,  DIR_RIGHT,      -210,   20},
    {2850,   ACT_ENEMY,   TPL_SKEL,        LAYER_NONE,  DIR_DOWN_LEFT,   800, -200},

    {2950,   ACT_ENEMY,   TPL_UFO,         LAYER_NONE,  DIR_RIGHT,       -70,   20},
    {2950,   ACT_ENEMY,   TPL_UFO,         LAYER_NONE,  DIR_RIGHT,      -140,   20},
    {2950,   ACT_ENEMY,   TPL_UFO,         LAYER_NONE,  DIR_RIGHT,      -210,   20},
    {2950,   ACT_ENEMY,   TPL_SKEL,        LAYER_NONE,  DIR_DOWN_LEFT,   800, -200},

    {3050,   ACT_ENEMY,   TPL_SKEL,        LAYER_NONE,  DIR_RIGHT,       -70,   20},
    {3050,   ACT_ENEMY,   TPL_SKEL,        LAYER_NONE,  DIR_RIGHT,      -140,   20},
    {3050,   ACT_ENEMY,   TPL_SKEL,        LAYER_NONE,  DIR_RIGHT,      -210,   20},

    {3150,   ACT_SCENERY, TPL_SLOW_CLOUD,  LAYER_FRONT, DIR_DOWN,        500, -256},
    {3150,   ACT_ENEMY,   TPL_SKEL,        LAYER_NONE,  DIR_RIGHT,       -70,  150},
    {3150,   ACT_ENEMY,   TPL_SKEL,        LAYER_NONE,  DIR_RIGHT,      -140,  150},
    {3150,   ACT_ENEMY,   TPL_SKEL,        LAYER_NONE,  DIR_RIGHT,      -210,  150},

    {3250,   ACT_SCENERY, TPL_SLOW_CLOUD,  LAYER_FRONT, DIR_DOWN,        500, -256},
    {3250,   ACT_ENEMY,   TPL_SKEL,        LAYER_NONE,  DIR_LEFT,        870,  450},
    {3250,   ACT_ENEMY,   TPL_SKEL,        LAYER_NONE,  DIR_LEFT,        940,  450},
    {3250,   ACT_ENEMY,   TPL_SKEL,        LAYER_NONE,  DIR_LEFT,        800,  450},

    {3350,   ACT_SCENERY, TPL_SLOW_CLOUD,  LAYER_FRONT, DIR_DOWN,        130, -256},
    {3350,   ACT_ENEMY,   TPL_SKEL,        LAYER_NONE,  DIR_LEFT,        870,    5},
    {3350,   ACT_ENEMY,   TPL_SKEL,        LAYER_NONE,  DIR_LEFT,        940,   10},
    {3350,   ACT_ENEMY,   TPL_SKEL,        LAYER_NONE,  DIR_LEFT,        800,   15},

    {3500,   ACT_ENEMY,   TPL_BIRDHEAD,    LAYER_NONE,  DIR_LEFT,        800,    0},
    {3500,   ACT_ENEMY,   TPL_BIRDHEAD,    LAYER_NONE,  DIR_DOWN,        680, -128},

    {3600,   ACT_ENEMY,   TPL_BIRDHEAD,    LAYER_NONE,  DIR_RIGHT,      -128,   20},
    {3600,   ACT_ENEMY,   TPL_BIRDHEAD,    LAYER_NONE,  DIR_UP,            0,  600},

    {3700,   ACT_ENEMY,   TPL_BIRDHEAD,    LAYER_NONE,  DIR_LEFT,        800,    0},
    {3700,   ACT_ENEMY,   TPL_BIRDHEAD,    LAYER_NONE,  DIR_UP_RIGHT,   -128,  600},

    {3750,   ACT_SCENERY, TPL_FAST_CLOUD,  LAYER_BACK,  DIR_DOWN,        200, -256},
    {3750,   ACT_ENEMY,   TPL_BIRDHEAD,    LAYER_NONE,  DIR_DOWN_RIGHT,  400, -128},
    {3750,   ACT_ENEMY,   TPL_BIRDHEAD,    LAYER_NONE,  DIR_DOWN_LEFT,   400, -128},

    {3900,   ACT_SCENERY, TPL_SUN,         LAYER_FRONT, DIR_UP,          350,  600},
    {3900,   ACT_ENEMY,   TPL_SKEL,        LAYER_NONE,  DIR_UP,          400,  -64},

    {4000,   ACT_ENEMY,   TPL_UFO,         LAYER_NONE,  DIR_LEFT,        800,   74},
    {4000,   ACT_ENEMY,   TPL_UFO,         LAYER_NONE,  DIR_LEFT,        910,  158},

    {4100,   ACT_ENEMY,   TPL_UFO,         LAYER_NONE,  DIR_RIGHT,       -70,   20},
    {4100,   ACT_ENEMY,   TPL_UFO,         LAYER_NONE,  DIR_RIGHT,      -140,   20},
    {4100,   ACT_ENEMY,   TPL_UFO,         LAYER_NONE,  DIR_RIGHT,      -210,   20},

    {4250,   ACT_ENEMY,   TPL_INTERCEPTOR, LAYER_NONE,  DIR_LEFT,        800, -128},
    {4250,   ACT_ENEMY,   TPL_UFO,         LAYER_NONE,  DIR_RIGHT,       -70,   20},
    {4250,   ACT_ENEMY,   TPL_UFO,         LAYER_NONE,  DIR_RIGHT,      -140,   20},
    {4250,   ACT_ENEMY,   TPL_UFO,         LAYER_NONE,  DIR_RIGHT,      -210,   20},

    {4300,   ACT_ENEMY,   TPL_UFO,         LAYER_NONE,  DIR_LEFT,        800,   74},
    {4300,   ACT_ENEMY,   TPL_UFO,         LAYER_NONE,  DIR_LEFT,        910,  158},

    {4400,   ACT_ENEMY,   TPL_INTERCEPTOR, LAYER_NONE,  DIR_LEFT,        800, -128},
    {4400,   ACT_ENEMY,   TPL_SKEL,        LAYER_NONE,  DIR_LEFT,        800,    5},

    {4500,   ACT_ENEMY,   TPL_INTERCEPTOR, LAYER_NONE,  DIR_RIGHT,      -128, -128},
    {4500,   ACT_ENEMY,   TPL_SKEL,        LAYER_NONE,  DIR_UP,          100,  800},

    {4550,   ACT_ENEMY,   TPL_SKEL,        LAYER_NONE,  DIR_RIGHT,       -96,   30},
    {4550,   ACT_ENEMY,   TPL_SKEL,        LAYER_NONE,  DIR_UP,          400,  800},

    {4600,   ACT_SCENERY, TPL_FAST_CLOUD,  LAYER_BACK,  DIR_DOWN,        300, -128},
    {4600,   ACT_ENEMY,   TPL_SKEL,        LAYER_NONE,  DIR_LEFT,        800,  128},
    {4600,   ACT_ENEMY,   TPL_SKEL,        LAYER_NONE,  DIR_RIGHT,       -96,   30},

    {4700,   ACT_ENEMY,   TPL_SKEL,        LAYER_NONE,  DIR_DOWN_LEFT,   400, -128},
    {4700,   ACT_ENEMY,   TPL_SKEL,        LAYER_NONE,  DIR_DOWN_RIGHT,  400, -128},
    {4700,   ACT_ENEMY,   TPL_SKEL,        LAYER_NONE,  DIR_DOWN,        400, -128},

    {4800,   ACT_ENEMY,   TPL_SKEL,        LAYER_NONE,  DIR_DOWN_LEFT,   400, -128},
    {4800,   ACT_ENEMY,   TPL_SKEL,        LAYER_NONE,  DIR_DOWN_RIGHT,  400, -128},
    {4800,   ACT_ENEMY,   TPL_SKEL,        LAYER_NONE,  DIR_DOWN,        400, -128},
    {4800,   ACT_SCENERY, TPL_SUN,         LAYER_FRONT, DIR_DOWN,        400, -300},
    {4800,   ACT_SCENERY, TPL_SUN,         LAYER_FRONT, DIR_DOWN,        600, -300},

    {4900,   ACT_ENEMY,   TPL_SKEL,        LAYER_NONE,  DIR_DOWN_LEFT,   400, -128},

    {5000,   ACT_ENEMY,   TPL_UFO,         LAYER_NONE,  DIR_LEFT,        800,   74},
    {5000,   ACT_ENEMY,   TPL_UFO,         LAYER_NONE,  DIR_LEFT,        910,  158},

    {5050,   ACT_ENEMY,   TPL_UFO,         LAYER_NONE,  DIR_RIGHT,       -70,   20},
    {5050,   ACT_ENEMY,   TPL_UFO,         LAYER_NONE,  DIR_RIGHT,      -140,   20},
    {5050,   ACT_ENEMY,   TPL_UFO,         LAYER_NONE,  DIR_RIGHT,      -210,   20},
    {5050,   ACT_ENEMY,   TPL_SKEL,        LAYER_NONE,  DIR_DOWN_LEFT,   800, -200},

    {5100,   ACT_ENEMY,   TPL_UFO,         LAYER_NONE,  DIR_RIGHT,       -70,   20},
    {5100,   ACT_ENEMY,   TPL_UFO,         LAYER_NONE,  DIR_RIGHT,      -140,   20},
    {5100,   ACT_ENEMY,   TPL_UFO,         LAYER_NONE,  DIR_RIGHT,      -210,   20},
    {5100,   ACT_ENEMY,   TPL_SKEL,        LAYER_NONE,  DIR_DOWN_LEFT,   800, -200},

    {5150,   ACT_ENEMY,   TPL_UFO,         LAYER_NONE,  DIR_RIGHT,       -70,   20},
    {5150,   ACT_ENEMY,   TPL_UFO,         LAYER_NONE,  DIR_RIGHT,      -140,   20},
    {5150,   ACT_ENEMY,   TPL_UFO,         LAYER_NONE,  DIR_RIGHT,      -210,   20},
    {5150,   ACT_ENEMY,   TPL_SKEL,        LAYER_NONE,  DIR_DOWN_LEFT,   800, -200},

    {5175,   ACT_ENEMY,   TPL_SKEL,        LAYER_NONE,  DIR_RIGHT,       -70,   20},
    {5175,   ACT_ENEMY,   TPL_SKEL,        LAYER_NONE,  DIR_RIGHT,      -140,   20},
    {5175,   ACT_ENEMY,   TPL_SKEL,        LAYER_NONE,  DIR_RIGHT,      -210,   20},

    {5200,   ACT_SCENERY, TPL_SUN,         LAYER_FRONT, DIR_DOWN,        500, -256},
    {5200,   ACT_ENEMY,   TPL_SKEL,        LAYER_NONE,  DIR_RIGHT,       -70,  150},
    {5200,   ACT_ENEMY,   TPL_SKEL,        LAYER_NONE,  DIR_RIGHT,      -140,  150},
    {5200,   ACT_ENEMY,   TPL_SKEL,        LAYER_NONE,  DIR_RIGHT,      -210,  150},

    {5300,   ACT_SCENERY, TPL_SLOW_CLOUD,  LAYER_FRONT, DIR_DOWN,        500, -256},
    {5300,   ACT_ENEMY,   TPL_SKEL,        LAYER_NONE,  DIR_LEFT,        870,  450},
    {5300,   ACT_ENEMY,   TPL_SKEL,        LAYER_NONE,  DIR_LEFT,        940,  450},
    {5300,   ACT_ENEMY,   TPL_SKEL,        LAYER_NONE,  DIR_LEFT,        800,  450},

    {5350,   ACT_SCENERY, TPL_SLOW_CLOUD,  LAYER_FRONT, DIR_DOWN,        130, -256},
    {5350,   ACT_ENEMY,   TPL_SKEL,        LAYER_NONE,  DIR_LEFT,        870,    5},
    {5350,   ACT_ENEMY,   TPL_SKEL,        LAYER_NONE,  DIR_LEFT,        940,   10},
    {5350,   ACT_ENEMY,   TPL_SKEL,        LAYER_NONE,  DIR_LEFT,        800,   15},

    {5450,   ACT_SCENERY, TPL_SLOW_CLOUD,  LAYER_FRONT, DIR_DOWN,        500, -256},
    {5450,   ACT_ENEMY,   TPL_SKEL,        LAYER_NONE,  DIR_LEFT,        870,  450},
    {5450,   ACT_ENEMY,   TPL_SKEL,        LAYER_NONE,  DIR_LEFT,        940,  450},
    {5450,   ACT_ENEMY,   TPL_SKEL,        LAYER_NONE,  DIR_LEFT,        800,  450},

    {5550,   ACT_SCENERY, TPL_SLOW_CLOUD,  LAYER_FRONT, DIR_DOWN,        130, -256},
    {5550,   ACT_ENEMY,   TPL_SKEL,        LAYER_NONE,  DIR_LEFT,        870,    5},
    {5550,   ACT_ENEMY,   TPL_SKEL,        LAYER_NONE,  DIR_LEFT,        940,   10},
    {5550,   ACT_ENEMY,   TPL_SKEL,        LAYER_NONE,  DIR_LEFT,        800,   15},

    {5650,   ACT_ENEMY,   TPL_UFO,         LAYER_NONE,  DIR_RIGHT,       -70,   20},
    {5650,   ACT_ENEMY,   TPL_UFO,         LAYER_NONE,  DIR_RIGHT,      -140,   20},
    {5650,   ACT_ENEMY,   TPL_UFO,         LAYER_NONE,  DIR_RIGHT,      -210,   20},

    {5700,   ACT_ENEMY,   TPL_BIRDHEAD,    LAYER_NONE,  DIR_LEFT,        800,    0},
    {5700,   ACT_ENEMY,   TPL_BIRDHEAD,    LAYER_NONE,  DIR_UP_RIGHT,   -128,  600},
};
// clang-format on

}  // namespace

const EventList LEVEL4_EVENTS{ROWS};
