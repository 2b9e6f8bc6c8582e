// The check value of a replay: FNV-1a over the fields of the state of play,
// each as four bytes, low first, so the value is the same on every machine.
#include "replay/state_hash.h"

#include <initializer_list>

#include "core/game_state.h"

namespace {

struct Hash {
    uint32_t h = 2166136261u;
    void add(uint32_t v) {
        for (int i = 0; i < 4; ++i) {
            h = (h ^ (v & 0xff)) * 16777619u;
            v >>= 8;
        }
    }
    void add(int32_t v) { add(uint32_t(v)); }
    void add(bool v) { add(uint32_t(v)); }
};

void add_enemy(Hash* h, const Enemy& e) {
    h->add(uint32_t(1));
    for (int32_t v :
         {e.x, e.y, e.frame, e.height, e.width, e.hit_points, e.bullet_kind, e.frame_count, e.fire_period,
          e.fire_clock, e.speed, e.frame_ms, e.direction, e.kind, e.behaviour, e.shots_left})
        h->add(v);
    h->add(e.frame_tick);
}

void add_shot(Hash* h, const Shot& s) {
    h->add(uint32_t(2));
    for (int32_t v :
         {s.x, s.y, s.height, s.width, s.frame_count, s.frame, s.speed, s.frame_ms, s.direction, s.kind})
        h->add(v);
    h->add(s.frame_tick);
}

void add_effect(Hash* h, const Effect& e) {
    h->add(uint32_t(3));
    for (int32_t v : {e.x, e.y, e.frame, e.height, e.width, e.frame_count, e.direction, e.speed, e.frame_ms,
                      e.kind, e.cycles_done, e.cycles_allowed})
        h->add(v);
    h->add(e.frame_tick);
}

void add_player(Hash* h, const Player& p) {
    for (int32_t v : {p.x, p.y, p.frame, p.direction, p.height, p.width, p.shields, p.lives, p.weapon,
                      p.max_speed, p.speed, p.frame_ms, p.death_clock, p.score_ones, p.powerup_points})
        h->add(v);
    h->add(p.low_shield_warned);
    h->add(p.frame_tick);
}

}  // namespace

uint32_t state_of_play_hash(const int32_t* loop_words, int loop_word_count) {
    Hash h;
    // A free slot keeps what its last record left there, which differs from
    // one game of a run to the next: only the slots in use count.
    for (int i = 0; i < POOL_SIZE; ++i) {
        if (enemies[i].hit_points != 0) add_enemy(&h, enemies[i]);
        if (shots[i].direction != SHOT_FREE) add_shot(&h, shots[i]);
        if (back_effects[i].kind != EFFECT_FREE) add_effect(&h, back_effects[i]);
        if (front_effects[i].kind != EFFECT_FREE) add_effect(&h, front_effects[i]);
        h.add(uint32_t(i));
    }
    add_player(&h, player);
    for (int32_t v : {score_thousands, score_hundreds, score_tens, scroll.offset, scroll.speed, level_clock,
                      boss_bar_width, powerup_threshold, level, difficulty})
        h.add(v);
    for (int32_t v : {int32_t(shield_bar_src.x), int32_t(shield_bar_src.w), int32_t(digit_src.x)}) h.add(v);
    for (bool flag : stage_flags) h.add(flag);
    h.add(boss_bar_shown);
    h.add(game_completed);
    h.add(restart_requested);
    for (int i = 0; i < loop_word_count; ++i) h.add(loop_words[i]);
    return h.h;
}
