// SPDX-License-Identifier: MIT
#include "AnalysisWindow.h"

#include "AnalysisTab.h"
#include "FiguresPanel.h"
#include "LargeChartPanel.h"
#include "MainWindow.h"
#include "MapPanel.h"
#include "Translation.h"
#include "UiServices.h"

#include <QAction>
#include <QRegularExpression>
#include <QSettings>
#include <QTabWidget>
#include <QVBoxLayout>

#include <exception>

namespace {

const QString Organization = QStringLiteral("Lumivex-Projekt");
const QString Application = QStringLiteral("Lumivex");
const QString SizeKey = QStringLiteral("analysis/size");
const QString PageKey = QStringLiteral("analysis/page");

// "PNG-Bild (*.png)" -> "PNG-Bild|*.png", the dialog seam's form.
QString classicFilter(const QStringList& filters)
{
    static const QRegularExpression entry(QStringLiteral("^(.*) \\((.*)\\)$"));
    QStringList parts;
    for (const QString& filter : filters) {
        const QRegularExpressionMatch m = entry.match(filter);
        parts << (m.hasMatch() ? m.captured(1) + QLatin1Char('|') + m.captured(2) : filter + QStringLiteral("|*"));
    }
    return parts.join(QLatin1Char('|'));
}

} // namespace

AnalysisWindow::AnalysisWindow(MainWindow& main, UiServices& ui)
    : QWidget(&main, Qt::Window)
    , m_main(main)
    , m_ui(ui)
{
    setObjectName(QStringLiteral("analysis"));
    setWindowTitle(tr("Lumivex – Analyse"));
    setAccessibleName(tr("Analyse"));
    m_tabs = new QTabWidget(this);
    m_tabs->setAccessibleName(tr("Ansichten der Analyse"));
    m_tabs->setDocumentMode(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_tabs);

    addPage(new LargeChartPanel(main), tr("Diagramm"));
    auto* maps = new MapPanel(main);
    maps->setObjectName(QStringLiteral("map"));
    addPage(maps, tr("Karte"));
    auto* figures = new FiguresPanel(main, ui);
    figures->setObjectName(QStringLiteral("figures"));
    addPage(figures, tr("Kennzahlen"));

    const auto shortcut = [this](const QKeySequence& key, void (AnalysisWindow::*slot)()) {
        auto* action = new QAction(this);
        action->setShortcut(key);
        action->setShortcutContext(Qt::WindowShortcut);
        addAction(action);
        connect(action, &QAction::triggered, this, slot);
    };
    shortcut(QKeySequence(Qt::CTRL | Qt::Key_S), &AnalysisWindow::saveCurrentPage);
    shortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C), &AnalysisWindow::copyCurrentPage);

    const QSettings remembered(Organization, Application);
    resize(remembered.value(SizeKey, QSize(720, 760)).toSize());
    showPage(remembered.value(PageKey).toString());
    connect(m_tabs, &QTabWidget::currentChanged, this, [this] { remember(); });
}

AnalysisWindow::~AnalysisWindow()
{
    remember();
}

void AnalysisWindow::addPage(QWidget* widget, AnalysisTab& page, const QString& title)
{
    m_tabs->addTab(widget, title);
    m_pages.push_back(&page);
}

void AnalysisWindow::showPage(const QString& name)
{
    for (int i = 0; i < m_tabs->count(); ++i) {
        if (!name.isEmpty() && m_tabs->widget(i)->objectName() == name) {
            m_tabs->setCurrentIndex(i);
        }
    }
}

AnalysisTab& AnalysisWindow::currentPage() const
{
    return *m_pages.at(static_cast<std::size_t>(m_tabs->currentIndex()));
}

void AnalysisWindow::open(const QString& page)
{
    showPage(page);
    show();
    raise();
    activateWindow();
}

void AnalysisWindow::saveCurrentPage()
{
    try {
        const AnalysisTab& page = currentPage();
        if (const auto path = m_ui.saveFileName(this, classicFilter(page.saveFilters()), page.suggestedFileName())) {
            page.saveTo(*path);
        }
    } catch (const std::exception& error) {
        m_ui.showMessage(this, errorText(error));
    }
}

void AnalysisWindow::copyCurrentPage()
{
    try {
        currentPage().copyToClipboard();
    } catch (const std::exception& error) {
        m_ui.showMessage(this, errorText(error));
    }
}

void AnalysisWindow::hideEvent(QHideEvent* event)
{
    remember();
    QWidget::hideEvent(event);
}

void AnalysisWindow::remember() const
{
    QSettings remembered(Organization, Application);
    remembered.setValue(SizeKey, size());
    if (const QWidget* page = m_tabs->currentWidget()) {
        remembered.setValue(PageKey, page->objectName());
    }
}
