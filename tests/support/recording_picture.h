#pragma once
// A picture that logs each primitive call, for tests of what is drawn.

#include <string>
#include <vector>

#include "state/picture.h"

namespace plotmere::testing {

struct PictureCall {
    std::string op;  // Cls, Line, PSet, BackColor, NoBackground
    float x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    Rgb color;
};

class RecordingPicture : public Picture {
public:
    void Cls() override { calls.push_back({"Cls", 0, 0, 0, 0, {}}); }
    void Line(float x1, float y1, float x2, float y2, Rgb color) override {
        calls.push_back({"Line", x1, y1, x2, y2, color});
    }
    void PSet(float x, float y, Rgb color) override { calls.push_back({"PSet", x, y, x, y, color}); }
    void SetBackColor(Rgb color) override { calls.push_back({"BackColor", 0, 0, 0, 0, color}); }
    void ClearBackgroundPicture() override { calls.push_back({"NoBackground", 0, 0, 0, 0, {}}); }
    double ScaleWidth() const override { return width; }
    double ScaleHeight() const override { return height; }

    // The calls of one kind, in order.
    std::vector<PictureCall> of(const std::string& op) const {
        std::vector<PictureCall> out;
        for (const auto& c : calls) {
            if (c.op == op) out.push_back(c);
        }
        return out;
    }

    std::vector<PictureCall> calls;
    double width = 4110;
    double height = 1850;
};

}  // namespace plotmere::testing
