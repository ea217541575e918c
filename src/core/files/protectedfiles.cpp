#include "core/files/protectedfiles.h"

#include <QCoreApplication>

namespace chaserom {

namespace {

const char* roleText(ProtectedFiles::Role role) {
    switch (role) {
    case ProtectedFiles::Role::Image:
        return QT_TRANSLATE_NOOP("ProtectedFiles", "это открытый образ");
    case ProtectedFiles::Role::Backup:
        return QT_TRANSLATE_NOOP("ProtectedFiles", "это резервная копия открытого образа");
    case ProtectedFiles::Role::ColourFile:
        return QT_TRANSLATE_NOOP("ProtectedFiles", "это файл цветов каналов");
    case ProtectedFiles::Role::Layout:
        return QT_TRANSLATE_NOOP("ProtectedFiles", "это загруженный файл расстановки ламп");
    case ProtectedFiles::Role::Picture:
        return QT_TRANSLATE_NOOP("ProtectedFiles", "это загруженное фоновое изображение");
    }
    return QT_TRANSLATE_NOOP("ProtectedFiles", "этот файл программа читает");
}

QString refusal(const char* what, const QString& protectedPath) {
    return QCoreApplication::translate("ProtectedFiles",
                                       "%1 «%2»; ничего не записано, выберите другое имя")
        .arg(QCoreApplication::translate("ProtectedFiles", what), protectedPath);
}

} // namespace

void ProtectedFiles::set(Role role, const QString& path, const FileIdentity& identity) {
    Entry& entry = m_entries.at(static_cast<size_t>(role));
    entry.path = path;
    entry.identity = identity.isEmpty() ? FileIdentity::of(path) : identity;
}

const QString& ProtectedFiles::path(Role role) const {
    return m_entries.at(static_cast<size_t>(role)).path;
}

FileFailure ProtectedFiles::checkTarget(const QString& target, FileAction action,
                                        const QList<QString>& inputs,
                                        std::optional<Role> itself) const {
    return check(FileIdentity::of(target), target, action, inputs, itself);
}

FileFailure ProtectedFiles::checkLinkReplacingTarget(const QString& target, FileAction action,
                                                     const QList<QString>& inputs,
                                                     std::optional<Role> itself) const {
    return check(FileIdentity::ofName(target), target, action, inputs, itself);
}

FileFailure ProtectedFiles::check(const FileIdentity& wanted, const QString& target,
                                  FileAction action, const QList<QString>& inputs,
                                  std::optional<Role> itself) const {
    for (size_t i = 0; i < m_entries.size(); ++i) {
        const Entry& entry = m_entries.at(i);
        if (entry.path.isEmpty() || itself == static_cast<Role>(i)) {
            continue;
        }
        if (wanted == entry.identity || wanted == FileIdentity::of(entry.path)) {
            return FileError{action, target, refusal(roleText(static_cast<Role>(i)), entry.path)};
        }
    }
    for (const QString& input : inputs) {
        if (wanted == FileIdentity::of(input)) {
            return FileError{action, target, overwritesInputReason(input)};
        }
    }
    return std::nullopt;
}

QString overwritesInputReason(const QString& input) {
    return refusal(
        QT_TRANSLATE_NOOP("ProtectedFiles", "это файл, из которого эта операция читает данные:"),
        input);
}

} // namespace chaserom
