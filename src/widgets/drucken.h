#pragma once
// Small window helpers shared by every window that prints or touches files.
#include <QString>

class QPrinter;
class QWidget;

// The print dialog; where no printer is installed the dialog has nothing to offer,
// so the user picks a PDF file instead. False when cancelled.
bool DruckerOderPdfWaehlen(QWidget* eltern, QPrinter& drucker, const QString& pdfTitel,
                           const QString& pdfVorschlag);

// The wait cursor for the length of a file operation.
class Sanduhr final {
public:
    Sanduhr();
    ~Sanduhr();
    Sanduhr(const Sanduhr&) = delete;
    Sanduhr& operator=(const Sanduhr&) = delete;
};
