// Story screens between the levels.
#pragma once

#include <SDL.h>

// Shows story 0..4 page by page until the player has read it.
void story_screen(SDL_Surface* target, int story);
