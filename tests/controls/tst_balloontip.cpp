// The balloon info tip: its size, where its pointer lands, when it shows and hides, and its
// tool map.
#include "controls/balloontip/cballoontip.h"

#include <QBuffer>
#include <QCursor>
#include <QDataStream>
#include <QFontMetrics>
#include <QTest>

class TstBalloonTip : public QObject {
    Q_OBJECT
private slots:
    void sizeFollowsTextAndIcon();
    void showsAfterDelayWithTipOnPoint();
    void newShowReplacesPending();
    void hideDropsPendingBalloon();
    void toolMapInsertsWritesAndClears();
};

void TstBalloonTip::sizeFollowsTextAndIcon()
{
    CBalloonTip tip;
    // No text: margins only.
    QCOMPARE(tip.BodySize(), QSize(24, 20));
    const QString text = QStringLiteral("Zeichen nicht erlaubt: ;");
    tip.Show(text, nullptr);
    const QSize measured = QFontMetrics(QApplication::font()).boundingRect(QRect(), 0, text).size();
    QCOMPARE(tip.BodySize(), measured + QSize(24, 20));
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::red);
    tip.SetIcon(QIcon(pixmap), QSize(16, 64));
    QCOMPARE(tip.BodySize(), QSize(measured.width() + 24 + 16 + 5, 64));
    // The outline covers body and pointer, and no more.
    tip.SetIcon(QIcon());
    const QRect bounds = tip.Outline().boundingRect();
    QCOMPARE(bounds.bottom(), tip.BodySize().height() + 15 - 1);
    QVERIFY(bounds.width() <= tip.BodySize().width());
}

void TstBalloonTip::showsAfterDelayWithTipOnPoint()
{
    CBalloonTip tip;
    const QPoint point(400, 300);
    tip.Show(QStringLiteral("x"), &point);
    QVERIFY(!tip.isVisible());
    QTRY_VERIFY_WITH_TIMEOUT(tip.isVisible(), 10000);
    const QSize body = tip.BodySize();
    QCOMPARE(tip.size(), QSize(body.width(), body.height() + 25));
    // The pointer's tip (w - 12, h + 15) sits on the point.
    QCOMPARE(tip.pos() + QPoint(body.width() - 12, body.height() + 15), point);
    tip.hide();
}

void TstBalloonTip::newShowReplacesPending()
{
    CBalloonTip tip;
    const QPoint first(100, 100);
    const QPoint second(300, 200);
    tip.Show(QStringLiteral("first"), &first);
    tip.Show(QStringLiteral("second text"), &second);
    QTRY_VERIFY_WITH_TIMEOUT(tip.isVisible(), 10000);
    QCOMPARE(tip.Text(), QStringLiteral("second text"));
    QCOMPARE(tip.TipPoint(), second);
    const QSize body = tip.BodySize();
    QCOMPARE(tip.pos() + QPoint(body.width() - 12, body.height() + 15), second);
}

void TstBalloonTip::hideDropsPendingBalloon()
{
    CBalloonTip tip;
    const QPoint point(200, 200);
    tip.Show(QStringLiteral("weg"), &point);
    // The owner hides the tip before its delay has run out: it must not appear later.
    tip.hide();
    QTest::qWait(3 * tip.Delay());
    QVERIFY(!tip.isVisible());
}

void TstBalloonTip::toolMapInsertsWritesAndClears()
{
    CBalloonTip tip;
    QWidget first;
    QWidget second;
    auto* gone = new QWidget;
    tip.InsertTool(&first, {QStringLiteral("erstes"), 1});
    tip.InsertTool(gone, {QStringLiteral("weg"), 2});
    tip.InsertTool(&second, {QStringLiteral("zweites"), 0xffffffffu});
    tip.InsertTool(&first, {QStringLiteral("erstes neu"), 3}); // replaces, keeps its place
    tip.InsertTool(nullptr, {QStringLiteral("niemand"), 4});
    QCOMPARE(tip.ToolCount(), 3);
    // A window that is gone takes its entry with it, even before anything else is entered.
    delete gone;
    QCOMPARE(tip.ToolCount(), 2);

    const auto written = [&tip] {
        QByteArray bytes;
        QDataStream out(&bytes, QIODevice::WriteOnly);
        tip.SerializeTools(out);
        QDataStream in(bytes);
        quint32 count = 0;
        in >> count;
        QStringList entries;
        for (quint32 i = 0; i < count; ++i) {
            QString text;
            quint32 value = 0;
            in >> text >> value;
            entries.append(text + '=' + QString::number(value));
        }
        return in.status() == QDataStream::Ok && in.atEnd() ? entries
                                                            : QStringList{QStringLiteral("bad")};
    };
    QCOMPARE(written(), QStringList({"erstes neu=3", "zweites=4294967295"}));
    tip.RemoveAllTools();
    QCOMPARE(tip.ToolCount(), 0);
    QCOMPARE(written(), QStringList());
}

QTEST_MAIN(TstBalloonTip)
#include "tst_balloontip.moc"
