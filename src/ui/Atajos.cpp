#include "ui/Atajos.h"

#include "platform/gui/Etiqueta.h"
#include "platform/gui/ImageList1.h"

#include <QHBoxLayout>

namespace {
constexpr int kPrimeraImagen = 15; // pictures 15..19 of the picture list
} // namespace

Atajos::Atajos(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Atajos"));
    setAccessibleName(QStringLiteral("Accesos directos"));
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 0, 4, 0);
    const char* const ayudas[kCuantos] = {"Eliminar peña", "Editar Peña", "Borrar todos los sorteos",
                                          "Imprimir boletos",
                                          "Añade todos los sorteos desde la creación de la Primitiva!!"};
    for (int i = 0; i < kCuantos; ++i) {
        auto* e = new Etiqueta(this);
        e->setObjectName(QStringLiteral("Image1_%1").arg(i));
        e->setToolTip(QString::fromUtf8(ayudas[i]));
        e->setAccessibleName(QString::fromUtf8(ayudas[i]));
        e->setCursor(Qt::PointingHandCursor);
        ImageList1::show(e, kPrimeraImagen + i);
        layout->addWidget(e);
        connect(e, &Etiqueta::clicked, this, [this, i] { emit pulsado(i); });
        m_image1[static_cast<size_t>(i)] = e;
    }
    layout->addStretch(1);
}
