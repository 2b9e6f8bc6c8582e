// The illustrations of the title and story screens: the Cloudpiercer, the
// Gleaners and their four strongholds, and the places of the story.
#pragma once

#include <string>
#include <vector>

#include "screens_paint.h"

namespace forge::art {

using paint::Canvas;
using paint::Place;
using paint::Pt;
using paint::Rng;

// A caption to be lettered onto the picture after it is resolved.
struct Label {
    Pt at;  // centre of the text
    std::string text;
    uint32_t colour;
};

// Subjects, drawn around (0, 0) and placed by `p`. Ships point up (nose at y -1).
void cloudpiercer(Canvas& cv, const Place& p, double flame, uint32_t rim = 0x0e1028);
void saucer(Canvas& cv, const Place& p, bool beam);
void cloud(Canvas& cv, Pt c, double size, uint32_t light, uint32_t dark, Rng& rng);
void stars(Canvas& cv, Rng& rng, int count, double bottom);
// Dark rim drawn under a subject's parts so it reads against any sky.
void outline(Canvas& cv, const std::vector<std::vector<Pt>>& parts, double width, uint32_t colour);

// Draws the named story illustration over the whole canvas; throws on a name
// that has no picture, so a typo in a story page fails the forge.
void scene(Canvas& cv, const std::string& name, std::vector<Label>& labels);

}  // namespace forge::art
