// Evaluation beside a well-known compiled evaluator doing the same work, and
// whole redraws.

#include <benchmark/benchmark.h>
#include <muParser.h>

#include <cmath>
#include <cstdio>
#include <map>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "app/qt/image_picture.h"
#include "everyday_sweeps.h"

namespace {

using namespace plotmere;
using namespace plotmere::bench;

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
        s.Functions[static_cast<size_t>(i)] = {"x+" + std::to_string(i), 1};
    }
    s.FunctionIn.Text = function;
    for (auto _ : state) console.Click("Evaluate");
}

BENCHMARK_CAPTURE(BM_Redraw, cartesian_ten_slots, 0, "Sx", 10)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Redraw, polar_default, 1, "x", 1)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Redraw, parametric_default, 2, "(x,x*x)", 1)->Unit(benchmark::kMillisecond);

// A random text of the given length over the characters of "Sx+-*2".
std::string randomText(size_t length) {
    std::mt19937 random(7);
    std::string text(length, ' ');
    for (char& c : text) c = "Sx+-*2"[random() % 6];
    return text;
}

// Long texts: compiled once, then run for every sample.
void BM_LongText(benchmark::State& state, const char* button, size_t length) {
    Bench b;
    ConsoleState& s = b.console.state();
    s.FunctionIn.Text = randomText(length);
    for (auto _ : state) {
        b.console.Click(button);
        b.out.str("");
    }
}

BENCHMARK_CAPTURE(BM_LongText, integrate_64kb, "Integrate", size_t{64} << 10)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_LongText, evaluate_1mb, "Evaluate", size_t{1} << 20)->Unit(benchmark::kMillisecond);

// The everyday formulas (everyday_sweeps.h) in our language and in
// muParser's, each evaluated over one sweep of a graph: x from SweepFrom by
// step, added up as the graph's sweep adds it.
template <class Evaluate>
void sweepOnce(double step, Evaluate&& evaluate) {
    double x = SweepFrom;
    for (int i = 0; i < SweepSamples; ++i, x += step) benchmark::DoNotOptimize(evaluate(x));
}

void countEvaluations(benchmark::State& state) {
    state.counters["ns_per_eval"] = benchmark::Counter(
        double(state.iterations()) * SweepSamples, benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

template <class Evaluate>
void sweep(benchmark::State& state, Evaluate&& evaluate) {
    for (auto _ : state) sweepOnce(SweepStep, evaluate);
    countEvaluations(state);
}

// As the graph's sweep does, compiled once, at the same x as the other sweeps.
void BM_SweepOurs(benchmark::State& state, const Formula& f) {
    Bench b;
    const auto program = b.console.evaluator().compile(f.ours);
    for (auto _ : state)
        SweepAhead(b.console, *program, [](double value) { benchmark::DoNotOptimize(value); });
    countEvaluations(state);
}

// One evaluation at a time, as a single Evaluate does.
void BM_SweepOursOneByOne(benchmark::State& state, const Formula& f) {
    Bench b;
    Evaluator& ev = b.console.evaluator();
    const auto program = ev.compile(f.ours);
    sweep(state, [&](double x) { return num(ev.eval(*program, x)); });
}

void BM_SweepMuparser(benchmark::State& state, const Formula& f) {
    double x = 0;
    mu::Parser parser;
    parser.DefineVar("x", &x);
    parser.SetExpr(f.muparser);
    sweep(state, [&](double at) {
        x = at;
        return parser.Eval();
    });
}

// Prints our time per evaluation over muParser's, formula by formula, and
// their geometric mean.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            const std::string name = run.benchmark_name();
            const auto counter = run.counters.find("ns_per_eval");
            if (counter == run.counters.end()) continue;
            const double ns = counter->second.value * 1e9;
            if (name.starts_with("BM_SweepOurs/")) ours_[name.substr(13)] = ns;
            if (name.starts_with("BM_SweepMuparser/")) muparser_[name.substr(17)] = ns;
        }
    }
    void Finalize() override {
        ConsoleReporter::Finalize();
        double logSum = 0;
        int count = 0;
        for (const auto& [name, ns] : ours_) {
            const auto reference = muparser_.find(name);
            if (reference == muparser_.end()) continue;
            std::printf("%-18s ours %7.2f ns  muParser %7.2f ns  ratio %.2f\n", name.c_str(), ns,
                        reference->second, ns / reference->second);
            logSum += std::log(ns / reference->second);
            ++count;
        }
        if (count > 0)
            std::printf("geometric mean of the ratios to muParser: %.2f\n", std::exp(logSum / count));
    }

private:
    std::map<std::string, double> ours_, muparser_;
};

void registerSweeps() {
    for (const Formula& f : formulas) {
        benchmark::RegisterBenchmark(("BM_SweepOurs/" + std::string(f.name)).c_str(), BM_SweepOurs, f);
        benchmark::RegisterBenchmark(("BM_SweepOursOneByOne/" + std::string(f.name)).c_str(),
                                     BM_SweepOursOneByOne, f);
        benchmark::RegisterBenchmark(("BM_SweepMuparser/" + std::string(f.name)).c_str(), BM_SweepMuparser,
                                     f);
    }
}

}  // namespace

int main(int argc, char** argv) {
    registerSweeps();
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
}
