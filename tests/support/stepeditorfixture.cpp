#include "stepeditorfixture.h"

#include <QSettings>

using namespace chaserom;

namespace testing_support {

std::shared_ptr<TextSeen> answerText(const QString& typed) {
    auto seen = std::make_shared<TextSeen>();
    whenModal("chaserom::CheckedTextDialog", [seen, typed](QWidget* dialog) {
        control<QLineEdit>(dialog, QStringLiteral("Answer"))->setText(typed);
        seen->problem = control<QLabel>(dialog, QStringLiteral("Problem"))->text();
        seen->shown = true;
        QPushButton* ok = dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
        seen->accepted = ok->isEnabled();
        if (seen->accepted) {
            ok->click();
        } else {
            dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Cancel)->click();
        }
    });
    return seen;
}

void StepEditorFixture::setUpFolder() {
    QSettings(QStringLiteral("chaserom"), QStringLiteral("chaserom")).clear();
    m_folder = std::make_unique<WorkFolder>();
}

void StepEditorFixture::tearDown() {
    QVERIFY(waitForNoModal());
    m_app.reset();
    m_folder.reset();
}

} // namespace testing_support
