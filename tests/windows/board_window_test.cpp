// The board file beside the images, and what is remembered per image: a board file written
// by hand sets every window on open; one that cannot be read changes nothing and is kept;
// what the user chose for an image comes back over the board file when it is opened again.
#include "app/app.h"
#include "core/board/boardfile.h"
#include "core/files/colourfile.h"
#include "windows/codeview/codeviewwindow.h"
#include "windows/simulator/simulatorwindow.h"
#include "windows/steps/stepeditorwindow.h"
#include "windows/steps/stepgridview.h"
#include "windowtesting.h"

#include <QAbstractButton>
#include <QAction>
#include <QImage>
#include <QLabel>
#include <QMessageBox>
#include <QScrollBar>
#include <QTest>

using namespace chaserom;
using namespace testing_support;

namespace {

constexpr char HandWritten[] = R"({"chaserom-board": 1, "chip": "27C256", "channels": 16,
    "stepsPerProgram": 128, "intervalMs": 100, "picture": "board.png",
    "lamps": [[1200, 3400], [1500, 3400]], "colours": ["#FF0000", "#FFFF00"],
    "note": "kept as it is"})";

} // namespace

class BoardWindowTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        m_folder = std::make_unique<WorkFolder>();
        m_image = m_folder->write(QStringLiteral("chip.bin"), randomBytes(32768, 21));
        QImage picture(640, 480, QImage::Format_RGB32);
        picture.fill(QColor(10, 80, 30));
        QVERIFY(picture.save(m_folder->path(QStringLiteral("board.png"))));
    }

    void cleanup() {
        QVERIFY(waitForNoModal());
        m_app.reset();
        m_folder.reset();
    }

    void aBoardFileWrittenByHandSetsEveryWindowOnOpen() {
        m_folder->write(QString::fromLatin1(BoardFileName), HandWritten);
        m_app = startApp(m_image);
        CodeViewWindow& view = m_app->codeView();
        QCOMPARE(m_app->kanalCount().value(), 16);
        QVERIFY(control<QAbstractButton>(&view, QStringLiteral("OptionKanal_1"))->isChecked());
        QCOMPARE(control<QScrollBar>(&view, QStringLiteral("VScroll2"))->value(), 100);
        QCOMPARE(control<QLabel>(&view, QStringLiteral("LabelIntervalSim"))->text(),
                 QStringLiteral("100ms"));
        QCOMPARE(m_app->programs().stepsPerProgram(), 128);
        SimulatorWindow& simulator = m_app->simulator();
        QCOMPARE(simulator.layout()[1], (LampPosition{1500, 3400}));
        QCOMPARE(simulator.layout()[2], HiddenLamp);
        QCOMPARE(simulator.background().size(), QSize(640, 480));
        QCOMPARE(m_app->channelColours().colour(0), Bgr{0x0000FF});
        QCOMPARE(m_app->channelColours().colour(1), Bgr{0x00FFFF});

        // The colours are the user's as if chosen in the colour panel: written at the close.
        m_app->shutDown();
        ChannelColours written{};
        QVERIFY(!readColourFileText(m_folder->read(QStringLiteral("ColorKanal.txt")), written));
        QCOMPARE(written[0], Bgr{0x0000FF});
        // The board file itself is never rewritten unless the board is saved.
        QCOMPARE(m_folder->read(QString::fromLatin1(BoardFileName)), QByteArray(HandWritten));
    }

    void aBoardFileThatCannotBeReadIsReportedAndChangesNothing() {
        const QByteArray broken = R"({"channels": 12, "intervalMs": 50})";
        m_folder->write(QString::fromLatin1(BoardFileName), broken);
        const auto report = answerMessageBox(QMessageBox::Ok);
        m_app = startApp(m_image);
        QVERIFY(QTest::qWaitFor([&] { return report->shown; }));
        QVERIFY2(report->text.contains(QString::fromLatin1(BoardFileName)),
                 qPrintable(report->text));
        QVERIFY(report->text.contains(QStringLiteral("channels")));
        QCOMPARE(m_app->kanalCount().value(), 8);
        QCOMPARE(m_app->playback().interval(), 300);
        m_app->shutDown();
        QCOMPARE(m_folder->read(QString::fromLatin1(BoardFileName)), broken);
    }

    void whatTheUserChoseForAnImageComesBackOverTheBoardFile() {
        m_folder->write(QString::fromLatin1(BoardFileName), HandWritten);
        m_app = startApp(m_image);
        m_app->codeView().chooseChannelOption(3);
        m_app->programs().setStepsPerProgram(64);
        m_app->programs().setProgram(7);
        m_app->showStepEditor();
        m_app->stepEditor().grid().setCursor(1000, 0);
        m_app->shutDown();

        m_app = startApp(m_image);
        QCOMPARE(m_app->kanalCount().value(), 32);
        QCOMPARE(m_app->playback().interval(), 100); // not changed: the board file's
        QCOMPARE(m_app->programs().stepsPerProgram(), 64);
        QCOMPARE(m_app->programs().program(), 7);
        m_app->showStepEditor();
        QCOMPARE(m_app->stepEditor().grid().cursorStep(), 1000);
    }

    void savingTheBoardWritesWhatTheWindowsShowAndKeepsUnknownFields() {
        m_folder->write(QString::fromLatin1(BoardFileName), HandWritten);
        m_app = startApp(m_image);
        m_app->playback().setInterval(250);
        m_app->showStepEditor();
        control<QAction>(&m_app->stepEditor(), QStringLiteral("ActionSaveBoard"))->trigger();
        const auto saved = readBoardText(m_folder->read(QString::fromLatin1(BoardFileName)));
        QVERIFY(saved);
        QCOMPARE(saved->intervalMs, 250);
        QCOMPARE(saved->channels, 16);
        QCOMPARE(saved->chip, QStringLiteral("27C256"));
        QCOMPARE(saved->picture, QStringLiteral("board.png"));
        QCOMPARE(saved->lamps->size(), size_t{2}); // the board has the two lamps it listed
        QCOMPARE(saved->lamps->at(0), (LampPosition{1200, 3400}));
        QCOMPARE(saved->colours.size(), size_t{ChannelColourCount});
        QCOMPARE(saved->fields.value(QStringLiteral("note")).toString(),
                 QStringLiteral("kept as it is"));
    }

private:
    std::unique_ptr<WorkFolder> m_folder;
    std::unique_ptr<App> m_app;
    QString m_image;
};

QTEST_MAIN(BoardWindowTest)
#include "board_window_test.moc"
