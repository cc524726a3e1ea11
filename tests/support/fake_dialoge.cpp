#include "fake_dialoge.h"

// Core tests have no printing library; there the fake only answers whether a PDF was chosen.
#ifdef KARTELLO_TEST_FENSTER
#include <QPrinter>
#endif

bool FakeDialoge::DruckerWaehlen([[maybe_unused]] QPrinter& drucker, const DateiDialogAuftrag& pdfDatei) {
    ++druckerAnfragen;
    pdfAuftraege.push_back(pdfDatei);
#ifdef KARTELLO_TEST_FENSTER
    druckDokumente.push_back(drucker.docName());
#endif
    if (druckPdf.isEmpty()) return false;
#ifdef KARTELLO_TEST_FENSTER
    drucker.setOutputFormat(QPrinter::PdfFormat);
    drucker.setOutputFileName(druckPdf);
#endif
    return true;
}
