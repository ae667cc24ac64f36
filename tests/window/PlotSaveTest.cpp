// SPDX-License-Identifier: MIT
#include "ImageView.h"
#include "WindowTestSupport.h"

#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QGuiApplication>
#include <QMenu>
#include <QProcess>
#include <QTest>

namespace {

constexpr const char* Epoch = "1700000000";

QByteArray contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

QByteArray exported(const QString& out, const QString& lens, const QStringList& options)
{
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("SOURCE_DATE_EPOCH"), QString::fromLatin1(Epoch));
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(LUMIVEX_BINARY), QStringList { "--export", out, lens } + options);
    if (!program.waitForFinished(60000) || program.exitCode() != 0) {
        ADD_FAILURE() << "lumivex --export: " << program.readAllStandardError().toStdString();
    }
    return contents(out);
}

void save(Window& w, const QString& path)
{
    w.ui.saveAnswers.push_back(path);
    w.form.plotActions().save->trigger();
}

TEST(PlotSave, EachFormatIsWhatExportWritesForTheSameSelection)
{
    qputenv("SOURCE_DATE_EPOCH", Epoch);
    const struct
    {
        QString lens;
        std::function<void(Window&)> select; // after the load, in overlay mode
        QStringList options;
        QStringList extensions;
    } cases[] = {
        // clang-format off
        { FullLens, [](Window& w) {
              w.c.singleModeButton->click();
              w.c.abscissaButtons[0]->click();
              for (std::size_t k = 0; k < w.c.frequencyBoxes.size(); ++k) {
                  w.c.frequencyBoxes[k]->setChecked(k == 0 || k == 2);
              }
              w.c.imageHeightButtons[2]->setChecked(true);
              w.c.magnificationButtons[1]->setChecked(true);
              w.c.drawButton->click();
          },
          { "--abscissa", "k", "--frequencies", "1,3", "--image-height", "3", "--magnification", "2" },
          { "png", "svg", "csv", "pdf" } },
        { SmallLens, [](Window& w) { w.c.fNumberButtons[1]->setChecked(true); }, { "--overlay-all" }, { "png", "svg", "csv" } },
        // clang-format on
    };
    for (const auto& c : cases) {
        const std::string name = c.options.join(' ').toStdString();
        Window w;
        w.form.setPlotPixelRatio(1.0);
        w.load(c.lens);
        c.select(w);
        QTemporaryDir dir;
        for (const QString& extension : c.extensions) {
            const QString saved = dir.filePath("fenster." + extension);
            save(w, saved);
            const QByteArray expected = exported(dir.filePath("export." + extension), c.lens, c.options);
            const QByteArray actual = contents(saved);
            EXPECT_TRUE(actual == expected) << name << " ." << extension.toStdString();
            if (extension == "png") {
                EXPECT_TRUE(QImage::fromData(expected).convertToFormat(QImage::Format_RGB32) == w.plot()) << name;
            }
        }
        EXPECT_TRUE(w.ui.messages.isEmpty()) << w.messages();
        w.form.plotActions().copyChart->trigger();
        EXPECT_TRUE(QGuiApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32) == w.plot());
        w.form.plotActions().copyValues->trigger();
        EXPECT_EQ(QGuiApplication::clipboard()->text().toUtf8(), contents(dir.filePath("fenster.csv"))) << name;
    }
    qunsetenv("SOURCE_DATE_EPOCH");
}

TEST(PlotSave, AFailedSaveNamesTheFileAndChangesNothingElse)
{
    Window w;
    w.load(SmallLens);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("diagramm.png"));
    const QString jpg = dir.filePath(QStringLiteral("diagramm.jpg"));
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("diagramm.png")));
    const WindowSnapshot before = w.snapshot();
    save(w, path);
    save(w, jpg);
    EXPECT_EQ(w.ui.messages,
              QStringList({ "Die Datei „" + path + "“ kann nicht geschrieben werden",
                            "Die Datei „" + jpg
                                + "“ kann nicht geschrieben werden: Diagramme werden als .png, .svg, .pdf oder .csv "
                                  "gespeichert" }));
    EXPECT_FALSE(QFile::exists(jpg));
    EXPECT_TRUE(before == w.snapshot());
}

TEST(PlotSave, TheEntriesWorkFromMenuAndKeysOnlyWhileAFileIsLoaded)
{
    Window w;
    w.form.show();
    w.form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w.form));
    const PlotActions& actions = w.form.plotActions();
    const auto enabled = [&actions] {
        return actions.save->isEnabled() + actions.copyChart->isEnabled() + actions.copyValues->isEnabled();
    };
    QGuiApplication::clipboard()->clear();
    w.load(std::nullopt);
    w.ui.messages.clear();
    EXPECT_EQ(enabled(), 0);
    QTest::keyClick(&w.form, Qt::Key_S, Qt::ControlModifier);
    QTest::keyClick(&w.form, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_TRUE(w.ui.saveFilters.isEmpty());
    EXPECT_TRUE(QGuiApplication::clipboard()->image().isNull());

    w.load(SmallLens);
    EXPECT_EQ(enabled(), 3);
    QTest::keyClick(&w.form, Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(w.ui.saveFilters, QStringList { "PNG-Bild|*.png|SVG-Grafik|*.svg|PDF-Bericht|*.pdf|CSV-Werte|*.csv" });
    QTest::keyClick(&w.form, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_FALSE(QGuiApplication::clipboard()->image().isNull());

    QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(100, 100), w.c.plotView->mapToGlobal(QPoint(100, 100)));
    QCoreApplication::sendEvent(w.c.plotView, &click);
    EXPECT_TRUE(actions.menu->isVisible());
    actions.menu->close();
    EXPECT_TRUE(w.ui.messages.isEmpty()) << w.messages();
}

// 1.5 rounds up to 2: the copy is the saved PNG, 500 x 500.
TEST(PlotSave, SaveAndCopyAgreeAtAFractionalScreenScale)
{
    Window w;
    w.form.setPlotPixelRatio(1.5);
    w.load(SmallLens);
    QTemporaryDir dir;
    save(w, dir.filePath("diagramm.png"));
    const QImage saved = QImage(dir.filePath("diagramm.png")).convertToFormat(QImage::Format_RGB32);
    w.form.plotActions().copyChart->trigger();
    EXPECT_EQ(saved.size(), QSize(500, 500));
    EXPECT_TRUE(QGuiApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32) == saved);
}

// Also in a new window (the settings of this test run), and with the
// characters a file name cannot hold in the lens name replaced.
TEST(FileDialogs, StartInTheFolderLastUsedAndSuggestANameOfLensAndAbscissa)
{
    QTemporaryDir dir;
    Window w;
    w.load(copyOfSmallLens(dir, { "Obj:Testlinse 2.8/50", "Obj:Test: \"A\"|B/50 mm" }));
    w.c.abscissaButtons[1]->click();
    w.ui.saveAnswers.push_back(std::nullopt);
    w.form.plotActions().save->trigger();
    EXPECT_EQ(w.ui.dialogStarts.value(1), dir.path() + "/Test_ _A__B_50_lpmm.png");
    Window next;
    next.load(std::nullopt);
    EXPECT_EQ(next.ui.dialogStarts, QStringList { dir.path() });
}

} // namespace
