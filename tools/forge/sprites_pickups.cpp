// Stand-in.
#include "sprites_parts.h"

namespace forge::sprites {

void forge_pickups(const std::string& /*bmp*/) {}

}  // namespace forge::sprites
