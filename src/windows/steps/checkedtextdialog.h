#pragma once

#include <QDialog>
#include <QString>
#include <functional>

class QDialogButtonBox;
class QLabel;
class QLineEdit;

namespace chaserom {

/// A dialog that asks for one line of text and refuses what is not right while it is typed:
/// `check` says what is wrong (in Russian), or nothing when the text will do, and OK stays
/// greyed until then.
class CheckedTextDialog : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY(CheckedTextDialog)

public:
    using Check = std::function<QString(const QString& text)>;

    CheckedTextDialog(QWidget* parent, const QString& title, const QString& question,
                      const QString& text, Check check);

    [[nodiscard]] QString text() const;

    /// Asks; the text when the user accepts a right one, nothing when they cancel.
    [[nodiscard]] static std::optional<QString> ask(QWidget* parent, const QString& title,
                                                    const QString& question, const QString& text,
                                                    Check check);

private:
    void checkText();

    Check m_check;
    QLineEdit* m_edit = nullptr;
    QLabel* m_problem = nullptr;
    QDialogButtonBox* m_buttons = nullptr;
};

} // namespace chaserom
