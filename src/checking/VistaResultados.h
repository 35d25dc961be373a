#pragma once

#include <QString>

// What a results check reads from the results panel and does to it. The defaults stand for
// a panel with nothing chosen, both boxes clear and the simple-peña list shown.
class VistaResultados {
  public:
    virtual ~VistaResultados() = default;

    // The peña chooser: index of the chosen entry (-1 none, 0 "TODAS LAS PEÑAS") and its text.
    virtual int combo2ListIndex() const { return -1; }
    virtual QString combo2Texto() const { return {}; }
    virtual bool historico() const { return false; }  // "Histórico"
    virtual bool soloPremio() const { return false; } // "Ver sólo si hay premio"
    // True while the download's status text is shown: only then does a prize blink.
    virtual bool avisoDescarga() const { return false; }
    virtual bool timer3Activo() const { return false; }
    virtual void iniciarTimer3() {}
    // 0: the simple-peña list, 1: the multiple-peña list.
    virtual bool listaVisible(int cual) const { return cual == 0; }
    virtual void Command1_Click(int index) {}
    virtual void progreso(int valor, int maximo) {}
};
