// The numbers of the parameter page's controls. Code and tests address the page's controls
// by these numbers (CControlIds); the device-type tables name their targets with them.
#pragma once

#include "res/cstringids.h"

class CPageControlIds {
public:
    // The three current sliders, their value texts, scales and zone bars, by slider number
    // (0 stop, 1 run, 2 boost).
    static constexpr int kSliders[3] = {1000, 1001, 1002};
    static constexpr int kCurrentTexts[3] = {1004, 1007, 1009};
    static constexpr int kScales[3] = {1103, 1104, 1105};
    static constexpr int kBars[3] = {1312, 1313, 1314};

    static constexpr int kNameEdit = 1006;
    static constexpr int kStepCombo = 1010;
    static constexpr int kDelaySpin = 1011;
    static constexpr int kDelayText = 1015;
    static constexpr int kDirectionCombo = 1020;
    static constexpr int kInputFunctionCombo = 1021;
    static constexpr int kInputLogicCombo = 1022;
    static constexpr int kActivationCombo = 1023;
    static constexpr int kOutputFunctionCombo = 1024;
    static constexpr int kOperationModeCombo = 1025;
    static constexpr int kModeEdit = 1218;

    static constexpr int kSetNameButton = 1029;
    static constexpr int kStatusButton = 1044;
    static constexpr int kStoreButton = 1045;
    static constexpr int kResetButton = 1046;
    static constexpr int kQelStatusButton = 1047;
    static constexpr int kQelResetButton = 1048;
    static constexpr int kQelSettingsButton = 1049;
    static constexpr int kClearWatchdogButton = 1050;
    static constexpr int kDefaultsButton = 1051;
    static constexpr int kTransmitButton = 1052;
    static constexpr int kQelSwitch = 1060;
    static constexpr int kQelGroup = 1102;
    static constexpr int kDisplay1Radio = 1192;
    static constexpr int kDisplay2Radio = 1193;
    static constexpr int kLogicButton = 1194;

    // Labels the device types relabel or hide.
    static constexpr int kDelayLabel = 1037;
    static constexpr int kActivationLabel = 1039;
    static constexpr int kInputFunctionLabel = 1040;
    static constexpr int kOutputFunctionLabel = 1041;
    static constexpr int kInputLogicLabel = 1042;
    static constexpr int kOperationModeLabel = 1043;

    // Captions taken from the string table: controls 1029..1059 take the strings from the
    // page's first caption on, in control order.
    static constexpr int kFirstCaption = 1029;
    static constexpr int kLastCaption = 1059;
    static constexpr unsigned kCaptionStringOffset =
        CStringIds::kIdsPageFirstCaption - kFirstCaption;

    // Status lamps.
    static constexpr int kUndervoltageLamp = 1223;
    static constexpr int kOvertemperatureLamp = 1224;
    static constexpr int kShortCircuitLamp = 1225;
    static constexpr int kWatchdogLamp = 1226;
    static constexpr int kHomeLamp = 1227;
    static constexpr int kResetLamp = 1228;
    static constexpr int kWatchdogLampLabel = 1058;
    static constexpr int kResetLampLabel = 1061;
};
