// The new-axis dialog of File New: a bus address and a device type for an axis that is not
// read from the bus. The caller opens the offline page from the chosen values.
#pragma once

#include "pages/cdevicetype.h"

#include <QDialog>
#include <QString>

class CPageHost;
class QComboBox;
class QLineEdit;
class QSpinBox;

class CDlgAxisNew : public QDialog {
    Q_OBJECT
public:
    static constexpr int kDialogId = 150;
    static constexpr int kAxisEditId = 1003;
    static constexpr int kAddressSpinId = 1012;
    static constexpr int kTypeComboId = 1106;
    static constexpr int kGroupId = 1126;
    static constexpr int kAddressLabelId = 1127;
    static constexpr int kTypeLabelId = 1128;

    explicit CDlgAxisNew(const CPageHost& host, QWidget* parent = nullptr);

    // The chosen address as "%02X" and device type; empty and KEV until OK.
    const QString& Address() const { return m_address; }
    DeviceType Type() const { return m_type; }

    void accept() override;

private:
    void OnInitDialog(const CPageHost& host);
    void OnSpinMoved(int position);

    QComboBox* m_typeCombo = nullptr;
    QSpinBox* m_addressSpin = nullptr;
    QLineEdit* m_axisEdit = nullptr;
    QString m_address;
    DeviceType m_type = DeviceType::Kev;
};
