#pragma once

#include "core/OleDate.h"
#include "support/SesionPrueba.h"

// A program folder with open data files, the report database and a session on a fixed day.
struct Entorno : SesionConDatos {
    TestFolder& carpeta = dir;
    FixedClock& reloj = clock;

    Entorno() : SesionConDatos(QDate(2026, 12, 5)) { // a Saturday
        carpeta.conTablas();
        carpeta.conBase();
        s.cfg.precio = 1.0f;
    }

    // A peña whose every bet slot holds six distinct numbers.
    static RegPena pena(const QString& nombre, int numApuestas,
                        const QString& dias = QStringLiteral("Todos (L+J+S)"),
                        QDate creada = QDate(2026, 1, 1)) {
        RegPena p = registroPena(nombre, dias, oledate::fromQDate(creada), {}, numApuestas);
        for (size_t b = 0; b < RegPena::kMaxApuestas; ++b)
            for (size_t k = 0; k < 6; ++k)
                p.apuestas[b][k] = static_cast<int16_t>((b + k * 7) % 49 + 1);
        return p;
    }
    void guarda(const RegPena& p) { s.files.apuestas.put(s.files.apuestas.count() + 1, p); }
    void sorteo(QDate fecha) { SesionConDatos::sorteo(oledate::fromQDate(fecha), {1, 2, 3, 4, 5, 6}, 7, 0); }
    QStringList textos() const {
        QStringList t;
        for (const FakeDialogs::Box& b : dialogs.boxes)
            t.append(b.text);
        return t;
    }
};
