// What the parameter pages need of the program around them: texts, messages, the pump and
// the bus port (as the bus port itself needs them), the modal runs of dialogs, the
// device-type names, the power-stage tree's items, pictures and poll, the open document
// windows, and the values handed from the window that opens a page to the page. The
// application object provides it, so that the pages can be built and tried without the
// main frame.
#pragma once

#include "bus/cbusporthost.h"

#include <QList>
#include <QString>
#include <Qt>

class CBusPort;
class CMdiChildFrame;
class CMessageBoxService;
class CSleepService;
class QDialog;
class QPixmap;
class QMdiSubWindow;
class QTreeWidgetItem;

class CPageHost : public CBusPortHost {
public:
    static constexpr int kTypeCount = 9;
    static constexpr int kAddressSlots = 32;
    // A tree item's picture: the state of its axis. The index is kept in the item under
    // kImageRole.
    enum AxisImage { ImageYellow = 0, ImageGrey = 1, ImageGreen = 2, ImageRed = 3, ImageBox = 4 };
    static constexpr int kImageRole = Qt::UserRole + 1;

    // The picture index of `item`; -1 for none.
    static int ItemImage(const QTreeWidgetItem* item);

    // The refusal of a second axis at `address` ("%02X") that the tree holds for `type`.
    QString AxisExistsMessage(int type, const QString& address) const;

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

    // The device type named in `text`: the first of the nine names that occurs in it;
    // kTypeCount when none does.
    virtual int TypeNamedIn(const QString& text) const = 0;
    // The name of type `type`; empty outside 0..8.
    virtual QString TypeName(int type) const = 0;

    // The tree item of the axis at `address` (0..31); null when none is listed.
    virtual QTreeWidgetItem* AxisItem(int address) const = 0;
    // Lists an axis known only from a file under the group of `type`, with `label` and
    // `image`, and shows it; null when the tree cannot take it.
    virtual QTreeWidgetItem* AddAxisItem(int address, int type, const QString& label,
                                         int image) = 0;
    // Forgets `address`'s slot without touching the item another slot may hold.
    virtual void ClearAxisSlot(int address) = 0;
    // Removes the item of `address`, clears its slot and the pages that held it.
    virtual void DeleteAxisItem(int address) = 0;
    virtual void SetItemImage(QTreeWidgetItem* item, int image) = 0;
    // Whether `text` names the type of the group `item` (its position among the nine group
    // items, or kTypeCount, goes to `groupIndex`).
    virtual bool IsTypeGroupItem(const QString& text, const QTreeWidgetItem* item,
                                 int* groupIndex) const = 0;

    // The document windows, topmost first, and the active one.
    virtual QList<CMdiChildFrame*> DocumentWindows() const = 0;
    virtual QMdiSubWindow* ActiveDocumentWindow() const = 0;
    virtual void ActivateDocumentWindow(QMdiSubWindow* window) = 0;

    // Handed to the page that opens next: its bus address ("Off" for a file or a new axis),
    // its title, and for File New the new axis's address and type.
    QString m_nextAddress = QStringLiteral("Off");
    QString m_nextLabel;
    QString m_newAxisAddress;
    int m_currentType = 5;
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
