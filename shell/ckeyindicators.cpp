#include "shell/ckeyindicators.h"

#include <QCoreApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>

CKeyIndicators::CKeyIndicators(const std::array<QLabel*, kPaneCount>& panes, QObject* parent)
    : QObject(parent), m_panes(panes), m_source([this] { return m_platform.Read(); })
{
    QCoreApplication::instance()->installEventFilter(this);
    Update();
}

QString CKeyIndicators::Text(int index)
{
    static constexpr const char* kTexts[kPaneCount] = {"CAP", "NUM", "SCRL"};
    return index >= 0 && index < kPaneCount ? QString::fromLatin1(kTexts[index]) : QString();
}

void CKeyIndicators::SetSource(Source source)
{
    m_source = std::move(source);
    Update();
}

void CKeyIndicators::Update()
{
    const CLockKeyState::Keys keys = m_source().value_or(CLockKeyState::Keys{});
    const bool on[kPaneCount] = {keys.caps, keys.num, keys.scroll};
    for (int i = 0; i < kPaneCount; ++i) {
        if (QLabel* pane = m_panes[static_cast<std::size_t>(i)])
            pane->setText(on[i] ? Text(i) : QString());
    }
}

bool CKeyIndicators::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
        switch (static_cast<QKeyEvent*>(event)->key()) {
        case Qt::Key_CapsLock:
        case Qt::Key_NumLock:
        case Qt::Key_ScrollLock:
            Update();
            break;
        default:
            break;
        }
        break;
    case QEvent::ApplicationActivate:
        Update();
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}
