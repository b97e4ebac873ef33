// The work the nine device types have in common: the patterns by which a type shapes the
// page, reads the stage into it and writes it back (driven by the type's tables), and the
// operations whose one body serves several types (current and delay texts, the current
// limits, the list writes, the lock poll, the current defaults, the display page of HWK and
// HVR).
#pragma once

#include "pages/cdevicetype.h"
#include "pages/cdevicetypetables.h"

#include <QString>
#include <QStringList>

#include <initializer_list>
#include <span>

class CTarnlinkView;
class QComboBox;
class QSpinBox;
class QWidget;

class CEndstufeShared {
public:
    // Shapes sliders, step list, scales, the delay spin and the marker scale; hides the
    // temperature-module controls of a type that has none. The step list, the scales and
    // the module come from the row of the page's type.
    static void SetupPage(CTarnlinkView& view, const CPageSetup& setup);
    // One read per query in order, each value to its control; false at the first query
    // that gets no answer, leaving the controls set so far as they are.
    static bool ReadQueries(CTarnlinkView& view, std::span<const CParamQuery> queries);
    // The common reads, the axis name first unless `withName` is false, then `own`.
    static bool ReadWithCommon(CTarnlinkView& view, std::span<const CParamQuery> own,
                               bool withName = true);
    // The common reads with the type's separate input levels in place of the one input
    // logic, then the type's own reads.
    static bool ReadType(CTarnlinkView& view, const CTypeTables& tables);
    // The axis name, the common writes, the type's own writes and its input levels.
    static bool TransmitType(CTarnlinkView& view, const QString& address,
                             const CTypeTables& tables);
    // The axis name (2000 ms) and the common writes to `address`; false at the first failure.
    static bool TransmitCommon(CTarnlinkView& view, const QString& address);
    // The axis name alone, with 2000 ms for the stage to take it; a name the page never got
    // is not sent.
    static bool TransmitName(CTarnlinkView& view, const QString& address);
    // Each write whose value the page knows; one the page never got is left out and noted
    // on the page, as is one sent clipped to its control's range.
    static bool WriteValues(CTarnlinkView& view, const QString& address,
                            std::span<const CParamWrite> writes);

    // The slider's position as a current of the page's type into its value text and its
    // tool tip.
    static void ShowCurrentText(CTarnlinkView& view, int slider);
    // "%d ms" into the delay text when the scroll came from the delay spin.
    static void ShowDelayMilliseconds(CTarnlinkView& view, int position,
                                      const QWidget* scrollControl);
    // The delay-table text of the position (HWT, DRQ+) when the scroll came from the spin.
    static void ShowDelayTable(CTarnlinkView& view, int position, const QWidget* scrollControl);
    // "PO" with the output-function selection; the answer is not looked at.
    static void SendOutputFunction(CTarnlinkView& view);
    // `mnemonic` with the selection of `combo`; the answer is not looked at.
    static void SendSelection(CTarnlinkView& view, const char* mnemonic, int combo);
    // The stage's operation state: a stage whose switches apply ("ps0") has its parameters
    // locked; the mode text shows which, and `combo` keeps the value for the file.
    static void ShowOperationState(CTarnlinkView& view, bool locked, int combo, int value);
    // "PS?": a stage whose answer ends in "0" has its parameters locked.
    static void PollLock(CTarnlinkView& view);
    // The display-menu selection for the display chosen by the radios: "PL" or "PM".
    static void SendDisplayMenu(CTarnlinkView& view);
    // "PX" with the bus-mode selection (HWT, LQN).
    static void SendBusMode(CTarnlinkView& view);
    // "PC" with the current-shape selection (LQN, HWT, DRQ+, DRQ2+).
    static void SendCurrentShape(CTarnlinkView& view);
    // "PE" with the chopper-frequency selection (LQN, UQT).
    static void SendChopperFrequency(CTarnlinkView& view);

    // What the HWK and the HVR share of their page: the display radios and menu, the bus
    // modes and the logic-level button in place of the one input logic.
    static void SetupDisplayPage(CTarnlinkView& view, const CPageSetup& setup);

    // Empties `combo` and gives it `entries`.
    static void FillList(QComboBox* combo, const QStringList& entries);
    // Empties the lists numbered `ids` and gives each "Aus"/"Off" and "Ein"/"On".
    static void FillOffOn(CTarnlinkView& view, std::initializer_list<int> ids);
    // Empties `combo` and gives it "Bus & Schalter" and "Bus exklusiv" (their English texts).
    static void FillBusModes(CTarnlinkView& view, int combo);
    // Stop, run and boost current 1, 2 and 4 steps, delay 40 ms.
    static void LoadCurrentDefaults(CTarnlinkView& view);
    // The defaults of DRQ+, UQT and DRQ2+: stop, run and boost current 0.10, 0.20 and
    // 0.40 A and delay position 10, its text as the page's type shows it.
    static void LoadDrqDefaults(CTarnlinkView& view);
    // A type's defaults: the three currents in slider steps and the delay position.
    static void SetDefaults(CTarnlinkView& view, int stop, int run, int boost, int delay);
    // Raises the run current to `least` slider steps when it stands below (KEV, LQN).
    static void RaiseRunCurrent(CTarnlinkView& view, int least);

    // Selects entry `index`, or nothing when the list has no such entry.
    static void SelectEntry(QComboBox* combo, int index);
    // Selects the entry that begins with `text`; no such entry leaves the selection.
    static void SelectEntryBeginning(QComboBox* combo, const QString& text);
    // Shows or hides, enables or disables the controls numbered `ids`.
    static void ShowControls(CTarnlinkView& view, std::initializer_list<int> ids, bool show);
    static void EnableControls(CTarnlinkView& view, std::initializer_list<int> ids, bool enable);
    // Moves the spin without it reporting a scroll, as a position set by the program does.
    static void SetSpinPosition(QSpinBox* spin, int position);
};
