// The Enter-reporting combo box: one notice per Enter, with the list closed or open, after
// the key has had its normal effect; other keys tell nothing.
#include "controls/mycombobox/cmycombobox.h"

#include <QAbstractItemView>
#include <QDialog>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

class TstMyComboBox : public QObject {
    Q_OBJECT
private slots:
    void enterIsReported_data();
    void enterIsReported();
};

void TstMyComboBox::enterIsReported_data()
{
    QTest::addColumn<bool>("dropped");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("notices");
    QTest::addRow("list closed, Return") << false << int(Qt::Key_Return) << 1;
    QTest::addRow("list closed, keypad Enter") << false << int(Qt::Key_Enter) << 1;
    QTest::addRow("list closed, other key") << false << int(Qt::Key_X) << 0;
    QTest::addRow("list dropped, Return") << true << int(Qt::Key_Return) << 1;
    QTest::addRow("list dropped, other key") << true << int(Qt::Key_Down) << 0;
}

void TstMyComboBox::enterIsReported()
{
    QFETCH(bool, dropped);
    QFETCH(int, key);
    QFETCH(int, notices);

    QDialog dialog;
    auto* combo = new CMyComboBox(&dialog);
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->addItems({QStringLiteral("REF "), QStringLiteral("HOME ")});
    combo->setCurrentIndex(-1);
    // The dialog's own handling of Enter still takes place: here it presses the default
    // button.
    auto* ok = new QPushButton(QStringLiteral("OK"), &dialog);
    ok->setDefault(true);
    QSignalSpy defaults(ok, &QPushButton::clicked);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(combo);
    layout->addWidget(ok);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    combo->setFocus();

    QSignalSpy spy(combo, &CMyComboBox::EnterPressed);
    QString textAtNotice;
    connect(combo, &CMyComboBox::EnterPressed, combo,
            [&] { textAtNotice = combo->currentText(); });
    QPointer<QWidget> target = combo;
    QString highlighted;
    if (dropped) {
        combo->showPopup();
        QTRY_VERIFY(combo->view()->isVisible());
        QTest::keyClick(combo->view(), Qt::Key_Down);
        target = combo->view();
        highlighted = combo->view()->currentIndex().data().toString();
        QVERIFY(!highlighted.isEmpty());
    }
    QTest::keyClick(target, Qt::Key(key));
    // Posted, not sent: nothing until the event loop runs.
    QCOMPARE(spy.count(), 0);
    QCoreApplication::processEvents();
    QCOMPARE(spy.count(), notices);
    if (dropped && notices > 0) {
        // Enter chose the highlighted entry before the notice came.
        QCOMPARE(textAtNotice, highlighted);
        QVERIFY(!combo->view()->isVisible());
    }
    if (!dropped)
        QCOMPARE(defaults.count(), notices);
}

QTEST_MAIN(TstMyComboBox)
#include "tst_mycombobox.moc"
