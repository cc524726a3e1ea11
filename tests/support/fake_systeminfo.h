#pragma once
// Computer, user and screen as a test sets them.
#include "platform/systeminfo.h"

class FakeSystemInfo final : public SystemInfo {
public:
    QString rechnername() const override { return rechner; }
    QString benutzername() const override { return benutzer; }
    BildschirmModus bildschirm() const override {
        ++abfragen;
        return modus;
    }

    QString rechner = QStringLiteral("SCHULPC-07");
    QString benutzer = QStringLiteral("lehrer");
    BildschirmModus modus{1024, 768, 32, true};
    mutable int abfragen = 0;
};
