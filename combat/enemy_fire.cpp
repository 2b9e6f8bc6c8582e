// Stand-in until enemy fire lands.
#include "combat/enemy_fire.h"

void enemy_fire(Enemy*, Shot*) {}
