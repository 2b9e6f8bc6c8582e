// The command line: --window, --fullscreen, --help, --version, --replay FILE,
// --verify-replay FILE.
#pragma once

#include <string>

enum OptionAction {
    ACTION_PLAY,
    ACTION_HELP,           // print the help, status 0
    ACTION_VERSION,        // print the version, status 0
    ACTION_USAGE,          // one line naming the bad argument on stderr, status 2
    ACTION_REPLAY,         // --replay FILE: watch a replay
    ACTION_VERIFY_REPLAY,  // --verify-replay FILE: check a replay headless
};

enum DisplayChoice { DISPLAY_AS_SET, DISPLAY_WINDOW, DISPLAY_FULLSCREEN };

struct Options {
    OptionAction action = ACTION_PLAY;
    DisplayChoice display = DISPLAY_AS_SET;  // the last of --window / --fullscreen
    std::string bad;                         // the argument not understood
    bool bad_needs_file = false;             // it was --replay or --verify-replay without a file
    std::string replay_file;                 // for ACTION_REPLAY and ACTION_VERIFY_REPLAY
};

// Reads the arguments (argv[0] is the program). The first argument not
// understood stops the reading with ACTION_USAGE; --help and --version win
// over everything after them.
Options parse_options(int argc, const char* const* argv);

// The texts the actions print.
const char* help_text();
const char* version_text();
std::string usage_error(const Options& o);
