#pragma once
// Records every request handed to the mail program and answers with a set result.
#include "platform/maildienst.h"

#include <vector>

class FakeMailDienst final : public MailDienst {
public:
    int senden(const MailAuftrag& auftrag) override {
        auftraege.push_back(auftrag);
        return ergebnis;
    }
    QString bericht() const override { return meldung; }
    std::vector<MailAuftrag> auftraege;
    int ergebnis = MailErgebnis::Uebermittelt;
    QString meldung; // what the system reports on a failure
};
