#include "app/qt/window_placement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWindow>
#include <algorithm>
#include <optional>

#include "app/qt/form_window.h"
#include "app/qt/view_scale.h"

namespace plotmere {

namespace {

// The rect moved as little as needed to lie on the area; its top left wins
// where it cannot, so that the title bar stays in reach.
QRect keptOn(QRect rect, const QRect& area) {
    rect.moveRight(std::min(rect.right(), area.right()));
    rect.moveBottom(std::min(rect.bottom(), area.bottom()));
    rect.moveLeft(std::max(rect.left(), area.left()));
    rect.moveTop(std::max(rect.top(), area.top()));
    return rect;
}

int covered(const QRect& a, const QRect& b) {
    const QRect both = a & b;
    return both.width() * both.height();
}

QRect screenArea(const QWidget& window) { return window.screen()->availableGeometry(); }

// Where a window of size goes beside the console: on the area, clear of
// other, over as little of the console as the area allows; none when nothing
// on the area is clear of other. gap: the space left between windows.
std::optional<QPoint> besideSpot(QSize size, const QRect& area, const QRect& console, const QRect& other,
                                 int gap) {
    // Right of the console first, then left of it, beside the other, then
    // against the edges; level with the console first, then with the other.
    std::vector<int> xs{console.right() + 1 + gap, console.left() - gap - size.width()};
    std::vector<int> ys{console.top()};
    if (other.isValid()) {
        xs.insert(xs.end(), {other.right() + 1 + gap, other.left() - gap - size.width()});
        ys.insert(ys.end(), {other.bottom() + 1 + gap, other.top() - gap - size.height()});
    }
    xs.insert(xs.end(), {area.left(), area.right() + 1 - size.width()});
    ys.insert(ys.end(), {area.top(), area.bottom() + 1 - size.height()});
    std::optional<QPoint> best;
    int least = 0;
    for (int x : xs) {
        for (int y : ys) {
            const QRect placed(QPoint(x, y), size);
            if (!area.contains(placed) || placed.intersects(other)) continue;
            if (!best || covered(placed, console) < least) {
                best = placed.topLeft();
                least = covered(placed, console);
            }
        }
    }
    return best;
}

}  // namespace

WindowPlacement::WindowPlacement(FormWindow& console, std::vector<FormWindow*> beside, ViewScale& scale)
    : console_(console), beside_(std::move(beside)), scale_(scale), area_(screenArea) {
    console_.installEventFilter(this);
    for (FormWindow* window : beside_) window->installEventFilter(this);
    const auto watch = [this](QScreen* screen) {
        connect(screen, &QScreen::availableGeometryChanged, this, &WindowPlacement::Fit);
    };
    for (QScreen* screen : QGuiApplication::screens()) watch(screen);
    connect(qGuiApp, &QGuiApplication::screenAdded, this, watch);
    // Asked for before the window exists, a place is of the frame, which
    // the window manager puts there as it draws it.
    anchor_ = placedAt_[&console_] = area().topLeft();
    console_.move(anchor_);
}

void WindowPlacement::SetArea(Area area) {
    area_ = std::move(area);
    Fit();
}

QRect WindowPlacement::area() const { return area_(console_); }

void WindowPlacement::Fit() {
    const QSize room = area().size();
    const QMargins around = margins(console_);
    int largest = ViewScale::Steps.front();
    for (int percent : ViewScale::Steps) {
        const QSize needed = console_.SizeAt(percent / 100.0).grownBy(around);
        if (needed.width() <= room.width() && needed.height() <= room.height()) largest = percent;
    }
    scale_.SetLargest(largest);
}

void WindowPlacement::Rearrange() {
    // A corner other than the one it was given is the user's choice.
    const QPoint corner = frame(console_).topLeft();
    if (corner != placedAt_[&console_]) anchor_ = corner;
    arrange(console_);
    for (FormWindow* window : beside_) {
        if (window->isVisible()) arrange(*window);
    }
}

// A window's own frame once its manager has drawn one, else the Console's:
// the manager frames every window of the program alike.
QMargins WindowPlacement::margins(const QWidget& window) const {
    for (const QWidget* framed : {&window, static_cast<const QWidget*>(&console_)}) {
        const QWindow* handle = framed->windowHandle();
        if (handle && !handle->frameMargins().isNull()) return handle->frameMargins();
    }
    return {};
}

// The window's own geometry follows a request at once, the widget's only
// once the window manager has carried it out.
QRect WindowPlacement::frame(const QWidget& window) const {
    const QWindow* handle = window.windowHandle();
    return (handle ? handle->geometry() : window.geometry()).marginsAdded(margins(window));
}

// Placed by its inner area, which every window manager puts where it is
// asked to; it draws the frame around it.
void WindowPlacement::putFrame(QWidget& window, QPoint at) {
    placedAt_[&window] = at;
    const QMargins around = margins(window);
    if (frame(window).topLeft() != at)
        window.setGeometry(QRect(at + QPoint(around.left(), around.top()), window.size()));
}

void WindowPlacement::arrange(FormWindow& window) {
    if (&window == &console_)
        putFrame(window, keptOn(QRect(anchor_, frame(window).size()), area()).topLeft());
    else if (movedByUser_.contains(&window)) putFrame(window, keptOn(frame(window), area()).topLeft());
    else place(window, true);
}

void WindowPlacement::place(FormWindow& window, bool mayMoveOther) {
    FormWindow* other = nullptr;
    for (FormWindow* shown : beside_) {
        if (shown != &window && shown->isVisible()) other = shown;
    }
    const QRect area = this->area(), console = frame(console_);
    const QRect avoid = other ? frame(*other) : QRect();
    const QSize size = frame(window).size();
    const int gap = Pixels(120, scale_.factor());
    const std::optional<QPoint> clear = besideSpot(size, area, console, avoid, gap);
    putFrame(window, clear ? *clear : besideSpot(size, area, console, QRect(), gap).value_or(area.topLeft()));
    // Where the two cannot both stand clear of the console, the other makes
    // room, unless the user put it where it is, and stays in sight over it.
    if (!clear && other && mayMoveOther && !movedByUser_.contains(other)) {
        place(*other, false);
        other->raise();
    }
}

void WindowPlacement::shown(FormWindow& window) {
    // Shown again elsewhere than it was put: the user moved it.
    const auto placed = placedAt_.find(&window);
    if (placed != placedAt_.end() && frame(window).topLeft() != placed->second) movedByUser_.insert(&window);
    arrange(window);
    if (&window == &console_) Fit();
    QWindow* handle = window.windowHandle();
    handle->installEventFilter(this);
    awaited_[handle] = &window;
}

bool WindowPlacement::eventFilter(QObject* watched, QEvent* event) {
    if (watched->isWindowType()) {
        // On the screen at last, framed: the places again, with the real frame.
        auto* handle = static_cast<QWindow*>(watched);
        const auto awaited = awaited_.find(handle);
        if (event->type() != QEvent::Expose || awaited == awaited_.end() || !handle->isExposed())
            return false;
        FormWindow& window = *awaited->second;
        awaited_.erase(awaited);
        arrange(window);
        if (&window == &console_) Fit();
    } else if (event->type() == QEvent::Show && !event->spontaneous()) {
        shown(*static_cast<FormWindow*>(watched));
    } else if (event->type() == QEvent::Move && watched == &console_) {
        Fit();  // perhaps onto another screen
    }
    return false;
}

}  // namespace plotmere
