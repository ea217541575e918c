#include "windows/codeview/lockedimageprompt.h"

#include <QCoreApplication>
#include <QMessageBox>

namespace chaserom {

bool askOpenLockedImage(QWidget* parent, const QString& path) {
    const QString text =
        QCoreApplication::translate("LockedImagePrompt",
                                    "Файл образа «%1» уже открыт в другой копии программы.\n"
                                    "Если обе копии будут записывать в него, одна затрёт правки "
                                    "другой.\nОткрыть его всё равно?")
            .arg(path);
    QMessageBox box(QMessageBox::Warning,
                    QCoreApplication::translate("LockedImagePrompt", "Внимание"), text,
                    QMessageBox::Yes | QMessageBox::No, parent);
    box.setDefaultButton(QMessageBox::No);
    box.setEscapeButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

} // namespace chaserom
