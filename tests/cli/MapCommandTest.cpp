// SPDX-License-Identifier: MIT
#include "ProgramRun.h"

#include <QImage>

TEST(MapCommand, WritesTheGridAndThePicturesAllOrNothing)
{
    const TemporaryDirectory directory;
    const std::string small = examplePath("beispiel-testlinse.mtf");
    // The corners are the table's values: at 0 mm and 10 LP/mm 92 and 92 %,
    // at 21.6 mm and 20 LP/mm 66 and 52 % (f-number 2.8, magnification 0).
    runOk({ "--map", directory.file("map.csv"), small });
    const std::vector<std::string> lines = fileLines(directory.file("map.csv"));
    ASSERT_EQ(lines.size(), 1U + 101 * 101);
    EXPECT_EQ(lines[0], "image_height_mm;frequency_lpmm;sag;tan");
    EXPECT_EQ(lines[1], "0;10;92;92");
    EXPECT_EQ(lines.back(), "21.6;20;66;52");

    runOk({ "--map", directory.file("map.png"), small, "--map-kind", "field", "--size", "600x400" });
    EXPECT_EQ(QImage(QString::fromStdString(directory.file("map.png"))).size(), QSize(600, 400));
    runOk({ "--map", directory.file("map.svg"), small, "--compare", small, "--map-kind", "height-fnumber" });
    EXPECT_EQ(QByteArray::fromStdString(fileText(directory.file("map.svg"))).count("<image "), 1);

    const std::string rising = directory.write("falling.mtf", workedExampleWithLine(19, "f 20 10"));
    const ProgramRun unavailable = runLumivex({ "--map", directory.file("no.png"), rising });
    EXPECT_EQ(unavailable.exitCode, 1);
    EXPECT_EQ(unavailable.err, rising + ": Ortsfrequenzen nicht aufsteigend\n");
    EXPECT_FALSE(QFile::exists(QString::fromStdString(directory.file("no.png"))));

    const struct
    {
        std::vector<std::string> arguments;
        const char* message;
    } wrong[] = {
        { { "--map", "a.pdf", small }, "Unbekannte Endung bei „a.pdf“: --map schreibt .png, .svg oder .csv" },
        { { "--map", "a.png", small, "--map-kind", "fnumber" }, "Option --map-kind erwartet" },
        { { "--map", "a.png", small, "--size", "100x100" }, "Option --size erwartet" },
        { { "--export", "a.png", small, "--field", "3:2" },
          "Option --field gilt nur zusammen mit --figures oder --map" },
    };
    for (const auto& row : wrong) {
        SCOPED_TRACE(row.message);
        const ProgramRun run = runLumivex(row.arguments);
        EXPECT_EQ(run.exitCode, 2);
        EXPECT_NE(run.err.find(row.message), std::string::npos) << run.err;
    }
}
