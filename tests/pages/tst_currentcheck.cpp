// The allowed motor current of an axis: the mark read from the tree label, the zones on the
// current bars, the question when a released current slider reaches the device type's
// limit, and what the page puts back when the user says no.
#include "pages/ccurrentlimit.h"
#include "tests/pages/pagerig.h"

namespace {

const QString kQuestion =
    QStringLiteral("Eingestellter Strom > zulässiger Motorstrom\r\nTrotzdem übernehmen?");
const QString kTimeout = QStringLiteral("Schnittstelle TIMEOUT!");

// As a mouse drag does it: the handle pressed, moved and released.
void Drag(QSlider* slider, int position)
{
    slider->setSliderDown(true);
    slider->setSliderPosition(position);
    slider->setSliderDown(false);
}

// The ways a user moves a slider or steps a spin.
enum Input {
    DragToLeftEnd,
    DragToRightEnd,
    ClickRightOfHandle,
    ClickLeftOfHandle,
    ClickUpArrow,
    KeyRight,
    KeyUp,
    KeyDown,
    KeyPageUp,
    KeyPageDown,
    KeyHome,
    KeyEnd,
    WheelUp,
    WheelDown,
};

// `control` moved by `input` as the user moves it; the page's queued work done after.
void MoveAsUser(CTarnlinkView* view, QWidget* control, int input)
{
    static const QMap<int, Qt::Key> keys = {{KeyRight, Qt::Key_Right},
                                            {KeyUp, Qt::Key_Up},
                                            {KeyDown, Qt::Key_Down},
                                            {KeyPageUp, Qt::Key_PageUp},
                                            {KeyPageDown, Qt::Key_PageDown},
                                            {KeyHome, Qt::Key_Home},
                                            {KeyEnd, Qt::Key_End}};
    auto* slider = qobject_cast<QSlider*>(control);
    // Far enough beside the handle to miss it, near enough to stay on the groove.
    constexpr int kBeside = 40;
    switch (input) {
    case DragToLeftEnd:
        DragHandle(slider, -50);
        break;
    case DragToRightEnd:
        DragHandle(slider, slider->width() + 50);
        break;
    case ClickRightOfHandle:
        ClickBesideHandle(slider, kBeside);
        break;
    case ClickLeftOfHandle:
        ClickBesideHandle(slider, -kBeside);
        break;
    case ClickUpArrow:
        ClickSpinUp(qobject_cast<QSpinBox*>(control));
        break;
    case WheelUp:
        TurnWheel(control, 1);
        break;
    case WheelDown:
        TurnWheel(control, -1);
        break;
    default:
        QTest::keyClick(control, keys.value(input));
        break;
    }
    RunQueued(view);
}

// What of `page` is squeezed or cut off: a shown button smaller than it wants to be, or a
// shown control reaching out of the page; nothing when all of it is shown whole.
QString Squeezed(const QWidget* page)
{
    QString found;
    for (const QWidget* control : page->findChildren<QWidget*>()) {
        if (!control->isVisibleTo(page))
            continue;
        const QRect where(control->mapTo(page, QPoint(0, 0)), control->size());
        const auto* button = qobject_cast<const QAbstractButton*>(control);
        const QString name = button ? button->text() : control->metaObject()->className();
        if (button && (button->width() < button->sizeHint().width() ||
                       button->height() < button->sizeHint().height())) {
            found += QStringLiteral("%1 %2x%3 wants %4x%5\n")
                         .arg(name)
                         .arg(button->width())
                         .arg(button->height())
                         .arg(button->sizeHint().width())
                         .arg(button->sizeHint().height());
        }
        if (!page->rect().contains(where))
            found += QStringLiteral("%1 out of the page\n").arg(name);
    }
    return found;
}

} // namespace

class TstCurrentCheck : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void markFromLabel_data();
    void markFromLabel();
    void hundredthsLimits_data();
    void hundredthsLimits();
    void releaseOnline_data();
    void releaseOnline();
    void everyMoveIsWritten_data();
    void everyMoveIsWritten();
    void everyDelayStepIsWritten_data();
    void everyDelayStepIsWritten();
    void limitsOfTypes_data();
    void limitsOfTypes();
    void uqtCurrentCheck_data();
    void uqtCurrentCheck();
    void pageGrowsWithTheBars_data();
    void pageGrowsWithTheBars();
};

void TstCurrentCheck::initTestCase()
{
    qputenv("TARNLINK_CAN", "nosuchplugin:can9");
}

void TstCurrentCheck::markFromLabel_data()
{
    QTest::addColumn<QString>("label");
    QTest::addColumn<double>("scale");
    QTest::addColumn<int>("mark");
    QTest::addColumn<bool>("shown");
    QTest::addColumn<int>("split");

    QTest::newRow("decimal comma") << "[04] Achse;2,5" << 4.0 << 250 << true << 1000;
    QTest::newRow("only the last ; counts") << "[04] A;1;2" << 4.0 << 200 << true << 800;
    QTest::newRow("decimal point, KEV scale") << "[04] A;1.5" << 1.59 << 150 << true << 238;
    QTest::newRow("blank before the number") << "[04] A; 0,75" << 4.0 << 75 << true << 300;
    QTest::newRow("no current") << "[04] Achse" << 4.0 << 0 << false << 0;
    QTest::newRow("no number") << "[04] A;abc" << 4.0 << 0 << true << 0;
    QTest::newRow("negative") << "[04] A;-1,5" << 4.0 << 0 << false << 0;
    QTest::newRow("beyond any stage") << "[04] A;1e12" << 4.0 << 10000000 << true << 40000000;
}

void TstCurrentCheck::markFromLabel()
{
    QFETCH(QString, label);
    QFETCH(double, scale);
    QFETCH(int, mark);
    QFETCH(bool, shown);
    QFETCH(int, split);
    Rig rig;
    CTarnlinkView* view = rig.OpenNew(kKev, QStringLiteral("04"));
    QVERIFY(view);
    rig.app().Axes().SetLabel(4, label);
    view->m_markerScale = scale;
    QCOMPARE(view->UpdateAllowedCurrentMark(), mark);
    for (int which = 0; which < 3; ++which) {
        const CCurIndicator* bar = Control<CCurIndicator>(view, Ids::kBars[which]);
        QCOMPARE(bar->isVisible(), shown);
        if (shown) {
            QCOMPARE(bar->m_firstSplit, quint32(split));
            QCOMPARE(bar->m_secondSplit, quint32(split + 100));
        }
    }
    // Without a current the check lets everything pass.
    if (mark == 0) {
        Control<QSlider>(view, Ids::kSliders[1])->setValue(60);
        QVERIFY(view->ConfirmCurrentSetting("R?"));
        QVERIFY(rig.t.messages.isEmpty());
    }
}

void TstCurrentCheck::hundredthsLimits_data()
{
    QTest::addColumn<bool>("lqn");
    QTest::addColumn<uint>("mark");
    QTest::addColumn<uint>("kept");
    QTest::addColumn<uint>("limit");

    QTest::newRow("LQN 0.80 A") << true << 80u << 80u << 100u;
    QTest::newRow("LQN small") << true << 99u << 99u << 119u;
    QTest::newRow("LQN from 1 A") << true << 100u << 100u << 140u;
    QTest::newRow("LQN below 2 A") << true << 199u << 199u << 239u;
    QTest::newRow("LQN 1.50 A") << true << 150u << 150u << 190u;
    QTest::newRow("LQN from 2 A") << true << 200u << 200u << 250u;
    QTest::newRow("LQN 2.50 A") << true << 250u << 250u << 300u;
    QTest::newRow("LQN margin of the kept current") << true << 300u << 50u << 320u;
    QTest::newRow("DRQ+ small") << false << 199u << 199u << 219u;
    QTest::newRow("DRQ+ from 2 A") << false << 200u << 200u << 250u;
    QTest::newRow("DRQ+ below 4 A") << false << 399u << 399u << 449u;
    QTest::newRow("DRQ+ from 4 A") << false << 400u << 400u << 500u;
}

void TstCurrentCheck::hundredthsLimits()
{
    QFETCH(bool, lqn);
    QFETCH(uint, mark);
    QFETCH(uint, kept);
    QFETCH(uint, limit);
    QCOMPARE(lqn ? CCurrentLimit::Lqn(mark, kept) : CCurrentLimit::Drq(mark, kept), limit);
}

void TstCurrentCheck::releaseOnline_data()
{
    QTest::addColumn<QString>("label");
    QTest::addColumn<int>("slider");
    QTest::addColumn<int>("stage");  // the stage's value, read when the page opens
    QTest::addColumn<int>("moveTo"); // by drag, or by one arrow key when it is stage + 1
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("silent"); // the read-back after "no" gets no answer
    QTest::addColumn<QStringList>("commands");
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<int>("position");
    QTest::addColumn<bool>("modified");

    // 2.5 A allows up to 25 + 5 steps of 0.1 A without a question.
    const QString allowed = QStringLiteral("[03] Axis;2,5");
    QTest::newRow("one step below the limit") << allowed << 1 << 20 << 29 << int(IdNo) << false
                                              << QStringList{"R29"} << QStringList{} << 29 << true;
    QTest::newRow("at the limit, yes")
        << allowed << 1 << 20 << 30 << int(IdYes) << false << QStringList{"R30"}
        << QStringList{kQuestion} << 30 << true;
    QTest::newRow("at the limit, no") << allowed << 1 << 20 << 30 << int(IdNo) << false
                                      << QStringList{"R?"} << QStringList{kQuestion} << 20 << false;
    QTest::newRow("stage above the limit, no")
        << allowed << 1 << 40 << 45 << int(IdNo) << false << QStringList{"R?", "R30"}
        << QStringList{kQuestion} << 30 << false;
    QTest::newRow("read-back fails")
        << allowed << 1 << 20 << 35 << int(IdNo) << true << QStringList{"R?"}
        << QStringList{kQuestion, kTimeout} << 20 << false;
    QTest::newRow("arrow key to the limit, no")
        << allowed << 1 << 29 << 30 << int(IdNo) << false << QStringList{"R?"}
        << QStringList{kQuestion} << 29 << false;
    QTest::newRow("arrow key, read-back fails")
        << allowed << 1 << 29 << 30 << int(IdNo) << true << QStringList{"R?"}
        << QStringList{kQuestion, kTimeout} << 29 << false;
    QTest::newRow("stop current at the limit, yes")
        << allowed << 0 << 10 << 30 << int(IdYes) << false << QStringList{"S30"}
        << QStringList{kQuestion} << 30 << true;
    QTest::newRow("boost current, no")
        << allowed << 2 << 25 << 40 << int(IdNo) << false << QStringList{"A?"}
        << QStringList{kQuestion} << 25 << false;
    QTest::newRow("no allowed current")
        << QStringLiteral("[03] Axis") << 1 << 20 << 60 << int(IdNo) << false << QStringList{"R60"}
        << QStringList{} << 60 << true;
}

void TstCurrentCheck::releaseOnline()
{
    QFETCH(QString, label);
    QFETCH(int, slider);
    QFETCH(int, stage);
    QFETCH(int, moveTo);
    QFETCH(int, answer);
    QFETCH(bool, silent);
    QFETCH(QStringList, commands);
    QFETCH(QStringList, messages);
    QFETCH(int, position);
    QFETCH(bool, modified);
    Rig rig;
    static const QByteArray kMnemonics[3] = {"S", "R", "A"};
    rig.Set(kMnemonics[slider], stage);
    QTreeWidgetItem* item = rig.AddItem(3, kKev, label, CMainFrame::ImageGreen);
    rig.DoubleClick(item);
    CTarnlinkView* view = rig.ActiveView();
    QVERIFY(view);
    view->StatusTimer().stop();
    QCOMPARE(view->m_allowedMark, label.contains(';') ? 250 : 0);
    QSlider* control = Control<QSlider>(view, Ids::kSliders[slider]);
    QCOMPARE(control->value(), stage);
    rig.bus.ClearLog();
    rig.t.answer = answer;
    rig.line.SetSilent(silent);
    // A silent stage is waited for briefly; one that answers has the full time.
    if (silent)
        rig.t.port().SetLastingTimeout(200);

    if (moveTo == stage + 1) {
        control->setFocus();
        QTest::keyClick(control, Qt::Key_Right);
    } else {
        Drag(control, moveTo);
    }
    QCOMPARE(rig.Commands(), commands);
    QCOMPARE(rig.t.messages, messages);
    QCOMPARE(control->value(), position);
    QCOMPARE(view->GetDocument()->IsModified(), modified);
}

void TstCurrentCheck::everyMoveIsWritten_data()
{
    QTest::addColumn<int>("slider");
    QTest::addColumn<int>("stage"); // the stage's value, read when the page opens
    QTest::addColumn<int>("input");
    QTest::addColumn<int>("answer"); // to the allowed-current question
    QTest::addColumn<QStringList>("commands");
    QTest::addColumn<bool>("asked");
    QTest::addColumn<int>("position");
    QTest::addColumn<bool>("modified");

    // The axis allows 2.5 A: the KEV asks from 3.0 A (30) on.
    QTest::newRow("run, dragged to the left end, clamped")
        << 1 << 10 << int(DragToLeftEnd) << int(IdNo) << QStringList{"R1"} << false << 1 << true;
    QTest::newRow("run, dragged to the right end, yes")
        << 1 << 10 << int(DragToRightEnd) << int(IdYes) << QStringList{"R63"} << true << 63 << true;
    QTest::newRow("run, click beside the handle") << 1 << 10 << int(ClickRightOfHandle) << int(IdNo)
                                                  << QStringList{"R20"} << false << 20 << true;
    QTest::newRow("run, click beside the handle to the limit, no")
        << 1 << 25 << int(ClickRightOfHandle) << int(IdNo) << QStringList{"R?"} << true << 25
        << false;
    QTest::newRow("run, click beside the handle to the limit, yes")
        << 1 << 25 << int(ClickRightOfHandle) << int(IdYes) << QStringList{"R35"} << true << 35
        << true;
    QTest::newRow("stop, click left of the handle")
        << 0 << 20 << int(ClickLeftOfHandle) << int(IdNo) << QStringList{"S10"} << false << 10
        << true;
    QTest::newRow("boost, click beside the handle")
        << 2 << 10 << int(ClickRightOfHandle) << int(IdNo) << QStringList{"A20"} << false << 20
        << true;
    QTest::newRow("run, right arrow")
        << 1 << 10 << int(KeyRight) << int(IdNo) << QStringList{"R11"} << false << 11 << true;
    QTest::newRow("run, up arrow")
        << 1 << 10 << int(KeyUp) << int(IdNo) << QStringList{"R11"} << false << 11 << true;
    QTest::newRow("run, down arrow")
        << 1 << 10 << int(KeyDown) << int(IdNo) << QStringList{"R9"} << false << 9 << true;
    QTest::newRow("run, page up") << 1 << 10 << int(KeyPageUp) << int(IdNo) << QStringList{"R20"}
                                  << false << 20 << true;
    QTest::newRow("run, page down")
        << 1 << 25 << int(KeyPageDown) << int(IdNo) << QStringList{"R15"} << false << 15 << true;
    QTest::newRow("run, home, clamped")
        << 1 << 10 << int(KeyHome) << int(IdNo) << QStringList{"R1"} << false << 1 << true;
    QTest::newRow("run, end, no") << 1 << 10 << int(KeyEnd) << int(IdNo) << QStringList{"R?"}
                                  << true << 10 << false;
    QTest::newRow("boost, end, yes")
        << 2 << 10 << int(KeyEnd) << int(IdYes) << QStringList{"A63"} << true << 63 << true;
    QTest::newRow("run, wheel up")
        << 1 << 10 << int(WheelUp) << int(IdNo) << QStringList{"R13"} << false << 13 << true;
    QTest::newRow("stop, wheel down")
        << 0 << 10 << int(WheelDown) << int(IdNo) << QStringList{"S7"} << false << 7 << true;
    QTest::newRow("run, wheel up to the limit, no")
        << 1 << 29 << int(WheelUp) << int(IdNo) << QStringList{"R?"} << true << 29 << false;
}

void TstCurrentCheck::everyMoveIsWritten()
{
    QFETCH(int, slider);
    QFETCH(int, stage);
    QFETCH(int, input);
    QFETCH(int, answer);
    QFETCH(QStringList, commands);
    QFETCH(bool, asked);
    QFETCH(int, position);
    QFETCH(bool, modified);
    Rig rig;
    static const QByteArray kMnemonics[3] = {"S", "R", "A"};
    rig.Set(kMnemonics[slider], stage);
    rig.DoubleClick(rig.AddItem(3, kKev, QStringLiteral("[03] Axis;2,5"), CMainFrame::ImageGreen));
    CTarnlinkView* view = rig.ActiveView();
    QVERIFY(view);
    view->StatusTimer().stop();
    QSlider* control = Control<QSlider>(view, Ids::kSliders[slider]);
    QCOMPARE(control->value(), stage);
    rig.bus.ClearLog();
    rig.t.answer = answer;

    MoveAsUser(view, control, input);
    QCOMPARE(rig.Commands(), commands);
    QCOMPARE(rig.t.messages, asked ? QStringList{kQuestion} : QStringList{});
    QCOMPARE(control->value(), position);
    QCOMPARE(view->GetDocument()->IsModified(), modified);
    // The move has ended: a later click elsewhere writes nothing more.
    rig.bus.ClearLog();
    QTest::mouseClick(control, Qt::RightButton);
    RunQueued(view);
    QCOMPARE(rig.Commands(), QStringList{});
}

void TstCurrentCheck::everyDelayStepIsWritten_data()
{
    QTest::addColumn<int>("input");
    QTest::addColumn<QStringList>("commands");
    // The stage holds a delay of 40.
    QTest::newRow("arrow clicked") << int(ClickUpArrow) << QStringList{"T41"};
    QTest::newRow("up key") << int(KeyUp) << QStringList{"T41"};
    QTest::newRow("down key") << int(KeyDown) << QStringList{"T39"};
    QTest::newRow("page up key") << int(KeyPageUp) << QStringList{"T50"};
    QTest::newRow("wheel up") << int(WheelUp) << QStringList{"T41"};
    QTest::newRow("wheel down") << int(WheelDown) << QStringList{"T39"};
}

void TstCurrentCheck::everyDelayStepIsWritten()
{
    QFETCH(int, input);
    QFETCH(QStringList, commands);
    Rig rig;
    CTarnlinkView* view = rig.OpenOnline();
    QVERIFY(view);
    view->StatusTimer().stop();
    auto* spin = Control<QSpinBox>(view, Ids::kDelaySpin);
    QCOMPARE(spin->value(), 40);
    rig.bus.ClearLog();

    MoveAsUser(view, spin, input);
    QCOMPARE(rig.Commands(), commands);
    QVERIFY(view->GetDocument()->IsModified());
    // Once written, a key that steps nothing writes nothing.
    rig.bus.ClearLog();
    QTest::keyClick(spin, Qt::Key_Shift);
    RunQueued(view);
    QCOMPARE(rig.Commands(), QStringList{});
}

void TstCurrentCheck::limitsOfTypes_data()
{
    QTest::addColumn<DeviceType>("type");
    QTest::addColumn<QString>("current"); // typed behind the name
    QTest::addColumn<int>("limit");       // the first slider position that asks

    QTest::newRow("HWT, 0.1 A rule") << kHwt << "1,5" << 17;
    QTest::newRow("LQN") << kLqn << "1" << 140;
    QTest::newRow("DRQ+") << kDrqPlus << "2" << 250;
    QTest::newRow("DRQ+ from 3 A") << kDrqPlus << "3" << 350;
    QTest::newRow("DRQ2+ as DRQ+") << kDrq2Plus << "4" << 500;
    QTest::newRow("VNE+, the current itself") << kVnePlus << "0,5" << 50;
}

void TstCurrentCheck::limitsOfTypes()
{
    QFETCH(DeviceType, type);
    QFETCH(QString, current);
    QFETCH(int, limit);
    Rig rig;
    CTarnlinkView* view = rig.OpenNew(type, QStringLiteral("05"));
    QVERIFY(view);
    QSlider* run = Control<QSlider>(view, Ids::kSliders[1]);
    // The widest range of any type.
    run->setRange(0, 1100);
    run->setValue(12);
    // The user names the offline axis with its allowed current.
    Control<QLineEdit>(view, Ids::kNameEdit)->setText("Achse;" + current);
    QTest::mouseClick(Control<QAbstractButton>(view, Ids::kSetNameButton), Qt::LeftButton);
    QCOMPARE(rig.frame->AxisItem(5)->text(0), "[05] Achse;" + current);
    QVERIFY(view->GetDocument()->GetTitle().endsWith("[05] Achse;" + current));
    QVERIFY(view->m_allowedMark > 0);

    rig.t.answer = IdYes;
    if (limit > 0) {
        Drag(run, limit - 1);
        QVERIFY(rig.t.messages.isEmpty());
    }
    Drag(run, limit);
    QCOMPARE(rig.t.messages, QStringList{kQuestion});
    QCOMPARE(run->value(), limit);

    // "No" on a page without a stage: the slider goes back to where the move began.
    rig.t.answer = IdNo;
    Drag(run, limit + 7);
    QCOMPARE(run->value(), limit);
    QVERIFY(rig.Commands().isEmpty());
}

void TstCurrentCheck::uqtCurrentCheck_data()
{
    QTest::addColumn<bool>("online");
    QTest::addColumn<int>("stage");  // the run current the stage holds, or the offline page
    QTest::addColumn<int>("moveTo"); // by drag, or by one arrow key when it is stage + 1
    QTest::addColumn<int>("answer");
    QTest::addColumn<QStringList>("commands");
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<int>("position");

    // The label allows 1 A: the UQT asks from 1.00 A on, and no lower.
    QTest::newRow("release at 120, yes")
        << true << 20 << 120 << int(IdYes) << QStringList{"R120"} << QStringList{kQuestion} << 120;
    QTest::newRow("release below the allowed current")
        << true << 20 << 99 << int(IdNo) << QStringList{"R99"} << QStringList{} << 99;
    QTest::newRow("arrow key to the allowed current, no")
        << true << 99 << 100 << int(IdNo) << QStringList{"R?"} << QStringList{kQuestion} << 99;
    QTest::newRow("arrow key below it")
        << true << 50 << 51 << int(IdNo) << QStringList{"R51"} << QStringList{} << 51;
    QTest::newRow("stage above it, no: lowered to it")
        << true << 150 << 160 << int(IdNo) << QStringList{"R?", "R100"} << QStringList{kQuestion}
        << 100;
    QTest::newRow("offline, no: back where the move began")
        << false << 30 << 140 << int(IdNo) << QStringList{} << QStringList{kQuestion} << 30;
}

void TstCurrentCheck::uqtCurrentCheck()
{
    QFETCH(bool, online);
    QFETCH(int, stage);
    QFETCH(int, moveTo);
    QFETCH(int, answer);
    QFETCH(QStringList, commands);
    QFETCH(QStringList, messages);
    QFETCH(int, position);
    Rig rig;
    CTarnlinkView* view = nullptr;
    if (online) {
        rig.bus.AddAxis(6, "UQT");
        rig.bus.WithAxis(6, [stage](SimAxis& a) { a.params["R"] = stage; });
        rig.DoubleClick(
            rig.AddItem(6, kUqt, QStringLiteral("[06] Achse;1"), CMainFrame::ImageGreen));
        view = rig.ActiveView();
    } else {
        view = rig.OpenNew(kUqt, QStringLiteral("06"));
        rig.app().Axes().SetLabel(6, QStringLiteral("[06] Achse;1"));
    }
    QVERIFY(view && view->DeviceType() == kUqt);
    view->StatusTimer().stop();
    QSlider* run = Control<QSlider>(view, Ids::kSliders[1]);
    if (!online)
        run->setValue(stage);
    QCOMPARE(run->value(), stage);
    rig.bus.ClearLog();
    rig.t.answer = answer;
    if (moveTo == stage + 1) {
        run->setFocus();
        QTest::keyClick(run, Qt::Key_Right);
    } else {
        Drag(run, moveTo);
    }
    QCOMPARE(rig.Commands(), commands);
    QCOMPARE(rig.t.messages, messages);
    QCOMPARE(run->value(), position);
}

void TstCurrentCheck::pageGrowsWithTheBars_data()
{
    AddTypeAndLanguageRows();
}

void TstCurrentCheck::pageGrowsWithTheBars()
{
    QFETCH(DeviceType, type);
    QFETCH(bool, english);
    Rig rig;
    if (english)
        rig.app().OnLanguageEnglish();
    QPointer<CTarnlinkView> view = rig.OpenNew(type, QStringLiteral("04"));
    QVERIFY(view);
    QPointer<QMdiSubWindow> window = rig.frame->MdiArea()->activeSubWindow();
    QVERIFY(window && window->widget() == view);
    QVERIFY(!view->Form().Bar(0)->isVisible());
    QVERIFY2(Squeezed(view).isEmpty(), qPrintable(Squeezed(view)));
    const int before = window->height();

    rig.app().Axes().SetLabel(4, QStringLiteral("[04] Achse;2,5"));
    view->UpdateAllowedCurrentMark();
    QVERIFY(view->Form().Bar(0)->isVisible());
    // The frame makes room for the bars, and the page shows everything whole.
    QTRY_VERIFY(window->height() > before);
    QCoreApplication::processEvents();
    QVERIFY(window->contentsRect().contains(view->geometry()));
    QVERIFY2(Squeezed(view).isEmpty(), qPrintable(Squeezed(view)));
    // Nothing makes the page smaller than what it shows.
    view->resize(1, 1);
    QVERIFY2(Squeezed(view).isEmpty(), qPrintable(Squeezed(view)));

    // Without the bars the frame fits the page again.
    rig.app().Axes().SetLabel(4, QStringLiteral("[04] Achse"));
    view->UpdateAllowedCurrentMark();
    QVERIFY(!view->Form().Bar(0)->isVisible());
    QTRY_COMPARE(window->height(), before);
}

QTEST_MAIN(TstCurrentCheck)
#include "tst_currentcheck.moc"
