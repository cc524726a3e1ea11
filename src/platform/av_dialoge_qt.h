#pragma once
// The Qt file, folder and print dialogs behind the Dialoge port.
#include "platform/dialoge.h"

class QWidget;

class DialogeQt final : public Dialoge {
public:
    std::optional<QString> DateiOeffnen(const DateiDialogAuftrag& auftrag) override;
    std::optional<QString> DateiSpeichern(const DateiDialogAuftrag& auftrag) override;
    std::optional<QString> OrdnerWaehlen(const QString& titel, const QString& vorauswahl) override;
    using Dialoge::DruckerWaehlen;
    bool DruckerWaehlen(QPrinter& drucker, const DateiDialogAuftrag& pdfDatei) override;

    // The window a chooser opens over: the active modal window, else the active window.
    static QWidget* Eltern();
};
