// The macro file read as 16-bit little-endian text: its lines, the names and commands in
// them, and how a typed name finds its macro. The example file that goes with the program
// is read too.
#include "shell/cmacrofile.h"
#include "tests/support/utf16text.h"

#include <QTest>

namespace {

QByteArray Utf16Le(const QString& text)
{
    return Utf16Text::LittleEndian(text);
}

} // namespace

class TstMacroFile : public QObject {
    Q_OBJECT
private slots:
    void readLines_data();
    void readLines();
    void notSixteenBitText_data();
    void notSixteenBitText();
    void findMacro_data();
    void findMacro();
    void splitTyped_data();
    void splitTyped();
    void shippedFile();
};

void TstMacroFile::readLines_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("lines");
    const QStringList two = {QStringLiteral("A\t[1]"), QStringLiteral("B\t[2]")};
    QTest::addRow("CR LF") << Utf16Le("A\t[1]\r\nB\t[2]\r\n") << two;
    QTest::addRow("LF") << Utf16Le("A\t[1]\nB\t[2]\n") << two;
    QTest::addRow("lone CR keeps the next character") << Utf16Le("A\t[1]\rB\t[2]") << two;
    QTest::addRow("mixed ends") << Utf16Le("A\t[1]\r\rB\t[2]\n") << two;
    QTest::addRow("empty lines skipped") << Utf16Le("\r\n\r\nA\t[1]\r\n\nB\t[2]\r\n\r\n") << two;
    QTest::addRow("byte-order mark skipped") << Utf16Le(QStringLiteral("\uFEFFA\t[1]\r\nB\t[2]"))
                                             << two;
    QTest::addRow("no end at the end") << Utf16Le("A\t[1]\r\nB\t[2]") << two;
    QTest::addRow("umlauts and beyond Latin-1")
        << Utf16Le(QStringLiteral("Zurück\tWeg \u2192 [0R]"))
        << QStringList{QStringLiteral("Zurück\tWeg \u2192 [0R]")};
    QTest::addRow("odd last byte dropped") << Utf16Le("A\t[1]\r\nB\t[2]") + QByteArray("\n")
                                           << two;
    QTest::addRow("empty file") << QByteArray() << QStringList();
}

void TstMacroFile::readLines()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, lines);
    CMacroFile file;
    QVERIFY(file.Read(bytes));
    QCOMPARE(file.Lines(), lines);
}

void TstMacroFile::notSixteenBitText_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addRow("8-bit text") << QByteArray("REF\tReferenz [0R]\r\n");
    QTest::addRow("8-bit text of odd length") << QByteArray("REF\t[0R]\r\n1");
    QTest::addRow("big-endian text") << QByteArray("\xFE\xFF\0R\0E\0F\0\t\0[\0R\0]", 16);
}

void TstMacroFile::notSixteenBitText()
{
    QFETCH(QByteArray, bytes);
    CMacroFile file;
    QVERIFY(file.Read(Utf16Le("A\t[1]")));
    QVERIFY(!file.Read(bytes));
    QVERIFY(file.Lines().isEmpty());
}

void TstMacroFile::findMacro_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("found");
    QTest::addColumn<QString>("command");
    QTest::addRow("exact name") << "REF" << int(CMacroFile::Found::Command) << "0R";
    QTest::addRow("longer name not cut short") << "REF2" << int(CMacroFile::Found::Command)
                                               << "9R";
    QTest::addRow("part of a name is none") << "RE" << int(CMacroFile::Found::NoMacro) << "";
    QTest::addRow("later of two equal names") << "HOME" << int(CMacroFile::Found::Command)
                                              << "J2";
    QTest::addRow("empty name") << "" << int(CMacroFile::Found::NoMacro) << "";
    QTest::addRow("name in the text is no name") << "Referenz"
                                                 << int(CMacroFile::Found::NoMacro) << "";
    QTest::addRow("no bracket") << "NOBR" << int(CMacroFile::Found::NoCommand) << "";
    QTest::addRow("no closing bracket") << "OPEN" << int(CMacroFile::Found::NoCommand) << "";
    QTest::addRow("closing before opening") << "BACK" << int(CMacroFile::Found::Command)
                                            << "W";
    QTest::addRow("empty brackets") << "EMPTY" << int(CMacroFile::Found::Command) << "";
    QTest::addRow("case counts") << "ref" << int(CMacroFile::Found::NoMacro) << "";
}

void TstMacroFile::findMacro()
{
    QFETCH(QString, name);
    QFETCH(int, found);
    QFETCH(QString, command);
    CMacroFile file;
    QVERIFY(file.Read(Utf16Le(QStringLiteral("REF\tReferenz fahren [0R]\r\n"
                                             "REF2\tzweite Referenz [9R]\r\n"
                                             "HOME\tNullpunkt [J1]\r\n"
                                             "ohne Tab [X?]\r\n"
                                             "NOBR\tkein Befehl\r\n"
                                             "OPEN\tnur auf [S?\r\n"
                                             "BACK\tzu] dann [W] [E]\r\n"
                                             "EMPTY\t[]\r\n"
                                             "HOME\tNullpunkt neu [J2]\r\n"))));
    const CMacroFile::Lookup lookup = file.Find(name);
    QCOMPARE(int(lookup.found), found);
    QCOMPARE(lookup.command, command);
}

void TstMacroFile::splitTyped_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("parameter");
    QTest::addRow("name only") << "REF" << "REF" << "";
    QTest::addRow("chosen from the list") << "REF " << "REF" << "";
    QTest::addRow("with parameter") << "REF 5" << "REF" << "5";
    QTest::addRow("parameter trimmed") << "REF   5  " << "REF" << "5";
    QTest::addRow("parameter with blank") << "REF 5 6" << "REF" << "5 6";
    QTest::addRow("leading blank") << " REF" << "" << "REF";
}

void TstMacroFile::splitTyped()
{
    QFETCH(QString, typed);
    QFETCH(QString, name);
    QFETCH(QString, parameter);
    const CMacroFile::Typed split = CMacroFile::Split(typed);
    QCOMPARE(split.name, name);
    QCOMPARE(split.parameter, parameter);
}

void TstMacroFile::shippedFile()
{
    CMacroFile file;
    QVERIFY(file.Load(QStringLiteral(TARNLINK_SHIPPED_MACROS)));
    QVERIFY(file.Lines().size() >= 5);
    QStringList names;
    for (const QString& line : file.Lines()) {
        const QString name = CMacroFile::NameOf(line);
        // Every macro can be called by its name and sends a command.
        QVERIFY2(!name.isEmpty() && !name.contains(QLatin1Char(' ')), qPrintable(line));
        QVERIFY2(!names.contains(name), qPrintable(name));
        names.append(name);
        const CMacroFile::Lookup lookup = file.Find(name);
        QCOMPARE(int(lookup.found), int(CMacroFile::Found::Command));
        QVERIFY(!lookup.command.isEmpty());
    }
}

QTEST_MAIN(TstMacroFile)
#include "tst_macrofile.moc"
