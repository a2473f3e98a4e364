#pragma once
// Keeps the windows on the screen the Console window is on: the view scale
// goes no larger than the screen holds the Console window with its frame, the
// Console opens at the screen's top left and a scale change keeps its corner
// where it was, and Settings and Functions come up beside it, whole, clear of
// each other. Every place is of the frame, title bar included; a window
// manager draws the frame only after a window is first shown, so each place
// is taken again once the window is on the screen.

#include <QObject>
#include <QRect>
#include <functional>
#include <map>
#include <set>
#include <vector>

class QWindow;

namespace plotmere {

class FormWindow;
class ViewScale;

class WindowPlacement : public QObject {
    Q_OBJECT
public:
    // The area a window may use: by default its screen's available geometry.
    using Area = std::function<QRect(const QWidget&)>;

    // beside: the windows that open beside the console, each placed as it is shown.
    WindowPlacement(FormWindow& console, std::vector<FormWindow*> beside, ViewScale& scale);

    void SetArea(Area area);
    // Offers the steps at which the Console fits its area; steps down to one.
    void Fit();
    // After a scale change: the Console's frame where the user last put it,
    // as far as its area allows, and the open windows beside it again.
    void Rearrange();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void shown(FormWindow& window);
    void arrange(FormWindow& window);
    void place(FormWindow& window, bool mayMoveOther);
    void putFrame(QWidget& window, QPoint at);
    // The frame of a window as its window manager draws it, or, before it
    // has, as it will once it frames the window as it framed the Console.
    QRect frame(const QWidget& window) const;
    QMargins margins(const QWidget& window) const;
    QRect area() const;

    FormWindow& console_;
    std::vector<FormWindow*> beside_;
    ViewScale& scale_;
    Area area_;
    QPoint anchor_;                                  // where the user put the Console
    std::map<const QWidget*, QPoint> placedAt_;      // the frame corner each window was given
    std::set<const QWidget*> movedByUser_;           // windows that keep the user's place
    std::map<const QWindow*, FormWindow*> awaited_;  // shown, not yet on the screen
};

}  // namespace plotmere
