// forge: writes the game's whole run-time data tree.
// Usage: forge <data-source-folder> <output-folder>
#include <cstdio>

#include "forge.h"
#include "soundfont.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fputs("usage: forge <data-source-folder> <output-folder>\n", stderr);
        return 2;
    }
    const std::string src = argv[1];
    const std::string out = argv[2];
    forge::forge_sprites(src, out);
    forge::forge_backdrops(src, out);
    forge::forge_screens(src, out);
    forge::forge_sounds(src, out);
    forge::forge_music(src, out);
    forge::forge_soundfont(out);
    forge::forge_contact_sheet(out);
    forge::forge_icons(out);
    forge::forge_control_screens(out);
    return 0;
}
