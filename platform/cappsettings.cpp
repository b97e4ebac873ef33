#include "platform/cappsettings.h"

#include <QSettings>

namespace {

QSettings Store()
{
    return QSettings(QString::fromLatin1(CAppSettings::kOrganisation),
                     QString::fromLatin1(CAppSettings::kApplication));
}

QString Path(const QString& section, const QString& key)
{
    return section + QLatin1Char('/') + key;
}

const QString kSettings = QString::fromLatin1(CAppSettings::kSection);

} // namespace

int CAppSettings::GetProfileInt(const QString& section, const QString& key, int defaultValue) const
{
    bool ok = false;
    const int value = Store().value(Path(section, key)).toInt(&ok);
    return ok ? value : defaultValue;
}

QString CAppSettings::GetProfileString(const QString& section, const QString& key,
                                       const QString& defaultValue) const
{
    const QVariant value = Store().value(Path(section, key));
    if (!value.isValid())
        return defaultValue;
    // A value written into the file by hand without quotes, such as 19200, n, 8, 1, is read
    // as the list of its comma-separated items.
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList().join(QStringLiteral(", "));
    return value.toString();
}

void CAppSettings::WriteProfileInt(const QString& section, const QString& key, int value)
{
    Store().setValue(Path(section, key), value);
}

void CAppSettings::WriteProfileString(const QString& section, const QString& key,
                                      const QString& value)
{
    Store().setValue(Path(section, key), value);
}

QString CAppSettings::DefaultSerialPort()
{
#ifdef Q_OS_WIN
    return QStringLiteral("COM1");
#else
    return QStringLiteral("ttyS0");
#endif
}

int CAppSettings::ComType() const { return GetProfileInt(kSettings, QStringLiteral("ComType"), 0); }
QString CAppSettings::ActiveCom() const
{
    return GetProfileString(kSettings, QStringLiteral("ActiveCom"), DefaultSerialPort());
}
QString CAppSettings::ComParameter() const
{
    return GetProfileString(kSettings, QStringLiteral("ComParameter"),
                            QStringLiteral("9600, n, 8, 1"));
}
int CAppSettings::CanBaud() const { return GetProfileInt(kSettings, QStringLiteral("CANBaud"), 3); }
int CAppSettings::AxAddr() const { return GetProfileInt(kSettings, QStringLiteral("AxAddr"), 0); }
int CAppSettings::Checksum() const
{
    return GetProfileInt(kSettings, QStringLiteral("Checksum"), 0);
}
int CAppSettings::Language() const
{
    return GetProfileInt(kSettings, QStringLiteral("Language"), 0);
}

void CAppSettings::SetComType(int v) { WriteProfileInt(kSettings, QStringLiteral("ComType"), v); }
void CAppSettings::SetActiveCom(const QString& v)
{
    WriteProfileString(kSettings, QStringLiteral("ActiveCom"), v);
}
void CAppSettings::SetComParameter(const QString& v)
{
    WriteProfileString(kSettings, QStringLiteral("ComParameter"), v);
}
void CAppSettings::SetCanBaud(int v) { WriteProfileInt(kSettings, QStringLiteral("CANBaud"), v); }
void CAppSettings::SetAxAddr(int v) { WriteProfileInt(kSettings, QStringLiteral("AxAddr"), v); }
void CAppSettings::SetChecksum(int v) { WriteProfileInt(kSettings, QStringLiteral("Checksum"), v); }
void CAppSettings::SetLanguage(int v) { WriteProfileInt(kSettings, QStringLiteral("Language"), v); }
