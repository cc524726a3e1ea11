#include "platform/anmeldename.h"

#include <windows.h>

#include <iterator>

QString AnmeldenameDesSystems() {
    wchar_t name[257] = {};
    DWORD laenge = static_cast<DWORD>(std::size(name));
    if (!GetUserNameW(name, &laenge) || laenge == 0) return {};
    // The length counts the closing zero.
    return QString::fromWCharArray(name, static_cast<qsizetype>(laenge) - 1);
}
