#include "bus/ccancommandmap.h"

#include <algorithm>
#include <cstring>

namespace {

// Codes with a meaning beyond the command-byte table.
constexpr int kNone = -1;
constexpr int kCodeB = 5;
constexpr int kCodeBF = 6;
constexpr int kCodePN = 7;
constexpr int kCodeZ = 27;
constexpr int kCodeLStar = 28;
constexpr int kCodeL = 19;
constexpr int kLookUpP = 101; // the second letter decides, in the P table
constexpr int kLookUpL = 102; // '*' after L is the alternating-bit pattern
constexpr std::uint32_t kAlternatingBits = 0xAAAAAAAA;
constexpr int kNameBytes = 7;

struct CommandRow {
    char letter;
    int code;
};

// One row per character from '@' to 'Z'; the value follows the letter, at text position 3.
constexpr std::array<CommandRow, 27> kCommands = {{
    {'@', kNone},     // not implemented
    {'A', 9},         // R/W Boost Current, 0..630, 1/100 A
    {'B', kCodeB},    // R/- SW Version
    {'C', 0},         // -/- Reset Amplifier
    {'D', 4},         // R/- Amplifier Temp., 1/10 C
    {'E', 25},        // -/- Erase Data ROM
    {'F', 1},         // R/- Amplif.Status
    {'G', 17},        // R/W Pref.Direction, 0..1
    {'H', kNone},
    {'I', kNone},
    {'J', 18},        // -/- Zero Position
    {'K', kNone},
    {'L', kLookUpL},  // R/W Logic Level, 0..1
    {'M', 8},         // R/W Stepwidth, 0..13
    {'N', kNone},
    {'O', 20},        // R/W Output Function, 0..2
    {'P', kLookUpP},  // R/W Parameters
    {'Q', 2},         // R/- Error Status
    {'R', 10},        // R/W Run Current, 0..630, 1/100 A
    {'S', 11},        // R/W Stop Current, 0..630, 1/100 A
    {'T', 12},        // R/W Recovery Time, 0..15 ms
    {'U', 13},        // R/W Deactivate Amp., 0..1
    {'V', 3},         // R/- Voltage, 1/10 V
    {'W', 26},        // -/- Write EPROM
    {'X', kNone},
    {'Y', kNone},
    {'Z', kCodeZ},    // -/- Test Motor
}};

// The second letter after P; the value follows at text position 4.
constexpr std::array<CommandRow, 27> kParameters = {{
    {'@', kNone},
    {'A', kNone},
    {'B', 21},        // R/W Operation Mode, 0..1
    {'C', 15},        // R/W Current Shape
    {'D', kNone},
    {'E', kNone},
    {'F', kNone},
    {'G', kNone},
    {'H', 14},        // R/W OD high freq, 225..225000
    {'I', kNone},
    {'J', kNone},
    {'K', 29},        // R/W Baudrate
    {'L', kNone},
    {'M', kNone},
    {'N', kCodePN},   // R/W Ax Identifier
    {'O', 16},        // R/W Overdrive
    {'P', kNone},
    {'Q', kNone},
    {'R', 22},        // R/- ext. Reset
    {'S', 23},        // R/- Bus Mode
    {'T', kNone},
    {'U', kNone},
    {'V', kNone},
    {'W', kNone},
    {'X', 24},        // R/W Bus Exclusive, 0..1
    {'Y', kNone},
    {'Z', kNone},
}};

constexpr bool LettersInOrder(const std::array<CommandRow, 27>& rows)
{
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (rows[i].letter != static_cast<char>('@' + i))
            return false;
    }
    return true;
}
static_assert(LettersInOrder(kCommands) && LettersInOrder(kParameters));

// Code -> first data byte of the request.
constexpr std::array<std::uint8_t, 30> kCommandBytes = {
    32, 0,  1,  2,  3,  4,  5,  6,  16, 17, // C F Q V D B BF PN M A
    18, 19, 20, 34, 37, 35, 36, 21, 33, 48, // R S T U PH PC PO G J L
    49, 7,  8,  7,  7,  56, 57, 38, 64, 52, // O PB PR PS PX E W Z L* PK
};

// The two-letter commands whose read is "?" after both letters.
constexpr std::array<int, 9> kTwoLetterCodes = {7, 14, 15, 16, 21, 22, 23, 24, 29};

struct ReplyRow {
    std::uint8_t answerByte;
    const char* mnemonic;
    bool text;
};

// First data byte of an answer -> echo of the reply; every other byte names no reply.
constexpr std::array<ReplyRow, 27> kReplies = {{
    {0, "f", false},   {1, "q", false},   {2, "v", false},   {3, "d", false},
    {4, "b", true},    {5, "b", true},    {6, "pn", true},   {7, "ps", false},
    {8, "pr", false},  {16, "m", false},  {17, "a", false},  {18, "r", false},
    {19, "s", false},  {20, "t", false},  {21, "g", false},  {32, "c", false},
    {33, "j", false},  {34, "u", false},  {35, "pc", false}, {36, "po", false},
    {37, "ph", false}, {38, "z", false},  {48, "l", false},  {49, "o", false},
    {52, "pk", false}, {56, "e", false},  {57, "w", false},
}};

// The text as a C string: past its end, or at an embedded zero, there is nothing.
char At(const QByteArray& text, qsizetype index)
{
    if (index < 0 || index >= text.size())
        return '\0';
    const char* zero = static_cast<const char*>(std::memchr(text.constData(), 0,
                                                            static_cast<size_t>(index)));
    return zero ? '\0' : text.at(index);
}

int HexDigit(char c)
{
    static constexpr char kDigits[] = "0123456789ABCDEF";
    for (int i = 0; i < 16; ++i) {
        if (kDigits[i] == c)
            return i;
    }
    return -1;
}

bool IsLetter(char c)
{
    return c >= 'A' && c <= 'Z';
}

CCanCommandMap::Request Refuse(QByteArray diagnostic)
{
    return CCanCommandMap::Request{std::nullopt, std::move(diagnostic)};
}

QByteArray BadCommand(char first, char second = '\0')
{
    QByteArray line("bad command ");
    line += first;
    if (second != '\0')
        line += second;
    return line + '\n';
}

// Decimal digits from `position` on; every character shifts the value one place and only
// digits add to it; there is no sign. For Z, '+' and '-' stand for 1 and 0.
std::uint32_t ValueFrom(const QByteArray& text, qsizetype position, int code)
{
    std::uint32_t value = 0;
    for (qsizetype i = position; At(text, i) != '\0'; ++i) {
        char c = At(text, i);
        if (code == kCodeZ && i == position)
            c = c == '+' ? '1' : (c == '-' ? '0' : c);
        value = value * 10 + ((c >= '0' && c <= '9') ? static_cast<std::uint32_t>(c - '0') : 0);
    }
    return value;
}

void PutValue(CCanCommandMap::Frame& frame, std::uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        frame.data[static_cast<std::size_t>(1 + i)] = static_cast<std::uint8_t>(value >> (8 * i));
    frame.length = 5;
}

void PutName(CCanCommandMap::Frame& frame, const QByteArray& text, qsizetype position)
{
    // Past the end of the name At() gives zeros, so the frame is padded with them.
    for (int i = 0; i < kNameBytes; ++i)
        frame.data[static_cast<std::size_t>(1 + i)] =
            static_cast<std::uint8_t>(At(text, position + i));
    frame.length = 8;
}

bool IsRead(char c)
{
    return c == '?' || c == '\0';
}

void FillPayload(CCanCommandMap::Frame& frame, const QByteArray& text, int code,
                 qsizetype valueAt)
{
    const bool twoLetter =
        std::find(kTwoLetterCodes.begin(), kTwoLetterCodes.end(), code) != kTwoLetterCodes.end();
    if (code == kCodeLStar)
        PutValue(frame, kAlternatingBits);
    else if (IsRead(At(text, 3)) || (twoLetter && IsRead(At(text, 4))))
        frame.length = 1;
    else if (code == kCodePN)
        PutName(frame, text, 4);
    else
        PutValue(frame, ValueFrom(text, valueAt, code));
}

} // namespace

CCanCommandMap::Request CCanCommandMap::Translate(const QByteArray& text)
{
    const int high = HexDigit(At(text, 0));
    const int low = HexDigit(At(text, 1));
    if (high < 0 || low < 0)
        return Refuse("bad Hex-Data!");
    const int address = 16 * high + low;

    const char letter = At(text, 2);
    if (!IsLetter(letter))
        return Refuse("bad command code\n");
    int code = kCommands[static_cast<std::size_t>(letter - '@')].code;
    if (code == kNone)
        return Refuse(BadCommand(letter));

    const char second = At(text, 3);
    qsizetype valueAt = 3;
    if (code == kLookUpP) {
        if (!IsLetter(second))
            return Refuse("bad subcommand code\n");
        code = kParameters[static_cast<std::size_t>(second - '@')].code;
        if (code == kNone)
            return Refuse(BadCommand(letter, second));
        valueAt = 4;
    } else if (code == kLookUpL) {
        // LT, LD, LB, LA, LR, LX set the level of one input; the frame can only carry the
        // level of the whole stage, so sending them would change every input at once.
        if (IsLetter(second))
            return Refuse(BadCommand(letter, second));
        code = second == '*' ? kCodeLStar : kCodeL;
    } else if (code == kCodeB && second == 'F') {
        code = kCodeBF;
    }

    Frame frame;
    frame.identifier = kRequestBase + 2 * static_cast<std::uint32_t>(address);
    frame.data[0] = kCommandBytes[static_cast<std::size_t>(code)];
    FillPayload(frame, text, code, valueAt);
    return Request{frame, {}};
}

std::optional<QByteArray> CCanCommandMap::ReplyText(const Frame& answer)
{
    if (answer.length < 1)
        return std::nullopt;
    const auto row = std::find_if(kReplies.begin(), kReplies.end(), [&](const ReplyRow& r) {
        return r.answerByte == answer.data[0];
    });
    if (row == kReplies.end())
        return std::nullopt;

    // Identifiers outside the stages' range still give two digits, which the bus port
    // strips as the address. Unsigned, so that no identifier can overflow the subtraction.
    const std::uint32_t address = (answer.identifier - kAnswerBase) / 2;
    QByteArray reply = QByteArray::number(address & 0xFFu, 16).toUpper().rightJustified(2, '0');
    reply += row->mnemonic;
    if (row->text) {
        const int length = std::min(answer.length, 8);
        for (int i = 1; i < length && answer.data[static_cast<std::size_t>(i)] != 0; ++i)
            reply += static_cast<char>(answer.data[static_cast<std::size_t>(i)]);
        return reply;
    }
    std::uint32_t raw = 0;
    for (int i = 0; i < 4; ++i)
        raw |= static_cast<std::uint32_t>(answer.data[static_cast<std::size_t>(1 + i)]) << (8 * i);
    return reply + QByteArray::number(static_cast<std::int32_t>(raw));
}
