// Replay files: writing and reading them.
//
// The file: the magic, the format version (16 bits), a check sum of all that
// follows it (FNV-1a, 32 bits), the length of the frames' part, the game's
// version, the start state and how the game went; then one record per frame.
// Numbers are little-endian; counts, times and steps of the clock are
// varints (7 bits a byte, low first). A frame's record starts with a byte
// naming what it holds (FRAME_ bits); each part is a count and its items.
#include "replay/format.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <initializer_list>

namespace {

constexpr char MAGIC[8] = {'C', 'P', 'R', 'E', 'P', 'L', 'A', 'Y'};
constexpr size_t SUM_AT = REPLAY_SUM_AT;
constexpr size_t FIXED_END = 18;  // magic, version, sum, length of the frames
constexpr size_t MAX_VERSION_TEXT = 32;

constexpr uint8_t FRAME_EVENTS = 1;
constexpr uint8_t FRAME_HOLDS = 2;
constexpr uint8_t FRAME_STORY = 4;
constexpr uint8_t FRAME_PAUSE = 8;
constexpr uint8_t FRAME_CLOCK = 16;
constexpr uint8_t FRAME_CHECK = 32;
constexpr uint8_t FRAME_ALL = 63;

constexpr uint8_t FLAG_RESUME = 1;
constexpr uint8_t FLAG_COMPLETED = 2;
constexpr uint8_t FLAG_BOSS_BAR = 4;
constexpr uint8_t FLAGS_ALL = 7;

// What one frame may hold: far more than play can give (SDL's queue holds
// 127 events), far less than would let a file ask for huge memory.
constexpr uint32_t MAX_EVENTS = 4096;
constexpr uint32_t MAX_WAITS = 4096;
constexpr uint32_t MAX_RUNS = 4096;
constexpr uint32_t MAX_RUN = 65535;
constexpr uint32_t MAX_WAIT_MS = 24u * 60 * 60 * 1000;
constexpr int32_t MAX_SCORE = 9999;

void put_u16(std::string* out, uint32_t v) {
    out->push_back(char(v & 0xff));
    out->push_back(char(v >> 8 & 0xff));
}
void put_u32(std::string* out, uint32_t v) {
    put_u16(out, v & 0xffff);
    put_u16(out, v >> 16);
}
void put_varint(std::string* out, uint32_t v) {
    while (v >= 0x80) {
        out->push_back(char(0x80 | (v & 0x7f)));
        v >>= 7;
    }
    out->push_back(char(v));
}

// Reads forward through untrusted bytes; any read past the end, or a varint
// too long for 32 bits, marks it failed and gives 0.
struct Reader {
    const uint8_t* at;
    const uint8_t* end;
    bool failed = false;

    uint8_t u8() {
        if (at >= end) {
            failed = true;
            return 0;
        }
        return *at++;
    }
    uint32_t u16() {
        const uint32_t lo = u8();
        return lo | uint32_t(u8()) << 8;
    }
    uint32_t u32() {
        const uint32_t lo = u16();
        return lo | u16() << 16;
    }
    uint32_t varint() {
        uint32_t v = 0;
        for (int shift = 0; shift < 35; shift += 7) {
            const uint8_t b = u8();
            if (shift == 28 && b > 0x0f) break;  // more than 32 bits
            v |= uint32_t(b & 0x7f) << shift;
            if (!(b & 0x80)) return failed ? 0 : v;
        }
        failed = true;
        return 0;
    }
};

ReplayRead fail(ReplayRead result, const std::string& what, std::string* why, ReplayData* out) {
    *why = what;
    *out = ReplayData{};
    return result;
}

std::string frame_name(size_t frame) {
    return "frame " + std::to_string(frame);
}

void encode_frame(const ReplayData& r, const ReplayFrame& f, std::string* out) {
    uint8_t parts = 0;
    if (f.events) parts |= FRAME_EVENTS;
    if (f.holds) parts |= FRAME_HOLDS;
    if (f.story) parts |= FRAME_STORY;
    if (f.pause) parts |= FRAME_PAUSE;
    if (f.runs) parts |= FRAME_CLOCK;
    if (f.checked) parts |= FRAME_CHECK;
    out->push_back(char(parts));
    if (f.events) {
        put_varint(out, f.events);
        for (uint32_t i = 0; i < f.events; ++i) out->push_back(char(r.events[f.events_at + i]));
    }
    if (f.holds) {
        put_varint(out, f.holds);
        for (uint32_t i = 0; i < f.holds; ++i) out->push_back(char(r.holds[f.holds_at + i]));
    }
    if (f.story) {
        put_varint(out, f.story);
        for (uint32_t i = 0; i < f.story; ++i) put_varint(out, r.waits[f.story_at + i]);
    }
    if (f.pause) {
        put_varint(out, f.pause);
        for (uint32_t i = 0; i < f.pause; ++i) put_varint(out, r.waits[f.pause_at + i]);
    }
    if (f.runs) {
        put_varint(out, f.runs);
        for (uint32_t i = 0; i < f.runs; ++i) {
            put_varint(out, r.runs[f.runs_at + i].step);
            put_varint(out, r.runs[f.runs_at + i].count);
        }
    }
    if (f.checked) put_u32(out, f.check);
}

bool valid_event(uint8_t code) {
    return code == REPLAY_WINDOW_CLOSE || (code & 0x7f) < REPLAY_KEY_COUNT;
}
bool valid_hold(uint8_t code) {
    return (code & 0x7f) < REPLAY_HELD_KEY_COUNT;
}

// One frame's record; an empty string when it is sound, else what is wrong.
std::string decode_frame(Reader* in, ReplayData* r) {
    ReplayFrame f;
    f.story_at = f.pause_at = uint32_t(r->waits.size());
    const uint8_t parts = in->u8();
    if (parts & ~FRAME_ALL) return "unknown parts";
    if (parts & FRAME_EVENTS) {
        f.events_at = uint32_t(r->events.size());
        f.events = in->varint();
        if (f.events == 0 || f.events > MAX_EVENTS) return "an event count out of range";
        for (uint32_t i = 0; i < f.events && !in->failed; ++i) {
            const uint8_t code = in->u8();
            if (!in->failed && !valid_event(code)) return "an unknown key";
            r->events.push_back(code);
        }
    }
    if (parts & FRAME_HOLDS) {
        f.holds_at = uint32_t(r->holds.size());
        f.holds = in->varint();
        if (f.holds == 0 || f.holds > REPLAY_HELD_KEY_COUNT) return "a held-key count out of range";
        for (uint32_t i = 0; i < f.holds && !in->failed; ++i) {
            const uint8_t code = in->u8();
            if (!in->failed && !valid_hold(code)) return "an unknown held key";
            r->holds.push_back(code);
        }
    }
    for (const uint8_t part : {FRAME_STORY, FRAME_PAUSE}) {
        if (part == FRAME_PAUSE) f.pause_at = uint32_t(r->waits.size());  // right after the story's
        if (!(parts & part)) continue;
        const uint32_t at = uint32_t(r->waits.size());
        const uint32_t n = in->varint();
        if (n == 0 || n > MAX_WAITS) return "a key count out of range";
        for (uint32_t i = 0; i < n && !in->failed; ++i) {
            const uint32_t ms = in->varint();
            if (ms > MAX_WAIT_MS) return "a key time out of range";
            r->waits.push_back(ms);
        }
        (part == FRAME_STORY ? f.story_at : f.pause_at) = at;
        (part == FRAME_STORY ? f.story : f.pause) = n;
    }
    if (parts & FRAME_CLOCK) {
        f.runs_at = uint32_t(r->runs.size());
        f.runs = in->varint();
        if (f.runs == 0 || f.runs > MAX_RUNS) return "a clock count out of range";
        for (uint32_t i = 0; i < f.runs && !in->failed; ++i) {
            const uint32_t step = in->varint();
            const uint32_t count = in->varint();
            if (!in->failed && (count == 0 || count > MAX_RUN)) return "a clock run out of range";
            r->runs.push_back(ClockRun{step, count});
        }
    }
    if (parts & FRAME_CHECK) {
        f.checked = true;
        f.check = in->u32();
    }
    if (in->failed) return "cut short";
    r->frames.push_back(f);
    return "";
}

}  // namespace

int replay_key_index(SDLKey key) {
    for (int i = 0; i < REPLAY_KEY_COUNT; ++i) {
        if (REPLAY_KEYS[i] == key) return i;
    }
    return -1;
}

uint32_t replay_checksum(const uint8_t* bytes, size_t size) {
    uint32_t h = 2166136261u;
    for (size_t i = 0; i < size; ++i) h = (h ^ bytes[i]) * 16777619u;
    return h;
}

std::string encode_replay(const ReplayData& r) {
    std::string body;
    for (const ReplayFrame& f : r.frames) encode_frame(r, f, &body);

    const ReplayHeader& h = r.header;
    std::string rest;  // everything after the check sum
    std::string header;
    const std::string version = h.game_version.substr(0, MAX_VERSION_TEXT);
    header.push_back(char(version.size()));
    header += version;
    header.push_back(char(h.difficulty));
    header.push_back(char(h.level));
    header.push_back(char((h.resume ? FLAG_RESUME : 0) | (h.completed ? FLAG_COMPLETED : 0) |
                          (h.boss_bar ? FLAG_BOSS_BAR : 0)));
    header.push_back(char(h.end));
    put_u32(&header, uint32_t(r.frames.size()));
    put_u32(&header, uint32_t(h.score));
    put_u32(&header, h.final_check);
    put_u32(&rest, uint32_t(body.size()));
    rest += header;
    rest += body;

    std::string out(MAGIC, sizeof MAGIC);
    put_u16(&out, REPLAY_FORMAT_VERSION);
    put_u32(&out, replay_checksum(reinterpret_cast<const uint8_t*>(rest.data()), rest.size()));
    return out + rest;
}

ReplayRead decode_replay(const uint8_t* bytes, size_t size, ReplayData* out, std::string* why) {
    *out = ReplayData{};
    if (size == 0) return fail(REPLAY_READ_EMPTY, "empty", why, out);
    if (std::memcmp(bytes, MAGIC, std::min(size, sizeof MAGIC)) != 0) {
        return fail(REPLAY_READ_UNKNOWN, "not a Cloudpiercer replay", why, out);
    }
    if (size < FIXED_END) return fail(REPLAY_READ_TRUNCATED, "truncated in its header", why, out);
    Reader in{bytes + sizeof MAGIC, bytes + size};
    const uint32_t version = in.u16();
    if (version != REPLAY_FORMAT_VERSION) {
        return fail(REPLAY_READ_VERSION, "replay format " + std::to_string(version) + " is not known", why,
                    out);
    }
    const uint32_t sum = in.u32();
    const uint32_t body_size = in.u32();

    const size_t version_at = FIXED_END;
    if (size <= version_at) return fail(REPLAY_READ_TRUNCATED, "truncated in its header", why, out);
    const size_t version_size = bytes[version_at];
    const size_t header_end = version_at + 1 + version_size + 4 + 12;
    if (version_size > MAX_VERSION_TEXT) return fail(REPLAY_READ_DAMAGED, "damaged: game version", why, out);
    if (size < header_end) return fail(REPLAY_READ_TRUNCATED, "truncated in its header", why, out);
    if (size - header_end < body_size) {
        return fail(REPLAY_READ_TRUNCATED,
                    "truncated: " + std::to_string(size - header_end) + " of " + std::to_string(body_size) +
                        " bytes of frames",
                    why, out);
    }
    if (size - header_end > body_size)
        return fail(REPLAY_READ_DAMAGED, "damaged: bytes after its end", why, out);
    if (replay_checksum(bytes + SUM_AT + 4, size - SUM_AT - 4) != sum) {
        return fail(REPLAY_READ_DAMAGED, "damaged: its check sum does not match", why, out);
    }

    ReplayHeader& h = out->header;
    in.at = bytes + version_at + 1;
    for (size_t i = 0; i < version_size; ++i) {
        const uint8_t c = in.u8();
        if (c < 0x20 || c > 0x7e) return fail(REPLAY_READ_DAMAGED, "damaged: game version", why, out);
        h.game_version.push_back(char(c));
    }
    h.difficulty = in.u8();
    h.level = in.u8();
    const uint8_t flags = in.u8();
    h.end = in.u8();
    h.frames = in.u32();
    h.score = int32_t(in.u32());
    h.final_check = in.u32();
    h.resume = flags & FLAG_RESUME;
    h.completed = flags & FLAG_COMPLETED;
    h.boss_bar = flags & FLAG_BOSS_BAR;
    if (h.difficulty < 1 || h.difficulty > 3)
        return fail(REPLAY_READ_DAMAGED, "damaged: difficulty", why, out);
    if (h.level < 1 || h.level > 4) return fail(REPLAY_READ_DAMAGED, "damaged: level", why, out);
    if (flags & ~FLAGS_ALL) return fail(REPLAY_READ_DAMAGED, "damaged: flags", why, out);
    if (h.end >= REPLAY_END_COUNT) return fail(REPLAY_READ_DAMAGED, "damaged: how it ended", why, out);
    if (h.frames > REPLAY_MAX_FRAMES) return fail(REPLAY_READ_DAMAGED, "damaged: frame count", why, out);
    if (h.score < 0 || h.score > MAX_SCORE) return fail(REPLAY_READ_DAMAGED, "damaged: score", why, out);
    // Each frame's record takes at least a byte: a count beyond the bytes is
    // refused before any memory is set aside for it.
    if (h.frames > body_size) return fail(REPLAY_READ_DAMAGED, "damaged: frame count", why, out);

    out->frames.reserve(h.frames);
    for (uint32_t f = 0; f < h.frames; ++f) {
        const std::string wrong = decode_frame(&in, out);
        if (!wrong.empty())
            return fail(REPLAY_READ_DAMAGED, "damaged: " + frame_name(f) + ": " + wrong, why, out);
    }
    if (in.at != in.end) return fail(REPLAY_READ_DAMAGED, "damaged: bytes after its last frame", why, out);
    return REPLAY_READ_OK;
}

ReplayRead read_replay_file(const std::string& path, ReplayData* out, std::string* why) {
    *out = ReplayData{};
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (!f)
        return fail(REPLAY_READ_MISSING, std::string("cannot be read: ") + std::strerror(errno), why, out);
    std::string bytes;
    char buffer[65536];
    bool too_big = false;
    for (size_t n; (n = std::fread(buffer, 1, sizeof buffer, f)) > 0;) {
        if (bytes.size() + n > REPLAY_MAX_BYTES) {
            too_big = true;
            break;
        }
        bytes.append(buffer, n);
    }
    const bool failed = std::ferror(f);
    std::fclose(f);
    if (failed) return fail(REPLAY_READ_MISSING, "cannot be read", why, out);
    if (too_big) return fail(REPLAY_READ_DAMAGED, "damaged: far too big for a replay", why, out);
    return decode_replay(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size(), out, why);
}
