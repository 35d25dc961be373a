#pragma once

#include "core/OleDate.h"
#include "core/Records.h"
#include "core/Session.h"
#include "platform/Clock.h"
#include "support/FakeDialogs.h"
#include "support/TestFolder.h"

#include <QDate>
#include <initializer_list>

// A program folder with open data files, the report database and a session on a fixed day.
struct Entorno {
    TestFolder carpeta;
    FakeDialogs dialogs;
    FixedClock reloj{QDate(2026, 12, 5)}; // a Saturday
    Session s{dialogs, reloj};

    Entorno() {
        carpeta.conTablas();
        carpeta.conBase();
        s.rutaApp = carpeta.rutaApp();
        s.files.abrir(s.rutaApp);
        s.cfg.precio = 1.0f;
    }
    ~Entorno() { s.files.cerrarTodos(); }

    static RegPena pena(const QString& nombre, int numApuestas,
                        const QString& dias = QStringLiteral("Todos (L+J+S)"),
                        QDate creada = QDate(2026, 1, 1)) {
        RegPena p;
        p.nombre = nombre;
        p.numApuestas = static_cast<int16_t>(numApuestas);
        p.dias = dias;
        p.fecha = oledate::fromQDate(creada);
        for (int b = 0; b < RegPena::kMaxApuestas; ++b)
            for (int k = 0; k < 6; ++k)
                p.apuestas[static_cast<size_t>(b)][static_cast<size_t>(k)] =
                    static_cast<int16_t>((b + k * 7) % 49 + 1);
        return p;
    }
    void guarda(const RegPena& p) { s.files.apuestas.put(s.files.apuestas.count() + 1, p); }
    void sorteo(QDate fecha) {
        RegSorteo r;
        r.bolas = {1, 2, 3, 4, 5, 6, 7, 0};
        r.fecha = oledate::fromQDate(fecha);
        s.files.numeros.put(s.files.numeros.count() + 1, r);
        s.sigSorteo = static_cast<int>(s.files.numeros.count()) + 1;
    }
    QStringList textos() const {
        QStringList t;
        for (const FakeDialogs::Box& b : dialogs.boxes)
            t.append(b.text);
        return t;
    }
};
