#pragma once

#include <QString>

// The program's version: the one value the about window and the printed tickets show.
inline constexpr char kVersionPrograma[] = "3.4.9992";

// Name and version as the program shows them: "Velmorat v." and the version.
inline QString nombreYVersion() {
    return QStringLiteral("Velmorat v.") + QLatin1String(kVersionPrograma);
}
