// The parameter file: the text built from a page's values, compared byte for byte with
// files written by hand, and the reading of files and single value lines.
#include "pages/cparameterfile.h"
#include "pages/cparameterfilereader.h"
#include "pages/cparameterline.h"
#include "platform/csmallfilereader.h"
#include "res/cstringtable.h"
#include "tests/support/namedpipe.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <optional>

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
    c.deviceType = DeviceType::Kev;
    return c;
}

// What a reading says, one line per file line that sets anything: "key=value ...", and
// "end" where the reading stops.
QString Render(const CParameterFileReader::Result& result)
{
    using Key = CParameterFileReader::Key;
    static const QStringList names = {
        "pn", "s", "r", "a", "m", "g", "h", "l", "lt", "ld", "lb", "la", "lr",
        "lx", "t", "u", "o", "px", "pc", "po", "pe", "pl", "pm", "pb", "xp", "x"};
    QStringList out;
    for (const CParameterFileReader::Axis& axis : result.axes)
        out.append(QStringLiteral("axis %1 type %2 version %3 name %4")
                       .arg(axis.address)
                       .arg(axis.type ? CDeviceType::ToInt(*axis.type) : -1)
                       .arg(axis.versionText, axis.name));
    for (const CParameterFileReader::Line& line : result.lines) {
        QStringList values;
        for (const CParameterFileReader::Value& v : line.values) {
            const QString name = names[static_cast<int>(v.key)];
            values.append(v.key == Key::Name            ? name + '=' + v.text
                          : v.key == Key::ModuleSetting ? name + QString::number(v.index) + '=' +
                                                              v.text
                                                        : name + '=' + QString::number(v.number));
        }
        if (line.endsReading)
            values.append(QStringLiteral("end"));
        if (!values.isEmpty())
            out.append(values.join(' '));
    }
    return out.join('\n');
}

} // namespace

Q_DECLARE_METATYPE(CParameterFile::Content)
Q_DECLARE_METATYPE(CParameterFileReader::Refusal)

class TstParameterFile : public QObject {
    Q_OBJECT
private slots:
    void build_data();
    void build();
    void typeLines();
    void parseKeyValue_data();
    void parseKeyValue();
    void bracketTexts();
    void readGolden_data();
    void readGolden();
    void readRefusals_data();
    void readRefusals();
    void readQuirks();
    void splitLines();
    void fileSizeLimit_data();
    void fileSizeLimit();
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
        Set(c, Source::LogicCombo, 1);
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
        c.deviceType = DeviceType::Hwk;
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
        c.deviceType = DeviceType::Drq2Plus;
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
    const auto keys = [](int number) {
        QStringList out;
        const std::optional<DeviceType> type = CDeviceType::FromInt(number);
        if (!type)
            return out;
        for (const CParameterFile::TypeLine& line : CParameterFile::TypeLines(*type))
            out.append(QString::fromLatin1(line.key));
        return out;
    };
    // KEV and UQT keep every list their stage reads and takes back.
    QCOMPARE(keys(0), (QStringList{"h", "o", "pb", "l"}));
    QCOMPARE(keys(1), (QStringList{"pc", "pe", "lt", "ld", "lb", "la", "px"}));
    QCOMPARE(keys(2), (QStringList{"pc", "po", "l", "px"}));
    QCOMPARE(keys(4), (QStringList{"pl", "pm", "lt", "ld", "lb", "la", "lr", "lx", "px"}));
    QCOMPARE(keys(5), (QStringList{"pc", "po", "l", "px"}));
    QCOMPARE(keys(6), (QStringList{"po", "pe", "l", "px"}));
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

void TstParameterFile::readGolden_data()
{
    QTest::addColumn<QString>("golden");
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("expected");

    QTest::newRow("KEV without module, the reading ends at the switch")
        << "kev_offline_de.sdf" << int(UiLanguage::German)
        << "axis 05 type 0 version bKEV name Hubachse\n"
           "pn=Hubachse\ns=1\nr=20\na=25\nm=3\ng=1\nt=40\nu=0\nh=1\no=2\npb=0\nl=1\nend";
    QTest::newRow("KEV with module settings")
        << "kev_offline_module_en.sdf" << int(UiLanguage::English)
        << "axis 1F type 0 version bKEV 1.62 name F\u00fchrung\n"
           "pn=F\u00fchrung\ns=0\nr=63\na=63\nm=-1\ng=0\nt=200\nu=1\nh=0\no=0\npb=1\nl=0\n"
           "xp=1\nx0=xw0\nx1=xx100\nx2=xy150\nx3=xz200\nx4=xf1\nx5=xt10";
    QTest::newRow("HWK: a logic-level line also sets the input logic")
        << "hwk_de.sdf" << int(UiLanguage::German)
        << "axis 0A type 3 version bHWK name \n"
           "s=5\nr=17\na=30\nm=8\ng=1\nt=1000\nu=0\npl=2\npm=3\npo=1\n"
           "l=0 lt=0\nl=0 ld=1\nl=0 lb=0\nl=0 la=1\nl=0 lr=0\nl=0 lx=1\npx=-1";
}

void TstParameterFile::readGolden()
{
    QFETCH(QString, golden);
    QFETCH(int, language);
    QFETCH(QString, expected);

    const QByteArray bytes = Golden(golden);
    QVERIFY(!bytes.isEmpty());
    const CParameterFileReader::Result result = CParameterFileReader::Read(
        CParameterFileReader::SplitLines(bytes), CStringTable::Lookup(10101, UiLanguage(language)));
    QVERIFY(result.Usable());
    QCOMPARE(Render(result), expected);
}

void TstParameterFile::readRefusals_data()
{
    using Refusal = CParameterFileReader::Refusal;
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<Refusal>("refusal");

    const QString type = QStringLiteral("Type:\t[bKEV 1.62]");
    const QString name = QStringLiteral("Axis name:\t[pnX]");
    QTest::newRow("empty file") << QStringList() << Refusal::NoAddressLine;
    QTest::newRow("no address line") << QStringList{type, name} << Refusal::NoAddressLine;
    QTest::newRow("address 31") << QStringList{"Address\t[1F]", type, name} << Refusal::None;
    QTest::newRow("one digit") << QStringList{"Address\t[7]", type, name} << Refusal::None;
    QTest::newRow("address 32") << QStringList{"Address\t[20]", type, name}
                                << Refusal::BadAddress;
    QTest::newRow("three digits") << QStringList{"Address\t[005]", type, name}
                                  << Refusal::BadAddress;
    QTest::newRow("sign") << QStringList{"Address\t[-1]", type, name} << Refusal::BadAddress;
    QTest::newRow("empty address") << QStringList{"Address\t[]", type, name}
                                   << Refusal::BadAddress;
    QTest::newRow("no bracket") << QStringList{"Address 05", type, name} << Refusal::BadAddress;
    QTest::newRow("name line missing") << QStringList{"Address\t[05]", type}
                                       << Refusal::MissingLines;
    QTest::newRow("unknown type") << QStringList{"Address\t[05]", "Type:\t[bXYZ]", name}
                                  << Refusal::UnknownType;
    QTest::newRow("second address line bad")
        << QStringList{"Address\t[05]", type, name, "Address\t[GG]", type, name}
        << Refusal::BadAddress;
}

void TstParameterFile::readRefusals()
{
    QFETCH(QStringList, lines);
    QFETCH(CParameterFileReader::Refusal, refusal);
    const CParameterFileReader::Result result =
        CParameterFileReader::Read(lines, QStringLiteral("Address"));
    QCOMPARE(result.refusal, refusal);
    // A refused file says nothing more.
    if (refusal != CParameterFileReader::Refusal::None)
        QVERIFY(result.axes.isEmpty() && result.lines.isEmpty());
}

void TstParameterFile::readQuirks()
{
    // Keys are substrings applied in a fixed order, whatever order the line has them in,
    // and every value is the number behind the line's first bracket; the module switched
    // off ends the reading after what its line set before it.
    const QStringList lines = {
        "Address\t[3]", "Type:\t[bLQN+ 1.0]", "Name:\t[pn]", "Both:\t[t20][s7]",
        "Off here:\t[xp0][pb1]", "Never read:\t[r9]"};
    const CParameterFileReader::Result result =
        CParameterFileReader::Read(lines, QStringLiteral("Address"));
    QVERIFY(result.Usable());
    QCOMPARE(Render(result), QStringLiteral("axis 03 type 1 version bLQN+ 1.0 name \n"
                                            "s=20 t=20\n"
                                            "pb=0 end"));
}

void TstParameterFile::splitLines()
{
    // CR LF and LF alike, a last line without an end, Windows-1252 letters.
    const QStringList lines =
        CParameterFileReader::SplitLines(QByteArray("one\r\ntwo\nF\xfchrung\r\n\r\nlast"));
    QCOMPARE(lines, (QStringList{"one\r\n", "two\r\n", "F\u00fchrung\r\n", "\r\n",
                                 "last\r\n"}));
    QVERIFY(CParameterFileReader::SplitLines(QByteArray()).isEmpty());
}

void TstParameterFile::fileSizeLimit_data()
{
    using Status = CSmallFileReader::Status;
    // Of a file written for the row, read through `path` when that names a link to it; -1
    // for `path` as given, or a named pipe made there.
    QTest::addColumn<qint64>("size");
    QTest::addColumn<QString>("path");
    QTest::addColumn<Status>("status");
    QTest::newRow("empty") << qint64(0) << QString() << Status::Read;
    QTest::newRow("at the limit") << CSmallFileReader::kMaxBytes << QString() << Status::Read;
    QTest::newRow("one byte over")
        << CSmallFileReader::kMaxBytes + 1 << QString() << Status::TooLarge;
    QTest::newRow("link to a file") << qint64(3) << "link.sdf" << Status::Read;
    // Only a regular file is read: a device may never end, a named pipe may never open.
    QTest::newRow("device") << qint64(-1) << "/dev/zero" << Status::NotRegular;
    QTest::newRow("directory") << qint64(-1) << "/" << Status::NotRegular;
    QTest::newRow("named pipe") << qint64(-1) << "pipe.sdf" << Status::NotRegular;
}

void TstParameterFile::fileSizeLimit()
{
    QFETCH(qint64, size);
    QFETCH(QString, path);
    QFETCH(CSmallFileReader::Status, status);
    QTemporaryDir dir;
    std::optional<NamedPipe> pipe;
    if (size >= 0) {
        QFile file(dir.filePath(QStringLiteral("a.sdf")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write(QByteArray(size, '\n')), size);
        if (!path.isEmpty())
            QVERIFY(file.link(dir.filePath(path)));
        path = dir.filePath(path.isEmpty() ? QStringLiteral("a.sdf") : path);
    } else if (path == QStringLiteral("pipe.sdf")) {
        path = dir.filePath(path);
        QVERIFY(pipe.emplace(path).IsMade());
    } else if (!QFile::exists(path)) {
        QSKIP("no such device here");
    }
    const CSmallFileReader::Result result = CSmallFileReader::Read(path);
    QCOMPARE(result.status, status);
    QCOMPARE(result.bytes.size(), status == CSmallFileReader::Status::Read ? size : 0);
    QCOMPARE(result.error.isEmpty(), status != CSmallFileReader::Status::Unreadable);
    QCOMPARE(CSmallFileReader::Probe(path), status);
    QVERIFY(!pipe || !pipe->Waited());
}

QTEST_MAIN(TstParameterFile)
#include "tst_parameterfile.moc"
