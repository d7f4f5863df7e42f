// Writes the images of the program's icon file as an icon theme's PNGs,
// <folder>/<w>x<h>/apps/<name>.png, pixel for pixel: the desktop shows the
// same pictures as the window and its tray icon.
//   dorvane_icon_images ICON FOLDER NAME SIZE...
// The sizes are the images' expected pixel sizes in the file's order; any
// other image count or size fails the build rather than ship a wrong icon.
#include <QCoreApplication>
#include <QDir>
#include <QImage>
#include <QImageReader>
#include <cstdio>
#include <cstdlib>

namespace {

int Fail(const QString& message) {
    std::fprintf(stderr, "dorvane_icon_images: %s\n", qPrintable(message));
    return 1;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 5) {
        std::fprintf(stderr, "usage: %s ICON FOLDER NAME SIZE...\n", argv[0]);
        return 2;
    }
    // the image format plugins are found through the application
    QCoreApplication application(argc, argv);
    const QString iconFile = QString::fromLocal8Bit(argv[1]);
    const QString folder = QString::fromLocal8Bit(argv[2]);
    const QString name = QString::fromLocal8Bit(argv[3]);
    const int expected = argc - 4;

    QImageReader reader(iconFile, "ico");
    if (reader.imageCount() != expected) {
        return Fail(QStringLiteral("%1 holds %2 images, not %3")
                        .arg(iconFile)
                        .arg(reader.imageCount())
                        .arg(expected));
    }
    for (int index = 0; index < expected; ++index) {
        const int size = std::atoi(argv[4 + index]);
        if (!reader.jumpToImage(index)) return Fail(QStringLiteral("no image %1").arg(index + 1));
        const QImage image = reader.read();
        if (image.isNull()) {
            return Fail(QStringLiteral("image %1: %2").arg(index + 1).arg(reader.errorString()));
        }
        if (image.width() != size || image.height() != size) {
            return Fail(QStringLiteral("image %1 is %2x%3, not %4x%4")
                            .arg(index + 1)
                            .arg(image.width())
                            .arg(image.height())
                            .arg(size));
        }
        const QString apps = QStringLiteral("%1/%2x%2/apps").arg(folder).arg(size);
        if (!QDir().mkpath(apps)) return Fail(QStringLiteral("cannot make %1").arg(apps));
        const QString png = QStringLiteral("%1/%2.png").arg(apps, name);
        if (!image.save(png, "PNG")) return Fail(QStringLiteral("cannot write %1").arg(png));
    }
    return 0;
}
