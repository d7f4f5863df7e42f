// A test's input file read whole, as the byte spans the readers take. A file
// that cannot be opened fails the test and gives no bytes.
#pragma once

#include <gtest/gtest.h>

#include <QFile>
#include <QString>
#include <cstdint>
#include <vector>

namespace dorvane::testing {

inline std::vector<std::uint8_t> FileBytes(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) ADD_FAILURE() << "cannot open " << path.toStdString();
    const QByteArray data = file.readAll();
    return {data.begin(), data.end()};
}

inline std::vector<std::uint8_t> AssetBytes(const char* name) {
    return FileBytes(QStringLiteral(DORVANE_ASSETS_DIR "/") + QLatin1String(name));
}

}  // namespace dorvane::testing
