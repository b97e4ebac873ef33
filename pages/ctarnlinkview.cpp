#include "pages/ctarnlinkview.h"
#include "bus/cbusport.h"
#include "platform/cmessageboxservice.h"

#include "controls/balloontip/cballoontip.h"
#include "pages/ccurindicator.h"
#include "pages/cledpictures.h"
#include "pages/creplyvalue.h"
#include "pages/ctarnlinkdoc.h"
#include "pages/types/cendstufeshared.h"
#include "platform/cmdichildframe.h"
#include "res/cbusaddress.h"
#include "res/cstringids.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QMouseEvent>
#include <QSlider>
#include <QSpinBox>
#include <QStyle>

#include <algorithm>
#include <utility>

namespace {

using Ids = CPageControlIds;

constexpr int kBesideOnlinePage = 270;

struct ListEntries {
    int combo;
    unsigned strings[2];
};

// Lists every type shows alike; the index of an entry is its value on the bus.
constexpr ListEntries kCommonLists[] = {
    {Ids::kDirectionCombo, {CStringIds::kIdsNegative, CStringIds::kIdsPositive}},
    {Ids::kInputLogicCombo, {CStringIds::kIdsHighActive, CStringIds::kIdsLowActive}},
    {Ids::kActivationCombo, {CStringIds::kIdsActivated, CStringIds::kIdsDeactivated}},
};

void SetControlText(QWidget* control, const QString& text)
{
    if (auto* button = qobject_cast<QAbstractButton*>(control))
        button->setText(text);
    else if (auto* label = qobject_cast<QLabel*>(control))
        label->setText(text);
    else if (auto* group = qobject_cast<QGroupBox*>(control))
        group->setTitle(text);
}

} // namespace

CTarnlinkView::CTarnlinkView(CDocument& document, CPageHost& host, QWidget* parent)
    : CView(document, parent), m_host(host), m_form(std::make_unique<CParameterForm>(*this))
{
    m_statusTimer.setInterval(kStatusPollMs);
    connect(&m_statusTimer, &QTimer::timeout, this, &CTarnlinkView::OnTimer);
    ConnectControls();
    ConnectCommands();
    // An axis that leaves the list is no longer the page's, even when another comes to its
    // address later.
    connect(&m_host.Axes(), &CAxisList::axisRemoved, this, [this](int address) {
        if (address == m_axisAddress)
            m_axisAddress = -1;
    });
}

CTarnlinkView::~CTarnlinkView()
{
    m_statusTimer.stop();
    // The name is read back without a box of its own: the event loop of a box would hand
    // this window, half destroyed, what is still pending for it (a close asked for earlier).
    const CMessageBoxService::Hold quiet(m_host.MessageBoxes());
    UpdateAxisOnClose();
}

CTarnlinkDoc* CTarnlinkView::GetDocument() const
{
    return qobject_cast<CTarnlinkDoc*>(CView::GetDocument());
}

CTarnlinkView* CTarnlinkView::Of(QMdiSubWindow* window)
{
    return window ? qobject_cast<CTarnlinkView*>(window->widget()) : nullptr;
}

CBusPort& CTarnlinkView::Port() const
{
    return m_host.BusPort();
}

QString CTarnlinkView::LoadResString(unsigned id) const
{
    return m_host.LoadResString(id);
}

bool CTarnlinkView::Transact(const QByteArray& command, QString* reply)
{
    return TransactTo(m_address, command, reply);
}

bool CTarnlinkView::TransactTo(const QString& address, const QByteArray& command, QString* reply)
{
    QString ignored;
    return m_host.BusPort().Transact(address, command, reply ? reply : &ignored, true);
}

// ---- controls ------------------------------------------------------------------------------

CEndstufe* CTarnlinkView::Type()
{
    if (m_typeMadeFor && *m_typeMadeFor != m_deviceType) {
        m_type = CEndstufe::Create(m_deviceType, *this);
        m_typeMadeFor = m_deviceType;
    }
    return m_type.get();
}

void CTarnlinkView::ShowCurrentText(int slider)
{
    if (CEndstufe* type = Type())
        type->ShowCurrentText(slider);
}

void CTarnlinkView::OnTypeChoice(bool (CEndstufe::*handler)())
{
    CEndstufe* type = Type();
    // A list that no handler of the type serves changes nothing the page keeps.
    if (type && (type->*handler)())
        MarkModified();
}

void CTarnlinkView::ConnectControls()
{
    for (int which = 0; which < 3; ++which) {
        QSlider* slider = m_form->Slider(which);
        // The value text follows the slider whenever it is drawn or moved.
        slider->installEventFilter(this);
        connect(slider, &QSlider::valueChanged, this, [this, which] { ShowCurrentText(which); });
    }
    QSpinBox* spin = m_form->DelaySpin();
    spin->installEventFilter(this);
    // The page sets the spin quietly: a change it reports is the user's.
    connect(spin, &QSpinBox::valueChanged, this, [this, spin](int position) {
        m_delayKnown = true;
        m_delayClipped = false;
        m_delayMoving = true;
        OnVScroll(kThumbPosition, position, spin);
        MarkModified();
    });
    connect(m_form->Edit(Ids::kNameEdit), &QLineEdit::textEdited, this, [this] {
        m_nameKnown = true;
        MarkModified();
    });
    // Only a choice of the user is written, never a list filled or set by the page.
    connect(m_form->Combo(Ids::kOperationModeCombo), &QComboBox::activated, this,
            [this] { OnTypeChoice(&CEndstufe::OnOperationModeChanged); });
    connect(m_form->Combo(Ids::kInputFunctionCombo), &QComboBox::activated, this,
            [this] { OnTypeChoice(&CEndstufe::OnDisplayMenuChanged); });
    connect(m_form->Combo(Ids::kOutputFunctionCombo), &QComboBox::activated, this,
            [this] { OnTypeChoice(&CEndstufe::OnOutputFunctionChanged); });
    // The readers set the switch and call its handler too; only a click is the user's.
    connect(m_form->Button(Ids::kQelSwitch), &QAbstractButton::clicked, this, [this](bool on) {
        OnBnClickedQelOnline();
        // A stage without a module puts the switch back: then nothing changed.
        if (m_form->Button(Ids::kQelSwitch)->isChecked() == on)
            MarkModified();
    });
}

void CTarnlinkView::ClearSelections()
{
    for (int id :
         {Ids::kStepCombo, Ids::kDirectionCombo, Ids::kInputFunctionCombo, Ids::kInputLogicCombo,
          Ids::kActivationCombo, Ids::kOutputFunctionCombo, Ids::kOperationModeCombo})
        m_form->Combo(id)->setCurrentIndex(-1);
}

bool CTarnlinkView::eventFilter(QObject* watched, QEvent* event)
{
    for (int which = 0; which < 3; ++which) {
        if (watched != m_form->Slider(which))
            continue;
        if (event->type() == QEvent::Paint) {
            ShowCurrentText(which);
        } else if (event->type() == QEvent::KeyRelease) {
            const auto* key = static_cast<QKeyEvent*>(event);
            if (!key->isAutoRepeat() && IsSliderKey(key->key()))
                ReleaseCurrent(which);
        } else if (event->type() == QEvent::MouseButtonRelease || event->type() == QEvent::Wheel) {
            // A click beside the handle and the wheel move the slider without the handle
            // ever being let go: their move ends once the slider has taken the event.
            QMetaObject::invokeMethod(
                this, [this, which] { EndCurrentMove(which); }, Qt::QueuedConnection);
        }
    }
    if (watched == m_form->DelaySpin()) {
        if (event->type() == QEvent::MouseButtonRelease &&
            static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
            m_delayMoving = false;
            OnDelaySpinReleased();
        } else if ((event->type() == QEvent::KeyRelease &&
                    !static_cast<QKeyEvent*>(event)->isAutoRepeat()) ||
                   event->type() == QEvent::Wheel) {
            // Keys and the wheel step the spin without a mouse release: the step is
            // written as a release writes it, once the spin has taken the event.
            QMetaObject::invokeMethod(this, &CTarnlinkView::EndDelayMove, Qt::QueuedConnection);
        }
    }
    return CView::eventFilter(watched, event);
}

bool CTarnlinkView::IsSliderKey(int key)
{
    switch (key) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Home:
    case Qt::Key_End:
        return true;
    default:
        return false;
    }
}

void CTarnlinkView::EndCurrentMove(int slider)
{
    // A drag ends in the handle's release, which has written it already.
    if (m_currentBefore.at(static_cast<std::size_t>(slider)) &&
        !m_form->Slider(slider)->isSliderDown())
        ReleaseCurrent(slider);
}

void CTarnlinkView::EndDelayMove()
{
    if (std::exchange(m_delayMoving, false))
        OnDelaySpinReleased();
}

void CTarnlinkView::OnDelaySpinReleased()
{
    // A click that left an unknown delay as it was gives the stage nothing.
    if (!m_delayKnown)
        return;
    QString reply;
    Transact("T" + QByteArray::number(m_form->DelaySpin()->value()), &reply);
}

bool CTarnlinkView::CurrentKnown(int slider) const
{
    return slider >= 0 && slider < 3 && m_currentKnown[static_cast<std::size_t>(slider)];
}

bool CTarnlinkView::CurrentClipped(int slider) const
{
    return slider >= 0 && slider < 3 && m_currentClipped[static_cast<std::size_t>(slider)];
}

void CTarnlinkView::SetCurrent(int slider, int position)
{
    QSlider* control = m_form->Slider(slider);
    if (!control)
        return;
    const bool known = position != kUnknownValue;
    const int held = std::clamp(position, control->minimum(), control->maximum());
    m_currentKnown[static_cast<std::size_t>(slider)] = known;
    m_currentClipped[static_cast<std::size_t>(slider)] = known && held != position;
    if (known)
        control->setValue(held);
    ShowCurrentText(slider);
}

void CTarnlinkView::SetDelay(int position)
{
    QSpinBox* spin = m_form->DelaySpin();
    const bool inRange = position >= spin->minimum() && position <= spin->maximum();
    m_delayKnown = position != kUnknownValue &&
                   (inRange || CDeviceType::Info(m_deviceType).delay != DelayKind::TableSteps);
    m_delayClipped = m_delayKnown && !inRange;
    if (!m_delayKnown) {
        m_form->Edit(Ids::kDelayText)->clear();
        return;
    }
    position = std::clamp(position, spin->minimum(), spin->maximum());
    CEndstufeShared::SetSpinPosition(spin, position);
    OnVScroll(kThumbPosition, position, spin);
}

void CTarnlinkView::SetName(const QString& name)
{
    QLineEdit* edit = m_form->Edit(Ids::kNameEdit);
    // The length limit is for typing: a name the stage or the file holds stays whole, or a
    // save, Set! or a transmission would cut it there too.
    edit->setMaxLength(std::max(m_typedNameLength, static_cast<int>(name.size())));
    edit->setText(name);
    m_nameBefore = name;
    m_nameKnown = true;
}

void CTarnlinkView::FitNameLimit()
{
    QLineEdit* edit = m_form->Edit(Ids::kNameEdit);
    // A name longer than typing may make it can only be shortened: the limit follows it
    // down to the typed length and never goes up again.
    const int limit = std::max(m_typedNameLength, static_cast<int>(edit->text().size()));
    if (limit >= edit->maxLength())
        return;
    // A new limit sets the text anew, which would put the caret at its end.
    const int caret = edit->cursorPosition();
    edit->setMaxLength(limit);
    edit->setCursorPosition(caret);
}

void CTarnlinkView::SetLogicLevel(int index, int level)
{
    m_logicLevels.at(static_cast<std::size_t>(index)) =
        static_cast<qint8>(LevelKnown(level) ? level : -1);
}

void CTarnlinkView::SetDisplayType(int display, int entry)
{
    const int count = m_form->Combo(Ids::kInputFunctionCombo)->count();
    (display == 1 ? m_displayType1 : m_displayType2) = entry >= 0 && entry < count ? entry : -1;
}

void CTarnlinkView::ShowDisplayMenu()
{
    const bool first = !m_form->Button(Ids::kDisplay2Radio)->isChecked();
    CEndstufeShared::SelectEntry(m_form->Combo(Ids::kInputFunctionCombo),
                                 first ? m_displayType1 : m_displayType2);
}

void CTarnlinkView::OnVScroll(int code, int position, QWidget* scrollControl)
{
    (void)code;
    if (CEndstufe* type = Type())
        type->ShowDelayTime(position, scrollControl);
}

void CTarnlinkView::ShowAllCurrentTexts()
{
    for (int which = 0; which < 3; ++which)
        ShowCurrentText(which);
}

void CTarnlinkView::EnableParameterControls(bool enable)
{
    for (int id : {Ids::kSliders[0], Ids::kSliders[1], Ids::kSliders[2], Ids::kDirectionCombo,
                   Ids::kInputFunctionCombo, Ids::kInputLogicCombo, Ids::kActivationCombo,
                   Ids::kOutputFunctionCombo, Ids::kStoreButton, Ids::kResetButton, Ids::kStepCombo,
                   Ids::kDelaySpin, Ids::kDefaultsButton, Ids::kLogicButton})
        m_form->Control(id)->setEnabled(enable);
    m_parametersLocked = !enable;
}

void CTarnlinkView::OnBnClickedQelOnline()
{
    QAbstractButton* moduleSwitch = m_form->Button(Ids::kQelSwitch);
    const bool online = m_address != CBusAddress::kOff;
    const bool on = moduleSwitch->isChecked();
    QString reply;
    if (!Transact(on ? "XP1" : "XP0", &reply))
        return;
    if (on && CReplyValue::Last(reply) == QLatin1Char('0')) {
        // The stage answers that no module is there.
        m_host.ShowMessage(LoadResString(CStringIds::kIdsModuleMissing), MbOk);
        moduleSwitch->setChecked(false);
        return;
    }
    moduleSwitch->setText(on ? QStringLiteral("QEL online") : QStringLiteral("QEL offline"));
    m_form->Button(Ids::kQelSettingsButton)->setEnabled(on);
    if (online) {
        m_form->Button(Ids::kQelStatusButton)->setEnabled(on);
        m_form->Button(Ids::kQelResetButton)->setEnabled(on);
    }
}

// ---- initial update ------------------------------------------------------------------------

void CTarnlinkView::OnInitialUpdate()
{
    SetCaptions();
    SetLamp(Ids::kUndervoltageLamp, CLedPictures::kRedOff);
    SetLamp(Ids::kOvertemperatureLamp, CLedPictures::kRedOff);
    SetLamp(Ids::kShortCircuitLamp, CLedPictures::kRedOff);
    SetLamp(Ids::kWatchdogLamp, CLedPictures::kYellowOff);
    SetLamp(Ids::kHomeLamp, CLedPictures::kGreenOff);
    SetLamp(Ids::kResetLamp, CLedPictures::kYellowOff);
    // Known only once read, loaded or chosen.
    m_displayType1 = m_displayType2 = -1;
    m_logicLevels.fill(-1);

    const CPageOpening& opening = GetDocument()->Opening();
    m_address = opening.address;
    m_deviceType = opening.type;
    m_type = CEndstufe::Create(m_deviceType, *this);
    m_typeMadeFor = m_deviceType;
    for (int which = 0; which < 3; ++which) {
        CCurIndicator* bar = m_form->Bar(which);
        bar->m_firstColor = QColor(0, 255, 0);
        bar->m_secondColor = QColor(255, 233, 37);
        bar->m_thirdColor = QColor(255, 0, 0);
    }
    SetUpOfflinePage();
    FillCommonLists();
    if (CEndstufe* type = Type())
        type->SetupPage();
    ClearSelections();
    for (int which = 0; which < 3; ++which)
        m_form->Slider(which)->setToolTip(QStringLiteral("0"));
    ShowAllCurrentTexts();
    m_nameTip = new CBalloonTip(this);
    m_nameTip->SetIcon(style()->standardIcon(QStyle::SP_MessageBoxWarning));
    m_nameTip->SetFont(QFont(QStringLiteral("Arial"), 10));
    m_typedNameLength =
        m_host.BusPort().Interface() == BusInterface::Can ? kCanNameLength : kSerialNameLength;
    m_form->Edit(Ids::kNameEdit)->setMaxLength(m_typedNameLength);

    if (m_address != CBusAddress::kOff) {
        if (!ReadAllParameters())
            return;
    } else if (!IsNewAxis()) {
        ApplyParameterLines();
    } else {
        InitControlsForType();
    }
    UpdateAllowedCurrentMark();
    m_statusTimer.start();
}

void CTarnlinkView::SetCaptions()
{
    for (int id = Ids::kFirstCaption; id <= Ids::kLastCaption; ++id)
        SetControlText(m_form->Control(id), LoadResString(Ids::kCaptionStringOffset + id));
    SetControlText(m_form->Control(Ids::kQelGroup), LoadResString(CStringIds::kIdsModuleGroup));
}

void CTarnlinkView::FillCommonLists()
{
    for (const ListEntries& list : kCommonLists) {
        QComboBox* combo = m_form->Combo(list.combo);
        combo->clear();
        for (unsigned id : list.strings)
            combo->addItem(LoadResString(id));
    }
}

// ---- activation and status poll ------------------------------------------------------------

void CTarnlinkView::OnActivateView(bool activate)
{
    if (activate && !Port().NoAnswer() && m_address != CBusAddress::kOff)
        m_statusTimer.start();
    else
        m_statusTimer.stop();
    CView::OnActivateView(activate);
    if (activate)
        OnSetFocus();
}

void CTarnlinkView::OnTimer()
{
    m_statusTimer.stop();
    // In listen mode the line carries the monitor's stream; the poll stays off.
    if (Port().IsListening())
        return;
    // The interface sheet has the port: this tick asks nothing, a later one goes on.
    if (m_host.m_interfaceSheetOpen) {
        m_statusTimer.start();
        return;
    }
    QString reply;
    if (!Transact("F?", &reply))
        return;
    ShowStatus(CReplyValue::Int(reply, 1));
    if (CEndstufe* type = Type())
        type->PollOperationState();
    m_statusTimer.start();
}

void CTarnlinkView::ShowStatus(int status)
{
    const bool shortCircuit = (status & 3) == 3 || (status & 4) != 0;
    if (shortCircuit) {
        // Undervoltage and overtemperature keep what they showed.
        SwitchLamp(Ids::kShortCircuitLamp, CLedPictures::kRedOff, true);
    } else {
        SwitchLamp(Ids::kShortCircuitLamp, CLedPictures::kRedOff, false);
        SwitchLamp(Ids::kUndervoltageLamp, CLedPictures::kRedOff, status & 1);
        SwitchLamp(Ids::kOvertemperatureLamp, CLedPictures::kRedOff, status & 2);
    }
    // The watchdog lamp stays lit until the user clears it.
    if (status & 0x80)
        SwitchLamp(Ids::kWatchdogLamp, CLedPictures::kYellowOff, true);
    SwitchLamp(Ids::kHomeLamp, CLedPictures::kGreenOff, status & 0x20);
    SwitchLamp(Ids::kResetLamp, CLedPictures::kYellowOff, status & 0x88);
}

void CTarnlinkView::SetLamp(int lampId, int picture)
{
    CLedPictures::Show(m_form->Label(lampId), picture);
}

void CTarnlinkView::SwitchLamp(int lampId, int offPicture, bool on)
{
    CLedPictures::Switch(m_form->Label(lampId), offPicture, on);
}

int CTarnlinkView::LampImage(int lampId) const
{
    return CLedPictures::Shown(m_form->Label(lampId));
}

// ---- window placement ----------------------------------------------------------------------

void CTarnlinkView::OnSetFocus()
{
    QMdiSubWindow* active = m_host.ActiveDocumentWindow();
    QString address;
    if (active) {
        const CTarnlinkView* view = Of(active);
        // A project window has no axis to place a page beside.
        if (!view || view->AddressText() == CBusAddress::kOff)
            return;
        address = view->AddressText();
        if (address.size() == 1)
            address.prepend(QLatin1Char('0'));
    }
    if (m_host.m_focusPlaced) {
        m_host.m_focusPlaced = false;
        return;
    }
    if (!active)
        return;
    const QList<CMdiChildFrame*> frames = m_host.DocumentWindows();
    for (qsizetype i = frames.indexOf(active) + 1; i > 0 && i < frames.size(); ++i) {
        const CTarnlinkView* view = Of(frames[i]);
        if (view && view->AddressText() == CBusAddress::kOff && view->FileAddress() == address) {
            // The axis's parameter file opens beside its online page.
            frames[i]->move(active->x() + kBesideOnlinePage, active->y());
            frames[i]->stackUnder(active);
            m_host.m_focusPlaced = true;
            return;
        }
    }
}

// ---- closing -------------------------------------------------------------------------------

void CTarnlinkView::UpdateAxisOnClose()
{
    // A file page's own axis; an online page holds none, but the axis at its bus address is
    // put right as it closes all the same.
    const int address = m_address != CBusAddress::kOff ? ScanAddress(m_address) : m_axisAddress;
    CAxisList& axes = m_host.Axes();
    const int image = axes.Image(address);
    // However the name read below ends, the axis no longer shows a page that is gone.
    if (!m_host.SettleAxis(address, this)) {
        if (image == CPageHost::ImageRed && address == m_axisAddress)
            m_host.m_rememberedYellow = false;
        return;
    }
    if (image != CPageHost::ImageYellow || address >= m_host.m_addressCount)
        return;
    // The name may have changed while the page was open; unread, the label stays as it was.
    QString reply;
    if (TransactTo(QString::number(address, 16).toUpper(), "PN?", &reply))
        axes.SetLabel(address, QStringLiteral("[%1] ").arg(address, 2, 10, QLatin1Char('0')) +
                                   CReplyValue::Text(reply, 2));
}
