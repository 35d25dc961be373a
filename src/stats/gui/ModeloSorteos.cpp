#include "stats/gui/ModeloSorteos.h"

ModeloSorteos::ModeloSorteos(QObject* parent) : QAbstractTableModel(parent) {
    m_fuente = QFont(QStringLiteral("Courier New"));
    m_fuente.setStyleHint(QFont::TypeWriter);
    m_fuente.setBold(true);
}

void ModeloSorteos::reemplazar(std::vector<SorteoListado> filas) {
    beginResetModel();
    m_filas = std::move(filas);
    endResetModel();
}

const SorteoListado* ModeloSorteos::sorteo(int fila) const {
    return fila >= 0 && fila < rowCount() ? &m_filas[static_cast<size_t>(fila)] : nullptr;
}

void ModeloSorteos::quitar(int fila) {
    if (!sorteo(fila))
        return;
    const int registro = m_filas[static_cast<size_t>(fila)].registro;
    beginRemoveRows({}, fila, fila);
    m_filas.erase(m_filas.begin() + fila);
    endRemoveRows();
    for (SorteoListado& f : m_filas)
        if (f.registro > registro)
            --f.registro;
}

int ModeloSorteos::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_filas.size());
}

int ModeloSorteos::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : 3;
}

QVariant ModeloSorteos::data(const QModelIndex& index, int role) const {
    const SorteoListado* f = sorteo(index.row());
    if (!f || index.column() < 0 || index.column() > 2)
        return {};
    if (role == Qt::FontRole)
        return m_fuente;
    if (role != Qt::DisplayRole && role != Qt::AccessibleTextRole)
        return {};
    switch (index.column()) {
    case 0:
        return textoSorteo(f->sorteo);
    case 1:
        return textoJoker(f->sorteo);
    default:
        return textoFechaSorteo(f->sorteo);
    }
}

QVariant ModeloSorteos::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    switch (section) {
    case 0:
        return QStringLiteral("Números ganadores");
    case 1:
        return QStringLiteral("Joker");
    case 2:
        return QStringLiteral("Fecha");
    default:
        return {};
    }
}
