// checksum, compare and generate on real files; usage errors and file safety.
#include "tempfolder.h"
#include "toolrunner.h"

#include <QBuffer>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QRegularExpression>
#include <gtest/gtest.h>
#include <random>
#include <sys/stat.h>

using namespace testing_support;

namespace {

/// A command line written as one string, its words split at blanks.
QStringList words(const QString& line) {
    return line.split(u' ', Qt::SkipEmptyParts);
}

class ImagesTool : public ::testing::Test {
protected:
    Finished tool(const QStringList& arguments, const ChildSetup& setup = {}) {
        return runTool(arguments, m_folder.folder(), setup);
    }
    Finished program(const char* name, const QStringList& arguments) {
        return runProgram(QStringLiteral("/usr/bin/") + QLatin1String(name), arguments,
                          m_folder.folder());
    }

    /// The four-byte value a srec_cat filter (such as -crc32-l-e) puts just past an
    /// image's end, little-endian.
    quint32 srecCatValue(const QString& image, qint64 length, QStringList filter) {
        const QString end = QString::number(length);
        filter.insert(1, end);
        const Finished run = program(
            "srec_cat",
            QStringList{image, QStringLiteral("-binary")} + filter +
                QStringList{QStringLiteral("-crop"), end, QString::number(length + 4),
                            QStringLiteral("-offset"), QStringLiteral("-") + end,
                            QStringLiteral("-o"), QStringLiteral("-"), QStringLiteral("-binary")});
        EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
        const auto* bytes = reinterpret_cast<const quint8*>(run.out.constData());
        return run.out.size() != 4 ? 0
                                   : bytes[0] | bytes[1] << 8 | bytes[2] << 16 |
                                         static_cast<quint32>(bytes[3]) << 24;
    }

    TempFolder m_folder;
};

TEST_F(ImagesTool, ChecksumsAgreeWithSrecCat) {
    m_folder.write(QStringLiteral("eprom.bin"), QByteArray(32768, '\xFF'));
    Finished run = tool({QStringLiteral("checksum"), QStringLiteral("eprom.bin")});
    ASSERT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, "sum16=8000 sum32=007F8000 crc32=1B43EABD size=32768 eprom.bin\n");

    for (const qsizetype length : {1, 12345, 300000}) {
        SCOPED_TRACE(length);
        m_folder.write(QStringLiteral("image.bin"), randomBytes(length, 1));
        run = tool({QStringLiteral("checksum"), QStringLiteral("image.bin")});
        ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
        const QRegularExpressionMatch line =
            QRegularExpression(QStringLiteral("^sum16=([0-9A-F]{4}) sum32=([0-9A-F]{8}) "
                                              "crc32=([0-9A-F]{8}) size=(\\d+) image.bin\n$"))
                .match(QString::fromUtf8(run.out));
        ASSERT_TRUE(line.hasMatch()) << run.out.toStdString();
        // -checksum-positive over values one byte wide sums the bytes.
        const quint32 sum = srecCatValue(
            QStringLiteral("image.bin"), length,
            {QStringLiteral("-checksum-positive-l-e"), QStringLiteral("4"), QStringLiteral("1")});
        const quint32 crc =
            srecCatValue(QStringLiteral("image.bin"), length, {QStringLiteral("-crc32-l-e")});
        EXPECT_EQ(line.captured(2).toUInt(nullptr, 16), sum);
        EXPECT_EQ(line.captured(1).toUInt(nullptr, 16), sum & 0xFFFF);
        EXPECT_EQ(line.captured(3).toUInt(nullptr, 16), crc);
        EXPECT_EQ(line.captured(4).toLongLong(), length);
    }

    // One unreadable file is reported; the others are still summed.
    run = tool(
        {QStringLiteral("checksum"), QStringLiteral("missing.bin"), QStringLiteral("eprom.bin")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.out.endsWith("eprom.bin\n"));
    EXPECT_TRUE(run.err.contains("missing.bin"));
}

/// The runs of differing addresses srec_cmp -v lists as single addresses and ranges
/// "a - b" (a run of two as two addresses).
QList<QPair<qint64, qint64>> srecCmpDifferences(const QByteArray& report) {
    QList<QPair<qint64, qint64>> runs;
    const qsizetype start = report.indexOf("Different:");
    if (start < 0) {
        return runs;
    }
    qsizetype end = report.indexOf("only:", start);
    const QString listed = QString::fromUtf8(report.mid(start, end < 0 ? -1 : end - start));
    const QRegularExpression item(
        QStringLiteral("(0x[0-9a-fA-F]+|\\d+)(?: - (0x[0-9a-fA-F]+|\\d+))?"));
    for (auto it = item.globalMatch(listed); it.hasNext();) {
        const auto match = it.next();
        const qint64 first = match.captured(1).toLongLong(nullptr, 0);
        const qint64 last =
            match.captured(2).isEmpty() ? first : match.captured(2).toLongLong(nullptr, 0);
        if (!runs.isEmpty() && runs.back().second + 1 == first) {
            runs.back().second = last;
        } else {
            runs.append({first, last});
        }
    }
    return runs;
}

TEST_F(ImagesTool, CompareAgreesWithSrecCmp) {
    std::mt19937 random(8);
    for (int round = 0; round < 5; ++round) {
        SCOPED_TRACE(round);
        const QByteArray a = randomBytes(1000 + round * 5000, static_cast<unsigned>(round));
        QByteArray b = a;
        for (int change = 0; change < 12; ++change) {
            const auto at = static_cast<qsizetype>(random() % static_cast<unsigned>(b.size() - 20));
            for (qsizetype i = 0; i < static_cast<qsizetype>(random() % 20) + 1; ++i) {
                b[at + i] = static_cast<char>(~b[at + i]);
            }
        }
        if (round % 2 == 1) {
            b.append("longer");
        }
        m_folder.write(QStringLiteral("a.bin"), a);
        m_folder.write(QStringLiteral("b.bin"), b);
        const Finished ours =
            tool({QStringLiteral("compare"), QStringLiteral("a.bin"), QStringLiteral("b.bin")});
        EXPECT_EQ(ours.exitCode, 1);
        const Finished theirs = program(
            "srec_cmp", {QStringLiteral("a.bin"), QStringLiteral("-binary"),
                         QStringLiteral("b.bin"), QStringLiteral("-binary"), QStringLiteral("-v")});
        QList<QPair<qint64, qint64>> runs;
        bool sizeLine = false;
        for (const QByteArray& line : ours.out.split('\n')) {
            if (line.startsWith("size: ")) {
                sizeLine = true;
                EXPECT_EQ(line, QByteArray("size: a.bin %1, b.bin %2")
                                    .replace("%1", QByteArray::number(a.size()))
                                    .replace("%2", QByteArray::number(b.size())));
            } else if (!line.isEmpty()) {
                ASSERT_TRUE(QRegularExpression(QStringLiteral("^0x[0-9A-F]{4,}-0x[0-9A-F]{4,}$"))
                                .match(QString::fromLatin1(line))
                                .hasMatch())
                    << line.toStdString();
                runs.append({line.mid(2, line.indexOf('-') - 2).toLongLong(nullptr, 16),
                             line.mid(line.indexOf('-') + 3).toLongLong(nullptr, 16)});
            }
        }
        EXPECT_EQ(runs, srecCmpDifferences(theirs.out + theirs.err)) << theirs.out.toStdString();
        EXPECT_EQ(sizeLine, a.size() != b.size());
    }
    m_folder.write(QStringLiteral("c.bin"), "same");
    m_folder.write(QStringLiteral("d.bin"), "same");
    Finished same =
        tool({QStringLiteral("compare"), QStringLiteral("c.bin"), QStringLiteral("d.bin")});
    EXPECT_EQ(same.exitCode, 0);
    EXPECT_TRUE(same.out.isEmpty());
    same = tool({QStringLiteral("compare"), QStringLiteral("c.bin"), QStringLiteral("none.bin")});
    EXPECT_EQ(same.exitCode, 2);
    EXPECT_EQ(tool({QStringLiteral("compare"), QStringLiteral("c.bin")}).exitCode, 2);
}

TEST_F(ImagesTool, GenerateWritesTheEffectAndKeepsTheRest) {
    Finished run =
        tool({QStringLiteral("generate"), QStringLiteral("bounce"), QStringLiteral("--channels"),
              QStringLiteral("8"), QStringLiteral("new.bin")});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(m_folder.read(QStringLiteral("new.bin")).toHex(' ').toUpper(),
              "7F BF DF EF F7 FB FD FE FD FB F7 EF DF BF");

    m_folder.write(QStringLiteral("image.bin"), QByteArray::fromHex("0102030405060708"));
    run = tool({QStringLiteral("generate"), QStringLiteral("chase"),
                QStringLiteral("--channels=16"), QStringLiteral("--steps"), QStringLiteral("3"),
                QStringLiteral("--at"), QStringLiteral("0x2"), QStringLiteral("image.bin")});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(m_folder.read(QStringLiteral("image.bin")).toHex().toUpper(), "01027FFFBFFFDFFF");
    run = tool({QStringLiteral("generate"), QStringLiteral("blink"), QStringLiteral("--channels"),
                QStringLiteral("24"), QStringLiteral("--at"), QStringLiteral("10"),
                QStringLiteral("image.bin")});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(m_folder.read(QStringLiteral("image.bin")).toHex().toUpper(),
              "01027FFFBFFFDFFFFFFF000000FFFFFF");

    const QStringList random = {QStringLiteral("generate"),   QStringLiteral("random"),
                                QStringLiteral("--channels"), QStringLiteral("32"),
                                QStringLiteral("--lit"),      QStringLiteral("5"),
                                QStringLiteral("--seed"),     QStringLiteral("99"),
                                QStringLiteral("--steps"),    QStringLiteral("50")};
    ASSERT_EQ(tool(random + QStringList{QStringLiteral("r1.bin")}).exitCode, 0);
    ASSERT_EQ(tool(random + QStringList{QStringLiteral("r2.bin")}).exitCode, 0);
    EXPECT_EQ(m_folder.read(QStringLiteral("r1.bin")), m_folder.read(QStringLiteral("r2.bin")));
    EXPECT_EQ(m_folder.read(QStringLiteral("r1.bin")).size(), 200);
}

TEST_F(ImagesTool, UsageErrorsExitWithTwoAndTouchNothing) {
    m_folder.write(QStringLiteral("image.bin"), "AB");
    const QStringList wrong[] = {
        {},
        {QStringLiteral("frobnicate")},
        {QStringLiteral("--colour")},
        {QStringLiteral("export"), QStringLiteral("--record-size"), QStringLiteral("251"),
         QStringLiteral("image.bin")},
        {QStringLiteral("export"), QStringLiteral("--format"), QStringLiteral("bin"),
         QStringLiteral("image.bin")},
        {QStringLiteral("export"), QStringLiteral("image.bin"), QStringLiteral("-o")},
        {QStringLiteral("export"), QStringLiteral("-o"), QStringLiteral("image.bin"),
         QStringLiteral("image.bin")},
        {QStringLiteral("import"), QStringLiteral("--fill"), QStringLiteral("GG"),
         QStringLiteral("x.hex")},
        {QStringLiteral("import"), QStringLiteral("image.bin")},
        {QStringLiteral("generate"), QStringLiteral("chase"), QStringLiteral("image.bin")},
        {QStringLiteral("generate"), QStringLiteral("chase"), QStringLiteral("--channels"),
         QStringLiteral("12"), QStringLiteral("image.bin")},
        {QStringLiteral("generate"), QStringLiteral("chase"), QStringLiteral("--channels"),
         QStringLiteral("8"), QStringLiteral("--seed"), QStringLiteral("1"),
         QStringLiteral("image.bin")},
        {QStringLiteral("generate"), QStringLiteral("random"), QStringLiteral("--channels"),
         QStringLiteral("8"), QStringLiteral("--lit"), QStringLiteral("9"),
         QStringLiteral("image.bin")},
        {QStringLiteral("generate"), QStringLiteral("chase"), QStringLiteral("--channels"),
         QStringLiteral("8"), QStringLiteral("--at"), QStringLiteral("16777215"),
         QStringLiteral("image.bin")},
        {QStringLiteral("gif"), QStringLiteral("image.bin")},
        {QStringLiteral("gif"), QStringLiteral("--steps"), QStringLiteral("10001"),
         QStringLiteral("-o"), QStringLiteral("x.gif"), QStringLiteral("image.bin")},
        {QStringLiteral("checksum")},
    };
    for (const QStringList& arguments : wrong) {
        SCOPED_TRACE(arguments.join(u' ').toStdString());
        const Finished run = tool(arguments);
        EXPECT_EQ(run.exitCode, 2);
        EXPECT_TRUE(run.err.startsWith("chaserom-tool: ")) << run.err.toStdString();
        EXPECT_TRUE(run.err.contains("--help")) << run.err.toStdString();
        EXPECT_TRUE(run.out.isEmpty());
    }
    EXPECT_EQ(m_folder.read(QStringLiteral("image.bin")), "AB");
    EXPECT_FALSE(QFile::exists(m_folder.path(QStringLiteral("x.gif"))));
}

TEST_F(ImagesTool, NewWritesAWholeChipOrASizeOfOneByte) {
    EXPECT_EQ(tool(words(QStringLiteral("new --chip 27c256 chip.bin"))).exitCode, 0);
    EXPECT_EQ(m_folder.read(QStringLiteral("chip.bin")), QByteArray(32768, '\xFF'));
    EXPECT_EQ(tool(words(QStringLiteral("new --chip 27512 --fill 00 chip.bin"))).exitCode, 0);
    EXPECT_EQ(m_folder.read(QStringLiteral("chip.bin")), QByteArray(65536, '\0'));
    EXPECT_EQ(tool(words(QStringLiteral("new --size 0x10 --fill 0x7F small.bin"))).exitCode, 0);
    EXPECT_EQ(m_folder.read(QStringLiteral("small.bin")), QByteArray(16, '\x7F'));

    for (const char* wrong :
         {"new chip.bin", "new --chip 2716 --size 1 chip.bin", "new --chip 2718 chip.bin",
          "new --size 0 chip.bin", "new --size 16777217 chip.bin",
          "new --chip 2716 --fill G chip.bin", "new --chip 2716"}) {
        SCOPED_TRACE(wrong);
        const Finished run = tool(words(QString::fromLatin1(wrong)));
        EXPECT_EQ(run.exitCode, 2);
        EXPECT_TRUE(run.err.contains("--help")) << run.err.toStdString();
    }
    EXPECT_EQ(m_folder.read(QStringLiteral("chip.bin")), QByteArray(65536, '\0'));
}

TEST_F(ImagesTool, HelpAndVersion) {
    Finished run = tool({QStringLiteral("--version")});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_TRUE(run.out.startsWith("chaserom-tool "));
    run = tool({QStringLiteral("--help")});
    EXPECT_EQ(run.exitCode, 0);
    for (const char* command : {"export", "import", "checksum", "compare", "generate", "gif"}) {
        const Finished own = tool({QLatin1String(command), QStringLiteral("--help")});
        EXPECT_EQ(own.exitCode, 0);
        EXPECT_TRUE(own.out.startsWith(QByteArray("chaserom-tool ") + command)) << command;
        EXPECT_TRUE(run.out.contains(own.out)) << command; // the whole help holds each
    }
}

TEST_F(ImagesTool, SpeaksEnglishWhenAsked) {
    const QRegularExpression cyrillic(QStringLiteral("[\\x{0400}-\\x{04FF}]"));
    m_folder.write(QStringLiteral("short.bin"), "ABC");
    const QStringList lines[] = {
        words(QStringLiteral("--language en --help")),
        words(QStringLiteral("--language en gif --help")),
        words(QStringLiteral("--language en gif short.bin")),
        words(QStringLiteral("--language en gif --channels 32 -o x.gif short.bin")),
        words(QStringLiteral("--language en import --base 0x10 missing.hex")),
        words(QStringLiteral("--language en frobnicate")),
        words(QStringLiteral("compare short.bin none.bin --language=en")),
    };
    for (const QStringList& line : lines) {
        const Finished run = tool(line);
        const QString said = QString::fromUtf8(run.out + run.err);
        EXPECT_FALSE(said.trimmed().isEmpty()) << line.join(u' ').toStdString();
        EXPECT_FALSE(cyrillic.match(said).hasMatch()) << said.toStdString();
    }
    // A language it does not speak is a command-line error.
    EXPECT_EQ(tool(words(QStringLiteral("--language fr --help"))).exitCode, 2);
}

TEST_F(ImagesTool, OnlyRegularFilesAreReadAndAFailedWriteKeepsTheOldFile) {
    const QString fifo = m_folder.path(QStringLiteral("fifo"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    QElapsedTimer timer;
    timer.start();
    for (const char* command : {"export", "import", "checksum"}) {
        const Finished run = tool({QLatin1String(command), QStringLiteral("fifo")});
        EXPECT_EQ(run.exitCode, 1) << command;
        EXPECT_TRUE(run.err.contains("fifo")) << run.err.toStdString();
    }
    EXPECT_LT(timer.elapsed(), 30000);

    // A folder that does not exist cannot take the output: nothing is written anywhere.
    m_folder.write(QStringLiteral("image.bin"), "AB");
    const Finished run = tool({QStringLiteral("export"), QStringLiteral("-o"),
                               QStringLiteral("missing/out.hex"), QStringLiteral("image.bin")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains("missing/out.hex")) << run.err.toStdString();
}

TEST_F(ImagesTool, AnAddressThatIsNoNumberIsCalledSo) {
    m_folder.write(QStringLiteral("image.bin"), "AB");
    for (const char* address : {"-1", "0x", "+5", "ten", "1.5"}) {
        SCOPED_TRACE(address);
        const Finished run = tool(words(QStringLiteral("generate chase --channels 8 image.bin")) +
                                  QStringList{QStringLiteral("--at"), QLatin1String(address)});
        EXPECT_EQ(run.exitCode, 2);
        EXPECT_TRUE(run.err.contains(QByteArray("«") + address + "»")) << run.err.toStdString();
        EXPECT_FALSE(run.err.contains("16 МиБ")) << run.err.toStdString();
    }
    EXPECT_EQ(m_folder.read(QStringLiteral("image.bin")), "AB");
}

TEST_F(ImagesTool, AWriteToAFullStandardOutputIsAFailure) {
    const QByteArray image = randomBytes(3000, 5);
    m_folder.write(QStringLiteral("image.bin"), image);
    m_folder.write(QStringLiteral("other.bin"), "different");
    // Every other byte differs: lines enough to fill the output's buffer long before the end.
    QByteArray striped = image;
    for (qsizetype i = 0; i < striped.size(); i += 2) {
        striped[i] = static_cast<char>(~striped[i]);
    }
    m_folder.write(QStringLiteral("striped.bin"), striped);
    m_folder.write(QStringLiteral("image.hex"), ":0100000041BE\n:00000001FF\n");
    const struct {
        QString line;
        int exitCode;
    } cases[] = {
        {QStringLiteral("--help"), 1},
        {QStringLiteral("--version"), 1},
        {QStringLiteral("gif --help"), 1},
        {QStringLiteral("checksum image.bin"), 1},
        // compare answers any trouble with 2, as cmp does: 1 says the images differ.
        {QStringLiteral("compare image.bin other.bin"), 2},
        {QStringLiteral("compare image.bin striped.bin"), 2},
        {QStringLiteral("export image.bin"), 1},
        {QStringLiteral("import -o - image.hex"), 1},
        {QStringLiteral("gif --steps 2 -o - image.bin"), 1},
    };
    ChildSetup fullDisk;
    fullDisk.outputFile = QStringLiteral("/dev/full");
    for (const auto& test : cases) {
        SCOPED_TRACE(test.line.toStdString());
        const Finished run = tool(words(test.line), fullDisk);
        EXPECT_EQ(run.exitCode, test.exitCode);
        EXPECT_TRUE(run.err.contains("стандартный вывод")) << run.err.toStdString();
        EXPECT_TRUE(run.err.contains("нет места")) << run.err.toStdString();
        EXPECT_EQ(run.err.count("chaserom-tool: "), 1) << run.err.toStdString();
    }
}

TEST_F(ImagesTool, NoCommandWritesOverAFileItReads) {
    ASSERT_TRUE(QDir(m_folder.folder()).mkdir(QStringLiteral("sub")));
    // Inputs each command would take, so that only the check stands between the output and
    // them; each has a symbolic link to it beside it.
    QBuffer picture;
    picture.open(QIODevice::WriteOnly);
    QImage(4, 4, QImage::Format_RGB32).save(&picture, "PNG");
    const std::pair<QString, QByteArray> inputs[] = {
        {QStringLiteral("image.bin"), "ABCD"},
        {QStringLiteral("ColorKanal.txt"), QByteArray(" 255 \r\n").repeated(32)},
        {QStringLiteral("layout.txt"), QByteArray(" 100 \r\n").repeated(512)},
        {QStringLiteral("picture.png"), picture.data()},
        {QStringLiteral("records.hex"), ":0100000041BE\n:00000001FF\n"},
    };
    for (const auto& [input, content] : inputs) {
        m_folder.write(input, content);
        const QString link = input.section(u'.', 0, 0) + QStringLiteral("-link");
        ASSERT_TRUE(QFile::link(m_folder.path(input), m_folder.path(link)));
    }
    const struct {
        const char* line;
        const char* input;
    } cases[] = {
        // The colour file of the working folder is read without being named.
        {"gif -o ColorKanal.txt image.bin", "ColorKanal.txt"},
        {"gif -o ColorKanal-link image.bin", "ColorKanal.txt"},
        {"gif -o sub/../ColorKanal.txt image.bin", "ColorKanal.txt"},
        {"gif --colours sub/../layout.txt -o layout-link image.bin", "layout.txt"},
        {"gif --layout layout.txt -o ./sub/../layout.txt image.bin", "layout.txt"},
        {"gif --background picture.png -o picture-link image.bin", "picture.png"},
        {"gif -o image-link image.bin", "image.bin"},
        {"export -o image-link image.bin", "image.bin"},
        {"export -o sub/../image.bin image.bin", "image.bin"},
        {"import -o records-link records.hex", "records.hex"},
        {"import -o sub/../records.hex records.hex", "records.hex"},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.line);
        const Finished run = tool(words(QLatin1String(test.line)));
        EXPECT_EQ(run.exitCode, 2);
        EXPECT_TRUE(run.err.contains(test.input)) << run.err.toStdString();
        for (const auto& [input, content] : inputs) {
            EXPECT_EQ(m_folder.read(input), content) << input.toStdString();
        }
    }
}

} // namespace
