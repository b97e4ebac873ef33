// The page's commands: the buttons that store, load the defaults, reset, name and transmit,
// the lists and current sliders whose values go to the stage as soon as the user changes
// them, the display radios and the filter that keeps unusable characters out of the axis
// name. Writes go to the page's axis with error messages on; the bus port's message is the
// only report of a failed single write.
#include "bus/cbusport.h"
#include "bus/creplytimeouts.h"
#include "controls/balloontip/cballoontip.h"
#include "pages/cdlgsetlogic.h"
#include "pages/cdlgsettingsqel.h"
#include "pages/cdlgstatqel.h"
#include "pages/cledpictures.h"
#include "pages/cstatusendstufe.h"
#include "pages/ctarnlinkdoc.h"
#include "pages/ctarnlinkview.h"
#include "pages/ctransmitnotice.h"
#include "pages/types/cendstufeshared.h"
#include "platform/cansitext.h"
#include "platform/cmdichildframe.h"
#include "platform/cmessageboxservice.h"
#include "platform/csleepservice.h"
#include "res/cbusaddress.h"
#include "res/cstringids.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QSignalBlocker>
#include <QSlider>

#include <algorithm>

namespace {

using Ids = CPageControlIds;

// The stage needs this long after a reset before it answers again.
constexpr int kResetSettleMs = 2500;
// The balloon's pointer stands this far inside the name edit's upper right corner.
constexpr int kTipInset = 10;

constexpr const char* kCurrentQueries[3] = {"S?", "R?", "A?"};

// The name ends up in window titles that become file names, and in a parameter file
// between "[pn" and "]", where a bracket would cut it when the file is read back.
bool IsForbiddenInName(QChar c)
{
    static const QString forbidden = QStringLiteral("/\\:*?<>|\"[]");
    return forbidden.contains(c);
}

QString LabelPrefix(int number)
{
    return QString::asprintf("[%02d] ", number);
}

} // namespace

void CTarnlinkView::ConnectCommands()
{
    const auto onClick = [this](int id, void (CTarnlinkView::*handler)()) {
        connect(m_form->Button(id), &QAbstractButton::clicked, this, handler);
    };
    onClick(Ids::kStoreButton, &CTarnlinkView::OnBnClickedStore);
    onClick(Ids::kDefaultsButton, &CTarnlinkView::OnBnClickedLoadDefaults);
    onClick(Ids::kResetButton, &CTarnlinkView::OnBnClickedReset);
    onClick(Ids::kQelResetButton, &CTarnlinkView::OnBnClickedQelReset);
    onClick(Ids::kSetNameButton, &CTarnlinkView::OnBnClickedSetName);
    onClick(Ids::kClearWatchdogButton, &CTarnlinkView::OnBnClickedClearWatchdog);
    onClick(Ids::kLogicButton, &CTarnlinkView::OnBnClickedLogicLevels);
    onClick(Ids::kStatusButton, &CTarnlinkView::OnBnClickedStatus);
    onClick(Ids::kQelStatusButton, &CTarnlinkView::OnBnClickedQelStatus);
    onClick(Ids::kQelSettingsButton, &CTarnlinkView::OnBnClickedQelSettings);
    connect(m_form->Button(Ids::kTransmitButton), &QAbstractButton::clicked, this,
            [this] { OnBnClickedTransmit(); });
    for (int radio : {Ids::kDisplay1Radio, Ids::kDisplay2Radio})
        connect(m_form->Button(radio), &QAbstractButton::clicked, this,
                [this, radio] { OnDisplayRadio(radio); });

    // Only a choice of the user is written, never a list filled or set by the page.
    const auto onChoice = [this](int id, void (CTarnlinkView::*handler)()) {
        connect(m_form->Combo(id), &QComboBox::activated, this, handler);
    };
    onChoice(Ids::kStepCombo, &CTarnlinkView::OnSelchangeStepResolution);
    onChoice(Ids::kDirectionCombo, &CTarnlinkView::OnSelchangeDirection);
    onChoice(Ids::kInputLogicCombo, &CTarnlinkView::OnSelchangeInputLogic);
    onChoice(Ids::kActivationCombo, &CTarnlinkView::OnSelchangeActivation);

    for (int which = 0; which < 3; ++which) {
        QSlider* slider = m_form->Slider(which);
        // Before the position moves: the value the stage still holds.
        connect(slider, &QAbstractSlider::sliderPressed, this,
                [this, which] { NoteCurrentChangeStart(which); });
        // The user moves it: from here on the current is the user's.
        connect(slider, &QAbstractSlider::actionTriggered, this, [this, which] {
            NoteCurrentChangeStart(which);
            m_currentKnown[static_cast<std::size_t>(which)] = true;
            m_currentClipped[static_cast<std::size_t>(which)] = false;
        });
    }
    connect(m_form->Slider(0), &QAbstractSlider::sliderReleased, this,
            &CTarnlinkView::OnReleasedStopSlider);
    connect(m_form->Slider(1), &QAbstractSlider::sliderReleased, this,
            &CTarnlinkView::OnReleasedRunSlider);
    connect(m_form->Slider(2), &QAbstractSlider::sliderReleased, this,
            &CTarnlinkView::OnReleasedBoostSlider);
    // Only what the user types or pastes is filtered: a name the stage or a file holds is
    // shown, saved and sent as it is, and the tip points at a field the user is working in.
    connect(m_form->Edit(Ids::kNameEdit), &QLineEdit::textEdited, this,
            &CTarnlinkView::OnChangeAxisName);
}

bool CTarnlinkView::TransactWithTimeout(const QByteArray& command, std::uint32_t timeoutMs)
{
    QString reply;
    return Port().Transact(m_address, command, &reply, true, timeoutMs);
}

void CTarnlinkView::MarkModified()
{
    if (CDocument* document = GetDocument())
        document->SetModifiedFlag(true);
}

void CTarnlinkView::ShowAxisLabel(int number, const QString& label)
{
    if (CDocument* document = GetDocument())
        document->SetTitle(label);
    m_host.Axes().SetLabel(number, label);
}

// ---- buttons -------------------------------------------------------------------------------

void CTarnlinkView::OnBnClickedStore()
{
    TransactWithTimeout("W", CReplyTimeouts::kStore);
}

void CTarnlinkView::OnBnClickedLoadDefaults()
{
    // A page whose window closes while the question is open sends nothing more.
    if (m_host.ShowMessage(LoadResString(CStringIds::kIdsDefaultsQuestion), MbOkCancel) != IdOk ||
        IsClosing())
        return;
    TransactWithTimeout("E", CReplyTimeouts::kLoadDefaults);
    // The defaults carry no name.
    const int number = AxisNumber();
    ShowAxisLabel(number, LabelPrefix(number));
    OnBnClickedReset();
    update();
    MarkModified();
}

void CTarnlinkView::OnBnClickedReset()
{
    m_statusTimer.stop();
    TransactWithTimeout("C", CReplyTimeouts::kReset);
    m_host.Sleeper().Sleep(kResetSettleMs);
    if (ReadAllParameters())
        m_statusTimer.start();
}

void CTarnlinkView::OnBnClickedQelReset()
{
    QString reply;
    Transact("XC", &reply);
}

void CTarnlinkView::OnBnClickedSetName()
{
    const QString name = m_form->Edit(Ids::kNameEdit)->text();
    if (m_address != CBusAddress::kOff &&
        !TransactWithTimeout("PN" + CAnsiText::FromUnicode(name), CReplyTimeouts::kPageName))
        return;
    // What follows a ";" in the name is the axis's allowed current.
    const int number = AxisNumber();
    ShowAxisLabel(number, LabelPrefix(number) + name);
    m_allowedMark = UpdateAllowedCurrentMark();
    update();
}

void CTarnlinkView::OnBnClickedClearWatchdog()
{
    if (LampImage(Ids::kWatchdogLamp) == CLedPictures::kYellowOff + 1)
        SetLamp(Ids::kWatchdogLamp, CLedPictures::kYellowOff);
}

// The dialogs stop the page's poll and leave it stopped until the page is activated again.
// They run through the view: a page whose axis the main frame drops meanwhile ends them and
// closes after they have returned, and does no more work on the way.
void CTarnlinkView::OnBnClickedStatus()
{
    m_statusTimer.stop();
    CStatusEndstufe dialog(m_host, window());
    dialog.m_address = m_address;
    dialog.m_deviceType = m_deviceType;
    dialog.m_firmware = m_firmware;
    dialog.DoModal([this](QDialog& d) { return RunModal(d); });
    // After a reset the stage works with its stored parameters.
    if (dialog.m_reset && !IsClosing())
        ReadAllParameters();
}

void CTarnlinkView::OnBnClickedQelStatus()
{
    m_statusTimer.stop();
    CDlgStatQEL dialog(m_host, window());
    dialog.m_address = m_address;
    dialog.DoModal([this](QDialog& d) { return RunModal(d); });
}

void CTarnlinkView::OnBnClickedQelSettings()
{
    m_statusTimer.stop();
    CDlgSettingsQEL dialog(m_host, window());
    dialog.m_address = m_address;
    dialog.m_settings = m_qelSettings;
    const int result = dialog.DoModal([this](QDialog& d) { return RunModal(d); });
    if (result != QDialog::Accepted)
        return;
    // The module has the settings now, and the page's next save reads them from it.
    if (m_address != CBusAddress::kOff) {
        MarkModified();
        return;
    }
    // An offline page keeps the module's settings for its file and its next transmission.
    if (dialog.m_settings != m_qelSettings) {
        m_qelSettings = dialog.m_settings;
        MarkModified();
    }
}

bool CTarnlinkView::OnBnClickedTransmit()
{
    m_leftOut.clear();
    m_clipped.clear();
    const int number = ScanAddress(m_fileAddress);
    if (m_host.Axes().Image(m_axisAddress) == CPageHost::ImageGrey) {
        // A project transfer lists the axis in its report instead.
        if (!m_host.m_transferRunning)
            m_host.ShowMessage(LoadResString(CStringIds::kIdsTargetOffline) +
                                   QString::asprintf("%02d", number) +
                                   LoadResString(CStringIds::kIdsTargetOfflineEnd),
                               MbOk);
        return false;
    }
    CloseOnlinePageOfAxis();
    CEndstufe* type = Type();
    const bool transmitted = type && type->TransmitSettings(m_fileAddress);
    // The page closes after it: what did not go out as it shows is said now, unless a
    // project transfer's report says it.
    const CTransmitNotice notice(m_leftOut, m_clipped);
    if (transmitted && !notice.IsEmpty() && !m_host.m_transferRunning)
        m_host.ShowMessage(
            notice.Fill(m_host.AxisMessage(notice.TextId(), QString::number(number))),
            MbOk | MbIconWarning);
    // The label keeps the name it has until the page's closing reads the stage's name back:
    // a stage that does not answer then leaves the axis with the name it had, not without one.
    CloseFrameLater();
    return transmitted;
}

void CTarnlinkView::CloseOnlinePageOfAxis()
{
    const QList<CMdiChildFrame*> frames = m_host.DocumentWindows();
    const qsizetype active = frames.indexOf(m_host.ActiveDocumentWindow());
    for (qsizetype i = active + 1; active >= 0 && i < frames.size(); ++i) {
        const CTarnlinkView* view = Of(frames[i]);
        if (!view)
            continue;
        QString address = view->AddressText();
        if (address.size() == 1)
            address.prepend(QLatin1Char('0'));
        if (address == m_fileAddress) {
            // Gone without questions: the axis is about to get this page's settings.
            frames[i]->DeleteWindow();
            return;
        }
    }
}

void CTarnlinkView::OnDisplayRadio(int radio)
{
    CEndstufeShared::SelectEntry(m_form->Combo(Ids::kInputFunctionCombo),
                                 radio == Ids::kDisplay1Radio ? m_displayType1 : m_displayType2);
}

void CTarnlinkView::OnBnClickedLogicLevels()
{
    CDlgSetLogic dialog(m_host.BusPort(), this);
    dialog.m_deviceType = m_deviceType;
    dialog.m_address = m_address;
    dialog.m_levels = m_logicLevels;
    dialog.OnInitDialog();
    RunModal(dialog);
    // The dialog wrote each level as it was chosen.
    if (dialog.m_levels != m_logicLevels) {
        m_logicLevels = dialog.m_levels;
        MarkModified();
    }
}

// ---- lists ---------------------------------------------------------------------------------

void CTarnlinkView::WriteSelection(const char* mnemonic, int combo)
{
    QString reply;
    Transact(QByteArray(mnemonic) + QByteArray::number(m_form->Combo(combo)->currentIndex()),
             &reply);
    MarkModified();
}

void CTarnlinkView::OnSelchangeStepResolution()
{
    WriteSelection("M", Ids::kStepCombo);
}

void CTarnlinkView::OnSelchangeDirection()
{
    WriteSelection("G", Ids::kDirectionCombo);
}

void CTarnlinkView::OnSelchangeInputLogic()
{
    WriteSelection("L", Ids::kInputLogicCombo);
}

void CTarnlinkView::OnSelchangeActivation()
{
    WriteSelection("U", Ids::kActivationCombo);
}

// ---- current sliders -----------------------------------------------------------------------

void CTarnlinkView::OnReleasedStopSlider()
{
    ReleaseCurrent(0);
}

void CTarnlinkView::OnReleasedRunSlider()
{
    ReleaseCurrent(1);
}

void CTarnlinkView::OnReleasedBoostSlider()
{
    ReleaseCurrent(2);
}

void CTarnlinkView::ReleaseCurrent(int slider)
{
    // A slider let go where the page's unknown current left it carries nothing to write.
    if (!CurrentKnown(slider)) {
        m_currentBefore.at(static_cast<std::size_t>(slider)).reset();
        return;
    }
    if (slider == 1) {
        if (CEndstufe* type = Type())
            type->ClampRunCurrent();
    } else if (slider == 2) {
        UpdateAllowedCurrentMark();
    }
    if (WriteReleasedCurrent(slider))
        MarkModified();
}

bool CTarnlinkView::WriteReleasedCurrent(int slider)
{
    const QByteArray query(kCurrentQueries[slider]);
    if (!ConfirmCurrentSetting(query))
        return false;
    QString reply;
    Transact(query.left(1) + QByteArray::number(m_form->Slider(slider)->value()), &reply);
    return true;
}

// ---- name ----------------------------------------------------------------------------------

void CTarnlinkView::OnChangeAxisName()
{
    QLineEdit* edit = m_form->Edit(Ids::kNameEdit);
    const QString text = edit->text();
    // What this edit put in lies between what it kept of the name at either end: a pasted
    // text brings its characters anywhere, and a name the stage or a file holds keeps its own.
    const qsizetype shorter = std::min(text.size(), m_nameBefore.size());
    qsizetype head = 0;
    while (head < shorter && text.at(head) == m_nameBefore.at(head))
        ++head;
    qsizetype tail = 0;
    while (tail < shorter - head &&
           text.at(text.size() - 1 - tail) == m_nameBefore.at(m_nameBefore.size() - 1 - tail))
        ++tail;
    QString inserted = text.mid(head, text.size() - head - tail);
    if (inserted.removeIf(IsForbiddenInName).size() == text.size() - head - tail) {
        if (m_nameTip)
            m_nameTip->hide();
    } else {
        if (m_nameTip) {
            const QPoint tip = edit->mapToGlobal(QPoint(edit->width() - kTipInset, kTipInset));
            m_nameTip->Show(LoadResString(CStringIds::kIdsNameCharacters), &tip);
        }
        // The cleaned text is no new change: the tip stays.
        const QSignalBlocker quiet(edit);
        edit->setText(text.left(head) + inserted + text.right(tail));
        edit->setCursorPosition(int(head + inserted.size()));
    }
    m_nameBefore = edit->text();
    FitNameLimit();
}
