// The mix meter: what a player hears, sample for sample, measured headless.
//
// The game runs on a clock of this program's own, and the mixer's audio thread
// is kept paused: every time the game's clock moves on, the mixer's own fill
// routine is called here for the 2048-sample buffers that the sound card
// would have asked for by then. So effects start in the buffer after the
// frame that played them, exactly as on a real device, and the music is
// synthesised by the mixer itself at the volume the game set, however fast
// or slow this machine runs.
//
//   mix_meter play [--weapon N] [--raw FILE]
//       a pilot plays the whole game, every level and boss, and the output is
//       counted: clipped samples, the worst second, the peak;
//   mix_meter pieces [--piece NAME] [--raw FILE]
//       each piece of music alone, once through: length, loudness, peak.
//
// Run it from the forge's data folder. A clipped sample is one at either end
// of the 16-bit range, where the mixer's saturating sum has cut the wave.
#include "audio/mix_meter.h"

#include <SDL.h>
#include <dlfcn.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "core/clock.h"
#include "core/pools.h"
#include "game/game.h"

// --- The audio device, driven by hand ---------------------------------------

namespace {

void (*mixer_fill)(void*, Uint8*, int) = nullptr;
void* mixer_data = nullptr;
SDL_AudioSpec device{};

using OpenAudio = int (*)(SDL_AudioSpec*, SDL_AudioSpec*);
using PauseAudio = void (*)(int);

template <typename F>
F real(const char* name) {
    return reinterpret_cast<F>(dlsym(RTLD_NEXT, name));
}

}  // namespace

// The mixer opens the device through these: the fill routine is kept, and the
// device's own thread never runs it.
extern "C" int SDL_OpenAudio(SDL_AudioSpec* desired, SDL_AudioSpec* obtained) {
    mixer_fill = desired->callback;
    mixer_data = desired->userdata;
    const int result = real<OpenAudio>("SDL_OpenAudio")(desired, obtained);
    device = obtained ? *obtained : *desired;
    return result;
}

extern "C" void SDL_PauseAudio(int /*pause_on*/) {
    real<PauseAudio>("SDL_PauseAudio")(1);
}

namespace mix_meter {

Meter meter;

void Meter::reset() {
    *this = Meter{};
}

void Meter::take(const int16_t* s, size_t n) {
    for (size_t i = 0; i < n; ++i) {
        const int v = s[i];
        peak = std::max(peak, std::abs(v));
        if (v >= 32767 || v <= -32768) {
            ++clipped;
            ++clipped_this_second;
        }
        const double x = v / 32768.0;
        block_power += x * x;
        if (++block_samples == BLOCK_SAMPLES) {
            // 0.4 s blocks, gated at -60 dBFS so that rests do not count
            const double mean = block_power / BLOCK_SAMPLES;
            if (mean > 1e-6) {
                gated_power += mean;
                ++gated_blocks;
            }
            block_power = 0.0;
            block_samples = 0;
        }
        if (++second_samples == device_rate() * 2) {
            worst_second = std::max(worst_second, clipped_this_second);
            clipped_this_second = 0;
            second_samples = 0;
        }
    }
    samples += n;
    if (raw) std::fwrite(s, sizeof s[0], n, raw);
}

double Meter::loudness_db() const {
    if (gated_blocks == 0) return -120.0;
    return 10.0 * std::log10(gated_power / double(gated_blocks));
}

int device_rate() {
    return device.freq ? device.freq : 44100;
}

namespace {
long rendered_frames = 0;  // sample frames put out since the device opened
}  // namespace

void render_buffer() {
    if (!mixer_fill || device.size == 0) return;
    rendered_frames += long(device.size) / 4;
    std::vector<Uint8> buf(device.size, 0);
    SDL_LockAudio();
    mixer_fill(mixer_data, buf.data(), int(buf.size()));
    SDL_UnlockAudio();
    std::vector<int16_t> s(buf.size() / 2);
    const bool big = device.format == AUDIO_S16MSB;
    for (size_t i = 0; i < s.size(); ++i) {
        const Uint8 a = buf[2 * i], b = buf[2 * i + 1];
        s[i] = int16_t(big ? (a << 8) | b : (b << 8) | a);
    }
    meter.take(s.data(), s.size());
}

double rendered_ms() {
    return double(rendered_frames) / device_rate() * 1000.0;
}

}  // namespace mix_meter

// --- The game's clock --------------------------------------------------------

namespace {

Uint32 now = 0;
bool turn_pages = false;
Uint32 last_page_key = 0;

// The sound card asks for a buffer as soon as the last one has been played.
void catch_up() {
    while (mix_meter::rendered_ms() < double(now)) mix_meter::render_buffer();
}

void press(SDLKey key, bool down) {
    SDL_Event e{};
    e.type = down ? SDL_KEYDOWN : SDL_KEYUP;
    e.key.type = e.type;
    e.key.state = down ? SDL_PRESSED : SDL_RELEASED;
    e.key.keysym.sym = key;
    // as a real key would, so the game sees the key held until it is let go
    SDL_GetKeyState(nullptr)[key] = down;
    SDL_PushEvent(&e);
}

}  // namespace

Uint32 clock_now() {
    return now;
}
void clock_wait_until(Uint32 deadline) {
    if (Sint32(deadline - now) > 0) now = deadline;
    catch_up();
}
void clock_rest(Uint32 ms) {
    now += ms;
    catch_up();
    // story pages turn once they take keys, as a reader would turn them
    if (turn_pages && now - last_page_key > KEY_DELAY_MS + 500) {
        last_page_key = now;
        press(SDLK_RETURN, true);
    }
}

namespace mix_meter {

void advance(Uint32 ms) {
    now += ms;
    catch_up();
}

void boot() {
    now = 0;
    start_up();
}

void start_pilot(LoopState* loop) {
    press(SDLK_LCTRL, true);  // the title's first row: start
    press(SDLK_LCTRL, false);
    start_game(loop);
    game_completed = false;
}

void pilot_frame(LoopState* loop, int weapon) {
    // The pilot takes hits, hears the warning, and gets its shields back a
    // while later; it never runs out of ships.
    static int low_frames = 0;
    if (player.shields == 1) {
        if (++low_frames > 90) player.shields = 5;
    } else {
        low_frames = 0;
    }
    if (player.lives < 2) player.lives = 2;
    if (player.shields > 0) player.weapon = weapon;
    if (!loop->fire_held) press(SDLK_LCTRL, true);
    turn_pages = true;
    run_frame(loop);
    turn_pages = false;
}

int play_whole_game(int weapon, int max_frames) {
    LoopState loop;
    start_pilot(&loop);
    bool left_level_one = false;
    int frame = 0;
    for (; frame < max_frames && !loop.quit_requested && !restart_requested; ++frame) {
        pilot_frame(&loop, weapon);
        if (std::getenv("MIX_METER_TRACE") && frame % 500 == 0) {
            int on = -1;
            for (int f = 0; f < STAGE_FLAG_COUNT; ++f) on = stage_flags[f] ? f : on;
            std::fprintf(stderr, "frame %d: stage %d, level clock %d, shields %d, lives %d\n", frame, on,
                         level_clock, player.shields, player.lives);
        }
        left_level_one = left_level_one || !stage_flags[LEVEL1_ON];
        if (game_completed && left_level_one && stage_flags[LEVEL1_ON] && level_clock > 1) break;
    }
    return frame;
}

}  // namespace mix_meter
