// The project file: written byte for byte as the Windows program writes it, read back with
// its blanks, missing keys and foreign lines, and the keys taken apart safely; the project
// table's rows decoded for each type, and the tree marks.
#include "res/cstringtable.h"
#include "shell/cprojectfile.h"
#include "shell/cprojecttable.h"

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
    void decode_data();
    void decode();
    void tableAndMarks();
};

namespace {

// `tree`: the type number of each axis the tree lists, by address.
CProjectTable::Context EnglishContext(const QMap<int, int>& tree = {})
{
    return {[](unsigned id) { return CStringTable::Lookup(id, UiLanguage::English); },
            [tree](int address) { return CDeviceType::FromInt(tree.value(address, -1)); }};
}

} // namespace

void TstProjectFile::write()
{
    // Handed over out of address order; DRQ2+ (7) and VNE+ (8) have no code and no line.
    using enum DeviceType;
    const QList<CProjectFile::Axis> axes = {
        {Hwk, 12, "[Offline] [12].sdf"}, {Kev, 3, "[03] Hub_achse.sdf"}, {Drq2Plus, 4, "Z.sdf"},
        {DrqPlus, 5, "Tisch.sdf"},       {Uqt, 0, "Spindel.sdf"},        {VnePlus, 9, "V.sdf"},
        {Hvr, 31, "Pump.sdf"},
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
    QTest::addColumn<int>("type"); // -1: none
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
    QCOMPARE(parts.deviceType, CDeviceType::FromInt(type));
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

void TstProjectFile::decode_data()
{
    QTest::addColumn<QString>("type");
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("row");

    QTest::newRow("KEV current") << "KEV 2.35" << "Run current:\t[r25]" << "Run cur.:|2.5 A";
    QTest::newRow("LQN current") << "LQN+ 1.0" << "Stop current:\t[s150]" << "Stop cur.:|1.50 A";
    QTest::newRow("UQT counts hundredths") << "UQT" << "[a350]" << "Boost cur.:|3.50 A";
    QTest::newRow("VNE+ counts hundredths") << "VNE+" << "[r1100]" << "Run cur.:|11.00 A";
    QTest::newRow("name") << "KEV" << "Axis name:\t[pnHub]" << "Axis name|Hub";
    QTest::newRow("KEV step") << "KEV" << "[m3]" << "Step resolution:|1/5 Step";
    QTest::newRow("HWK step 2.5") << "HWK" << "[m2]" << "Step resolution:|1/2.5 Step";
    QTest::newRow("LQN step 16") << "LQN" << "[m6]" << "Step resolution:|1/16 Step";
    QTest::newRow("HVR step 512") << "HVR" << "[m13]" << "Step resolution:|1/512 Step";
    QTest::newRow("empty combo") << "KEV" << "[m-1]" << "Step resolution:|?";
    QTest::newRow("unknown current") << "KEV" << "[s-1]" << "Stop cur.:|?";
    QTest::newRow("unknown hundredths") << "DRQ+" << "[r-1]" << "Run cur.:|?";
    QTest::newRow("unknown choice") << "KEV" << "[g-1]" << "Pref. motor direction:|?";
    QTest::newRow("name as written") << "KEV" << "[pn-1]" << "Axis name|-1";
    QTest::newRow("past the list") << "HWK" << "[m14]" << "Step resolution:|14";
    // The UQT's steps and overdrive frequencies as its page lists them.
    QTest::newRow("UQT step from its list") << "UQT" << "[m5]" << "Step resolution:|1/8 Step";
    QTest::newRow("UQT step 2.5") << "UQT" << "[m2]" << "Step resolution:|1/2.5 Step";
    QTest::newRow("UQT step past its list") << "UQT" << "[m14]" << "Step resolution:|14";
    QTest::newRow("UQT overdrive frequency")
        << "UQT" << "[px12]" << "Overdrive Frequenz|25000 Hz";
    QTest::newRow("UQT last frequency") << "UQT" << "[px34]" << "Overdrive Frequenz|220000 Hz";
    QTest::newRow("UQT frequency past the list") << "UQT" << "[px35]" << "Overdrive Frequenz|35";
    QTest::newRow("UQT frequency unknown") << "UQT" << "[px-1]" << "Overdrive Frequenz|?";
    QTest::newRow("HWT delay table") << "HWT" << "[t15]" << "Current delay time:|1000 ms";
    QTest::newRow("DRQ+ delay past") << "DRQ+" << "[t16]" << "Current delay time:|16";
    QTest::newRow("KEV delay in ms") << "KEV" << "[t7]" << "Current delay time:|7 ms";
    QTest::newRow("DRQ2+ delay in ms") << "DRQ2+" << "[t10]" << "Current delay time:|10 ms";
    QTest::newRow("direction") << "KEV" << "[g1]" << "Pref. motor direction:|Positive";
    QTest::newRow("activation") << "KEV" << "[u0]" << "Activation:|Activated";
    QTest::newRow("LQN shape expert") << "LQN" << "[pc2]" << "Current Shape (CS):|Expert Mode";
    QTest::newRow("LQN shape standard")
        << "LQN" << "[pc1]" << "Current Shape (CS):|Standard Mode";
    QTest::newRow("HWT shape on") << "HWT" << "[pc2]" << "Current Shape (CS):|On";
    QTest::newRow("shape off") << "DRQ+" << "[pc0]" << "Current Shape (CS):|Off";
    QTest::newRow("input function") << "KEV" << "[h1]" << "Input function:|Activation";
    QTest::newRow("display menu") << "HWK" << "[pl2]" << "Display Menu 1:|Strom + Temperatur (I + T)";
    QTest::newRow("display menu past") << "HVR" << "[pm7]" << "Display Menu 2:|7";
    QTest::newRow("display menu unknown") << "HVR" << "[pm-1]" << "Display Menu 2:|?";
    QTest::newRow("chopper") << "LQN" << "[pe2]" << "Copper frequency:|100 kHz";
    QTest::newRow("output") << "KEV" << "[o1]" << "Output function:|Basic position";
    QTest::newRow("overdrive") << "HWT" << "[po0]" << "Overdrive:|Off";
    // A UQT's file holds its overdrive, its own chopper frequencies and one input logic.
    QTest::newRow("UQT overdrive") << "UQT" << "[po1]" << "Overdrive:|On";
    QTest::newRow("UQT chopper") << "UQT" << "[pe1]" << "Copper frequency:|20 kHz";
    QTest::newRow("UQT logic level") << "UQT" << "[l1]" << "Input logic level:|Low active";
    QTest::newRow("one logic level") << "DRQ2+" << "[l1]" << "Input logic level:|Low active";
    QTest::newRow("six logic levels") << "HWK" << "[lt1]" << "Logik --> Takt:|Low active";
    QTest::newRow("deselect") << "HVR" << "[lx0]" << "Logik --> Deselect:|High active";
    QTest::newRow("bus mode") << "HWK" << "[px1]" << "Operation mode:|Bus exclusive";
    QTest::newRow("KEV mode") << "KEV" << "[pb1]" << "Operation mode:|Standalone";
    QTest::newRow("module") << "KEV" << "[xp1]" << "QEL - Status|QEL online";
    QTest::newRow("module limit")
        << "KEV" << "[xx100]" << QString::fromUtf8("Temperature limit 1:|100 \u00b0C");
    QTest::newRow("module LED") << "KEV" << "[xf2]" << "Temperature limit to QEL LED:|Limit 2";
    QTest::newRow("unknown key") << "KEV" << "[zz9]" << "|";
}

void TstProjectFile::decode()
{
    QFETCH(QString, type);
    QFETCH(QString, line);
    QFETCH(QString, row);
    const QStringList file = {"Address\t[05]", "Type:\t[b" + type + "]", line};
    const CProjectTable::Result result = CProjectTable::Build({file}, EnglishContext());
    QCOMPARE(result.rows.size(), 3);
    QCOMPARE(result.rows[2].label + '|' + result.rows[2].value, row);
}

void TstProjectFile::tableAndMarks()
{
    // The tree lists a KEV at 3, an HWK at 5 and an LQN at 9.
    const QMap<int, int> tree = {{3, 0}, {5, 3}, {9, 1}};
    const QList<std::optional<QStringList>> files = {
        QStringList{"Header", "Address\t[03]", "Type:\t[bKEV 2.35]", "Run:\t[r20]"},
        std::nullopt, // a file that cannot be read
        QStringList{"Address\t[05]", "Type:\t[bLQN+ 1.0]"},
        QStringList{"Address\t[0C]", "Type:\t[bHWT]"},
        QStringList{"Address\t[FF]", "Type:\t[bHVR]"},
    };
    const CProjectTable::Result result = CProjectTable::Build(files, EnglishContext(tree));

    QStringList rows;
    for (const CProjectTable::Row& row : result.rows)
        rows.append(QStringLiteral("%1%2%3|%4")
                        .arg(row.shaded ? "s" : "-", row.heading ? "h " : "  ", row.label,
                             row.value));
    QCOMPARE(rows, (QStringList{
                       "s  |",
                       "sh Address and Power stage type|[03] - KEV 2.35",
                       "s  Run cur.:|2.0 A",
                       // The unreadable file does not count for the shading.
                       "-  |",
                       "-h Address and Power stage type|[05] - LQN+ 1.0",
                       "s  |",
                       "sh Address and Power stage type|[12] - HWT",
                       "-  |",
                       "-h Address and Power stage type|[FF] - HVR",
                   }));
    std::array<int, 32> axes{};
    axes[3] = CProjectTable::MarkGreen;  // same type, also for a type of another name
    axes[5] = CProjectTable::MarkYellow; // the tree lists another type there
    axes[9] = CProjectTable::MarkRed;    // in the tree, not in the project
    QCOMPARE(result.axisMarks, axes);
    std::array<int, 9> groups{};
    groups[2] = CProjectTable::MarkRed; // the HWT at 12 is missing from the tree
    QCOMPARE(result.groupMarks, groups);

    // No files: only the tree's axes, all red.
    const CProjectTable::Result empty = CProjectTable::Build({}, EnglishContext(tree));
    QVERIFY(empty.rows.isEmpty());
    QCOMPARE(empty.axisMarks[5], int(CProjectTable::MarkRed));
}

QTEST_MAIN(TstProjectFile)
#include "tst_projectfile.moc"
