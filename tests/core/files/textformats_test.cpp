#include "core/colours/designcolours.h"
#include "core/files/colourfile.h"
#include "core/files/layoutfile.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace chaserom;

namespace {

TEST(ColourFile, WritesThirtyTwoLinesByteForByte) {
    const QByteArray text = colourFileText(DesignColours);
    EXPECT_TRUE(text.startsWith(QByteArray(" 255 \r\n 65535 \r\n 65280 \r\n 16711680 \r\n")));
    EXPECT_EQ(text.count("\r\n"), 32);
    EXPECT_TRUE(text.endsWith(" 16777088 \r\n"));
    ChannelColours read{};
    EXPECT_FALSE(readColourFileText(text, read));
    EXPECT_EQ(read, DesignColours);
}

TEST(ColourFile, ReadsCommasBlanksAndIgnoresExtraNumbers) {
    QByteArray text;
    for (int i = 0; i < 40; ++i) {
        text += QByteArray::number(i * 1000) + (i % 3 == 0 ? ", " : "\n");
    }
    ChannelColours read = DesignColours;
    EXPECT_FALSE(readColourFileText(text, read));
    for (int i = 0; i < 32; ++i) {
        EXPECT_EQ(read[i], static_cast<Bgr>(i * 1000));
    }
    EXPECT_EQ(colourFileText(read).count("\r\n"), 32);
}

TEST(ColourFile, KeepsWhatWasReadBeforeAFault) {
    ChannelColours read = DesignColours;
    const auto fault = readColourFileText("1\r\n2\r\nzebra\r\n4\r\n", read);
    ASSERT_TRUE(fault);
    EXPECT_TRUE(fault->contains(QStringLiteral("zebra")));
    EXPECT_EQ(read[0], 1U);
    EXPECT_EQ(read[1], 2U);
    EXPECT_EQ(read[2], DesignColours[2]);

    read = DesignColours;
    EXPECT_TRUE(readColourFileText("5\r\n6\r\n", read));
    EXPECT_EQ(read[1], 6U);
    EXPECT_EQ(read[2], DesignColours[2]);

    read = DesignColours;
    EXPECT_TRUE(readColourFileText("-1\r\n", read));
    EXPECT_TRUE(readColourFileText("16777216\r\n", read));
    EXPECT_TRUE(readColourFileText("99999999999\r\n", read));
    EXPECT_EQ(read, DesignColours);
}

TEST(ColourFile, MissingFileKeepsTheColoursAndIsNoFault) {
    QTemporaryDir dir;
    ChannelColours colours = DesignColours;
    EXPECT_FALSE(loadColourFile(dir.filePath(QStringLiteral("ColorKanal.txt")), colours));
    EXPECT_EQ(colours, DesignColours);
}

TEST(ColourFile, SavedFileLoadsBack) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("ColorKanal.txt"));
    ChannelColours colours = DesignColours;
    colours[5] = 0x123456;
    ASSERT_FALSE(saveColourFile(path, colours));
    ChannelColours read{};
    ASSERT_FALSE(loadColourFile(path, read));
    EXPECT_EQ(read, colours);
}

TEST(LayoutFile, WritesFiveHundredTwelveLinesByteForByte) {
    LampLayout layout = LampStartPositions;
    layout[1] = {-67.0F, 12.5F};
    const QByteArray text = layoutFileText(layout);
    EXPECT_TRUE(text.startsWith(" 3960 \r\n 6120 \r\n-67 \r\n 12.5 \r\n 4200 \r\n"));
    EXPECT_EQ(text.count("\r\n"), 512);
    LampLayout read{};
    EXPECT_FALSE(readLayoutFileText(text, read));
    EXPECT_EQ(read, layout);
}

TEST(LayoutFile, AShortOrMalformedFileMovesNoLamp) {
    QByteArray text = layoutFileText(LampStartPositions);
    LampLayout layout{};
    layout[0] = {1, 2};
    const LampLayout before = layout;
    EXPECT_TRUE(readLayoutFileText(text.left(text.size() - 8), layout));
    EXPECT_EQ(layout, before);
    text.replace(" 6120 \r\n", " six \r\n");
    EXPECT_TRUE(readLayoutFileText(text, layout));
    EXPECT_EQ(layout, before);
}

TEST(LayoutFile, ReadsCommasAndIgnoresExtraNumbers) {
    QByteArray text;
    for (int i = 0; i < 520; ++i) {
        text += QByteArray::number(i) + ",";
    }
    LampLayout layout{};
    EXPECT_FALSE(readLayoutFileText(text, layout));
    EXPECT_EQ(layout[0], (LampPosition{0, 1}));
    EXPECT_EQ(layout[255], (LampPosition{510, 511}));
}

TEST(LayoutFile, ReportsAFolderOrMissingFile) {
    QTemporaryDir dir;
    LampLayout layout = LampStartPositions;
    const auto missing = loadLayoutFile(dir.filePath(QStringLiteral("none.txt")), layout);
    ASSERT_TRUE(missing);
    EXPECT_EQ(missing->reason, QStringLiteral("нет такого файла или папки"));
    const auto folder = saveLayoutFile(dir.path(), layout);
    ASSERT_TRUE(folder);
    EXPECT_EQ(folder->path, dir.path());
    EXPECT_EQ(layout, LampStartPositions);
}

TEST(TextFiles, SayWhetherANumberIsOutOfRangeOrNoNumberAtAll) {
    constexpr const char* OutOfRange = "вне допустимого диапазона";
    constexpr const char* NoNumber = "не является числом";
    const struct {
        const char* number;
        const char* colourFault;
        const char* layoutFault;
    } cases[] = {
        {"99999999999", OutOfRange, nullptr}, {"-1", OutOfRange, nullptr},
        {"16777216", OutOfRange, nullptr},    {"1e99", OutOfRange, OutOfRange},
        {"-4e38", OutOfRange, OutOfRange},    {"zebra", NoNumber, NoNumber},
        {"12abc", NoNumber, NoNumber},        {"inf", NoNumber, NoNumber},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.number);
        ChannelColours colours = DesignColours;
        const auto colourFault = readColourFileText(QByteArray(test.number) + "\r\n", colours);
        ASSERT_TRUE(colourFault);
        EXPECT_TRUE(colourFault->contains(QString::fromUtf8(test.colourFault)))
            << colourFault->toStdString();
        EXPECT_TRUE(colourFault->contains(QString::fromUtf8(test.number)));
        EXPECT_EQ(colours, DesignColours);

        QByteArray layoutText = layoutFileText(LampStartPositions);
        layoutText.replace(" 6120 \r\n", " " + QByteArray(test.number) + " \r\n");
        LampLayout layout = LampStartPositions;
        const auto layoutFault = readLayoutFileText(layoutText, layout);
        EXPECT_EQ(layoutFault.has_value(), test.layoutFault != nullptr);
        if (layoutFault && test.layoutFault != nullptr) {
            EXPECT_TRUE(layoutFault->contains(QString::fromUtf8(test.layoutFault)))
                << layoutFault->toStdString();
            EXPECT_TRUE(layoutFault->contains(QStringLiteral("(число 2)")));
        }
    }
}

TEST(TextFiles, CarriageReturnsAloneSeparateNumbers) {
    ChannelColours colours = DesignColours;
    colours[3] = 0x123456;
    ChannelColours readColours{};
    EXPECT_FALSE(readColourFileText(colourFileText(colours).replace("\r\n", "\r"), readColours));
    EXPECT_EQ(readColours, colours);

    LampLayout layout = LampStartPositions;
    layout[7] = {-12.5F, 99.0F};
    LampLayout readLayout{};
    EXPECT_FALSE(readLayoutFileText(layoutFileText(layout).replace("\r\n", "\r"), readLayout));
    EXPECT_EQ(readLayout, layout);
}

} // namespace
