// The sprite pictures of play: every black-keyed picture of bmp/ that moves.
#include "sprites_parts.h"

namespace forge {

namespace sprites {

void save(const std::string& path, const draw::Canvas& cv, draw::Edge edge) {
    constexpr int PINHOLE = 24;  // pixels: larger gaps are meant to be seen through
    Image img = draw::keyed(cv, edge);
    if (edge == draw::Edge::Hard) draw::close_pinholes(img, PINHOLE);
    write_bmp(path, img);
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
