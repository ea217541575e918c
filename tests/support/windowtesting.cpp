#include "windowtesting.h"

#include "app/app.h"
#include "windows/board/boardwindow.h"
#include "windows/codeview/codeviewwindow.h"
#include "windows/colours/colourpanel.h"
#include "windows/simulator/simulatorwindow.h"
#include "windows/steps/stepeditorwindow.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace testing_support {

void whenModal(const char* className, std::function<void(QWidget*)> answer) {
    auto* timer = new QTimer(qApp);
    timer->setInterval(5);
    auto attempts = std::make_shared<int>(0);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, className, answer, attempts] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal && modal->inherits(className) && modal->isVisible()) {
            timer->stop();
            timer->deleteLater();
            answer(modal);
        } else if (++*attempts > 2000) {
            timer->stop();
            timer->deleteLater();
            qWarning("no %s appeared", className);
        }
    });
    timer->start();
}

void acceptModal(const char* className) {
    whenModal(className, [](QWidget* modal) {
        modal->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    });
}

void answerFileDialog(const QString& path) {
    whenModal("QFileDialog", [path](QWidget* modal) {
        auto* dialog = static_cast<QFileDialog*>(modal);
        if (path.isEmpty()) {
            dialog->reject();
            return;
        }
        dialog->selectFile(path);
        static_cast<QDialog*>(dialog)->accept(); // QFileDialog's own accept() is protected
    });
}

std::shared_ptr<MessageSeen> answerMessageBox(int button) {
    auto seen = std::make_shared<MessageSeen>();
    whenModal("QMessageBox", [seen, button](QWidget* modal) {
        auto* box = static_cast<QMessageBox*>(modal);
        seen->title = box->windowTitle();
        seen->text = box->text();
        seen->shown = true;
        box->button(static_cast<QMessageBox::StandardButton>(button))->click();
    });
    return seen;
}

bool waitForNoModal(int milliseconds) {
    return QTest::qWaitFor([] { return QApplication::activeModalWidget() == nullptr; },
                           milliseconds);
}

std::unique_ptr<chaserom::App> startApp(const QString& image) {
    // As main names the program, so that what it remembers is kept where it keeps it.
    QCoreApplication::setOrganizationName(QStringLiteral("chaserom"));
    QCoreApplication::setApplicationName(QStringLiteral("chaserom"));
    auto app = std::make_unique<chaserom::App>();
    app->start(image);
    return app;
}

QList<QWidget*> showEveryWindow(chaserom::App& app) {
    app.showStepEditor();
    app.showBoardWindow();
    if (!QTest::qWaitForWindowExposed(&app.boardWindow())) {
        return {};
    }
    return {&app.codeView(), &app.simulator(), &app.colourPanel(), &app.stepEditor(),
            &app.boardWindow()};
}

QColor pixelAtTwips(QWidget* window, int x, int y) {
    const QImage image = window->grab().toImage();
    const qreal ratio = image.devicePixelRatio();
    return image.pixelColor(qRound(x / 15.0 * ratio), qRound(y / 15.0 * ratio));
}

} // namespace testing_support
