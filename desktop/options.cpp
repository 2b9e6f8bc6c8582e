// The command line: the options, the help and version texts, and the usage
// error.
#include "desktop/options.h"

#include <string_view>

#include "desktop/files.h"

namespace {

struct OptionRow {
    const char* name;
    OptionAction action;
    DisplayChoice display;
};

// clang-format off
const OptionRow OPTIONS[] = {
    // name          action          display
    {"--window",     ACTION_PLAY,    DISPLAY_WINDOW},
    {"--fullscreen", ACTION_PLAY,    DISPLAY_FULLSCREEN},
    {"--help",       ACTION_HELP,    DISPLAY_AS_SET},
    {"-h",           ACTION_HELP,    DISPLAY_AS_SET},
    {"--version",    ACTION_VERSION, DISPLAY_AS_SET},
    {"--replay",     ACTION_REPLAY,  DISPLAY_AS_SET},
    {"--verify-replay", ACTION_VERIFY_REPLAY, DISPLAY_AS_SET},
};
// clang-format on

const char HELP[] =
    "Usage: cloudpiercer [OPTION]\n"
    "A vertical-scrolling shoot-'em-up. Run it from its data folder (the cloudpiercer\n"
    "launcher does).\n"
    "\n"
    "Options:\n"
    "  --window        play in a window: 800x600 times the largest whole number\n"
    "                  that fits the desktop\n"
    "  --fullscreen    play full screen at the desktop's own size (the default)\n"
    "  --help, -h      show this help and quit\n"
    "  --version       show the version and quit\n"
    "  --replay FILE   watch a replay as it was played; Escape stops it\n"
    "  --verify-replay FILE\n"
    "                  play a replay without a display, as fast as the machine\n"
    "                  allows, and print one line: the result, the frames and the\n"
    "                  final score. Exit status 0 when every check value matched,\n"
    "                  1 at the first frame that differs, 2 for a file that is\n"
    "                  missing, damaged, truncated or not a replay\n"
    "The choice of window or full screen is remembered for the next run.\n"
    "Every game is recorded as a replay; after 30 seconds on the title a demo plays.\n"
    "\n"
    "Keys (as they are until you change them; F2 on the title changes them):\n"
    "  arrows          steer (two at once for diagonals); move the title cursor\n"
    "  left Ctrl       fire (hold for automatic fire); select on the title\n"
    "  left Shift      pause and continue\n"
    "  any key         turn a story page\n"
    "\n"
    "The desktop's keys (never a control's):\n"
    "  Escape          quit (cancel on the controls screen, close the help)\n"
    "  F1              help: your keys and these, over the title, play or the pause\n"
    "  F2              the controls screen, from the title: keys, pad buttons,\n"
    "                  the pad's dead zone, the music and effects volumes\n"
    "  F11, Alt+Enter  switch between window and full screen\n"
    "  F12             screenshot, a PNG in $XDG_DATA_HOME/cloudpiercer/screenshots/\n"
    "  M               mute or unmute music and effects\n"
    "  - and =         lower and raise the volume (also the keypad's - and +)\n"
    "Play pauses when another window takes the keys (pause_on_focus_loss).\n"
    "\n"
    "Gamepad (the first one found at start):\n"
    "  stick, hat      like the arrows\n"
    "  fire button     like left Ctrl (button 0; pad_fire in the settings)\n"
    "  start button    like left Shift (button 7; pad_pause in the settings)\n"
    "  any button      turns a story page\n"
    "\n"
    "Files:\n"
    "  $XDG_CONFIG_HOME/cloudpiercer/settings   (default ~/.config/cloudpiercer/settings)\n"
    "  $XDG_DATA_HOME/cloudpiercer/scores       (default ~/.local/share/cloudpiercer/scores)\n"
    "    the best scores, and the level \"resume\" starts at, also in a later run\n"
    "  $XDG_DATA_HOME/cloudpiercer/screenshots/ (F12)\n"
    "  $XDG_DATA_HOME/cloudpiercer/replays/     (default ~/.local/share/cloudpiercer/replays/)\n"
    "      the last 20 games and the best of each difficulty, named\n"
    "      YYYYmmdd-HHMMSS-DIFFICULTY-SCORE.replay\n"
    "\n"
    "The picture, in the settings file (shown through OpenGL; without it, 800x600\n"
    "as it is):\n"
    "  scale = fit | integer          as large as the screen allows, or the largest\n"
    "                                 whole multiple; always 4:3 with black bars\n"
    "  filter = smooth | sharp        blended or clean-edged pixels when scaled\n"
    "  vsync = on | off               wait for the display's refresh\n"
    "  window_scale = auto | 1 | 2 | 3 | 4\n"
    "                                 the window's size in 800x600s (auto: the\n"
    "                                 largest that fits the desktop)\n";

const char VERSION[] = "cloudpiercer 1.0\n";

}  // namespace

Options parse_options(int argc, const char* const* argv) {
    Options o;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        const OptionRow* found = nullptr;
        for (const OptionRow& row : OPTIONS) {
            if (arg == row.name) found = &row;
        }
        if (!found) {
            o.action = ACTION_USAGE;
            o.bad = argv[i];
            return o;
        }
        if (found->action == ACTION_REPLAY || found->action == ACTION_VERIFY_REPLAY) {
            if (i + 1 >= argc) {
                o.action = ACTION_USAGE;
                o.bad = argv[i];
                o.bad_needs_file = true;
                return o;
            }
            o.action = found->action;
            o.replay_file = argv[++i];
            continue;
        }
        if (found->action != ACTION_PLAY) {
            o.action = found->action;
            return o;
        }
        o.display = found->display;
    }
    return o;
}

const char* help_text() {
    return HELP;
}

const char* version_text() {
    return VERSION;
}

std::string usage_error(const Options& o) {
    const std::string usage =
        "usage: cloudpiercer [--window | --fullscreen | --help | --version | --replay FILE | "
        "--verify-replay FILE]\n";
    if (o.bad_needs_file)
        return "cloudpiercer: option '" + printable(o.bad) + "' needs a replay file; " + usage;
    return "cloudpiercer: unknown option '" + printable(o.bad) + "'; " + usage;
}
