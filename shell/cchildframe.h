// The child frame of a parameter page: its size follows the page, so it can be neither
// resized by its frame nor maximised.
#pragma once

#include "platform/cmdichildframe.h"

class CChildFrame : public CMdiChildFrame {
    Q_OBJECT
public:
    explicit CChildFrame(QWidget* parent = nullptr);

    // No maximise button and no sizing border.
    void PreCreateWindow() override;

protected:
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool event(QEvent* event) override;

private:
    void KeepPageSize();
    bool OnSizingBorder(const QPoint& position) const;
};
