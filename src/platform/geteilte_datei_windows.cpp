#include "platform/geteilte_datei.h"

#include <QDir>
#include <QRandomGenerator>

#include <windows.h>

namespace {

const wchar_t* W(const QString& pfad) {
    return reinterpret_cast<const wchar_t*>(pfad.utf16());
}

GeteiltErgebnis Systemfehler() {
    const DWORD nummer = GetLastError();
    wchar_t* text = nullptr;
    FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                       FORMAT_MESSAGE_IGNORE_INSERTS,
                   nullptr, nummer, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    GeteiltErgebnis e{false, text != nullptr ? QString::fromWCharArray(text).trimmed() : QString(),
                      Dateigrund::Unbekannt};
    LocalFree(text);
    if (nummer == ERROR_DISK_FULL || nummer == ERROR_HANDLE_DISK_FULL) e.grund = Dateigrund::KeinPlatz;
    if (nummer == ERROR_ACCESS_DENIED) e.grund = Dateigrund::KeinZugriff;
    if (nummer == ERROR_WRITE_PROTECT) e.grund = Dateigrund::Schreibgeschuetzt;
    return e;
}

GeteiltErgebnis Fehler(const QString& text) {
    return {false, text, Dateigrund::Unbekannt};
}

GeteiltErgebnis ZuGross() {
    GeteiltErgebnis e{false, QStringLiteral("Die Datei ist zu groß."), Dateigrund::Unbekannt};
    e.zuGross = true;
    return e;
}

GeteiltErgebnis Erfolg() {
    return {true, {}, Dateigrund::Unbekannt};
}

QString Nativ(const QString& pfad) {
    return QDir::toNativeSeparators(pfad);
}

} // namespace

GeteiltArt GeteiltArtVon(const QString& pfad) {
    const DWORD a = GetFileAttributesW(W(Nativ(pfad)));
    if (a == INVALID_FILE_ATTRIBUTES) return GeteiltArt::Fehlt;
    if (a & FILE_ATTRIBUTE_REPARSE_POINT) return GeteiltArt::Link;
    if (a & FILE_ATTRIBUTE_DIRECTORY) return GeteiltArt::Ordner;
    if (a & FILE_ATTRIBUTE_DEVICE) return GeteiltArt::Anderes;
    return GeteiltArt::Datei;
}

GeteiltErgebnis GeteiltLesen(const QString& pfad, int64_t hoechstens, QByteArray& ziel) {
    // The reparse-point flag opens a link as itself, so it is refused below, never followed.
    const HANDLE h = CreateFileW(W(Nativ(pfad)), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                 OPEN_EXISTING, FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
    if (h == INVALID_HANDLE_VALUE) {
        const DWORD nummer = GetLastError();
        GeteiltErgebnis e = Systemfehler();
        e.fehlt = nummer == ERROR_FILE_NOT_FOUND || nummer == ERROR_PATH_NOT_FOUND;
        return e;
    }
    BY_HANDLE_FILE_INFORMATION info{};
    GeteiltErgebnis e = Erfolg();
    if (GetFileType(h) != FILE_TYPE_DISK || !GetFileInformationByHandle(h, &info) ||
        (info.dwFileAttributes & (FILE_ATTRIBUTE_REPARSE_POINT | FILE_ATTRIBUTE_DIRECTORY)) != 0)
        e = Fehler(QStringLiteral("Keine gewöhnliche Datei."));
    const int64_t groesse = (static_cast<int64_t>(info.nFileSizeHigh) << 32) | info.nFileSizeLow;
    if (e.ok && groesse > hoechstens) e = ZuGross();
    if (e.ok) {
        QByteArray bytes(static_cast<qsizetype>(groesse) + 1, Qt::Uninitialized);
        qsizetype gelesen = 0;
        DWORD n = 0;
        while (gelesen < bytes.size() &&
               ReadFile(h, bytes.data() + gelesen, static_cast<DWORD>(bytes.size() - gelesen), &n, nullptr) &&
               n > 0)
            gelesen += n;
        bytes.truncate(gelesen);
        if (gelesen > hoechstens) e = ZuGross();
        if (e.ok) ziel = std::move(bytes);
    }
    CloseHandle(h);
    return e;
}

struct GeteilterEntwurf::Zustand {
    QString ziel;
    QString temp;
};

GeteilterEntwurf::GeteilterEntwurf(const QString& pfad) : m_z(std::make_unique<Zustand>()) {
    m_z->ziel = Nativ(pfad);
}

GeteilterEntwurf::~GeteilterEntwurf() {
    if (!m_z->temp.isEmpty()) DeleteFileW(W(m_z->temp));
}

GeteiltErgebnis GeteilterEntwurf::schreiben(const QByteArray& inhalt) {
    if (GeteiltArtVon(m_z->ziel) == GeteiltArt::Ordner)
        return Fehler(QStringLiteral("Ein Ordner trägt den Namen."));
    const qsizetype trenner = m_z->ziel.lastIndexOf(u'\\');
    HANDLE h = INVALID_HANDLE_VALUE;
    for (int versuch = 0; versuch < 20 && h == INVALID_HANDLE_VALUE; ++versuch) {
        m_z->temp = m_z->ziel.left(trenner + 1) + u'.' + m_z->ziel.mid(trenner + 1) + u'.' +
                    QString::number(QRandomGenerator::global()->generate(), 36) + QStringLiteral(".tmp");
        // New files inherit the folder's permissions, the Windows counterpart of the umask.
        h = CreateFileW(W(m_z->temp), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (h == INVALID_HANDLE_VALUE && GetLastError() != ERROR_FILE_EXISTS) break;
    }
    if (h == INVALID_HANDLE_VALUE) {
        const GeteiltErgebnis e = Systemfehler();
        m_z->temp.clear();
        return e;
    }
    DWORD n = 0;
    bool ok = WriteFile(h, inhalt.constData(), static_cast<DWORD>(inhalt.size()), &n, nullptr) &&
              n == static_cast<DWORD>(inhalt.size());
    GeteiltErgebnis e = ok ? Erfolg() : Systemfehler();
    if (!CloseHandle(h) && e.ok) e = Systemfehler();
    if (!e.ok) {
        DeleteFileW(W(m_z->temp));
        m_z->temp.clear();
    }
    return e;
}

GeteiltErgebnis GeteilterEntwurf::einsetzen() {
    if (m_z->temp.isEmpty()) return Fehler(QStringLiteral("Nichts geschrieben."));
    // Replacing a reparse point replaces the point itself, not its target.
    if (!MoveFileExW(W(m_z->temp), W(m_z->ziel), MOVEFILE_REPLACE_EXISTING)) return Systemfehler();
    m_z->temp.clear();
    return Erfolg();
}

GeteiltErgebnis GeteilterEntwurf::neuEinsetzen(bool& vorhanden) {
    vorhanden = false;
    if (m_z->temp.isEmpty()) return Fehler(QStringLiteral("Nichts geschrieben."));
    // Without the replace flag the move takes the name only while it is free.
    if (!MoveFileExW(W(m_z->temp), W(m_z->ziel), 0)) {
        const DWORD nummer = GetLastError();
        vorhanden = nummer == ERROR_ALREADY_EXISTS || nummer == ERROR_FILE_EXISTS;
        return Systemfehler();
    }
    m_z->temp.clear();
    return Erfolg();
}

GeteiltErgebnis GeteiltEntfernen(const QString& pfad) {
    const QString name = Nativ(pfad);
    const GeteiltArt art = GeteiltArtVon(name);
    if (art == GeteiltArt::Fehlt) return Erfolg();
    if (art == GeteiltArt::Ordner) return Fehler(QStringLiteral("Ein Ordner trägt den Namen."));
    // DeleteFileW removes a symbolic link itself; a directory link needs RemoveDirectoryW.
    const DWORD a = GetFileAttributesW(W(name));
    const bool ok = (a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY))
                        ? RemoveDirectoryW(W(name))
                        : DeleteFileW(W(name));
    return ok ? Erfolg() : Systemfehler();
}
