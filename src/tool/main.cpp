#include "core/language.h"
#include "tool/tool.h"

#include <QCoreApplication>
#include <cstdio>

int main(int argc, char** argv) {
    // A core application only: the tool paints into images and never needs a window system,
    // so it runs with no display at all.
    const QCoreApplication application(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("chaserom-tool"));
    const QStringList arguments = QCoreApplication::arguments().mid(1);
    if (!chaserom::installChosenLanguage(arguments)) {
        std::fprintf(
            stderr, "chaserom-tool: %s\n",
            QCoreApplication::translate("Tool", "--language: ru или en").toLocal8Bit().constData());
        return 2;
    }
    return chaserom::tool::runTool(chaserom::withoutLanguageArgument(arguments));
}
