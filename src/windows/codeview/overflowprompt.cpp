#include "windows/codeview/overflowprompt.h"

#include <QMessageBox>

namespace chaserom {

Overflow askOverflow(QWidget* parent) {
    const QString text = QString::fromUtf8("Вставляемый фрагмент выходит за пределы файла.\r"
                                           "Увеличит размер файла (Да)\r"
                                           "Вставить до конца файла (Нет)\r"
                                           "Отмена операции (Отмена)");
    QMessageBox box(QMessageBox::Critical, QString::fromUtf8("Внимание"), text,
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
