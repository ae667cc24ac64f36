// SPDX-License-Identifier: MIT
#include "QtUiServices.h"

#include "HelpViewer.h"

#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>

namespace {

// "MTF-Datei|*.mtf|Alle|*" -> "MTF-Datei (*.mtf);;Alle (*)"
QString qtFilter(const QString& pairs)
{
    const QStringList parts = pairs.split(QLatin1Char('|'));
    QStringList entries;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        entries << parts[i] + QStringLiteral(" (") + parts[i + 1] + QLatin1Char(')');
    }
    return entries.join(QStringLiteral(";;"));
}

} // namespace

std::optional<QString> QtUiServices::openFileName(QWidget* parent, const QString& filter, const QString& folder)
{
    const QString path = QFileDialog::getOpenFileName(parent, QString(), folder, qtFilter(filter));
    if (path.isEmpty()) {
        return std::nullopt;
    }
    return path;
}

std::optional<QString> QtUiServices::saveFileName(QWidget* parent, const QString& filter, const QString& suggested)
{
    QString chosenFilter;
    QString path = QFileDialog::getSaveFileName(parent, QString(), suggested, qtFilter(filter), &chosenFilter);
    if (path.isEmpty()) {
        return std::nullopt;
    }
    // "PNG-Bild (*.png)": a name without an extension takes ".png".
    const qsizetype star = chosenFilter.indexOf(QStringLiteral("*."));
    if (QFileInfo(path).suffix().isEmpty() && star >= 0) {
        path += chosenFilter.mid(star + 1).chopped(1);
    }
    return path;
}

void QtUiServices::showMessage(QWidget* parent, const QString& text)
{
    QMessageBox box(QMessageBox::NoIcon, QApplication::applicationDisplayName(), text, QMessageBox::Ok, parent);
    box.exec();
}

bool QtUiServices::runPrintDialog(QWidget* parent, QPrinter& printer)
{
    QPrintDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

int QtUiServices::runModal(QDialog& dialog)
{
    return dialog.exec();
}

void QtUiServices::showHelp(QWidget* parent, const QString& path)
{
    if (m_helpViewer == nullptr) {
        m_helpViewer = new HelpViewer(parent);
    }
    m_helpViewer->showDocument(path);
}
