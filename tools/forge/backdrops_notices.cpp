// Backdrop pictures (being written).
#include "backdrops_kit.h"

namespace forge::backdrop {

void forge_notices(const std::string& /*out*/) {}

}  // namespace forge::backdrop
