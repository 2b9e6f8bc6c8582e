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

class Reader {
  public:
    explicit Reader(std::string where) : where_(std::move(where)) {}

    Song read(const std::string& text) {
        std::istringstream in(text);
        std::string line;
        while (std::getline(in, line)) {
            ++line_no_;
            const std::vector<std::string> w = split(line);
            if (!w.empty()) read_line(w);
        }
        finish_section();
        line_no_ = 0;
        return build();
    }

  private:
    std::string where_;
    int line_no_ = 0;
    Song song_;
    double tempo_ = 0.0;
    uint32_t bar_ = WHOLE;
    std::map<std::string, PartInfo> parts_;
    std::vector<std::string> part_order_;
    std::map<std::string, Section> sections_;
    std::map<std::string, std::vector<int>> chords_;  // named chords, e.g. "Dm" -> d3 a3 d4 f4
    std::string current_;                             // section being written, empty outside one
    std::vector<std::string> play_;

    [[noreturn]] void fail(const std::string& msg) const {
        const std::string at = line_no_ > 0 ? ":" + std::to_string(line_no_) : "";
        throw std::runtime_error(where_ + at + ": " + msg);
    }

    double number(const std::string& s, double lo, double hi, const char* what) const {
        size_t used = 0;
        double v = 0.0;
        try {
            v = std::stod(s, &used);
        } catch (const std::exception&) {
            used = 0;
        }
        if (used != s.size() || v < lo || v > hi) {
            fail(std::string("bad ") + what + " '" + s + "'");
        }
        return v;
    }
    int integer(const std::string& s, int lo, int hi, const char* what) const {
        const double v = number(s, lo, hi, what);
        if (v != double(int(v))) fail(std::string("bad ") + what + " '" + s + "'");
        return int(v);
    }

    void read_line(const std::vector<std::string>& w) {
        const std::string& key = w[0];
        if (key == "title") {
            song_.title.clear();
            for (size_t i = 1; i < w.size(); ++i) song_.title += (i > 1 ? " " : "") + w[i];
        } else if (key == "tempo" && w.size() == 2) {
            tempo_ = number(w[1], 20, 400, "tempo");
        } else if (key == "meter" && w.size() == 2) {
            read_meter(w[1]);
        } else if (key == "chord") {
            read_chord(w);
        } else if (key == "part" || key == "kit") {
            read_part(w);
        } else if (key == "section") {
            read_section(w);
        } else if (key == "play") {
            finish_section();
            play_.insert(play_.end(), w.begin() + 1, w.end());
        } else {
            read_voice_line(w);
        }
    }

    void read_meter(const std::string& s) {
        const size_t slash = s.find('/');
        if (slash == std::string::npos) fail("meter wants beats/unit, e.g. 6/8");
        song_.beats = integer(s.substr(0, slash), 1, 32, "meter");
        song_.beat_unit = integer(s.substr(slash + 1), 1, 32, "meter");
        if (WHOLE % uint32_t(song_.beat_unit) != 0 || (song_.beat_unit & (song_.beat_unit - 1)) != 0) {
            fail("meter unit must be 1, 2, 4, 8, 16 or 32");
        }
        bar_ = WHOLE / uint32_t(song_.beat_unit) * uint32_t(song_.beats);
    }

    // "chord Dm d3 a3 d4 f4": a name (starting with a capital) for a set of keys.
    void read_chord(const std::vector<std::string>& w) {
        if (w.size() < 3 || !std::isupper(uint8_t(w[1][0])))
            fail("chord wants a capitalised name and its notes");
        if (w[1].find_first_of("/'>") != std::string::npos) fail("a chord name cannot hold / ' or >");
        std::vector<int> keys;
        int octave = -1;
        for (size_t k = 2; k < w.size(); ++k) {
            size_t i = 0;
            keys.push_back(pitch(w[k], i, octave));
            if (i != w[k].size()) fail("bad note '" + w[k] + "'");
        }
        chords_[w[1]] = keys;
    }

    void read_part(const std::vector<std::string>& w) {
        if (w.size() < 2 || w.size() % 2 != 0) fail("part wants a name, then option value pairs");
        if (parts_.count(w[1])) fail("part '" + w[1] + "' declared twice");
        PartInfo p;
        p.kit = w[0] == "kit";
        p.midi.name = w[1];
        p.midi.channel = -1;
        for (size_t i = 2; i < w.size(); i += 2) {
            const std::string& opt = w[i];
            const std::string& val = w[i + 1];
            if (opt == "channel") {
                p.midi.channel = integer(val, 1, 16, "channel") - 1;
            } else if (opt == "program") {
                p.midi.program = integer(val, 0, 127, "program");
            } else if (opt == "volume") {
                p.midi.volume = integer(val, 0, 127, "volume");
            } else if (opt == "pan") {
                p.midi.pan = integer(val, 0, 127, "pan");
            } else if (opt == "reverb") {
                p.midi.reverb = integer(val, 0, 127, "reverb");
            } else if (opt == "chorus") {
                p.midi.chorus = integer(val, 0, 127, "chorus");
            } else if (opt == "velocity") {
                p.velocity = integer(val, 1, 127, "velocity");
            } else if (opt == "gate") {
                p.gate = integer(val, 1, 100, "gate");
            } else {
                fail("unknown part option '" + opt + "'");
            }
        }
        if (p.midi.channel < 0) fail("part '" + w[1] + "' needs a channel");
        if (p.kit != (p.midi.channel == DRUM_CHANNEL)) fail("drum kits, and only they, go on channel 10");
        for (const auto& [name, other] : parts_) {
            if (other.midi.channel == p.midi.channel)
                fail("parts '" + name + "' and '" + w[1] + "' share a channel");
        }
        parts_[w[1]] = p;
        part_order_.push_back(w[1]);
    }

    void read_section(const std::vector<std::string>& w) {
        finish_section();
        if (w.size() < 2) fail("section wants a name");
        if (sections_.count(w[1])) fail("section '" + w[1] + "' written twice");
        Section s;
        for (size_t i = 2; i < w.size(); i += 2) {
            if (i + 1 >= w.size()) fail("'" + w[i] + "' wants a value");
            if (w[i] == "from") {
                const auto base = sections_.find(w[i + 1]);
                if (base == sections_.end()) fail("no section '" + w[i + 1] + "' before this one");
                s.voices = base->second.voices;
            } else if (w[i] == "tempo") {
                s.tempo = number(w[i + 1], 20, 400, "tempo");
            } else {
                fail("unknown section option '" + w[i] + "'");
            }
        }
        current_ = w[1];
        sections_[current_] = s;
    }

    // Every label of a section must fill the same whole number of bars.
    void finish_section() {
        if (current_.empty()) return;
        Section& s = sections_[current_];
        for (const auto& [label, v] : s.voices) s.length = std::max(s.length, v.length);
        if (s.length == 0) fail("section '" + current_ + "' is empty");
        if (s.length % bar_ != 0) fail("section '" + current_ + "' does not end on a bar line");
        for (const auto& [label, v] : s.voices) {
            if (v.length != s.length) {
                fail("in section '" + current_ + "', '" + label + "' lasts " + beats(v.length) +
                     " beats, the section " + beats(s.length));
            }
        }
        current_.clear();
    }

    std::string beats(uint32_t ticks) const {
        std::ostringstream o;
        o << double(ticks) / double(WHOLE / uint32_t(song_.beat_unit));
        return o.str();
    }

    // "name" or "name*count": the line's notes are written `count` times.
    void read_voice_line(const std::vector<std::string>& w) {
        std::string name = w[0];
        int repeat = 1;
        const size_t star = name.find('*');
        if (star != std::string::npos) {
            repeat = integer(name.substr(star + 1), 1, 256, "repeat count");
            name.resize(star);
        }
        const auto part = parts_.find(name);
        if (part == parts_.end()) fail("unknown keyword or part '" + name + "'");
        if (current_.empty()) fail("notes outside a section");
        const PartInfo& p = part->second;
        std::string label = name;
        if (p.kit) {
            if (w.size() < 2) fail("a kit line wants an instrument");
            label += " " + w[1].substr(0, w[1].find('/'));
        }
        Section& s = sections_[current_];
        if (s.written.insert(label).second) s.voices[label] = Voice{name, {}, 0};
        Voice& v = s.voices[label];

        Voice phrase;
        std::vector<uint32_t> bar_lines;
        if (p.kit) {
            read_drums(p, w, phrase, bar_lines);
        } else {
            read_notes(p, w, phrase, bar_lines);
        }
        for (int r = 0; r < repeat; ++r) {
            for (uint32_t at : bar_lines) {
                if ((v.length + at) % bar_ != 0) {
                    fail("bar line " + beats(v.length + at) + " beats into '" + label +
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

    uint32_t sounding(const PartInfo& p, uint32_t written, bool staccato) const {
        const uint32_t len = staccato ? written / 2 : written * uint32_t(p.gate) / 100;
        return std::max<uint32_t>(len, 1);
    }

    int dynamic(const std::string& w) const {
        const std::string mark = w.substr(1);
        for (const Dynamic& d : DYNAMICS) {
            if (mark == d.mark) return d.velocity;
        }
        return integer(mark, 1, 127, "dynamic");
    }

    // "/4", "/8.", "/8t", "/2~8": whole-note fractions, dotted, triplet, tied.
    uint32_t duration(const std::string& w, size_t& i) const {
        uint32_t total = 0;
        do {
            ++i;  // past '/' or '~'
            size_t digits = i;
            while (digits < w.size() && std::isdigit(uint8_t(w[digits]))) ++digits;
            if (digits == i) fail("a duration wants a number in '" + w + "'");
            const int n = integer(w.substr(i, digits - i), 1, 64, "duration");
            if ((n & (n - 1)) != 0) fail("durations are 1, 2, 4, 8, 16, 32 or 64 in '" + w + "'");
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

    // A pitch such as "c4", "f#", "bb3"; the octave may be left out to keep
    // the previous one (middle C is c4).
    int pitch(const std::string& w, size_t& i, int& octave) const {
        static const int STEPS[7] = {9, 11, 0, 2, 4, 5, 7};  // a b c d e f g
        const char letter = w[i];
        if (letter < 'a' || letter > 'g') fail("bad note '" + w + "'");
        int key = STEPS[letter - 'a'];
        ++i;
        for (; i < w.size() && (w[i] == '#' || w[i] == 'b'); ++i) key += w[i] == '#' ? 1 : -1;
        if (i < w.size() && std::isdigit(uint8_t(w[i]))) {
            octave = w[i] - '0';
            ++i;
        }
        if (octave < 0) fail("the first note of a line needs its octave, in '" + w + "'");
        key += 12 * (octave + 1);
        if (key < 0 || key > 127) fail("note out of range in '" + w + "'");
        return key;
    }

    // Words: notes and chords ("c4", "c4+e+g/2", "Dm/2", "r/8"), dynamics ("!mf"),
    // bar lines ("|"). A duration holds until the next one is written.
    void read_notes(const PartInfo& p, const std::vector<std::string>& w, Voice& out,
                    std::vector<uint32_t>& bar_lines) const {
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
                velocity = dynamic(word);
                continue;
            }
            std::vector<int> keys;
            size_t i = 0;
            if (word[0] == 'r') {
                i = 1;
            } else if (std::isupper(uint8_t(word[0]))) {
                i = std::min(word.find_first_of("/'>"), word.size());
                const auto chord = chords_.find(word.substr(0, i));
                if (chord == chords_.end()) fail("no chord '" + word.substr(0, i) + "'");
                keys = chord->second;
            } else {
                keys.push_back(pitch(word, i, octave));
                while (i < word.size() && word[i] == '+') keys.push_back(pitch(word, ++i, octave));
            }
            if (i < word.size() && word[i] == '/') dur = duration(word, i);
            bool staccato = false;
            int vel = velocity;
            for (; i < word.size(); ++i) {
                if (word[i] == '\'') {
                    staccato = true;
                } else if (word[i] == '>') {
                    vel += ACCENT;
                } else {
                    fail("cannot read '" + word + "'");
                }
            }
            std::sort(keys.begin(), keys.end());
            if (std::adjacent_find(keys.begin(), keys.end()) != keys.end())
                fail("a key twice in '" + word + "'");
            for (int key : keys) {
                out.notes.push_back({out.length, sounding(p, dur, staccato), key, std::clamp(vel, 1, 127)});
            }
            out.length += dur;
        }
    }

    // "kick/16 x...x...": one step per character: x a hit, X an accented
    // hit, g a ghost (soft) hit, '.' or '-' nothing; '|' checks a bar line.
    // A word "/N" changes the step from there on.
    void read_drums(const PartInfo& p, const std::vector<std::string>& w, Voice& out,
                    std::vector<uint32_t>& bar_lines) const {
        const std::string& inst = w[1];
        const size_t slash = inst.find('/');
        const std::string name = inst.substr(0, slash);
        int key = -1;
        for (const DrumName& d : DRUMS) {
            if (name == d.name) key = d.key;
        }
        if (key < 0) key = integer(name, 27, 87, "drum");
        uint32_t step = WHOLE / 16;
        if (slash != std::string::npos) {
            size_t i = slash;
            step = duration(inst, i);
            if (i != inst.size()) fail("cannot read '" + inst + "'");
        }
        int velocity = p.velocity;
        for (size_t k = 2; k < w.size(); ++k) {
            const std::string& word = w[k];
            if (word[0] == '!') {
                velocity = dynamic(word);
                continue;
            }
            if (word[0] == '/') {
                size_t i = 0;
                step = duration(word, i);
                if (i != word.size()) fail("cannot read '" + word + "'");
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
                        fail(std::string("cannot read '") + c + "' in '" + word + "'");
                }
                if (vel > 0)
                    out.notes.push_back({out.length, sounding(p, step, false), key, std::clamp(vel, 1, 127)});
                out.length += step;
            }
        }
    }

    Song build() {
        if (tempo_ <= 0.0) fail("no tempo");
        if (play_.empty()) fail("no play line");
        song_.tempos.push_back({0, tempo_});
        std::map<std::string, size_t> index;
        for (const std::string& name : part_order_) {
            index[name] = song_.parts.size();
            song_.parts.push_back(parts_[name].midi);
        }
        uint32_t at = 0;
        for (const std::string& name : play_) {
            const auto s = sections_.find(name);
            if (s == sections_.end()) fail("play names an unknown section '" + name + "'");
            if (s->second.tempo > 0.0) {
                if (at == 0) {
                    song_.tempos[0].bpm = s->second.tempo;
                } else {
                    song_.tempos.push_back({at, s->second.tempo});
                }
            }
            for (const auto& [label, v] : s->second.voices) {
                for (MidiNote n : v.notes) {
                    n.start += at;
                    song_.parts[index[v.part]].notes.push_back(n);
                }
            }
            at += s->second.length;
        }
        song_.length = at;
        for (MidiPart& p : song_.parts) check_overlaps(p);
        return song_;
    }

    // A key struck again on its channel while still held would be cut short
    // by the first note's release.
    void check_overlaps(MidiPart& p) const {
        std::stable_sort(p.notes.begin(), p.notes.end(), [](const MidiNote& a, const MidiNote& b) {
            return a.start != b.start ? a.start < b.start : a.key < b.key;
        });
        std::map<int, uint32_t> held_until;
        for (const MidiNote& n : p.notes) {
            if (n.start < held_until[n.key]) {
                fail("part '" + p.name + "' strikes key " + std::to_string(n.key) +
                     " again while it sounds, in bar " + std::to_string(n.start / bar_ + 1));
            }
            held_until[n.key] = n.start + n.length;
        }
    }
};

}  // namespace

Song parse_score(const std::string& text, const std::string& where) {
    return Reader(where).read(text);
}

}  // namespace forge
