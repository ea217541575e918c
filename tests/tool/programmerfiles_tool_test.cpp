// Programmer files placed where the chip sits in a target's address map, and S-record files
// joined from several, against srec_cat and srec_cmp, which we did not write.
#include "tempfolder.h"
#include "toolrunner.h"

#include <QStringList>
#include <gtest/gtest.h>
#include <tuple>

using namespace testing_support;

namespace {

class ProgrammerFiles : public ::testing::Test {
protected:
    Finished tool(const QStringList& arguments) { return runTool(arguments, m_folder.folder()); }
    Finished srec(const char* program, const QStringList& arguments) {
        return runProgram(QStringLiteral("/usr/bin/") + QLatin1String(program), arguments,
                          m_folder.folder());
    }
    /// srec_cat's own image of `input`, shifted down by `base`.
    QByteArray theirImage(const QString& input, const QString& format, const QString& base) {
        const Finished made =
            srec("srec_cat",
                 {input, format, QStringLiteral("-offset"), QStringLiteral("-") + base,
                  QStringLiteral("-o"), QStringLiteral("theirs.bin"), QStringLiteral("-binary")});
        EXPECT_EQ(made.exitCode, 0) << made.err.toStdString();
        return m_folder.read(QStringLiteral("theirs.bin"));
    }

    TempFolder m_folder;
};

TEST_F(ProgrammerFiles, ARomAtE000AndFlashAt08000000ComeInWithTheirBase) {
    struct Case {
        const char* name;
        const char* base;
        const char* format;
        qsizetype length;
    };
    const Case cases[] = {{"rom6502.hex", "0xE000", "-intel", 8192},
                          {"firmware.s37", "0x08000000", "-motorola", 20000}};
    for (const Case& test : cases) {
        SCOPED_TRACE(test.name);
        const QByteArray rom = randomBytes(test.length, 11);
        m_folder.write(QStringLiteral("rom.bin"), rom);
        const QString name = QLatin1String(test.name);
        const QString base = QLatin1String(test.base);
        const QString format = QLatin1String(test.format);
        ASSERT_EQ(
            srec("srec_cat", {QStringLiteral("rom.bin"), QStringLiteral("-binary"),
                              QStringLiteral("-offset"), base, QStringLiteral("-o"), name, format})
                .exitCode,
            0);
        const Finished imported = tool({QStringLiteral("import"), QStringLiteral("--base"), base,
                                        QStringLiteral("-o"), QStringLiteral("ours.bin"), name});
        ASSERT_EQ(imported.exitCode, 0) << imported.err.toStdString();
        const QByteArray ours = m_folder.read(QStringLiteral("ours.bin"));
        EXPECT_TRUE(ours == rom);
        EXPECT_TRUE(ours == theirImage(name, format, base));

        // Exported back to the same place, srec_cmp finds the same data as in the original.
        const QString back = QStringLiteral("back") + name.mid(name.lastIndexOf(u'.'));
        const Finished exported = tool({QStringLiteral("export"), QStringLiteral("--base"), base,
                                        QStringLiteral("-o"), back, QStringLiteral("ours.bin")});
        ASSERT_EQ(exported.exitCode, 0) << exported.err.toStdString();
        const Finished compared = srec("srec_cmp", {back, format, name, format});
        EXPECT_EQ(compared.exitCode, 0) << compared.err.toStdString();
    }
}

TEST_F(ProgrammerFiles, FlashWithoutABaseIsRefusedNamingWhereItsDataLies) {
    m_folder.write(QStringLiteral("fw.bin"), randomBytes(4096, 5));
    ASSERT_EQ(
        srec("srec_cat", {QStringLiteral("fw.bin"), QStringLiteral("-binary"),
                          QStringLiteral("-offset"), QStringLiteral("0x08000000"),
                          QStringLiteral("-o"), QStringLiteral("fw.hex"), QStringLiteral("-intel")})
            .exitCode,
        0);
    const Finished refused = tool({QStringLiteral("import"), QStringLiteral("fw.hex")});
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_TRUE(refused.err.contains("0x08000000")) << refused.err.toStdString();
    EXPECT_TRUE(refused.err.contains("--base 0x08000000"));
    EXPECT_TRUE(m_folder.read(QStringLiteral("fw.bin")) == randomBytes(4096, 5)); // untouched

    // A window takes part of the map and says how much it left out.
    const Finished windowed =
        tool({QStringLiteral("import"), QStringLiteral("--base"), QStringLiteral("0x08000000"),
              QStringLiteral("--window"), QStringLiteral("0x08000000-0x080007FF"),
              QStringLiteral("-o"), QStringLiteral("half.bin"), QStringLiteral("fw.hex")});
    ASSERT_EQ(windowed.exitCode, 0) << windowed.err.toStdString();
    EXPECT_TRUE(m_folder.read(QStringLiteral("half.bin")) == randomBytes(4096, 5).left(2048));
    EXPECT_TRUE(windowed.err.contains("2048 байт вне окна")) << windowed.err.toStdString();
}

TEST_F(ProgrammerFiles, SRecordFilesJoinedOneAfterAnotherReadAsSrecCatReadsThem) {
    m_folder.write(QStringLiteral("a.bin"), randomBytes(300, 1));
    m_folder.write(QStringLiteral("b.bin"), randomBytes(200, 2));
    for (const auto& [input, offset, output] :
         {std::tuple{"a.bin", "0", "a.s19"}, std::tuple{"b.bin", "0x400", "b.s19"}}) {
        ASSERT_EQ(srec("srec_cat",
                       {QLatin1String(input), QStringLiteral("-binary"), QStringLiteral("-offset"),
                        QLatin1String(offset), QStringLiteral("-execution-start-address=0"),
                        QStringLiteral("-disable=data-count"), QStringLiteral("-o"),
                        QLatin1String(output)})
                      .exitCode,
                  0);
    }
    m_folder.write(QStringLiteral("joined.s19"),
                   m_folder.read(QStringLiteral("a.s19")) + m_folder.read(QStringLiteral("b.s19")));
    // srec_cat leaves the gap between the blocks zero in a binary file.
    const Finished imported =
        tool({QStringLiteral("import"), QStringLiteral("--fill"), QStringLiteral("00"),
              QStringLiteral("-o"), QStringLiteral("ours.bin"), QStringLiteral("joined.s19")});
    ASSERT_EQ(imported.exitCode, 0) << imported.err.toStdString();
    EXPECT_TRUE(imported.err.contains("новый блок")) << imported.err.toStdString();
    EXPECT_TRUE(
        m_folder.read(QStringLiteral("ours.bin")) ==
        theirImage(QStringLiteral("joined.s19"), QStringLiteral("-motorola"), QStringLiteral("0")));
}

} // namespace
