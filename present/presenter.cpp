// The OpenGL presenter: one texture the size of the next powers of two, the
// picture uploaded into its corner each frame (16 bits a pixel, as drawn),
// and one quad placed by the layout's arithmetic.
#include "present/presenter.h"

#include <GL/gl.h>

#include <cstddef>
#include <cstdio>

namespace {

// A power of two, so that no extension is needed, large enough for the
// picture; usable_gl checks that the driver takes it.
constexpr int TEXTURE_SIZE = 1024;

struct Presenter {
    bool on = false;
    PresentChoice choice;
    SDL_Surface* picture = nullptr;  // what the game draws into
    SDL_Surface* display = nullptr;  // the OpenGL display surface (no pixels)
    GLuint texture = 0;
    int desktop_w = -1, desktop_h = -1;  // -1: not read yet
};

Presenter presenter;

// The texture and the state the quad is drawn with; a mode set may have
// made a new OpenGL context, so this follows every one.
void set_up_drawing() {
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_BLEND);
    glEnable(GL_TEXTURE_2D);
    glGenTextures(1, &presenter.texture);
    glBindTexture(GL_TEXTURE_2D, presenter.texture);
    const GLint filter = presenter.choice.smooth ? GL_LINEAR : GL_NEAREST;
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, filter);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, filter);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGB, TEXTURE_SIZE, TEXTURE_SIZE, 0, GL_RGB, GL_UNSIGNED_SHORT_5_6_5,
                 nullptr);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_REPLACE);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 2);
    glViewport(0, 0, presenter.display->w, presenter.display->h);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(0, presenter.display->w, presenter.display->h, 0, -1, 1);  // y down, as the picture
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glClearColor(0, 0, 0, 1);
}

bool set_mode(bool fullscreen) {
    int w = presenter.desktop_w, h = presenter.desktop_h;
    if (!fullscreen) {
        presenter_window_size(presenter.choice, presenter.desktop_w, presenter.desktop_h,
                              presenter.picture->w, presenter.picture->h, &w, &h);
    }
    if (presenter.texture) glDeleteTextures(1, &presenter.texture);
    presenter.texture = 0;
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
    SDL_GL_SetAttribute(SDL_GL_SWAP_CONTROL, presenter.choice.vsync ? 1 : 0);
    SDL_Surface* display = SDL_SetVideoMode(w, h, 0, SDL_OPENGL | (fullscreen ? SDL_FULLSCREEN : 0));
    if (!display || !(display->flags & SDL_OPENGL)) return false;
    presenter.display = display;
    presenter.choice.fullscreen = (display->flags & SDL_FULLSCREEN) != 0;
    set_up_drawing();
    return true;
}

// OpenGL 1.2 at least (16-bit uploads, clamping to the edge) and a texture
// the size needed.
bool usable_gl(std::string* why) {
    const char* version = reinterpret_cast<const char*>(glGetString(GL_VERSION));
    int major = 0, minor = 0;
    if (!version || std::sscanf(version, "%d.%d", &major, &minor) != 2) {
        *why = "no OpenGL version reported";
        return false;
    }
    GLint largest = 0;
    glGetIntegerv(GL_MAX_TEXTURE_SIZE, &largest);
    if (major * 10 + minor < 12 || largest < TEXTURE_SIZE) {
        *why = std::string("OpenGL ") + version + " is too old";
        return false;
    }
    return true;
}

// The picture's right column and bottom row once more beside it, so that
// smooth filtering at its edges blends with itself rather than with the
// unused part of the texture.
void upload(const SDL_Surface* picture) {
    const auto* pixels = static_cast<const Uint16*>(picture->pixels);
    const int w = picture->w, h = picture->h, row = picture->pitch / 2;
    glPixelStorei(GL_UNPACK_ROW_LENGTH, row);
    glTexSubImage2D(GL_TEXTURE_2D, 0, 0, 0, w, h, GL_RGB, GL_UNSIGNED_SHORT_5_6_5, pixels);
    glTexSubImage2D(GL_TEXTURE_2D, 0, w, 0, 1, h, GL_RGB, GL_UNSIGNED_SHORT_5_6_5, pixels + w - 1);
    glTexSubImage2D(GL_TEXTURE_2D, 0, 0, h, w, 1, GL_RGB, GL_UNSIGNED_SHORT_5_6_5,
                    pixels + ptrdiff_t(h - 1) * row);
    glPixelStorei(GL_UNPACK_ROW_LENGTH, 0);
}

}  // namespace

void desktop_size(int* w, int* h) {
    if (presenter.desktop_w < 0) {
        const SDL_VideoInfo* info = SDL_GetVideoInfo();
        presenter.desktop_w = info ? info->current_w : 0;
        presenter.desktop_h = info ? info->current_h : 0;
    }
    *w = presenter.desktop_w;
    *h = presenter.desktop_h;
}

void presenter_window_size(const PresentChoice& choice, int desktop_w, int desktop_h, int picture_w,
                           int picture_h, int* w, int* h) {
    const int times = choice.window_scale > 0 ? choice.window_scale
                                              : auto_window_scale(desktop_w, desktop_h, picture_w, picture_h);
    *w = picture_w * times;
    *h = picture_h * times;
}

SDL_Surface* open_presenter(const PresentChoice& choice, int picture_w, int picture_h, std::string* why) {
    if (presenter.on) return presenter.picture;
    int desktop_w = 0, desktop_h = 0;
    desktop_size(&desktop_w, &desktop_h);
    if (desktop_w <= 0 || desktop_h <= 0) {
        *why = "the display reports no size";
        return nullptr;
    }
    if (!presenter.picture) {
        presenter.picture =
            SDL_CreateRGBSurface(SDL_SWSURFACE, picture_w, picture_h, 16, 0xF800, 0x07E0, 0x001F, 0);
        if (!presenter.picture) {
            *why = SDL_GetError();
            return nullptr;
        }
    }
    presenter.choice = choice;
    if (!set_mode(choice.fullscreen)) {
        *why = SDL_GetError();
    } else if (usable_gl(why)) {
        presenter.on = true;
        return presenter.picture;
    }
    SDL_FreeSurface(presenter.picture);
    presenter.picture = nullptr;
    return nullptr;
}

bool presenter_on() {
    return presenter.on;
}

SDL_Surface* presenter_picture() {
    return presenter.picture;
}

void present_picture(SDL_Surface* picture) {
    upload(picture);
    glClear(GL_COLOR_BUFFER_BIT);
    const ScreenRect r = picture_rect(presenter.display->w, presenter.display->h, picture->w, picture->h,
                                      presenter.choice.scale);
    const float u = float(picture->w) / TEXTURE_SIZE, v = float(picture->h) / TEXTURE_SIZE;
    glBegin(GL_QUADS);
    glTexCoord2f(0, 0);
    glVertex2i(r.x, r.y);
    glTexCoord2f(u, 0);
    glVertex2i(r.x + r.w, r.y);
    glTexCoord2f(u, v);
    glVertex2i(r.x + r.w, r.y + r.h);
    glTexCoord2f(0, v);
    glVertex2i(r.x, r.y + r.h);
    glEnd();
    SDL_GL_SwapBuffers();
    // With vsync, wait here for the swap rather than queue this picture
    // behind another: a queued one would reach the screen a refresh late.
    if (presenter.choice.vsync) glFinish();
}

bool switch_presenter_mode() {
    const bool now = presenter.choice.fullscreen;
    return set_mode(!now) || set_mode(now);
}

bool presenter_fullscreen() {
    return presenter.choice.fullscreen;
}
