// The windows in English: with the English translation installed, as under an English
// desktop, no caption, menu, tool tip, status text or dialog shows a Russian word.
#include "app/app.h"
#include "core/language.h"
#include "windows/board/boardwindow.h"
#include "windows/codeview/codeviewwindow.h"
#include "windows/colours/colourpanel.h"
#include "windows/simulator/simulatorwindow.h"
#include "windows/steps/stepeditorwindow.h"
#include "windowtesting.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QStatusBar>
#include <QTest>

using namespace chaserom;
using namespace testing_support;

namespace {

bool isRussian(const QString& text) {
    static const QRegularExpression cyrillic(QStringLiteral("[\\x{0400}-\\x{04FF}]"));
    return cyrillic.match(text).hasMatch();
}

/// Every text a widget shows or says of itself.
QStringList widgetTexts(const QWidget& widget) {
    QStringList texts = {widget.windowTitle(),    widget.toolTip(),
                         widget.statusTip(),      widget.whatsThis(),
                         widget.accessibleName(), widget.accessibleDescription()};
    if (const auto* label = qobject_cast<const QLabel*>(&widget)) {
        texts << label->text();
    } else if (const auto* button = qobject_cast<const QAbstractButton*>(&widget)) {
        texts << button->text();
    } else if (const auto* group = qobject_cast<const QGroupBox*>(&widget)) {
        texts << group->title();
    } else if (const auto* line = qobject_cast<const QLineEdit*>(&widget)) {
        texts << line->placeholderText();
    } else if (const auto* combo = qobject_cast<const QComboBox*>(&widget)) {
        for (int i = 0; i < combo->count(); ++i) {
            texts << combo->itemText(i);
        }
    } else if (const auto* spin = qobject_cast<const QSpinBox*>(&widget)) {
        texts << spin->prefix() << spin->suffix() << spin->specialValueText();
    } else if (const auto* list = qobject_cast<const QListWidget*>(&widget)) {
        for (int i = 0; i < list->count(); ++i) {
            texts << list->item(i)->text();
        }
    } else if (const auto* menu = qobject_cast<const QMenu*>(&widget)) {
        texts << menu->title();
    } else if (const auto* status = qobject_cast<const QStatusBar*>(&widget)) {
        texts << status->currentMessage();
    }
    return texts;
}

/// The Russian texts a window and everything in it show, each with where it is.
QStringList russianTexts(QWidget& window) {
    QStringList found;
    QList<QWidget*> widgets = window.findChildren<QWidget*>();
    widgets.prepend(&window);
    for (const QWidget* widget : widgets) {
        for (const QString& text : widgetTexts(*widget)) {
            if (isRussian(text)) {
                found << widget->metaObject()->className() + QStringLiteral(" ") +
                             widget->objectName() + QStringLiteral(": ") + text;
            }
        }
    }
    for (const QAction* action : window.findChildren<QAction*>()) {
        for (const QString& text :
             {action->text(), action->toolTip(), action->statusTip(), action->iconText()}) {
            if (isRussian(text)) {
                found << QStringLiteral("action ") + action->objectName() + QStringLiteral(": ") +
                             text;
            }
        }
    }
    return found;
}

} // namespace

class EnglishTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { installLanguage(Language::English); }

    void init() {
        m_folder = std::make_unique<WorkFolder>();
        m_app = startApp(m_folder->write(QStringLiteral("chip.bin"), randomBytes(1024, 5)));
        m_windows = showEveryWindow(*m_app);
        QCOMPARE(m_windows.size(), 5);
    }

    void cleanup() {
        m_app->boardWindow().setAskOnClose(false);
        m_app.reset();
        m_folder.reset();
    }

    void noWindowShowsARussianWord() {
        QStringList found;
        for (QWidget* window : m_windows) {
            found << russianTexts(*window);
        }
        QVERIFY2(found.isEmpty(), qPrintable(found.join(u'\n')));
        QCOMPARE(control<QCheckBox>(&m_app->codeView(), QStringLiteral("CheckSave"))->text(),
                 QStringLiteral("Save"));
    }

    void theStepEditorsDialogsSpeakEnglish() {
        for (const char* command :
             {"ActionGenerate", "ActionExportGif", "ActionGoTo", "ActionFill"}) {
            QStringList found;
            bool shown = false;
            whenModal("QDialog", [&](QWidget* dialog) {
                shown = true;
                found = russianTexts(*dialog);
                dialog->close();
            });
            control<QAction>(&m_app->stepEditor(), QLatin1String(command))->trigger();
            QVERIFY(waitForNoModal());
            QVERIFY2(shown, command);
            QVERIFY2(found.isEmpty(), qPrintable(found.join(u'\n')));
        }
    }

    void failuresAreToldInEnglish() {
        const auto told = answerMessageBox(QMessageBox::Ok);
        m_app->openImage(m_folder->path(QStringLiteral("missing.bin")));
        QVERIFY(QTest::qWaitFor([&] { return told->shown; }));
        QVERIFY(waitForNoModal());
        QVERIFY2(!isRussian(told->title + told->text), qPrintable(told->title + told->text));
        QVERIFY2(told->text.contains(QStringLiteral("missing.bin")), qPrintable(told->text));
    }

private:
    std::unique_ptr<WorkFolder> m_folder;
    std::unique_ptr<App> m_app;
    QList<QWidget*> m_windows;
};

QTEST_MAIN(EnglishTest)
#include "english_test.moc"
