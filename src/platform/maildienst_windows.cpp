// The mail hand-over on Windows: Simple MAPI's MAPISendMail from MAPI32.DLL, loaded on
// first use and only when the system declares a MAPI provider.
#include "platform/maildienst.h"

#include <QByteArray>
#include <QDir>
#include <QSettings>
#include <vector>

#include <windows.h>
#include <mapi.h>

namespace {

bool MapiAngemeldet() {
    const QSettings schluessel(
        QStringLiteral("HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows Messaging Subsystem"),
        QSettings::NativeFormat);
    return schluessel.value(QStringLiteral("MAPI")).toString() == QLatin1String("1");
}

class MailDienstMapi final : public MailDienst {
public:
    ~MailDienstMapi() override {
        if (m_bibliothek != nullptr) FreeLibrary(m_bibliothek);
    }

    int senden(const MailAuftrag& auftrag) override {
        if (!Laden()) return MailErgebnis::Abgebrochen;
        // Simple MAPI takes text in the system's ANSI code page.
        QByteArray betreff = auftrag.Betreff.toLocal8Bit();
        QByteArray text = auftrag.Text.toLocal8Bit();
        std::vector<QByteArray> pfade;
        pfade.reserve(static_cast<size_t>(auftrag.Anhaenge.size()));
        for (const QString& anhang : auftrag.Anhaenge)
            pfade.push_back(QDir::toNativeSeparators(anhang).toLocal8Bit());
        std::vector<MapiFileDesc> dateien(pfade.size());
        for (size_t i = 0; i < pfade.size(); ++i) {
            dateien[i] = MapiFileDesc{};
            dateien[i].nPosition = static_cast<ULONG>(-1); // no place in the text
            dateien[i].lpszPathName = pfade[i].data();
        }
        MapiMessage nachricht{};
        nachricht.lpszSubject = betreff.data();
        nachricht.lpszNoteText = text.data();
        nachricht.nFileCount = static_cast<ULONG>(dateien.size());
        nachricht.lpFiles = dateien.empty() ? nullptr : dateien.data();
        const ULONG ergebnis = m_senden(0, reinterpret_cast<ULONG_PTR>(GetActiveWindow()), &nachricht,
                                        MAPI_LOGON_UI | MAPI_NEW_SESSION | MAPI_DIALOG, 0);
        return static_cast<int>(ergebnis);
    }

private:
    bool Laden() {
        if (!m_versucht) {
            m_versucht = true;
            if (MapiAngemeldet()) m_bibliothek = LoadLibraryW(L"MAPI32.DLL");
            if (m_bibliothek != nullptr)
                m_senden = reinterpret_cast<LPMAPISENDMAIL>(GetProcAddress(m_bibliothek, "MAPISendMail"));
        }
        return m_senden != nullptr;
    }

    bool m_versucht = false;
    HMODULE m_bibliothek = nullptr;
    LPMAPISENDMAIL m_senden = nullptr;
};

} // namespace

std::unique_ptr<MailDienst> SystemMailDienst() {
    return std::make_unique<MailDienstMapi>();
}
