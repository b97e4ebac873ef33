// The form of the parameter page: every numbered control of the page, built in code and laid
// out in the page's groups (currents, further parameters, axis name, functions, status lamps,
// temperature module). Each control carries its number (CControlIds), and the form hands out
// typed pointers by number. The page owns the widgets; the form only knows them.
#pragma once

#include "pages/cpagecontrolids.h"

#include <QHash>

class CCurIndicator;
class CScaleLabel;
class QAbstractButton;
class QComboBox;
class QLabel;
class QLayout;
class QLineEdit;
class QSlider;
class QSpinBox;
class QWidget;

class CParameterForm {
public:
    // Builds the controls into `page` and gives it their layout.
    explicit CParameterForm(QWidget& page);
    CParameterForm(const CParameterForm&) = delete;
    CParameterForm& operator=(const CParameterForm&) = delete;

    // By slider number: 0 stop, 1 run, 2 boost.
    QSlider* Slider(int which) const;
    QLineEdit* CurrentText(int which) const;
    CScaleLabel* Scale(int which) const;
    CCurIndicator* Bar(int which) const;

    QComboBox* Combo(int id) const;
    QSpinBox* DelaySpin() const;
    QLineEdit* Edit(int id) const;
    QAbstractButton* Button(int id) const;
    QLabel* Label(int id) const;
    QWidget* Control(int id) const { return m_controls.value(id); }

private:
    template <typename T>
    T* Make(int id, QWidget* parent);
    QLabel* MakeLabel(int id, QWidget* parent);
    QLineEdit* MakeValueEdit(int id, QWidget* parent);

    QWidget* BuildCurrents(QWidget& page);
    QWidget* BuildParameters(QWidget& page);
    QLayout* BuildName(QWidget& page);
    QWidget* BuildFunctions(QWidget& page);
    QWidget* BuildStatus(QWidget& page);
    QWidget* BuildModule(QWidget& page);

    QHash<int, QWidget*> m_controls;
};
