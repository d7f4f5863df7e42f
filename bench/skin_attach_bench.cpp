// What the skin costs the first show of a window like the program's: the
// engine loaded as the program loads it, SkinH_AttachEx with the carried skin
// file, then the window shown (every visible control polished) and painted
// once, offscreen. The window has the program's mix of visible controls: 4
// group boxes, 6 push buttons, a word-wrapped label, a flat button, 12
// picture boxes and a pane; the hidden panels' 48 boxes and 4 group boxes
// are built but not shown, as in the program.
//
// Counters: attach_ms (the call), show_ms (show: polish and layout),
// paint_ms (the first full paint), each a mean per start in CPU time of the
// thread, so that other work on a shared machine does not count. Arg 0 runs
// the same window without the skin, the floor the skin adds to. One unskinned
// show comes first, so that neither side pays for the fonts' first load.
//
// usage: skin_attach_bench [benchmark flags]
// env:   DORVANE_SKIN_LIBRARY another build of the engine to measure (default: this build's)
#include <benchmark/benchmark.h>
#include <dlfcn.h>
#include <stdlib.h>
#include <time.h>
#include <unistd.h>

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QStyleFactory>
#include <cstdio>
#include <filesystem>
#include <memory>

#include "platform/posix/windows_paths.h"

namespace {

using AttachFunction = int (*)(const char*, const char*);

AttachFunction attach = nullptr;

// A picture box as the program paints one: face colour and a border.
class Box : public QWidget {
  public:
    using QWidget::QWidget;

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.fillRect(rect(), palette().color(QPalette::Button));
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
};

QGroupBox* Group(QWidget* window, const char* caption, QRect place, bool shown) {
    auto* group = new QGroupBox(QString::fromUtf8(caption), window);
    group->setGeometry(place);
    QPalette black = group->palette();
    black.setColor(QPalette::WindowText, Qt::black);
    group->setPalette(black);
    group->setVisible(shown);
    return group;
}

std::unique_ptr<QWidget> ProgramLikeWindow() {
    auto window = std::make_unique<QWidget>();
    window->setFixedSize(984, 624);
    auto* types = Group(window.get(), "选择类型", {656, 0, 328, 104}, true);
    const char* captions[] = {"意境Q秀背景(1)", "意境Q秀背景(2)", "意境Q秀背景(3)",
                              "免费恶搞QQ秀",   "免费可爱QQ秀",   "全屏QQ秀非免费"};
    for (int i = 0; i < 6; ++i) {
        auto* button = new QPushButton(QString::fromUtf8(captions[i]), types);
        button->setGeometry(8 + 104 * (i % 3), 24 + 40 * (i / 3), 96, 24);
    }
    for (int panel = 0; panel < 5; ++panel) {
        auto* group =
            Group(window.get(), "点击下面QQ秀图片即可免费试穿", {656, 104, 328, 448}, panel == 0);
        for (int i = 0; i < 12; ++i) {
            (new Box(group))->setGeometry(8 + 80 * (i % 4), 16 + 144 * (i / 4), 72, 136);
        }
    }
    auto* notice = Group(window.get(), "温馨提示", {656, 552, 328, 72}, true);
    auto* label = new QLabel(QString::fromUtf8("直接点击QQ秀试穿-保存\n\n有疑问联系作者"), notice);
    label->setWordWrap(true);
    label->setGeometry(8, 24, 312, 40);
    QPalette red = label->palette();
    red.setColor(QPalette::WindowText, Qt::red);
    label->setPalette(red);
    auto* contact = new QPushButton(notice);
    contact->setFlat(true);
    contact->setGeometry(176, 40, 96, 24);
    auto* main = Group(window.get(), "使用方法:登录-试穿-保存", {8, 0, 648, 624}, true);
    (new QWidget(main))->setGeometry(8, 16, 632, 600);
    return window;
}

// CPU time of this thread, in ms
double ThreadMs() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

void ShowAndPaint(QWidget& window) {
    window.show();
    QImage shot(window.size(), QImage::Format_ARGB32_Premultiplied);
    window.render(&shot);
    benchmark::DoNotOptimize(shot.constBits());
}

void FirstShow(benchmark::State& state) {
    const bool skinned = state.range(0) != 0;
    const QPalette plainPalette = QApplication::palette();
    double attachMs = 0, showMs = 0, paintMs = 0;
    for (auto _ : state) {
        state.PauseTiming();
        std::unique_ptr<QWidget> window = ProgramLikeWindow();
        state.ResumeTiming();

        const double t0 = ThreadMs();
        if (skinned) attach("C:\\WINDOWS\\system32\\drivers\\kiss.she", "");
        const double t1 = ThreadMs();
        window->show();
        const double t2 = ThreadMs();
        QImage shot(window->size(), QImage::Format_ARGB32_Premultiplied);
        window->render(&shot);
        const double t3 = ThreadMs();
        benchmark::DoNotOptimize(shot.constBits());
        attachMs += t1 - t0;
        showMs += t2 - t1;
        paintMs += t3 - t2;

        state.PauseTiming();
        window.reset();
        // back to a plain application for the next start
        qApp->setStyleSheet(QString());
        QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
        QApplication::setPalette(plainPalette);
        state.ResumeTiming();
    }
    const double n = static_cast<double>(state.iterations());
    state.counters["attach_ms"] = attachMs / n;
    state.counters["show_ms"] = showMs / n;
    state.counters["paint_ms"] = paintMs / n;
}
BENCHMARK(FirstShow)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->MinTime(2.0);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    char pattern[] = "/tmp/dorvane_skin_bench_XXXXXX";
    if (mkdtemp(pattern) == nullptr) return 1;
    setenv("XDG_DATA_HOME", pattern, 1);
    std::filesystem::copy_file(
        std::string(DORVANE_ASSETS_DIR) + "/kiss.she",
        dorvane::paths::DriveCFolder() + "/WINDOWS/system32/drivers/kiss.she");

    int status = 0;
    {
        QApplication application(argc, argv);
        QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
        const char* path = getenv("DORVANE_SKIN_LIBRARY");
        void* engine = dlopen(path != nullptr ? path : DORVANE_SKIN_LIBRARY, RTLD_NOW | RTLD_LOCAL);
        attach =
            engine ? reinterpret_cast<AttachFunction>(dlsym(engine, "SkinH_AttachEx")) : nullptr;
        if (attach == nullptr) {
            std::fprintf(stderr, "skin_attach_bench: cannot load the engine: %s\n", dlerror());
            status = 1;
        } else {
            ShowAndPaint(*ProgramLikeWindow());  // the fonts' first load
            benchmark::Initialize(&argc, argv);
            benchmark::RunSpecifiedBenchmarks();
            benchmark::Shutdown();
            dlclose(engine);  // while the application lives, as the program does
        }
    }
    std::filesystem::remove_all(pattern);
    return status;
}
