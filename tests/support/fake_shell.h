#pragma once
// Records what would be handed to the system's default handler.
#include "platform/shell.h"

#include <QStringList>

class FakeShell final : public Shell {
public:
    bool oeffnen(const QString& ziel) override {
        geoeffnet << ziel;
        return gelingt;
    }
    QStringList geoeffnet;
    bool gelingt = true;
};
