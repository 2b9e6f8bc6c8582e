// Sound catalogue: loads the game's sound effects and music.
#include "assets/sound_bank.h"

namespace {

Mix_Chunk* load_chunk(const char* path) {
    return Mix_LoadWAV_RW(SDL_RWFromFile(path, "rb"), 1);
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

    b->level1   = Mix_LoadMUS("midi/level1.mid");
    b->level2   = Mix_LoadMUS("midi/level2.mid");
    b->level3   = Mix_LoadMUS("midi/level3.mid");
    b->level4   = Mix_LoadMUS("midi/level4.mid");
    b->victory  = Mix_LoadMUS("midi/victory.mid");
    b->title    = Mix_LoadMUS("midi/title.mid");
    b->gameover = Mix_LoadMUS("midi/gameover.mid");
    b->lvl1boss = Mix_LoadMUS("midi/lvl1boss.mid");
    b->story    = Mix_LoadMUS("midi/story.mid");
    b->story2   = Mix_LoadMUS("midi/story2.mid");
    // clang-format on
}

int play_sound_at(Mix_Chunk* chunk, int volume) {
    if (!chunk) return -1;
    // The channel's volume is set before the sound starts, so the mixer never
    // plays a moment of it at the level a previous sound left there.
    const int channel = Mix_GroupAvailable(-1);
    if (channel < 0) return -1;
    Mix_Volume(channel, volume);
    return Mix_PlayChannel(channel, chunk, 0);
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
