// No mail hand-over is built for macOS yet: the user is told that sending was abandoned.
#include "platform/maildienst.h"

namespace {
class KeinMailDienst final : public MailDienst {
public:
    int senden(const MailAuftrag&) override { return MailErgebnis::Abgebrochen; }
};
} // namespace

std::unique_ptr<MailDienst> SystemMailDienst() {
    return std::make_unique<KeinMailDienst>();
}
