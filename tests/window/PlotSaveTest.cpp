// SPDX-License-Identifier: MIT
// Saving and copying the chart from the window: through the dialog seam,
// each format byte for byte what lumivex --export writes for the same
// selection (the PDF but for the creation time Qt writes into it); a save
// that fails leaves the old file; the copies go to the clipboard.
#include "ImageView.h"
#include "WindowTestSupport.h"

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QDir>
#include <QGuiApplication>
#include <QMenu>
#include <QProcess>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTest>

#include <csignal>

#include <sys/resource.h>

namespace {

// Every report in this test is stamped with the same moment.
constexpr const char* Epoch = "1700000000";

QByteArray contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

// The moment Qt writes into every PDF it makes, blanked.
QByteArray withoutCreationTime(QByteArray pdf)
{
    return pdf.replace(
        QRegularExpression(QStringLiteral("/CreationDate \\(D:[0-9]+Z?\\)")).match(pdf).captured(0).toLatin1(),
        "/CreationDate ()");
}

// lumivex --export OUT FILE OPTIONS; the bytes written.
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

// Saves through the context menu's entry, the dialog answering path.
void save(Window& w, const QString& path)
{
    w.ui.saveAnswers.push_back(path);
    w.form.plotActions().save->trigger();
}

TEST(PlotSave, EachFormatIsWhatExportWritesForTheSameSelection)
{
    qputenv("SOURCE_DATE_EPOCH", Epoch);
    struct Case
    {
        const char* name;
        QString lens;
        std::function<void(Window&)> select; // after the load, in overlay mode
        QStringList options;
        QStringList extensions;
    };
    const Case cases[] = {
        { "single mode over k",
          FullLens,
          [](Window& w) {
              w.c.singleModeButton->click();
              w.c.abscissaButtons[0]->click();
              w.c.imageHeightButtons[2]->setChecked(true);
              w.c.magnificationButtons[1]->setChecked(true);
              w.c.frequencyBoxes[0]->setChecked(true);
              w.c.frequencyBoxes[1]->setChecked(false);
              w.c.frequencyBoxes[2]->setChecked(true);
          },
          { "--abscissa", "k", "--frequencies", "1,3", "--image-height", "3", "--magnification", "2" },
          { "png", "svg", "csv", "pdf" } },
        // Overlay mode: f-number 2.8 as loaded, then 5.6 on top.
        { "two f-numbers overlaid",
          SmallLens,
          [](Window& w) { w.c.fNumberButtons[1]->setChecked(true); },
          { "--overlay-all" },
          { "png", "svg", "csv" } },
    };
    for (const Case& c : cases) {
        Window w;
        w.form.setPlotPixelRatio(1.0);
        w.load(c.lens);
        c.select(w);
        ASSERT_TRUE(w.ui.messages.isEmpty()) << w.messages();
        QTemporaryDir dir;
        for (const QString& extension : c.extensions) {
            const QString saved = dir.filePath("fenster." + extension);
            save(w, saved);
            QByteArray expected = exported(dir.filePath("export." + extension), c.lens, c.options);
            QByteArray actual = contents(saved);
            if (extension == "pdf") {
                expected = withoutCreationTime(expected);
                actual = withoutCreationTime(actual);
            }
            EXPECT_TRUE(actual == expected) << c.name << " ." << extension.toStdString();
        }
        EXPECT_TRUE(w.ui.messages.isEmpty()) << w.messages();
        EXPECT_EQ(w.ui.saveFilters.value(0), "PNG-Bild|*.png|SVG-Grafik|*.svg|PDF-Bericht|*.pdf|CSV-Werte|*.csv");

        // The copies: the plot as shown, and the rows of the CSV file.
        w.form.plotActions().copyChart->trigger();
        EXPECT_TRUE(QGuiApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32) == w.plot()) << c.name;
        w.form.plotActions().copyValues->trigger();
        EXPECT_EQ(QGuiApplication::clipboard()->text().toUtf8(), contents(dir.filePath("fenster.csv"))) << c.name;
    }
    qunsetenv("SOURCE_DATE_EPOCH");
}

TEST(PlotSave, AFailedSaveNamesTheFileAndChangesNothingElse)
{
    Window w;
    w.load(SmallLens);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("diagramm.png"));
    {
        QFile old(path);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("the old file\n");
    }
    const WindowSnapshot before = w.snapshot();

    // The disk takes no more than 100 bytes per file, as when it is full.
    rlimit saved {};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 100;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    save(w, path);
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);

    save(w, dir.filePath(QStringLiteral("diagramm.jpg")));
    EXPECT_EQ(w.ui.messages,
              QStringList({ "Die Datei „" + path + "“ kann nicht geschrieben werden",
                            "Die Datei „" + dir.filePath(QStringLiteral("diagramm.jpg"))
                                + "“ kann nicht geschrieben werden: Diagramme werden als .png, .svg, .pdf oder .csv "
                                  "gespeichert" }));
    EXPECT_EQ(contents(path), "the old file\n");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList { "diagramm.png" });
    EXPECT_TRUE(before == w.snapshot());
}

TEST(PlotSave, TheEntriesWorkFromMenuAndKeysOnlyWhileAFileIsLoaded)
{
    Window w;
    w.form.show();
    w.form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w.form));
    const PlotActions& actions = w.form.plotActions();
    EXPECT_EQ(actions.menu->actions().mid(0, 3),
              QList<QAction*>({ actions.save, actions.copyChart, actions.copyValues }));
    const auto enabled = [&] {
        return QList<bool> { actions.save->isEnabled(), actions.copyChart->isEnabled(),
                             actions.copyValues->isEnabled() };
    };
    QGuiApplication::clipboard()->clear();
    EXPECT_EQ(enabled(), QList<bool>({ false, false, false }));
    QTest::keyClick(&w.form, Qt::Key_S, Qt::ControlModifier);
    QTest::keyClick(&w.form, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    w.load(std::nullopt); // a cancelled first dialog loads nothing
    EXPECT_EQ(w.ui.messages, QStringList { NoFile });
    w.ui.messages.clear();
    EXPECT_EQ(enabled(), QList<bool>({ false, false, false }));
    EXPECT_TRUE(w.ui.saveFilters.isEmpty());
    EXPECT_TRUE(QGuiApplication::clipboard()->image().isNull());

    w.load(SmallLens);
    EXPECT_EQ(enabled(), QList<bool>({ true, true, true }));
    QTest::keyClick(&w.form, Qt::Key_S, Qt::ControlModifier); // the dialog is cancelled
    EXPECT_EQ(w.ui.saveFilters.size(), 1);
    QTest::keyClick(&w.form, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_FALSE(QGuiApplication::clipboard()->image().isNull());

    // A right click on the plot opens the menu there.
    QWidget* plot = w.c.plotView;
    QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(100, 100), plot->mapToGlobal(QPoint(100, 100)));
    QCoreApplication::sendEvent(plot, &click);
    EXPECT_TRUE(actions.menu->isVisible());
    actions.menu->close();
    EXPECT_TRUE(w.ui.messages.isEmpty()) << w.messages();
}

} // namespace
