// make_assets [folder]: writes the sixty thumbnails, the icon and the contact
// button's GIF into folder (by default the source tree's assets/). The same
// bytes come out on every run: no time stamps, fixed seeds, and a fixed font.

#include <QFont>
#include <QFontInfo>
#include <QGuiApplication>
#include <QImage>
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <optional>
#include <vector>

#include "contact_button_painter.h"
#include "gif_file.h"
#include "icon_file.h"
#include "icon_painter.h"
#include "jpeg_fitter.h"
#include "thumbnail_painter.h"
#include "thumbnail_table.h"

namespace {

using namespace dorvane::assets;

constexpr const char* CaptionFamily = "WenQuanYi Micro Hei";
constexpr std::size_t IconFileBytes = 99'678;
constexpr std::size_t ContactButtonBytes = 3'256;

bool writeFile(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) {
        std::fprintf(stderr, "make_assets: cannot write %s\n", path.c_str());
        return false;
    }
    return true;
}

RgbPicture toRgb(const QImage& image) {
    const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
    RgbPicture picture{rgb.width(), rgb.height(), {}};
    const std::size_t stride = static_cast<std::size_t>(rgb.width()) * 3;
    picture.rgb.resize(stride * static_cast<std::size_t>(rgb.height()));
    for (int y = 0; y < rgb.height(); ++y)
        std::copy_n(rgb.constScanLine(y), stride,
                    picture.rgb.begin() + static_cast<std::ptrdiff_t>(stride * y));
    return picture;
}

// Text is drawn in one named font with its hinting and antialiasing set
// here, so that no desktop setting changes the pixels.
std::optional<QFont> fixedFont(int pixelSize, QFont::HintingPreference hinting) {
    QFont font(CaptionFamily);
    font.setPixelSize(pixelSize);
    font.setHintingPreference(hinting);
    font.setStyleStrategy(QFont::StyleStrategy(QFont::PreferAntialias | QFont::NoSubpixelAntialias |
                                               QFont::NoFontMerging));
    if (QFontInfo(font).family() != QLatin1String(CaptionFamily)) {
        std::fprintf(stderr, "make_assets: the font \"%s\" is not installed\n", CaptionFamily);
        return std::nullopt;
    }
    return font;
}

bool writeThumbnails(const std::filesystem::path& folder) {
    auto font = fixedFont(15, QFont::PreferNoHinting);
    if (!font) return false;
    font->setBold(true);
    const ThumbnailPainter painter(*font);
    std::filesystem::create_directories(folder);
    int box = 0;
    for (const ThumbnailRow& row : thumbnailTable()) {
        ++box;
        const QImage image =
            painter.paint({row.scene, row.figure, row.seed}, row.width, row.height);
        const auto jpeg = JpegFitter::fit(toRgb(image), row.bytes);
        if (!jpeg) {
            std::fprintf(stderr, "make_assets: box %d does not fit in %zu bytes\n", box, row.bytes);
            return false;
        }
        char name[24];
        std::snprintf(name, sizeof name, "box%02d.jpg", box);
        if (!writeFile(folder / name, jpeg->bytes)) return false;
        std::printf("%s %dx%d %zu bytes, quality %d, padding %zu\n", name, row.width, row.height,
                    row.bytes, jpeg->quality, jpeg->padding);
    }
    return true;
}

bool writeIcon(const std::filesystem::path& file) {
    std::vector<IconImage> images;
    for (const int size : IconPainter::Sizes) images.push_back(IconPainter::paint(size));
    const std::vector<std::uint8_t> bytes = IconFile::write(images);
    if (bytes.size() != IconFileBytes) {
        std::fprintf(stderr, "make_assets: the icon came out at %zu bytes\n", bytes.size());
        return false;
    }
    std::printf("%s %zu bytes\n", file.filename().c_str(), bytes.size());
    return writeFile(file, bytes);
}

bool writeContactButton(const std::filesystem::path& file) {
    // full hinting snaps the small glyphs' strokes to whole pixels
    const auto font = fixedFont(11, QFont::PreferFullHinting);
    if (!font) return false;
    const std::vector<GifFrame> frames = ContactButtonPainter(*font).paintFrames();
    const auto bytes = GifFile::write(ContactButtonPainter::Width, ContactButtonPainter::Height,
                                      frames, ContactButtonPainter::Background, ContactButtonBytes);
    if (!bytes) {
        std::fprintf(stderr, "make_assets: the contact button does not fit in %zu bytes\n",
                     ContactButtonBytes);
        return false;
    }
    std::printf("%s %zu bytes\n", file.filename().c_str(), bytes->size());
    return writeFile(file, *bytes);
}

}  // namespace

int main(int argc, char** argv) {
    // The offscreen platform needs no display and ignores the desktop's settings.
    int qtArgc = 3;
    char platformOption[] = "-platform";
    char platformName[] = "offscreen";
    char* qtArgv[] = {argv[0], platformOption, platformName, nullptr};
    if (argc > 2) {
        std::fprintf(stderr, "usage: make_assets [output folder]\n");
        return 2;
    }
    QGuiApplication app(qtArgc, qtArgv);
    const std::filesystem::path folder = argc == 2 ? argv[1] : DORVANE_ASSETS_SOURCE_DIR;
    if (!writeThumbnails(folder / "thumbnails") || !writeIcon(folder / "dorvane.ico") ||
        !writeContactButton(folder / "contact_button.gif"))
        return 1;
    return 0;
}
