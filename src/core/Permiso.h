#pragma once

class Dialogs;

// The message shown when a data file of the program folder cannot be written.
void errorpermiso(Dialogs& dialogs);
