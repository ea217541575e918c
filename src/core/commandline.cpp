#include "core/commandline.h"

#include <QCoreApplication>

namespace chaserom {

CommandLine parseCommandLine(const QStringList& arguments) {
    CommandLine line;
    bool optionsEnded = false;
    for (const QString& argument : arguments) {
        if (!optionsEnded && argument == QLatin1String("--")) {
            optionsEnded = true;
        } else if (!optionsEnded &&
                   (argument == QLatin1String("--help") || argument == QLatin1String("-h"))) {
            return {CommandLine::Action::Help, {}, {}};
        } else if (!optionsEnded && argument == QLatin1String("--version")) {
            return {CommandLine::Action::Version, {}, {}};
        } else if (!optionsEnded && argument == QLatin1String("--steps")) {
            line.steps = true;
        } else if (!optionsEnded && argument.startsWith(u'-') && argument.size() > 1) {
            return {CommandLine::Action::Error,
                    {},
                    QCoreApplication::translate("CommandLine", "неизвестный параметр %1")
                        .arg(argument)};
        } else if (line.image.isEmpty()) {
            line.image = argument;
        } else {
            return {
                CommandLine::Action::Error,
                {},
                QCoreApplication::translate("CommandLine", "указано больше одного файла образа")};
        }
    }
    return line;
}

QString helpText() {
    return QCoreApplication::translate(
        "CommandLine",
        "Использование: chaserom [--steps] [--language ru|en] [ОБРАЗ]\n"
        "Редактор образов ПЗУ для плат бегущих огней. С ОБРАЗОМ открывает этот файл,\n"
        "без него спрашивает файл при запуске.\n"
        "  --steps    открыть и окно «Шаги эффекта»\n"
        "  --language ru|en  язык окон (иначе выбранный в меню «Вид» или язык системы)\n"
        "  --help     показать эту справку и выйти\n"
        "  --version  показать версию и выйти\n");
}

QString versionText() {
    return QStringLiteral("chaserom " CHASEROM_VERSION "\n");
}

} // namespace chaserom
