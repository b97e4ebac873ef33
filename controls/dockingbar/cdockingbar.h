// A resizable docking bar: docks at any side of the main window or floats, keeps one size
// for each of its states (docked at the top or bottom, docked left or right, floating),
// never gets smaller than 33 x 32, and has a close button that hides it. The main window
// shares a dock row among its bars and lets the user drag the inner edge.
#pragma once

#include <QDockWidget>
#include <QSize>

class CAppSettings;
class QMainWindow;

class CDockingBar : public QDockWidget {
    Q_OBJECT
public:
    static constexpr int kMinimumWidth = 33;
    static constexpr int kMinimumHeight = 32;
    static constexpr int kDefaultExtent = 200;

    explicit CDockingBar(QWidget* parent = nullptr);

    // Sets the bar up under `parent`: all three sizes become `defaultSize`; without a
    // gripper the bar shows no title strip. `id` numbers the bar (its control id).
    bool Create(const QString& title, QMainWindow* parent, QSize defaultSize, bool hasGripper,
                int id);

    // The sizes of the three states under "<profile>-SCBar-<id>"; a loaded size below the
    // minimum is raised to it.
    void LoadState(const CAppSettings& settings, const QString& profileName);
    void SaveState(CAppSettings& settings, const QString& profileName) const;
    static QString StateSection(const QString& profileName, int id);

    QSize HorzSize() const { return m_sizeHorz; }
    QSize VertSize() const { return m_sizeVert; }
    QSize FloatSize() const { return m_sizeFloat; }
    static QSize MinimumBarSize() { return {kMinimumWidth, kMinimumHeight}; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void OnDockLocationChanged(Qt::DockWidgetArea area);
    void OnTopLevelChanged(bool floating);
    void ApplyStateSize();
    QSize& StateSize();

    QMainWindow* m_mainWindow = nullptr;
    QSize m_sizeHorz{kDefaultExtent, kDefaultExtent};
    QSize m_sizeVert{kDefaultExtent, kDefaultExtent};
    QSize m_sizeFloat{kDefaultExtent, kDefaultExtent};
    Qt::DockWidgetArea m_area = Qt::LeftDockWidgetArea;
    bool m_applying = false;
    int m_id = 0;
};
