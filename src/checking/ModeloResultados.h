#pragma once

#include "checking/FuenteFilas.h"

#include <QAbstractTableModel>
#include <memory>

// A results list as a table model: rows are rendered from the list's compact records when
// the view asks for them.
class ModeloResultados final : public QAbstractTableModel {
    Q_OBJECT
  public:
    explicit ModeloResultados(std::unique_ptr<FuenteFilas> filas, QObject* parent = nullptr);

    // Shows another list in place of the current one.
    void reemplazar(std::unique_ptr<FuenteFilas> filas);
    const FuenteFilas& fuente() const { return *m_filas; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  private:
    std::unique_ptr<FuenteFilas> m_filas;
    QStringList m_cabeceras;
};
