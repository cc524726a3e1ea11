#include "editor/av_editor.h"
#include "editor/wiederherstellung.h"
#include "platform/av_dialoge_qt.h"
#include "platform/av_meldungen_qt.h"
#include "platform/qt_uebersetzung.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const std::unique_ptr<QTranslator> qtTexte = QtUebersetzungDeutsch();
    if (qtTexte) QCoreApplication::installTranslator(qtTexte.get());
    QCoreApplication::setOrganizationName(QStringLiteral("Velmora"));
    QCoreApplication::setApplicationName(EditorTitel);
    MeldungenQt meldungen;
    DialogeQt dialoge;
    TEditorForm fenster({meldungen, dialoge, Wiederherstellung::StandardOrdner()},
                        QCoreApplication::arguments().value(1));
    meldungen.setzeEltern(&fenster);
    fenster.show();
    fenster.wiederherstellungAnbieten();
    return app.exec();
}
