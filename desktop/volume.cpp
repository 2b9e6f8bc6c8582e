// Volume and mute: one level for music and effects, and under it a level of
// their own for each, set through the mixer.
#include "desktop/volume.h"

#include <SDL_mixer.h>

#include "assets/sound_bank.h"
#include "desktop/desktop_state.h"
#include "desktop/settings.h"

namespace {

// The mixer's level for a part of the sound (music or effects) at its own level.
int mixer_volume(int own_level) {
    const Settings& s = desktop.settings;
    return s.muted ? 0 : s.volume * VOLUME_STEP * own_level / VOLUME_LEVELS;
}

void step_volume(int step) {
    Settings& s = desktop.settings;
    const int level = s.volume + step;
    // Pressing a volume key also brings the sound back: it is what a player
    // who hears nothing reaches for.
    if (level >= 0 && level <= VOLUME_LEVELS) s.volume = level;
    s.muted = false;
}

}  // namespace

void apply_volume() {
    if (!desktop.on) return;
    set_master_volume(mixer_volume(desktop.settings.effects_volume));  // effects as they start
    // the music keeps its place under the effects at full effects volume
    Mix_VolumeMusic(MUSIC_VOLUME * mixer_volume(desktop.settings.music_volume) / MIX_MAX_VOLUME);
}

bool volume_key(SDLKey key) {
    switch (key) {
        case SDLK_m:
            desktop.settings.muted = !desktop.settings.muted;
            break;
        case SDLK_MINUS:
        case SDLK_KP_MINUS:
            step_volume(-1);
            break;
        case SDLK_EQUALS:
        case SDLK_PLUS:
        case SDLK_KP_PLUS:
            step_volume(+1);
            break;
        default:
            return false;
    }
    apply_volume();
    save_settings();
    return true;
}
