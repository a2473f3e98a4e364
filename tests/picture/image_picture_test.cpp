// The picture as an image: where and in which colour things land, at 100 %
// and at a larger scale, and the files written from it: BMP, PNG, JPEG, SVG
// and PDF, and why one could not be written; the headless console's picture;
// the picture without Qt beside it.

#include "app/qt/image_picture.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cstdlib>
#include <map>
#include <set>

#include "app/image/raster_picture.h"
#include "app/qt/headless_picture.h"
#include "support/temp_folder.h"

namespace plotmere {
namespace {

using testing::TempFolder;

QRgb rgb(int colour) { return ToQColor(QBColor(colour)).rgb(); }
const QRgb White = qRgb(255, 255, 255), Startup = qRgb(10, 20, 30);

int countColumn(const QImage& image, int x, QRgb color) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y) n += image.pixel(x, y) == color;
    return n;
}

QImage startupPicture(int width, int height) {
    QImage startup(width, height, QImage::Format_RGB32);
    startup.fill(Startup);
    return startup;
}

// A larger scale draws the list again: dots twice as wide, not smeared, and
// back at 100 % the very pixels of the first drawing; files keep 100 %.
TEST(ImagePictureTest, LargerScalesDrawTheShapesAgainSharp) {
    TempFolder folder;
    ImagePicture picture;
    EXPECT_EQ(picture.image().pixel(0, 0), White) << "blank from the start";
    picture.SetBackgroundPicture(startupPicture(10, 10));
    picture.ClearBackgroundPicture();  // still shown until the next clear
    const int dotX = 272, dotY = 40;   // the pixel at 100 %
    picture.PSet(dotX * UnitsPerPixel, dotY * UnitsPerPixel, QBColor(12));
    picture.Line(0, 1200, PictureWidth, 1200, QBColor(2));
    picture.PSet(8, 8, QBColor(14));  // in the first pixel at 100 %, in the second at 200 %
    for (auto [x, y] : {std::pair{-3e38f, 8.0f}, {8, -3e38f}})
        picture.Line(x, y, x, y, QBColor(14));  // far dots
    const QImage atFirst = picture.image();
    ASSERT_EQ(atFirst.size(), QSize(274, 124));

    picture.SetScale(1, 2);
    ASSERT_EQ(picture.image().size(), QSize(548, 247));
    EXPECT_EQ(picture.image().pixel(dotX * 2 + 1, dotY * 2 + 1), rgb(12));
    EXPECT_EQ(picture.image().pixel(dotX * 2 + 2, dotY * 2 + 1), White);
    EXPECT_EQ(countColumn(picture.image(), 300, rgb(2)), 2);
    EXPECT_EQ(picture.image().pixel(2, 2), rgb(14)) << "drawn again, not stretched";
    EXPECT_EQ(picture.image().pixel(19, 19), Startup);
    EXPECT_TRUE(picture.image().pixel(0, 2) == Startup && picture.image().pixel(2, 0) == Startup);
    const qint64 drawn = picture.image().cacheKey();
    picture.SetScale(1, 2);  // as every paint asks
    EXPECT_EQ(picture.image().cacheKey(), drawn) << "the same scale is not drawn again";

    const auto file = (folder.path() / "scaled.png").string();
    ASSERT_EQ(picture.Save(file), SaveResult::Saved);
    EXPECT_EQ(QImage(QString::fromStdString(file)).convertToFormat(QImage::Format_RGB32), atFirst);
    picture.SetScale(1, 1);
    EXPECT_EQ(picture.image(), atFirst);
    picture.SetScale(2, 1.5);  // a file keeps the device's ratio, not the view's scale
    ASSERT_EQ(picture.Save(file), SaveResult::Saved);
    EXPECT_EQ(QImage(QString::fromStdString(file)).size(), QSize(548, 247));
}

// Whether every drawn pixel of the bitmap has its colour within a pixel of it
// on the image drawn again (k times larger), and the other way round. A square
// of k x k pixels of the image counts as the colour of the bitmap's that most
// of it has exactly, so that smoothed edges count for neither side.
bool sameWithinOnePixel(const QImage& bitmap, const QImage& drawn) {
    const int k = drawn.width() / bitmap.width();
    if (k < 1 || drawn.size() != bitmap.size() * k) return false;
    const QRgb back = bitmap.pixel(bitmap.width() - 1, 0);
    std::set<QRgb> colours;
    for (int y = 0; y < bitmap.height(); ++y)
        for (int x = 0; x < bitmap.width(); ++x) colours.insert(bitmap.pixel(x, y));
    QImage seen(bitmap.size(), QImage::Format_RGB32);
    for (int y = 0; y < bitmap.height(); ++y)
        for (int x = 0; x < bitmap.width(); ++x) {
            std::map<QRgb, int> count{{back, 0}};
            for (int i = 0; i < k * k; ++i)
                if (const QRgb c = drawn.pixel(x * k + i % k, y * k + i / k); colours.contains(c)) ++count[c];
            seen.setPixel(x, y,
                          std::ranges::max_element(count, {}, &std::pair<const QRgb, int>::second)->first);
        }
    const auto near = [](const QImage& image, int x, int y, QRgb c) {
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx)
                if (image.valid(x + dx, y + dy) && image.pixel(x + dx, y + dy) == c) return true;
        return false;
    };
    for (int y = 0; y < bitmap.height(); ++y)
        for (int x = 0; x < bitmap.width(); ++x) {
            if (bitmap.pixel(x, y) != back && !near(seen, x, y, bitmap.pixel(x, y))) return false;
            if (seen.pixel(x, y) != back && !near(bitmap, x, y, seen.pixel(x, y))) return false;
        }
    return true;
}

// Four times larger, so that the shapes' insides come out in their own colours.
QImage renderedSvg(const QByteArray& svg) {
    QSvgRenderer renderer(svg);
    QImage image(renderer.defaultSize() * 4, QImage::Format_RGB32);
    QPainter painter(&image);
    renderer.render(&painter);
    return image;
}

// The page as a reader draws it, four times larger than at 96 dpi as the SVG,
// cut to the picture at its top left; none unless the page holds the picture
// with less than a point (5.3 of these pixels) to spare.
QImage renderedPdf(const std::string& file, QSize picture) {
    const std::string page = file + "-page";
    const std::string command = "pdftoppm -r 384 -singlefile -png '" + file + "' '" + page + "'";
    if (std::system(command.c_str()) != 0) return {};
    const QImage drawn = QImage(QString::fromStdString(page + ".png")).convertToFormat(QImage::Format_RGB32);
    const QSize spare = drawn.size() - picture * 4;
    if (spare.width() < 0 || spare.width() > 5 || spare.height() < 0 || spare.height() > 5) return {};
    return drawn.copy(QRect(QPoint(), picture * 4));
}

// Points, dots in a row, lines along the axes, far ends, a line that far ends
// bring within a hair of an axis, a zero length: the kind alone or the colour
// alone starts a run, five of them.
void drawPointsAndAxisLines(Picture& p) {
    p.PSet(100, 200, QBColor(12));
    p.SetBackColor({255, 255, 0});  // clears
    for (float x = 15; x < 300; x += 7) p.PSet(x, 30 + x / 4, QBColor(4));
    for (auto [x, y] : {std::pair{PictureWidth, 10.0}, {-1, 5}})
        p.PSet(x, y, QBColor(4));  // not drawn, not kept
    p.Line(2055, 0, 2055, PictureHeight, QBColor(4));
    p.Line(0, 925, 3.4e38f, 925, QBColor(9));
    p.Line(10, std::nanf(""), 10, 10, QBColor(9));
    p.Line(200, 1400, 1600, 1400, QBColor(9));
    p.Line(2500, 1400, 3400, 1400, QBColor(9));  // ends less than its length from the edge
    p.PSet(3000, 900, QBColor(4));
    p.PSet(0, 600, QBColor(4));   // in the first column
    p.PSet(1500, 0, QBColor(4));  // in the first row
    p.Line(1000, 1000, 1000, -3e38f, QBColor(1));
    p.Line(-3e38f, 1500, 3e38f, 215, QBColor(1));
    p.Line(3000, 300, 3000, 300, QBColor(1));
}

// Rising and falling, steep and not, leaving the picture on each side: three
// more runs.
void drawSlantedLines(Picture& p) {
    p.Line(300, 600, 900, 700, QBColor(4));
    p.Line(0, 0, 4095, 1835, QBColor(9));
    p.Line(100, 300, 2000, -200, QBColor(9));
    p.Line(3000, 1500, 4000, 2000, QBColor(9));
    p.Line(1100, -3e38f, 1000, 1000, QBColor(1));  // drawn from its far end
    p.Line(3500, 100, 3700, 1800, QBColor(1));
    p.Line(-50, -5, -5, -50, QBColor(1));       // touches the clipping margin's corner alone
    p.Line(-100, -100, -300, -50, QBColor(1));  // misses it
}

// Every format shows the drawing where the bitmap does; the SVG as one path a
// run of one kind and colour.
TEST(ImagePictureTest, EachFormatHoldsTheDrawing) {
    TempFolder folder;
    const auto path = [&](const char* name) { return (folder.path() / name).string(); };
    const auto contents = [&](const char* name) { return QByteArray::fromStdString(folder.read(name)); };
    ImagePicture picture;
    ImagePicture atTwice(2);  // dots and lines two pixels wide
    atTwice.SetBackgroundPicture(startupPicture(292, 122));
    ASSERT_EQ(atTwice.Save(path("start.svg")), SaveResult::Saved);
    EXPECT_TRUE(contents("start.svg")
                    .contains(R"(<image width="584" height="244" xlink:href="data:image/png;base64,iVBOR)"));

    atTwice.ClearBackgroundPicture();
    for (ImagePicture* p : {&picture, &atTwice}) {
        drawPointsAndAxisLines(*p);
        drawSlantedLines(*p);
    }

    const std::pair<const char*, const char*> bitmaps[] = {{"p.bmp", "BMP"}, {"p.PNG", "PNG"}, {"p", "BMP"}};
    for (auto [name, format] : bitmaps) {  // any other name: a bitmap
        ASSERT_EQ(picture.Save(path(name)), SaveResult::Saved) << name;
        EXPECT_EQ(QImage(QString::fromStdString(path(name)), format).convertToFormat(QImage::Format_RGB32),
                  picture.image())
            << name;
    }
    ASSERT_EQ(picture.Save(path("p.jpeg")), SaveResult::Saved);
    EXPECT_EQ(QImage(QString::fromStdString(path("p.jpeg")), "JPEG").size(), picture.image().size());
    for (ImagePicture* p : {&atTwice, &picture}) {
        ASSERT_EQ(p->Save(path("p.svg")), SaveResult::Saved);
        EXPECT_TRUE(sameWithinOnePixel(p->image(), renderedSvg(contents("p.svg"))));
        ASSERT_EQ(p->Save(path("p.pdf")), SaveResult::Saved);
        EXPECT_TRUE(sameWithinOnePixel(p->image(), renderedPdf(path("p.pdf"), p->image().size())));
    }
    const QByteArray svg = contents("p.svg");
    EXPECT_EQ(svg.count("<path"), 8) << "one a run";

    for (size_t i = 0; i <= Drawing::MaxShapes; ++i)
        picture.PSet(static_cast<float>(i % static_cast<size_t>(PictureWidth)), 10, QBColor(1));
    EXPECT_EQ(picture.Save(path("p.svg")), SaveResult::TooManyShapes);
    EXPECT_EQ(contents("p.svg"), svg);
    EXPECT_EQ(picture.Save(path("p.png")), SaveResult::Saved);
    picture.Cls();  // a clear starts a drawing that is whole again
    EXPECT_EQ(picture.Save(path("p.pdf")), SaveResult::Saved);
}

// The picture without Qt draws what this one draws: points and lines along
// the axes on the same bytes of a bitmap, slanted lines within a pixel of
// Qt's, off on a few pixels where Qt's fixed point rounds a tie the other way;
// and the same SVG. Drawn again at another scale, it is the one drawn at that scale.
TEST(RasterPictureTest, DrawsWhatTheImagePictureDraws) {
    constexpr int fewPixels = 16;
    QCoreApplication::setAttribute(Qt::AA_Use96Dpi);  // the program's bitmaps: 96 dpi
    TempFolder folder;
    const auto saved = [&](Picture& picture, const char* name) {
        EXPECT_EQ(picture.Save((folder.path() / name).string()), SaveResult::Saved);
        return folder.read(name);
    };
    const auto decoded = [](const std::string& bmp) {
        return QImage::fromData(QByteArray::fromStdString(bmp), "BMP").convertToFormat(QImage::Format_RGB32);
    };
    for (const double scale : {1, 2, 3}) {
        ImagePicture image(scale);
        RasterPicture raster(scale), rescaled;
        const std::initializer_list<Picture*> pictures{&image, &raster, &rescaled};
        for (Picture* p : pictures) {
            drawPointsAndAxisLines(*p);
            p->Line(-1e7f, 1200, 1e7f, 1215, QBColor(1));  // within a hair of an axis, halfway between pixels
            p->Line(2000, -1e7f, 2005, 1e7f, QBColor(1));
        }
        EXPECT_TRUE(saved(image, "i.bmp") == saved(raster, "r.bmp")) << scale;
        for (Picture* p : pictures) drawSlantedLines(*p);
        rescaled.Rescale(scale);  // drawn again from its shapes, as if drawn at the scale
        EXPECT_TRUE(saved(rescaled, "s.bmp") == saved(raster, "r.bmp")) << scale;
        const QImage qt = decoded(saved(image, "i.bmp")), own = decoded(saved(raster, "r.bmp"));
        EXPECT_TRUE(sameWithinOnePixel(qt, own)) << scale;
        int differing = 0;
        for (int y = 0; y < qt.height(); ++y)
            for (int x = 0; x < qt.width(); ++x) differing += qt.pixel(x, y) != own.pixel(x, y);
        EXPECT_LE(differing, fewPixels) << scale;
        EXPECT_EQ(saved(image, "i.svg"), saved(raster, "r.svg")) << scale;
    }
}

// Root may write anywhere: it tries as nobody. Only root may mount a read-only disk.
TEST(ImagePictureTest, AFailedSaveSaysWhy) {
    TempFolder folder;
    ImagePicture picture;
    picture.SetScale(0);  // no pixels, which no encoder takes
    const std::string file = (folder.path() / "p.png").string();
    EXPECT_EQ(picture.Save(file), SaveResult::NotEncoded);
    EXPECT_EQ(picture.Save((folder.path() / "gone" / "p.png").string()), SaveResult::NoSuchFolder);
    ASSERT_EQ(chmod(folder.path().c_str(), 0555), 0);
    const bool root = geteuid() == 0;
    ASSERT_TRUE(!root || setresuid(65534, 65534, 0) == 0);
    const SaveResult denied = picture.Save(file);
    ASSERT_TRUE(!root || setresuid(0, 0, 0) == 0);
    EXPECT_EQ(denied, SaveResult::PermissionDenied);
    if (!folder.mountTmpfs(MS_RDONLY)) GTEST_SKIP() << "mounting a read-only disk takes root";
    EXPECT_EQ(picture.Save(file), SaveResult::ReadOnlyFolder);
}

// The start-up picture is made once, when drawn over or saved while it shows.
TEST(HeadlessPictureTest, MakesTheStartupPictureOnceWhereItShows) {
    TempFolder folder;
    const std::string file = (folder.path() / "p.bmp").string();
    const auto line = [](Picture& p) { p.Line(0, 0, 900, 0, QBColor(1)); };
    const auto dot = [](Picture& p) { p.PSet(0, 0, QBColor(1)); };
    const auto remove = [](Picture& p) { p.ClearBackgroundPicture(); };
    const auto clear = [](Picture& p) { p.Cls(); };
    const auto black = [](Picture& p) { p.SetBackColor(ForeColor); };
    // clang-format off
    const std::tuple<std::vector<void (*)(Picture&)>, int, QRgb> rows[] = {  // made: start-up pictures
        {{}, 0, Startup}, {{line}, 1, rgb(1)}, {{dot}, 1, rgb(1)}, {{remove}, 0, Startup},
        {{remove, clear}, 0, White}, {{remove, black}, 0, qRgb(0, 0, 0)}, {{remove, dot, clear}, 1, White},
        {{dot, remove, clear}, 1, White}};
    // clang-format on
    for (const auto& [steps, made, corner] : rows) {
        int madeNow = 0;
        HeadlessPicture picture(1, [&](double) { return ++madeNow, startupPicture(292, 122); });
        for (const auto step : steps) step(picture);
        EXPECT_EQ(madeNow, made);
        ASSERT_EQ(picture.Save(file), SaveResult::Saved);
        EXPECT_EQ(QImage(QString::fromStdString(file)).pixel(0, 0), corner) << madeNow;
    }
}

}  // namespace
}  // namespace plotmere
