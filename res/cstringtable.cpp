#include "res/cstringtable.h"

#include <algorithm>
#include <iterator>

namespace {

struct Entry {
    unsigned id;
    const char* german; // UTF-8
    const char* english;
};

// Kept sorted by id, each id once: the lookup is a binary search.
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
    {10004, "Temperaturmodul QEL konnte nicht angesprochen werden!",
     "Temperature module QEL can't be found!"},
    {10005,
     "! Achtung ! Eingestellte Parameter werden mit\r\nEndstufeninternen Grundparametern "
     "überschrieben.\r\nFortfahren?",
     "! Attention ! Parameter settings are overwritten by \r\ninternal power stage basic "
     "parameters.\r\nContinue?"},
    {10006, "Zielachse [", "Destination axis ["},
    {10007, "] ist nicht online, Daten können nicht übertragen werden!",
     "] is offline, data cannot be transmitted!"},
    {10008, "Endstufe ", "Power stage "},
    {10009, " mit Adresse [", "with address ["},
    {10010, "] existiert bereits!\r\nMehrere Achsen mit der gleichen Adresse können nicht erstellt werden!",
     "] does already exist!\r\nEach address must only be used once!"},
    {10011, "Achtung! Alle Endstufen werden entfernt, fortfahren?",
     "Attention! All power stages are deleted from the display, continue?"},
    {10012, "Info über Tarnlink", "About Tarnlink"},
    {10013, "Die Datei ist keine gültige Parameterdatei (Adresse, Endstufentyp oder Name fehlt oder ist ungültig):\r\n",
     "The file is not a valid parameter file (address, power stage type or name missing or invalid):\r\n"},
    {10015, "Eingestellter Strom > zulässiger Motorstrom\r\nTrotzdem übernehmen?",
     "Eingestellter Strom > zulässiger Motorstrom\r\nTrotzdem einstellen?"},
    {10050, "Endstufen suchen, bitte warten...", "Power stage searching, please wait..."},
    {10051, "Projektdaten werden gesendet, bitte warten...", "Sending project data, please wait..."},
    {10100, "Tarnlink parameter file of ", "Tarnlink parameter file of"},
    {10101, "Address\t\t\t\t[", "Address\t\t\t\t["},
    {10102, "Controller version and type:\t[", "Controller version and type:\t["},
    {10103, "Axis name:\t\t\t[pn", "Axis name:\t\t\t[pn"},
    {10104, "Current setting:\r\n", "Current setting:\r\n"},
    {10105, "Stop current:\t\t\t[", "Stop current:\t\t\t["},
    {10106, "Run current:\t\t\t[", "Run current:\t\t\t["},
    {10107, "Boost current:\t\t\t[", "Boost current:\t\t\t["},
    {10108, "More power stage parameters:\r\n", "More power stage parameters:\r\n"},
    {10109, "Step resolution:\t\t[", "Step resolution:\t\t["},
    {10110, "Pref. motor direction:\t\t[", "Pref. motor direction:\t\t["},
    {10111, "Input function:\t\t\t[", "Input function:\t\t["},
    {10112, "Input logic level:\t\t[", "Input logic level:\t\t["},
    {10113, "Current delay time:\t\t[", "Current delay time:\t\t["},
    {10114, "Activation:\t\t\t[", "Activation:\t\t\t["},
    {10115, "Output function:\t\t[", "Output function:\t\t["},
    {10116, "Operation mode:\t\t\t[", "Operation mode:\t\t\t["},
    {10117, "\r\nTemperaturmodul:\t\t[xp", "\r\nTemperaturmodul:\t\t[xp"},
    {10118, " Kein Temperaturmodul!\r\n", " No temperature module!\r\n"},
    {10119, "QEL software version:\t\t[", "QEL software version:\t\t["},
    {10120, "QEL Thermocouple:\t\t[", "QEL Thermocouple:\t\t["},
    {10121, "QEL Temperature limit 1:\t\t[", "QEL Temperature limit 1:\t\t["},
    {10122, "QEL Temperature limit 2:\t\t[", "QEL Temperature limit 2:\t\t["},
    {10123, "QEL Temperature limit 3:\t\t[", "QEL Temperature limit 3:\t\t["},
    {10124, "QEL Temperature limit to LED:\t[", "QEL Temperature limit to LED:\t["},
    {10125, "QEL heat duration in min:\t[", "QEL heat duration in min:\t["},
    {10126, "Display Type 1:\t\t\t[", "Display Type 1:\t\t\t["},
    {10127, "Display Type 2:\t\t\t[", "Display Type 2:\t\t\t["},
    {10128, "Logic --> Takt\t\t\t[", "Logic --> Takt\t\t\t["},
    {10129, "Logic --> Direction\t\t[", "Logic --> Direction\t\t["},
    {10130, "Logic --> Boost\t\t\t[", "Logic --> Boost\t\t\t["},
    {10131, "Logic --> Activation\t\t[", "Logic --> Activation\t\t["},
    {10132, "Logic --> Reset\t\t\t[", "Logic --> Reset\t\t\t["},
    {10133, "Logic --> Deselect\t\t[", "Logic --> Deselect\t\t["},
    {10201, "Speichert ", "Saves "},
    {10202,
     "Ein Endstufenname darf keines der folgenden Zeichen enthalten:\n                "
     "/ \\ : * ? < > | \"",
     "Don’t use the following characters for a power stage name:\n                "
     "/ \\ : * ? < > | \""},
    {10300, "Schritt", "Step"},
    {10349, "Baudrate suchen - Status: Abgebrochen", "Search Baud rate - Status: Cancelled"},
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
    {10400, "Setzen!", "Set!"},
    {10401, "Stromeinstellung", "Current setting"},
    {10402, "Stoppstrom:", "Stop cur.:"},
    {10403, "Laufstrom:", "Run cur.:"},
    {10404, "Booststrom:", "Boost cur.:"},
    {10405, "Achsenname", "Axis name"},
    {10406, "Weitere Endstufenparameter", "More power stage parameters"},
    {10407, "Schrittauflösung:", "Step resolution:"},
    {10408, "Laufstromüberhöhungszeit:", "Current delay time:"},
    {10409, "Vorzugsdrehrichtung:", "Pref. motor direction:"},
    {10410, "Aktivierung:", "Activation:"},
    {10411, "Eingangsfunktion:", "Input function:"},
    {10412, "Ausgangsfunktion:", "Output function:"},
    {10413, "Eingangslogikpegel:", "Input logic level:"},
    {10414, "Betriebsart:", "Operation mode:"},
    {10415, "Status Endstufe >>", "Power stage status >>"},
    {10416, "Aktuelle Parameter speichern", "Store current parameters"},
    {10417, "Reset Endstufe", "Reset power stage"},
    {10418, "Status QEL >>", "QEL status >>"},
    {10419, "Reset QEL", "Reset QEL"},
    {10420, "Einstellungen QEL", "QEL settings"},
    {10421, "Löschen", "Clear"},
    {10422, "Grundparameter laden", "Load basic parameters"},
    {10423, "Einstellungen übertragen", "Transmit settings"},
    {10424, "Endstufenstatus", "Power stage status"},
    {10425, "Endstufenfunktionen", "Power stage functions"},
    {10426, "Fehler: Unterspannung", "Error: Undervoltage"},
    {10427, "Fehler: Übertemperatur", "Error: Overtemperature"},
    {10428, "Fehler: Kurzschluss in der Endstufe", "Error: Short circuit in power stage"},
    {10429, "Hardwarereset (Watchdog?)", "Hardware reset (Watchdog?)"},
    {10430, "Endstufe in Grundstellung", "Power stage in basic position"},
    {10431, "Overdrive:", "Overdrive:"},
    {10432, "Current Shape (CS):", "Current Shape (CS):"},
    {10433, "Ein", "On"},
    {10434, "Aus", "Off"},
    {10435, "Positiv", "Positive"},
    {10436, "Negativ", "Negative"},
    {10437, "High aktiv", "High active"},
    {10438, "Low aktiv", "Low active"},
    {10439, "Aktiviert", "Activated"},
    {10440, "Deaktiviert", "Deactivated"},
    {10441, "Fehlersumme", "Error amount"},
    {10442, "Grundstellung", "Basic position"},
    {10443, "Bus & Schalter", "Bus & Switch"},
    {10444, "Bus exklusiv", "Bus exclusive"},
    {10445, "Chopperfrequenz:", "Copper frequency:"},
    {10446, "Aktivierung", "Activation"},
    {10454, "Funktionen Temperaturmodul QEL", "Funktions Temperaturemodule QEL"},
    {10460, "Thermoelement:", "Thermocouple"},
    {10461, "Temperaturlimit 1:", "Temperature limit 1:"},
    {10462, "Temperaturlimit 2:", "Temperature limit 2:"},
    {10463, "Temperaturlimit 3:", "Temperature limit 3:"},
    {10464, "Temperaturlimit an QEL LED:", "Temperature limit to QEL LED:"},
    {10465, "Ausheizdauer in min.:", "Heat time in min.:"},
    {10466, "Einstellungen QEL", "QEL settings"},
    {10467, "QEL - Softwareversion:", "QEL - Softwareversion:"},
    {10500, "Endstufen", "Power stages"},
    {10510, "Strom + Spannung (I + U)", "Strom + Spannung (I + U)"},
    {10511, "Strom + Motor-Iststrom ( I + M)", "Strom + Motor-Iststrom ( I + M)"},
    {10512, "Strom + Temperatur (I + T)", "Strom + Temperatur (I + T)"},
    {10513, "Temperatur (Temp)", "Temperatur (Temp)"},
    {10514, "keine Anzeige (none)", "keine Anzeige (none)"},
    {10620, "Takt:", "Takt:"},
    {10621, "Drehrichtung:", "Direction:"},
    {10622, "Boost:", "Boost:"},
    {10623, "Aktivierung:", "Activation:"},
    {10624, "Reset:", "Reset:"},
    {10625, "Deselect:", "Deselect:"},
    {10650, "Beschreibung:", "Description:"},
    {10651, "Wert:", "Value:"},
    {10652, "Achse %d: Achse nicht angeschlossen! Daten konnten nicht übertragen werden",
     "Axis %d: Axis is disconnected! Data couldn’t be transmitted"},
    {10653, "Achse %d: Schnittstelle TimeOut bei der Übertragung",
     "Axis %d: Interface timeout during transmission"},
    {10654, "Achse %d: Daten erfolgreich übertragen", "Axis %d: Data successfully transmitted"},
    {10655, "Achse %d: Daten übertragen, Endstufentyp im Projekt ungleich Online-Endstufentyp",
     "Axis %d: Data transmitted, power stage type in the project isn’t equal to the connected "
     "power stage type"},
    {10656, "Adresse und Endstufentyp:", "Address and Power stage type"},
    // Reports of saving and transmitting projects that the Windows program did not give.
    {10700, "Achse %d: Kein Fenster dieser Achse ist geöffnet, sie fehlt im Projekt.",
     "Axis %d: No window of this axis is open; it is missing from the project."},
    {10701, "Achse %d: Die Parameterdatei konnte nicht gespeichert werden, sie fehlt im Projekt.",
     "Axis %d: The parameter file couldn’t be saved; it is missing from the project."},
    {10702,
     "Achse %d: Endstufen dieses Typs können nicht in einer Projektdatei stehen; die "
     "Parameterdatei liegt beim Projekt.",
     "Axis %d: Power stages of this type can’t be listed in a project file; the parameter file "
     "was saved beside it."},
    {10703, "Die Projektdatei konnte nicht geschrieben werden:", "The project file couldn’t be written:"},
    {10704, "Achse %d: Parameterdatei fehlt oder ist nicht lesbar! Daten konnten nicht übertragen werden",
     "Axis %d: Parameter file is missing or unreadable! Data couldn’t be transmitted"},
    {10705, "Achse %d: Übertragungsfehler! Daten wurden nicht gespeichert",
     "Axis %d: Transmission error! Data weren’t stored"},
    {10706, "Achse %d: Die Parameterdatei gehört zu einer anderen Achse! Daten wurden nicht übertragen",
     "Axis %d: The parameter file belongs to another axis! Data weren’t transmitted"},
    {10707, "Achse %d: Endstufentyp im Projekt ungleich Online-Endstufentyp! Daten wurden nicht übertragen",
     "Axis %d: Power stage type in the project isn’t equal to the connected power stage type! Data "
     "weren’t transmitted"},
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
    {61699, "Änderungen in %1 speichern?", "Save changes to %1?"},
};

static_assert(std::adjacent_find(std::begin(kEntries), std::end(kEntries),
                                 [](const Entry& a, const Entry& b) { return a.id >= b.id; }) ==
                  std::end(kEntries),
              "string table must stay sorted by id, each id once");

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
