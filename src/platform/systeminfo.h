#pragma once
// Port: names of the computer and the logged-on user, and the screen mode for the display check.
#include <QString>

struct BildschirmModus {
    int breite = 0;
    int hoehe = 0;
    int farbtiefe = 0;   // bits per pixel
    bool bekannt = true; // false: there is no screen to query
};

class SystemInfo {
public:
    virtual ~SystemInfo() = default;
    virtual QString rechnername() const = 0;
    virtual QString benutzername() const = 0;
    virtual BildschirmModus bildschirm() const = 0;
};
