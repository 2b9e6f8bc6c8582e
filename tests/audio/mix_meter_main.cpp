// The mix meter's command line; see mix_meter.cpp.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "assets/sound_bank.h"
#include "audio/mix_meter.h"
#include "core/game_state.h"

namespace {

struct Piece {
    const char* name;
    Mix_Music* SoundBank::*field;
};
const Piece PIECES[] = {
    {"title", &SoundBank::title},     {"story", &SoundBank::story},       {"story2", &SoundBank::story2},
    {"level1", &SoundBank::level1},   {"level2", &SoundBank::level2},     {"level3", &SoundBank::level3},
    {"level4", &SoundBank::level4},   {"lvl1boss", &SoundBank::lvl1boss}, {"gameover", &SoundBank::gameover},
    {"victory", &SoundBank::victory},
};

int usage() {
    std::fputs(
        "usage: mix_meter play [--weapon N] [--music V] [--effects V] [--raw FILE]\n"
        "       mix_meter pieces [--piece NAME] [--music V] [--raw FILE]\n",
        stderr);
    return 2;
}

void report(const char* what) {
    const mix_meter::Meter& m = mix_meter::meter;
    std::printf("%-10s %7.1f s  loudness %6.1f dBFS  peak %5d (%5.1f dBFS)  clipped %ld (worst second %ld)\n",
                what, m.seconds(), m.loudness_db(), m.peak, 20.0 * std::log10(std::max(m.peak, 1) / 32768.0),
                m.clipped, m.worst_second);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) return usage();
    const bool play = std::strcmp(argv[1], "play") == 0;
    if (!play && std::strcmp(argv[1], "pieces") != 0) return usage();
    int weapon = 5;
    const char* only = nullptr;
    int music_volume = -1;
    int effects_volume = -1;
    FILE* raw = nullptr;
    for (int i = 2; i < argc; ++i) {
        if (std::strcmp(argv[i], "--weapon") == 0 && i + 1 < argc) {
            weapon = std::atoi(argv[++i]);
        } else if (std::strcmp(argv[i], "--music") == 0 && i + 1 < argc) {
            music_volume = std::atoi(argv[++i]);
        } else if (std::strcmp(argv[i], "--effects") == 0 && i + 1 < argc) {
            effects_volume = std::atoi(argv[++i]);
        } else if (std::strcmp(argv[i], "--piece") == 0 && i + 1 < argc) {
            only = argv[++i];
        } else if (std::strcmp(argv[i], "--raw") == 0 && i + 1 < argc) {
            raw = std::fopen(argv[++i], "wb");
            if (!raw) return usage();
        } else {
            return usage();
        }
    }
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    mix_meter::boot();
    // Trying other levels without forging again: the music's volume, and
    // every effect's volume, 0 to 128.
    if (music_volume >= 0) Mix_VolumeMusic(music_volume);
    if (effects_volume >= 0) {
        Mix_Chunk* SoundBank::*const chunks[] = {
            &SoundBank::laser,  &SoundBank::exp16,         &SoundBank::exp64,       &SoundBank::smallbullet,
            &SoundBank::beep,   &SoundBank::shieldsarelow, &SoundBank::hpup,        &SoundBank::speedup,
            &SoundBank::absorb, &SoundBank::bosscoming,    &SoundBank::largebullet, &SoundBank::rocket};
        for (auto c : chunks) {
            if (sounds.*c) Mix_VolumeChunk(sounds.*c, effects_volume);
        }
    }
    if (play) {
        mix_meter::meter.reset();
        mix_meter::meter.raw = raw;
        const int frames = mix_meter::play_whole_game(weapon, 60000);
        std::printf("whole game, weapon %d: %d frames\n", weapon, frames);
        report("game");
    } else {
        for (const Piece& p : PIECES) {
            if (only && std::strcmp(only, p.name) != 0) continue;
            Mix_HaltMusic();
            mix_meter::meter.reset();
            mix_meter::meter.raw = raw;
            play_music(sounds.*p.field, 0);
            while (Mix_PlayingMusic() && mix_meter::meter.seconds() < 600.0) mix_meter::advance(100);
            report(p.name);
        }
    }
    if (raw) std::fclose(raw);
    return 0;
}
