// The monitor "Direktbetrieb" (dialog 151): a terminal that sends single commands and named
// macros to a bus address and logs them with their replies in colour, sends a sequence of
// up to four commands once or in a loop, and shows the raw data a stage streams after
// "Z#". Its texts are German in both languages. It runs modally while the frame's status
// poll is stopped.
#pragma once

#include "bus/creplytimeouts.h"
#include "shell/cmacrofile.h"

#include <QColor>
#include <QDialog>
#include <QString>
#include <QTextCharFormat>

#include <array>
#include <cstdint>

class CBusPort;
class CMyComboBox;
class CTarnlinkApp;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QTextEdit;
class QTimer;

class CDlgMonitor : public QDialog {
    Q_OBJECT
public:
    static constexpr int kDialogId = 151;
    static constexpr int kAddressId = 1213;
    static constexpr int kMacroId = 1214;
    static constexpr int kCommandId = 1005;
    static constexpr int kLogStyleId = 1216;
    static constexpr int kLogId = 1014;
    static constexpr int kFirstSequenceId = 1107; // to 1110
    static constexpr int kSequenceLength = 4;
    static constexpr int kSendId = 1111;
    static constexpr int kLoopId = 1112;
    static constexpr int kTestId = 1113;
    static constexpr int kCloseId = 2;
    static constexpr std::uint32_t kMacroTimeoutMs = CReplyTimeouts::kMonitorMacros;
    static constexpr std::uint32_t kSequenceTimeoutMs = CReplyTimeouts::kMonitorSequence;
    enum LogStyle { DataOnly = 0, FullProtocol = 1 };
    static const QColor kSentColour;
    static const QColor kReceivedColour;
    static const QString kMacroLoadFailed;

    explicit CDlgMonitor(CTarnlinkApp& app, QWidget* parent = nullptr);
    ~CDlgMonitor() override;

    // Before the dialog runs: the log's font and colour, the address "00", the macros read
    // anew from the macro file beside the program.
    void OnInitDialog();
    // Enter in the command edit: the command to the address, both logged.
    void OnCommandEnter();
    // Enter in the macro combo: the named macro's command, with the typed parameter.
    void OnMacroEnter();
    // "Senden": the sequence edits in order, again and again while "Loop" is checked.
    void OnBnClickedSend();
    // "Test Endstufe" pressed: "Z#" to address 00, then what the stage streams is shown
    // until it ends with ETX or the button is released. A stage that sends nothing is noted
    // in the log.
    void OnBnClickedTestStage();
    // "Schließen", Escape or the window's close box: ends a running sequence and stream
    // test, then closes.
    void OnCancel();

    // Enter never closes the dialog.
    void accept() override {}
    void reject() override { OnCancel(); }

    // `text` + ":" + the XOR of the low bytes of text and ":", as two hex digits: the
    // checksummed body of a serial frame, shown whether or not the port uses checksums.
    static QString FrameWithChecksum(const QString& text);
    // One log line: `arrow`, then `addressAndText` as it is (data only) or framed
    // (full protocol), then CR LF.
    static QString LogEntry(const QString& arrow, int style, const QString& addressAndText);

    const CMacroFile& Macros() const { return m_macros; }
    bool IsSequenceRunning() const { return m_sequenceRunning; }
    bool IsStreamTestRunning() const { return m_streamRunning; }

private:
    void BuildForm();
    QLineEdit* AddEdit(int id);
    QPushButton* AddButton(const QString& text, int id);
    // False when the command was not sent (too long for a frame).
    bool Exchange(const QString& address, const QString& text);
    void SendSequenceCommand(const QString& text);
    bool RunSequencePass(bool* sent);
    void WriteLog(const QString& text, const QColor& colour);
    void WriteNote(const QString& text);
    void InsertLogText(const QString& text, const QTextCharFormat& format);
    void ShowStreamPiece(const QString& piece, bool first);
    void EndStreamTest();
    // The stream test has listened for the reply time-out and got nothing.
    void NoteSilentStage();
    // Sending waits while the stream test listens: the port would return the stream.
    bool CanSend() const;

    CTarnlinkApp& m_app;
    CBusPort& m_port;
    CMacroFile m_macros;
    QTextCharFormat m_format;
    QString m_collected;
    bool m_closing = false;
    bool m_sequenceRunning = false;
    bool m_streamRunning = false;

    QLineEdit* m_address = nullptr;
    CMyComboBox* m_macroCombo = nullptr;
    QLineEdit* m_command = nullptr;
    QComboBox* m_logStyle = nullptr;
    QTextEdit* m_log = nullptr;
    std::array<QLineEdit*, kSequenceLength> m_sequence{};
    QCheckBox* m_loop = nullptr;
    QPushButton* m_send = nullptr;
    QPushButton* m_test = nullptr;
    QTimer* m_silence = nullptr;
};
