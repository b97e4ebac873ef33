// The page's side of its parameter file: the offline fill from the file's lines (address
// and axis, the listed axis known only from a file, the values), a new axis set up
// with its type's defaults, and the values the page hands to a save.
#include "pages/cparameterline.h"
#include "pages/ctarnlinkdoc.h"
#include "pages/ctarnlinkview.h"
#include "pages/types/cendstufeshared.h"
#include "platform/cmdichildframe.h"
#include "platform/cmessageboxservice.h"
#include "res/cbusaddress.h"
#include "res/cstringids.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QSlider>
#include <QSpinBox>

namespace {

using Ids = CPageControlIds;

const std::array<QString, 6> kDefaultModuleSettings = {
    QStringLiteral("xw0"),   QStringLiteral("xx100"), QStringLiteral("xy150"),
    QStringLiteral("xz200"), QStringLiteral("xf1"),   QStringLiteral("xt10"),
};

} // namespace

void CTarnlinkView::SetUpOfflinePage()
{
    if (m_address != CBusAddress::kOff)
        return;
    if (IsNewAxis()) {
        // File New: the new-axis dialog chose type and address.
        const CPageOpening& opening = GetDocument()->Opening();
        m_deviceType = opening.type;
        m_fileAddress = opening.newAxisAddress;
        return;
    }
    m_deviceType = ::DeviceType::Kev;
    m_fileReading = CParameterFileReader::Read(GetDocument()->Lines(),
                                               LoadResString(CStringIds::kIdsAddressLabel));
    if (!m_fileReading.Usable()) {
        m_host.ShowMessage(LoadResString(CStringIds::kIdsNotAParameterFile) +
                               GetDocument()->GetPathName(),
                           MbOk | MbIconWarning);
        CloseFrameLater();
        return;
    }
    for (const CParameterFileReader::Axis& axis : m_fileReading.axes) {
        m_fileAddress = axis.address;
        RegisterAxis(axis);
    }
}

bool CTarnlinkView::IsNewAxis() const
{
    const CTarnlinkDoc* document = GetDocument();
    return document && document->Opening().IsNewAxis();
}

void CTarnlinkView::ApplyParameterLines()
{
    for (int id = Ids::kStatusButton; id <= Ids::kDefaultsButton; ++id)
        m_form->Control(id)->setEnabled(false);
    m_form->Control(Ids::kTransmitButton)->setEnabled(true);
    for (const CParameterFileReader::Line& line : m_fileReading.lines) {
        for (const CParameterFileReader::Value& value : line.values)
            ApplyParameterValue(value);
        if (line.endsReading)
            return;
        // Files without module lines keep the module's default settings.
        if (m_qelSettings[0].isEmpty())
            m_qelSettings = kDefaultModuleSettings;
    }
}

void CTarnlinkView::ApplyParameterValue(const CParameterFileReader::Value& value)
{
    using Key = CParameterFileReader::Key;
    const auto select = [this, &value](int combo) {
        CEndstufeShared::SelectEntry(m_form->Combo(combo), value.number);
    };
    switch (value.key) {
    case Key::Name:
        SetName(value.text);
        break;
    case Key::StopCurrent:
        SetCurrent(0, value.number);
        break;
    case Key::RunCurrent:
        SetCurrent(1, value.number);
        break;
    case Key::BoostCurrent:
        SetCurrent(2, value.number);
        break;
    case Key::StepResolution:
        select(Ids::kStepCombo);
        break;
    case Key::Direction:
        select(Ids::kDirectionCombo);
        break;
    case Key::InputFunction:
    case Key::CurrentShape:
        select(Ids::kInputFunctionCombo);
        break;
    case Key::InputLogic:
        select(Ids::kInputLogicCombo);
        break;
    case Key::LogicClock:
    case Key::LogicDirection:
    case Key::LogicBoost:
    case Key::LogicActivation:
    case Key::LogicReset:
    case Key::LogicDeselect:
        SetLogicLevel(static_cast<int>(value.key) - static_cast<int>(Key::LogicClock),
                      value.number);
        break;
    case Key::DelayTime:
        // A position the spin cannot hold is no delay the page knows, however many of its
        // digits would fit.
        SetDelay(value.number);
        break;
    case Key::Activation:
        select(Ids::kActivationCombo);
        break;
    case Key::Overdrive:
        // The UQT keeps its overdrive in the first function list, the others in the second.
        select(m_deviceType == ::DeviceType::Uqt ? Ids::kInputFunctionCombo
                                                 : Ids::kOutputFunctionCombo);
        break;
    case Key::OutputFunction:
    case Key::ChopperFrequency:
        select(Ids::kOutputFunctionCombo);
        break;
    case Key::OperationState:
        ApplyOperationMode(value.number);
        break;
    case Key::DisplayMenu1:
    case Key::DisplayMenu2:
        SetDisplayType(value.key == Key::DisplayMenu1 ? 1 : 2, value.number);
        ShowDisplayMenu();
        break;
    case Key::OperationMode:
        select(Ids::kOperationModeCombo);
        break;
    case Key::ModuleSwitch:
        m_form->Button(Ids::kQelSwitch)->setChecked(true);
        OnBnClickedQelOnline();
        break;
    case Key::ModuleSetting:
        m_qelSettings[static_cast<std::size_t>(value.index)] = value.text;
        break;
    }
}

void CTarnlinkView::ApplyOperationMode(int value)
{
    if (m_deviceType == ::DeviceType::DrqPlus) {
        if (auto* edit = m_form->Edit(Ids::kModeEdit))
            edit->setText(LoadResString(value == 0 ? CStringIds::kIdsBusAndSwitch
                                                   : CStringIds::kIdsBusExclusive));
    }
    // The DRQ+'s hidden list keeps the mode, so that the page saves what it shows.
    CEndstufeShared::SelectEntry(m_form->Combo(Ids::kOperationModeCombo), value);
}

void CTarnlinkView::InitControlsForType()
{
    for (int id = Ids::kStatusButton; id <= Ids::kDefaultsButton; ++id)
        m_form->Control(id)->setEnabled(false);
    m_form->Control(Ids::kTransmitButton)->setEnabled(true);
    RegisterAxis(CParameterFileReader::AxisOf(
        m_fileAddress, QStringLiteral("[b") + CDeviceType::Name(m_deviceType) + QLatin1Char(']'),
        QString()));
    for (int id :
         {Ids::kStepCombo, Ids::kDirectionCombo, Ids::kInputFunctionCombo, Ids::kInputLogicCombo,
          Ids::kActivationCombo, Ids::kOutputFunctionCombo, Ids::kOperationModeCombo})
        CEndstufeShared::SelectEntry(m_form->Combo(id), 0);
    // The currents and the delay start where the type's set-up left the controls; they are
    // the new axis's values as much as the ones its defaults set over them.
    for (int which = 0; which < 3; ++which)
        SetCurrent(which, m_form->Slider(which)->value());
    SetDelay(m_form->DelaySpin()->value());
    // A new axis starts from the first entries: positive levels, the first display menus.
    m_logicLevels.fill(0);
    m_displayType1 = m_displayType2 = 0;
    // A new axis starts with the module's default settings, as a file without module lines.
    m_qelSettings = kDefaultModuleSettings;
    if (CEndstufe* type = Type())
        type->LoadDefaults();
}

void CTarnlinkView::RegisterAxis(const CParameterFileReader::Axis& axis)
{
    m_fileAddress = axis.address;
    bool valid = false;
    const int address = m_fileAddress.toInt(&valid, 16);
    m_versionText = axis.versionText;
    // An address the bus cannot carry is not listed.
    if (!valid || address < 0 || address >= CPageHost::kAddressSlots)
        return;
    // An axis left showing a page that has gone takes this file as it would without one.
    m_host.SettleAxis(address);
    if (const std::optional<::DeviceType> listed = m_host.Axes().Type(address)) {
        JoinKnownAxis(address, *listed, axis.typeLine);
        return;
    }
    // A file of no known type cannot be listed under a type.
    if (!axis.type)
        return;
    const QString name = axis.name.isEmpty() ? QString() : QLatin1Char(' ') + axis.name;
    if (!m_host.AddAxis(address, *axis.type,
                        QStringLiteral("[%1]").arg(address, 2, 10, QLatin1Char('0')) + name,
                        CPageHost::ImageGrey))
        return;
    m_axisAddress = address;
    m_deviceType = *axis.type;
}

void CTarnlinkView::JoinKnownAxis(int address, ::DeviceType listed, const QString& typeLine)
{
    // A file page of this axis is open already: it comes to the front, this one goes. Only
    // an open page refuses the file, never a picture or a flag left behind by one.
    if (CMdiChildFrame* holder = m_host.PageOfAxis(address, this)) {
        CloseFrameLater();
        m_host.ActivateDocumentWindow(holder);
        return;
    }
    // The axis is online: the file joins it when it is of the same type.
    if (m_host.IsAxisOfType(typeLine, address)) {
        m_axisAddress = address;
        m_deviceType = listed;
        m_host.Axes().SetImage(address, CPageHost::ImageYellow);
        return;
    }
    if (!m_host.m_transferRunning) {
        m_host.ShowMessage(m_host.AxisExistsMessage(listed, m_fileAddress), MbOk);
    }
    // The refused page leaves the online axis alone as it closes.
    CloseFrameLater();
}

bool CTarnlinkView::CollectFileContent(CParameterFile::Content& content)
{
    using Source = CParameterFile::Source;
    const bool online = m_address != CBusAddress::kOff;
    content.deviceType = m_deviceType;
    content.address = online ? m_address : m_fileAddress;
    content.versionText = m_versionText;
    // Online the stage itself tells its version, fresh for every save.
    if (online && !Transact("B", &content.versionText))
        return false;
    content.name = m_form->Edit(Ids::kNameEdit)->text();
    // What the page does not know goes into the file as -1, which no control holds, so
    // that the file read again leaves it unknown.
    const auto current = [this](int slider) {
        return CurrentKnown(slider) ? m_form->Slider(slider)->value() : -1;
    };
    content.stopCurrent = current(0);
    content.runCurrent = current(1);
    content.boostCurrent = current(2);
    content.stepResolution = m_form->Combo(Ids::kStepCombo)->currentIndex();
    content.direction = m_form->Combo(Ids::kDirectionCombo)->currentIndex();
    content.delayTime = m_delayKnown ? m_form->DelaySpin()->value() : -1;
    content.activation = m_form->Combo(Ids::kActivationCombo)->currentIndex();
    const auto set = [&content](Source source, int value) {
        content.sources[static_cast<std::size_t>(source)] = value;
    };
    set(Source::InputCombo, m_form->Combo(Ids::kInputFunctionCombo)->currentIndex());
    set(Source::OutputCombo, m_form->Combo(Ids::kOutputFunctionCombo)->currentIndex());
    set(Source::ModeCombo, m_form->Combo(Ids::kOperationModeCombo)->currentIndex());
    set(Source::LogicCombo, m_form->Combo(Ids::kInputLogicCombo)->currentIndex());
    set(Source::Display1, m_displayType1);
    set(Source::Display2, m_displayType2);
    for (std::size_t i = 0; i < m_logicLevels.size(); ++i)
        set(static_cast<Source>(static_cast<int>(Source::LogicClock) + static_cast<int>(i)),
            m_logicLevels[i]);

    const auto* box = qobject_cast<QAbstractButton*>(m_form->Control(Ids::kQelSwitch));
    content.moduleTicked = box && box->isChecked();
    content.moduleOnline = online;
    content.moduleLines.clear();
    if (!CDeviceType::Info(m_deviceType).temperatureModule || !content.moduleTicked)
        return true;
    if (!online) {
        for (const QString& setting : m_qelSettings)
            content.moduleLines.append(setting);
        return true;
    }
    for (const char* command : {"XB", "XW", "XX", "XY", "XZ", "XF", "XT"}) {
        QString reply;
        if (!Transact(command, &reply))
            return false;
        content.moduleLines.append(reply);
    }
    return true;
}
