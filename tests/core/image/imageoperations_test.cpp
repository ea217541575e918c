#include "core/image/decimalfields.h"
#include "documentwithpage.h"
#include "tempfolder.h"

#include <QFile>
#include <gtest/gtest.h>
#include <random>

using namespace chaserom;
using namespace testing_support;

namespace {

class ImageOpsTest : public ::testing::Test {
protected:
    /// Opens an image with the given bytes, runs `operation` on the model, returns the
    /// file's bytes after.
    template <typename Operation> QByteArray after(const QByteArray& bytes, Operation operation) {
        const QString path = m_folder.write(QStringLiteral("image.bin"), bytes);
        DocumentWithPage model;
        EXPECT_FALSE(model.document.open(path));
        EXPECT_FALSE(operation(model));
        EXPECT_FALSE(model.document.close());
        return m_folder.read(path);
    }

    TempFolder m_folder;
};

/// The copy as it is defined: one positioned read and one positioned write per
/// byte, upwards, on the file itself.
void referenceCopy(const QString& path, const CopyRange& range, int length, Overflow answer) {
    int last = range.end;
    if (range.destination + (range.end - range.start) > length - 1) {
        if (answer == Overflow::Cancel) {
            return;
        }
        if (answer == Overflow::CutAtEnd) {
            last = range.start + (length - 1 - range.destination);
        }
    }
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite | QIODevice::Unbuffered));
    for (int i = range.start; i <= last; ++i) {
        char byte = 0;
        file.seek(i);
        file.read(&byte, 1);
        file.seek(range.destination + (i - range.start));
        file.write(&byte, 1);
    }
}

QByteArray bytesOf(std::initializer_list<int> values) {
    QByteArray bytes;
    for (const int value : values) {
        bytes.append(static_cast<char>(value));
    }
    return bytes;
}

TEST_F(ImageOpsTest, CopiesLikeTheDescribedExamples) {
    const auto copy = [this](CopyRange range, Overflow answer) {
        return after(countingBytes(16),
                     [&](DocumentWithPage& model) { return model.page.copy(range, answer); });
    };
    QByteArray expected = countingBytes(16);
    expected.replace(8, 4, bytesOf({0, 1, 2, 3}));
    EXPECT_EQ(copy({0, 3, 8}, Overflow::Cancel), expected);

    expected = countingBytes(16);
    expected.replace(5, 10, bytesOf({0, 1, 2, 3, 4, 0, 1, 2, 3, 4}));
    EXPECT_EQ(copy({0, 9, 5}, Overflow::Cancel), expected);

    expected = countingBytes(16);
    expected.replace(2, 4, bytesOf({8, 9, 10, 11}));
    EXPECT_EQ(copy({8, 11, 2}, Overflow::Cancel), expected);

    expected = countingBytes(16);
    expected.replace(12, 4, bytesOf({0, 1, 2, 3}));
    EXPECT_EQ(copy({0, 3, 12}, Overflow::Cancel), expected);

    // Past the end: Yes lengthens, No cuts at the end, Cancel copies nothing.
    expected = countingBytes(13) + bytesOf({0, 1, 2, 3});
    EXPECT_EQ(copy({0, 3, 13}, Overflow::Lengthen), expected);
    expected = countingBytes(13) + bytesOf({0, 1, 2});
    EXPECT_EQ(copy({0, 3, 13}, Overflow::CutAtEnd), expected);
    EXPECT_EQ(copy({0, 3, 13}, Overflow::Cancel), countingBytes(16));
    // A gap between the end of the file and the destination is filled with zeros.
    EXPECT_EQ(copy({0, 1, 20}, Overflow::Lengthen),
              countingBytes(16) + QByteArray(4, '\0') + bytesOf({0, 1}));
    EXPECT_EQ(copy({0, 1, 20}, Overflow::CutAtEnd), countingBytes(16));
    // An end before the start copies nothing.
    EXPECT_EQ(copy({5, 3, 14}, Overflow::Lengthen), countingBytes(16));
}

TEST_F(ImageOpsTest, CopyEqualsTheByteAtATimeCopyOnRandomImages) {
    std::mt19937 random(11);
    for (int trial = 0; trial < 400; ++trial) {
        const int length = std::uniform_int_distribution<int>(1, 300)(random);
        QByteArray bytes(length, '\0');
        for (char& byte : bytes) {
            byte = static_cast<char>(random());
        }
        std::uniform_int_distribution<int> inside(0, length - 1);
        const CopyRange range{inside(random), inside(random),
                              std::uniform_int_distribution<int>(0, length + 40)(random)};
        for (const Overflow answer : {Overflow::Lengthen, Overflow::CutAtEnd, Overflow::Cancel}) {
            const QString referencePath = m_folder.write(QStringLiteral("reference.bin"), bytes);
            referenceCopy(referencePath, range, length, answer);
            const QByteArray fast = after(
                bytes, [&](DocumentWithPage& model) { return model.page.copy(range, answer); });
            ASSERT_EQ(fast, m_folder.read(referencePath))
                << "length " << length << ", " << range.start << " to " << range.end << " at "
                << range.destination << ", answer " << static_cast<int>(answer);
        }
    }
}

FileFailure invert(DocumentWithPage& model) {
    return model.page.invert();
}

FileFailure reverse(DocumentWithPage& model) {
    return model.page.reverse();
}

TEST_F(ImageOpsTest, InvertsAndReverses) {
    EXPECT_EQ(after(bytesOf({0x00, 0xFF, 0x5A, 0x80}), invert), bytesOf({0xFF, 0x00, 0xA5, 0x7F}));
    EXPECT_EQ(after(bytesOf({1, 2, 3, 4}), reverse), bytesOf({4, 3, 2, 1}));
    EXPECT_EQ(after(bytesOf({1, 2, 3, 4, 5}), reverse), bytesOf({5, 4, 3, 2, 1}));
    EXPECT_EQ(after(bytesOf({7}), reverse), bytesOf({7}));
    EXPECT_EQ(after({}, reverse), QByteArray());
}

/// The reverse as it is defined: bytes p - 1 and L - p swapped for p = 1, 2, ... up to L / 2.
QByteArray referenceReverse(QByteArray bytes) {
    const int length = static_cast<int>(bytes.size());
    for (int p = 1; p <= length / 2; ++p) {
        std::swap(bytes[p - 1], bytes[length - p]);
    }
    return bytes;
}

TEST_F(ImageOpsTest, ReverseAndInvertFollowTheByteRuleForShortLengths) {
    for (int length = 0; length <= 40; ++length) {
        const QByteArray bytes = countingBytes(length, 7);
        EXPECT_EQ(after(bytes, reverse), referenceReverse(bytes)) << length;
        QByteArray inverted = bytes;
        for (int i = 0; i < length; ++i) {
            inverted[i] = static_cast<char>(~inverted[i]);
        }
        EXPECT_EQ(after(bytes, invert), inverted) << length;
    }
}

TEST_F(ImageOpsTest, TwiceRestoresTheImageAndBytesPastTheLengthStay) {
    QByteArray bytes(40000, '\0');
    std::mt19937 random(5);
    for (char& byte : bytes) {
        byte = static_cast<char>(random());
    }
    const auto twice = [](auto operation) {
        return [operation](DocumentWithPage& model) {
            auto failure = operation(model);
            return failure ? failure : operation(model);
        };
    };
    EXPECT_EQ(after(bytes, twice(invert)), bytes);
    EXPECT_EQ(after(bytes, twice(reverse)), bytes);

    const QByteArray once = after(bytes, invert);
    EXPECT_EQ(once.mid(32767), bytes.mid(32767));
    EXPECT_EQ(static_cast<char>(~once[32766]), bytes[32766]);
    const QByteArray reversed = after(bytes, reverse);
    EXPECT_EQ(reversed.mid(32767), bytes.mid(32767));
    EXPECT_EQ(reversed.left(32767), referenceReverse(bytes.left(32767)));
}

TEST(DecimalFields, TakeWholeNumbersWithBlanksAround) {
    EXPECT_EQ(readDecimalField(QStringLiteral("42")), 42);
    EXPECT_EQ(readDecimalField(QStringLiteral("  42\t")), 42);
    EXPECT_EQ(readDecimalField(QStringLiteral("+7")), 7);
    EXPECT_EQ(readDecimalField(QStringLiteral("-3")), -3);
    EXPECT_EQ(readDecimalField(QStringLiteral("007")), 7);
    for (const char* bad :
         {"", " ", "4 2", "4.2", "1e3", "0x10", "+", "--1", "12a", "9999999999999", "\xd9\xa1"}) {
        EXPECT_FALSE(readDecimalField(QString::fromUtf8(bad))) << bad;
    }
}

TEST(DecimalFields, CopyRangeMustLieInTheImage) {
    const auto range =
        readCopyRange(QStringLiteral("0"), QStringLiteral(" 15"), QStringLiteral("32766"), 16);
    ASSERT_TRUE(range);
    EXPECT_EQ(range->end, 15);
    const auto outside =
        readCopyRange(QStringLiteral("16"), QStringLiteral("1"), QStringLiteral("1"), 16);
    ASSERT_FALSE(outside);
    EXPECT_TRUE(outside.failure().contains(QStringLiteral("от 0 до 15")));
    EXPECT_FALSE(readCopyRange(QStringLiteral("1"), QStringLiteral("-1"), QStringLiteral("1"), 16));
    EXPECT_FALSE(
        readCopyRange(QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("32767"), 16));
    EXPECT_FALSE(readCopyRange(QStringLiteral("1"), QStringLiteral("2"), QString(), 16));
    EXPECT_FALSE(readCopyRange(QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("0"), 0));
}

TEST(DecimalFields, TargetSizeFromOneByteTo16MiB) {
    EXPECT_EQ(readTargetSize(QStringLiteral(" 8192")).value(), 8192);
    EXPECT_EQ(readTargetSize(QStringLiteral("16777216")).value(), 16777216);
    EXPECT_EQ(readTargetSize(QStringLiteral("1")).value(), 1);
    for (const char* bad : {"0", "-5", "16777217", "8k", "", "1.5"}) {
        EXPECT_FALSE(readTargetSize(QString::fromUtf8(bad))) << bad;
    }
}

} // namespace
