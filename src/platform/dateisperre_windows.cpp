#include "platform/dateisperre.h"

#include <windows.h>

#include <algorithm>

namespace {

QString Systemfehler() {
    wchar_t* text = nullptr;
    FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                       FORMAT_MESSAGE_IGNORE_INSERTS,
                   nullptr, GetLastError(), 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    const QString ergebnis = text != nullptr ? QString::fromWCharArray(text).trimmed() : QString();
    LocalFree(text);
    return ergebnis;
}

Dateigrund GrundAus(DWORD nummer) {
    switch (nummer) {
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
        return Dateigrund::KeinPlatz;
    case ERROR_ACCESS_DENIED:
        return Dateigrund::KeinZugriff;
    case ERROR_WRITE_PROTECT:
        return Dateigrund::Schreibgeschuetzt;
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
        return Dateigrund::Gesperrt;
    default:
        return Dateigrund::Unbekannt;
    }
}

HANDLE H(intptr_t handle) {
    return reinterpret_cast<HANDLE>(handle);
}

} // namespace

GesperrteDatei::~GesperrteDatei() {
    schliessen();
}

void GesperrteDatei::systemfehlerMerken() {
    m_grund = GrundAus(GetLastError());
    m_fehler = Systemfehler();
}

// Share modes do the locking: no sharing while appending, read sharing while reading.
// The server of a network folder enforces them for every computer. Without delete
// sharing nobody can rename over or remove the open file, so the name leads to it for
// as long as it is open. A reparse point (link, junction) at the name is opened as
// itself and refused, never followed.
bool GesperrteDatei::oeffnen(const QString& pfad, Zugriff zugriff) {
    const Oeffnung o = einmalOeffnen(pfad, zugriff);
    return o == Oeffnung::Offen;
}

GesperrteDatei::Oeffnung GesperrteDatei::einmalOeffnen(const QString& pfad, Zugriff zugriff) {
    schliessen();
    const bool exklusiv = zugriff == Zugriff::Exklusiv;
    const HANDLE h =
        CreateFileW(reinterpret_cast<const wchar_t*>(pfad.utf16()),
                    exklusiv ? GENERIC_READ | GENERIC_WRITE : GENERIC_READ, exklusiv ? 0 : FILE_SHARE_READ,
                    nullptr, exklusiv ? OPEN_ALWAYS : OPEN_EXISTING,
                    FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
    if (h == INVALID_HANDLE_VALUE) {
        systemfehlerMerken();
        return Oeffnung::Fehler;
    }
    m_erstellt = exklusiv && GetLastError() != ERROR_ALREADY_EXISTS;
    BY_HANDLE_FILE_INFORMATION info{};
    if (GetFileType(h) != FILE_TYPE_DISK || !GetFileInformationByHandle(h, &info) ||
        (info.dwFileAttributes & (FILE_ATTRIBUTE_REPARSE_POINT | FILE_ATTRIBUTE_DIRECTORY)) != 0) {
        m_fehler = QStringLiteral("Keine gewöhnliche Datei.");
        CloseHandle(h);
        return Oeffnung::Fehler;
    }
    m_handle = reinterpret_cast<intptr_t>(h);
    return Oeffnung::Offen;
}

bool GesperrteDatei::kennung(uint64_t& geraet, uint64_t& knoten) {
    BY_HANDLE_FILE_INFORMATION info{};
    if (!offen() || !GetFileInformationByHandle(H(m_handle), &info)) return false;
    geraet = info.dwVolumeSerialNumber;
    knoten = (static_cast<uint64_t>(info.nFileIndexHigh) << 32) | info.nFileIndexLow;
    return true;
}

int64_t GesperrteDatei::groesse() {
    LARGE_INTEGER n{};
    if (!offen() || !GetFileSizeEx(H(m_handle), &n)) return -1;
    return n.QuadPart;
}

bool GesperrteDatei::allesLesen(QByteArray& ziel) {
    const int64_t n = groesse();
    if (n < 0) return false;
    ziel.resize(static_cast<qsizetype>(n));
    LARGE_INTEGER anfang{};
    if (!SetFilePointerEx(H(m_handle), anfang, nullptr, FILE_BEGIN)) return false;
    int64_t gelesen = 0;
    while (gelesen < n) {
        DWORD r = 0;
        const DWORD stueck = static_cast<DWORD>(std::min<int64_t>(n - gelesen, 1 << 30));
        if (!ReadFile(H(m_handle), ziel.data() + gelesen, stueck, &r, nullptr) || r == 0) break;
        gelesen += r;
    }
    ziel.resize(static_cast<qsizetype>(gelesen));
    if (gelesen < n) m_fehler = Systemfehler();
    return gelesen == n;
}

int64_t GesperrteDatei::anhaengen(const char* daten, int64_t laenge) {
    LARGE_INTEGER null{};
    if (!offen() || !SetFilePointerEx(H(m_handle), null, nullptr, FILE_END)) return 0;
    int64_t geschrieben = 0;
    while (geschrieben < laenge) {
        DWORD w = 0;
        const DWORD stueck = static_cast<DWORD>(std::min<int64_t>(laenge - geschrieben, 1 << 30));
        if (!WriteFile(H(m_handle), daten + geschrieben, stueck, &w, nullptr) || w == 0) {
            systemfehlerMerken();
            break;
        }
        geschrieben += w;
    }
    return geschrieben;
}

int64_t GesperrteDatei::lesenAb(int64_t ab, char* ziel, int64_t n) {
    int64_t gelesen = 0;
    while (offen() && gelesen < n) {
        OVERLAPPED stelle{};
        stelle.Offset = static_cast<DWORD>((ab + gelesen) & 0xFFFFFFFF);
        stelle.OffsetHigh = static_cast<DWORD>((ab + gelesen) >> 32);
        DWORD r = 0;
        const DWORD stueck = static_cast<DWORD>(std::min<int64_t>(n - gelesen, 1 << 30));
        if (!ReadFile(H(m_handle), ziel + gelesen, stueck, &r, &stelle) || r == 0) break;
        gelesen += r;
    }
    return gelesen;
}

bool GesperrteDatei::kuerzen(int64_t laenge) {
    LARGE_INTEGER ziel{};
    ziel.QuadPart = laenge;
    if (offen() && SetFilePointerEx(H(m_handle), ziel, nullptr, FILE_BEGIN) && SetEndOfFile(H(m_handle)))
        return true;
    m_fehler = Systemfehler();
    return false;
}

bool GesperrteDatei::schliessen() {
    if (!offen()) return true;
    const HANDLE h = H(m_handle);
    m_handle = KeinHandle;
    if (CloseHandle(h)) return true;
    m_fehler = Systemfehler();
    return false;
}
