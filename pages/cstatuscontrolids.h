// The numbers of the power-stage status dialog's controls (CStatusEndstufe). The dialog makes
// and finds its controls by these numbers, and CStageStatus names with them the controls a
// device type hides or disables.
#pragma once

#include "res/cstringids.h"

class CStatusControlIds {
public:
    static constexpr int kSoftwareEdit = 1016;
    static constexpr int kFpgaEdit = 1017;
    static constexpr int kStatusWordEdit = 1061;
    static constexpr int kTemperatureBar = 1062;
    static constexpr int kVoltageBar = 1063;
    static constexpr int kCurrentBar = 1064;
    static constexpr int kTemperatureEdit = 1065;
    static constexpr int kVoltageEdit = 1066;
    static constexpr int kCurrentEdit = 1067;
    static constexpr int kTurnPlusButton = 1068;
    static constexpr int kTurnMinusButton = 1069;
    static constexpr int kSetHomeButton = 1070;
    static constexpr int kResetButton = 1071;
    static constexpr int kStatusGroup = 1072;
    static constexpr int kReadyLamp = 1270;
    static constexpr int kUndervoltageLamp = 1271;
    static constexpr int kOvertemperatureLamp = 1272;
    static constexpr int kShortCircuitLamp = 1273;
    static constexpr int kOutputLamp = 1274;
    static constexpr int kInputLamp = 1275;

    static constexpr int kTemperatureLabel = 1073;
    static constexpr int kVoltageLabel = 1074;
    static constexpr int kCurrentLabel = 1075;
    static constexpr int kSoftwareLabel = 1076;
    static constexpr int kStateLabels[4] = {1077, 1078, 1079, 1080};
    static constexpr int kStatusWordLabel = 1081;
    static constexpr int kOutputLabel = 1082;
    static constexpr int kInputLabel = 1083;
    static constexpr int kTestGroup = 1084;
    static constexpr int kFpgaLabel = 1085;

    // Captions taken from the string table: controls 1068..1084 take the strings from the
    // dialog's first caption on, in control order.
    static constexpr int kFirstCaption = 1068;
    static constexpr int kLastCaption = 1084;
    static constexpr unsigned kCaptionStringOffset =
        CStringIds::kIdsStageStatusFirstCaption - kFirstCaption;
};
