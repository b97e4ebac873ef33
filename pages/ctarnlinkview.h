// The parameter page of one axis inside its child window. It knows the bus address it
// talks to ("Off" for a page without a connection) and the tree item of its axis.
#pragma once

#include "platform/cview.h"

#include <QString>

class CTarnlinkDoc;
class QTreeWidgetItem;

class CTarnlinkView : public CView {
    Q_OBJECT
public:
    explicit CTarnlinkView(CDocument& document, QWidget* parent = nullptr);

    CTarnlinkDoc* GetDocument() const;

    void OnInitialUpdate() override;

    // "%X" of the bus address, or "Off".
    const QString& AddressText() const { return m_address; }
    int DeviceType() const { return m_deviceType; }
    QTreeWidgetItem* TreeItem() const { return m_treeItem; }
    void SetTreeItem(QTreeWidgetItem* item) { m_treeItem = item; }

private:
    int m_deviceType = 4;
    QString m_address;
    QTreeWidgetItem* m_treeItem = nullptr;
};
