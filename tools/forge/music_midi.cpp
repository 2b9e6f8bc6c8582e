// Writes a Song as a format 1 Standard MIDI File.
#include <algorithm>
#include <cmath>

#include "midi.h"

namespace forge {

namespace {

// Events at the same tick go out in this order, so a note that ends where the
// next one of the same key starts is released first and the new one sounds.
enum Slot { SETUP, NOTE_OFF, NOTE_ON, CUT };

struct Event {
    uint32_t tick;
    Slot slot;
    std::vector<uint8_t> bytes;
};

void put_be(std::vector<uint8_t>& b, uint32_t v, int count) {
    for (int i = count - 1; i >= 0; --i) b.push_back(uint8_t(v >> (8 * i)));
}

void put_varlen(std::vector<uint8_t>& b, uint32_t v) {
    uint8_t tmp[5];
    int n = 0;
    do {
        tmp[n++] = uint8_t(v & 0x7f);
        v >>= 7;
    } while (v != 0);
    while (n > 1) b.push_back(uint8_t(tmp[--n] | 0x80));
    b.push_back(tmp[0]);
}

std::vector<uint8_t> meta(uint8_t type, const std::vector<uint8_t>& data) {
    std::vector<uint8_t> b = {0xff, type};
    put_varlen(b, uint32_t(data.size()));
    b.insert(b.end(), data.begin(), data.end());
    return b;
}

std::vector<uint8_t> text_meta(uint8_t type, const std::string& s) {
    return meta(type, std::vector<uint8_t>(s.begin(), s.end()));
}

std::vector<uint8_t> controller(int channel, int number, int value) {
    return {uint8_t(0xb0 | channel), uint8_t(number), uint8_t(value)};
}

// Sorts the events, appends the end of track at `length` and wraps it all in
// an MTrk chunk.
void write_track(std::vector<uint8_t>& file, std::vector<Event> events, uint32_t length) {
    std::stable_sort(events.begin(), events.end(), [](const Event& a, const Event& b) {
        return a.tick != b.tick ? a.tick < b.tick : a.slot < b.slot;
    });
    std::vector<uint8_t> body;
    uint32_t now = 0;
    for (const Event& e : events) {
        put_varlen(body, e.tick - now);
        now = e.tick;
        body.insert(body.end(), e.bytes.begin(), e.bytes.end());
    }
    put_varlen(body, length - now);
    body.insert(body.end(), {0xff, 0x2f, 0x00});
    file.insert(file.end(), {'M', 'T', 'r', 'k'});
    put_be(file, uint32_t(body.size()), 4);
    file.insert(file.end(), body.begin(), body.end());
}

std::vector<Event> conductor(const Song& song) {
    std::vector<Event> ev;
    ev.push_back({0, SETUP, text_meta(0x03, song.title)});
    int log2_unit = 0;
    while ((1 << log2_unit) < song.beat_unit) ++log2_unit;
    // 24 MIDI clocks per metronome click, 8 thirty-seconds per quarter
    ev.push_back({0, SETUP, meta(0x58, {uint8_t(song.beats), uint8_t(log2_unit), 24, 8})});
    for (const TempoChange& t : song.tempos) {
        const uint32_t us_per_quarter = uint32_t(std::lround(60000000.0 / t.bpm));
        std::vector<uint8_t> data;
        put_be(data, us_per_quarter, 3);
        ev.push_back({t.tick, SETUP, meta(0x51, data)});
    }
    return ev;
}

std::vector<Event> part_events(const MidiPart& p, uint32_t length) {
    const int ch = p.channel;
    std::vector<Event> ev;
    ev.push_back({0, SETUP, text_meta(0x03, p.name)});
    ev.push_back({0, SETUP, {uint8_t(0xc0 | ch), uint8_t(p.program)}});
    ev.push_back({0, SETUP, controller(ch, 7, p.volume)});
    ev.push_back({0, SETUP, controller(ch, 10, p.pan)});
    ev.push_back({0, SETUP, controller(ch, 11, 127)});
    ev.push_back({0, SETUP, controller(ch, 91, p.reverb)});
    ev.push_back({0, SETUP, controller(ch, 93, p.chorus)});
    for (const MidiNote& n : p.notes) {
        ev.push_back({n.start, NOTE_ON, {uint8_t(0x90 | ch), uint8_t(n.key), uint8_t(n.velocity)}});
        ev.push_back({n.start + n.length, NOTE_OFF, {uint8_t(0x80 | ch), uint8_t(n.key), 64}});
    }
    // All Sound Off at the very end: the mixer's synthesiser starts a loop
    // again only once every voice has died away, and the faint tail of a
    // cymbal or bell would hold that back for up to ten seconds.
    ev.push_back({length, CUT, controller(ch, 120, 0)});
    return ev;
}

}  // namespace

std::vector<uint8_t> encode_midi(const Song& song) {
    std::vector<uint8_t> file = {'M', 'T', 'h', 'd'};
    put_be(file, 6, 4);
    put_be(file, 1, 2);  // format 1: simultaneous tracks
    put_be(file, uint32_t(song.parts.size() + 1), 2);
    put_be(file, MIDI_DIVISION, 2);
    write_track(file, conductor(song), song.length);
    for (const MidiPart& p : song.parts) write_track(file, part_events(p, song.length), song.length);
    return file;
}

}  // namespace forge
