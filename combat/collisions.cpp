// Stand-in until collisions land: the ship only moves.
#include "combat/collisions.h"

#include "core/player.h"

bool pixel_hit(const Shot*, int32_t, int32_t, SDL_Surface*) {
    return false;
}

void update_player(Player* p) {
    if (p->shields > 0) move_player(p);
}
