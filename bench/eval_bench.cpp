// Nanoseconds per evaluation of typical expressions, and one sweep of a graph's
// worth of samples.

#include <benchmark/benchmark.h>

#include <sstream>

#include "app/headless/headless_host.h"
#include "app/qt/image_picture.h"
#include "console/console.h"

namespace {

using namespace plotmere;

class NullPicture : public Picture {
public:
    void Cls() override {}
    void Line(float, float, float, float, Rgb) override {}
    void PSet(float, float, Rgb) override {}
    void SetBackColor(Rgb) override {}
    void ClearBackgroundPicture() override {}
    double ScaleWidth() const override { return 4110; }
    double ScaleHeight() const override { return 1850; }
    bool SaveBmp(const std::string&) override { return false; }
};

struct Bench {
    std::ostringstream out;
    HeadlessHost host{out};
    NullPicture picture;
    Console console{host, picture};
};

void BM_Eval(benchmark::State& state, const char* text) {
    Bench b;
    double x = 0.5;
    for (auto _ : state) {
        benchmark::DoNotOptimize(b.console.evaluator().eval(text, x));
        x += 1e-3;
    }
}

void BM_SweepSx(benchmark::State& state) {
    Bench b;
    for (auto _ : state) {
        const double step = 20.0 / 4110;
        for (double x = -10; x <= 10; x += step) benchmark::DoNotOptimize(b.console.evaluator().eval("Sx", x));
    }
}

// A whole redraw in graph mode onto the image the window shows.
void BM_Redraw(benchmark::State& state, int kind, const char* function, int slotCount) {
    std::ostringstream out;
    HeadlessHost host{out};
    ImagePicture picture;
    Console console{host, picture};
    ConsoleState& s = console.state();
    s.WhichOp.Value = 1;
    s.GraphMode.Selected = kind;
    for (int i = 1; i < slotCount; ++i) {
        s.FunctionTexts[static_cast<size_t>(i)] = "x+" + std::to_string(i);
        s.FunctionOn[static_cast<size_t>(i)] = 1;
    }
    s.FunctionIn.Text = function;
    for (auto _ : state) console.Click("Evaluate");
}

BENCHMARK_CAPTURE(BM_Redraw, cartesian_ten_slots, 0, "Sx", 10)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Redraw, polar_default, 1, "x", 1)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Redraw, parametric_default, 2, "(x,x*x)", 1)->Unit(benchmark::kMillisecond);

BENCHMARK_CAPTURE(BM_Eval, x, "x");
BENCHMARK_CAPTURE(BM_Eval, linear, "2x+1");
BENCHMARK_CAPTURE(BM_Eval, sine, "S(x+1)");
BENCHMARK_CAPTURE(BM_Eval, square, "x^2-2");
BENCHMARK_CAPTURE(BM_Eval, nested, "SxCx");
BENCHMARK_CAPTURE(BM_Eval, product, "(x+1)(x-1)");
BENCHMARK_CAPTURE(BM_Eval, mixed, "RAx+L(xx+1)");
BENCHMARK_CAPTURE(BM_Eval, cubic, "2x^3-3x^2+x-5");
BENCHMARK(BM_SweepSx);

}  // namespace

BENCHMARK_MAIN();
