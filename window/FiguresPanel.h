// SPDX-License-Identifier: MIT
#pragma once

#include "AnalysisTab.h"
#include "LensFigures.h"

#include <QWidget>

class MainWindow;
class QComboBox;
class QLabel;
class QSpinBox;
class QTableWidget;
class UiServices;

// The figures of the lens shown in the main window, at its selected
// f-number and magnification: per frequency the field means of the
// sagittal and tangential modulation, per usable image height the
// frequencies where they fall to the threshold. With a reference lens its
// figures of the same values stand beside them, with the difference; what
// it lacks is "–" with the reason as tool tip (so is any figure that is
// unavailable). The field and the threshold are chosen here. It follows
// every change of the main window (plotChanged).
class FiguresPanel final : public QWidget, public AnalysisTab
{
    Q_OBJECT

public:
    FiguresPanel(MainWindow& window, UiServices& ui, QWidget* parent = nullptr);

    // The figures' rows as the command line writes them, for the lens at
    // the selection shown, with header; empty without a lens.
    std::string csv() const;
    // Both tables as tab-separated text, each with its heading and columns.
    QString tablesText() const;

    QTableWidget* meansTable() const { return m_means; }
    QTableWidget* thresholdTable() const { return m_thresholds; }
    QComboBox* fieldChooser() const { return m_field; }
    QSpinBox* thresholdChooser() const { return m_threshold; }

    // AnalysisTab
    QStringList saveFilters() const override;
    QString suggestedFileName() const override;
    void saveTo(const QString& path) const override;
    void copyToClipboard() const override;

public Q_SLOTS:
    // Reads the main window's lens, selection and reference lens again.
    void refresh();
    // The save dialog, then the CSV written.
    void saveAs();

private:
    FigureOptions options() const;

    MainWindow& m_window;
    UiServices& m_ui;
    QLabel* m_heading = nullptr;
    QComboBox* m_field = nullptr;
    QSpinBox* m_threshold = nullptr;
    QLabel* m_meansTitle = nullptr;
    QLabel* m_thresholdTitle = nullptr;
    QTableWidget* m_means = nullptr;
    QTableWidget* m_thresholds = nullptr;
    int m_fNumber = 0;       // the selection shown, 0 without a lens
    int m_magnification = 0; // likewise
};
