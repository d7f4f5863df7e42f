// What a thumbnail shows, as plain data: the backdrop scene and the dressed
// figure standing in front of it. The painters read these; the tables fill
// them. Places are in canvas units: every thumbnail is drawn on a canvas of
// CanvasWidth x CanvasHeight units, which has the proportions of the 70 x 134
// box that shows it, so shapes look right once the box stretches the picture.
#pragma once

#include <cstdint>

namespace dorvane::assets {

inline constexpr double CanvasWidth = 140.0;
inline constexpr double CanvasHeight = 268.0;

using Rgb = std::uint32_t;  // 0xRRGGBB

enum class Backdrop : std::uint8_t { Sky, Rays, Halftone, SpeedLines, Dots, Stripes, Checks };
enum class Light : std::uint8_t { None, Sun, Moon, Crescent };
enum class Horizon : std::uint8_t { None, Sea, Hills, Mountains, Skyline, Lake };
enum class Ground : std::uint8_t { None, Grass, Snow, Sand, Meadow, Stage, Floor };
enum class Decor : std::uint8_t {
    None,
    Blossoms,
    Tree,
    Reeds,
    Aurora,
    Clouds,
    Bamboo,
    Lanterns,
    Rainbow
};
enum class Sprinkle : std::uint8_t {
    None,
    Stars,
    Petals,
    Snow,
    Leaves,
    Fireflies,
    Rain,
    Hearts,
    Bubbles,
    Sparkles,
    Confetti,
    Notes
};

struct SceneLook {
    Rgb skyTop, skyBottom;
    Backdrop backdrop;
    Rgb backdropInk;
    Light light;
    Rgb lightColour;
    float lightX, lightY;
    Horizon horizon;
    Rgb horizonColour;
    float horizonY;
    Ground ground;
    Rgb groundColour;
    Decor decor;
    Rgb decorColour;
    Sprinkle sprinkle;
    Rgb sprinkleColour;
    int sprinkleCount;
    const char* caption;  // a comic speech bubble (UTF-8); empty for none
};

enum class Hair : std::uint8_t { Long, Twintails, Bob, Ponytail, Bun, Short, Afro, Wavy, Spiky };
enum class Top : std::uint8_t { Bodice, Blouse, LongSleeve, Kimono, Hoodie, Jacket, Sailor, Tank };
enum class Bottom : std::uint8_t { MiniSkirt, KneeSkirt, Gown, Tutu, Trousers, Shorts };
enum class Pattern : std::uint8_t { Plain, Dots, Stripes, Flowers, Hearts, Stars, Checks };
enum class Expression : std::uint8_t {
    Smile,
    Grin,
    Wink,
    Shy,
    Shock,
    Smug,
    Derp,
    Teary,
    Cat,
    Sleepy
};
enum class FaceExtra : std::uint8_t { None, Glasses, Sunglasses, Moustache, ClownNose, Freckles };
enum class Headwear : std::uint8_t {
    None,
    Bow,
    FlowerCrown,
    CatEars,
    BunnyEars,
    BearEars,
    Crown,
    Beret,
    SunHat,
    WitchHat,
    Halo,
    PartyHat,
    Hairpin,
    Antennae,
    Tiara
};
enum class Held : std::uint8_t {
    None,
    Parasol,
    Umbrella,
    Balloon,
    Fan,
    Lantern,
    Bouquet,
    Wand,
    Lollipop,
    Teddy,
    Banana,
    Fish,
    Microphone
};
enum class Back : std::uint8_t { None, AngelWings, FairyWings, Cape, Tail };
enum class Pose : std::uint8_t { Stand, Wave, Hips, Hold, Cheer, Shrug, Clasp, Point };

struct FigureLook {
    Rgb skin, hair, eyes;
    Hair hairStyle;
    Top top;
    Rgb topColour;
    Bottom bottom;
    Rgb bottomColour;
    Rgb accent;
    Pattern pattern;
    Rgb legs, shoes;
    Expression expression;
    FaceExtra extra;
    Headwear headwear;
    Rgb headwearColour;
    Held held;
    Rgb heldColour;
    Back back;
    Rgb backColour;
    Pose pose;
};

}  // namespace dorvane::assets
