#include "pages/cparametersheet.h"

#include "res/cstringids.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QPen>
#include <QRegularExpression>

namespace {

const QString kEol = QStringLiteral("\r\n");
const QString kNotAvailable = QStringLiteral("N/A");
// A block breaks its lines at CR LF, and at a lone LF or CR as well.
const QRegularExpression kLineBreak(QStringLiteral("\r\n|\n|\r"));

// The page is 196 by 285 layout units (about millimetres on A4) inside a 50 pixel margin.
constexpr int kMargin = 50;
constexpr int kUnitsAcross = 196;
constexpr int kUnitsDown = 285;
constexpr int kTextIndent = 2;
constexpr int kDateColumn = 177;
constexpr int kFontUnits = 4;
constexpr int kBlockTops[4] = {10, 39, 68, 109};
constexpr int kSeparators[4] = {36, 65, 106, 147};
constexpr int kLqnSeparator = 119;
constexpr int kDisplaySeparator = 130;
// Windows expands a tab to the next multiple of eight average character widths.
constexpr int kTabColumns = 8;

// The text behind a module reply's echo ("xb", "xw" ...).
QString WithoutEcho(const QString& reply)
{
    return reply.mid(2);
}

// Separator lines run across the whole frame.
void DrawSeparator(QPainter& painter, const QSize& page, int y)
{
    painter.drawLine(kMargin, y, page.width() - kMargin, y);
}

// The first tab stop after `x`, counted from the block's left edge.
int NextTabStop(int x, int tab)
{
    return (x / tab + 1) * tab;
}

// A block's line: the label, the run of tabs after it and the value; a line without a tab
// is all label.
struct SheetLine {
    QString label;
    int tabs = 0;
    QString value;
};

SheetLine SplitLine(const QString& line)
{
    const qsizetype firstTab = line.indexOf(QLatin1Char('\t'));
    if (firstTab < 0)
        return {line, 0, {}};
    qsizetype end = firstTab;
    while (end < line.size() && line.at(end) == QLatin1Char('\t'))
        ++end;
    return {line.left(firstTab), int(end - firstTab), line.mid(end)};
}

// Where the label's tabs take the value when they are expanded.
int ValueStop(const SheetLine& line, const QFontMetrics& metrics, int tab)
{
    int x = metrics.horizontalAdvance(line.label);
    for (int i = 0; i < line.tabs; ++i)
        x = NextTabStop(x, tab);
    return x;
}

// Draws one block from its top-left corner. The labels' tabs are counted for the face the
// sheet was laid out in, where they all reach the same stop; in any other face they reach
// different ones, so every value of the block starts at the farthest stop any of its labels
// reaches: one column, right of every label.
void DrawBlock(QPainter& painter, const QString& block, QPoint topLeft, int tab)
{
    const QFontMetrics metrics = painter.fontMetrics();
    QList<SheetLine> lines;
    int column = 0;
    for (const QString& text : block.split(kLineBreak)) {
        lines.append(SplitLine(text));
        if (lines.last().tabs > 0)
            column = std::max(column, ValueStop(lines.last(), metrics, tab));
    }
    int baseline = topLeft.y() + metrics.ascent();
    for (const SheetLine& line : std::as_const(lines)) {
        painter.drawText(QPoint(topLeft.x(), baseline), line.label);
        // A tab inside a value moves on to the next stop, as a tab does.
        int x = column;
        const QStringList pieces = line.value.split(QLatin1Char('\t'));
        for (qsizetype p = 0; line.tabs > 0 && p < pieces.size(); ++p) {
            if (p > 0)
                x = NextTabStop(x, tab);
            painter.drawText(QPoint(topLeft.x() + x, baseline), pieces[p]);
            x += metrics.horizontalAdvance(pieces[p]);
        }
        baseline += metrics.height();
    }
}

} // namespace

CParameterSheet::CParameterSheet(Data data, TextLookup text)
    : m_data(std::move(data)), m_text(std::move(text))
{
}

QString CParameterSheet::DisplayName(int entry)
{
    static const char* const kNames[] = {"I+U", "I+M", "I+T", "Temp", "None"};
    if (entry == -1)
        return {};
    if (entry < 0 || entry >= static_cast<int>(std::size(kNames)))
        return QString::number(entry);
    return QString::fromLatin1(kNames[entry]);
}

bool CParameterSheet::HasModuleBlock() const
{
    return CDeviceType::Info(m_data.deviceType).temperatureModule && m_data.moduleTicked;
}

QStringList CParameterSheet::Blocks() const
{
    QStringList blocks = {PowerStageBlock(), CurrentBlock(), ParameterBlock()};
    if (HasModuleBlock())
        blocks.append(ModuleBlock());
    return blocks;
}

QString CParameterSheet::VersionText() const
{
    if (!m_data.online)
        return kNotAvailable;
    const qsizetype v = m_data.versionReply.indexOf(QLatin1Char('V'));
    return v < 0 ? m_data.versionReply : m_data.versionReply.mid(v);
}

QString CParameterSheet::PowerStageBlock() const
{
    return m_text(CStringIds::kIdsSheetHeading) + m_text(CStringIds::kIdsSheetAddress) +
           QLatin1Char('[') + m_data.address + QLatin1Char(']') + kEol +
           m_text(CStringIds::kIdsSheetType) + m_data.typeName + kEol +
           m_text(CStringIds::kIdsSheetVersion) + VersionText() + kEol +
           m_text(CStringIds::kIdsSheetName) + m_data.name;
}

QString CParameterSheet::CurrentBlock() const
{
    QString block = m_text(CStringIds::kIdsSheetCurrentHeading);
    for (unsigned i = 0; i < 3; ++i)
        block += m_text(CStringIds::kIdsSheetStopCurrent + i) + m_data.currents[i] + kEol;
    return block + m_text(CStringIds::kIdsSheetDelay) + m_data.delay;
}

QString CParameterSheet::LogicRows() const
{
    // The LQN has the first four inputs only.
    const auto rows = static_cast<unsigned>(CDeviceType::Info(m_data.deviceType).inputLevels);
    if (rows == 0)
        return m_text(CStringIds::kIdsSheetInputLogic) + m_data.inputLogic + kEol;
    QString text;
    for (unsigned i = 0; i < rows; ++i) {
        const int level = m_data.logicLevels[i];
        // A level the page does not know is left blank rather than guessed.
        const QString value = level == 0   ? m_text(CStringIds::kIdsSheetHighActive)
                              : level == 1 ? m_text(CStringIds::kIdsSheetLowActive)
                                           : QString();
        text += m_text(CStringIds::kIdsSheetFirstLevel + i) + value + kEol;
    }
    return text;
}

QString CParameterSheet::InputFunctionRows() const
{
    switch (m_data.deviceType) {
    case DeviceType::Kev:
        return m_text(CStringIds::kIdsSheetInputFunction) + m_data.inputFunction + kEol;
    case DeviceType::Lqn:
    case DeviceType::Hwt:
    case DeviceType::DrqPlus:
        return m_text(CStringIds::kIdsSheetCurrentShape) + m_data.inputFunction + kEol;
    case DeviceType::Hwk:
    case DeviceType::Hvr:
        return m_text(CStringIds::kIdsSheetDisplay) + QStringLiteral(" 1:\t\t\t\t") +
               DisplayName(m_data.display1) + kEol + m_text(CStringIds::kIdsSheetDisplay) +
               QStringLiteral(" 2:\t\t\t\t") + DisplayName(m_data.display2) + kEol;
    case DeviceType::Uqt:
    case DeviceType::Drq2Plus:
    case DeviceType::VnePlus:
        break;
    }
    return {};
}

QString CParameterSheet::OutputFunctionLabel() const
{
    switch (m_data.deviceType) {
    case DeviceType::Kev:
        return m_text(CStringIds::kIdsSheetOutputFunction);
    case DeviceType::Lqn:
        return m_text(CStringIds::kIdsSheetChopper);
    case DeviceType::Hwt:
    case DeviceType::Hwk:
    case DeviceType::DrqPlus:
        return m_text(CStringIds::kIdsSheetOverdrive);
    case DeviceType::Hvr:
    case DeviceType::Uqt:
    case DeviceType::Drq2Plus:
    case DeviceType::VnePlus:
        break;
    }
    return {};
}

QString CParameterSheet::ParameterBlock() const
{
    QString block = m_text(CStringIds::kIdsSheetParameterHeading) +
                    m_text(CStringIds::kIdsSheetStep) + m_data.step + kEol +
                    m_text(CStringIds::kIdsSheetDirection) + m_data.direction + kEol + LogicRows() +
                    InputFunctionRows() + m_text(CStringIds::kIdsSheetActivation) +
                    m_data.activation + kEol;
    // The HVR has no output function; the types without a label of their own list the
    // value alone.
    if (m_data.deviceType != DeviceType::Hvr)
        block += OutputFunctionLabel() + m_data.outputFunction + kEol;
    return block + m_text(CStringIds::kIdsSheetOperationMode) + m_data.operationMode;
}

QString CParameterSheet::ModuleBlock() const
{
    const auto& settings = m_data.qelSettings;
    const QString version =
        m_data.online ? WithoutEcho(m_data.moduleVersionReply) : kNotAvailable;
    const bool thermocouple = settings[0].endsWith(QLatin1Char('1'));
    QString block = m_text(CStringIds::kIdsSheetModuleHeading) +
                    m_text(CStringIds::kIdsSheetModuleVersion) + version + kEol +
                    m_text(CStringIds::kIdsSheetThermocouple) +
                    (thermocouple ? QStringLiteral("K-Element") : QStringLiteral("PT100")) + kEol;
    for (unsigned i = 0; i < 3; ++i)
        block += m_text(CStringIds::kIdsSheetLimit1 + i) + WithoutEcho(settings[i + 1]) +
                 QStringLiteral(" °C") + kEol;
    return block + m_text(CStringIds::kIdsSheetLedLimit) + QStringLiteral("Limit ") +
           settings[4].right(1) + kEol + m_text(CStringIds::kIdsSheetHeatTime) +
           WithoutEcho(settings[5]) + QStringLiteral(" min") + kEol;
}

int CParameterSheet::SeparatorUnits(int block) const
{
    if (block == 2 && m_data.deviceType == DeviceType::Lqn)
        return kLqnSeparator;
    if (block == 2 &&
        (m_data.deviceType == DeviceType::Hwk || m_data.deviceType == DeviceType::Hvr))
        return kDisplaySeparator;
    return kSeparators[block];
}

void CParameterSheet::Paint(QPainter& painter, const QSize& page, const QString& title,
                            const QDate& date) const
{
    const int v = page.height() / kUnitsDown;
    const int h = page.width() / kUnitsAcross;
    const auto down = [v](double units) { return kMargin + static_cast<int>(units * v); };
    const int left = kMargin + kTextIndent * h;

    painter.save();
    // The font's cell (ascent and descent) is four units high, whatever font stands in for
    // Arial here, so every block's lines end above its separator.
    QFont font(QStringLiteral("Arial"));
    const int cell = std::max(1, kFontUnits * v);
    font.setPixelSize(cell);
    const int measured = std::max(1, QFontMetrics(font, painter.device()).height());
    font.setPixelSize(std::max(1, cell * cell / measured));
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(QPen(Qt::black, 5, Qt::SolidLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(QPointF(kMargin, kMargin),
                            QPointF(page.width() - kMargin, page.height() - kMargin)));
    painter.setPen(QPen(Qt::black, 2, Qt::SolidLine));
    DrawSeparator(painter, page, down(7));
    DrawSeparator(painter, page, down(7.5));
    const int headerTop = down(2);
    const auto drawAt = [&painter, &page, headerTop](int x, const QString& text) {
        painter.drawText(QRect(x, headerTop, page.width() - x, page.height() - headerTop),
                         Qt::AlignLeft | Qt::AlignTop, text);
    };
    drawAt(left, title);
    drawAt(kMargin + kDateColumn * h, date.toString(QStringLiteral("dd.MM.yyyy")));

    font.setBold(false);
    painter.setFont(font);
    painter.setPen(QPen(Qt::black, 4, Qt::SolidLine));
    const int tab = std::max(1, kTabColumns * painter.fontMetrics().averageCharWidth());
    const QStringList blocks = Blocks();
    for (int i = 0; i < blocks.size(); ++i) {
        DrawBlock(painter, blocks[i], QPoint(left, down(kBlockTops[i])), tab);
        DrawSeparator(painter, page, down(SeparatorUnits(i)));
    }
    painter.restore();
}
