#pragma once

#include "core/result.h"

#include <QDialog>
#include <QString>
#include <functional>
#include <optional>

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

    /// A text accepted and the value it was read as.
    template <typename T> struct Answer {
        QString text;
        T value;
    };

    /// Asks for a text that `read` turns into a value (a Result): what it says is wrong is
    /// shown while typing, and the value read from the accepted text is returned, so that
    /// the caller never reads it again.
    template <typename Read>
    [[nodiscard]] static auto askFor(QWidget* parent, const QString& title, const QString& question,
                                     const QString& text, Read read) {
        using Value = typename decltype(read(QString()))::value_type;
        std::optional<Answer<Value>> lastRight;
        const auto accepted =
            ask(parent, title, question, text, [&read, &lastRight](const QString& typed) {
                auto value = read(typed);
                if (!value) {
                    lastRight.reset();
                    return value.failure();
                }
                lastRight = Answer<Value>{typed, std::move(*value)};
                return QString();
            });
        if (!accepted || !lastRight || lastRight->text != *accepted) {
            return std::optional<Answer<Value>>();
        }
        return lastRight;
    }

private:
    void checkText();

    Check m_check;
    QLineEdit* m_edit = nullptr;
    QLabel* m_problem = nullptr;
    QDialogButtonBox* m_buttons = nullptr;
};

} // namespace chaserom
