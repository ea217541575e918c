#include "core/image/copynaming.h"

namespace chaserom {

QString backupPathFor(const QString& imagePath) {
    const QStringView name = QStringView(imagePath).mid(imagePath.lastIndexOf(u'/') + 1);
    const bool hasThreeLetterExtension =
        name.size() >= 4 && name[name.size() - 4] == u'.' && !name.right(3).contains(u'.');
    if (hasThreeLetterExtension && name.right(3).compare(u"bak", Qt::CaseInsensitive) != 0) {
        return imagePath.chopped(3) + QStringLiteral("bak");
    }
    return imagePath + QStringLiteral(".bak");
}

std::optional<QString> resizedCopyPathFor(const QString& imagePath, const QString& sizeText) {
    if (imagePath.size() < 3) {
        return std::nullopt;
    }
    return imagePath.chopped(3) + sizeText + QStringLiteral(".bin");
}

} // namespace chaserom
