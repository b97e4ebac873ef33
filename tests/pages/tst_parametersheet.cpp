// The printed parameter sheet: its blocks for every device type in both languages, its
// layout on a page, and a page printed from a parameter page over the simulated bus to PDF,
// in the print preview and onto a recording device, with the stage's answers in it.
#include "pagerig.h"
#include "pages/cparametersheet.h"
#include "res/cstringtable.h"
#include "tests/support/paintrecorder.h"
#include "tests/support/pdfpages.h"

#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QRegularExpression>

namespace {

// A4 at about 600 dots per inch: layout units of 24 pixels down and 23 across.
const QSize kPage(4680, 6840);
constexpr int kV = 24;
constexpr int kH = 23;

CParameterSheet::Data SampleData(DeviceType type, bool online, bool module)
{
    CParameterSheet::Data data;
    data.deviceType = type;
    data.online = online;
    data.address = QStringLiteral("05");
    data.typeName = QString::fromLatin1(SimName(type));
    data.versionReply = QStringLiteral("bX V2.10");
    data.name = QStringLiteral("Tisch");
    data.currents = {QStringLiteral("1.0 A"), QStringLiteral("2.0 A"), QStringLiteral("2.5 A")};
    data.delay = QStringLiteral("40 ms");
    data.step = QStringLiteral("ST");
    data.direction = QStringLiteral("DR");
    data.inputFunction = QStringLiteral("IF");
    data.inputLogic = QStringLiteral("IL");
    data.activation = QStringLiteral("AK");
    data.outputFunction = QStringLiteral("OF");
    data.operationMode = QStringLiteral("BM");
    data.logicLevels = {0, 1, 0, 1, -1, 1};
    data.display1 = 2;
    data.display2 = 4;
    data.moduleTicked = module;
    data.moduleVersionReply = QStringLiteral("xbQEL 1.05");
    data.qelSettings = {"xw1", "xx100", "xy150", "xz200", "xf2", "xt10"};
    return data;
}

// Rows name the language as 0 German, 1 English.
UiLanguage Language(int row)
{
    return row == 0 ? UiLanguage::German : UiLanguage::English;
}

CParameterSheet::TextLookup Texts(UiLanguage language)
{
    return [language](unsigned id) { return CStringTable::Lookup(id, language); };
}

// The sheet of `view` painted onto a recording page, with the page's own printing hooks.
QStringList RecordedSheet(CTarnlinkView* view, PaintRecorder& recorder)
{
    CPrintInfo info;
    info.m_rectDraw = QRect(QPoint(0, 0), kPage);
    QPainter painter(&recorder);
    view->OnBeginPrinting(painter, info);
    const bool printing = view->IsPrinting();
    view->OnPrint(painter, info);
    view->OnEndPrinting(painter, info);
    return printing && !view->IsPrinting() ? recorder.TextLines()
                                           : QStringList{QStringLiteral("printing flag wrong")};
}

// Where the values of each block stand on the paper of the PDF at `path`: every line of
// `blocks` with a label and a value is found among the PDF's lines by its label's words.
// Returns what is wrong, or nothing when each block's values start at one x, right of every
// label of the block.
QString RaggedValues(const QString& path, const QStringList& blocks)
{
    const QList<PdfWord> words = PdfWords(path);
    if (words.isEmpty())
        return QStringLiteral("no words read back from the PDF");
    // The PDF's lines: the words that share a baseline, left to right.
    QMap<int, QList<PdfWord>> lines;
    for (const PdfWord& word : words)
        lines[qRound(word.box.bottom() * 4)].append(word);
    for (QList<PdfWord>& line : lines) {
        std::sort(line.begin(), line.end(),
                  [](const PdfWord& a, const PdfWord& b) { return a.box.left() < b.box.left(); });
    }
    static const QRegularExpression lineBreak(QStringLiteral("\r\n|\n|\r"));
    QString wrong;
    for (const QString& block : blocks) {
        QMap<QString, qreal> starts; // by label
        qreal labelsEnd = 0;
        for (const QString& text : block.split(lineBreak)) {
            const qsizetype tab = text.indexOf(QLatin1Char('\t'));
            const QStringList label = text.left(tab).split(QLatin1Char(' '), Qt::SkipEmptyParts);
            const QStringList value =
                text.mid(tab).remove(QLatin1Char('\t')).split(QLatin1Char(' '), Qt::SkipEmptyParts);
            if (tab < 0 || label.isEmpty() || value.isEmpty())
                continue;
            const auto found = std::find_if(lines.cbegin(), lines.cend(), [&](const auto& line) {
                if (line.size() <= label.size() || line[label.size()].text != value[0])
                    return false;
                for (qsizetype i = 0; i < label.size(); ++i) {
                    if (line[i].text != label[i])
                        return false;
                }
                return true;
            });
            if (found == lines.cend())
                return label.join(QLatin1Char(' ')) + QStringLiteral(" not on the paper");
            starts.insert(label.join(QLatin1Char(' ')), (*found)[label.size()].box.left());
            labelsEnd = std::max(labelsEnd, (*found)[label.size() - 1].box.right());
        }
        if (starts.isEmpty())
            continue;
        const auto [least, most] = std::minmax_element(starts.cbegin(), starts.cend());
        if (*most - *least > 0.05 || *least <= labelsEnd) {
            for (auto it = starts.cbegin(); it != starts.cend(); ++it)
                wrong += QStringLiteral("%1 at %2\n").arg(it.key()).arg(it.value());
            wrong += QStringLiteral("labels end at %1\n").arg(labelsEnd);
        }
    }
    return wrong;
}

} // namespace

class TstParameterSheet : public QObject {
    Q_OBJECT
private slots:
    void parameterBlock_data();
    void parameterBlock();
    void stageCurrentAndModuleBlocks_data();
    void stageCurrentAndModuleBlocks();
    void valuesOutOfReach();
    void pageLayout_data();
    void pageLayout();
    void valuesInOneColumnOnPaper_data();
    void valuesInOneColumnOnPaper();
    void pagePrintsItsSheet_data();
    void pagePrintsItsSheet();
    void printPreviewShowsOnePage();
    void moduleQueriesStopAtFirstFailure();
    void printerThatCannotStartIsReported();
};

void TstParameterSheet::parameterBlock_data()
{
    QTest::addColumn<DeviceType>("type");
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("block");
    const QString de = QStringLiteral("Weitere Endstufenparameter:\r\n\nSchrittauflösung:\t\t\tST\r\n"
                                      "Vorzugsdrehrichtung:\t\t\tDR\r\n");
    const QString en = QStringLiteral("More power stage parameters:\r\n\nStep resolution:\t\t\t\tST\r\n"
                                      "Pref. motor direction:\t\t\tDR\r\n");
    QTest::newRow("KEV German")
        << kKev << 0
        << de + "Eingangslogikpegel:\t\t\tIL\r\nEingangsfunktion:\t\t\tIF\r\n"
                "Aktivierung:\t\t\t\tAK\r\nAusgangsfunktion:\t\t\tOF\r\nBetriebsart:\t\t\t\tBM";
    QTest::newRow("LQN German: four levels")
        << kLqn << 0
        << de + "Logikpegel Takt:\t\t\tHigh aktiv\r\nLogikpegel Drehrichtung:\t\tLow aktiv\r\n"
                "Logikpegel Boost:\t\t\tHigh aktiv\r\nLogikpegel Aktivierung:\t\t\tLow aktiv\r\n"
                "Current Shape:\t\t\t\tIF\r\nAktivierung:\t\t\t\tAK\r\n"
                "Chopperfrequenz:\t\t\tOF\r\nBetriebsart:\t\t\t\tBM";
    const QString sixLevels =
        "Logiclevel Takt:\t\t\tHigh aktive\r\nLogiclevel pref. Direction:\t\tLow aktive\r\n"
        "Logiclevel Boost:\t\t\tHigh aktive\r\nLogiclevel Activation:\t\t\tLow aktive\r\n"
        "Logiclevel Reset:\t\t\t\r\nLogiclevel Deselet:\t\t\tLow aktive\r\n"
        "Display 1:\t\t\t\tI+T\r\nDisplay 2:\t\t\t\tNone\r\nActivation:\t\t\t\tAK\r\n";
    QTest::newRow("HWK English: six levels, two displays")
        << kHwk << 1 << en + sixLevels + "Overdrive:\t\t\t\tOF\r\nOperation mode:\t\t\tBM";
    QTest::newRow("HVR English: no output row")
        << kHvr << 1 << en + sixLevels + "Operation mode:\t\t\tBM";
    QTest::newRow("UQT German: output without label")
        << kUqt << 0
        << de + "Eingangslogikpegel:\t\t\tIL\r\nAktivierung:\t\t\t\tAK\r\nOF\r\n"
                "Betriebsart:\t\t\t\tBM";
}

void TstParameterSheet::parameterBlock()
{
    QFETCH(DeviceType, type);
    QFETCH(int, language);
    QFETCH(QString, block);
    const CParameterSheet sheet(SampleData(type, true, true), Texts(Language(language)));
    const QStringList blocks = sheet.Blocks();
    // Only a KEV has a module block.
    QCOMPARE(blocks.size(), type == kKev ? 4 : 3);
    QCOMPARE(blocks[2], block);
}

void TstParameterSheet::stageCurrentAndModuleBlocks_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<bool>("online");
    QTest::addColumn<QStringList>("blocks");
    QTest::newRow("German online")
        << 0 << true
        << QStringList{
               "Endstufenabhängige Daten:\r\n\nEndstufenadresse:\t\t\t[05]\r\n"
               "Endstufentyp:\t\t\t\tKEV\r\nSoftwareversion:\t\t\tV2.10\r\n"
               "Achsenname:\t\t\t\tTisch",
               "Stromeinstellung:\r\n\nStopstrom:\t\t\t\t1.0 A\r\nLaufstrom:\t\t\t\t2.0 A\r\n"
               "Booststrom:\t\t\t\t2.5 A\r\nStromüberhöhungszeit:\t\t\t40 ms",
               "Temperaturmodul QEL:\r\n\nQEL Softwareversion:\t\t\tQEL 1.05\r\n"
               "QEL Thermoelement:\t\t\tK-Element\r\nQEL Temperaturlimit 1:\t\t\t100 °C\r\n"
               "QEL Temperaturlimit 2:\t\t\t150 °C\r\nQEL Temperaturlimit 3:\t\t\t200 °C\r\n"
               "QEL Temperaturlimit an LED:\t\tLimit 2\r\nQEL Ausheizdauer in min:\t\t10 min\r\n"};
    QTest::newRow("English offline")
        << 1 << false
        << QStringList{
               "Power stage dependent data:\r\n\nPowerstage address:\t\t\t[05]\r\n"
               "Power stage type:\t\t\tKEV\r\nSoftwareversion:\t\t\tN/A\r\n"
               "Axisname:\t\t\t\tTisch",
               "Current settings:\r\n\nStop current:\t\t\t\t1.0 A\r\nRun current:\t\t\t\t2.0 A\r\n"
               "Boost current:\t\t\t\t2.5 A\r\nCurrent delay time:\t\t\t40 ms",
               "Temperaturemodul QEL:\r\n\nQEL Softwareversion:\t\t\tN/A\r\n"
               "QEL Thermocouple:\t\t\tK-Element\r\nQEL Temperaturelimit 1:\t\t100 °C\r\n"
               "QEL Temperaturelimit 2:\t\t150 °C\r\nQEL Temperaturelimit 3:\t\t200 °C\r\n"
               "QEL Temperaturelimit to LED:\t\tLimit 2\r\nQEL Heat duratation in min:\t\t10 min\r\n"};
}

void TstParameterSheet::stageCurrentAndModuleBlocks()
{
    QFETCH(int, language);
    QFETCH(bool, online);
    QFETCH(QStringList, blocks);
    const QStringList built =
        CParameterSheet(SampleData(kKev, online, true), Texts(Language(language))).Blocks();
    QCOMPARE(built.size(), 4);
    QCOMPARE(built[0], blocks[0]);
    QCOMPARE(built[1], blocks[1]);
    QCOMPARE(built[3], blocks[2]);
    // Without the module ticked the sheet has three blocks.
    QCOMPARE(CParameterSheet(SampleData(kKev, online, false), Texts(Language(language)))
                 .Blocks()
                 .size(),
             3);
}

void TstParameterSheet::valuesOutOfReach()
{
    // Display entries from a file that the menu does not have print as numbers; an unknown
    // one prints nothing.
    CParameterSheet::Data data = SampleData(kHwk, false, false);
    data.display1 = 7;
    data.display2 = -1;
    QString block = CParameterSheet(data, Texts(UiLanguage::English)).Blocks()[2];
    QVERIFY(block.contains(QStringLiteral("Display 1:\t\t\t\t7\r\n")));
    QVERIFY(block.contains(QStringLiteral("Display 2:\t\t\t\t\r\n")));
    QCOMPARE(CParameterSheet::DisplayName(-2), QStringLiteral("-2"));

    // Short and empty answers of the stage and its module are cut safely.
    data = SampleData(kKev, true, true);
    data.versionReply.clear();
    data.moduleVersionReply = QStringLiteral("x");
    data.qelSettings = {"", "x", "xy", "", "", "x"};
    const QStringList blocks = CParameterSheet(data, Texts(UiLanguage::English)).Blocks();
    QVERIFY(blocks[0].contains(QStringLiteral("Softwareversion:\t\t\t\r\n")));
    QCOMPARE(blocks[3], QStringLiteral(
                            "Temperaturemodul QEL:\r\n\nQEL Softwareversion:\t\t\t\r\n"
                            "QEL Thermocouple:\t\t\tPT100\r\nQEL Temperaturelimit 1:\t\t °C\r\n"
                            "QEL Temperaturelimit 2:\t\t °C\r\nQEL Temperaturelimit 3:\t\t °C\r\n"
                            "QEL Temperaturelimit to LED:\t\tLimit \r\n"
                            "QEL Heat duratation in min:\t\t min\r\n"));
}

void TstParameterSheet::pageLayout_data()
{
    QTest::addColumn<DeviceType>("type");
    QTest::addColumn<QList<int>>("separators"); // in layout units below the margin
    QTest::newRow("KEV with module") << kKev << QList<int>{36, 65, 106, 147};
    QTest::newRow("LQN") << kLqn << QList<int>{36, 65, 119};
    QTest::newRow("HWK") << kHwk << QList<int>{36, 65, 130};
    QTest::newRow("UQT") << kUqt << QList<int>{36, 65, 106};
}

void TstParameterSheet::pageLayout()
{
    QFETCH(DeviceType, type);
    QFETCH(QList<int>, separators);
    PaintRecorder recorder(kPage);
    {
        QPainter painter(&recorder);
        CParameterSheet(SampleData(type, true, true), Texts(UiLanguage::German))
            .Paint(painter, kPage, QStringLiteral("Tarnlink - [05] Tisch"), QDate(2026, 3, 7));
    }
    // The frame, 5 pixels wide, 50 pixels inside the page.
    QCOMPARE(recorder.rects.size(), 1);
    QCOMPARE(recorder.rects[0].rect, QRectF(QPointF(50, 50), QPointF(4630, 6790)));
    QCOMPARE(recorder.rects[0].width, 5.0);
    // Two header lines, then one separator under each block, all across the frame.
    QList<int> ys;
    for (const PaintRecorder::Line& line : std::as_const(recorder.lines)) {
        QCOMPARE(line.line.x1(), 50.0);
        QCOMPARE(line.line.x2(), 4630.0);
        QCOMPARE(line.line.y1(), line.line.y2());
        ys.append(int(line.line.y1()));
    }
    QList<int> expected = {50 + 7 * kV, 50 + 7 * kV + kV / 2};
    for (int units : separators)
        expected.append(50 + units * kV);
    QCOMPARE(ys, expected);

    // Title and date on the first line, the date at its column; the blocks below the header
    // and inside the frame.
    const QStringList lines = recorder.TextLines();
    QCOMPARE(lines.value(0), QStringLiteral("Tarnlink - [05] Tisch 07.03.2026"));
    for (const PaintRecorder::Text& run : std::as_const(recorder.texts)) {
        if (run.text == QStringLiteral("07.03.2026"))
            QCOMPARE(run.baseline.x(), 50.0 + 177 * kH);
        else if (run.text.startsWith(QStringLiteral("Tarnlink")))
            QCOMPARE(run.baseline.x(), 50.0 + 2 * kH);
        else if (!run.text.trimmed().isEmpty())
            QVERIFY(run.baseline.y() > 50 + 10 * kV && run.baseline.y() < 6790);
        // The font's cell is four units high, and no line of text runs across a separator.
        const QFontMetrics metrics(run.font, &recorder);
        QVERIFY(qAbs(metrics.height() - 4 * kV) <= 2);
        for (int y : std::as_const(ys)) {
            QVERIFY2(y <= run.baseline.y() - metrics.ascent() ||
                         y >= run.baseline.y() + metrics.descent(),
                     qPrintable(run.text));
        }
        QCOMPARE(run.font.bold(), run.text.startsWith(QStringLiteral("Tarnlink")) ||
                                      run.text == QStringLiteral("07.03.2026"));
    }
    QVERIFY(lines.contains(QStringLiteral("Endstufentyp: ") + QString::fromLatin1(SimName(type))));
    QVERIFY(lines.contains(QStringLiteral("Betriebsart: BM")));
}

void TstParameterSheet::valuesInOneColumnOnPaper_data()
{
    QTest::addColumn<DeviceType>("type");
    QTest::addColumn<int>("language");
    for (const CDeviceTypeInfo& info : CDeviceType::All()) {
        for (int language : {0, 1})
            QTest::addRow("%s %s", SimName(info.type).constData(),
                          language == 0 ? "German" : "English")
                << info.type << language;
    }
}

void TstParameterSheet::valuesInOneColumnOnPaper()
{
    QFETCH(DeviceType, type);
    QFETCH(int, language);
    const CParameterSheet sheet(SampleData(type, true, true), Texts(Language(language)));
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("blatt.pdf"));
    {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        printer.setPageSize(QPageSize(QPageSize::A4));
        QPainter painter(&printer);
        sheet.Paint(painter, printer.pageRect(QPrinter::DevicePixel).size().toSize(),
                    QStringLiteral("Tarnlink"), QDate(2026, 3, 7));
    }
    const QString wrong = RaggedValues(pdf, sheet.Blocks());
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong));
}

void TstParameterSheet::pagePrintsItsSheet_data()
{
    QTest::addColumn<DeviceType>("type");
    QTest::addColumn<bool>("online");
    QTest::addColumn<int>("language");
    QTest::addColumn<QStringList>("asked");
    QTest::addColumn<QStringList>("printed");
    const QStringList kevModule = {"B", "XW", "XX", "XY", "XZ", "XF", "XT", "XB"};
    QTest::newRow("KEV with module, German")
        << kKev << true << 0 << kevModule
        << QStringList{"Endstufenadresse: [3]", "Endstufentyp: KEV",
                       "Softwareversion: V 2.35", "Achsenname: Axis", "Stopstrom: 1.0 A",
                       "QEL Softwareversion: QEL 1.05", "QEL Thermoelement: K-Element",
                       "QEL Temperaturlimit 1: 120 °C", "QEL Temperaturlimit an LED: Limit 1",
                       "QEL Ausheizdauer in min: 10 min"};
    QTest::newRow("KEV with module, English")
        << kKev << true << 1 << kevModule
        << QStringList{"Powerstage address: [3]", "Power stage type: KEV",
                       "Softwareversion: V 2.35", "Axisname: Axis", "Stop current: 1.0 A",
                       "QEL Softwareversion: QEL 1.05", "QEL Thermocouple: K-Element",
                       "QEL Temperaturelimit 1: 120 °C", "QEL Temperaturelimit to LED: Limit 1",
                       "QEL Heat duratation in min: 10 min"};
    QTest::newRow("HWK, German")
        << kHwk << true << 0 << QStringList{"B"}
        << QStringList{"Endstufentyp: HWK", "Logikpegel Takt: High aktiv",
                       "Logikpegel Deselet: Low aktiv", "Display 1: I+U", "Display 2: I+M"};
    QTest::newRow("HWK, English")
        << kHwk << true << 1 << QStringList{"B"}
        << QStringList{"Power stage type: HWK", "Logiclevel Takt: High aktive",
                       "Logiclevel Deselet: Low aktive", "Display 1: I+U", "Display 2: I+M"};
    QTest::newRow("new KEV offline with module, German")
        << kKev << false << 0 << QStringList{}
        << QStringList{"Endstufenadresse: [1A]", "Softwareversion: N/A",
                       "QEL Softwareversion: N/A", "QEL Thermoelement: PT100"};
}

void TstParameterSheet::pagePrintsItsSheet()
{
    QFETCH(DeviceType, type);
    QFETCH(bool, online);
    QFETCH(int, language);
    QFETCH(QStringList, asked);
    QFETCH(QStringList, printed);
    Rig rig;
    rig.app().SetUiLanguage(Language(language));
    QPointer<CTarnlinkView> view;
    if (!online) {
        view = rig.OpenNew(type, QStringLiteral("1A"));
    } else if (type == kKev) {
        rig.SetOn(3, {{"XW", 1}, {"XX", 120}, {"XF", 1}});
        view = rig.OpenOnline();
    } else {
        view = rig.OpenOnlineAxis(5, type, SimName(type), QStringLiteral("[05] Axis"),
                                  {{"LT", 0}, {"LX", 1}, {"PL", 0}, {"PM", 1}});
    }
    QVERIFY(view);
    view->StatusTimer().stop();
    Control<QAbstractButton>(view, Ids::kQelSwitch)->setChecked(type == kKev);
    rig.bus.ClearLog();

    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("blatt.pdf"));
    rig.t.AnswerPrintDialog(pdf);
    view->OnFilePrint();
    QCOMPARE(PdfPageCount(pdf), 1);
    // What reached the paper: each label with its value, read back out of the PDF.
    const QString paper = PdfText(pdf).simplified();
    for (const QString& line : std::as_const(printed))
        QVERIFY2(paper.contains(line), qPrintable(line + " not in\n" + paper));
    QCOMPARE(rig.Commands(), asked);
    QVERIFY(rig.t.messages.isEmpty());
    QVERIFY(!view->IsPrinting());
    // Each block's values in one column, as the printer's page put them.
    const QStringList blocks = CParameterSheet(view->SheetData(), [&view](unsigned id) {
                                   return view->LoadResString(id);
                               }).Blocks();
    const QString wrong = RaggedValues(pdf, blocks);
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong));

    PaintRecorder recorder(kPage);
    const QStringList lines = RecordedSheet(view, recorder);
    for (const QString& line : std::as_const(printed))
        QVERIFY2(lines.contains(line), qPrintable(line + " not in\n" + lines.join('\n')));
    // The title is the main window's, which names the page.
    QCOMPARE(lines.value(0).section(QLatin1Char(' '), 0, -2), rig.frame->windowTitle());
}

void TstParameterSheet::printPreviewShowsOnePage()
{
    Rig rig;
    QPointer<CTarnlinkView> view = rig.OpenOnline();
    QVERIFY(view);
    view->StatusTimer().stop();
    rig.bus.ClearLog();
    int pages = -1;
    rig.app().ModalRunner().SetScript([&pages](QDialog& dialog) {
        auto* preview = dialog.findChild<QPrintPreviewWidget*>();
        if (!qobject_cast<QPrintPreviewDialog*>(&dialog) || !preview)
            return int(QDialog::Rejected);
        preview->updatePreview();
        pages = preview->pageCount();
        return int(QDialog::Rejected);
    });
    view->OnFilePrintPreview();
    QCOMPARE(pages, 1);
    QVERIFY(rig.Commands().contains(QStringLiteral("B")));
}

void TstParameterSheet::moduleQueriesStopAtFirstFailure()
{
    Rig rig;
    rig.SetOn(3, {{"XW", 1}, {"XX", 90}});
    QPointer<CTarnlinkView> view = rig.OpenOnline();
    QVERIFY(view);
    view->StatusTimer().stop();
    Control<QAbstractButton>(view, Ids::kQelSwitch)->setChecked(true);
    view->m_qelSettings = {"xw0", "xx100", "xy150", "xz200", "xf1", "xt10"};
    // The stage does not answer the third setting.
    rig.bus.WithAxis(3, [](SimAxis& axis) { axis.params.remove("XY"); });
    rig.bus.ClearLog();
    PaintRecorder recorder(kPage);
    const QStringList lines = RecordedSheet(view, recorder);
    QCOMPARE(rig.Commands(), (QStringList{"B", "XW", "XX", "XY"}));
    QCOMPARE(rig.t.messages, QStringList{QStringLiteral("Schnittstelle TIMEOUT!")});
    // What was read replaces the page's settings; the rest stays, and all of it prints.
    QCOMPARE(view->m_qelSettings,
             (std::array<QString, 6>{"xw1", "xx90", "xy150", "xz200", "xf1", "xt10"}));
    QVERIFY(lines.contains(QStringLiteral("QEL Thermoelement: K-Element")));
    QVERIFY(lines.contains(QStringLiteral("QEL Temperaturlimit 1: 90 °C")));
    QVERIFY(lines.contains(QStringLiteral("QEL Temperaturlimit 2: 150 °C")));
}

void TstParameterSheet::printerThatCannotStartIsReported()
{
    Rig rig;
    QPointer<CTarnlinkView> view = rig.OpenNew(kHwk, QStringLiteral("05"));
    QVERIFY(view);
    rig.t.AnswerPrintDialog(QStringLiteral("/nonexistent-folder/blatt.pdf"));
    view->OnFilePrint();
    QCOMPARE(rig.t.messages,
             QStringList{QStringLiteral("Der Druckauftrag konnte nicht gestartet werden.")});
    QVERIFY(!view->IsPrinting());
}

QTEST_MAIN(TstParameterSheet)
#include "tst_parametersheet.moc"
