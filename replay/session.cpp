// Recording every game and playing replays back: one session at a time,
// either recording the game being played or playing a replay.
#include "replay/session.h"

#include <cstdlib>
#include <utility>

#include "controls/key_map.h"
#include "core/clock.h"
#include "core/game_state.h"
#include "replay/state_hash.h"

namespace {

constexpr const char* GAME_VERSION = "1.0";
constexpr SDLKey STORY_KEY = SDLK_RETURN;   // what a recorded story key turns a page with
constexpr SDLKey RESUME_KEY = SDLK_LSHIFT;  // ends a pause

enum Mode { MODE_OFF, MODE_RECORDING, MODE_ABOUT_TO_PLAY, MODE_PLAYING };

// Where a story page or a pause began, for the times of the keys in it.
struct Mark {
    bool set = false;
    bool done = false;         // the pause has had its key
    bool spare_given = false;  // a key past the recorded ones came in this pass
    Uint32 at = 0;
    void place_once() {
        if (!set) at = clock_now();
        set = true;
    }
};

struct Recording {
    ReplayKeeper keep = nullptr;
    ReplayData data;
    ReplayFrame frame;  // the frame being played
    Uint32 last_reading = 0;
    uint8_t held = 0;  // bits of the held keys as last recorded
    uint32_t last_check = 0;
};

struct Playing {
    ReplayData data;
    ReplayWatch how = WATCH_ON_SCREEN;
    uint32_t frame = 0;                                 // index of the frame being played
    uint32_t event = 0, story = 0, pause = 0, run = 0;  // taken so far in this frame
    uint32_t run_left = 0;                              // readings left in the run taken
    Uint32 reading = 0;                                 // the clock of play
    uint8_t held = 0;
    bool holds_applied = false;
    ReplayOutcome outcome;
};

Mode mode = MODE_OFF;
Recording recording;
Playing playing;
Mark story_mark, pause_mark;

const ReplayFrame& frame_played() {
    return playing.data.frames[playing.frame];
}

void start_frame_record() {
    ReplayFrame& f = recording.frame;
    f = ReplayFrame{};
    f.events_at = uint32_t(recording.data.events.size());
    f.holds_at = uint32_t(recording.data.holds.size());
    f.story_at = f.pause_at = uint32_t(recording.data.waits.size());
    f.runs_at = uint32_t(recording.data.runs.size());
}

// Story and pause keys share one array, a frame's story keys first (its
// stories come before play's input, where a pause starts).
void record_wait(bool story, uint32_t ms) {
    ReplayFrame& f = recording.frame;
    std::vector<uint32_t>& waits = recording.data.waits;
    if (story) {
        waits.insert(waits.begin() + f.story_at + f.story, ms);
        f.story += 1;
        f.pause_at = f.story_at + f.story;
    } else {
        waits.push_back(ms);
        f.pause += 1;
    }
}

Uint32 recorded_clock() {
    const Uint32 now = clock_now();
    ReplayFrame& f = recording.frame;
    std::vector<ClockRun>& runs = recording.data.runs;
    if (f.runs && now == recording.last_reading && runs.back().count < 65535) {
        runs.back().count += 1;
    } else {
        runs.push_back(ClockRun{now - recording.last_reading, 1});
        f.runs += 1;
    }
    recording.last_reading = now;
    return now;
}

void desync(const std::string& what) {
    ReplayOutcome& o = playing.outcome;
    if (o.desync) return;
    o.desync = true;
    o.desync_frame = playing.frame + 1;
    o.desync_what = what;
}

Uint32 played_clock() {
    if (playing.run_left == 0) {
        const ReplayFrame& f = frame_played();
        if (playing.run >= f.runs) {
            desync("the clock of play read more often than recorded");
            return playing.reading;
        }
        const ClockRun& r = playing.data.runs[f.runs_at + playing.run];
        playing.run += 1;
        playing.reading += r.step;
        playing.run_left = r.count;
    }
    playing.run_left -= 1;
    return playing.reading;
}

void start_frame_play() {
    playing.event = playing.story = playing.pause = playing.run = 0;
    playing.run_left = 0;
    playing.holds_applied = false;
}

void stop_playing() {
    playing.outcome.stopped = true;
}

// A key or a window close from the devices while a replay plays.
void real_event(const SDL_Event& e) {
    if (playing.how == WATCH_VERIFY) return;
    if (e.type == SDL_QUIT) {
        if (playing.how == WATCH_DEMO) std::exit(0);  // as on the title
        stop_playing();
    }
    if (e.type != SDL_KEYDOWN) return;
    if (playing.how == WATCH_DEMO || e.key.keysym.sym == SDLK_ESCAPE) stop_playing();
}

// The next key of a story page or a pause, once its time has come. Once the
// recorded keys are used up (or the replay stopped) a key every other poll:
// one in each pass of the screen's loop, so a page or pause always ends.
bool timed_key(Mark* mark, uint32_t taken, uint32_t count, uint32_t at, bool next_from_key) {
    if (playing.outcome.stopped || taken >= count) {
        mark->spare_given = !mark->spare_given;
        return mark->spare_given;
    }
    const Uint32 now = clock_now();
    if (Sint32(now - mark->at) < Sint32(playing.data.waits[at + taken])) return false;
    if (next_from_key) mark->at = now;
    return true;
}

void record_end_of_frame(const int32_t* loop_words, int loop_word_count) {
    ReplayFrame& f = recording.frame;
    recording.last_check = state_of_play_hash(loop_words, loop_word_count);
    const uint32_t number = uint32_t(recording.data.frames.size()) + 1;
    if (number % REPLAY_CHECK_FRAMES == 0) {
        f.checked = true;
        f.check = recording.last_check;
    }
    recording.data.frames.push_back(f);
    start_frame_record();
}

void play_end_of_frame(const int32_t* loop_words, int loop_word_count) {
    const ReplayFrame& f = frame_played();
    if (playing.run < f.runs || playing.run_left > 0)
        desync("the clock of play read less often than recorded");
    const uint32_t hash = state_of_play_hash(loop_words, loop_word_count);
    if (f.checked && hash != f.check) desync("the state of play differs from the recording");
    const bool last = playing.frame + 1 == playing.data.frames.size();
    if (last && hash != playing.data.header.final_check) desync("the state of play at the end differs");
    if (!playing.outcome.desync) playing.outcome.frames = playing.frame + 1;
    playing.frame += 1;
    if (last) {
        playing.outcome.finished = true;
        playing.frame -= 1;  // stays on a frame that exists, should anything still ask
    }
    start_frame_play();
}

void end_at_exit() {
    replay_game_done(REPLAY_END_UNFINISHED);
}

}  // namespace

int32_t score_of_play() {
    return score_thousands * 1000 + score_hundreds * 100 + score_tens * 10 + player.score_ones;
}

void replay_record_games(ReplayKeeper keep) {
    static bool registered = false;
    if (!registered) std::atexit(end_at_exit);  // a game cut short by a window close is kept too
    registered = true;
    recording.keep = keep;
}

void replay_stop_recording_games() {
    if (mode == MODE_RECORDING) {
        mode = MODE_OFF;
        set_play_clock_source(nullptr);
    }
    recording = Recording{};
}

void replay_play(const ReplayData& replay, ReplayWatch how) {
    if (mode == MODE_RECORDING) replay_game_done(REPLAY_END_UNFINISHED);
    playing = Playing{};
    playing.data = replay;
    playing.how = how;
    mode = MODE_ABOUT_TO_PLAY;
}

bool replay_playing() {
    return mode == MODE_PLAYING || mode == MODE_ABOUT_TO_PLAY;
}

ReplayOutcome replay_outcome() {
    return playing.outcome;
}

bool replay_gives_start() {
    if (mode != MODE_ABOUT_TO_PLAY) return false;
    const ReplayHeader& h = playing.data.header;
    difficulty = h.difficulty;
    level = h.level;
    resume_game = h.resume;
    game_completed = h.completed;
    boss_bar_shown = h.boss_bar;
    return true;
}

void replay_start_game() {
    story_mark = pause_mark = Mark{};
    if (mode == MODE_ABOUT_TO_PLAY) {
        mode = MODE_PLAYING;
        playing.frame = 0;
        playing.reading = 0;
        playing.held = 0;
        start_frame_play();
        if (playing.data.frames.empty()) playing.outcome.finished = true;
        set_play_clock_source(played_clock);
        return;
    }
    if (mode == MODE_RECORDING) replay_game_done(REPLAY_END_UNFINISHED);
    if (!recording.keep) return;
    mode = MODE_RECORDING;
    recording.data = ReplayData{};
    ReplayHeader& h = recording.data.header;
    h.game_version = GAME_VERSION;
    h.difficulty = difficulty;
    h.level = level;
    h.resume = resume_game;
    h.completed = game_completed;
    h.boss_bar = boss_bar_shown;
    recording.last_reading = 0;
    recording.held = 0;
    recording.last_check = 0;
    start_frame_record();
    set_play_clock_source(recorded_clock);
}

void replay_frame_done(const int32_t* loop_words, int loop_word_count) {
    story_mark = pause_mark = Mark{};
    if (mode == MODE_RECORDING) record_end_of_frame(loop_words, loop_word_count);
    if (mode == MODE_PLAYING && !replay_over()) play_end_of_frame(loop_words, loop_word_count);
}

bool replay_over() {
    const ReplayOutcome& o = playing.outcome;
    return mode == MODE_PLAYING && (o.finished || o.stopped || o.desync);
}

void replay_game_done(ReplayEnd end) {
    if (mode == MODE_PLAYING) {
        mode = MODE_OFF;
        set_play_clock_source(nullptr);
        ReplayOutcome& o = playing.outcome;
        o.score = score_of_play();
        if (!o.finished && !o.stopped && !o.desync) {
            desync("the game ended before the recording did");
        }
        return;
    }
    if (mode != MODE_RECORDING) return;
    mode = MODE_OFF;
    set_play_clock_source(nullptr);
    ReplayHeader& h = recording.data.header;
    h.frames = uint32_t(recording.data.frames.size());
    h.score = score_of_play();
    h.end = end;
    h.final_check = recording.last_check;
    if (recording.keep) recording.keep(recording.data);
    recording.data = ReplayData{};
}

bool replay_poll(SDL_Event* event, InputScreen where, DevicePoll poll_devices) {
    SDL_Event real;
    while (poll_devices(&real, where)) real_event(real);
    if (mode != MODE_PLAYING) return false;
    const ReplayFrame& f = frame_played();
    switch (where) {
        case INPUT_PLAY:
            pause_mark = Mark{};
            story_mark = Mark{};
            if (playing.event >= f.events) return false;
            {
                const uint8_t code = playing.data.events[f.events_at + playing.event];
                playing.event += 1;
                if (code == REPLAY_WINDOW_CLOSE) {
                    *event = SDL_Event{};
                    event->type = SDL_QUIT;
                } else {
                    *event = key_event(REPLAY_KEYS[code & 0x7f], code & REPLAY_PRESS);
                }
            }
            return true;
        case INPUT_STORY:
            story_mark.place_once();
            if (!timed_key(&story_mark, playing.story, f.story, f.story_at, true)) return false;
            playing.story += 1;
            *event = key_event(STORY_KEY, true);
            return true;
        case INPUT_PAUSE:
            pause_mark.place_once();
            if (!timed_key(&pause_mark, playing.pause, f.pause, f.pause_at, false)) return false;
            playing.pause += 1;
            *event = key_event(RESUME_KEY, true);
            return true;
        case INPUT_TITLE:
            break;
    }
    return false;
}

bool replay_holds(SDLKey key) {
    if (mode != MODE_PLAYING) return false;
    if (!playing.holds_applied) {
        const ReplayFrame& f = frame_played();
        for (uint32_t i = 0; i < f.holds; ++i) {
            const uint8_t code = playing.data.holds[f.holds_at + i];
            const uint8_t bit = uint8_t(1u << (code & 0x7f));
            playing.held = (code & REPLAY_PRESS) != 0 ? playing.held | bit : playing.held & ~bit;
        }
        playing.holds_applied = true;
    }
    const int index = replay_key_index(key);
    return index >= 0 && index < REPLAY_HELD_KEY_COUNT && (playing.held >> index & 1);
}

void replay_note_input(const SDL_Event* event, InputScreen where) {
    if (mode != MODE_RECORDING) return;
    switch (where) {
        case INPUT_PLAY:
            pause_mark = Mark{};
            story_mark = Mark{};
            if (!event) return;
            if (event->type == SDL_QUIT) {
                recording.data.events.push_back(REPLAY_WINDOW_CLOSE);
                recording.frame.events += 1;
            } else if (event->type == SDL_KEYDOWN || event->type == SDL_KEYUP) {
                const int index = replay_key_index(event->key.keysym.sym);
                if (index < 0) return;
                const uint8_t press = event->type == SDL_KEYDOWN ? REPLAY_PRESS : 0;
                recording.data.events.push_back(uint8_t(press | index));
                recording.frame.events += 1;
            }
            return;
        case INPUT_STORY:
            story_mark.place_once();
            if (event && event->type == SDL_KEYDOWN) {
                const Uint32 now = clock_now();
                record_wait(true, now - story_mark.at);
                story_mark.at = now;
            }
            return;
        case INPUT_PAUSE:
            pause_mark.place_once();
            // the first left Shift ends the pause; others in the same pass are lost
            if (event && event->type == SDL_KEYDOWN && event->key.keysym.sym == RESUME_KEY &&
                !pause_mark.done) {
                record_wait(false, clock_now() - pause_mark.at);
                pause_mark.done = true;
            }
            return;
        case INPUT_TITLE:
            return;
    }
}

void replay_note_hold(SDLKey key, bool held) {
    if (mode != MODE_RECORDING) return;
    const int index = replay_key_index(key);
    if (index < 0 || index >= REPLAY_HELD_KEY_COUNT) return;
    const uint8_t bit = uint8_t(1u << index);
    if (bool(recording.held & bit) == held) return;
    recording.held = held ? recording.held | bit : recording.held & ~bit;
    recording.data.holds.push_back(uint8_t((held ? REPLAY_PRESS : 0) | index));
    recording.frame.holds += 1;
}
