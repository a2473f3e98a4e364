#pragma once
// A picture of the nominal size that draws nothing, for a console that only
// computes: benchmarks, fuzzing, tests of values.

#include "state/picture.h"

namespace plotmere {

class NullPicture : public Picture {
public:
    void Cls() override {}
    void Line(float, float, float, float, Rgb) override {}
    void PSet(float, float, Rgb) override {}
    void SetBackColor(Rgb) override {}
    void ClearBackgroundPicture() override {}
    SaveResult Save(const std::string&) override { return SaveResult::Failed; }
};

}  // namespace plotmere
