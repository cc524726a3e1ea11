#include "editor/editordokument.h"

#include "documents/tvl_datei.h"
#include "editor/editorbefehl.h"
#include "editor/fragenseiten.h"

#include <QFile>
#include <algorithm>
#include <utility>

namespace {

// The plain picture of a new document: white, in the proportions of the player's map area.
QImage LeeresBild() {
    QImage bild(870, 620, QImage::Format_RGB32);
    bild.fill(Qt::white);
    return bild;
}

// A labelling or cloze document counts its positions as its questions; the topic list shows
// the number with the title. Single questions count their question lines (FragenSetzen).
void FragenZaehlen(Dokumentstand& s) {
    if (s.Kopf.HD_DokTyp == Einzelfragen) return;
    s.Kopf.HD_AnzFrageNummern =
        static_cast<int32_t>(std::count_if(s.Objekte.begin(), s.Objekte.end(), [](const ObjDataTyp& o) {
            return o.OB_Typ == ObArt::Beschriftung || o.OB_Typ == ObArt::Luecke;
        }));
}

} // namespace

EditorDokument::EditorDokument() {
    neu(Bildbeschriftung);
}

void EditorDokument::neu(DokTyp typ) {
    m_stapel.clear();
    m_dok = Dokument{};
    m_dok.Header.HD_DokTyp = typ;
    m_dok.Basisbild = LeeresBild();
    if (typ == Einzelfragen) FragenSetzen(m_dok.Header, m_dok.Objekte, {});
    m_stapel.setClean();
    emit neuGeladen();
}

bool EditorDokument::oeffnen(const QString& pfad, QString& fehler) {
    TvlLeser leser;
    Dokument neu;
    if (!leser.lesen(pfad, neu)) {
        fehler = leser.errorString();
        return false;
    }
    m_stapel.clear();
    m_dok = std::move(neu);
    m_stapel.setClean();
    emit neuGeladen();
    return true;
}

bool EditorDokument::oeffnenAlsGeaendert(const QString& pfad, const QString& name, QString& fehler) {
    if (!oeffnen(pfad, fehler)) return false;
    m_dok.Header.Dateiname = name;
    // A step that changes nothing marks the document as not saved.
    m_stapel.push(new EditorBefehl(*this, QStringLiteral("Wiederhergestellt"), stand(), stand(), -1, 0));
    emit neuGeladen();
    return true;
}

bool EditorDokument::speichern(const QString& pfad, QString& fehler) {
    TvlSchreiber schreiber;
    if (!schreiber.schreiben(pfad, m_dok)) {
        fehler = schreiber.errorString();
        return false;
    }
    m_dok.Header.Dateiname = pfad;
    m_stapel.setClean();
    return true;
}

bool EditorDokument::kopieSchreiben(const QString& pfad, QString& fehler) const {
    TvlSchreiber schreiber;
    if (schreiber.schreiben(pfad, m_dok)) return true;
    fehler = schreiber.errorString();
    return false;
}

Dokumentstand EditorDokument::stand() const {
    return {m_dok.Header, m_dok.Objekte, m_dok.Basisbild};
}

void EditorDokument::standSetzen(const Dokumentstand& stand, int objekt) {
    const QString name = m_dok.Header.Dateiname;
    HeaderDataTyp kopf = stand.Kopf;
    kopf.Dateiname = name;
    kopf.Geaendert = m_dok.Header.Geaendert;
    const bool nurObjekt = objekt >= 0 && objekt < static_cast<int>(m_dok.Objekte.size()) &&
                           stand.Objekte.size() == m_dok.Objekte.size() && kopf == m_dok.Header &&
                           stand.Basisbild.cacheKey() == m_dok.Basisbild.cacheKey();
    if (nurObjekt) {
        m_dok.Objekte[static_cast<size_t>(objekt)] = stand.Objekte[static_cast<size_t>(objekt)];
    } else {
        m_dok.Header = stand.Kopf;
        m_dok.Objekte = stand.Objekte;
        if (m_dok.Basisbild.cacheKey() != stand.Basisbild.cacheKey()) m_dok.Basisbild = stand.Basisbild;
    }
    m_dok.Header.Dateiname = name;
    m_dok.Header.Geaendert = false;
    emit geaendert(nurObjekt ? objekt : -1);
}

void EditorDokument::aendern(const QString& text, const std::function<void(Dokumentstand&)>& aenderung,
                             int objekt, int zusammenfassen) {
    Dokumentstand vorher = stand();
    Dokumentstand nachher = vorher;
    aenderung(nachher);
    FragenZaehlen(nachher);
    m_stapel.push(
        new EditorBefehl(*this, text, std::move(vorher), std::move(nachher), objekt, zusammenfassen));
}

void EditorDokument::objektLiveSetzen(int index, const ObjDataTyp& o) {
    if (index < 0 || index >= static_cast<int>(m_dok.Objekte.size())) return;
    m_dok.Objekte[static_cast<size_t>(index)] = o;
    emit geaendert(index);
}

void EditorDokument::ziehenBeenden(const QString& text, const Dokumentstand& vorher, int objekt) {
    Dokumentstand nachher = stand();
    bool gleich = vorher.Objekte.size() == nachher.Objekte.size();
    for (size_t i = 0; gleich && i < nachher.Objekte.size(); ++i)
        gleich = vorher.Objekte[i].GleicheDateifelder(nachher.Objekte[i]);
    if (gleich) return;
    m_stapel.push(new EditorBefehl(*this, text, vorher, std::move(nachher), objekt, 0));
}
