// The SVG of a picture beside the writer it replaced (Qt's SVG generator over
// the same list of drawing calls), in the same run: size, time and the memory
// that writing takes beyond the drawing; and the PDF of the largest drawing.

#include <benchmark/benchmark.h>

#include <QBuffer>
#include <QPainter>
#include <QSaveFile>
#include <QSvgGenerator>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <random>
#include <sstream>
#include <string>

#include "app/headless/headless_host.h"
#include "app/qt/image_picture.h"
#include "console/console.h"

namespace {

using namespace plotmere;
namespace fs = std::filesystem;

// The writer the SVG had before: a group per shape, every style attribute
// repeated, the whole file in memory before it is written.
bool referenceSvg(QIODevice& out, const Drawing& drawing, QColor back) {
    constexpr double dot = UnitsPerPixel, half = dot / 2;
    const QRectF area(0, 0, PictureWidth, PictureHeight);
    QSvgGenerator svg;
    svg.setOutputDevice(&out);
    svg.setViewBox(area);
    svg.setSize((area.size() / dot).toSize());
    svg.setResolution(96);
    QPainter painter;
    if (!painter.begin(&svg)) return false;
    painter.setFont(QFont(QString(), 10));
    painter.fillRect(area, back);
    for (const DrawnShape& shape : drawing.Shapes()) {
        const QColor color = ToQColor(shape.color);
        if (shape.kind == DrawnShape::Kind::Point) {
            painter.fillRect(QRectF(shape.x1, shape.y1, dot, dot), color);
        } else {
            painter.setPen(QPen(color, dot, Qt::SolidLine, Qt::SquareCap));
            painter.drawLine(QPointF(shape.x1 + half, shape.y1 + half),
                             QPointF(shape.x2 + half, shape.y2 + half));
        }
    }
    return painter.end();
}

bool referenceSave(const ImagePicture& picture, const QString& name) {
    QBuffer content;
    QSaveFile file(name);
    return referenceSvg(content, picture.drawing(), picture.backColor()) &&
           file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) &&
           file.write(content.data()) == content.size() && file.commit();
}

// The highest resident size since the last reset, and the one now, in bytes.
long residentKb(const char* field) {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.starts_with(field)) return std::stol(line.substr(line.find(':') + 1));
    return 0;
}

template <class Write>
double extraMegabytes(Write write) {
    std::ofstream("/proc/self/clear_refs") << "5";  // the highest resident size starts again from now
    const long before = residentKb("VmRSS:");
    write();
    return (residentKb("VmHWM:") - before) / 1024.0;
}

// The pictures measured, each drawn once.
class Pictures {
public:
    static const ImagePicture& Get(const std::string& name) {
        static Pictures pictures;
        return pictures.pictures_.at(name);
    }

private:
    Pictures() {
        graph("sine", 0, "Sx", 1);
        graph("polar", 1, "x", 1);
        graph("ten_slots", 0, "Sx", 10);
        std::mt19937 random(7);
        ImagePicture& walk = pictures_["million_lines"];
        float x = 2000, y = 900;
        for (size_t i = 0; i < Drawing::MaxShapes; ++i) {
            const float nx = std::fmod(x + random() % 61 + 4080, PictureWidth);
            const float ny = std::fmod(y + random() % 61 + 1820, PictureHeight);
            walk.Line(x, y, nx, ny, QBColor(1));
            x = nx;
            y = ny;
        }
        ImagePicture& dots = pictures_["million_points_two_colours"];
        for (size_t i = 0; i < Drawing::MaxShapes; ++i)
            dots.PSet(random() % 4110, random() % 1850, QBColor(static_cast<int>(i % 2) * 4));
    }

    void graph(const std::string& name, int kind, const char* function, int slotCount) {
        std::ostringstream out;
        HeadlessHost host{out};
        ImagePicture& picture = pictures_[name];
        Console console{host, picture};
        ConsoleState& s = console.state();
        s.WhichOp.Value = 1;
        s.GraphMode.Selected = kind;
        console.Click("TrigWin");
        for (int i = 1; i < slotCount; ++i)
            s.Functions[static_cast<size_t>(i)] = {"Sx+" + std::to_string(i) + "/4", 1};
        s.FunctionIn.Text = function;
        console.Click("Evaluate");
    }

    std::map<std::string, ImagePicture> pictures_;
};

const fs::path folder = fs::temp_directory_path() / "plotmere-picture-bench";

template <class Save>
void measure(benchmark::State& state, const std::string& picture, const char* extension, Save save) {
    const ImagePicture& drawn = Pictures::Get(picture);
    fs::create_directories(folder);
    const fs::path file = folder / (picture + extension);
    const double extra = extraMegabytes([&] { save(drawn, file); });
    for (auto _ : state) {
        if (!save(drawn, file)) state.SkipWithError("not saved");
    }
    state.counters["KB"] = static_cast<double>(fs::file_size(file)) / 1024;
    state.counters["shapes"] = static_cast<double>(drawn.drawing().Shapes().size());
    state.counters["extra_MB"] = extra;
}

void BM_Svg(benchmark::State& state, const std::string& picture) {
    measure(state, picture, ".svg", [](const ImagePicture& p, const fs::path& file) {
        return const_cast<ImagePicture&>(p).Save(file.string()) == SaveResult::Saved;
    });
}

void BM_ReferenceSvg(benchmark::State& state, const std::string& picture) {
    measure(state, picture, ".old.svg", [](const ImagePicture& p, const fs::path& file) {
        return referenceSave(p, QString::fromStdString(file.string()));
    });
}

void BM_Pdf(benchmark::State& state, const std::string& picture) {
    measure(state, picture, ".pdf", [](const ImagePicture& p, const fs::path& file) {
        return const_cast<ImagePicture&>(p).Save(file.string()) == SaveResult::Saved;
    });
}

// Size and time of the SVG over the reference's, picture by picture.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            const std::string name = run.benchmark_name();
            const std::string picture = name.substr(name.find('/') + 1);
            const auto kb = run.counters.find("KB");
            if (kb == run.counters.end()) continue;
            if (name.starts_with("BM_Svg/")) ours_[picture] = {kb->second.value, run.GetAdjustedRealTime()};
            if (name.starts_with("BM_ReferenceSvg/"))
                reference_[picture] = {kb->second.value, run.GetAdjustedRealTime()};
        }
    }
    void Finalize() override {
        ConsoleReporter::Finalize();
        for (const auto& [picture, ours] : ours_) {
            const auto reference = reference_.find(picture);
            if (reference == reference_.end()) continue;
            std::printf("%-28s size %.4f, time %.4f of the reference\n", picture.c_str(),
                        ours.first / reference->second.first, ours.second / reference->second.second);
        }
    }

private:
    std::map<std::string, std::pair<double, double>> ours_, reference_;
};

}  // namespace

int main(int argc, char** argv) {
    for (const char* picture :
         {"sine", "polar", "ten_slots", "million_lines", "million_points_two_colours"}) {
        using Bench = void (*)(benchmark::State&, const std::string&);
        for (auto [name, function] :
             {std::pair<const char*, Bench>{"BM_Svg/", BM_Svg}, {"BM_ReferenceSvg/", BM_ReferenceSvg}})
            benchmark::RegisterBenchmark((name + std::string(picture)).c_str(), function,
                                         std::string(picture))
                ->Unit(benchmark::kMillisecond);
    }
    benchmark::RegisterBenchmark("BM_Pdf/million_lines", BM_Pdf, std::string("million_lines"))
        ->Unit(benchmark::kMillisecond);
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    fs::remove_all(folder);
}
