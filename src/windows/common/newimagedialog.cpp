#include "windows/common/newimagedialog.h"

#include "core/image/romchips.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace chaserom {

namespace {

/// The index of «Другая длина» in the chip list: after every chip.
constexpr int OtherSize = static_cast<int>(RomChips.size());
/// The chip chosen when the dialog opens: the 27C256, the most common on these boards.
constexpr int DefaultChip = 4;

QString chipCaption(const RomChip& chip) {
    const qint64 kib = chip.size / 1024;
    return QStringLiteral("%1 (%2)").arg(
        QLatin1String(chip.name.data(), static_cast<qsizetype>(chip.name.size())),
        kib >= 1024 ? QCoreApplication::translate("NewImageDialog", "%1 МиБ").arg(kib / 1024)
                    : QCoreApplication::translate("NewImageDialog", "%1 КиБ").arg(kib));
}

} // namespace

NewImageDialog::NewImageDialog(QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("NewImageDialog"));
    setWindowTitle(tr("Новый образ"));
    m_chip = new QComboBox(this);
    m_chip->setObjectName(QStringLiteral("NewImageChip"));
    for (const RomChip& chip : RomChips) {
        m_chip->addItem(chipCaption(chip));
    }
    m_chip->addItem(tr("Другая длина"));
    m_chip->setCurrentIndex(DefaultChip);
    m_size = new QLineEdit(this);
    m_size->setObjectName(QStringLiteral("NewImageSize"));
    m_size->setPlaceholderText(tr("байт: 1000 или 0x3E8"));
    m_size->setEnabled(false);
    m_fill = new QLineEdit(QStringLiteral("FF"), this);
    m_fill->setObjectName(QStringLiteral("NewImageFill"));
    m_fill->setToolTip(tr("FF: все лампы погашены"));
    m_problem = new QLabel(this);
    m_problem->setWordWrap(true);
    m_buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);

    auto* form = new QFormLayout(this);
    form->addRow(tr("Микросхема:"), m_chip);
    form->addRow(tr("Длина:"), m_size);
    form->addRow(tr("Заполнить байтом:"), m_fill);
    form->addRow(m_problem);
    form->addRow(m_buttons);

    connect(m_chip, &QComboBox::currentIndexChanged, this, [this](int index) {
        m_size->setEnabled(index == OtherSize);
        check();
    });
    connect(m_size, &QLineEdit::textChanged, this, &NewImageDialog::check);
    connect(m_fill, &QLineEdit::textChanged, this, &NewImageDialog::check);
    connect(m_buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    check();
}

Result<NewImageRequest> NewImageDialog::read() const {
    NewImageRequest request;
    if (m_chip->currentIndex() == OtherSize) {
        const auto size = readNewImageSize(m_size->text());
        if (!size) {
            return Failed(size.failure());
        }
        request.size = *size;
    } else {
        request.size = RomChips.at(static_cast<size_t>(m_chip->currentIndex())).size;
    }
    const auto fill = readFillByte(m_fill->text());
    if (!fill) {
        return Failed(fill.failure());
    }
    request.fill = *fill;
    return request;
}

std::optional<NewImageRequest> NewImageDialog::request() const {
    return read().value();
}

void NewImageDialog::check() {
    const auto request = read();
    m_problem->setText(request ? QString() : request.failure());
    m_buttons->button(QDialogButtonBox::Ok)->setEnabled(request.ok());
}

std::optional<NewImageRequest> NewImageDialog::ask(QWidget* parent) {
    NewImageDialog dialog(parent);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return dialog.request();
}

} // namespace chaserom
