#pragma once

#include "core/Records.h"

#include <QIODevice>
#include <QList>
#include <functional>

class RecordFile;

// What a scan of the download file for new draws found.
struct ResultadoImport {
    QList<RegSorteo> sorteos; // the draws kept, in reply order (newest first)
    bool error = false;       // the scan failed: a cut-short reply, a date that is not a date,
                              // more than kMaxNuevos new dates
    bool incompleto = false;  // a new draw without complete data: nothing new is kept
};

inline constexpr int kMaxNuevos = 50;
// No new date is searched for within this many characters of the reply's end.
inline constexpr qint64 kMargenFinal = 10000;

// Scans the download file in two passes: the dates of the draws later than the date of
// `sorteo` (at most kMaxNuevos), then as many draws, which are built in `sorteo` one after
// the other. A draw with a number or complementario outside 1..49 or repeated, a reintegro
// outside 0..9 or a Joker of 0 is invalid and ends the pass with nothing kept, so the stored
// history never gets a gap. `alLeer(i)` runs for each kept draw i.
// `longitud` is the reply's length in characters. On a scan error, `sorteos` holds the
// valid draws read before it.
ResultadoImport leeRespuesta(QIODevice& www, qint64 longitud, RegSorteo& sorteo,
                             const std::function<void(int)>& alLeer = {});

// Appends the draws of a reply (newest first) after the last record of the draws file,
// oldest first. Either every draw is written or the file is left as it was.
bool anexaSorteos(RecordFile& numeros, const QList<RegSorteo>& sorteos);
