// SPDX-License-Identifier: MIT
#include "HelpViewer.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QScrollBar>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

HelpViewer::HelpViewer(QWidget* owner)
    : QWidget(owner, Qt::Window)
    , m_browser(new QTextBrowser(this))
{
    setObjectName(QStringLiteral("HelpViewer"));
    setWindowTitle(tr("Lumivex – Hilfe"));
    resize(680, 600);

    m_browser->setObjectName(QStringLiteral("HelpBrowser"));
    m_browser->setOpenExternalLinks(true);

    auto* contents = new QPushButton(tr("Inhalt"), this);
    auto* back = new QPushButton(tr("Zurück"), this);
    auto* forward = new QPushButton(tr("Vor"), this);
    auto* close = new QPushButton(tr("Schließen"), this);
    back->setEnabled(false);
    forward->setEnabled(false);
    connect(contents, &QPushButton::clicked, m_browser, &QTextBrowser::home);
    connect(back, &QPushButton::clicked, m_browser, &QTextBrowser::backward);
    connect(forward, &QPushButton::clicked, m_browser, &QTextBrowser::forward);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    connect(m_browser, &QTextBrowser::backwardAvailable, back, &QPushButton::setEnabled);
    connect(m_browser, &QTextBrowser::forwardAvailable, forward, &QPushButton::setEnabled);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(contents);
    buttons->addWidget(back);
    buttons->addWidget(forward);
    buttons->addStretch();
    buttons->addWidget(close);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(m_browser);
}

void HelpViewer::showDocument(const QString& path)
{
    const QUrl url = QUrl::fromLocalFile(path);
    if (m_browser->source() != url) {
        m_browser->setSource(url);
        m_browser->clearHistory();
    } else {
        m_browser->home();
    }
    m_browser->verticalScrollBar()->setValue(0);
    show();
    raise();
    activateWindow();
}

QString HelpViewer::currentPath() const
{
    return m_browser->source().toLocalFile();
}
