#include "checking/ModeloResultados.h"

#include <QBrush>

ModeloResultados::ModeloResultados(std::unique_ptr<FuenteFilas> filas, QObject* parent)
    : QAbstractTableModel(parent), m_filas(std::move(filas)), m_cabeceras(m_filas->cabeceras()) {}

void ModeloResultados::reemplazar(std::unique_ptr<FuenteFilas> filas) {
    beginResetModel();
    m_filas = std::move(filas);
    endResetModel();
}

int ModeloResultados::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : m_filas->filas();
}

int ModeloResultados::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(m_cabeceras.size());
}

QVariant ModeloResultados::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= m_filas->filas())
        return {};
    if (role == Qt::DisplayRole) {
        const QString t = m_filas->texto(index.row(), index.column());
        return t.isEmpty() ? QVariant() : QVariant(t);
    }
    if (role == Qt::ForegroundRole) {
        const QColor c = m_filas->color(index.row(), index.column());
        return c.isValid() ? QVariant(QBrush(c)) : QVariant();
    }
    return {};
}

QVariant ModeloResultados::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 &&
        section < m_cabeceras.size())
        return m_cabeceras.at(section);
    return QAbstractTableModel::headerData(section, orientation, role);
}
