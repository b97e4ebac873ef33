// The scale under a horizontal slider: a text such as "0   1,0   2,0 A" whose numbers are
// drawn each under the slider position it names, whatever the font and the width, rather
// than where the blanks of the text would put them. The text itself stays as it was given.
#pragma once

#include <QLabel>
#include <QList>
#include <QPointer>
#include <QSlider>
#include <QString>

class CScaleLabel : public QLabel {
    Q_OBJECT
public:
    // One blank-separated piece of the text: a number with what follows it ("3,5A"), or a
    // word of its own ("A").
    struct Mark {
        QString number; // empty for a word
        QString suffix; // the rest of the piece
        double value = 0.0;
    };
    // The pieces of `text` in order; a comma or a point marks the decimals.
    static QList<Mark> Marks(const QString& text);

    explicit CScaleLabel(QWidget* parent = nullptr);

    // The slider whose positions the numbers stand under; without one, or with a vertical
    // one, the text is drawn as a plain label.
    void SetSlider(QSlider* slider);
    QSlider* Slider() const { return qobject_cast<QSlider*>(m_slider.data()); }
    // Slider positions per unit of the numbers (10 when one position is 0.1 A); 0 draws the
    // text as a plain label.
    void SetStepsPerUnit(double steps);

    // The x of the slider handle's centre at `position`, in this label's coordinates.
    int HandleCentreX(int position) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool FollowsSlider() const;

    // Held as a widget: the slider may be on its way out when its last events arrive.
    QPointer<QWidget> m_slider;
    double m_stepsPerUnit = 0.0;
};
