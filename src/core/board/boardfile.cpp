#include "core/board/boardfile.h"

#include "core/files/fileio.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonParseError>

namespace chaserom {

namespace {

constexpr qint64 BoardFileLimit = qint64{1024} * 1024;
constexpr int BoardFormat = 1;

/// A whole number in a field, within its limits.
Result<std::optional<int>> wholeField(const QJsonObject& object, const char* name, int lowest,
                                      int highest) {
    const QJsonValue value = object.value(QLatin1String(name));
    if (value.isUndefined()) {
        return std::optional<int>();
    }
    const double number = value.toDouble(-1);
    if (!value.isDouble() || number != static_cast<int>(number) || number < lowest ||
        number > highest) {
        return Failed(QCoreApplication::translate("BoardFile", "«%1»: целое число от %2 до %3")
                          .arg(QLatin1String(name))
                          .arg(lowest)
                          .arg(highest));
    }
    return std::optional<int>(static_cast<int>(number));
}

Failure<> readNumbers(const QJsonObject& object, BoardDescription& board) {
    const auto channels = wholeField(object, "channels", 8, 32);
    if (!channels || (*channels && **channels % 8 != 0)) {
        return QCoreApplication::translate("BoardFile", "«channels»: 8, 16, 24 или 32");
    }
    board.channels = *channels;
    const auto steps = wholeField(object, "stepsPerProgram", 0, 1 << 24);
    // 0 or a power of two from 2 on.
    if (!steps || (*steps && **steps != 0 && (**steps < 2 || (**steps & (**steps - 1)) != 0))) {
        return QCoreApplication::translate(
            "BoardFile", "«stepsPerProgram»: 0 (всё изображение) или степень двойки от 2");
    }
    board.stepsPerProgram = *steps;
    const auto interval = wholeField(object, "intervalMs", 1, 1000);
    if (!interval) {
        return interval.failure();
    }
    board.intervalMs = *interval;
    return std::nullopt;
}

Failure<> readLamps(const QJsonObject& object, BoardDescription& board) {
    const QJsonValue value = object.value(QLatin1String("lamps"));
    if (value.isUndefined()) {
        return std::nullopt;
    }
    const QJsonArray lamps = value.toArray();
    if (!value.isArray() || lamps.size() > LampCount) {
        return QCoreApplication::translate("BoardFile",
                                           "«lamps»: список не больше чем из %1 пар [Left, Top]")
            .arg(LampCount);
    }
    std::vector<LampPosition> positions;
    for (qsizetype i = 0; i < lamps.size(); ++i) {
        const QJsonArray pair = lamps.at(i).toArray();
        if (pair.size() != 2 || !pair.at(0).isDouble() || !pair.at(1).isDouble()) {
            return QCoreApplication::translate("BoardFile",
                                               "«lamps», лампа %1: пара чисел [Left, Top] в твипах")
                .arg(i);
        }
        positions.push_back(
            {static_cast<float>(pair.at(0).toDouble()), static_cast<float>(pair.at(1).toDouble())});
    }
    board.lamps = std::move(positions);
    return std::nullopt;
}

/// "#RRGGBB" as 0x00BBGGRR.
std::optional<Bgr> readColour(const QString& text) {
    if (text.size() != 7 || !text.startsWith(u'#')) {
        return std::nullopt;
    }
    bool ok = false;
    const uint rgb = text.mid(1).toUInt(&ok, 16);
    if (!ok) {
        return std::nullopt;
    }
    return ((rgb & 0xFF) << 16) | (rgb & 0xFF00) | ((rgb >> 16) & 0xFF);
}

QString colourText(Bgr colour) {
    const uint rgb = ((colour & 0xFF) << 16) | (colour & 0xFF00) | ((colour >> 16) & 0xFF);
    return QStringLiteral("#%1").arg(rgb, 6, 16, QLatin1Char('0')).toUpper();
}

Failure<> readColours(const QJsonObject& object, BoardDescription& board) {
    const QJsonValue value = object.value(QLatin1String("colours"));
    if (value.isUndefined()) {
        return std::nullopt;
    }
    const QJsonArray colours = value.toArray();
    if (!value.isArray() || colours.size() > ChannelColourCount) {
        return QCoreApplication::translate("BoardFile",
                                           "«colours»: список не больше чем из %1 цветов «#RRGGBB»")
            .arg(ChannelColourCount);
    }
    for (qsizetype i = 0; i < colours.size(); ++i) {
        const auto colour = readColour(colours.at(i).toString());
        if (!colour) {
            return QCoreApplication::translate("BoardFile",
                                               "«colours», канал %1: цвет вида «#RRGGBB»")
                .arg(i + 1);
        }
        board.colours.push_back(*colour);
    }
    return std::nullopt;
}

Failure<> readText(const QJsonObject& object, const char* name, std::optional<QString>& field) {
    const QJsonValue value = object.value(QLatin1String(name));
    if (value.isUndefined()) {
        return std::nullopt;
    }
    if (!value.isString()) {
        return QCoreApplication::translate("BoardFile", "«%1»: строка").arg(QLatin1String(name));
    }
    field = value.toString();
    return std::nullopt;
}

} // namespace

Result<BoardDescription> readBoardText(QByteArrayView text) {
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(text.toByteArray(), &error);
    if (error.error != QJsonParseError::NoError) {
        return Failed(QCoreApplication::translate("BoardFile", "это не JSON: %1 (байт %2)")
                          .arg(error.errorString())
                          .arg(error.offset));
    }
    if (!document.isObject()) {
        return Failed(
            QCoreApplication::translate("BoardFile", "в файле должен быть объект JSON { … }"));
    }
    BoardDescription board;
    board.fields = document.object();
    const QJsonValue format = board.fields.value(QLatin1String("chaserom-board"));
    if (!format.isUndefined() && format.toInt(-1) != BoardFormat) {
        return Failed(QCoreApplication::translate(
                          "BoardFile", "файл платы версии %1, а эта программа читает версию %2")
                          .arg(format.toVariant().toString())
                          .arg(BoardFormat));
    }
    for (const auto& read :
         {readNumbers(board.fields, board), readLamps(board.fields, board),
          readColours(board.fields, board), readText(board.fields, "chip", board.chip),
          readText(board.fields, "picture", board.picture)}) {
        if (read) {
            return Failed(*read);
        }
    }
    return board;
}

QByteArray boardText(const BoardDescription& board) {
    QJsonObject object = board.fields;
    object.insert(QLatin1String("chaserom-board"), BoardFormat);
    const auto put = [&object](const char* name, const auto& field) {
        if (field) {
            object.insert(QLatin1String(name), *field);
        }
    };
    put("chip", board.chip);
    put("channels", board.channels);
    put("stepsPerProgram", board.stepsPerProgram);
    put("intervalMs", board.intervalMs);
    put("picture", board.picture);
    if (board.lamps) {
        QJsonArray lamps;
        for (const LampPosition& lamp : *board.lamps) {
            lamps.append(QJsonArray{lamp.left, lamp.top});
        }
        object.insert(QLatin1String("lamps"), lamps);
    }
    if (!board.colours.empty()) {
        QJsonArray colours;
        for (const Bgr colour : board.colours) {
            colours.append(colourText(colour));
        }
        object.insert(QLatin1String("colours"), colours);
    }
    return QJsonDocument(object).toJson(QJsonDocument::Indented);
}

LampLayout boardLampLayout(const std::vector<LampPosition>& lamps) {
    LampLayout layout;
    layout.fill(HiddenLamp);
    std::copy_n(lamps.begin(), std::min<size_t>(lamps.size(), layout.size()), layout.begin());
    return layout;
}

FileResult<BoardDescription> loadBoardFile(const QString& path) {
    const auto text = readFileStart(path, BoardFileLimit, FileAction::ReadBoard);
    if (!text) {
        return Failed(text.failure());
    }
    auto board = readBoardText(*text);
    if (!board) {
        return Failed(FileError{FileAction::ReadBoard, path, board.failure()});
    }
    return std::move(*board);
}

FileFailure saveBoardFile(const QString& path, const BoardDescription& board) {
    return writeFileAtomically(path, boardText(board), FileAction::WriteBoard);
}

} // namespace chaserom
