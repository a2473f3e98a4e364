#pragma once
// The view scale of the three windows: one of a few steps, chosen by the user
// and kept between runs, on top of the screen's own device pixel ratio.

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

    // A percent that is not a step is ignored.
    void Set(int percent);
    void Next();
    void Previous();
    void Reset() { Set(Steps.front()); }

    // Takes the step kept in settings (100 % when there is none) and keeps
    // every later choice there.
    void Remember(QSettings& settings);

signals:
    void changed(double factor);

private:
    int percent_ = Steps.front();
};

}  // namespace plotmere
