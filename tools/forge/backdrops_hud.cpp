// Backdrop pictures (being written).
#include "backdrops_kit.h"

namespace forge::backdrop {

void forge_hud(const std::string& /*out*/) {}

}  // namespace forge::backdrop
