// The player's keys and the game's, the reserved keys and SDL's key names.
#include "controls/key_map.h"

#include <utility>

namespace {

const char* const SETTING_NAME[CONTROL_COUNT] = {"key_up",    "key_down", "key_left",
                                                 "key_right", "key_fire", "key_pause"};
const char* const LABEL[CONTROL_COUNT] = {"up", "down", "left", "right", "fire", "pause"};

// The desktop keys poll_input takes before the game sees them.
constexpr SDLKey RESERVED[] = {SDLK_ESCAPE, SDLK_F1,     SDLK_F2,   SDLK_F11,      SDLK_F12,    SDLK_m,
                               SDLK_MINUS,  SDLK_EQUALS, SDLK_PLUS, SDLK_KP_MINUS, SDLK_KP_PLUS};

struct NamedKey {
    SDLKey key;
    const char* name;
};

// SDL 1.2's names of the keys that are not a printable character (those
// are named by the character: "a", "1", "[").
// clang-format off
constexpr NamedKey NAMES[] = {
    {SDLK_BACKSPACE, "backspace"}, {SDLK_TAB, "tab"}, {SDLK_CLEAR, "clear"}, {SDLK_RETURN, "return"},
    {SDLK_PAUSE, "pause"}, {SDLK_ESCAPE, "escape"}, {SDLK_SPACE, "space"}, {SDLK_DELETE, "delete"},
    {SDLK_KP0, "[0]"}, {SDLK_KP1, "[1]"}, {SDLK_KP2, "[2]"}, {SDLK_KP3, "[3]"}, {SDLK_KP4, "[4]"},
    {SDLK_KP5, "[5]"}, {SDLK_KP6, "[6]"}, {SDLK_KP7, "[7]"}, {SDLK_KP8, "[8]"}, {SDLK_KP9, "[9]"},
    {SDLK_KP_PERIOD, "[.]"}, {SDLK_KP_DIVIDE, "[/]"}, {SDLK_KP_MULTIPLY, "[*]"}, {SDLK_KP_MINUS, "[-]"},
    {SDLK_KP_PLUS, "[+]"}, {SDLK_KP_ENTER, "enter"}, {SDLK_KP_EQUALS, "equals"},
    {SDLK_UP, "up"}, {SDLK_DOWN, "down"}, {SDLK_RIGHT, "right"}, {SDLK_LEFT, "left"},
    {SDLK_INSERT, "insert"}, {SDLK_HOME, "home"}, {SDLK_END, "end"}, {SDLK_PAGEUP, "page up"},
    {SDLK_PAGEDOWN, "page down"},
    {SDLK_F1, "f1"}, {SDLK_F2, "f2"}, {SDLK_F3, "f3"}, {SDLK_F4, "f4"}, {SDLK_F5, "f5"}, {SDLK_F6, "f6"},
    {SDLK_F7, "f7"}, {SDLK_F8, "f8"}, {SDLK_F9, "f9"}, {SDLK_F10, "f10"}, {SDLK_F11, "f11"},
    {SDLK_F12, "f12"}, {SDLK_F13, "f13"}, {SDLK_F14, "f14"}, {SDLK_F15, "f15"},
    {SDLK_NUMLOCK, "numlock"}, {SDLK_CAPSLOCK, "caps lock"}, {SDLK_SCROLLOCK, "scroll lock"},
    {SDLK_RSHIFT, "right shift"}, {SDLK_LSHIFT, "left shift"}, {SDLK_RCTRL, "right ctrl"},
    {SDLK_LCTRL, "left ctrl"}, {SDLK_RALT, "right alt"}, {SDLK_LALT, "left alt"},
    {SDLK_RMETA, "right meta"}, {SDLK_LMETA, "left meta"}, {SDLK_LSUPER, "left super"},
    {SDLK_RSUPER, "right super"}, {SDLK_MODE, "alt gr"}, {SDLK_COMPOSE, "compose"}, {SDLK_HELP, "help"},
    {SDLK_PRINT, "print screen"}, {SDLK_SYSREQ, "sys req"}, {SDLK_BREAK, "break"}, {SDLK_MENU, "menu"},
    {SDLK_POWER, "power"}, {SDLK_EURO, "euro"}, {SDLK_UNDO, "undo"},
};
// clang-format on

// The keys SDL names by their character: ! to z, but for the upper case
// letters (the key is the lower case one) and % (no key).
bool printable_key(SDLKey key) {
    return key >= SDLK_EXCLAIM && key <= SDLK_z && key != '%' && !(key >= 'A' && key <= 'Z');
}

}  // namespace

int control_of(const KeyMap& map, SDLKey key) {
    for (int c = 0; c < CONTROL_COUNT; ++c) {
        if (map.key[c] == key) return c;
    }
    return CONTROL_COUNT;
}

SDLKey game_key_for(const KeyMap& map, SDLKey key) {
    const int c = control_of(map, key);
    if (c < CONTROL_COUNT) return GAME_KEY[c];
    for (SDLKey own : GAME_KEY) {
        if (own == key) return SDLK_UNKNOWN;
    }
    return key;
}

bool reserved_key(SDLKey key) {
    for (SDLKey r : RESERVED) {
        if (r == key) return true;
    }
    return false;
}

bool assign_key(KeyMap* map, int c, SDLKey key) {
    if (c < 0 || c >= CONTROL_COUNT || reserved_key(key) || key_name(key).empty()) return false;
    const int other = control_of(*map, key);
    if (other < CONTROL_COUNT) std::swap(map->key[other], map->key[c]);
    map->key[c] = key;
    return true;
}

const char* control_setting_name(int c) {
    return SETTING_NAME[c];
}

const char* control_label(int c) {
    return LABEL[c];
}

std::string key_name(SDLKey key) {
    if (printable_key(key)) return std::string(1, char(key));
    for (const NamedKey& n : NAMES) {
        if (n.key == key) return n.name;
    }
    return "";
}

SDLKey key_of_name(const std::string& name) {
    if (name.empty()) return SDLK_UNKNOWN;
    if (name.size() == 1 && printable_key(SDLKey(static_cast<unsigned char>(name[0])))) {
        return SDLKey(static_cast<unsigned char>(name[0]));
    }
    for (const NamedKey& n : NAMES) {
        if (name == n.name) return n.key;
    }
    return SDLK_UNKNOWN;
}

SDL_Event key_event(SDLKey key, bool down) {
    SDL_Event e{};
    e.type = down ? SDL_KEYDOWN : SDL_KEYUP;
    e.key.type = e.type;
    e.key.state = down ? SDL_PRESSED : SDL_RELEASED;
    e.key.keysym.sym = key;
    return e;
}
