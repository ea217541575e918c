// The code view's texts copy their frames from a cache instead of drawing them: the copies
// must look exactly like the frames the style draws, in every state a text box takes.
#include "windows/common/framecachestyle.h"
#include "windows/common/windowsetup.h"

#include <QLineEdit>
#include <QTest>

using namespace chaserom;

class FrameCacheStyleTest : public QObject {
    Q_OBJECT

private slots:
    void copiesLookLikeDrawnFrames_data() {
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<bool>("readOnly");
        QTest::addColumn<QString>("text");
        QTest::addRow("row text") << true << false << QStringLiteral("7F");
        QTest::addRow("row past the end") << true << true << QString();
        QTest::addRow("binary text") << false << false << QStringLiteral("01111111");
        QTest::addRow("address") << false << false << QStringLiteral("32766");
    }

    void copiesLookLikeDrawnFrames() {
        QFETCH(bool, enabled);
        QFETCH(bool, readOnly);
        QFETCH(QString, text);
        FrameCacheStyle style;
        QWidget window;
        window.setFont(defaultWindowFont());
        window.resize(120, 60);
        auto* drawn = new QLineEdit(&window);
        auto* copied = new QLineEdit(&window);
        copied->setStyle(&style);
        for (QLineEdit* edit : {drawn, copied}) {
            edit->setFocusPolicy(Qt::NoFocus);
            edit->setEnabled(enabled);
            edit->setReadOnly(readOnly);
            edit->setText(text);
        }
        drawn->setGeometry(4, 4, 49, 17);
        copied->setGeometry(4, 30, 49, 17);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        // Twice: the second copy comes from the cache.
        for (int pass = 0; pass < 2; ++pass) {
            QCOMPARE(copied->grab().toImage(), drawn->grab().toImage());
        }
    }
};

QTEST_MAIN(FrameCacheStyleTest)
#include "framecachestyle_test.moc"
