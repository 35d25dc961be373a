#pragma once

#include "checking/Comprobacion.h"
#include "checking/VistaResultados.h"
#include "core/OleDate.h"
#include "support/SesionPrueba.h"

#include <QColor>
#include <vector>

// The draw days most peñas of these tests play, and Thursday 3 and Saturday 5 December 2026.
inline const QString kTodos = QStringLiteral("Todos (L+J+S)");
inline double kJue() {
    return oledate::fromYmd(2026, 12, 3);
}
inline double kSab() {
    return oledate::fromYmd(2026, 12, 5);
}

// The results panel as a test sees it: filters set by hand, calls recorded.
class FakeVista final : public VistaResultados {
  public:
    int combo2ListIndex() const override { return indice; }
    QString combo2Texto() const override { return texto; }
    bool historico() const override { return check1; }
    bool soloPremio() const override { return check2; }
    bool avisoDescarga() const override { return aviso; }
    bool timer3Activo() const override { return timer3; }
    void iniciarTimer3() override {
        timer3 = true;
        ++arranquesTimer3;
    }
    bool listaVisible(int cual) const override { return cual == visible; }
    void Command1_Click(int i) override {
        visible = i;
        clics.push_back(i);
    }

    int indice = 0;
    QString texto;
    bool check1 = false, check2 = false, aviso = false, timer3 = false;
    int arranquesTimer3 = 0;
    int visible = 0;
    std::vector<int> clics;
};

// A program folder with draws and peñas, and a check over it.
class Escenario : public SesionConDatos {
  public:
    Escenario() : SesionConDatos(QDate(2026, 12, 31)) {}

    static double fecha(int y, int m, int d) { return oledate::fromYmd(y, m, d); }

    RegPena leida(int n) { return s.files.apuestas.get<RegPena>(n); }
    std::array<int16_t, 5> aciertos(int n) { return leida(n).aciertos; }

    // Texts of a row of a list, columns 1 on; or their colours: "-" uncoloured, else the
    // blue-green-red value.
    static QStringList fila(const FuenteFilas& f, int r, bool colores = false) {
        QStringList t;
        for (int c = 1; c < int(f.cabeceras().size()); ++c) {
            const QColor k = f.color(r, c);
            const int bgr = k.blue() << 16 | k.green() << 8 | k.red();
            t << (!colores      ? f.texto(r, c)
                  : k.isValid() ? QStringLiteral("%1").arg(bgr, 6, 16, QChar(u'0')).toUpper()
                                : QStringLiteral("-"));
        }
        return t;
    }
    // The comment of each row, or every cell's colour, a row a line.
    static QStringList comentarios(const FuenteFilas& f, bool colores = false) {
        QStringList t;
        for (int r = 0; r < f.filas(); ++r)
            t << (colores ? fila(f, r, true).join(u' ') : f.texto(r, int(f.cabeceras().size()) - 1));
        return t;
    }
    static QStringList colores(const FuenteFilas& f) { return comentarios(f, true); }

    FakeVista vista;
    Comprobacion comprobacion{s, vista};
};
