// SPDX-License-Identifier: MIT
#include "LumivexApplication.h"

#include "Translation.h"

#include <exception>

LumivexApplication::LumivexApplication(int& argc, char** argv)
    : QApplication(argc, argv)
{
}

bool LumivexApplication::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
        report(errorText(error));
    } catch (...) {
        report(QCoreApplication::translate("MainWindow", "Unbekannter Fehler"));
    }
    return false;
}

void LumivexApplication::report(const QString& text) noexcept
{
    try {
        if (m_reporter) {
            m_reporter(text);
        } else {
            qWarning("%s", qUtf8Printable(text));
        }
    } catch (...) {
    }
}
