#include "failurereport.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QPointer>
#include <QSet>
#include <QTimer>

namespace chaserom {

namespace {

/// Texts of the reports waiting or showing, so that a failure repeated by every step of
/// playback makes one box, not a pile of them.
QSet<QString>& pendingReports() {
    static QSet<QString> texts;
    return texts;
}

} // namespace

void reportFailure(QWidget* parent, const QString& text) {
    if (pendingReports().contains(text)) {
        return;
    }
    pendingReports().insert(text);
    QPointer<QWidget> owner(parent);
    QTimer::singleShot(0, qApp, [owner, text] {
        reportFailureNow(owner.data(), text);
        pendingReports().remove(text);
    });
}

void reportFailure(QWidget* parent, const FileError& error) {
    reportFailure(parent, failureText(error));
}

void reportFailureNow(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::Critical, QString::fromUtf8(FailureTitle), text, QMessageBox::Ok,
                    parent);
    box.exec();
}

} // namespace chaserom
