#include "core/board/boardfile.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <gtest/gtest.h>

using namespace chaserom;

namespace {

constexpr char Example[] = R"({"chaserom-board": 1, "chip": "27C256", "channels": 8,
    "stepsPerProgram": 128, "intervalMs": 100, "picture": "board.png",
    "lamps": [[1200, 3400], [1500, 3400]], "colours": ["#FF0000", "#FFFF00"],
    "maker": "the shop down the road"})";

TEST(BoardFile, ReadsEveryFieldOfTheExample) {
    const auto board = readBoardText(Example);
    ASSERT_TRUE(board) << board.failure().toStdString();
    EXPECT_EQ(board->chip, QStringLiteral("27C256"));
    EXPECT_EQ(board->channels, 8);
    EXPECT_EQ(board->stepsPerProgram, 128);
    EXPECT_EQ(board->intervalMs, 100);
    EXPECT_EQ(board->picture, QStringLiteral("board.png"));
    ASSERT_TRUE(board->lamps);
    EXPECT_EQ(board->lamps->size(), 2U);
    EXPECT_EQ(board->lamps->at(1), (LampPosition{1500, 3400}));
    // #RRGGBB is kept as 0x00BBGGRR, as the colour file keeps colours.
    EXPECT_EQ(board->colours, (std::vector<Bgr>{0x0000FF, 0x00FFFF}));

    const LampLayout layout = boardLampLayout(*board->lamps);
    EXPECT_EQ(layout[0], (LampPosition{1200, 3400}));
    EXPECT_EQ(layout[2], HiddenLamp);
    EXPECT_EQ(layout[255], HiddenLamp);
}

TEST(BoardFile, EveryFieldIsOptionalAndUnknownOnesAreWrittenBack) {
    const auto empty = readBoardText("{}");
    ASSERT_TRUE(empty);
    EXPECT_FALSE(empty->channels);
    EXPECT_FALSE(empty->lamps);
    EXPECT_TRUE(empty->colours.empty());

    auto board = readBoardText(Example);
    ASSERT_TRUE(board);
    board->channels = 16;
    board->colours = {0x123456};
    const auto again = readBoardText(boardText(*board));
    ASSERT_TRUE(again);
    EXPECT_EQ(again->channels, 16);
    EXPECT_EQ(again->colours, (std::vector<Bgr>{0x123456}));
    EXPECT_EQ(again->lamps, board->lamps);
    EXPECT_EQ(again->fields.value(QStringLiteral("maker")).toString(),
              QStringLiteral("the shop down the road"));
    EXPECT_TRUE(boardText(*board).contains("\"#563412\""));
}

TEST(BoardFile, AFaultSaysWhichFieldIsWrong) {
    struct Case {
        const char* text;
        const char* fault;
    };
    const Case cases[] = {
        {"{\"channels\": 12}", "channels"},
        {"{\"channels\": \"8\"}", "channels"},
        {"{\"stepsPerProgram\": 100}", "stepsPerProgram"},
        {"{\"intervalMs\": 0}", "intervalMs"},
        {"{\"lamps\": [[1, 2], [3]]}", "лампа 1"},
        {"{\"colours\": [\"#FF0000\", \"red\"]}", "канал 2"},
        {"{\"chaserom-board\": 2}", "версии 2"},
        {"{\"picture\": 5}", "picture"},
        {"[1, 2]", "объект"},
        {"{\"channels\": 8,}", "JSON"},
    };
    for (const Case& test : cases) {
        const auto board = readBoardText(test.text);
        ASSERT_FALSE(board) << test.text;
        EXPECT_TRUE(board.failure().contains(QString::fromUtf8(test.fault)))
            << test.text << ": " << board.failure().toStdString();
    }
}

} // namespace
