#include "theme_applier.h"

#include <QApplication>
#include <QBrush>
#include <QCommonStyle>
#include <QImage>
#include <QPalette>
#include <QPointer>
#include <QStyle>
#include <QStyleFactory>
#include <QThread>
#include <array>
#include <memory>

#include "skin_style.h"

namespace dorvane::skin {
namespace {

// Our role numbers to Qt's, in the order of PaletteRole.
constexpr std::array<QPalette::ColorRole, static_cast<std::size_t>(PaletteRole::Count)> QtRoles{
    QPalette::Window,
    QPalette::WindowText,
    QPalette::Base,
    QPalette::AlternateBase,
    QPalette::ToolTipBase,
    QPalette::ToolTipText,
    QPalette::PlaceholderText,
    QPalette::Text,
    QPalette::Button,
    QPalette::ButtonText,
    QPalette::BrightText,
    QPalette::Light,
    QPalette::Midlight,
    QPalette::Dark,
    QPalette::Mid,
    QPalette::Shadow,
    QPalette::Highlight,
    QPalette::HighlightedText,
    QPalette::Link,
    QPalette::LinkVisited,
};

constexpr std::array<QPalette::ColorGroup, static_cast<std::size_t>(PaletteGroup::Count)> QtGroups{
    QPalette::All,
    QPalette::Active,
    QPalette::Inactive,
    QPalette::Disabled,
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

// The style this library installed. It is code of this library, so it must
// be gone before the library is: when the library is unloaded, the
// application gets a plain copy of the base style instead (the palette, Qt's
// own data, stays), drawn by Qt alone.
class InstalledStyle {
  public:
    InstalledStyle() = default;
    InstalledStyle(const InstalledStyle&) = delete;
    InstalledStyle& operator=(const InstalledStyle&) = delete;
    ~InstalledStyle() { Remove(); }

    void Record(SkinStyle* style, const QString& baseName) {
        style_ = style;
        baseName_ = baseName;
    }

  private:
    void Remove() {
        if (style_.isNull()) return;  // the application deleted it already
        auto* application = qobject_cast<QApplication*>(QCoreApplication::instance());
        if (application != nullptr && QThread::currentThread() == application->thread()) {
            QStyle* plain = QStyleFactory::create(baseName_);
            // setStyle unpolishes every widget with ours, then deletes it
            QApplication::setStyle(plain != nullptr ? plain : new QCommonStyle);
        }
        delete style_.data();  // whoever else still holds it must not keep our code
    }

    QPointer<SkinStyle> style_;
    QString baseName_;
};

InstalledStyle installed;

}  // namespace

bool ApplyTheme(QApplication&, const Theme& theme) {
    // fromLatin1 copies: a literal's QString would point into this library.
    const QString baseName =
        QString::fromLatin1(theme.baseStyle.data(), static_cast<qsizetype>(theme.baseStyle.size()));
    std::unique_ptr<QStyle> base(QStyleFactory::create(baseName));
    if (!base) {
        return false;
    }
    const QPalette palette = PaletteOf(theme, *base);
    // No style sheet: the skin's style draws the look the sheet describes.
    auto* style = new SkinStyle(base.release());
    installed.Record(style, baseName);
    // The palette first: setStyle polishes the widgets already polished, and
    // what polish hands a widget must be the theme's colours.
    QApplication::setPalette(palette);
    QApplication::setStyle(style);  // the application owns it from here
    return true;
}

}  // namespace dorvane::skin
