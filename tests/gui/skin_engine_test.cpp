// The skin engine as the program uses it: loaded by path, called once with
// the carried skin file, unloaded at the end, all against the running
// QApplication (offscreen). A private data home holds drive C:.
#include <dlfcn.h>
#include <gtest/gtest.h>
#include <stdlib.h>
#include <unistd.h>

#include <QApplication>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QPalette>
#include <QProxyStyle>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <iterator>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "SkinH_EL.h"
#include "platform/posix/windows_paths.h"

namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;
using AttachFunction = int (*)(const char*, const char*);

constexpr const char* CarriedSkinPath = "C:\\WINDOWS\\system32\\drivers\\kiss.she";

Bytes ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), {});
}

void WriteBytes(const std::string& path, const Bytes& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
}

void PutLe32(Bytes& bytes, std::size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) {
        bytes[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
    }
}

// What a skin call may change in the application.
struct AppLook {
    QString styleSheet;
    QPalette palette;
    QStyle* style;
    QString styleName;
};

AppLook CurrentLook() {
    return {qApp->styleSheet(), QApplication::palette(), QApplication::style(),
            QApplication::style()->name()};
}

class SkinEngineTest : public ::testing::Test {
  protected:
    void SetUp() override {
        char pattern[] = "/tmp/dorvane_skin_XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        dataHome_ = pattern;
        if (const char* old = getenv("XDG_DATA_HOME")) {
            oldDataHome_ = old;
        }
        setenv("XDG_DATA_HOME", dataHome_.c_str(), 1);
        driveC_ = dorvane::paths::DriveCFolder();
        carried_ = ReadBytes(std::string(DORVANE_ASSETS_DIR) + "/kiss.she");
        ASSERT_EQ(carried_.size(), 13192u);
        library_ = dlopen(DORVANE_SKIN_LIBRARY, RTLD_NOW | RTLD_LOCAL);
        ASSERT_NE(library_, nullptr) << dlerror();
        attach_ = reinterpret_cast<AttachFunction>(dlsym(library_, "SkinH_AttachEx"));
        ASSERT_NE(attach_, nullptr);
        before_ = CurrentLook();
    }

    void TearDown() override {
        Unload();
        // put the application back for the next test
        QApplication::setStyle(before_.styleName);
        QApplication::setPalette(before_.palette);
        qApp->setStyleSheet(before_.styleSheet);
        if (oldDataHome_) {
            setenv("XDG_DATA_HOME", oldDataHome_->c_str(), 1);
        } else {
            unsetenv("XDG_DATA_HOME");
        }
        fs::remove_all(dataHome_);
    }

    void Unload() {
        if (library_ != nullptr) {
            dlclose(library_);
            library_ = nullptr;
        }
    }

    std::string CarriedSkinFile() const { return driveC_ + "/WINDOWS/system32/drivers/kiss.she"; }

    void ExpectLookUnchanged() const {
        const AppLook now = CurrentLook();
        EXPECT_EQ(now.styleSheet, before_.styleSheet);
        EXPECT_TRUE(now.palette == before_.palette);
        EXPECT_EQ(now.style, before_.style);
    }

    std::string dataHome_;
    std::optional<std::string> oldDataHome_;
    std::string driveC_;
    Bytes carried_;
    void* library_ = nullptr;
    AttachFunction attach_ = nullptr;
    AppLook before_{};
};

QImage Shot(QWidget& widget) {
    return widget.grab().toImage();
}

// Catches a skin that reports success but restyles nothing, a base style
// other than the theme's, a palette left as the base style's, or a style
// sheet (which makes Qt polish every widget the slow way).
TEST_F(SkinEngineTest, CarriedSkinFileAttachesTheTheme) {
    WriteBytes(CarriedSkinFile(), carried_);
    QPushButton button(QString::fromUtf8("意境1"));
    button.resize(80, 26);
    const QImage plain = Shot(button);

    ASSERT_EQ(attach_(CarriedSkinPath, ""), SkinH_Attached);

    EXPECT_TRUE(qApp->styleSheet().isEmpty());
    EXPECT_NE(QApplication::style(), before_.style);
    const auto* skin = qobject_cast<QProxyStyle*>(QApplication::style());
    ASSERT_NE(skin, nullptr);
    EXPECT_EQ(skin->baseStyle()->name().toLower(), QStringLiteral("fusion"));
    const QPalette palette = QApplication::palette();
    EXPECT_FALSE(palette == before_.palette);
    EXPECT_EQ(palette.brush(QPalette::Window).style(), Qt::TexturePattern);
    EXPECT_FALSE(palette.brush(QPalette::Window).textureImage().isNull());
    EXPECT_NE(Shot(button), plain);
}

// A window of the kinds the skin reaches, shown (so polished) under the skin.
struct SkinnedWidgets {
    QWidget window;
    QGroupBox* box = new QGroupBox(QString::fromUtf8("温馨提示"), &window);
    QWidget* picture = new QWidget(box);
    QLabel* label = new QLabel(QString::fromUtf8("直接点击QQ秀试穿-保存"), box);
    QPushButton* flat = new QPushButton(box);

    SkinnedWidgets() {
        window.resize(340, 120);
        box->setGeometry(8, 8, 328, 104);
        QPalette black = box->palette();  // as the window sets its captions' colour
        black.setColor(QPalette::WindowText, Qt::black);
        box->setPalette(black);
        picture->setGeometry(8, 24, 40, 40);
        label->setWordWrap(true);
        QPalette red = label->palette();
        red.setColor(QPalette::WindowText, Qt::red);
        label->setPalette(red);
        label->setGeometry(56, 24, 160, 40);
        flat->setFlat(true);
        flat->setGeometry(224, 40, 96, 24);
    }
};

void ExpectSkinned(const SkinnedWidgets& w) {
    const QPalette theme = QApplication::palette();
    EXPECT_EQ(w.box->palette().color(QPalette::WindowText), QColor(Qt::black));
    EXPECT_EQ(w.picture->palette().color(QPalette::WindowText), theme.color(QPalette::WindowText));
    EXPECT_EQ(w.label->palette().color(QPalette::WindowText), QColor(Qt::red));
    EXPECT_TRUE(w.label->testAttribute(Qt::WA_StyledBackground));
    EXPECT_EQ(w.label->contentsRect(),
              w.label->rect().adjusted(1, 1, -1, -1));  // inside the card's border
    EXPECT_TRUE(w.flat->property("dorvaneSkinPaintsPanel").toBool());
}

// Catches a look that drifts from the one the skin had as a style sheet: a
// group box's black reaching what stands in it, a label without its card, a
// flat button that keeps its own fill and frame under the pill.
// Both while the widgets are new and once they have been polished (the
// program's window has been, when it attaches the skin).
TEST_F(SkinEngineTest, TheSkinReachesTheWidgetsItDraws) {
    WriteBytes(CarriedSkinFile(), carried_);
    for (const bool shownBefore : {false, true}) {
        SCOPED_TRACE(shownBefore ? "shown before the skin" : "shown after the skin");
        SkinnedWidgets w;
        if (shownBefore) {
            w.window.show();
            w.window.ensurePolished();
        }
        ASSERT_EQ(attach_(CarriedSkinPath, ""), SkinH_Attached);
        w.window.show();
        ASSERT_FALSE(Shot(w.window).isNull());
        ExpectSkinned(w);
        QApplication::setStyle(before_.styleName);  // plain again for the next case
        QApplication::setPalette(before_.palette);
    }
}

// Catches an unload that leaves the skin's style in the application (its
// code is gone with the library) or leaves widgets changed by it.
TEST_F(SkinEngineTest, UnloadingTakesTheStyleBack) {
    WriteBytes(CarriedSkinFile(), carried_);
    SkinnedWidgets w;
    const QRect plainContents = w.label->contentsRect();
    ASSERT_EQ(attach_(CarriedSkinPath, ""), SkinH_Attached);
    w.window.show();
    ASSERT_FALSE(Shot(w.window).isNull());
    Unload();

    EXPECT_EQ(qobject_cast<QProxyStyle*>(QApplication::style()), nullptr);
    EXPECT_EQ(QApplication::style()->name().toLower(), QStringLiteral("fusion"));
    EXPECT_FALSE(w.picture->testAttribute(Qt::WA_SetPalette));
    EXPECT_EQ(w.label->palette().color(QPalette::WindowText), QColor(Qt::red));
    EXPECT_FALSE(w.label->testAttribute(Qt::WA_StyledBackground));
    EXPECT_EQ(w.label->contentsRect(), plainContents);
    EXPECT_FALSE(w.flat->testAttribute(Qt::WA_SetPalette));
    EXPECT_NE(w.flat->palette().color(QPalette::Button).alpha(), 0);
    EXPECT_FALSE(w.flat->property("dorvaneSkinPaintsPanel").isValid());
    EXPECT_FALSE(Shot(w.window).isNull());
}

// Catches a path read as UTF-8 or Latin-1 instead of GBK, and a null
// password not taken as the empty one.
TEST_F(SkinEngineTest, PathsAreGbkAndANullPasswordIsEmpty) {
    fs::create_directories(driveC_ + "/皮肤");
    WriteBytes(driveC_ + "/皮肤/kiss.she", carried_);
    EXPECT_EQ(attach_("C:\\\xC6\xA4\xB7\xF4\\kiss.she", nullptr),
              SkinH_Attached);  // C:\皮肤\kiss.she
    EXPECT_NE(QApplication::style(), before_.style);
}

// Catches a damaged file or a wrong password that half-applies a theme,
// crashes, or allocates what a lying size field asks for.
TEST_F(SkinEngineTest, DamagedFilesChangeNothing) {
    const auto with = [&](auto edit) {
        Bytes f = carried_;
        edit(f);
        return std::optional<Bytes>(f);
    };
    const auto cut = [&](std::size_t n) {
        return std::optional<Bytes>(Bytes(carried_.begin(), carried_.begin() + n));
    };
    Bytes noise(13192);
    std::uint32_t x = 2024;
    for (auto& b : noise) b = static_cast<std::uint8_t>((x = x * 1664525 + 1013904223) >> 24);
    Bytes huge = carried_;
    huge.resize((1u << 20) + 1);

    struct Case {
        const char* what;
        std::optional<Bytes> file;  // none: no file at the path
        const char* path;
        const char* password;
        std::initializer_list<int> expected;
    } const cases[] = {
        {"missing", std::nullopt, CarriedSkinPath, "", {SkinH_Unreadable}},
        {"empty", Bytes{}, CarriedSkinPath, "", {SkinH_BadHeader}},
        {"wrong magic", with([](Bytes& f) { f[1] = 'Z'; }), CarriedSkinPath, "", {SkinH_BadHeader}},
        {"header cut short", cut(12), CarriedSkinPath, "", {SkinH_BadHeader}},
        {"body cut short", cut(600), CarriedSkinPath, "", {SkinH_BadStream, SkinH_BadBody}},
        {"size field larger",
         with([](Bytes& f) { PutLe32(f, 6, 175193); }),
         CarriedSkinPath,
         "",
         {SkinH_BadStream, SkinH_BadBody}},
        {"size field smaller",
         with([](Bytes& f) { PutLe32(f, 6, 175191); }),
         CarriedSkinPath,
         "",
         {SkinH_BadStream, SkinH_BadBody}},
        {"size field 4 GiB",
         with([](Bytes& f) { PutLe32(f, 6, 0xFFFFFFFF); }),
         CarriedSkinPath,
         "",
         {SkinH_BadBodySize}},
        {"size field 5 MiB",
         with([](Bytes& f) { PutLe32(f, 6, 5u << 20); }),
         CarriedSkinPath,
         "",
         {SkinH_BadBodySize}},
        {"random bytes", noise, CarriedSkinPath, "", {SkinH_BadHeader}},
        {"over 1 MiB", huge, CarriedSkinPath, "", {SkinH_Unreadable}},
        {"wrong password", carried_, CarriedSkinPath, "x", {SkinH_WrongPassword}},
        {"drive D:", carried_, "D:\\WINDOWS\\system32\\drivers\\kiss.she", "", {SkinH_BadPath}},
        {"path not GBK", carried_, "C:\\\x81", "", {SkinH_BadPath}},
        {"null path", carried_, nullptr, "", {SkinH_BadPath}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        fs::remove(CarriedSkinFile());
        if (c.file) {
            WriteBytes(CarriedSkinFile(), *c.file);
        }
        const int result = attach_(c.path, c.password);
        EXPECT_TRUE(std::find(c.expected.begin(), c.expected.end(), result) != c.expected.end())
            << "result " << result;
        ExpectLookUnchanged();
    }
    // a folder where the file should be
    fs::remove(CarriedSkinFile());
    fs::create_directory(CarriedSkinFile());
    EXPECT_EQ(attach_(CarriedSkinPath, ""), SkinH_Unreadable);
    ExpectLookUnchanged();
}

// Catches Qt being restyled from a thread that does not own the application.
TEST_F(SkinEngineTest, OtherThreadsAreRefused) {
    WriteBytes(CarriedSkinFile(), carried_);
    int result = -1;
    std::thread([&] { result = attach_(CarriedSkinPath, ""); }).join();
    EXPECT_EQ(result, SkinH_NoApplication);
    ExpectLookUnchanged();
}

// Catches anything Qt keeps that points into the engine (a literal's
// string, a style, a filter, a static object): once the library is gone,
// drawing and re-reading the theme would touch unmapped memory.
TEST_F(SkinEngineTest, WidgetsRenderAfterTheEngineIsUnloaded) {
    WriteBytes(CarriedSkinFile(), carried_);
    ASSERT_EQ(attach_(CarriedSkinPath, ""), SkinH_Attached);
    Unload();
    void* still = dlopen(DORVANE_SKIN_LIBRARY, RTLD_NOW | RTLD_NOLOAD);
    EXPECT_EQ(still, nullptr) << "the engine stayed mapped, so this test proves nothing";
    if (still != nullptr) {
        dlclose(still);
    }

    QWidget window;
    window.resize(320, 200);
    auto* box = new QGroupBox(QString::fromUtf8("意境1"), &window);
    box->setGeometry(8, 8, 200, 120);
    auto* button = new QPushButton(QString::fromUtf8("恶搞"), &window);
    button->setGeometry(8, 140, 80, 26);
    auto* flat = new QPushButton(&window);
    flat->setFlat(true);
    flat->setGeometry(100, 140, 40, 26);
    auto* label = new QLabel(QString::fromUtf8("官方网站 http://www.dorvane.example"), &window);
    label->setWordWrap(true);
    label->setGeometry(216, 8, 96, 60);
    auto* tool = new QToolButton(&window);
    tool->setGeometry(150, 140, 30, 26);
    window.show();
    const QImage shot = Shot(window);
    ASSERT_FALSE(shot.isNull());
    // the theme's palette is still in force (over the plain base style that
    // took the skin's place): the button face is pink, not a grey
    const QColor face = shot.pixelColor(button->geometry().center() + QPoint(0, 8));
    EXPECT_GT(face.red(), face.green() + 20) << face.name().toStdString();

    qApp->setStyleSheet(qApp->styleSheet() +
                        QStringLiteral("\n"));  // parsed again, widgets re-polished
    EXPECT_FALSE(Shot(window).isNull());
    qApp->setStyleSheet(QString());
    EXPECT_EQ(QApplication::style()->name().toLower(), QStringLiteral("fusion"));
    EXPECT_FALSE(Shot(window).isNull());
}

}  // namespace
