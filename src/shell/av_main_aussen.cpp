// What reaches the running program from outside: a document or best list that a second
// start handed over, and a best list given on the command line.
#include "shell/av_main.h"

#include "results/ac_bestlist.h"
#include "shell/start.h"

#include <QApplication>
#include <QFileInfo>

void TForm1::VonAussenOeffnen(const QString& argument) {
    setWindowState(windowState() & ~Qt::WindowMinimized);
    show();
    raise();
    activateWindow();
    // An open dialog window keeps the user's attention: it comes to the front, and the
    // document waits for another double-click rather than pulling the program away under it.
    if (QWidget* dialog = QApplication::activeModalWidget()) {
        dialog->raise();
        dialog->activateWindow();
        return;
    }
    if (argument.isEmpty() || m_ersteAktivierung || m_schliessen) return;
    if (IstBestenlistenDatei(argument)) {
        BestenlisteDateiZeigen(argument);
        return;
    }
    if (!m_themen->QuizVerlassenErlaubt()) return;
    DokumentLesenMit(argument, true);
    m_themen->OrdnerLesen();
}

void TForm1::BestenlisteDateiZeigen(const QString& pfad) {
    m_bestenliste.laden(pfad, false);
    m_bestenliste.rangfolge();
    m_bestListForm->setWindowTitle(QStringLiteral("Bestenliste - ") + QFileInfo(pfad).completeBaseName());
    m_bestListForm->open();
}
