#include "documents/themenliste.h"

#include "data/av_data.h"
#include "documents/tvl_datei.h"

#include <QCollator>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <algorithm>
#include <numeric>

namespace {

// Ranks of the sort keys under the locale's case-insensitive collation: equal
// keys share a rank. Comparing ranks keeps the selection sort cheap for big
// folders while it still decides exactly as the collator does.
std::vector<int> SortRaenge(const std::vector<ThemenDataTyp>& eintraege) {
    QCollator collator{QLocale()};
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::vector<QCollatorSortKey> schluessel;
    schluessel.reserve(eintraege.size());
    // Lower case as well: some collation back ends (the C locale) ignore the case setting.
    for (const ThemenDataTyp& e : eintraege)
        schluessel.push_back(collator.sortKey(e.Sortierschluessel.toLower()));
    std::vector<size_t> folge(eintraege.size());
    std::iota(folge.begin(), folge.end(), size_t{0});
    std::stable_sort(folge.begin(), folge.end(),
                     [&](size_t a, size_t b) { return schluessel[a].compare(schluessel[b]) < 0; });
    std::vector<int> rang(eintraege.size(), 0);
    int aktuell = 0;
    for (size_t i = 1; i < folge.size(); ++i) {
        if (schluessel[folge[i - 1]].compare(schluessel[folge[i]]) != 0) ++aktuell;
        rang[folge[i]] = aktuell;
    }
    return rang;
}

} // namespace

void ThemenSortieren(std::vector<ThemenDataTyp>& eintraege) {
    std::vector<int> rang = SortRaenge(eintraege);
    const size_t n = eintraege.size();
    for (size_t i = 0; i + 1 < n; ++i) {
        size_t kleinster = i;
        for (size_t j = i + 1; j < n; ++j)
            if (rang[j] < rang[kleinster]) kleinster = j;
        if (kleinster != i) {
            std::swap(eintraege[i], eintraege[kleinster]);
            std::swap(rang[i], rang[kleinster]);
        }
    }
}

Themenliste::Themenliste() : m_leser(&TvlLeser::KopfLesen) {}

Themenliste::Themenliste(KopfLeser leser) : m_leser(std::move(leser)) {}

void Themenliste::OrdnerLesen(const QString& ordner) {
    m_eintraege.clear();
    m_ordner = MitTrenner(ordner);
    // An empty folder name would list the working directory; it names no folder.
    if (m_ordner.isEmpty()) return;
    QDir dir(m_ordner);
    dir.setNameFilters({QStringLiteral("*.tvl")});
    // Regular files only, hidden ones included. "System" on Windows is an attribute of
    // ordinary files; Qt's System flag would add pipes and devices, and opening a
    // pipe named *.tvl blocks the scan until someone writes to it.
    dir.setFilter(QDir::Files | QDir::Hidden);
    dir.setSorting(QDir::Unsorted);
    const QStringList namen = dir.entryList();
    m_eintraege.reserve(static_cast<size_t>(namen.size()));
    for (const QString& name : namen) {
        const QString pfad = m_ordner + name;
        QString titel;
        QString vers;
        if (!m_leser(pfad, titel, vers)) continue;
        m_eintraege.push_back({titel, pfad, name.toLower()});
    }
    ThemenSortieren(m_eintraege);
}

QString Themenliste::MenueBeschriftung(int index) const {
    const ThemenDataTyp& e = Eintrag(index);
    const QString zugriff = index <= 8 ? QStringLiteral("&") : QString();
    const QString name = TrimmeSteuerzeichen(e.Titel).isEmpty() ? QFileInfo(e.Pfad).fileName() : e.Titel;
    return zugriff + QString::number(index + 1) + QStringLiteral(":  ") + name;
}

int Themenliste::IndexVon(const QString& dateiname) const {
    if (dateiname.isEmpty()) return -1;
    for (int i = 0; i < Anzahl(); ++i)
        if (Eintrag(i).Pfad == dateiname) return i;
    return -1;
}

int Themenliste::NaechstesZiel(int listenindex) const {
    if (m_eintraege.empty()) return -1;
    return std::min(listenindex + 1, Anzahl() - 1);
}

int Themenliste::VorherigesZiel(int listenindex) const {
    if (m_eintraege.empty()) return -1;
    return std::max(listenindex - 1, 0);
}

int Themenliste::SpaltenumbruchFuer(int anzahl) {
    return anzahl > 30 ? (anzahl - 7) / 2 : -1;
}

QString OrdnerVonPfad(const QString& pfad) {
    const qsizetype trenner = std::max(pfad.lastIndexOf(u'/'), pfad.lastIndexOf(QDir::separator()));
    return pfad.left(trenner + 1);
}

QString ZuLesenderOrdner(const Dokument& dok, const QString& themenordner) {
    return dok.IstOffen() ? OrdnerVonPfad(dok.Header.Dateiname) : themenordner;
}

QString FensterTitelText(const Dokument& dok) {
    if (!dok.IstOffen()) return ProgrammTitel;
    return ProgrammTitel + QStringLiteral(" - ") + dok.Header.HD_titel;
}

QString DokTitelText(const Dokument& dok) {
    if (!dok.IstOffen())
        return QStringLiteral("Rufen Sie das Menü \"Quizauswahl\" auf, um ein Quiz auszuwählen!");
    const QString vorsatz = dok.Listenindex == -1 ? QStringLiteral(" ") : QString();
    const QString titel =
        dok.Header.HD_titel.isEmpty() ? QStringLiteral("(ohne Titel)") : dok.Header.HD_titel;
    return vorsatz + titel + QStringLiteral(" (") + QString::number(dok.Header.HD_AnzFrageNummern) +
           QStringLiteral(" Fragen)");
}
