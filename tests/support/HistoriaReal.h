#pragma once

#include "core/Records.h"

#include <QByteArray>
#include <array>
#include <vector>

// The real draw history in tests/data: the file's bytes and its records in file order.
QByteArray bytesHistoriaReal();
std::vector<RegSorteo> sorteosHistoriaReal();

// How often each number 1..49 (element 0 is number 1) came out among the six winning
// numbers of every draw of the real history, counted record by record.
std::array<int, 49> vecesHistoriaReal();
