#pragma once
// The view scale of the whole program: one of a few steps, chosen by the user
// and kept between runs, on top of the screen's own device pixel ratio, and
// never larger than the screen can hold.

#include <QObject>
#include <array>

class QSettings;

namespace plotmere {

class ViewScale : public QObject {
    Q_OBJECT
public:
    static constexpr std::array<int, 7> Steps{100, 125, 150, 200, 250, 300, 400};  // percent

    int percent() const { return percent_; }
    double factor() const { return percent_ / 100.0; }
    // The largest step the screen holds; the steps past it are not offered.
    int largest() const { return largest_; }

    // A percent that is not a step is ignored; one past the largest step
    // gives the largest.
    void Set(int percent);
    void Next();
    void Previous();
    void Reset() { Set(Steps.front()); }
    // Steps down to percent when the scale is past it.
    void SetLargest(int percent);

    // Takes the step kept in settings (100 % when there is none) and keeps
    // every later choice there.
    void Remember(QSettings& settings);

signals:
    void changed(double factor);
    // Next at the largest step: nothing larger is offered.
    void refused();

private:
    int percent_ = Steps.front();
    int largest_ = Steps.back();
};

}  // namespace plotmere
