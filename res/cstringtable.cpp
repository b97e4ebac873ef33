#include "res/cstringtable.h"

#include <algorithm>
#include <iterator>

namespace {

struct Entry {
    unsigned id;
    const char* german; // UTF-8
    const char* english;
};

// Kept sorted by id: the lookup is a binary search.
constexpr Entry kEntries[] = {
    {128, "Tarnlink", "Tarnlink"},
    {129, "\nTarnlink\nTarnlink\nTarnlink Files (*.sdf)\n.sdf\nTarnlink.Document\nTarnlink Datei",
     "\nTarnlink\nTarnlink\nTarnlink Files (*.sdf)\n.sdf\nTarnlink.Document\nTarnlink File"},
    {130,
     "\nProject List\nTarnlink\nTarnlink Project - Files (*.spf)\n.spf\nTarnlink.Projektliste\n"
     "Tarnlink Projektdatei",
     "\nProject List\nTarnlink\nTarnlink Project - Files (*.spf)\n.spf\nTarnlink.Projektliste\n"
     "Tarnlink Projectfile"},
    {10000, "Schnittstelle TIMEOUT!", "Interface TIMEOUT!"},
    {10003, "Schnittstelle kann nicht geöffnet werden!", "Interface can't be opened!"},
    {57344, "Tarnlink", "Tarnlink"},
    {57345, "Bereit", "Ready"},
};

static_assert(std::is_sorted(std::begin(kEntries), std::end(kEntries),
                             [](const Entry& a, const Entry& b) { return a.id < b.id; }),
              "string table must stay sorted by id");

const Entry* Find(unsigned id)
{
    const auto* it = std::lower_bound(std::begin(kEntries), std::end(kEntries), id,
                                      [](const Entry& e, unsigned key) { return e.id < key; });
    return (it != std::end(kEntries) && it->id == id) ? it : nullptr;
}

} // namespace

QString CStringTable::Lookup(unsigned id, UiLanguage language)
{
    const Entry* e = Find(id);
    if (!e)
        return {};
    return QString::fromUtf8(language == UiLanguage::German ? e->german : e->english);
}

bool CStringTable::Contains(unsigned id)
{
    return Find(id) != nullptr;
}
