#include "windows/common/recordplacementdialog.h"

#include "core/formats/hexrecordtext.h"
#include "core/formats/recordplacement.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace chaserom {

namespace {

QString addressText(qint64 address) {
    return QStringLiteral("0x") + upperHex(address, address > 0xFFFF ? 8 : 4);
}

} // namespace

RecordPlacementDialog::RecordPlacementDialog(QWidget* parent, const DataExtent& extent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("RecordPlacementDialog"));
    setWindowTitle(tr("Где лежат данные"));
    auto* where = new QLabel(tr("Данные файла лежат по адресам %1–%2 (%3 байт).")
                                 .arg(addressText(extent.lowest), addressText(extent.highest))
                                 .arg(extent.length()),
                             this);
    where->setWordWrap(true);
    m_base = new QLineEdit(addressText(suggestedBase(extent)), this);
    m_base->setObjectName(QStringLiteral("RecordBase"));
    m_base->setToolTip(tr("Адрес в файле, который станет байтом 0 образа"));
    m_windowFirst = new QLineEdit(this);
    m_windowFirst->setObjectName(QStringLiteral("RecordWindowFirst"));
    m_windowFirst->setPlaceholderText(tr("всё"));
    m_windowLast = new QLineEdit(this);
    m_windowLast->setObjectName(QStringLiteral("RecordWindowLast"));
    m_windowLast->setPlaceholderText(tr("всё"));
    m_problem = new QLabel(this);
    m_problem->setObjectName(QStringLiteral("Problem"));
    m_problem->setWordWrap(true);
    m_buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);

    auto* form = new QFormLayout(this);
    form->addRow(where);
    form->addRow(tr("База (байт 0 образа):"), m_base);
    form->addRow(tr("Читать с адреса:"), m_windowFirst);
    form->addRow(tr("по адрес:"), m_windowLast);
    form->addRow(m_problem);
    form->addRow(m_buttons);

    for (QLineEdit* edit : {m_base, m_windowFirst, m_windowLast}) {
        connect(edit, &QLineEdit::textChanged, this, &RecordPlacementDialog::check);
    }
    connect(m_buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    check();
}

Result<RecordReadOptions> RecordPlacementDialog::placement() const {
    return readRecordPlacement(m_base->text(), m_windowFirst->text(), m_windowLast->text());
}

void RecordPlacementDialog::check() {
    const auto options = placement();
    m_problem->setText(options ? QString() : options.failure());
    m_buttons->button(QDialogButtonBox::Ok)->setEnabled(options.ok());
}

std::optional<RecordReadOptions> RecordPlacementDialog::ask(QWidget* parent,
                                                            const DataExtent& extent) {
    RecordPlacementDialog dialog(parent, extent);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return dialog.placement().value();
}

} // namespace chaserom
