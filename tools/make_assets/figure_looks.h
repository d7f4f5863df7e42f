// The dressed figures of the sixty thumbnails: graceful dresses, kimonos and
// parasols for the scenic panels, silly get-ups for 恶搞, animal ears, bows
// and sweets for 可爱.
#pragma once

#include "looks.h"

namespace dorvane::assets::figures {

// skin tones
inline constexpr Rgb Fair = 0xffe6d5;
inline constexpr Rgb Peach = 0xffdcc4;
inline constexpr Rgb Warm = 0xf5cfae;
inline constexpr Rgb Tan = 0xe0b089;
// hair
inline constexpr Rgb Black = 0x2a2230;
inline constexpr Rgb Brown = 0x6a4030;
inline constexpr Rgb Chestnut = 0x8a4a2a;
inline constexpr Rgb Blonde = 0xf0c860;
inline constexpr Rgb Pink = 0xff9ac0;
inline constexpr Rgb Silver = 0xd8dce8;
inline constexpr Rgb Azure = 0x4a70d0;
inline constexpr Rgb Plum = 0x8a5ac8;
inline constexpr Rgb Ginger = 0xe0703a;
inline constexpr Rgb Lilac = 0xc8a8f0;
inline constexpr Rgb Mint = 0x7ad8c0;
// eyes
inline constexpr Rgb BrownEye = 0x8a5a3a;
inline constexpr Rgb BlueEye = 0x3a7ad0;
inline constexpr Rgb GreenEye = 0x3aa06a;
inline constexpr Rgb VioletEye = 0x8a4ad0;
inline constexpr Rgb RedEye = 0xd04a5a;
inline constexpr Rgb AmberEye = 0xd09a2a;

using Hr = Hair;
using T = Top;
using Bt = Bottom;
using P = Pattern;
using E = Expression;
using F = FaceExtra;
using W = Headwear;
using Hd = Held;
using Bk = Back;
using Ps = Pose;

// skin, hair, eyes, style | top, colour | bottom, colour | accent, pattern | legs, shoes |
// expression, face extra | headwear, colour | held, colour | back, colour | pose
inline constexpr FigureLook whiteSundress{
    Fair,      Brown,    BrownEye, Hr::Long, T::Bodice, 0xffffff, Bt::KneeSkirt,
    0xffffff,  0xff8a6a, P::Plain, Fair,     0xf0a080,  E::Smile, F::None,
    W::SunHat, 0xfff0d0, Hd::None, 0,        Bk::None,  0,        Ps::Stand};
inline constexpr FigureLook moonPrincess{
    Fair,     Silver,   VioletEye,   Hr::Long, T::Bodice, 0x6a7ad8, Bt::Gown,
    0x6a7ad8, 0xe8ecff, P::Stars,    Fair,     0xd8e0ff,  E::Shy,   F::None,
    W::Tiara, 0x9ab0ff, Hd::Lantern, 0xffd070, Bk::None,  0,        Ps::Hold};
inline constexpr FigureLook blossomKimono{
    Peach,      Black,    BrownEye,   Hr::Bun,  T::Kimono, 0xffa8c8, Bt::Gown,
    0xffa8c8,   0xd83a6a, P::Flowers, Peach,    0xd83a6a,  E::Smile, F::None,
    W::Hairpin, 0xff6a9a, Hd::Fan,    0xff8ab0, Bk::None,  0,        Ps::Hold};
inline constexpr FigureLook winterBeret{
    Fair,     Brown,    BrownEye, Hr::Bob,  T::LongSleeve, 0xd84a5a, Bt::KneeSkirt,
    0x3a3a5a, 0xffffff, P::Plain, 0x3a3040, 0x5a3a2a,      E::Smile, F::None,
    W::Beret, 0xffffff, Hd::None, 0,        Bk::None,      0,        Ps::Clasp};
inline constexpr FigureLook auroraMage{
    Fair,     Silver,   BlueEye,  Hr::Wavy, T::LongSleeve, 0x4ad8c0, Bt::Gown,
    0x2a8ab0, 0xe8fff8, P::Stars, Fair,     0x2a8ab0,      E::Grin,  F::None,
    W::Tiara, 0x8affd8, Hd::Wand, 0xbfffe8, Bk::Cape,      0xe8f0ff, Ps::Hold};
inline constexpr FigureLook meadowPicnic{
    Peach,          Blonde,   GreenEye,    Hr::Twintails, T::Blouse, 0xffffff, Bt::KneeSkirt,
    0x8ad0ff,       0xffffff, P::Checks,   Peach,         0xff7aa0,  E::Grin,  F::None,
    W::FlowerCrown, 0xff9ac0, Hd::Bouquet, 0xff7aa0,      Bk::None,  0,        Ps::Hold};
inline constexpr FigureLook autumnSweater{
    Warm,     Chestnut, AmberEye,  Hr::Long, T::LongSleeve, 0xd8803a, Bt::KneeSkirt,
    0x6a3a2a, 0xf0c080, P::Checks, 0x5a3a30, 0x4a2a20,      E::Smile, F::None,
    W::Beret, 0xa03a2a, Hd::None,  0,        Bk::None,      0,        Ps::Wave};
inline constexpr FigureLook fireflyYukata{
    Fair,       Black,    BrownEye,    Hr::Ponytail, T::Kimono, 0x3a5ad8, Bt::Gown,
    0x3a5ad8,   0xffd04a, P::Flowers,  Fair,         0xffd04a,  E::Smile, F::None,
    W::Hairpin, 0xffffff, Hd::Lantern, 0xffb050,     Bk::None,  0,        Ps::Hold};
inline constexpr FigureLook festivalKimono{
    Peach,      Black,    BrownEye,   Hr::Bun,  T::Kimono, 0xe8322f, Bt::Gown,
    0xe8322f,   0xf5c542, P::Flowers, Peach,    0xf5c542,  E::Wink,  F::None,
    W::Hairpin, 0xf5c542, Hd::Fan,    0xf5c542, Bk::None,  0,        Ps::Hold};
inline constexpr FigureLook beachShorts{
    Tan,      Ginger, BrownEye, Hr::Twintails, T::Tank, 0xffe04a,  Bt::Shorts, 0x4ab0e8, 0xff6a8a,
    P::Plain, Tan,    0xff6a8a, E::Grin,       F::None, W::SunHat, 0xfff4d8,   Hd::None, 0,
    Bk::None, 0,      Ps::Wave};
inline constexpr FigureLook starGazer{
    Fair,     Black,    BlueEye,  Hr::Long, T::Bodice, 0x3a4aa8, Bt::KneeSkirt,
    0x3a4aa8, 0xfff4a0, P::Plain, Fair,     0x2a2a60,  E::Smile, F::None,
    W::None,  0,        Hd::None, 0,        Bk::None,  0,        Ps::Stand};
inline constexpr FigureLook lavenderParasol{
    Fair,           Lilac,    VioletEye,   Hr::Wavy, T::Bodice, 0xb88ae8, Bt::Gown,
    0xb88ae8,       0xf4e8ff, P::Flowers,  Fair,     0xf4e8ff,  E::Shy,   F::None,
    W::FlowerCrown, 0xd8b0ff, Hd::Parasol, 0xfff4ff, Bk::None,  0,        Ps::Hold};
inline constexpr FigureLook bambooHanfu{
    Fair,       Black,    BrownEye, Hr::Ponytail, T::Kimono, 0x6ab88a, Bt::Gown,
    0xe8fff0,   0x2a6a4a, P::Plain, Fair,         0x2a6a4a,  E::Smile, F::None,
    W::Hairpin, 0xffffff, Hd::Fan,  0x6ab88a,     Bk::None,  0,        Ps::Hold};
inline constexpr FigureLook rainyDay{
    Peach,    Brown,    BrownEye,     Hr::Bob,  T::Hoodie, 0xffd04a, Bt::Shorts,
    0x3a5a8a, 0xffffff, P::Plain,     0xff5a7a, 0xff5a7a,  E::Smile, F::None,
    W::None,  0,        Hd::Umbrella, 0xff5a7a, Bk::None,  0,        Ps::Hold};
inline constexpr FigureLook dawnSailor{
    Fair,     Brown,    BlueEye,  Hr::Long, T::Sailor, 0xffffff, Bt::MiniSkirt,
    0x3a5ab0, 0x3a5ab0, P::Plain, Fair,     0x3a2a2a,  E::Grin,  F::None,
    W::None,  0,        Hd::None, 0,        Bk::None,  0,        Ps::Wave};
inline constexpr FigureLook seasideAngel{
    Fair,     Blonde,   BlueEye,  Hr::Long, T::Bodice,      0xffffff, Bt::Gown,
    0xe8f0ff, 0xbcd0ff, P::Plain, Fair,     0xffffff,       E::Shy,   F::None,
    W::Halo,  0xffe070, Hd::None, 0,        Bk::AngelWings, 0xffffff, Ps::Clasp};
inline constexpr FigureLook sakuraUmbrella{
    Fair,       Black,    RedEye,       Hr::Long, T::Kimono, 0x8a3ab0, Bt::Gown,
    0x8a3ab0,   0xffc8e0, P::Flowers,   Fair,     0xffc8e0,  E::Smile, F::None,
    W::Hairpin, 0xffc8e0, Hd::Umbrella, 0xe84a6a, Bk::None,  0,        Ps::Hold};
inline constexpr FigureLook snowBoy{
    Fair,     Brown,    BrownEye, Hr::Short, T::LongSleeve, 0x5ab0e8, Bt::Trousers,
    0x3a4a6a, 0xffffff, P::Plain, 0x3a4a6a,  0x5a3a2a,      E::Grin,  F::None,
    W::None,  0,        Hd::None, 0,         Bk::None,      0,        Ps::Cheer};
inline constexpr FigureLook harvestGirl{
    Warm,      Chestnut, AmberEye,    Hr::Twintails, T::Blouse, 0xffffff, Bt::KneeSkirt,
    0xd86a3a,  0xffe8a0, P::Dots,     Warm,          0x8a4a2a,  E::Smile, F::Freckles,
    W::SunHat, 0xf8e0a0, Hd::Bouquet, 0xffd040,      Bk::None,  0,        Ps::Hold};
inline constexpr FigureLook cloudFairy{
    Fair,     Pink,     VioletEye, Hr::Long, T::Bodice,      0xffc8e0, Bt::Tutu,
    0xffc8e0, 0xffffff, P::Plain,  Fair,     0xff9ac0,       E::Smile, F::None,
    W::Tiara, 0xff6aa8, Hd::Wand,  0xfff4a0, Bk::FairyWings, 0xc8f0ff, Ps::Hold};
inline constexpr FigureLook lakeMaiden{
    Fair,       Silver,   BlueEye,  Hr::Long, T::Blouse, 0xe8f0ff,  Bt::Gown,
    0x9ab8e8,   0xffffff, P::Plain, Fair,     0x9ab8e8,  E::Sleepy, F::None,
    W::Hairpin, 0xffffff, Hd::None, 0,        Bk::None,  0,         Ps::Clasp};
inline constexpr FigureLook starWitch{
    Fair,        Lilac,    VioletEye, Hr::Bob,  T::LongSleeve, 0x5a4aa0, Bt::KneeSkirt,
    0x2a2a5a,    0xfff4a0, P::Stars,  0x2a2a40, 0x5a4aa0,      E::Wink,  F::None,
    W::WitchHat, 0x3a2a6a, Hd::Wand,  0xffd04a, Bk::None,      0,        Ps::Hold};
inline constexpr FigureLook gardenBalloon{
    Peach,    Chestnut, GreenEye,    Hr::Twintails, T::Bodice, 0xa8e890, Bt::KneeSkirt,
    0xa8e890, 0xffffff, P::Flowers,  Peach,         0xff8ab0,  E::Grin,  F::None,
    W::Bow,   0xff8ab0, Hd::Balloon, 0xff8ab0,      Bk::None,  0,        Ps::Hold};
inline constexpr FigureLook islandMaxi{
    Tan,        Black,    BrownEye,   Hr::Wavy, T::Tank,  0xff6a5a, Bt::Gown,
    0xffa06a,   0xfff0a0, P::Flowers, Tan,      0xff6a5a, E::Smile, F::None,
    W::Hairpin, 0xff3a5a, Hd::None,   0,        Bk::None, 0,        Ps::Hips};
inline constexpr FigureLook winterCoat{
    Fair,     Brown,    BrownEye,    Hr::Bun,  T::Hoodie, 0xe84a4a, Bt::KneeSkirt,
    0xffffff, 0xffffff, P::Plain,    0x3a3a4a, 0x5a3a2a,  E::Smile, F::None,
    W::None,  0,        Hd::Lantern, 0xff6a3a, Bk::None,  0,        Ps::Hold};
inline constexpr FigureLook moonlitGown{
    Fair,     Azure,    BlueEye,  Hr::Long, T::Bodice, 0x3a3a7a,  Bt::Gown,
    0x3a3a7a, 0xfff4c0, P::Stars, Fair,     0x3a3a7a,  E::Sleepy, F::None,
    W::Tiara, 0xfff4c0, Hd::None, 0,        Bk::None,  0,         Ps::Clasp};
inline constexpr FigureLook pastelAngel{
    Fair,     Pink,     BlueEye,  Hr::Bun, T::Blouse,      0xffffff, Bt::Tutu,
    0xb8d8ff, 0xffb8d0, P::Plain, Fair,    0xb8d8ff,       E::Grin,  F::None,
    W::Halo,  0xffe070, Hd::None, 0,       Bk::AngelWings, 0xffffff, Ps::Cheer};
inline constexpr FigureLook mapleKimono{
    Warm,       Chestnut, AmberEye, Hr::Ponytail, T::Kimono, 0xe86a3a, Bt::Gown,
    0x6a2a2a,   0xffd04a, P::Plain, Warm,         0xffd04a,  E::Smile, F::None,
    W::Hairpin, 0xffd04a, Hd::Fan,  0xffd04a,     Bk::None,  0,        Ps::Hold};
inline constexpr FigureLook summerYukata{
    Fair,       Black,    BrownEye,   Hr::Bun,  T::Kimono, 0xffffff, Bt::Gown,
    0xffffff,   0x4a7ad8, P::Flowers, Fair,     0xff6a8a,  E::Wink,  F::None,
    W::Hairpin, 0xff6a8a, Hd::Fan,    0x4a7ad8, Bk::None,  0,        Ps::Hold};
inline constexpr FigureLook sunflowerGirl{
    Peach,     Blonde,   AmberEye,    Hr::Long, T::Tank,  0xffffff, Bt::KneeSkirt,
    0xffd040,  0xffffff, P::Dots,     Peach,    0xffb020, E::Grin,  F::None,
    W::SunHat, 0xfff0c0, Hd::Bouquet, 0xffd040, Bk::None, 0,        Ps::Hold};
inline constexpr FigureLook citySuit{
    Fair,     Black,    BrownEye, Hr::Short, T::Jacket, 0x3a3a4a, Bt::Trousers,
    0x3a3a4a, 0xd83a4a, P::Plain, 0x3a3a4a,  0x1a1a20,  E::Smile, F::None,
    W::None,  0,        Hd::None, 0,         Bk::None,  0,        Ps::Hips};
inline constexpr FigureLook quietWhite{
    Fair,     Black,    BrownEye, Hr::Bob, T::Bodice, 0xffffff, Bt::KneeSkirt,
    0xffffff, 0xf0a0b8, P::Plain, Fair,    0xf0a0b8,  E::Smile, F::None,
    W::None,  0,        Hd::None, 0,       Bk::None,  0,        Ps::Stand};
inline constexpr FigureLook plumParasol{
    Fair,       Black,    BrownEye,    Hr::Long, T::Kimono, 0xffffff, Bt::Gown,
    0xe83a5a,   0xe83a5a, P::Plain,    Fair,     0xe83a5a,  E::Shy,   F::None,
    W::Hairpin, 0xe83a5a, Hd::Parasol, 0xe83a5a, Bk::None,  0,        Ps::Hold};
inline constexpr FigureLook starSailor{
    Fair,     Silver,   BlueEye,  Hr::Twintails, T::Sailor, 0xffffff, Bt::Gown,
    0x8a9ae8, 0x3a4ab0, P::Stars, Fair,          0x3a4ab0,  E::Smile, F::None,
    W::Tiara, 0xfff4a0, Hd::Wand, 0xfff4a0,      Bk::None,  0,        Ps::Hold};
inline constexpr FigureLook riverHanfu{
    Fair,       Black,    GreenEye, Hr::Long, T::Kimono, 0xd8f0e8, Bt::Gown,
    0x6aa8a0,   0x2a6a6a, P::Plain, Fair,     0x2a6a6a,  E::Smile, F::None,
    W::Hairpin, 0xffffff, Hd::Fan,  0xffffff, Bk::None,  0,        Ps::Hold};

inline constexpr FigureLook chickSuit{
    Fair,     Brown,    BrownEye,   Hr::Short, T::Hoodie, 0xffe04a, Bt::Shorts,
    0xffe04a, 0xff8a3a, P::Plain,   Fair,      0xff8a3a,  E::Derp,  F::None,
    W::None,  0,        Hd::Banana, 0xffe04a,  Bk::None,  0,        Ps::Hold};
inline constexpr FigureLook discoStar{
    Tan,      0xff5a3a, BrownEye,       Hr::Afro, T::Jacket, 0xffffff, Bt::Trousers,
    0xff5a9a, 0x3a3a3a, P::Plain,       0xff5a9a, 0xffffff,  E::Grin,  F::Sunglasses,
    W::None,  0,        Hd::Microphone, 0x303038, Bk::None,  0,        Ps::Point};
inline constexpr FigureLook fishShock{Fair,       Black,    BrownEye, Hr::Short, T::Tank,  0xffffff,
                                      Bt::Shorts, 0x3a6ad8, 0x3a6ad8, P::Plain,  Fair,     0x3a3a3a,
                                      E::Shock,   F::None,  W::None,  0,         Hd::Fish, 0x9ab8d0,
                                      Bk::None,   0,        Ps::Hold};
inline constexpr FigureLook coolShades{
    Fair,     Ginger,   BrownEye, Hr::Spiky, T::LongSleeve, 0x3a3a3a, Bt::Trousers,
    0x3a3a3a, 0xffd040, P::Plain, 0x3a3a3a,  0xffffff,      E::Smug,  F::Sunglasses,
    W::None,  0,        Hd::None, 0,         Bk::None,      0,        Ps::Hips};
inline constexpr FigureLook partyUncle{
    Warm,        Brown,    BrownEye, Hr::Short, T::Jacket, 0x5a3a8a, Bt::Trousers,
    0x3a2a5a,    0xffd040, P::Plain, 0x3a2a5a,  0x1a1a20,  E::Grin,  F::Moustache,
    W::PartyHat, 0x3ad0ff, Hd::None, 0,         Bk::None,  0,        Ps::Cheer};
inline constexpr FigureLook clownTutu{
    Fair,     0x2a2a2a, BrownEye,   Hr::Afro, T::LongSleeve, 0xff3a3a, Bt::Tutu,
    0xffa0c0, 0xffffff, P::Stripes, 0xffffff, 0xff3a3a,      E::Grin,  F::ClownNose,
    W::None,  0,        Hd::None,   0,        Bk::None,      0,        Ps::Wave};
inline constexpr FigureLook bunnyNerd{
    Fair,         Brown,    BrownEye,     Hr::Short, T::LongSleeve, 0x4a8ad8, Bt::Trousers,
    0x2a3a5a,     0xffffff, P::Plain,     0x2a3a5a,  0x3a2a2a,      E::Teary, F::Glasses,
    W::BunnyEars, 0xffffff, Hd::Lollipop, 0xff6a9a,  Bk::None,      0,        Ps::Hold};
inline constexpr FigureLook homeHero{Fair,       Black,    BrownEye, Hr::Spiky, T::Tank,  0x3a5ad8,
                                     Bt::Shorts, 0xe83a3a, 0xffd040, P::Plain,  0x3a5ad8, 0xe83a3a,
                                     E::Smug,    F::None,  W::None,  0,         Hd::None, 0,
                                     Bk::Cape,   0xe83a3a, Ps::Point};
inline constexpr FigureLook sleepyPajamas{
    Fair,        Chestnut, BrownEye,  Hr::Bob,  T::Hoodie, 0x9ad0a0,  Bt::Trousers,
    0x9ad0a0,    0xffffff, P::Dots,   0x9ad0a0, 0xffffff,  E::Sleepy, F::None,
    W::PartyHat, 0xff8a3a, Hd::Teddy, 0xc8a070, Bk::None,  0,         Ps::Hold};
inline constexpr FigureLook oopsWitch{
    Fair,        Mint,     GreenEye, Hr::Twintails, T::LongSleeve, 0x6a3aa0, Bt::Gown,
    0x6a3aa0,    0xffd040, P::Stars, Fair,          0x3a2a4a,      E::Shock, F::None,
    W::WitchHat, 0x3a2a5a, Hd::Wand, 0xffd040,      Bk::None,      0,        Ps::Shrug};
inline constexpr FigureLook alienVisitor{
    Fair,        Mint,     GreenEye, Hr::Short, T::Jacket, 0xc0c8d8, Bt::Trousers,
    0xc0c8d8,    0x7aff7a, P::Plain, 0xc0c8d8,  0x7a8090,  E::Grin,  F::None,
    W::Antennae, 0x7aff7a, Hd::None, 0,         Bk::None,  0,        Ps::Cheer};
inline constexpr FigureLook bananaFarmer{
    Fair,     Ginger,   BrownEye,   Hr::Ponytail, T::Tank,  0xffffff, Bt::Trousers,
    0x3a6ab0, 0xffffff, P::Checks,  0x3a6ab0,     0x6a4a2a, E::Derp,  F::Freckles,
    W::None,  0,        Hd::Banana, 0xffe04a,     Bk::None, 0,        Ps::Hold};

inline constexpr FigureLook kittenTutu{
    Fair,     Pink,     BlueEye,  Hr::Twintails, T::Blouse, 0xffffff, Bt::Tutu,   0xff9ac0,
    0xff9ac0, P::Plain, Fair,     0xff9ac0,      E::Cat,    F::None,  W::CatEars, 0xffffff,
    Hd::None, 0,        Bk::Tail, 0xffffff,      Ps::Wave};
inline constexpr FigureLook bunnyHoodie{
    Fair,         Blonde,   BlueEye,   Hr::Bob,  T::Hoodie, 0xfff0f8, Bt::Shorts,
    0xffb0d0,     0xffb0d0, P::Plain,  Fair,     0xffb0d0,  E::Shy,   F::None,
    W::BunnyEars, 0xfff0f4, Hd::Teddy, 0xd8a070, Bk::None,  0,        Ps::Hold};
inline constexpr FigureLook bearOnesie{
    Peach,       Brown,    BrownEye,     Hr::Short, T::Hoodie, 0xa07050, Bt::Trousers,
    0xa07050,    0xffe0c0, P::Plain,     0xa07050,  0x6a4a30,  E::Smile, F::None,
    W::BearEars, 0xa07050, Hd::Lollipop, 0xff6a9a,  Bk::None,  0,        Ps::Hold};
inline constexpr FigureLook ribbonBalloon{
    Fair,     Blonde,   BlueEye,     Hr::Wavy, T::Bodice, 0xffb8d0, Bt::Tutu,
    0xffb8d0, 0xff5a8a, P::Plain,    Fair,     0xff5a8a,  E::Grin,  F::None,
    W::Bow,   0xff5a8a, Hd::Balloon, 0xff5a8a, Bk::None,  0,        Ps::Hold};
inline constexpr FigureLook odangoSailor{
    Fair,     Pink,     VioletEye, Hr::Bun,  T::Sailor, 0xffffff, Bt::MiniSkirt,
    0xff6a9a, 0xff6a9a, P::Plain,  Fair,     0xff6a9a,  E::Wink,  F::None,
    W::None,  0,        Hd::Wand,  0xffe04a, Bk::None,  0,        Ps::Hold};
inline constexpr FigureLook dozyAngel{
    Fair,     Silver,   BlueEye,  Hr::Bob, T::Blouse,      0xffffff,  Bt::Tutu,
    0xd8e0ff, 0xffd0e0, P::Plain, Fair,    0xd8e0ff,       E::Sleepy, F::None,
    W::Halo,  0xffe070, Hd::None, 0,       Bk::AngelWings, 0xffffff,  Ps::Clasp};
inline constexpr FigureLook heartSkirt{
    Peach,      Chestnut, BrownEye,    Hr::Long, T::Blouse, 0xffffff, Bt::KneeSkirt,
    0xff8aa0,   0xffffff, P::Hearts,   Peach,    0xff6a8a,  E::Smile, F::None,
    W::Hairpin, 0xff6a8a, Hd::Bouquet, 0xff6a8a, Bk::None,  0,        Ps::Hold};
inline constexpr FigureLook bubbleFairy{
    Fair,     Mint,     GreenEye, Hr::Twintails, T::Bodice,      0x8ae8d0, Bt::Tutu,
    0x8ae8d0, 0xffffff, P::Plain, Fair,          0x4ac8a8,       E::Grin,  F::None,
    W::Tiara, 0xb8fff0, Hd::Wand, 0xfff4a0,      Bk::FairyWings, 0xb8f0ff, Ps::Hold};
inline constexpr FigureLook lemonBeret{
    Fair,     Black,    BrownEye,     Hr::Bob,  T::Blouse, 0xfff4c0, Bt::KneeSkirt,
    0xffd04a, 0xffffff, P::Dots,      Fair,     0xff6a6a,  E::Wink,  F::None,
    W::Beret, 0xff6a6a, Hd::Lollipop, 0xff6a6a, Bk::None,  0,        Ps::Hold};
inline constexpr FigureLook flowerPrincess{
    Fair,           Pink,     VioletEye,   Hr::Wavy, T::Bodice, 0xffd0e8, Bt::Gown,
    0xffd0e8,       0xffffff, P::Flowers,  Fair,     0xff9ac0,  E::Shy,   F::None,
    W::FlowerCrown, 0xff9ac0, Hd::Bouquet, 0xff6a9a, Bk::None,  0,        Ps::Hold};
inline constexpr FigureLook starlightTutu{
    Fair,     Lilac,    VioletEye, Hr::Twintails, T::Bodice, 0xd8b8ff, Bt::Tutu,
    0xd8b8ff, 0xffffff, P::Stars,  Fair,          0xb88ae8,  E::Smile, F::None,
    W::Crown, 0xff6aa8, Hd::Wand,  0xfff4a0,      Bk::None,  0,        Ps::Wave};
inline constexpr FigureLook blackKitten{
    Fair,       Black,    AmberEye, Hr::Bob,  T::Hoodie, 0x2a2a3a, Bt::MiniSkirt,
    0xff8ab0,   0xffffff, P::Plain, 0x2a2a3a, 0xff8ab0,  E::Cat,   F::None,
    W::CatEars, 0x2a2a30, Hd::Fish, 0xff9a6a, Bk::Tail,  0x2a2a30, Ps::Hold};

}  // namespace dorvane::assets::figures
