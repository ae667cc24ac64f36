// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QImage>

// The image as PNG file bytes, pixel for pixel. An image of at most 256
// colours (the 1x chart has a handful) is written with a palette, in the
// order the colours first appear, so that equal images give equal bytes;
// others as RGB. Compression is zlib's fast kind: on the chart, palette and
// all, it is about six times quicker than Qt's default RGB at its default
// level, and the file is still smaller. Returns an empty array when Qt cannot encode.
QByteArray encodePng(const QImage& image);
