// Where the picture lies on a screen of any size: scaled to fit or by the
// largest whole multiple, always 4:3 and centred with black bars; and how
// many times the picture's size a window is opened at.
#pragma once

enum PictureScale {
    SCALE_FIT,      // as large as the screen allows
    SCALE_INTEGER,  // the largest whole multiple that fits: every pixel the same size
};

// A rectangle on the screen, from its top-left corner, in screen pixels.
struct ScreenRect {
    int x, y, w, h;
};

// The picture (picture_w x picture_h) on a screen of screen_w x screen_h.
// A screen smaller than the picture gets it scaled down to fit whatever was
// asked: the whole picture is always shown.
ScreenRect picture_rect(int screen_w, int screen_h, int picture_w, int picture_h, PictureScale scale);

// Room a window leaves on the desktop for its title bar and the desktop's
// panels and docks.
constexpr int WINDOW_ROOM_W = 80;
constexpr int WINDOW_ROOM_H = 96;

// The largest whole multiple of the picture whose window fits the desktop
// with that room; 1 at least (also when the desktop's size is unknown).
int auto_window_scale(int desktop_w, int desktop_h, int picture_w, int picture_h);
