// The view of a project document inside its child window: the parameters of every axis of
// the project, decoded for its device type, and coloured frames in the power-stage tree
// that tell for each axis whether the project holds it with the same type. It carries the
// Transmit project command. The table is a two-column grid the user may edit, copy from, paste
// into and drag within; what is changed there stays in the view (the files and the power
// stages keep their values), and the label column keeps its labels.
#pragma once

#include "platform/cview.h"
#include "shell/cprojecttable.h"

#include <QPointer>
#include <QTimer>

class CGridCtrl;
class CProjectListDoc;
struct NM_GRIDVIEW;
class CTarnlinkApp;
class CTreeMarks;

class CProjectListView : public CView {
    Q_OBJECT
public:
    // The repaint timer, every kRepaintMs: the frames drawn anew over whatever the tree
    // painted (OnTimer).
    static constexpr int kRepaintMs = 200;
    static constexpr int kGridId = 100;
    static constexpr int kLabelWidth = 350;
    static constexpr int kValueWidth = 250;
    static constexpr int kLabelColumn = 0;

    CProjectListView(CDocument& document, CTarnlinkApp& app, QWidget* parent = nullptr);
    // Takes the frames out of the tree.
    ~CProjectListView() override;

    CProjectListDoc* GetDocument() const;

    // Reads the project's parameter files once and marks the tree; starts the repaint timer.
    void OnInitialUpdate() override;
    void OnActivateView(bool activate) override;
    // Printing is the grid's: each step hands the painter and print information on to it.
    void OnBeginPrinting(QPainter& painter, CPrintInfo& info) override;
    void OnPrint(QPainter& painter, CPrintInfo& info) override;
    void OnEndPrinting(QPainter& painter, CPrintInfo& info) override;
    // Command 32797: transmits the project and shows the report.
    void OnTransmitProject();

    const CProjectTable::Result& Table() const { return m_table; }
    CGridCtrl* Grid() const;
    // The colours of the rows of every other axis and of the axes' heading rows.
    static QColor ShadingColour();
    static QColor HeadingColour();
    CTreeMarks* TreeMarks() const;
    QTimer& RepaintTimer() { return m_repaintTimer; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void FillTable();
    void CreateGrid();
    void FillGrid();
    // The label column refuses every edit, typed, cut or pasted.
    void OnGridNotify(NM_GRIDVIEW* nm);
    // On the repaint timer.
    void OnTimer();

    CTarnlinkApp& m_app;
    CProjectTable::Result m_table;
    QPointer<CGridCtrl> m_grid;
    QPointer<CTreeMarks> m_marks;
    QTimer m_repaintTimer;
};
