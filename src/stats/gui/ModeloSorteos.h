#pragma once

#include "stats/Estadisticas.h"

#include <QAbstractTableModel>
#include <QFont>
#include <vector>

// The draws list of the Estadísticas tab: one row per selected draw, newest first, each
// rendered from its record when the view asks for it.
class ModeloSorteos final : public QAbstractTableModel {
    Q_OBJECT
  public:
    explicit ModeloSorteos(QObject* parent = nullptr);

    void reemplazar(std::vector<SorteoListado> filas);
    // The draw of row `fila`, or null outside the list.
    const SorteoListado* sorteo(int fila) const;
    // Takes out the row of a deleted draw; the rows of newer draws now show one record lower.
    void quitar(int fila);
    // Courier, bold: the font of every row.
    const QFont& fuente() const { return m_fuente; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  private:
    std::vector<SorteoListado> m_filas;
    QFont m_fuente;
};
