// Grabs the windows of the program into PNG pictures for the README:
//   chaserom-screenshots EXAMPLES_FOLDER OUTPUT_FOLDER [--steps-only SUFFIX]
// the three windows on the 8-channel demo, the simulator with the example board, its
// layout and the 32-channel effect, and the step editor at its opening size on 8 and 32
// channels. With --steps-only, only the step editor, its pictures named with SUFFIX (run at
// another QT_SCALE_FACTOR). Runs under any platform plugin, offscreen included.
#include "app/app.h"
#include "core/files/layoutfile.h"
#include "render/backgroundpicture.h"
#include "windows/board/boardview.h"
#include "windows/board/boardwindow.h"
#include "windows/board/lampitem.h"
#include "windows/codeview/codeviewwindow.h"
#include "windows/steps/stepeditorwindow.h"
#include "windows/steps/stepgridview.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QPainter>
#include <QScrollBar>
#include <QTextStream>

namespace {

QPixmap framed(QWidget& window) {
    // A plain title bar over each grab, so the pictures read as windows.
    // Grabbed at the screen's scale, drawn pixel for pixel.
    QPixmap content = window.grab();
    const int TitleHeight = qRound(22 * content.devicePixelRatio());
    content.setDevicePixelRatio(1.0);
    QPixmap picture(content.width() + 2, content.height() + TitleHeight + 1);
    picture.fill(QColor(0x4a, 0x6e, 0xa9));
    QPainter painter(&picture);
    painter.setPen(Qt::white);
    QFont font = painter.font();
    font.setBold(true);
    painter.setFont(font);
    painter.drawText(QRect(8, 0, picture.width() - 16, TitleHeight), Qt::AlignVCenter,
                     window.windowTitle());
    painter.drawPixmap(1, TitleHeight, content);
    return picture;
}

/// The step editor as it first opens, on the image open now, a few steps selected.
void grabStepEditor(chaserom::App& app, int firstStep, const QString& file) {
    chaserom::StepEditorWindow& steps = app.stepEditor();
    steps.show();
    steps.grid().setSelection(chaserom::StepSpan{firstStep + 3, 6});
    steps.grid().setCursor(firstStep, 5);
    steps.grid().verticalScrollBar()->setValue(0);
    steps.grid().ensureStepVisible(firstStep + 20);
    QApplication::processEvents();
    framed(steps).save(file);
}

} // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    const QStringList arguments = QApplication::arguments();
    const bool stepsOnly = arguments.size() == 5 && arguments[3] == QLatin1String("--steps-only");
    if (arguments.size() != 3 && !stepsOnly) {
        QTextStream(stderr) << "usage: chaserom-screenshots EXAMPLES_FOLDER OUTPUT_FOLDER "
                               "[--steps-only SUFFIX]\n";
        return 2;
    }
    const QString suffix = stepsOnly ? arguments[4] : QString();
    const QDir output(QFileInfo(arguments[2]).absoluteFilePath());
    // The images are opened by their bare names, as the path box then shows them.
    QDir::setCurrent(arguments[1]);
    const QDir examples;
    chaserom::App app;
    app.start(QStringLiteral("demo.bin"));
    // A step into the effect, where the lamps show something.
    app.codeView().findChild<QScrollBar*>(QStringLiteral("VScroll1"))->setValue(40);
    QApplication::processEvents();
    grabStepEditor(app, 40, output.filePath(QStringLiteral("steps-8%1.png").arg(suffix)));
    app.stepEditor().hide();
    if (stepsOnly) {
        app.openImage(QStringLiteral("demo32.bin"));
        app.codeView().chooseChannelOption(3);
        grabStepEditor(app, 40, output.filePath(QStringLiteral("steps-32%1.png").arg(suffix)));
        return 0;
    }

    const QPixmap codeView = framed(app.codeView());
    const QPixmap simulator = framed(app.simulator());
    const QPixmap colours = framed(app.colourPanel());
    codeView.save(output.filePath(QStringLiteral("codeview.png")));
    simulator.save(output.filePath(QStringLiteral("simulator.png")));
    colours.save(output.filePath(QStringLiteral("colourpanel.png")));

    constexpr int Gap = 12;
    QPixmap all(codeView.width() + Gap + simulator.width(),
                std::max(codeView.height(), simulator.height() + Gap + colours.height()));
    all.fill(QColor(0x30, 0x30, 0x30));
    QPainter painter(&all);
    painter.drawPixmap(0, 0, codeView);
    painter.drawPixmap(codeView.width() + Gap, 0, simulator);
    painter.drawPixmap(codeView.width() + Gap, simulator.height() + Gap, colours);
    painter.end();
    all.save(output.filePath(QStringLiteral("windows.png")));

    // The example board: 32 channels, its layout and its picture.
    app.openImage(QStringLiteral("demo32.bin"));
    app.codeView().chooseChannelOption(3);
    chaserom::LampLayout layout{};
    const auto board =
        chaserom::loadBackgroundPicture(examples.filePath(QStringLiteral("board.png")));
    if (chaserom::loadLayoutFile(examples.filePath(QStringLiteral("board-layout.txt")), layout) ||
        !board) {
        QTextStream(stderr) << "cannot read the example board\n";
        return 1;
    }
    app.boardLamps().setPositions(layout);
    app.setBoardPicture(*board, examples.filePath(QStringLiteral("board.png")));
    app.codeView().findChild<QScrollBar*>(QStringLiteral("VScroll1"))->setValue(4 * 40);
    QApplication::processEvents();
    framed(app.simulator()).save(output.filePath(QStringLiteral("board.png")));

    grabStepEditor(app, 40, output.filePath(QStringLiteral("steps-32.png")));

    // «Плата» on the example board, the marquee's first row selected.
    chaserom::BoardWindow& boardWindow = app.boardWindow();
    boardWindow.resize(980, 640);
    boardWindow.show();
    for (int lamp = 0; lamp < 12; ++lamp) {
        boardWindow.view().lampItem(lamp)->setSelected(true);
    }
    QApplication::processEvents();
    framed(boardWindow).save(output.filePath(QStringLiteral("boardwindow.png")));
    boardWindow.setAskOnClose(false);
    return 0;
}
