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
    std::string path;
};

class RecordingPicture : public Picture {
public:
    void Cls() override { add("Cls"); }
    void Line(float x1, float y1, float x2, float y2, Rgb color) override {
        add("Line", x1, y1, x2, y2, color);
    }
    void PSet(float x, float y, Rgb color) override { add("PSet", x, y, x, y, color); }
    void SetBackColor(Rgb color) override { add("BackColor", 0, 0, 0, 0, color); }
    void ClearBackgroundPicture() override { add("NoBackground"); }
    // A save into a folder named for a failure fails with it.
    SaveResult Save(const std::string& path) override {
        add("Save", 0, 0, 0, 0, {}, path);
        for (auto [folder, result] : {std::pair{"/denied/", SaveResult::PermissionDenied},
                                      {"/missing/", SaveResult::NoSuchFolder},
                                      {"/full/", SaveResult::DiskFull},
                                      {"/broken/", SaveResult::Failed}})
            if (path.starts_with(folder)) return result;
        return SaveResult::Saved;
    }

    // The calls of one kind, in order.
    std::vector<PictureCall> of(const std::string& op) const {
        std::vector<PictureCall> out;
        for (const auto& c : calls)
            if (c.op == op) out.push_back(c);
        return out;
    }

    void add(std::string op, float x1 = 0, float y1 = 0, float x2 = 0, float y2 = 0, Rgb color = {},
             std::string path = {}) {
        calls.push_back({std::move(op), x1, y1, x2, y2, color, std::move(path)});
    }

    std::vector<PictureCall> calls;
};

}  // namespace plotmere::testing
