// Stand-in until the story screens land.
#include "screens/story.h"

void story_screen(SDL_Surface*, int) {}
