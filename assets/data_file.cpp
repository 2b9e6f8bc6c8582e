// Data files from the player's folder: the regular-file rule and the checks of
// a MIDI file's and a WAV file's structure.
#include "assets/data_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>

namespace {

// Opens read-only without blocking (a named pipe with no writer would block
// a plain open), then keeps the descriptor only for a regular file.
int open_regular(const char* path, struct stat* st) {
    const int fd = open(path, O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return -1;
    if (fstat(fd, st) != 0 || !S_ISREG(st->st_mode)) {
        close(fd);
        return -1;
    }
    fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    return fd;
}

// A standard MIDI file, read front to back; every read is bounds-checked.
struct MidiReader {
    const Uint8* at;
    const Uint8* end;

    size_t left() const { return size_t(end - at); }
    bool take(size_t n) {
        if (left() < n) return false;
        at += n;
        return true;
    }
    bool byte(Uint8* b) {
        if (at == end) return false;
        *b = *at++;
        return true;
    }
    bool u16(Uint32* v) {
        if (left() < 2) return false;
        *v = Uint32(at[0]) << 8 | at[1];
        at += 2;
        return true;
    }
    bool u32(Uint32* v) {
        if (left() < 4) return false;
        *v = Uint32(at[0]) << 24 | Uint32(at[1]) << 16 | Uint32(at[2]) << 8 | at[3];
        at += 4;
        return true;
    }
    // A variable-length quantity: at most four bytes of seven bits.
    bool vlq(Uint32* v) {
        *v = 0;
        for (int i = 0; i < 4; ++i) {
            Uint8 b;
            if (!byte(&b)) return false;
            *v = *v << 7 | (b & 0x7f);
            if (!(b & 0x80)) return true;
        }
        return false;
    }
    bool tag(const char* four) {
        if (left() < 4 || std::memcmp(at, four, 4) != 0) return false;
        at += 4;
        return true;
    }
};

// Data bytes that follow a channel status (0x80..0xEF).
int channel_data_bytes(Uint8 status) {
    const Uint8 kind = status & 0xf0;
    return kind == 0xc0 || kind == 0xd0 ? 1 : 2;
}

// Meta events whose length the standard fixes; -1 for any length.
int meta_length(Uint8 type) {
    switch (type) {
        case 0x00:  // sequence number
            return 2;
        case 0x20:  // channel prefix
            return 1;
        case 0x2f:  // end of track
            return 0;
        case 0x51:  // tempo
            return 3;
        case 0x54:  // SMPTE offset
            return 5;
        case 0x58:  // time signature
            return 4;
        case 0x59:  // key signature
            return 2;
        default:
            return -1;
    }
}

// One event after its delta time; *ended is set by the end-of-track mark.
bool midi_event(MidiReader* r, Uint8* running, bool* ended) {
    Uint8 status;
    if (!r->byte(&status)) return false;
    if (status < 0x80) {  // running status: the byte was the first data byte
        if (*running == 0) return false;
        r->at -= 1;
        status = *running;
    }
    if (status < 0xf0) {
        *running = status;
        for (int i = 0; i < channel_data_bytes(status); ++i) {
            Uint8 data;
            if (!r->byte(&data) || data >= 0x80) return false;
        }
        return true;
    }
    *running = 0;  // system and meta events cancel running status
    Uint32 length;
    if (status == 0xf0 || status == 0xf7) return r->vlq(&length) && r->take(length);
    if (status != 0xff) return false;  // real-time and common messages do not belong in a file
    Uint8 type;
    if (!r->byte(&type) || type >= 0x80 || !r->vlq(&length)) return false;
    const int fixed = meta_length(type);
    if (fixed >= 0 && length != Uint32(fixed)) return false;
    *ended = type == 0x2f;
    return r->take(length);
}

bool midi_track(const Uint8* data, size_t size) {
    MidiReader r{data, data + size};
    Uint8 running = 0;
    bool ended = false;
    while (!ended) {
        Uint32 delta;
        if (!r.vlq(&delta) || !midi_event(&r, &running, &ended)) return false;
    }
    return true;
}

}  // namespace

SDL_RWops* open_data_file(const char* path) {
    struct stat st;
    const int fd = open_regular(path, &st);
    if (fd < 0) return nullptr;
    FILE* file = fdopen(fd, "rb");
    if (!file) {
        close(fd);
        return nullptr;
    }
    SDL_RWops* rw = SDL_RWFromFP(file, 1);
    if (!rw) std::fclose(file);
    return rw;
}

bool read_data_file(const char* path, size_t max_bytes, std::vector<Uint8>* bytes) {
    struct stat st;
    const int fd = open_regular(path, &st);
    if (fd < 0) return false;
    bool ok = st.st_size >= 0 && size_t(st.st_size) <= max_bytes;
    if (ok) {
        bytes->resize(size_t(st.st_size));
        size_t got = 0;
        while (ok && got < bytes->size()) {
            const ssize_t n = read(fd, bytes->data() + got, bytes->size() - got);
            ok = n > 0;
            if (ok) got += size_t(n);
        }
    }
    close(fd);
    return ok;
}

bool midi_is_whole(const Uint8* data, size_t size) {
    constexpr Uint32 HEADER_LENGTH = 6;
    constexpr Uint32 MAX_TRACKS = 256;  // our pieces have a handful
    MidiReader r{data, data + size};
    Uint32 length, format, tracks, division;
    if (!r.tag("MThd") || !r.u32(&length) || length < HEADER_LENGTH) return false;
    if (!r.u16(&format) || !r.u16(&tracks) || !r.u16(&division) || !r.take(length - HEADER_LENGTH)) {
        return false;
    }
    if (format > 1 || tracks == 0 || tracks > MAX_TRACKS || (format == 0 && tracks != 1)) return false;
    if (division == 0 || division & 0x8000) return false;  // ticks per beat only, as the synthesiser needs
    Uint32 found = 0;
    while (found < tracks) {
        Uint32 chunk;
        const bool is_track = r.tag("MTrk");
        if (!is_track && !r.take(4)) return false;  // a chunk of another kind is skipped
        if (!r.u32(&chunk) || chunk > r.left()) return false;
        if (is_track) {
            if (!midi_track(r.at, chunk)) return false;
            found += 1;
        }
        r.at += chunk;
    }
    return true;
}

bool wav_is_whole(const Uint8* data, size_t size) {
    constexpr size_t RIFF_HEADER = 12;
    constexpr size_t CHUNK_HEADER = 8;
    if (size < RIFF_HEADER || std::memcmp(data, "RIFF", 4) != 0 || std::memcmp(data + 8, "WAVE", 4) != 0) {
        return false;
    }
    auto le32 = [](const Uint8* p) {
        return Uint32(p[0]) | Uint32(p[1]) << 8 | Uint32(p[2]) << 16 | Uint32(p[3]) << 24;
    };
    bool format = false;
    size_t at = RIFF_HEADER;
    while (size - at >= CHUNK_HEADER) {
        const Uint32 chunk = le32(data + at + 4);
        if (chunk > size - at - CHUNK_HEADER) return false;  // cut off inside this chunk
        if (std::memcmp(data + at, "fmt ", 4) == 0) format = true;
        // The sound ends with its samples: what follows is not played.
        if (std::memcmp(data + at, "data", 4) == 0) return format;
        at += CHUNK_HEADER + chunk + (chunk & 1);  // chunks are padded to even sizes
        if (at > size) return false;
    }
    return false;
}
