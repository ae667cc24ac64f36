// SPDX-License-Identifier: MIT
#include "MapPanel.h"

#include "ExportFiles.h"
#include "MainWindow.h"
#include "MapGrid.h"

#include <QBuffer>
#include <QClipboard>
#include <QComboBox>
#include <QEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QVBoxLayout>

namespace {

// The formats offered for the field kind, as --field writes them.
const char* const FieldShapes[] = { "circle", "3:2", "4:3", "1:1", "16:9" };

} // namespace

MapPanel::MapPanel(MainWindow& main, QWidget* parent)
    : QWidget(parent)
    , m_main(main)
    , m_kind(new QComboBox(this))
    , m_frequencyLabel(new QLabel(this))
    , m_frequency(new QComboBox(this))
    , m_fieldLabel(new QLabel(this))
    , m_field(new QComboBox(this))
    , m_kindLabel(new QLabel(this))
    , m_area(new QWidget(this))
    , m_readout(new QLabel(this))
{
    m_kind->setObjectName(QStringLiteral("mapKind"));
    m_frequency->setObjectName(QStringLiteral("mapFrequency"));
    m_field->setObjectName(QStringLiteral("mapField"));
    m_area->setObjectName(QStringLiteral("mapArea"));
    m_readout->setObjectName(QStringLiteral("mapReadout"));
    m_kindLabel->setBuddy(m_kind);
    m_frequencyLabel->setBuddy(m_frequency);
    m_fieldLabel->setBuddy(m_field);
    for (int i = 0; i < 3; ++i) {
        m_kind->addItem(QString());
    }
    for (const char* shape : FieldShapes) {
        m_field->addItem(QString(), QString::fromLatin1(shape));
    }

    auto* controls = new QHBoxLayout;
    controls->addWidget(m_kindLabel);
    controls->addWidget(m_kind);
    controls->addSpacing(12);
    controls->addWidget(m_frequencyLabel);
    controls->addWidget(m_frequency);
    controls->addSpacing(12);
    controls->addWidget(m_fieldLabel);
    controls->addWidget(m_field);
    controls->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(controls);
    layout->addWidget(m_area, 1);
    layout->addWidget(m_readout);
    m_area->setMinimumSize(320, 200);
    m_area->setMouseTracking(true);
    m_area->installEventFilter(this);
    m_readout->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_readout->setMinimumHeight(m_readout->fontMetrics().lineSpacing() * 3);
    m_readout->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    retranslate();

    connect(m_kind, &QComboBox::currentIndexChanged, this, &MapPanel::rebuild);
    connect(m_frequency, &QComboBox::currentIndexChanged, this, &MapPanel::rebuild);
    connect(m_field, &QComboBox::currentIndexChanged, this, &MapPanel::rebuild);
    connect(&m_main, &MainWindow::plotChanged, this, &MapPanel::follow);
    follow();
}

void MapPanel::retranslate()
{
    m_kindLabel->setText(tr("&Karte:"));
    m_kind->setItemText(0, tr("Bildhöhe und Ortsfrequenz"));
    m_kind->setItemText(1, tr("Bildhöhe und Blendenzahl"));
    m_kind->setItemText(2, tr("Bildfeld"));
    m_frequencyLabel->setText(tr("&Ortsfrequenz:"));
    m_fieldLabel->setText(tr("&Format:"));
    m_field->setItemText(0, tr("Bildkreis"));
    for (int i = 1; i < m_field->count(); ++i) {
        m_field->setItemText(i, m_field->itemData(i).toString());
    }
    m_kind->setAccessibleName(tr("Art der Karte"));
    m_kind->setAccessibleDescription(tr("Worüber die Modulation als Farbe aufgetragen wird"));
    m_frequency->setAccessibleName(tr("Ortsfrequenz der Karte"));
    m_field->setAccessibleName(tr("Bildformat der Karte"));
    m_area->setAccessibleName(tr("MTF-Karte"));
    m_area->setAccessibleDescription(tr("Sagittal und tangential, Farbe nach der Modulation"));
    m_readout->setAccessibleName(tr("Werte unter dem Mauszeiger"));
}

void MapPanel::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) {
        retranslate();
        rebuild();
    }
    QWidget::changeEvent(event);
}

void MapPanel::follow()
{
    const LensData& lens = m_main.lensData();
    // The frequency list of the lens, the choice kept where it still is.
    const int chosen = std::max(m_frequency->currentIndex(), 0);
    QStringList texts;
    for (int q = 1; q <= lens.FrequencyCount; ++q) {
        texts << tr("%1 LP/mm").arg(QString::fromStdString(lens.FrequencyText[q]).trimmed());
    }
    QStringList current;
    for (int i = 0; i < m_frequency->count(); ++i) {
        current << m_frequency->itemText(i);
    }
    if (texts != current) {
        const QSignalBlocker blocker(m_frequency);
        m_frequency->clear();
        m_frequency->addItems(texts);
        m_frequency->setCurrentIndex(std::min(chosen, static_cast<int>(texts.size()) - 1));
    }
    rebuild();
}

MapRequest MapPanel::currentRequest() const
{
    MapRequest request;
    request.kind = static_cast<MapKind>(std::max(m_kind->currentIndex(), 0));
    request.selection.FNumberIndex = m_main.checkedOption(SelectionPanel::FNumber).value_or(1);
    request.selection.MagnificationIndex = m_main.checkedOption(SelectionPanel::Magnification).value_or(1);
    request.selection.FrequencyIndex = std::max(m_frequency->currentIndex(), 0) + 1;
    request.selection.ImageHeightIndex = 1;
    request.field = parseFieldShape(m_field->currentData().toString().toStdString()).value_or(FieldShape {});
    return request;
}

void MapPanel::rebuild()
{
    const MapKind kind = static_cast<MapKind>(std::max(m_kind->currentIndex(), 0));
    m_frequencyLabel->setVisible(kind != MapKind::HeightFrequency);
    m_frequency->setVisible(kind != MapKind::HeightFrequency);
    m_fieldLabel->setVisible(kind == MapKind::Field);
    m_field->setVisible(kind == MapKind::Field);
    m_scene.reset();
    if (m_main.lensData().FileLoaded != 0 && m_main.lensData().FrequencyCount > 0) {
        m_main.runGuarded(
            [this] { m_scene.emplace(makeMapScene(m_main.lensData(), currentRequest(), m_main.referenceLens())); });
    }
    m_readout->clear();
    redraw();
}

void MapPanel::redraw()
{
    render();
    m_area->update();
}

void MapPanel::render()
{
    const QSize size = m_area->size();
    const double ratio = m_area->devicePixelRatioF();
    if (m_scene) {
        m_image = renderMapImage(*m_scene, size, ratio);
    } else {
        m_image = QImage(size * ratio, QImage::Format_RGB32);
        m_image.setDevicePixelRatio(ratio);
        m_image.fill(Qt::white);
    }
}

bool MapPanel::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != m_area) {
        return QWidget::eventFilter(watched, event);
    }
    switch (event->type()) {
    case QEvent::Paint: {
        // The window may have moved to a screen of another pixel density.
        if (m_image.devicePixelRatio() != m_area->devicePixelRatioF()) {
            render();
        }
        QPainter painter(m_area);
        painter.drawImage(0, 0, m_image);
        if (!m_scene) {
            painter.drawText(m_area->rect(), Qt::AlignCenter, tr("Noch keine Datei gelesen"));
        }
        return true;
    }
    case QEvent::Resize:
        redraw();
        break;
    case QEvent::MouseMove:
        showReadout(static_cast<QMouseEvent*>(event)->position());
        break;
    case QEvent::Leave:
        m_readout->clear();
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

void MapPanel::showReadout(QPointF at)
{
    if (!m_scene || !m_scene->model.available()) {
        m_readout->clear();
        return;
    }
    const std::optional<MapLayout::Position> position
        = mapLayout(m_area->size(), m_scene->model).positionAt(at, m_scene->model);
    m_readout->setText(position ? mapReadoutText(*m_scene, *position) : QString());
}

QStringList MapPanel::saveFilters() const
{
    return { tr("PNG-Bild (*.png)"), tr("SVG-Grafik (*.svg)"), tr("CSV-Werte (*.csv)") };
}

QString MapPanel::suggestedFileName() const
{
    return tr("karte-%1.png").arg(QString::fromStdString(mapKindName(currentRequest().kind)));
}

void MapPanel::saveTo(const QString& path) const
{
    if (!m_scene) {
        throw WriteError(path);
    }
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("svg")) {
        writeFileAtomically(path, renderMapSvg(*m_scene, m_area->size()));
    } else if (suffix == QLatin1String("csv")) {
        const MapModel* reference
            = m_scene->reference && m_scene->reference->available() ? &*m_scene->reference : nullptr;
        writeFileAtomically(path, QByteArray::fromStdString(mapCsv(m_scene->model, reference)));
    } else {
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        if (!m_image.save(&buffer, "PNG")) {
            throw WriteError(path);
        }
        writeFileAtomically(path, png);
    }
}

void MapPanel::copyToClipboard() const
{
    QGuiApplication::clipboard()->setImage(m_image);
}
