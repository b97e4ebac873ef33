// Runs dialogs modally. The program calls exec(); a test installs a script that drives the
// dialog and returns its result, so no test waits in a modal loop.
#pragma once

#include <functional>

class QDialog;

class CModalRunner {
public:
    using Script = std::function<int(QDialog&)>;

    int Run(QDialog& dialog);
    void SetScript(Script script) { m_script = std::move(script); }

private:
    Script m_script;
};
