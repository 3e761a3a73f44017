#include "tooltranslation.h"

#include "data/files/interfacelanguage.h"
#include "data/files/programfolder.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>

namespace lumolex::tools {

namespace {

// Qt's command-line parser translates the descriptions of --help and
// --version while every run sets up its options; they are shown only by the
// help, for which the tool loads the translations and sets up its parser
// again.
constexpr char kSetUpContext[] = "QCommandLineParser";

std::unique_ptr<QTranslator> loaded(const QString &name, const QString &folder)
{
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(name, folder))
        return nullptr;
    return translator;
}

} // namespace

DeferredTranslation::~DeferredTranslation() = default;

void DeferredTranslation::loadNow() const
{
    QMutexLocker locker(&m_loading);
    if (m_loaded.load(std::memory_order_acquire))
        return;
    const QString programFolder = programFolderFor(QCoreApplication::applicationDirPath());
    std::vector<std::unique_ptr<QTranslator>> translators;
    if (chooseInterfaceLanguage(LanguageChoice::System) == InterfaceLanguage::Russian) {
        translators.push_back(loaded(QStringLiteral("lumolex-tools_ru"), translationFolder(programFolder)));
        translators.push_back(loaded(QStringLiteral("qtbase_ru"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)));
    } else {
        auto english = std::make_unique<QTranslator>();
        if (loadProgramEnglish(english.get(), programFolder))
            translators.push_back(std::move(english));
    }
    for (auto &translator : translators) {
        if (!translator)
            continue;
        // A text may first be needed in another thread; the translators live
        // as long as the application, in its thread.
        translator->moveToThread(thread());
        m_translators.push_back(std::move(translator));
    }
    m_loaded.store(true, std::memory_order_release);
}

QString DeferredTranslation::translate(const char *context, const char *sourceText, const char *disambiguation,
                                       int n) const
{
    if (!m_loaded.load(std::memory_order_acquire)) {
        if (qstrcmp(context, kSetUpContext) == 0)
            return QString();
        loadNow();
    }
    for (const auto &translator : m_translators) {
        QString text = translator->translate(context, sourceText, disambiguation, n);
        if (!text.isNull())
            return text;
    }
    return QString();
}

DeferredTranslation *installToolTranslation(QCoreApplication *app)
{
    auto *translation = new DeferredTranslation(app);
    QCoreApplication::installTranslator(translation);
    return translation;
}

} // namespace lumolex::tools
