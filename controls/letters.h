// Lines of text over the game's pictures, in the forge's letter strip
// (controls/letters.bmp): key names, numbers and short messages.
#pragma once

#include <SDL.h>

#include <string>

constexpr int LETTER_W = 12;  // every character is one cell wide
constexpr int LETTER_H = 22;

enum LetterColour { LETTERS_WHITE, LETTERS_GOLD };

// Draws text (space to ~; others as '?') with its top-left at x, y. Nothing
// when the strip cannot be read.
void draw_letters(SDL_Surface* target, int x, int y, const std::string& text, LetterColour colour);
// The width of a line of text in pixels.
int letters_width(const std::string& text);
