// The parameter file: the text built from a page's values, compared byte for byte with
// files written by hand, and the reading of single value lines.
#include "pages/cparameterfile.h"
#include "pages/cparameterline.h"
#include "res/cstringtable.h"

#include <QFile>
#include <QTest>

using Source = CParameterFile::Source;

namespace {

QByteArray Golden(const QString& name)
{
    QFile file(QStringLiteral(TARNLINK_GOLDEN_DIR "/") + name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void Set(CParameterFile::Content& c, Source source, int value)
{
    c.sources[static_cast<std::size_t>(source)] = value;
}

CParameterFile::Content Kev()
{
    CParameterFile::Content c;
    c.deviceType = 0;
    return c;
}

} // namespace

Q_DECLARE_METATYPE(CParameterFile::Content)

class TstParameterFile : public QObject {
    Q_OBJECT
private slots:
    void build_data();
    void build();
    void typeLines();
    void parseKeyValue_data();
    void parseKeyValue();
    void bracketTexts();
};

void TstParameterFile::build_data()
{
    QTest::addColumn<CParameterFile::Content>("content");
    QTest::addColumn<int>("language");
    QTest::addColumn<QDateTime>("when");
    QTest::addColumn<QString>("golden");

    {
        CParameterFile::Content c = Kev();
        c.address = QStringLiteral("05");
        c.versionText = QStringLiteral("bKEV");
        c.name = QStringLiteral("Hubachse");
        c.stopCurrent = 1;
        c.runCurrent = 20;
        c.boostCurrent = 25;
        c.stepResolution = 3;
        c.direction = 1;
        c.delayTime = 40;
        Set(c, Source::InputCombo, 1);
        Set(c, Source::OutputCombo, 2);
        QTest::newRow("offline KEV, German, no module")
            << c << int(UiLanguage::German) << QDateTime(QDate(2018, 8, 16), QTime(14, 5))
            << "kev_offline_de.sdf";
    }
    {
        CParameterFile::Content c = Kev();
        c.address = QStringLiteral("1F");
        c.versionText = QStringLiteral("bKEV 1.62");
        c.name = QStringLiteral("Führung");
        c.runCurrent = 63;
        c.boostCurrent = 63;
        c.stepResolution = -1; // nothing selected
        c.delayTime = 200;
        c.activation = 1;
        Set(c, Source::ModeCombo, 1);
        c.moduleTicked = true;
        c.moduleLines = {"xw0", "xx100", "xy150", "xz200", "xf1", "xt10"};
        QTest::newRow("offline KEV, English, module settings")
            << c << int(UiLanguage::English) << QDateTime(QDate(2026, 12, 31), QTime(23, 59))
            << "kev_offline_module_en.sdf";
    }
    {
        CParameterFile::Content c = Kev();
        c.address = QStringLiteral("3");
        c.versionText = QStringLiteral("bKEV 1.62");
        c.name = QStringLiteral("Axis");
        c.stopCurrent = 10;
        c.runCurrent = 20;
        c.boostCurrent = 25;
        c.stepResolution = 2;
        c.delayTime = 40;
        c.moduleTicked = true;
        c.moduleOnline = true;
        c.moduleLines = {"xbQEL 1.05", "xw0", "xx100", "xy150", "xz200", "xf1", "xt10"};
        QTest::newRow("online KEV, module replies")
            << c << int(UiLanguage::English) << QDateTime(QDate(2003, 2, 1), QTime(4, 5))
            << "kev_online_module_en.sdf";
    }
    {
        CParameterFile::Content c;
        c.deviceType = 3;
        c.address = QStringLiteral("0A");
        c.versionText = QStringLiteral("bHWK");
        c.stopCurrent = 5;
        c.runCurrent = 17;
        c.boostCurrent = 30;
        c.stepResolution = 8;
        c.direction = 1;
        c.delayTime = 1000;
        Set(c, Source::Display1, 2);
        Set(c, Source::Display2, 3);
        Set(c, Source::OutputCombo, 1);
        Set(c, Source::LogicDirection, 1);
        Set(c, Source::LogicActivation, 1);
        Set(c, Source::LogicDeselect, 1);
        Set(c, Source::ModeCombo, -1);
        // A module state on another type writes nothing.
        c.moduleTicked = true;
        QTest::newRow("HWK, German, logic levels")
            << c << int(UiLanguage::German) << QDateTime(QDate(2026, 12, 9), QTime(7, 30))
            << "hwk_de.sdf";
    }
    {
        CParameterFile::Content c;
        c.deviceType = 7;
        c.address = QStringLiteral("07");
        c.versionText = QStringLiteral("bDRQ2+");
        c.name = QStringLiteral("Z");
        c.stopCurrent = 50;
        c.runCurrent = 150;
        c.boostCurrent = 200;
        c.delayTime = 5;
        Set(c, Source::LogicCombo, 1);
        Set(c, Source::ModeCombo, 1);
        QTest::newRow("DRQ2+: input logic only")
            << c << int(UiLanguage::English) << QDateTime(QDate(2027, 1, 1), QTime(0, 0))
            << "drq2_en.sdf";
    }
}

void TstParameterFile::build()
{
    QFETCH(CParameterFile::Content, content);
    QFETCH(int, language);
    QFETCH(QDateTime, when);
    QFETCH(QString, golden);

    const auto label = [language](unsigned id) {
        return CStringTable::Lookup(id, UiLanguage(language));
    };
    const QByteArray expected = Golden(golden);
    QVERIFY(!expected.isEmpty());
    QCOMPARE(CParameterFile::Bytes(content, label, when), expected);
}

void TstParameterFile::typeLines()
{
    const auto keys = [](int type) {
        QStringList out;
        for (const CParameterFile::TypeLine& line : CParameterFile::TypeLines(type))
            out.append(QString::fromLatin1(line.key));
        return out;
    };
    QCOMPARE(keys(0), (QStringList{"h", "o", "pb"}));
    QCOMPARE(keys(1), (QStringList{"pc", "pe", "lt", "ld", "lb", "la", "px"}));
    QCOMPARE(keys(2), (QStringList{"pc", "po", "l", "px"}));
    QCOMPARE(keys(4), (QStringList{"pl", "pm", "lt", "ld", "lb", "la", "lr", "lx", "px"}));
    QCOMPARE(keys(5), (QStringList{"pc", "po", "l", "px"}));
    QCOMPARE(keys(6), QStringList{"px"});
    QCOMPARE(keys(8), QStringList{"px"});
    QVERIFY(keys(9).isEmpty());
    QVERIFY(keys(-1).isEmpty());
}

void TstParameterFile::parseKeyValue_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<int>("keyLength");
    QTest::addColumn<int>("value");

    QTest::newRow("step resolution") << "Step resolution:\t\t[m3]\r\n" << 2 << 3;
    QTest::newRow("two-letter key") << "Input function:\t\t[pc12]" << 3 << 12;
    QTest::newRow("negative") << "Step resolution:\t\t[m-1]" << 2 << -1;
    QTest::newRow("no closing bracket") << "Stop current: [s25" << 2 << 0;
    QTest::newRow("no digits") << "Run current: [r]" << 2 << 0;
    QTest::newRow("no bracket at all") << "s25" << 2 << 0;
    QTest::newRow("digits end at first other") << "[t40 ms]" << 2 << 40;
    QTest::newRow("leading blanks") << "[a  7]" << 2 << 7;
    QTest::newRow("closing bracket first") << "] x [s5]" << 2 << 0;
    QTest::newRow("empty line") << "" << 3 << 0;
}

void TstParameterFile::parseKeyValue()
{
    QFETCH(QString, line);
    QFETCH(int, keyLength);
    QFETCH(int, value);
    QCOMPARE(CParameterLine::ParseKeyValue(line, keyLength), value);
}

void TstParameterFile::bracketTexts()
{
    QCOMPARE(CParameterLine::BracketText(QStringLiteral("Address\t\t\t\t[05]\r\n")),
             QStringLiteral("05"));
    QCOMPARE(CParameterLine::BracketText(QStringLiteral("QEL Thermocouple:\t[xw1]")),
             QStringLiteral("xw1"));
    QCOMPARE(CParameterLine::BracketText(QStringLiteral("no brackets")), QString());
    QCOMPARE(CParameterLine::BracketText(QStringLiteral("] reversed [")), QString());
    QCOMPARE(CParameterLine::TextAfterKey(QStringLiteral("Axis name:\t\t\t[pnHub]achse]"),
                                          QStringLiteral("[pn")),
             QStringLiteral("Hub"));
    QCOMPARE(CParameterLine::TextAfterKey(QStringLiteral("Axis name:\t[pn"), QStringLiteral("[pn")),
             QString());
    QCOMPARE(CParameterLine::TextAfterKey(QStringLiteral("x [s5]"), QStringLiteral("[pn")),
             QString());
}

QTEST_MAIN(TstParameterFile)
#include "tst_parameterfile.moc"
