// The print button: its refusal without a file, the print dialog, and a
// real one-page report through QPrinter's PDF output.
#include "WindowTestSupport.h"

#include <QCheckBox>
#include <QPrinter>
#include <QProcess>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSignalBlocker>

namespace {

TEST(PrintCommand, WithoutAFileTheReportIsRefusedBeforeAnyDialog)
{
    Window w;
    w.load(std::nullopt); // the print button is enabled from here on
    ASSERT_TRUE(w.c.printButton->isEnabled());
    w.ui.messages.clear();
    w.c.printButton->click();
    EXPECT_EQ(w.ui.messages, QStringList { NoFile });
    EXPECT_EQ(w.ui.printDialogs, 0);
}

TEST(PrintCommand, TheConfirmedDialogPrintsOnePageTheCancelledOneNothing)
{
    for (const bool confirmed : { false, true }) {
        Window w;
        w.load(FullLens);
        // Frequencies 2 and 3 and f-number 2, set without a redraw: only
        // the print command reads them.
        for (QAbstractButton* button : { static_cast<QAbstractButton*>(w.c.frequencyBoxes[2]),
                                         static_cast<QAbstractButton*>(w.c.fNumberButtons[1]) }) {
            const QSignalBlocker blocker(button);
            button->setChecked(true);
        }
        QTemporaryDir dir;
        const QString pdf = dir.filePath("bericht.pdf");
        w.ui.printHandler = [&pdf, confirmed](QPrinter& printer) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(pdf);
            return confirmed;
        };
        w.c.printButton->click();
        EXPECT_EQ(w.ui.printDialogs, 1);
        EXPECT_TRUE(w.ui.messages.isEmpty()) << w.ui.messages.join('|').toStdString();
        QFile file(pdf);
        ASSERT_EQ(file.open(QIODevice::ReadOnly), confirmed);
        if (confirmed) {
            const QByteArray bytes = file.readAll();
            EXPECT_TRUE(bytes.startsWith("%PDF"));
            EXPECT_EQ(QString::fromLatin1(bytes).count(QRegularExpression(QStringLiteral("/Type\\s*/Page[^s]"))), 1);
            // The settings lines follow the buttons as they are when printing.
            QProcess text;
            text.start(QStringLiteral("pdftotext"), { QStringLiteral("-layout"), pdf, QStringLiteral("-") });
            ASSERT_TRUE(text.waitForFinished()) << "pdftotext (poppler-utils) is needed";
            const QString page = QString::fromUtf8(text.readAllStandardOutput());
            EXPECT_TRUE(page.contains(QRegularExpression(QStringLiteral("Blende\\s*:\\s*2\\n")))) << page.toStdString();
            EXPECT_TRUE(page.contains(QRegularExpression(QStringLiteral("Ortsfrequenz\\s*: 10 20\\n"))));
        }
    }
}

} // namespace
