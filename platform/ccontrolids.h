// Numbered controls: every control of a form or dialog carries its number (the dynamic
// property "controlId"), so code and tests address controls by number as the forms define
// them.
#pragma once

#include <QList>
#include <QWidget>

class CControlIds {
public:
    static constexpr const char* kProperty = "controlId";

    static void Set(QWidget* control, int id) { control->setProperty(kProperty, id); }
    static int Of(const QWidget* control) { return control->property(kProperty).toInt(); }

    // A new control of type T under `parent`, numbered `id`.
    template <typename T>
    static T* Make(QWidget* parent, int id)
    {
        auto* control = new T(parent);
        Set(control, id);
        return control;
    }

    // The control numbered `id` below `root`, or null.
    template <typename T = QWidget>
    static T* Find(const QWidget* root, int id)
    {
        for (T* child : root->findChildren<T*>()) {
            if (child->property(kProperty).toInt() == id)
                return child;
        }
        return nullptr;
    }
};
