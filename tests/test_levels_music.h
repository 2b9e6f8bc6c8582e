// Music the level and story tests can tell apart: a MIDI piece and a WAV
// piece, which the mixer reports by type, put into chosen fields of `sounds`.
#pragma once

#include <SDL_mixer.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "core/game_state.h"

// What the mixer plays now; MUS_NONE when it plays nothing.
inline Mix_MusicType music_playing() {
    return Mix_PlayingMusic() ? Mix_GetMusicType(nullptr) : MUS_NONE;
}

// While it lives every music field of `sounds` is null but those the test
// fills with midi or wave; the game's own pieces come back at the end. Build
// it after the start-up, which reloads (and frees) the fields.
struct TestMusic {
    SoundBank saved = sounds;
    Mix_Music* midi = nullptr;  // long enough to outlast any test, even played once
    Mix_Music* wave = nullptr;

    TestMusic() {
        // One note held for 32767 ticks (about three minutes).
        static const unsigned char SONG[] = {
            'M',  'T',  'h',  'd',  0,    0,    0, 6,
            0,    0,    0,    1,    0,    96,           // format 0, one track, 96 ticks a beat
            'M',  'T',  'r',  'k',  0,    0,    0, 17,  // track of 17 bytes
            0x00, 0xC0, 0x00,                           // piano
            0x00, 0x90, 0x3C, 0x40,                     // middle C on
            0x81, 0xFF, 0x7F, 0x80, 0x3C, 0x00,         // ... off
            0x00, 0xFF, 0x2F, 0x00,                     // end of track
        };
        const std::string path = testing::TempDir() + "levels_test_song.mid";
        if (FILE* f = std::fopen(path.c_str(), "wb")) {
            std::fwrite(SONG, 1, sizeof SONG, f);
            std::fclose(f);
        }
        midi = Mix_LoadMUS(path.c_str());
        std::remove(path.c_str());  // the mixer has read the piece
        wave = Mix_LoadMUS("wav/beep.wav");
        Mix_HaltMusic();
        Mix_Music** fields[] = {&sounds.level1, &sounds.title,  &sounds.gameover, &sounds.lvl1boss,
                                &sounds.story,  &sounds.story2, &sounds.level2,   &sounds.level3,
                                &sounds.level4, &sounds.victory};
        for (Mix_Music** m : fields) *m = nullptr;
    }
    ~TestMusic() {
        Mix_HaltMusic();
        if (midi) Mix_FreeMusic(midi);
        if (wave) Mix_FreeMusic(wave);
        sounds = saved;
    }
    TestMusic(const TestMusic&) = delete;
    TestMusic& operator=(const TestMusic&) = delete;
    // Both pieces loaded: without them the music checks mean nothing.
    bool ready() const { return midi && wave; }
};
