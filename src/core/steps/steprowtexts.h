#pragma once

#include <QByteArrayView>
#include <QString>

namespace chaserom {

/// What the step editor writes at the left of a step's row.
struct StepRowTexts {
    /// The step's number, counted from 0 as go to and selections count.
    QString number;
    /// Its first byte's address, in hex.
    QString address;
    /// Its bytes, in hex.
    QString bytes;
};

/// The texts of the rows of one image, each column as wide as the image's largest value
/// needs, so that the columns line up from the first step to the last.
class StepRowColumns {
public:
    StepRowColumns(qint64 imageLength, int stepLength);

    /// The texts of `step`, whose bytes are `bytes` (fewer for a last step cut short).
    [[nodiscard]] StepRowTexts texts(int step, QByteArrayView bytes) const;
    /// The widest texts a row of this image can have, to measure the columns by.
    [[nodiscard]] StepRowTexts widest() const;

private:
    int m_stepLength;
    int m_numberDigits;
    int m_addressDigits;
};

} // namespace chaserom
