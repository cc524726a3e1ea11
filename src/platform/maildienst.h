#pragma once
// Port: hands a message to the user's mail program, which asks for the recipient and
// sends it. The result codes are those of Simple MAPI, so every platform reports the
// same outcomes to the user.
#include <QString>
#include <QStringList>
#include <memory>

struct MailAuftrag {
    QString Betreff;
    QString Text;         // lines end in CR LF
    QStringList Anhaenge; // full paths, each handed over on its own
};

namespace MailErgebnis {
inline constexpr int Uebermittelt = 0;
inline constexpr int Abgebrochen = 1;
// No mail program is set up on this system (not a Simple MAPI code).
inline constexpr int KeinProgramm = 100;
inline constexpr int Fehler = 2;
inline constexpr int AnhangFehlt = 11;
inline constexpr int AnhangUnlesbar = 12;
} // namespace MailErgebnis

class MailDienst {
public:
    virtual ~MailDienst() = default;
    virtual int senden(const MailAuftrag& auftrag) = 0;
    // What the system reported when the last hand-over failed (may be empty), for the message.
    virtual QString bericht() const { return {}; }
};

// The platform's mail hand-over (maildienst_<os>.cpp): xdg-email on Linux, Simple MAPI
// on Windows.
std::unique_ptr<MailDienst> SystemMailDienst();
