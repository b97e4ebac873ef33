// The axes the program knows, by bus address (0..31): each with its device type, its state
// (the picture the power-stage tree shows for it), its label and the allowed motor current
// the label carries. The main frame's tree shows it; the pages, the project save, view and
// transfer and the status overview ask it. It says when an axis appears, changes or goes.
#pragma once

#include "pages/cdevicetype.h"

#include <QObject>
#include <QString>

#include <array>
#include <optional>

class CAxisList : public QObject {
    Q_OBJECT
public:
    static constexpr int kAddressSlots = 32;
    // The state of an axis, as the index of its picture in the tree. The box is the
    // picture of the tree's root and groups, never of an axis.
    enum AxisImage { ImageYellow = 0, ImageGrey = 1, ImageGreen = 2, ImageRed = 3, ImageBox = 4 };
    // The allowed current of a label that carries none, or none that allows anything.
    static constexpr float kNoAllowedCurrent = -1.0f;

    struct Axis {
        DeviceType type = DeviceType::Kev;
        int image = ImageGrey;
        QString label;
        // In 0.01 A; kNoAllowedCurrent for none.
        float allowedCurrent = kNoAllowedCurrent;
    };

    explicit CAxisList(QObject* parent = nullptr) : QObject(parent) {}

    static bool IsAddress(int address) { return address >= 0 && address < kAddressSlots; }
    bool Contains(int address) const { return Find(address) != nullptr; }
    // The axis at `address`; null when none is listed.
    const Axis* Find(int address) const;
    int Count() const;
    // The device type of the axis at `address`; none when no axis is listed there.
    std::optional<DeviceType> Type(int address) const;
    // The picture of the axis at `address`; -1 when none is listed.
    int Image(int address) const;
    QString Label(int address) const;
    float AllowedCurrent(int address) const;

    // Lists an axis at `address`, in place of one listed there; false for an address out
    // of range.
    bool Add(int address, DeviceType type, const QString& label, int image);
    void SetImage(int address, int image);
    void SetLabel(int address, const QString& label);
    void Remove(int address);
    void Clear();

    // The allowed current a label names behind its last ";" ("[03] Achse;2,5": 250), a
    // decimal comma read as a point; kNoAllowedCurrent for a label without one or with a
    // negative current.
    static float AllowedCurrentIn(const QString& label);

signals:
    void axisAdded(int address);
    void axisChanged(int address);
    void axisRemoved(int address);

private:
    std::array<std::optional<Axis>, kAddressSlots> m_axes;
};
