#pragma once

struct Session;

// The commands on the peña selected in the list.
namespace comandospena {

// "Seleccione una peña primero..." when no peña is selected; otherwise reads the selected
// peña into penaActual. True when the command may go on.
bool seleccionada(Session& s);

// Asks for confirmation and removes peña penaSel from apuestas.dat, keeping the others in
// their order; the file is rewritten through apuestas.tmp and replaced whole. Returns
// true when the peña was removed (penaSel is then 0). Needs seleccionada() first.
bool eliminaPena(Session& s);

// "Editar Peña": sets the hand-over values for the editor in edit mode and warns about a
// reduced peña. Needs seleccionada() first.
void preparaEdicion(Session& s);

} // namespace comandospena
