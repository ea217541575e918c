#pragma once

#include "core/files/fileerror.h"
#include "core/image/imagechange.h"

#include <QByteArray>
#include <QObject>

namespace chaserom {

class KanalCount;
class ImageDocument;
class PageRows;

/// The whole effect as the step editor shows it: every step of the image, the page's rows
/// over the file's bytes where the page lies (what the user sees), in steps of the channel
/// count. It follows every change to the image, wherever it comes from.
class StepsModel : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY(StepsModel)

public:
    StepsModel(ImageDocument& document, const PageRows& page, const KanalCount& kanalCount,
               QObject* parent = nullptr);

    [[nodiscard]] int stepLength() const;
    [[nodiscard]] int channelCount() const;
    /// The image's whole length (up to 16 MiB), 0 with no image open.
    [[nodiscard]] qint64 length() const { return m_file.size(); }
    [[nodiscard]] int stepCount() const;
    /// A byte as it is shown: the page's row where the page lies, else the file's.
    [[nodiscard]] quint8 byteAt(qint64 address) const;
    [[nodiscard]] bool isLit(int step, int channel) const;
    /// All bytes as shown.
    [[nodiscard]] QByteArray shownBytes() const;
    /// The steps the page's rows lie on.
    [[nodiscard]] int firstPageStep() const;
    [[nodiscard]] int lastPageStep() const;

    /// Reads the image again from its file.
    [[nodiscard]] FileFailure reload();

signals:
    /// Everything may have changed: another image, another channel count.
    void reset();
    /// Steps first to last changed.
    void stepsChanged(int first, int last);
    /// The page moved: its steps are others.
    void pageMoved();

private:
    void applyChange(const ImageChange& change);
    void rowChanged(int row);

    ImageDocument& m_document;
    const PageRows& m_page;
    const KanalCount& m_kanalCount;
    /// The file's bytes 0 to length - 1.
    QByteArray m_file;
    /// The channel count the steps are shown in.
    int m_shownChannels = 8;
};

} // namespace chaserom
