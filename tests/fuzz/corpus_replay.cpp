// Runs one fuzz target's entry point on every file of its corpus folder:
// the seeds, and every input that once crashed it or broke a promise. A
// broken promise aborts, so the file being run is named on stderr first.
#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv);
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size);

namespace {

TEST(FuzzCorpus, EveryInputRunsCleanly)
{
    const QDir folder(QStringLiteral(LUMOLEX_FUZZ_CORPUS_DIR));
    const QStringList files = folder.entryList(QDir::Files, QDir::Name);
    ASSERT_FALSE(files.isEmpty()) << "no corpus in " << LUMOLEX_FUZZ_CORPUS_DIR;
    for (const QString &name : files) {
        QFile file(folder.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << qPrintable(file.fileName());
        const QByteArray bytes = file.readAll();
        std::fprintf(stderr, "running %s\n", qPrintable(file.fileName()));
        EXPECT_EQ(LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t *>(bytes.constData()),
                                         std::size_t(bytes.size())), 0) << qPrintable(name);
    }
}

} // namespace

int main(int argc, char **argv)
{
    LLVMFuzzerInitialize(&argc, &argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
