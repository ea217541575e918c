#include "windows/steps/checkedtextdialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace chaserom {

CheckedTextDialog::CheckedTextDialog(QWidget* parent, const QString& title, const QString& question,
                                     const QString& text, Check check)
    : QDialog(parent)
    , m_check(std::move(check)) {
    setWindowTitle(title);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(question, this));
    m_edit = new QLineEdit(text, this);
    m_edit->setObjectName(QStringLiteral("Answer"));
    m_edit->selectAll();
    layout->addWidget(m_edit);
    m_problem = new QLabel(this);
    m_problem->setObjectName(QStringLiteral("Problem"));
    m_problem->setWordWrap(true);
    QPalette problemPalette = m_problem->palette();
    problemPalette.setColor(QPalette::WindowText, QColor(180, 0, 0));
    m_problem->setPalette(problemPalette);
    layout->addWidget(m_problem);
    m_buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    layout->addWidget(m_buttons);
    connect(m_buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_edit, &QLineEdit::textChanged, this, &CheckedTextDialog::checkText);
    checkText();
}

QString CheckedTextDialog::text() const {
    return m_edit->text();
}

void CheckedTextDialog::checkText() {
    const QString problem =
        m_edit->text().trimmed().isEmpty() ? QString() : m_check(m_edit->text());
    m_problem->setText(problem);
    m_buttons->button(QDialogButtonBox::Ok)
        ->setEnabled(!m_edit->text().trimmed().isEmpty() && problem.isEmpty());
}

std::optional<QString> CheckedTextDialog::ask(QWidget* parent, const QString& title,
                                              const QString& question, const QString& text,
                                              Check check) {
    CheckedTextDialog dialog(parent, title, question, text, std::move(check));
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return dialog.text();
}

} // namespace chaserom
