// The gamepad, translated into the key events the game already handles.
#include "desktop/gamepad.h"

#include "controls/key_map.h"

namespace {

constexpr Uint8 FIRST_PAD = 0;
constexpr Uint8 AXIS_X = 0;
constexpr Uint8 AXIS_Y = 1;
constexpr Uint8 FIRST_HAT = 0;

// The virtual arrow keys, in the order of PadState::arrow_held.
enum PadArrow { ARROW_UP, ARROW_DOWN, ARROW_LEFT, ARROW_RIGHT };
const SDLKey ARROW_KEY[PAD_ARROWS] = {SDLK_UP, SDLK_DOWN, SDLK_LEFT, SDLK_RIGHT};

void queue_key(PadState* pad, SDLKey key, bool down) {
    if (pad->pending_count == PAD_PENDING_MAX) return;  // cannot happen: the game drains it
    pad->pending[(pad->pending_first + pad->pending_count) % PAD_PENDING_MAX] = key_event(key, down);
    pad->pending_count += 1;
}

int tilt(Sint16 value, int dead_zone) {
    if (value > dead_zone) return 1;
    if (value < -dead_zone) return -1;
    return 0;
}

// The arrows the stick and the hat hold together.
void wanted_arrows(const PadState& pad, bool want[PAD_ARROWS]) {
    want[ARROW_UP] = pad.stick_y < 0 || (pad.hat & SDL_HAT_UP);
    want[ARROW_DOWN] = pad.stick_y > 0 || (pad.hat & SDL_HAT_DOWN);
    want[ARROW_LEFT] = pad.stick_x < 0 || (pad.hat & SDL_HAT_LEFT);
    want[ARROW_RIGHT] = pad.stick_x > 0 || (pad.hat & SDL_HAT_RIGHT);
}

// Brings the virtual arrows in line with the stick and the hat together:
// releases first, then presses, so that a swing from one side to the other
// goes through the same press and release rules as two hands on the arrows.
void sync_arrows(PadState* pad) {
    bool want[PAD_ARROWS];
    wanted_arrows(*pad, want);
    for (int a = 0; a < PAD_ARROWS; ++a) {
        if (pad->arrow_held[a] && !want[a]) queue_key(pad, ARROW_KEY[a], false);
    }
    for (int a = 0; a < PAD_ARROWS; ++a) {
        if (!pad->arrow_held[a] && want[a]) queue_key(pad, ARROW_KEY[a], true);
        pad->arrow_held[a] = want[a];
    }
}

SDLKey button_key(Uint8 button, const Settings& settings) {
    if (button == settings.pad_fire_button) return SDLK_LCTRL;
    if (button == settings.pad_start_button) return SDLK_LSHIFT;
    return SDLK_RETURN;  // turns a story page; nothing elsewhere
}

// The pad as SDL has it now, through the dead zone. SDL keeps the stick, hat
// and buttons up to date as it reads the device, also when its event queue
// is full and the events saying so are dropped: a release lost in a flood
// shows here. Like the keyboard's re-sync, this only lets go; a press the
// game did not see counts from the pad's next event.
void resync_from_device(PadState* pad, const Settings& settings) {
    SDL_Joystick* const j = pad->joystick;
    const auto axis = [&](Uint8 a) {
        return SDL_JoystickNumAxes(j) > a ? tilt(SDL_JoystickGetAxis(j, a), settings.pad_dead_zone) : 0;
    };
    pad->stick_x = axis(AXIS_X);
    pad->stick_y = axis(AXIS_Y);
    pad->hat =
        SDL_JoystickNumHats(j) > FIRST_HAT ? SDL_JoystickGetHat(j, FIRST_HAT) : Uint8(SDL_HAT_CENTERED);
    const int button = settings.pad_fire_button;
    const bool fire = SDL_JoystickNumButtons(j) > button && SDL_JoystickGetButton(j, Uint8(button)) != 0;
    bool want[PAD_ARROWS];
    wanted_arrows(*pad, want);
    for (int a = 0; a < PAD_ARROWS; ++a) pad->arrow_held[a] = pad->arrow_held[a] && want[a];
    pad->fire_held = pad->fire_held && fire;
}

}  // namespace

void open_gamepad() {
    if (!desktop.on || desktop.pad.joystick) return;
    if (SDL_InitSubSystem(SDL_INIT_JOYSTICK) != 0 || SDL_NumJoysticks() < 1) return;
    desktop.pad.joystick = SDL_JoystickOpen(FIRST_PAD);
    SDL_JoystickEventState(SDL_ENABLE);
}

bool translate_pad_event(PadState* pad, const SDL_Event& event, const Settings& settings) {
    switch (event.type) {
        case SDL_JOYAXISMOTION:
            if (event.jaxis.which != FIRST_PAD) return true;
            if (event.jaxis.axis == AXIS_X) pad->stick_x = tilt(event.jaxis.value, settings.pad_dead_zone);
            if (event.jaxis.axis == AXIS_Y) pad->stick_y = tilt(event.jaxis.value, settings.pad_dead_zone);
            sync_arrows(pad);
            return true;
        case SDL_JOYHATMOTION:
            if (event.jhat.which != FIRST_PAD || event.jhat.hat != FIRST_HAT) return true;
            pad->hat = event.jhat.value;
            sync_arrows(pad);
            return true;
        case SDL_JOYBUTTONDOWN:
        case SDL_JOYBUTTONUP: {
            if (event.jbutton.which != FIRST_PAD) return true;
            const bool down = event.type == SDL_JOYBUTTONDOWN;
            if (event.jbutton.button == settings.pad_fire_button) pad->fire_held = down;
            queue_key(pad, button_key(event.jbutton.button, settings), down);
            return true;
        }
        case SDL_JOYBALLMOTION:
            return true;
        default:
            return false;
    }
}

bool take_pad_key(PadState* pad, SDL_Event* event) {
    if (pad->pending_count == 0) return false;
    *event = pad->pending[pad->pending_first];
    pad->pending_first = (pad->pending_first + 1) % PAD_PENDING_MAX;
    pad->pending_count -= 1;
    return true;
}

bool gamepad_holds(SDLKey key) {
    if (!desktop.on) return false;
    if (desktop.pad.joystick) resync_from_device(&desktop.pad, desktop.settings);
    for (int a = 0; a < PAD_ARROWS; ++a) {
        if (key == ARROW_KEY[a]) return desktop.pad.arrow_held[a];
    }
    return key == SDLK_LCTRL && desktop.pad.fire_held;
}
