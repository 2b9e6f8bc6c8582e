// Pixel checks shared by the drawing, display and screen tests.
#include "tests/test_drawing_pixels.h"

#include <unistd.h>

#include <algorithm>
#include <climits>
#include <cstdlib>

#include "core/game_state.h"

Rgb on_screen(Rgb c) {
    Uint8 r, g, b;
    SDL_GetRGB(SDL_MapRGB(screen->format, Uint8(c.r), Uint8(c.g), Uint8(c.b)), screen->format, &r, &g, &b);
    return Rgb{r, g, b};
}

void fill_screen(Rgb c) {
    SDL_FillRect(screen, nullptr, SDL_MapRGB(screen->format, Uint8(c.r), Uint8(c.g), Uint8(c.b)));
}

Rgb blitted_pixel(SDL_Surface* pic, int px, int py, Rgb under) {
    const Uint32 value = surface_value(pic, px, py);
    if ((pic->flags & SDL_SRCCOLORKEY) && !(pic->flags & SDL_SRCALPHA) && value == pic->format->colorkey) {
        return on_screen(under);
    }
    Uint8 r, g, b, a;
    SDL_GetRGBA(value, pic->format, &r, &g, &b, &a);
    if ((pic->flags & SDL_SRCALPHA) && pic->format->Amask && a == SDL_ALPHA_TRANSPARENT)
        return on_screen(under);
    return on_screen(Rgb{r, g, b});
}

Layer whole(SDL_Surface* pic, int x, int y) {
    return Layer{pic, SDL_Rect{0, 0, Uint16(pic->w), Uint16(pic->h)}, x, y};
}

bool shows_layers(const std::vector<Layer>& layers, SDL_Rect area, Rgb under) {
    for (int y = std::max(0, int(area.y)); y < std::min(screen->h, area.y + area.h); ++y) {
        for (int x = std::max(0, int(area.x)); x < std::min(screen->w, area.x + area.w); ++x) {
            Rgb expected = on_screen(under);
            for (const Layer& l : layers) {
                const int px = l.part.x + x - l.x, py = l.part.y + y - l.y;
                if (x < l.x || y < l.y || x - l.x >= l.part.w || y - l.y >= l.part.h) continue;
                if (px >= l.pic->w || py >= l.pic->h) continue;
                expected = blitted_pixel(l.pic, px, py, expected);
            }
            if (!(screen_pixel(x, y) == expected)) return false;
        }
    }
    return true;
}

bool shows(SDL_Surface* pic, SDL_Rect part, int x, int y, Rgb under) {
    return shows_layers({Layer{pic, part, x, y}}, SDL_Rect{Sint16(x), Sint16(y), part.w, part.h}, under);
}

bool shows_whole(SDL_Surface* pic, int x, int y, Rgb under) {
    return shows(pic, SDL_Rect{0, 0, Uint16(pic->w), Uint16(pic->h)}, x, y, under);
}

bool untouched(SDL_Rect area, Rgb under) {
    const Rgb expected = on_screen(under);
    for (int y = area.y; y < area.y + area.h && y < screen->h; ++y) {
        for (int x = area.x; x < area.x + area.w && x < screen->w; ++x) {
            if (x >= 0 && y >= 0 && !(screen_pixel(x, y) == expected)) return false;
        }
    }
    return true;
}

bool same_pictures(SDL_Surface* a, SDL_Surface* b) {
    if (a->w != b->w || a->h != b->h) return false;
    for (int y = 0; y < a->h; ++y) {
        for (int x = 0; x < a->w; ++x) {
            if (!(blitted_pixel(a, x, y, BACKDROP) == blitted_pixel(b, x, y, BACKDROP))) return false;
        }
    }
    return true;
}

namespace {

// Folders made but maybe not yet removed: a test that ends the program from
// inside one (a death test's child) removes it on the way out.
std::vector<std::string> made_folders;

void remove_made_folders() {
    for (const std::string& f : made_folders) rmdir(f.c_str());
}

}  // namespace

EmptyFolder::EmptyFolder() {
    char cwd[PATH_MAX];
    previous = getcwd(cwd, sizeof cwd) ? cwd : ".";
    char name[] = "/tmp/cloudpiercer-empty-XXXXXX";
    if (!mkdtemp(name)) std::abort();
    path = name;
    if (made_folders.empty()) std::atexit(remove_made_folders);
    made_folders.push_back(path);
    if (chdir(path.c_str()) != 0) std::abort();
}

EmptyFolder::~EmptyFolder() {
    if (chdir(previous.c_str()) != 0) std::abort();
    rmdir(path.c_str());
}
