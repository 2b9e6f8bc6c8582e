// libFuzzer target: the replay reader on any bytes. Each input is read as it
// is, then again with its check sum made right, so the fuzzer reaches the
// checks of the header and the frames behind the sum.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "replay/format.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    ReplayData replay;
    std::string why;
    decode_replay(data, size, &replay, &why);
    if (size > REPLAY_SUM_AT + 4) {
        std::vector<uint8_t> fixed(data, data + size);
        const uint32_t sum = replay_checksum(fixed.data() + REPLAY_SUM_AT + 4, size - REPLAY_SUM_AT - 4);
        for (int i = 0; i < 4; ++i) fixed[REPLAY_SUM_AT + i] = uint8_t(sum >> (8 * i));
        if (decode_replay(fixed.data(), fixed.size(), &replay, &why) == REPLAY_READ_OK) {
            // what was read is whole: written again, it reads back the same
            const std::string again = encode_replay(replay);
            ReplayData back;
            if (decode_replay(reinterpret_cast<const uint8_t*>(again.data()), again.size(), &back, &why) !=
                    REPLAY_READ_OK ||
                back.frames.size() != replay.frames.size() || back.events != replay.events ||
                back.waits != replay.waits)
                __builtin_trap();
        }
    }
    return 0;
}
