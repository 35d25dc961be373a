#pragma once

#include "platform/PdfAvailability.h"

// The program shows reports in its own PDF view, so a PDF can always be shown.
class EmbeddedPdfAvailability final : public PdfAvailability {
  public:
    bool canShowPdf() const override { return true; }
};
