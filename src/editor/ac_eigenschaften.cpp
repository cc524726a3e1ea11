#include "editor/ac_eigenschaften.h"

#include "editor/objekte.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

// Merge keys: typing into one field of one object is one undoable step.
enum Feld {
    FeldTitel = 10,
    FeldAutor,
    FeldBemerkung,
    FeldVersion,
    FeldNumArt,
    FeldGeordnet,
    FeldRand,
    FeldBeschriftung,
    FeldArt,
    FeldSeite,
    FeldAusrichtung,
    FeldSchrift,
    FeldLinie,
    FeldEbene
};

QComboBox* Auswahl(const QString& name, const QStringList& eintraege) {
    auto* box = new QComboBox;
    box->setAccessibleName(name);
    box->addItems(eintraege);
    return box;
}

QLineEdit* Zeile(const QString& name) {
    auto* feld = new QLineEdit;
    feld->setAccessibleName(name);
    return feld;
}

} // namespace

TEigenschaften::TEigenschaften(EditorDokument& dok, QWidget* eltern) : QWidget(eltern), m_dok(dok) {
    auto* spalte = new QVBoxLayout(this);
    spalte->addWidget(dokumentfelder());
    spalte->addWidget(objektfelder());
    spalte->addStretch();
    connect(&m_dok, &EditorDokument::geaendert, this, &TEigenschaften::fuellen);
    connect(&m_dok, &EditorDokument::neuGeladen, this, [this] { setzeObjekt(-1); });
    fuellen();
}

QGroupBox* TEigenschaften::dokumentfelder() {
    auto* gruppe = new QGroupBox(QStringLiteral("Dokument"));
    auto* form = new QFormLayout(gruppe);
    m_titel = Zeile(QStringLiteral("Titel"));
    m_autor = Zeile(QStringLiteral("Autor"));
    m_bemerkung = Zeile(QStringLiteral("Bemerkung"));
    m_version = Zeile(QStringLiteral("Version"));
    form->addRow(QStringLiteral("Titel:"), m_titel);
    form->addRow(QStringLiteral("Autor:"), m_autor);
    form->addRow(QStringLiteral("Bemerkung:"), m_bemerkung);
    form->addRow(QStringLiteral("Version:"), m_version);
    connect(m_titel, &QLineEdit::textEdited, this, [this](const QString& t) {
        kopfAendern(QStringLiteral("Titel"), FeldTitel, [t](HeaderDataTyp& k) { k.HD_titel = t; });
    });
    connect(m_autor, &QLineEdit::textEdited, this, [this](const QString& t) {
        kopfAendern(QStringLiteral("Autor"), FeldAutor, [t](HeaderDataTyp& k) { k.HD_autor = t; });
    });
    connect(m_bemerkung, &QLineEdit::textEdited, this, [this](const QString& t) {
        kopfAendern(QStringLiteral("Bemerkung"), FeldBemerkung,
                    [t](HeaderDataTyp& k) { k.HD_bemerkung = t; });
    });
    connect(m_version, &QLineEdit::textEdited, this, [this](const QString& t) {
        kopfAendern(QStringLiteral("Version"), FeldVersion, [t](HeaderDataTyp& k) { k.HD_vers = t; });
    });
    m_numArt =
        Auswahl(QStringLiteral("Nummerierung"), {QStringLiteral("Ziffern"), QStringLiteral("Buchstaben")});
    m_geordnet = Auswahl(QStringLiteral("Reihenfolge"),
                         {QStringLiteral("nach Position"), QStringLiteral("alphabetisch nach Beschriftung")});
    form->addRow(QStringLiteral("Nummerierung:"), m_numArt);
    form->addRow(QStringLiteral("Reihenfolge:"), m_geordnet);
    connect(m_numArt, &QComboBox::activated, this, [this](int i) {
        kopfAendern(QStringLiteral("Nummerierung"), FeldNumArt, [i](HeaderDataTyp& k) { k.HD_NumArt = i; });
    });
    connect(m_geordnet, &QComboBox::activated, this, [this](int i) {
        kopfAendern(QStringLiteral("Reihenfolge"), FeldGeordnet,
                    [i](HeaderDataTyp& k) { k.HD_GeordnetArt = i; });
    });
    const QString raender[] = {QStringLiteral("Rand links"), QStringLiteral("Rand oben"),
                               QStringLiteral("Rand rechts"), QStringLiteral("Rand unten")};
    for (int i = 0; i < 4; ++i) {
        m_rand[i] = new QDoubleSpinBox;
        m_rand[i]->setAccessibleName(raender[i]);
        m_rand[i]->setRange(0, 300);
        m_rand[i]->setDecimals(0);
        m_rand[i]->setSingleStep(5);
        m_rand[i]->setSuffix(QStringLiteral(" %"));
        form->addRow(raender[i] + u':', m_rand[i]);
        connect(m_rand[i], &QDoubleSpinBox::valueChanged, this, &TEigenschaften::randAendern);
    }
    return gruppe;
}

QGroupBox* TEigenschaften::objektfelder() {
    m_objektGruppe = new QGroupBox(QStringLiteral("Objekt"));
    auto* form = new QFormLayout(m_objektGruppe);
    m_beschriftung = new QPlainTextEdit;
    m_beschriftung->setAccessibleName(QStringLiteral("Beschriftung"));
    m_beschriftung->setTabChangesFocus(true);
    m_beschriftung->setMaximumHeight(90);
    form->addRow(QStringLiteral("Beschriftung:"), m_beschriftung);
    connect(m_beschriftung, &QPlainTextEdit::textChanged, this, [this] {
        QString t = m_beschriftung->toPlainText();
        t.replace(u'\n', QStringLiteral("\r\n"));
        objektAendern(QStringLiteral("Beschriftung"), FeldBeschriftung, [t](ObjDataTyp& o) { o.OB_Cap = t; });
    });
    QStringList arten;
    for (const ObjektartWahl& a : Objektarten)
        arten.append(QString::fromUtf16(a.name));
    m_art = Auswahl(QStringLiteral("Art"), arten);
    m_seite = Auswahl(QStringLiteral("Kastenseite"),
                      {QStringLiteral("automatisch"), QStringLiteral("rechts"), QStringLiteral("oben"),
                       QStringLiteral("links"), QStringLiteral("unten")});
    m_ausrichtung = Auswahl(QStringLiteral("Ausrichtung"),
                            {QStringLiteral("links"), QStringLiteral("zentriert"), QStringLiteral("rechts")});
    m_ebene =
        Auswahl(QStringLiteral("Ebene"), {QStringLiteral("Illustration"), QStringLiteral("Beschriftung"),
                                          QStringLiteral("Infopunkte")});
    m_schrift = new QSpinBox;
    m_schrift->setAccessibleName(QStringLiteral("Schriftgröße"));
    m_schrift->setRange(-8, 20);
    m_linie = new QCheckBox(QStringLiteral("Verbindungslinie"));
    form->addRow(QStringLiteral("Art:"), m_art);
    form->addRow(QStringLiteral("Kastenseite:"), m_seite);
    form->addRow(QStringLiteral("Ausrichtung:"), m_ausrichtung);
    form->addRow(QStringLiteral("Schriftgröße:"), m_schrift);
    form->addRow(QString(), m_linie);
    form->addRow(QStringLiteral("Ebene:"), m_ebene);
    connect(m_art, &QComboBox::activated, this, [this](int i) {
        const int typ = Objektarten[i].typ;
        objektAendern(QStringLiteral("Art"), FeldArt, [typ](ObjDataTyp& o) {
            o.OB_Typ = typ;
            SeiteNeuBestimmen(o);
        });
    });
    connect(m_seite, &QComboBox::activated, this, [this](int i) {
        objektAendern(QStringLiteral("Kastenseite"), FeldSeite, [i](ObjDataTyp& o) {
            o.OB_KAusr = i;
            SeiteNeuBestimmen(o);
        });
    });
    connect(m_ausrichtung, &QComboBox::activated, this, [this](int i) {
        objektAendern(QStringLiteral("Ausrichtung"), FeldAusrichtung, [i](ObjDataTyp& o) { o.OB_TAusr = i; });
    });
    connect(m_ebene, &QComboBox::activated, this, [this](int i) {
        objektAendern(QStringLiteral("Ebene"), FeldEbene, [i](ObjDataTyp& o) { o.OB_Ebene = i; });
    });
    connect(m_schrift, &QSpinBox::valueChanged, this, [this](int i) {
        objektAendern(QStringLiteral("Schriftgröße"), FeldSchrift, [i](ObjDataTyp& o) { o.OB_Fsize = i; });
    });
    connect(m_linie, &QCheckBox::toggled, this, [this](bool an) {
        objektAendern(QStringLiteral("Verbindungslinie"), FeldLinie,
                      [an](ObjDataTyp& o) { o.OB_Sline = an ? 1 : 0; });
    });
    return m_objektGruppe;
}

void TEigenschaften::setzeObjekt(int index) {
    m_objekt = index;
    fuellen();
}

void TEigenschaften::beschriftungBearbeiten() {
    m_beschriftung->setFocus();
    m_beschriftung->selectAll();
}

void TEigenschaften::kopfAendern(const QString& text, int feld,
                                 const std::function<void(HeaderDataTyp&)>& aenderung) {
    if (m_fuellt) return;
    m_dok.aendern(
        text, [&aenderung](Dokumentstand& s) { aenderung(s.Kopf); }, -1, feld);
}

void TEigenschaften::objektAendern(const QString& text, int feld,
                                   const std::function<void(ObjDataTyp&)>& aenderung) {
    if (m_fuellt || m_objekt < 0 || m_objekt >= static_cast<int>(m_dok.dokument().Objekte.size())) return;
    const int index = m_objekt;
    m_dok.aendern(
        text, [&aenderung, index](Dokumentstand& s) { aenderung(s.Objekte[static_cast<size_t>(index)]); },
        index, feld * 1000 + std::min(index, 999));
}

void TEigenschaften::randAendern() {
    if (m_fuellt) return;
    std::array<double, 4> neu{};
    for (int i = 0; i < 4; ++i)
        neu[static_cast<size_t>(i)] = m_rand[i]->value() / 100.0;
    m_dok.aendern(
        QStringLiteral("Rand"), [&neu](Dokumentstand& s) { RandAendern(s.Kopf, s.Objekte, neu); }, -1,
        FeldRand);
}

void TEigenschaften::fuellen() {
    m_fuellt = true;
    const Dokument& d = m_dok.dokument();
    const HeaderDataTyp& k = d.Header;
    for (auto [feld, text] : {std::pair{m_titel, k.HD_titel}, std::pair{m_autor, k.HD_autor},
                              std::pair{m_bemerkung, k.HD_bemerkung}, std::pair{m_version, k.HD_vers}})
        if (feld->text() != text) feld->setText(text);
    m_numArt->setCurrentIndex(k.HD_NumArt == 1 ? 1 : 0);
    m_geordnet->setCurrentIndex(k.HD_GeordnetArt != 0 ? 1 : 0);
    for (int i = 0; i < 4; ++i)
        m_rand[i]->setValue(k.HD_RandErw[static_cast<size_t>(i)] * 100);
    const bool da = m_objekt >= 0 && m_objekt < static_cast<int>(d.Objekte.size());
    m_objektGruppe->setEnabled(da);
    if (da) {
        const ObjDataTyp& o = d.Objekte[static_cast<size_t>(m_objekt)];
        QString cap = o.OB_Cap;
        cap.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        if (m_beschriftung->toPlainText() != cap) m_beschriftung->setPlainText(cap);
        int art = -1;
        for (int i = 0; i < static_cast<int>(std::size(Objektarten)); ++i)
            if (Objektarten[i].typ == o.OB_Typ) art = i;
        m_art->setCurrentIndex(art);
        m_art->setEnabled(art >= 0);
        m_beschriftung->setReadOnly(o.OB_Typ == ObArt::Luecke);
        m_seite->setCurrentIndex(std::clamp(o.OB_KAusr, 0, 4));
        m_ausrichtung->setCurrentIndex(std::clamp(o.OB_TAusr, 0, 2));
        m_schrift->setValue(o.OB_Fsize);
        m_linie->setChecked(o.OB_Sline != 0);
        m_ebene->setCurrentIndex(std::clamp(o.OB_Ebene, 0, 2));
    } else {
        m_beschriftung->clear();
    }
    m_fuellt = false;
}
