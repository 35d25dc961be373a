#pragma once

#include "platform/Printer.h"

#include <memory>

// The printer dialog: the user picks a printer for a job, or cancels.
class PrintService {
public:
    virtual ~PrintService() = default;
    // A printer ready for begin(), or null when the user cancelled the dialog.
    virtual std::shared_ptr<Printer> showPrinter() = 0;
};
