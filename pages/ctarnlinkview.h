// The parameter page of one axis inside its child window: the current sliders with their
// value texts and zone bars, the further parameters, the axis name, the temperature-module
// buttons and six status lamps that a 500 ms poll keeps current while the page is active.
// What differs between the device types is done by the page's device-type object, made for
// its device-type index. An online page talks to its bus address ("%X"); an offline page
// ("Off") shows a parameter file or a new axis.
#pragma once

#include "pages/cpagehost.h"
#include "pages/cparameterfile.h"
#include "pages/cparameterfilereader.h"
#include "pages/cparameterform.h"
#include "pages/cparametersheet.h"
#include "pages/types/cendstufe.h"
#include "platform/cview.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTimer>

#include <array>
#include <memory>
#include <optional>

class CBalloonTip;
class CBusPort;
class CTarnlinkDoc;
class QMdiSubWindow;

class CTarnlinkView : public CView {
    Q_OBJECT
public:
    // The status timer, every kStatusPollMs while the page is active and online: the
    // status poll of the lamps.
    static constexpr int kStatusPollMs = 500;
    // The scroll code with which the page's readers report a delay position.
    static constexpr int kThumbPosition = 4;

    CTarnlinkView(CDocument& document, CPageHost& host, QWidget* parent = nullptr);
    // Brings the page's axis in the axis list up to date as the page closes.
    ~CTarnlinkView() override;

    CTarnlinkDoc* GetDocument() const;
    // The parameter view shown in `window`; null for any other window, a project window too.
    static CTarnlinkView* Of(QMdiSubWindow* window);
    CPageHost& Host() const { return m_host; }

    void OnInitialUpdate() override;
    void OnActivateView(bool activate) override;

    // The parameter sheet (ctarnlinkviewprint.cpp): one page, drawn from what the page
    // shows and what an online stage answers when printing begins.
    bool OnPreparePrinting(CPrintInfo& info) override;
    void OnBeginPrinting(QPainter& painter, CPrintInfo& info) override;
    void OnPrint(QPainter& painter, CPrintInfo& info) override;
    void OnEndPrinting(QPainter& painter, CPrintInfo& info) override;
    bool IsPrinting() const { return m_printing; }
    // What the sheet lists, as the page shows it now.
    CParameterSheet::Data SheetData() const;

    // "%X" of the bus address, or "Off".
    const QString& AddressText() const { return m_address; }
    // The enumeration is named in full: the name alone means this member inside the class.
    ::DeviceType DeviceType() const { return m_deviceType; }
    // The bus address under which the axis list holds the page's axis; -1 when the page
    // has none or the axis left the list.
    int AxisAddress() const { return m_axisAddress; }
    void SetAxisAddress(int address) { m_axisAddress = address; }
    // The address of a parameter file or a new axis ("%02X").
    const QString& FileAddress() const { return m_fileAddress; }
    // The page refused its file as no parameter file (and said so).
    bool RefusedItsFile() const { return !m_fileReading.Usable(); }
    const QString& VersionText() const { return m_versionText; }

    CParameterForm& Form() { return *m_form; }
    CBusPort& Port() const;
    QString LoadResString(unsigned id) const;
    // One command to the page's axis, or to `address`, with error messages on.
    bool Transact(const QByteArray& command, QString* reply);
    bool TransactTo(const QString& address, const QByteArray& command, QString* reply);

    // Sliders, the parameter lists, store, reset, defaults and logic levels together; a
    // stage that reports its parameters locked has them disabled.
    void EnableParameterControls(bool enable);
    // Whether the stage locked the parameters the last time it said.
    bool ParametersLocked() const { return m_parametersLocked; }

    // What the page knows. A value it never read from its stage, loaded from its file or
    // its type's defaults, or got from its user is unknown: it shows nothing, a save writes
    // -1 for it and a transmission leaves it out. A list that holds no selection, and a
    // level or display entry of -1, is unknown alike.
    static constexpr int kUnknownValue = -1;
    bool CurrentKnown(int slider) const;
    // The slider holds a current beyond its range at the nearest end, which it then shows,
    // saves and sends; -1 (what a save writes for an unknown current) leaves it unknown.
    void SetCurrent(int slider, int position);
    // Whether the page holds the current or the delay at the end of its range in place of
    // the value it was given, until the user sets another.
    bool CurrentClipped(int slider) const;
    bool DelayClipped() const { return m_delayClipped; }
    bool DelayKnown() const { return m_delayKnown; }
    // The delay spin at `position` with its text, a position beyond its milliseconds held
    // at the nearest end. A step the delay table lacks, and -1, leave the delay unknown
    // and show no text.
    void SetDelay(int position);
    bool NameKnown() const { return m_nameKnown; }
    // A name read from the stage or a file, shown whole however long it is; the user may
    // shorten a name beyond the typed length but not lengthen it.
    void SetName(const QString& name);
    // Logic level `index` (0 clock .. 5 deselect): 0 positive, 1 negative, -1 unknown.
    static bool LevelKnown(int level) { return level == 0 || level == 1; }
    void SetLogicLevel(int index, int level);
    // The menu entry of display 1 or 2; one the menu does not have is unknown (-1).
    void SetDisplayType(int display, int entry);
    // The display menu shows the entry of the display its radio has chosen.
    void ShowDisplayMenu();
    // A scroll of the delay spin: the type shows the delay text.
    void OnVScroll(int code, int position, QWidget* scrollControl);
    // The temperature-module switch 1060: tells the stage and updates caption and buttons.
    void OnBnClickedQelOnline();
    // Writes an offline page's settings to its axis, which must be online, tells the user
    // which values it left out or sent clipped (a project transfer's report tells it
    // instead), and closes the page; false when the axis is offline or a write failed.
    bool OnBnClickedTransmit();
    // The commands ("R", "T", ...) whose values the last transmission left out because the
    // page did not know them; the axis name, which a file may leave empty, is not counted.
    const QStringList& LeftOut() const { return m_leftOut; }
    void NoteLeftOut(const char* mnemonic) { m_leftOut.append(QString::fromLatin1(mnemonic)); }
    // The commands whose values the last transmission sent clipped to their control's range.
    const QStringList& Clipped() const { return m_clipped; }
    void NoteClipped(const char* mnemonic) { m_clipped.append(QString::fromLatin1(mnemonic)); }

    // The mark first, then the type's reader; true when every query was answered.
    bool ReadAllParameters();
    // The allowed motor current in 0.01 A that the axis's label names; 0 for none.
    int UpdateAllowedCurrentMark();
    // Whether the current of "S?", "R?" or "A?" may be written.
    bool ConfirmCurrentSetting(const QByteArray& query);

    // The offline page's fill: from the lines of its parameter file, or fresh for a new axis.
    void ApplyParameterLines();
    // One value the file sets.
    void ApplyParameterValue(const CParameterFileReader::Value& value);
    void InitControlsForType();
    // The values a save writes; online pages ask the stage for its version (and module
    // settings). False when the stage does not answer.
    bool CollectFileContent(CParameterFile::Content& content);
    // Enters the axis of a parameter file into the axis list.
    void RegisterAxis(const CParameterFileReader::Axis& axis);

    // The status poll's timer.
    QTimer& StatusTimer() { return m_statusTimer; }
    void OnTimer();
    // Places an offline page of the same axis beside this one when this one gets focus.
    void OnSetFocus();
    // The picture a status lamp shows (164..169).
    int LampImage(int lampId) const;

    // Kept for and set by the device types.
    float m_firmware = 0.0f;
    double m_markerScale = 4.0;
    std::array<qint8, 6> m_logicLevels{-1, -1, -1, -1, -1, -1};
    int m_displayType1 = -1;
    int m_displayType2 = -1;
    // Temperature-module settings, each its lower-case key and value ("xw0" ...).
    std::array<QString, 6> m_qelSettings;
    // The allowed-current mark (0.01 A) as of the last full read or name change.
    int m_allowedMark = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The object of the page's device type; null before the initial update and for an index
    // outside the nine types.
    CEndstufe* Type();
    void ShowCurrentText(int slider);

    void SetCaptions();
    void FillCommonLists();
    void ShowAllCurrentTexts();
    void SetUpOfflinePage();
    // An offline page for File New's axis rather than for a file.
    bool IsNewAxis() const;
    void ApplyOperationMode(int value);
    // A file of the axis the list holds at `address` as of type `listed`.
    void JoinKnownAxis(int address, ::DeviceType listed, const QString& typeLine);
    void SetLamp(int lampId, int picture);
    void SwitchLamp(int lampId, int offPicture, bool on);
    void ShowStatus(int status);
    void ConnectControls();
    // Empties the selection of every list: each holds nothing until the page knows it.
    void ClearSelections();
    // A type's own handler of a list change; the page counts as changed when it had one.
    void OnTypeChoice(bool (CEndstufe::*handler)());
    void OnDelaySpinReleased();
    // A spin step by key or wheel, written as a mouse release writes it.
    void EndDelayMove();
    void UpdateAxisOnClose();

    // The page's commands (buttons, lists, sliders, name edit).
    void ConnectCommands();
    void OnBnClickedStore();
    void OnBnClickedLoadDefaults();
    void OnBnClickedReset();
    void OnBnClickedQelReset();
    void OnBnClickedSetName();
    void OnBnClickedClearWatchdog();
    // The dialogs of the stage's status and of its temperature module.
    void OnBnClickedStatus();
    void OnBnClickedQelStatus();
    void OnBnClickedQelSettings();
    void OnDisplayRadio(int radio);
    void OnSelchangeStepResolution();
    void OnSelchangeDirection();
    void OnSelchangeInputLogic();
    void OnSelchangeActivation();
    void OnReleasedStopSlider();
    void OnReleasedRunSlider();
    void OnReleasedBoostSlider();
    void OnBnClickedLogicLevels();
    void OnChangeAxisName();
    // Lowers the name's length limit to the name's length as the user shortens a name
    // longer than typing may make it, down to the typed length.
    void FitNameLimit();
    void WriteSelection(const char* mnemonic, int combo);
    // Where every move of a current slider by the user ends (drag, click beside the
    // handle, keys, wheel): the run current clamped, the current checked and written, the
    // document marked modified; nothing for a current the page does not know.
    void ReleaseCurrent(int slider);
    // The end of a move that no release of the handle ends: a click beside the handle or
    // the wheel.
    void EndCurrentMove(int slider);
    // The keys that move a slider.
    static bool IsSliderKey(int key);
    bool WriteReleasedCurrent(int slider);
    bool TransactWithTimeout(const QByteArray& command, std::uint32_t timeoutMs);
    void ShowAxisLabel(int number, const QString& label);
    void CloseOnlinePageOfAxis();
    void MarkModified();

    // The allowed current (ctarnlinkviewcurrent.cpp).
    static int ScanAddress(const QString& text);
    // The bus address of the page's axis: its own, or its file's when offline; -1 for none.
    int AxisNumber() const;
    unsigned CurrentLimit(int mark);
    void ShowAllowedZone(quint32 position);
    void HideAllowedZone();
    // Where a current slider stood, and whether the page knew its current, before the user
    // began to move it.
    struct CurrentBefore {
        int position;
        bool known;
    };
    void NoteCurrentChangeStart(int slider);
    void PutBackStageCurrent(int slider, const QByteArray& query, unsigned limit,
                             std::optional<CurrentBefore> before);

    CPageHost& m_host;
    std::unique_ptr<CParameterForm> m_form;
    ::DeviceType m_deviceType = ::DeviceType::Hvr;
    QString m_address;
    QString m_fileAddress;
    QString m_versionText;
    int m_axisAddress = -1;
    // What the document's file says, for an offline page that shows one.
    CParameterFileReader::Result m_fileReading;
    QTimer m_statusTimer;
    CBalloonTip* m_nameTip = nullptr;
    // Each current slider's position before the user began to move it, until the move is
    // written or refused.
    std::array<std::optional<CurrentBefore>, 3> m_currentBefore;
    std::array<bool, 3> m_currentKnown{};
    std::array<bool, 3> m_currentClipped{};
    bool m_delayKnown = false;
    bool m_delayClipped = false;
    // The user stepped the delay and it has not been written yet.
    bool m_delayMoving = false;
    bool m_nameKnown = false;
    // The name as it stood before the user's last edit: what the edit added is told from it.
    QString m_nameBefore;
    // How long a name the user may type: 40 characters, 7 on CAN.
    static constexpr int kSerialNameLength = 40;
    static constexpr int kCanNameLength = 7;
    int m_typedNameLength = kSerialNameLength;
    QStringList m_leftOut;
    QStringList m_clipped;
    bool m_parametersLocked = false;
    bool m_printing = false;
    // Asked fresh when printing begins: the stage's and its module's answer to "B" / "XB".
    QString m_printVersionReply;
    QString m_moduleVersionText;

    // The device-type object and the type it was made for, none before the initial update.
    // A file or the tree may settle another type while the page opens: Type() then makes the
    // object anew.
    std::unique_ptr<CEndstufe> m_type;
    std::optional<::DeviceType> m_typeMadeFor;
};
