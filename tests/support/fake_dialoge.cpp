#include "fake_dialoge.h"

#include <QPrinter>

bool FakeDialoge::DruckerWaehlen(QPrinter& drucker, const QString&, const QString&) {
    ++druckerAnfragen;
    if (druckPdf.isEmpty()) return false;
    drucker.setOutputFormat(QPrinter::PdfFormat);
    drucker.setOutputFileName(druckPdf);
    return true;
}
