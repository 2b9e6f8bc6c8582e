// The desktop front-end: start from the command line and the player's files,
// and the devices at each start-up.
#include "desktop/desktop.h"

#include <signal.h>

#include <csignal>
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

// A hang-up (the terminal closed) ends the game as a window close does, so
// the best score is kept as after SIGTERM, which SDL itself turns into a quit.
volatile std::sig_atomic_t hang_up = 0;

extern "C" void note_hang_up(int /*signal*/) {
    hang_up = 1;
}

void catch_hang_up() {
    static bool caught = false;
    if (caught) return;
    caught = true;
    struct sigaction now {};
    // Started under nohup: the player asked for the game to go on.
    if (sigaction(SIGHUP, nullptr, &now) != 0 || now.sa_handler != SIG_DFL) return;
    std::signal(SIGHUP, note_hang_up);
}

}  // namespace

void enable_desktop(const std::string& settings_path, const std::string& scores_path) {
    disable_desktop();
    desktop.on = true;
    desktop.settings_path = settings_path;
    desktop.scores_path = scores_path;
    read_settings(settings_path, &desktop.settings, &desktop.settings_left_alone);
    desktop.scores_left_alone = !read_scores(scores_path, &desktop.scores);
    restore_resume_level();
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
    desktop.own_display = true;
    // The choice on the command line is remembered for the next run; full
    // screen only once it has opened (a window is always there to fall back on).
    if (o.display != DISPLAY_AS_SET) {
        const bool fullscreen = o.display == DISPLAY_FULLSCREEN;
        if (fullscreen != desktop.settings.fullscreen) {
            desktop.settings.fullscreen = fullscreen;
            if (fullscreen) {
                desktop.fullscreen_unconfirmed = true;
            } else {
                save_settings();
            }
        }
    }
    std::atexit(save_at_exit);
    return -1;
}

void start_desktop_devices() {
    if (!desktop.on) return;
    keep_display_choice();
    catch_hang_up();
    open_gamepad();
    apply_volume();
}

bool take_hang_up() {
    if (!hang_up) return false;
    hang_up = 0;
    return true;
}
