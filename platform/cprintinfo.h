// What a print run tells the printing view and what the view tells back: the page range,
// the page being printed, its drawing rectangle, and whether printing goes on.
#pragma once

#include <QRect>

class QPrinter;

struct CPrintInfo {
    static constexpr unsigned kUnknownMaxPage = 0xffff;

    void SetMaxPage(unsigned page) { m_nMaxPage = page; }
    unsigned GetMinPage() const { return m_nMinPage; }
    unsigned GetMaxPage() const { return m_nMaxPage; }
    unsigned GetFromPage() const { return m_nFromPage; }
    unsigned GetToPage() const { return m_nToPage; }
    void SetRange(unsigned from, unsigned to)
    {
        m_nFromPage = from;
        m_nToPage = to;
    }

    QPrinter* m_printer = nullptr;
    bool m_bPreview = false;
    bool m_bContinuePrinting = true;
    unsigned m_nCurPage = 1;
    QRect m_rectDraw; // the printable area of the page, in device pixels

private:
    unsigned m_nMinPage = 1;
    unsigned m_nMaxPage = kUnknownMaxPage;
    unsigned m_nFromPage = 1;
    unsigned m_nToPage = kUnknownMaxPage;
};
