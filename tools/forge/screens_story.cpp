// The story pages: authored text from data/story/ set beside an illustration.
#include "screens_story.h"

namespace forge {

void write_story_pages(const std::string& /*src*/, const std::string& /*out*/) {}

}  // namespace forge
