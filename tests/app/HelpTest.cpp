// The help call: where the document is looked for, what the viewer gets,
// the message for a missing document, and the document's own links.
#include "FakeUiServices.h"
#include "HelpFile.h"
#include "HelpViewer.h"
#include "QtUiServices.h"
#include "TForm2.h"

#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

const QString SourceHelp = QStringLiteral(LUMIVEX_SOURCE_DIR "/docs/hilfe.html");

TEST(HelpFile, IsLookedForInstalledBesideTheProgramAndInTheSourceTree)
{
    const QStringList candidates = HelpFile::candidates(QStringLiteral("/opt/lv/bin"));
    ASSERT_EQ(candidates.size(), 3);
    EXPECT_EQ(candidates[0], "/opt/lv/share/lumivex/hilfe.html");
    EXPECT_EQ(candidates[1], "/opt/lv/bin/hilfe.html");
    EXPECT_EQ(QFileInfo(candidates[2]).canonicalFilePath(), QFileInfo(SourceHelp).canonicalFilePath());
}

TEST(HelpFile, FirstExistingCandidateWins)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString missing = dir.filePath("fehlt/hilfe.html");
    const QString present = dir.filePath("hilfe.html");
    QFile file(present);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    ASSERT_TRUE(QDir(dir.path()).mkdir("ordner.html"));

    EXPECT_EQ(HelpFile::find({ missing, present, SourceHelp }), present);
    // A directory of that name is no help document.
    EXPECT_EQ(HelpFile::find({ dir.filePath("ordner.html"), SourceHelp }), SourceHelp);
    EXPECT_EQ(HelpFile::find({ missing }), std::nullopt);
    EXPECT_EQ(HelpFile::find({}), std::nullopt);
}

TEST(HelpCall, ViewerGetsTheHelpDocumentBeforeAnyLoad)
{
    FakeUiServices ui;
    TForm2 form(ui);
    form.setHelpFileCandidates({ QStringLiteral("/nonexistent/share/lumivex/hilfe.html"), SourceHelp });
    ASSERT_EQ(form.lensData().FileLoaded, 0);
    form.controls().BitBtn5->click();
    EXPECT_EQ(ui.helpPaths, QStringList { SourceHelp });
    EXPECT_TRUE(ui.messages.isEmpty());
}

TEST(HelpCall, DefaultCandidatesFindTheDocumentInTheBuildTree)
{
    FakeUiServices ui;
    TForm2 form(ui);
    form.controls().BitBtn5->click();
    ASSERT_EQ(ui.helpPaths.size(), 1);
    EXPECT_TRUE(QFileInfo(ui.helpPaths[0]).isFile());
    EXPECT_TRUE(ui.helpPaths[0].endsWith("hilfe.html"));
}

TEST(HelpCall, MissingDocumentGivesOneClearMessage)
{
    FakeUiServices ui;
    TForm2 form(ui);
    form.setHelpFileCandidates(
        { QStringLiteral("/nonexistent/share/lumivex/hilfe.html"), QStringLiteral("/nonexistent/bin/hilfe.html") });
    form.controls().BitBtn5->click();
    EXPECT_TRUE(ui.helpPaths.isEmpty());
    EXPECT_EQ(ui.messages, QStringList { "Hilfedatei nicht gefunden: /nonexistent/share/lumivex/hilfe.html" });
}

TEST(HelpViewer, RealViewerIsANonModalWindowOwnedByTheMainWindowAndReused)
{
    QtUiServices services;
    QWidget owner;
    owner.show();
    services.showHelp(&owner, SourceHelp);
    const auto viewers = owner.findChildren<HelpViewer*>();
    ASSERT_EQ(viewers.size(), 1);
    HelpViewer* viewer = viewers[0];
    EXPECT_TRUE(viewer->isWindow());
    EXPECT_TRUE(viewer->isVisible());
    EXPECT_EQ(viewer->windowModality(), Qt::NonModal);
    EXPECT_EQ(viewer->currentPath(), SourceHelp);

    services.showHelp(&owner, SourceHelp);
    EXPECT_EQ(owner.findChildren<HelpViewer*>().size(), 1);
}

TEST(HelpDocument, HasContentsAtTheTopAndNoBrokenInternalLinks)
{
    QFile file(SourceHelp);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString html = QString::fromUtf8(file.readAll());

    QSet<QString> ids;
    for (const auto& match : QRegularExpression(R"re(id="([^"]+)")re").globalMatch(html)) {
        ids.insert(match.captured(1));
    }
    QStringList targets;
    for (const auto& match : QRegularExpression(R"re(href="#([^"]+)")re").globalMatch(html)) {
        targets << match.captured(1);
        EXPECT_TRUE(ids.contains(match.captured(1))) << match.captured(1).toStdString();
    }
    EXPECT_GE(targets.size(), 10);
    // The contents come before the first chapter.
    EXPECT_LT(html.indexOf(QStringLiteral("id=\"inhalt\"")), html.indexOf(QStringLiteral("id=\"mtf\"")));
    // Every button hint of the window is explained under its own words.
    for (const char* hint : { "MTF-Datei wählen", "Ergebnis ausdrucken", "gedrückt Einzelgrafik, sonst Überlagerung",
                              "Ergebnis zur aktuellen Schaltereinstellung", "Grafik löschen", "mehr über MTF",
                              "Programmende", "Noch keine Datei gelesen !" }) {
        EXPECT_TRUE(html.contains(QString::fromUtf8(hint))) << hint;
    }
}

} // namespace
