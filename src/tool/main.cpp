// kartello-tool: the headless companion of the quiz program (see "kartello-tool --help").
#include "tool_befehl.h"

#include <QCoreApplication>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    return WerkzeugAusfuehren(QCoreApplication::arguments().mid(1));
}
