// The sprite pictures of play: every black-keyed picture of bmp/ that moves.
#include "sprites_parts.h"

namespace forge {

namespace sprites {

void save(const std::string& path, const draw::Canvas& cv, draw::Edge edge) {
    write_bmp(path, draw::keyed(cv, edge));
}

}  // namespace sprites

void forge_sprites(const std::string& /*src*/, const std::string& out) {
    const std::string bmp = out + "/bmp/";
    sprites::forge_ship(bmp);
    sprites::forge_enemies(bmp);
    sprites::forge_bosses(bmp);
    sprites::forge_shots(bmp);
    sprites::forge_pickups(bmp);
    sprites::forge_scenery(bmp);
}

}  // namespace forge
