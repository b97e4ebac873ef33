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
    {10001, "Schnittstelle TIMEOUT Achse [", "Interface TIMEOUT Axis ["},
    {10002, "]\r\nvorhandene Endstufen werden neu gesucht!", "]\r\nPower stage is deleted from list!"},
    {10003, "Schnittstelle kann nicht geöffnet werden!", "Interface can't be opened!"},
    {10012, "Info über Tarnlink", "About Tarnlink"},
    {10050, "Endstufen suchen, bitte warten...", "Power stage searching, please wait..."},
    {10350, "Steuerung ", "Controller "},
    {10351, " an ", "found on "},
    {10352, " mit ", " with "},
    {10353, " BAUD gefunden!", " BAUD"},
    {10354, "Baudrate suchen - Status: ERFOLG!", "Search Baud rate - Status: SUCCESS!"},
    {10355, "Baudrate suchen - Status: Keine Steuerung angeschlossen!",
     "Search Baud rate - Status: No controller connected!"},
    {10356, "Baudrate suchen - Status: Suchen, bitte warten...",
     "Search Baud rate - Status: Searching, please wait..."},
    {10357, "Keine Steuerung an ", "No controller connected to "},
    {10358, " angeschlossen!", " "},
    {10359, "Suchen", "Search"},
    {10360, "Baudrate suchen - Status:", "Search Baud rate - Status:"},
    {10361, "Abbrechen", "Cancel"},
    {10362, "Aktive COM", "Active COM"},
    {10363, "Baudrate && Adr. Byte(s)", "Baud rate"},
    {10364, "Übertragungsformat", "Transmission format"},
    {10365, "Baudrate Autodetect", "Baud rate Autodetect"},
    {10366, "Datenbits:", "Data bits:"},
    {10367, "Parität:", "Parity:"},
    {10368, "Stopbits:", "Stop bits:"},
    {10369, "Schnittstellenparameter", "Interface parameters"},
    {10500, "Endstufen", "Power stages"},
    {57344, "Tarnlink", "Tarnlink"},
    {57345, "Bereit", "Ready"},
    {57600, "Neues Dokument erstellen\nNeu", "Create a new document\nNew"},
    {57601, "Vorhandenes Dokument öffnen\nÖffnen", "Open an existing document\nOpen"},
    {57603, "Aktives Dokument speichern\nSpeichern", "Save the active document\nSave"},
    {57607, "Aktives Dokument drucken\nDrucken", "Print the active document\nPrint"},
    {59142, ">>>>>PLATZHALTER PROGRESSBAR<<<<<", ">>>>>PLATZHALTER PROGRESSBAR<<<<<"},
    {59143, " ", " "},
    {59144, " ", " "},
    {61697, "Das Dokument konnte nicht geöffnet werden.", "Failed to open document."},
    {61698, "Das Dokument konnte nicht gespeichert werden.", "Failed to save document."},
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
