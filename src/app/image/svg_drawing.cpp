#include "app/image/svg_drawing.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <string_view>

#include "app/image/shape_runs.h"

namespace plotmere {

namespace {

// Text that reaches the sink in large pieces, so that a million shapes take
// neither a write each nor the whole file in memory.
class Output {
public:
    explicit Output(ByteSink& sink) : sink_(sink) { text_.reserve(Piece + 64); }

    Output& operator<<(std::string_view text) {
        text_ += text;
        afterNumber_ = false;
        if (text_.size() >= Piece) flush();
        return *this;
    }
    Output& operator<<(long long n) { return *this << std::to_string(n); }

    // A number of tenths, as short as it goes: 15 as 1.5, -5 as -.5, 20 as 2;
    // apart from a number before it by a space unless its sign parts them.
    Output& tenths(long long n) {
        if (afterNumber_ && n >= 0) text_ += ' ';
        if (n < 0) text_ += '-';
        const unsigned long long whole = std::llabs(n) / 10, tenth = std::llabs(n) % 10;
        char digits[24];
        if (whole != 0 || tenth == 0) text_.append(digits, std::to_chars(digits, digits + 24, whole).ptr);
        if (tenth != 0) (text_ += '.') += static_cast<char>('0' + tenth);
        afterNumber_ = true;
        return *this;
    }

    // False once a write fell short; nothing is written after that.
    bool flush() {
        ok_ = ok_ && sink_.Write(text_);
        text_.clear();
        return ok_;
    }

private:
    static constexpr std::size_t Piece = 64 * 1024;
    ByteSink& sink_;
    std::string text_;
    bool afterNumber_ = false;
    bool ok_ = true;
};

std::string colorText(Rgb color) {
    char text[8];
    std::snprintf(text, sizeof text, "#%02x%02x%02x", color.r, color.g, color.b);
    return text;
}

// Each run as one path of relative steps, in tenths of a pixel: past the first
// step of a run only whole pixels, but where a line was clipped. A dot row is
// a stroke as wide as a dot along its middle; a line a stroke with square
// ends, as on the bitmap.
class SvgRuns : public RunWriter {
public:
    SvgRuns(Output& out, int dot) : out_(out), half_(dot * 5LL) {}

    void BeginRun(DrawnShape::Kind kind, Rgb color) override {
        out_ << "<path stroke=\"" << colorText(color)
             << (kind == DrawnShape::Kind::Line ? "\" stroke-linecap=\"square" : "") << "\" d=\"";
        penX_ = penY_ = 0;
    }
    void AddSpan(const DotSpan& span) override {
        step('m', span.x * 10LL, span.y * 10LL + half_);
        step('h', (span.x + span.width) * 10LL, penY_);
    }
    void AddSegment(const Segment& segment) override {
        step('m', tenths(segment.from.x), tenths(segment.from.y));
        step('l', tenths(segment.to.x), tenths(segment.to.y));
    }
    void EndRun() override { out_ << "\"/>\n"; }

private:
    static long long tenths(double v) { return std::llround(v * 10); }

    // A move or a line to (x, y); a line along an axis in its short form.
    void step(char command, long long x, long long y) {
        const long long dx = x - penX_, dy = y - penY_;
        if (command != 'm' && dy == 0) (out_ << "h").tenths(dx);
        else if (command != 'm' && dx == 0) (out_ << "v").tenths(dy);
        else (out_ << std::string_view(&command, 1)).tenths(dx).tenths(dy);
        penX_ = x;
        penY_ = y;
    }

    Output& out_;
    long long half_, penX_ = 0, penY_ = 0;
};

}  // namespace

bool WriteSvg(ByteSink& sink, const Drawing& drawing, const PixelGrid& grid, Rgb back,
              const std::optional<EmbeddedPng>& startup) {
    Output out(sink);
    const long long width = grid.size().width, height = grid.size().height;
    out << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<svg xmlns=\"http://www.w3.org/2000/svg\" "
        << "xmlns:xlink=\"http://www.w3.org/1999/xlink\" version=\"1.1\" width=\"" << width << "\" height=\""
        << height << "\" viewBox=\"0 0 " << width << " " << height << "\" fill=\"none\" stroke-width=\""
        << static_cast<long long>(grid.dot()) << "\">\n<title>Plotmere picture</title>\n<rect width=\""
        << width << "\" height=\"" << height << "\" fill=\"" << colorText(back) << "\"/>\n";
    if (startup) {
        out << "<image width=\"" << startup->width << "\" height=\"" << startup->height
            << "\" xlink:href=\"data:image/png;base64," << startup->base64 << "\"/>\n";
    }
    SvgRuns runs(out, grid.dot());
    ReplayRuns(drawing, grid, runs);
    out << "</svg>\n";
    return out.flush();
}

}  // namespace plotmere
