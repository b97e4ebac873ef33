// The button sets, icons and answers of a message box as plain numbers: code that needs no
// window (the bus port) asks for a box through its host with these, and the message-box
// service shows it.
#pragma once

// Button sets and icons, with the values of the Windows flags the program was written with.
enum MessageBoxStyle : unsigned {
    MbOk = 0x00,
    MbOkCancel = 0x01,
    MbYesNoCancel = 0x03,
    MbYesNo = 0x04,
    MbIconError = 0x10,
    MbIconQuestion = 0x20,
    MbIconWarning = 0x30,
    MbIconInformation = 0x40,
};

enum MessageBoxResult : int { IdOk = 1, IdCancel = 2, IdYes = 6, IdNo = 7 };
