// The whole interactive cycle through the real window: loading lenses with
// a scripted file dialog, the loaded state, abscissa changes, single and
// overlay mode, and the drawn curves checked by pixels.
#include "CurveExtraction.h"
#include "CurvePipeline.h"
#include "FakeUiServices.h"
#include "LensFileReader.h"
#include "MainWindowLayout.h"
#include "TForm2.h"

#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QToolButton>

#include <gtest/gtest.h>

#include <cmath>

namespace {

const QString FullLens = QStringLiteral(LUMIVEX_SOURCE_DIR "/examples/vollformat-objektiv.mtf");
const QString SmallLens = QStringLiteral(LUMIVEX_SOURCE_DIR "/examples/beispiel-testlinse.mtf");
const QString NoFile = QStringLiteral("Noch keine Datei gelesen !");

constexpr QRgb Red = 0xffff0000;
constexpr QRgb Blue = 0xff0000ff;
constexpr QRgb White = 0xffffffff;
constexpr QRgb Black = 0xff000000;

template <typename Controls> QStringList captions(const Controls& controls)
{
    QStringList result;
    for (const auto* control : controls) {
        result << control->text();
    }
    return result;
}

template <typename Controls> QList<bool> shown(const Controls& controls)
{
    QList<bool> result;
    for (const auto* control : controls) {
        result << !control->isHidden();
    }
    return result;
}

QList<bool> firstShown(int count, int total)
{
    QList<bool> result;
    for (int k = 1; k <= total; ++k) {
        result << (k == 1 || k <= count);
    }
    return result;
}

int countPixels(const QImage& image, QRgb colour)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            count += image.pixel(x, y) == colour ? 1 : 0;
        }
    }
    return count;
}

class LoadAndPlotTest : public ::testing::Test
{
protected:
    FakeUiServices ui;
    TForm2 form { ui };
    const MainWindowControls& c = form.controls();

    // One click on the open button whose dialog answers path (nullopt:
    // cancel).
    void load(const std::optional<QString>& path)
    {
        ui.openAnswers.push_back(path);
        c.SpeedButton1->click();
    }

    QImage plot() const { return form.plotImage().convertToFormat(QImage::Format_RGB32); }

    // A copy of the small example with one text replaced.
    QString brokenCopy(const QByteArray& from, const QByteArray& to)
    {
        QFile source(SmallLens);
        EXPECT_TRUE(source.open(QIODevice::ReadOnly));
        QByteArray text = source.readAll();
        EXPECT_TRUE(text.contains(from));
        text.replace(from, to);
        const QString path = m_dir.filePath(QStringLiteral("kopie%1.mtf").arg(++m_copies));
        QFile target(path);
        EXPECT_TRUE(target.open(QIODevice::WriteOnly));
        target.write(text);
        return path;
    }

private:
    QTemporaryDir m_dir;
    int m_copies = 0;
};

TEST_F(LoadAndPlotTest, FirstLoadShowsTheLensAndItsValues)
{
    load(FullLens);
    EXPECT_EQ(ui.openFilters, QStringList { "MTF-Datei|*.mtf" });
    EXPECT_TRUE(ui.messages.isEmpty()) << ui.messages.join('|').toStdString();
    EXPECT_EQ(form.lensData().FileLoaded, 1);

    for (QFrame* panel : { c.Panel1, c.Panel2, c.Panel3, c.Panel4 }) {
        EXPECT_FALSE(panel->isHidden());
    }
    EXPECT_TRUE(c.Memo1->isHidden());
    for (QWidget* button : std::initializer_list<QWidget*> { c.SpeedButton2, c.SpeedButton3, c.BitBtn2, c.BitBtn3 }) {
        EXPECT_TRUE(button->isEnabled());
    }

    // The name runs from column 5 to the third character after the "/".
    EXPECT_EQ(c.Label14->text(), QStringLiteral("Lumivex Normal für KB 1.4/50 "));
    EXPECT_TRUE(c.Label14->font().bold());
    // This name fits before the wavelength lines: shown whole.
    EXPECT_LE(c.Label14->geometry().right(), c.Label7->x());
    EXPECT_GE(c.Label14->width(), c.Label14->sizeHint().width());
    EXPECT_TRUE(c.Label14->toolTip().isEmpty());
    EXPECT_FALSE(c.Label7->isHidden());
    EXPECT_FALSE(c.Label8->isHidden());
    EXPECT_TRUE(c.Label7->text().startsWith(QStringLiteral(" Wellenlängen [nm]   : ")));
    EXPECT_EQ(c.Label7->text(),
              QStringLiteral(" Wellenlängen [nm]   : ") + QString::fromStdString(form.lensData().WavelengthText));
    EXPECT_TRUE(c.Label7->text().contains("546") && c.Label7->text().contains("436"));
    EXPECT_EQ(c.Label8->text(), QStringLiteral(" Rel. Gewichtungen :  1.0 0.6 0.4 0.5 0.2"));

    EXPECT_EQ(captions(c.fNumberButtons), QStringList({ "1.4", "2", "2.8", "4", "5.6", "8", "11", "16" }));
    EXPECT_EQ(captions(c.frequencyBoxes), QStringList({ " 5", " 10", " 20", " 30", " 40", " 50", " 60", " 80" }));
    EXPECT_EQ(captions(c.imageHeightButtons), QStringList({ "0", "4", "8", "12", "16", "21.6" }));
    EXPECT_EQ(captions(c.magnificationButtons),
              QStringList({ "0", "-0.02", "-0.05", "-0.1", "-0.15", "-0.2", "-0.3", "-0.5", "-1" }));
    // Distances rounded half to even; the first magnification is at infinity.
    EXPECT_EQ(captions(c.distanceLabels),
              QStringList({ "unendlich", "2599", "1100", "603", "438", "358", "279", "223", "198" }));
    EXPECT_EQ(shown(c.fNumberButtons), firstShown(8, 8));
    EXPECT_EQ(shown(c.distanceLabels), firstShown(9, 9));

    // The selection the window starts with is untouched; the image height
    // stays the abscissa, its buttons shown but disabled.
    EXPECT_TRUE(c.abscissaButtons[2]->isChecked());
    EXPECT_TRUE(c.fNumberButtons[0]->isChecked());
    EXPECT_TRUE(c.frequencyBoxes[1]->isChecked());
    EXPECT_TRUE(c.magnificationButtons[0]->isChecked());
    EXPECT_FALSE(c.imageHeightButtons[0]->isEnabled());
    EXPECT_FALSE(MainWindowLayout::isPanelRaised(*c.Panel3));
}

TEST_F(LoadAndPlotTest, ALongLensNameIsCutBeforeTheWavelengthsAndWholeInTheToolTip)
{
    load(brokenCopy("Obj:Testlinse 2.8/50", "Obj:Sehr langer Objektivname mit viel Text davor 2.8/50"));
    ASSERT_TRUE(ui.messages.isEmpty()) << ui.messages.join('|').toStdString();
    EXPECT_EQ(c.Label14->text(), QStringLiteral("Sehr langer Objektivname mit viel Text davor 2.8/50 "));
    EXPECT_LE(c.Label14->geometry().right(), c.Label7->x());
    EXPECT_EQ(c.Label14->toolTip(), c.Label14->text());
}

TEST_F(LoadAndPlotTest, FirstLoadDrawsTheSecondFrequencyOverImageHeight)
{
    load(FullLens);
    const QImage image = plot();

    // The support points and samples come from the data pipeline; where
    // they land on the image is computed here, independently of the
    // drawing code.
    const LensData lens = readLensFile(FullLens.toStdString(), LensData {});
    const ExtractedCurve curve = ExtractCurve(lens, Abscissa::ImageHeight, CurveSelection { 2, 1, 1, 1 });
    const SplineWarningSink ignore = [](SplineWarning) {};
    const SeriesCurve sag = ComputeSeries(curve, Series::Sagittal, ignore);
    const SeriesCurve tan = ComputeSeries(curve, Series::Tangential, ignore);
    ASSERT_TRUE(sag.samples.drawable);
    ASSERT_EQ(curve.CurvePointCount, 7);
    ASSERT_DOUBLE_EQ(curve.AbscissaFactor, 1.0);

    auto pixel = [&curve](const CurveSamples& samples, double x, double m) {
        const int px = 40 + static_cast<int>(std::trunc(x * samples.ScaleX * curve.AbscissaFactor));
        const int py = 210 - static_cast<int>(std::trunc(m * samples.ScaleY));
        return QPoint(px, py);
    };
    QList<QPoint> sagMarkers;
    QList<QPoint> tanMarkers;
    for (int j = 1; j <= curve.CurvePointCount; ++j) {
        sagMarkers << pixel(sag.samples, sag.spline.KnotX[j], sag.spline.KnotY[j]);
        tanMarkers << pixel(tan.samples, tan.spline.KnotX[j], tan.spline.KnotY[j]);
    }
    const QList<QPoint> markers = sagMarkers + tanMarkers;
    auto near = [](QPoint p, const QList<QPoint>& others, int distance) {
        return std::any_of(others.begin(), others.end(), [p, distance](QPoint m) {
            return m != p && std::abs(p.x() - m.x()) <= distance && std::abs(p.y() - m.y()) <= distance;
        });
    };
    auto nearMarker = [&markers](QPoint p) {
        return std::any_of(markers.begin(), markers.end(),
                           [p](QPoint m) { return std::abs(p.x() - m.x()) <= 2 && std::abs(p.y() - m.y()) <= 2; });
    };

    // Markers: white inside, black outline, also at the mirrored point left
    // of the axis. The tangential markers come last; a sagittal one can be
    // covered by the tangential line and markers near it.
    auto expectMarker = [&image](QPoint m) {
        EXPECT_EQ(image.pixel(m.x() - 1, m.y() - 1), White) << m.x() << "," << m.y();
        EXPECT_EQ(image.pixel(m.x(), m.y()), White) << m.x() << "," << m.y();
        EXPECT_EQ(image.pixel(m.x() - 2, m.y()), Black) << m.x() << "," << m.y();
        EXPECT_EQ(image.pixel(m.x(), m.y() - 2), Black) << m.x() << "," << m.y();
    };
    int clearMarkers = 0;
    for (QPoint m : tanMarkers) {
        if (!near(m, tanMarkers, 3)) {
            expectMarker(m);
            ++clearMarkers;
        }
    }
    for (QPoint m : sagMarkers) {
        if (!near(m, tanMarkers, 6) && !tanMarkers.contains(m)) {
            expectMarker(m);
            ++clearMarkers;
        }
    }
    EXPECT_GE(clearMarkers, 8);
    EXPECT_LT(tanMarkers.front().x(), 40);

    // Sagittal: solid red through every sample right of the axis, only
    // covered where the dotted blue line (or its white gaps) runs later.
    int red = 0;
    int checked = 0;
    for (int j = 1; j <= 101; ++j) {
        if (sag.samples.CurveSampleX[j] < 0) {
            continue;
        }
        const QPoint p = pixel(sag.samples, sag.samples.CurveSampleX[j], sag.samples.CurveSampleY[j]);
        if (nearMarker(p)) {
            continue;
        }
        ++checked;
        const QRgb colour = image.pixel(p);
        red += colour == Red ? 1 : 0;
        EXPECT_TRUE(colour == Red || colour == Blue || colour == White) << p.x() << "," << p.y();
    }
    EXPECT_GT(checked, 40);
    EXPECT_GT(red, checked * 6 / 10);

    // Tangential: every dotted segment starts on a sample i, i + 4, ...
    // from the first one right of the axis, with a painted dot.
    int first = 1;
    while (tan.samples.CurveSampleX[first] < 0) {
        ++first;
    }
    int dots = 0;
    for (int j = first; j + 4 <= 101; j += 4) {
        const QPoint p = pixel(tan.samples, tan.samples.CurveSampleX[j], tan.samples.CurveSampleY[j]);
        if (!nearMarker(p)) {
            EXPECT_EQ(image.pixel(p), Blue) << j << ": " << p.x() << "," << p.y();
            ++dots;
        }
    }
    EXPECT_GT(dots, 10);
    // Nothing drawn right of the plot area.
    for (int y = 0; y < 250; ++y) {
        for (int x = 212; x < 250; ++x) {
            const QRgb colour = image.pixel(x, y);
            ASSERT_TRUE(colour != Red && colour != Blue) << x << "," << y;
        }
    }
}

TEST_F(LoadAndPlotTest, SecondLoadsHideAndShowTheSurplusControls)
{
    load(FullLens);
    load(SmallLens);
    // 2 f-numbers, 2 frequencies, 3 image heights, 2 magnifications.
    EXPECT_EQ(shown(c.fNumberButtons), firstShown(2, 8));
    EXPECT_EQ(shown(c.frequencyBoxes), firstShown(2, 8));
    EXPECT_EQ(shown(c.imageHeightButtons), firstShown(3, 6));
    EXPECT_EQ(shown(c.magnificationButtons), firstShown(2, 9));
    // Distance labels go with their buttons.
    EXPECT_EQ(shown(c.distanceLabels), firstShown(2, 9));
    EXPECT_EQ(captions(c.fNumberButtons).mid(0, 3), QStringList({ "2.8", "5.6", "2.8" }));
    EXPECT_EQ(captions(c.frequencyBoxes).mid(0, 2), QStringList({ " 10", " 20" }));
    EXPECT_EQ(captions(c.distanceLabels).mid(0, 2), QStringList({ "unendlich", "604" }));
    EXPECT_EQ(c.Label14->text(), "Testlinse 2.8/50 ");
    EXPECT_EQ(c.Label14->width(), c.Label14->sizeHint().width());
    EXPECT_EQ(c.Label14->toolTip(), "");
    // The prefix once, followed by the second file's text only.
    EXPECT_EQ(c.Label7->text(),
              QStringLiteral(" Wellenlängen [nm]   : ") + QString::fromStdString(form.lensData().WavelengthText));
    EXPECT_EQ(c.Label8->text(), QStringLiteral(" Rel. Gewichtungen :  1.0 0.5 0.5"));

    load(FullLens);
    EXPECT_EQ(shown(c.fNumberButtons), firstShown(8, 8));
    EXPECT_EQ(shown(c.frequencyBoxes), firstShown(8, 8));
    EXPECT_EQ(shown(c.imageHeightButtons), firstShown(6, 6));
    EXPECT_EQ(shown(c.magnificationButtons), firstShown(9, 9));
    EXPECT_EQ(shown(c.distanceLabels), firstShown(9, 9));
    EXPECT_EQ(captions(c.frequencyBoxes), QStringList({ " 5", " 10", " 20", " 30", " 40", " 50", " 60", " 80" }));
    EXPECT_TRUE(ui.messages.isEmpty()) << ui.messages.join('|').toStdString();
}

TEST_F(LoadAndPlotTest, CancelledFirstDialogLeavesTheLoadedLookAndRefusesOnce)
{
    load(std::nullopt);
    EXPECT_EQ(ui.messages, QStringList { NoFile });
    EXPECT_EQ(form.lensData().FileLoaded, 0);
    EXPECT_TRUE(c.Memo1->isHidden());
    EXPECT_FALSE(c.Panel1->isHidden());
    EXPECT_TRUE(c.BitBtn2->isEnabled());
    EXPECT_EQ(c.Label14->text(), "");
    EXPECT_EQ(c.Label7->text(), QStringLiteral(" Wellenlängen [nm]   : "));
    EXPECT_EQ(c.Label8->text(), QStringLiteral(" Rel. Gewichtungen :  "));
    EXPECT_FALSE(c.Label7->isHidden());
    EXPECT_EQ(c.fNumberButtons[0]->text(), "");
    EXPECT_EQ(c.frequencyBoxes[0]->text(), " ");
    EXPECT_EQ(c.imageHeightButtons[0]->text(), "");
    EXPECT_EQ(c.magnificationButtons[0]->text(), "");
    EXPECT_EQ(shown(c.fNumberButtons), firstShown(0, 8));
    EXPECT_EQ(shown(c.frequencyBoxes), firstShown(0, 8));
    EXPECT_EQ(shown(c.magnificationButtons), firstShown(0, 9));

    // The draw button refuses as well, once per click.
    c.BitBtn2->click();
    EXPECT_EQ(ui.messages, QStringList({ NoFile, NoFile }));
}

TEST_F(LoadAndPlotTest, CancelAfterALoadKeepsTheLensAndDrawsItAgain)
{
    load(FullLens);
    const QImage before = plot();
    const LensData lens = form.lensData();
    load(std::nullopt);
    EXPECT_TRUE(ui.messages.isEmpty());
    EXPECT_TRUE(form.lensData() == lens);
    EXPECT_EQ(c.Label14->text(), QStringLiteral("Lumivex Normal für KB 1.4/50 "));
    EXPECT_EQ(captions(c.fNumberButtons), QStringList({ "1.4", "2", "2.8", "4", "5.6", "8", "11", "16" }));
    // The same curves once more over themselves.
    EXPECT_TRUE(plot() == before);
}

TEST_F(LoadAndPlotTest, UnopenableFileShowsItsMessageAndChangesNothing)
{
    load(QStringLiteral("/nonexistent/objektiv.mtf"));
    EXPECT_EQ(ui.messages, QStringList { "Abbruch beim Dateilesen" });
    EXPECT_EQ(form.lensData().FileLoaded, 0);
    EXPECT_TRUE(c.Label7->isHidden()) << "the captions are not touched";
    // The steps before the dialog have happened.
    EXPECT_FALSE(c.Panel1->isHidden());
    EXPECT_TRUE(c.Memo1->isHidden());

    load(FullLens);
    const QImage before = plot();
    const LensData lens = form.lensData();
    ui.messages.clear();
    load(QStringLiteral("/nonexistent/objektiv.mtf"));
    EXPECT_EQ(ui.messages, QStringList { "Abbruch beim Dateilesen" });
    EXPECT_TRUE(form.lensData() == lens);
    EXPECT_EQ(c.Label14->text(), QStringLiteral("Lumivex Normal für KB 1.4/50 "));
    EXPECT_TRUE(plot() == before);
}

TEST_F(LoadAndPlotTest, MalformedFileIsReportedWithItsLineAndChangesNothing)
{
    load(FullLens);
    const QImage before = plot();
    const LensData lens = form.lensData();
    ui.messages.clear();

    load(brokenCopy("y1 92 85 \n", "y1 92 300 \n"));
    ASSERT_EQ(ui.messages.size(), 1);
    EXPECT_TRUE(ui.messages[0].startsWith("Zeile 24: ")) << ui.messages[0].toStdString();
    EXPECT_TRUE(ui.messages[0].contains("300"));
    EXPECT_TRUE(form.lensData() == lens);
    EXPECT_EQ(c.Label14->text(), QStringLiteral("Lumivex Normal für KB 1.4/50 "));
    EXPECT_EQ(shown(c.fNumberButtons), firstShown(8, 8));
    EXPECT_TRUE(plot() == before);
}

TEST_F(LoadAndPlotTest, EveryAbscissaChangeAfterALoad)
{
    load(FullLens);
    struct Row
    {
        int button;   // index in the abscissa group
        QFrame* own;  // the panel lowered and disabled
        bool tickRow; // "0" .. "100" under the x axis
        const char* range;
    };
    const Row rows[] = {
        { 0, c.Panel1, false, "min <=                     k                    => max" },
        { 1, c.Panel2, false, "min <=                  LP/mm             => max" },
        { 3, c.Panel4, false, "min <=                    ß '                   => max" },
        { 2, c.Panel3, true, "                              y ' [%]                           " },
    };
    for (const Row& row : rows) {
        c.abscissaButtons[static_cast<std::size_t>(row.button)]->click();
        EXPECT_TRUE(ui.messages.isEmpty()) << row.button;
        EXPECT_EQ(form.axisTexts().AxisRangeText, QString::fromUtf8(row.range)) << row.button;
        for (QFrame* panel : { c.Panel1, c.Panel2, c.Panel3, c.Panel4 }) {
            const bool own = panel == row.own;
            EXPECT_EQ(MainWindowLayout::isPanelRaised(*panel), !own) << row.button;
            for (QWidget* control : panel->findChildren<QWidget*>()) {
                EXPECT_EQ(control->isEnabled(), !own) << row.button << " " << control->objectName().toStdString();
            }
        }
        // The tick values under the x axis: ink only for the image height.
        const QImage image = plot();
        int ink = 0;
        for (int y = 214; y <= 224; ++y) {
            for (int x = 36; x <= 200; ++x) {
                ink += qGray(image.pixel(x, y)) < 128 ? 1 : 0;
            }
        }
        EXPECT_EQ(ink > 0, row.tickRow) << row.button;
        // The curves are there (over the on-axis image height the dotted
        // tangential line covers the equal sagittal one).
        EXPECT_GT(countPixels(image, Red) + countPixels(image, Blue), 50) << row.button;
    }
}

TEST_F(LoadAndPlotTest, AbscissaChangeBeforeALoad)
{
    // The frequency first: the boxes have never been read, no message.
    c.abscissaButtons[1]->click();
    EXPECT_TRUE(ui.messages.isEmpty());
    EXPECT_FALSE(MainWindowLayout::isPanelRaised(*c.Panel2));
    EXPECT_FALSE(c.frequencyBoxes[0]->isEnabled());
    // Then the f-number: the boxes are read, frequency 2 is checked.
    c.abscissaButtons[0]->click();
    EXPECT_EQ(ui.messages, QStringList { NoFile });
    EXPECT_EQ(form.axisTexts(), axisTextsFor(Abscissa::FNumber));
    EXPECT_FALSE(MainWindowLayout::isPanelRaised(*c.Panel1));
    EXPECT_TRUE(MainWindowLayout::isPanelRaised(*c.Panel2));
    EXPECT_FALSE(c.fNumberButtons[0]->isEnabled());
    EXPECT_TRUE(c.frequencyBoxes[0]->isEnabled());
    // Choosing the checked button again runs nothing.
    c.abscissaButtons[0]->click();
    EXPECT_EQ(ui.messages.size(), 1);
    c.abscissaButtons[3]->click();
    EXPECT_EQ(ui.messages.size(), 2);
    EXPECT_FALSE(c.distanceLabels[4]->isEnabled());
    c.abscissaButtons[2]->click();
    EXPECT_EQ(ui.messages.size(), 3);
    EXPECT_TRUE(c.distanceLabels[4]->isEnabled());
}

TEST_F(LoadAndPlotTest, OverlayAddsCurvesAndSingleModeShowsOnlyTheSelection)
{
    const QImage frame = plot();
    load(FullLens);
    const QImage firstFNumber = plot();
    c.fNumberButtons[7]->click(); // f-number 16, well apart from 1.4
    const QImage overlaid = plot();

    c.SpeedButton3->click(); // single mode: clear, then draw f-number 16 alone
    EXPECT_TRUE(c.SpeedButton3->isChecked());
    const QImage lastAlone = plot();
    c.fNumberButtons[0]->click();
    EXPECT_TRUE(plot() == firstFNumber) << "single mode shows the selection alone";
    c.fNumberButtons[7]->click();
    EXPECT_TRUE(plot() == lastAlone);

    // Overlay: what f-number 16 drew lies on top of what f-number 1.4 drew.
    int fromLast = 0;
    int fromFirst = 0;
    for (int y = 0; y < 250; ++y) {
        for (int x = 0; x < 250; ++x) {
            if (lastAlone.pixel(x, y) != frame.pixel(x, y)) {
                ASSERT_EQ(overlaid.pixel(x, y), lastAlone.pixel(x, y)) << x << "," << y;
                ++fromLast;
            } else if (firstFNumber.pixel(x, y) != frame.pixel(x, y)
                       && overlaid.pixel(x, y) == firstFNumber.pixel(x, y)) {
                // Still there, unless a white gap of the later dotted line
                // fell on it.
                ++fromFirst;
            }
        }
    }
    EXPECT_GT(fromLast, 100);
    EXPECT_GT(fromFirst, 30);

    c.SpeedButton3->click(); // back to overlay: redrawn from an empty plot
    EXPECT_FALSE(c.SpeedButton3->isChecked());
    EXPECT_TRUE(plot() == lastAlone);
    EXPECT_TRUE(ui.messages.isEmpty());
}

TEST_F(LoadAndPlotTest, FrequencyChangeClearsThePlotInOverlayMode)
{
    load(FullLens);
    c.fNumberButtons[7]->click(); // a second pair of curves
    c.frequencyBoxes[2]->click(); // frequency 3 as well: starts from empty

    // The same selection drawn in single mode in a second window.
    FakeUiServices otherUi;
    TForm2 other(otherUi);
    otherUi.openAnswers.push_back(FullLens);
    other.controls().SpeedButton1->click();
    other.controls().SpeedButton3->click();
    other.controls().fNumberButtons[7]->click();
    other.controls().frequencyBoxes[2]->click();
    EXPECT_TRUE(plot() == other.plotImage().convertToFormat(QImage::Format_RGB32));

    c.frequencyBoxes[1]->click();
    c.frequencyBoxes[2]->click(); // no frequency left: the empty frame
    EXPECT_EQ(countPixels(plot(), Red), 0);
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
    for (QAbstractButton* first :
         { static_cast<QAbstractButton*>(c.fNumberButtons[0]), static_cast<QAbstractButton*>(c.imageHeightButtons[0]),
           static_cast<QAbstractButton*>(c.magnificationButtons[0]) }) {
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
    const int expected[] = { 0, 1, 0, 0, 0, 0, 0, 0 };
    for (int i = 1; i <= 8; ++i) {
        EXPECT_EQ(form.plotState().FrequencySelected[i], expected[i - 1]) << i;
    }
    EXPECT_EQ(form.plotState().selection.FrequencyIndex, 2);
    EXPECT_EQ(form.plotState().selection.FNumberIndex, 1);
    EXPECT_EQ(form.plotState().selection.MagnificationIndex, 1);

    // A later file that shows the box again counts it again.
    load(FullLens);
    EXPECT_EQ(form.plotState().FrequencySelected[7], 1);
    EXPECT_EQ(form.plotState().selection.FrequencyIndex, 7);
}

TEST_F(LoadAndPlotTest, SplineWarningsAreModalMessagesInOrder)
{
    // Image heights 0 0 21.6: the support points -0, 0, 0, 21.6 have two
    // intervals of zero width, each reported by both tests, sagittal first.
    load(brokenCopy("y 0 10 21.6", "y 0 0 21.6"));
    const QString singular = QStringLiteral("Funktion singulär");
    const QString notMonotonic = QStringLiteral("Funktion nicht monoton");
    EXPECT_EQ(ui.messages,
              QStringList(
                  { singular, notMonotonic, singular, notMonotonic, singular, notMonotonic, singular, notMonotonic }));
    // Drawing went on: the markers are there, and nothing runs wild across
    // the image.
    const QImage image = plot();
    EXPECT_GT(countPixels(image, Black), 0);
    for (int y = 0; y < 250; ++y) {
        for (int x = 0; x < 250; ++x) {
            const QRgb colour = image.pixel(x, y);
            if (colour == Red || colour == Blue) {
                ASSERT_TRUE(x >= 38 && x <= 212 && y >= 38 && y <= 212) << x << "," << y;
            }
        }
    }
}

} // namespace
