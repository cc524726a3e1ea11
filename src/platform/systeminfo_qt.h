#pragma once
// Computer, user and screen of the running system.
#include "platform/systeminfo.h"

class SystemInfoQt final : public SystemInfo {
public:
    QString rechnername() const override;
    // The system's account name; USER, else USERNAME, only when the system cannot tell.
    QString benutzername() const override;
    // The primary screen; `bekannt` is false when there is none (the display check then passes).
    BildschirmModus bildschirm() const override;
};
