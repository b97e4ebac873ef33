#include "controls/dockingbar/cdockingbar.h"

#include "platform/cappsettings.h"
#include "platform/ccontrolids.h"

#include <QMainWindow>
#include <QResizeEvent>

#include <algorithm>

namespace {

QSize AtLeastMinimum(QSize size)
{
    return {std::max(size.width(), CDockingBar::kMinimumWidth),
            std::max(size.height(), CDockingBar::kMinimumHeight)};
}

} // namespace

CDockingBar::CDockingBar(QWidget* parent) : QDockWidget(parent)
{
    setMinimumSize(MinimumBarSize());
    connect(this, &QDockWidget::dockLocationChanged, this, &CDockingBar::OnDockLocationChanged);
    connect(this, &QDockWidget::topLevelChanged, this, &CDockingBar::OnTopLevelChanged);
}

bool CDockingBar::Create(const QString& title, QMainWindow* parent, QSize defaultSize,
                         bool hasGripper, int id)
{
    if (!parent)
        return false;
    m_mainWindow = parent;
    setParent(parent);
    setWindowTitle(title);
    m_sizeHorz = m_sizeVert = m_sizeFloat = AtLeastMinimum(defaultSize);
    m_id = id;
    CControlIds::Set(this, id);
    setObjectName(QStringLiteral("DockingBar%1").arg(id));
    setFeatures(QDockWidget::DockWidgetClosable | QDockWidget::DockWidgetMovable |
                QDockWidget::DockWidgetFloatable);
    if (!hasGripper)
        setTitleBarWidget(new QWidget(this));
    return true;
}

QString CDockingBar::StateSection(const QString& profileName, int id)
{
    return QStringLiteral("%1-SCBar-%2").arg(profileName).arg(id);
}

void CDockingBar::LoadState(const CAppSettings& settings, const QString& profileName)
{
    const QString section = StateSection(profileName, m_id);
    auto read = [&](const char* key, int current) {
        return settings.GetProfileInt(section, QString::fromLatin1(key), current);
    };
    m_sizeHorz = AtLeastMinimum(
        {read("sizeHorzCX", m_sizeHorz.width()), read("sizeHorzCY", m_sizeHorz.height())});
    m_sizeVert = AtLeastMinimum(
        {read("sizeVertCX", m_sizeVert.width()), read("sizeVertCY", m_sizeVert.height())});
    m_sizeFloat = AtLeastMinimum(
        {read("sizeFloatCX", m_sizeFloat.width()), read("sizeFloatCY", m_sizeFloat.height())});
}

void CDockingBar::SaveState(CAppSettings& settings, const QString& profileName) const
{
    const QString section = StateSection(profileName, m_id);
    auto write = [&](const char* key, int value) {
        settings.WriteProfileInt(section, QString::fromLatin1(key), value);
    };
    write("sizeHorzCX", m_sizeHorz.width());
    write("sizeHorzCY", m_sizeHorz.height());
    write("sizeVertCX", m_sizeVert.width());
    write("sizeVertCY", m_sizeVert.height());
    write("sizeFloatCX", m_sizeFloat.width());
    write("sizeFloatCY", m_sizeFloat.height());
}

QSize& CDockingBar::StateSize()
{
    if (isFloating())
        return m_sizeFloat;
    return (m_area == Qt::TopDockWidgetArea || m_area == Qt::BottomDockWidgetArea) ? m_sizeHorz
                                                                                   : m_sizeVert;
}

void CDockingBar::resizeEvent(QResizeEvent* event)
{
    QDockWidget::resizeEvent(event);
    // Sizes the user gives the bar are kept for its present state; while the bar takes
    // on the size of a new state, nothing is recorded. Docked, the bar's length is the
    // dock's, so only its thickness is its own.
    if (m_applying || !isVisible())
        return;
    const QSize size = AtLeastMinimum(event->size());
    QSize& kept = StateSize();
    if (isFloating())
        kept = size;
    else if (m_area == Qt::TopDockWidgetArea || m_area == Qt::BottomDockWidgetArea)
        kept.setHeight(size.height());
    else
        kept.setWidth(size.width());
}

void CDockingBar::OnDockLocationChanged(Qt::DockWidgetArea area)
{
    if (area == Qt::NoDockWidgetArea)
        return;
    m_area = area;
    // Docked at the top or bottom the title strip runs down the bar's left side.
    const bool horizontal = area == Qt::TopDockWidgetArea || area == Qt::BottomDockWidgetArea;
    setFeatures(horizontal ? features() | QDockWidget::DockWidgetVerticalTitleBar
                           : features() & ~QDockWidget::DockWidgetVerticalTitleBar);
    ApplyStateSize();
}

void CDockingBar::OnTopLevelChanged(bool floating)
{
    (void)floating;
    ApplyStateSize();
}

void CDockingBar::ApplyStateSize()
{
    m_applying = true;
    const QSize size = StateSize();
    if (isFloating()) {
        resize(size);
    } else if (m_mainWindow) {
        const bool horizontal =
            m_area == Qt::TopDockWidgetArea || m_area == Qt::BottomDockWidgetArea;
        m_mainWindow->resizeDocks({this}, {horizontal ? size.height() : size.width()},
                                  horizontal ? Qt::Vertical : Qt::Horizontal);
    }
    m_applying = false;
}
