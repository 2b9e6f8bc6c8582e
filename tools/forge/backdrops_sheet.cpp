// The contact sheet (being written).
#include "forge.h"

namespace forge {

void forge_contact_sheet(const std::string& /*out*/) {}

}  // namespace forge
