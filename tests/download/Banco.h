#pragma once

#include "Fakes.h"
#include "Respuestas.h"
#include "support/SesionPrueba.h"

#include "core/OleDate.h"
#include "core/Resumen.h"

// A program folder with a draws file, a session on it and the fakes around it.
struct Banco : SesionConDatos {
    FakeHttp http;
    FakePdf pdf;
    FakeUrls urls;

    Banco() : SesionConDatos(QDate(2017, 8, 19)) {
        dir.conBase(); // the peña detail needs the report database beside the program
        s.http = &http;
        s.pdf = &pdf;
        s.urls = &urls;
    }

    // Stores the real draws up to `hasta` and leaves the newest in the draw buffer.
    void sorteosHasta(const QDate& hasta) {
        qint64 n = s.files.numeros.count();
        for (const respuestas::Sorteo& x : respuestas::historia())
            if (x.fecha <= hasta)
                s.files.numeros.put(++n, registro(x));
        resumen(s);
    }

    static RegSorteo registro(const respuestas::Sorteo& x) {
        RegSorteo r = registroSorteo(oledate::fromQDate(x.fecha), x.numeros, x.complementario, x.reintegro);
        r.numJoker = x.joker.toDouble();
        return r;
    }

    QList<RegSorteo> almacenados() {
        QList<RegSorteo> out;
        for (qint64 i = 1; i <= s.files.numeros.count(); ++i)
            out << s.files.numeros.get<RegSorteo>(i);
        return out;
    }
};
