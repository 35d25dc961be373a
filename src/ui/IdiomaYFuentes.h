#pragma once

class QCoreApplication;

// The toolkit's own texts in Spanish (print, file and question dialogs): false when its
// translation files are not installed, and the dialogs then stay in English.
bool instalarTraduccionesQt(QCoreApplication& app);

// Faces the program names but a Linux desktop lacks are drawn in look-alikes of the same
// shape and metrics, never in whatever script face the system would pick instead.
void sustituirFuentes();
