// Fuzzes the instrument bank's check: any bytes in the bank's place are
// judged without reading outside them, and nothing but a RIFF form of the
// bank's kind whose size matches the file passes.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

#include "assets/sound_bank.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::vector<uint8_t> bytes(data, data + size);
    if (!instrument_bank_is_whole(bytes)) return 0;
    if (size < 12 || std::memcmp(data, "RIFF", 4) != 0 || std::memcmp(data + 8, "sfbk", 4) != 0)
        __builtin_trap();
    const uint32_t form =
        uint32_t(data[4]) | uint32_t(data[5]) << 8 | uint32_t(data[6]) << 16 | uint32_t(data[7]) << 24;
    if (form != size - 8) __builtin_trap();
    return 0;
}
