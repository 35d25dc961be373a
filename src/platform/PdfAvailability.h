#pragma once

// Whether the program can show a PDF document to the user.
class PdfAvailability {
  public:
    virtual ~PdfAvailability() = default;
    virtual bool canShowPdf() const = 0;
};
