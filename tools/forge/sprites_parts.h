// The sprite pictures of play, one group per file; forge_sprites calls them all.
#pragma once

#include <string>

#include "draw.h"

namespace forge::sprites {

// Each writes its pictures into `bmp`, the output's picture folder ending in '/'.
void forge_ship(const std::string& bmp);     // ship, banking frames, absorb field
void forge_enemies(const std::string& bmp);  // ufo, birdhead, interceptor, skel
void forge_bosses(const std::string& bmp);   // the four level bosses
void forge_shots(const std::string& bmp);    // shots, bullets, explosions
void forge_pickups(const std::string& bmp);  // power-up carriers
void forge_scenery(const std::string& bmp);  // Mars, Earth, sun, cloud

// Writes a canvas as a black-keyed picture.
void save(const std::string& path, const draw::Canvas& cv, draw::Edge edge = draw::Edge::Hard);

}  // namespace forge::sprites
