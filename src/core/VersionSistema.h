#pragma once

#include <QString>

// The name and version of the running operating system, as this system reports it.
QString NativeGetVersion();

// The name of an operating system from its version text ("platform.major.minor" of the
// older systems); any other text comes back unchanged.
QString VersionToName(const QString& sVersion);
