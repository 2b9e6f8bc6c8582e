// The letter strip: one cell per character, a white row and a gold one.
#include "controls/letters.h"

#include "assets/image_bank.h"
#include "render/scene.h"

namespace {

constexpr char FIRST_CHAR = ' ';
constexpr char LAST_CHAR = '~';

// Loaded at the first line drawn, kept for the run.
SDL_Surface* strip() {
    static SDL_Surface* letters = nullptr;
    if (!letters) letters = load_keyed_picture("controls/letters.bmp");
    return letters;
}

}  // namespace

void draw_letters(SDL_Surface* target, int x, int y, const std::string& text, LetterColour colour) {
    SDL_Surface* letters = strip();
    if (!letters) return;
    for (char c : text) {
        if (c < FIRST_CHAR || c > LAST_CHAR) c = '?';
        const SDL_Rect cell{Sint16((c - FIRST_CHAR) * LETTER_W), Sint16(colour * LETTER_H), LETTER_W,
                            LETTER_H};
        blit_picture(letters, &cell, x, y, target);
        x += LETTER_W;
    }
}

int letters_width(const std::string& text) {
    return int(text.size()) * LETTER_W;
}
