#include "app/qt/window_placement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QShowEvent>
#include <algorithm>

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

}  // namespace

std::optional<QPoint> BesideSpot(QSize size, const QRect& area, const QRect& console, const QRect& other,
                                 int gap) {
    // Right of the console first, then left of it, then against the edges.
    std::vector<int> xs{console.right() + 1 + gap, console.left() - gap - size.width(), area.left(),
                        area.right() + 1 - size.width()};
    std::vector<int> ys{console.top(), area.top(), area.bottom() + 1 - size.height()};
    if (other.isValid()) {
        xs.insert(xs.end(), {other.right() + 1 + gap, other.left() - gap - size.width()});
        ys.insert(ys.end(), {other.bottom() + 1 + gap, other.top() - gap - size.height()});
    }
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

WindowPlacement::WindowPlacement(FormWindow& console, std::vector<FormWindow*> beside, ViewScale& scale)
    : console_(console), beside_(std::move(beside)), scale_(scale), area_(screenArea) {
    console_.installEventFilter(this);
    for (FormWindow* window : beside_) window->installEventFilter(this);
    const auto watch = [this](QScreen* screen) {
        connect(screen, &QScreen::availableGeometryChanged, this, &WindowPlacement::Fit);
    };
    for (QScreen* screen : QGuiApplication::screens()) watch(screen);
    connect(qGuiApp, &QGuiApplication::screenAdded, this, watch);
}

void WindowPlacement::SetArea(Area area) {
    area_ = std::move(area);
    Fit();
}

void WindowPlacement::Fit() {
    const QSize room = area_(console_).size();
    int largest = ViewScale::Steps.front();
    for (int percent : ViewScale::Steps) {
        const QSize needed = console_.SizeAt(percent / 100.0) + framed(console_) - console_.size();
        if (needed.width() <= room.width() && needed.height() <= room.height()) largest = percent;
    }
    scale_.SetLargest(largest);
}

void WindowPlacement::Rearrange(QPoint corner) {
    if (corner != keptAt_) anchor_ = corner;
    const QRect kept = keptOn(QRect(anchor_, framed(console_)), area_(console_));
    keptAt_ = kept.topLeft();
    if (kept.topLeft() != console_.frameGeometry().topLeft()) console_.move(kept.topLeft());
    for (FormWindow* window : beside_) {
        if (window->isVisible()) place(*window, true);
    }
}

// The console's frame stands for the others' until they have their own.
QSize WindowPlacement::framed(const QWidget& window) const {
    return window.size() + console_.frameGeometry().size() - console_.size();
}

void WindowPlacement::place(FormWindow& window, bool mayMoveOther) {
    FormWindow* other = nullptr;
    for (FormWindow* shown : beside_) {
        if (shown != &window && shown->isVisible()) other = shown;
    }
    const QRect area = area_(console_), console = console_.frameGeometry();
    const QRect avoid = other ? other->frameGeometry() : QRect();
    const QSize size = framed(window);
    const int gap = Pixels(120, scale_.factor());
    const std::optional<QPoint> clear = BesideSpot(size, area, console, avoid, gap);
    const QPoint spot =
        clear ? *clear : BesideSpot(size, area, console, QRect(), gap).value_or(area.topLeft());
    window.move(spot);
    // Where the two cannot both stand clear of the console, the other makes room.
    if (!clear && other && mayMoveOther) place(*other, false);
}

bool WindowPlacement::eventFilter(QObject* watched, QEvent* event) {
    const bool shown = event->type() == QEvent::Show && !event->spontaneous();
    if (watched == &console_ && (shown || event->type() == QEvent::Move)) Fit();
    else if (shown) place(*static_cast<FormWindow*>(watched), true);
    return false;
}

}  // namespace plotmere
