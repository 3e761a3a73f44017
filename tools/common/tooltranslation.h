#pragma once

// The language of lumolex-cli and lumolex-mkdata: the window program's rule
// (chooseInterfaceLanguage, data/files/interfacelanguage.h) without a
// setting. In Russian they take their own texts from lumolex-tools_ru.qm and
// Qt's (the command-line parser's) from Qt's qtbase_ru.qm; in English the
// messages they share with the window from the program's lumolex_en.qm.
//
// A tool is started once per word by scripts, and most runs print no text
// at all: the translations are loaded when a text is first translated,
// never at start-up.

#include <QMutex>
#include <QTranslator>

#include <atomic>
#include <memory>
#include <vector>

class QCoreApplication;

namespace lumolex::tools {

class DeferredTranslation : public QTranslator
{
public:
    using QTranslator::QTranslator;
    ~DeferredTranslation() override;

    // Loads the translations now, once: before a text that was made while
    // they were not yet needed (the command-line parser's) is made again.
    void loadNow() const;

    QString translate(const char *context, const char *sourceText, const char *disambiguation = nullptr,
                      int n = -1) const override;

private:
    mutable QMutex m_loading;
    mutable std::atomic<bool> m_loaded{false};
    mutable std::vector<std::unique_ptr<QTranslator>> m_translators;
};

// Installs the tools' translation into the application, owned by it; it
// loads nothing yet.
DeferredTranslation *installToolTranslation(QCoreApplication *app);

} // namespace lumolex::tools
