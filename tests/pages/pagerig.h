// The parameter page's tests run the program on a simulated serial bus with a KEV at
// address 3 (and other axes as a test adds them) and open pages as the tree and File New
// open them.
#pragma once

#include "pages/ccurindicator.h"
#include "pages/cledpictures.h"
#include "pages/cpagecontrolids.h"
#include "pages/ctarnlinkdoc.h"
#include "pages/ctarnlinkview.h"
#include "pages/types/cendstufehwk.h"
#include "pages/types/cendstufekev.h"
#include "platform/ccontrolids.h"
#include "platform/cdoctemplate.h"
#include "platform/cmdichildframe.h"
#include "shell/cmainframe.h"
#include "tests/support/simbusapp.h"
#include "tests/support/sliderpixels.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QSlider>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>
#include <QWheelEvent>

#include <iterator>

namespace {

using Ids = CPageControlIds;

constexpr DeviceType kKev = DeviceType::Kev;
constexpr DeviceType kLqn = DeviceType::Lqn;
constexpr DeviceType kHwt = DeviceType::Hwt;
constexpr DeviceType kHwk = DeviceType::Hwk;
constexpr DeviceType kHvr = DeviceType::Hvr;
constexpr DeviceType kDrqPlus = DeviceType::DrqPlus;
constexpr DeviceType kUqt = DeviceType::Uqt;
constexpr DeviceType kDrq2Plus = DeviceType::Drq2Plus;
constexpr DeviceType kVnePlus = DeviceType::VnePlus;

// What the page reads from a KEV, in this order.
const QStringList kKevReads = {"PN?", "S?", "R?", "A?", "M?",  "G?", "L?",
                               "T?",  "U?", "H?", "O?", "PB?", "B?", "XP?"};

// What a simulated stage holds, by mnemonic.
using StageValues = QList<QPair<QByteArray, int>>;

// The program started on a simulated serial bus with a KEV at address 3.
struct Rig : SimBusApp {
    Rig()
    {
        bus.AddAxis(3, "KEV", "KEV 2.35");
        if (!QTest::qWaitForWindowExposed(frame))
            qWarning("main window not shown");
    }
    CTarnlinkApp& app() { return t.app(); }
    void Set(const QByteArray& mnemonic, int value) { SetOn(3, mnemonic, value); }
    QStringList Commands() const
    {
        QStringList out;
        for (const SimRequest& r : bus.Requests())
            out.append(QString::fromLatin1(r.command));
        return out;
    }
    QTreeWidgetItem* AddItem(int address, DeviceType type, const QString& label, int image)
    {
        app().Axes().Add(address, type, label, image);
        frame->RootItem()->setExpanded(true);
        frame->GroupItem(type)->setExpanded(true);
        return frame->AxisItem(address);
    }
    void DoubleClick(QTreeWidgetItem* item)
    {
        QTreeWidget* tree = frame->TreeCtrl();
        tree->scrollToItem(item);
        // A second press that the platform reports as a double-click, as a real mouse does.
        const QPoint at = tree->visualItemRect(item).center();
        QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, at);
        QTest::mousePress(tree->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(tree->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseRelease(tree->viewport(), Qt::LeftButton, {}, at);
    }
    // The KEV at address 3 opened by a double-click on its tree item.
    CTarnlinkView* OpenOnline()
    {
        DoubleClick(AddItem(3, kKev, QStringLiteral("[03] Axis"), CMainFrame::ImageGreen));
        return ActiveView();
    }
    // A parameter file of `content` in the rig's folder, opened offline as File Open opens it.
    CTarnlinkView* OpenFile(const QByteArray& content)
    {
        QFile file(Path(QStringLiteral("axis.sdf")));
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(content) < 0)
            return nullptr;
        file.close();
        return app().OpenDocumentFile(file.fileName()) ? ActiveView() : nullptr;
    }
    // An axis of type `type` (its simulated type `typeName`, holding `values`) at `address`,
    // listed online as the bus search lists it and opened by a double-click; its status poll
    // stopped.
    CTarnlinkView* OpenOnlineAxis(int address, DeviceType type, const QByteArray& typeName,
                                  const QString& label, const StageValues& values = {})
    {
        bus.AddAxis(address, typeName);
        SetOn(address, values);
        bus.ClearLog();
        DoubleClick(AddItem(address, type, label, CMainFrame::ImageGreen));
        CTarnlinkView* view = ActiveView();
        if (view)
            view->StatusTimer().stop();
        return view;
    }
    void SetOn(int address, const QByteArray& mnemonic, int value)
    {
        bus.WithAxis(address, [&](SimAxis& a) { a.params[mnemonic] = value; });
    }
    void SetOn(int address, const StageValues& values)
    {
        for (const auto& [mnemonic, value] : values)
            SetOn(address, mnemonic, value);
    }
    // An axis of type `type` named "Hubachse" (version 1.62, holding `values`) at
    // `address`, opened by a double-click and read; its status poll stopped.
    CTarnlinkView* OpenRead(int address, DeviceType type, const QByteArray& typeName,
                            const StageValues& values)
    {
        bus.AddAxis(address, typeName, typeName + " 1.62");
        bus.WithAxis(address, [](SimAxis& axis) { axis.name = "Hubachse"; });
        SetOn(address, values);
        bus.ClearLog();
        DoubleClick(AddItem(address, type, QString::asprintf("[%02d] Hubachse", address),
                            CMainFrame::ImageGreen));
        CTarnlinkView* view = ActiveView();
        if (view)
            view->StatusTimer().stop();
        return view;
    }
    // The user moves list `combo` from its first entry to the next: what goes to the bus.
    QStringList ChooseNextEntry(CTarnlinkView* view, int combo)
    {
        QComboBox* box = CControlIds::Find<QComboBox>(view, combo);
        box->setCurrentIndex(0);
        bus.ClearLog();
        QTest::keyClick(box, Qt::Key_Down);
        return box->currentIndex() == 1 ? Commands() : QStringList{QStringLiteral("no move")};
    }
};

template <typename T = QWidget> T* Control(CTarnlinkView* view, int id)
{
    return CControlIds::Find<T>(view, id);
}

inline QStringList Entries(const QComboBox* combo)
{
    QStringList entries;
    for (int i = 0; i < combo->count(); ++i)
        entries.append(combo->itemText(i));
    return entries;
}

// The step-resolution texts: each prefix, the step word and its suffix, if any.
inline QStringList Steps(const QStringList& prefixes, const QString& word,
                         const QStringList& suffixes = {})
{
    QStringList steps;
    for (int i = 0; i < prefixes.size(); ++i)
        steps.append(prefixes[i] + word + suffixes.value(i));
    return steps;
}

// What a page shows: the current texts, the texts of `combos`, the delay and mode texts
// and the name; for comparing two pages.
inline QStringList Shown(CTarnlinkView* view,
                         const QList<int>& combos = {
                             Ids::kStepCombo, Ids::kDirectionCombo, Ids::kInputFunctionCombo,
                             Ids::kInputLogicCombo, Ids::kActivationCombo,
                             Ids::kOutputFunctionCombo, Ids::kOperationModeCombo})
{
    QStringList shown;
    for (int which = 0; which < 3; ++which)
        shown.append(Control<QLineEdit>(view, Ids::kCurrentTexts[which])->text());
    for (int id : combos)
        shown.append(Control<QComboBox>(view, id)->currentText());
    for (int id : {Ids::kDelayText, Ids::kModeEdit, Ids::kNameEdit})
        shown.append(Control<QLineEdit>(view, id)->text());
    return shown;
}

// The page's settings sent by its device type's own object to the stage at `address`, as
// a transmission from the page sends them.
inline bool TransmitByType(CTarnlinkView* view, int address)
{
    const std::unique_ptr<CEndstufe> type = CEndstufe::Create(view->DeviceType(), *view);
    return type && type->TransmitSettings(QString::number(address, 16).toUpper());
}

// The device-type name the simulator knows for `type`.
inline QByteArray SimName(DeviceType type)
{
    static const QByteArray names[] = {"KEV",  "LQN", "HWT",   "HWK", "HVR",
                                       "DRQ+", "UQT", "DRQ2+", "VNE+"};
    static_assert(CDeviceType::RowForEveryType<std::size(names)>());
    return names[static_cast<int>(type)];
}

// The columns "type" and "english" with a row per device type and language.
inline void AddTypeAndLanguageRows()
{
    QTest::addColumn<DeviceType>("type");
    QTest::addColumn<bool>("english");
    for (const CDeviceTypeInfo& type : CDeviceType::All()) {
        QTest::addRow("%s German", SimName(type.type).constData()) << type.type << false;
        QTest::addRow("%s English", SimName(type.type).constData()) << type.type << true;
    }
}

inline QList<int> Lamps(const CTarnlinkView* view)
{
    QList<int> pictures;
    for (int id = Ids::kUndervoltageLamp; id <= Ids::kResetLamp; ++id)
        pictures.append(view->LampImage(id));
    return pictures;
}

// The slider's handle pressed by the mouse, dragged to `x` (which may lie beyond the
// slider's ends) and let go there.
inline void DragHandle(QSlider* slider, int x)
{
    const int y = slider->height() / 2;
    QTest::mousePress(slider, Qt::LeftButton, {},
                      QPoint(SliderPixels::HandleCentre(slider, slider), y));
    QTest::mouseMove(slider, QPoint(x, y));
    QTest::mouseRelease(slider, Qt::LeftButton, {}, QPoint(x, y));
}

// A left click on the groove `offset` pixels beside the slider's handle.
inline void ClickBesideHandle(QSlider* slider, int offset)
{
    const int x = SliderPixels::HandleCentre(slider, slider) + offset;
    QTest::mouseClick(slider, Qt::LeftButton, {}, QPoint(x, SliderPixels::GrooveRow(slider, x)));
}

// The mouse wheel turned by `notches` (up when positive) over the middle of `widget`.
inline void TurnWheel(QWidget* widget, int notches)
{
    const QPointF at(widget->width() / 2.0, widget->height() / 2.0);
    QWheelEvent wheel(at, widget->mapToGlobal(at), QPoint(), QPoint(0, 120 * notches), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(widget, &wheel);
}

// A click on the up arrow of a spin whose text is hidden.
inline void ClickSpinUp(QSpinBox* spin)
{
    QTest::mouseClick(spin, Qt::LeftButton, {}, QPoint(spin->width() / 2, spin->height() / 4));
}

// What `view` left for its event loop to do next, done.
inline void RunQueued(QObject* view)
{
    QCoreApplication::sendPostedEvents(view, QEvent::MetaCall);
}

inline void CloseAndDelete(QMdiSubWindow* window)
{
    window->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace
