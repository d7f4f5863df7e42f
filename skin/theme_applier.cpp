#include "theme_applier.h"

#include <QApplication>
#include <QBrush>
#include <QImage>
#include <QPalette>
#include <QStyle>
#include <QStyleFactory>

#include <array>
#include <memory>

namespace dorvane::skin {
namespace {

// Our role numbers to Qt's, in the order of PaletteRole.
constexpr std::array<QPalette::ColorRole, static_cast<std::size_t>(PaletteRole::Count)> QtRoles{
    QPalette::Window, QPalette::WindowText, QPalette::Base, QPalette::AlternateBase,
    QPalette::ToolTipBase, QPalette::ToolTipText, QPalette::PlaceholderText, QPalette::Text,
    QPalette::Button, QPalette::ButtonText, QPalette::BrightText, QPalette::Light,
    QPalette::Midlight, QPalette::Dark, QPalette::Mid, QPalette::Shadow,
    QPalette::Highlight, QPalette::HighlightedText, QPalette::Link, QPalette::LinkVisited,
};

constexpr std::array<QPalette::ColorGroup, static_cast<std::size_t>(PaletteGroup::Count)> QtGroups{
    QPalette::All, QPalette::Active, QPalette::Inactive, QPalette::Disabled,
};

QColor ColourOf(std::uint32_t argb) {
    return QColor::fromRgba(static_cast<QRgb>(argb));
}

// The image owns its pixels: nothing points back into the theme or the library.
QImage ImageOf(const Tile& tile) {
    QImage image(tile.width, tile.height, QImage::Format_ARGB32);
    for (int y = 0; y < tile.height; ++y) {
        QRgb* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < tile.width; ++x) {
            row[x] = tile.argb[static_cast<std::size_t>(y) * tile.width + x];
        }
    }
    return image;
}

QPalette PaletteOf(const Theme& theme, const QStyle& style) {
    QPalette palette = style.standardPalette();
    for (const PaletteEntry& e : theme.palette) {
        palette.setColor(QtGroups[static_cast<std::size_t>(e.group)],
                         QtRoles[static_cast<std::size_t>(e.role)], ColourOf(e.argb));
    }
    if (!theme.windowTile.argb.empty()) {
        const QImage tile = ImageOf(theme.windowTile);
        if (!tile.isNull()) {
            palette.setBrush(QPalette::All, QPalette::Window, QBrush(tile));
        }
    }
    return palette;
}

}  // namespace

bool ApplyTheme(QApplication& application, const Theme& theme) {
    // fromLatin1/fromUtf8 copy: a literal's QString would point into this library.
    std::unique_ptr<QStyle> style(QStyleFactory::create(
        QString::fromLatin1(theme.baseStyle.data(), static_cast<qsizetype>(theme.baseStyle.size()))));
    if (!style) {
        return false;
    }
    const QPalette palette = PaletteOf(theme, *style);
    const QString styleSheet =
        QString::fromUtf8(theme.styleSheet.data(), static_cast<qsizetype>(theme.styleSheet.size()));

    QApplication::setStyle(style.release());  // the application owns it from here
    QApplication::setPalette(palette);
    application.setStyleSheet(styleSheet);
    return true;
}

}  // namespace dorvane::skin
