// F2 on the title: the controls screen, where the player sets the keys, the
// pad's buttons and dead zone and the music and effects volumes; and the
// title's footer that names F1 and F2.
#pragma once

#include <SDL.h>

// Runs the controls screen over the picture until the player goes back to
// the title (Escape, F2 or the last row), then puts the title's picture
// back and keeps the settings. A window close ends the program, as on the
// title.
void controls_screen(SDL_Surface* picture);

// The footer naming F1 and F2 over the title's line of hints; nothing
// without the desktop extensions (the title is then as it always was).
void draw_title_footer(SDL_Surface* target);
// The pause panel names left Shift: with another pause key, its line says
// that key instead. Nothing while the pause key is left Shift.
void draw_pause_hint(SDL_Surface* target);
