#pragma once
// The message boxes of the program: QMessageBox with German titles, buttons and the usual icons.
#include "platform/meldungen.h"

#include <QPointer>
#include <QWidget>

class MeldungenQt final : public Meldungen {
public:
    // The boxes belong to the open modal dialog, else to `eltern` (the main window) when
    // given; they are always modal.
    explicit MeldungenQt(QWidget* eltern = nullptr) : m_eltern(eltern) {}
    void setzeEltern(QWidget* eltern) { m_eltern = eltern; }

    Antwort zeigen(MeldungsArt art, const QString& text, Knoepfe knoepfe) override;

private:
    QPointer<QWidget> m_eltern;
};

// Caption of a button as the boxes show it: "OK", "&Ja", "&Nein", "Abbrechen".
QString KnopfText(Antwort antwort);
