#include "platform/av_dialoge_qt.h"

#include "platform/av_fensterstapel.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

namespace {

std::optional<QString> DateiDialog(const DateiDialogAuftrag& a, QFileDialog::AcceptMode modus) {
    QStringList filter;
    for (const auto& [text, muster] : a.Filter)
        filter << text;
    QFileDialog dialog(DialogeQt::Eltern(), a.Titel, a.Startordner);
    WieElternObenHalten(&dialog);
    dialog.setAcceptMode(modus);
    dialog.setNameFilters(filter);
    dialog.setDefaultSuffix(a.Standardendung);
    if (modus == QFileDialog::AcceptOpen)
        dialog.setFileMode(a.MussExistieren ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    else if (!a.UeberschreibenFragen)
        dialog.setOption(QFileDialog::DontConfirmOverwrite);
    if (!a.Dateiname.isEmpty()) dialog.selectFile(a.Dateiname);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return QDir::toNativeSeparators(dialog.selectedFiles().constFirst());
}

} // namespace

QWidget* DialogeQt::Eltern() {
    if (QWidget* modal = QApplication::activeModalWidget()) return modal;
    return QApplication::activeWindow();
}

std::optional<QString> DialogeQt::DateiOeffnen(const DateiDialogAuftrag& auftrag) {
    return DateiDialog(auftrag, QFileDialog::AcceptOpen);
}

std::optional<QString> DialogeQt::DateiSpeichern(const DateiDialogAuftrag& auftrag) {
    return DateiDialog(auftrag, QFileDialog::AcceptSave);
}

std::optional<QString> DialogeQt::OrdnerWaehlen(const QString& titel, const QString& vorauswahl) {
    const QString ordner = QFileDialog::getExistingDirectory(Eltern(), titel, vorauswahl);
    if (ordner.isEmpty()) return std::nullopt;
    return QDir::toNativeSeparators(ordner);
}

bool DialogeQt::DruckerWaehlen(QPrinter& drucker, const DateiDialogAuftrag& pdfDatei) {
    if (QPrinterInfo::availablePrinterNames().isEmpty()) {
        const std::optional<QString> pdf = DateiSpeichern(pdfDatei);
        if (!pdf) return false;
        drucker.setOutputFormat(QPrinter::PdfFormat);
        drucker.setOutputFileName(*pdf);
        return true;
    }
    QPrintDialog dialog(&drucker, Eltern());
    WieElternObenHalten(&dialog);
    return dialog.exec() == QDialog::Accepted;
}
