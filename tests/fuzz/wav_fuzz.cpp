// Fuzzes the check that a sound effect is whole before SDL sees it: any bytes
// in a WAV file's place are judged without reading outside them, and nothing
// but a RIFF WAVE form passes.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

#include "assets/data_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::vector<Uint8> bytes(data, data + size);
    if (!wav_is_whole(bytes.data(), bytes.size())) return 0;
    // The form's head, a format chunk's head and a sample chunk's head.
    if (size < 12 + 8 + 8 || std::memcmp(data, "RIFF", 4) != 0 || std::memcmp(data + 8, "WAVE", 4) != 0)
        __builtin_trap();
    return 0;
}
