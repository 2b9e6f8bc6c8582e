// The level script run frame by frame: the boss phase and its carriers, the
// level changes with their stories and music, the power-up drop, a resumed
// game, single frames of the tables with full pools, and whole levels counted.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <iterator>
#include <map>
#include <ostream>
#include <set>
#include <vector>

#include "core/pools.h"
#include "level/level_events.h"
#include "level/level_script.h"
#include "tests/harness.h"
#include "tests/test_levels_music.h"

namespace {

// An enemy or effect as the tests compare it.
struct Spawn {
    int32_t kind;
    Direction direction;
    int32_t x, y;
    bool operator==(const Spawn&) const = default;
};
void PrintTo(const Spawn& s, std::ostream* os) {
    *os << "{kind " << s.kind << ", dir " << s.direction << ", (" << s.x << "," << s.y << ")}";
}

std::vector<Spawn> live_enemies() {
    std::vector<Spawn> out;
    for (const Enemy& e : enemies) {
        if (e.hit_points != 0) out.push_back({e.kind, e.direction, e.x, e.y});
    }
    return out;
}

std::vector<Spawn> live_effects(const Effect* pool) {
    std::vector<Spawn> out;
    for (int i = 0; i < POOL_SIZE; ++i) {
        if (pool[i].kind != EFFECT_FREE)
            out.push_back({pool[i].kind, pool[i].direction, pool[i].x, pool[i].y});
    }
    return out;
}

int count_kind(int32_t kind) {
    int n = 0;
    for (const Enemy& e : enemies) n += e.hit_points != 0 && e.kind == kind;
    return n;
}

Enemy* find_kind(int32_t kind) {
    for (Enemy& e : enemies) {
        if (e.hit_points != 0 && e.kind == kind) return &e;
    }
    return nullptr;
}

constexpr int32_t MAIN_PHASE_END = 6000;

void set_stage(int flag, int32_t clock) {
    for (bool& f : stage_flags) f = false;
    stage_flags[flag] = true;
    level_clock = clock;
}

bool only_stage(int flag) {
    for (int f = 0; f < STAGE_FLAG_COUNT; ++f) {
        if (stage_flags[f] != (f == flag)) return false;
    }
    return true;
}

void run_script_frames(int n) {
    for (int i = 0; i < n; ++i) run_level_script();
}

// Takes the first `count` enemy slots with records that are not free.
void fill_enemies(int count) {
    for (int i = 0; i < count; ++i) {
        enemies[i] = Enemy{};
        enemies[i].hit_points = 1;
        enemies[i].kind = 99;
    }
}

// The boss of a level and the stages around it.
struct LevelCase {
    int main_flag, boss_flag, next_main_flag;
    int32_t boss_kind, boss_x;
    int32_t level_after;  // set by the next level's story
    Mix_Music** next_music;
};

const LevelCase LEVELS[] = {
    {LEVEL1_ON, BOSS1_ON, LEVEL2_ON, ENEMY_LVL1BOSS, -512, 2, &sounds.level2},
    {LEVEL2_ON, BOSS2_ON, LEVEL3_ON, ENEMY_LVL2BOSS, 800, 3, &sounds.level3},
    {LEVEL3_ON, BOSS3_ON, LEVEL4_ON, ENEMY_LVL3BOSS, 800, 4, &sounds.level4},
    {LEVEL4_ON, BOSS4_ON, LEVEL1_ON, ENEMY_LVL4BOSS, 800, 1, &sounds.level1},
};

class LevelScript : public ::testing::Test {
  protected:
    void SetUp() override {
        clear_events();
        boot_game(&loop, true);
        set_auto_keys(false);
        player.powerup_points = 0;
    }
    void TearDown() override {
        set_auto_keys(false);
        clear_events();
        Mix_HaltChannel(-1);
        game_completed = false;
        resume_game = false;
        level = 1;
    }
    LoopState loop;
};

}  // namespace

TEST_F(LevelScript, MainPhaseEndsInTheBossPhaseAndTheBossComes394FramesLater) {
    TestMusic music;
    ASSERT_TRUE(music.ready());
    ASSERT_NE(sounds.shieldsarelow, nullptr);
    sounds.lvl1boss = music.midi;
    for (const LevelCase& c : LEVELS) {
        SCOPED_TRACE(c.boss_kind);
        free_all_slots();
        boss_bar_shown = false;
        set_stage(c.main_flag, MAIN_PHASE_END - 1);
        Mix_PlayMusic(music.wave, -1);  // the level's music
        Mix_HaltChannel(-1);

        run_level_script();  // the main phase's frame 6000

        EXPECT_TRUE(only_stage(c.boss_flag));
        EXPECT_EQ(level_clock, 206);
        EXPECT_EQ(live_enemies(), (std::vector<Spawn>{{ENEMY_SHIELDICON, DIR_RIGHT, -64, 50}}));
        EXPECT_EQ(music_playing(), MUS_MID);  // the boss music replaced the level's
        EXPECT_EQ(Mix_Playing(-1), 1);        // the alarm
        EXPECT_FALSE(boss_bar_shown);

        // Level 4's boss phase sends a birdhead whenever the clock is a
        // multiple of 300: at 300 and, with the boss, at 600.
        std::vector<int32_t> birdheads;
        for (int f = 0; f < 393; ++f) {
            run_level_script();
            if (count_kind(ENEMY_BIRDHEAD) > int(birdheads.size())) birdheads.push_back(level_clock);
        }
        EXPECT_EQ(level_clock, 599);
        EXPECT_EQ(count_kind(c.boss_kind), 0);
        run_level_script();
        if (count_kind(ENEMY_BIRDHEAD) > int(birdheads.size())) birdheads.push_back(level_clock);
        const Enemy* boss = find_kind(c.boss_kind);
        ASSERT_NE(boss, nullptr);
        EXPECT_EQ((Spawn{boss->kind, boss->direction, boss->x, boss->y}),
                  (Spawn{c.boss_kind, DIR_IDLE, c.boss_x, -256}));
        EXPECT_TRUE(boss_bar_shown);
        EXPECT_EQ(count_kind(c.boss_kind), 1);
        const std::vector<int32_t> expected =
            c.boss_flag == BOSS4_ON ? std::vector<int32_t>{300, 600} : std::vector<int32_t>{};
        EXPECT_EQ(birdheads, expected);
    }
}

TEST_F(LevelScript, ABossDestroyedAt900BringsTheLifeCarrierThenTheNextLevel) {
    TestMusic music;
    ASSERT_TRUE(music.ready());
    // What frame 1 of the next level places after its story and music.
    const std::vector<Spawn> first_scenery[] = {
        {{EFFECT_EARTH, DIR_DOWN, 200, -256}},
        {{EFFECT_CLOUD, DIR_DOWN_RIGHT, -300, -256}},
        {},
    };
    for (int i = 0; i < 3; ++i) {
        const LevelCase& c = LEVELS[i];
        SCOPED_TRACE(c.boss_kind);
        free_all_slots();
        set_stage(c.boss_flag, 599);
        run_script_frames(301);
        ASSERT_EQ(level_clock, 900);
        Enemy* boss = find_kind(c.boss_kind);
        ASSERT_NE(boss, nullptr);
        boss->hit_points = 0;  // what the combat code does when the boss falls
        level_clock = 0;

        run_script_frames(4);
        EXPECT_TRUE(live_enemies().empty());
        run_level_script();
        EXPECT_EQ(live_enemies(), (std::vector<Spawn>{{ENEMY_LIFEICON, DIR_RIGHT, -64, 50}}));
        run_script_frames(194);
        EXPECT_TRUE(only_stage(c.boss_flag));
        EXPECT_TRUE(boss_bar_shown);

        // Clock 200: the next level begins in the same frame, story first.
        sounds.story = music.midi;
        sounds.story2 = music.midi;
        *c.next_music = music.wave;
        level = 0;
        player.x = 0;
        set_auto_keys(true);
        run_level_script();
        set_auto_keys(false);
        *c.next_music = nullptr;
        EXPECT_TRUE(only_stage(c.next_main_flag));
        EXPECT_EQ(level_clock, 1);
        EXPECT_FALSE(boss_bar_shown);
        EXPECT_EQ(level, c.level_after);  // the next level's story was read
        EXPECT_EQ(player.x, 368);
        EXPECT_EQ(music_playing(), MUS_WAV);
        EXPECT_EQ(live_effects(back_effects), first_scenery[i]);
    }
}

TEST_F(LevelScript, Level4BossPhaseSendsBirdheadsUntilTheEndingThenLevel1Begins) {
    TestMusic music;
    ASSERT_TRUE(music.ready());
    std::vector<int32_t> birdheads;  // clocks at which one came
    auto run_counting = [&](int frames) {
        for (int f = 0; f < frames; ++f) {
            run_level_script();
            Enemy* b = find_kind(ENEMY_BIRDHEAD);
            if (!b) continue;
            EXPECT_EQ((Spawn{b->kind, b->direction, b->x, b->y}), (Spawn{ENEMY_BIRDHEAD, DIR_DOWN, 50, -64}));
            birdheads.push_back(level_clock);
            b->hit_points = 0;
        }
    };
    free_all_slots();
    set_stage(BOSS4_ON, 205);
    run_counting(1195);
    EXPECT_EQ(birdheads, (std::vector<int32_t>{300, 600, 900, 1200}));
    Enemy* boss = find_kind(ENEMY_LVL4BOSS);
    ASSERT_NE(boss, nullptr);
    boss->hit_points = 0;
    level_clock = 0;
    birdheads.clear();
    run_counting(199);
    EXPECT_TRUE(birdheads.empty());
    EXPECT_EQ(count_kind(ENEMY_LIFEICON), 1);

    // Clock 200, then 0: the ending, and one more birdhead since 0 is a
    // multiple of 300. Level 1 comes earlier in the order: not yet.
    sounds.victory = music.midi;
    sounds.story = music.midi;
    sounds.level1 = music.wave;
    game_completed = false;
    level = 0;
    set_auto_keys(true);
    run_counting(1);
    EXPECT_TRUE(game_completed);
    EXPECT_EQ(level, 1);
    EXPECT_TRUE(only_stage(LEVEL1_ON));
    EXPECT_EQ(level_clock, 0);
    EXPECT_EQ(birdheads, (std::vector<int32_t>{0}));
    EXPECT_EQ(music_playing(), MUS_NONE);  // the closing key stopped the victory music

    // The next frame: level 1 with story 0 (which leaves game_completed
    // alone; the ending would set it) and level 1's music.
    game_completed = false;
    level = 0;
    player.x = 0;
    run_level_script();
    set_auto_keys(false);
    EXPECT_EQ(level_clock, 1);
    EXPECT_EQ(level, 1);
    EXPECT_EQ(player.x, 368);
    EXPECT_FALSE(game_completed);
    EXPECT_EQ(music_playing(), MUS_WAV);
}

TEST_F(LevelScript, PowerUpCarrierComesOnlyAboveTheThresholdEvenIfLost) {
    free_all_slots();
    set_stage(LEVEL1_ON, 100);  // no events in the frames that follow
    ASSERT_EQ(powerup_threshold, 25);
    player.powerup_points = 25;
    run_level_script();
    EXPECT_TRUE(live_enemies().empty());
    EXPECT_EQ(player.powerup_points, 25);

    // One point more: the tick count modulo 3 picks speed, weapon or shield.
    const struct {
        Uint32 now;
        int32_t kind;
    } picks[] = {{3000, ENEMY_SPEEDICON}, {3001, ENEMY_WEAPONICON}, {3002, ENEMY_SHIELDICON}};
    for (const auto& p : picks) {
        SCOPED_TRACE(p.now);
        free_all_slots();
        test_clock_set(p.now);
        player.powerup_points = 26;
        run_level_script();
        EXPECT_EQ(live_enemies(), (std::vector<Spawn>{{p.kind, DIR_LEFT, 400, -32}}));
        EXPECT_EQ(enemies[0].frame_tick, p.now);
        EXPECT_EQ(player.powerup_points, 0);
    }

    // A full pool loses the drop, changes no slot, and the points still go.
    fill_enemies(POOL_SIZE);
    Enemy before[POOL_SIZE];
    std::copy(std::begin(enemies), std::end(enemies), before);
    player.powerup_points = 26;
    run_level_script();
    EXPECT_EQ(player.powerup_points, 0);
    EXPECT_EQ(std::memcmp(before, enemies, sizeof before), 0);
    enemies[4].hit_points = 0;
    run_level_script();  // no retry once a slot frees
    EXPECT_EQ(enemies[4].hit_points, 0);
}

TEST_F(LevelScript, AResumedGameAtLevel3StartsWithStory2AndLevel3Music) {
    resume_game = true;
    level = 3;
    push_key(SDLK_LCTRL);
    push_key(SDLK_LCTRL, false);
    start_game(&loop);
    clear_events();
    EXPECT_TRUE(only_stage(LEVEL3_ON));
    EXPECT_EQ(level_clock, 0);

    TestMusic music;
    ASSERT_TRUE(music.ready());
    sounds.story = music.midi;
    sounds.level3 = music.wave;
    level = 0;
    set_auto_keys(true);
    run_frame(&loop);
    set_auto_keys(false);
    EXPECT_EQ(level_clock, 1);
    EXPECT_EQ(level, 3);
    EXPECT_EQ(player.x, 368);
    EXPECT_EQ(music_playing(), MUS_WAV);
    const std::vector<Spawn> scenery = live_effects(back_effects);
    ASSERT_EQ(scenery.size(), 1u);
    EXPECT_EQ(scenery[0].kind, EFFECT_CLOUD);
    EXPECT_EQ(scenery[0].direction, DIR_DOWN_RIGHT);
}

TEST_F(LevelScript, Level1Frame1050InOrderAndWhatAFullPoolDrops) {
    // Two runs start at (-70, 50): one flies right, one down-right.
    const std::vector<Spawn> wave = {
        {ENEMY_UFO, DIR_RIGHT, -70, 50},      {ENEMY_UFO, DIR_RIGHT, -140, 50},
        {ENEMY_UFO, DIR_RIGHT, -210, 50},     {ENEMY_UFO, DIR_DOWN_RIGHT, -70, 50},
        {ENEMY_UFO, DIR_UP_RIGHT, -140, 700}, {ENEMY_UFO, DIR_RIGHT, -210, 20},
    };
    free_all_slots();
    set_stage(LEVEL1_ON, 1049);
    run_level_script();
    EXPECT_EQ(live_enemies(), wave);
    EXPECT_EQ(live_effects(back_effects), (std::vector<Spawn>{{EFFECT_CLOUD, DIR_DOWN, 400, -150}}));
    EXPECT_EQ(back_effects[0].speed, 2);  // the slow cloud
    EXPECT_TRUE(live_effects(front_effects).empty());

    // With 28 slots taken the first four spawns get in, the last two are lost.
    free_all_slots();
    fill_enemies(28);
    set_stage(LEVEL1_ON, 1049);
    run_level_script();
    std::vector<Spawn> got = live_enemies();
    ASSERT_EQ(got.size(), size_t(POOL_SIZE));
    for (int i = 0; i < 28; ++i) EXPECT_EQ(got[size_t(i)].kind, 99);
    EXPECT_EQ(std::vector<Spawn>(got.begin() + 28, got.end()),
              std::vector<Spawn>(wave.begin(), wave.begin() + 4));
}

TEST_F(LevelScript, Level4Frame4800SkelsThenSunsAndAFullLayerKeepsTheFirstSun) {
    const std::vector<Spawn> skels = {
        {ENEMY_SKEL, DIR_DOWN_LEFT, 400, -128},
        {ENEMY_SKEL, DIR_DOWN_RIGHT, 400, -128},
        {ENEMY_SKEL, DIR_DOWN, 400, -128},
    };
    const std::vector<Spawn> suns = {{EFFECT_SUN, DIR_DOWN, 400, -300}, {EFFECT_SUN, DIR_DOWN, 600, -300}};
    free_all_slots();
    set_stage(LEVEL4_ON, 4799);
    run_level_script();
    EXPECT_EQ(live_enemies(), skels);
    EXPECT_EQ(live_effects(front_effects), suns);
    EXPECT_TRUE(live_effects(back_effects).empty());

    free_all_slots();
    for (int i = 0; i < POOL_SIZE - 1; ++i) front_effects[i].kind = EFFECT_SMALL_EXPLOSION;
    set_stage(LEVEL4_ON, 4799);
    run_level_script();
    EXPECT_EQ(live_enemies(), skels);
    EXPECT_EQ((Spawn{front_effects[31].kind, front_effects[31].direction, front_effects[31].x,
                     front_effects[31].y}),
              suns[0]);
}

TEST_F(LevelScript, ABossThatFindsThePoolFullComesWithTheFirstFreeSlot) {
    free_all_slots();
    boss_bar_shown = false;
    set_stage(BOSS1_ON, 599);
    fill_enemies(POOL_SIZE);
    run_script_frames(11);
    EXPECT_EQ(count_kind(ENEMY_LVL1BOSS), 0);
    EXPECT_FALSE(boss_bar_shown);

    enemies[7].hit_points = 0;
    run_level_script();
    EXPECT_EQ(level_clock, 611);
    EXPECT_EQ((Spawn{enemies[7].kind, enemies[7].direction, enemies[7].x, enemies[7].y}),
              (Spawn{ENEMY_LVL1BOSS, DIR_IDLE, -512, -256}));
    EXPECT_TRUE(boss_bar_shown);
    enemies[3].hit_points = 0;
    run_script_frames(5);
    EXPECT_EQ(count_kind(ENEMY_LVL1BOSS), 1);  // placed once

    // A boss still waiting when the game is lost does not come early into
    // the next game's boss phase.
    free_all_slots();
    set_stage(BOSS2_ON, 599);
    fill_enemies(POOL_SIZE);
    run_level_script();
    boot_game(&loop, true);
    boss_bar_shown = false;
    set_stage(LEVEL1_ON, MAIN_PHASE_END - 1);
    run_script_frames(11);
    EXPECT_EQ(live_enemies(), (std::vector<Spawn>{{ENEMY_SHIELDICON, DIR_RIGHT, -64, 50}}));
    EXPECT_FALSE(boss_bar_shown);
}

namespace {

// What a whole main phase asked for, frame by frame.
struct Tally {
    std::map<int32_t, int> enemies;  // by kind
    std::map<int32_t, int> scenery;  // by kind
    std::set<Direction> scenery_directions;
    std::set<int32_t> scenery_speeds;
    int back = 0, front = 0;      // placements per layer
    std::vector<int32_t> frames;  // with at least one request
};

// Runs frames 1 to 5999 of a main phase; the pools are emptied after every
// frame, so that nothing is lost to a full pool and every request counts.
Tally run_main_phase(int flag) {
    Tally t;
    free_all_slots();
    set_stage(flag, 0);
    set_auto_keys(true);  // the story at frame 1
    for (int32_t f = 1; f < MAIN_PHASE_END; ++f) {
        run_level_script();
        bool any = false;
        for (Enemy& e : enemies) {
            if (e.hit_points == 0) continue;
            t.enemies[e.kind] += 1;
            e.hit_points = 0;
            any = true;
        }
        for (Effect* pool : {back_effects, front_effects}) {
            for (int i = 0; i < POOL_SIZE; ++i) {
                Effect& e = pool[i];
                if (e.kind == EFFECT_FREE) continue;
                t.scenery[e.kind] += 1;
                t.scenery_directions.insert(e.direction);
                t.scenery_speeds.insert(e.speed);
                (pool == back_effects ? t.back : t.front) += 1;
                e.kind = EFFECT_FREE;
                any = true;
            }
        }
        if (any) t.frames.push_back(level_clock);
    }
    set_auto_keys(false);
    return t;
}

int total(const std::map<int32_t, int>& counts) {
    int n = 0;
    for (const auto& [kind, count] : counts) n += count;
    return n;
}

}  // namespace

TEST_F(LevelScript, EachMainPhaseRequestsWhatItsLevelHolds) {
    struct Summary {
        int flag;
        size_t frames;
        int32_t first, last;
        int enemy_total;
        std::map<int32_t, int> enemies;
        int scenery_total;
    };
    const Summary LEVELS_SUMMARY[] = {
        {LEVEL1_ON, 50, 50, 5700, 104, {{ENEMY_UFO, 93}, {ENEMY_BIRDHEAD, 11}}, 29},
        {LEVEL2_ON, 53, 1, 5700, 178, {{ENEMY_UFO, 156}, {ENEMY_BIRDHEAD, 21}, {ENEMY_MARS, 1}}, 1},
        {LEVEL3_ON,
         48,
         1,
         5700,
         101,
         {{ENEMY_UFO, 58}, {ENEMY_SKEL, 30}, {ENEMY_INTERCEPTOR, 9}, {ENEMY_BIRDHEAD, 4}},
         28},
        {LEVEL4_ON,
         66,
         300,
         5700,
         174,
         {{ENEMY_SKEL, 90}, {ENEMY_UFO, 50}, {ENEMY_BIRDHEAD, 26}, {ENEMY_INTERCEPTOR, 8}},
         30},
    };
    Tally tallies[4];
    for (int i = 0; i < 4; ++i) {
        const Summary& s = LEVELS_SUMMARY[i];
        SCOPED_TRACE(i + 1);
        tallies[i] = run_main_phase(s.flag);
        const Tally& t = tallies[i];
        EXPECT_TRUE(only_stage(s.flag));  // the boss phase waits for 6000
        EXPECT_EQ(t.frames.size(), s.frames);
        ASSERT_FALSE(t.frames.empty());
        EXPECT_EQ(t.frames.front(), s.first);
        EXPECT_EQ(t.frames.back(), s.last);
        EXPECT_EQ(total(t.enemies), s.enemy_total);
        EXPECT_EQ(t.enemies, s.enemies);
        EXPECT_EQ(total(t.scenery), s.scenery_total);
    }
    // Level 1: clouds in both layers and one sun.
    EXPECT_EQ(tallies[0].scenery, (std::map<int32_t, int>{{EFFECT_CLOUD, 28}, {EFFECT_SUN, 1}}));
    EXPECT_GT(tallies[0].back, 0);
    EXPECT_GT(tallies[0].front, 0);
    // Level 2: the earth, at frame 1.
    EXPECT_EQ(tallies[1].scenery, (std::map<int32_t, int>{{EFFECT_EARTH, 1}}));
    // Level 3: fast clouds, all moving down-right.
    EXPECT_EQ(tallies[2].scenery_directions, std::set<Direction>{DIR_DOWN_RIGHT});
    EXPECT_EQ(tallies[2].scenery_speeds, std::set<int32_t>{6});
    // Level 4: suns and clouds.
    EXPECT_EQ(tallies[3].scenery.size(), 2u);
    EXPECT_GT(tallies[3].scenery[EFFECT_SUN], 0);
    EXPECT_GT(tallies[3].scenery[EFFECT_CLOUD], 0);
}

TEST(LevelTables, RowsAreSortedWithinTheMainPhaseAndWellFormed) {
    const std::set<int> enemy_templates_used = {TPL_UFO, TPL_BIRDHEAD, TPL_SKEL, TPL_INTERCEPTOR, TPL_MARS};
    const std::set<Direction> moving = {DIR_UP,      DIR_RIGHT,    DIR_DOWN,      DIR_LEFT,
                                        DIR_UP_LEFT, DIR_UP_RIGHT, DIR_DOWN_LEFT, DIR_DOWN_RIGHT};
    int level_number = 0;
    for (EventList rows : {LEVEL1_EVENTS, LEVEL2_EVENTS, LEVEL3_EVENTS, LEVEL4_EVENTS}) {
        SCOPED_TRACE(++level_number);
        int32_t last = 1;
        for (size_t i = 0; i < rows.size(); ++i) {
            const LevelEvent& e = rows[i];
            SCOPED_TRACE(i);
            EXPECT_GE(e.clock, last);
            EXPECT_LE(e.clock, 5700);
            last = e.clock;
            EXPECT_TRUE(moving.count(e.direction));
            if (e.action == ACT_ENEMY) {
                EXPECT_TRUE(enemy_templates_used.count(e.tpl));
                EXPECT_EQ(e.layer, LAYER_NONE);
            } else {
                EXPECT_EQ(e.action, ACT_SCENERY);
                EXPECT_GE(e.tpl, TPL_EARTH);
                EXPECT_LE(e.tpl, TPL_SLOW_CLOUD);
                EXPECT_NE(e.layer, LAYER_NONE);
            }
        }
    }
}
