// SPDX-License-Identifier: MIT
#pragma once

#include <QApplication>

#include <functional>

// The application object with a last safety net: an exception that escapes
// an event handler anyway is reported instead of ending the program.
class LumivexApplication final : public QApplication
{
    Q_OBJECT

public:
    LumivexApplication(int& argc, char** argv);

    // Receives the text of an exception caught in notify().
    void setErrorReporter(std::function<void(const QString&)> reporter) { m_reporter = std::move(reporter); }

    bool notify(QObject* receiver, QEvent* event) override;

private:
    void report(const QString& text) noexcept;

    std::function<void(const QString&)> m_reporter;
};
