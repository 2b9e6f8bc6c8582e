// Stand-in until scene drawing lands.
#include "render/scene.h"

void draw_background(SDL_Surface*, Scroll*) {}
void draw_effects(Effect*, SDL_Surface*) {}
void draw_player(Player*, SDL_Surface*) {}
void draw_enemies(Enemy*, SDL_Surface*) {}
void draw_shots(Shot*, SDL_Surface*) {}
