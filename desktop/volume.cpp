// Volume and mute: one level for music and effects, set through the mixer.
#include "desktop/volume.h"

#include <SDL_mixer.h>

#include "assets/sound_bank.h"
#include "desktop/desktop_state.h"
#include "desktop/settings.h"

namespace {

int mixer_volume() {
    const Settings& s = desktop.settings;
    return s.muted ? 0 : s.volume * VOLUME_STEP;
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
    set_master_volume(mixer_volume());  // effects as they start, and the music under them
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
