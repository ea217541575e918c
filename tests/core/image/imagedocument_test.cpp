// The door the step editor changes the image through: any change of the bytes as one step
// of the history, the page written back first while saving is on.
#include "documentwithpage.h"
#include "tempfolder.h"

#include <gtest/gtest.h>
#include <vector>

using namespace chaserom;
using namespace testing_support;

namespace {

class TransformImageTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_FALSE(
            m_model.document.open(m_folder.write(QStringLiteral("t.bin"), countingBytes(64))));
        QObject::connect(&m_model.document, &ImageDocument::imageEdited,
                         [this](const ImageChange& change) { m_changes.push_back(change); });
    }

    [[nodiscard]] QByteArray file() const { return m_folder.read(QStringLiteral("t.bin")); }

    TempFolder m_folder;
    DocumentWithPage m_model;
    std::vector<ImageChange> m_changes;
};

TEST_F(TransformImageTest, WritesOnlyTheSpanThatChangedAsOneStep) {
    ASSERT_FALSE(m_model.transformImage(QStringLiteral("узор"), [](QByteArray& bytes) {
        bytes[20] = 'x';
        bytes[12] = '\xFF';
        bytes[15] = 15; // as it was
    }));
    ASSERT_EQ(m_changes.size(), 1U);
    EXPECT_EQ(m_changes[0].address, 12);
    EXPECT_EQ(m_changes[0].before, countingBytes(64).mid(12, 9));
    EXPECT_EQ(m_changes[0].after.size(), 9);
    QByteArray expected = countingBytes(64);
    expected[12] = '\xFF';
    expected[20] = 'x';
    EXPECT_EQ(file(), expected);
    EXPECT_EQ(m_model.page.rowText(12), QStringLiteral("FF")); // the page is read again
    EXPECT_EQ(m_model.document.history().size(), 1);
    EXPECT_EQ(m_model.document.undoLabel(), QStringLiteral("узор"));

    ASSERT_FALSE(m_model.document.undo());
    EXPECT_EQ(file(), countingBytes(64));
    EXPECT_EQ(m_model.page.rowText(12), QStringLiteral("0C"));
    ASSERT_FALSE(m_model.document.redo());
    EXPECT_EQ(file(), expected);
}

TEST_F(TransformImageTest, WhatChangesNoByteIsNoStep) {
    ASSERT_FALSE(m_model.transformImage(QStringLiteral("nothing"), [](QByteArray&) {}));
    ASSERT_FALSE(
        m_model.transformImage(QStringLiteral("same"), [](QByteArray& bytes) { bytes[3] = 3; }));
    EXPECT_TRUE(m_changes.empty());
    EXPECT_FALSE(m_model.document.canUndo());
    EXPECT_EQ(file(), countingBytes(64));
}

TEST_F(TransformImageTest, NeverChangesTheLength) {
    ASSERT_FALSE(m_model.transformImage(QStringLiteral("longer"), [](QByteArray& bytes) {
        bytes[63] = 'z';
        bytes.append(QByteArray(10, 'y'));
    }));
    QByteArray expected = countingBytes(64);
    expected[63] = 'z';
    EXPECT_EQ(file(), expected);
    // Bytes a transform cuts off stay as they were.
    ASSERT_FALSE(m_model.transformImage(QStringLiteral("shorter"), [](QByteArray& bytes) {
        bytes[0] = 'a';
        bytes.chop(30);
    }));
    expected[0] = 'a';
    EXPECT_EQ(file(), expected);
    EXPECT_EQ(m_model.document.history().size(), 2);
}

TEST_F(TransformImageTest, ThePageIsWrittenBackFirstWhileSaving) {
    m_model.page.setSaveEnabled(true);
    m_model.page.setRowText(2, QStringLiteral("AA"));
    char seen = 0;
    ASSERT_FALSE(m_model.transformImage(QStringLiteral("t"), [&](QByteArray& bytes) {
        seen = bytes[2];
        bytes[40] = 'x';
    }));
    EXPECT_EQ(seen, '\xAA');
    EXPECT_EQ(file()[2], '\xAA');
    EXPECT_EQ(file()[40], 'x');
    EXPECT_EQ(m_model.document.history().size(), 2); // the row edit, then the change
    ASSERT_FALSE(m_model.document.undo());
    EXPECT_EQ(file()[40], 40);
    EXPECT_EQ(file()[2], '\xAA');
    EXPECT_EQ(m_model.document.undoLabel(), QStringLiteral("правка байта 2"));
}

TEST_F(TransformImageTest, EditsThePageAloneHeldAreDroppedWhenNotSaving) {
    m_model.page.setRowText(2, QStringLiteral("AA"));
    ASSERT_FALSE(m_model.transformImage(QStringLiteral("t"), [](QByteArray& bytes) {
        EXPECT_EQ(bytes[2], 2);
        bytes[40] = 'x';
    }));
    EXPECT_EQ(file()[2], 2);
    EXPECT_EQ(m_model.page.rowText(2), QStringLiteral("02"));
    EXPECT_EQ(m_model.document.history().size(), 1);
    ASSERT_EQ(m_changes.size(), 1U);
    EXPECT_EQ(m_changes[0].address, 40);
}

} // namespace
