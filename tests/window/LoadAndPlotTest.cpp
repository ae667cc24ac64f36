// The whole interactive cycle through the real window: loading lenses with
// a scripted file dialog, the loaded state, abscissa changes, single and
// overlay mode, and the drawn curves checked by pixels.
#include "LensPresentation.h"
#include "MainWindowLayout.h"
#include "WindowTestSupport.h"

#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>

namespace {

constexpr QRgb Red = 0xffff0000;
constexpr QRgb Blue = 0xff0000ff;
constexpr QRgb White = 0xffffffff;
constexpr QRgb Black = 0xff000000;

template <typename Controls> QString captions(const Controls& controls)
{
    QStringList result;
    for (const auto* control : controls) {
        result << control->text();
    }
    return result.join('|');
}

// How many controls are shown from the first on; -1 when a hidden one comes
// before a shown one.
template <typename Controls> int shownCount(const Controls& controls)
{
    int count = 0;
    for (std::size_t k = 0; k < controls.size(); ++k) {
        if (!controls[k]->isHidden()) {
            count = count == static_cast<int>(k) ? count + 1 : -1;
        }
    }
    return count;
}

// The shown counts of f-numbers, frequencies, image heights, magnifications
// and distance labels.
QString shownCounts(const MainWindowControls& c)
{
    return QStringLiteral("%1 %2 %3 %4 %5")
        .arg(shownCount(c.fNumberButtons))
        .arg(shownCount(c.frequencyBoxes))
        .arg(shownCount(c.imageHeightButtons))
        .arg(shownCount(c.magnificationButtons))
        .arg(shownCount(c.distanceLabels));
}

int countPixels(const QImage& image, const std::function<bool(int x, int y, QRgb)>& counts)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            count += counts(x, y, image.pixel(x, y)) ? 1 : 0;
        }
    }
    return count;
}

TEST(LensPresentation, CaptionsAreCutToTheirLimits)
{
    LensData lens;
    lens.LensName = "Prüfling 2.8/50 ";
    lens.WavelengthText = "    546    480";
    lens.WeightText = "1.0 0.5";
    lens.FNumberCount = lens.FrequencyCount = lens.ImageHeightCount = lens.MagnificationCount = 3;
    lens.FNumberText[1] = "1.4142";
    lens.FrequencyText[1] = "1200";
    lens.FrequencyText[2] = "ä5"; // a character is one, not two bytes
    lens.ImageHeightText[1][2] = "10.12345";
    lens.ImageHeightText[2][2] = "other row, not shown";
    lens.MagnificationText[1] = "-0.0250";
    lens.MagnificationText[2] = "-0.0250";
    lens.MagnificationText[3] = "-0.12345678";
    const LensPresentation shown = presentLens(lens, " W : ", " G : ");
    EXPECT_EQ(shown.lensName, QStringLiteral("Prüfling 2.8/50 "));
    EXPECT_EQ(shown.wavelengthCaption, " W :     546    480");
    EXPECT_EQ(shown.weightCaption, " G : 1.0 0.5");
    EXPECT_EQ(shown.fNumbers[0].caption, QString("1.414"));
    EXPECT_EQ(shown.frequencies[0].caption, QString(" 120"));
    EXPECT_EQ(shown.frequencies[1].caption, QStringLiteral(" ä5"));
    EXPECT_EQ(shown.imageHeights[1].caption, QString("10.123"));
    EXPECT_EQ(shown.magnifications[0].caption, QString("-0.025"));
    EXPECT_EQ(shown.magnifications[1].caption, QString("-0.0250"));
    EXPECT_EQ(shown.magnifications[2].caption, QString("-0.1234"));
}

struct LoadAndPlotTest : ::testing::Test, Window
{
};

TEST_F(LoadAndPlotTest, FirstLoadShowsTheLensAndItsValues)
{
    load(FullLens);
    EXPECT_EQ(ui.openFilters, QStringList { "MTF-Datei|*.mtf" });
    EXPECT_TRUE(ui.messages.isEmpty()) << ui.messages.join('|').toStdString();
    EXPECT_EQ(form.lensData().FileLoaded, 1);
    for (QWidget* shown : std::initializer_list<QWidget*> { c.fNumberPanel, c.frequencyPanel, c.imageHeightPanel,
                                                            c.magnificationPanel, c.wavelengthLabel, c.weightLabel }) {
        EXPECT_FALSE(shown->isHidden()) << shown->objectName().toStdString();
    }
    EXPECT_TRUE(c.instructionText->isHidden());
    for (QWidget* button :
         std::initializer_list<QWidget*> { c.printButton, c.singleModeButton, c.drawButton, c.clearButton }) {
        EXPECT_TRUE(button->isEnabled()) << button->objectName().toStdString();
    }

    // The name runs from column 5 to the third character after the "/"; it
    // fits before the wavelength lines and is shown whole.
    EXPECT_EQ(c.lensNameLabel->text(), QStringLiteral("Lumivex Normal für KB 1.4/50 "));
    EXPECT_TRUE(c.lensNameLabel->font().bold());
    EXPECT_LE(c.lensNameLabel->geometry().right(), c.wavelengthLabel->x());
    EXPECT_GE(c.lensNameLabel->width(), c.lensNameLabel->sizeHint().width());
    EXPECT_TRUE(c.lensNameLabel->toolTip().isEmpty());
    EXPECT_EQ(c.wavelengthLabel->text(),
              QStringLiteral(" Wellenlängen [nm]   : ") + QString::fromStdString(form.lensData().WavelengthText));
    EXPECT_TRUE(c.wavelengthLabel->text().contains("546") && c.wavelengthLabel->text().contains("436"));
    EXPECT_EQ(c.weightLabel->text(), QStringLiteral(" Rel. Gewichtungen :  1.0 0.6 0.4 0.5 0.2"));

    EXPECT_EQ(captions(c.fNumberButtons), "1.4|2|2.8|4|5.6|8|11|16");
    EXPECT_EQ(captions(c.frequencyBoxes), " 5| 10| 20| 30| 40| 50| 60| 80");
    EXPECT_EQ(captions(c.imageHeightButtons), "0|4|8|12|16|21.6");
    EXPECT_EQ(captions(c.magnificationButtons), "0|-0.02|-0.05|-0.1|-0.15|-0.2|-0.3|-0.5|-1");
    // Distances rounded half to even; the first magnification is at infinity.
    EXPECT_EQ(captions(c.distanceLabels), "unendlich|2599|1100|603|438|358|279|223|198");
    EXPECT_EQ(shownCounts(c), "8 8 6 9 9");

    // The start selection is untouched; the image height stays the
    // abscissa, its buttons shown but disabled.
    EXPECT_TRUE(c.abscissaButtons[2]->isChecked());
    EXPECT_TRUE(c.fNumberButtons[0]->isChecked());
    EXPECT_TRUE(c.frequencyBoxes[1]->isChecked());
    EXPECT_TRUE(c.magnificationButtons[0]->isChecked());
    EXPECT_FALSE(c.imageHeightButtons[0]->isEnabled());
    EXPECT_FALSE(MainWindowLayout::isPanelRaised(*c.imageHeightPanel));
}

TEST_F(LoadAndPlotTest, ALongLensNameIsCutBeforeTheWavelengthsAndWholeInTheToolTip)
{
    QTemporaryDir dir;
    load(copyOfSmallLens(dir, "Obj:Testlinse 2.8/50", "Obj:Sehr langer Objektivname mit viel Text davor 2.8/50"));
    ASSERT_TRUE(ui.messages.isEmpty()) << ui.messages.join('|').toStdString();
    EXPECT_EQ(c.lensNameLabel->text(), QStringLiteral("Sehr langer Objektivname mit viel Text davor 2.8/50 "));
    EXPECT_LE(c.lensNameLabel->geometry().right(), c.wavelengthLabel->x());
    EXPECT_EQ(c.lensNameLabel->toolTip(), c.lensNameLabel->text());
}

TEST_F(LoadAndPlotTest, FirstLoadDrawsTheSecondFrequencyInsideThePlotArea)
{
    // Where each point lands is the plot tests' business (and the export
    // match test's); here: the load draws both series, nothing beyond the
    // plot area, and left of the axis only the mirrored markers.
    load(FullLens);
    const QImage image = plot();
    EXPECT_GT(countPixels(image, [](int, int, QRgb p) { return p == Red; }), 100);
    EXPECT_GT(countPixels(image, [](int, int, QRgb p) { return p == Blue; }), 300);
    EXPECT_EQ(countPixels(image, [](int x, int, QRgb p) { return x >= 212 && (p == Red || p == Blue); }), 0);
    EXPECT_EQ(countPixels(image, [](int x, int, QRgb p) { return x < 36 && p == Red; }), 0);
}

TEST_F(LoadAndPlotTest, SecondLoadsHideAndShowTheSurplusControls)
{
    load(FullLens);
    load(SmallLens);
    // 2 f-numbers, 2 frequencies, 3 image heights, 2 magnifications; the
    // distance labels go with their buttons, and hidden controls keep
    // their captions.
    EXPECT_EQ(shownCounts(c), "2 2 3 2 2");
    EXPECT_EQ(captions(c.fNumberButtons), "2.8|5.6|2.8|4|5.6|8|11|16");
    EXPECT_EQ(captions(c.frequencyBoxes).left(7), " 10| 20");
    EXPECT_EQ(captions(c.distanceLabels).left(13), "unendlich|604");
    EXPECT_EQ(c.lensNameLabel->text(), "Testlinse 2.8/50 ");
    EXPECT_EQ(c.lensNameLabel->width(), c.lensNameLabel->sizeHint().width());
    EXPECT_EQ(c.lensNameLabel->toolTip(), "");
    // The prefix once, followed by the second file's text only.
    EXPECT_EQ(c.wavelengthLabel->text(),
              QStringLiteral(" Wellenlängen [nm]   : ") + QString::fromStdString(form.lensData().WavelengthText));
    EXPECT_EQ(c.weightLabel->text(), QStringLiteral(" Rel. Gewichtungen :  1.0 0.5 0.5"));

    load(FullLens);
    EXPECT_EQ(shownCounts(c), "8 8 6 9 9");
    EXPECT_EQ(captions(c.frequencyBoxes), " 5| 10| 20| 30| 40| 50| 60| 80");
    EXPECT_TRUE(ui.messages.isEmpty()) << ui.messages.join('|').toStdString();
}

TEST_F(LoadAndPlotTest, CancelledFirstDialogLeavesTheLoadedLookAndRefusesOncePerClick)
{
    load(std::nullopt);
    EXPECT_EQ(ui.messages, QStringList { NoFile });
    EXPECT_EQ(form.lensData().FileLoaded, 0);
    EXPECT_TRUE(c.instructionText->isHidden());
    EXPECT_FALSE(c.fNumberPanel->isHidden());
    EXPECT_TRUE(c.drawButton->isEnabled());
    // The empty data set: the prefixes alone, the first control of each
    // panel shown with an empty caption (a blank for the frequencies).
    EXPECT_EQ(c.lensNameLabel->text(), "");
    EXPECT_EQ(c.wavelengthLabel->text(), QStringLiteral(" Wellenlängen [nm]   : "));
    EXPECT_EQ(c.weightLabel->text(), QStringLiteral(" Rel. Gewichtungen :  "));
    EXPECT_FALSE(c.wavelengthLabel->isHidden());
    EXPECT_EQ(c.fNumberButtons[0]->text() + c.imageHeightButtons[0]->text() + c.magnificationButtons[0]->text(), "");
    EXPECT_EQ(c.frequencyBoxes[0]->text(), " ");
    EXPECT_EQ(shownCounts(c), "1 1 1 1 1");

    c.drawButton->click();
    EXPECT_EQ(ui.messages, QStringList({ NoFile, NoFile }));
}

TEST_F(LoadAndPlotTest, CancelAfterALoadKeepsTheLensAndDrawsItAgain)
{
    load(FullLens);
    const WindowSnapshot before = WindowSnapshot::of(form);
    load(std::nullopt);
    EXPECT_TRUE(ui.messages.isEmpty());
    // The same curves once more over themselves.
    EXPECT_TRUE(sameWindow(before, WindowSnapshot::of(form)));
}

TEST_F(LoadAndPlotTest, EveryAbscissaChangeAfterALoad)
{
    load(FullLens);
    struct Row
    {
        int button;   // index in the abscissa group
        QFrame* own;  // the panel lowered and disabled
        bool tickRow; // "0" .. "100" under the x axis
        Abscissa abscissa;
    };
    const Row rows[] = {
        { 0, c.fNumberPanel, false, Abscissa::FNumber },
        { 1, c.frequencyPanel, false, Abscissa::Frequency },
        { 3, c.magnificationPanel, false, Abscissa::Magnification },
        { 2, c.imageHeightPanel, true, Abscissa::ImageHeight },
    };
    for (const Row& row : rows) {
        c.abscissaButtons[static_cast<std::size_t>(row.button)]->click();
        EXPECT_TRUE(ui.messages.isEmpty()) << row.button;
        EXPECT_EQ(form.plotState().texts, axisTextsFor(row.abscissa)) << row.button;
        for (QFrame* panel : { c.fNumberPanel, c.frequencyPanel, c.imageHeightPanel, c.magnificationPanel }) {
            const bool own = panel == row.own;
            EXPECT_EQ(MainWindowLayout::isPanelRaised(*panel), !own) << row.button;
            // Every control of the panel, the distance labels included.
            for (QWidget* control : panel->findChildren<QWidget*>()) {
                EXPECT_EQ(control->isEnabled(), !own) << row.button << " " << control->objectName().toStdString();
            }
        }
        // Ink under the x axis only for the image height; the curves are
        // there (over the on-axis image height the dotted tangential line
        // covers the equal sagittal one).
        const QImage image = plot();
        const int ink = countPixels(
            image, [](int x, int y, QRgb p) { return y >= 214 && y <= 224 && x >= 36 && x <= 200 && qGray(p) < 128; });
        EXPECT_EQ(ink > 0, row.tickRow) << row.button;
        EXPECT_GT(countPixels(image, [](int, int, QRgb p) { return p == Red || p == Blue; }), 50) << row.button;
    }
}

TEST_F(LoadAndPlotTest, AbscissaChangeBeforeALoadRunsOnlyWhenTheButtonBecomesChecked)
{
    c.abscissaButtons[1]->click(); // the frequency: the boxes are not read
    EXPECT_TRUE(ui.messages.isEmpty());
    EXPECT_FALSE(MainWindowLayout::isPanelRaised(*c.frequencyPanel));
    c.abscissaButtons[0]->click(); // the f-number: frequency 2 is read
    EXPECT_EQ(ui.messages, QStringList { NoFile });
    EXPECT_EQ(form.plotState().texts, axisTextsFor(Abscissa::FNumber));
    EXPECT_FALSE(c.fNumberButtons[0]->isEnabled());
    EXPECT_TRUE(c.frequencyBoxes[0]->isEnabled());
    c.abscissaButtons[0]->click(); // already checked: nothing runs
    EXPECT_EQ(ui.messages.size(), 1);
}

TEST_F(LoadAndPlotTest, OverlayAddsCurvesAndSingleModeShowsOnlyTheSelection)
{
    const QImage frame = plot();
    load(FullLens);
    const QImage firstFNumber = plot();
    c.fNumberButtons[7]->click(); // f-number 16, well apart from 1.4
    const QImage overlaid = plot();

    c.singleModeButton->click(); // single mode: clear, then draw f-number 16 alone
    EXPECT_TRUE(c.singleModeButton->isChecked());
    const QImage lastAlone = plot();
    c.fNumberButtons[0]->click();
    EXPECT_TRUE(plot() == firstFNumber) << "single mode shows the selection alone";
    c.fNumberButtons[7]->click();
    EXPECT_TRUE(plot() == lastAlone);

    // Overlay: what f-number 16 drew lies on top of what f-number 1.4 drew,
    // which is still there unless a white gap of the later dotted line fell
    // on it.
    const int fromLast = countPixels(lastAlone, [&](int x, int y, QRgb p) { return p != frame.pixel(x, y); });
    EXPECT_EQ(countPixels(lastAlone,
                          [&](int x, int y, QRgb p) { return p != frame.pixel(x, y) && overlaid.pixel(x, y) == p; }),
              fromLast);
    EXPECT_GT(fromLast, 100);
    EXPECT_GT(countPixels(firstFNumber,
                          [&](int x, int y, QRgb p) {
                              return p != frame.pixel(x, y) && lastAlone.pixel(x, y) == frame.pixel(x, y)
                                  && overlaid.pixel(x, y) == p;
                          }),
              30);

    c.singleModeButton->click(); // back to overlay: redrawn from an empty plot
    EXPECT_FALSE(c.singleModeButton->isChecked());
    EXPECT_TRUE(plot() == lastAlone);
    EXPECT_TRUE(ui.messages.isEmpty());
}

TEST_F(LoadAndPlotTest, AFrequencyChangeStartsFromAnEmptyPlotInOverlayMode)
{
    load(FullLens);
    c.fNumberButtons[7]->click(); // a second pair of curves
    c.frequencyBoxes[2]->click(); // frequency 3 as well: starts from empty

    // The same selection drawn in single mode in a second window.
    Window other;
    other.load(FullLens);
    other.c.singleModeButton->click();
    other.c.fNumberButtons[7]->click();
    other.c.frequencyBoxes[2]->click();
    EXPECT_TRUE(plot() == other.plot());

    c.frequencyBoxes[1]->click();
    c.frequencyBoxes[2]->click(); // no frequency left: the empty frame
    EXPECT_EQ(countPixels(plot(), [](int, int, QRgb p) { return p == Red; }), 0);
    EXPECT_TRUE(ui.messages.isEmpty());
}

TEST_F(LoadAndPlotTest, HiddenControlsNeverCountAsSelected)
{
    load(FullLens);
    c.fNumberButtons[4]->click(); // f-number 5
    c.imageHeightButtons[5]->setChecked(true);
    c.magnificationButtons[6]->click(); // magnification 7
    c.frequencyBoxes[6]->click();       // frequency 7 as well
    ASSERT_TRUE(ui.messages.isEmpty());

    int toggles = 0;
    for (QAbstractButton* first : std::initializer_list<QAbstractButton*> {
             c.fNumberButtons[0], c.imageHeightButtons[0], c.magnificationButtons[0] }) {
        QObject::connect(first, &QAbstractButton::toggled, &form, [&toggles] { ++toggles; });
    }
    load(SmallLens);
    EXPECT_TRUE(ui.messages.isEmpty()) << ui.messages.join('|').toStdString();
    // The first buttons take over, without running a handler.
    EXPECT_TRUE(c.fNumberButtons[0]->isChecked());
    EXPECT_TRUE(c.imageHeightButtons[0]->isChecked());
    EXPECT_TRUE(c.magnificationButtons[0]->isChecked());
    EXPECT_EQ(toggles, 0);
    // The hidden box keeps its mark but does not count.
    EXPECT_TRUE(c.frequencyBoxes[6]->isChecked());
    const CurveSelection& last = form.plotState().selection;
    EXPECT_EQ(selectedFrequencies(form.plotState()), "01000000");
    EXPECT_EQ(QList<int>({ last.FrequencyIndex, last.FNumberIndex, last.MagnificationIndex }), QList<int>({ 2, 1, 1 }));
    load(FullLens); // a later file that shows the box again counts it again
    EXPECT_EQ(selectedFrequencies(form.plotState()), "01000010");
    EXPECT_EQ(last.FrequencyIndex, 7);
}

} // namespace
