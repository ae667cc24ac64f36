// SPDX-License-Identifier: MIT
#pragma once

#include "AnalysisTab.h"
#include "MapDrawing.h"

#include <QImage>
#include <QWidget>

#include <optional>

class MainWindow;
class QComboBox;
class QLabel;

// The map page: a lens over image height and frequency, over image height
// and f-number, or over the picture, for the main window's lens, f-number,
// magnification and reference lens, followed at each plotChanged. Its own
// controls set what the main window does not fix for the kind shown (the
// frequency, the format); the map is drawn at the size of its area, and a
// readout under it names the values under the mouse.
class MapPanel final : public QWidget, public AnalysisTab
{
    Q_OBJECT

public:
    // main must outlive the page.
    explicit MapPanel(MainWindow& main, QWidget* parent = nullptr);

    // What is shown now (none before a lens is loaded).
    const std::optional<MapScene>& scene() const { return m_scene; }
    const QImage& mapImage() const { return m_image; }
    QWidget* mapArea() const { return m_area; }
    QLabel* readout() const { return m_readout; }
    QComboBox* kindChooser() const { return m_kind; }
    QComboBox* frequencyChooser() const { return m_frequency; }
    QComboBox* fieldChooser() const { return m_field; }

    // AnalysisTab
    QStringList saveFilters() const override;
    QString suggestedFileName() const override;
    void saveTo(const QString& path) const override;
    void copyToClipboard() const override;

protected:
    // The map area's paint, resize and mouse moves.
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // The main window's lens and selection read again.
    void follow();
    // The scene made anew from the lens and the choices, then drawn.
    void rebuild();
    // The picture at the area's size and pixel density; redraw also shows it.
    void render();
    void redraw();
    void showReadout(QPointF at);
    void retranslate();
    MapRequest currentRequest() const;

    MainWindow& m_main;
    QComboBox* m_kind;
    QLabel* m_frequencyLabel;
    QComboBox* m_frequency;
    QLabel* m_fieldLabel;
    QComboBox* m_field;
    QLabel* m_kindLabel;
    QWidget* m_area;
    QLabel* m_readout;
    std::optional<MapScene> m_scene;
    QImage m_image;
};
