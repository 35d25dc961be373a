#pragma once

#include <QString>
#include <functional>

// The report engine: fills a report definition (a template file beside the program) with
// the tables of the report database and gives HTML to lay out, show, print or save.
//
// Every table is bound into the template under its name without accents: the columns of
// the one-row tables as values named table_column ({{Sorteos_Dia1}}, {{Pena_5C}},
// {{Informe_Frase}}), and "Peñanums" and "Numeros" as repeated sections
// ({{#Penanums}}{{Numeros}}{{/Penanums}}, {{#Numeros}}{{Numero}} {{Veces}}{{/Numeros}}).
// Dates show as dd/mm/yyyy and decimals with a comma. A template cannot include other
// files, and the database is read only.
namespace informe {

// The engine's error numbers, shown to the user in the report message. A report the user
// closes, or whose printer or file dialog the user cancels, is no error: it ends silently.
enum Error : int {
    kNinguno = 0,
    kDefinicionNoSeLee = 20501, // the definition file is missing or cannot be read
    kDefinicionVacia = 20502,   // the definition file is empty
    kPlantillaErronea = 20503,  // the definition is not a valid template
    kBaseNoAbre = 20504,        // the database cannot be opened (missing file, wrong password)
    kBaseNoSeLee = 20505,       // a table of the database cannot be read
    kExpansion = 20506,         // the template failed while it was filled
    kOcupada = 20534,           // the database was busy with another writer: run again
};

struct Resultado {
    int error = kNinguno;
    QString html;
};

// The report file names of the two report icons (index 0 and 1); empty otherwise.
QString definicion(int indice);

// Fills the definition with the database's tables.
Resultado genera(const QString& rutaDefinicion, const QString& rutaBase, const QString& clave);

// As genera, running once more when the database was busy.
Resultado ejecuta(const QString& rutaDefinicion, const QString& rutaBase, const QString& clave);
// Runs `una`, and once more when it found the database busy.
Resultado otraVezSiOcupada(const std::function<Resultado()>& una);

// "Error " & n & ". No es posible mostrar el informe. ..."
QString mensajeError(int error);

} // namespace informe
