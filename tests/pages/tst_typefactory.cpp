// The device-type factory: each of the nine device-type indices gets its own type's object,
// and an index outside them gets no type, so no object.
#include "pages/types/cendstufedrq2plus.h"
#include "pages/types/cendstufedrqplus.h"
#include "pages/types/cendstufehvr.h"
#include "pages/types/cendstufehwt.h"
#include "pages/types/cendstufelqn.h"
#include "pages/types/cendstufeuqt.h"
#include "pages/types/cendstufevneplus.h"
#include "tests/pages/pagerig.h"

#include <QPointer>

#include <typeinfo>

class TstTypeFactory : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void typeOfIndex_data();
    void typeOfIndex();
};

void TstTypeFactory::initTestCase()
{
    qputenv("TARNLINK_CAN", "nosuchplugin:can9");
}

void TstTypeFactory::typeOfIndex_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QByteArray>("type"); // empty: no object
    QTest::newRow("KEV") << 0 << QByteArray(typeid(CEndstufeKEV).name());
    QTest::newRow("LQN") << 1 << QByteArray(typeid(CEndstufeLQN).name());
    QTest::newRow("HWT") << 2 << QByteArray(typeid(CEndstufeHWT).name());
    QTest::newRow("HWK") << 3 << QByteArray(typeid(CEndstufeHWK).name());
    QTest::newRow("HVR") << 4 << QByteArray(typeid(CEndstufeHVR).name());
    QTest::newRow("DRQ+") << 5 << QByteArray(typeid(CEndstufeDRQPlus).name());
    QTest::newRow("UQT") << 6 << QByteArray(typeid(CEndstufeUQT).name());
    QTest::newRow("DRQ2+") << 7 << QByteArray(typeid(CEndstufeDRQ2Plus).name());
    QTest::newRow("VNE+") << 8 << QByteArray(typeid(CEndstufeVNEPlus).name());
    QTest::newRow("below the types") << -1 << QByteArray();
    QTest::newRow("beyond the types") << 9 << QByteArray();
}

void TstTypeFactory::typeOfIndex()
{
    QFETCH(int, index);
    QFETCH(QByteArray, type);
    Rig rig;
    QPointer<CTarnlinkView> view = rig.OpenNew(DeviceType::Kev, QStringLiteral("04"));
    QVERIFY(view);
    // A number becomes a type only through the checked conversion.
    const std::optional<DeviceType> deviceType = CDeviceType::FromInt(index);
    const std::unique_ptr<CEndstufe> made =
        deviceType ? CEndstufe::Create(*deviceType, *view) : nullptr;
    const CEndstufe* object = made.get();
    QCOMPARE(object ? QByteArray(typeid(*object).name()) : QByteArray(), type);
}

QTEST_MAIN(TstTypeFactory)
#include "tst_typefactory.moc"
