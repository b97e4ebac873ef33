// The project document: the list of axes and their parameter files that a project file
// holds, shown by the project view in its own child window.
#pragma once

#include "platform/cdocument.h"

class CProjectListDoc : public CDocument {
    Q_OBJECT
public:
    static constexpr int kMenuId = 130;

    int GetDefaultMenu() const override { return kMenuId; }
};
