// Image catalogue: loads the pictures of play.
#include "assets/image_bank.h"

#include <unistd.h>

#include <climits>
#include <cstdio>
#include <cstdlib>

#include "assets/data_file.h"
#include "io/picture.h"

namespace {

// One picture file and the field it fills; keyed files of an animation are
// listed frame by frame.
struct PictureFile {
    int field;
    const char* path;
};

// Raw pictures: stored as loaded, drawn opaque.
const PictureFile RAW_PICTURES[] = {
    {IMG_OPENSPACE, "bmp/openspace.bmp"}, {IMG_RURAL, "bmp/rural.bmp"},
    {IMG_RURAL2, "bmp/rural2.bmp"},       {IMG_LVL1BOSSBG, "bmp/lvl1bossbg.bmp"},
    {IMG_WATER, "bmp/water.bmp"},         {IMG_WATER2, "bmp/water2.bmp"},
    {IMG_SAND, "bmp/sand.bmp"},           {IMG_SAND2, "bmp/sand2.bmp"},
    {IMG_THEBOSSHP, "bmp/thebosshp.bmp"},
};

// Keyed pictures, in load order: black is transparent.
const PictureFile KEYED_PICTURES[] = {
    {IMG_SHIP + 0, "bmp/ship0.bmp"},
    {IMG_SHIP + 1, "bmp/ship1.bmp"},
    {IMG_SHIP + 2, "bmp/ship2.bmp"},
    {IMG_SHIPL + 0, "bmp/shipl0.bmp"},
    {IMG_SHIPL + 1, "bmp/shipl1.bmp"},
    {IMG_SHIPL + 2, "bmp/shipl2.bmp"},
    {IMG_SHIPR + 0, "bmp/shipr0.bmp"},
    {IMG_SHIPR + 1, "bmp/shipr1.bmp"},
    {IMG_SHIPR + 2, "bmp/shipr2.bmp"},
    {IMG_UFO + 0, "bmp/ufo0.bmp"},
    {IMG_UFO + 1, "bmp/ufo1.bmp"},
    {IMG_UFO + 2, "bmp/ufo2.bmp"},
    {IMG_L1B, "bmp/l1b.bmp"},
    {IMG_L2B, "bmp/l2b.bmp"},
    {IMG_L3B + 0, "bmp/l3b0.bmp"},
    {IMG_L3B + 1, "bmp/l3b1.bmp"},
    {IMG_L3B + 2, "bmp/l3b2.bmp"},
    {IMG_L4B + 0, "bmp/l4b0.bmp"},
    {IMG_L4B + 1, "bmp/l4b1.bmp"},
    {IMG_NME1BULLET, "bmp/nme1bullet.bmp"},
    {IMG_EXP16 + 0, "bmp/exp16-0.bmp"},
    {IMG_EXP16 + 1, "bmp/exp16-1.bmp"},
    {IMG_EXP16 + 2, "bmp/exp16-2.bmp"},
    {IMG_EXP16 + 3, "bmp/exp16-3.bmp"},
    {IMG_EXP64 + 0, "bmp/exp64-0.bmp"},
    {IMG_EXP64 + 1, "bmp/exp64-1.bmp"},
    {IMG_EXP64 + 2, "bmp/exp64-2.bmp"},
    {IMG_EXP64 + 3, "bmp/exp64-3.bmp"},
    {IMG_EXP64 + 4, "bmp/exp64-4.bmp"},
    {IMG_SHIELDS, "bmp/shields.bmp"},
    {IMG_SHIELDSRED, "bmp/shieldsred.bmp"},
    {IMG_SHIELDSGREEN, "bmp/shieldsgreen.bmp"},
    {IMG_SHIELDBAR, "bmp/shieldbar.bmp"},
    {IMG_SHIELDSLOW + 0, "bmp/shieldslow0.bmp"},
    {IMG_SHIELDSLOW + 1, "bmp/shieldslow1.bmp"},
    {IMG_PCICON, "bmp/pcicon.bmp"},
    {IMG_GAMEOVER, "bmp/gameover.bmp"},
    {IMG_SPEEDICON + 0, "bmp/speedicon0.bmp"},
    {IMG_SPEEDICON + 1, "bmp/speedicon1.bmp"},
    {IMG_WEAPONICON + 0, "bmp/weaponicon0.bmp"},
    {IMG_WEAPONICON + 1, "bmp/weaponicon1.bmp"},
    {IMG_SPEEDUP, "bmp/speedup.bmp"},
    {IMG_ABSORB + 0, "bmp/absorb0.bmp"},
    {IMG_ABSORB + 1, "bmp/absorb1.bmp"},
    {IMG_ABSORB + 2, "bmp/absorb2.bmp"},
    {IMG_ABSORB + 3, "bmp/absorb3.bmp"},
    {IMG_ABSORB + 4, "bmp/absorb4.bmp"},
    {IMG_LVL1BOSS + 0, "bmp/lvl1boss0.bmp"},
    {IMG_LVL1BOSS + 1, "bmp/lvl1boss1.bmp"},
    {IMG_LVL1BOSS + 2, "bmp/lvl1boss2.bmp"},
    {IMG_LVL2BOSS, "bmp/lvl2boss0.bmp"},
    {IMG_LVL3BOSS + 0, "bmp/lvl3boss0.bmp"},
    {IMG_LVL3BOSS + 1, "bmp/lvl3boss1.bmp"},
    {IMG_LVL3BOSS + 2, "bmp/lvl3boss2.bmp"},
    {IMG_LVL4BOSS + 0, "bmp/lvl4boss0.bmp"},
    {IMG_LVL4BOSS + 1, "bmp/lvl4boss1.bmp"},
    {IMG_BIRDHEAD + 0, "bmp/birdhead0.bmp"},
    {IMG_BIRDHEAD + 1, "bmp/birdhead1.bmp"},
    {IMG_BIRDHEAD + 2, "bmp/birdhead2.bmp"},
    {IMG_INTERCEPTOR + 0, "bmp/interceptor0.bmp"},
    {IMG_INTERCEPTOR + 1, "bmp/interceptor1.bmp"},
    {IMG_INTERCEPTOR + 2, "bmp/interceptor2.bmp"},
    {IMG_SKEL, "bmp/skel.bmp"},
    {IMG_SHIELDICON + 0, "bmp/shieldicon0.bmp"},
    {IMG_SHIELDICON + 1, "bmp/shieldicon1.bmp"},
    {IMG_LIFEICON + 0, "bmp/lifeicon0.bmp"},
    {IMG_LIFEICON + 1, "bmp/lifeicon1.bmp"},
    {IMG_CLOUD, "bmp/cloud.bmp"},
    {IMG_SUN + 0, "bmp/sun0.bmp"},
    {IMG_SUN + 1, "bmp/sun1.bmp"},
    {IMG_EARTH + 0, "bmp/earth0.bmp"},
    {IMG_EARTH + 1, "bmp/earth1.bmp"},
    {IMG_EARTH + 2, "bmp/earth2.bmp"},
    {IMG_MARS, "bmp/mars.bmp"},
    {IMG_NUMBERS, "bmp/numbers.bmp"},
};

}  // namespace

SDL_Surface* load_raw_picture(const char* path) {
    return SDL_LoadBMP_RW(open_data_file(path), 1);
}

SDL_Surface* load_keyed_picture(const char* path) {
    SDL_Surface* loaded = load_raw_picture(path);
    if (!loaded) return nullptr;
    SDL_Surface* converted = picture_format(loaded);
    SDL_FreeSurface(loaded);
    if (converted) SDL_SetColorKey(converted, SDL_SRCCOLORKEY, SDL_MapRGB(converted->format, 0, 0, 0));
    return converted;
}

SDL_Surface* load_required_picture(const char* path) {
    SDL_Surface* picture = load_keyed_picture(path);
    if (!picture) {
        char folder[PATH_MAX];
        std::fprintf(stderr, "cloudpiercer: cannot load picture \"%s\" in folder \"%s\"\n", path,
                     getcwd(folder, sizeof folder) ? folder : ".");
        std::exit(1);
    }
    return picture;
}

void load_images(ImageBank* bank) {
    // A restart after a game over loads everything again: free the old first.
    for (SDL_Surface*& pic : bank->pic) {
        if (pic) SDL_FreeSurface(pic);
        pic = nullptr;
    }
    for (const PictureFile& f : RAW_PICTURES) bank->pic[f.field] = load_raw_picture(f.path);
    for (const PictureFile& f : KEYED_PICTURES) bank->pic[f.field] = load_required_picture(f.path);
}
