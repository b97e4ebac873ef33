// The allowed motor current of an axis and the question before a higher current is written.
// The user types the motor's current into the axis name behind a ";" (the name becomes the
// axis's label in the tree); the page shows it as the green zone of the three current bars and
// asks before a current at or above the device type's limit goes to the stage.
#include "pages/ccurindicator.h"
#include "pages/creplyvalue.h"
#include "pages/ctarnlinkview.h"
#include "platform/cmessageboxservice.h"
#include "res/cbusaddress.h"
#include "res/cstringids.h"

#include <QSlider>

#include <algorithm>
#include <utility>

namespace {

constexpr const char* kCurrentQueries[3] = {"S?", "R?", "A?"};
// The yellow band beyond the allowed current, in thousandths of the bar.
constexpr quint32 kBandWidth = 100;

int SliderOfQuery(const QByteArray& query)
{
    for (int which = 0; which < 3; ++which) {
        if (query == kCurrentQueries[which])
            return which;
    }
    return -1;
}

} // namespace

int CTarnlinkView::ScanAddress(const QString& text)
{
    bool valid = false;
    const int number = text.toInt(&valid, 16);
    return valid ? number : -1;
}

int CTarnlinkView::AxisNumber() const
{
    return ScanAddress(m_address != CBusAddress::kOff ? m_address : m_fileAddress);
}

bool CTarnlinkView::ReadAllParameters()
{
    m_allowedMark = UpdateAllowedCurrentMark();
    // The sliders show the stage's values from here on.
    m_currentBefore.fill(std::nullopt);
    CEndstufe* type = Type();
    return !type || type->ReadAll();
}

int CTarnlinkView::UpdateAllowedCurrentMark()
{
    const float mark = m_host.Axes().AllowedCurrent(AxisNumber());
    if (mark == CAxisList::kNoAllowedCurrent) {
        HideAllowedZone();
        return 0;
    }
    ShowAllowedZone(static_cast<quint32>(static_cast<double>(mark) * m_markerScale));
    return static_cast<int>(mark);
}

void CTarnlinkView::ShowAllowedZone(quint32 position)
{
    for (int which = 0; which < 3; ++which) {
        CCurIndicator* bar = m_form->Bar(which);
        bar->m_firstSplit = position;
        bar->m_secondSplit = position + kBandWidth;
        bar->update();
    }
    if (m_form->Bar(0)->isHidden()) {
        for (int which = 0; which < 3; ++which)
            m_form->Bar(which)->show();
    }
}

void CTarnlinkView::HideAllowedZone()
{
    for (int which = 0; which < 3; ++which)
        m_form->Bar(which)->hide();
}

unsigned CTarnlinkView::CurrentLimit(int mark)
{
    const auto own = static_cast<unsigned>(mark);
    const CEndstufe* type = Type();
    return type ? type->CurrentLimit(own) : own;
}

void CTarnlinkView::NoteCurrentChangeStart(int slider)
{
    std::optional<CurrentBefore>& before = m_currentBefore.at(static_cast<std::size_t>(slider));
    if (!before)
        before = CurrentBefore{m_form->Slider(slider)->value(), CurrentKnown(slider)};
}

bool CTarnlinkView::ConfirmCurrentSetting(const QByteArray& query)
{
    const int which = SliderOfQuery(query);
    // Whatever is decided here ends the user's move of the slider.
    std::optional<CurrentBefore> before;
    if (which >= 0)
        before = std::exchange(m_currentBefore.at(static_cast<std::size_t>(which)), std::nullopt);
    const int mark = UpdateAllowedCurrentMark();
    if (mark == 0 || which < 0)
        return true;
    const unsigned limit = CurrentLimit(mark);
    const int value = m_form->Slider(which)->value();
    if (value >= 0 && static_cast<unsigned>(value) < limit)
        return true;
    const int answer =
        m_host.ShowMessage(LoadResString(CStringIds::kIdsCurrentQuestion), MbYesNo | MbIconWarning);
    // A page whose window closes while the question is open writes nothing more.
    if (IsClosing())
        return false;
    if (answer != IdNo)
        return true;
    PutBackStageCurrent(which, query, limit, before);
    return false;
}

void CTarnlinkView::PutBackStageCurrent(int slider, const QByteArray& query, unsigned limit,
                                        std::optional<CurrentBefore> before)
{
    QSlider* control = m_form->Slider(slider);
    QString reply;
    const QString value = Transact(query, &reply) ? CReplyValue::Text(reply, 1) : QString();
    if (value.isEmpty()) {
        // No stage value came back (no answer, or an offline page): the slider returns to
        // where it stood before the user moved it, so that no later save or transmission
        // writes the current the user has just refused.
        if (before) {
            control->setValue(before->position);
            m_currentKnown[static_cast<std::size_t>(slider)] = before->known;
            ShowCurrentText(slider);
        }
        return;
    }
    qint64 current = CReplyValue::ToInt(value);
    if (current > static_cast<qint64>(limit)) {
        current = limit;
        QString ignored;
        Transact(query.left(1) + QByteArray::number(limit), &ignored);
    }
    SetCurrent(slider, static_cast<int>(current));
}
