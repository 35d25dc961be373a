#pragma once

#include <QString>

struct Config;

// The addresses the program opens on its own web host and its contact address.
namespace enlaces {

// "http://" + the trimmed web host.
QString web(const Config& cfg);
// The instructions document under the host's downloads folder.
QString instrucciones(const Config& cfg);
// The notice page, lower case.
QString aviso(const Config& cfg);
// A new e-mail to the program's contact address.
QString correo();

} // namespace enlaces
