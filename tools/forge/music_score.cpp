// Reads the score notation of data/music/*.txt into a Song. The notation is
// described at the top of every score file; this reader checks it strictly
// (bar lines, section lengths, overlapping keys) so a slip in a score stops
// the build instead of playing out of time.
#include <algorithm>
#include <cctype>
#include <map>
#include <set>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "midi.h"

namespace forge {

namespace {

constexpr uint32_t WHOLE = 4 * MIDI_DIVISION;

struct PartInfo {
    MidiPart midi;  // everything but the notes
    bool kit = false;
    int velocity = 84;  // loudness each line starts with
    int gate = 100;     // percent of a note's written length that sounds
};

// The notes one label writes in a section, from the section's start.
struct Voice {
    std::string part;
    std::vector<MidiNote> notes;
    uint32_t length = 0;
};

struct Section {
    std::map<std::string, Voice> voices;  // by label: "bass", or "drums kick" for a kit
    std::set<std::string> written;        // labels written here rather than inherited
    double tempo = 0.0;                   // 0 keeps the tempo in force
    uint32_t length = 0;
};

struct DrumName {
    const char* name;
    int key;
};

// General MIDI percussion keys, all present in the freepats drum set.
constexpr DrumName DRUMS[] = {
    {"kick", 36},   {"kick2", 35},    {"rim", 37},       {"snare", 38},   {"clap", 39},    {"snare2", 40},
    {"tom6", 41},   {"hat", 42},      {"tom5", 43},      {"pedal", 44},   {"tom4", 45},    {"open", 46},
    {"tom3", 47},   {"tom2", 48},     {"crash", 49},     {"tom1", 50},    {"ride", 51},    {"china", 52},
    {"bell", 53},   {"tamb", 54},     {"splash", 55},    {"cowbell", 56}, {"crash2", 57},  {"bongo", 60},
    {"bongo2", 61}, {"conga", 62},    {"conga2", 63},    {"conga3", 64},  {"timbale", 65}, {"timbale2", 66},
    {"agogo", 67},  {"agogo2", 68},   {"cabasa", 69},    {"maracas", 70}, {"claves", 75},  {"block", 76},
    {"block2", 77}, {"triangle", 80}, {"triangle2", 81}, {"shaker", 82},  {"chimes", 84},
};

struct Dynamic {
    const char* mark;
    int velocity;
};
constexpr Dynamic DYNAMICS[] = {{"ppp", 30}, {"pp", 42}, {"p", 56},   {"mp", 70},
                                {"mf", 84},  {"f", 98},  {"ff", 112}, {"fff", 124}};

constexpr int ACCENT = 18;  // velocity added by '>' and 'X'

std::vector<std::string> split(const std::string& line) {
    // '#' opens a comment only at the start of a word; after a letter it is a sharp
    std::string text = line;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '#' && (i == 0 || std::isspace(uint8_t(text[i - 1])))) {
            text.resize(i);
            break;
        }
    }
    std::istringstream in(text);
    std::vector<std::string> words;
    for (std::string w; in >> w;) words.push_back(w);
    return words;
}

// Everything read so far: the song's settings, the parts, the sections and
// the order to play them in, and where the reader is for its messages.
struct Score {
    std::string where;
    int line_no = 0;  // 0 once the file is read: the remaining faults are the whole song's
    Song song;
    double tempo = 0.0;
    uint32_t bar = WHOLE;
    std::map<std::string, PartInfo> parts;
    std::vector<std::string> part_order;
    std::map<std::string, Section> sections;
    std::map<std::string, std::vector<int>> chords;  // named chords, e.g. "Dm" -> d3 a3 d4 f4
    std::string current;                             // section being written, empty outside one
    std::vector<std::string> play;
};

// ---- numbers and messages ----

[[noreturn]] void fail(const Score& sc, const std::string& msg) {
    const std::string at = sc.line_no > 0 ? ":" + std::to_string(sc.line_no) : "";
    throw std::runtime_error(sc.where + at + ": " + msg);
}

double number(const Score& sc, const std::string& s, double lo, double hi, const char* what) {
    size_t used = 0;
    double v = 0.0;
    try {
        v = std::stod(s, &used);
    } catch (const std::exception&) {
        used = 0;
    }
    if (used != s.size() || v < lo || v > hi) {
        fail(sc, std::string("bad ") + what + " '" + s + "'");
    }
    return v;
}

int integer(const Score& sc, const std::string& s, int lo, int hi, const char* what) {
    const double v = number(sc, s, lo, hi, what);
    if (v != double(int(v))) fail(sc, std::string("bad ") + what + " '" + s + "'");
    return int(v);
}

// A length in ticks as beats of the meter, for messages.
std::string beats(const Score& sc, uint32_t ticks) {
    std::ostringstream o;
    o << double(ticks) / double(WHOLE / uint32_t(sc.song.beat_unit));
    return o.str();
}

// ---- the pieces of a word: pitches, durations, dynamics ----

// A pitch such as "c4", "f#", "bb3"; the octave may be left out to keep
// the previous one (middle C is c4).
int pitch(const Score& sc, const std::string& w, size_t& i, int& octave) {
    static const int STEPS[7] = {9, 11, 0, 2, 4, 5, 7};  // a b c d e f g
    const char letter = w[i];
    if (letter < 'a' || letter > 'g') fail(sc, "bad note '" + w + "'");
    int key = STEPS[letter - 'a'];
    ++i;
    for (; i < w.size() && (w[i] == '#' || w[i] == 'b'); ++i) key += w[i] == '#' ? 1 : -1;
    if (i < w.size() && std::isdigit(uint8_t(w[i]))) {
        octave = w[i] - '0';
        ++i;
    }
    if (octave < 0) fail(sc, "the first note of a line needs its octave, in '" + w + "'");
    key += 12 * (octave + 1);
    if (key < 0 || key > 127) fail(sc, "note out of range in '" + w + "'");
    return key;
}

// "/4", "/8.", "/8t", "/2~8": whole-note fractions, dotted, triplet, tied.
uint32_t duration(const Score& sc, const std::string& w, size_t& i) {
    uint32_t total = 0;
    do {
        ++i;  // past '/' or '~'
        size_t digits = i;
        while (digits < w.size() && std::isdigit(uint8_t(w[digits]))) ++digits;
        if (digits == i) fail(sc, "a duration wants a number in '" + w + "'");
        const int n = integer(sc, w.substr(i, digits - i), 1, 64, "duration");
        if ((n & (n - 1)) != 0) fail(sc, "durations are 1, 2, 4, 8, 16, 32 or 64 in '" + w + "'");
        i = digits;
        uint32_t len = WHOLE / uint32_t(n);
        for (uint32_t half = len / 2; i < w.size() && w[i] == '.'; half /= 2, ++i) len += half;
        if (i < w.size() && w[i] == 't') {
            len = len * 2 / 3;
            ++i;
        }
        total += len;
    } while (i < w.size() && w[i] == '~');
    return total;
}

// "!mf" or "!100": the loudness from here on.
int dynamic(const Score& sc, const std::string& w) {
    const std::string mark = w.substr(1);
    for (const Dynamic& d : DYNAMICS) {
        if (mark == d.mark) return d.velocity;
    }
    return integer(sc, mark, 1, 127, "dynamic");
}

// How long a note of `written` length sounds in its part.
uint32_t sounding(const PartInfo& p, uint32_t written, bool staccato) {
    const uint32_t len = staccato ? written / 2 : written * uint32_t(p.gate) / 100;
    return std::max<uint32_t>(len, 1);
}

// ---- the song's settings: meter, chords, parts ----

void read_title(Score& sc, const std::vector<std::string>& w) {
    sc.song.title.clear();
    for (size_t i = 1; i < w.size(); ++i) sc.song.title += (i > 1 ? " " : "") + w[i];
}

void read_meter(Score& sc, const std::string& s) {
    const size_t slash = s.find('/');
    if (slash == std::string::npos) fail(sc, "meter wants beats/unit, e.g. 6/8");
    sc.song.beats = integer(sc, s.substr(0, slash), 1, 32, "meter");
    sc.song.beat_unit = integer(sc, s.substr(slash + 1), 1, 32, "meter");
    if (WHOLE % uint32_t(sc.song.beat_unit) != 0 || (sc.song.beat_unit & (sc.song.beat_unit - 1)) != 0) {
        fail(sc, "meter unit must be 1, 2, 4, 8, 16 or 32");
    }
    sc.bar = WHOLE / uint32_t(sc.song.beat_unit) * uint32_t(sc.song.beats);
}

// "chord Dm d3 a3 d4 f4": a name (starting with a capital) for a set of keys.
void read_chord(Score& sc, const std::vector<std::string>& w) {
    if (w.size() < 3 || !std::isupper(uint8_t(w[1][0])))
        fail(sc, "chord wants a capitalised name and its notes");
    if (w[1].find_first_of("/'>") != std::string::npos) fail(sc, "a chord name cannot hold / ' or >");
    std::vector<int> keys;
    int octave = -1;
    for (size_t k = 2; k < w.size(); ++k) {
        size_t i = 0;
        keys.push_back(pitch(sc, w[k], i, octave));
        if (i != w[k].size()) fail(sc, "bad note '" + w[k] + "'");
    }
    sc.chords[w[1]] = keys;
}

// One "option value" pair of a part line.
void read_part_option(const Score& sc, PartInfo& p, const std::string& opt, const std::string& val) {
    if (opt == "channel") {
        p.midi.channel = integer(sc, val, 1, 16, "channel") - 1;
    } else if (opt == "program") {
        p.midi.program = integer(sc, val, 0, 127, "program");
    } else if (opt == "volume") {
        p.midi.volume = integer(sc, val, 0, 127, "volume");
    } else if (opt == "pan") {
        p.midi.pan = integer(sc, val, 0, 127, "pan");
    } else if (opt == "reverb") {
        p.midi.reverb = integer(sc, val, 0, 127, "reverb");
    } else if (opt == "chorus") {
        p.midi.chorus = integer(sc, val, 0, 127, "chorus");
    } else if (opt == "velocity") {
        p.velocity = integer(sc, val, 1, 127, "velocity");
    } else if (opt == "gate") {
        p.gate = integer(sc, val, 1, 100, "gate");
    } else {
        fail(sc, "unknown part option '" + opt + "'");
    }
}

// "part bass channel 2 program 33" or "kit drums channel 10": each on a
// channel of its own.
void read_part(Score& sc, const std::vector<std::string>& w) {
    if (w.size() < 2 || w.size() % 2 != 0) fail(sc, "part wants a name, then option value pairs");
    if (sc.parts.count(w[1])) fail(sc, "part '" + w[1] + "' declared twice");
    PartInfo p;
    p.kit = w[0] == "kit";
    p.midi.name = w[1];
    p.midi.channel = -1;
    for (size_t i = 2; i < w.size(); i += 2) read_part_option(sc, p, w[i], w[i + 1]);
    if (p.midi.channel < 0) fail(sc, "part '" + w[1] + "' needs a channel");
    if (p.kit != (p.midi.channel == DRUM_CHANNEL)) fail(sc, "drum kits, and only they, go on channel 10");
    for (const auto& [name, other] : sc.parts) {
        if (other.midi.channel == p.midi.channel)
            fail(sc, "parts '" + name + "' and '" + w[1] + "' share a channel");
    }
    sc.parts[w[1]] = p;
    sc.part_order.push_back(w[1]);
}

// ---- sections ----

// Every label of a section must fill the same whole number of bars.
void finish_section(Score& sc) {
    if (sc.current.empty()) return;
    Section& s = sc.sections[sc.current];
    for (const auto& [label, v] : s.voices) s.length = std::max(s.length, v.length);
    if (s.length == 0) fail(sc, "section '" + sc.current + "' is empty");
    if (s.length % sc.bar != 0) fail(sc, "section '" + sc.current + "' does not end on a bar line");
    for (const auto& [label, v] : s.voices) {
        if (v.length != s.length) {
            fail(sc, "in section '" + sc.current + "', '" + label + "' lasts " + beats(sc, v.length) +
                         " beats, the section " + beats(sc, s.length));
        }
    }
    sc.current.clear();
}

// "section verse from intro tempo 120": a new section, maybe starting as a
// copy of an earlier one.
void read_section(Score& sc, const std::vector<std::string>& w) {
    finish_section(sc);
    if (w.size() < 2) fail(sc, "section wants a name");
    if (sc.sections.count(w[1])) fail(sc, "section '" + w[1] + "' written twice");
    Section s;
    for (size_t i = 2; i < w.size(); i += 2) {
        if (i + 1 >= w.size()) fail(sc, "'" + w[i] + "' wants a value");
        if (w[i] == "from") {
            const auto base = sc.sections.find(w[i + 1]);
            if (base == sc.sections.end()) fail(sc, "no section '" + w[i + 1] + "' before this one");
            s.voices = base->second.voices;
        } else if (w[i] == "tempo") {
            s.tempo = number(sc, w[i + 1], 20, 400, "tempo");
        } else {
            fail(sc, "unknown section option '" + w[i] + "'");
        }
    }
    sc.current = w[1];
    sc.sections[sc.current] = s;
}

void read_play(Score& sc, const std::vector<std::string>& w) {
    finish_section(sc);
    sc.play.insert(sc.play.end(), w.begin() + 1, w.end());
}

// ---- the notes of a line ----

// The keys a note word strikes: none for a rest ("r"), a named chord
// ("Dm"), or pitches joined by '+' ("c4+e+g"). `i` is left after them.
std::vector<int> note_keys(const Score& sc, const std::string& word, size_t& i, int& octave) {
    std::vector<int> keys;
    if (word[0] == 'r') {
        i = 1;
    } else if (std::isupper(uint8_t(word[0]))) {
        i = std::min(word.find_first_of("/'>"), word.size());
        const auto chord = sc.chords.find(word.substr(0, i));
        if (chord == sc.chords.end()) fail(sc, "no chord '" + word.substr(0, i) + "'");
        keys = chord->second;
    } else {
        keys.push_back(pitch(sc, word, i, octave));
        while (i < word.size() && word[i] == '+') keys.push_back(pitch(sc, word, ++i, octave));
    }
    return keys;
}

// How a note is played: the marks that end its word, "'" for staccato and
// '>' (once or more) for an accent.
struct Touch {
    bool staccato = false;
    int velocity = 0;
};

Touch read_touch(const Score& sc, const std::string& word, size_t i, int velocity) {
    Touch t{false, velocity};
    for (; i < word.size(); ++i) {
        if (word[i] == '\'') {
            t.staccato = true;
        } else if (word[i] == '>') {
            t.velocity += ACCENT;
        } else {
            fail(sc, "cannot read '" + word + "'");
        }
    }
    return t;
}

// Words: notes and chords ("c4", "c4+e+g/2", "Dm/2", "r/8"), dynamics ("!mf"),
// bar lines ("|"). A duration holds until the next one is written.
void read_notes(const Score& sc, const PartInfo& p, const std::vector<std::string>& w, Voice& out,
                std::vector<uint32_t>& bar_lines) {
    uint32_t dur = WHOLE / 4;
    int octave = -1;
    int velocity = p.velocity;
    for (size_t k = 1; k < w.size(); ++k) {
        const std::string& word = w[k];
        if (word == "|") {
            bar_lines.push_back(out.length);
            continue;
        }
        if (word[0] == '!') {
            velocity = dynamic(sc, word);
            continue;
        }
        size_t i = 0;
        std::vector<int> keys = note_keys(sc, word, i, octave);
        if (i < word.size() && word[i] == '/') dur = duration(sc, word, i);
        const Touch touch = read_touch(sc, word, i, velocity);
        std::sort(keys.begin(), keys.end());
        if (std::adjacent_find(keys.begin(), keys.end()) != keys.end())
            fail(sc, "a key twice in '" + word + "'");
        for (int key : keys) {
            out.notes.push_back(
                {out.length, sounding(p, dur, touch.staccato), key, std::clamp(touch.velocity, 1, 127)});
        }
        out.length += dur;
    }
}

// The key of a kit instrument, by name ("snare") or by number.
int drum_key(const Score& sc, const std::string& name) {
    int key = -1;
    for (const DrumName& d : DRUMS) {
        if (name == d.name) key = d.key;
    }
    if (key < 0) key = integer(sc, name, 27, 87, "drum");
    return key;
}

// A whole word "/16" or the "/16" after an instrument: the length of a step.
uint32_t drum_step(const Score& sc, const std::string& word, size_t from) {
    size_t i = from;
    const uint32_t step = duration(sc, word, i);
    if (i != word.size()) fail(sc, "cannot read '" + word + "'");
    return step;
}

// "kick/16 x...x...": one step per character: x a hit, X an accented
// hit, g a ghost (soft) hit, '.' or '-' nothing; '|' checks a bar line.
// A word "/N" changes the step from there on.
void read_drums(const Score& sc, const PartInfo& p, const std::vector<std::string>& w, Voice& out,
                std::vector<uint32_t>& bar_lines) {
    const std::string& inst = w[1];
    const size_t slash = inst.find('/');
    const int key = drum_key(sc, inst.substr(0, slash));
    uint32_t step = slash != std::string::npos ? drum_step(sc, inst, slash) : WHOLE / 16;
    int velocity = p.velocity;
    for (size_t k = 2; k < w.size(); ++k) {
        const std::string& word = w[k];
        if (word[0] == '!') {
            velocity = dynamic(sc, word);
            continue;
        }
        if (word[0] == '/') {
            step = drum_step(sc, word, 0);
            continue;
        }
        for (char c : word) {
            int vel = 0;
            switch (c) {
                case 'x':
                    vel = velocity;
                    break;
                case 'X':
                    vel = velocity + ACCENT;
                    break;
                case 'g':
                    vel = velocity / 2;
                    break;
                case '.':
                case '-':
                    break;
                case '|':
                    bar_lines.push_back(out.length);
                    continue;
                default:
                    fail(sc, std::string("cannot read '") + c + "' in '" + word + "'");
            }
            if (vel > 0)
                out.notes.push_back({out.length, sounding(p, step, false), key, std::clamp(vel, 1, 127)});
            out.length += step;
        }
    }
}

// Adds a line's phrase `repeat` times to the end of voice `v`, each bar line
// written in it landing on the meter's grid.
void append_phrase(const Score& sc, Voice& v, const std::string& label, const Voice& phrase,
                   const std::vector<uint32_t>& bar_lines, int repeat) {
    for (int r = 0; r < repeat; ++r) {
        for (uint32_t at : bar_lines) {
            if ((v.length + at) % sc.bar != 0) {
                fail(sc, "bar line " + beats(sc, v.length + at) + " beats into '" + label +
                             "' is off the beat grid");
            }
        }
        for (MidiNote n : phrase.notes) {
            n.start += v.length;
            v.notes.push_back(n);
        }
        v.length += phrase.length;
    }
}

// "name" or "name*count": the line's notes are written `count` times.
void read_voice_line(Score& sc, const std::vector<std::string>& w) {
    std::string name = w[0];
    int repeat = 1;
    const size_t star = name.find('*');
    if (star != std::string::npos) {
        repeat = integer(sc, name.substr(star + 1), 1, 256, "repeat count");
        name.resize(star);
    }
    const auto part = sc.parts.find(name);
    if (part == sc.parts.end()) fail(sc, "unknown keyword or part '" + name + "'");
    if (sc.current.empty()) fail(sc, "notes outside a section");
    const PartInfo& p = part->second;
    // a kit's instruments are voices of their own: "drums kick"
    std::string label = name;
    if (p.kit) {
        if (w.size() < 2) fail(sc, "a kit line wants an instrument");
        label += " " + w[1].substr(0, w[1].find('/'));
    }
    Section& s = sc.sections[sc.current];
    if (s.written.insert(label).second) s.voices[label] = Voice{name, {}, 0};

    Voice phrase;
    std::vector<uint32_t> bar_lines;
    if (p.kit) {
        read_drums(sc, p, w, phrase, bar_lines);
    } else {
        read_notes(sc, p, w, phrase, bar_lines);
    }
    append_phrase(sc, s.voices[label], label, phrase, bar_lines, repeat);
}

// One line of the score, by its first word.
void read_line(Score& sc, const std::vector<std::string>& w) {
    const std::string& key = w[0];
    if (key == "title") {
        read_title(sc, w);
    } else if (key == "tempo" && w.size() == 2) {
        sc.tempo = number(sc, w[1], 20, 400, "tempo");
    } else if (key == "meter" && w.size() == 2) {
        read_meter(sc, w[1]);
    } else if (key == "chord") {
        read_chord(sc, w);
    } else if (key == "part" || key == "kit") {
        read_part(sc, w);
    } else if (key == "section") {
        read_section(sc, w);
    } else if (key == "play") {
        read_play(sc, w);
    } else {
        read_voice_line(sc, w);
    }
}

// ---- the song ----

// A key struck again on its channel while still held would be cut short
// by the first note's release.
void check_overlaps(const Score& sc, MidiPart& p) {
    std::stable_sort(p.notes.begin(), p.notes.end(), [](const MidiNote& a, const MidiNote& b) {
        return a.start != b.start ? a.start < b.start : a.key < b.key;
    });
    std::map<int, uint32_t> held_until;
    for (const MidiNote& n : p.notes) {
        if (n.start < held_until[n.key]) {
            fail(sc, "part '" + p.name + "' strikes key " + std::to_string(n.key) +
                         " again while it sounds, in bar " + std::to_string(n.start / sc.bar + 1));
        }
        held_until[n.key] = n.start + n.length;
    }
}

// Lays the sections end to end in the order of the play lines, each part's
// notes on its own track, and changes tempo where a section asks to.
Song play_sections(Score& sc) {
    if (sc.tempo <= 0.0) fail(sc, "no tempo");
    if (sc.play.empty()) fail(sc, "no play line");
    Song& song = sc.song;
    song.tempos.push_back({0, sc.tempo});
    std::map<std::string, size_t> index;
    for (const std::string& name : sc.part_order) {
        index[name] = song.parts.size();
        song.parts.push_back(sc.parts[name].midi);
    }
    uint32_t at = 0;
    for (const std::string& name : sc.play) {
        const auto s = sc.sections.find(name);
        if (s == sc.sections.end()) fail(sc, "play names an unknown section '" + name + "'");
        if (s->second.tempo > 0.0) {
            if (at == 0) {
                song.tempos[0].bpm = s->second.tempo;
            } else {
                song.tempos.push_back({at, s->second.tempo});
            }
        }
        for (const auto& [label, v] : s->second.voices) {
            for (MidiNote n : v.notes) {
                n.start += at;
                song.parts[index[v.part]].notes.push_back(n);
            }
        }
        at += s->second.length;
    }
    song.length = at;
    for (MidiPart& p : song.parts) check_overlaps(sc, p);
    return song;
}

}  // namespace

Song parse_score(const std::string& text, const std::string& where) {
    Score sc;
    sc.where = where;
    std::istringstream in(text);
    std::string line;
    while (std::getline(in, line)) {
        ++sc.line_no;
        const std::vector<std::string> w = split(line);
        if (!w.empty()) read_line(sc, w);
    }
    finish_section(sc);
    sc.line_no = 0;
    return play_sections(sc);
}

}  // namespace forge
