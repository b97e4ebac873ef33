// A combo box that tells its owner when the user presses Enter in it: in its edit field,
// with the list closed or with the list dropped down. The key is not taken away: the combo
// and the dialog still handle it as they would.
#pragma once

#include <QComboBox>

class CMyComboBox : public QComboBox {
    Q_OBJECT
public:
    explicit CMyComboBox(QWidget* parent = nullptr);

signals:
    // Queued: it arrives once the key press has been handled, so a choice made with Enter
    // in the list is already the combo's text.
    void EnterPressed();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void PostIfEnter(const QEvent* event);
};
