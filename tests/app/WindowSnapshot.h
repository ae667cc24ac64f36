#pragma once

#include "QtPrinters.h"
#include "TForm2.h"

#include <QAbstractButton>
#include <QFrame>
#include <QImage>
#include <QLabel>
#include <QPlainTextEdit>

#include <gtest/gtest.h>

#include <map>
#include <ostream>
#include <sstream>

// Everything a user can see of one control, and whether it reacts.
struct ControlLook
{
    bool hidden = false;
    bool enabled = true;
    QString text;
    QString toolTip;
    bool checked = false;
    int shadow = 0; // frames: raised or sunken
    QRect geometry;

    bool operator==(const ControlLook&) const = default;
};

inline void PrintTo(const ControlLook& look, std::ostream* out)
{
    *out << (look.hidden ? "hidden" : "shown") << (look.enabled ? " enabled" : " disabled") << " \""
         << look.text.toStdString() << "\" tip \"" << look.toolTip.toStdString() << "\""
         << (look.checked ? " checked" : "") << " shadow " << look.shadow << " at " << look.geometry.x() << ","
         << look.geometry.y() << " " << look.geometry.width() << "x" << look.geometry.height();
}

// The window as the user sees it: every named control, the plot's pixels,
// and the state behind them.
struct WindowSnapshot
{
    std::map<QString, ControlLook> controls;
    QImage plot;
    LensData lens;
    PlotState plotState;

    static WindowSnapshot of(const TForm2& form)
    {
        WindowSnapshot snapshot;
        for (const QWidget* widget : form.findChildren<QWidget*>()) {
            if (widget->objectName().isEmpty() || widget->objectName().startsWith(QLatin1String("qt_"))) {
                continue; // the inner parts of Qt's own widgets
            }
            ControlLook look;
            look.hidden = widget->isHidden();
            look.enabled = widget->isEnabled();
            look.toolTip = widget->toolTip();
            look.geometry = widget->geometry();
            if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) {
                look.text = button->text();
                look.checked = button->isChecked();
            } else if (const auto* label = qobject_cast<const QLabel*>(widget)) {
                look.text = label->text();
            } else if (const auto* memo = qobject_cast<const QPlainTextEdit*>(widget)) {
                look.text = memo->toPlainText();
            } else if (const auto* frame = qobject_cast<const QFrame*>(widget)) {
                look.shadow = frame->frameShadow();
            }
            snapshot.controls[widget->objectName()] = look;
        }
        snapshot.plot = form.plotImage().convertToFormat(QImage::Format_RGB32);
        snapshot.lens = form.lensData();
        snapshot.plotState = form.plotState();
        return snapshot;
    }
};

// Compares two snapshots control by control, naming what differs.
inline ::testing::AssertionResult sameWindow(const WindowSnapshot& expected, const WindowSnapshot& actual)
{
    ::testing::AssertionResult result = ::testing::AssertionSuccess();
    bool same = true;
    QStringList differences;
    if (expected.controls.size() != actual.controls.size()) {
        same = false;
        differences
            << QStringLiteral("number of controls %1 / %2").arg(expected.controls.size()).arg(actual.controls.size());
    }
    for (const auto& [name, look] : expected.controls) {
        const auto found = actual.controls.find(name);
        if (found == actual.controls.end()) {
            same = false;
            differences << name + QStringLiteral(" missing");
        } else if (!(found->second == look)) {
            same = false;
            std::ostringstream text;
            PrintTo(look, &text);
            text << " / ";
            PrintTo(found->second, &text);
            differences << name + QStringLiteral(": ") + QString::fromStdString(text.str());
        }
    }
    if (expected.plot != actual.plot) {
        same = false;
        differences << QStringLiteral("plot pixels differ");
    }
    if (!(expected.lens == actual.lens)) {
        same = false;
        differences << QStringLiteral("lens data differ");
    }
    const PlotState& a = expected.plotState;
    const PlotState& b = actual.plotState;
    for (int i = 1; i <= LensData::MaxFrequencies; ++i) {
        if (a.FrequencySelected[i] != b.FrequencySelected[i]) {
            same = false;
            differences << QStringLiteral("FrequencySelected[%1]").arg(i);
        }
    }
    if (a.texts != b.texts || a.selection.FrequencyIndex != b.selection.FrequencyIndex
        || a.selection.FNumberIndex != b.selection.FNumberIndex
        || a.selection.ImageHeightIndex != b.selection.ImageHeightIndex
        || a.selection.MagnificationIndex != b.selection.MagnificationIndex) {
        same = false;
        differences << QStringLiteral("axis texts or selection indices differ");
    }
    if (same) {
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure() << differences.join(QStringLiteral("\n")).toStdString();
}
