#include "data/files/interfacelanguage.h"

#include <QCoreApplication>
#include <QTranslator>

namespace lumolex {

namespace {

// "ru_RU.UTF-8", "ru@latin", "ru" -> "ru".
QString languageOf(const QString &locale)
{
    qsizetype end = 0;
    while (end < locale.size() && locale.at(end) != u'_' && locale.at(end) != u'.' && locale.at(end) != u'@')
        ++end;
    return locale.left(end);
}

bool isPlainLocale(const QString &locale)
{
    const QString language = languageOf(locale);
    return language.isEmpty() || language == u"C" || language == u"POSIX";
}

InterfaceLanguage languageFor(const QString &locale)
{
    if (isPlainLocale(locale) || languageOf(locale).compare(u"ru", Qt::CaseInsensitive) == 0)
        return InterfaceLanguage::Russian;
    return InterfaceLanguage::English;
}

} // namespace

LanguageChoice languageChoiceFromSetting(int value)
{
    switch (value) {
    case int(LanguageChoice::Russian):
        return LanguageChoice::Russian;
    case int(LanguageChoice::English):
        return LanguageChoice::English;
    default:
        return LanguageChoice::System;
    }
}

InterfaceLanguage chooseInterfaceLanguage(LanguageChoice choice,
                                          const std::function<QString(const char *)> &environment)
{
    if (choice == LanguageChoice::Russian)
        return InterfaceLanguage::Russian;
    if (choice == LanguageChoice::English)
        return InterfaceLanguage::English;
    QString locale;
    for (const char *name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        locale = environment(name);
        if (!locale.isEmpty())
            break;
    }
    if (isPlainLocale(locale))
        return InterfaceLanguage::Russian;
    // The first language of the list that names one ("en_GB:ru" -> English).
    const QStringList preferred = environment("LANGUAGE").split(u':', Qt::SkipEmptyParts);
    return languageFor(preferred.isEmpty() ? locale : preferred.first());
}

InterfaceLanguage chooseInterfaceLanguage(LanguageChoice choice)
{
    return chooseInterfaceLanguage(choice, [](const char *name) { return qEnvironmentVariable(name); });
}

QString translationFolder(const QString &programFolder)
{
    return programFolder + QStringLiteral("translations");
}

bool loadProgramEnglish(QTranslator *translator, const QString &programFolder)
{
    return translator->load(QStringLiteral("lumolex_en"), translationFolder(programFolder));
}

bool installProgramTranslation(QCoreApplication *app, InterfaceLanguage language, const QString &programFolder)
{
    if (language == InterfaceLanguage::Russian)
        return true;
    auto *translator = new QTranslator(app);
    if (!loadProgramEnglish(translator, programFolder)) {
        delete translator;
        return false;
    }
    QCoreApplication::installTranslator(translator);
    return true;
}

} // namespace lumolex
