// The level script: waves, scenery, music, bosses and level changes by frame.
#pragma once

// Once per frame of play, first thing in the frame.
void run_level_script();
