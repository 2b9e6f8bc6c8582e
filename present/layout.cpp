// The presenter's arithmetic: the picture's rectangle on the screen and the
// window's scale, in whole pixels.
#include "present/layout.h"

#include <algorithm>

ScreenRect picture_rect(int screen_w, int screen_h, int picture_w, int picture_h, PictureScale scale) {
    int w = 0, h = 0;
    const int times = std::min(screen_w / picture_w, screen_h / picture_h);
    if (scale == SCALE_INTEGER && times >= 1) {
        w = picture_w * times;
        h = picture_h * times;
    } else if (long(screen_w) * picture_h <= long(screen_h) * picture_w) {
        // narrower than the picture (portrait, 5:4): full width, bars above and below
        w = screen_w;
        h = int((long(screen_w) * picture_h + picture_w / 2) / picture_w);
    } else {
        // wider (16:9, 16:10): full height, bars at the sides
        h = screen_h;
        w = int((long(screen_h) * picture_w + picture_h / 2) / picture_h);
    }
    return ScreenRect{(screen_w - w) / 2, (screen_h - h) / 2, w, h};
}

int auto_window_scale(int desktop_w, int desktop_h, int picture_w, int picture_h) {
    const int across = (desktop_w - WINDOW_ROOM_W) / picture_w;
    const int down = (desktop_h - WINDOW_ROOM_H) / picture_h;
    return std::max(1, std::min(across, down));
}
