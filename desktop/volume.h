// Sound the player controls: M mutes and unmutes, - and = (and the keypad's
// minus and plus) step the volume of music and effects together.
#pragma once

#include <SDL.h>

// Sets the mixer's effect and music volumes from desktop.settings: the
// volume of both, under it the music's and the effects' own.
void apply_volume();
// Handles a volume key; true when the key was one (it is then used up).
bool volume_key(SDLKey key);
