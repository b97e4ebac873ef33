// A bar of equal blocks: a level bar in progress mode (a temperature, a voltage) or a moving
// block in busy mode. The owner configures it through the setters below; busy mode animates
// on a timer of the user-interface thread.
#pragma once

#include <QColor>
#include <QRect>
#include <QTimer>
#include <QWidget>

class QPainter;

class CBusyBlocksCtrl : public QWidget {
    Q_OBJECT
public:
    // Mode: busy animates, progress shows a level within the range.
    static constexpr int kBusy = 1;
    static constexpr int kProgress = 2;
    // Busy styles: bounce between the ends, run forward and wrap, run backward and wrap.
    static constexpr int kBounce = 1;
    static constexpr int kForward = 2;
    static constexpr int kBackward = 4;
    // Busy group modes: one highlighted block, or a bar that grows block by block.
    static constexpr int kSingleBlock = 1;
    static constexpr int kGrowingBar = 2;

    static inline const QColor kDefaultBlockFill{160, 190, 220};
    static inline const QColor kDefaultBorder{50, 90, 135};
    static inline const QColor kDefaultHighlightFill{190, 220, 255};

    explicit CBusyBlocksCtrl(int blockCount = 10, int position = 0, QWidget* parent = nullptr);
    // Ten blocks at position 0.
    explicit CBusyBlocksCtrl(QWidget* parent) : CBusyBlocksCtrl(10, 0, parent) {}
    ~CBusyBlocksCtrl() override;

    void SetBlockCount(int count);
    void SetPosition(int position);
    void SetGap(int gap);
    // Milliseconds between two animation steps.
    void SetInterval(int milliseconds);
    void SetRange(int lower, int upper);
    // Takes kBusy or kProgress; any other value is refused and the mode stays.
    void SetMode(int mode);
    // Busy mode only: the animation runs until Stop().
    void Start();
    void Stop();
    // One animation step.
    void Step();
    void SetStyle(int style);
    // Busy mode only.
    void SetGroupMode(int groupMode);
    void SetSubStepsPerBlock(int subSteps);
    void SetBackgroundColour(const QColor& colour);
    void SetBlockFillColour(const QColor& colour);
    void SetBlockBorderColour(const QColor& colour);
    void SetHighlightFillColour(const QColor& colour);
    void SetHighlightBorderColour(const QColor& colour);
    // Block sizes from the bar's size.
    void RecalcLayout();
    // Back to the start of the animation.
    void Reset();
    // The background follows the system's button colour while set.
    void SetSystemBackground(bool system);

    int BlockCount() const { return m_blockCount; }
    int Position() const { return m_position; }
    int Direction() const { return m_direction; }
    int Mode() const { return m_mode; }
    bool IsRunning() const { return m_timer.isActive(); }
    double BlockWidth() const { return m_blockWidth; }
    QColor BackgroundColour() const { return m_background; }
    QColor BlockFillColour() const { return m_blockFill; }
    QColor HighlightFillColour() const { return m_highlightFill; }
    // Where block `index` is drawn, for the owner and for tests that read the pixels.
    QRect BlockRect(int index) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

    virtual void DrawBackground(QPainter& painter, const QRect& rect);
    virtual void DrawBlock(QPainter& painter, const QRect& rect);
    virtual void DrawHiliteBlock(QPainter& painter, const QRect& rect);
    virtual void DrawPartialBlock(QPainter& painter, const QRect& rect, int width);

private:
    void DrawBlocks(QPainter& painter);
    // The highlighted level as a number of blocks (0..count), or a negative value when the
    // mode draws no level.
    double Level() const;
    // The number of positions an animation runs through.
    int AnimationLength() const;
    QColor SystemBackground() const;

    int m_blockCount;
    int m_direction = 1;
    int m_position;
    int m_gap = 1;
    double m_blockHeight = 0.0;
    double m_blockWidth = 0.0;
    int m_interval = 100;
    int m_mode = kBusy;
    int m_rangeLower = 0;
    int m_rangeUpper = 100;
    bool m_systemBackground = true;
    int m_style = kBounce;
    int m_groupMode = kSingleBlock;
    int m_subStepsPerBlock = 5;
    int m_subStepCount;
    QColor m_background;
    QColor m_blockFill = kDefaultBlockFill;
    QColor m_blockBorder = kDefaultBorder;
    QColor m_highlightFill = kDefaultHighlightFill;
    QColor m_highlightBorder = kDefaultBorder;
    QTimer m_timer;
};
