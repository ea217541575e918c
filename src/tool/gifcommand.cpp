#include "core/colours/designcolours.h"
#include "core/files/colourfile.h"
#include "core/files/layoutfile.h"
#include "core/formats/hexrecordtext.h"
#include "core/page/lamplighting.h"
#include "render/backgroundpicture.h"
#include "render/bgrcolour.h"
#include "render/gifanimation.h"
#include "render/simulatoranimation.h"
#include "render/simulatorscene.h"
#include "render/standardpalette.h"
#include "tool/commands.h"
#include "tool/console.h"
#include "tool/output.h"
#include "tool/toolboard.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QIODevice>
#include <QPainter>
#include <cstring>
#include <limits>

namespace chaserom::tool {

namespace {

constexpr char GifName[] = "gif";
constexpr qint64 MaxFrames = 10000;
constexpr int DefaultInterval = 300;
constexpr int MinScalePercent = 50;
constexpr int MaxScalePercent = 200;

/// What the frames show, read from the command line and the files it names.
using Showing = SimulatorAnimation;

/// Reads a text input whole and hands it to a reader; a reader's fault names the file.
template <typename Reader>
FileFailure readTextFile(const QString& path, FileAction action, Reader reader) {
    const auto text = readInput(path, action);
    if (!text) {
        return text.failure();
    }
    if (auto fault = reader(*text)) {
        return FileError{action, path, *fault};
    }
    return std::nullopt;
}

/// The colour file the command reads: the one named, else the colour panel's file in the
/// working folder if there is one, else none.
std::optional<QString> colourFile(const Arguments& arguments) {
    if (auto named = arguments.value("colours")) {
        return named;
    }
    if (QFileInfo::exists(QLatin1String(ColourFileName))) {
        return QString::fromLatin1(ColourFileName);
    }
    return std::nullopt;
}

/// The board's picture, when the command line names none.
std::optional<QString> boardPicture(const Arguments& arguments,
                                    const std::optional<ToolBoard>& board) {
    if (arguments.has("background") || !board || !board->description.picture) {
        return std::nullopt;
    }
    return QDir(board->folder).filePath(*board->description.picture);
}

/// Every file the command reads, named or not.
QStringList inputFiles(const Arguments& arguments, const std::optional<ToolBoard>& board) {
    QStringList inputs = {arguments.positional().first()};
    for (const auto& input :
         {arguments.value("layout"), arguments.value("background"), colourFile(arguments),
          board ? std::optional<QString>(board->path) : std::nullopt,
          boardPicture(arguments, board)}) {
        if (input) {
            inputs << *input;
        }
    }
    return inputs;
}

/// What the board gives that the command line does not: lamps, colours and the picture.
FileFailure takeBoard(const Arguments& arguments, const std::optional<ToolBoard>& board,
                      Showing& showing) {
    if (!board) {
        return std::nullopt;
    }
    const BoardDescription& description = board->description;
    if (description.lamps && !arguments.has("layout")) {
        showing.layout = boardLampLayout(*description.lamps);
    }
    if (!arguments.has("colours")) {
        std::copy_n(description.colours.begin(),
                    std::min<size_t>(description.colours.size(), showing.colours.size()),
                    showing.colours.begin());
    }
    if (const auto picture = boardPicture(arguments, board)) {
        auto background = loadBackgroundPicture(*picture);
        if (!background) {
            return background.failure();
        }
        showing.background = std::move(*background);
    }
    return std::nullopt;
}

FileFailure readFiles(const Arguments& arguments, Showing& showing) {
    auto image = readInput(arguments.positional().first(), FileAction::ReadImage);
    if (!image) {
        return image.failure();
    }
    showing.image = std::move(*image);
    if (const auto layout = arguments.value("layout")) {
        if (auto failure =
                readTextFile(*layout, FileAction::ReadLayout, [&](const QByteArray& text) {
                    return readLayoutFileText(text, showing.layout);
                })) {
            return failure;
        }
    }
    if (const auto colours = colourFile(arguments)) {
        if (auto failure =
                readTextFile(*colours, FileAction::ReadColours, [&](const QByteArray& text) {
                    return readColourFileText(text, showing.colours);
                })) {
            return failure;
        }
    }
    if (const auto picture = arguments.value("background")) {
        auto background = loadBackgroundPicture(*picture);
        if (!background) {
            return background.failure();
        }
        showing.background = std::move(*background);
    }
    return std::nullopt;
}

/// Reads the numbers of the command line, the board's where it gives none; returns what is
/// wrong with them.
Failure<> readNumbers(const Arguments& arguments, const std::optional<ToolBoard>& board,
                      Showing& showing) {
    const auto channels = chosenChannels(arguments, board, 8);
    if (!channels) {
        return QCoreApplication::translate("Tool", "--channels: 8, 16, 24 или 32");
    }
    showing.channels = *channels;
    const auto program = readChosenProgram(arguments, board);
    if (!program) {
        return program.failure();
    }
    if (*program && arguments.has("at")) {
        return QCoreApplication::translate(
            "Tool", "--at и --program вместе не бывают: программа сама задаёт адрес");
    }
    const auto address =
        parseNumber(arguments.value("at").value_or("0"), 0, std::numeric_limits<qint32>::max());
    if (!address) {
        return QCoreApplication::translate("Tool", "--at: адрес, десятичный или с 0x");
    }
    showing.address = *program ? (*program)->firstAddress(showing.channels / 8) : *address;
    if (*program) {
        showing.steps = (*program)->stepsPerProgram;
    }
    if (const auto steps = arguments.value("steps")) {
        const auto parsed = parseNumber(*steps, 1, MaxFrames);
        if (!parsed) {
            return QCoreApplication::translate("Tool", "--steps: от 1 до %1 шагов").arg(MaxFrames);
        }
        showing.steps = *parsed;
    }
    const int boardInterval =
        board ? board->description.intervalMs.value_or(DefaultInterval) : DefaultInterval;
    const auto interval =
        parseNumber(arguments.value("interval").value_or(QString::number(boardInterval)), 1,
                    GifAnimation::LongestDelay * qint64{10});
    if (!interval) {
        return QCoreApplication::translate("Tool", "--interval: от 1 до %1 мс")
            .arg(GifAnimation::LongestDelay * 10);
    }
    const auto scale = parseNumber(arguments.value("scale").value_or(QStringLiteral("100")),
                                   MinScalePercent, MaxScalePercent);
    if (!scale) {
        return QCoreApplication::translate("Tool", "--scale: от %1 до %2 %")
            .arg(MinScalePercent)
            .arg(MaxScalePercent);
    }
    showing.scalePercent = static_cast<int>(*scale);
    showing.cropToLamps = arguments.has("crop-to-lamps");
    // GIF counts time in hundredths of a second, and readers show shorter delays than 2
    // as 10 or not at all.
    showing.centiseconds = std::max(2, static_cast<int>((*interval + 5) / 10));
    if (qint64{showing.centiseconds} * 10 != *interval) {
        printWarning(QCoreApplication::translate(
                         "Tool", "интервал %1 мс записан как %2 мс: GIF считает время в "
                                 "сотых долях секунды, не меньше 2")
                         .arg(*interval)
                         .arg(showing.centiseconds * 10));
    }
    return std::nullopt;
}

/// Checks that the image holds the steps asked for, or picks them all (up to MaxFrames).
Failure<> chooseSteps(const QString& imagePath, Showing& showing) {
    const qint64 stepLength = showing.channels / 8;
    const qint64 whole = std::max<qint64>(0, (showing.image.size() - showing.address) / stepLength);
    if (showing.steps == 0) {
        if (whole == 0) {
            return QCoreApplication::translate(
                       "Tool", "в образе «%1» от адреса 0x%2 нет ни одного целого шага")
                .arg(imagePath, upperHex(showing.address, 4));
        }
        if (whole > MaxFrames) {
            printWarning(
                QCoreApplication::translate("Tool", "в образе %1 шагов; показаны первые %2")
                    .arg(whole)
                    .arg(MaxFrames));
        }
        showing.steps = std::min(whole, MaxFrames);
    } else if (showing.steps > whole) {
        return QCoreApplication::translate(
                   "Tool", "в образе «%1» от адреса 0x%2 только %3 целых шагов, а не %4")
            .arg(imagePath, upperHex(showing.address, 4), QString::number(whole),
                 QString::number(showing.steps));
    }
    return std::nullopt;
}

} // namespace

int runGif(const Arguments& arguments) {
    if (arguments.positional().size() != 1) {
        return usageError(GifName, QCoreApplication::translate("Tool", "нужен ровно один ОБРАЗ"));
    }
    const QString imagePath = arguments.positional().first();
    const auto outputPath = arguments.value("output");
    if (!outputPath) {
        return usageError(GifName, QCoreApplication::translate("Tool", "нужен -o ВЫХОД.gif"));
    }
    const auto board = readToolBoard(arguments, imagePath);
    if (!board) {
        printFailure(board.failure());
        return ExitFailure;
    }
    Showing showing;
    if (const auto fault = readNumbers(arguments, *board, showing)) {
        return usageError(GifName, *fault);
    }
    if (const auto fault = overwrittenInput(*outputPath, inputFiles(arguments, *board))) {
        return usageError(GifName, *fault);
    }
    if (auto failure = readFiles(arguments, showing)) {
        printFailure(*failure);
        return ExitFailure;
    }
    if (auto failure = takeBoard(arguments, *board, showing)) {
        printFailure(*failure);
        return ExitFailure;
    }
    if (const auto fault = chooseSteps(imagePath, showing)) {
        printError(*fault);
        return ExitFailure;
    }

    Output output(*outputPath, FileAction::WriteAnimation);
    if (auto failure = output.open()) {
        printFailure(*failure);
        return ExitFailure;
    }
    const AnimationOutcome outcome = writeSimulatorAnimation(showing, output.device());
    if (outcome.fault) {
        printFailure({FileAction::WriteAnimation, output.name(), *outcome.fault});
        return ExitFailure;
    }
    if (auto failure = output.commit()) {
        printFailure(*failure);
        return ExitFailure;
    }
    return ExitSuccess;
}

} // namespace chaserom::tool
