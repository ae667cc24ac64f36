// SPDX-License-Identifier: MIT
// PNG bytes keep every pixel; few colours go into a palette.
#include "PngEncoding.h"

#include <gtest/gtest.h>

namespace {

// The PNG colour type from the header chunk: 2 RGB, 3 palette.
int colourType(const QByteArray& png)
{
    return static_cast<uchar>(png.at(25));
}

TEST(PngEncoding, APaletteUpTo256ColoursRgbBeyondAndThePixelsBackExactly)
{
    const struct
    {
        int colours;
        int type;
    } cases[] = { { 5, 3 }, { 256, 3 }, { 257, 2 } };
    for (const auto& c : cases) {
        QImage image(40, 30, QImage::Format_RGB32);
        image.fill(Qt::white);
        for (int i = 0; i < c.colours - 1; ++i) { // white is one of them
            image.setPixel(i % 40, i / 40, qRgb(i, 255 - i / 2, 7));
        }
        const QByteArray png = encodePng(image);
        EXPECT_EQ(colourType(png), c.type) << c.colours;
        EXPECT_TRUE(QImage::fromData(png).convertToFormat(QImage::Format_RGB32) == image) << c.colours;
    }
}

} // namespace
