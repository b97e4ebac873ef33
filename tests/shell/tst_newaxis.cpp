// File New: the new-axis dialog in both languages, the offline page it opens for every
// device type, the refusal of an address the tree holds, and that a new axis is not taken
// for a file opened afterwards. Also the parameter page's own menu with its document
// commands.
#include "pages/ctarnlinkdoc.h"
#include "pages/ctarnlinkview.h"
#include "platform/ccommandactions.h"
#include "platform/ccontrolids.h"
#include "platform/cdocmanager.h"
#include "platform/cdoctemplate.h"
#include "platform/cmdichildframe.h"
#include "shell/cdlgaxisnew.h"
#include "shell/cmainframe.h"
#include "tests/support/testapp.h"

#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

namespace {

constexpr DeviceType kKev = DeviceType::Kev;
constexpr DeviceType kHwk = DeviceType::Hwk;

UiLanguage Language(int row)
{
    return row == 0 ? UiLanguage::German : UiLanguage::English;
}

// The new-axis dialog is answered with `address` and `type`; every other dialog cancelled.
// `seen` gets the dialog's state as the user found it.
struct NewAxisAnswer {
    int address = 0;
    DeviceType type = DeviceType::Kev;
    bool accept = true;
    int spinMaximum = -1;
    QStringList types = {};
    QString caption = {};
};

void AnswerNewAxis(TestApp& t, NewAxisAnswer& answer)
{
    t.app().ModalRunner().SetScript([&answer](QDialog& dialog) {
        if (!qobject_cast<CDlgAxisNew*>(&dialog))
            return int(QDialog::Rejected);
        auto* spin = CControlIds::Find<QSpinBox>(&dialog, CDlgAxisNew::kAddressSpinId);
        auto* combo = CControlIds::Find<QComboBox>(&dialog, CDlgAxisNew::kTypeComboId);
        answer.spinMaximum = spin->maximum();
        answer.caption = dialog.windowTitle();
        answer.types.clear();
        for (int i = 0; i < combo->count(); ++i)
            answer.types.append(combo->itemText(i));
        spin->setValue(answer.address);
        combo->setCurrentIndex(CDeviceType::ToInt(answer.type));
        if (!answer.accept)
            return int(QDialog::Rejected);
        dialog.accept();
        return dialog.result();
    });
}

CTarnlinkView* ActiveView(TestApp& t)
{
    return CTarnlinkView::Of(t.app().MainFrame()->MdiArea()->activeSubWindow());
}

QByteArray Body(const QString& path)
{
    // Everything but the dated first line.
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = file.readAll();
    return bytes.mid(bytes.indexOf('\n') + 1);
}

QStringList TopMenus(const CMainFrame& frame)
{
    QStringList texts;
    for (QAction* action : frame.menuBar()->actions())
        texts.append(action->text());
    return texts;
}

} // namespace

class TstNewAxis : public QObject {
    Q_OBJECT
private slots:
    void dialogTextsAndRange_data();
    void dialogTextsAndRange();
    void everyTypeOpensOfflinePage_data();
    void everyTypeOpensOfflinePage();
    void addressHeldInTree_data();
    void addressHeldInTree();
    void cancelCreatesNothing();
    void newAxisNotTakenForLaterFile_data();
    void newAxisNotTakenForLaterFile();
    void pageMenu_data();
    void pageMenu();
};

void TstNewAxis::dialogTextsAndRange_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<int>("addresses");
    QTest::addColumn<QStringList>("texts"); // caption, group, address label, type label
    QTest::newRow("German, 16 addresses")
        << 0 << 16
        << QStringList{"Neue Achse hinzufügen", "Achsenadresse und Steuerungstyp",
                       "Neue Endstufenadresse", "Neuer Endstufentyp"};
    QTest::newRow("English, 32 addresses")
        << 1 << 32
        << QStringList{"Insert new axis", "Address of axes and controller type",
                       "New power stage address", "New power stage type"};
}

void TstNewAxis::dialogTextsAndRange()
{
    QFETCH(int, language);
    QFETCH(int, addresses);
    QFETCH(QStringList, texts);
    TestApp t;
    QVERIFY(t.app().InitInstance());
    t.messages.clear(); // the test port does not exist
    t.app().SetUiLanguage(Language(language));
    t.app().m_addressCount = quint8(addresses);
    CDlgAxisNew dialog(t.app());
    QCOMPARE(dialog.windowTitle(), texts[0]);
    QCOMPARE(CControlIds::Find<QGroupBox>(&dialog, CDlgAxisNew::kGroupId)->title(), texts[1]);
    QCOMPARE(CControlIds::Find<QLabel>(&dialog, CDlgAxisNew::kAddressLabelId)->text(), texts[2]);
    QCOMPARE(CControlIds::Find<QLabel>(&dialog, CDlgAxisNew::kTypeLabelId)->text(), texts[3]);

    auto* combo = CControlIds::Find<QComboBox>(&dialog, CDlgAxisNew::kTypeComboId);
    auto* spin = CControlIds::Find<QSpinBox>(&dialog, CDlgAxisNew::kAddressSpinId);
    auto* axis = CControlIds::Find<QLineEdit>(&dialog, CDlgAxisNew::kAxisEditId);
    // A drop list with the nine types, the first chosen.
    QVERIFY(!combo->isEditable());
    QCOMPARE(combo->count(), 9);
    QCOMPARE(combo->itemText(0), QStringLiteral("KEV"));
    QCOMPARE(combo->itemText(8), QStringLiteral("VNE+"));
    QCOMPARE(combo->currentIndex(), 0);
    QCOMPARE(axis->text(), QStringLiteral("Achse 0"));
    QCOMPARE(spin->minimum(), 0);
    QCOMPARE(spin->maximum(), addresses - 1);
    // The spin stops at the last address.
    spin->setValue(40);
    QCOMPARE(spin->value(), addresses - 1);
    spin->setValue(10);
    QCOMPARE(axis->text(), QStringLiteral("Achse 10"));
    QCOMPARE(spin->text(), QStringLiteral("0A"));
    combo->setCurrentIndex(5);
    dialog.accept();
    QCOMPARE(dialog.Address(), QStringLiteral("0A"));
    QCOMPARE(dialog.Type(), DeviceType::DrqPlus);
}

void TstNewAxis::everyTypeOpensOfflinePage_data()
{
    QTest::addColumn<DeviceType>("type");
    const char* names[] = {"KEV", "LQN", "HWT", "HWK", "HVR", "DRQ+", "UQT", "DRQ2+", "VNE+"};
    for (int type = 0; type < 9; ++type)
        QTest::newRow(names[type]) << *CDeviceType::FromInt(type);
}

void TstNewAxis::everyTypeOpensOfflinePage()
{
    QFETCH(DeviceType, type);
    QTemporaryDir dir;
    TestApp t;
    QVERIFY(t.app().InitInstance());
    t.messages.clear(); // the test port does not exist
    t.app().m_addressCount = 32;
    NewAxisAnswer answer{.address = 26, .type = type};
    AnswerNewAxis(t, answer);
    QVERIFY(CCommandActions::Trigger(t.app().MainFrame(), 57600));
    QCOMPARE(answer.types.size(), 9);
    QCOMPARE(answer.spinMaximum, 31);
    QPointer<CTarnlinkView> view = ActiveView(t);
    QVERIFY(view);
    QCOMPARE(view->DeviceType(), type);
    QCOMPARE(view->AddressText(), QStringLiteral("Off"));
    QCOMPARE(view->FileAddress(), QStringLiteral("1A"));
    QCOMPARE(view->GetDocument()->GetTitle(), QStringLiteral("[Offline] [26]"));
    // Listed grey under its type.
    const QTreeWidgetItem* item = t.app().MainFrame()->AxisItem(26);
    QVERIFY(item);
    QCOMPARE(CMainFrame::ItemImage(item), int(CPageHost::ImageGrey));
    QCOMPARE(item->parent(), t.app().MainFrame()->GroupItem(type));
    QVERIFY(t.messages.isEmpty());

    // The page saves a parameter file that reads back as the same page.
    const QString first = dir.filePath(QStringLiteral("neu.sdf"));
    QVERIFY(view->GetDocument()->DoSave(first));
    view->GetDocument()->Frames().first()->DeleteWindow();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(t.app().OpenDocumentFile(first));
    QPointer<CTarnlinkView> again = ActiveView(t);
    QVERIFY(again);
    QCOMPARE(again->DeviceType(), type);
    QCOMPARE(again->FileAddress(), QStringLiteral("1A"));
    const QString second = dir.filePath(QStringLiteral("wieder.sdf"));
    QVERIFY(again->GetDocument()->DoSave(second));
    QCOMPARE(Body(second), Body(first));
    QVERIFY(t.messages.isEmpty());
}

void TstNewAxis::addressHeldInTree_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<DeviceType>("heldType");
    QTest::addColumn<int>("image");
    QTest::addColumn<QString>("message"); // empty: the page opens
    QTest::newRow("another type, German")
        << 0 << kHwk << int(CPageHost::ImageGreen)
        << QStringLiteral("Endstufe HWK mit Adresse [1A] existiert bereits!\r\nMehrere Achsen "
                          "mit der gleichen Adresse können nicht erstellt werden!");
    QTest::newRow("another type, English")
        << 1 << kHwk << int(CPageHost::ImageGreen)
        << QStringLiteral("Power stage HWKwith address [1A] does already exist!\r\nEach address "
                          "must only be used once!");
    QTest::newRow("same type offline")
        << 1 << kKev << int(CPageHost::ImageGrey)
        << QStringLiteral("Power stage KEVwith address [1A] does already exist!\r\nEach address "
                          "must only be used once!");
    QTest::newRow("same type online") << 0 << kKev << int(CPageHost::ImageGreen) << QString();
}

void TstNewAxis::addressHeldInTree()
{
    QFETCH(int, language);
    QFETCH(DeviceType, heldType);
    QFETCH(int, image);
    QFETCH(QString, message);
    TestApp t;
    QVERIFY(t.app().InitInstance());
    t.messages.clear(); // the test port does not exist
    t.app().SetUiLanguage(Language(language));
    t.app().m_addressCount = 32;
    QVERIFY(t.app().AddAxis(26, heldType, QStringLiteral("[26] Achse"), image));
    NewAxisAnswer answer{.address = 26, .type = kKev};
    AnswerNewAxis(t, answer);
    QVERIFY(CCommandActions::Trigger(t.app().MainFrame(), 57600));
    QCOMPARE(t.messages, message.isEmpty() ? QStringList() : QStringList{message});
    QCOMPARE(t.app().MainFrame()->MdiArea()->subWindowList().size(), message.isEmpty() ? 1 : 0);
    // The tree keeps the axis it had.
    QCOMPARE(t.app().Axes().Image(26), message.isEmpty() ? int(CPageHost::ImageYellow) : image);
}

void TstNewAxis::cancelCreatesNothing()
{
    TestApp t;
    QVERIFY(t.app().InitInstance());
    t.messages.clear(); // the test port does not exist
    NewAxisAnswer answer{.address = 3, .type = kHwk, .accept = false};
    AnswerNewAxis(t, answer);
    QVERIFY(CCommandActions::Trigger(t.app().MainFrame(), 57600));
    QCOMPARE(answer.spinMaximum, 15);
    QVERIFY(t.app().MainFrame()->MdiArea()->subWindowList().isEmpty());
    QVERIFY(!t.app().Axes().Contains(3));
    QVERIFY(t.messages.isEmpty());
}

void TstNewAxis::newAxisNotTakenForLaterFile_data()
{
    QTest::addColumn<bool>("refused");
    QTest::addColumn<int>("how"); // 0 File Open, 1 recent file, 2 the document type itself
    QTest::newRow("refused File New, then File Open") << true << 0;
    QTest::newRow("refused File New, then a recent file") << true << 1;
    QTest::newRow("File New, then File Open") << false << 0;
    QTest::newRow("File New, then a recent file") << false << 1;
    // As a project transfer opens its files: the page itself tells a file from a new axis.
    QTest::newRow("hand-over left set, then a file through the document type") << false << 2;
}

void TstNewAxis::newAxisNotTakenForLaterFile()
{
    QFETCH(bool, refused);
    QFETCH(int, how);
    QTemporaryDir dir;
    const QString path = TestApp::WriteKevFile(dir, QStringLiteral("achse7.sdf"));
    TestApp t;
    t.app().DocManager().AddToRecentFileList(path);
    QVERIFY(t.app().InitInstance());
    t.messages.clear(); // the test port does not exist
    if (refused)
        t.app().AddAxis(9, kKev, QStringLiteral("[09] Achse"), CPageHost::ImageGreen);
    NewAxisAnswer answer{.address = 9, .type = kHwk};
    AnswerNewAxis(t, answer);
    QVERIFY(CCommandActions::Trigger(t.app().MainFrame(), 57600));
    QCOMPARE(t.messages.size(), refused ? 1 : 0);
    if (!refused)
        t.app().MainFrame()->MdiArea()->closeAllSubWindows();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    if (how == 0) {
        t.AnswerFileDialog(path);
        QVERIFY(CCommandActions::Trigger(t.app().MainFrame(), 57601));
    } else if (how == 1) {
        QVERIFY(CCommandActions::Trigger(t.app().MainFrame(), 57616));
    } else {
        QVERIFY(t.app().DocManager().FindTemplate(CTarnlinkDoc::kMenuId)->OpenDocumentFile(path));
    }
    // The file's own axis, not the new one with its type defaults.
    QPointer<CTarnlinkView> view = ActiveView(t);
    QVERIFY(view);
    QCOMPARE(view->GetDocument()->GetPathName(), path);
    QCOMPARE(view->DeviceType(), kKev);
    QCOMPARE(view->FileAddress(), QStringLiteral("07"));
    QCOMPARE(CControlIds::Find<QLineEdit>(view, 1006)->text(), QStringLiteral("Achse"));
    QCOMPARE(view->GetDocument()->GetTitle(), QStringLiteral("[Offline] achse7.sdf"));
}

void TstNewAxis::pageMenu_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<QStringList>("bar");
    QTest::addColumn<QStringList>("file");
    QTest::newRow("German") << 0 << QStringList{"&Datei",    "&Ansicht", "&Endstufe",
                                                "&Optionen", "&Fenster", "&Hilfe"}
                            << QStringList{"&Neu",
                                           "Ö&ffnen...",
                                           "&Schließen",
                                           "&Speichern",
                                           "Speichern &unter...",
                                           "&Drucken...",
                                           "Seiten&ansicht",
                                           "Drucker&einrichtung...",
                                           "Letzte Datei",
                                           "&Beenden"};
    QTest::newRow("English") << 1 << QStringList{"&File",    "&View",   "&Power stage",
                                                 "&Options", "&Window", "&Help"}
                             << QStringList{"&New",           "O&pen...",        "&Close",
                                            "&Save",          "Save &As...",     "&Print...",
                                            "Print Pre&view", "P&rint Setup...", "Letzte Datei",
                                            "&Exit"};
}

void TstNewAxis::pageMenu()
{
    QFETCH(int, language);
    QFETCH(QStringList, bar);
    QFETCH(QStringList, file);
    QTemporaryDir dir;
    TestApp t;
    t.app().Settings().SetLanguage(language);
    QVERIFY(t.app().InitInstance());
    t.messages.clear(); // the test port does not exist
    CMainFrame* frame = t.app().MainFrame();
    const QStringList mainBar = TopMenus(*frame);
    NewAxisAnswer answer{.address = 4, .type = kHwk};
    AnswerNewAxis(t, answer);
    QVERIFY(CCommandActions::Trigger(frame, 57600));
    QPointer<CTarnlinkView> view = ActiveView(t);
    QVERIFY(view);
    QCOMPARE(TopMenus(*frame), bar);
    QStringList fileItems;
    for (QAction* action : frame->menuBar()->actions().constFirst()->menu()->actions()) {
        if (!action->isSeparator())
            fileItems.append(action->text());
    }
    QCOMPARE(fileItems, file);
    // Minimised pages can be lined up from the page's own Window menu.
    QVERIFY(
        frame->menuBar()->actions().at(4)->menu()->actions().contains(frame->CommandAction(57649)));

    // Save As from the menu stores the page under the name given.
    const QString saved = dir.filePath(QStringLiteral("anders.sdf"));
    t.AnswerFileDialog(saved);
    QVERIFY(CCommandActions::Trigger(frame, 57604));
    QCOMPARE(view->GetDocument()->GetPathName(), saved);
    QVERIFY(QFile::exists(saved));
    // Print from the menu prints the sheet.
    const QString pdf = dir.filePath(QStringLiteral("blatt.pdf"));
    t.AnswerPrintDialog(pdf);
    QVERIFY(CCommandActions::Trigger(frame, 57607));
    QVERIFY(QFileInfo(pdf).size() > 0);

    // With the page gone the frame's own menu is back.
    view->GetDocument()->Frames().first()->DeleteWindow();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(TopMenus(*frame), mainBar);
    QVERIFY(t.messages.isEmpty());
}

QTEST_MAIN(TstNewAxis)
#include "tst_newaxis.moc"
