// export and import against srec_cat, a reader and writer of these formats we did not write.
#include "core/formats/recordfile.h"
#include "tempfolder.h"
#include "toolrunner.h"

#include <QDir>
#include <QList>
#include <gtest/gtest.h>

using namespace testing_support;

namespace {

const QString SrecCat = QStringLiteral("/usr/bin/srec_cat");

QByteArray withoutCarriageReturns(QByteArray text) {
    return text.replace("\r", "");
}

class RecordsTool : public ::testing::Test {
protected:
    Finished tool(const QStringList& arguments, const ChildSetup& setup = {}) {
        return runTool(arguments, m_folder.folder(), setup);
    }
    Finished srecCat(const QStringList& arguments) {
        return runProgram(SrecCat, arguments, m_folder.folder());
    }

    TempFolder m_folder;
};

TEST_F(RecordsTool, SrecCatReadsBackWhatWeExport) {
    struct Case {
        qsizetype length;
        const char* format;
        const char* recordSize;
    };
    const Case cases[] = {
        {0, "ihex", "16"},      {1, "ihex", "1"},       {256, "ihex", "16"},
        {70000, "ihex", "250"}, {200000, "ihex", "32"}, {0, "srec", "16"},
        {256, "srec", "1"},     {70000, "srec", "250"}, {0x1000000, "srec", "250"},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(std::to_string(test.length) + " bytes as " + test.format + ", records of " +
                     test.recordSize);
        const QByteArray image = randomBytes(test.length, static_cast<unsigned>(test.length));
        m_folder.write(QStringLiteral("image.bin"), image);
        const QString format = QLatin1String(test.format);
        const Finished exported =
            tool({QStringLiteral("export"), QStringLiteral("--format"), format,
                  QStringLiteral("--record-size"), QLatin1String(test.recordSize),
                  QStringLiteral("-o"), QStringLiteral("image.txt"), QStringLiteral("image.bin")});
        ASSERT_EQ(exported.exitCode, 0) << exported.err.toStdString();
        const QByteArray text = m_folder.read(QStringLiteral("image.txt"));
        EXPECT_TRUE(text.endsWith('\n'));
        if (image.isEmpty()) {
            // srec_cat refuses a file without data; the end records alone must stand there.
            EXPECT_TRUE(text == ":00000001FF\n" || text.endsWith("\nS5030000FC\nS9030000FC\n"))
                << text.toStdString();
            continue;
        }
        const Finished back =
            srecCat({QStringLiteral("image.txt"),
                     format == QLatin1String("ihex") ? QStringLiteral("-intel")
                                                     : QStringLiteral("-motorola"),
                     QStringLiteral("-o"), QStringLiteral("back.bin"), QStringLiteral("-binary")});
        ASSERT_EQ(back.exitCode, 0) << back.err.toStdString();
        EXPECT_TRUE(back.err.isEmpty()) << back.err.toStdString(); // no warning either
        EXPECT_EQ(m_folder.read(QStringLiteral("back.bin")), image);
    }
}

TEST_F(RecordsTool, RecordsAreLineForLineWhatSrecCatWrites) {
    for (const qsizetype length : {100, 0x10000, 70000, 0x30001}) {
        m_folder.write(QStringLiteral("image.bin"), randomBytes(length, 3));
        // srec_cat cuts records at its own 2 KiB blocks: sizes that divide them compare.
        for (const int recordSize : {1, 16, 128}) {
            SCOPED_TRACE(std::to_string(length) + " bytes, records of " +
                         std::to_string(recordSize));
            const QString blockSize = QStringLiteral("-obs=%1").arg(recordSize);
            // srec_cat starts every file with a linear address record unless told that 16-bit
            // addresses are enough.
            QStringList reference = {QStringLiteral("image.bin"), QStringLiteral("-binary"),
                                     QStringLiteral("-o"),        QStringLiteral("-"),
                                     QStringLiteral("-intel"),    blockSize};
            if (length <= 0x10000) {
                reference << QStringLiteral("--address-length=2");
            }
            const Finished theirs = srecCat(reference);
            ASSERT_EQ(theirs.exitCode, 0) << theirs.err.toStdString();
            const QStringList export_ = {QStringLiteral("export"), QStringLiteral("--record-size"),
                                         QString::number(recordSize), QStringLiteral("image.bin")};
            const Finished ours = tool(export_);
            ASSERT_EQ(ours.exitCode, 0) << ours.err.toStdString();
            // Texts of megabytes: a difference is told without printing them.
            EXPECT_TRUE(withoutCarriageReturns(ours.out) == withoutCarriageReturns(theirs.out));
            ASSERT_EQ(tool(export_ + QStringList{QStringLiteral("-o"), QStringLiteral("our.hex")})
                          .exitCode,
                      0);
            EXPECT_TRUE(m_folder.read(QStringLiteral("our.hex")) == ours.out);

            // S-records: srec_cat's header and end differ from ours; the data records agree
            // once it is told the address width we choose by the length.
            const Finished theirRecords = srecCat(
                {QStringLiteral("image.bin"), QStringLiteral("-binary"), QStringLiteral("-o"),
                 QStringLiteral("-"), QStringLiteral("-motorola"), blockSize,
                 length <= 0x10000 ? QStringLiteral("-address-length=2")
                                   : QStringLiteral("-address-length=3")});
            ASSERT_EQ(theirRecords.exitCode, 0) << theirRecords.err.toStdString();
            const Finished ourRecords =
                tool(export_ + QStringList{QStringLiteral("--format"), QStringLiteral("srec")});
            ASSERT_EQ(ourRecords.exitCode, 0) << ourRecords.err.toStdString();
            const auto dataRecords = [](const QByteArray& text) {
                QList<QByteArray> lines = withoutCarriageReturns(text).split('\n');
                lines.removeIf([](const QByteArray& line) {
                    return !line.startsWith("S1") && !line.startsWith("S2");
                });
                return lines;
            };
            const QList<QByteArray> data = dataRecords(ourRecords.out);
            EXPECT_EQ(data.size(), (length + recordSize - 1) / recordSize);
            EXPECT_TRUE(data == dataRecords(theirRecords.out));
        }
    }
}

TEST_F(RecordsTool, ExportTakesImagesUpToSixteenMiBAsImportDoes) {
    m_folder.write(QStringLiteral("big.bin"), QByteArray(chaserom::RecordImageLimit + 1, '\x5A'));
    m_folder.write(QStringLiteral("big.hex"), "old");
    const Finished exported = tool({QStringLiteral("export"), QStringLiteral("-o"),
                                    QStringLiteral("big.hex"), QStringLiteral("big.bin")});
    EXPECT_EQ(exported.exitCode, 1);
    EXPECT_TRUE(exported.err.contains("«big.bin»")) << exported.err.toStdString();
    EXPECT_TRUE(exported.err.contains("16 МиБ")) << exported.err.toStdString();
    EXPECT_EQ(m_folder.read(QStringLiteral("big.hex")), "old");

    m_folder.write(QStringLiteral("past.hex"), ":020000040100F9\n:0100000041BE\n:00000001FF\n");
    const Finished imported = tool({QStringLiteral("import"), QStringLiteral("past.hex")});
    EXPECT_EQ(imported.exitCode, 1);
    EXPECT_TRUE(imported.err.contains("16 МиБ")) << imported.err.toStdString();
}

TEST_F(RecordsTool, AnExportCutShortByAFullDiskKeepsTheOldFile) {
    m_folder.write(QStringLiteral("image.bin"), randomBytes(400000, 9));
    m_folder.write(QStringLiteral("image.hex"), "old");
    // The text is about a megabyte: the limit cuts it in the middle.
    ChildSetup smallDisk;
    smallDisk.fileSizeLimit = 500000;
    const Finished run = tool({QStringLiteral("export"), QStringLiteral("-o"),
                               QStringLiteral("image.hex"), QStringLiteral("image.bin")},
                              smallDisk);
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains("image.hex")) << run.err.toStdString();
    EXPECT_TRUE(run.err.contains("допустимый размер")) << run.err.toStdString();
    EXPECT_EQ(m_folder.read(QStringLiteral("image.hex")), "old");
    EXPECT_EQ(QDir(m_folder.folder()).entryList(QDir::Files | QDir::Hidden).size(), 2)
        << "no temporary file is left";
}

TEST_F(RecordsTool, WeImportWhatSrecCatWritesByteForByte) {
    const QByteArray image = randomBytes(200000, 11);
    m_folder.write(QStringLiteral("image.bin"), image);
    // A second image with holes: two pieces moved apart, the gap and the start empty.
    const Finished holes =
        srecCat({QStringLiteral("image.bin"), QStringLiteral("-binary"), QStringLiteral("-crop"),
                 QStringLiteral("0x100"), QStringLiteral("0x200"), QStringLiteral("image.bin"),
                 QStringLiteral("-binary"), QStringLiteral("-crop"), QStringLiteral("0"),
                 QStringLiteral("0x40"), QStringLiteral("-offset"), QStringLiteral("0x12345"),
                 QStringLiteral("-o"), QStringLiteral("holes.hex"), QStringLiteral("-intel")});
    ASSERT_EQ(holes.exitCode, 0) << holes.err.toStdString();
    QByteArray expectedHoles(0x12345 + 0x40, '\0');
    expectedHoles.replace(0x100, 0x100, image.mid(0x100, 0x100));
    expectedHoles.replace(0x12345, 0x40, image.left(0x40));

    struct Case {
        QStringList writer;
        QString file;
        QByteArray expected;
    };
    const Case cases[] = {
        // srec_cat's own choice: 32-byte records, type 04 records for more than 64 KiB.
        {{QStringLiteral("-intel")}, QStringLiteral("image.hex"), image},
        {{QStringLiteral("-motorola")}, QStringLiteral("image.srec"), image},
        {{QStringLiteral("-motorola"), QStringLiteral("-address-length=4")},
         QStringLiteral("image.s37"),
         image},
        {{QStringLiteral("-intel"), QStringLiteral("--address-length=2")},
         QStringLiteral("small.hex"),
         image.left(0x8000)},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.file.toStdString());
        QStringList arguments = {QStringLiteral("image.bin"), QStringLiteral("-binary")};
        if (test.expected.size() < image.size()) {
            arguments << QStringLiteral("-crop") << QStringLiteral("0")
                      << QString::number(test.expected.size());
        }
        arguments << QStringLiteral("-o") << test.file << test.writer;
        const Finished written = srecCat(arguments);
        ASSERT_EQ(written.exitCode, 0) << written.err.toStdString();
        const Finished imported = tool({QStringLiteral("import"), QStringLiteral("-o"),
                                        QStringLiteral("imported.bin"), test.file});
        ASSERT_EQ(imported.exitCode, 0) << imported.err.toStdString();
        EXPECT_EQ(m_folder.read(QStringLiteral("imported.bin")), test.expected);
        if (test.file.endsWith(QLatin1String("srec")) || test.file.endsWith(QLatin1String("s37"))) {
            // srec_cat writes no S9 without a start address: the count vouches, with a warning.
            EXPECT_TRUE(imported.err.contains("предупреждение")) << imported.err.toStdString();
        }
    }

    const Finished imported = tool({QStringLiteral("import"), QStringLiteral("--fill"),
                                    QStringLiteral("00"), QStringLiteral("holes.hex")});
    ASSERT_EQ(imported.exitCode, 0) << imported.err.toStdString();
    EXPECT_EQ(m_folder.read(QStringLiteral("holes.bin")), expectedHoles);
    const Finished sized =
        tool({QStringLiteral("import"), QStringLiteral("--size"), QStringLiteral("0x20000"),
              QStringLiteral("-o"), QStringLiteral("sized.bin"), QStringLiteral("holes.hex")});
    ASSERT_EQ(sized.exitCode, 0) << sized.err.toStdString();
    const QByteArray sizedImage = m_folder.read(QStringLiteral("sized.bin"));
    ASSERT_EQ(sizedImage.size(), 0x20000);
    EXPECT_EQ(sizedImage.mid(0x12345, 0x40), image.left(0x40));
    EXPECT_EQ(sizedImage.back(), '\xFF');
    EXPECT_EQ(sizedImage.front(), '\xFF');
}

TEST_F(RecordsTool, RefusedInputsNameTheFileAndLineAndWriteNothing) {
    struct Case {
        const char* name;
        QByteArray text;
        const char* line;
    };
    const Case cases[] = {
        {"checksum.hex", ":0100000041BE\n:0100010042BD\n:00000001FF\n", "строка 2"},
        {"malformed.hex", ":0100000041BE\n\n:01000100\n:00000001FF\n", "строка 3"},
        {"overlap.hex", ":0100000041BE\n:0100000042BD\n:00000001FF\n", "строка 2"},
        {"beyond.hex", ":020000040100F9\n:0100000041BE\n:00000001FF\n", "строка 2"},
        {"noend.hex", ":0100000041BE\n", "строка 1"},
        {"count.srec", "S104000041BA\nS5030002FA\nS9030000FC\n", "строка 2"},
        {"unended.srec", "S104000041BA\nS104000142B8\n", "строка 2"},
    };
    m_folder.write(QStringLiteral("kept.bin"), "old");
    for (const Case& test : cases) {
        SCOPED_TRACE(test.name);
        const QString input = m_folder.write(QLatin1String(test.name), test.text);
        Finished run = tool({QStringLiteral("import"), input});
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_TRUE(run.err.contains(input.toUtf8())) << run.err.toStdString();
        EXPECT_TRUE(run.err.contains(test.line)) << run.err.toStdString();
        EXPECT_FALSE(QFile::exists(m_folder.path(
            QString(QLatin1String(test.name)).section(u'.', 0, 0) + QStringLiteral(".bin"))));
        run = tool(
            {QStringLiteral("import"), QStringLiteral("-o"), QStringLiteral("kept.bin"), input});
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_EQ(m_folder.read(QStringLiteral("kept.bin")), "old");
    }
}

TEST_F(RecordsTool, FormatFollowsTheOutputsExtension) {
    m_folder.write(QStringLiteral("image.bin"), "AB");
    for (const auto& [output, start] : {std::pair{"a.s19", "S0"}, std::pair{"a.MOT", "S0"},
                                        std::pair{"a.ihx", ":"}, std::pair{"a.txt", ":"}}) {
        ASSERT_EQ(tool({QStringLiteral("export"), QStringLiteral("-o"), QLatin1String(output),
                        QStringLiteral("image.bin")})
                      .exitCode,
                  0);
        EXPECT_TRUE(m_folder.read(QLatin1String(output)).startsWith(start)) << output;
    }
    // --format wins over the extension.
    ASSERT_EQ(tool({QStringLiteral("export"), QStringLiteral("--format=srec"), QStringLiteral("-o"),
                    QStringLiteral("b.hex"), QStringLiteral("image.bin")})
                  .exitCode,
              0);
    EXPECT_TRUE(m_folder.read(QStringLiteral("b.hex")).startsWith("S0"));
}

TEST_F(RecordsTool, ImportReadsStandardInput) {
    const QByteArray image = randomBytes(5000, 4);
    m_folder.write(QStringLiteral("image.bin"), image);
    ASSERT_EQ(srecCat({QStringLiteral("image.bin"), QStringLiteral("-binary"), QStringLiteral("-o"),
                       QStringLiteral("image.srec"), QStringLiteral("-motorola")})
                  .exitCode,
              0);
    ChildSetup piped;
    piped.input = m_folder.read(QStringLiteral("image.srec"));

    Finished run = tool({QStringLiteral("import"), QStringLiteral("-o"),
                         QStringLiteral("piped.bin"), QStringLiteral("-")},
                        piped);
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(m_folder.read(QStringLiteral("piped.bin")), image);
    // Without -o the image goes where the text came from: a pipe.
    run = tool({QStringLiteral("import"), QStringLiteral("-")}, piped);
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, image);

    ChildSetup broken;
    broken.input = ":0100000041BE\n:0100";
    run = tool({QStringLiteral("import"), QStringLiteral("-")}, broken);
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains("«стандартный ввод»")) << run.err.toStdString();
    EXPECT_TRUE(run.err.contains("строка 2")) << run.err.toStdString();
    EXPECT_TRUE(run.out.isEmpty());
}

TEST_F(RecordsTool, OldMacLineEndsAreRead) {
    const QByteArray image = randomBytes(3000, 6);
    m_folder.write(QStringLiteral("image.bin"), image);
    for (const char* format : {"ihex", "srec"}) {
        SCOPED_TRACE(format);
        const Finished exported = tool({QStringLiteral("export"), QStringLiteral("--format"),
                                        QLatin1String(format), QStringLiteral("image.bin")});
        ASSERT_EQ(exported.exitCode, 0) << exported.err.toStdString();
        m_folder.write(QStringLiteral("mac.txt"), QByteArray(exported.out).replace('\n', '\r'));
        const Finished imported = tool({QStringLiteral("import"), QStringLiteral("-o"),
                                        QStringLiteral("mac.bin"), QStringLiteral("mac.txt")});
        ASSERT_EQ(imported.exitCode, 0) << imported.err.toStdString();
        EXPECT_EQ(m_folder.read(QStringLiteral("mac.bin")), image);
    }
    m_folder.write(QStringLiteral("bad.hex"), ":0100000041BE\r:0100010042BD\r:00000001FF\r");
    const Finished refused = tool({QStringLiteral("import"), QStringLiteral("bad.hex")});
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_TRUE(refused.err.contains("строка 2: неверная контрольная сумма"))
        << refused.err.toStdString();
}

} // namespace
