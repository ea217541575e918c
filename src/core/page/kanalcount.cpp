#include "core/page/kanalcount.h"

namespace chaserom {

KanalCount::KanalCount(QObject* parent)
    : QObject(parent) {}

void KanalCount::set(int count) {
    if (count != 8 && count != 16 && count != 24 && count != 32) {
        return;
    }
    m_value = count;
    emit changed(count);
}

} // namespace chaserom
