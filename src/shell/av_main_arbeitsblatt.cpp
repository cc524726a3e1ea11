// The worksheet command of the main window: "&Arbeitsblatt erstellen..." (Ctrl+A).
#include "shell/av_main.h"

#include "mapview/ac_kartenbild.h"
#include "platform/meldungen.h"
#include "results/bestenliste.h"
#include "shell/dienste.h"
#include "worksheet/ac_arbeitsblatt.h"

TArbeitsblattForm& TForm1::arbeitsblattForm() {
    if (m_arbeitsblattForm == nullptr) {
        m_arbeitsblattForm =
            new TArbeitsblattForm(m_dienste.meldungen, m_dienste.dialoge, m_dienste.zwischenablage, this);
        m_arbeitsblattForm->setzeZiehCursor(AnwendungsCursor(8)); // "HAND"
    }
    return *m_arbeitsblattForm;
}

void TForm1::ArbeitsblattErstellen() {
    if (!m_dokument.IstOffen()) {
        // The same hint as the other commands that need a quiz chosen.
        m_dienste.meldungen.information(BestListKeinDokumentText());
        return;
    }
    // The sheet is composed for the map control of the learning view; the page works on
    // its own copy of the document, so a running quiz is not disturbed.
    arbeitsblattForm().Zeigen(m_dokument, m_lernKartPicImg->size());
}
