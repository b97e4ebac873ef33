// The parameter page's printing: the sheet of one axis on one page. An online page asks its
// stage for the version, and a KEV with its module ticked the module's settings, when
// printing begins; everything else comes from the page's controls.
#include "pages/ctarnlinkview.h"

#include "pages/cpagecontrolids.h"
#include "res/cbusaddress.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDate>
#include <QLineEdit>
#include <QPainter>

namespace {

using Ids = CPageControlIds;

// The module's settings in the order the sheet and the file keep them.
constexpr const char* kModuleQueries[] = {"XW", "XX", "XY", "XZ", "XF", "XT"};

} // namespace

bool CTarnlinkView::OnPreparePrinting(CPrintInfo& info)
{
    // The sheet is one page whatever the printer dialog offers.
    info.SetMaxPage(1);
    return DoPreparePrinting(info);
}

void CTarnlinkView::OnBeginPrinting(QPainter& painter, CPrintInfo& info)
{
    m_printing = true;
    m_printVersionReply.clear();
    CView::OnBeginPrinting(painter, info);
    if (m_address == CBusAddress::kOff)
        return;
    // A stage that does not answer has shown its message; the sheet prints what the page
    // holds, and the queries stop at the first that fails.
    if (!Transact("B", &m_printVersionReply))
        return;
    const auto* box = qobject_cast<QAbstractButton*>(m_form->Control(Ids::kQelSwitch));
    if (!CDeviceType::Info(m_deviceType).temperatureModule || !box || !box->isChecked())
        return;
    for (std::size_t i = 0; i < std::size(kModuleQueries); ++i) {
        QString reply;
        if (!Transact(kModuleQueries[i], &reply))
            return;
        m_qelSettings[i] = reply;
    }
    Transact("XB", &m_moduleVersionText);
}

CParameterSheet::Data CTarnlinkView::SheetData() const
{
    CParameterSheet::Data data;
    data.deviceType = m_deviceType;
    data.online = m_address != CBusAddress::kOff;
    data.address = data.online ? m_address : m_fileAddress;
    data.typeName = CDeviceType::Name(m_deviceType);
    data.versionReply = m_printVersionReply;
    data.name = m_form->Edit(Ids::kNameEdit)->text();
    for (int slider = 0; slider < 3; ++slider)
        data.currents[static_cast<std::size_t>(slider)] = m_form->CurrentText(slider)->text();
    data.delay = m_form->Edit(Ids::kDelayText)->text();
    const auto shown = [this](int combo) { return m_form->Combo(combo)->currentText(); };
    data.step = shown(Ids::kStepCombo);
    data.direction = shown(Ids::kDirectionCombo);
    data.inputFunction = shown(Ids::kInputFunctionCombo);
    data.inputLogic = shown(Ids::kInputLogicCombo);
    data.activation = shown(Ids::kActivationCombo);
    data.outputFunction = shown(Ids::kOutputFunctionCombo);
    data.operationMode = shown(Ids::kOperationModeCombo);
    std::copy(m_logicLevels.begin(), m_logicLevels.end(), data.logicLevels.begin());
    data.display1 = m_displayType1;
    data.display2 = m_displayType2;
    const auto* box = qobject_cast<QAbstractButton*>(m_form->Control(Ids::kQelSwitch));
    data.moduleTicked = box && box->isChecked();
    data.moduleVersionReply = m_moduleVersionText;
    data.qelSettings = m_qelSettings;
    return data;
}

void CTarnlinkView::OnPrint(QPainter& painter, CPrintInfo& info)
{
    const CParameterSheet sheet(SheetData(), [this](unsigned id) { return LoadResString(id); });
    sheet.Paint(painter, info.m_rectDraw.size(), window()->windowTitle(), QDate::currentDate());
    CView::OnPrint(painter, info);
}

void CTarnlinkView::OnEndPrinting(QPainter& painter, CPrintInfo& info)
{
    m_printing = false;
    CView::OnEndPrinting(painter, info);
}
