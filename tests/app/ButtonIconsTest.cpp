#include "ButtonIcons.h"

#include <gtest/gtest.h>

namespace {

constexpr QRgb Grey = 0xff808080;
constexpr QRgb White = 0xffffffff;

TEST(ButtonIcons, DisabledLookIsAGreyOutlineWithAWhiteShadow)
{
    // A 3 x 3 red square at (1, 1) .. (3, 3) in a 6 x 6 transparent picture.
    QImage picture(6, 6, QImage::Format_ARGB32);
    picture.fill(Qt::transparent);
    for (int y = 1; y <= 3; ++y) {
        for (int x = 1; x <= 3; ++x) {
            picture.setPixel(x, y, qRgb(255, 0, 0));
        }
    }
    const QImage look = ButtonIcons::disabledLook(picture);
    ASSERT_EQ(look.size(), picture.size());

    // Expected by hand: the ring of the square grey; the shadow of the ring,
    // one pixel to the lower right, white wherever the ring does not cover
    // it (also in the hollow centre).
    const char* expected[] = {
        "......", ".ggg..", ".gwgw.", ".gggw.", "..www.", "......",
    };
    for (int y = 0; y < 6; ++y) {
        for (int x = 0; x < 6; ++x) {
            const QRgb pixel = look.pixel(x, y);
            switch (expected[y][x]) {
            case 'g':
                EXPECT_EQ(pixel, Grey) << x << "," << y;
                break;
            case 'w':
                EXPECT_EQ(pixel, White) << x << "," << y;
                break;
            default:
                EXPECT_EQ(qAlpha(pixel), 0) << x << "," << y;
            }
        }
    }
}

TEST(ButtonIcons, PicturesAreSixteenBySixteenInSixteenColours)
{
    const char* names[] = { "open", "print", "single", "draw", "clear", "help", "info", "exit", "ok" };
    // The 16 colours of the classic palette.
    const QList<QRgb> palette { 0xff000000, 0xff800000, 0xff008000, 0xff808000, 0xff000080, 0xff800080,
                                0xff008080, 0xffc0c0c0, 0xff808080, 0xffff0000, 0xff00ff00, 0xffffff00,
                                0xff0000ff, 0xffff00ff, 0xff00ffff, 0xffffffff };
    for (const char* name : names) {
        const QIcon icon = ButtonIcons::load(QString::fromLatin1(name));
        ASSERT_FALSE(icon.isNull()) << name;
        const QImage image = icon.pixmap(16, 16).toImage().convertToFormat(QImage::Format_ARGB32);
        ASSERT_EQ(image.size(), QSize(16, 16)) << name;
        int opaque = 0;
        for (int y = 0; y < 16; ++y) {
            for (int x = 0; x < 16; ++x) {
                const QRgb pixel = image.pixel(x, y);
                if (qAlpha(pixel) == 0) {
                    continue;
                }
                ++opaque;
                EXPECT_TRUE(palette.contains(pixel)) << name << " " << x << "," << y << " " << std::hex << pixel;
            }
        }
        EXPECT_GT(opaque, 20) << name;
        EXPECT_LT(opaque, 256) << name << " needs a transparent background";
    }
}

} // namespace
