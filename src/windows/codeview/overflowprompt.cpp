#include "windows/codeview/overflowprompt.h"

#include <QCoreApplication>
#include <QMessageBox>

namespace chaserom {

Overflow askOverflow(QWidget* parent) {
    const QString text = QCoreApplication::translate(
        "OverflowPrompt", "Вставляемый фрагмент выходит за пределы файла.\r"
                          "Увеличит размер файла (Да)\r"
                          "Вставить до конца файла (Нет)\r"
                          "Отмена операции (Отмена)");
    QMessageBox box(QMessageBox::Critical,
                    QCoreApplication::translate("OverflowPrompt", "Внимание"), text,
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, parent);
    box.setDefaultButton(QMessageBox::Yes);
    box.setEscapeButton(QMessageBox::Cancel);
    switch (box.exec()) {
    case QMessageBox::Yes:
        return Overflow::Lengthen;
    case QMessageBox::No:
        return Overflow::CutAtEnd;
    default:
        return Overflow::Cancel;
    }
}

} // namespace chaserom
