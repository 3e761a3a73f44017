// The settings store: defaults for missing and malformed values, values
// stored as text, and the shutdown writes in their order.
#include "app/store/settingsstore.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>

#include <atomic>
#include <chrono>
#include <thread>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using lumolex::Settings;
using lumolex::SettingsStore;

namespace {

class SettingsStoreTest : public ::testing::Test
{
protected:
    QString iniPath() const { return m_dir.filePath(QStringLiteral("LumoLex.ini")); }

    // Puts raw texts into the store, as another program or an older
    // version could have left them.
    void writeRaw(const QList<QPair<QString, QString>> &values)
    {
        QSettings raw(iniPath(), QSettings::IniFormat);
        for (const auto &[name, text] : values)
            raw.setValue(QStringLiteral("Setup/") + name, text);
        raw.sync();
        ASSERT_EQ(raw.status(), QSettings::NoError);
    }

    QString rawValue(const QString &name) const
    {
        QSettings raw(iniPath(), QSettings::IniFormat);
        const QVariant value = raw.value(QStringLiteral("Setup/") + name);
        return value.isValid() ? value.toString() : QStringLiteral("<missing>");
    }

    static Settings changedSettings()
    {
        Settings s;
        s.noDoubleProgramm = true;
        s.FormMainWidth = 1024;
        s.FormMainHeight = 768;
        s.FormMainLeft = -5;
        s.FormMainTop = 40;
        s.PanelWordWidth = 260;
        s.PanelFindWidth = 310;
        s.FontNameLumo = QStringLiteral("DejaVu Sans; Кильдин = \"1\"");
        s.FontSizeList = 14;
        s.FontSizeCard = 9;
        s.FontSizeText = 16;
        s.CardHeight = 400;
        s.CardWidth = 500;
        s.OpenCardWin = false;
        s.CloseCardsAtSwith = true;
        s.Transparency = 30;
        s.TranspCard = false;
        s.DockWindow = false;
        s.HintWord = false;
        s.PanelToolBar = false;
        s.PanelStatus = false;
        s.PanelPhrase = false;
        s.PanelCaption = false;
        s.BookMark = 4711;
        s.SaveParam = true;
        s.IconTray = true;
        s.EvenLines = false;
        s.ColorEvenLines = 0x00FF8040;
        return s;
    }

    QTemporaryDir m_dir;
};

} // namespace

TEST_F(SettingsStoreTest, EmptyStoreGivesTheDefaultsOfTheTable)
{
    SettingsStore store(iniPath());
    const Settings s = store.readAll();
    EXPECT_EQ(s, Settings());
    EXPECT_FALSE(store.readNoDoubleProgramm());
    EXPECT_EQ(s.FormMainWidth, 700);
    EXPECT_EQ(s.FormMainHeight, 550);
    EXPECT_EQ(s.FormMainLeft, -1);
    EXPECT_EQ(s.FormMainTop, -1);
    EXPECT_EQ(s.FontNameLumo, QStringLiteral("Tahoma"));
    EXPECT_EQ(s.ColorEvenLines, 16119285);
    EXPECT_TRUE(s.SaveParam);
    EXPECT_FALSE(s.IconTray);
}

TEST_F(SettingsStoreTest, EverySettingSurvivesARoundTripStoredAsDecimalAndBooleanText)
{
    const Settings written = changedSettings();
    {
        SettingsStore store(iniPath());
        ASSERT_EQ(store.writeAtShutdown(written), QString());
    }
    SettingsStore store(iniPath());
    EXPECT_EQ(store.readAll(), written);
    EXPECT_TRUE(store.readNoDoubleProgramm());

    EXPECT_EQ(rawValue(QStringLiteral("FormMainLeft")), QStringLiteral("-5"));
    EXPECT_EQ(rawValue(QStringLiteral("ColorEvenLines")), QString::number(0x00FF8040));
    EXPECT_EQ(rawValue(QStringLiteral("noDoubleProgramm")), QStringLiteral("1"));
    EXPECT_EQ(rawValue(QStringLiteral("OpenCardWin")), QStringLiteral("0"));
    EXPECT_EQ(rawValue(QStringLiteral("FontNameLumo")), written.FontNameLumo);
    // In the file itself the numbers are plain text under [Setup].
    QFile file(iniPath());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray content = file.readAll();
    EXPECT_TRUE(content.contains("[Setup]"));
    EXPECT_TRUE(content.contains("FormMainWidth=1024"));
    EXPECT_TRUE(content.contains("SaveParam=1"));
    EXPECT_FALSE(content.contains("@Variant"));
}

TEST_F(SettingsStoreTest, TextsThatAreNotDecimalIntegersGiveTheDefault)
{
    // Only decimal integer texts are read.
    const struct { const char *name; QString text; int Settings::*field; int expected; } ints[] = {
        {"FormMainWidth", QStringLiteral("abc"), &Settings::FormMainWidth, 700},
        {"FormMainHeight", QStringLiteral(""), &Settings::FormMainHeight, 550},
        {"FormMainLeft", QStringLiteral(" 5"), &Settings::FormMainLeft, -1},
        {"FormMainTop", QStringLiteral("0x10"), &Settings::FormMainTop, -1},
        {"PanelWordWidth", QStringLiteral("99999999999"), &Settings::PanelWordWidth, 200},
        {"PanelFindWidth", QStringLiteral("12.5"), &Settings::PanelFindWidth, 200},
        {"FontSizeList", QStringLiteral("-"), &Settings::FontSizeList, 12},
        {"FontSizeCard", QStringLiteral("+9"), &Settings::FontSizeCard, 9},
        {"FontSizeText", QStringLiteral("-"), &Settings::FontSizeText, 11},
        {"CardHeight", QStringLiteral("+300"), &Settings::CardHeight, 300},
        {"CardWidth", QStringLiteral("-2147483649"), &Settings::CardWidth, 350},
        {"Transparency", QStringLiteral("1e3"), &Settings::Transparency, 0},
        {"BookMark", QStringLiteral("١٢"), &Settings::BookMark, 0}, // Arabic-Indic digits
    };
    // Booleans are true for every non-zero integer; other texts give the default.
    const struct { const char *name; QString text; bool Settings::*field; bool expected; } bools[] = {
        {"noDoubleProgramm", QStringLiteral("2"), &Settings::noDoubleProgramm, true},
        {"OpenCardWin", QStringLiteral("0"), &Settings::OpenCardWin, false},
        {"CloseCardsAtSwith", QStringLiteral("-1"), &Settings::CloseCardsAtSwith, true},
        {"TranspCard", QStringLiteral("abc"), &Settings::TranspCard, true},
        {"IconTray", QStringLiteral("abc"), &Settings::IconTray, false},
        {"DockWindow", QStringLiteral("00"), &Settings::DockWindow, false},
        {"HintWord", QStringLiteral("true"), &Settings::HintWord, true},
        {"EvenLines", QStringLiteral(""), &Settings::EvenLines, true},
    };
    QList<QPair<QString, QString>> raw;
    for (const auto &c : ints)
        raw.append({QString::fromLatin1(c.name), c.text});
    for (const auto &c : bools)
        raw.append({QString::fromLatin1(c.name), c.text});
    writeRaw(raw);
    SettingsStore store(iniPath());
    const Settings s = store.readAll();
    for (const auto &c : ints)
        EXPECT_EQ(s.*c.field, c.expected) << c.name << " = " << c.text.toStdString();
    for (const auto &c : bools)
        EXPECT_EQ(s.*c.field, c.expected) << c.name << " = " << c.text.toStdString();
    EXPECT_TRUE(store.readNoDoubleProgramm());
}

TEST_F(SettingsStoreTest, NumbersOutsideTheirRangeAreBroughtToTheNearestBound)
{
    // Each bound is accepted as it is, and one past it is brought back to it.
    const struct { const char *name; int Settings::*field; int min; int max; } ranges[] = {
        {"FormMainWidth", &Settings::FormMainWidth, 1, 32767},
        {"FormMainHeight", &Settings::FormMainHeight, 1, 32767},
        {"FormMainLeft", &Settings::FormMainLeft, -32768, 32767},
        {"FormMainTop", &Settings::FormMainTop, -32768, 32767},
        {"PanelWordWidth", &Settings::PanelWordWidth, 50, 32767},
        {"PanelFindWidth", &Settings::PanelFindWidth, 50, 32767},
        {"FontSizeList", &Settings::FontSizeList, 8, 72},
        {"FontSizeCard", &Settings::FontSizeCard, 8, 72},
        {"FontSizeText", &Settings::FontSizeText, 8, 72},
        {"CardHeight", &Settings::CardHeight, 100, 900},
        {"CardWidth", &Settings::CardWidth, 100, 900},
        {"Transparency", &Settings::Transparency, 0, 90},
        {"BookMark", &Settings::BookMark, 0, 2147483647},
        {"ColorEvenLines", &Settings::ColorEvenLines, 0, 0xFFFFFF},
    };
    const auto readWith = [this](const char *name, qint64 stored) {
        writeRaw({{QString::fromLatin1(name), QString::number(stored)}});
        return SettingsStore(iniPath()).readAll();
    };
    for (const auto &r : ranges) {
        SCOPED_TRACE(r.name);
        EXPECT_EQ(readWith(r.name, r.min).*r.field, r.min);
        EXPECT_EQ(readWith(r.name, r.max).*r.field, r.max);
        if (r.min > -2147483647 - 1) {
            EXPECT_EQ(readWith(r.name, qint64(r.min) - 1).*r.field, r.min);
        }
        if (r.max < 2147483647) {
            EXPECT_EQ(readWith(r.name, qint64(r.max) + 1).*r.field, r.max);
        }
        EXPECT_EQ(readWith(r.name, -2147483647 - 1).*r.field, r.min);
        EXPECT_EQ(readWith(r.name, 2147483647).*r.field, r.max);
        QFile::remove(iniPath());
    }
}

TEST_F(SettingsStoreTest, HandEditedIniFileIsRead)
{
    QFile file(iniPath());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("[Setup]\r\nFontNameLumo=Times New Roman, Bold\r\nFormMainWidth=640\r\n"
               "SaveParam=0\r\n[Other]\r\nFormMainHeight=1\r\n");
    file.close();
    SettingsStore store(iniPath());
    const Settings s = store.readAll();
    EXPECT_EQ(s.FontNameLumo, QStringLiteral("Times New Roman, Bold"));
    EXPECT_EQ(s.FormMainWidth, 640);
    EXPECT_FALSE(s.SaveParam);
    EXPECT_EQ(s.FormMainHeight, 550);   // only the group "Setup" counts
}

TEST_F(SettingsStoreTest, FirstShutdownCreatesEveryValueInTheFixedOrder)
{
    const QStringList expected = {
        "FormMainWidth", "FormMainHeight", "FormMainLeft", "FormMainTop", "PanelWordWidth",
        "PanelFindWidth", "FontNameLumo", "FontSizeList", "FontSizeCard", "FontSizeText",
        "CardHeight", "CardWidth", "OpenCardWin", "CloseCardsAtSwith", "Transparency",
        "TranspCard", "DockWindow", "HintWord", "PanelToolBar", "PanelStatus", "PanelPhrase",
        "PanelCaption", "IconTray", "noDoubleProgramm", "EvenLines", "ColorEvenLines",
        "ExactLetters", "PanelLetters", "BookMark", "SaveParam"};
    QStringList names;
    for (const auto &value : SettingsStore::shutdownValues(changedSettings()))
        names.append(value.first);
    EXPECT_EQ(names, expected);
    {
        SettingsStore store(iniPath());
        ASSERT_EQ(store.writeAtShutdown(Settings()), QString());
    }
    QSettings raw(iniPath(), QSettings::IniFormat);
    raw.beginGroup(QStringLiteral("Setup"));
    EXPECT_EQ(raw.childKeys().size(), expected.size());
}

TEST_F(SettingsStoreTest, WithoutSaveParamOnlyBookMarkAndSaveParamAreWritten)
{
    Settings s = changedSettings();
    s.SaveParam = false;
    s.BookMark = 77;
    const auto values = SettingsStore::shutdownValues(s);
    ASSERT_EQ(values.size(), 2);
    EXPECT_EQ(values[0], qMakePair(QStringLiteral("BookMark"), QStringLiteral("77")));
    EXPECT_EQ(values[1], qMakePair(QStringLiteral("SaveParam"), QStringLiteral("0")));

    // That the old values stay in the store is checked at the window's shutdown.
}

TEST_F(SettingsStoreTest, UnwritableStoreIsReported)
{
    // A store below a plain file can never be written, whoever runs the test.
    QFile blocker(m_dir.filePath(QStringLiteral("not-a-folder")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const QString path = m_dir.filePath(QStringLiteral("not-a-folder/LumoLex.ini"));
    SettingsStore store(path);
    EXPECT_EQ(store.readAll(), Settings());
    const QString error = store.writeAtShutdown(changedSettings());
    EXPECT_FALSE(error.isEmpty());
    EXPECT_TRUE(error.contains(QStringLiteral("not-a-folder"))) << error.toStdString();
}

// A FIFO in place of the settings file would block the start-up until
// someone writes to it: it is neither read nor written, and stays. (Should
// the store open it, a helper lets it go after two seconds, so that the test
// fails instead of hanging.)
TEST_F(SettingsStoreTest, FifoInPlaceOfTheFileIsRefusedAtOnceAndLeftAlone)
{
    const QByteArray fifo = QFile::encodeName(iniPath());
    ASSERT_EQ(::mkfifo(fifo.constData(), 0600), 0);
    std::atomic<bool> done = false;
    std::thread release([&done, &fifo] {
        for (int i = 0; i < 200 && !done; ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        for (int i = 0; i < 2; ++i) { // for the read and for the write
            const int fd = ::open(fifo.constData(), O_WRONLY | O_NONBLOCK);
            if (fd >= 0)
                ::close(fd);
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
    });
    QElapsedTimer clock;
    clock.start();
    SettingsStore store(iniPath());
    const Settings read = store.readAll();
    const QString error = store.writeAtShutdown(changedSettings());
    const qint64 elapsed = clock.elapsed();
    done = true;
    release.join();

    EXPECT_LT(elapsed, 1000);
    EXPECT_EQ(read, Settings());
    EXPECT_TRUE(store.refusal().contains(QStringLiteral("это не обычный файл"))) << store.refusal().toStdString();
    EXPECT_TRUE(error.contains(QStringLiteral("не обычный файл"))) << error.toStdString();
    struct stat status {};
    ASSERT_EQ(::lstat(fifo.constData(), &status), 0);
    EXPECT_TRUE(S_ISFIFO(status.st_mode));
}

TEST_F(SettingsStoreTest, FileThatIsNotIniIsKeptAsACopyBeforeANewOneIsWritten)
{
    const QString backup = iniPath() + QStringLiteral(".bak");
    const QByteArray texts[] = {"plain words no equals", "\x01\x02\xFF binary", "[Setup]\r\nFontSizeList=14\r\nno equals\r\n"};
    for (const QByteArray &text : texts) {
        SCOPED_TRACE(text.toStdString());
        QFile::remove(backup);
        QFile file(iniPath());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(text);
        file.close();

        Settings written = changedSettings();
        {
            SettingsStore store(iniPath());
            store.readAll();
            const QString message = store.writeAtShutdown(written);
            EXPECT_TRUE(message.contains(QStringLiteral("LumoLex.ini.bak"))) << message.toStdString();
            EXPECT_FALSE(message.contains(QStringLiteral("Не удалось"))) << message.toStdString();
        }
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_TRUE(file.readAll().startsWith("[Setup]"));
        file.close();
        QFile copy(backup);
        ASSERT_TRUE(copy.open(QIODevice::ReadOnly));
        EXPECT_EQ(copy.readAll(), text);
        copy.close();

        // The new file reads back whole; the next write makes no copy.
        SettingsStore again(iniPath());
        EXPECT_EQ(again.readAll(), written);
        written.FontSizeList = 20;
        EXPECT_EQ(again.writeAtShutdown(written), QString());
        ASSERT_TRUE(copy.open(QIODevice::ReadOnly));
        EXPECT_EQ(copy.readAll(), text);
        copy.close();
    }
}

TEST_F(SettingsStoreTest, SettingsFileThatIsALinkStaysOneAndItsTargetIsWritten)
{
    // Dotfile managers keep the settings file elsewhere and link it in place.
    const QString target = m_dir.filePath(QStringLiteral("dotfiles/LumoLex.ini"));
    ASSERT_TRUE(QDir().mkpath(m_dir.filePath(QStringLiteral("dotfiles"))));
    for (const QByteArray &text : {QByteArray("[Setup]\r\nFontSizeList=14\r\n"), QByteArray("not an ini file")}) {
        SCOPED_TRACE(text.toStdString());
        QFile::remove(iniPath());
        QFile::remove(iniPath() + QStringLiteral(".bak"));
        QFile file(target);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(text);
        file.close();
        ASSERT_TRUE(QFile::link(target, iniPath()));
        {
            SettingsStore store(iniPath());
            store.writeAtShutdown(changedSettings());
        }
        EXPECT_EQ(QFileInfo(iniPath()).symLinkTarget(), target);
        EXPECT_EQ(SettingsStore(target).readAll(), changedSettings());
    }
}

TEST(SettingsColours, BgrIntegersMapToColours)
{
    EXPECT_EQ(lumolex::colorFromBgr(16119285), QColor(0xF5, 0xF5, 0xF5));
    EXPECT_EQ(lumolex::colorFromBgr(0x000000FF), QColor(Qt::red));
    EXPECT_EQ(lumolex::colorFromBgr(0x00FF0000), QColor(Qt::blue));
    EXPECT_EQ(lumolex::bgrFromColor(QColor(Qt::red)), 0x000000FF);
    EXPECT_EQ(lumolex::bgrFromColor(lumolex::colorFromBgr(0x00123456)), 0x00123456);
}

TEST_F(SettingsStoreTest, InterfaceLanguageIsKeptOnlyWhileOneIsChosen)
{
    // Read: a choice, or the locale (0) for anything else.
    const struct {
        QString stored;
        int read;
    } readings[] = {{"0", 0}, {"1", 1}, {"2", 2}, {"3", 0}, {"-1", 0}, {"en", 0}, {"", 0}, {" 2", 0}};
    for (const auto &r : readings) {
        writeRaw({{QStringLiteral("Language"), r.stored}});
        SettingsStore store(iniPath());
        EXPECT_EQ(store.readLanguage(), r.read) << r.stored.toStdString();
        EXPECT_EQ(store.readAll().Language, r.read) << r.stored.toStdString();
    }
    // Written: the choice; following the locale again removes it, so a file
    // of a user who never chose one is unchanged.
    const struct {
        int language;
        bool saveParam;
        QString stored;
    } writings[] = {{2, true, "2"}, {1, true, "1"}, {0, true, "<missing>"}, {2, false, "<missing>"}};
    for (const auto &w : writings) {
        writeRaw({{QStringLiteral("Language"), QStringLiteral("1")}});
        if (!w.saveParam)
            QFile::remove(iniPath());
        Settings s;
        s.Language = w.language;
        s.SaveParam = w.saveParam;
        SettingsStore store(iniPath());
        ASSERT_EQ(store.writeAtShutdown(s), QString());
        EXPECT_EQ(rawValue(QStringLiteral("Language")), w.stored) << w.language << w.saveParam;
    }
}
