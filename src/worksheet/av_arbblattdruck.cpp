#include "worksheet/av_arbblattdruck.h"

#include "data/av_data.h"
#include "platform/dialoge.h"
#include "platform/meldungen.h"
#include "worksheet/arbeitsblatt.h"

#include <QCheckBox>
#include <QDir>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <cmath>

TArbBlattDruckForm::TArbBlattDruckForm(double seitenverhaeltnis, Dialoge& dialoge, Meldungen& meldungen,
                                       QWidget* eltern)
    : QDialog(eltern), m_dialoge(dialoge), m_meldungen(meldungen),
      m_seitenverhaeltnis(seitenverhaeltnis > 0 ? seitenverhaeltnis : 1.0) {
    setObjectName(QStringLiteral("TArbBlattDruckForm"));
    setWindowTitle(QStringLiteral("Arbeitsblatt drucken"));
    setModal(true);
    m_drucker.setFullPage(true); // margins count from the paper's edge

    auto* lage = new QGroupBox(QStringLiteral(" Position und Größe "), this);
    auto* formular = new QFormLayout(lage);
    const DruckLage lage0 = StandardDruckLage();
    m_links = Feld(lage0.links, "LinkerRandEdit");
    m_oben = Feld(lage0.oben, "ObererRandEdit");
    m_breite = Feld(lage0.breite, "BreiteEdit");
    // The height follows from the width while the ratio is kept, as it is at the start.
    m_hoehe = Feld(lage0.breite / m_seitenverhaeltnis, "HoeheEdit");
    formular->addRow(QStringLiteral("Linker Rand:"), m_links);
    formular->addRow(QStringLiteral("Oberer Rand:"), m_oben);
    formular->addRow(QStringLiteral("Breite:"), m_breite);
    formular->addRow(QStringLiteral("Höhe:"), m_hoehe);
    m_verhaeltnis = new QCheckBox(QStringLiteral("Korrektes &Seitenverhältnis"), lage);
    m_verhaeltnis->setObjectName(QStringLiteral("SeitenverhaeltnisCheck"));
    m_verhaeltnis->setChecked(true);
    formular->addRow(m_verhaeltnis);
    connect(m_breite, &QDoubleSpinBox::valueChanged, this, [this] { BreiteGeaendert(); });
    connect(m_hoehe, &QDoubleSpinBox::valueChanged, this, [this] { HoeheGeaendert(); });
    connect(m_verhaeltnis, &QCheckBox::clicked, this, [this](bool an) {
        if (an) BreiteGeaendert();
    });

    auto* drucker = new QGroupBox(QStringLiteral(" Drucker "), this);
    auto* druckerZeile = new QVBoxLayout(drucker);
    m_druckername = new QLabel(drucker);
    m_druckername->setObjectName(QStringLiteral("DruckerLab"));
    druckerZeile->addWidget(m_druckername);
    DruckernameZeigen();

    auto* knoepfe = new QHBoxLayout;
    auto* einrichten = new QPushButton(QStringLiteral("Einrichten..."), this);
    einrichten->setObjectName(QStringLiteral("EinrichtenBtn"));
    auto* drucken = new QPushButton(QStringLiteral("Drucken"), this);
    drucken->setObjectName(QStringLiteral("DruckenBtn"));
    drucken->setDefault(true);
    auto* abbrechen = new QPushButton(QStringLiteral("Abbrechen"), this);
    abbrechen->setObjectName(QStringLiteral("AbbrechenBtn"));
    connect(einrichten, &QPushButton::clicked, this, &TArbBlattDruckForm::Einrichten);
    connect(drucken, &QPushButton::clicked, this, &TArbBlattDruckForm::Drucken);
    connect(abbrechen, &QPushButton::clicked, this, &QDialog::reject);
    knoepfe->addWidget(einrichten);
    knoepfe->addStretch(1);
    knoepfe->addWidget(drucken);
    knoepfe->addWidget(abbrechen);

    auto* spalte = new QVBoxLayout(this);
    spalte->addWidget(lage);
    spalte->addWidget(drucker);
    spalte->addLayout(knoepfe);
}

QDoubleSpinBox* TArbBlattDruckForm::Feld(double wert, const char* name) {
    auto* feld = new QDoubleSpinBox(this);
    feld->setObjectName(QString::fromLatin1(name));
    feld->setLocale(QLocale(QLocale::German, QLocale::Germany)); // "2,2 cm"
    feld->setDecimals(1);
    feld->setRange(0.0, 100.0);
    feld->setSingleStep(0.1);
    feld->setSuffix(QStringLiteral(" cm"));
    feld->setValue(wert);
    return feld;
}

void TArbBlattDruckForm::BreiteGeaendert() {
    if (!m_verhaeltnis->isChecked()) return;
    const QSignalBlocker sperre(m_hoehe);
    m_hoehe->setValue(m_breite->value() / m_seitenverhaeltnis);
}

void TArbBlattDruckForm::HoeheGeaendert() {
    if (!m_verhaeltnis->isChecked()) return;
    const QSignalBlocker sperre(m_breite);
    m_breite->setValue(m_hoehe->value() * m_seitenverhaeltnis);
}

void TArbBlattDruckForm::DruckernameZeigen() {
    QString name = m_drucker.outputFormat() == QPrinter::PdfFormat
                       ? QDir::toNativeSeparators(m_drucker.outputFileName())
                       : m_drucker.printerName();
    if (name.isEmpty()) name = QPrinterInfo::defaultPrinterName();
    m_druckername->setText(name.isEmpty() ? QStringLiteral("(kein Drucker - Ausgabe als PDF-Datei)") : name);
}

void TArbBlattDruckForm::Einrichten() {
    if (m_dialoge.DruckerWaehlen(m_drucker, QStringLiteral("Arbeitsblatt als PDF-Datei drucken"),
                                 QDir::homePath() + QStringLiteral("/Arbeitsblatt.pdf")))
        m_eingerichtet = true;
    DruckernameZeigen();
}

QRect TArbBlattDruckForm::Zielrechteck() const {
    const double jeCm = m_drucker.resolution() / 2.54;
    const DruckLage lage{m_links->value(), m_oben->value(), m_breite->value(), m_hoehe->value()};
    QRect ziel = DruckRechteck(lage, jeCm, false);
    // The fields hold 0.1 cm: with the ratio kept, the height comes from the width exactly.
    if (m_verhaeltnis->isChecked())
        ziel.setHeight(std::max(1, static_cast<int>(std::lround(ziel.width() / m_seitenverhaeltnis))));
    return ziel;
}

void TArbBlattDruckForm::Drucken() {
    // Without a printer the chooser offers a PDF file, so a sheet can always be had.
    if (!m_eingerichtet && QPrinterInfo::availablePrinterNames().isEmpty()) {
        Einrichten();
        if (!m_eingerichtet) return;
    }
    m_drucker.setDocName(QStringLiteral("Arbeitsblatt"));
    QPainter maler;
    if (!maler.begin(&m_drucker)) {
        const QString ziel =
            m_drucker.outputFileName().isEmpty() ? m_drucker.printerName() : m_drucker.outputFileName();
        m_meldungen.fehler(SchreibfehlerText(QDir::toNativeSeparators(ziel)));
        return;
    }
    maler.setViewport(Zielrechteck());
    maler.setWindow(0, 0, Arbeitsblatt::Breite, Arbeitsblatt::Hoehe);
    if (m_zeichnen) m_zeichnen(maler);
    maler.end();
    accept();
}
