// What the window that opens a parameter page hands to it, once, as the page is made: the
// tree's double-click an axis on the bus (or one of its file pages), File New a new axis.
// A page opened from a file gets the default: offline, its file says the rest. Nothing of it
// stays behind anywhere else, so the next page never takes what was meant for another.
#pragma once

#include "pages/cdevicetype.h"
#include "res/cbusaddress.h"

#include <QString>

#include <utility>

struct CPageOpening {
    // An axis chosen in the tree: on the bus at `address` ("%X"), or "Off" for one known
    // only from a file, with its tree label.
    static CPageOpening ForAxis(QString address, QString label, DeviceType type)
    {
        return {std::move(address), std::move(label), type, QString()};
    }
    // A new axis of `type` at `address` ("%02X"), chosen in File New.
    static CPageOpening ForNewAxis(DeviceType type, QString address)
    {
        return {QString(CBusAddress::kOff), QString(), type, std::move(address)};
    }

    // "%X" of the axis's bus address; "Off" for a page without a connection to the bus.
    QString address = CBusAddress::kOff;
    // The tree label of the axis: the title the page opens with, and how the tree finds an
    // open window of the axis. Empty: the title the document proposes.
    QString label;
    // The device type of the axis; a page opened from a file reads its own from the file.
    DeviceType type = DeviceType::DrqPlus;
    // File New: "%02X" of the new axis's address; empty for every other page.
    QString newAxisAddress;

    bool IsOnline() const { return address != CBusAddress::kOff; }
    bool IsNewAxis() const { return !newAxisAddress.isEmpty(); }
};
