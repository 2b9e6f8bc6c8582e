// Program entry: the command line and the player's files, then the whole
// game runs in run_game (or a replay in play_replay_file).
#include <cstdlib>

#include "core/clock.h"
#include "desktop/desktop.h"
#include "desktop/desktop_state.h"
#include "desktop/options.h"
#include "game/game.h"
#include "replay/session.h"
#include "replay/store.h"

namespace {

// Shipped in the data folder, which the program runs from.
constexpr const char* DEMO_REPLAY = "demo.replay";

}  // namespace

int main(int argc, char** argv) {
    const int status = start_desktop(argc, argv);
    if (status >= 0) return status;  // --help, --version or a bad argument
    const Options options = parse_options(argc, argv);
    if (options.action == ACTION_VERIFY_REPLAY) {
        // no display, no sound device and no waiting: as fast as the machine allows
        setenv("SDL_VIDEODRIVER", "dummy", 1);
        setenv("SDL_AUDIODRIVER", "dummy", 1);
        desktop.own_display = false;  // and no OpenGL to look for
        clock_count_instead_of_waiting();
        return play_replay_file(options.replay_file, true);
    }
    if (options.action == ACTION_REPLAY) return play_replay_file(options.replay_file, false);
    replay_record_games(keep_replay);
    play_demo_on_idle_title(DEMO_REPLAY);
    return run_game();
}
