// The page and its parameter file: saved from the stage and from offline pages byte for
// byte, opened again into the same values, the tree item of a file, and the files and
// addresses that are refused.
#include "tests/pages/pagerig.h"

#include <QDir>
#include <QRegularExpression>

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
    void secondFileOfSameAxis();
    void fileOfOnlineAxis();
    void refusedFiles_data();
    void refusedFiles();
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
    QTest::newRow("German, no module") << "kev_offline_de.sdf" << int(UiLanguage::German) << 5
                                       << "[05] Hubachse" << false;
    QTest::newRow("English, module settings") << "kev_offline_module_en.sdf"
                                              << int(UiLanguage::English) << 31
                                              << "[31] Führung" << true;
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
    QVERIFY(rig.app().OpenOfflineDocument(original));
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
    const QString path = WriteFile(
        dir, QStringLiteral("quirks.sdf"),
        "Address\t\t\t\t[06]\r\nController version and type:\t[bKEV]\r\n"
        "Axis name:\t\t\t[pnHub]achse]\r\n"
        "Input logic level:\t\t[l1]\r\n"
        // "[lt1]" also holds "[l": the logic combo reads "t1" as 0.
        "Logic --> Takt\t\t\t[lt1]\r\n"
        "Stop current:\t\t\t[s7]\r\n"
        "\r\nTemperaturmodul:\t\t[xp0]\r\n"
        // Nothing after a switched-off module is read.
        "Run current:\t\t\t[r33]\r\n");
    QVERIFY(rig.app().OpenOfflineDocument(path));
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
    QVERIFY(rig.app().OpenOfflineDocument(first));
    CTarnlinkView* firstView = rig.ActiveView();
    QVERIFY(rig.app().OpenOfflineDocument(second));
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
    rig.t.port().m_replyTimeout = 100;
    QVERIFY(!view->GetDocument()->DoSave(path));
    QCOMPARE(ReadAll(path), QByteArray("old content\r\n"));
    QCOMPARE(rig.t.messages.first(), QStringLiteral("Schnittstelle TIMEOUT!"));
    QCOMPARE(rig.t.messages.last(), QStringLiteral("Das Dokument konnte nicht gespeichert werden."));
    // A folder that does not exist: the user is told.
    rig.line.SetSilent(false);
    rig.t.messages.clear();
    QVERIFY(!view->GetDocument()->DoSave(dir.filePath(QStringLiteral("no/such/dir/x.sdf"))));
    QCOMPARE(rig.t.messages, QStringList{QStringLiteral("Das Dokument konnte nicht gespeichert werden.")});
}

void TstPageFile::secondFileOfSameAxis()
{
    Rig rig;
    QTemporaryDir dir;
    const QString first = WriteFile(dir, QStringLiteral("a.sdf"), FileWithAddress("04", "bKEV"));
    const QString second = WriteFile(dir, QStringLiteral("b.sdf"), FileWithAddress("4", "bKEV"));
    QVERIFY(rig.app().OpenOfflineDocument(first));
    QMdiSubWindow* firstWindow = rig.frame->MdiArea()->activeSubWindow();
    QVERIFY(rig.app().OpenOfflineDocument(second));
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
    QVERIFY(rig.app().OpenOfflineDocument(same));
    CTarnlinkView* view = rig.ActiveView();
    QVERIFY(view);
    QCOMPARE(view->TreeItem(), rig.frame->AxisItem(3));
    QCOMPARE(CMainFrame::ItemImage(rig.frame->AxisItem(3)), int(CMainFrame::ImageYellow));
    CloseAndDelete(rig.frame->MdiArea()->activeSubWindow());

    // Another type at an online address: refused with 10008 + type + 10009 + address + 10010.
    rig.AddItem(9, kHwk, QStringLiteral("[09] Spindel"), CMainFrame::ImageGreen);
    const QString other = WriteFile(dir, QStringLiteral("other.sdf"), FileWithAddress("09", "bKEV"));
    QVERIFY(rig.app().OpenOfflineDocument(other));
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
    QVERIFY(rig.app().OpenOfflineDocument(other));
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
    rig.app().OpenOfflineDocument(path);
    QCOMPARE(rig.t.messages.size(), 1);
    QVERIFY(rig.t.messages.first().startsWith(QStringLiteral("Die Datei ist keine gültige")));
    QVERIFY(rig.t.messages.first().endsWith(QDir::toNativeSeparators(path)) ||
            rig.t.messages.first().endsWith(path));
    QTRY_VERIFY(rig.frame->MdiArea()->subWindowList().isEmpty());
    for (int a = 0; a < CMainFrame::kAddressSlots; ++a)
        QVERIFY(!rig.frame->AxisItem(a));
}

QTEST_MAIN(TstPageFile)
#include "tst_pagefile.moc"
