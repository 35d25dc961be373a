#pragma once

#include <QByteArray>
#include <QString>
#include <array>
#include <cstdint>

// The record types kept on disk. Each encodes and decodes itself field by field
// (little-endian, Windows-1252 text padded with blanks, dates as day counts since
// 30 December 1899); arrays are 0-based here where the files number them from 1.

// One draw: a record of numeros.dat.
struct RegSorteo {
    static constexpr int kSize = 32;
    std::array<int16_t, 8> bolas{}; // six winning numbers, complementario, reintegro (-1: none)
    double fecha = 0;               // draw date
    double numJoker = 0;            // Joker number, -1 when none, 0 after conversion

    QByteArray encode() const;
    static RegSorteo decode(const QByteArray& bytes);
    bool operator==(const RegSorteo&) const = default;
};

// One draw of the previous version's draws file: no Joker.
struct RegSorteoAntiguo {
    static constexpr int kSize = 24;
    std::array<int16_t, 8> bolas{};
    double fecha = 0;

    QByteArray encode() const;
    static RegSorteoAntiguo decode(const QByteArray& bytes);
};

// One peña: a record of apuestas.dat.
struct RegPena {
    static constexpr int kSize = 8307;
    static constexpr int kMaxApuestas = 205; // bets a record holds
    // No peñas file reaches this size: a peña number is a 16-bit value.
    static constexpr qint64 kTamanoMaximoArchivo = 32767LL * kSize;
    static constexpr int kSlots = 20;        // number slots of one bet
    static constexpr int kNombre = 20;
    static constexpr int kDias = 15;

    QString nombre;                    // 20 characters, upper case
    std::array<int16_t, 2> reducida{}; // count of chosen numbers (0: not reduced), table's second value
    std::array<int16_t, 20> base{};    // numbers chosen for a reduced system
    // apuestas[b][k]: slot k of bet b (both 0-based); slot 0 = 0 marks an empty bet.
    std::array<std::array<int16_t, kSlots>, kMaxApuestas> apuestas{};
    std::array<int16_t, 5> aciertos{}; // winning bets with 3, 4, 5, 6 hits, and 5 + complementario
    QString dias;                      // draw days, 15 characters
    int16_t numApuestas = 0;           // 1..205 simple bets, 501..506 one multiple bet
    double fecha = 0;                  // creation date
    double fecha2 = 0;                 // newest draw already counted, 0 when none

    // The prize counter of a category 3..7 as the files number it.
    int16_t& acierto(int categoria) { return aciertos[static_cast<size_t>(categoria - 3)]; }
    int16_t acierto(int categoria) const { return aciertos[static_cast<size_t>(categoria - 3)]; }

    // A record no version of the program writes: a bet count neither 0..205 nor 501..506, a
    // prize counter below 0, or a date that is not a day of the calendar. Such a peña stays
    // in the list, to be deleted, but is never checked, counted, added to the totals or printed.
    bool danada() const;

    QByteArray encode() const;
    static RegPena decode(const QByteArray& bytes);
    // Equal when they would be stored as the same bytes (text padding does not matter).
    bool operator==(const RegPena& o) const { return encode() == o.encode(); }
};

// The settings: the single record of nums.ini.
struct Config {
    static constexpr int kSize = 86;
    static constexpr int kWebhost = 60;

    QByteArray reserved0 = QByteArray(2, '\0');  // offset 0, kept as read
    float margenX = 0;                           // ticket printing corrections, millimetres
    float margenY = 0;
    QByteArray reserved10 = QByteArray(2, '\0'); // offset 10, kept as read
    float precio = 0;                            // price of one bet, euros
    int16_t meses = 0;                           // upper limit of the statistics period sliders
    QString webhost;                             // the program's own web host, 60 characters
    QByteArray reserved78 = QByteArray(8, '\0'); // offset 78, kept as read

    QByteArray encode() const;
    static Config decode(const QByteArray& bytes);
    // Equal when they would be stored as the same bytes (text padding does not matter).
    bool operator==(const Config& o) const { return encode() == o.encode(); }
};
