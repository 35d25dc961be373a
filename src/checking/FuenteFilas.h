#pragma once

#include <QColor>
#include <QString>
#include <QStringList>

// Rows of a results list, rendered on demand from compact records.
class FuenteFilas {
  public:
    virtual ~FuenteFilas() = default;
    virtual int filas() const = 0;
    virtual QStringList cabeceras() const = 0;
    virtual QString texto(int fila, int columna) const = 0;
    // The text colour of a cell; invalid for the list's own colour.
    virtual QColor color(int fila, int columna) const = 0;
};
