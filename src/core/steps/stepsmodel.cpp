#include "core/steps/stepsmodel.h"

#include "core/image/imagedocument.h"
#include "core/image/imagelimits.h"
#include "core/page/kanalcount.h"
#include "core/page/pagerows.h"
#include "core/steps/stepoperations.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace chaserom {

StepsModel::StepsModel(ImageDocument& document, const PageRows& page, const KanalCount& kanalCount,
                       QObject* parent)
    : QObject(parent)
    , m_document(document)
    , m_page(page)
    , m_kanalCount(kanalCount) {
    connect(&m_document, &ImageDocument::openedImageChanged, this, [this] {
        m_shownChannels = m_kanalCount.value();
        (void)reload();
    });
    connect(&m_document, &ImageDocument::imageEdited, this, &StepsModel::applyChange);
    connect(&m_page, &PageRows::rowChanged, this, &StepsModel::rowChanged);
    connect(&m_page, &PageRows::pageMoved, this, &StepsModel::pageMoved);
    connect(&m_kanalCount, &KanalCount::changed, this, [this](int count) {
        // Choosing the count already chosen changes no step.
        if (std::exchange(m_shownChannels, count) != count) {
            emit reset();
        }
    });
    (void)reload();
}

int StepsModel::stepLength() const {
    return m_kanalCount.stepLength();
}

int StepsModel::channelCount() const {
    return m_kanalCount.value();
}

int StepsModel::stepCount() const {
    return chaserom::stepCount(length(), stepLength());
}

quint8 StepsModel::byteAt(qint64 address) const {
    const qint64 row = address - m_page.pageAddress();
    if (m_page.pageRead() && row >= 0 && row < PageRowCount &&
        m_page.rowEditable(static_cast<int>(row))) {
        return static_cast<quint8>(m_page.rowValue(static_cast<int>(row)));
    }
    return static_cast<quint8>(m_file.at(address));
}

bool StepsModel::isLit(int step, int channel) const {
    const qint64 address = qint64{step} * stepLength() + channel / 8;
    if (address < 0 || address >= length()) {
        return false;
    }
    return ((byteAt(address) >> (7 - channel % 8)) & 1) == 0;
}

QByteArray StepsModel::shownBytes() const {
    QByteArray bytes = m_file;
    for (int row = 0; row < PageRowCount; ++row) {
        const qint64 address = m_page.pageAddress() + row;
        if (address < bytes.size()) {
            bytes[address] = static_cast<char>(byteAt(address));
        }
    }
    return bytes;
}

int StepsModel::firstPageStep() const {
    return m_page.pageAddress() / stepLength();
}

int StepsModel::lastPageStep() const {
    const qint64 last = std::min<qint64>(m_page.pageAddress() + PageRowCount, length()) - 1;
    return static_cast<int>(std::max<qint64>(last, m_page.pageAddress()) / stepLength());
}

FileFailure StepsModel::reload() {
    // The step editor works on the whole chip, not only as far as the code view's page
    // reaches.
    const qint64 length =
        m_document.hasImage() ? std::min(m_document.length(), LargestWholeImage) : 0;
    auto read = m_document.read(0, length);
    m_file = read ? std::move(*read) : QByteArray();
    m_file.resize(length, '\xFF');
    emit reset();
    return read ? FileFailure() : read.failure();
}

void StepsModel::applyChange(const ImageChange& change) {
    const qint64 begin = std::min<qint64>(change.address, m_file.size());
    const qint64 end = std::min<qint64>(change.address + change.after.size(), m_file.size());
    if (begin >= end) {
        return;
    }
    std::memcpy(m_file.data() + begin, change.after.constData(), end - begin);
    emit stepsChanged(static_cast<int>(begin / stepLength()),
                      static_cast<int>((end - 1) / stepLength()));
}

void StepsModel::rowChanged(int row) {
    const qint64 address = m_page.pageAddress() + row;
    if (address < length()) {
        const int step = static_cast<int>(address / stepLength());
        emit stepsChanged(step, step);
    }
}

} // namespace chaserom
