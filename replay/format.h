// Replay files: what a recorded game holds, and the file it is written to
// and read back from. A replay file comes from a player's folder or from
// someone else: every length, count and field is checked before use.
#pragma once

#include <SDL.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

constexpr uint16_t REPLAY_FORMAT_VERSION = 1;
constexpr int REPLAY_CHECK_FRAMES = 30;  // a check value every this many frames
// The longest game a replay may hold: six hours of frames.
constexpr uint32_t REPLAY_MAX_FRAMES = 6 * 60 * 60 * 30;
constexpr size_t REPLAY_MAX_BYTES = 64u << 20;

// The keys of play a replay holds, by their index in it (after any
// remapping: the keys the frame loop itself reads).
constexpr SDLKey REPLAY_KEYS[] = {SDLK_UP,     SDLK_DOWN, SDLK_LEFT, SDLK_RIGHT, SDLK_LCTRL, SDLK_LSHIFT,
                                  SDLK_ESCAPE, SDLK_q,    SDLK_r,    SDLK_a,     SDLK_w};
constexpr int REPLAY_KEY_COUNT = int(sizeof REPLAY_KEYS / sizeof REPLAY_KEYS[0]);
// The keys whose state the frame loop asks after its events (input_holds).
constexpr int REPLAY_HELD_KEY_COUNT = 5;  // the arrows and left Ctrl, first in REPLAY_KEYS
// An event of play: bit 7 set for a press, the low bits the key's index; or
// a window close.
constexpr uint8_t REPLAY_PRESS = 0x80;
constexpr uint8_t REPLAY_WINDOW_CLOSE = 0x7f;

// The index of a key in REPLAY_KEYS, or -1 for a key play does not read.
int replay_key_index(SDLKey key);

enum ReplayEnd : uint8_t {
    REPLAY_END_UNFINISHED,  // the program ended in the middle of the game
    REPLAY_END_GAME_OVER,
    REPLAY_END_QUIT,  // Escape or a window close in play
    REPLAY_END_COUNT
};

// The start of a game, and how it went.
struct ReplayHeader {
    std::string game_version;  // of the program that recorded it
    int32_t difficulty = 2;    // DIFFICULTY_EASY..DIFFICULTY_HARD
    int32_t level = 1;         // where a resumed game starts, 1..4
    bool resume = false;       // the title's resume row
    bool completed = false;    // the bonus keys were unlocked before this game
    bool boss_bar = false;     // left on by the game before, until the next boss
    uint32_t frames = 0;       // frames of play recorded
    int32_t score = 0;         // at the end, 0..9999
    uint8_t end = REPLAY_END_UNFINISHED;
    uint32_t final_check = 0;  // the state of play after the last frame
};

// A run of readings of the clock of play: the first `step` ms after the
// reading before it, the others `count - 1` equal to it.
struct ClockRun {
    uint32_t step;
    uint32_t count;
};

// What one frame of play read, as ranges of the arrays of ReplayData.
struct ReplayFrame {
    uint32_t events_at = 0, events = 0;  // codes of play's key events
    uint32_t holds_at = 0, holds = 0;    // held-key changes: REPLAY_PRESS | index, or the index
    uint32_t story_at = 0, story = 0;    // story keys: ms after the previous one (or the page)
    uint32_t pause_at = 0, pause = 0;    // left Shift in a pause: ms after its start
    uint32_t runs_at = 0, runs = 0;      // the clock of play
    bool checked = false;                // a check value follows this frame
    uint32_t check = 0;
};

struct ReplayData {
    ReplayHeader header;
    std::vector<ReplayFrame> frames;
    std::vector<uint8_t> events;
    std::vector<uint8_t> holds;
    std::vector<uint32_t> waits;  // story and pause key times
    std::vector<ClockRun> runs;
};

// The file's check sum (FNV-1a) over the bytes it covers.
uint32_t replay_checksum(const uint8_t* bytes, size_t size);
// The offset of the check sum in a file: it covers every byte after it.
constexpr size_t REPLAY_SUM_AT = 10;

// The file's bytes.
std::string encode_replay(const ReplayData& replay);

enum ReplayRead {
    REPLAY_READ_OK,
    REPLAY_READ_MISSING,    // no such file, or it cannot be read
    REPLAY_READ_EMPTY,      // no bytes at all
    REPLAY_READ_UNKNOWN,    // not a replay of this game
    REPLAY_READ_VERSION,    // a replay format this program does not know
    REPLAY_READ_TRUNCATED,  // ends before its data does
    REPLAY_READ_DAMAGED,    // its check sum or a field is wrong
};
// Reads a replay from its bytes; on failure *why says what is wrong, in a
// few words, and *out is left empty.
ReplayRead decode_replay(const uint8_t* bytes, size_t size, ReplayData* out, std::string* why);
// Reads a replay file whole.
ReplayRead read_replay_file(const std::string& path, ReplayData* out, std::string* why);
