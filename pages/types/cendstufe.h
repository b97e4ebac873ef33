// What a parameter page asks of its device type: how the type shapes the page, reads the
// stage into it and writes it back, what its own lists do and which current it allows. The
// page holds the one object of its type, made by Create, and calls it through this base.
#pragma once

#include "pages/cdevicetype.h"

#include <QString>

#include <memory>

class CTarnlinkView;
class QWidget;

class CEndstufe {
public:
    explicit CEndstufe(CTarnlinkView& view) : m_view(view) {}
    virtual ~CEndstufe() = default;
    CEndstufe(const CEndstufe&) = delete;
    CEndstufe& operator=(const CEndstufe&) = delete;

    // The object of device type `deviceType` for `view`.
    static std::unique_ptr<CEndstufe> Create(DeviceType deviceType, CTarnlinkView& view);

    // Ranges, lists, labels and which controls the page shows.
    virtual void SetupPage() = 0;
    // The stage's values into the page; false at the first query that gets no answer.
    virtual bool ReadAll() = 0;
    // The page's values to the stage at `address`; false at the first write that fails.
    virtual bool TransmitSettings(const QString& address) = 0;
    // The value text and tool tip of current slider `slider` (0 stop, 1 run, 2 boost), in
    // the current unit of the page's type.
    void ShowCurrentText(int slider);
    // The delay text of spin position `position` when the scroll came from the delay spin,
    // as the page's type counts the delay.
    void ShowDelayTime(int position, const QWidget* scrollControl);

    // The type's values for a new axis; a type without defaults leaves the page as it is.
    virtual void LoadDefaults() {}
    // The run current raised to the least the type takes before it is written.
    virtual void ClampRunCurrent() {}
    // The highest slider position allowed without a question for the allowed motor current
    // `mark` (0.01 A); a type without a rule of its own allows up to the mark itself.
    virtual unsigned CurrentLimit(unsigned mark) const { return mark; }
    // The user's choice in the operation-mode, the input-function (display-menu) or the
    // output-function list. False when the type has no use for the list: then nothing the
    // page keeps has changed.
    virtual bool OnOperationModeChanged() { return false; }
    virtual bool OnDisplayMenuChanged() { return false; }
    virtual bool OnOutputFunctionChanged() { return false; }
    // On each status tick, once the lamps show the stage's status.
    virtual void PollOperationState() {}

protected:
    // The allowed-current mark the page stored at its last full read or name change
    // (0.01 A), from which the allowed-current rules take their margin.
    unsigned KeptCurrent() const;

    CTarnlinkView& m_view;
};
