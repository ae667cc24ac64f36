// SPDX-License-Identifier: MIT
#include "MainWindowLayout.h"
#include "WindowTestSupport.h"

namespace {

constexpr QRgb Red = 0xffff0000;
constexpr QRgb Blue = 0xff0000ff;

// How many controls are shown from the first on; -1 when a hidden one comes
// before a shown one.
template <typename Controls> int shownCount(const Controls& controls)
{
    const auto shown = [](const QWidget* control) { return !control->isHidden(); };
    const auto end = std::find_if_not(controls.begin(), controls.end(), shown);
    return std::none_of(end, controls.end(), shown) ? static_cast<int>(end - controls.begin()) : -1;
}

// The shown counts of the five value columns; V/v for the four panels, the
// wavelength and weight lines and the instruction text shown or hidden; E/e
// for the print, mode, draw and clear buttons enabled or not.
QString looks(const MainWindowControls& c)
{
    QString result;
    for (const int count :
         { shownCount(c.fNumberButtons), shownCount(c.frequencyBoxes), shownCount(c.imageHeightButtons),
           shownCount(c.magnificationButtons), shownCount(c.distanceLabels) }) {
        result += QString::number(count) + ' ';
    }
    for (const QWidget* widget : std::initializer_list<const QWidget*> {
             c.fNumberPanel, c.frequencyPanel, c.imageHeightPanel, c.magnificationPanel, c.wavelengthLabel,
             c.weightLabel, c.instructionText }) {
        result += widget->isHidden() ? 'v' : 'V';
    }
    result += ' ';
    for (const QWidget* button :
         std::initializer_list<const QWidget*> { c.printButton, c.singleModeButton, c.drawButton, c.clearButton }) {
        result += button->isEnabled() ? 'E' : 'e';
    }
    return result;
}

struct LoadAndPlotTest : ::testing::Test, Window
{
};

// After a smaller file the first buttons take over from hidden ones without
// running a handler; a cancelled dialog redraws the curves over themselves.
TEST_F(LoadAndPlotTest, LoadsShowTheLensAndHideOrShowTheSurplusControls)
{
    load(FullLens);
    EXPECT_EQ(looks(c), "8 8 6 9 9 VVVVVVv EEEE");
    EXPECT_EQ(c.lensNameLabel->text() + '|' + c.lensNameLabel->toolTip() + c.wavelengthLabel->text() + '|'
                  + c.weightLabel->text(),
              QStringLiteral("Lumivex Normal für KB 1.4/50 | Wellenlängen [nm]   :     546    486    656    588    "
                             "436| Rel. Gewichtungen :  1.0 0.6 0.4 0.5 0.2"));
    EXPECT_GE(c.lensNameLabel->width(), c.lensNameLabel->sizeHint().width());
    EXPECT_TRUE(c.abscissaButtons[2]->isChecked() && c.fNumberButtons[0]->isChecked()
                && c.frequencyBoxes[1]->isChecked() && c.magnificationButtons[0]->isChecked());
    EXPECT_FALSE(c.imageHeightButtons[0]->isEnabled() || MainWindowLayout::isPanelRaised(*c.imageHeightPanel));

    c.fNumberButtons[4]->click();
    c.imageHeightButtons[5]->setChecked(true);
    c.magnificationButtons[6]->click();
    int toggles = 0;
    for (QAbstractButton* first : std::initializer_list<QAbstractButton*> {
             c.fNumberButtons[0], c.imageHeightButtons[0], c.magnificationButtons[0] }) {
        QObject::connect(first, &QAbstractButton::toggled, &form, [&toggles] { ++toggles; });
    }
    load(SmallLens);
    EXPECT_EQ(looks(c), "2 2 3 2 2 VVVVVVv EEEE");
    EXPECT_TRUE(c.fNumberButtons[0]->isChecked() && c.imageHeightButtons[0]->isChecked()
                && c.magnificationButtons[0]->isChecked());
    EXPECT_EQ(toggles, 0);
    const CurveSelection& last = form.plotState().selection;
    EXPECT_EQ(QList<int>({ last.FNumberIndex, last.MagnificationIndex }), QList<int>({ 1, 1 }));
    EXPECT_EQ(c.fNumberButtons[0]->text() + '|' + c.fNumberButtons[1]->text(), "2.8|5.6");
    EXPECT_EQ(c.lensNameLabel->text() + c.lensNameLabel->toolTip(), "Testlinse 2.8/50 ");
    EXPECT_EQ(c.lensNameLabel->width(), c.lensNameLabel->sizeHint().width());
    c.fNumberButtons[1]->click(); // a choice the next file shows too stays chosen
    load(FullLens);
    EXPECT_EQ(looks(c), "8 8 6 9 9 VVVVVVv EEEE");
    EXPECT_TRUE(c.fNumberButtons[1]->isChecked() && c.magnificationButtons[0]->isChecked());
    const WindowSnapshot before = snapshot();
    load(std::nullopt);
    EXPECT_TRUE(before == snapshot());
    EXPECT_TRUE(ui.messages.isEmpty()) << messages();
}

TEST_F(LoadAndPlotTest, ACancelledFirstDialogLeavesTheLoadedLookAndRefusesOncePerClick)
{
    load(std::nullopt);
    EXPECT_EQ(ui.messages, QStringList { NoFile });
    EXPECT_EQ(looks(c), "1 1 1 1 1 VVVVVVv EEEE");
    c.drawButton->click();
    EXPECT_EQ(ui.messages, QStringList({ NoFile, NoFile }));
}

TEST_F(LoadAndPlotTest, EveryAbscissaChangeAfterALoad)
{
    load(FullLens);
    const std::tuple<int, QFrame*, Abscissa> rows[] = {
        { 0, c.fNumberPanel, Abscissa::FNumber },
        { 1, c.frequencyPanel, Abscissa::Frequency },
        { 3, c.magnificationPanel, Abscissa::Magnification },
        { 2, c.imageHeightPanel, Abscissa::ImageHeight },
    };
    for (const auto& [button, own, abscissa] : rows) {
        c.abscissaButtons[static_cast<std::size_t>(button)]->click();
        EXPECT_TRUE(ui.messages.isEmpty()) << button;
        EXPECT_EQ(form.plotState().texts, axisTextsFor(abscissa)) << button;
        for (QFrame* panel : { c.fNumberPanel, c.frequencyPanel, c.imageHeightPanel, c.magnificationPanel }) {
            EXPECT_EQ(MainWindowLayout::isPanelRaised(*panel), panel != own) << button;
            for (QWidget* control : panel->findChildren<QWidget*>()) {
                EXPECT_EQ(control->isEnabled(), panel != own) << button << control->objectName().toStdString();
            }
        }
        EXPECT_GT(countPixels(plot(), { Red, Blue }), 50) << button;
    }
}

TEST_F(LoadAndPlotTest, AnAbscissaChangeBeforeALoadRunsOnlyWhenTheButtonBecomesChecked)
{
    c.abscissaButtons[1]->click(); // the boxes are not read
    EXPECT_TRUE(ui.messages.isEmpty());
    EXPECT_FALSE(MainWindowLayout::isPanelRaised(*c.frequencyPanel));
    c.abscissaButtons[0]->click(); // frequency 2 is read
    EXPECT_EQ(ui.messages, QStringList { NoFile });
    EXPECT_EQ(form.plotState().texts, axisTextsFor(Abscissa::FNumber));
    EXPECT_FALSE(c.fNumberButtons[0]->isEnabled());
    EXPECT_TRUE(c.frequencyBoxes[0]->isEnabled());
    c.abscissaButtons[0]->click(); // already checked: nothing runs
    EXPECT_EQ(ui.messages.size(), 1);
}

TEST_F(LoadAndPlotTest, OverlayAddsCurvesSingleModeShowsTheSelectionAloneAFrequencyStartsAfresh)
{
    const QImage frame = plot();
    load(FullLens);
    const QImage first = plot();
    c.fNumberButtons[7]->click(); // f-number 16, well apart from 1.4
    const QImage overlaid = plot();
    c.singleModeButton->click();
    EXPECT_TRUE(c.singleModeButton->isChecked());
    const QImage alone = plot();
    c.fNumberButtons[0]->click();
    EXPECT_TRUE(plot() == first);
    c.fNumberButtons[7]->click();
    EXPECT_TRUE(plot() == alone);
    EXPECT_TRUE(overlaid != first && overlaid != alone);
    c.singleModeButton->click(); // back to overlay: redrawn from an empty plot
    EXPECT_FALSE(c.singleModeButton->isChecked());
    EXPECT_TRUE(plot() == alone);
    c.fNumberButtons[0]->click();
    c.frequencyBoxes[2]->click(); // a new frequency set starts from an empty plot as well
    Window single;
    single.load(FullLens);
    single.c.singleModeButton->click();
    single.c.frequencyBoxes[2]->click();
    EXPECT_TRUE(plot() == single.plot());
    c.frequencyBoxes[1]->click();
    c.frequencyBoxes[2]->click(); // no frequency left: the empty frame
    EXPECT_TRUE(plot() == frame);
    EXPECT_TRUE(ui.messages.isEmpty()) << messages();
}

TEST_F(LoadAndPlotTest, AFileWithOneFrequencyDrawsItAndOtherChecksAreKept)
{
    QTemporaryDir dir;
    const QString one = copyOfSmallLens(dir, { "f 10 20", "f 10" }, 1);
    load(one);
    ASSERT_TRUE(ui.messages.isEmpty()) << messages();
    const QImage drawn = plot();
    c.clearButton->click();
    EXPECT_NE(plot(), drawn);
    // Box 2 keeps its check while hidden; with box 3 alone checked, the small
    // file checks box 1; with none checked by the user, none.
    const std::tuple<std::vector<int>, QString, QString> steps[] = {
        { {}, one, "10000000" },      { {}, FullLens, "11000000" },  { { 2, 1, 0 }, one, "10000000" },
        { {}, FullLens, "10100000" }, { { 0, 2 }, one, "00000000" },
    };
    for (const auto& [clicks, file, selected] : steps) {
        for (const int box : clicks) {
            c.frequencyBoxes[static_cast<std::size_t>(box)]->click();
        }
        load(file);
        EXPECT_EQ(selectedFrequencies(form.plotState()), selected);
    }
    EXPECT_FALSE(c.frequencyBoxes[0]->isChecked());
}

// Captions are cut to 5, 3 (after a blank), 6 and 6 or 7 characters.
TEST_F(LoadAndPlotTest, CaptionsAndALongLensNameAreCut)
{
    QTemporaryDir dir;
    load(copyOfSmallLens(dir,
                         { "k 2.8 5.6", "k 22.001 1.4", "y 0 10 21.6", "y 0 10 21.6357", "m 0 -0.1\n",
                           "m -0.0250 -0.12345\n", "f 10 20", "f 100 120 1600", "Obj:Testlinse 2.8/50",
                           "Obj:Sehr langer Objektivname mit viel Text davor 2.8/50" },
                         3));
    ASSERT_TRUE(ui.messages.isEmpty()) << messages();
    QStringList shown;
    for (const QFrame* panel : { c.fNumberPanel, c.frequencyPanel, c.imageHeightPanel, c.magnificationPanel }) {
        for (const QAbstractButton* button : panel->findChildren<QAbstractButton*>()) {
            if (!button->isHidden()) {
                shown << button->text();
            }
        }
    }
    EXPECT_EQ(shown.join('|'), "22.00|1.4| 100| 120| 160|0|10|21.635|-0.025|-0.1234");
    // Elided, not cut mid-letter: the whole name is in the tool tip.
    const QString name = QStringLiteral("Sehr langer Objektivname mit viel Text davor 2.8/50 ");
    EXPECT_EQ(c.lensNameLabel->toolTip(), name);
    EXPECT_TRUE(c.lensNameLabel->text().endsWith(QStringLiteral("…"))) << c.lensNameLabel->text().toStdString();
    EXPECT_TRUE(name.startsWith(c.lensNameLabel->text().chopped(1))) << c.lensNameLabel->text().toStdString();
    EXPECT_LE(c.lensNameLabel->geometry().right(), c.wavelengthLabel->x());
}

} // namespace
