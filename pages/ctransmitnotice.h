// What a transmission of a page says of the values that did not go out as the page holds
// them: those it left out because the page does not know them, and those it sent clipped to
// their control's range. The project transfer's report and the page's own Transmit say it in
// the same words.
#pragma once

#include <QString>
#include <QStringList>

#include <utility>

class CTransmitNotice {
public:
    // The commands ("R", "T", ...) left out and those sent clipped.
    CTransmitNotice(QStringList leftOut, QStringList clipped)
        : m_leftOut(std::move(leftOut)), m_clipped(std::move(clipped))
    {
    }

    // Every value went out as the page holds it: there is nothing to say.
    bool IsEmpty() const { return m_leftOut.isEmpty() && m_clipped.isEmpty(); }
    // The string id of the text that names them ("%d" the axis, a "%s" for each list that
    // is not empty); 0 when there is nothing to say.
    unsigned TextId() const;
    // `text`, the text of TextId() in the user's language, with its "%s" places filled:
    // the left out first, then the clipped, each list joined by ", ".
    QString Fill(QString text) const;

private:
    QStringList m_leftOut;
    QStringList m_clipped;
};
