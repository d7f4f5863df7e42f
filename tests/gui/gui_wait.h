// Waiting in a GUI test: runs the event loop until a condition holds, or
// gives up after a generous limit (the web engine works on its own threads).
#pragma once

#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <functional>

namespace dorvane::testing {

inline bool WaitUntil(const std::function<bool()>& done, int limitMs = 20000) {
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() > limitMs) return false;
        QEventLoop loop;
        QTimer::singleShot(10, &loop, &QEventLoop::quit);
        loop.exec();
    }
    return true;
}

}  // namespace dorvane::testing
