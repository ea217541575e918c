// What the history keeps and for how long, and how the model takes a step back when the file
// is no longer as the step left it.
#include "core/history/imagehistory.h"
#include "documentwithpage.h"
#include "tempfolder.h"

#include <QFile>
#include <gtest/gtest.h>
#include <unistd.h>

using namespace chaserom;
using namespace testing_support;

namespace {

HistoryStep fileStep(int bytes) {
    HistoryStep step;
    step.kind = HistoryStep::Kind::FileChange;
    step.change.before = QByteArray(bytes, 'a');
    step.change.after = QByteArray(bytes, 'b');
    return step;
}

TEST(ImageHistory, KeepsAtMostItsStepsAndBytesOldestFirst) {
    ImageHistory bySteps(5, qint64{1} << 30);
    for (int i = 0; i < 7; ++i) {
        HistoryStep step = fileStep(1);
        step.label = QString::number(i);
        bySteps.push(step);
    }
    EXPECT_EQ(bySteps.size(), 5);
    EXPECT_EQ(bySteps.undoStep().label, QStringLiteral("6"));
    for (int i = 0; i < 4; ++i) {
        bySteps.stepUndone();
    }
    EXPECT_EQ(bySteps.undoStep().label, QStringLiteral("2"));

    ImageHistory byBytes(1000, 10'000);
    for (int i = 0; i < 10; ++i) {
        byBytes.push(fileStep(1000));
    }
    EXPECT_LE(byBytes.memoryBytes(), 10'000);
    EXPECT_EQ(byBytes.size(), 4); // 2000 bytes and a little for each
}

TEST(ImageHistory, TypingInOneRowIsOneStepUntilItEnds) {
    ImageHistory history;
    HistoryStep typed;
    typed.address = 5;
    typed.textBefore = QStringLiteral("00");
    typed.textAfter = QStringLiteral("1");
    typed.typing = true;
    history.push(typed);
    EXPECT_TRUE(history.mergeTyping(5, QStringLiteral("12")));
    EXPECT_FALSE(history.mergeTyping(6, QStringLiteral("3")));
    EXPECT_EQ(history.size(), 1);
    EXPECT_EQ(history.undoStep().textAfter, QStringLiteral("12"));
    // Typed back to where it started: no step at all.
    EXPECT_TRUE(history.mergeTyping(5, QStringLiteral("00")));
    EXPECT_EQ(history.size(), 0);

    history.push(typed);
    history.endTyping();
    EXPECT_FALSE(history.mergeTyping(5, QStringLiteral("12")));
}

TEST(ImageHistory, RowEditsThePageAloneHeldLeaveWhenItIsReadAgain) {
    ImageHistory history;
    history.push(fileStep(4));
    HistoryStep edit;
    edit.address = 3;
    history.push(edit);
    edit.address = 20;
    history.push(edit);
    edit.address = 4;
    history.push(edit);
    history.stepUndone(); // the edit at 4 waits to be redone
    EXPECT_TRUE(history.markWritten(0, 16));
    EXPECT_TRUE(history.dropUnwritten());
    EXPECT_EQ(history.size(), 2);
    EXPECT_FALSE(history.canRedo());
    EXPECT_EQ(history.undoStep().address, 3);
    EXPECT_TRUE(history.undoStep().written);
    EXPECT_FALSE(history.dropUnwritten());
}

class ModelHistoryTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_path = m_folder.write(QStringLiteral("h.bin"), countingBytes(256));
        ASSERT_FALSE(m_model.document.open(m_path));
    }
    void overwriteFile(const QByteArray& bytes) { m_folder.write(QStringLiteral("h.bin"), bytes); }

    TempFolder m_folder;
    QString m_path;
    DocumentWithPage m_model;
};

TEST_F(ModelHistoryTest, StepsSayWhatTheyDid) {
    EXPECT_FALSE(m_model.document.canUndo());
    EXPECT_TRUE(m_model.document.undoLabel().isEmpty());
    ASSERT_FALSE(m_model.page.invert());
    EXPECT_EQ(m_model.document.undoLabel(), QStringLiteral("инверсия 0–255"));
    ASSERT_FALSE(m_model.page.copy({0, 3, 8}, Overflow::Cancel));
    EXPECT_EQ(m_model.document.undoLabel(), QStringLiteral("копирование 0–3 в 8"));
    m_model.page.invertBit(2, 0);
    EXPECT_EQ(m_model.document.undoLabel(), QStringLiteral("инверсия бита 7 байта 2"));
    ASSERT_FALSE(m_model.document.undo());
    EXPECT_EQ(m_model.document.redoLabel(), QStringLiteral("инверсия бита 7 байта 2"));
    // What changes nothing is no step: a cancelled copy past the end.
    ASSERT_FALSE(m_model.page.copy({0, 3, 254}, Overflow::Cancel));
    EXPECT_EQ(m_model.document.undoLabel(), QStringLiteral("копирование 0–3 в 8"));
}

TEST_F(ModelHistoryTest, UndoNeverMovesThePage) {
    ASSERT_FALSE(m_model.page.readPage(32));
    ASSERT_FALSE(m_model.page.reverse());
    ASSERT_FALSE(m_model.page.readPage(64));
    ASSERT_FALSE(m_model.document.undo());
    EXPECT_EQ(m_model.page.pageAddress(), 64);
    EXPECT_EQ(m_model.page.rowText(0), QStringLiteral("40"));
    EXPECT_EQ(m_folder.read(QStringLiteral("h.bin")), countingBytes(256));
}

TEST_F(ModelHistoryTest, AFileChangedOutsideIsRefusedAndNothingChanges) {
    ASSERT_FALSE(m_model.page.invert());
    QByteArray changed = m_folder.read(QStringLiteral("h.bin"));
    changed[100] = 'x';
    overwriteFile(changed);
    const auto refused = m_model.document.undo();
    ASSERT_TRUE(refused);
    EXPECT_EQ(refused->action, FileAction::UndoStep);
    EXPECT_EQ(refused->path, m_path);
    EXPECT_EQ(m_folder.read(QStringLiteral("h.bin")), changed);
    EXPECT_TRUE(m_model.document.canUndo());

    // A length changed by another program is refused the same way.
    ASSERT_EQ(::truncate(QFile::encodeName(m_path).constData(), 200), 0);
    EXPECT_TRUE(m_model.document.undo());
    EXPECT_EQ(m_folder.read(QStringLiteral("h.bin")).size(), 200);
}

TEST_F(ModelHistoryTest, AWrittenRowEditChangedOutsideIsRefused) {
    m_model.page.setSaveEnabled(true);
    m_model.page.setRowText(1, QStringLiteral("EE"));
    ASSERT_FALSE(m_model.page.movePage(16));
    QByteArray changed = m_folder.read(QStringLiteral("h.bin"));
    ASSERT_EQ(changed[1], '\xEE');
    changed[1] = '\x55';
    overwriteFile(changed);
    EXPECT_TRUE(m_model.document.undo());
    EXPECT_EQ(m_folder.read(QStringLiteral("h.bin"))[1], '\x55');
    changed[1] = '\xEE';
    overwriteFile(changed);
    ASSERT_FALSE(m_model.document.undo());
    EXPECT_EQ(m_folder.read(QStringLiteral("h.bin"))[1], '\x01');
}

TEST_F(ModelHistoryTest, AnotherImageStartsANewHistory) {
    ASSERT_FALSE(m_model.page.invert());
    ASSERT_TRUE(m_model.document.canUndo());
    ASSERT_FALSE(
        m_model.document.open(m_folder.write(QStringLiteral("other.bin"), countingBytes(32))));
    EXPECT_FALSE(m_model.document.canUndo());
    EXPECT_FALSE(m_model.document.canRedo());
}

TEST_F(ModelHistoryTest, MemoryGrowsWithTheBytesChangedNotTheImage) {
    const QString big = m_folder.write(QStringLiteral("big.bin"), QByteArray(32767, '\x11'));
    ASSERT_FALSE(m_model.document.open(big));
    m_model.page.setSaveEnabled(true);
    for (int i = 0; i < 200; ++i) {
        m_model.page.invertRow(i % 16);
        ASSERT_FALSE(m_model.page.movePage((i * 16) % 32000));
    }
    EXPECT_LT(m_model.document.history().memoryBytes(), 200 * 1024);
    EXPECT_EQ(m_model.document.history().size(), 200);
}

} // namespace
