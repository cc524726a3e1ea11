#include "platform/anmeldename.h"

#include <pwd.h>
#include <unistd.h>

#include <vector>

QString AnmeldenameDesSystems() {
    // getpwuid_r: the plain call shares one static record with every other caller.
    long groesse = sysconf(_SC_GETPW_R_SIZE_MAX);
    if (groesse <= 0) groesse = 16384;
    std::vector<char> puffer(static_cast<size_t>(groesse));
    passwd eintrag{};
    passwd* gefunden = nullptr;
    if (getpwuid_r(geteuid(), &eintrag, puffer.data(), puffer.size(), &gefunden) != 0 ||
        gefunden == nullptr || gefunden->pw_name == nullptr)
        return {};
    return QString::fromLocal8Bit(gefunden->pw_name);
}
