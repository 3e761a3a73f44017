// The interface language: the setting when one is chosen, else the locale
// as gettext reads it, Russian for ru and for the plain C locale, English for
// any other language; a stored number out of the choices follows the locale.
#include "data/files/interfacelanguage.h"

#include <QMap>

#include <gtest/gtest.h>

using lumolex::chooseInterfaceLanguage;
using lumolex::InterfaceLanguage;
using lumolex::LanguageChoice;
using lumolex::languageChoiceFromSetting;

namespace {

constexpr InterfaceLanguage Ru = InterfaceLanguage::Russian;
constexpr InterfaceLanguage En = InterfaceLanguage::English;

InterfaceLanguage choose(LanguageChoice choice, const QMap<QString, QString> &variables)
{
    return chooseInterfaceLanguage(choice,
                                   [&](const char *name) { return variables.value(QString::fromLatin1(name)); });
}

} // namespace

TEST(InterfaceLanguage, SettingOverridesTheLocaleWhichGettextsOrderDecides)
{
    const struct {
        const char *what;
        QMap<QString, QString> variables;
        InterfaceLanguage system;
    } cases[] = {
        {"English locale", {{"LANG", "en_US.UTF-8"}}, En},
        {"Russian locale", {{"LANG", "ru_RU.UTF-8"}}, Ru},
        {"Russian without a territory", {{"LANG", "ru"}}, Ru},
        {"Russian with a modifier", {{"LANG", "ru_UA.UTF-8@euro"}}, Ru},
        {"another language", {{"LANG", "nb_NO.UTF-8"}}, En},
        {"Finnish", {{"LANG", "fi_FI"}}, En},
        {"nothing set", {}, Ru},
        {"C", {{"LANG", "C"}}, Ru},
        {"C.UTF-8", {{"LANG", "C.UTF-8"}}, Ru},
        {"POSIX", {{"LANG", "POSIX"}}, Ru},
        {"LC_ALL before LANG", {{"LC_ALL", "en_GB.UTF-8"}, {"LANG", "ru_RU.UTF-8"}}, En},
        {"LC_ALL before LC_MESSAGES", {{"LC_ALL", "ru_RU.UTF-8"}, {"LC_MESSAGES", "en_US.UTF-8"}}, Ru},
        {"LC_MESSAGES before LANG", {{"LC_MESSAGES", "en_US.UTF-8"}, {"LANG", "ru_RU.UTF-8"}}, En},
        {"an empty LC_ALL is unset", {{"LC_ALL", ""}, {"LANG", "en_US.UTF-8"}}, En},
        {"LANGUAGE before the locale", {{"LANGUAGE", "en"}, {"LANG", "ru_RU.UTF-8"}}, En},
        {"LANGUAGE's first language", {{"LANGUAGE", "ru:en"}, {"LANG", "en_US.UTF-8"}}, Ru},
        {"LANGUAGE with territories", {{"LANGUAGE", "de_DE:ru_RU"}, {"LANG", "ru_RU.UTF-8"}}, En},
        {"an empty LANGUAGE is unset", {{"LANGUAGE", ""}, {"LANG", "en_US.UTF-8"}}, En},
        {"LANGUAGE ignored under C, as gettext does", {{"LANGUAGE", "en"}, {"LC_ALL", "C.UTF-8"}}, Ru},
        {"LANGUAGE ignored without a locale", {{"LANGUAGE", "en_US"}}, Ru},
        {"tests' own locale", {{"LC_ALL", "C.UTF-8"}, {"LANG", "en_US.UTF-8"}}, Ru},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(choose(LanguageChoice::System, c.variables), c.system) << c.what;
        EXPECT_EQ(choose(LanguageChoice::Russian, c.variables), Ru) << c.what;
        EXPECT_EQ(choose(LanguageChoice::English, c.variables), En) << c.what;
    }
}

TEST(InterfaceLanguage, StoredNumbersOutsideTheChoicesFollowTheLocale)
{
    const struct {
        int stored;
        LanguageChoice choice;
    } cases[] = {
        {0, LanguageChoice::System}, {1, LanguageChoice::Russian}, {2, LanguageChoice::English},
        {3, LanguageChoice::System}, {-1, LanguageChoice::System}, {1000, LanguageChoice::System},
    };
    for (const auto &c : cases)
        EXPECT_EQ(languageChoiceFromSetting(c.stored), c.choice) << c.stored;
}
