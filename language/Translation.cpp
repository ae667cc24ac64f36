// SPDX-License-Identifier: MIT
#include "Translation.h"

#include <QCoreApplication>
#include <QTranslator>

QTranslator* installTranslations(QCoreApplication& app, Language language)
{
    if (language == Language::German) {
        return nullptr;
    }
    auto* translator = new QTranslator(&app);
    const QString name = QStringLiteral("lumivex_") + QString::fromLatin1(languageCode(language));
    if (!translator->load(name, QStringLiteral(":/translations")) || !QCoreApplication::installTranslator(translator)) {
        delete translator;
        return nullptr;
    }
    return translator;
}

QString translatedMessage(const MessageText& message)
{
    if (message.isLiteral()) {
        return QString::fromStdString(message.literal());
    }
    std::vector<std::string> arguments;
    arguments.reserve(message.arguments().size());
    for (const MessageText& argument : message.arguments()) {
        arguments.push_back(translatedMessage(argument).toStdString());
    }
    const QString text = QCoreApplication::translate(message.source().context, message.source().text);
    return QString::fromStdString(fillPlaceholders(text.toStdString(), arguments));
}

QString errorText(const std::exception& error)
{
    if (const auto* translatable = dynamic_cast<const TranslatableError*>(&error)) {
        return translatedMessage(translatable->text());
    }
    return QString::fromUtf8(error.what());
}

QLocale languageLocale(Language language)
{
    const QLocale system = QLocale::system();
    const QLocale::Language wanted = language == Language::English ? QLocale::English : QLocale::German;
    if (system.language() == wanted) {
        return system;
    }
    return language == Language::English ? QLocale(QLocale::English, QLocale::UnitedStates)
                                         : QLocale(QLocale::German, QLocale::Germany);
}
