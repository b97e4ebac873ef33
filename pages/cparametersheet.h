// The printed parameter sheet of one axis: four text blocks (power stage, currents, further
// parameters, temperature module) built from what the page shows, and their drawing with
// frame and header onto one page of any paint device. No widgets here.
#pragma once

#include "pages/cdevicetype.h"

#include <QDate>
#include <QSize>
#include <QString>
#include <QStringList>

#include <array>
#include <functional>

class QPainter;

class CParameterSheet {
public:
    using TextLookup = std::function<QString(unsigned id)>;

    // What the page shows and knows, as texts where the page shows texts.
    struct Data {
        DeviceType deviceType = DeviceType::Kev;
        bool online = false;
        QString address;      // the bus address, or the file address of an offline page
        QString typeName;
        QString versionReply; // the stage's answer to "B" (online only)
        QString name;
        std::array<QString, 3> currents; // stop, run and boost current as the page shows them
        QString delay;
        QString step;           // list 1010
        QString direction;      // list 1020
        QString inputFunction;  // list 1021
        QString inputLogic;     // list 1022
        QString activation;     // list 1023
        QString outputFunction; // list 1024
        QString operationMode;  // list 1025
        // 0 positive, 1 negative, anything else unknown.
        std::array<int, 6> logicLevels{-1, -1, -1, -1, -1, -1};
        int display1 = -1;
        int display2 = -1;
        bool moduleTicked = false;       // switch 1060
        QString moduleVersionReply;      // the module's answer to "XB"
        std::array<QString, 6> qelSettings; // each its lower-case key and value ("xw0" ...)
    };

    CParameterSheet(Data data, TextLookup text);

    // The texts of the blocks in order, lines ending in "\r\n" and labels tab-aligned:
    // three blocks, four for a KEV with its module ticked.
    QStringList Blocks() const;
    // Draws the sheet on a page of `page` device pixels: frame, `title` and `date` in the
    // header, and the blocks.
    void Paint(QPainter& painter, const QSize& page, const QString& title, const QDate& date) const;

    // The name of display-menu entry `entry`: the number itself for an entry the menu does
    // not have, nothing for one the page does not know (-1).
    static QString DisplayName(int entry);

private:
    QString PowerStageBlock() const;
    QString CurrentBlock() const;
    QString ParameterBlock() const;
    QString ModuleBlock() const;
    QString LogicRows() const;
    QString InputFunctionRows() const;
    // The output function's label as the type names it; empty where it has none.
    QString OutputFunctionLabel() const;
    QString VersionText() const;
    bool HasModuleBlock() const;
    // Where the separator under block `block` (0..3) runs, in layout units.
    int SeparatorUnits(int block) const;

    Data m_data;
    TextLookup m_text;
};
