// What the user sees when files are not what they seem or another program gets in the
// way: one report for one failure, pictures that are too large named as such, a second
// copy of the program warned of, file dialogs kept out of system folders.
#include "app/app.h"
#include "childprocess.h"
#include "render/backgroundpicture.h"
#include "windows/codeview/codeviewwindow.h"
#include "windowtesting.h"

#include <QCheckBox>
#include <QFile>
#include <QFileDialog>
#include <QImage>
#include <QLineEdit>
#include <QMessageBox>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace chaserom;
using namespace testing_support;

class HostileFilesWindowTest : public QObject {
    Q_OBJECT

private slots:
    void init() { m_folder = std::make_unique<WorkFolder>(); }
    void cleanup() {
        QVERIFY(waitForNoModal());
        m_folder.reset();
    }

    void oneArrowPressOnADeletedImageMakesOneReport() {
        const QString path = m_folder->write(QStringLiteral("a.bin"), countingBytes(4096));
        auto app = startApp(path);
        QWidget* view = &app->codeView();
        control<QCheckBox>(view, QStringLiteral("CheckSave"))->setChecked(true);
        auto* scroll = control<QScrollBar>(view, QStringLiteral("VScroll1"));
        const int before = scroll->value();
        QVERIFY(QFile::remove(path));

        // Every box is answered a little after it appears, as a user would.
        int boxes = 0;
        QTimer answerer;
        QWidget* seenBox = nullptr;
        connect(&answerer, &QTimer::timeout, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box) {
                seenBox = nullptr; // the next box may be made at the same address
            } else if (box != seenBox) {
                seenBox = box;
                ++boxes;
                QTimer::singleShot(150, box, [box] { box->accept(); });
            }
        });
        answerer.start(10);
        // The press on the lower arrow is never released where the scroll bar sees it: the
        // report's box takes the button.
        QTest::mousePress(scroll, Qt::LeftButton, {},
                          QPoint(scroll->width() / 2, scroll->height() - 4));
        QTest::qWait(2500);
        answerer.stop();
        QTest::mouseRelease(scroll, Qt::LeftButton, {},
                            QPoint(scroll->width() / 2, scroll->height() - 4));
        QCOMPARE(boxes, 1);
        QCOMPARE(scroll->value(), before);
        QCOMPARE(app->page().pageAddress(), 0);
    }

    void aFifoAsThePictureIsRefusedAtOnce() {
        const QString path = m_folder->path(QStringLiteral("board.png"));
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0644), 0);
        QCOMPARE(runInChild(
                     [&] {
                         const auto picture = loadBackgroundPicture(path);
                         return !picture && picture.failure().reason.contains(
                                                QString::fromUtf8("канал"))
                                    ? 0
                                    : 1;
                     },
                     5),
                 0);
    }

    void aPictureTooLargeIsCalledThatWithItsSize() {
        const QString path = m_folder->path(QStringLiteral("wide.png"));
        QImage wide(9000, 20, QImage::Format_RGB32);
        wide.fill(Qt::darkGreen);
        QVERIFY(wide.save(path));
        const auto picture = loadBackgroundPicture(path);
        QVERIFY(!picture);
        QVERIFY2(picture.failure().reason.contains(QString::fromUtf8("слишком большое: 9000 × 20")),
                 qPrintable(picture.failure().reason));
    }

    void aBoardPhotoOf8000PixelsASideIsTaken() {
        const QString path = m_folder->path(QStringLiteral("photo.png"));
        {
            QImage photo(8000, 8000, QImage::Format_RGB32);
            photo.fill(QColor(20, 90, 40));
            QVERIFY(photo.save(path));
        }
        const auto picture = loadBackgroundPicture(path);
        QVERIFY2(picture, picture ? "" : qPrintable(failureText(picture.failure())));
        QCOMPARE(picture->size(), QSize(8000, 8000));
    }

    void anImageAnotherCopyHoldsIsOpenedOnlyIfTheUserSaysSo() {
        const QString first = m_folder->write(QStringLiteral("a.bin"), countingBytes(32));
        const QString shared = m_folder->write(QStringLiteral("shared.bin"), countingBytes(32, 3));
        const int other = ::open(QFile::encodeName(shared).constData(), O_RDWR | O_CLOEXEC);
        QVERIFY(other >= 0);
        QCOMPARE(::flock(other, LOCK_EX | LOCK_NB), 0);
        auto app = startApp(first);

        const auto refused = answerMessageBox(QMessageBox::No);
        app->openImage(shared);
        QVERIFY(refused->shown);
        QVERIFY(refused->text.contains(shared));
        QVERIFY(refused->text.contains(QString::fromUtf8("другой копии")));
        QCOMPARE(app->document().path(), first);

        const auto accepted = answerMessageBox(QMessageBox::Yes);
        app->openImage(shared);
        QVERIFY(accepted->shown);
        QCOMPARE(app->document().path(), shared);
        ::close(other);
    }

    void theOpenDialogStaysOutOfSystemFolders() {
        const QString path = m_folder->write(QStringLiteral("a.bin"), countingBytes(32));
        auto app = startApp(path);
        // A device chosen in the dialog is refused; the dialog must not open there again.
        answerFileDialog(QStringLiteral("/dev/null"));
        const auto report = answerMessageBox(QMessageBox::Ok);
        app->codeView().openAction();
        QVERIFY(QTest::qWaitFor([&] { return report->shown; }));
        QVERIFY(waitForNoModal());
        QCOMPARE(app->document().path(), path);

        QString folder;
        whenModal("QFileDialog", [&folder](QWidget* modal) {
            auto* dialog = static_cast<QFileDialog*>(modal);
            folder = dialog->directory().absolutePath();
            dialog->reject();
        });
        app->codeView().openAction();
        QCOMPARE(folder, m_folder->folder());
    }

private:
    std::unique_ptr<WorkFolder> m_folder;
};

QTEST_MAIN(HostileFilesWindowTest)
#include "hostilefiles_window_test.moc"
