#include "pages/cstagestatus.h"

#include "pages/creplyvalue.h"
#include "pages/cstatuscontrolids.h"

namespace {

// Limits of the voltage bar's colours in units of the scale: yellow below the first,
// green below the second, yellow below the third, red above.
struct VoltageBands {
    int low;
    int good;
    int high;
};

VoltageBands BandsOf(DeviceType type)
{
    switch (type) {
    case DeviceType::Lqn:
        return {16, 50, 55};
    case DeviceType::Hvr:
        return {20, 30, 40};
    case DeviceType::Kev:
    case DeviceType::Hwt:
    case DeviceType::Hwk:
    case DeviceType::DrqPlus:
    case DeviceType::Uqt:
    case DeviceType::Drq2Plus:
    case DeviceType::VnePlus:
        break;
    }
    return {30, 75, 80};
}

int HexDigit(QChar c)
{
    bool ok = false;
    const int value = QString(c).toInt(&ok, 16);
    return ok ? value : 0;
}

using Ids = CStatusControlIds;

// Controls of the status dialog by row.
const QList<int> kCurrentRow = {Ids::kCurrentLabel, Ids::kCurrentBar, Ids::kCurrentEdit};
const QList<int> kVoltageOfUqt = {Ids::kVoltageBar, Ids::kCurrentBar, Ids::kVoltageEdit,
                                  Ids::kVoltageLabel};
const QList<int> kMeasures = {Ids::kTemperatureBar,  Ids::kVoltageBar,  Ids::kCurrentBar,
                              Ids::kTemperatureEdit, Ids::kVoltageEdit, Ids::kCurrentEdit,
                              Ids::kTemperatureLabel};
const QList<int> kLevelLamps = {Ids::kOutputLamp, Ids::kInputLamp, Ids::kOutputLabel,
                                Ids::kInputLabel};

} // namespace

std::optional<int> CStageStatus::Scale(const QString& reply)
{
    const QString value = CReplyValue::Text(reply, 2);
    if (value.contains(QStringLiteral("-1")))
        return kDefaultScale;
    const int scale = CReplyValue::ToInt(value);
    if (scale <= 0)
        return std::nullopt;
    return scale;
}

bool CStageStatus::AsksScales(DeviceType type, bool can)
{
    return type != DeviceType::Kev && type != DeviceType::Uqt && !can;
}

QString CStageStatus::FpgaVersion(DeviceType type, const QString& reply)
{
    if (type == DeviceType::Uqt || type == DeviceType::VnePlus) {
        const QString version = CReplyValue::Text(reply, 2);
        return version.isEmpty() ? kNotAvailable : version;
    }
    // The DRQ+ puts major and minor number as hexadecimal digits at index 7 and at its end,
    // behind a text of which the last four characters are dropped.
    constexpr int kMajorIndex = 7;
    if (reply.size() <= kMajorIndex)
        return kNotAvailable;
    const QString text = CReplyValue::Text(reply, 1);
    return text.left(text.size() - 4) +
           QString::asprintf("%02d.%02d", HexDigit(reply.at(kMajorIndex)), HexDigit(reply.back()));
}

CStageStatus::BarColour CStageStatus::VoltageColour(DeviceType type, int raw, int scale)
{
    const VoltageBands bands = BandsOf(type);
    if (raw < bands.low * scale)
        return BarColour::Yellow;
    if (raw < bands.good * scale)
        return BarColour::Green;
    if (raw < bands.high * scale)
        return BarColour::Yellow;
    return BarColour::Red;
}

CStageStatus::BarColour CStageStatus::TemperatureColour(int raw, int scale)
{
    if (raw < 60 * scale)
        return BarColour::Green;
    if (raw < 80 * scale)
        return BarColour::Yellow;
    return BarColour::Red;
}

std::array<bool, 4> CStageStatus::StateLamps(const QString& value, bool lqnNewFirmware)
{
    if (lqnNewFirmware) {
        const bool shortCircuit = value == QStringLiteral("3");
        return {value == QStringLiteral("0"), value == QStringLiteral("1"), shortCircuit,
                shortCircuit};
    }
    return {value == QStringLiteral("0"), value == QStringLiteral("1"),
            value == QStringLiteral("2"), value == QStringLiteral("3")};
}

bool CStageStatus::IsNewLqn(DeviceType type, float firmware)
{
    return type == DeviceType::Lqn && firmware > 1.0f;
}

CStageStatus::Layout CStageStatus::LayoutFor(DeviceType type, float firmware)
{
    switch (type) {
    case DeviceType::Kev:
    case DeviceType::Hwk:
        break;
    case DeviceType::Lqn:
        return IsNewLqn(type, firmware) ? Layout{kMeasures, {}} : Layout{kCurrentRow, {}};
    case DeviceType::Hvr:
    case DeviceType::DrqPlus:
        return {kCurrentRow, {}};
    case DeviceType::Uqt:
    case DeviceType::Drq2Plus:
        return {kVoltageOfUqt, {Ids::kSetHomeButton}};
    case DeviceType::Hwt:
        return {kMeasures, {}};
    case DeviceType::VnePlus:
        return {kMeasures + kLevelLamps + QList<int>{Ids::kSetHomeButton}, {}};
    }
    return {};
}
