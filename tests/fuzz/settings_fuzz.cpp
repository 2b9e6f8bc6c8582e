// Fuzzes the settings file's reader: any text a player's settings file may
// hold is read without a fault, leaves the sound and pad settings in their
// ranges, and the settings it leaves are written and read back unchanged.
#include <cstddef>
#include <cstdint>
#include <string>

#include "desktop/desktop_state.h"
#include "desktop/settings.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    Settings read;
    if (parse_settings(text, "settings", &read) < 0) __builtin_trap();
    if (read.volume < 0 || read.volume > VOLUME_LEVELS || read.pad_dead_zone < 0 ||
        read.pad_dead_zone > 32767 || read.pad_start_button < 0 || read.pad_start_button > 63) {
        __builtin_trap();
    }
    // What the game would write next time must read back as the same settings.
    const std::string written = settings_text(read);
    Settings back;
    if (parse_settings(written, "settings", &back) != 0 || settings_text(back) != written) __builtin_trap();
    return 0;
}
