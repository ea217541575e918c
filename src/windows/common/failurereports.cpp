#include "windows/common/failurereports.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>
#include <cstdio>

namespace chaserom {

FailureReports::FailureReports(QObject* parent)
    : QObject(parent) {}

void FailureReports::report(QWidget* parent, const QString& text) {
    if (m_pending.contains(text)) {
        return;
    }
    m_pending.insert(text);
    QPointer<QWidget> owner(parent);
    QTimer::singleShot(0, this, [this, owner, text] {
        reportNow(owner.data(), text);
        m_pending.remove(text);
    });
}

void FailureReports::report(QWidget* parent, const FileError& error) {
    report(parent, failureText(error));
}

void FailureReports::reportNow(QWidget* parent, const QString& text) const {
    if (!m_shownInBoxes) {
        std::fprintf(stderr, "chaserom: %s\n", text.toLocal8Bit().constData());
        return;
    }
    QMessageBox box(QMessageBox::Critical,
                    QCoreApplication::translate("FailureReports", FailureTitle), text,
                    QMessageBox::Ok, parent);
    box.exec();
}

} // namespace chaserom
