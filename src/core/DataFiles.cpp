#include "core/DataFiles.h"

void DataFiles::abrir(const QString& rutaApp) {
    apuestas.open(rutaApp + QStringLiteral("apuestas.dat"));
    numeros.open(rutaApp + QStringLiteral("numeros.dat"));
    abrirWww(rutaApp);
}

bool DataFiles::abrirWww(const QString& rutaApp) {
    if (www.isOpen())
        www.close();
    www.setFileName(rutaApp + QStringLiteral("www.txt"));
    return www.open(QIODevice::ReadWrite) || www.open(QIODevice::ReadOnly);
}

void DataFiles::cerrarTodos() {
    apuestas.close();
    if (www.isOpen())
        www.close();
    numeros.close();
    numsIni.close();
}
