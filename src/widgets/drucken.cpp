#include "widgets/drucken.h"

#include "platform/av_fensterstapel.h"

#include <QApplication>
#include <QFileDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

bool DruckerOderPdfWaehlen(QWidget* eltern, QPrinter& drucker, const QString& pdfTitel,
                           const QString& pdfVorschlag) {
    if (QPrinterInfo::availablePrinterNames().isEmpty()) {
        QFileDialog wahl(eltern, pdfTitel, pdfVorschlag, QStringLiteral("PDF-Dokument (*.pdf)"));
        wahl.setAcceptMode(QFileDialog::AcceptSave);
        WieElternObenHalten(&wahl);
        if (wahl.exec() != QDialog::Accepted || wahl.selectedFiles().isEmpty()) return false;
        const QString pdf = wahl.selectedFiles().constFirst();
        drucker.setOutputFormat(QPrinter::PdfFormat);
        drucker.setOutputFileName(pdf);
        return true;
    }
    QPrintDialog dialog(&drucker, eltern);
    WieElternObenHalten(&dialog);
    return dialog.exec() == QDialog::Accepted;
}

Sanduhr::Sanduhr() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
}
Sanduhr::~Sanduhr() {
    QApplication::restoreOverrideCursor();
}
