// kartello-tool: the headless companion of the quiz program (see "kartello-tool --help").
#include "tool_befehl.h"

#include <QCoreApplication>
#include <QGuiApplication>

int main(int argc, char** argv) {
    // Composing a map draws text, and fonts need the GUI application; it shows no window.
    if (argc > 1 && (qstrcmp(argv[1], "render") == 0 || qstrcmp(argv[1], "arbeitsblatt") == 0 ||
                     qstrcmp(argv[1], "auswertung") == 0)) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        QGuiApplication app(argc, argv);
        return WerkzeugAusfuehren(QCoreApplication::arguments().mid(1));
    }
    QCoreApplication app(argc, argv);
    return WerkzeugAusfuehren(QCoreApplication::arguments().mid(1));
}
