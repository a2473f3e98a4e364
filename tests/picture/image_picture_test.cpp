// The picture as an image: where and in which colour things land, at 100 %
// and at a larger scale, and the files written from it: BMP, PNG and SVG.

#include "app/qt/image_picture.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QImage>

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

TEST(ImagePictureTest, PointsAndLinesLandOnTheirPixels) {
    ImagePicture picture;
    ASSERT_EQ(picture.image().size(), QSize(274, 124));
    picture.PSet(0, 0, QBColor(4));
    picture.PSet(4109, 1849, QBColor(9));  // 15 units to a pixel
    for (auto [x, y] : {std::pair{PictureWidth, 5.0}, {0, PictureHeight}, {-1, 5}})
        picture.PSet(x, y, QBColor(0));  // just outside: clipped
    EXPECT_EQ(picture.image().pixel(0, 0), rgb(4));
    EXPECT_EQ(picture.image().pixel(273, 123), rgb(9));
    EXPECT_EQ(picture.image().pixel(0, 123), White);

    picture.Line(2055, 0, 2055, PictureHeight, QBColor(2));  // the y axis of a symmetric window
    EXPECT_EQ(countColumn(picture.image(), 137, rgb(2)), 124);
    EXPECT_EQ(countColumn(picture.image(), 138, rgb(2)), 0);
    picture.Line(0, 925, 3.4e38f, 925, QBColor(1));  // far ends are clipped, not lost
    EXPECT_EQ(picture.image().pixel(273, 61), rgb(1));
    EXPECT_EQ(picture.image().pixel(273, 62), White);
    picture.Line(0, std::nanf(""), 10, 10, QBColor(1));  // an undefined end draws nothing

    picture.SetBackColor({0, 0, 128});
    EXPECT_EQ(picture.image().pixel(0, 0), qRgb(0, 0, 128));
    picture.SetBackgroundPicture(startupPicture(292, 122));
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
    picture.PSet(4080, 600, QBColor(12));
    picture.Line(0, 1200, PictureWidth, 1200, QBColor(2));
    picture.PSet(8, 8, QBColor(14));  // in the first pixel at 100 %, in the second at 200 %
    const QImage atFirst = picture.image();

    picture.SetScale(1, 2);
    ASSERT_EQ(picture.image().size(), QSize(548, 247));
    EXPECT_EQ(picture.image().pixel(4080 / 15 * 2 + 1, 81), rgb(12));
    EXPECT_EQ(picture.image().pixel(4080 / 15 * 2 + 2, 81), White);
    EXPECT_EQ(countColumn(picture.image(), 300, rgb(2)), 2);
    EXPECT_EQ(picture.image().pixel(2, 2), rgb(14)) << "drawn again, not stretched";
    EXPECT_EQ(picture.image().pixel(19, 19), Startup);
    const qint64 drawn = picture.image().cacheKey();
    picture.SetScale(1, 2);  // as every paint asks
    EXPECT_EQ(picture.image().cacheKey(), drawn) << "the same scale is not drawn again";

    const auto file = (folder.path() / "scaled.png").string();
    ASSERT_TRUE(picture.Save(file));
    EXPECT_EQ(QImage(QString::fromStdString(file)).convertToFormat(QImage::Format_RGB32), atFirst);
    picture.SetScale(1, 1);
    EXPECT_EQ(picture.image(), atFirst);
}

// The bitmaps read back as the image; the SVG holds the shapes since the last
// clear, a pixel of the picture for a point, lines through the points' middles;
// an SVG of too many shapes is not written.
TEST(ImagePictureTest, EachFormatHoldsTheDrawing) {
    TempFolder folder;
    const auto path = [&](const char* name) { return (folder.path() / name).string(); };
    const auto text = [&](const char* name) {
        QFile file(QString::fromStdString(path(name)));
        return file.open(QIODevice::ReadOnly) ? QString(file.readAll()) : QString();
    };
    ImagePicture picture;
    picture.SetBackgroundPicture(startupPicture(292, 122));
    ASSERT_TRUE(picture.Save(path("start.svg")));
    EXPECT_TRUE(text("start.svg").contains(R"(<image x="0" y="0" width="4380" height="1830")"));

    picture.ClearBackgroundPicture();
    picture.PSet(100, 200, QBColor(12));
    picture.SetBackColor({255, 255, 0});  // clears
    picture.PSet(15, 30, QBColor(4));
    picture.PSet(PictureWidth, 10, QBColor(4));  // outside: not drawn, not kept
    picture.Line(0, 0, 4095, 1835, QBColor(9));
    picture.Line(10, std::nanf(""), 10, 10, QBColor(9));
    const std::pair<const char*, const char*> bitmaps[] = {{"p.bmp", "BMP"}, {"p.PNG", "PNG"}, {"p", "BMP"}};
    for (auto [name, format] : bitmaps) {  // any other name: a bitmap
        ASSERT_TRUE(picture.Save(path(name))) << name;
        const QImage saved(QString::fromStdString(path(name)), format);
        EXPECT_EQ(saved.convertToFormat(QImage::Format_RGB32), picture.image()) << name;
    }
    ASSERT_TRUE(picture.Save(path("p.svg")));
    const QString svg = text("p.svg");
    EXPECT_EQ(svg.count("<rect"), 2) << "the background and one point";
    EXPECT_EQ(svg.count("<polyline"), 1);
    EXPECT_EQ(svg.count("<image"), 0);
    for (const char* part : {R"(viewBox="0 0 4110 1850")", R"(x="15" y="30" width="15" height="15")",
                             R"(points="7.5,7.5 4102.5,1842.5 ")", R"(fill="#ffff00")", R"(fill="#800000")",
                             R"(stroke="#0000ff")", R"(width="72.4)"})
        EXPECT_TRUE(svg.contains(part)) << part;  // 274 pixels at 96 to the inch: 72.4 mm

    for (size_t i = 0; i <= Drawing::MaxShapes; ++i)
        picture.PSet(static_cast<float>(i % static_cast<size_t>(PictureWidth)), 10, QBColor(1));
    EXPECT_FALSE(picture.Save(path("p.svg")));
    EXPECT_EQ(text("p.svg"), svg);
    EXPECT_TRUE(picture.Save(path("p.png")));
    picture.Cls();  // a clear starts a drawing that is whole again
    EXPECT_TRUE(picture.Save(path("p.svg")));
}

}  // namespace
}  // namespace plotmere
