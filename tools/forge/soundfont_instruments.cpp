// The instruments of the game's own bank, one row each. A score may use only
// these programs and drum keys; the tests check every score against them.
#include "soundfont.h"

namespace forge {

// clang-format off
const MelodicInstrument MELODIC_INSTRUMENTS[] = {
//  program name                tone           lo   hi  attack decay sust release cutoff vibrato level
    {   0, "Grand Piano",       TONE_PIANO,    21, 108,    2, 2600,  60,   300,   2000,   0,   -2},
    {   8, "Celesta",           TONE_CELESTA,  48, 108,    1, 1400,  60,   350,   4000,   0,    0},
    {  14, "Tubular Bells",     TONE_BELL,     48,  96,    2, 4000,  60,   900,      0,   0,   -2},
    {  24, "Nylon Guitar",      TONE_PLUCK,    40,  88,    2, 1800,  60,   250,   2400,   0,    0},
    {  30, "Driven Guitar",     TONE_BUZZ,     36,  88,    4,  900,  10,   180,   3600,   8,   -6},
    {  32, "Upright Bass",      TONE_PLUCK,    24,  60,    4, 1500,  40,   200,   1000,   0,    0},
    {  33, "Finger Bass",       TONE_PLUCK,    24,  64,    3, 1100,  18,   120,   1500,   0,    0},
    {  38, "Synth Bass",        TONE_SAW,      24,  64,    2,  500,  12,   100,   1400,   0,   -2},
    {  40, "Violin",            TONE_BOWED,    55, 103,   60,  400,   4,   220,   4500,  18,   -2},
    {  42, "Cello",             TONE_BOWED,    36,  76,   70,  400,   4,   260,   2800,  14,   -1},
    {  44, "Tremolo Strings",   TONE_TREMOLO,  28, 103,   60,  600,   3,   300,   3800,   0,   -3},
    {  46, "Harp",              TONE_PLUCK,    24, 103,    1, 2400,  60,   600,   3500,   0,    0},
    {  47, "Timpani",           TONE_TIMPANI,  28,  60,    3, 1900,  60,   600,   1600,   0,   -2},
    {  48, "Strings",           TONE_ENSEMBLE, 28, 103,  140,  600,   3,   420,   3800,   6,   -3},
    {  53, "Voices Ooh",        TONE_VOICE,    40,  88,  180,  600,   3,   500,   3200,   8,    0},
    {  56, "Trumpet",           TONE_BRASS,    52,  91,   25,  300,   5,   140,   4500,  10,   -3},
    {  57, "Trombone",          TONE_BRASS,    34,  77,   35,  350,   5,   160,   3000,   8,   -2},
    {  58, "Tuba",              TONE_BRASS,    24,  62,   40,  350,   5,   160,   1500,   0,    0},
    {  60, "French Horn",       TONE_BRASS,    34,  82,   45,  400,   4,   240,   2200,   6,   -2},
    {  61, "Brass Section",     TONE_BRASS,    34,  86,   30,  350,   5,   180,   3400,   8,   -3},
    {  68, "Oboe",              TONE_REED,     55,  94,   25,  300,   3,   120,   4000,  12,   -3},
    {  71, "Clarinet",          TONE_CLARINET, 48,  91,   20,  300,   2,   120,   3600,   6,   -2},
    {  73, "Flute",             TONE_FLUTE,    55,  98,   35,  300,   2,   160,   5000,  14,   -1},
    {  80, "Square Lead",       TONE_SQUARE,   36,  96,    3,  400,   6,   120,   4000,  10,   -8},
    {  94, "Halo Pad",          TONE_PAD,      36,  96,  450, 1200,   4,   900,   3200,   0,    0},
    { 104, "Sitar",             TONE_BUZZ,     40,  88,    2, 2200,  60,   400,   5000,   0,   -4},
};

const DrumSound DRUM_SOUNDS[] = {
//   key  name             hit            pitch decay  pan level
    { 36, "Kick",          HIT_KICK,        52,  420,   0,   0},
    { 37, "Side Stick",    HIT_RIM,       1700,   90,   8,  -6},
    { 38, "Snare",         HIT_SNARE,      190,  320,   4,  -2},
    { 40, "Snare 2",       HIT_SNARE,      230,  240,   4,  -4},
    { 42, "Closed Hat",    HIT_HAT,       9000,  110, -18,  -9},
    { 43, "Low Tom",       HIT_TOM,         90,  600,  20,  -2},
    { 45, "Mid Tom",       HIT_TOM,        115,  520,  10,  -2},
    { 47, "Mid Tom 2",     HIT_TOM,        140,  480,   0,  -2},
    { 48, "High Tom",      HIT_TOM,        170,  440, -10,  -2},
    { 49, "Crash",         HIT_CYMBAL,    5000, 1800, -22,  -8},
    { 50, "High Tom 2",    HIT_TOM,        205,  400, -20,  -2},
    { 51, "Ride",          HIT_CYMBAL,    7000, 1300,  22, -12},
    { 52, "China",         HIT_CYMBAL,    3600, 1400,  26,  -9},
    { 54, "Tambourine",    HIT_JINGLE,    7500,  260, -26, -10},
    { 60, "Bongo",         HIT_SKIN,       400,  180, -20,  -5},
    { 64, "Conga",         HIT_SKIN,       190,  260,  20,  -4},
    { 66, "Timbale",       HIT_SKIN,       330,  380,  14,  -5},
    { 81, "Triangle",      HIT_TRIANGLE,  1900, 1400,  30, -12},
    { 82, "Shaker",        HIT_SHAKER,    6500,  120, -30, -12},
};
// clang-format on

const int MELODIC_INSTRUMENT_COUNT = int(sizeof MELODIC_INSTRUMENTS / sizeof MELODIC_INSTRUMENTS[0]);
const int DRUM_SOUND_COUNT = int(sizeof DRUM_SOUNDS / sizeof DRUM_SOUNDS[0]);

}  // namespace forge
