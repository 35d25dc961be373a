#include "core/Records.h"

#include "core/ByteCodec.h"
#include "core/OleDate.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr int kPenaReducida = 20;
constexpr int kPenaBase = 24;
constexpr int kPenaApuestas = 64;
constexpr int kPenaAciertos = 8264;
constexpr int kPenaDias = 8274;
constexpr int kPenaNumApuestas = 8289;
constexpr int kPenaFecha = 8291;
constexpr int kPenaFecha2 = 8299;

template <size_t N> void writeBolas(ByteWriter& w, const std::array<int16_t, N>& a, int offset) {
    for (size_t i = 0; i < N; ++i)
        w.i16(offset + 2 * static_cast<int>(i), a[i]);
}
template <size_t N> void readBolas(const ByteReader& r, std::array<int16_t, N>& a, int offset) {
    for (size_t i = 0; i < N; ++i)
        a[i] = r.i16(offset + 2 * static_cast<int>(i));
}
} // namespace

QByteArray RegSorteo::encode() const {
    ByteWriter w(kSize);
    writeBolas(w, bolas, 0);
    w.f64(16, fecha);
    w.f64(24, numJoker);
    return w.bytes();
}

RegSorteo RegSorteo::decode(const QByteArray& bytes) {
    ByteReader r(bytes);
    RegSorteo s;
    readBolas(r, s.bolas, 0);
    s.fecha = r.f64(16);
    s.numJoker = r.f64(24);
    return s;
}

QByteArray RegSorteoAntiguo::encode() const {
    ByteWriter w(kSize);
    writeBolas(w, bolas, 0);
    w.f64(16, fecha);
    return w.bytes();
}

RegSorteoAntiguo RegSorteoAntiguo::decode(const QByteArray& bytes) {
    ByteReader r(bytes);
    RegSorteoAntiguo s;
    readBolas(r, s.bolas, 0);
    s.fecha = r.f64(16);
    return s;
}

bool RegPena::danada() const {
    // A peña of no bets is an empty peña, not a damaged one.
    const bool cuenta = (numApuestas >= 0 && numApuestas <= kMaxApuestas) || (numApuestas >= 501 && numApuestas <= 506);
    // A calendar day has a whole day count; only the dates of day 0 have a count of 0.
    const auto esDia = [](double f) { return std::isfinite(f) && (oledate::days(f) != 0 || (f >= 0 && f < 1)); };
    return !cuenta || std::any_of(aciertos.begin(), aciertos.end(), [](int16_t a) { return a < 0; }) ||
           !esDia(fecha) || !esDia(fecha2);
}

QByteArray RegPena::encode() const {
    ByteWriter w(kSize);
    w.text(0, kNombre, nombre);
    writeBolas(w, reducida, kPenaReducida);
    writeBolas(w, base, kPenaBase);
    for (int b = 0; b < kMaxApuestas; ++b)
        writeBolas(w, apuestas[static_cast<size_t>(b)], kPenaApuestas + 2 * kSlots * b);
    writeBolas(w, aciertos, kPenaAciertos);
    w.text(kPenaDias, kDias, dias);
    w.i16(kPenaNumApuestas, numApuestas);
    w.f64(kPenaFecha, fecha);
    w.f64(kPenaFecha2, fecha2);
    return w.bytes();
}

RegPena RegPena::decode(const QByteArray& bytes) {
    ByteReader r(bytes);
    RegPena p;
    p.nombre = r.text(0, kNombre);
    readBolas(r, p.reducida, kPenaReducida);
    readBolas(r, p.base, kPenaBase);
    for (int b = 0; b < kMaxApuestas; ++b)
        readBolas(r, p.apuestas[static_cast<size_t>(b)], kPenaApuestas + 2 * kSlots * b);
    readBolas(r, p.aciertos, kPenaAciertos);
    p.dias = r.text(kPenaDias, kDias);
    p.numApuestas = r.i16(kPenaNumApuestas);
    p.fecha = r.f64(kPenaFecha);
    p.fecha2 = r.f64(kPenaFecha2);
    return p;
}

QByteArray Config::encode() const {
    ByteWriter w(kSize);
    w.raw(0, reserved0.left(2));
    w.f32(2, margenX);
    w.f32(6, margenY);
    w.raw(10, reserved10.left(2));
    w.f32(12, precio);
    w.i16(16, meses);
    w.text(18, kWebhost, webhost);
    w.raw(78, reserved78.left(8));
    return w.bytes();
}

Config Config::decode(const QByteArray& bytes) {
    ByteReader r(bytes);
    Config c;
    c.reserved0 = r.raw(0, 2);
    c.margenX = r.f32(2);
    c.margenY = r.f32(6);
    c.reserved10 = r.raw(10, 2);
    c.precio = r.f32(12);
    c.meses = r.i16(16);
    c.webhost = r.text(18, kWebhost);
    c.reserved78 = r.raw(78, 8);
    return c;
}
