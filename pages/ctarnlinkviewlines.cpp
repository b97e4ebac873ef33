// The page's side of its parameter file: the offline fill from the file's lines (address
// and axis, the tree item of an axis known only from a file, the values), a new axis set up
// with its type's defaults, and the values the page hands to a save.
#include "pages/cendstufeshared.h"
#include "pages/cparameterline.h"
#include "pages/ctarnlinkdoc.h"
#include "pages/ctarnlinkview.h"
#include "shell/cmainframe.h"
#include "platform/cmdichildframe.h"
#include "shell/ctarnlinkapp.h"

#include <algorithm>

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QSlider>
#include <QSpinBox>
#include <QTreeWidget>

namespace {

using Ids = CPageControlIds;

const QString kOff = QStringLiteral("Off");
constexpr unsigned kIdsAddressLabel = 10101;
constexpr unsigned kIdsBusAndSwitch = 10443;
constexpr unsigned kIdsBusExclusive = 10444;
constexpr int kKev = 0;
constexpr int kDrqPlus = 5;
constexpr unsigned kIdsAxisExists1 = 10008;
constexpr unsigned kIdsAxisExists2 = 10009;
constexpr unsigned kIdsAxisExists3 = 10010;
constexpr unsigned kIdsNotAParameterFile = 10013;

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
    if (!IsUsableParameterFile(lines)) {
        m_app->ShowMessage(LoadResString(kIdsNotAParameterFile) + GetDocument()->GetPathName(),
                           MbOk | MbIconWarning);
        CloseLater();
        return;
    }
    const QString addressLabel = LoadResString(kIdsAddressLabel);
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (!lines[i].contains(addressLabel))
            continue;
        // The type line and the name line follow the address line.
        m_fileAddress = CParameterLine::BracketText(lines[i]);
        RegisterAxisItem(lines.value(i + 1), lines.value(i + 2));
    }
}

bool CTarnlinkView::IsUsableParameterFile(const QStringList& lines) const
{
    // Every address line needs a bus address and, below it, a type line naming a known
    // type and the name line; a file without any address line is no parameter file.
    const QString addressLabel = LoadResString(kIdsAddressLabel);
    bool any = false;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (!lines[i].contains(addressLabel))
            continue;
        any = true;
        const QString address = CParameterLine::BracketText(lines[i]);
        bool hex = false;
        const int value = address.toInt(&hex, 16);
        const bool digitsOnly = address.size() >= 1 && address.size() <= 2 &&
                                std::all_of(address.begin(), address.end(), [](QChar c) {
                                    return c.isDigit() || (c.toUpper() >= QLatin1Char('A') &&
                                                           c.toUpper() <= QLatin1Char('F'));
                                });
        if (!hex || !digitsOnly || value < 0 || value >= CMainFrame::kAddressSlots ||
            i + 2 >= lines.size() || m_app->TypeNamedIn(lines[i + 1]) >= CTarnlinkApp::kTypeCount)
            return false;
    }
    return any;
}

void CTarnlinkView::CloseLater()
{
    // The page closes itself after its set-up has run to its end.
    for (QWidget* w = parentWidget(); w; w = w->parentWidget()) {
        if (auto* frame = qobject_cast<QMdiSubWindow*>(w)) {
            QMetaObject::invokeMethod(frame, &QMdiSubWindow::close, Qt::QueuedConnection);
            return;
        }
    }
}

void CTarnlinkView::ApplyParameterLines()
{
    for (int id = Ids::kStatusButton; id <= Ids::kDefaultsButton; ++id)
        m_form->Control(id)->setEnabled(false);
    m_form->Control(Ids::kTransmitButton)->setEnabled(true);
    for (const QString& line : GetDocument()->Lines()) {
        if (!ApplyParameterLine(line))
            return;
        // Files without module lines keep the module's default settings.
        if (m_qelSettings[0].isEmpty())
            m_qelSettings = kDefaultModuleSettings;
    }
}

bool CTarnlinkView::ApplyParameterLine(const QString& line)
{
    // Keys are plain substrings tested in this fixed order; one line may match several
    // ("[lt1]" also matches "[l"), as the files have always been read.
    const auto has = [&line](const char* key) { return line.contains(QLatin1String(key)); };
    const auto value = [&line](const char* key) {
        return CParameterLine::ParseKeyValue(line, static_cast<int>(qstrlen(key)));
    };
    const auto select = [this](int combo, int index) {
        CEndstufeShared::SelectEntry(m_form->Combo(combo), index);
    };
    if (has("[pn")) {
        const QString name = CParameterLine::TextAfterKey(line, QStringLiteral("[pn"));
        if (!name.isEmpty())
            m_form->Edit(Ids::kNameEdit)->setText(name);
    }
    for (int which = 0; which < 3; ++which) {
        static constexpr const char* kCurrentKeys[3] = {"[s", "[r", "[a"};
        if (has(kCurrentKeys[which]))
            m_form->Slider(which)->setValue(value(kCurrentKeys[which]));
    }
    if (has("[m"))
        select(Ids::kStepCombo, value("[m"));
    if (has("[g"))
        select(Ids::kDirectionCombo, value("[g"));
    if (has("[h"))
        select(Ids::kInputFunctionCombo, value("[h"));
    if (has("[l"))
        select(Ids::kInputLogicCombo, value("[l"));
    static constexpr const char* kLogicKeys[6] = {"[lt", "[ld", "[lb", "[la", "[lr", "[lx"};
    for (std::size_t i = 0; i < 6; ++i) {
        if (has(kLogicKeys[i]))
            m_logicLevels[i] = static_cast<qint8>(value(kLogicKeys[i]));
    }
    if (has("[t")) {
        const int delay = static_cast<qint16>(value("[t"));
        CEndstufeShared::SetSpinPosition(m_form->DelaySpin(), delay);
        OnVScroll(kThumbPosition, delay, m_form->DelaySpin());
    }
    if (has("[u"))
        select(Ids::kActivationCombo, value("[u"));
    if (has("[o"))
        select(Ids::kOutputFunctionCombo, value("[o"));
    if (has("[px"))
        ApplyOperationMode(value("[px"));
    if (has("[pc"))
        select(Ids::kInputFunctionCombo, value("[pc"));
    if (has("[po"))
        select(Ids::kOutputFunctionCombo, value("[po"));
    if (has("[pe"))
        select(Ids::kOutputFunctionCombo, value("[pe"));
    if (has("[pl")) {
        m_displayType1 = value("[pl");
        select(Ids::kInputFunctionCombo, m_displayType1);
    }
    if (has("[pm"))
        m_displayType2 = value("[pm");
    if (has("[pb"))
        select(Ids::kOperationModeCombo, value("[pb"));
    if (has("[xp")) {
        // A module switched off ends the reading: nothing after it applies.
        if (value("[xp") == 0)
            return false;
        if (auto* box = qobject_cast<QAbstractButton*>(m_form->Control(Ids::kQelSwitch)))
            box->setChecked(true);
        OnBnClickedQelOnline();
    }
    static constexpr const char* kModuleKeys[6] = {"[xw", "[xx", "[xy", "[xz", "[xf", "[xt"};
    for (std::size_t i = 0; i < 6; ++i) {
        if (has(kModuleKeys[i]))
            m_qelSettings[i] = CParameterLine::BracketText(line);
    }
    return true;
}

void CTarnlinkView::ApplyOperationMode(int value)
{
    if (m_deviceType == kDrqPlus) {
        if (auto* edit = m_form->Edit(Ids::kModeEdit))
            edit->setText(LoadResString(value == 0 ? kIdsBusAndSwitch : kIdsBusExclusive));
        return;
    }
    CEndstufeShared::SelectEntry(m_form->Combo(Ids::kOperationModeCombo), value);
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
    if (QTreeWidgetItem* known = frame->AxisItem(address)) {
        JoinKnownAxis(*frame, known, typeLine);
        return;
    }
    const int type = m_app->TypeNamedIn(typeLine);
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

void CTarnlinkView::JoinKnownAxis(CMainFrame& frame, QTreeWidgetItem* known, const QString& typeLine)
{
    const int image = CMainFrame::ItemImage(known);
    if (image == CMainFrame::ImageYellow || image == CMainFrame::ImageGrey ||
        frame.m_rememberedYellow) {
        // A file page of this axis is open already: it comes to the front, this one goes.
        CloseLater();
        for (CMdiChildFrame* child : frame.ChildFrames()) {
            const CTarnlinkView* view = CMainFrame::ParameterViewOf(child);
            if (view && view != this && view->TreeItem() == known) {
                frame.MdiArea()->setActiveSubWindow(child);
                break;
            }
        }
        return;
    }
    // The axis is online: the file joins it when it is of the same type.
    int group = CTarnlinkApp::kTypeCount;
    if (frame.IsTypeGroupItem(typeLine, known->parent(), &group)) {
        m_treeItem = known;
        m_deviceType = group;
        frame.SetItemImage(known, CMainFrame::ImageYellow);
        return;
    }
    if (!m_app->m_transferRunning) {
        const QString typeName =
            group < CTarnlinkApp::kTypeCount ? m_app->m_typeNames[static_cast<std::size_t>(group)]
                                             : QString();
        m_app->ShowMessage(LoadResString(kIdsAxisExists1) + typeName +
                               LoadResString(kIdsAxisExists2) + m_fileAddress +
                               LoadResString(kIdsAxisExists3),
                           MbOk);
    }
    // The refused page leaves the online axis's item alone as it closes.
    CloseLater();
}

bool CTarnlinkView::CollectFileContent(CParameterFile::Content& content)
{
    using Source = CParameterFile::Source;
    const bool online = m_address != kOff;
    content.deviceType = m_deviceType;
    content.address = online ? m_address : m_fileAddress;
    content.versionText = m_versionText;
    // Online the stage itself tells its version, fresh for every save.
    if (online && !Transact("B", &content.versionText))
        return false;
    content.name = m_form->Edit(Ids::kNameEdit)->text();
    content.stopCurrent = m_form->Slider(0)->value();
    content.runCurrent = m_form->Slider(1)->value();
    content.boostCurrent = m_form->Slider(2)->value();
    content.stepResolution = m_form->Combo(Ids::kStepCombo)->currentIndex();
    content.direction = m_form->Combo(Ids::kDirectionCombo)->currentIndex();
    content.delayTime = m_form->DelaySpin()->value();
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
    if (m_deviceType != kKev || !content.moduleTicked)
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
