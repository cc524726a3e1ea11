#include "worksheet/ac_arbeitsblatt.h"

#include "data/av_data.h"
#include "widgets/drucken.h"
#include "widgets/ziehrollen.h"
#include "worksheet/arbeitsblatt_befehle.h"
#include "worksheet/av_arbblattdruck.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSpinBox>
#include <QVBoxLayout>
#include <cmath>

namespace {

constexpr int PanRand = 40;  // the page is this much narrower than the scroll box
constexpr int BildRand = 20; // margin of the picture inside the page
constexpr int PanOben = 8;

QCheckBox* Schalter(const QString& text, const char* name, QWidget* eltern) {
    auto* box = new QCheckBox(text, eltern);
    box->setObjectName(QString::fromLatin1(name));
    box->setChecked(true);
    return box;
}

} // namespace

TArbeitsblattForm::TArbeitsblattForm(Meldungen& meldungen, Dialoge& dialoge, Zwischenablage& ablage,
                                     QWidget* eltern)
    : QDialog(eltern), m_meldungen(meldungen), m_dialoge(dialoge), m_ablage(ablage) {
    setObjectName(QStringLiteral("TArbeitsblattForm"));
    setWindowTitle(QStringLiteral("Arbeitsblatt"));
    setModal(true);
    auto* links = new QVBoxLayout;
    links->addWidget(ArtGruppe());
    links->addWidget(GestaltungGruppe(), 1);
    links->addWidget(Knoepfe());

    m_scrollBox = new QScrollArea(this);
    m_scrollBox->setObjectName(QStringLiteral("ABScrollBox"));
    m_scrollBox->setWidgetResizable(false);
    m_scrollBox->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_scrollBox->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_flaeche = new QWidget;
    m_pan = new QFrame(m_flaeche);
    m_pan->setObjectName(QStringLiteral("ABPan"));
    m_pan->setFrameShape(QFrame::Box);
    m_pan->setLineWidth(1);
    m_pan->setAutoFillBackground(true);
    QPalette weiss = m_pan->palette();
    weiss.setColor(QPalette::Window, Qt::white);
    m_pan->setPalette(weiss);
    m_img = new QLabel(m_pan);
    m_img->setObjectName(QStringLiteral("ABImg"));
    m_scrollBox->setWidget(m_flaeche);
    m_scrollBox->viewport()->installEventFilter(this);
    m_ziehen = new ZiehRollen(m_scrollBox, m_img, this);

    auto* zeile = new QHBoxLayout(this);
    zeile->addLayout(links);
    zeile->addWidget(m_scrollBox, 1);
    resize(900, 680);
}

TArbeitsblattForm::~TArbeitsblattForm() = default;

void TArbeitsblattForm::setzeZiehCursor(const QCursor& cursor) {
    m_ziehen->setzeCursor(cursor);
}

QWidget* TArbeitsblattForm::ArtGruppe() {
    auto* gruppe = new QGroupBox(QStringLiteral(" Was soll erstellt werden "), this);
    gruppe->setObjectName(QStringLiteral("ModeRadio"));
    auto* spalte = new QVBoxLayout(gruppe);
    m_art = new QButtonGroup(this);
    const QString texte[] = {QStringLiteral(" Arbeitsblatt "), QStringLiteral(" Lösungsblatt (komplett) "),
                             QStringLiteral(" Lösungsblatt (Auflegefolie) ")};
    for (int i = 0; i < 3; ++i) {
        auto* knopf = new QRadioButton(texte[i], gruppe);
        m_art->addButton(knopf, i);
        spalte->addWidget(knopf);
    }
    m_art->button(0)->setChecked(true);
    connect(m_art, &QButtonGroup::idClicked, this, [this] { Generieren(); });
    return gruppe;
}

QWidget* TArbeitsblattForm::GestaltungGruppe() {
    auto* gruppe = new QGroupBox(QStringLiteral(" Gestaltung "), this);
    auto* spalte = new QVBoxLayout(gruppe);
    auto* felder = new QHBoxLayout;
    m_name = Schalter(QStringLiteral("Name"), "ABNameBox", gruppe);
    m_klasse = Schalter(QStringLiteral("Klasse"), "ABKlasseBox", gruppe);
    m_datum = Schalter(QStringLiteral("Datum"), "ABDatumBox", gruppe);
    for (QCheckBox* box : {m_name, m_klasse, m_datum}) {
        felder->addWidget(box);
        connect(box, &QCheckBox::clicked, this, [this] { Generieren(); });
    }
    spalte->addLayout(felder);
    spalte->addWidget(new QLabel(QStringLiteral("Titelzeile (frei lassen, falls nicht gewünscht)"), gruppe));
    m_titel = new QLineEdit(gruppe);
    m_titel->setObjectName(QStringLiteral("TitelEdit"));
    spalte->addWidget(m_titel);
    m_titelCheck = Schalter(QStringLiteral("Titel des Dokuments verwenden"), "TitelCheck", gruppe);
    connect(m_titelCheck, &QCheckBox::clicked, this, [this](bool an) {
        if (an && m_dok != nullptr) m_titel->setText(m_dok->Header.HD_titel);
    });
    spalte->addWidget(m_titelCheck);
    spalte->addWidget(new QLabel(QStringLiteral("Aufgabenstellung"), gruppe));
    m_aufgabe = new QPlainTextEdit(StandardAufgabe, gruppe);
    m_aufgabe->setObjectName(QStringLiteral("AufgMemo"));
    m_aufgabe->setMaximumHeight(80);
    spalte->addWidget(m_aufgabe);
    m_textvorgabe = Schalter(QStringLiteral("Antworttexte vorgeben"), "TextvorgabeCheck", gruppe);
    connect(m_textvorgabe, &QCheckBox::clicked, this, [this] { Generieren(); });
    spalte->addWidget(m_textvorgabe);

    m_abFrageZeile = new QWidget(gruppe);
    auto* ab = new QHBoxLayout(m_abFrageZeile);
    ab->setContentsMargins(0, 0, 0, 0);
    ab->addWidget(new QLabel(QStringLiteral("Ab Frage Nr."), m_abFrageZeile));
    m_abFrage = new QSpinBox(m_abFrageZeile);
    m_abFrage->setObjectName(QStringLiteral("AbFrageEdit"));
    m_abFrage->setRange(1, 99999);
    m_abFrage->setValue(1);
    ab->addWidget(m_abFrage);
    ab->addWidget(new QLabel(QStringLiteral("(falls nicht alles auf eine Seite passt)"), m_abFrageZeile));
    spalte->addWidget(m_abFrageZeile);

    auto* hinweis = new QLabel(QStringLiteral("Um das handschriftliche Ausfüllen zu erleichtern, werden die "
                                              "Textkästchen im Arbeitsblatt größer als in der Lernansicht "
                                              "dargestellt."),
                               gruppe);
    hinweis->setWordWrap(true);
    spalte->addWidget(hinweis);
    spalte->addStretch(1);
    return gruppe;
}

QWidget* TArbeitsblattForm::Knoepfe() {
    auto* leiste = new QWidget(this);
    auto* spalte = new QVBoxLayout(leiste);
    auto knopf = [&](const QString& text, const char* name, void (TArbeitsblattForm::*aktion)()) {
        auto* k = new QPushButton(text, leiste);
        k->setObjectName(QString::fromLatin1(name));
        k->setAutoDefault(false);
        connect(k, &QPushButton::clicked, this, aktion);
        spalte->addWidget(k);
        return k;
    };
    knopf(QStringLiteral("Vorschau aktualisieren"), "AktBtn", &TArbeitsblattForm::Generieren);
    knopf(QStringLiteral("Speichern..."), "SpeichernBtn", &TArbeitsblattForm::Speichern);
    knopf(QStringLiteral("In Zwischenablage kopieren"), "KopierenBtn", &TArbeitsblattForm::InZwischenablage);
    knopf(QStringLiteral("Drucken..."), "DruckenBtn", &TArbeitsblattForm::Drucken);
    m_schliessen = new QPushButton(QStringLiteral("Schließen"), leiste);
    m_schliessen->setObjectName(QStringLiteral("SchliessenBtn"));
    connect(m_schliessen, &QPushButton::clicked, this, &QDialog::accept);
    spalte->addWidget(m_schliessen);
    return leiste;
}

ArbeitsblattOptionen TArbeitsblattForm::Optionen() const {
    ArbeitsblattOptionen o;
    o.art = std::max(0, m_art->checkedId());
    o.name = m_name->isChecked();
    o.klasse = m_klasse->isChecked();
    o.datum = m_datum->isChecked();
    o.titel = m_titel->text();
    o.aufgabe = m_aufgabe->toPlainText();
    o.textvorgabe = m_textvorgabe->isChecked();
    o.abFrage = m_abFrage->value();
    return o;
}

void TArbeitsblattForm::Aktivieren(const Dokument& dok, QSize steuerelement) {
    m_dok = &dok;
    m_steuerelement = steuerelement;
    m_seite.reset();
    m_seitenbild = QImage();
    if (m_titelCheck->isChecked()) m_titel->setText(dok.Header.HD_titel);
    m_abFrageZeile->setVisible(dok.Header.HD_DokTyp == Einzelfragen);
    Generieren();
    m_schliessen->setFocus();
}

int TArbeitsblattForm::Zeigen(const Dokument& dok, QSize steuerelement) {
    Aktivieren(dok, steuerelement);
    const int ergebnis = exec();
    // Closing frees the page.
    m_seite.reset();
    m_seitenbild = QImage();
    m_img->clear();
    m_dok = nullptr;
    return ergebnis;
}

void TArbeitsblattForm::Generieren() {
    if (m_dok == nullptr) return;
    Sanduhr sanduhr;
    m_seite = std::make_unique<Arbeitsblatt>(*m_dok, Optionen(), m_steuerelement);
    m_seitenbild = m_seite->Vorschaubild();
    VorschauAnordnen();
    m_scrollBox->verticalScrollBar()->setValue(0);
}

void TArbeitsblattForm::VorschauAnordnen() {
    const int breite = std::max(PanRand + 2 * BildRand + 4, m_scrollBox->width() - PanRand);
    const int innen = breite - 2;
    const int bildBreite = innen - 2 * BildRand;
    const int innenHoehe = static_cast<int>(std::lround((innen - 40) * 2600.0 / 1600.0)) + 40;
    const int hoehe = innenHoehe + 2;
    m_flaeche->resize(m_scrollBox->viewport()->width(), hoehe + 2 * PanOben);
    m_pan->setGeometry((m_scrollBox->viewport()->width() - breite) / 2, PanOben, breite, hoehe);
    const QSize bildGroesse(bildBreite, innenHoehe - 2 * BildRand);
    m_img->setGeometry(1 + BildRand, 1 + BildRand, bildGroesse.width(), bildGroesse.height());
    if (!m_seitenbild.isNull())
        // Moved into the pixmap, so the scaled bitmap is not copied once more.
        m_img->setPixmap(QPixmap::fromImage(
            m_seitenbild.scaled(bildGroesse, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)));
    m_scrollBox->verticalScrollBar()->setValue(0);
}

bool TArbeitsblattForm::eventFilter(QObject* objekt, QEvent* ereignis) {
    if (objekt == m_scrollBox->viewport() && ereignis->type() == QEvent::Resize) VorschauAnordnen();
    return QDialog::eventFilter(objekt, ereignis);
}

void TArbeitsblattForm::Speichern() {
    Generieren();
    if (!m_seite) return;
    ArbeitsblattSpeichern(*m_seite, m_dialoge, m_meldungen, ArbeitsblattStartordner(Ordner()), [](bool an) {
        if (an)
            QApplication::setOverrideCursor(Qt::WaitCursor);
        else
            QApplication::restoreOverrideCursor();
    });
}

void TArbeitsblattForm::InZwischenablage() {
    Generieren();
    if (m_seite) ArbeitsblattKopieren(*m_seite, m_ablage);
}

void TArbeitsblattForm::Drucken() {
    Generieren();
    if (!m_seite) return;
    TArbBlattDruckForm druck(Seitenverhaeltnis, m_dialoge, m_meldungen, this);
    const Arbeitsblatt& seite = *m_seite;
    druck.setzeSeite([&seite](QPainter& maler) { seite.Zeichnen(maler); });
    druck.exec();
}
