// The project file: written byte for byte as the Windows program writes it, read back with
// its blanks, missing keys and foreign lines, and the keys taken apart safely.
#include "res/cstringtable.h"
#include "shell/cprojectfile.h"

#include <QDir>
#include <QFile>
#include <QTest>

class TstProjectFile : public QObject {
    Q_OBJECT
private slots:
    void write();
    void read();
    void parseKey_data();
    void parseKey();
    void fileNames_data();
    void fileNames();
};

void TstProjectFile::write()
{
    // Handed over out of address order; DRQ2+ (7) and VNE+ (8) have no code and no line.
    const QList<CProjectFile::Axis> axes = {
        {3, 12, "[Offline] [12].sdf"}, {0, 3, "[03] Hub_achse.sdf"}, {7, 4, "Z.sdf"},
        {5, 5, "Tisch.sdf"},           {6, 0, "Spindel.sdf"},       {8, 9, "V.sdf"},
        {4, 31, "Pump.sdf"},
    };
    const auto label = [](unsigned id) { return CStringTable::Lookup(id, UiLanguage::English); };
    QFile golden(QStringLiteral(TARNLINK_GOLDEN_DIR "/project_en.spf"));
    QVERIFY(golden.open(QIODevice::ReadOnly));
    QCOMPARE(CProjectFile::Bytes(axes, label, QDateTime(QDate(2027, 3, 24), QTime(8, 15))),
             golden.readAll());

    // No axes: the three header lines only; German has its blank before the date.
    const auto german = [](unsigned id) { return CStringTable::Lookup(id, UiLanguage::German); };
    QCOMPARE(CProjectFile::Bytes({}, german, QDateTime(QDate(2026, 1, 2), QTime(3, 4))),
             "Tarnlink parameter file of 02.01.26 - 03:04\r\n" + QByteArray(74, '-') +
                 "\r\n\r\n");
}

void TstProjectFile::read()
{
    const QByteArray text = "Tarnlink parameter file of 02.01.26 - 03:04\r\n"
                            "-----\r\n"
                            "\r\n"
                            "[HVR 7] \\Pump.sdf\r\n"
                            "[KEV 3]   \\Hub achse.sdf  \r\n"
                            "[HWK 1]\t\\Tab.sdf\n"
                            " [KEV 4] \\indented.sdf\r\n"
                            "[no key \\x.sdf\r\n"
                            "[LQN 2] sub\\F\xfchrung.sdf\r\n"
                            "[DRQ 5]";
    const QString dir = QStringLiteral("/projects/line 1");
    const QList<CProjectFile::Line> lines = CProjectFile::Read(text, dir);
    QStringList got;
    for (const CProjectFile::Line& line : lines)
        got.append(line.key + QLatin1Char('|') + line.path);
    QCOMPARE(got, (QStringList{
                      "[HVR 7]|/projects/line 1/Pump.sdf",
                      "[KEV 3]|/projects/line 1/Hub achse.sdf",
                      // Only blanks are trimmed; a tab stays part of the name.
                      "[HWK 1]|/projects/line 1/\t/Tab.sdf",
                      "|/projects/line 1/[no key /x.sdf",
                      "[LQN 2]|/projects/line 1/sub/F\u00fchrung.sdf",
                      "[DRQ 5]|/projects/line 1",
                  }));
    QVERIFY(CProjectFile::Read(QByteArray(), dir).isEmpty());
}

void TstProjectFile::parseKey_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("address");

    QTest::newRow("KEV 3") << "[KEV 3]" << 0 << 3;
    QTest::newRow("HWK 12") << "[HWK 12]" << 3 << 12;
    QTest::newRow("DRQ is DRQ+") << "[DRQ 31]" << 5 << 31;
    QTest::newRow("UQK is UQT") << "[UQK 0]" << 6 << 0;
    QTest::newRow("blanks") << "[HVR  7 ]" << 4 << 7;
    QTest::newRow("address 32") << "[KEV 32]" << 0 << -1;
    QTest::newRow("address 99") << "[KEV 99]" << 0 << -1;
    QTest::newRow("hexadecimal") << "[KEV FF]" << 0 << -1;
    QTest::newRow("negative") << "[KEV -1]" << 0 << -1;
    QTest::newRow("digits then text") << "[KEV 3x]" << 0 << -1;
    QTest::newRow("unknown code") << "[UQT 3]" << -1 << 3;
    QTest::newRow("no address") << "[KEV]" << 0 << -1;
    QTest::newRow("no bracket") << "[KEV 3" << 0 << -1;
    QTest::newRow("empty") << "" << -1 << -1;
    QTest::newRow("huge") << "[KEV 99999999999999]" << 0 << -1;
}

void TstProjectFile::parseKey()
{
    QFETCH(QString, key);
    QFETCH(int, type);
    QFETCH(int, address);
    const CProjectFile::KeyParts parts = CProjectFile::ParseKey(key);
    QCOMPARE(parts.deviceType, type);
    QCOMPARE(parts.address, address);
}

void TstProjectFile::fileNames_data()
{
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("name");

    QTest::newRow("tree label") << "[03] Hubachse" << "[03] Hubachse.sdf";
    QTest::newRow("already .sdf") << "Pump.sdf" << "Pump.sdf";
    QTest::newRow("offline title") << "[Offline] Pump.sdf" << "[Offline] Pump.sdf";
    QTest::newRow("separators") << "[04] a/b\\c" << "[04] a_b_c.sdf";
    QTest::newRow("drive and wildcards") << "[05] C:*?" << "[05] C___.sdf";
    QTest::newRow("quotes and pipes") << "x\"<>|" << "x____.sdf";
    QTest::newRow("going up") << "../../etc" << ".._.._etc.sdf";
}

void TstProjectFile::fileNames()
{
    QFETCH(QString, title);
    QFETCH(QString, name);
    QCOMPARE(CProjectFile::ParameterFileName(title), name);
}

QTEST_MAIN(TstProjectFile)
#include "tst_projectfile.moc"
