#include "core/image/imagecompare.h"
#include "tempfolder.h"

#include <QByteArray>
#include <gtest/gtest.h>
#include <random>

using namespace chaserom;
using namespace testing_support;

namespace {

/// The runs as they are defined: every address of the common length, one at a time.
std::vector<DifferingRun> referenceRuns(QByteArrayView a, QByteArrayView b) {
    std::vector<DifferingRun> runs;
    for (qsizetype at = 0; at < std::min(a.size(), b.size()); ++at) {
        if (a[at] == b[at]) {
            continue;
        }
        if (!runs.empty() && runs.back().last == at - 1) {
            runs.back().last = at;
        } else {
            runs.push_back({at, at});
        }
    }
    return runs;
}

TEST(ImageCompare, RunsOfDifferingBytesAndSizes) {
    const QByteArray a = QByteArray::fromHex("00112233445566778899AABBCCDDEEFF0011");
    QByteArray b = a;
    b[0] = 'x';
    b[9] = 'x';
    b[10] = 'x';
    b[17] = 'x';
    b.append("tail");
    const ImageComparison comparison = compareImages(a, b);
    EXPECT_EQ(comparison.runs, (std::vector<DifferingRun>{{0, 0}, {9, 10}, {17, 17}}));
    EXPECT_EQ(comparison.sizeA, 18);
    EXPECT_EQ(comparison.sizeB, 22);
    EXPECT_FALSE(comparison.identical());
    EXPECT_TRUE(compareImages(a, a).identical());
    EXPECT_FALSE(compareImages(a, a.left(17)).identical());
    EXPECT_TRUE(compareImages({}, {}).identical());
}

TEST(ImageCompare, AgreesWithTheByteAtATimeReference) {
    std::mt19937 random(3);
    for (int round = 0; round < 200; ++round) {
        QByteArray a(static_cast<qsizetype>(random() % 300), '\0');
        for (char& byte : a) {
            byte = static_cast<char>(random() % 4);
        }
        QByteArray b = a;
        const int changes = static_cast<int>(random() % 12);
        for (int i = 0; i < changes && !b.isEmpty(); ++i) {
            const auto at = static_cast<qsizetype>(random() % static_cast<unsigned>(b.size()));
            b[at] = static_cast<char>(random() % 4);
        }
        b.resize(b.size() + static_cast<qsizetype>(random() % 3) - 1);
        EXPECT_EQ(compareImages(a, b).runs, referenceRuns(a, b)) << "round " << round;
    }
}

TEST(ImageCompare, TheDifferingSpanRunsFromTheFirstToTheLastChangedByteAcrossBlocks) {
    std::mt19937 random(5);
    // Lengths around the block that equal stretches are skipped by, and a whole chip.
    for (const qsizetype length : {1, 7, 4095, 4096, 4097, 12289, 1 << 20}) {
        const QByteArray a = randomBytes(length, static_cast<unsigned>(length));
        EXPECT_FALSE(differingSpan(a, a)) << length;
        for (int round = 0; round < 20; ++round) {
            QByteArray b = a;
            auto at = [&] { return static_cast<qint64>(random() % static_cast<unsigned>(length)); };
            const qint64 x = round == 0 ? 0 : at();
            const qint64 y = round == 1 ? length - 1 : at();
            b[x] = static_cast<char>(~b[x]);
            b[y] = static_cast<char>(~b[y]);
            const auto span = differingSpan(a, b);
            if (x == y) {
                // Flipped twice: equal again.
                EXPECT_FALSE(span);
                continue;
            }
            ASSERT_TRUE(span) << length;
            EXPECT_EQ(*span, (DifferingRun{std::min(x, y), std::max(x, y)})) << length;
        }
    }
}

} // namespace
