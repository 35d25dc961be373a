#pragma once

#include "platform/Printer.h"

#include <memory>

// The printer dialog: the user picks a printer for a job, or cancels.
class PrintService {
public:
    virtual ~PrintService() = default;
    // A printer ready for begin(), or null when the user cancelled the dialog. `paginas`:
    // the pages of the document when known beforehand, offered as the page range; 0 when not.
    virtual std::shared_ptr<Printer> showPrinter(int paginas = 0) = 0;
};
