#include "widgets/drucken.h"

#include <QApplication>
#include <QFileDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

bool DruckerOderPdfWaehlen(QWidget* eltern, QPrinter& drucker, const QString& pdfTitel,
                           const QString& pdfVorschlag) {
    if (QPrinterInfo::availablePrinterNames().isEmpty()) {
        const QString pdf = QFileDialog::getSaveFileName(eltern, pdfTitel, pdfVorschlag,
                                                         QStringLiteral("PDF-Dokument (*.pdf)"));
        if (pdf.isEmpty()) return false;
        drucker.setOutputFormat(QPrinter::PdfFormat);
        drucker.setOutputFileName(pdf);
        return true;
    }
    QPrintDialog dialog(&drucker, eltern);
    return dialog.exec() == QDialog::Accepted;
}

Sanduhr::Sanduhr() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
}
Sanduhr::~Sanduhr() {
    QApplication::restoreOverrideCursor();
}
