// The level script: runs the eight stages by level_clock, the events every
// level shares, the four levels' tables and the power-up drop.
#include "level/level_script.h"

#include "core/clock.h"
#include "core/pools.h"
#include "level/enemy_templates.h"
#include "level/level_events.h"
#include "screens/story.h"

namespace {

// clang-format off
constexpr int32_t MAIN_PHASE_FRAMES    = 6000;  // a main phase ends here
constexpr int32_t BOSS_PHASE_START     = 205;   // above 5 and 200, which wait for the boss's end
constexpr int32_t SHIELD_CARRIER_FRAME = 206;   // the first frame of a boss phase
constexpr int32_t BOSS_ARRIVAL_FRAME   = 600;
constexpr int32_t LIFE_CARRIER_FRAME   = 5;     // counted again from the boss's destruction
constexpr int32_t LEVEL_CHANGE_FRAME   = 200;   // counted again from the boss's destruction
constexpr int32_t CARRIER_X            = 400;   // where a power-up drop enters, pixels
constexpr int32_t CARRIER_Y            = -32;
constexpr int32_t BOSS_CARRIER_X       = -64;   // where the boss phase's carriers enter
constexpr int32_t BOSS_CARRIER_Y       = 50;
constexpr int32_t BIRDHEAD_INTERVAL    = 300;   // frames between level 4's boss-phase birdheads
constexpr int32_t BIRDHEAD_X           = 50;
constexpr int32_t BIRDHEAD_Y           = -64;
constexpr int     CLOSING_STORY        = 4;
constexpr int     LOOP_FOREVER         = -1;
constexpr int     PLAY_ONCE            = 0;
// clang-format on

// The carrier a power-up drop brings, chosen by the tick count modulo 3.
constexpr int DROP_CHOICES[] = {TPL_SPEEDICON, TPL_WEAPONICON, TPL_SHIELDICON};

// What sets one level apart in the shared events.
struct Level {
    int main_flag, boss_flag;      // its two stages
    int next_main_flag;            // the stage after its boss
    int story;                     // shown at frame 1
    Mix_Music* SoundBank::*music;  // from frame 1, looped
    int boss_tpl;
    int32_t boss_x, boss_y;   // the boss enters just above the screen
    bool closing_story;       // story 4 follows its boss
    bool birdhead_escort;     // birdheads every BIRDHEAD_INTERVAL in its boss phase
    const EventList* events;  // its main phase's timed spawns
};

// clang-format off
const Level LEVELS[] = {
    // main      boss      next       story music              boss           x     y     ending escort events
    {LEVEL1_ON, BOSS1_ON, LEVEL2_ON, 0,    &SoundBank::level1, TPL_LVL1BOSS, -512, -256, false, false, &LEVEL1_EVENTS},
    {LEVEL2_ON, BOSS2_ON, LEVEL3_ON, 1,    &SoundBank::level2, TPL_LVL2BOSS,  800, -256, false, false, &LEVEL2_EVENTS},
    {LEVEL3_ON, BOSS3_ON, LEVEL4_ON, 2,    &SoundBank::level3, TPL_LVL3BOSS,  800, -256, false, false, &LEVEL3_EVENTS},
    {LEVEL4_ON, BOSS4_ON, LEVEL1_ON, 3,    &SoundBank::level4, TPL_LVL4BOSS,  800, -256, true,  true,  &LEVEL4_EVENTS},
};

// The events of every main phase; the level's own table follows them.
const LevelEvent MAIN_PHASE_ROWS[] = {
    // clock             action          template layer       direction x  y
    {1,                 ACT_STORY,      0,       LAYER_NONE, DIR_IDLE, 0, 0},
    {1,                 ACT_MUSIC,      0,       LAYER_NONE, DIR_IDLE, 0, 0},
    {MAIN_PHASE_FRAMES, ACT_BOSS_PHASE, 0,       LAYER_NONE, DIR_IDLE, 0, 0},  // alarm, boss music
};

// The events of every boss phase. 5 and 200 come only after the boss's
// destruction has set the clock back to 0.
const LevelEvent BOSS_PHASE_ROWS[] = {
    // clock               action          template        layer       direction  x               y
    {LIFE_CARRIER_FRAME,   ACT_ENEMY,      TPL_LIFEICON,   LAYER_NONE, DIR_RIGHT, BOSS_CARRIER_X, BOSS_CARRIER_Y},
    {LEVEL_CHANGE_FRAME,   ACT_NEXT_LEVEL, 0,              LAYER_NONE, DIR_IDLE,  0,              0},  // story 4 after level 4
    {SHIELD_CARRIER_FRAME, ACT_ENEMY,      TPL_SHIELDICON, LAYER_NONE, DIR_RIGHT, BOSS_CARRIER_X, BOSS_CARRIER_Y},
    {BOSS_ARRIVAL_FRAME,   ACT_BOSS,       0,              LAYER_NONE, DIR_IDLE,  0,              0},  // and the boss bar
};
// clang-format on

// From clock 600 until the boss is placed. With every enemy slot taken the
// boss waits for the first frame with a free one, since only its destruction
// ends the phase. Cleared as a boss phase begins, so that a boss left waiting
// by a lost game does not come early in the next.
bool boss_due = false;

void drop_powerup() {
    if (player.powerup_points <= powerup_threshold) return;
    const int tpl = DROP_CHOICES[play_clock_now() % 3];
    spawn_enemy(&enemy_templates[tpl], enemies, DIR_LEFT, CARRIER_X, CARRIER_Y);
    player.powerup_points = 0;  // a drop lost to a full pool is not retried
}

bool enemy_slot_free() {
    for (const Enemy& e : enemies) {
        if (e.hit_points == 0) return true;
    }
    return false;
}

void place_scenery(const LevelEvent& e) {
    Effect* pool = e.layer == LAYER_FRONT ? front_effects : back_effects;
    spawn_effect(&effect_templates[e.tpl], pool, e.direction, e.x, e.y);
}

void enter_boss_phase(const Level& lv) {
    stage_flags[lv.main_flag] = false;
    level_clock = BOSS_PHASE_START;
    stage_flags[lv.boss_flag] = true;
    boss_due = false;
    Mix_HaltMusic();
    play_sound(sounds.shieldsarelow);
    play_music(sounds.lvl1boss, PLAY_ONCE);  // the same alarm and music on every level
}

void enter_next_level(const Level& lv) {
    level_clock = 0;
    boss_bar_shown = false;
    stage_flags[lv.next_main_flag] = true;
    stage_flags[lv.boss_flag] = false;
    if (lv.closing_story) story_screen(screen, CLOSING_STORY);
}

void place_due_boss(const Level& lv) {
    if (!boss_due || !enemy_slot_free()) return;
    spawn_enemy(&enemy_templates[lv.boss_tpl], enemies, DIR_IDLE, lv.boss_x, lv.boss_y);
    boss_bar_shown = true;
    boss_due = false;
}

void run_event(const LevelEvent& e, const Level& lv) {
    switch (e.action) {
        case ACT_ENEMY:
            spawn_enemy(&enemy_templates[e.tpl], enemies, e.direction, e.x, e.y);
            break;
        case ACT_SCENERY:
            place_scenery(e);
            break;
        case ACT_STORY:
            story_screen(screen, lv.story);
            break;
        case ACT_MUSIC:
            play_music(sounds.*lv.music, LOOP_FOREVER);
            break;
        case ACT_BOSS_PHASE:
            enter_boss_phase(lv);
            break;
        case ACT_NEXT_LEVEL:
            enter_next_level(lv);
            break;
        case ACT_BOSS:
            boss_due = true;
            place_due_boss(lv);
            break;
    }
}

// Every row whose clock equals level_clock, in order; the clock is read again
// for each row, so a row that changes it changes which later rows match.
void run_events(EventList rows, const Level& lv) {
    for (const LevelEvent& e : rows) {
        if (e.clock == level_clock) run_event(e, lv);
    }
}

void run_main_phase(const Level& lv) {
    run_events(MAIN_PHASE_ROWS, lv);
    run_events(*lv.events, lv);
}

void run_boss_phase(const Level& lv) {
    run_events(BOSS_PHASE_ROWS, lv);
    place_due_boss(lv);
    if (lv.birdhead_escort && level_clock % BIRDHEAD_INTERVAL == 0) {
        spawn_enemy(&enemy_templates[TPL_BIRDHEAD], enemies, DIR_DOWN, BIRDHEAD_X, BIRDHEAD_Y);
    }
}

}  // namespace

void run_level_script() {
    drop_powerup();
    // STAGE_ORDER runs main 1, boss 1, main 2, ...: stage i belongs to level
    // i / 2. A flag set by one stage is seen by the stages after it.
    for (int i = 0; i < STAGE_FLAG_COUNT; ++i) {
        if (!stage_flags[STAGE_ORDER[i]]) continue;
        const Level& lv = LEVELS[i / 2];
        level_clock += 1;
        if (i % 2 == 0) {
            run_main_phase(lv);
        } else {
            run_boss_phase(lv);
        }
    }
}
