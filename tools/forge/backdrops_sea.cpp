// Backdrop pictures (being written).
#include "backdrops_kit.h"

namespace forge::backdrop {

void forge_sea_tiles(const std::string& /*out*/) {}

}  // namespace forge::backdrop
