// Sound catalogue: loads the game's sound effects and music.
#include "assets/sound_bank.h"

#include <sys/stat.h>

#include <cstdio>
#include <cstring>
#include <vector>

#include "assets/data_file.h"

namespace {

constexpr size_t MAX_MUSIC_BYTES = 1 << 20;   // our longest piece is a few dozen kilobytes
constexpr size_t MAX_BANK_BYTES = 64 << 20;   // ours is under 2 MB
constexpr size_t MAX_SOUND_BYTES = 16 << 20;  // our longest effect is a few hundred kilobytes

uint32_t le32(const uint8_t* p) {
    return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
}

// The preset data's chunks in their fixed order, with their record sizes.
struct HydraChunk {
    const char* id;
    uint32_t record;
};
constexpr HydraChunk HYDRA[] = {{"phdr", 38}, {"pbag", 4},  {"pmod", 10}, {"pgen", 4}, {"inst", 22},
                                {"ibag", 4},  {"imod", 10}, {"igen", 4},  {"shdr", 46}};

// Finds the LIST chunk of `type` among the chunks in [at, end); its body
// (after the type) goes to body/body_end.
bool find_list(const std::vector<uint8_t>& f, size_t at, size_t end, const char* type, size_t& body,
               size_t& body_end) {
    while (at + 8 <= end) {
        const size_t size = le32(&f[at + 4]);
        if (size > end - at - 8) return false;
        if (std::memcmp(&f[at], "LIST", 4) == 0 && size >= 4 && std::memcmp(&f[at + 8], type, 4) == 0) {
            body = at + 12;
            body_end = at + 8 + size;
            return true;
        }
        at += 8 + size + (size & 1);
    }
    return false;
}

template <typename T>
void release(T*& handle, void (*free_fn)(T*)) {
    if (handle) free_fn(handle);
    handle = nullptr;
}

void release_sounds(SoundBank* b) {
    Mix_HaltMusic();  // a piece must not be freed while it plays
    Mix_Chunk** chunks[] = {&b->laser,  &b->exp16,         &b->exp64,       &b->smallbullet,
                            &b->beep,   &b->shieldsarelow, &b->hpup,        &b->speedup,
                            &b->absorb, &b->bosscoming,    &b->largebullet, &b->rocket};
    for (Mix_Chunk** c : chunks) release(*c, Mix_FreeChunk);
    Mix_Music** pieces[] = {&b->level1, &b->title,  &b->gameover, &b->lvl1boss, &b->story,
                            &b->story2, &b->level2, &b->level3,   &b->level4,   &b->victory};
    for (Mix_Music** m : pieces) release(*m, Mix_FreeMusic);
}

}  // namespace

bool is_instrument_bank(const char* path) {
    std::vector<uint8_t> f;
    // a folder or a named pipe in its place is no bank (and must not block)
    return read_data_file(path, MAX_BANK_BYTES, &f) && instrument_bank_is_whole(f);
}

bool instrument_bank_is_whole(const std::vector<uint8_t>& f) {
    if (f.size() < 12 || std::memcmp(f.data(), "RIFF", 4) != 0 || std::memcmp(&f[8], "sfbk", 4) != 0)
        return false;
    if (le32(&f[4]) != f.size() - 8) return false;  // cut short, or something appended
    size_t body = 0, end = 0;
    if (!find_list(f, 12, f.size(), "INFO", body, end)) return false;
    if (!find_list(f, 12, f.size(), "sdta", body, end)) return false;
    if (!find_list(f, 12, f.size(), "pdta", body, end)) return false;
    for (const HydraChunk& c : HYDRA) {
        // each chunk holds at least its closing record
        if (body + 8 > end || std::memcmp(&f[body], c.id, 4) != 0) return false;
        const uint32_t size = le32(&f[body + 4]);
        if (size > end - body - 8 || size < c.record || size % c.record != 0) return false;
        body += 8 + size;
    }
    return true;
}

bool use_instrument_bank() {
    // The synthesiser only checks that the file opens; a damaged bank would
    // make every piece fail to load, and the game would play no music at all.
    if (!is_instrument_bank(INSTRUMENT_BANK_FILE)) {
        std::fprintf(stderr,
                     "cloudpiercer: \"%s\" is missing or damaged; the music uses the system's instruments\n",
                     INSTRUMENT_BANK_FILE);
        return false;
    }
    Mix_SetSoundFonts(INSTRUMENT_BANK_FILE);
    return true;
}

Mix_Chunk* load_chunk(const char* path) {
    // Read whole and checked first, so that a damaged effect is left out the
    // same way on either SDL library.
    std::vector<Uint8> bytes;
    if (!read_data_file(path, MAX_SOUND_BYTES, &bytes) || !wav_is_whole(bytes.data(), bytes.size())) {
        return nullptr;
    }
    return Mix_LoadWAV_RW(SDL_RWFromConstMem(bytes.data(), int(bytes.size())), 1);
}

Mix_Music* load_music(const char* path) {
    std::vector<Uint8> bytes;
    if (!read_data_file(path, MAX_MUSIC_BYTES, &bytes)) {
        // Missing (or a folder, a pipe): silent, as designed. A plain file
        // that is too big to be one of ours is as good as damaged.
        struct stat st;
        if (stat(path, &st) != 0 || !S_ISREG(st.st_mode)) return nullptr;
        bytes.clear();
    }
    if (!midi_is_whole(bytes.data(), bytes.size())) {
        // The synthesiser would accept it and complain on every loop.
        std::fprintf(stderr, "cloudpiercer: music \"%s\" is damaged; playing on without it\n", path);
        return nullptr;
    }
    return Mix_LoadMUS(path);
}

void load_sounds(SoundBank* b) {
    // A restart after a game over loads everything again: free the old first.
    release_sounds(b);

    // clang-format off
    b->bosscoming    = load_chunk("wav/bosscoming.wav");
    b->absorb        = load_chunk("wav/absorb.wav");
    b->laser         = load_chunk("wav/laser.wav");
    b->hpup          = load_chunk("wav/hpup.wav");
    b->speedup       = load_chunk("wav/speedup.wav");
    b->shieldsarelow = load_chunk("wav/shieldsarelow.wav");
    b->exp16         = load_chunk("wav/exp16.wav");
    b->exp64         = load_chunk("wav/exp64.wav");
    b->smallbullet   = load_chunk("wav/smallbullet.wav");
    b->largebullet   = load_chunk("wav/largebullet.wav");
    b->rocket        = load_chunk("wav/rocket.wav");
    b->beep          = load_chunk("wav/beep.wav");

    b->level1   = load_music("midi/level1.mid");
    b->level2   = load_music("midi/level2.mid");
    b->level3   = load_music("midi/level3.mid");
    b->level4   = load_music("midi/level4.mid");
    b->victory  = load_music("midi/victory.mid");
    b->title    = load_music("midi/title.mid");
    b->gameover = load_music("midi/gameover.mid");
    b->lvl1boss = load_music("midi/lvl1boss.mid");
    b->story    = load_music("midi/story.mid");
    b->story2   = load_music("midi/story2.mid");
    // clang-format on
}

namespace {
int master_level = MIX_MAX_VOLUME;  // the player's level for all sound
}  // namespace

void set_master_volume(int level) {
    master_level = level < 0 ? 0 : level > MIX_MAX_VOLUME ? MIX_MAX_VOLUME : level;
    Mix_Volume(-1, master_level);
    Mix_VolumeMusic(MUSIC_VOLUME * master_level / MIX_MAX_VOLUME);
}

int master_volume() {
    return master_level;
}

int play_sound_on(int channel, Mix_Chunk* chunk, int volume) {
    if (!chunk || channel < 0) return -1;
    // The channel's volume is set before the sound starts, so the mixer never
    // plays a moment of it at the level a previous sound left there.
    Mix_Volume(channel, volume * master_level / MIX_MAX_VOLUME);
    return Mix_PlayChannel(channel, chunk, 0);
}

int play_sound_at(Mix_Chunk* chunk, int volume) {
    return chunk ? play_sound_on(Mix_GroupAvailable(-1), chunk, volume) : -1;
}

// Copies of one effect started together (a volley's hits on a boss, enemies
// firing on the same frame) begin on the same sample of the output and add up
// wave on wave: five hits would be five times one hit's loudness and
// overflow the mix. So a copy started while others still sound is played
// softer, each at full volume divided by the copies then sounding.
void play_sound(Mix_Chunk* chunk) {
    if (!chunk) return;
    int sounding = 0;
    for (int c = 0; c < Mix_AllocateChannels(-1); ++c) sounding += Mix_Playing(c) && Mix_GetChunk(c) == chunk;
    play_sound_at(chunk, MIX_MAX_VOLUME / (sounding + 1));
}

void play_music(Mix_Music* music, int loops) {
    if (music) Mix_PlayMusic(music, loops);
}
