// The yardstick for start-up: a bare Qt Widgets program that shows three windows with
// the same widgets as chaserom's, in the same order, and nothing else.
#include <QApplication>
#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QToolButton>

namespace {

template <typename Widget> void add(QWidget* window, int count, int width = 40, int height = 19) {
    for (int i = 0; i < count; ++i) {
        auto* widget = new Widget(window);
        widget->setGeometry((i * 37) % (window->width() - width), (i * 23) % 400, width, height);
    }
}

QWidget* window(const QString& title, int width, int height) {
    auto* window = new QWidget;
    window->setWindowTitle(title);
    window->setFixedSize(width, height);
    QFont font;
    font.setFamilies({QStringLiteral("Liberation Sans")});
    font.setPointSizeF(8.25);
    window->setFont(font);
    return window;
}

} // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);

    QWidget* simulator = window(QString::fromUtf8("Симулятор экрана"), 833, 597);
    add<QFrame>(simulator, 1, 833, 57);
    add<QPushButton>(simulator, 2);
    add<QToolButton>(simulator, 2);
    add<QLabel>(simulator, 1);
    simulator->show();

    QWidget* colours = window(QString::fromUtf8("Панель цвета"), 267, 133);
    colours->show();

    QWidget* codeView = window(QString::fromUtf8("Просмотр кода"), 505, 593);
    add<QLineEdit>(codeView, 71);
    add<QLabel>(codeView, 8);
    add<QPushButton>(codeView, 6);
    add<QCheckBox>(codeView, 2);
    add<QRadioButton>(codeView, 9);
    add<QScrollBar>(codeView, 2, 17, 100);
    codeView->show();
    return QApplication::exec();
}
