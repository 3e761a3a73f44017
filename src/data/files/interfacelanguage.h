#pragma once

// The language of the interface: Russian, the program's own, or English.
//
// By default it follows the locale, as gettext reads it: LC_ALL, else
// LC_MESSAGES, else LANG names the locale, and LANGUAGE, a list of languages
// by preference, comes before them unless that locale is C or POSIX. A
// language "ru" gives Russian, any other English. The C and POSIX locales
// (and no locale at all) give Russian: they name no language, and Russian is
// the language the program is written in. The setting "Interface language"
// overrides the locale; it is read at start-up only.
//
// The English texts are in lumolex_en.qm, in the folder translations/ of the
// program folder (beside DATA/); the Russian ones are the texts themselves.

#include <QString>

#include <functional>

class QCoreApplication;
class QTranslator;

namespace lumolex {

enum class InterfaceLanguage { Russian, English };

// As stored in the setting: 0 follows the locale.
enum class LanguageChoice { System = 0, Russian = 1, English = 2 };

// The choice a stored number stands for; any other number follows the locale.
LanguageChoice languageChoiceFromSetting(int value);

// The language for a choice, the locale read through `environment` (the value
// of a variable, empty when it is not set).
InterfaceLanguage chooseInterfaceLanguage(LanguageChoice choice,
                                          const std::function<QString(const char *)> &environment);

// The same with the process environment.
InterfaceLanguage chooseInterfaceLanguage(LanguageChoice choice);

// The folder of the translations in a program folder (ending in '/'):
// translations/, beside DATA/; lumolex-cli and lumolex-mkdata keep theirs there
// too.
QString translationFolder(const QString &programFolder);

// Loads the program's English, lumolex_en.qm, into `translator` without
// installing it; false when the file is missing or unreadable.
bool loadProgramEnglish(QTranslator *translator, const QString &programFolder);

// Installs the program's own translation for `language` into the
// application, owned by it: none for Russian, lumolex_en.qm from
// programFolder/translations for English. Qt's own texts (dialogs, buttons)
// are English by themselves; their Russian is installQtRussian's
// (app/shell/qttranslation.h). False when the file is missing or unreadable:
// the texts then stay Russian.
bool installProgramTranslation(QCoreApplication *app, InterfaceLanguage language, const QString &programFolder);

} // namespace lumolex
