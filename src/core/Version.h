#pragma once

#include <QString>

// The program's version, set once by the build from the project's version: the about window,
// the printed tickets and the download's user agent show it.
inline constexpr char kVersionPrograma[] = VELMORAT_VERSION;

// Name and version as the program shows them: "Velmorat v." and the version.
inline QString nombreYVersion() {
    return QStringLiteral("Velmorat v.") + QLatin1String(kVersionPrograma);
}
