// What the parameter pages need of the program around them: texts, messages, the pump and
// the bus port (as the bus port itself needs them), the modal runs of dialogs, the list of
// axes the power-stage tree shows, its pictures and poll, and the open document windows.
// The application object provides it, so that the pages can be built and tried without the
// main frame. What a page is opened for comes with its document (CPageOpening).
#pragma once

#include "bus/cbusporthost.h"
#include "pages/caxislist.h"

#include <QList>
#include <QString>

class CBusPort;
class CMdiChildFrame;
class CMessageBoxService;
class CSleepService;
class CTarnlinkView;
class QDialog;
class QPixmap;
class QMdiSubWindow;

class CPageHost : public CBusPortHost {
public:
    static constexpr int kAddressSlots = CAxisList::kAddressSlots;
    // The state of an axis: the index of its picture in the tree.
    using AxisImage = CAxisList::AxisImage;
    using enum CAxisList::AxisImage;

    // Text `id` with "%d" replaced by the bus address.
    QString AxisMessage(unsigned id, const QString& address) const;
    // The refusal of a second axis at `address` ("%02X") that the tree holds for `type`.
    QString AxisExistsMessage(DeviceType type, const QString& address) const;

    virtual CBusPort& BusPort() = 0;
    virtual CSleepService& Sleeper() = 0;
    virtual CMessageBoxService& MessageBoxes() = 0;
    // Runs `dialog` modally; its result.
    virtual int RunModal(QDialog& dialog) = 0;

    // The main frame's status poll of every listed axis; a long test run on one axis stops
    // it so that no other poll reaches the bus meanwhile.
    virtual void StopAxisPoll() = 0;
    virtual void StartAxisPoll() = 0;
    // Picture `image` of the tree (an AxisImage), 16 x 15.
    virtual QPixmap TreeImage(int image) const = 0;

    // The axes the tree lists, by bus address.
    virtual CAxisList& Axes() = 0;
    virtual const CAxisList& Axes() const = 0;
    // Lists an axis known only from a file at `address` (0..31) as of `type`, with `label`
    // and `image`, and opens the tree's branches to it; false when the list cannot take it.
    virtual bool AddAxis(int address, DeviceType type, const QString& label, int image) = 0;
    // Whether `text` names the type of the axis at `address`; a text that names no type
    // names that of an address without an axis.
    bool IsAxisOfType(const QString& text, int address) const;

    // The document windows, topmost first, and the active one.
    virtual QList<CMdiChildFrame*> DocumentWindows() const = 0;
    virtual QMdiSubWindow* ActiveDocumentWindow() const = 0;
    virtual void ActivateDocumentWindow(QMdiSubWindow* window) = 0;

    // The window of the file page that holds the axis at `address` as its own; `except` and
    // pages on their way out do not count. Null when none does.
    CMdiChildFrame* PageOfAxis(int address, const CTarnlinkView* except = nullptr) const;
    // Yellow and grey say that a file page holds the axis. When none does (`except` aside),
    // the axis shows what it is without one: yellow, found on the bus, is online (green);
    // grey, known only from a file, leaves the list. True when it was put right.
    bool SettleAxis(int address, const CTarnlinkView* except = nullptr);

    // 16 or 32 bus addresses.
    quint8 m_addressCount = 0;
    // A project transfer runs: its report speaks for the pages, which stay silent.
    bool m_transferRunning = false;
    // The interface sheet is open: its port probe and baud-rate search close and reopen the
    // port, so the pages leave the line alone until it closes.
    bool m_interfaceSheetOpen = false;
    // A file page was placed beside its online page by the last activation.
    bool m_focusPlaced = false;
    // The axis the status poll last turned red had a file page joined to it (yellow), and
    // gets that colour back when it recovers.
    bool m_rememberedYellow = false;
};
