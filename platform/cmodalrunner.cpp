#include "platform/cmodalrunner.h"

#include <QDialog>
#include <QObject>

int CModalRunner::Run(QDialog& dialog)
{
    return RunBox([this, &dialog] { return m_script ? m_script(dialog) : dialog.exec(); });
}

int CModalRunner::RunBox(const std::function<int()>& show)
{
    ++m_depth;
    const int result = show();
    if (--m_depth == 0 && !m_waiting.empty())
        PostWaiting();
    return result;
}

void CModalRunner::AfterModalRuns(QObject* context, std::function<void()> work)
{
    m_waiting.emplace_back(context, std::move(work));
    if (m_depth == 0)
        PostWaiting();
}

void CModalRunner::PostWaiting()
{
    // Posted rather than called: the code that ran the last dialog is still on the stack.
    const auto waiting = std::exchange(m_waiting, {});
    for (const auto& entry : waiting) {
        QObject* context = entry.first.data();
        if (!context)
            continue;
        QMetaObject::invokeMethod(
            context,
            [this, context, work = entry.second] {
                // A dialog that began meanwhile holds its caller on the stack again.
                if (m_depth > 0)
                    m_waiting.emplace_back(context, work);
                else
                    work();
            },
            Qt::QueuedConnection);
    }
}
