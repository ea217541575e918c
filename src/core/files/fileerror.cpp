#include "core/files/fileerror.h"

#include <QCoreApplication>
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
    {ENOENT, QT_TRANSLATE_NOOP("FileError", "нет такого файла или папки")},
    {EACCES, QT_TRANSLATE_NOOP("FileError", "нет прав доступа")},
    {EPERM, QT_TRANSLATE_NOOP("FileError", "операция не разрешена")},
    {EROFS, QT_TRANSLATE_NOOP("FileError", "файловая система доступна только для чтения")},
    {ENOSPC, QT_TRANSLATE_NOOP("FileError", "на диске нет места")},
    {EDQUOT, QT_TRANSLATE_NOOP("FileError", "превышена дисковая квота")},
    {EFBIG, QT_TRANSLATE_NOOP("FileError", "файл превысил допустимый размер")},
    {EISDIR, QT_TRANSLATE_NOOP("FileError", "это папка, а не файл")},
    {ENOTDIR, QT_TRANSLATE_NOOP("FileError", "часть пути не является папкой")},
    {ENAMETOOLONG, QT_TRANSLATE_NOOP("FileError", "слишком длинное имя файла")},
    {EIO, QT_TRANSLATE_NOOP("FileError", "ошибка ввода-вывода")},
    {EMFILE, QT_TRANSLATE_NOOP("FileError", "открыто слишком много файлов")},
    {ENFILE, QT_TRANSLATE_NOOP("FileError", "открыто слишком много файлов")},
    {EBUSY, QT_TRANSLATE_NOOP("FileError", "файл занят")},
    {ETXTBSY, QT_TRANSLATE_NOOP("FileError", "файл занят")},
    {ELOOP, QT_TRANSLATE_NOOP("FileError", "слишком много символических ссылок")},
    {EEXIST, QT_TRANSLATE_NOOP("FileError", "файл уже существует")},
    {EINVAL, QT_TRANSLATE_NOOP("FileError", "недопустимая операция")},
    {EXDEV, QT_TRANSLATE_NOOP("FileError", "файл нельзя переместить на другой диск")},
};

const char* actionText(FileAction action) {
    switch (action) {
    case FileAction::OpenImage:
        return QT_TRANSLATE_NOOP("FileError", "Не удалось открыть файл образа");
    case FileAction::OpenLockedImage:
        return QT_TRANSLATE_NOOP("FileError", "Файл образа уже открыт");
    case FileAction::Backup:
        return QT_TRANSLATE_NOOP("FileError", "Не удалось создать резервную копию");
    case FileAction::ReadImage:
        return QT_TRANSLATE_NOOP("FileError", "Не удалось прочитать файл образа");
    case FileAction::WriteImage:
        return QT_TRANSLATE_NOOP("FileError", "Не удалось записать в файл образа");
    case FileAction::ReadColours:
        return QT_TRANSLATE_NOOP("FileError", "Не удалось прочитать файл цветов");
    case FileAction::WriteColours:
        return QT_TRANSLATE_NOOP("FileError", "Не удалось сохранить файл цветов");
    case FileAction::ReadLayout:
        return QT_TRANSLATE_NOOP("FileError", "Не удалось загрузить расстановку ламп из файла");
    case FileAction::WriteLayout:
        return QT_TRANSLATE_NOOP("FileError", "Не удалось сохранить расстановку ламп в файл");
    case FileAction::ReadPicture:
        return QT_TRANSLATE_NOOP("FileError", "Не удалось загрузить фоновое изображение");
    case FileAction::WriteResizedCopy:
        return QT_TRANSLATE_NOOP("FileError", "Не удалось записать копию нового размера");
    case FileAction::UndoStep:
        return QT_TRANSLATE_NOOP("FileError", "Не удалось отменить шаг в файле образа");
    case FileAction::RedoStep:
        return QT_TRANSLATE_NOOP("FileError", "Не удалось повторить шаг в файле образа");
    case FileAction::ReadRecords:
        return QT_TRANSLATE_NOOP("FileError", "Не удалось прочитать файл Intel HEX или S-записей");
    case FileAction::WriteRecords:
        return QT_TRANSLATE_NOOP("FileError", "Не удалось записать файл Intel HEX или S-записей");
    case FileAction::WriteAnimation:
        return QT_TRANSLATE_NOOP("FileError", "Не удалось записать анимацию GIF");
    case FileAction::ReadBoard:
        return QT_TRANSLATE_NOOP("FileError", "Не удалось прочитать файл платы");
    case FileAction::WriteBoard:
        return QT_TRANSLATE_NOOP("FileError", "Не удалось сохранить файл платы");
    case FileAction::WriteImageCopy:
        return QT_TRANSLATE_NOOP("FileError", "Не удалось сохранить образ под новым именем");
    }
    return QT_TRANSLATE_NOOP("FileError", "Ошибка файла");
}

} // namespace

QString systemErrorReason(int errorNumber) {
    for (const auto& entry : reasons) {
        if (entry.number == errorNumber) {
            return QCoreApplication::translate("FileError", entry.reason);
        }
    }
    return QCoreApplication::translate("FileError", "системная ошибка %1 (%2)")
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
                QCoreApplication::translate(
                    "FileError", "в имени файла есть байты не в кодировке UTF-8; переименуйте "
                                 "файл, чтобы открыть его")};
    }
    return {action, path,
            number != 0 ? systemErrorReason(number)
                        : QCoreApplication::translate("FileError", "неизвестная ошибка")};
}

QString failureText(const FileError& error) {
    // A warning says what was left undone, not that the whole operation failed.
    const char* heading =
        error.severity == Severity::Warning && error.action == FileAction::WriteImage
            ? QT_TRANSLATE_NOOP("FileError", "Не вся страница записана в файл образа")
            : actionText(error.action);
    return QCoreApplication::translate("FileError", "%1 «%2»: %3.")
        .arg(QCoreApplication::translate("FileError", heading), error.path, error.reason);
}

} // namespace chaserom
