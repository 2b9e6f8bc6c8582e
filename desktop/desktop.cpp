// The desktop front-end: start from the command line and the player's files,
// and the devices at each start-up.
#include "desktop/desktop.h"

#include <cstdio>
#include <cstdlib>

#include "desktop/desktop_state.h"
#include "desktop/display.h"
#include "desktop/gamepad.h"
#include "desktop/options.h"
#include "desktop/scores.h"
#include "desktop/settings.h"
#include "desktop/volume.h"

DesktopState desktop;

namespace {

// Whatever way the program ends (Escape, the quit row, a window close on
// any screen), a best score reached in the game being played is kept.
void save_at_exit() {
    save_best_scores();
}

}  // namespace

void enable_desktop(const std::string& settings_path, const std::string& scores_path) {
    disable_desktop();
    desktop.on = true;
    desktop.settings_path = settings_path;
    desktop.scores_path = scores_path;
    read_settings(settings_path, &desktop.settings);
    read_scores(scores_path, &desktop.scores);
}

void disable_desktop() {
    if (desktop.digits) SDL_FreeSurface(desktop.digits);
    SDL_Joystick* joystick = desktop.pad.joystick;
    desktop = DesktopState{};
    desktop.pad.joystick = joystick;  // open for the rest of the run
}

int start_desktop(int argc, const char* const* argv) {
    const Options o = parse_options(argc, argv);
    switch (o.action) {
        case ACTION_HELP:
            std::fputs(help_text(), stdout);
            return 0;
        case ACTION_VERSION:
            std::fputs(version_text(), stdout);
            return 0;
        case ACTION_USAGE:
            std::fputs(usage_error(o).c_str(), stderr);
            return 2;
        case ACTION_PLAY:
        case ACTION_REPLAY:
        case ACTION_VERIFY_REPLAY:
            break;
    }
    enable_desktop(settings_file_path(), scores_file_path());
    // The choice on the command line is remembered for the next run.
    if (o.display != DISPLAY_AS_SET) {
        const bool fullscreen = o.display == DISPLAY_FULLSCREEN;
        if (fullscreen != desktop.settings.fullscreen) {
            desktop.settings.fullscreen = fullscreen;
            save_settings();
        }
    }
    std::atexit(save_at_exit);
    return -1;
}

void start_desktop_devices() {
    open_gamepad();
    apply_volume();
}
