// Stand-in.
#include "sprites_parts.h"

namespace forge::sprites {

void forge_scenery(const std::string& /*bmp*/) {}

}  // namespace forge::sprites
