// Start-up of chaserom against a bare Qt Widgets program with the same widgets, measured
// from outside on an X server: from starting the process to the mapping of the window
// titled "Просмотр кода", and the process's resident memory at that moment.
//   chaserom-startup-bench CHASEROM BARE IMAGE [RUNS]
#include "residentmemory.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>
#include <algorithm>
#include <poll.h>
#include <vector>
#include <xcb/xcb.h>

namespace {

QTextStream out(stdout);

const QByteArray CodeViewTitle = QString::fromUtf8("Просмотр кода").toUtf8();

xcb_atom_t atom(xcb_connection_t* connection, const char* name) {
    auto* reply = xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 0, static_cast<uint16_t>(qstrlen(name)), name),
        nullptr);
    const xcb_atom_t result = reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
    free(reply);
    return result;
}

QByteArray windowTitle(xcb_connection_t* connection, xcb_window_t window, xcb_atom_t name,
                       xcb_atom_t utf8) {
    auto* reply = xcb_get_property_reply(
        connection, xcb_get_property(connection, 0, window, name, utf8, 0, 256), nullptr);
    QByteArray title;
    if (reply) {
        title = QByteArray(static_cast<const char*>(xcb_get_property_value(reply)),
                           xcb_get_property_value_length(reply));
        free(reply);
    }
    return title;
}

struct Sample {
    double milliseconds;
    qint64 kib;
};

/// Starts `program` and waits for its code view to be mapped.
Sample measure(xcb_connection_t* connection, const QString& program, const QStringList& arguments,
               const QString& folder) {
    const xcb_atom_t name = atom(connection, "_NET_WM_NAME");
    const xcb_atom_t utf8 = atom(connection, "UTF8_STRING");
    QProcess process;
    process.setWorkingDirectory(folder);
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    Sample sample{-1, -1};
    QElapsedTimer clock;
    clock.start();
    process.start(program, arguments);
    if (!process.waitForStarted()) {
        out << "cannot start " << program << "\n";
        return sample;
    }
    pollfd descriptor{xcb_get_file_descriptor(connection), POLLIN, 0};
    while (sample.milliseconds < 0 && clock.elapsed() < 20000) {
        while (xcb_generic_event_t* event = xcb_poll_for_event(connection)) {
            if ((event->response_type & 0x7F) == XCB_MAP_NOTIFY) {
                const auto* map = reinterpret_cast<xcb_map_notify_event_t*>(event);
                if (windowTitle(connection, map->window, name, utf8) == CodeViewTitle) {
                    sample.milliseconds = clock.nsecsElapsed() / 1e6;
                    sample.kib = residentKiB(QString::number(process.processId()));
                }
            }
            free(event);
        }
        poll(&descriptor, 1, 5);
    }
    process.kill();
    process.waitForFinished();
    return sample;
}

Sample median(std::vector<Sample> samples) {
    std::sort(samples.begin(), samples.end(),
              [](const Sample& a, const Sample& b) { return a.milliseconds < b.milliseconds; });
    Sample middle = samples[samples.size() / 2];
    std::sort(samples.begin(), samples.end(),
              [](const Sample& a, const Sample& b) { return a.kib < b.kib; });
    middle.kib = samples[samples.size() / 2].kib;
    return middle;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() < 4) {
        out << "usage: chaserom-startup-bench CHASEROM BARE IMAGE [RUNS]\n";
        return 2;
    }
    const int runs = arguments.size() > 4 ? arguments[4].toInt() : 9;
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection)) {
        out << "no X server: run under xvfb-run\n";
        return 2;
    }
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(connection, screen->root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(connection);

    QTemporaryDir folder;
    const QString image = folder.filePath(QStringLiteral("image.bin"));
    std::vector<Sample> program;
    std::vector<Sample> bare;
    for (int run = 0; run < runs; ++run) {
        QFile::remove(image);
        QFile::copy(arguments[3], image);
        program.push_back(measure(connection, QFileInfo(arguments[1]).absoluteFilePath(), {image},
                                  folder.path()));
        bare.push_back(
            measure(connection, QFileInfo(arguments[2]).absoluteFilePath(), {}, folder.path()));
    }
    const Sample ours = median(program);
    const Sample yardstick = median(bare);
    out << "start-up to the code view shown (median of " << runs << ", X server)\n";
    out << QStringLiteral("%1 %2 ms, %3 MiB resident\n")
               .arg(QStringLiteral("bare Qt Widgets program").leftJustified(30))
               .arg(yardstick.milliseconds, 6, 'f', 1)
               .arg(yardstick.kib / 1024.0, 0, 'f', 1);
    out << QStringLiteral("%1 %2 ms, %3 MiB resident\n")
               .arg(QStringLiteral("chaserom on the image").leftJustified(30))
               .arg(ours.milliseconds, 6, 'f', 1)
               .arg(ours.kib / 1024.0, 0, 'f', 1);
    out << QStringLiteral("%1 %2x time, %3x memory\n")
               .arg(QStringLiteral("ratio").leftJustified(30))
               .arg(ours.milliseconds / yardstick.milliseconds, 6, 'f', 2)
               .arg(static_cast<double>(ours.kib) / yardstick.kib, 0, 'f', 2);
    xcb_disconnect(connection);
    return 0;
}
