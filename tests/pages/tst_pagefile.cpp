// The page and its parameter file: saved from the stage and from offline pages byte for
// byte, opened again into the same values, the tree item of a file, and the files and
// addresses that are refused.
#include "platform/ccommandactions.h"
#include "res/ccommandid.h"
#include "tests/pages/pagerig.h"
#include "tests/support/filesizelimit.h"

#include <QDir>
#include <QFileInfo>
#include <QPointer>
#include <QRegularExpression>

#include <cerrno>
#include <optional>

namespace {

QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray Golden(const QString& name)
{
    return ReadAll(QStringLiteral(TARNLINK_GOLDEN_DIR "/") + name);
}

// Everything after the dated first line, which differs by the time of the save.
QByteArray Body(const QByteArray& file)
{
    return file.mid(file.indexOf("\r\n") + 2);
}

void CheckDateLine(const QByteArray& file, UiLanguage language)
{
    const QString header = language == UiLanguage::German
                               ? QStringLiteral("Tarnlink parameter file of ")
                               : QStringLiteral("Tarnlink parameter file of");
    const QString first = QString::fromLatin1(file.left(file.indexOf("\r\n")));
    QVERIFY2(QRegularExpression(QStringLiteral("^") + QRegularExpression::escape(header) +
                                QStringLiteral("\\d\\d\\.\\d\\d\\.\\d\\d - \\d\\d:\\d\\d$"))
                 .match(first)
                 .hasMatch(),
             qPrintable(first));
}

QString WriteFile(const QTemporaryDir& dir, const QString& name, const QByteArray& content)
{
    const QString path = dir.filePath(name);
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(content);
    return path;
}

QByteArray FileWithAddress(const QByteArray& address, const QByteArray& type,
                           const QByteArray& more = {})
{
    return "Tarnlink parameter file of 16.08.18 - 14:05\r\n" + QByteArray(74, '-') +
           "\r\n\r\nAddress\t\t\t\t[" + address + "]\r\nController version and type:\t[" + type +
           "]\r\nAxis name:\t\t\t[pnAchse]\r\n\r\n" + more;
}

} // namespace

class TstPageFile : public QObject {
    Q_OBJECT
private slots:
    void savesOnlinePage();
    void reopensOfflineFile_data();
    void reopensOfflineFile();
    void lineQuirks();
    void savesFromItsOwnPage();
    void failedSaveKeepsOldFile();
    void saveFailureNamesFileAndReason_data();
    void saveFailureNamesFileAndReason();
    void secondFileOfSameAxis();
    void fileOfOnlineAxis();
    void refusedFiles_data();
    void refusedFiles();
    void typeFilesRoundTrip_data();
    void typeFilesRoundTrip();
    void uqtRoundTrip();
};

void TstPageFile::savesOnlinePage()
{
    Rig rig;
    rig.app().SetUiLanguage(UiLanguage::English);
    rig.bus.AddAxis(3, "KEV", "KEV 1.62");
    rig.Set("XP", 1);
    CTarnlinkView* view = rig.OpenOnline();
    QVERIFY(view);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("online.sdf"));
    rig.bus.ClearLog();
    QVERIFY(view->GetDocument()->DoSave(path));
    // A fresh "B" and the seven module values come from the stage.
    QCOMPARE(rig.Commands(), (QStringList{"B", "XB", "XW", "XX", "XY", "XZ", "XF", "XT"}));
    const QByteArray saved = ReadAll(path);
    CheckDateLine(saved, UiLanguage::English);
    QCOMPARE(Body(saved), Body(Golden(QStringLiteral("kev_online_module_en.sdf"))));
    // The window keeps the axis's title.
    QCOMPARE(view->GetDocument()->GetTitle(), QStringLiteral("[03] Axis"));
    QVERIFY(rig.t.messages.isEmpty());
}

void TstPageFile::reopensOfflineFile_data()
{
    QTest::addColumn<QString>("golden");
    QTest::addColumn<int>("language");
    QTest::addColumn<int>("address");
    QTest::addColumn<QString>("label");
    QTest::addColumn<bool>("module");
    QTest::newRow("German, no module")
        << "kev_offline_de.sdf" << int(UiLanguage::German) << 5 << "[05] Hubachse" << false;
    QTest::newRow("English, module settings")
        << "kev_offline_module_en.sdf" << int(UiLanguage::English) << 31 << "[31] Führung" << true;
}

void TstPageFile::reopensOfflineFile()
{
    QFETCH(QString, golden);
    QFETCH(int, language);
    QFETCH(int, address);
    QFETCH(QString, label);
    QFETCH(bool, module);
    Rig rig;
    rig.app().SetUiLanguage(UiLanguage(language));
    QTemporaryDir dir;
    const QString original = WriteFile(dir, QStringLiteral("in.sdf"), Golden(golden));
    QVERIFY(rig.app().OpenDocumentFile(original));
    CTarnlinkView* view = rig.ActiveView();
    QVERIFY(view);
    QVERIFY(rig.t.messages.isEmpty());
    // The tree holds the file's axis as an offline item under KEV.
    QTreeWidgetItem* item = rig.frame->AxisItem(address);
    QVERIFY(item);
    QCOMPARE(item->text(0), label);
    QCOMPARE(item->parent(), rig.frame->GroupItem(kKev));
    QCOMPARE(CMainFrame::ItemImage(item), int(CMainFrame::ImageGrey));
    QCOMPARE(Control<QAbstractButton>(view, Ids::kQelSwitch)->isChecked(), module);

    // Saved again, the file is the same but for the date; nothing went to the bus.
    rig.bus.ClearLog();
    const QString copy = dir.filePath(QStringLiteral("out.sdf"));
    QVERIFY(view->GetDocument()->DoSave(copy));
    const QByteArray saved = ReadAll(copy);
    CheckDateLine(saved, UiLanguage(language));
    QCOMPARE(Body(saved), Body(Golden(golden)));
    QCOMPARE(rig.Commands().filter(QRegularExpression(QStringLiteral("^[^X]"))), QStringList{});
}

void TstPageFile::lineQuirks()
{
    Rig rig;
    QTemporaryDir dir;
    const QString path = WriteFile(dir, QStringLiteral("quirks.sdf"),
                                   "Address\t\t\t\t[06]\r\nController version and type:\t[bKEV]\r\n"
                                   "Axis name:\t\t\t[pnHub]achse]\r\n"
                                   "Input logic level:\t\t[l1]\r\n"
                                   // "[lt1]" also holds "[l": the logic combo reads "t1" as 0.
                                   "Logic --> Takt\t\t\t[lt1]\r\n"
                                   "Stop current:\t\t\t[s7]\r\n"
                                   "\r\nTemperaturmodul:\t\t[xp0]\r\n"
                                   // Nothing after a switched-off module is read.
                                   "Run current:\t\t\t[r33]\r\n");
    QVERIFY(rig.app().OpenDocumentFile(path));
    CTarnlinkView* view = rig.ActiveView();
    QVERIFY(view);
    QCOMPARE(Control<QLineEdit>(view, Ids::kNameEdit)->text(), QStringLiteral("Hub"));
    QCOMPARE(Control<QComboBox>(view, Ids::kInputLogicCombo)->currentIndex(), 0);
    QCOMPARE(int(view->m_logicLevels[0]), 1);
    QCOMPARE(Control<QSlider>(view, Ids::kSliders[0])->value(), 7);
    QVERIFY(Control<QSlider>(view, Ids::kSliders[1])->value() != 33);
    // A file without module lines keeps the module's default settings.
    QCOMPARE(view->m_qelSettings[0], QStringLiteral("xw0"));
    QCOMPARE(view->m_qelSettings[5], QStringLiteral("xt10"));
}

void TstPageFile::savesFromItsOwnPage()
{
    Rig rig;
    QTemporaryDir dir;
    const QString first = WriteFile(dir, QStringLiteral("a.sdf"),
                                    FileWithAddress("04", "bKEV", "Stop current:\t\t\t[s4]\r\n"));
    const QString second = WriteFile(dir, QStringLiteral("b.sdf"),
                                     FileWithAddress("08", "bKEV", "Stop current:\t\t\t[s8]\r\n"));
    QVERIFY(rig.app().OpenDocumentFile(first));
    CTarnlinkView* firstView = rig.ActiveView();
    QVERIFY(rig.app().OpenDocumentFile(second));
    QVERIFY(rig.ActiveView() != firstView);
    // The second window is active; the first document still saves its own values.
    const QString out = dir.filePath(QStringLiteral("a2.sdf"));
    QVERIFY(firstView->GetDocument()->DoSave(out));
    const QByteArray saved = ReadAll(out);
    QVERIFY(saved.contains("Address\t\t\t\t[04]\r\n"));
    QVERIFY(saved.contains("[s4]"));
}

void TstPageFile::failedSaveKeepsOldFile()
{
    Rig rig;
    CTarnlinkView* view = rig.OpenOnline();
    QVERIFY(view);
    QTemporaryDir dir;
    const QString path = WriteFile(dir, QStringLiteral("keep.sdf"), "old content\r\n");
    // The stage does not answer "B": the save fails, the old file stays as it was.
    rig.line.SetSilent(true);
    rig.t.port().SetLastingTimeout(100);
    QVERIFY(!view->GetDocument()->DoSave(path));
    QCOMPARE(ReadAll(path), QByteArray("old content\r\n"));
    QCOMPARE(rig.t.messages.first(), QStringLiteral("Schnittstelle TIMEOUT!"));
    // The port has said why; the file is named.
    QCOMPARE(rig.t.messages.last(),
             QStringLiteral("Das Dokument konnte nicht gespeichert werden.\r\n") +
                 QDir::toNativeSeparators(path));
}

void TstPageFile::saveFailureNamesFileAndReason_data()
{
    QTest::addColumn<QString>("place"); // what became of the page's file or its folder
    QTest::addColumn<QString>("reason"); // as Qt gives it in English
    // The disk takes only a few bytes more.
    QTest::newRow("full disk") << "full disk" << qt_error_string(EFBIG);
    QTest::newRow("directory in the file's place")
        << "directory in the file's place" << "Filename refers to a directory";
    QTest::newRow("folder removed") << "folder removed" << qt_error_string(ENOENT);
}

void TstPageFile::saveFailureNamesFileAndReason()
{
    QFETCH(QString, place);
    QFETCH(QString, reason);
    Rig rig;
    rig.app().SetUiLanguage(UiLanguage::English);
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("ordner")));
    const QString folder = dir.filePath(QStringLiteral("ordner"));
    const QString path = TestApp::WriteKevFile(dir, QStringLiteral("ordner/keep.sdf"));
    const QByteArray old = ReadAll(path);
    QVERIFY(!old.isEmpty());
    QVERIFY(rig.app().OpenDocumentFile(path));
    QPointer<CTarnlinkView> view = rig.ActiveView();
    QVERIFY(view);
    view->GetDocument()->SetModifiedFlag(true);
    rig.t.messages.clear();
    if (place == QStringLiteral("directory in the file's place")) {
        QVERIFY(QFile::remove(path));
        QVERIFY(QDir(folder).mkdir(QStringLiteral("keep.sdf")));
    } else if (place == QStringLiteral("folder removed")) {
        QVERIFY(QDir(folder).removeRecursively());
    }

    // File Save (Ctrl+S).
    {
        std::optional<ScopedFileSizeLimit> full;
        if (place == QStringLiteral("full disk"))
            QVERIFY(full.emplace(16).IsSet());
        QVERIFY(CCommandActions::Trigger(rig.frame, CCommandId::kFileSave));
    }
    QCOMPARE(rig.t.messages,
             QStringList{QStringLiteral("Failed to save document.\r\n") +
                         QDir::toNativeSeparators(path) + QStringLiteral("\r\n") + reason});
    QVERIFY(view && view->GetDocument()->IsModified());
    // A file left in its place is as it was, with nothing beside it.
    if (QFileInfo(path).isFile()) {
        QCOMPARE(ReadAll(path), old);
        QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::NoDotAndDotDot),
                 QStringList{QStringLiteral("keep.sdf")});
    }
}

void TstPageFile::secondFileOfSameAxis()
{
    Rig rig;
    QTemporaryDir dir;
    const QString first = WriteFile(dir, QStringLiteral("a.sdf"), FileWithAddress("04", "bKEV"));
    const QString second = WriteFile(dir, QStringLiteral("b.sdf"), FileWithAddress("4", "bKEV"));
    QVERIFY(rig.app().OpenDocumentFile(first));
    QMdiSubWindow* firstWindow = rig.frame->MdiArea()->activeSubWindow();
    QVERIFY(rig.app().OpenDocumentFile(second));
    // The open page of address 4 comes to the front; the new one closes, without a message.
    QTRY_COMPARE(rig.frame->MdiArea()->subWindowList().size(), 1);
    QCOMPARE(rig.frame->MdiArea()->activeSubWindow(), firstWindow);
    QVERIFY(rig.t.messages.isEmpty());
    QCOMPARE(rig.frame->GroupItem(kKev)->childCount(), 1);
}

void TstPageFile::fileOfOnlineAxis()
{
    Rig rig;
    QTemporaryDir dir;
    // Same type as the online axis: the file joins it and the item turns yellow.
    rig.AddItem(3, kKev, QStringLiteral("[03] Axis"), CMainFrame::ImageGreen);
    const QString same = WriteFile(dir, QStringLiteral("same.sdf"), FileWithAddress("03", "bKEV"));
    QVERIFY(rig.app().OpenDocumentFile(same));
    CTarnlinkView* view = rig.ActiveView();
    QVERIFY(view);
    QCOMPARE(view->AxisAddress(), 3);
    QCOMPARE(CMainFrame::ItemImage(rig.frame->AxisItem(3)), int(CMainFrame::ImageYellow));
    CloseAndDelete(rig.frame->MdiArea()->activeSubWindow());

    // Another type at an online address: refused with 10008 + type + 10009 + address + 10010.
    rig.AddItem(9, kHwk, QStringLiteral("[09] Spindel"), CMainFrame::ImageGreen);
    const QString other =
        WriteFile(dir, QStringLiteral("other.sdf"), FileWithAddress("09", "bKEV"));
    QVERIFY(rig.app().OpenDocumentFile(other));
    QCOMPARE(rig.t.messages,
             QStringList{QStringLiteral("Endstufe HWK mit Adresse [09] existiert bereits!\r\n"
                                        "Mehrere Achsen mit der gleichen Adresse können nicht "
                                        "erstellt werden!")});
    QTRY_VERIFY(rig.frame->MdiArea()->subWindowList().isEmpty());
    QCOMPARE(rig.frame->AxisItem(9)->text(0), QStringLiteral("[09] Spindel"));
    QCOMPARE(CMainFrame::ItemImage(rig.frame->AxisItem(9)), int(CMainFrame::ImageGreen));

    // During a project transfer the same refusal is silent.
    rig.t.messages.clear();
    rig.app().m_transferRunning = true;
    QVERIFY(rig.app().OpenDocumentFile(other));
    QTRY_VERIFY(rig.frame->MdiArea()->subWindowList().isEmpty());
    QVERIFY(rig.t.messages.isEmpty());
    rig.app().m_transferRunning = false;
}

void TstPageFile::refusedFiles_data()
{
    QTest::addColumn<QByteArray>("content");
    const QByteArray good = FileWithAddress("05", "bKEV");
    QTest::newRow("no address line") << QByteArray("Stop current:\t\t\t[s5]\r\n");
    QTest::newRow("empty file") << QByteArray();
    QTest::newRow("nothing after the address")
        << QByteArray("Address\t\t\t\t[05]\r\nController version and type:\t[bKEV]\r\n");
    QTest::newRow("address 32") << FileWithAddress("20", "bKEV");
    QTest::newRow("three digits") << FileWithAddress("005", "bKEV");
    QTest::newRow("not hexadecimal") << FileWithAddress("G1", "bKEV");
    QTest::newRow("negative") << FileWithAddress("-1", "bKEV");
    QTest::newRow("no type named") << FileWithAddress("05", "bXYZ 1.0");
    QTest::newRow("second address line is bad") << good + FileWithAddress("ZZ", "bKEV");
}

void TstPageFile::refusedFiles()
{
    QFETCH(QByteArray, content);
    Rig rig;
    QTemporaryDir dir;
    const QString path = WriteFile(dir, QStringLiteral("bad.sdf"), content);
    rig.app().OpenDocumentFile(path);
    QCOMPARE(rig.t.messages.size(), 1);
    QVERIFY(rig.t.messages.first().startsWith(QStringLiteral("Die Datei ist keine gültige")));
    QVERIFY(rig.t.messages.first().endsWith(QDir::toNativeSeparators(path)) ||
            rig.t.messages.first().endsWith(path));
    QTRY_VERIFY(rig.frame->MdiArea()->subWindowList().isEmpty());
    for (int a = 0; a < CMainFrame::kAddressSlots; ++a)
        QVERIFY(!rig.frame->AxisItem(a));
}

void TstPageFile::typeFilesRoundTrip_data()
{
    QTest::addColumn<QString>("golden");
    QTest::addColumn<int>("language");
    QTest::addColumn<DeviceType>("type");
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<StageValues>("stage");
    QTest::addColumn<QList<int>>("carried"); // the lists whose choice the file keeps

    const QList<int> common = {Ids::kStepCombo, Ids::kDirectionCombo, Ids::kActivationCombo};
    const int german = int(UiLanguage::German);
    const int english = int(UiLanguage::English);
    const QList<int> drqLists =
        common + QList<int>{Ids::kInputFunctionCombo, Ids::kOutputFunctionCombo,
                            Ids::kInputLogicCombo, Ids::kOperationModeCombo};
    QTest::newRow("DRQ+ German, bus exclusive")
        << "drqplus_de.sdf" << german << kDrqPlus << QByteArray("Hubachse")
        << StageValues{{"S", 55}, {"R", 210}, {"A", 333}, {"M", 13}, {"G", 1},  {"L", 1},
                       {"T", 13}, {"U", 1},   {"PC", 1},  {"PO", 1}, {"PX", 0}, {"PS", 1}}
        << drqLists;
    QTest::newRow("DRQ+ English, switches apply")
        << "drqplus_en.sdf" << english << kDrqPlus << QByteArray("Spindel \xd6")
        << StageValues{{"S", 40}, {"R", 120}, {"A", 200}, {"M", 3},  {"G", 0},  {"L", 0},
                       {"T", 8},  {"U", 0},   {"PC", 0},  {"PO", 1}, {"PX", 1}, {"PS", 0}}
        << drqLists;
    // The UQT's file keeps overdrive, chopper frequency and input logic under their
    // commands, and its overdrive frequency as its list index.
    QTest::newRow("UQT German") << "uqt_de.sdf" << german << kUqt << QByteArray("unread")
                                << StageValues{{"S", 35}, {"R", 150}, {"A", 350},   {"M", 2},
                                               {"G", 0},  {"L", 1},   {"T", 150},   {"U", 1},
                                               {"PO", 1}, {"PE", 3},  {"PH", 25000}}
                                << drqLists;
    QTest::newRow("DRQ2+ English, input logic only")
        << "drq2plus_en.sdf" << english << kDrq2Plus << QByteArray("Tisch")
        << StageValues{{"S", 10}, {"R", 630}, {"A", 400},  {"M", 8},
                       {"G", 1},  {"L", 1},   {"T", 1000}, {"U", 0}}
        << common + QList<int>{Ids::kInputLogicCombo};
    const QList<int> modeLists = common + QList<int>{Ids::kOperationModeCombo};
    QTest::newRow("LQN German, four levels")
        << "lqn_de.sdf" << german << kLqn << QByteArray("Hubachse")
        << StageValues{{"S", 55},  {"R", 210}, {"A", 250}, {"M", 12}, {"G", 1},
                       {"T", 150}, {"U", 1},   {"PS", 1},  {"PC", 2}, {"PE", 1},
                       {"PX", 1},  {"LT", 1},  {"LD", 0},  {"LB", 1}, {"LA", 0}}
        << modeLists + QList<int>{Ids::kInputFunctionCombo, Ids::kOutputFunctionCombo};
    QTest::newRow("HWT English, the delay in steps")
        << "hwt_en.sdf" << english << kHwt << QByteArray("Spindel \xd6")
        << StageValues{{"S", 5},  {"R", 17}, {"A", 30}, {"M", 8},  {"G", 1}, {"L", 1},
                       {"T", 13}, {"U", 0},  {"PC", 1}, {"PO", 1}, {"PX", 1}}
        << drqLists;
    QTest::newRow("HWK English, two displays and six levels")
        << "hwk_en.sdf" << english << kHwk << QByteArray("Vorschub")
        << StageValues{{"S", 5},  {"R", 17}, {"A", 30}, {"M", 2},  {"G", 0},  {"T", 1000},
                       {"U", 1},  {"PS", 1}, {"PL", 2}, {"PM", 3}, {"PO", 1}, {"PX", 0},
                       {"LT", 0}, {"LD", 1}, {"LB", 0}, {"LA", 1}, {"LR", 0}, {"LX", 1}}
        << modeLists + QList<int>{Ids::kInputFunctionCombo, Ids::kOutputFunctionCombo};
    QTest::newRow("HVR German") << "hvr_de.sdf" << german << kHvr << QByteArray("Greifer")
                                << StageValues{{"S", 3},  {"R", 14}, {"A", 10}, {"M", 13},
                                               {"G", 1},  {"T", 20}, {"U", 0},  {"PS", 1},
                                               {"PL", 4}, {"PM", 0}, {"PX", 1}, {"LT", 1},
                                               {"LD", 1}, {"LB", 1}, {"LA", 0}, {"LR", 0},
                                               {"LX", 0}}
                                << modeLists + QList<int>{Ids::kInputFunctionCombo};
    // The VNE+ has no operation mode: its line holds no choice.
    QTest::newRow("VNE+ German") << "vneplus_de.sdf" << german << kVnePlus << QByteArray("Portal")
                                 << StageValues{{"S", 100}, {"R", 1100}, {"A", 550}, {"M", 15},
                                                {"G", 1},   {"L", 1},    {"T", 20},  {"U", 1}}
                                 << common + QList<int>{Ids::kOperationModeCombo};
}

void TstPageFile::typeFilesRoundTrip()
{
    QFETCH(QString, golden);
    QFETCH(int, language);
    QFETCH(DeviceType, type);
    QFETCH(QByteArray, name);
    QFETCH(StageValues, stage);
    QFETCH(QList<int>, carried);
    Rig rig;
    rig.app().SetUiLanguage(UiLanguage(language));
    const QByteArray typeName = SimName(type);
    rig.bus.AddAxis(5, typeName, typeName + " 1.62");
    rig.bus.WithAxis(5, [&name](SimAxis& axis) { axis.name = name; });
    rig.SetOn(5, stage);
    rig.DoubleClick(rig.AddItem(5, type, QStringLiteral("[05] Achse"), CMainFrame::ImageGreen));
    QPointer<CTarnlinkView> online = rig.ActiveView();
    QVERIFY(online);
    online->StatusTimer().stop();
    const QStringList shown = Shown(online, carried);
    const auto kept = [](const CTarnlinkView* view) {
        QList<int> values(view->m_logicLevels.begin(), view->m_logicLevels.end());
        return values << view->m_displayType1 << view->m_displayType2;
    };
    const QList<int> levels = kept(online);

    // Saved from the stage.
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("online.sdf"));
    QVERIFY(online->GetDocument()->DoSave(path));
    const QByteArray saved = ReadAll(path);
    CheckDateLine(saved, UiLanguage(language));
    QCOMPARE(Body(saved), Body(Golden(golden)));
    CloseAndDelete(rig.frame->MdiArea()->activeSubWindow());
    QVERIFY(!online);

    // The golden file opened offline shows the same values, and saves the same file again,
    // the address with the two digits of an offline page.
    rig.bus.ClearLog();
    const QString original = WriteFile(dir, QStringLiteral("in.sdf"), Golden(golden));
    QVERIFY(rig.app().OpenDocumentFile(original));
    QPointer<CTarnlinkView> offline = rig.ActiveView();
    QVERIFY(offline);
    QCOMPARE(offline->DeviceType(), type);
    QCOMPARE(Shown(offline, carried), shown);
    QCOMPARE(kept(offline), levels);
    const QString copy = dir.filePath(QStringLiteral("out.sdf"));
    QVERIFY(offline->GetDocument()->DoSave(copy));
    QCOMPARE(Body(ReadAll(copy)),
             Body(Golden(golden)).replace("Address\t\t\t\t[5]", "Address\t\t\t\t[05]"));
    QVERIFY(rig.Commands().isEmpty());
    QVERIFY(rig.t.messages.isEmpty());
}

void TstPageFile::uqtRoundTrip()
{
    // Read from a UQT, saved, transmitted back: the stage holds the currents it had.
    Rig rig;
    const StageValues currents = {{"S", 35}, {"R", 150}, {"A", 350}};
    CTarnlinkView* online = rig.OpenOnlineAxis(6, kUqt, "UQT", QStringLiteral("[06] Achse"));
    QVERIFY(online);
    rig.SetOn(6, currents);
    QVERIFY(online->ReadAllParameters());
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("uqt.sdf"));
    QVERIFY(online->GetDocument()->DoSave(path));
    CloseAndDelete(rig.frame->MdiArea()->activeSubWindow());

    rig.SetOn(6, {{"S", 1}, {"R", 2}, {"A", 3}});
    QVERIFY(rig.app().OpenDocumentFile(path));
    QPointer<CTarnlinkView> page = rig.ActiveView();
    QVERIFY(page);
    QVERIFY(page->OnBnClickedTransmit());
    for (const auto& current : currents) {
        int held = -1;
        rig.bus.WithAxis(6, [&](SimAxis& a) { held = a.params[current.first]; });
        QCOMPARE(held, current.second);
    }
    QVERIFY(rig.Commands().contains(QStringLiteral("R150")));
    QVERIFY(rig.t.messages.isEmpty());
    QTRY_VERIFY(!page);
}

QTEST_MAIN(TstPageFile)
#include "tst_pagefile.moc"
