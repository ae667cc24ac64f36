// SPDX-License-Identifier: MIT
#include "FiguresPanel.h"

#include "ComparisonTexts.h"
#include "ExportFiles.h"
#include "MainWindow.h"
#include "Translation.h"
#include "UiServices.h"

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace {

const QString Dash = QStringLiteral("–");

// One cell of a table: its text, the reason for a "–", and its number where
// it is one (what a difference can be taken of).
struct Cell
{
    QString text;
    QString tip;
    std::optional<double> number;
};

QString figureText(double value)
{
    return QString::fromStdString(formatFigure(value));
}

Cell meanCell(const std::optional<double>& value, const QString& reason)
{
    if (!value) {
        return { Dash, reason, std::nullopt };
    }
    return { figureText(*value), {}, *value };
}

Cell thresholdCell(const std::optional<ThresholdFrequency>& value, const QString& reason)
{
    if (!value) {
        return { Dash, reason, std::nullopt };
    }
    const QString text = QString::fromStdString(thresholdText(*value));
    if (value->kind != ThresholdFrequency::Kind::At) {
        return { text, {}, std::nullopt };
    }
    return { text, {}, value->frequency };
}

Cell difference(const Cell& own, const Cell& reference)
{
    if (own.number && reference.number) {
        return { figureText(*own.number - *reference.number), {}, std::nullopt };
    }
    if (!reference.tip.isEmpty()) {
        return { Dash, reference.tip, std::nullopt };
    }
    if (!own.tip.isEmpty()) {
        return { Dash, own.tip, std::nullopt };
    }
    return { Dash,
             QCoreApplication::translate("FiguresPanel", "Keine Differenz: ein Wert liegt außerhalb der Frequenzliste"),
             std::nullopt };
}

QString referenceReason(const QString& reason)
{
    return QCoreApplication::translate("FiguresPanel", "Vergleichsobjektiv: %1").arg(reason);
}

QString fewHeightsReason()
{
    return QCoreApplication::translate("FiguresPanel", "Weniger als zwei Bildhöhen");
}

// A table's rows: the first column names the row, then A's sagittal and
// tangential figure, and with a reference lens B's and the differences.
struct TableRows
{
    QStringList header;
    std::vector<std::vector<Cell>> rows;
};

void fillTable(QTableWidget& table, const TableRows& content)
{
    table.clear();
    table.setColumnCount(static_cast<int>(content.header.size()));
    table.setHorizontalHeaderLabels(content.header);
    table.setRowCount(static_cast<int>(content.rows.size()));
    for (std::size_t r = 0; r < content.rows.size(); ++r) {
        for (std::size_t c = 0; c < content.rows[r].size(); ++c) {
            const Cell& cell = content.rows[r][c];
            auto* item = new QTableWidgetItem(cell.text);
            item->setToolTip(cell.tip);
            item->setTextAlignment((c == 0 ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter);
            table.setItem(static_cast<int>(r), static_cast<int>(c), item);
        }
    }
    table.resizeColumnsToContents();
}

QString tableText(const QTableWidget& table)
{
    QString text;
    QStringList header;
    for (int c = 0; c < table.columnCount(); ++c) {
        header << table.horizontalHeaderItem(c)->text();
    }
    text += header.join(QLatin1Char('\t')) + QLatin1Char('\n');
    for (int r = 0; r < table.rowCount(); ++r) {
        QStringList row;
        for (int c = 0; c < table.columnCount(); ++c) {
            row << table.item(r, c)->text();
        }
        text += row.join(QLatin1Char('\t')) + QLatin1Char('\n');
    }
    return text;
}

QTableWidget* makeTable(QWidget* parent, const QString& name)
{
    auto* table = new QTableWidget(parent);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->verticalHeader()->hide();
    // One line of text per row, as in a list.
    table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 6);
    table->setAccessibleName(name);
    return table;
}

} // namespace

FiguresPanel::FiguresPanel(MainWindow& window, UiServices& ui, QWidget* parent)
    : QWidget(parent)
    , m_window(window)
    , m_ui(ui)
{
    m_heading = new QLabel(this);
    m_heading->setWordWrap(true);

    auto* fieldLabel = new QLabel(tr("Bildfeld:"), this);
    m_field = new QComboBox(this);
    m_field->addItem(tr("Bildkreis"), QStringLiteral("circle"));
    for (const QString& ratio : { QStringLiteral("3:2"), QStringLiteral("4:3"), QStringLiteral("1:1") }) {
        m_field->addItem(ratio, ratio);
    }
    m_field->setAccessibleName(tr("Bildfeld der Feldmittel"));
    fieldLabel->setBuddy(m_field);

    auto* thresholdLabel = new QLabel(tr("Schwelle:"), this);
    m_threshold = new QSpinBox(this);
    m_threshold->setRange(10, 90);
    m_threshold->setSingleStep(5);
    m_threshold->setValue(50);
    m_threshold->setSuffix(QStringLiteral(" %"));
    m_threshold->setAccessibleName(tr("Schwelle der Grenzfrequenzen"));
    thresholdLabel->setBuddy(m_threshold);

    auto* saveButton = new QPushButton(tr("Speichern unter …"), this);
    saveButton->setAccessibleName(tr("Kennzahlen speichern unter"));

    m_meansTitle = new QLabel(this);
    m_thresholdTitle = new QLabel(this);
    m_means = makeTable(this, tr("Feldmittel"));
    m_thresholds = makeTable(this, tr("Grenzfrequenzen"));

    auto* controls = new QHBoxLayout;
    controls->addWidget(fieldLabel);
    controls->addWidget(m_field);
    controls->addSpacing(12);
    controls->addWidget(thresholdLabel);
    controls->addWidget(m_threshold);
    controls->addStretch();
    controls->addWidget(saveButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_heading);
    layout->addLayout(controls);
    layout->addWidget(m_meansTitle);
    layout->addWidget(m_means, 1);
    layout->addWidget(m_thresholdTitle);
    layout->addWidget(m_thresholds, 1);

    // Ctrl+C anywhere in the panel copies both tables.
    auto* copy = new QAction(tr("Kopieren"), this);
    copy->setShortcut(QKeySequence::Copy);
    copy->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    addAction(copy);
    connect(copy, &QAction::triggered, this, [this] { copyToClipboard(); });
    connect(saveButton, &QPushButton::clicked, this, &FiguresPanel::saveAs);
    connect(m_field, &QComboBox::currentIndexChanged, this, &FiguresPanel::refresh);
    connect(m_threshold, &QSpinBox::valueChanged, this, &FiguresPanel::refresh);
    connect(&m_window, &MainWindow::plotChanged, this, &FiguresPanel::refresh);
    refresh();
}

FigureOptions FiguresPanel::options() const
{
    const std::optional<FieldShape> shape = parseFieldShape(m_field->currentData().toString().toStdString());
    return { shape.value_or(FieldShape {}), static_cast<double>(m_threshold->value()) };
}

void FiguresPanel::refresh()
{
    m_window.runGuarded([this] {
        const LensData& lens = m_window.lensData();
        const FigureOptions chosen = options();
        m_meansTitle->setText(tr("Feldmittel der Modulation [%] über %1").arg(m_field->currentText()));
        m_thresholdTitle->setText(
            tr("MTF%1: Ortsfrequenz [LP/mm], bei der die Modulation auf %1 % fällt").arg(m_threshold->value()));
        m_fNumber = 0;
        m_magnification = 0;
        if (lens.FileLoaded <= 0 || lens.FNumberCount < 1 || lens.MagnificationCount < 1) {
            m_heading->setText(tr("Noch keine Datei gelesen"));
            fillTable(*m_means, {});
            fillTable(*m_thresholds, {});
            return;
        }
        const CurveSelection& selected = m_window.plotState().selection;
        const int f = std::clamp(m_window.checkedOption(SelectionPanel::FNumber).value_or(selected.FNumberIndex), 1,
                                 lens.FNumberCount);
        const int m
            = std::clamp(m_window.checkedOption(SelectionPanel::Magnification).value_or(selected.MagnificationIndex), 1,
                         lens.MagnificationCount);
        const LensFigures figures = lensFigures(lens, f, m, chosen);
        m_fNumber = f;
        m_magnification = m;

        const LensData* reference = m_window.referenceLens();
        QString name = QString::fromStdString(lens.LensName).trimmed();
        std::optional<ReferenceFigures> matched;
        if (reference != nullptr) {
            name = ComparisonTexts::lensNames(name, QString::fromStdString(reference->LensName));
            matched = referenceFigures(lens, figures, *reference, chosen);
        }
        m_heading->setText(tr("%1 – Blendenzahl %2, Abbildungsmaßstab %3")
                               .arg(name, QString::fromStdString(lens.FNumberText[f]).trimmed(),
                                    QString::fromStdString(lens.MagnificationText[m]).trimmed()));

        QStringList extra;
        if (matched) {
            extra << tr("S Vergleich") << tr("T Vergleich") << tr("S A − B") << tr("T A − B");
        }
        // Both tables: A's two cells, then B's and the differences.
        const auto appendReference
            = [](std::vector<Cell>& row, const std::optional<MissingValue>& missing, Cell sag, Cell tan) {
                  if (missing) {
                      sag = tan = { Dash, ComparisonTexts::missing(*missing), std::nullopt };
                  }
                  const Cell ownSag = row[1];
                  const Cell ownTan = row[2];
                  row.insert(row.end(), { sag, tan, difference(ownSag, sag), difference(ownTan, tan) });
              };

        TableRows means { QStringList { tr("LP/mm"), tr("S [%]"), tr("T [%]") } + extra, {} };
        for (std::size_t k = 0; k < figures.means.size(); ++k) {
            const FieldMeanRow& own = figures.means[k];
            std::vector<Cell> row {
                { QString::fromStdString(lens.FrequencyText[own.frequencyIndex]).trimmed(), {}, {} },
                meanCell(own.sag, fewHeightsReason()),
                meanCell(own.tan, fewHeightsReason())
            };
            if (matched) {
                const auto& match = matched->means[k];
                const QString reason = referenceReason(fewHeightsReason());
                appendReference(row, match.missing, meanCell(match.row.sag, reason), meanCell(match.row.tan, reason));
            }
            means.rows.push_back(std::move(row));
        }
        fillTable(*m_means, means);

        const QString problem = figures.thresholdProblem ? translatedMessage(*figures.thresholdProblem) : QString();
        TableRows thresholds { QStringList { tr("Bildhöhe [mm]"), tr("S [LP/mm]"), tr("T [LP/mm]") } + extra, {} };
        for (std::size_t k = 0; k < figures.thresholds.size(); ++k) {
            const ThresholdRow& own = figures.thresholds[k];
            std::vector<Cell> row {
                { QString::fromStdString(figures.heightText(lens, own.heightIndex)).trimmed(), {}, {} },
                thresholdCell(own.sag, problem),
                thresholdCell(own.tan, problem)
            };
            if (matched) {
                const auto& match = matched->thresholds[k];
                const QString reason = matched->thresholdProblem
                    ? referenceReason(translatedMessage(*matched->thresholdProblem))
                    : QString();
                appendReference(row, match.missing, thresholdCell(match.row.sag, reason),
                                thresholdCell(match.row.tan, reason));
            }
            thresholds.rows.push_back(std::move(row));
        }
        fillTable(*m_thresholds, thresholds);
    });
}

std::string FiguresPanel::csv() const
{
    if (m_fNumber == 0) {
        return {};
    }
    const FiguresRequest request { { m_fNumber }, { m_magnification }, options() };
    return std::string(FiguresCsvHeader) + '\n'
        + figuresCsvRows(QFile::encodeName(m_window.lensFilePath()).toStdString(), m_window.lensData(), request);
}

QString FiguresPanel::tablesText() const
{
    return m_heading->text() + QLatin1Char('\n') + m_meansTitle->text() + QLatin1Char('\n') + tableText(*m_means)
        + m_thresholdTitle->text() + QLatin1Char('\n') + tableText(*m_thresholds);
}

QStringList FiguresPanel::saveFilters() const
{
    return { tr("CSV-Werte (*.csv)") };
}

QString FiguresPanel::suggestedFileName() const
{
    return QFileInfo(m_window.lensFilePath()).completeBaseName() + QStringLiteral("-kennzahlen.csv");
}

void FiguresPanel::saveTo(const QString& path) const
{
    const std::string rows = csv();
    if (rows.empty()) {
        throw WriteError(path);
    }
    writeFileAtomically(path, QByteArray::fromStdString(rows));
}

void FiguresPanel::copyToClipboard() const
{
    QGuiApplication::clipboard()->setText(tablesText());
}

void FiguresPanel::saveAs()
{
    m_window.runGuarded([this] {
        if (m_fNumber == 0) {
            return;
        }
        const std::optional<QString> path = m_ui.saveFileName(this, tr("CSV-Werte") + QStringLiteral("|*.csv"));
        if (path) {
            saveTo(*path);
        }
    });
}
