// The program's stored settings: the "Korvane GmbH" / "Tarnlink" store, read and written by
// section and key like a profile. The keys of section "Settings" have typed accessors so that
// each key and its default is written down once.
#pragma once

#include <QString>
#include <QStringList>

class CAppSettings {
public:
    static constexpr const char* kOrganisation = "Korvane GmbH";
    static constexpr const char* kApplication = "Tarnlink";
    static constexpr const char* kSection = "Settings";

    int GetProfileInt(const QString& section, const QString& key, int defaultValue) const;
    QString GetProfileString(const QString& section, const QString& key,
                             const QString& defaultValue) const;
    void WriteProfileInt(const QString& section, const QString& key, int value);
    void WriteProfileString(const QString& section, const QString& key, const QString& value);

    // Section "Settings".
    int ComType() const;                 // 0 serial, 1 CAN
    QString ActiveCom() const;           // serial port name
    QString ComParameter() const;        // "9600, n, 8, 1"
    int CanBaud() const;                 // CAN bit-rate index
    int AxAddr() const;                  // non-zero: two-byte addresses
    int Checksum() const;                // frame checksum on
    int Language() const;                // 0 German, 1 English
    void SetComType(int value);
    void SetActiveCom(const QString& value);
    void SetComParameter(const QString& value);
    void SetCanBaud(int value);
    void SetAxAddr(int value);
    void SetChecksum(int value);
    void SetLanguage(int value);

    static QString DefaultSerialPort();
};
