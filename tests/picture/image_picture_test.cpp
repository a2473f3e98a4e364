// The picture as an image: where and in which colour things land, at 100 %
// and at a larger scale, and the files written from it: BMP, PNG and SVG.

#include "app/qt/image_picture.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QXmlStreamReader>
#include <filesystem>
#include <map>
#include <sstream>

#include "app/headless/headless_console.h"
#include "support/temp_folder.h"

namespace plotmere {
namespace {

using testing::TempFolder;

QRgb rgb(Rgb c) { return qRgb(c.r, c.g, c.b); }
const QRgb White = qRgb(255, 255, 255), Startup = qRgb(10, 20, 30);

int countColumn(const QImage& image, int x, QRgb color) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y) n += image.pixel(x, y) == color;
    return n;
}

QImage startupPicture(int width = 292, int height = 122) {
    QImage startup(width, height, QImage::Format_RGB32);
    startup.fill(Startup);
    return startup;
}

// The SVG's elements by name, with the attributes of the last of each; no
// names when it does not parse.
struct SvgShapes {
    std::map<QString, int> count;
    std::map<QString, QXmlStreamAttributes> last;
};

SvgShapes readSvg(const std::filesystem::path& file) {
    QFile in(QString::fromStdString(file.string()));
    if (!in.open(QIODevice::ReadOnly)) return {};
    QXmlStreamReader xml(&in);
    SvgShapes shapes;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) continue;
        ++shapes.count[xml.name().toString()];
        shapes.last[xml.name().toString()] = xml.attributes();
    }
    if (xml.hasError()) return {};
    return shapes;
}

TEST(ImagePictureTest, PointsAndLinesLandOnTheirPixels) {
    ImagePicture picture;
    ASSERT_EQ(picture.image().size(), QSize(274, 124));
    picture.PSet(0, 0, QBColor(4));
    picture.PSet(4109, 1849, QBColor(9));                   // 15 units to a pixel
    picture.PSet(PictureWidth, PictureHeight, QBColor(0));  // just outside: clipped
    picture.PSet(-1, 5, QBColor(0));
    EXPECT_EQ(picture.image().pixel(0, 0), rgb(QBColor(4)));
    EXPECT_EQ(picture.image().pixel(273, 123), rgb(QBColor(9)));

    picture.Line(2055, 0, 2055, PictureHeight, QBColor(2));  // the y axis of a symmetric window
    EXPECT_EQ(countColumn(picture.image(), 137, rgb(QBColor(2))), 124);
    EXPECT_EQ(countColumn(picture.image(), 138, rgb(QBColor(2))), 0);
    picture.Line(0, 925, 3.4e38f, 925, QBColor(1));  // far ends are clipped, not lost
    EXPECT_EQ(picture.image().pixel(273, 61), rgb(QBColor(1)));
    EXPECT_EQ(picture.image().pixel(273, 62), White);
    picture.Line(0, std::nanf(""), 10, 10, QBColor(1));  // an undefined end draws nothing

    picture.SetBackColor({0, 0, 128});
    EXPECT_EQ(picture.image().pixel(0, 0), qRgb(0, 0, 128));
    picture.SetBackgroundPicture(startupPicture());
    picture.Cls();
    EXPECT_EQ(picture.image().pixel(5, 5), Startup);  // stays until removed
    picture.ClearBackgroundPicture();
    picture.Cls();
    EXPECT_EQ(picture.image().pixel(5, 5), qRgb(0, 0, 128));
}

// A larger scale draws the list again: dots twice as wide, not smeared, and
// back at 100 % the very pixels of the first drawing; files keep 100 %.
TEST(ImagePictureTest, LargerScalesDrawTheShapesAgainSharp) {
    TempFolder folder;
    ImagePicture picture;
    picture.SetBackgroundPicture(startupPicture(10, 10));
    picture.ClearBackgroundPicture();  // still shown until the next clear
    const float xs[] = {1500, 4080};
    for (float x : xs) picture.PSet(x, 600, QBColor(12));
    picture.Line(0, 1200, PictureWidth, 1200, QBColor(2));
    picture.PSet(8, 8, QBColor(14));  // in the first pixel at 100 %, in the second at 200 %
    const QImage atFirst = picture.image();

    picture.SetScale(1, 2);
    EXPECT_EQ(picture.scale(), 2);
    ASSERT_EQ(picture.image().size(), QSize(548, 247));
    for (float x : xs) {
        const int left = static_cast<int>(x / 15) * 2;
        EXPECT_EQ(picture.image().pixel(left + 1, 81), rgb(QBColor(12))) << x;
        EXPECT_EQ(picture.image().pixel(left + 2, 81), White) << x;
    }
    EXPECT_EQ(countColumn(picture.image(), 300, rgb(QBColor(2))), 2);
    EXPECT_EQ(picture.image().pixel(2, 2), rgb(QBColor(14))) << "drawn again, not stretched";
    EXPECT_EQ(picture.image().pixel(19, 19), Startup);
    const qint64 drawn = picture.image().cacheKey();
    picture.SetScale(1, 2);  // as every paint asks
    EXPECT_EQ(picture.image().cacheKey(), drawn) << "the same scale is not drawn again";

    const auto file = (folder.path() / "scaled.png").string();
    ASSERT_TRUE(picture.Save(file));
    EXPECT_EQ(QImage(QString::fromStdString(file)).convertToFormat(QImage::Format_RGB32), atFirst);
    picture.SetScale(1, 1);
    EXPECT_EQ(picture.image(), atFirst);

    ImagePicture sharp(2);
    sharp.PSet(15, 15, QBColor(12));  // one pixel of the nominal picture: two by two
    EXPECT_EQ(sharp.image().pixel(3, 3), rgb(QBColor(12)));
    EXPECT_EQ(sharp.image().pixel(4, 4), White);
    sharp.SetScale(1);  // what was drawn goes along
    EXPECT_EQ(sharp.image().size(), QSize(274, 124));
    EXPECT_EQ(sharp.image().pixel(1, 1), rgb(QBColor(12)));
}

TEST(ImagePictureTest, SineWaveSavedFromTheHeadlessConsoleInEachFormat) {
    TempFolder folder;
    const auto file = [&](const char* name) { return (folder.path() / name).string(); };
    ImagePicture picture;
    std::ostringstream out, err;
    HeadlessConsole console(out, err, picture);
    std::istringstream actions(
        "check WhichOp 1\ntype FunctionIn Sx\nclick TrigWin\nclick Evaluate\npicture " + file("sine.bmp") +
        "\npicture " + file("sine.PNG") + "\npicture " + file("sine.svg") + "\npicture " + file("sine") +
        "\n");
    ASSERT_EQ(console.Run(actions), 0) << err.str();

    QImage saved(QString::fromStdString(file("sine.bmp")), "BMP");
    ASSERT_EQ(saved.size(), QSize(274, 124));
    EXPECT_GE(countColumn(saved, 137, qRgb(0, 128, 0)), 120);  // the y axis, crossed by the curve
    // The crest of sin at x = p/2, five eighths across a window -2p ... 2p,
    // lies one unit below the top of a window -4 ... 4.
    int top = -1;
    for (int y = 0; y < saved.height() && top < 0; ++y) {
        if (saved.pixel(274 * 5 / 8, y) == qRgb(0, 0, 0)) top = y;
    }
    EXPECT_NEAR(top, PictureHeight * 3 / 8 / 15, 1);

    const QImage png(QString::fromStdString(file("sine.PNG")), "PNG");
    EXPECT_EQ(png.convertToFormat(QImage::Format_RGB32), saved);
    EXPECT_EQ(QImage(QString::fromStdString(file("sine")), "BMP"), saved);  // any other name: a bitmap
    const SvgShapes svg = readSvg(file("sine.svg"));
    EXPECT_EQ(svg.last.at("svg").value("viewBox"), QString("0 0 %1 %2").arg(PictureWidth).arg(PictureHeight));
    EXPECT_GT(svg.count.at("rect"), 4000);  // a point per unit of width, nearly all inside
}

TEST(ImagePictureTest, SvgHoldsTheStartupPictureAndAShapePerPointAndLineSinceTheLastClear) {
    TempFolder folder;
    const auto svgFile = folder.path() / "small.svg";
    ImagePicture picture;
    picture.SetBackgroundPicture(startupPicture());
    ASSERT_TRUE(picture.Save(svgFile.string()));
    const QXmlStreamAttributes image = readSvg(svgFile).last.at("image");
    EXPECT_EQ(image.value("x").toString() + image.value("y").toString(), "00");
    EXPECT_EQ(image.value("width"), QString("4380"));  // 292 pixels of 15 units

    picture.ClearBackgroundPicture();
    picture.PSet(100, 200, QBColor(12));
    picture.SetBackColor({255, 255, 0});  // clears
    picture.PSet(15, 30, QBColor(4));
    picture.PSet(PictureWidth, 10, QBColor(4));  // outside: not drawn, not kept
    picture.Line(0, 0, 4095, 1835, QBColor(9));
    picture.Line(10, std::nanf(""), 10, 10, QBColor(9));
    picture.PSet(60, 75, QBColor(4));
    ASSERT_TRUE(picture.Save(svgFile.string()));

    const SvgShapes svg = readSvg(svgFile);
    EXPECT_EQ(svg.count.count("image"), 0u);
    EXPECT_EQ(svg.count.at("rect"), 3);  // the background, then the two points
    EXPECT_EQ(svg.count.at("polyline"), 1);
    EXPECT_EQ(svg.last.at("rect").value("x"), QString("60"));
    EXPECT_EQ(svg.last.at("rect").value("height"), QString("15"));  // a pixel of the picture
    // Through the middle of the end points, as on the image.
    EXPECT_EQ(svg.last.at("polyline").value("points").trimmed(), QString("7.5,7.5 4102.5,1842.5"));
    QFile text(QString::fromStdString(svgFile.string()));
    ASSERT_TRUE(text.open(QIODevice::ReadOnly));
    const QByteArray body = text.readAll();
    for (const char* colour : {"fill=\"#ffff00\"", "fill=\"#800000\"", "stroke=\"#0000ff\""})
        EXPECT_TRUE(body.contains(colour)) << colour;
    // As wide on a page as the picture on the screen: 274 pixels at 96 to the inch.
    EXPECT_NEAR(svg.last.at("svg").value("width").chopped(2).toDouble() / 25.4 * 96, 274, 0.5);
}

TEST(ImagePictureTest, TooManyShapesForAnSvgLeaveTheOldFileAndTheOtherFormats) {
    TempFolder folder;
    folder.write("many.svg", "the old drawing");
    ImagePicture picture;
    for (size_t i = 0; i <= Drawing::MaxShapes; ++i)
        picture.PSet(static_cast<float>(i % static_cast<size_t>(PictureWidth)), 10, QBColor(1));
    EXPECT_FALSE(picture.Save((folder.path() / "many.svg").string()));
    std::ifstream old(folder.path() / "many.svg");
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(old), {}), "the old drawing");
    EXPECT_TRUE(picture.Save((folder.path() / "many.png").string()));

    picture.Cls();  // a clear starts a drawing that is whole again
    picture.PSet(10, 10, QBColor(1));
    EXPECT_TRUE(picture.Save((folder.path() / "many.svg").string()));
}

}  // namespace
}  // namespace plotmere
