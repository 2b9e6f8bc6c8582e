// The story illustrations split by place (the Vale, space, the sea, the
// desert), and the pieces of scenery more than one of them paints.
#pragma once

#include <cstdint>
#include <vector>

#include "screens_art.h"

namespace forge::art::scenes {

// ---- scenery shared by the pictures ----
void sky(Canvas& cv, std::vector<paint::Stop> stops);
// A rolling ridge line across the picture, filled down to the bottom.
void ridge(Canvas& cv, double base, double amp, double wave, uint32_t seed, const paint::Shader& s);
// A field ridge with furrows following its crest.
void field(Canvas& cv, double base, double amp, double wave, uint32_t seed, uint32_t top, uint32_t bottom,
           uint32_t furrow);
void moon(Canvas& cv, Pt c, double r, const paint::Shader& sky_shader);
void sun(Canvas& cv, Pt c, double r, uint32_t core, uint32_t rim, uint32_t halo);
void barn(Canvas& cv, Pt base, double s, uint32_t wall, uint32_t roof, uint32_t door_light);
void silo(Canvas& cv, Pt base, double w, double h, uint32_t colour);
void tree(Canvas& cv, Pt base, double h, uint32_t leaf);
void comet(Canvas& cv, Pt head, Pt tail_dir, double len);
// Planets lit from `light`, a unit-ish direction toward the sun.
void earth(Canvas& cv, Pt c, double r, Pt light);
void mars(Canvas& cv, Pt c, double r, Pt light);

// ---- the pictures, each over the whole canvas ----
// The Vale (screens_scenes_vale.cpp).
void vale_night(Canvas& cv, std::vector<Label>& labels);
void pilot(Canvas& cv, std::vector<Label>& labels);
void route_map(Canvas& cv, std::vector<Label>& labels);
void launch(Canvas& cv, std::vector<Label>& labels);
void homecoming(Canvas& cv, std::vector<Label>& labels);
// Space (screens_scenes_space.cpp).
void orbit(Canvas& cv, std::vector<Label>& labels);
void lantern(Canvas& cv, std::vector<Label>& labels);
// The sea (screens_scenes_sea.cpp).
void sea_storm(Canvas& cv, std::vector<Label>& labels);
void brinemaw(Canvas& cv, std::vector<Label>& labels);
// The desert (screens_scenes_desert.cpp).
void desert(Canvas& cv, std::vector<Label>& labels);
void kiln(Canvas& cv, std::vector<Label>& labels);

}  // namespace forge::art::scenes
