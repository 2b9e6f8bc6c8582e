// Stand-in.
#include "sprites_parts.h"

namespace forge::sprites {

void forge_enemies(const std::string& /*bmp*/) {}

}  // namespace forge::sprites
