#include "pages/cparameterform.h"

#include "controls/scalelabel/cscalelabel.h"
#include "pages/ccurindicator.h"
#include "pages/cledpictures.h"
#include "platform/ccontrolids.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

using Ids = CPageControlIds;

// Labels of the three sliders.
constexpr int kCurrentLabels[3] = {1031, 1032, 1033};
constexpr int kCurrentGroup = 1030;
constexpr int kParameterGroup = 1035;
constexpr int kNameLabel = 1034;
constexpr int kStatusGroup = 1053;
constexpr int kFunctionGroup = 1054;
constexpr int kValueEditWidth = 64;
constexpr int kBarHeight = 4;

struct LampRow {
    int lamp;
    int label;
    int off; // the lamp's picture at start
};

constexpr LampRow kLampRows[] = {
    {Ids::kUndervoltageLamp, 1055, CLedPictures::kRedOff},
    {Ids::kOvertemperatureLamp, 1056, CLedPictures::kRedOff},
    {Ids::kShortCircuitLamp, 1057, CLedPictures::kRedOff},
    {Ids::kWatchdogLamp, 1058, CLedPictures::kYellowOff},
    {Ids::kHomeLamp, 1059, CLedPictures::kGreenOff},
    {Ids::kResetLamp, Ids::kResetLampLabel, CLedPictures::kYellowOff},
};

} // namespace

CParameterForm::CParameterForm(QWidget& page)
{
    auto* layout = new QVBoxLayout(&page);
    layout->addWidget(BuildCurrents(page));
    layout->addWidget(BuildParameters(page));
    layout->addLayout(BuildName(page));
    auto* lower = new QHBoxLayout;
    lower->addWidget(BuildFunctions(page));
    lower->addWidget(BuildStatus(page), 1);
    layout->addLayout(lower);
    layout->addWidget(BuildModule(page));
    layout->addStretch(1);
    // The page is never smaller than what it shows: controls shown later (the current bars)
    // raise its minimum size, and its frame follows.
    layout->setSizeConstraint(QLayout::SetMinimumSize);
    // Shown only by the types that use them.
    for (int id : {Ids::kDisplay1Radio, Ids::kDisplay2Radio, Ids::kLogicButton, Ids::kModeEdit})
        Control(id)->hide();
}

template <typename T>
T* CParameterForm::Make(int id, QWidget* parent)
{
    auto* control = new T(parent);
    CControlIds::Set(control, id);
    m_controls.insert(id, control);
    return control;
}

QLabel* CParameterForm::MakeLabel(int id, QWidget* parent)
{
    return Make<QLabel>(id, parent);
}

QLineEdit* CParameterForm::MakeValueEdit(int id, QWidget* parent)
{
    // Values the page shows but the user does not type: black on white, read-only.
    auto* edit = Make<QLineEdit>(id, parent);
    edit->setReadOnly(true);
    edit->setFocusPolicy(Qt::NoFocus);
    QPalette palette = edit->palette();
    palette.setColor(QPalette::Base, Qt::white);
    palette.setColor(QPalette::Text, Qt::black);
    edit->setPalette(palette);
    return edit;
}

QWidget* CParameterForm::BuildCurrents(QWidget& page)
{
    auto* group = Make<QGroupBox>(kCurrentGroup, &page);
    auto* grid = new QGridLayout(group);
    grid->setVerticalSpacing(1);
    for (int which = 0; which < 3; ++which) {
        const int row = which * 3;
        grid->addWidget(MakeLabel(kCurrentLabels[which], group), row, 0);
        auto* slider = Make<QSlider>(Ids::kSliders[which], group);
        slider->setOrientation(Qt::Horizontal);
        slider->setTickPosition(QSlider::TicksBelow);
        slider->setMinimumWidth(260);
        grid->addWidget(slider, row, 1);
        QLineEdit* text = MakeValueEdit(Ids::kCurrentTexts[which], group);
        text->setFixedWidth(kValueEditWidth);
        grid->addWidget(text, row, 2);
        auto* bar = Make<CCurIndicator>(Ids::kBars[which], group);
        bar->setFixedHeight(kBarHeight);
        grid->addWidget(bar, row + 1, 1);
        auto* scale = Make<CScaleLabel>(Ids::kScales[which], group);
        scale->SetSlider(slider);
        QFont small = scale->font();
        small.setPointSizeF(small.pointSizeF() * 0.85);
        scale->setFont(small);
        // Reaching under the value text leaves room for a last mark at the slider's end.
        grid->addWidget(scale, row + 2, 1, 1, 2);
    }
    grid->setColumnStretch(1, 1);
    return group;
}

QWidget* CParameterForm::BuildParameters(QWidget& page)
{
    auto* group = Make<QGroupBox>(kParameterGroup, &page);
    auto* grid = new QGridLayout(group);
    auto place = [&](int label, QWidget* control, int row, int column) {
        grid->addWidget(MakeLabel(label, group), row, column * 2);
        grid->addWidget(control, row, column * 2 + 1);
    };
    place(1036, Make<QComboBox>(Ids::kStepCombo, group), 0, 0);
    place(Ids::kActivationLabel, Make<QComboBox>(Ids::kActivationCombo, group), 0, 1);

    // The delay time: its text and the up-down buttons that step it.
    auto* delay = new QWidget(group);
    auto* delayRow = new QHBoxLayout(delay);
    delayRow->setContentsMargins(0, 0, 0, 0);
    delayRow->setSpacing(0);
    delayRow->addWidget(MakeValueEdit(Ids::kDelayText, delay));
    auto* spin = Make<QSpinBox>(Ids::kDelaySpin, delay);
    if (auto* spinText = spin->findChild<QLineEdit*>())
        spinText->hide();
    spin->setFixedWidth(20);
    delayRow->addWidget(spin);
    place(1037, delay, 1, 0);
    place(Ids::kInputLogicLabel, Make<QComboBox>(Ids::kInputLogicCombo, group), 1, 1);
    place(1038, Make<QComboBox>(Ids::kDirectionCombo, group), 2, 0);
    place(Ids::kOutputFunctionLabel, Make<QComboBox>(Ids::kOutputFunctionCombo, group), 2, 1);

    auto* input = new QWidget(group);
    auto* inputRow = new QHBoxLayout(input);
    inputRow->setContentsMargins(0, 0, 0, 0);
    auto* display1 = Make<QRadioButton>(Ids::kDisplay1Radio, input);
    display1->setText(QStringLiteral("1:"));
    auto* display2 = Make<QRadioButton>(Ids::kDisplay2Radio, input);
    display2->setText(QStringLiteral("2:"));
    inputRow->addWidget(display1);
    inputRow->addWidget(display2);
    inputRow->addWidget(Make<QComboBox>(Ids::kInputFunctionCombo, input), 1);
    place(Ids::kInputFunctionLabel, input, 3, 0);
    // The mode text of some types lies over the operation-mode list.
    place(Ids::kOperationModeLabel, Make<QComboBox>(Ids::kOperationModeCombo, group), 3, 1);
    grid->addWidget(MakeValueEdit(Ids::kModeEdit, group), 3, 3);
    // The types with separate input levels set them in a dialog, in place of the one list.
    auto* logic = Make<QPushButton>(Ids::kLogicButton, group);
    logic->setText(QStringLiteral("Einstellung >>"));
    grid->addWidget(logic, 1, 3);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    return group;
}

QLayout* CParameterForm::BuildName(QWidget& page)
{
    auto* row = new QHBoxLayout;
    row->addWidget(MakeLabel(kNameLabel, &page));
    row->addWidget(Make<QLineEdit>(Ids::kNameEdit, &page), 1);
    row->addWidget(Make<QPushButton>(Ids::kSetNameButton, &page));
    return row;
}

QWidget* CParameterForm::BuildFunctions(QWidget& page)
{
    auto* group = Make<QGroupBox>(kFunctionGroup, &page);
    auto* column = new QVBoxLayout(group);
    for (int id : {Ids::kStatusButton, Ids::kStoreButton, Ids::kResetButton,
                   Ids::kDefaultsButton, Ids::kTransmitButton})
        column->addWidget(Make<QPushButton>(id, group));
    // Only an offline page has settings to transmit; its fill enables the button.
    Button(Ids::kTransmitButton)->setEnabled(false);
    column->addStretch(1);
    return group;
}

QWidget* CParameterForm::BuildStatus(QWidget& page)
{
    auto* group = Make<QGroupBox>(kStatusGroup, &page);
    auto* grid = new QGridLayout(group);
    int row = 0;
    for (const LampRow& lampRow : kLampRows) {
        QLabel* lamp = MakeLabel(lampRow.lamp, group);
        lamp->setFixedSize(CLedPictures::kSize, CLedPictures::kSize);
        lamp->setPixmap(CLedPictures::Picture(lampRow.off));
        grid->addWidget(lamp, row, 0);
        grid->addWidget(MakeLabel(lampRow.label, group), row, 1);
        if (lampRow.lamp == Ids::kWatchdogLamp)
            grid->addWidget(Make<QPushButton>(Ids::kClearWatchdogButton, group), row, 2);
        ++row;
    }
    Label(Ids::kResetLampLabel)->setText(QStringLiteral("Endstufe in Reset / Deaktiviert"));
    grid->setColumnStretch(1, 1);
    return group;
}

QWidget* CParameterForm::BuildModule(QWidget& page)
{
    auto* group = Make<QGroupBox>(Ids::kQelGroup, &page);
    auto* row = new QHBoxLayout(group);
    auto* moduleSwitch = Make<QPushButton>(Ids::kQelSwitch, group);
    moduleSwitch->setCheckable(true);
    moduleSwitch->setText(QStringLiteral("QEL Offline"));
    row->addWidget(moduleSwitch);
    for (int id : {Ids::kQelStatusButton, Ids::kQelSettingsButton, Ids::kQelResetButton}) {
        QPushButton* button = Make<QPushButton>(id, group);
        button->setEnabled(false);
        row->addWidget(button);
    }
    return group;
}

QSlider* CParameterForm::Slider(int which) const
{
    return (which >= 0 && which < 3) ? qobject_cast<QSlider*>(Control(Ids::kSliders[which]))
                                     : nullptr;
}

QLineEdit* CParameterForm::CurrentText(int which) const
{
    return (which >= 0 && which < 3) ? Edit(Ids::kCurrentTexts[which]) : nullptr;
}

CScaleLabel* CParameterForm::Scale(int which) const
{
    return (which >= 0 && which < 3) ? qobject_cast<CScaleLabel*>(Control(Ids::kScales[which]))
                                     : nullptr;
}

CCurIndicator* CParameterForm::Bar(int which) const
{
    return (which >= 0 && which < 3) ? qobject_cast<CCurIndicator*>(Control(Ids::kBars[which]))
                                     : nullptr;
}

QComboBox* CParameterForm::Combo(int id) const
{
    return qobject_cast<QComboBox*>(Control(id));
}

QSpinBox* CParameterForm::DelaySpin() const
{
    return qobject_cast<QSpinBox*>(Control(Ids::kDelaySpin));
}

QLineEdit* CParameterForm::Edit(int id) const
{
    return qobject_cast<QLineEdit*>(Control(id));
}

QAbstractButton* CParameterForm::Button(int id) const
{
    return qobject_cast<QAbstractButton*>(Control(id));
}

QLabel* CParameterForm::Label(int id) const
{
    return qobject_cast<QLabel*>(Control(id));
}
