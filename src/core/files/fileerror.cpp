#include "core/files/fileerror.h"

#include <QFileInfo>
#include <cerrno>
#include <cstring>

namespace chaserom {

namespace {

struct ErrorReason {
    int number;
    const char* reason;
};

constexpr ErrorReason reasons[] = {
    {ENOENT, "нет такого файла или папки"},
    {EACCES, "нет прав доступа"},
    {EPERM, "операция не разрешена"},
    {EROFS, "файловая система доступна только для чтения"},
    {ENOSPC, "на диске нет места"},
    {EDQUOT, "превышена дисковая квота"},
    {EFBIG, "файл превысил допустимый размер"},
    {EISDIR, "это папка, а не файл"},
    {ENOTDIR, "часть пути не является папкой"},
    {ENAMETOOLONG, "слишком длинное имя файла"},
    {EIO, "ошибка ввода-вывода"},
    {EMFILE, "открыто слишком много файлов"},
    {ENFILE, "открыто слишком много файлов"},
    {EBUSY, "файл занят"},
    {ETXTBSY, "файл занят"},
    {ELOOP, "слишком много символических ссылок"},
    {EEXIST, "файл уже существует"},
    {EINVAL, "недопустимая операция"},
    {EXDEV, "файл нельзя переместить на другой диск"},
};

const char* actionText(FileAction action) {
    switch (action) {
    case FileAction::OpenImage:
        return "Не удалось открыть файл образа";
    case FileAction::OpenLockedImage:
        return "Файл образа уже открыт";
    case FileAction::Backup:
        return "Не удалось создать резервную копию";
    case FileAction::ReadImage:
        return "Не удалось прочитать файл образа";
    case FileAction::WriteImage:
        return "Не удалось записать в файл образа";
    case FileAction::ReadColours:
        return "Не удалось прочитать файл цветов";
    case FileAction::WriteColours:
        return "Не удалось сохранить файл цветов";
    case FileAction::ReadLayout:
        return "Не удалось загрузить расстановку ламп из файла";
    case FileAction::WriteLayout:
        return "Не удалось сохранить расстановку ламп в файл";
    case FileAction::ReadPicture:
        return "Не удалось загрузить фоновое изображение";
    case FileAction::WriteResizedCopy:
        return "Не удалось записать копию нового размера";
    case FileAction::UndoStep:
        return "Не удалось отменить шаг в файле образа";
    case FileAction::RedoStep:
        return "Не удалось повторить шаг в файле образа";
    case FileAction::ReadRecords:
        return "Не удалось прочитать файл Intel HEX или S-записей";
    case FileAction::WriteRecords:
        return "Не удалось записать файл Intel HEX или S-записей";
    case FileAction::WriteAnimation:
        return "Не удалось записать анимацию GIF";
    case FileAction::ReadBoard:
        return "Не удалось прочитать файл платы";
    case FileAction::WriteBoard:
        return "Не удалось сохранить файл платы";
    case FileAction::WriteImageCopy:
        return "Не удалось сохранить образ под новым именем";
    }
    return "Ошибка файла";
}

} // namespace

QString systemErrorReason(int errorNumber) {
    for (const auto& entry : reasons) {
        if (entry.number == errorNumber) {
            return QString::fromUtf8(entry.reason);
        }
    }
    return QStringLiteral("системная ошибка %1 (%2)")
        .arg(errorNumber)
        .arg(QString::fromLocal8Bit(std::strerror(errorNumber)));
}

FileError lastSystemError(FileAction action, const QString& path) {
    int number = errno;
    // Qt refuses to open a folder as a file without a system error of its own.
    if (number == 0 && QFileInfo(path).isDir()) {
        number = EISDIR;
    }
    // A name whose bytes are not UTF-8 reaches the program with replacement characters in
    // it, so the file cannot be found under it: say that, not that it is missing.
    if (number == ENOENT && path.contains(QChar::ReplacementCharacter)) {
        return {action, path,
                QStringLiteral("в имени файла есть байты не в кодировке UTF-8; переименуйте "
                               "файл, чтобы открыть его")};
    }
    return {action, path,
            number != 0 ? systemErrorReason(number) : QStringLiteral("неизвестная ошибка")};
}

QString failureText(const FileError& error) {
    // A warning says what was left undone, not that the whole operation failed.
    const char* heading =
        error.severity == Severity::Warning && error.action == FileAction::WriteImage
            ? "Не вся страница записана в файл образа"
            : actionText(error.action);
    return QStringLiteral("%1 «%2»: %3.").arg(QString::fromUtf8(heading), error.path, error.reason);
}

} // namespace chaserom
