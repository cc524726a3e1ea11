#include "data/av_data.h"
#include "platform/av_meldungen_qt.h"
#include "platform/av_dialoge_qt.h"
#include "platform/av_ton_qt.h"
#include "platform/zwischenablage.h"
#include "platform/einstellungen_qt.h"
#include "platform/einzelinstanz.h"
#include "platform/qt_uebersetzung.h"
#include "platform/maildienst.h"
#include "platform/shell.h"
#include "platform/speicher.h"
#include "platform/systeminfo_qt.h"
#include "platform/uhr_qt.h"
#include "shell/av_main.h"
#include "shell/start.h"

#include <QApplication>
#include <QFileInfo>

int main(int argc, char** argv) {
    SpeicherverwaltungEinrichten();
    QApplication app(argc, argv);
    // The pictures of the window resource live in a static library: register them by hand.
    Q_INIT_RESOURCE(kartello);
    const std::unique_ptr<QTranslator> qtTexte = QtUebersetzungDeutsch();
    if (qtTexte) QCoreApplication::installTranslator(qtTexte.get());
    // Names for the per-user data folder; the settings store names its key itself.
    QCoreApplication::setOrganizationName(QStringLiteral("Velmora"));
    QCoreApplication::setApplicationName(ProgrammTitel);
    Ordner() = OrdnerAusProgrammordner(QCoreApplication::applicationDirPath());

    // One program per user and display: a second start hands its document to the running
    // window and ends, so a double-click in the file manager opens in the window at hand.
    const QString argument = QCoreApplication::arguments().value(1);
    Einzelinstanz instanz;
    if (instanz.uebergeben(argument.isEmpty() ? argument : QFileInfo(argument).absoluteFilePath())) return 0;
    instanz.lauschen();

    MeldungenQt meldungen;
    SystemInfoQt system;
    // Declining the display check ends the program before any window exists, saving nothing.
    if (!AnzeigePruefen(system, meldungen)) return 0;

    EinstellungenQt einstellungen;
    UhrQt uhr;
    WartenQt warten;
    ShellQt shell;
    TonQt ton;
    DialogeQt dialoge;
    ZwischenablageQt zwischenablage;
    const std::unique_ptr<MailDienst> mail = SystemMailDienst();
    Dienste dienste{meldungen, einstellungen, system, uhr, warten, shell, ton, dialoge, zwischenablage};
    dienste.mailDienst = mail.get();
    TForm1 hauptfenster(dienste, argument);
    meldungen.setzeEltern(&hauptfenster);
    QObject::connect(&instanz, &Einzelinstanz::angekommen, &hauptfenster, &TForm1::VonAussenOeffnen);
    hauptfenster.show();
    return app.exec();
}
