#include "windows/codeview/wholeimagecommands.h"

#include "core/image/copynaming.h"
#include "core/image/decimalfields.h"
#include "core/image/imagedocument.h"
#include "core/page/pagerows.h"
#include "windows/codeview/overflowprompt.h"
#include "windows/common/failurereports.h"
#include "windows/common/messages.h"

namespace chaserom {

WholeImageCommands::WholeImageCommands(PageRows& page, FailureReports& reports, QWidget* parent)
    : m_page(page)
    , m_reports(reports)
    , m_parent(parent) {}

bool WholeImageCommands::imageIsOpen() {
    if (!m_page.hasImage()) {
        m_reports.report(m_parent, messages::noImageOpen());
        return false;
    }
    return true;
}

void WholeImageCommands::copy(const QString& start, const QString& end,
                              const QString& destination) {
    if (!imageIsOpen()) {
        return;
    }
    const int length = m_page.imageLength().value_or(0);
    const auto range = readCopyRange(start, end, destination, length);
    if (!range) {
        m_reports.report(m_parent, range.failure());
        return;
    }
    const Overflow answer = copyFits(*range, length) ? Overflow::Lengthen : askOverflow(m_parent);
    // The step timer may have moved and written the page while the prompt waited: the
    // copy reads the file as it is now.
    if (auto failure = m_page.copy(*range, answer)) {
        m_reports.report(m_parent, *failure);
    }
}

void WholeImageCommands::invert() {
    if (!imageIsOpen()) {
        return;
    }
    if (auto failure = m_page.invert()) {
        m_reports.report(m_parent, *failure);
    }
}

void WholeImageCommands::reverse() {
    if (!imageIsOpen()) {
        return;
    }
    if (auto failure = m_page.reverse()) {
        m_reports.report(m_parent, *failure);
    }
}

void WholeImageCommands::writeResizedCopy(const QString& sizeText) {
    if (!imageIsOpen()) {
        return;
    }
    const auto size = readTargetSize(sizeText);
    if (!size) {
        m_reports.report(m_parent, size.failure());
        return;
    }
    const auto target = resizedCopyPathFor(m_page.document().path(), sizeText);
    if (!target) {
        m_reports.report(m_parent, tr("Имя файла образа слишком короткое для имени копии."));
        return;
    }
    if (auto failure = m_page.document().writeResizedCopy(*size, *target)) {
        m_reports.report(m_parent, *failure);
    }
}

} // namespace chaserom
