#include "core/VersionSistema.h"

#include <QSysInfo>

QString NativeGetVersion() {
    return QSysInfo::prettyProductName();
}

QString VersionToName(const QString& sVersion) {
    static const struct {
        const char* version;
        const char* nombre;
    } tabla[] = {{"1.0.0", "Windows 95"},      {"1.1.0", "Windows 98"},     {"1.9.0", "Windows Millenium"},
                 {"2.3.0", "Windows NT 3.51"}, {"2.4.0", "Windows NT 4.0"}, {"2.5.0", "Windows 2000"},
                 {"2.5.1", "Windows XP"},      {"2.5.2", "Windows 2003"},   {"2.6.0", "Windows Vista"},
                 {"2.6.1", "Windows 7"},       {"2.6.2", "Windows 8"},      {"2.10.0", "Windows 10/11"}};
    for (const auto& t : tabla)
        if (sVersion == QLatin1String(t.version))
            return QString::fromLatin1(t.nombre);
    return sVersion;
}
