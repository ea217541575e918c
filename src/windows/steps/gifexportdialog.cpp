#include "windows/steps/gifexportdialog.h"

#include "render/gifanimation.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QSettings>
#include <QSpinBox>
#include <QStandardItemModel>

namespace chaserom {

namespace {

/// GIF counts time in hundredths of a second, and readers show less than 2 as 10.
constexpr int ShortestDelayMs = 20;

void enablePart(QComboBox& parts, AnimationPart part, bool enabled) {
    auto* model = qobject_cast<QStandardItemModel*>(parts.model());
    const int index = parts.findData(static_cast<int>(part));
    if (model && index >= 0) {
        model->item(index)->setEnabled(enabled);
    }
}

} // namespace

GifExportDialog::GifExportDialog(QWidget* parent, const AnimationOffer& offer)
    : QDialog(parent)
    , m_part(new QComboBox(this))
    , m_delay(new QSpinBox(this))
    , m_scale(new QSpinBox(this))
    , m_crop(new QCheckBox(tr("Обрезать по лампам"), this)) {
    setWindowTitle(tr("Экспорт GIF"));
    auto* form = new QFormLayout(this);

    m_part->setObjectName(QStringLiteral("AnimationPart"));
    m_part->addItem(tr("всё изображение"), static_cast<int>(AnimationPart::WholeImage));
    m_part->addItem(offer.program ? tr("программа %1").arg(*offer.program)
                                  : tr("программа (плата без программ)"),
                    static_cast<int>(AnimationPart::Program));
    m_part->addItem(tr("выделенные шаги"), static_cast<int>(AnimationPart::Selection));
    enablePart(*m_part, AnimationPart::Program, offer.program.has_value());
    enablePart(*m_part, AnimationPart::Selection, offer.hasSelection);
    const AnimationPart part = offer.hasSelection ? AnimationPart::Selection
                               : offer.program    ? AnimationPart::Program
                                                  : AnimationPart::WholeImage;
    m_part->setCurrentIndex(m_part->findData(static_cast<int>(part)));
    form->addRow(tr("Что показать:"), m_part);

    m_delay->setObjectName(QStringLiteral("FrameDelay"));
    m_delay->setRange(ShortestDelayMs, GifAnimation::LongestDelay * 10);
    m_delay->setSuffix(tr(" мс"));
    m_delay->setValue(std::max(offer.intervalMs, ShortestDelayMs));
    m_delay->setToolTip(tr("Сколько стоит каждый кадр; GIF считает время сотыми долями "
                           "секунды"));
    form->addRow(tr("Кадр:"), m_delay);

    const QSettings stored;
    m_scale->setObjectName(QStringLiteral("Scale"));
    m_scale->setRange(50, 200);
    m_scale->setSingleStep(10);
    m_scale->setSuffix(QStringLiteral(" %"));
    m_scale->setValue(stored.value(QStringLiteral("gif/scale"), 100).toInt());
    form->addRow(tr("Масштаб:"), m_scale);

    m_crop->setObjectName(QStringLiteral("CropToLamps"));
    m_crop->setToolTip(tr("Только лампы и небольшое поле вокруг них, без остальной картинки"));
    m_crop->setChecked(stored.value(QStringLiteral("gif/crop"), false).toBool());
    form->addRow(m_crop);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    form->addRow(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, [this] {
        keepChoice();
        accept();
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

AnimationChoice GifExportDialog::choice() const {
    return {static_cast<AnimationPart>(m_part->currentData().toInt()), m_delay->value(),
            m_scale->value(), m_crop->isChecked()};
}

void GifExportDialog::keepChoice() const {
    QSettings stored;
    stored.setValue(QStringLiteral("gif/scale"), m_scale->value());
    stored.setValue(QStringLiteral("gif/crop"), m_crop->isChecked());
}

} // namespace chaserom
