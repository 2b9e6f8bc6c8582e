// The forge's data tree and the catalogues that load it.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "assets/image_bank.h"
#include "assets/sound_bank.h"
#include "tests/data_folder.h"
#include "tests/harness.h"

namespace {

struct PictureSize {
    const char* path;
    int w, h;
    bool keyed;
};

// Every picture the game loads, with the size its code relies on.
const PictureSize PICTURES[] = {
    {"bmp/ship0.bmp", 64, 64, true},
    {"bmp/ship1.bmp", 64, 64, true},
    {"bmp/ship2.bmp", 64, 64, true},
    {"bmp/shipl0.bmp", 64, 64, true},
    {"bmp/shipl1.bmp", 64, 64, true},
    {"bmp/shipl2.bmp", 64, 64, true},
    {"bmp/shipr0.bmp", 64, 64, true},
    {"bmp/shipr1.bmp", 64, 64, true},
    {"bmp/shipr2.bmp", 64, 64, true},
    {"bmp/ufo0.bmp", 64, 64, true},
    {"bmp/ufo1.bmp", 64, 64, true},
    {"bmp/ufo2.bmp", 64, 64, true},
    {"bmp/openspace.bmp", 256, 256, false},
    {"bmp/l1b.bmp", 16, 16, true},
    {"bmp/l2b.bmp", 16, 16, true},
    {"bmp/nme1bullet.bmp", 16, 16, true},
    {"bmp/rural.bmp", 256, 256, false},
    {"bmp/rural2.bmp", 256, 256, false},
    {"bmp/l3b0.bmp", 16, 16, true},
    {"bmp/l3b1.bmp", 16, 16, true},
    {"bmp/l3b2.bmp", 16, 16, true},
    {"bmp/l4b0.bmp", 16, 16, true},
    {"bmp/l4b1.bmp", 16, 16, true},
    {"bmp/exp16-0.bmp", 16, 16, true},
    {"bmp/exp16-1.bmp", 16, 16, true},
    {"bmp/exp16-2.bmp", 16, 16, true},
    {"bmp/exp16-3.bmp", 16, 16, true},
    {"bmp/exp64-0.bmp", 64, 64, true},
    {"bmp/exp64-1.bmp", 64, 64, true},
    {"bmp/exp64-2.bmp", 64, 64, true},
    {"bmp/exp64-3.bmp", 64, 64, true},
    {"bmp/exp64-4.bmp", 64, 64, true},
    {"bmp/lvl1boss0.bmp", 512, 256, true},
    {"bmp/lvl1boss1.bmp", 512, 256, true},
    {"bmp/lvl1boss2.bmp", 512, 256, true},
    {"bmp/shieldbar.bmp", 256, 32, true},
    {"bmp/shields.bmp", 0, 0, true},
    {"bmp/shieldsgreen.bmp", 0, 0, true},
    {"bmp/shieldsred.bmp", 0, 0, true},
    {"bmp/shieldslow0.bmp", 512, 128, true},
    {"bmp/shieldslow1.bmp", 512, 128, true},
    {"bmp/pcicon.bmp", 16, 16, true},
    {"bmp/gameover.bmp", 512, 256, true},
    {"bmp/speedicon0.bmp", 64, 32, true},
    {"bmp/speedicon1.bmp", 64, 32, true},
    {"bmp/speedup.bmp", 512, 128, true},
    {"bmp/absorb0.bmp", 64, 64, true},
    {"bmp/absorb1.bmp", 64, 64, true},
    {"bmp/absorb2.bmp", 64, 64, true},
    {"bmp/absorb3.bmp", 64, 64, true},
    {"bmp/absorb4.bmp", 64, 64, true},
    {"bmp/weaponicon0.bmp", 64, 32, true},
    {"bmp/weaponicon1.bmp", 64, 32, true},
    {"bmp/lvl1bossbg.bmp", 256, 256, false},
    {"bmp/birdhead0.bmp", 128, 128, true},
    {"bmp/birdhead1.bmp", 128, 128, true},
    {"bmp/birdhead2.bmp", 128, 128, true},
    {"bmp/thebosshp.bmp", 800, 16, false},
    {"bmp/lifeicon0.bmp", 64, 32, true},
    {"bmp/lifeicon1.bmp", 64, 32, true},
    {"bmp/shieldicon0.bmp", 64, 32, true},
    {"bmp/shieldicon1.bmp", 64, 32, true},
    {"bmp/numbers.bmp", 240, 24, true},
    {"bmp/cloud.bmp", 256, 128, true},
    {"bmp/sun0.bmp", 256, 256, true},
    {"bmp/sun1.bmp", 256, 256, true},
    {"bmp/earth0.bmp", 320, 320, true},
    {"bmp/earth1.bmp", 320, 320, true},
    {"bmp/earth2.bmp", 320, 320, true},
    {"bmp/interceptor0.bmp", 128, 128, true},
    {"bmp/interceptor1.bmp", 128, 128, true},
    {"bmp/interceptor2.bmp", 128, 128, true},
    {"bmp/skel.bmp", 96, 64, true},
    {"bmp/lvl2boss0.bmp", 512, 256, true},
    {"bmp/lvl3boss0.bmp", 512, 256, true},
    {"bmp/lvl3boss1.bmp", 512, 256, true},
    {"bmp/lvl3boss2.bmp", 512, 256, true},
    {"bmp/lvl4boss0.bmp", 256, 256, true},
    {"bmp/lvl4boss1.bmp", 256, 256, true},
    {"bmp/water.bmp", 256, 256, false},
    {"bmp/water2.bmp", 256, 256, false},
    {"bmp/sand.bmp", 256, 256, false},
    {"bmp/sand2.bmp", 256, 256, false},
    {"bmp/mars.bmp", 256, 256, true},
    // the screens' own pictures
    {"bmp/titlescreen.bmp", 800, 600, false},
    {"bmp/cursor.bmp", 0, 0, true},
    {"bmp/easy.bmp", 0, 0, false},
    {"bmp/normal.bmp", 0, 0, false},
    {"bmp/hard.bmp", 0, 0, false},
    {"bmp/paused.bmp", 800, 600, false},
    {"story/00.bmp", 800, 600, false},
    {"story/01.bmp", 800, 600, false},
    {"story/02.bmp", 800, 600, false},
    {"story/03.bmp", 800, 600, false},
    {"story/10.bmp", 800, 600, false},
    {"story/11.bmp", 800, 600, false},
    {"story/20.bmp", 800, 600, false},
    {"story/21.bmp", 800, 600, false},
    {"story/30.bmp", 800, 600, false},
    {"story/31.bmp", 800, 600, false},
    {"story/40.bmp", 800, 600, false},
};
constexpr int PLAY_PICTURES = 84;  // the first rows: the pictures of play

const char* const SOUND_FILES[] = {"wav/laser.wav",       "wav/exp16.wav",       "wav/exp64.wav",
                                   "wav/smallbullet.wav", "wav/beep.wav",        "wav/shieldsarelow.wav",
                                   "wav/hpup.wav",        "wav/speedup.wav",     "wav/absorb.wav",
                                   "wav/bosscoming.wav",  "wav/largebullet.wav", "wav/rocket.wav"};
const char* const MUSIC_FILES[] = {
    "midi/level1.mid", "midi/title.mid",  "midi/gameover.mid", "midi/lvl1boss.mid", "midi/story.mid",
    "midi/story2.mid", "midi/level2.mid", "midi/level3.mid",   "midi/level4.mid",   "midi/victory.mid"};

}  // namespace

TEST(Assets, EveryPictureExistsAtItsSizeAndKeyedOnesKeepBlackForTransparency) {
    for (const PictureSize& p : PICTURES) {
        SCOPED_TRACE(p.path);
        SDL_Surface* s = SDL_LoadBMP(p.path);
        ASSERT_NE(s, nullptr);
        if (p.w) {
            EXPECT_EQ(s->w, p.w);
            EXPECT_EQ(s->h, p.h);
        }
        if (p.keyed) {
            // Black is the only transparent colour: nothing visible may turn
            // black when the 16-bit display drops the low bits.
            int near_black = 0;
            int black = 0;
            for (int y = 0; y < s->h; ++y) {
                for (int x = 0; x < s->w; ++x) {
                    const Rgb c = surface_pixel(s, x, y);
                    if (c == Rgb{0, 0, 0}) {
                        ++black;
                    } else if ((c.r >> 3) == 0 && (c.g >> 2) == 0 && (c.b >> 3) == 0) {
                        ++near_black;
                    }
                }
            }
            EXPECT_EQ(near_black, 0);
            EXPECT_LT(black, s->w * s->h) << "a keyed picture that is all black shows nothing";
        }
        SDL_FreeSurface(s);
    }
    EXPECT_EQ(sizeof PICTURES / sizeof PICTURES[0], 84u + 17u);
}

TEST(Assets, PausePictureUsesItsOwnTransparentColour) {
    SDL_Surface* s = SDL_LoadBMP("bmp/paused.bmp");
    ASSERT_NE(s, nullptr);
    int keyed = 0;
    for (int y = 0; y < s->h; y += 4) {
        for (int x = 0; x < s->w; x += 4) keyed += surface_pixel(s, x, y) == Rgb{214, 123, 124};
    }
    const int samples = (s->w / 4) * (s->h / 4);
    EXPECT_GT(keyed, samples / 2) << "the game should show through most of the pause picture";
    EXPECT_LT(keyed, samples) << "the pause picture should show something";
    SDL_FreeSurface(s);
}

TEST(Assets, CatalogueLoadsEightyFourPicturesAndLeavesTheUnusedFieldsNull) {
    LoopState loop;
    boot_game(&loop);
    int loaded = 0;
    for (int f = 0; f < IMAGE_FIELD_COUNT; ++f) loaded += images.pic[f] != nullptr;
    EXPECT_EQ(loaded, PLAY_PICTURES);
    for (int f : {0, 1, 2, 3, 4, 5, 18}) EXPECT_EQ(images.pic[f], nullptr) << f;
    // Keyed pictures are in the display's format; raw ones as loaded.
    EXPECT_EQ(images.pic[IMG_UFO]->format->BitsPerPixel, screen->format->BitsPerPixel);
    EXPECT_TRUE(images.pic[IMG_UFO]->flags & SDL_SRCCOLORKEY);
    EXPECT_FALSE(images.pic[IMG_RURAL]->flags & SDL_SRCCOLORKEY);
    // Opaque pictures come in the display's own 5-6-5 format: drawn without conversion.
    EXPECT_EQ(images.pic[IMG_RURAL]->format->BitsPerPixel, 16);
    EXPECT_EQ(images.pic[IMG_RURAL]->format->Rmask, screen->format->Rmask);
    // A restart loads everything again into the same bank without leaking the old.
    restart_game(&loop);
    loaded = 0;
    for (int f = 0; f < IMAGE_FIELD_COUNT; ++f) loaded += images.pic[f] != nullptr;
    EXPECT_EQ(loaded, PLAY_PICTURES);

    int chunks = 0;
    for (Mix_Chunk* c :
         {sounds.laser, sounds.exp16, sounds.exp64, sounds.smallbullet, sounds.beep, sounds.shieldsarelow,
          sounds.hpup, sounds.speedup, sounds.absorb, sounds.bosscoming, sounds.largebullet, sounds.rocket}) {
        chunks += c != nullptr;
    }
    EXPECT_EQ(chunks, 12);
    int pieces = 0;
    for (Mix_Music* m : {sounds.level1, sounds.title, sounds.gameover, sounds.lvl1boss, sounds.story,
                         sounds.story2, sounds.level2, sounds.level3, sounds.level4, sounds.victory}) {
        pieces += m != nullptr;
    }
    EXPECT_EQ(pieces, 10);
}

TEST(Assets, MissingSoundsAndRawPicturesLeaveAGameThatRuns) {
    DataFolder copy;
    std::vector<std::string> gone(std::begin(SOUND_FILES), std::end(SOUND_FILES));
    gone.insert(gone.end(), std::begin(MUSIC_FILES), std::end(MUSIC_FILES));
    for (int i = 0; i < PLAY_PICTURES; ++i) {
        if (!PICTURES[i].keyed) gone.push_back(PICTURES[i].path);
    }
    for (const std::string& file : gone) copy.remove(file);

    LoopState loop;
    boot_game(&loop);
    EXPECT_EQ(sounds.laser, nullptr);
    EXPECT_EQ(sounds.title, nullptr);
    EXPECT_EQ(images.pic[IMG_RURAL], nullptr);
    EXPECT_EQ(images.pic[IMG_THEBOSSHP], nullptr);
    EXPECT_NE(images.pic[IMG_SHIP], nullptr);
    // Fly, fire, meet a ufo and a boss: silent and partly undrawn, but playing.
    push_key(SDLK_LCTRL);
    push_key(SDLK_q);
    push_key(SDLK_RIGHT);
    run_frames(&loop, 60);
    boss_bar_shown = true;
    run_frames(&loop, 5);
    EXPECT_EQ(player.shields, 5);
    EXPECT_GT(player.x, 300);
    EXPECT_FALSE(loop.quit_requested);
}

TEST(AssetsDeathTest, AMissingKeyedPictureStopsTheStartWithOneLineNamingIt) {
    // This process has not started the mixer's thread, so a plain fork is safe
    // and much quicker than starting the test program again for each file.
    GTEST_FLAG_SET(death_test_style, "fast");
    for (int i = 0; i < PLAY_PICTURES; ++i) {
        if (!PICTURES[i].keyed) continue;
        const std::string file = PICTURES[i].path;
        SCOPED_TRACE(file);
        // The message names the file and the folder it was looked for in.
        EXPECT_EXIT(
            {
                DataFolder copy;
                copy.remove(file);
                SDL_Init(SDL_INIT_VIDEO);  // pictures need a display, not sound
                screen = SDL_SetVideoMode(800, 600, 16, 0);
                load_images(&images);
            },
            ::testing::ExitedWithCode(1),
            "cannot load picture \"" + file + "\" in folder \"/tmp/cloudpiercer-data-");
    }
}
