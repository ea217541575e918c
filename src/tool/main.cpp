#include "tool/tool.h"

#include <QCoreApplication>

int main(int argc, char** argv) {
    // A core application only: the tool paints into images and never needs a window system,
    // so it runs with no display at all.
    QCoreApplication application(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("chaserom-tool"));
    return chaserom::tool::runTool(QCoreApplication::arguments().mid(1));
}
