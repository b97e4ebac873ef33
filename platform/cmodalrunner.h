// Runs dialogs and message boxes modally. The program calls exec(); a test installs a script
// that drives the dialog and returns its result, so no test waits in a modal loop.
// While one runs, the code that started it is still on the stack beneath its event loop: work
// that would delete a window which may hold that code waits here until the last run ended.
#pragma once

#include <QPointer>

#include <functional>
#include <utility>
#include <vector>

class QDialog;
class QObject;

class CModalRunner {
public:
    using Script = std::function<int(QDialog&)>;

    int Run(QDialog& dialog);
    // Runs `show`, which shows a modal box of its own (a message box); its result.
    int RunBox(const std::function<int()>& show);
    void SetScript(Script script) { m_script = std::move(script); }

    // Whether a dialog or a box runs now.
    bool IsRunning() const { return m_depth > 0; }
    // Calls `work` from the event loop once no dialog or box runs any more, so that its
    // caller has returned; not at all when `context` is gone by then.
    void AfterModalRuns(QObject* context, std::function<void()> work);

private:
    void PostWaiting();

    Script m_script;
    int m_depth = 0;
    std::vector<std::pair<QPointer<QObject>, std::function<void()>>> m_waiting;
};
