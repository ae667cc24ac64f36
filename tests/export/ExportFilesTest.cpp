// SPDX-License-Identifier: MIT
#include "ExportFiles.h"
#include "LensFileReader.h"
#include "PngEncoding.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>

namespace {

const QByteArray OldBytes = "the old file\n";

QByteArray contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

QString oldFile(const QTemporaryDir& dir, const QString& name)
{
    const QString path = dir.filePath(name);
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(OldBytes);
    return path;
}

QStringList entries(const QTemporaryDir& dir)
{
    return QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
}

const LensData Small = readLensFile(LUMIVEX_SOURCE_DIR "/examples/beispiel-testlinse.mtf", LensData {});

ChartSelection chart(int fNumberIndex = 1)
{
    ChartSelection chart;
    chart.passes = { CurveSelection { 2, fNumberIndex, 1, 1 } };
    chart.frequencies[2] = 1;
    chart.texts = windowAxisTexts(chart.abscissa);
    return chart;
}

const struct
{
    const char* name;
    std::function<void(const QString& path, const ChartSelection& chart)> write;
    QByteArray start; // how a complete file begins
} formats[] = {
    { "bild.png", [](const QString& p, const ChartSelection& c) { writeChartPng(p, Small, c, 2, {}); }, "\x89PNG" },
    { "bild.svg", [](const QString& p, const ChartSelection& c) { writeChartSvg(p, Small, c, {}); }, "<?xml" },
    { "daten.csv", [](const QString& p, const ChartSelection& c) { writeChartCsv(p, Small, c, {}); },
      "frequency_index;" },
    { "bericht.pdf",
      [](const QString& p, const ChartSelection& c) {
          writeReportPdf(p, buildReportInput(Small, c.abscissa, c.passes[0], c.frequencies, c.texts, {}, {}));
      },
      "%PDF" },
};

TEST(ExportFiles, TheOldFileStaysUntilTheNewOneIsComplete)
{
    for (const auto& format : formats) {
        QTemporaryDir dir;
        const QString path = oldFile(dir, format.name);
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup);
        EXPECT_THROW(format.write(path, chart(9)), RangeError) << format.name; // no ninth f-number
        EXPECT_EQ(contents(path), OldBytes) << format.name;
        EXPECT_EQ(entries(dir), QStringList { format.name }) << format.name;
        format.write(path, chart());
        EXPECT_TRUE(contents(path).startsWith(format.start)) << format.name;
        const auto ownerGroupOther = QFile::permissions(path) & 0x7077;
        EXPECT_EQ(ownerGroupOther, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup) << format.name;
        EXPECT_EQ(entries(dir), QStringList { format.name }) << format.name;
    }
}

TEST(ExportFiles, AWriteThatFailsMidwayLeavesTheOldBytesAndNoTemporaryFile)
{
    QTemporaryDir dir;
    const QString path = oldFile(dir, QStringLiteral("bild.png"));
    const auto halfThenFail = [](QIODevice& file) {
        file.write(QByteArray(100000, 'x'));
        throw WriteError(QStringLiteral("bild.png"));
    };
    EXPECT_THROW(writeFileAtomically(path, halfThenFail), WriteError);
    EXPECT_EQ(contents(path), OldBytes);
    EXPECT_EQ(entries(dir), QStringList { "bild.png" });
}

TEST(ExportFiles, AnUnwritableTargetNamesTheFileAndLeavesNothing)
{
    QTemporaryDir dir;
    const QString file = oldFile(dir, QStringLiteral("datei"));
    QDir(dir.path()).mkdir(QStringLiteral("ordner.png"));
    for (const QString& path : { file + QStringLiteral("/bild.png"), dir.filePath(QStringLiteral("ordner.png")) }) {
        try {
            writeFileAtomically(path, QByteArray("new"));
            ADD_FAILURE() << "written: " << path.toStdString();
        } catch (const WriteError& error) {
            EXPECT_EQ(error.what(), "Die Datei „" + path.toStdString() + "“ kann nicht geschrieben werden");
        }
    }
    EXPECT_EQ(contents(file), OldBytes);
    EXPECT_EQ(entries(dir), QStringList({ "datei", "ordner.png" }));
    EXPECT_TRUE(QDir(dir.filePath(QStringLiteral("ordner.png"))).isEmpty());
}

TEST(PngEncoding, APaletteUpTo256ColoursRgbBeyondAndThePixelsBackExactly)
{
    for (const auto& [colours, colourType] : { std::pair { 5, 3 }, std::pair { 256, 3 }, std::pair { 257, 2 } }) {
        QImage image(40, 30, QImage::Format_RGB32);
        image.fill(Qt::white);
        for (int i = 0; i < colours - 1; ++i) { // white is one of them
            image.setPixel(i % 40, i / 40, qRgb(i, 255 - i / 2, 7));
        }
        const QByteArray png = encodePng(image);
        EXPECT_EQ(static_cast<uchar>(png.at(25)), colourType) << colours; // in the header: 2 RGB, 3 palette
        EXPECT_TRUE(QImage::fromData(png).convertToFormat(QImage::Format_RGB32) == image) << colours;
    }
}

} // namespace
