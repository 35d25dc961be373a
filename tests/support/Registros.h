#pragma once

#include "core/Records.h"

#include <QString>
#include <array>
#include <vector>

// A draw on an OLE date: six winning numbers, complementario, reintegro and joker (-1: none).
RegSorteo registroSorteo(double fecha, const std::array<int, 6>& seis = {1, 2, 3, 4, 5, 6}, int comp = 7,
                         int reint = 3, double joker = -1);

// A peña created on an OLE date with these bets (six numbers each, or the numbers of one
// multiple bet); its count of bets is that of `apuestas` unless given (501..506: multiple).
RegPena registroPena(const QString& nombre, const QString& dias, double creada,
                     const std::vector<std::vector<int>>& apuestas = {}, int numApuestas = -1);

// `n` draws in the old 24-byte records, a week apart from Thursday 18 February 1982.
QByteArray sorteosAntiguos(int n);
