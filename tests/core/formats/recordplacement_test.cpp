// Where a record file's data lands in the image: the base, the window, data past 16 MiB,
// several S-record blocks and files without data.
#include "core/formats/intelhex.h"
#include "core/formats/recordfile.h"
#include "core/formats/srecord.h"
#include "tempfolder.h"

#include <gtest/gtest.h>

using namespace chaserom;
using namespace testing_support;

namespace {

RecordReadOptions placed(std::optional<qint64> base, std::optional<AddressWindow> window = {}) {
    RecordReadOptions options;
    options.base = base;
    options.window = window;
    return options;
}

bool warns(const RecordReadResult& result, const char* text) {
    return std::any_of(result.warnings.begin(), result.warnings.end(), [&](const LineNote& note) {
        return note.text.contains(QString::fromUtf8(text));
    });
}

TEST(RecordPlacement, TheBaseBecomesByteZeroInBothFormatsAndExportPutsItBack) {
    const QByteArray rom = randomBytes(8192, 65);
    for (const qint64 base : {qint64{0xE000}, qint64{0x08000000}}) {
        SCOPED_TRACE(base);
        for (const QByteArray& text :
             {intelHexText(rom, 16, base), sRecordText(rom, 32, QStringLiteral("rom"), base)}) {
            const RecordReadResult plain = readRecordFile(text, {});
            if (base >= RecordImageLimit) {
                // Without a base the fault names where the data lies and what base takes it.
                ASSERT_TRUE(plain.fault);
                EXPECT_TRUE(plain.fault->text.contains(QStringLiteral("0x08000000")))
                    << plain.fault->text.toStdString();
                EXPECT_TRUE(plain.fault->text.contains(QStringLiteral("--base 0x08000000")));
            }
            ASSERT_TRUE(plain.extent);
            EXPECT_EQ(*plain.extent, (DataExtent{base, base + 8191}));

            const RecordReadResult read = readRecordFile(text, placed(base));
            ASSERT_FALSE(read.fault) << read.fault->text.toStdString();
            EXPECT_TRUE(read.image == rom);
        }
    }
    // Above 64 KiB the addresses need type 04 and S3 records.
    EXPECT_TRUE(intelHexText(rom, 16, 0x08000000).startsWith(":020000040800F2\n"));
    EXPECT_TRUE(sRecordText(rom, 16, QString(), 0x08000000).contains("\nS31508000000"));
    EXPECT_TRUE(sRecordText(rom, 16, QString(), 0xE000).contains("\nS113E000"));
}

TEST(RecordPlacement, DataBelowTheBaseIsRefusedAtItsLineInTheDigitsOfItsRecord) {
    const QByteArray text = intelHexText(QByteArray(32, 'A'), 16, 0x08000000);
    const RecordReadResult read = readRecordFile(text, placed(0x08000010));
    ASSERT_TRUE(read.fault);
    EXPECT_EQ(read.fault->line, 2);
    EXPECT_EQ(read.fault->text,
              QString::fromUtf8("данные по адресу 0x08000000 лежат ниже базы 0x08000010"));
}

TEST(RecordPlacement, TheWindowReadsOnlyItsAddressesAndSaysHowMuchWasLeftOut) {
    // A 64 KiB map: the ROM at 0xE000, something else below it.
    QByteArray map(0x10000, '\x11');
    const QByteArray rom = randomBytes(0x2000, 7);
    map.replace(0xE000, rom.size(), rom);
    const RecordReadResult read =
        readRecordFile(intelHexText(map, 32), placed(0xE000, AddressWindow{0xE000, 0xFFFF}));
    ASSERT_FALSE(read.fault);
    EXPECT_TRUE(read.image == rom);
    EXPECT_TRUE(warns(read, "57344 байт вне окна 0xE000–0xFFFF пропущено"));

    // A record across the window's edge keeps only its bytes inside.
    const RecordReadResult cut = readRecordFile(":04000E00AABBCCDDE0\n:00000001FF\n",
                                                placed(std::nullopt, AddressWindow{0, 0xF}));
    ASSERT_FALSE(cut.fault);
    EXPECT_EQ(cut.image, QByteArray::fromHex("FFFFFFFFFFFFFFFFFFFFFFFFFFFFAABB"));
    EXPECT_TRUE(warns(cut, "2 байт вне окна"));
}

TEST(RecordPlacement, TheSuggestedBaseIsTheStartOfTheSmallestChipHoldingTheData) {
    EXPECT_EQ(suggestedBase({0xE000, 0xFFFF}), 0xE000); // a 2764 at the top of 64 KiB
    EXPECT_EQ(suggestedBase({0xE100, 0xFEFF}), 0xE000);
    EXPECT_EQ(suggestedBase({0x08000000, 0x08004FFF}), 0x08000000);
    EXPECT_EQ(suggestedBase({0xF000, 0x10FFF}), 0); // 8 KiB across 64 KiB: no 2764 holds it
    EXPECT_EQ(suggestedBase({0x1000000, 0x1FFFFFF}), 0x1000000); // past the largest chip
}

TEST(RecordPlacement, SRecordBlocksAfterATerminatorAreReadWithTheirOwnCounts) {
    // Two files joined, as `cat a.s19 b.s19` makes them; each counts its own records.
    const QByteArray text = "S107000001020304EE\nS5030001FB\nS9030000FC\n"
                            "S0030000FC\nS1070010111213149E\nS5030001FB\nS9030000FC\n";
    const RecordReadResult read = readRecordFile(text, {});
    ASSERT_FALSE(read.fault) << read.fault->text.toStdString();
    EXPECT_EQ(read.image, QByteArray::fromHex("01020304FFFFFFFFFFFFFFFFFFFFFFFF11121314"));
    ASSERT_EQ(read.warnings.size(), 1U);
    EXPECT_EQ(read.warnings[0].line, 4);
    EXPECT_TRUE(warns(read, "новый блок"));

    // A count of the whole file so far, as one writer counts, stands too; a wrong one not.
    QByteArray whole = text;
    whole.replace(whole.lastIndexOf("S5030001FB"), 10, "S5030002FA");
    EXPECT_FALSE(readRecordFile(whole, {}).fault);
    QByteArray wrong = text;
    wrong.replace(wrong.lastIndexOf("S5030001FB"), 10, "S5030003F9");
    const RecordReadResult refused = readRecordFile(wrong, {});
    ASSERT_TRUE(refused.fault);
    EXPECT_EQ(refused.fault->line, 6);
}

TEST(RecordPlacement, AFileWithoutDataGivesAnEmptyImageOrTheFillWithAWarning) {
    for (const QByteArray& text :
         {QByteArray(":00000001FF\n"), QByteArray("S0030000FC\nS9030000FC\n")}) {
        const RecordReadResult empty = readRecordFile(text, {});
        ASSERT_FALSE(empty.fault);
        EXPECT_TRUE(empty.image.isEmpty());
        EXPECT_FALSE(empty.extent);
        EXPECT_TRUE(warns(empty, "в файле нет данных"));
        RecordReadOptions sized;
        sized.size = 4;
        EXPECT_EQ(readRecordFile(text, sized).image, QByteArray(4, '\xFF'));
    }
    // Intel HEX still ends at its end record, with a warning.
    const RecordReadResult after = readRecordFile(":00000001FF\n:0100000041BE\n", {});
    EXPECT_TRUE(warns(after, "после записи конца файла"));
    EXPECT_TRUE(after.image.isEmpty());
}

} // namespace
