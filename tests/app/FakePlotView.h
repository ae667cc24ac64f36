#pragma once

#include "PlotView.h"
#include "QtPrinters.h"
#include "RecordingCanvas.h"

#include <QStringList>

#include <array>

// A view without a window: selection controls are plain fields, and every
// request of the controller is written to a log in order.
class FakePlotView final : public PlotView
{
public:
    Abscissa abscissa = Abscissa::ImageHeight;
    std::array<bool, 8> checked { false, true, false, false, false, false, false, false };
    std::array<bool, 8> shown { true, true, true, true, true, true, true, true };
    std::optional<int> fNumber = 1;
    std::optional<int> imageHeight = 1;
    std::optional<int> magnification = 1;
    bool single = false;

    RecordingCanvas canvas;
    QStringList log;
    QStringList messages;

    static QString name(SelectionPanel panel)
    {
        switch (panel) {
        case SelectionPanel::FNumber:
            return QStringLiteral("Panel1");
        case SelectionPanel::Frequency:
            return QStringLiteral("Panel2");
        case SelectionPanel::ImageHeight:
            return QStringLiteral("Panel3");
        case SelectionPanel::Magnification:
            return QStringLiteral("Panel4");
        }
        return {};
    }

    Abscissa checkedAbscissa() const override { return abscissa; }
    bool isFrequencyChecked(int index) const override { return checked.at(static_cast<std::size_t>(index - 1)); }
    bool isFrequencyShown(int index) const override { return shown.at(static_cast<std::size_t>(index - 1)); }
    std::optional<int> checkedOption(SelectionPanel panel) const override
    {
        switch (panel) {
        case SelectionPanel::FNumber:
            return fNumber;
        case SelectionPanel::ImageHeight:
            return imageHeight;
        case SelectionPanel::Magnification:
            return magnification;
        case SelectionPanel::Frequency:
            break;
        }
        return std::nullopt;
    }
    bool isSingleMode() const override { return single; }
    void setPanelRaised(SelectionPanel panel, bool raised) override
    {
        log << (raised ? "raise " : "lower ") + name(panel);
    }
    void setPanelControlsEnabled(SelectionPanel panel, bool enabled) override
    {
        log << (enabled ? "enable " : "disable ") + name(panel);
    }
    Canvas& plotCanvas() override { return canvas; }
    void refreshPlot() override { log << QStringLiteral("refresh"); }
    void showMessage(const QString& text) override
    {
        messages << text;
        log << "message " + text;
    }
};
