// The picture as an image: where and in which colour things land, at 100 %
// and at a larger scale, and the BMP file written from it.

#include "app/qt/image_picture.h"

#include <gtest/gtest.h>

#include <QImage>
#include <filesystem>
#include <sstream>

#include "app/headless/headless_console.h"

namespace plotmere {
namespace {

QRgb rgb(Rgb c) { return qRgb(c.r, c.g, c.b); }

int countColumn(const QImage& image, int x, QRgb color) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y) n += image.pixel(x, y) == color;
    return n;
}

TEST(ImagePictureTest, PointsAndLinesLandOnTheirPixels) {
    ImagePicture picture;
    ASSERT_EQ(picture.image().size(), QSize(274, 124));
    EXPECT_EQ(picture.image().pixel(100, 100), qRgb(255, 255, 255));

    picture.PSet(0, 0, QBColor(4));
    picture.PSet(4109, 1849, QBColor(9));  // 15 units to a pixel
    picture.PSet(4110, 1850, QBColor(0));  // just outside: clipped
    picture.PSet(-1, 5, QBColor(0));
    EXPECT_EQ(picture.image().pixel(0, 0), rgb(QBColor(4)));
    EXPECT_EQ(picture.image().pixel(273, 123), rgb(QBColor(9)));

    picture.Line(2055, 0, 2055, 1850, QBColor(2));  // the y axis of a symmetric window
    EXPECT_EQ(countColumn(picture.image(), 137, rgb(QBColor(2))), 124);
    EXPECT_EQ(countColumn(picture.image(), 138, rgb(QBColor(2))), 0);

    picture.Line(0, 925, 3.4e38f, 925, QBColor(1));  // far ends are clipped, not lost
    EXPECT_EQ(picture.image().pixel(273, 61), rgb(QBColor(1)));
    EXPECT_EQ(picture.image().pixel(273, 62), qRgb(255, 255, 255));
    picture.Line(0, std::nanf(""), 10, 10, QBColor(1));  // an undefined end draws nothing

    picture.Cls();
    EXPECT_EQ(picture.image().pixel(0, 0), qRgb(255, 255, 255));
    picture.SetBackColor({0, 0, 128});
    EXPECT_EQ(picture.image().pixel(50, 50), qRgb(0, 0, 128));
}

TEST(ImagePictureTest, LargerScaleKeepsThePictureUnits) {
    ImagePicture picture(2);
    ASSERT_EQ(picture.image().size(), QSize(548, 247));
    EXPECT_EQ(picture.ScaleWidth(), 4110);
    picture.PSet(15, 15, QBColor(12));  // one pixel of the nominal picture: two by two
    EXPECT_EQ(picture.image().pixel(2, 2), rgb(QBColor(12)));
    EXPECT_EQ(picture.image().pixel(3, 3), rgb(QBColor(12)));
    EXPECT_EQ(picture.image().pixel(4, 4), qRgb(255, 255, 255));

    picture.SetScale(1);  // what was drawn goes along
    EXPECT_EQ(picture.image().size(), QSize(274, 124));
    EXPECT_EQ(picture.image().pixel(1, 1), rgb(QBColor(12)));
}

TEST(ImagePictureTest, StartupPictureStaysUntilRemoved) {
    ImagePicture picture;
    QImage startup(292, 122, QImage::Format_RGB32);
    startup.fill(qRgb(10, 20, 30));
    picture.SetBackgroundPicture(startup);
    picture.Cls();
    EXPECT_EQ(picture.image().pixel(5, 5), qRgb(10, 20, 30));
    picture.ClearBackgroundPicture();
    picture.Cls();
    EXPECT_EQ(picture.image().pixel(5, 5), qRgb(255, 255, 255));
}

TEST(ImagePictureTest, SineWaveSavedFromTheHeadlessConsole) {
    const auto file = std::filesystem::temp_directory_path() / "plotmere-sine-test.bmp";
    ImagePicture picture;
    std::ostringstream out, err;
    HeadlessConsole console(out, err, picture);
    std::istringstream actions("check WhichOp 1\ntype FunctionIn Sx\nclick TrigWin\nclick Evaluate\npicture " +
                               file.string() + "\n");
    ASSERT_EQ(console.Run(actions), 0) << err.str();

    QImage saved(QString::fromStdString(file.string()), "BMP");
    std::filesystem::remove(file);
    ASSERT_EQ(saved.size(), QSize(274, 124));
    EXPECT_GE(countColumn(saved, 137, qRgb(0, 128, 0)), 120);  // the y axis, crossed by the curve
    // The crest of sin at x = p/2, five eighths across a window -2p ... 2p,
    // lies one unit below the top of a window -4 ... 4.
    int top = -1;
    for (int y = 0; y < saved.height() && top < 0; ++y) {
        if (saved.pixel(274 * 5 / 8, y) == qRgb(0, 0, 0)) top = y;
    }
    EXPECT_NEAR(top, 1850 * 3 / 8 / 15, 1);
}

}  // namespace
}  // namespace plotmere
