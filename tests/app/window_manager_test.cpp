// The windows under a real window manager (scripts/under-window-manager.sh runs
// it): frames, title bars included, as the X server has them.

#include <QMenu>
#include <QProcess>
#include <QRegularExpression>
#include <QScreen>

#include "app/qt/scale_controls.h"
#include "app/qt/view_scale.h"
#include "window_fixture.h"

namespace plotmere::testing {
namespace {

QString run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished();
    return QString::fromLatin1(process.readAllStandardOutput());
}

// The inner area where the server has it, widened by the extents the manager
// drew around it; none until it has drawn them.
QRect serverFrame(const QWidget& window) {
    const QString id = QString::number(window.winId()), info = run("xwininfo", {"-id", id});
    const auto field = [&](const char* name) {
        return QRegularExpression(QString(name) + R"(:\s*(-?\d+))").match(info).captured(1).toInt();
    };
    const QStringList extents =
        run("xprop", {"-id", id, "_NET_FRAME_EXTENTS"}).section('=', 1).split(',', Qt::SkipEmptyParts);
    if (extents.size() != 4) return {};
    return QRect(field("Absolute upper-left X"), field("Absolute upper-left Y"), field("Width"),
                 field("Height"))
        .adjusted(-extents[0].toInt(), -extents[2].toInt(), extents[1].toInt(), extents[3].toInt());
}

class WindowManagerTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (QGuiApplication::platformName() != "xcb") GTEST_SKIP() << "needs a window manager";
    }

    // The frames of the shown windows once the manager has placed them all and
    // nothing moves any more: on the screen, Settings and Functions apart.
    std::vector<QRect> expectPlaced(const char* step) {
        std::vector<QRect> frames, last(1);  // unlike any frames
        const auto framed = [&](std::size_t i) { return frames[i].isValid() == all[i]->isVisible(); };
        const auto moving = [&] { return frames != last || !framed(0) || !framed(1) || !framed(2); };
        for (int tries = 0; tries < 60 && moving(); ++tries) {
            QTest::qWait(50);
            last = std::exchange(frames, {});
            for (QWidget* window : all)
                frames.push_back(window->isVisible() ? serverFrame(*window) : QRect());
        }
        for (const QRect& frame : frames) EXPECT_TRUE(frame.isNull() || area.contains(frame)) << step;
        EXPECT_FALSE(frames[1].intersects(frames[2])) << step;
        return frames;
    }

    void click(const char* name, QWidget* window = nullptr) {
        QTest::mouseClick((window ? window : all[0])->findChild<QWidget*>(name), Qt::LeftButton);
    }

    RecordingDialogs boxes;
    WindowConsole windows{boxes};
    QWidget* settings = &windows.settingsWindow();
    QWidget* list = &windows.functionListWindow();
    std::vector<QWidget*> all{&windows.consoleWindow(), settings, list};
    QRect area = windows.consoleWindow().screen()->availableGeometry();
};

// Up every step as Ctrl+Plus takes it, with Settings open through the step
// or opened again after it; then the places the user gave the Console and
// Settings kept through Settings shown again and a step there and back.
TEST_F(WindowManagerTest, FramesStayOnTheScreenAndTheToolsApart) {
    // The largest step, and the largest at which the design's three windows fit apart.
    const auto [largest, apartUpTo] = area.width() >= 3840 ? std::pair{400, 300} : std::pair{200, 150};
    ViewScale& scale = windows.viewScale();
    QSignalSpy refused(&scale, &ViewScale::refused);
    for (int step = 0; refused.isEmpty(); ++step, scale.Next()) {
        const std::string at = std::to_string(scale.percent()) + " %";
        expectPlaced(at.c_str());
        if (!settings->isVisible()) click("GetSet");
        click("GotoFunkList");
        const std::vector<QRect> frames = expectPlaced((at + " with both").c_str());
        const bool apart = !frames[0].intersects(frames[1]) && !frames[0].intersects(frames[2]);
        EXPECT_TRUE(apart || scale.percent() > apartUpTo) << at;
        click("Command1", list);
        if (step % 2 == 0) click("SetDone", settings);
    }
    EXPECT_EQ(scale.percent(), largest);
    EXPECT_EQ(std::unique_ptr<QMenu>(ScaleMenu(scale, nullptr))->actions().size(),
              std::ranges::find(ViewScale::Steps, largest) - ViewScale::Steps.begin() + 1);
    scale.Reset();
    click("GetSet");
    const QSize console = expectPlaced("before the user moves them")[0].size();
    // The Console to the screen's lower right corner: a step larger does not fit there.
    const QPoint corner = area.bottomRight() - QPoint(console.width(), console.height()) + QPoint(1, 1);
    for (auto [window, to] : {std::pair{all[0], corner}, {settings, area.topLeft() + QPoint(40, 30)}})
        run("xdotool", {"windowmove", "--sync", QString::number(window->winId()), QString::number(to.x()),
                        QString::number(to.y())});
    const std::vector<QRect> moved = expectPlaced("moved by the user");
    click("SetDone", settings);
    click("GetSet");
    scale.Next();
    click("GotoFunkList");
    const std::vector<QRect> grown = expectPlaced("a step on");
    EXPECT_FALSE(grown[0].intersects(grown[2])) << "Functions beside the Console, left of it";
    scale.Previous();
    EXPECT_TRUE(std::equal(moved.begin(), moved.begin() + 2, expectPlaced("back").begin()));
}

}  // namespace
}  // namespace plotmere::testing
