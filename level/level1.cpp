// Level 1: the rural level's timed waves and scenery, main phase.
#include "level/level_events.h"

namespace {

// Ufos from both sides, birdheads late on; clouds in both layers and one sun.
// clang-format off
const LevelEvent ROWS[] = {
    // clock action       template        layer        direction           x      y
    {50,     ACT_SCENERY, TPL_SLOW_CLOUD, LAYER_BACK,  DIR_DOWN,        300, -150},

    {300,    ACT_ENEMY,   TPL_UFO,        LAYER_NONE,  DIR_LEFT,        800, -256},
    {300,    ACT_ENEMY,   TPL_UFO,        LAYER_NONE,  DIR_LEFT,        910,  158},

    {310,    ACT_ENEMY,   TPL_UFO,        LAYER_NONE,  DIR_RIGHT,       -70,   20},
    {310,    ACT_ENEMY,   TPL_UFO,        LAYER_NONE,  DIR_RIGHT,      -140,   20},
    {310,    ACT_ENEMY,   TPL_UFO,        LAYER_NONE,  DIR_RIGHT,      -210,   20},

    {360,    ACT_ENEMY,   TPL_UFO,        LAYER_NONE,  DIR_RIGHT,       -70,   60},
    {360,    ACT_ENEMY,   TPL_UFO,        LAYER_NONE,  DIR_RIGHT,      -140,   60},
    {360,    ACT_ENEMY,   TPL_UFO,        LAYER_NONE,  DIR_RIGHT,      -210,   60},
    {360,    ACT_SCENERY, TPL_FAST_CLOUD, LAYER_FRONT, DIR_DOWN,        200, -256},

    {600,    ACT_ENEMY,   TPL_UFO,        LAYER_NONE,  DIR_DOWN,        100,  -70},
    {600,    ACT_ENEMY,   TPL_UFO,        LAYER_NONE,  DIR_UP,          630,  666},
    {600,    ACT_SCENERY, TPL_FAST_CLOUD, LAYER_BACK,  DIR_DOWN,        300, -256},

    {700,    ACT_ENEMY,   TPL_UFO,        LAYER_NONE,  DIR_RIGHT,       -70,  233},

    {750,    ACT_ENEMY,   TPL_UFO,        LAYER_NONE,  DIR_DOWN_RIGHT,  200,  -70},
    {750,    ACT_ENEMY,   TPL_UFO,        LAYER_NONE,  DIR_RIGHT,       -70,  233},
    {750,    ACT_ENEMY,   TPL_UFO,        LAYER_NONE,  DIR_RIGHT,      -140,   20},

    {900,    ACT_ENEMY,   TPL_UFO,        LAYER_NONE,  DIR_RIGHT,       -70,   20},
    {900,    ACT_ENEMY,   TPL_UFO,        LAYER_NONE,  DIR_RIGHT,      -140,   20},
    {900,    ACT_ENEMY,   TPL_UFO,        LAYER_NONE,  DIR_RIGHT,      -210,   20},

    {975,    ACT_ENEMY,   TPL_UFO,        LAYER_NONE,  DIR_RIGHT,       -70,  233},
    {975,    ACT_ENEMY,   TPL_UFO,        LAYER_NONE,  DIR_RIGHT,      -140,  233},

    {1050,   ACT_ENEMY,   TPL_UFO,        LAYER_NONE,  DIR_RIGHT,       -70,   50},
    {1050,   ACT_ENEMY,   TPL_UFO,        LAYER_NONE,  DIR_RIGHT,      -140,   50},
    {1050,   ACT_ENEMY,   TPL_UFO,        LAYER_NONE,  DIR_RIGHT,      -210,   50},
    {1050,   ACT_SCENERY, TPL_SLOW_CLOUD, LAYER_BACK,  DIR_DOWN,        400, -150},
    {1050,   ACT_ENEMY,   TPL_UFO,        LAYER_NONE,  DIR_DOWN_RIGHT,  -70,   50},
    {1050,   ACT_ENEMY,   TPL_UFO,        LAYER_NONE,  DIR_UP_RIGHT,   -140,  700},
    {1050,   ACT_ENEMY,   TPL_UFO,        LAYER_NONE,  DIR_RIGHT,      -210,   20},

    {1150,   ACT_ENEMY,   TPL_UFO,        LAYER_NONE,  DIR_LEFT,        800,  200},
    {1150,   ACT_ENEMY,   TPL_UFO,        LAYER_NONE,  DIR_LEFT,        870,  500},
    {1150,   ACT_ENEMY,   TPL_UFO,        LAYER_NONE,  DIR_LEFT,        940,   50},

    {1200,   ACT_ENEMY,   TPL_UFO,        LAYER_NONE,  DIR_LEFT,        800,   20},
    {1200,   ACT_ENEMY,   TPL_UFO,        LAYER_NONE,  DIR_LEFT,        870,   20},
    {1200,   ACT_ENEMY,   TPL_UFO,        LAYER_NONE,  DIR_LEFT,        940,   20},
    {1200,   ACT_SCENERY, TPL_SLOW_CLOUD, LAYER_BACK,  DIR_DOWN,        200, -150},
    {1200,   ACT_SCENERY, TPL_FAST_CLOUD, LAYER_FRONT, DIR_DOWN,        400, -256},

    {1250,   ACT_ENEMY,   TPL_UFO,        LAYER_NONE,  DIR_RIGHT,       -70,   50},

    {1500,   ACT_ENEMY,   TPL_BIRDHEAD,   LAYER_NONE,  DIR_RIGHT,       -70,   20},
    {1500,   ACT_ENEMY,   TPL_BIRDHEAD,   LAYER_NONE,  DIR_RIGHT,      -210,   20},

    {1575,   ACT_ENEMY,   TPL_BIRDHEAD,   LAYER_NONE,  DIR_RIGHT,      -210,  100},

    {1700,   ACT_ENEMY,   TPL_UFO,        LAYER_NONE,  DIR_DOWN_LEFT,   800, -128},

    {1775,   ACT_ENEMY,   TPL_UFO,        LAYER_NONE,  DIR_RIGHT,       -70,   20},
    {1775,   ACT_ENEMY,   TPL_UFO,        LAYER_NONE,  DIR_RIGHT,      -210,   20},

    {1950,   ACT_SCENERY, TPL_FAST_CLOUD, LAYER_BACK,  DIR_DOWN,        100, -256},
    {1950,   ACT_ENEMY,   TPL_UFO,        LAYER_NONE,  DIR_RIGHT,       -70,  510},

    {2000,   ACT_ENEMY,   TPL_UFO,        LAYER_NONE,  DIR_LEFT,        800,  450},

    {2150,   ACT_SCENERY, TPL_SLOW_CLOUD, LAYER_BACK,  DIR_DOWN,        300, -128},
    {2150,   ACT_ENEMY,   TPL_UFO,        LAYER_NONE,  DIR_RIGHT,       -70,   50},

    {2250,   ACT_ENEMY,   TPL_UFO,        LAYER_NONE,  DIR_LEFT,        800,  200},
    {2250,   ACT_ENEMY,   TPL_UFO,        LAYER_NONE,  DIR_LEFT,        870,  200},
    {2250,   ACT_ENEMY,   TPL_UFO,        LAYER_NONE,  DIR_LEFT,        940,  200},
    {2250,   ACT_SCENERY, TPL_FAST_CLOUD, LAYER_FRONT, DIR_DOWN,        100, -256},
    {2250,   ACT_SCENERY, TPL_SLOW_CLOUD, LAYER_BACK,  DIR_DOWN,         64, -150},

    {2300,   ACT_SCENERY, TPL_SUN,        LAYER_FRONT, DIR_DOWN,        550, -256},
    {2300,   ACT_ENEMY,   TPL_UFO,        LAYER_NONE,  DIR_RIGHT,       -70,   50},
    {2300,   ACT_ENEMY,   TPL_UFO,        LAYER_NONE,  DIR_RIGHT,      -140,   50},
    {2300,   ACT_ENEMY,   TPL_UFO,        LAYER_NONE,  DIR_RIGHT,      -210,   50},

    {2400,   ACT_SCENERY, TPL_FAST_CLOUD, LAYER_BACK,  DIR_DOWN,        600, -256},
    {2400,   ACT_ENEMY,   TPL_BIRDHEAD,   LAYER_NONE,  DIR_DOWN_LEFT,   450, -128},
    {2400,   ACT_SCENERY, TPL_SLOW_CLOUD, LAYER_BACK,  DIR_DOWN,        128, -150},

    {2600,   ACT_ENEMY,   TPL_UFO,        LAYER_NONE,  DIR_LEFT,        800,    5},
    {2600,   ACT_ENEMY,   TPL_UFO,        LAYER_NONE,  DIR_LEFT,        870,    5},
    {2600,   ACT_ENEMY,   TPL_UFO,        LAYER_NONE,  DIR_LEFT,        940,    5},
    {2600,   ACT_SCENERY, TPL_FAST_CLOUD, LAYER_BACK,  DIR_DOWN,        400, -256},

    {2675,   ACT_ENEMY,   TPL_UFO,        LAYER_NONE,  DIR_LEFT,        800,   65},
    {2675,   ACT_ENEMY,   TPL_UFO,        LAYER_NONE,  DIR_LEFT,        870,   65},

    {2750,   ACT_ENEMY,   TPL_UFO,        LAYER_NONE,  DIR_LEFT,        800,  120},
    {2750,   ACT_ENEMY,   TPL_UFO,        LAYER_NONE,  DIR_LEFT,        870,  120},
    {2750,   ACT_ENEMY,   TPL_UFO,        LAYER_NONE,  DIR_LEFT,        940,  120},
    {2750,   ACT_SCENERY, TPL_SLOW_CLOUD, LAYER_BACK,  DIR_DOWN,        300, -150},

    {3000,   ACT_SCENERY, TPL_SLOW_CLOUD, LAYER_BACK,  DIR_DOWN,        -50, -128},
    {3000,   ACT_SCENERY, TPL_SLOW_CLOUD, LAYER_BACK,  DIR_DOWN,        150, -128},
    {3000,   ACT_ENEMY,   TPL_UFO,        LAYER_NONE,  DIR_RIGHT,       -70,   50},
    {3000,   ACT_ENEMY,   TPL_UFO,        LAYER_NONE,  DIR_RIGHT,      -140,   50},
    {3000,   ACT_ENEMY,   TPL_UFO,        LAYER_NONE,  DIR_RIGHT,      -210,   50},

    {3150,   ACT_ENEMY,   TPL_UFO,        LAYER_NONE,  DIR_RIGHT,       -70,   50},
    {3150,   ACT_ENEMY,   TPL_UFO,        LAYER_NONE,  DIR_RIGHT,      -140,   50},
    {3150,   ACT_ENEMY,   TPL_UFO,        LAYER_NONE,  DIR_RIGHT,      -210,  500},
    {3150,   ACT_SCENERY, TPL_FAST_CLOUD, LAYER_BACK,  DIR_DOWN,        750, -256},

    {3300,   ACT_SCENERY, TPL_SLOW_CLOUD, LAYER_BACK,  DIR_DOWN,        200, -256},
    {3300,   ACT_SCENERY, TPL_FAST_CLOUD, LAYER_FRONT, DIR_DOWN,        550, -256},
    {3300,   ACT_ENEMY,   TPL_UFO,        LAYER_NONE,  DIR_RIGHT,       -70,   50},
    {3300,   ACT_ENEMY,   TPL_UFO,        LAYER_NONE,  DIR_RIGHT,      -140,   50},
    {3300,   ACT_ENEMY,   TPL_UFO,        LAYER_NONE,  DIR_RIGHT,      -210,   50},

    {3400,   ACT_ENEMY,   TPL_UFO,        LAYER_NONE,  DIR_RIGHT,       -70,   50},

    {3470,   ACT_ENEMY,   TPL_UFO,        LAYER_NONE,  DIR_LEFT,        870,  200},
    {3470,   ACT_ENEMY,   TPL_UFO,        LAYER_NONE,  DIR_LEFT,        940,  200},

    {3540,   ACT_ENEMY,   TPL_UFO,        LAYER_NONE,  DIR_RIGHT,       -70,   50},
    {3540,   ACT_ENEMY,   TPL_UFO,        LAYER_NONE,  DIR_RIGHT,      -140,   50},
    {3540,   ACT_SCENERY, TPL_FAST_CLOUD, LAYER_FRONT, DIR_DOWN,        600, -256},

    {3600,   ACT_ENEMY,   TPL_UFO,        LAYER_NONE,  DIR_LEFT,        800,    2},
    {3600,   ACT_ENEMY,   TPL_UFO,        LAYER_NONE,  DIR_LEFT,        870,    2},
    {3600,   ACT_ENEMY,   TPL_UFO,        LAYER_NONE,  DIR_LEFT,        940,    2},

    {3700,   ACT_ENEMY,   TPL_UFO,        LAYER_NONE,  DIR_LEFT,        800,   25},
    {3700,   ACT_ENEMY,   TPL_UFO,        LAYER_NONE,  DIR_LEFT,        870,   25},
    {3700,   ACT_ENEMY,   TPL_UFO,        LAYER_NONE,  DIR_LEFT,        940,   25},

    {3800,   ACT_ENEMY,   TPL_UFO,        LAYER_NONE,  DIR_RIGHT,       -70,   50},
    {3800,   ACT_ENEMY,   TPL_UFO,        LAYER_NONE,  DIR_RIGHT,      -140,   50},
    {3800,   ACT_ENEMY,   TPL_UFO,        LAYER_NONE,  DIR_RIGHT,      -210,   50},

    {3900,   ACT_SCENERY, TPL_SLOW_CLOUD, LAYER_BACK,  DIR_DOWN,        700, -128},
    {3900,   ACT_ENEMY,   TPL_UFO,        LAYER_NONE,  DIR_RIGHT,       -70,  100},
    {3900,   ACT_ENEMY,   TPL_UFO,        LAYER_NONE,  DIR_RIGHT,      -140,  500},
    {3900,   ACT_ENEMY,   TPL_UFO,        LAYER_NONE,  DIR_RIGHT,      -210,  100},
    {3900,   ACT_SCENERY, TPL_FAST_CLOUD, LAYER_FRONT, DIR_DOWN,        200, -256},

    {4000,   ACT_ENEMY,   TPL_UFO,        LAYER_NONE,  DIR_DOWN_RIGHT,  -70,   50},
    {4000,   ACT_ENEMY,   TPL_UFO,        LAYER_NONE,  DIR_DOWN_RIGHT,  -70,  -20},
    {4000,   ACT_SCENERY, TPL_SLOW_CLOUD, LAYER_FRONT, DIR_DOWN,        590, -256},

    {4200,   ACT_ENEMY,   TPL_BIRDHEAD,   LAYER_NONE,  DIR_DOWN_LEFT,   450, -128},
    {4200,   ACT_SCENERY, TPL_FAST_CLOUD, LAYER_FRONT, DIR_DOWN,        300, -128},

    {4400,   ACT_ENEMY,   TPL_UFO,        LAYER_NONE,  DIR_LEFT,        800,    5},
    {4400,   ACT_ENEMY,   TPL_UFO,        LAYER_NONE,  DIR_LEFT,        870,    5},

    {4475,   ACT_ENEMY,   TPL_UFO,        LAYER_NONE,  DIR_LEFT,        800,   65},
    {4475,   ACT_ENEMY,   TPL_UFO,        LAYER_NONE,  DIR_LEFT,        870,   65},

    {4575,   ACT_ENEMY,   TPL_UFO,        LAYER_NONE,  DIR_LEFT,        800,  128},
    {4575,   ACT_ENEMY,   TPL_UFO,        LAYER_NONE,  DIR_LEFT,        870,  128},
    {4575,   ACT_ENEMY,   TPL_UFO,        LAYER_NONE,  DIR_LEFT,        940,  128},

    {4675,   ACT_ENEMY,   TPL_UFO,        LAYER_NONE,  DIR_LEFT,        800,  256},
    {4675,   ACT_ENEMY,   TPL_UFO,        LAYER_NONE,  DIR_LEFT,        870,  256},
    {4675,   ACT_ENEMY,   TPL_UFO,        LAYER_NONE,  DIR_LEFT,        940,  256},
    {4675,   ACT_SCENERY, TPL_FAST_CLOUD, LAYER_BACK,  DIR_DOWN,        600, -256},
    {4675,   ACT_SCENERY, TPL_FAST_CLOUD, LAYER_FRONT, DIR_DOWN,        200, -128},

    {4775,   ACT_ENEMY,   TPL_UFO,        LAYER_NONE,  DIR_LEFT,        800,  200},
    {4775,   ACT_ENEMY,   TPL_UFO,        LAYER_NONE,  DIR_LEFT,        870,  200},
    {4775,   ACT_ENEMY,   TPL_UFO,        LAYER_NONE,  DIR_LEFT,        940,  200},

    {5000,   ACT_ENEMY,   TPL_BIRDHEAD,   LAYER_NONE,  DIR_LEFT,        800,   40},

    {5100,   ACT_ENEMY,   TPL_BIRDHEAD,   LAYER_NONE,  DIR_LEFT,        800,   80},

    {5300,   ACT_ENEMY,   TPL_BIRDHEAD,   LAYER_NONE,  DIR_RIGHT,      -128,    0},

    {5400,   ACT_SCENERY, TPL_FAST_CLOUD, LAYER_BACK,  DIR_DOWN,        400, -256},
    {5400,   ACT_SCENERY, TPL_FAST_CLOUD, LAYER_FRONT, DIR_DOWN,        200, -128},

    {5500,   ACT_ENEMY,   TPL_BIRDHEAD,   LAYER_NONE,  DIR_LEFT,        800,   80},

    {5600,   ACT_ENEMY,   TPL_BIRDHEAD,   LAYER_NONE,  DIR_LEFT,        800,  100},

    {5700,   ACT_ENEMY,   TPL_BIRDHEAD,   LAYER_NONE,  DIR_LEFT,        800,    0},
};
// clang-format on

}  // namespace

const EventList LEVEL1_EVENTS{ROWS};
