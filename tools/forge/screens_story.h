// The story pages: authored text from data/story/ set beside an illustration.
#pragma once

#include <string>

namespace forge {

// Reads src/story/NN.txt and writes out/story/NN.bmp for every page.
void write_story_pages(const std::string& src, const std::string& out);

}  // namespace forge
