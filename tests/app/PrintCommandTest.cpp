// The print button: its refusal without a file, the print dialog, and a
// real one-page report through QPrinter's PDF output.
#include "FakeUiServices.h"
#include "TForm2.h"

#include <QCheckBox>
#include <QFile>
#include <QPrinter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QToolButton>

#include <gtest/gtest.h>

namespace {

const QString FullLens = QStringLiteral(LUMIVEX_SOURCE_DIR "/examples/vollformat-objektiv.mtf");
const QString NoFile = QStringLiteral("Noch keine Datei gelesen !");

class PrintCommandTest : public ::testing::Test
{
protected:
    FakeUiServices ui;
    TForm2 form { ui };
    QTemporaryDir dir;

    void load(const std::optional<QString>& path)
    {
        ui.openAnswers.push_back(path);
        form.controls().SpeedButton1->click();
    }
};

TEST_F(PrintCommandTest, WithoutAFileTheReportIsRefusedBeforeAnyDialog)
{
    load(std::nullopt); // the print button is enabled from here on
    ASSERT_TRUE(form.controls().SpeedButton2->isEnabled());
    ui.messages.clear();
    form.controls().SpeedButton2->click();
    EXPECT_EQ(ui.messages, QStringList { NoFile });
    EXPECT_EQ(ui.printDialogs, 0);
}

TEST_F(PrintCommandTest, CancelledDialogPrintsNothing)
{
    load(FullLens);
    const QString pdf = dir.filePath("bericht.pdf");
    ui.printHandler = [&pdf](QPrinter& printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        return false;
    };
    form.controls().SpeedButton2->click();
    EXPECT_EQ(ui.printDialogs, 1);
    EXPECT_FALSE(QFile::exists(pdf));
    EXPECT_TRUE(ui.messages.isEmpty());
}

TEST_F(PrintCommandTest, ConfirmedDialogPrintsOnePage)
{
    load(FullLens);
    form.controls().frequencyBoxes[2]->click(); // frequencies 2 and 3
    const QString pdf = dir.filePath("bericht.pdf");
    ui.printHandler = [&pdf](QPrinter& printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        return true;
    };
    form.controls().SpeedButton2->click();
    EXPECT_TRUE(ui.messages.isEmpty()) << ui.messages.join('|').toStdString();
    QFile file(pdf);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_TRUE(bytes.startsWith("%PDF"));
    EXPECT_EQ(QString::fromLatin1(bytes).count(QRegularExpression(QStringLiteral("/Type\\s*/Page[^s]"))), 1);
    // The selection read for the report is the current one.
    EXPECT_EQ(form.plotState().FrequencySelected[3], 1);
    EXPECT_EQ(form.plotState().selection.FNumberIndex, 1);
}

} // namespace
