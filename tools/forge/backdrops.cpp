// The backdrop part of the forge: background tiles, HUD pictures and notices.
#include "backdrops_kit.h"
#include "forge.h"

namespace forge {

void forge_backdrops(const std::string& /*src*/, const std::string& out) {
    backdrop::forge_land_tiles(out);
    backdrop::forge_sea_tiles(out);
    backdrop::forge_space_tiles(out);
    backdrop::forge_hud(out);
    backdrop::forge_notices(out);
}

}  // namespace forge
