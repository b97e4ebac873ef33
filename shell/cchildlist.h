// The child frame of a project list: an ordinary document window that can be resized
// and maximised.
#pragma once

#include "platform/cmdichildframe.h"

class CChildList : public CMdiChildFrame {
    Q_OBJECT
public:
    explicit CChildList(QWidget* parent = nullptr);
};
