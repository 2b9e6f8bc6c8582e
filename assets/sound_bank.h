// Sound catalogue: every sound effect and piece of music, loaded at start-up.
#pragma once

#include <SDL_mixer.h>

#include <cstdint>
#include <vector>

// Every handle is null when its file could not be loaded; playing a null
// handle is silent. Fields in catalogue order: twelve effects, ten pieces.
struct SoundBank {
    Mix_Chunk* laser;          // player laser shots
    Mix_Chunk* exp16;          // a shot hits
    Mix_Chunk* exp64;          // something is destroyed
    Mix_Chunk* smallbullet;    // enemy small bullets
    Mix_Chunk* beep;           // title menu
    Mix_Chunk* shieldsarelow;  // low-shield warning and boss alarm
    Mix_Chunk* hpup;           // shields restored, ship returns
    Mix_Chunk* speedup;        // speed pick-up
    Mix_Chunk* absorb;         // weapon, Mars and life pick-ups
    Mix_Chunk* bosscoming;     // loaded, never played
    Mix_Chunk* largebullet;    // large shots and bullets
    Mix_Chunk* rocket;         // rockets
    Mix_Music* level1;         // looped
    Mix_Music* title;          // looped
    Mix_Music* gameover;       // looped
    Mix_Music* lvl1boss;       // every boss fight, played once
    Mix_Music* story;          // looped
    Mix_Music* story2;         // looped
    Mix_Music* level2;         // looped
    Mix_Music* level3;         // looped
    Mix_Music* level4;         // looped
    Mix_Music* victory;        // looped
};

// The game's own instrument bank for the music, made by the forge.
constexpr const char* INSTRUMENT_BANK_FILE = "midi/cloudpiercer.sf2";

// True when `path` holds a whole SoundFont 2 file: the RIFF form, its three
// lists and the record sizes of the preset data all add up.
bool is_instrument_bank(const char* path);
// The same check on a bank's bytes already read.
bool instrument_bank_is_whole(const std::vector<uint8_t>& f);
// Hands the instrument bank to the mixer's MIDI synthesiser; call before the
// audio device is opened. A missing or damaged bank leaves the mixer's own
// instruments in place, with one warning line; false then.
bool use_instrument_bank();

// Loads every file into the bank; handles of an earlier run are released first.
void load_sounds(SoundBank* bank);

// One effect; null when its file is missing, not a plain file, or unreadable.
Mix_Chunk* load_chunk(const char* path);
// One piece of music; null when missing or not a plain file. A damaged piece
// is null too, with one warning line on standard error naming it.
Mix_Music* load_music(const char* path);

// Plays an effect once on the first free mixing channel: at full volume, or
// softer when copies of it are sounding already.
void play_sound(Mix_Chunk* chunk);
// The same at a channel volume of 0 to MIX_MAX_VOLUME; returns the channel,
// or -1 when the chunk is null or every channel is busy.
int play_sound_at(Mix_Chunk* chunk, int volume);
// The same on a given channel, whatever plays there now.
int play_sound_on(int channel, Mix_Chunk* chunk, int volume);
// The music's level under the effects, of the mixer's 0 to 128. At full
// volume the synthesiser alone reaches full scale, and every effect on top of
// it would be cut off; here the music and several effects at once still fit.
constexpr int MUSIC_VOLUME = 56;
// The player's level for all sound, 0 to MIX_MAX_VOLUME; full unless the
// player turns it down. It scales every effect as it starts and the music.
void set_master_volume(int level);
int master_volume();
// Plays a piece of music; loops -1 repeats it forever.
void play_music(Mix_Music* music, int loops);
