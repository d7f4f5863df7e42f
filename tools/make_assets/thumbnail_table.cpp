#include "thumbnail_table.h"

#include "figure_looks.h"
#include "scene_looks.h"

namespace dorvane::assets {

using namespace scenes;
using namespace figures;

const std::array<ThumbnailRow, 60>& thumbnailTable() {
    // index 0 is 图片框1; the seed feeds the scattered details of the scene
    static const std::array<ThumbnailRow, 60> rows{{
        // 意境1
        {139, 225, 17'152, sunsetSea, whiteSundress, 101},
        {138, 226, 18'014, moonlitLake, moonPrincess, 102},
        {137, 223, 12'992, blossomDay, blossomKimono, 103},
        {139, 222, 9'770, snowyEvening, winterBeret, 104},
        {139, 223, 5'576, auroraNight, auroraMage, 105},
        {136, 233, 7'691, rainbowMeadow, meadowPicnic, 106},
        {136, 222, 7'443, autumnPark, autumnSweater, 107},
        {136, 223, 7'993, fireflyDusk, fireflyYukata, 108},
        {136, 223, 10'055, lanternFestival, festivalKimono, 109},
        {141, 224, 16'150, beachNoon, beachShorts, 110},
        {138, 225, 4'156, starryNight, starGazer, 111},
        {139, 225, 9'749, lavenderDusk, lavenderParasol, 112},
        // 意境2; its first picture is the same as the last of 意境1
        {139, 225, 9'749, lavenderDusk, lavenderParasol, 112},
        {138, 224, 9'012, bambooGrove, bambooHanfu, 114},
        {139, 225, 7'709, rainyCity, rainyDay, 115},
        {138, 225, 10'729, mountainDawn, dawnSailor, 116},
        {138, 220, 6'920, nightShore, seasideAngel, 117},
        {132, 221, 8'593, sakuraNight, sakuraUmbrella, 118},
        {136, 221, 4'702, snowDay, snowBoy, 119},
        {137, 222, 9'525, wheatField, harvestGirl, 120},
        {132, 219, 11'834, cloudSea, cloudFairy, 121},
        {135, 222, 8'054, mistyLake, lakeMaiden, 122},
        {136, 221, 14'341, milkyWay, starWitch, 123},
        {136, 211, 8'387, springGarden, gardenBalloon, 124},
        // 意境3
        {138, 225, 14'090, tropicalSunset, islandMaxi, 125},
        {136, 223, 10'248, winterLanterns, winterCoat, 126},
        {141, 224, 11'774, moonrise, moonlitGown, 127},
        {136, 221, 6'713, pastelClouds, pastelAngel, 128},
        {136, 221, 10'380, mapleValley, mapleKimono, 129},
        {138, 224, 11'242, summerNight, summerYukata, 130},
        {141, 228, 10'162, sunflowerHill, sunflowerGirl, 131},
        {136, 223, 8'432, sunsetSkyline, citySuit, 132},
        {137, 225, 2'280, quietDusk, quietWhite, 133},
        {139, 223, 10'481, plumSnow, plumParasol, 134},
        {139, 225, 15'509, starlitSea, starSailor, 135},
        {139, 226, 9'794, mistyRiver, riverHanfu, 136},
        // 恶搞
        {139, 226, 5'515, comicSkyRays, chickSuit, 137},
        {138, 226, 6'180, comicPinkDots, discoStar, 138},
        {132, 224, 2'920, comicRush, fishShock, 139},
        {134, 221, 3'083, comicDizzy, coolShades, 140},
        {137, 199, 6'105, comicStage, partyUncle, 141},
        {137, 218, 9'979, comicRedRays, clownTutu, 142},
        {135, 225, 10'063, comicBlueDots, bunnyNerd, 143},
        {112, 185, 7'371, comicGreenChecks, homeHero, 144},
        {140, 225, 5'217, comicLilacRush, sleepyPajamas, 145},
        {148, 225, 9'721, comicLemonDots, oopsWitch, 146},
        {136, 222, 10'746, comicSunnyDay, alienVisitor, 147},
        {131, 214, 6'214, comicOrangeDots, bananaFarmer, 148},
        // 可爱
        {141, 226, 13'160, cutePinkHearts, kittenTutu, 149},
        {125, 188, 8'259, cuteMintBubbles, bunnyHoodie, 150},
        {145, 188, 8'030, cuteLilacStars, bearOnesie, 151},
        {141, 229, 11'709, cuteRainbow, ribbonBalloon, 152},
        {143, 220, 9'054, cuteCandy, odangoSailor, 153},
        {153, 211, 8'036, cuteNight, dozyAngel, 154},
        {159, 200, 7'835, cutePeachHearts, heartSkirt, 155},
        {154, 250, 12'020, cuteBubbleBlue, bubbleFairy, 156},
        {135, 197, 6'820, cuteLemonStripes, lemonBeret, 157},
        {136, 223, 19'316, cuteFlowerGarden, flowerPrincess, 158},
        {139, 231, 13'306, cuteStarryPastel, starlightTutu, 159},
        {136, 225, 14'262, cuteStrawberry, blackKitten, 160},
    }};
    return rows;
}

}  // namespace dorvane::assets
