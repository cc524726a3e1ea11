#include "analysis/ac_klassenauswertung.h"

#include "analysis/auswertung_text.h"
#include "analysis/dokument_suche.h"
#include "data/av_data.h"
#include "documents/tvl_datei.h"
#include "mapview/nummerierung.h"
#include "platform/dialoge.h"
#include "platform/meldungen.h"
#include "platform/zwischenablage.h"
#include "quiz/quiztexte.h"
#include "widgets/drucken.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>
#include <QSaveFile>
#include <QSignalBlocker>
#include <QScrollArea>
#include <QSplitter>
#include <QTabWidget>
#include <QTableWidget>
#include <QToolTip>
#include <QVBoxLayout>

// The coloured map: hovering a position or stepping to it with the arrow keys or Tab
// shows its most frequent confusions.
class AuswertungsKartenFeld final : public QWidget {
public:
    explicit AuswertungsKartenFeld(QWidget* eltern) : QWidget(eltern) {
        setObjectName(QStringLiteral("KartenFeld"));
        setMouseTracking(true);
        setFocusPolicy(Qt::StrongFocus);
        setAccessibleName(QStringLiteral("Karte der Klassenauswertung"));
    }
    void setzen(const AuswertungsBild* karte, const Auswertung* a) {
        m_karte = karte;
        m_auswertung = a;
        m_fokus = -1;
        setFixedSize(karte->bild.size());
        update();
    }
    int fokus() const { return m_fokus; }
    // The text shown for a marked place: number, share and the confusions.
    QString hinweis(int stelle) const {
        if (!m_karte || stelle < 0 || stelle >= static_cast<int>(m_karte->stellen.size())) return {};
        const PositionsZeile& p =
            m_auswertung->positionen[m_karte->stellen[static_cast<std::size_t>(stelle)].zeile];
        const QString kopf = QStringLiteral("%1: %2 – %3 richtig im ersten Versuch")
                                 .arg(p.nummer, p.antwort.simplified(), ProzentText(p.anteil()));
        const QString verwechslungen = VerwechslungenText(p);
        return verwechslungen.isEmpty() ? kopf : kopf + u'\n' + verwechslungen;
    }
    int stelleAn(QPoint punkt) const {
        if (!m_karte) return -1;
        for (std::size_t i = 0; i < m_karte->stellen.size(); ++i)
            if (m_karte->stellen[i].rechteck.contains(punkt)) return static_cast<int>(i);
        return -1;
    }
    void fokusSetzen(int stelle) {
        m_fokus = stelle;
        const QString text = hinweis(stelle);
        setAccessibleDescription(text);
        update();
        if (stelle >= 0 && hasFocus())
            QToolTip::showText(
                mapToGlobal(m_karte->stellen[static_cast<std::size_t>(stelle)].rechteck.bottomLeft()), text,
                this);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        if (!m_karte) return;
        QPainter maler(this);
        maler.drawImage(0, 0, m_karte->bild);
        if (m_fokus >= 0 && hasFocus()) {
            maler.setPen(QPen(Qt::blue, 2, Qt::DashLine));
            maler.setBrush(Qt::NoBrush);
            maler.drawRect(
                m_karte->stellen[static_cast<std::size_t>(m_fokus)].rechteck.adjusted(-3, -3, 3, 3));
        }
    }
    void mouseMoveEvent(QMouseEvent* ereignis) override {
        const int stelle = stelleAn(ereignis->position().toPoint());
        if (stelle < 0)
            QToolTip::hideText();
        else
            QToolTip::showText(ereignis->globalPosition().toPoint(), hinweis(stelle), this);
    }
    void keyPressEvent(QKeyEvent* ereignis) override {
        const int anzahl = m_karte ? static_cast<int>(m_karte->stellen.size()) : 0;
        const bool vor = ereignis->key() == Qt::Key_Right || ereignis->key() == Qt::Key_Down;
        const bool zurueck = ereignis->key() == Qt::Key_Left || ereignis->key() == Qt::Key_Up;
        if (anzahl == 0 || (!vor && !zurueck)) {
            QWidget::keyPressEvent(ereignis);
            return;
        }
        fokusSetzen(m_fokus < 0 ? (vor ? 0 : anzahl - 1) : (m_fokus + (vor ? 1 : anzahl - 1)) % anzahl);
    }
    void focusInEvent(QFocusEvent* ereignis) override {
        QWidget::focusInEvent(ereignis);
        if (m_karte && !m_karte->stellen.empty()) fokusSetzen(m_fokus < 0 ? 0 : m_fokus);
    }
    void focusOutEvent(QFocusEvent* ereignis) override {
        QWidget::focusOutEvent(ereignis);
        update();
    }

private:
    const AuswertungsBild* m_karte = nullptr;
    const Auswertung* m_auswertung = nullptr;
    int m_fokus = -1;
};

namespace {

QTableWidget* TabelleAnlegen(QWidget* eltern, const QString& name) {
    auto* t = new QTableWidget(eltern);
    t->setObjectName(name);
    t->setEditTriggers(QAbstractItemView::NoEditTriggers);
    t->setSelectionBehavior(QAbstractItemView::SelectRows);
    t->verticalHeader()->hide();
    t->horizontalHeader()->setStretchLastSection(true);
    return t;
}

} // namespace

TKlassenauswertungForm::TKlassenauswertungForm(Meldungen& meldungen, Dialoge& dialoge, Zwischenablage& ablage,
                                               QWidget* eltern)
    : QDialog(eltern), m_meldungen(meldungen), m_dialoge(dialoge), m_ablage(ablage) {
    setObjectName(QStringLiteral("KlassenauswertungForm"));
    setWindowTitle(QStringLiteral("Klassenauswertung"));
    m_umfang = new QComboBox(this);
    m_umfang->setObjectName(QStringLiteral("UmfangBox"));
    m_umfang->addItems(
        {QStringLiteral("Erster vollständiger Durchgang je Teilnehmer"), QStringLiteral("Alle Durchgänge")});
    auto* umfangLab = new QLabel(QStringLiteral("&Auswerten:"), this);
    umfangLab->setBuddy(m_umfang);
    connect(m_umfang, &QComboBox::currentIndexChanged, this, &TKlassenauswertungForm::UmfangGewechselt);
    m_warnungen = new QLabel(this);
    m_warnungen->setObjectName(QStringLiteral("WarnungenLab"));
    m_warnungen->setWordWrap(true);
    m_warnungen->setStyleSheet(QStringLiteral("color: rgb(180, 0, 0);"));
    m_warnungen->hide();

    m_feld = new AuswertungsKartenFeld(this);
    auto* rollen = new QScrollArea(this);
    rollen->setWidget(m_feld);
    rollen->setMinimumSize(420, 320);
    m_positionen = TabelleAnlegen(this, QStringLiteral("PositionenTab"));
    m_schueler = TabelleAnlegen(this, QStringLiteral("SchuelerTab"));
    auto* tabellen = new QTabWidget(this);
    tabellen->addTab(m_positionen, QStringLiteral("&Positionen"));
    tabellen->addTab(m_schueler, QStringLiteral("&Teilnehmer"));
    auto* teiler = new QSplitter(this);
    teiler->addWidget(rollen);
    teiler->addWidget(tabellen);
    teiler->setStretchFactor(0, 3);
    teiler->setStretchFactor(1, 2);

    auto* knoepfe = new QHBoxLayout;
    const auto knopf = [&](const QString& name, const QString& text,
                           void (TKlassenauswertungForm::*aktion)()) {
        auto* k = new QPushButton(text, this);
        k->setObjectName(name);
        k->setAutoDefault(false);
        connect(k, &QPushButton::clicked, this, aktion);
        knoepfe->addWidget(k);
    };
    knopf(QStringLiteral("DruckBtn"), QStringLiteral("Drucken..."), &TKlassenauswertungForm::Drucken);
    knopf(QStringLiteral("SaveBtn"), QStringLiteral("Speichern..."), &TKlassenauswertungForm::Speichern);
    knopf(QStringLiteral("ClipBtn"), QStringLiteral("In Zwischenablage"),
          &TKlassenauswertungForm::InZwischenablage);
    knoepfe->addStretch(1);
    auto* schliessen = new QPushButton(QStringLiteral("Schließen"), this);
    schliessen->setObjectName(QStringLiteral("SchliessenBtn"));
    connect(schliessen, &QPushButton::clicked, this, &QDialog::accept);
    knoepfe->addWidget(schliessen);

    auto* oben = new QHBoxLayout;
    oben->addWidget(umfangLab);
    oben->addWidget(m_umfang);
    oben->addStretch(1);
    auto* alles = new QVBoxLayout(this);
    alles->addLayout(oben);
    alles->addWidget(m_warnungen);
    alles->addWidget(teiler, 1);
    alles->addLayout(knoepfe);
    resize(1150, 720);
}

TKlassenauswertungForm::~TKlassenauswertungForm() = default;

bool TKlassenauswertungForm::Oeffnen(const QString& kqaPfad, const QStringList& suchordner) {
    if (!Lesen(kqaPfad, Umfang())) return false;
    m_mitDokument = !m_bestand.laeufe().empty() && DokumentLaden(kqaPfad, suchordner);
    Neuberechnen();
    return true;
}

AuswertungsUmfang TKlassenauswertungForm::Umfang() const {
    return m_umfang->currentIndex() == 1 ? AuswertungsUmfang::AlleLaeufe
                                         : AuswertungsUmfang::ErsterGanzerLauf;
}

bool TKlassenauswertungForm::Lesen(const QString& kqaPfad, AuswertungsUmfang umfang) {
    const QString name = QDir::toNativeSeparators(kqaPfad);
    KqaLeseErgebnis gelesen;
    {
        const Sanduhr sanduhr;
        gelesen = KqaLesen(kqaPfad, umfang);
    }
    if (!gelesen.fehler.isEmpty() || gelesen.keinKqa) {
        m_meldungen.fehler(LesefehlerText(
            name,
            gelesen.keinKqa ? QStringLiteral("Die Datei enthält keine Antwortprotokolle.") : gelesen.fehler));
        return false;
    }
    m_kqaPfad = kqaPfad;
    m_bestand = std::move(gelesen.bestand);
    // Only the first warnings: a badly damaged file would fill the window.
    const QStringList warnungen = gelesen.warnungen.mid(0, 5);
    m_warnungen->setText(
        warnungen.join(u'\n') +
        (gelesen.warnungen.size() > 5
             ? QStringLiteral("\n(%1 beschädigte Zeilen insgesamt)").arg(gelesen.warnungen.size())
             : QString()));
    m_warnungen->setVisible(!gelesen.warnungen.isEmpty());
    return true;
}

bool TKlassenauswertungForm::DokumentLaden(const QString& kqaPfad, const QStringList& suchordner) {
    const KqaLaufKopf& lauf = m_bestand.laeufe().back();
    const QString& datei = m_bestand.text(lauf.datei);
    QString pfad = KqaDokumentSuchen(kqaPfad, datei, m_bestand.text(lauf.hash), suchordner);
    if (pfad.isEmpty()) {
        DateiDialogAuftrag auftrag;
        auftrag.Titel = QStringLiteral("Dokument \"%1\" suchen").arg(m_bestand.text(lauf.titel));
        auftrag.Filter = {{QStringLiteral("Themendokument (*.tvl)"), QStringLiteral("*.tvl")}};
        auftrag.Startordner = QFileInfo(kqaPfad).absolutePath();
        auftrag.Dateiname = datei;
        pfad = m_dialoge.DateiOeffnen(auftrag).value_or(QString());
    }
    if (pfad.isEmpty()) return false;
    TvlLeser leser;
    Dokument dok;
    if (!leser.lesen(pfad, dok)) {
        m_meldungen.fehler(LesefehlerText(QDir::toNativeSeparators(pfad), leser.errorString()));
        return false;
    }
    m_dok = std::move(dok);
    NummerierungSetzen(m_dok);
    return true;
}

void TKlassenauswertungForm::UmfangSetzen(AuswertungsUmfang umfang) {
    m_umfang->setCurrentIndex(umfang == AuswertungsUmfang::AlleLaeufe ? 1 : 0);
}

void TKlassenauswertungForm::UmfangGewechselt() {
    // The first runs were read without the answers of the others: all runs are read again.
    if (Umfang() == AuswertungsUmfang::AlleLaeufe && m_bestand.umfang() != AuswertungsUmfang::AlleLaeufe &&
        !m_kqaPfad.isEmpty() && !Lesen(m_kqaPfad, AuswertungsUmfang::AlleLaeufe)) {
        const QSignalBlocker sperre(m_umfang);
        m_umfang->setCurrentIndex(0);
    }
    Neuberechnen();
}

void TKlassenauswertungForm::Neuberechnen() {
    const AuswertungsUmfang umfang = Umfang();
    const Sanduhr sanduhr;
    m_auswertung = Auswerten(m_bestand, umfang, m_mitDokument ? &m_dok : nullptr);
    m_karte = AuswertungsKarte(m_mitDokument ? &m_dok : nullptr, m_auswertung);
    m_feld->setzen(&m_karte, &m_auswertung);
    TabelleFuellen(m_positionen, PositionsTabelle(m_auswertung, true));
    TabelleFuellen(m_schueler, SchuelerTabelle(m_auswertung));
    if (!m_auswertung.titel.isEmpty())
        setWindowTitle(QStringLiteral("Klassenauswertung - ") + m_auswertung.titel);
}

void TKlassenauswertungForm::TabelleFuellen(QTableWidget* tabelle, const std::vector<QStringList>& zeilen) {
    tabelle->clear();
    tabelle->setColumnCount(static_cast<int>(zeilen.front().size()));
    tabelle->setHorizontalHeaderLabels(zeilen.front());
    tabelle->setRowCount(static_cast<int>(zeilen.size()) - 1);
    for (std::size_t z = 1; z < zeilen.size(); ++z)
        for (int s = 0; s < zeilen[z].size(); ++s)
            tabelle->setItem(static_cast<int>(z) - 1, s, new QTableWidgetItem(zeilen[z][s]));
    tabelle->resizeColumnsToContents();
}

void TKlassenauswertungForm::Drucken() {
    QPrinter drucker(QPrinter::HighResolution);
    drucker.setDocName(QStringLiteral("Klassenauswertung"));
    if (!m_dialoge.DruckerWaehlen(drucker, QStringLiteral("Klassenauswertung als PDF-Datei drucken"),
                                  Ordner().Protokollordner + QStringLiteral("Klassenauswertung.pdf")))
        return;
    const Sanduhr sanduhr;
    if (!AuswertungDrucken(drucker, m_karte.bild, m_auswertung))
        m_meldungen.fehler(QStringLiteral("Der Druck konnte nicht gestartet werden."));
}

void TKlassenauswertungForm::Speichern() {
    OrdnerBereitstellen(Ordner().Protokollordner, Ordner());
    const QString datei = m_dialoge
                              .DateiSpeichern(Dialoge::SpeichernAuftrag(
                                  QStringLiteral("Klassenauswertung speichern"), QStringLiteral("CSV-Datei"),
                                  QStringLiteral("csv"), Ordner().Protokollordner))
                              .value_or(QString());
    if (datei.isEmpty()) return;
    const Sanduhr sanduhr;
    QSaveFile ziel(datei);
    const QByteArray bytes = AuswertungCsv(m_auswertung);
    if (!ziel.open(QIODevice::WriteOnly) || ziel.write(bytes) != bytes.size() || !ziel.commit())
        m_meldungen.fehler(SchreibfehlerText(QDir::toNativeSeparators(datei)));
}

void TKlassenauswertungForm::InZwischenablage() {
    ZwischenablageInhalt inhalt;
    inhalt.Bild = m_karte.bild;
    inhalt.Text = TabellenText(m_auswertung);
    m_ablage.Setzen(inhalt);
}
