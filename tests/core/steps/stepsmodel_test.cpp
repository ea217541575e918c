// The whole effect as the step editor reads it: the file's bytes with the page's rows over
// them, following every change wherever it comes from.
#include "core/page/kanalcount.h"
#include "core/steps/stepsmodel.h"
#include "documentwithpage.h"
#include "tempfolder.h"

#include <gtest/gtest.h>
#include <utility>
#include <vector>

using namespace chaserom;
using namespace testing_support;

namespace {

class StepsModelTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_FALSE(
            m_page.document.open(m_folder.write(QStringLiteral("s.bin"), countingBytes(40))));
        m_kanal.set(16);
        QObject::connect(&m_steps, &StepsModel::stepsChanged,
                         [this](int first, int last) { m_changed.emplace_back(first, last); });
        QObject::connect(&m_steps, &StepsModel::reset, [this] { ++m_resets; });
        QObject::connect(&m_steps, &StepsModel::pageMoved, [this] { ++m_moves; });
        m_resets = 0;
    }

    [[nodiscard]] bool stepLit(int step, int channel) const { return m_steps.isLit(step, channel); }

    TempFolder m_folder;
    DocumentWithPage m_page;
    KanalCount m_kanal;
    StepsModel m_steps{m_page.document, m_page.page, m_kanal};
    std::vector<std::pair<int, int>> m_changed;
    int m_resets = 0;
    int m_moves = 0;
};

TEST_F(StepsModelTest, ShowsThePageRowsOverTheFile) {
    EXPECT_EQ(m_steps.length(), 40);
    EXPECT_EQ(m_steps.stepCount(), 20);
    EXPECT_EQ(m_steps.shownBytes(), countingBytes(40));
    // Byte 3 = 03: channels 8 to 13 of step 1 lit, 14 and 15 dark.
    EXPECT_TRUE(stepLit(1, 13));
    EXPECT_FALSE(stepLit(1, 14));

    m_page.page.setRowText(3, QStringLiteral("FF")); // typed, not written back
    EXPECT_EQ(m_steps.byteAt(3), 0xFF);
    EXPECT_FALSE(stepLit(1, 13));
    QByteArray shown = countingBytes(40);
    shown[3] = '\xFF';
    EXPECT_EQ(m_steps.shownBytes(), shown);
    EXPECT_EQ(m_changed, (std::vector<std::pair<int, int>>{{1, 1}}));
    EXPECT_EQ(m_folder.read(QStringLiteral("s.bin")), countingBytes(40));

    // The page moves on without saving: the edit is gone, the rows lie elsewhere.
    ASSERT_FALSE(m_page.page.movePage(32));
    EXPECT_EQ(m_moves, 1);
    EXPECT_EQ(m_steps.byteAt(3), 3);
    EXPECT_EQ(m_steps.firstPageStep(), 16);
    EXPECT_EQ(m_steps.lastPageStep(), 19); // the rows past the end are none of the image's
    m_changed.clear();
    m_page.page.setRowText(7, QStringLiteral("00"));
    EXPECT_EQ(m_steps.byteAt(39), 0);
    EXPECT_TRUE(stepLit(19, 15));
    EXPECT_EQ(m_changed, (std::vector<std::pair<int, int>>{{19, 19}}));
    m_page.page.setRowText(8, QStringLiteral("00")); // past the end: no row, no step
    EXPECT_EQ(m_steps.shownBytes().size(), 40);
    EXPECT_FALSE(stepLit(20, 0));
}

TEST_F(StepsModelTest, FollowsChangesToTheFile) {
    ASSERT_FALSE(m_page.page.invert());
    ASSERT_FALSE(m_changed.empty());
    EXPECT_EQ(m_changed.front(), std::make_pair(0, 19));
    EXPECT_EQ(m_steps.byteAt(25), 0xFF - 25);
    EXPECT_EQ(m_steps.shownBytes(), m_folder.read(QStringLiteral("s.bin")));

    m_changed.clear();
    ASSERT_FALSE(
        m_page.transformImage(QStringLiteral("t"), [](QByteArray& bytes) { bytes[25] = '\x5A'; }));
    EXPECT_EQ(m_changed, (std::vector<std::pair<int, int>>{{12, 12}}));
    EXPECT_EQ(m_steps.byteAt(25), 0x5A);
    ASSERT_FALSE(m_page.document.undo());
    EXPECT_EQ(m_steps.byteAt(25), 0xFF - 25);
    ASSERT_FALSE(m_page.document.undo());
    EXPECT_EQ(m_steps.shownBytes(), countingBytes(40));
    EXPECT_EQ(m_resets, 0); // no change needed everything read again
}

TEST_F(StepsModelTest, FollowsTheChannelCount) {
    ASSERT_FALSE(m_page.page.movePage(20));
    m_kanal.set(32);
    EXPECT_EQ(m_resets, 1);
    EXPECT_EQ(m_steps.stepLength(), 4);
    EXPECT_EQ(m_steps.channelCount(), 32);
    EXPECT_EQ(m_steps.stepCount(), 10);
    EXPECT_EQ(m_steps.firstPageStep(), 5);
    EXPECT_EQ(m_steps.lastPageStep(), 8);
    // Byte 39 = 27: channels 24, 25, 27 and 28 of step 9 lit.
    EXPECT_TRUE(stepLit(9, 24));
    EXPECT_FALSE(stepLit(9, 26));
    EXPECT_TRUE(stepLit(9, 28));
    m_kanal.set(24);
    EXPECT_EQ(m_steps.stepCount(), 14); // 13 whole steps and one cut short
    EXPECT_TRUE(stepLit(13, 0));        // byte 39
    EXPECT_FALSE(stepLit(13, 8));       // byte 40 is past the end
}

TEST_F(StepsModelTest, StartsAgainOnAnotherImage) {
    m_page.page.setRowText(0, QStringLiteral("AA"));
    ASSERT_FALSE(m_page.document.open(m_folder.write(QStringLiteral("t.bin"), "\x01\x02\x03")));
    EXPECT_GE(m_resets, 1);
    EXPECT_EQ(m_steps.length(), 3);
    EXPECT_EQ(m_steps.stepCount(), 2);
    EXPECT_EQ(m_steps.shownBytes(), QByteArray("\x01\x02\x03"));
    m_resets = 0;
    ASSERT_FALSE(m_page.document.close());
    EXPECT_EQ(m_resets, 1);
    EXPECT_EQ(m_steps.length(), 0);
    EXPECT_EQ(m_steps.stepCount(), 0);
    EXPECT_FALSE(stepLit(0, 0));
}

} // namespace
