#include "app/app.h"
#include "core/files/fileio.h"
#include "core/formats/recordfile.h"
#include "windows/common/dialogs.h"
#include "windows/common/messages.h"
#include "windows/common/newimagedialog.h"
#include "windows/common/recordplacementdialog.h"

#include <QDir>
#include <QFileInfo>

// The app's commands that make an image file and open it: an import of a programmer file,
// a new image and save as.
namespace chaserom {

void App::importRecordFile(QWidget* parent) {
    const QString start = m_document.hasImage() ? imageFolder() : QDir::currentPath();
    const auto recordsPath = chooseFileToOpen(parent, tr("Открыть Intel HEX или S-записи"), start);
    if (!recordsPath) {
        return;
    }
    RecordReadResult read;
    auto failure = chaserom::importRecordFile(*recordsPath, RecordReadOptions{}, read);
    // A file read to its end knows where its data lies; data that does not start at 0 (or
    // lies past 16 MiB) is placed as the user says.
    if (read.extent && (read.extent->lowest != 0 || failure)) {
        const auto placement = RecordPlacementDialog::ask(parent, *read.extent);
        if (!placement) {
            return;
        }
        failure = chaserom::importRecordFile(*recordsPath, *placement, read);
    }
    if (failure) {
        m_reports.report(parent, *failure);
        return;
    }
    const QFileInfo records(*recordsPath);
    const auto imagePath = chooseFileToSave(
        parent, tr("Сохранить образ как"),
        records.dir().filePath(records.completeBaseName() + QStringLiteral(".bin")));
    if (!imagePath) {
        return;
    }
    // Compared by file identity: a relative path or a link to the open image is the image.
    if (auto failure = m_document.protectedFiles().checkTarget(*imagePath, FileAction::WriteImage,
                                                               {*recordsPath})) {
        m_reports.report(parent, *failure);
        return;
    }
    if (auto failure = writeFileAtomically(*imagePath, read.image, FileAction::WriteImage)) {
        m_reports.report(parent, *failure);
        return;
    }
    openImage(*imagePath);
}

void App::createNewImage(QWidget* parent) {
    const auto request = NewImageDialog::ask(parent);
    if (!request) {
        return;
    }
    const QString folder = m_document.hasImage() ? imageFolder() : QDir::currentPath();
    const auto path = chooseFileToSave(parent, tr("Новый образ"),
                                       QDir(folder).filePath(QStringLiteral("new.bin")));
    if (!path) {
        return;
    }
    auto failure = m_document.protectedFiles().checkTarget(*path, FileAction::WriteImage);
    if (!failure) {
        failure = writeFileAtomically(*path, QByteArray(request->size, request->fill),
                                      FileAction::WriteImage);
    }
    if (failure) {
        m_reports.report(parent, *failure);
        return;
    }
    openImage(*path);
}

void App::saveImageAs(QWidget* parent) {
    if (!m_document.hasImage()) {
        m_reports.report(parent, messages::noImageOpen());
        return;
    }
    const auto target = chooseFileToSave(parent, tr("Сохранить образ как"),
                                         QFileInfo(m_document.path()).absolutePath());
    if (!target) {
        return;
    }
    if (auto failure = m_document.saveAs(*target)) {
        m_reports.report(parent, *failure);
    }
}

} // namespace chaserom
