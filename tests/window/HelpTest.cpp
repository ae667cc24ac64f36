// The help call: where the document is looked for, what the viewer gets,
// the message for a missing document, and the document's own links.
#include "HelpFile.h"
#include "WindowTestSupport.h"

#include <QDir>
#include <QPushButton>
#include <QRegularExpression>
#include <QSet>

namespace {

TEST(HelpFile, CandidatesAndTheFirstExistingOne)
{
    const QStringList candidates = HelpFile::candidates(QStringLiteral("/opt/lv/bin"));
    ASSERT_EQ(candidates.size(), 3);
    EXPECT_EQ(candidates[0], "/opt/lv/share/lumivex/hilfe.html");
    EXPECT_EQ(candidates[1], "/opt/lv/bin/hilfe.html");
    EXPECT_EQ(QFileInfo(candidates[2]).canonicalFilePath(), QFileInfo(HelpDocument).canonicalFilePath());

    QTemporaryDir dir;
    const QString missing = dir.filePath("fehlt/hilfe.html");
    const QString present = dir.filePath("hilfe.html");
    QFile file(present);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    ASSERT_TRUE(QDir(dir.path()).mkdir("ordner.html"));
    EXPECT_EQ(HelpFile::find({ missing, present, HelpDocument }), present);
    EXPECT_EQ(HelpFile::find({ dir.filePath("ordner.html"), HelpDocument }), HelpDocument) << "a directory is no file";
    EXPECT_EQ(HelpFile::find({ missing }), std::nullopt);
}

TEST(HelpCall, TheViewerGetsTheFirstDocumentFoundOrOneClearMessage)
{
    FakeUiServices ui;
    MainWindow form(ui);
    form.controls().helpButton->click(); // the default candidates find the build tree's document
    ASSERT_EQ(ui.helpPaths.size(), 1);
    EXPECT_TRUE(QFileInfo(ui.helpPaths[0]).isFile());
    EXPECT_TRUE(ui.helpPaths[0].endsWith("/hilfe.html"));

    ui.helpPaths.clear();
    const QString missing = QStringLiteral("/nonexistent/share/lumivex/hilfe.html");
    form.setHelpFileCandidates({ missing, HelpDocument });
    form.controls().helpButton->click();
    EXPECT_EQ(ui.helpPaths, QStringList { HelpDocument });
    EXPECT_TRUE(ui.messages.isEmpty());

    form.setHelpFileCandidates({ missing, QStringLiteral("/nonexistent/bin/hilfe.html") });
    form.controls().helpButton->click();
    EXPECT_EQ(ui.helpPaths.size(), 1);
    EXPECT_EQ(ui.messages, QStringList { "Hilfedatei nicht gefunden: " + missing });
}

} // namespace
