// The offline fill of the parameter page: the address and axis of a parameter file, the
// tree item of an axis known only from a file, and a new axis set up with its type's
// defaults.
#include "pages/cendstufeshared.h"
#include "pages/cparameterline.h"
#include "pages/ctarnlinkdoc.h"
#include "pages/ctarnlinkview.h"
#include "shell/cmainframe.h"
#include "shell/ctarnlinkapp.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QTreeWidget>

namespace {

using Ids = CPageControlIds;

const QString kOff = QStringLiteral("Off");
constexpr unsigned kIdsAddressLabel = 10101;

const std::array<QString, 6> kDefaultModuleSettings = {
    QStringLiteral("xw0"),   QStringLiteral("xx100"), QStringLiteral("xy150"),
    QStringLiteral("xz200"), QStringLiteral("xf1"),   QStringLiteral("xt10"),
};

} // namespace

void CTarnlinkView::SetUpOfflinePage()
{
    if (m_address != kOff)
        return;
    if (!m_app->m_newAxisAddress.isEmpty()) {
        // File New: the new-axis dialog chose type and address.
        m_deviceType = m_app->m_currentType;
        m_fileAddress = m_app->m_newAxisAddress;
        return;
    }
    m_deviceType = 0;
    const QStringList& lines = GetDocument()->Lines();
    const QString addressLabel = LoadResString(kIdsAddressLabel);
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (addressLabel.isEmpty() || !lines[i].contains(addressLabel))
            continue;
        // The type line and the name line follow the address line.
        m_fileAddress = CParameterLine::BracketText(lines[i]);
        RegisterAxisItem(lines.value(i + 1), lines.value(i + 2));
    }
}

void CTarnlinkView::ApplyParameterLines()
{
    for (int id = Ids::kStatusButton; id <= Ids::kDefaultsButton; ++id)
        m_form->Control(id)->setEnabled(false);
    m_form->Control(Ids::kTransmitButton)->setEnabled(true);
    // The values of the file's lines come with the parameter-line reader; the module keeps
    // its default settings meanwhile.
    if (!GetDocument()->Lines().isEmpty() && m_qelSettings[0].isEmpty())
        m_qelSettings = kDefaultModuleSettings;
}

void CTarnlinkView::InitControlsForType()
{
    for (int id = Ids::kStatusButton; id <= Ids::kDefaultsButton; ++id)
        m_form->Control(id)->setEnabled(false);
    m_form->Control(Ids::kTransmitButton)->setEnabled(true);
    if (m_deviceType >= 0 && m_deviceType < CTarnlinkApp::kTypeCount)
        RegisterAxisItem(QStringLiteral("[b") +
                             m_app->m_typeNames[static_cast<std::size_t>(m_deviceType)] +
                             QLatin1Char(']'),
                         QString());
    for (int id : {Ids::kStepCombo, Ids::kDirectionCombo, Ids::kInputFunctionCombo,
                   Ids::kInputLogicCombo, Ids::kActivationCombo, Ids::kOutputFunctionCombo,
                   Ids::kOperationModeCombo})
        CEndstufeShared::SelectEntry(m_form->Combo(id), 0);
    VisitType([](auto& type) {
        if constexpr (requires { type.LoadDefaults(); })
            type.LoadDefaults();
    });
}

void CTarnlinkView::RegisterAxisItem(QString typeLine, QString nameLine)
{
    if (m_fileAddress.size() == 1)
        m_fileAddress.prepend(QLatin1Char('0'));
    bool valid = false;
    const int address = m_fileAddress.toInt(&valid, 16);
    m_versionText = CParameterLine::BracketText(typeLine);
    QString name;
    if (nameLine.contains(QStringLiteral("[pn"))) {
        name = CParameterLine::TextAfterKey(nameLine, QStringLiteral("[pn"));
        if (!name.isEmpty())
            name.prepend(QLatin1Char(' '));
    }
    CMainFrame* frame = MainFrame();
    // An address the bus cannot carry gets no tree item.
    if (!frame || !valid || address < 0 || address >= CMainFrame::kAddressSlots)
        return;
    if (frame->AxisItem(address))
        return;
    int type = 0;
    for (; type < CTarnlinkApp::kTypeCount; ++type) {
        const QString& typeName = m_app->m_typeNames[static_cast<std::size_t>(type)];
        if (!typeName.isEmpty() && typeLine.contains(typeName))
            break;
    }
    // A file of no known type cannot be listed under a type.
    if (type == CTarnlinkApp::kTypeCount)
        return;
    auto* item = new QTreeWidgetItem(
        frame->GroupItem(type),
        {QStringLiteral("[%1]").arg(address, 2, 10, QLatin1Char('0')) + name});
    frame->AxisItem(address) = item;
    m_treeItem = item;
    m_deviceType = type;
    frame->SetItemImage(item, CMainFrame::ImageGrey);
    frame->RootItem()->setExpanded(true);
    for (int group = 0; group < CTarnlinkApp::kTypeCount; ++group) {
        if (frame->GroupItem(group)->childCount() > 0)
            frame->GroupItem(group)->setExpanded(true);
    }
}
