// Stand-in until the enemies' pass lands.
#include "combat/enemies.h"

void update_enemies(Enemy*, Player*, Shot*) {}
