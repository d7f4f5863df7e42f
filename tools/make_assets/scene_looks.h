// The backdrops of the sixty thumbnails. Scenic moods (sky, sea, moon,
// blossoms) for the three 意境 panels, comic patterns with a speech bubble
// for 恶搞, pastel patterns with hearts and bubbles for 可爱.
#pragma once

#include "looks.h"

namespace dorvane::assets::scenes {

using B = Backdrop;
using L = Light;
using H = Horizon;
using G = Ground;
using D = Decor;
using S = Sprinkle;

// sky top, sky bottom | pattern, ink | light, colour, x, y | horizon, colour, y | ground, colour |
// decor, colour | sprinkle, colour, count | caption
inline constexpr SceneLook sunsetSea{
    0xff9a6b, 0xffd6a0, B::Sky,   0,         L::Sun,   0xfff2b0,    100,      150, H::Sea, 0x4a6fa5,
    172,      G::Sand,  0xf3d9a4, D::Clouds, 0xffe0d0, S::Sparkles, 0xfff6d0, 22,  ""};
inline constexpr SceneLook moonlitLake{
    0x0b1d4a, 0x3a4f8f, B::Sky,   0,        L::Moon,  0xfff6d8, 36,       44, H::Lake, 0x22386e,
    176,      G::Grass, 0x2f5a3e, D::Reeds, 0x3e6b45, S::Stars, 0xffffff, 60, ""};
inline constexpr SceneLook blossomDay{
    0xbfe3ff, 0xffe6f0, B::Sky,      0,        L::None,   0,        0,  0, H::Hills, 0x9ccf8e, 190,
    G::Grass, 0x8fd07e, D::Blossoms, 0xffb7d0, S::Petals, 0xffc2d6, 40, ""};
inline constexpr SceneLook snowyEvening{
    0x5a6ea8, 0xc9d6f0, B::Sky,  0, L::Crescent, 0xfffbe0, 110, 40, H::Mountains, 0x7d8fbf, 200,
    G::Snow,  0xf4f8ff, D::None, 0, S::Snow,     0xffffff, 80,  ""};
inline constexpr SceneLook auroraNight{
    0x061a2e, 0x1d4a5a, B::Sky,    0,        L::None,  0,        0,  0, H::Mountains, 0x0f2a3a, 205,
    G::Snow,  0xdfe9f5, D::Aurora, 0x5dffb0, S::Stars, 0xffffff, 50, ""};
inline constexpr SceneLook rainbowMeadow{
    0x7cc8ff,  0xdaf2ff, B::Sky,     0, L::Sun,      0xfff6a0, 20, 30, H::Hills, 0x7ec86c, 195,
    G::Meadow, 0x86d46e, D::Rainbow, 0, S::Sparkles, 0xffffff, 10, ""};
inline constexpr SceneLook autumnPark{
    0xffc27a, 0xffe9c4, B::Sky,   0,       L::Sun,   0xfff0c0,  115,      60, H::Hills, 0xd08a4a,
    200,      G::Grass, 0xc79a4a, D::Tree, 0xe0703a, S::Leaves, 0xf08a30, 30, ""};
inline constexpr SceneLook fireflyDusk{
    0x1b2a4a, 0x4a5a7a, B::Sky,    0,        L::None,      0,        0,  0, H::Hills, 0x1f3a2e, 190,
    G::Grass, 0x24422f, D::Bamboo, 0x2f5a3a, S::Fireflies, 0xd8ff7a, 30, ""};
inline constexpr SceneLook lanternFestival{
    0x2a1040, 0x7a2a5a, B::Sky,   0,           L::Moon,  0xffe9b0, 104, 70, H::Skyline, 0x2a1a3a,
    205,      G::Floor, 0x5a3a3a, D::Lanterns, 0xe8322f, S::None,  0,   0,  ""};
inline constexpr SceneLook beachNoon{
    0x4fb8ff, 0xbfe9ff, B::Sky,   0,         L::Sun,   0xffffe0, 115, 28, H::Sea, 0x2f9fd0,
    180,      G::Sand,  0xf7e2b0, D::Clouds, 0xffffff, S::None,  0,   0,  ""};
inline constexpr SceneLook starryNight{
    0x101c44, 0x2c3c7c, B::Sky, 0,       L::Crescent, 0xfff3c4, 30,       36, H::Hills, 0x1c2850,
    215,      G::None,  0,      D::None, 0,           S::Stars, 0xffffff, 40, ""};
inline constexpr SceneLook lavenderDusk{
    0xb48ae0, 0xffc0d0,  B::Sky,   0,       L::Sun, 0xfff0d0,  105,      120, H::Hills, 0x8a5ab8,
    185,      G::Meadow, 0x7a58b0, D::None, 0,      S::Petals, 0xe0c0ff, 20,  ""};
inline constexpr SceneLook bambooGrove{
    0xd8f0d0, 0xf4fff0, B::Sky,   0,         L::None,  0,         0,        0,  H::Hills, 0x9ac890,
    200,      G::Grass, 0x86b870, D::Bamboo, 0x5a9a4a, S::Petals, 0xc8e8a0, 15, ""};
inline constexpr SceneLook rainyCity{
    0x5a6a80, 0x9aaac0, B::Sky,   0,       L::None, 0,       0,        0,  H::Skyline, 0x4a5568,
    200,      G::Floor, 0x6a7080, D::None, 0,       S::Rain, 0xdde8ff, 80, ""};
inline constexpr SceneLook mountainDawn{
    0xffb0a0, 0xfff0c8,     B::Sky,   0,   L::Sun,   0xfff4d0, 70,
    165,      H::Mountains, 0x8a7ab0, 190, G::Grass, 0x9ac07a, D::Clouds,
    0xffe4ec, S::None,      0,        0,   ""};
inline constexpr SceneLook nightShore{0x0a1030, 0x34306a, B::Sky,   0,   L::Moon, 0xfffbe8, 100,
                                      60,       H::Sea,   0x1a2a5a, 180, G::Sand, 0xb8a890, D::None,
                                      0,        S::Stars, 0xffffff, 40,  ""};
inline constexpr SceneLook sakuraNight{
    0x3a2060, 0x8a4a90, B::Sky,      0,        L::Moon,   0xfff0f0, 30, 50, H::Hills, 0x402a5a, 205,
    G::Grass, 0x4a3a6a, D::Blossoms, 0xffc8e0, S::Petals, 0xffd0e8, 30, ""};
inline constexpr SceneLook snowDay{0xbcd8f0, 0xeef6ff, B::Sky,   0,  L::None, 0,        0,
                                   0,        H::None,  0,        0,  G::Snow, 0xffffff, D::None,
                                   0,        S::Snow,  0xffffff, 30, ""};
inline constexpr SceneLook wheatField{
    0x8ad0ff, 0xfff0c0,  B::Sky,   0,         L::Sun,   0xfffad0, 28, 42, H::Hills, 0xe8c060,
    195,      G::Meadow, 0xe8b850, D::Clouds, 0xffffff, S::None,  0,  0,  ""};
inline constexpr SceneLook cloudSea{
    0xff8aa0, 0xffd8a8, B::Sky, 0,         L::Sun,   0xfff0c0,    110,      100, H::None, 0,
    0,        G::None,  0,      D::Clouds, 0xfff0f4, S::Sparkles, 0xffffff, 38,  ""};
inline constexpr SceneLook mistyLake{
    0xc8d0f0, 0xf8e8f0, B::Sky,   0,        L::Sun,   0xffffff, 40, 120, H::Lake, 0x9ab0d8,
    170,      G::Grass, 0x8ab898, D::Reeds, 0x6a8a6a, S::None,  0,  0,   ""};
inline constexpr SceneLook milkyWay{
    0x180a40, 0x40307a, B::Sky,   0,         L::None,  0,        0,        0,  H::Hills, 0x140a2a,
    210,      G::Grass, 0x201a3a, D::Aurora, 0xc0a0ff, S::Stars, 0xffffff, 90, ""};
inline constexpr SceneLook springGarden{
    0xa8e0ff, 0xf0fff0,  B::Sky,   0,       L::Sun,   0xffffd0,  115,      35, H::Hills, 0xa0d890,
    200,      G::Meadow, 0x90d878, D::Tree, 0xffb0c8, S::Petals, 0xffc0d8, 25, ""};
inline constexpr SceneLook tropicalSunset{
    0xff6a5a, 0xffc070, B::Sky,   0,       L::Sun, 0xfff0a0,    40,       140, H::Sea, 0xa04a6a,
    165,      G::Sand,  0xe8b890, D::None, 0,      S::Sparkles, 0xfff0c0, 14,  ""};
inline constexpr SceneLook winterLanterns{
    0x1a2a50, 0x4a5a8a, B::Sky,      0,        L::None, 0,        0,  0, H::Skyline, 0x1a2240, 200,
    G::Snow,  0xe0e8f8, D::Lanterns, 0xff6a3a, S::Snow, 0xffffff, 50, ""};
inline constexpr SceneLook moonrise{0x2a3a7a, 0xe0a0c0, B::Sky,   0,   L::Moon,  0xfffff0, 70,
                                    150,      H::Hills, 0x3a3a6a, 185, G::Grass, 0x3a4a5a, D::None,
                                    0,        S::Stars, 0xffffff, 40,  ""};
inline constexpr SceneLook pastelClouds{0xffd8e8, 0xd8ecff,    B::Sky,   0,  L::None, 0, 0,
                                        0,        H::None,     0,        0,  G::None, 0, D::Clouds,
                                        0xffffff, S::Sparkles, 0xffffff, 12, ""};
inline constexpr SceneLook mapleValley{
    0xffe0b0, 0xfff4e0, B::Sky,  0,        L::None,   0,        0,  0, H::Mountains, 0xc8683a, 200,
    G::Grass, 0xb87a3a, D::Tree, 0xd84a2a, S::Leaves, 0xe86030, 30, ""};
inline constexpr SceneLook summerNight{
    0x102040, 0x304a6a, B::Sky,   0,        L::Crescent,  0xfff6c8, 110, 40, H::Lake, 0x1a3050, 185,
    G::Grass, 0x1a3a2a, D::Reeds, 0x2a5a3a, S::Fireflies, 0xe8ff8a, 25,  ""};
inline constexpr SceneLook sunflowerHill{
    0x5ab8f0, 0xd0f0ff,  B::Sky,   0,         L::Sun,   0xffffc0, 25, 30, H::Hills, 0x6ab850,
    195,      G::Meadow, 0x70b840, D::Clouds, 0xffffff, S::None,  0,  0,  ""};
inline constexpr SceneLook sunsetSkyline{
    0x6a3a8a, 0xff9a6a, B::Sky,   0,       L::Sun, 0xffe0a0, 100,      175, H::Skyline, 0x3a2a4a,
    205,      G::Floor, 0x4a3a4a, D::None, 0,      S::Stars, 0xffffff, 10,  ""};
inline constexpr SceneLook quietDusk{0xf0b8c8, 0xfce8e0, B::Sky,   0,   L::None, 0, 0,
                                     0,        H::Hills, 0xd8a0c0, 205, G::None, 0, D::None,
                                     0,        S::None,  0,        0,   ""};
inline constexpr SceneLook plumSnow{
    0xdce6f4, 0xf8fbff, B::Sky,   0,           L::None,  0,       0,        0,  H::Hills, 0xe8eef8,
    205,      G::Snow,  0xffffff, D::Blossoms, 0xe83a5a, S::Snow, 0xffffff, 40, ""};
inline constexpr SceneLook starlitSea{0x202a6a, 0x6a5aaa, B::Sky,   0,   L::Moon, 0xffffe8, 40,
                                      50,       H::Sea,   0x2a3a7a, 175, G::Sand, 0xc8b8a8, D::None,
                                      0,        S::Stars, 0xffffff, 130, ""};
inline constexpr SceneLook mistyRiver{0xd0e8e0, 0xf8fff8,  B::Sky,       0,        L::Sun, 0xfffff0,
                                      105,      60,        H::Mountains, 0x7aa8a0, 190,    G::Grass,
                                      0x88b890, D::Bamboo, 0x6a9a6a,     S::None,  0,      0,
                                      ""};

inline constexpr SceneLook comicSkyRays{
    0x8ad8ff, 0x4ab0f0, B::Rays,  0xffffff, L::None, 0,       0, 0, H::None, 0,
    0,        G::Stage, 0xc08a4a, D::None,  0,       S::None, 0, 0, "囧"};
inline constexpr SceneLook comicPinkDots{
    0xff9ac8, 0xff6aa8, B::Halftone, 0xffffff, L::None, 0,       0, 0, H::None, 0,
    0,        G::None,  0,           D::None,  0,       S::None, 0, 0, "哈哈"};
inline constexpr SceneLook comicRush{
    0xffffff, 0xe8f0ff, B::SpeedLines, 0x9098b0, L::None, 0, 0, 0,    H::None, 0, 0,
    G::None,  0,        D::None,       0,        S::None, 0, 0, "啊?"};
inline constexpr SceneLook comicDizzy{0x9ad8ff, 0x9ad8ff, B::Rays, 0xc0e8ff, L::None, 0, 0,
                                      0,        H::None,  0,       0,        G::None, 0, D::None,
                                      0,        S::None,  0,       0,        "晕"};
inline constexpr SceneLook comicStage{
    0x2a1a3a, 0x5a2a5a, B::Sky,   0,       L::None, 0,           0,        0,  H::None, 0,
    0,        G::Stage, 0x8a5a3a, D::None, 0,       S::Confetti, 0xffd040, 30, "耶!"};
inline constexpr SceneLook comicRedRays{
    0xff5a4a, 0xff9a5a, B::Rays,  0xffd080, L::None, 0,           0,        0,  H::None, 0,
    0,        G::Floor, 0xe0c090, D::None,  0,       S::Sparkles, 0xffffff, 12, "哇!"};
inline constexpr SceneLook comicBlueDots{
    0x6ac8ff, 0x3a8ae0, B::Halftone, 0xffffff, L::None, 0,        0,        0,  H::None, 0,
    0,        G::None,  0,           D::None,  0,       S::Notes, 0xffffff, 12, "嘿嘿"};
inline constexpr SceneLook comicGreenChecks{
    0xc8f0a0, 0xa0e080, B::Checks, 0xffffff, L::None, 0,       0, 0, H::None, 0,
    0,        G::None,  0,         D::None,  0,       S::None, 0, 0, "汗"};
inline constexpr SceneLook comicLilacRush{
    0xe8d8ff, 0xe8d8ff, B::SpeedLines, 0xa888e0, L::None, 0, 0, 0,   H::None, 0, 0,
    G::None,  0,        D::None,       0,        S::None, 0, 0, "呃"};
inline constexpr SceneLook comicLemonDots{
    0xfff0a0, 0xffd860, B::Dots,  0xffb030, L::None, 0,       0, 0, H::None, 0,
    0,        G::Floor, 0xd8a860, D::None,  0,       S::None, 0, 0, "嘻嘻"};
inline constexpr SceneLook comicSunnyDay{
    0x5ac0ff, 0xb8e8ff, B::Sky,   0,         L::Sun,   0xffffa0, 24, 30, H::None, 0,
    0,        G::Grass, 0x7ad060, D::Clouds, 0xffffff, S::None,  0,  0,  "哼"};
inline constexpr SceneLook comicOrangeDots{
    0xffb86a, 0xff8a4a, B::Halftone, 0xffe0a0, L::None, 0,           0,        0,  H::None, 0,
    0,        G::None,  0,           D::None,  0,       S::Sparkles, 0xffffff, 10, "噗"};

inline constexpr SceneLook cutePinkHearts{
    0xffd6e6, 0xffb8d4, B::Dots, 0xffffff, L::None, 0,         0,        0,  H::None, 0,
    0,        G::None,  0,       D::None,  0,       S::Hearts, 0xff6a9a, 30, ""};
inline constexpr SceneLook cuteMintBubbles{
    0xc8f4e8, 0xa8e8d8, B::Stripes, 0xffffff, L::None, 0,          0,        0,  H::None, 0,
    0,        G::None,  0,          D::None,  0,       S::Bubbles, 0xffffff, 15, ""};
inline constexpr SceneLook cuteLilacStars{
    0xe8d8ff, 0xd0c0f8, B::Checks, 0xffffff, L::None, 0,           0,        0,  H::None, 0,
    0,        G::None,  0,         D::None,  0,       S::Sparkles, 0xfff4a0, 15, ""};
inline constexpr SceneLook cuteRainbow{
    0x9ad8ff, 0xe8f8ff,  B::Sky,   0,          L::None, 0,           0,        0,  H::None, 0,
    0,        G::Meadow, 0x98e080, D::Rainbow, 0,       S::Sparkles, 0xffffff, 26, ""};
inline constexpr SceneLook cuteCandy{0xfff0c8, 0xffd8b0,    B::Dots,  0xffa0b0, L::None, 0, 0,
                                     0,        H::None,     0,        0,        G::None, 0, D::None,
                                     0,        S::Confetti, 0xff8ab0, 25,       ""};
inline constexpr SceneLook cuteNight{
    0x4a3a8a, 0x8a6ac8, B::Sky, 0,         L::Crescent, 0xfff8c0, 110,      34, H::None, 0,
    0,        G::None,  0,      D::Clouds, 0xd8d0ff,    S::Stars, 0xfff8c0, 40, ""};
inline constexpr SceneLook cutePeachHearts{0xffe0d0, 0xffc8c0,  B::Sky,   0,  L::None, 0, 0,
                                           0,        H::None,   0,        0,  G::None, 0, D::None,
                                           0,        S::Hearts, 0xff8aa0, 30, ""};
inline constexpr SceneLook cuteBubbleBlue{
    0xb8e8ff, 0xe0f8ff, B::Dots, 0xffffff, L::None, 0,          0,        0,  H::None, 0,
    0,        G::None,  0,       D::None,  0,       S::Bubbles, 0xffffff, 25, ""};
inline constexpr SceneLook cuteLemonStripes{
    0xfff8b0, 0xfff0a0, B::Stripes, 0xffffff, L::None, 0,         0,        0,  H::None, 0,
    0,        G::None,  0,          D::None,  0,       S::Hearts, 0xffa0c0, 10, ""};
inline constexpr SceneLook cuteFlowerGarden{0xc8f0ff,  0xffe8f4,  B::Sky,   0,           L::Sun,
                                            0xffffe0,  112,       30,       H::Hills,    0xb8e8a0,
                                            195,       G::Meadow, 0x98d880, D::Blossoms, 0xffa8c8,
                                            S::Petals, 0xffc0d8,  55,       ""};
inline constexpr SceneLook cuteStarryPastel{
    0xd8c8ff, 0xffd8f0, B::Sky, 0,         L::None,  0,           0,        0,  H::None, 0,
    0,        G::None,  0,      D::Clouds, 0xffffff, S::Sparkles, 0xffffff, 42, ""};
inline constexpr SceneLook cuteStrawberry{
    0xffc8d8, 0xffe8f0, B::Checks, 0xff7a9a, L::None, 0,         0,        0,  H::None, 0,
    0,        G::None,  0,         D::None,  0,       S::Hearts, 0xff4a7a, 34, ""};

}  // namespace dorvane::assets::scenes
