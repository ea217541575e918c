#include "wholeimagecommands.h"

#include "codeview/filenaming.h"
#include "codeview/imageops.h"
#include "codeview/overflowprompt.h"
#include "codeview/pagemodel.h"
#include "ui/failurereport.h"

#include <QFileInfo>
#include <cerrno>

namespace chaserom {

WholeImageCommands::WholeImageCommands(PageModel& model, QWidget* parent)
    : m_model(model)
    , m_parent(parent) {}

bool WholeImageCommands::ready() {
    if (!m_model.hasImage()) {
        reportFailure(m_parent,
                      QString::fromUtf8("Файл образа не открыт: откройте его кнопкой «Файл»."));
        return false;
    }
    if (auto failure = m_model.writeBack()) {
        reportFailure(m_parent, *failure);
        return false;
    }
    return true;
}

void WholeImageCommands::rereadPage() {
    if (auto failure = m_model.readPage(m_model.pageAddress())) {
        reportFailure(m_parent, *failure);
    }
}

void WholeImageCommands::copy(const QString& start, const QString& end,
                              const QString& destination) {
    if (!ready()) {
        return;
    }
    const int length = m_model.imageLength().value_or(0);
    QString problem;
    const auto range = readCopyRange(start, end, destination, length, problem);
    if (!range) {
        reportFailure(m_parent, problem);
        return;
    }
    const Overflow answer = copyFits(*range, length) ? Overflow::Lengthen : askOverflow(m_parent);
    // The step timer may have moved and written the page while the prompt waited: the
    // copy reads the file as it is now.
    if (auto failure = copyRange(m_model.image(), *range, length, answer)) {
        reportFailure(m_parent, *failure);
    }
    rereadPage();
}

void WholeImageCommands::invert() {
    applyToWholeImage(invertImage);
}

void WholeImageCommands::reverse() {
    applyToWholeImage(reverseImage);
}

void WholeImageCommands::applyToWholeImage(FileFailure (*operation)(ImageFile&, int)) {
    if (!ready()) {
        return;
    }
    if (auto failure = operation(m_model.image(), m_model.imageLength().value_or(0))) {
        reportFailure(m_parent, *failure);
    }
    rereadPage();
}

void WholeImageCommands::writeResizedCopy(const QString& sizeText) {
    if (!ready()) {
        return;
    }
    QString problem;
    const auto size = readTargetSize(sizeText, problem);
    if (!size) {
        reportFailure(m_parent, problem);
        return;
    }
    const QString& imagePath = m_model.imagePath();
    const auto target = resizedCopyPathFor(imagePath, sizeText);
    if (!target) {
        reportFailure(m_parent,
                      QString::fromUtf8("Имя файла образа слишком короткое для имени копии."));
        return;
    }
    if (!QFileInfo::exists(imagePath)) {
        reportFailure(m_parent,
                      FileError{FileAction::ReadImage, imagePath, systemErrorReason(ENOENT)});
        return;
    }
    if (auto failure =
            m_model.image().writeCopy(*target, *size, '\xFF', FileAction::WriteResizedCopy)) {
        reportFailure(m_parent, *failure);
    }
}

} // namespace chaserom
