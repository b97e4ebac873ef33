#include "pages/types/cendstufeshared.h"

#include "bus/cbusport.h"
#include "bus/creplytimeouts.h"
#include "controls/scalelabel/cscalelabel.h"
#include "pages/creplyvalue.h"
#include "pages/ctarnlinkview.h"
#include "platform/cansitext.h"
#include "res/cstringids.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QCursor>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QSlider>
#include <QSpinBox>
#include <QToolTip>

#include <cstring>

namespace {

using Ids = CPageControlIds;

int EchoLength(const char* query)
{
    // The mnemonic without its "?".
    return static_cast<int>(std::strlen(query)) - 1;
}

// The step list of `type`, each entry its step word between prefix and suffix.
void FillSteps(CTarnlinkView& view, const CDeviceTypeInfo& type)
{
    const QString step = view.LoadResString(CStringIds::kIdsStepWord);
    QComboBox* steps = view.Form().Combo(Ids::kStepCombo);
    steps->clear();
    for (std::size_t i = 0; i < type.steps.size(); ++i) {
        const char* suffix = i < type.stepSuffixes.size() ? type.stepSuffixes[i] : "";
        steps->addItem(QString::fromLatin1(type.steps[i]) + step + QString::fromLatin1(suffix));
    }
}

} // namespace

void CEndstufeShared::SetupPage(CTarnlinkView& view, const CPageSetup& setup)
{
    CParameterForm& form = view.Form();
    for (int which = 0; which < 3; ++which) {
        form.Slider(which)->setRange(0, setup.sliderMax);
        form.Slider(which)->setTickInterval(setup.tickFrequency);
    }
    const CDeviceTypeInfo& type = CDeviceType::Info(view.DeviceType());
    FillSteps(view, type);
    const int stepsPerAmpere = CDeviceType::StepsPerAmpere(type.currentUnit);
    for (int which = 0; which < 3; ++which) {
        form.Scale(which)->setText(QString::fromLatin1(type.scaleText));
        form.Scale(which)->SetStepsPerUnit(stepsPerAmpere);
    }
    if (!type.temperatureModule) {
        for (int id : {Ids::kQelStatusButton, Ids::kQelResetButton, Ids::kQelSettingsButton,
                       Ids::kQelGroup, Ids::kQelSwitch})
            form.Control(id)->hide();
    }
    {
        // A position the new range moves is none the user chose.
        const QSignalBlocker quiet(form.DelaySpin());
        form.DelaySpin()->setRange(setup.spinMin, setup.spinMax);
    }
    view.m_markerScale = setup.markerScale;
}

bool CEndstufeShared::ReadQueries(CTarnlinkView& view, std::span<const CParamQuery> queries)
{
    CParameterForm& form = view.Form();
    for (const CParamQuery& query : queries) {
        QString reply;
        if (!view.Transact(query.command, &reply))
            return false;
        const int value = CReplyValue::Int(reply, EchoLength(query.command));
        switch (query.target) {
        case QueryTarget::Name:
            view.SetName(CReplyValue::Text(reply, 2));
            break;
        case QueryTarget::Slider:
            view.SetCurrent(query.arg, value);
            break;
        case QueryTarget::Combo:
            SelectEntry(form.Combo(query.arg), value);
            break;
        case QueryTarget::DelayTime:
            view.SetDelay(value);
            break;
        case QueryTarget::LogicLevel:
            view.SetLogicLevel(query.arg, value);
            break;
        case QueryTarget::DisplayType:
            view.SetDisplayType(query.arg, value);
            view.ShowDisplayMenu();
            break;
        case QueryTarget::ShapeAndChopper: {
            QComboBox* shape = form.Combo(query.arg);
            SelectEntry(shape, value);
            form.Combo(Ids::kOutputFunctionCombo)
                ->setEnabled(shape->currentIndex() != 0 && !view.ParametersLocked());
            break;
        }
        case QueryTarget::Lock:
            view.EnableParameterControls(reply != QStringLiteral("ps0"));
            break;
        case QueryTarget::Firmware:
            view.m_firmware = static_cast<float>(CReplyValue::ToFloat(CReplyValue::Tail(reply, 4)));
            break;
        case QueryTarget::OperationState:
            ShowOperationState(view, reply == QStringLiteral("ps0"), query.arg, value);
            break;
        case QueryTarget::FrequencyEntry:
            SelectEntryBeginning(form.Combo(query.arg),
                                 CReplyValue::Text(reply, 2) + QStringLiteral(" Hz"));
            break;
        case QueryTarget::Unused:
            break;
        }
    }
    return true;
}

bool CEndstufeShared::ReadWithCommon(CTarnlinkView& view, std::span<const CParamQuery> own,
                                     bool withName)
{
    const std::span<const CParamQuery> common = CDeviceTypeTables::CommonReads();
    return ReadQueries(view, withName ? common : common.subspan(1)) && ReadQueries(view, own);
}

bool CEndstufeShared::ReadType(CTarnlinkView& view, const CTypeTables& tables)
{
    if (tables.levels.empty())
        return ReadWithCommon(view, tables.reads);
    // The input levels stand where the others read the one input logic "L?".
    const std::span<const CParamQuery> common = CDeviceTypeTables::CommonReads();
    constexpr std::size_t kInputLogic = 6;
    return ReadQueries(view, common.first(kInputLogic)) && ReadQueries(view, tables.levels) &&
           ReadQueries(view, common.subspan(kInputLogic + 1)) && ReadQueries(view, tables.reads);
}

bool CEndstufeShared::TransmitType(CTarnlinkView& view, const QString& address,
                                   const CTypeTables& tables)
{
    return TransmitCommon(view, address) && WriteValues(view, address, tables.writes) &&
           WriteValues(view, address, CDeviceTypeTables::LevelWrites(tables.levels.size()));
}

bool CEndstufeShared::TransmitCommon(CTarnlinkView& view, const QString& address)
{
    return TransmitName(view, address) &&
           WriteValues(view, address, CDeviceTypeTables::CommonWrites());
}

bool CEndstufeShared::TransmitName(CTarnlinkView& view, const QString& address)
{
    // The writes after the name go with the default time-out, with a name or without.
    CBusPort& port = view.Port();
    const CBusPort::TimeoutScope nameWrite(port, CReplyTimeouts::kTransmitName);
    if (!view.NameKnown())
        return true;
    const QString name = view.Form().Edit(Ids::kNameEdit)->text();
    QString reply;
    return port.Transact(address, "PN" + CAnsiText::FromUnicode(name), &reply, true);
}

bool CEndstufeShared::WriteValues(CTarnlinkView& view, const QString& address,
                                  std::span<const CParamWrite> writes)
{
    CParameterForm& form = view.Form();
    for (const CParamWrite& write : writes) {
        int value = 0;
        bool known = true;
        bool clipped = false;
        switch (write.source) {
        case WriteSource::Slider:
            value = form.Slider(write.arg)->value();
            known = view.CurrentKnown(write.arg);
            clipped = view.CurrentClipped(write.arg);
            break;
        case WriteSource::Combo:
            value = form.Combo(write.arg)->currentIndex();
            known = value >= 0;
            break;
        case WriteSource::DelaySpin:
            value = form.DelaySpin()->value();
            known = view.DelayKnown();
            clipped = view.DelayClipped();
            break;
        case WriteSource::LogicLevel:
            value = view.m_logicLevels.at(static_cast<std::size_t>(write.arg));
            known = CTarnlinkView::LevelKnown(value);
            break;
        case WriteSource::DisplayType:
            value = write.arg == 1 ? view.m_displayType1 : view.m_displayType2;
            known = value >= 0;
            break;
        }
        if (!known) {
            view.NoteLeftOut(write.mnemonic);
            continue;
        }
        QString reply;
        if (!view.TransactTo(address, QByteArray(write.mnemonic) + QByteArray::number(value),
                             &reply))
            return false;
        if (clipped)
            view.NoteClipped(write.mnemonic);
    }
    return true;
}

void CEndstufeShared::ShowCurrentText(CTarnlinkView& view, int slider)
{
    QSlider* control = view.Form().Slider(slider);
    if (!control)
        return;
    const CurrentUnit unit = CDeviceType::Info(view.DeviceType()).currentUnit;
    // A current the page does not know shows no value.
    const QString text =
        view.CurrentKnown(slider) ? CDeviceType::CurrentText(unit, control->value()) : QString();
    view.Form().CurrentText(slider)->setText(text);
    control->setToolTip(text);
    if (QToolTip::isVisible() && control->underMouse())
        QToolTip::showText(QCursor::pos(), text, control);
}

void CEndstufeShared::ShowDelayMilliseconds(CTarnlinkView& view, int position,
                                            const QWidget* scrollControl)
{
    if (scrollControl && scrollControl == view.Form().DelaySpin())
        view.Form().Edit(Ids::kDelayText)->setText(QStringLiteral("%1 ms").arg(position));
}

void CEndstufeShared::ShowDelayTable(CTarnlinkView& view, int position,
                                     const QWidget* scrollControl)
{
    if (scrollControl && scrollControl == view.Form().DelaySpin())
        view.Form().Edit(Ids::kDelayText)->setText(CDeviceTypeTables::DelayTableText(position));
}

void CEndstufeShared::SendOutputFunction(CTarnlinkView& view)
{
    SendSelection(view, "PO", Ids::kOutputFunctionCombo);
}

void CEndstufeShared::SendSelection(CTarnlinkView& view, const char* mnemonic, int combo)
{
    const int selection = view.Form().Combo(combo)->currentIndex();
    QString reply;
    view.Transact(QByteArray(mnemonic) + QByteArray::number(selection), &reply);
}

void CEndstufeShared::ShowOperationState(CTarnlinkView& view, bool locked, int combo, int value)
{
    view.EnableParameterControls(!locked);
    QLineEdit* mode = view.Form().Edit(Ids::kModeEdit);
    mode->setText(
        view.LoadResString(locked ? CStringIds::kIdsBusAndSwitch : CStringIds::kIdsBusExclusive));
    SelectEntry(view.Form().Combo(combo), value);
}

void CEndstufeShared::ShowControls(CTarnlinkView& view, std::initializer_list<int> ids, bool show)
{
    for (int id : ids) {
        if (QWidget* control = view.Form().Control(id))
            control->setVisible(show);
    }
}

void CEndstufeShared::EnableControls(CTarnlinkView& view, std::initializer_list<int> ids,
                                     bool enable)
{
    for (int id : ids) {
        if (QWidget* control = view.Form().Control(id))
            control->setEnabled(enable);
    }
}

void CEndstufeShared::PollLock(CTarnlinkView& view)
{
    QString reply;
    view.Transact("PS?", &reply);
    view.EnableParameterControls(CReplyValue::Last(reply) != QLatin1Char('0'));
}

void CEndstufeShared::SendDisplayMenu(CTarnlinkView& view)
{
    const int selection = view.Form().Combo(Ids::kInputFunctionCombo)->currentIndex();
    const bool first = view.Form().Button(Ids::kDisplay1Radio)->isChecked();
    view.SetDisplayType(first ? 1 : 2, selection);
    QString reply;
    view.Transact((first ? "PL" : "PM") + QByteArray::number(selection), &reply);
}

void CEndstufeShared::SendBusMode(CTarnlinkView& view)
{
    SendSelection(view, "PX", Ids::kOperationModeCombo);
}

void CEndstufeShared::SendCurrentShape(CTarnlinkView& view)
{
    SendSelection(view, "PC", Ids::kInputFunctionCombo);
}

void CEndstufeShared::SendChopperFrequency(CTarnlinkView& view)
{
    SendSelection(view, "PE", Ids::kOutputFunctionCombo);
}

void CEndstufeShared::SetupDisplayPage(CTarnlinkView& view, const CPageSetup& setup)
{
    SetupPage(view, setup);
    FillBusModes(view, Ids::kOperationModeCombo);
    CParameterForm& form = view.Form();
    ShowControls(view, {Ids::kDisplay1Radio, Ids::kDisplay2Radio}, true);
    form.Label(Ids::kInputFunctionLabel)->setText(QStringLiteral("Display Menu"));
    form.Button(Ids::kDisplay1Radio)->setChecked(true);
    FillList(form.Combo(Ids::kInputFunctionCombo),
             {QStringLiteral("I+U"), QStringLiteral("I+M"), QStringLiteral("I+T"),
              QStringLiteral("Temp"), QStringLiteral("none")});
    ShowControls(view, {Ids::kLogicButton}, true);
    ShowControls(view, {Ids::kInputLogicCombo}, false);
}

void CEndstufeShared::FillList(QComboBox* combo, const QStringList& entries)
{
    combo->clear();
    combo->addItems(entries);
}

void CEndstufeShared::FillOffOn(CTarnlinkView& view, std::initializer_list<int> ids)
{
    const QStringList offOn = {view.LoadResString(CStringIds::kIdsOff),
                               view.LoadResString(CStringIds::kIdsOn)};
    for (int id : ids)
        FillList(view.Form().Combo(id), offOn);
}

void CEndstufeShared::FillBusModes(CTarnlinkView& view, int combo)
{
    FillList(view.Form().Combo(combo), {view.LoadResString(CStringIds::kIdsBusAndSwitch),
                                        view.LoadResString(CStringIds::kIdsBusExclusive)});
}

void CEndstufeShared::LoadCurrentDefaults(CTarnlinkView& view)
{
    SetDefaults(view, 1, 2, 4, 40);
}

void CEndstufeShared::LoadDrqDefaults(CTarnlinkView& view)
{
    SetDefaults(view, 10, 20, 40, 10);
}

void CEndstufeShared::SetDefaults(CTarnlinkView& view, int stop, int run, int boost, int delay)
{
    view.SetCurrent(0, stop);
    view.SetCurrent(1, run);
    view.SetCurrent(2, boost);
    view.SetDelay(delay);
}

void CEndstufeShared::RaiseRunCurrent(CTarnlinkView& view, int least)
{
    QSlider* run = view.Form().Slider(1);
    if (run->value() < least)
        run->setValue(least);
}

void CEndstufeShared::SelectEntry(QComboBox* combo, int index)
{
    if (!combo)
        return;
    combo->setCurrentIndex(index >= 0 && index < combo->count() ? index : -1);
}

void CEndstufeShared::SelectEntryBeginning(QComboBox* combo, const QString& text)
{
    if (!combo || combo->count() == 0)
        return;
    // From the second entry on, then the first. The frequency texts ("%d Hz") never share
    // a beginning, so for them the order decides nothing; in a list whose entries did, a
    // match after the first entry would win over the first.
    for (int step = 1; step <= combo->count(); ++step) {
        const int index = step % combo->count();
        if (combo->itemText(index).startsWith(text, Qt::CaseInsensitive)) {
            combo->setCurrentIndex(index);
            return;
        }
    }
}

void CEndstufeShared::SetSpinPosition(QSpinBox* spin, int position)
{
    const QSignalBlocker quiet(spin);
    spin->setValue(position);
}
