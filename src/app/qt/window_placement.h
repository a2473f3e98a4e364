#pragma once
// Keeps the windows on the screen the Console window is on: the view scale
// goes no larger than the screen holds the Console window with its frame, a
// scale change keeps the Console's corner where it was, and Settings and
// Functions come up beside it, whole, clear of each other. Every place is of
// the frame, title bar included.

#include <QObject>
#include <QRect>
#include <functional>
#include <optional>
#include <vector>

namespace plotmere {

class FormWindow;
class ViewScale;

// Where a window of size goes beside the console: on the area, clear of
// other, over as little of the console as the area allows; none when nothing
// on the area is clear of other. gap: the space left between windows.
std::optional<QPoint> BesideSpot(QSize size, const QRect& area, const QRect& console, const QRect& other,
                                 int gap);

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
    // After a scale change: the Console's frame where the user last put it
    // (corner, when it has moved since the last change), as far as its area
    // allows, and the open windows beside it again.
    void Rearrange(QPoint corner);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void place(FormWindow& window, bool mayMoveOther);
    QSize framed(const QWidget& window) const;

    FormWindow& console_;
    std::vector<FormWindow*> beside_;
    ViewScale& scale_;
    Area area_;
    QPoint anchor_;                 // where the user put the Console
    std::optional<QPoint> keptAt_;  // where a scale change left it
};

}  // namespace plotmere
