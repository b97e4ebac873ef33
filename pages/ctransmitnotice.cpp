#include "pages/ctransmitnotice.h"

#include "res/cstringids.h"

unsigned CTransmitNotice::TextId() const
{
    if (IsEmpty())
        return 0;
    if (m_clipped.isEmpty())
        return CStringIds::kIdsNotSent;
    return m_leftOut.isEmpty() ? CStringIds::kIdsClipped : CStringIds::kIdsNotSentAndClipped;
}

QString CTransmitNotice::Fill(QString text) const
{
    qsizetype from = 0;
    for (const QStringList* list : {&m_leftOut, &m_clipped}) {
        if (list->isEmpty())
            continue;
        const QString named = list->join(QStringLiteral(", "));
        const qsizetype at = text.indexOf(QStringLiteral("%s"), from);
        if (at < 0)
            break;
        text.replace(at, 2, named);
        from = at + named.size();
    }
    return text;
}
