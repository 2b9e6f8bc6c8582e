// Level 2: the open-space level's timed waves and scenery, main phase.
#include "level/level_events.h"

namespace {

// Dense ufo waves, birdheads and one Mars; the earth drifts in at frame 1,
// after the story screen and the music.
// clang-format off
const LevelEvent ROWS[] = {
    // clock action       template      layer       direction           x      y
    {1,      ACT_SCENERY, TPL_EARTH,    LAYER_BACK, DIR_DOWN,        200, -256},

    {300,    ACT_ENEMY,   TPL_UFO,      LAYER_NONE, DIR_LEFT,        800,   74},
    {300,    ACT_ENEMY,   TPL_UFO,      LAYER_NONE, DIR_LEFT,        910,  158},

    {310,    ACT_ENEMY,   TPL_UFO,      LAYER_NONE, DIR_RIGHT,       -70,   20},
    {310,    ACT_ENEMY,   TPL_UFO,      LAYER_NONE, DIR_RIGHT,      -140,   20},
    {310,    ACT_ENEMY,   TPL_UFO,      LAYER_NONE, DIR_RIGHT,      -210,   20},

    {360,    ACT_ENEMY,   TPL_UFO,      LAYER_NONE, DIR_RIGHT,       -70,   60},
    {360,    ACT_ENEMY,   TPL_UFO,      LAYER_NONE, DIR_RIGHT,      -140,   60},
    {360,    ACT_ENEMY,   TPL_UFO,      LAYER_NONE, DIR_RIGHT,      -210,   60},

    {600,    ACT_ENEMY,   TPL_UFO,      LAYER_NONE, DIR_DOWN_LEFT,   600,  -66},
    {600,    ACT_ENEMY,   TPL_UFO,      LAYER_NONE, DIR_DOWN,        100,  -70},
    {600,    ACT_ENEMY,   TPL_UFO,      LAYER_NONE, DIR_UP,          630,  666},
    {600,    ACT_ENEMY,   TPL_BIRDHEAD, LAYER_NONE, DIR_RIGHT,      -128,  200},
    {600,    ACT_ENEMY,   TPL_UFO,      LAYER_NONE, DIR_RIGHT,       -70,   50},
    {600,    ACT_ENEMY,   TPL_UFO,      LAYER_NONE, DIR_RIGHT,      -140,   50},

    {700,    ACT_ENEMY,   TPL_UFO,      LAYER_NONE, DIR_DOWN_RIGHT,  -70,  -70},
    {700,    ACT_ENEMY,   TPL_UFO,      LAYER_NONE, DIR_RIGHT,       -70,  233},
    {700,    ACT_ENEMY,   TPL_UFO,      LAYER_NONE, DIR_UP_LEFT,     800,  666},

    {750,    ACT_ENEMY,   TPL_UFO,      LAYER_NONE, DIR_DOWN_RIGHT,  -70,  -70},
    {750,    ACT_ENEMY,   TPL_UFO,      LAYER_NONE, DIR_RIGHT,       -70,  233},
    {750,    ACT_ENEMY,   TPL_UFO,      LAYER_NONE, DIR_RIGHT,      -140,   20},

    {900,    ACT_ENEMY,   TPL_UFO,      LAYER_NONE, DIR_RIGHT,       -70,   20},
    {900,    ACT_ENEMY,   TPL_UFO,      LAYER_NONE, DIR_RIGHT,      -140,   20},
    {900,    ACT_ENEMY,   TPL_UFO,      LAYER_NONE, DIR_RIGHT,      -210,   20},

    {975,    ACT_ENEMY,   TPL_UFO,      LAYER_NONE, DIR_DOWN_RIGHT,  -70,  -70},
    {975,    ACT_ENEMY,   TPL_UFO,      LAYER_NONE, DIR_RIGHT,       -70,  233},
    {975,    ACT_ENEMY,   TPL_UFO,      LAYER_NONE, DIR_UP_LEFT,     800,  666},
    {975,    ACT_ENEMY,   TPL_BIRDHEAD, LAYER_NONE, DIR_RIGHT,      -128,  200},
    {975,    ACT_ENEMY,   TPL_UFO,      LAYER_NONE, DIR_RIGHT,       -70,   50},
    {975,    ACT_ENEMY,   TPL_UFO,      LAYER_NONE, DIR_RIGHT,      -140,   50},

    {1050,   ACT_ENEMY,   TPL_UFO,      LAYER_NONE, DIR_RIGHT,       -70,   50},
    {1050,   ACT_ENEMY,   TPL_UFO,      LAYER_NONE, DIR_RIGHT,      -140,   50},
    {1050,   ACT_ENEMY,   TPL_UFO,      LAYER_NONE, DIR_RIGHT,      -210,   20},
    {1050,   ACT_ENEMY,   TPL_UFO,      LAYER_NONE, DIR_DOWN_RIGHT,  -70,   50},
    {1050,   ACT_ENEMY,   TPL_UFO,      LAYER_NONE, DIR_UP_RIGHT,   -140,  700},
    {1050,   ACT_ENEMY,   TPL_UFO,      LAYER_NONE, DIR_RIGHT,      -210,   20},

    {1150,   ACT_ENEMY,   TPL_UFO,      LAYER_NONE, DIR_LEFT,        800,  200},
    {1150,   ACT_ENEMY,   TPL_UFO,      LAYER_NONE, DIR_LEFT,        870,  500},
    {1150,   ACT_ENEMY,   TPL_UFO,      LAYER_NONE, DIR_LEFT,        940,   50},

    {1200,   ACT_ENEMY,   TPL_UFO,      LAYER_NONE, DIR_LEFT,        800,   20},
    {1200,   ACT_ENEMY,   TPL_UFO,      LAYER_NONE, DIR_LEFT,        870,   20},
    {1200,   ACT_ENEMY,   TPL_UFO,      LAYER_NONE, DIR_LEFT,        940,   20},

    {1250,   ACT_ENEMY,   TPL_UFO,      LAYER_NONE, DIR_RIGHT,       -70,   50},
    {1250,   ACT_ENEMY,   TPL_UFO,      LAYER_NONE, DIR_DOWN_RIGHT,  -70,   50},

    {1500,   ACT_ENEMY,   TPL_BIRDHEAD, LAYER_NONE, DIR_RIGHT,       -70,   20},
    {1500,   ACT_ENEMY,   TPL_BIRDHEAD, LAYER_NONE, DIR_RIGHT,      -210,   20},

    {1575,   ACT_ENEMY,   TPL_BIRDHEAD, LAYER_NONE, DIR_DOWN,        600, -128},
    {1575,   ACT_ENEMY,   TPL_BIRDHEAD, LAYER_NONE, DIR_UP,          100,  728},

    {1700,   ACT_ENEMY,   TPL_BIRDHEAD, LAYER_NONE, DIR_DOWN_LEFT,   800, -128},

    {1775,   ACT_ENEMY,   TPL_UFO,      LAYER_NONE, DIR_RIGHT,       -70,   20},
    {1775,   ACT_ENEMY,   TPL_UFO,      LAYER_NONE, DIR_RIGHT,      -140,   20},
    {1775,   ACT_ENEMY,   TPL_UFO,      LAYER_NONE, DIR_RIGHT,      -210,   20},

    {1850,   ACT_ENEMY,   TPL_UFO,      LAYER_NONE, DIR_RIGHT,       -70,   60},
    {1850,   ACT_ENEMY,   TPL_UFO,      LAYER_NONE, DIR_RIGHT,      -140,   60},
    {1850,   ACT_ENEMY,   TPL_UFO,      LAYER_NONE, DIR_RIGHT,      -210,   60},
    {1850,   ACT_ENEMY,   TPL_UFO,      LAYER_NONE, DIR_RIGHT,       -70,  510},

    {1950,   ACT_ENEMY,   TPL_UFO,      LAYER_NONE, DIR_RIGHT,       -70,  510},

    {2000,   ACT_ENEMY,   TPL_UFO,      LAYER_NONE, DIR_LEFT,        800,  450},

    {2150,   ACT_ENEMY,   TPL_UFO,      LAYER_NONE, DIR_RIGHT,       -70,   50},
    {2150,   ACT_ENEMY,   TPL_UFO,      LAYER_NONE, DIR_RIGHT,      -140,   50},
    {2150,   ACT_ENEMY,   TPL_UFO,      LAYER_NONE, DIR_RIGHT,      -210,   20},

    {2250,   ACT_ENEMY,   TPL_UFO,      LAYER_NONE, DIR_LEFT,        800,  200},
    {2250,   ACT_ENEMY,   TPL_UFO,      LAYER_NONE, DIR_LEFT,        870,  200},
    {2250,   ACT_ENEMY,   TPL_UFO,      LAYER_NONE, DIR_LEFT,        940,  200},

    {2300,   ACT_ENEMY,   TPL_UFO,      LAYER_NONE, DIR_RIGHT,       -70,   50},
    {2300,   ACT_ENEMY,   TPL_UFO,      LAYER_NONE, DIR_RIGHT,      -140,   50},
    {2300,   ACT_ENEMY,   TPL_UFO,      LAYER_NONE, DIR_RIGHT,      -210,   50},

    {2400,   ACT_ENEMY,   TPL_BIRDHEAD, LAYER_NONE, DIR_DOWN_LEFT,   450, -128},

    {2600,   ACT_ENEMY,   TPL_UFO,      LAYER_NONE, DIR_LEFT,        800,    5},
    {2600,   ACT_ENEMY,   TPL_UFO,      LAYER_NONE, DIR_LEFT,        870,    5},
    {2600,   ACT_ENEMY,   TPL_UFO,      LAYER_NONE, DIR_LEFT,        940,    5},
    {2600,   ACT_ENEMY,   TPL_UFO,      LAYER_NONE, DIR_RIGHT,       -70,   50},
    {2600,   ACT_ENEMY,   TPL_UFO,      LAYER_NONE, DIR_RIGHT,      -140,   50},
    {2600,   ACT_ENEMY,   TPL_UFO,      LAYER_NONE, DIR_RIGHT,      -210,   50},

    {2675,   ACT_ENEMY,   TPL_UFO,      LAYER_NONE, DIR_LEFT,        800,   65},
    {2675,   ACT_ENEMY,   TPL_UFO,      LAYER_NONE, DIR_LEFT,        870,   65},
    {2675,   ACT_ENEMY,   TPL_UFO,      LAYER_NONE, DIR_LEFT,        940,   65},
    {2675,   ACT_ENEMY,   TPL_MARS,     LAYER_NONE, DIR_DOWN,         10, -256},

    {2750,   ACT_ENEMY,   TPL_BIRDHEAD, LAYER_NONE, DIR_RIGHT,      -128,  200},
    {2750,   ACT_ENEMY,   TPL_UFO,      LAYER_NONE, DIR_RIGHT,       -70,   50},
    {2750,   ACT_ENEMY,   TPL_UFO,      LAYER_NONE, DIR_RIGHT,      -140,   50},
    {2750,   ACT_ENEMY,   TPL_UFO,      LAYER_NONE, DIR_LEFT,        800,  120},
    {2750,   ACT_ENEMY,   TPL_UFO,      LAYER_NONE, DIR_LEFT,        870,  120},
    {2750,   ACT_ENEMY,   TPL_UFO,      LAYER_NONE, DIR_LEFT,        940,  120},

    {3000,   ACT_ENEMY,   TPL_UFO,      LAYER_NONE, DIR_DOWN_RIGHT,  -70,   50},
    {3000,   ACT_ENEMY,   TPL_UFO,      LAYER_NONE, DIR_UP_RIGHT,   -140,  700},
    {3000,   ACT_ENEMY,   TPL_UFO,      LAYER_NONE, DIR_RIGHT,      -210,   20},
    {3000,   ACT_ENEMY,   TPL_UFO,      LAYER_NONE, DIR_RIGHT,       -70,   50},
    {3000,   ACT_ENEMY,   TPL_UFO,      LAYER_NONE, DIR_RIGHT,      -140,   50},
    {3000,   ACT_ENEMY,   TPL_UFO,      LAYER_NONE, DIR_RIGHT,      -210,  500},

    {3150,   ACT_ENEMY,   TPL_UFO,      LAYER_NONE, DIR_DOWN_RIGHT,  -70,   50},
    {3150,   ACT_ENEMY,   TPL_UFO,      LAYER_NONE, DIR_UP_RIGHT,   -140,  700},
    {3150,   ACT_ENEMY,   TPL_UFO,      LAYER_NONE, DIR_RIGHT,      -210,   20},
    {3150,   ACT_ENEMY,   TPL_UFO,      LAYER_NONE, DIR_RIGHT,       -70,   50},
    {3150,   ACT_ENEMY,   TPL_UFO,      LAYER_NONE, DIR_RIGHT,      -140,   50},
    {3150,   ACT_ENEMY,   TPL_UFO,      LAYER_NONE, DIR_RIGHT,      -210,  500},

    {3300,   ACT_ENEMY,   TPL_UFO,      LAYER_NONE, DIR_DOWN_RIGHT,  -70,   50},
    {3300,   ACT_ENEMY,   TPL_UFO,      LAYER_NONE, DIR_UP_RIGHT,   -140,  700},
    {3300,   ACT_ENEMY,   TPL_UFO,      LAYER_NONE, DIR_RIGHT,      -210,   20},
    {3300,   ACT_ENEMY,   TPL_UFO,      LAYER_NONE, DIR_RIGHT,       -70,   50},
    {3300,   ACT_ENEMY,   TPL_UFO,      LAYER_NONE, DIR_RIGHT,      -140,   50},
    {3300,   ACT_ENEMY,   TPL_UFO,      LAYER_NONE, DIR_RIGHT,      -210,  500},

    {3400,   ACT_ENEMY,   TPL_UFO,      LAYER_NONE, DIR_RIGHT,       -70,   50},
    {3400,   ACT_ENEMY,   TPL_UFO,      LAYER_NONE, DIR_RIGHT,      -140,   50},
    {3400,   ACT_ENEMY,   TPL_UFO,      LAYER_NONE, DIR_RIGHT,      -210,   50},
    {3400,   ACT_ENEMY,   TPL_UFO,      LAYER_NONE, DIR_RIGHT,       -74,  150},
    {3400,   ACT_ENEMY,   TPL_UFO,      LAYER_NONE, DIR_RIGHT,      -144,  150},
    {3400,   ACT_ENEMY,   TPL_UFO,      LAYER_NONE, DIR_RIGHT,      -214,  150},

    {3470,   ACT_ENEMY,   TPL_UFO,      LAYER_NONE, DIR_LEFT,        800,  200},
    {3470,   ACT_ENEMY,   TPL_UFO,      LAYER_NONE, DIR_LEFT,        870,  200},
    {3470,   ACT_ENEMY,   TPL_UFO,      LAYER_NONE, DIR_LEFT,        940,  200},

    {3540,   ACT_ENEMY,   TPL_UFO,      LAYER_NONE, DIR_RIGHT,       -70,   50},
    {3540,   ACT_ENEMY,   TPL_UFO,      LAYER_NONE, DIR_RIGHT,      -140,   50},
    {3540,   ACT_ENEMY,   TPL_UFO,      LAYER_NONE, DIR_RIGHT,      -210,   50},

    {3600,   ACT_ENEMY,   TPL_UFO,      LAYER_NONE, DIR_LEFT,        800,    2},
    {3600,   ACT_ENEMY,   TPL_UFO,      LAYER_NONE, DIR_LEFT,        870,    2},
    {3600,   ACT_ENEMY,   TPL_UFO,      LAYER_NONE, DIR_LEFT,        940,    2},
    {3600,   ACT_ENEMY,   TPL_BIRDHEAD, LAYER_NONE, DIR_RIGHT,      -128,  200},
    {3600,   ACT_ENEMY,   TPL_UFO,      LAYER_NONE, DIR_RIGHT,       -70,   50},
    {3600,   ACT_ENEMY,   TPL_UFO,      LAYER_NONE, DIR_RIGHT,      -140,   50},

    {3700,   ACT_ENEMY,   TPL_UFO,      LAYER_NONE, DIR_LEFT,        800,   25},
    {3700,   ACT_ENEMY,   TPL_UFO,      LAYER_NONE, DIR_LEFT,        870,   25},
    {3700,   ACT_ENEMY,   TPL_UFO,      LAYER_NONE, DIR_LEFT,        940,   25},

    {3800,   ACT_ENEMY,   TPL_UFO,      LAYER_NONE, DIR_RIGHT,       -70,   50},
    {3800,   ACT_ENEMY,   TPL_UFO,      LAYER_NONE, DIR_RIGHT,      -140,   50},
    {3800,   ACT_ENEMY,   TPL_UFO,      LAYER_NONE, DIR_RIGHT,      -210,   50},

    {3900,   ACT_ENEMY,   TPL_UFO,      LAYER_NONE, DIR_RIGHT,       -70,  100},
    {3900,   ACT_ENEMY,   TPL_UFO,      LAYER_NONE, DIR_RIGHT,      -140,  500},
    {3900,   ACT_ENEMY,   TPL_UFO,      LAYER_NONE, DIR_RIGHT,      -210,  100},
    {3900,   ACT_ENEMY,   TPL_UFO,      LAYER_NONE, DIR_LEFT,        800,    5},
    {3900,   ACT_ENEMY,   TPL_UFO,      LAYER_NONE, DIR_LEFT,        870,    5},
    {3900,   ACT_ENEMY,   TPL_UFO,      LAYER_NONE, DIR_LEFT,        940,    5},

    {4000,   ACT_ENEMY,   TPL_UFO,      LAYER_NONE, DIR_DOWN_RIGHT,  -70,   50},
    {4000,   ACT_ENEMY,   TPL_UFO,      LAYER_NONE, DIR_DOWN_RIGHT,  -70,  -20},
    {4000,   ACT_ENEMY,   TPL_UFO,      LAYER_NONE, DIR_DOWN_RIGHT,  200,  -64},
    {4000,   ACT_ENEMY,   TPL_UFO,      LAYER_NONE, DIR_DOWN_RIGHT,  120,  -64},
    {4000,   ACT_ENEMY,   TPL_UFO,      LAYER_NONE, DIR_LEFT,        800,    5},
    {4000,   ACT_ENEMY,   TPL_UFO,      LAYER_NONE, DIR_LEFT,        870,    5},
    {4000,   ACT_ENEMY,   TPL_UFO,      LAYER_NONE, DIR_LEFT,        940,    5},

    {4100,   ACT_ENEMY,   TPL_UFO,      LAYER_NONE, DIR_DOWN_RIGHT,  -70,  -64},
    {4100,   ACT_ENEMY,   TPL_UFO,      LAYER_NONE, DIR_DOWN_RIGHT,  100,  -64},

    {4200,   ACT_ENEMY,   TPL_BIRDHEAD, LAYER_NONE, DIR_DOWN_LEFT,   450, -128},

    {4400,   ACT_ENEMY,   TPL_UFO,      LAYER_NONE, DIR_LEFT,        800,    5},
    {4400,   ACT_ENEMY,   TPL_UFO,      LAYER_NONE, DIR_LEFT,        870,    5},
    {4400,   ACT_ENEMY,   TPL_UFO,      LAYER_NONE, DIR_LEFT,        940,    5},

    {4475,   ACT_ENEMY,   TPL_UFO,      LAYER_NONE, DIR_LEFT,        800,   65},
    {4475,   ACT_ENEMY,   TPL_UFO,      LAYER_NONE, DIR_LEFT,        870,   65},
    {4475,   ACT_ENEMY,   TPL_UFO,      LAYER_NONE, DIR_LEFT,        940,   65},

    {4575,   ACT_ENEMY,   TPL_UFO,      LAYER_NONE, DIR_LEFT,        800,  128},
    {4575,   ACT_ENEMY,   TPL_UFO,      LAYER_NONE, DIR_LEFT,        870,  128},
    {4575,   ACT_ENEMY,   TPL_UFO,      LAYER_NONE, DIR_LEFT,        940,  128},
    {4575,   ACT_ENEMY,   TPL_UFO,      LAYER_NONE, DIR_RIGHT,       -70,   50},
    {4575,   ACT_ENEMY,   TPL_UFO,      LAYER_NONE, DIR_RIGHT,      -140,   50},
    {4575,   ACT_ENEMY,   TPL_UFO,      LAYER_NONE, DIR_RIGHT,      -210,   50},

    {4675,   ACT_ENEMY,   TPL_UFO,      LAYER_NONE, DIR_LEFT,        800,  256},
    {4675,   ACT_ENEMY,   TPL_UFO,      LAYER_NONE, DIR_LEFT,        870,  256},
    {4675,   ACT_ENEMY,   TPL_UFO,      LAYER_NONE, DIR_LEFT,        940,  256},
    {4675,   ACT_ENEMY,   TPL_UFO,      LAYER_NONE, DIR_LEFT,        800,    5},
    {4675,   ACT_ENEMY,   TPL_UFO,      LAYER_NONE, DIR_LEFT,        870,    5},
    {4675,   ACT_ENEMY,   TPL_UFO,      LAYER_NONE, DIR_LEFT,        940,    5},

    {4775,   ACT_ENEMY,   TPL_UFO,      LAYER_NONE, DIR_LEFT,        800,  200},
    {4775,   ACT_ENEMY,   TPL_UFO,      LAYER_NONE, DIR_LEFT,        870,  200},
    {4775,   ACT_ENEMY,   TPL_UFO,      LAYER_NONE, DIR_LEFT,        940,  200},

    {5000,   ACT_ENEMY,   TPL_BIRDHEAD, LAYER_NONE, DIR_LEFT,        800,   40},

    {5100,   ACT_ENEMY,   TPL_BIRDHEAD, LAYER_NONE, DIR_LEFT,        800,   80},

    {5200,   ACT_ENEMY,   TPL_BIRDHEAD, LAYER_NONE, DIR_DOWN_LEFT,   450, -128},

    {5300,   ACT_ENEMY,   TPL_BIRDHEAD, LAYER_NONE, DIR_RIGHT,      -128,  200},
    {5300,   ACT_ENEMY,   TPL_UFO,      LAYER_NONE, DIR_RIGHT,       -70,   50},
    {5300,   ACT_ENEMY,   TPL_UFO,      LAYER_NONE, DIR_RIGHT,      -140,   50},
    {5300,   ACT_ENEMY,   TPL_UFO,      LAYER_NONE, DIR_RIGHT,      -210,   50},

    {5400,   ACT_ENEMY,   TPL_BIRDHEAD, LAYER_NONE, DIR_UP_RIGHT,   -128,  500},

    {5500,   ACT_ENEMY,   TPL_BIRDHEAD, LAYER_NONE, DIR_DOWN_LEFT,   800, -128},
    {5500,   ACT_ENEMY,   TPL_BIRDHEAD, LAYER_NONE, DIR_LEFT,        800,   80},
    {5500,   ACT_ENEMY,   TPL_UFO,      LAYER_NONE, DIR_LEFT,        800,    5},
    {5500,   ACT_ENEMY,   TPL_UFO,      LAYER_NONE, DIR_LEFT,        870,    5},
    {5500,   ACT_ENEMY,   TPL_UFO,      LAYER_NONE, DIR_LEFT,        940,    5},

    {5600,   ACT_ENEMY,   TPL_BIRDHEAD, LAYER_NONE, DIR_LEFT,        800,  100},

    {5700,   ACT_ENEMY,   TPL_BIRDHEAD, LAYER_NONE, DIR_LEFT,        800,    0},
    {5700,   ACT_ENEMY,   TPL_BIRDHEAD, LAYER_NONE, DIR_UP_RIGHT,   -128,  600},
};
// clang-format on

}  // namespace

const EventList LEVEL2_EVENTS{ROWS};
