#pragma once

// Rules of the wizard's steps 2 and 3 that do not depend on its window.
namespace asistente {

// The multiple bet of n numbers as the editor's bet kind: 5 → 3, 7 → 1, 8 → 2, 9 → 4,
// 10 → 5, 11 → 6; 0 for any other count.
int codigoMultiple(int n);

// Which step-3 choices n ranked numbers allow (the reduced one also needs a table of n).
inline bool permiteSencilla(int n) {
    return n == 6;
}
inline bool permiteMultiple(int n) {
    return codigoMultiple(n) != 0;
}

} // namespace asistente
