#include "shell/cdlgmonitor.h"

#include "bus/cbusframe.h"
#include "bus/cbusport.h"
#include "controls/mycombobox/cmycombobox.h"
#include "platform/cansitext.h"
#include "platform/ccontrolids.h"
#include "platform/cmessageboxservice.h"
#include "shell/ctarnlinkapp.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTextEdit>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>
#include <climits>

const QColor CDlgMonitor::kSentColour = QColor(0, 0, 255);
const QColor CDlgMonitor::kReceivedColour = QColor(45, 224, 40);
const QString CDlgMonitor::kMacroLoadFailed =
    QStringLiteral("Makrodefinitionen konnten nicht geladen werden!");

namespace {

const QString kSentArrow = QStringLiteral("--> ");
const QString kReceivedArrow = QStringLiteral("<-- ");
const QString kLineEnd = QStringLiteral("\r\n");
const QString kStreamAddress = QStringLiteral("00");
constexpr QChar kStx(0x02);
constexpr QChar kEtx(0x03);

// A fixed-pitch face of the kind a terminal shows, at the terminal's 12 points.
QFont TerminalFont()
{
    QFont font(QStringLiteral("DejaVu Sans Mono"), 12);
    font.setStyleHint(QFont::Monospace);
    font.setFixedPitch(true);
    if (!QFontInfo(font).fixedPitch()) {
        font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
        font.setPointSize(12);
    }
    return font;
}

// What the log says when a stage sends nothing after "Z#".
const QString kNoStreamNote = QStringLiteral("Keine Antwort auf \"Z#\"");

QString TooLongNote(qsizetype length)
{
    return QStringLiteral("Befehl zu lang (%1 Zeichen), nicht gesendet").arg(length);
}

} // namespace

CDlgMonitor::CDlgMonitor(CTarnlinkApp& app, QWidget* parent)
    : QDialog(parent), m_app(app), m_port(app.BusPort())
{
    CControlIds::Set(this, kDialogId);
    setWindowTitle(QStringLiteral("Direktbetrieb"));
    BuildForm();
    m_silence = new QTimer(this);
    m_silence->setSingleShot(true);
    connect(m_silence, &QTimer::timeout, this, &CDlgMonitor::NoteSilentStage);
}

CDlgMonitor::~CDlgMonitor()
{
    // Whatever ends the dialog, the port does not stay listening for a stream.
    if (m_streamRunning)
        m_port.StopListening();
}

QLineEdit* CDlgMonitor::AddEdit(int id)
{
    auto* edit = new QLineEdit(this);
    CControlIds::Set(edit, id);
    return edit;
}

QPushButton* CDlgMonitor::AddButton(const QString& text, int id)
{
    auto* button = new QPushButton(text, this);
    CControlIds::Set(button, id);
    // No button takes Enter: Enter sends from the command edit and the macro combo.
    button->setAutoDefault(false);
    return button;
}

void CDlgMonitor::BuildForm()
{
    m_address = AddEdit(kAddressId);
    m_macroCombo = new CMyComboBox(this);
    CControlIds::Set(m_macroCombo, kMacroId);
    m_macroCombo->setEditable(true);
    m_macroCombo->setInsertPolicy(QComboBox::NoInsert);
    m_command = AddEdit(kCommandId);
    m_logStyle = new QComboBox(this);
    CControlIds::Set(m_logStyle, kLogStyleId);
    m_logStyle->addItems({QStringLiteral("Nur Daten"), QStringLiteral("Volles Protokoll")});

    auto* top = new QGridLayout;
    top->addWidget(new QLabel(QStringLiteral("Endstufenadresse:"), this), 0, 0);
    top->addWidget(m_address, 0, 1);
    top->addWidget(new QLabel(QStringLiteral("Makrobefehl:"), this), 0, 2);
    top->addWidget(m_macroCombo, 0, 3);
    top->addWidget(new QLabel(QStringLiteral("Befehl:"), this), 1, 0);
    top->addWidget(m_command, 1, 1);
    top->addWidget(new QLabel(QStringLiteral("Protokolldarstellung:"), this), 1, 2);
    top->addWidget(m_logStyle, 1, 3);
    top->setColumnStretch(3, 1);

    m_log = new QTextEdit(this);
    CControlIds::Set(m_log, kLogId);
    m_log->setAcceptRichText(false);
    m_log->setMinimumSize(480, 240);

    auto* sequence = new QGroupBox(QStringLiteral("Sequenz"), this);
    auto* sequenceRow = new QHBoxLayout(sequence);
    for (int i = 0; i < kSequenceLength; ++i) {
        m_sequence[static_cast<std::size_t>(i)] = AddEdit(kFirstSequenceId + i);
        sequenceRow->addWidget(m_sequence[static_cast<std::size_t>(i)]);
    }
    m_loop = new QCheckBox(QStringLiteral("Loop"), this);
    CControlIds::Set(m_loop, kLoopId);
    m_send = AddButton(QStringLiteral("Senden"), kSendId);
    sequenceRow->addWidget(m_loop);
    sequenceRow->addWidget(m_send);

    m_test = AddButton(QStringLiteral("&Test Endstufe"), kTestId);
    m_test->setCheckable(true);
    QPushButton* close = AddButton(QStringLiteral("Schließen"), kCloseId);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(m_test);
    bottom->addStretch(1);
    bottom->addWidget(close);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(m_log, 1);
    layout->addWidget(sequence);
    layout->addLayout(bottom);

    connect(m_command, &QLineEdit::returnPressed, this, &CDlgMonitor::OnCommandEnter);
    connect(m_macroCombo, &CMyComboBox::EnterPressed, this, &CDlgMonitor::OnMacroEnter);
    connect(m_send, &QPushButton::clicked, this, &CDlgMonitor::OnBnClickedSend);
    connect(m_test, &QPushButton::clicked, this, &CDlgMonitor::OnBnClickedTestStage);
    connect(close, &QPushButton::clicked, this, &CDlgMonitor::OnCancel);
}

void CDlgMonitor::OnInitDialog()
{
    m_closing = false;
    m_log->setFont(TerminalFont());
    m_format = QTextCharFormat();
    m_format.setForeground(QColor(Qt::black));
    m_address->setText(kStreamAddress);
    m_logStyle->setCurrentIndex(DataOnly);
    m_macroCombo->clear();
    const QString path = QDir(m_app.ProgramDirectory()).filePath(CMacroFile::kFileName);
    if (!m_macros.Load(path)) {
        m_app.ShowMessage(kMacroLoadFailed, MbOk);
        return;
    }
    m_macroCombo->addItems(m_macros.ComboEntries());
    // The list offers the macros; the field starts empty.
    m_macroCombo->setCurrentIndex(-1);
    m_macroCombo->clearEditText();
    // From now on every command waits this long, after the dialog too.
    m_port.SetLastingTimeout(kMacroTimeoutMs);
}

QString CDlgMonitor::FrameWithChecksum(const QString& text)
{
    const QString body = text + QLatin1Char(':');
    QByteArray lowBytes;
    lowBytes.reserve(body.size());
    for (QChar c : body)
        lowBytes.append(static_cast<char>(c.unicode() & 0xFF));
    return body + QString::fromLatin1(CBusFrame::Checksum(lowBytes));
}

QString CDlgMonitor::LogEntry(const QString& arrow, int style, const QString& addressAndText)
{
    if (style == FullProtocol)
        return arrow + kStx + FrameWithChecksum(addressAndText) + kEtx + kLineEnd;
    return arrow + addressAndText + kLineEnd;
}

bool CDlgMonitor::CanSend() const
{
    return !m_closing && !m_port.IsListening();
}

void CDlgMonitor::InsertLogText(const QString& text, const QTextCharFormat& format)
{
    // The entries go where the log's caret is, as typed text would. The log shows CR LF as
    // one line break.
    QString shown = text;
    shown.replace(kLineEnd, QStringLiteral("\n"));
    QTextCursor cursor = m_log->textCursor();
    cursor.insertText(shown, format);
    m_log->setTextCursor(cursor);
    m_log->ensureCursorVisible();
}

void CDlgMonitor::WriteLog(const QString& text, const QColor& colour)
{
    m_format.setForeground(colour);
    InsertLogText(text, m_format);
}

void CDlgMonitor::WriteNote(const QString& text)
{
    // Notes of the program itself are neither sent nor received text; they leave the
    // colour of the exchange alone.
    QTextCharFormat note = m_format;
    note.setForeground(QColor(Qt::black));
    InsertLogText(text + kLineEnd, note);
}

bool CDlgMonitor::Exchange(const QString& address, const QString& text)
{
    const QByteArray command = CAnsiText::FromUnicode(text);
    if (!m_port.CommandFits(address, command)) {
        WriteNote(TooLongNote(command.size()));
        return false;
    }
    QString reply;
    m_port.Transact(address, command, &reply, true);
    const int style = m_logStyle->currentIndex();
    WriteLog(LogEntry(kSentArrow, style, address + text), kSentColour);
    WriteLog(LogEntry(kReceivedArrow, style, address + reply), kReceivedColour);
    return true;
}

void CDlgMonitor::OnCommandEnter()
{
    if (!CanSend())
        return;
    const bool sent = Exchange(m_address->text(), m_command->text());
    m_command->setFocus();
    // The sent command stays, selected: the next one typed replaces it, and Enter sends it
    // again. A refused one stays as it is, to be mended.
    if (sent)
        m_command->selectAll();
}

void CDlgMonitor::OnMacroEnter()
{
    if (!CanSend())
        return;
    const CMacroFile::Typed typed = CMacroFile::Split(m_macroCombo->currentText());
    const CMacroFile::Lookup macro = m_macros.Find(typed.name);
    if (macro.found == CMacroFile::Found::NoMacro) {
        WriteNote(QStringLiteral("Makro \"%1\" nicht gefunden, nichts gesendet").arg(typed.name));
    } else if (macro.found == CMacroFile::Found::NoCommand) {
        WriteNote(QStringLiteral("Makro \"%1\" hat keinen Befehl in [ ], nichts gesendet")
                      .arg(typed.name));
    } else {
        const QString address = m_address->text();
        const QString text = macro.command + typed.parameter;
        m_command->setText(address + text);
        Exchange(address, text);
    }
    m_macroCombo->setFocus();
}

void CDlgMonitor::SendSequenceCommand(const QString& text)
{
    // The edit holds address and command as they go on the wire.
    const QByteArray command = CAnsiText::FromUnicode(text);
    if (!m_port.CommandFits(QString(), command)) {
        WriteNote(TooLongNote(command.size()));
        return;
    }
    QString reply;
    m_port.Transact(QString(), command, &reply, false);
    InsertLogText(reply + kLineEnd, m_format);
}

bool CDlgMonitor::RunSequencePass(bool* sent)
{
    QPointer<CDlgMonitor> self(this);
    for (QLineEdit* edit : m_sequence) {
        const QString text = edit->text();
        if (text.isEmpty())
            continue;
        *sent = true;
        SendSequenceCommand(text);
        m_app.PumpPendingMessages();
        // Closing while the pump ran ends the sequence at once.
        if (!self)
            return false;
        if (m_closing)
            return false;
    }
    return true;
}

void CDlgMonitor::OnBnClickedSend()
{
    if (m_sequenceRunning || !CanSend())
        return;
    // Left in place after the sequence, as the macro file's time-out is.
    m_port.SetLastingTimeout(kSequenceTimeoutMs);
    QPointer<CDlgMonitor> self(this);
    m_sequenceRunning = true;
    for (;;) {
        bool sent = false;
        const bool goOn = RunSequencePass(&sent);
        if (!self)
            return;
        // A pass with every edit empty sends nothing and would only spin.
        if (!goOn || !sent || !m_loop->isChecked())
            break;
    }
    m_sequenceRunning = false;
}

void CDlgMonitor::ShowStreamPiece(const QString& piece, bool first)
{
    // The log shows the whole collected stream; as the stream only grows, what came since
    // the last pass is added at its end.
    if (first)
        m_log->clear();
    QTextCursor cursor = m_log->textCursor();
    cursor.movePosition(QTextCursor::End);
    m_log->setTextCursor(cursor);
    InsertLogText(piece, m_format);
}

void CDlgMonitor::OnBnClickedTestStage()
{
    if (!m_test->isChecked()) {
        // Released: the transaction waiting in listen mode returns, and the loop below
        // sees the button up.
        m_port.StopListening();
        return;
    }
    if (m_streamRunning || m_sequenceRunning || !CanSend()) {
        m_test->setChecked(m_streamRunning);
        return;
    }
    m_collected.clear();
    QString reply;
    if (!m_port.Transact(kStreamAddress, "Z#", &reply, true)) {
        // The port is closed; it has said so.
        m_test->setChecked(false);
        return;
    }
    m_port.StartListening();
    m_streamRunning = true;
    m_log->setFocus();
    // Listening has no deadline; a stage still silent after the reply time-out is noted
    // while the test goes on.
    m_silence->start(static_cast<int>(std::min<std::uint32_t>(m_port.ReplyTimeout(), INT_MAX)));
    QPointer<CDlgMonitor> self(this);
    bool first = true;
    do {
        QString piece;
        const bool received = m_port.Transact(QString(), QByteArray(), &piece, true);
        // The transaction pumps while it listens: the dialog may be gone, and its
        // destructor has ended listen mode.
        if (!self)
            return;
        if (!received)
            break;
        if (!m_port.IsListening())
            piece.clear();
        m_collected += piece;
        ShowStreamPiece(piece, first);
        first = false;
        m_app.PumpPendingMessages();
        if (!self)
            return;
    } while (m_test->isChecked() && !m_closing && !m_collected.endsWith(kEtx));
    EndStreamTest();
    // The collected stream has replaced the log; a test that got nothing says so.
    if (m_collected.isEmpty() && !m_closing)
        WriteNote(kNoStreamNote);
}

void CDlgMonitor::NoteSilentStage()
{
    if (m_streamRunning && m_collected.isEmpty())
        WriteNote(kNoStreamNote);
}

void CDlgMonitor::EndStreamTest()
{
    m_silence->stop();
    m_port.StopListening();
    m_streamRunning = false;
    m_test->setChecked(false);
}

void CDlgMonitor::OnCancel()
{
    m_closing = true;
    m_test->setChecked(false);
    OnBnClickedTestStage();
    QDialog::reject();
}
