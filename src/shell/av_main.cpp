#include "shell/av_main.h"

#include "data/av_data.h"
#include "documents/dokument_lesen.h"
#include "documents/themenliste.h"
#include "platform/meldungen.h"
#include "shell/hintergrund.h"
#include "shell/start.h"

#include <QAction>
#include <QCloseEvent>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

namespace {
// The window resource's size, centred on the screen; creation then sets the working size.
constexpr QSize Ressourcengroesse(908, 679);
constexpr QSize Startgroesse(900, 650);
constexpr QSize Mindestgroesse(780, 570);
constexpr int InfoPanHoehe = 57;
constexpr int StartInfoRand = 50;
} // namespace

TForm1::TForm1(const Dienste& dienste, const QString& befehlszeile, QWidget* eltern)
    : QMainWindow(eltern), m_dienste(dienste), m_befehlszeile(befehlszeile) {
    setObjectName(QStringLiteral("Form1"));
    FensterEinrichten();
    OberflaecheAufbauen();
    MenueAnlegen();
    // Once per run: every shuffle of the quizzes depends on it.
    Zufallsgenerator().setzeSeed(ZufallsStartwert());
    m_dokument = Dokument{};
    m_dokument.Basisbild = RessourcenBild(QStringLiteral("Startbasisbild"));
    TitelAnzeigen();
    DialogeErzeugen();
}

TForm1::~TForm1() = default;

void TForm1::FensterEinrichten() {
    setMinimumSize(Mindestgroesse);
    const QScreen* schirm = screen() != nullptr ? screen() : QGuiApplication::primaryScreen();
    if (schirm != nullptr) {
        const QRect frei = schirm->availableGeometry();
        move(frei.center() - QPoint(Ressourcengroesse.width() / 2, Ressourcengroesse.height() / 2));
    }
    resize(Startgroesse);
}

void TForm1::OberflaecheAufbauen() {
    auto* lernPan = new QWidget(this);
    lernPan->setObjectName(QStringLiteral("LernPan"));
    auto* spalte = new QVBoxLayout(lernPan);
    spalte->setContentsMargins(0, 0, 0, 0);
    spalte->setSpacing(0);

    auto* infoPan = new QFrame(lernPan);
    infoPan->setObjectName(QStringLiteral("InfoPan"));
    infoPan->setFixedHeight(InfoPanHoehe);
    auto* zeile = new QVBoxLayout(infoPan);
    m_dokTitelLab = new QLabel(infoPan);
    m_dokTitelLab->setObjectName(QStringLiteral("DokTitelLab"));
    m_dokTitelLab->setAlignment(Qt::AlignCenter);
    m_dokTitelLab->setWordWrap(true);
    QFont fett = m_dokTitelLab->font();
    fett.setBold(true);
    m_dokTitelLab->setFont(fett);
    zeile->addWidget(m_dokTitelLab);
    spalte->addWidget(infoPan);

    m_lernKartPan = new QFrame(lernPan);
    m_lernKartPan->setObjectName(QStringLiteral("LernKartPan"));
    m_lernKartPan->setAutoFillBackground(true);
    QPalette weiss = m_lernKartPan->palette();
    weiss.setColor(QPalette::Window, Qt::white);
    m_lernKartPan->setPalette(weiss);
    spalte->addWidget(m_lernKartPan, 1);

    // Placeholder of the start page until the hover panel takes its place.
    m_startInfoPan = new QLabel(m_lernKartPan);
    m_startInfoPan->setObjectName(QStringLiteral("StartInfoPan"));
    m_startInfoPan->setAlignment(Qt::AlignCenter);
    m_startInfoPan->hide();
    setCentralWidget(lernPan);
}

void TForm1::MenueAnlegen() {
    QMenu* aktion = menuBar()->addMenu(QStringLiteral("&Aktion"));
    aktion->setObjectName(QStringLiteral("Aktion1"));
    QAction* beenden = aktion->addAction(QStringLiteral("Programm &beenden"));
    beenden->setObjectName(QStringLiteral("Beenden1"));
    connect(beenden, &QAction::triggered, this, &QWidget::close);
}

// Every dialog window is made once here and hidden between uses, in this order:
// TBestListForm, TUebOptFragenForm, TUebFertigForm, TArbeitsblattForm, TMailForm,
// TInfoBox, TKennzInfoBox, TUebProtokollForm, TInfoboxForm, TProtKomForm,
// TNameEingabeForm, TBestListVerzForm, TUebOptForm.
void TForm1::DialogeErzeugen() {}

void TForm1::showEvent(QShowEvent* ereignis) {
    QMainWindow::showEvent(ereignis);
    // After the window is on screen, so that boxes of the first activation sit on it.
    if (m_ersteAktivierung) QTimer::singleShot(0, this, &TForm1::ErsteAktivierung);
}

void TForm1::ErsteAktivierung() {
    if (!m_ersteAktivierung) return;
    ProgrammOrdnerTyp& ordner = Ordner();
    EinstellungenLaden(m_dienste.einstellungen, m_einstellungen, ordner);
    LernansichtZeigen();

    const StartZiel ziel = StartZielAusArgument(m_befehlszeile, ordner.Programmordner);
    ordner.Startdokument.clear();
    ordner.Startordner = ziel.Startordner;
    if (!ziel.Startdokument.isEmpty()) {
        DokumentOeffnen(ziel.Startdokument);
        ordner.Startdokument = ziel.Startdokument;
    }
    ordner.Themenordner = ordner.Startordner;

    StartInfoZeigen();
    ThemenordnerEinlesen();
    m_ersteAktivierung = false;
}

void TForm1::DokumentOeffnen(const QString& pfad) {
    DokumentHooks haken;
    haken.warteCursor = [](bool an) {
        if (an)
            QGuiApplication::setOverrideCursor(Qt::WaitCursor);
        else
            QGuiApplication::restoreOverrideCursor();
    };
    haken.ordnerUebernehmen = [](const QString& ordner) { Ordner().Themenordner = ordner; };
    haken.dokumentSchliessen = [this] { DokumentSchliessen(); };
    haken.lernansichtZeigen = [this] { LernansichtZeigen(); };
    DokumentLesen(m_dokument, pfad, true, m_dienste.meldungen, haken);
    TitelAnzeigen();
}

void TForm1::DokumentSchliessen() {
    m_dokument.Basisbild = RessourcenBild(QStringLiteral("Startbasisbild"));
    m_dokument.Objekte.clear();
    m_dokument.Zuruecksetzen();
    ThemenordnerEinlesen();
    StartInfoZeigen();
}

void TForm1::ThemenordnerEinlesen() {
    // The folder list (Themenliste) fills the menu "&Quizauswahl" here.
    TitelAnzeigen();
}

void TForm1::TitelAnzeigen() {
    setWindowTitle(FensterTitelText(m_dokument));
    m_dokTitelLab->setText(DokTitelText(m_dokument));
}

bool TForm1::QuizLaeuft() const {
    return false;
}

void TForm1::LernansichtZeigen() {
    m_ansichtsmodus = 2;
}

void TForm1::StartInfoZeigen() {
    m_startInfoPan->setText(QString());
    QPalette farben = m_startInfoPan->palette();
    farben.setColor(QPalette::WindowText, StartInfoTextFarbe());
    m_startInfoPan->setPalette(farben);
    m_startInfoPan->setGeometry(QRect(QPoint(StartInfoRand, StartInfoRand),
                                      m_lernKartPan->size() - QSize(2 * StartInfoRand, 2 * StartInfoRand)));
    m_startInfoPan->show();
}

void TForm1::resizeEvent(QResizeEvent* ereignis) {
    QMainWindow::resizeEvent(ereignis);
    // Layout waits for the first activation and stops once closing has begun.
    if (m_ersteAktivierung || m_schliessen) return;
    if (m_startInfoPan->isVisible()) StartInfoZeigen();
}

void TForm1::closeEvent(QCloseEvent* ereignis) {
    if (!m_schliessen &&
        !Schliessen(QuizLaeuft(), m_dienste.meldungen, m_dienste.einstellungen, m_einstellungen, Ordner())) {
        ereignis->ignore();
        return;
    }
    m_schliessen = true;
    ereignis->accept();
}
