#include "core/files/dialogstart.h"

#include <QDir>
#include <QFileInfo>

namespace chaserom {

namespace {

bool isUnderSystemFolder(const QString& path) {
    if (path.isEmpty()) {
        return false;
    }
    const QString absolute = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    for (const char* folder : {"/proc", "/sys", "/dev"}) {
        const QString root = QString::fromLatin1(folder);
        if (absolute == root || absolute.startsWith(root + u'/')) {
            return true;
        }
    }
    return false;
}

} // namespace

QString safeDialogStart(const QString& start, const QString& fallback) {
    if (!isUnderSystemFolder(start)) {
        return start;
    }
    return isUnderSystemFolder(fallback) || fallback.isEmpty() ? QDir::homePath() : fallback;
}

} // namespace chaserom
