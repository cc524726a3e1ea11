#include "mapview/ac_infobox.h"

#include "data/av_data.h"
#include "mapview/infotext.h"
#include "mapview/markup.h"
#include "platform/dialoge.h"
#include "platform/meldungen.h"
#include "platform/zwischenablage.h"
#include "data/rtf_schreiber.h"
#include "widgets/bildpanel.h"
#include "data/hintergrund.h"
#include "widgets/fensterfarben.h"

#include "widgets/drucken.h"
#include "widgets/ziehrollen.h"

#include <QDir>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>
#include <QSaveFile>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>
#include <algorithm>

namespace {

constexpr int ScrollBoxBreite = 440;
constexpr int BildRand = 30; // the picture is this much narrower than the scroll box
constexpr int Fensterbreite = ScrollBoxBreite + 16;

} // namespace

QString InfotextOhneStil(const QString& text) {
    static const QRegularExpression stil(QStringLiteral("</?[biu]>"),
                                         QRegularExpression::CaseInsensitiveOption);
    return QString(text).remove(stil);
}

TInfoboxForm::TInfoboxForm(Meldungen& meldungen, Dialoge& dialoge, Zwischenablage& ablage, QWidget* eltern)
    : QDialog(eltern, Qt::Tool | Qt::WindowStaysOnTopHint), m_meldungen(meldungen), m_dialoge(dialoge),
      m_ablage(ablage) {
    setObjectName(QStringLiteral("InfoboxForm"));
    setWindowTitle(QStringLiteral("Information"));
    setModal(false);

    auto* hintergrund = new TBildPanel(HintergrundArt::Kartenbereich, this);
    m_scrollBox = new QScrollArea(hintergrund);
    m_scrollBox->setObjectName(QStringLiteral("ScrollBox1"));
    m_scrollBox->setFixedWidth(ScrollBoxBreite);
    m_scrollBox->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_scrollBox->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_scrollBox->setBackgroundRole(QPalette::Base);
    QPalette weiss = m_scrollBox->palette();
    weiss.setColor(QPalette::Base, Qt::white);
    weiss.setColor(QPalette::Window, Qt::white);
    m_scrollBox->setPalette(weiss);
    m_scrollBox->installEventFilter(this);
    m_textImg = new QLabel;
    m_textImg->setObjectName(QStringLiteral("TextImg"));
    m_textImg->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_textImg->setContentsMargins(8, 8, 0, 0);
    m_scrollBox->setWidget(m_textImg);
    m_ziehen = new ZiehRollen(m_scrollBox, m_textImg, this);

    auto* spalte = new QVBoxLayout(hintergrund);
    spalte->setContentsMargins(8, 8, 8, 8);
    spalte->addWidget(m_scrollBox, 1);
    spalte->addWidget(KnopfLeiste());
    auto* aussen = new QVBoxLayout(this);
    aussen->setContentsMargins(0, 0, 0, 0);
    aussen->addWidget(hintergrund);
    setFixedWidth(Fensterbreite);

    QFont schrift(QStringLiteral("Arial"));
    schrift.setPointSize(11);
    m_richEdit.setDefaultFont(schrift);
}

QWidget* TInfoboxForm::KnopfLeiste() {
    m_knopfPan = new QWidget;
    m_knopfPan->setObjectName(QStringLiteral("Panel1"));
    auto* zeile = new QHBoxLayout(m_knopfPan);
    zeile->setContentsMargins(0, 4, 0, 0);
    auto knopf = [&](const char* name, const QString& text, void (TInfoboxForm::*aktion)()) {
        auto* k = new QPushButton(text, m_knopfPan);
        k->setObjectName(QString::fromLatin1(name));
        k->setAutoDefault(false);
        connect(k, &QPushButton::clicked, this, aktion);
        zeile->addWidget(k);
    };
    knopf("DruckBtn", QStringLiteral("Drucken..."), &TInfoboxForm::Drucken);
    knopf("SaveBtn", QStringLiteral("Speichern..."), &TInfoboxForm::Speichern);
    knopf("KopierBtn", QStringLiteral("In Zwischenablage"), &TInfoboxForm::InZwischenablage);
    zeile->addStretch(1);
    knopf("SchliessenBtn", QStringLiteral("Schließen"), &TInfoboxForm::Schliessen);
    KnoepfeFaerben(m_knopfPan);
    return m_knopfPan;
}

void TInfoboxForm::InfotextZeigen(const QString& text) {
    // The whole text, however long: nothing is cut off below a fixed page height.
    const QImage bild = InfotextBild(text, ScrollBoxBreite - BildRand);
    m_textImg->setPixmap(QPixmap::fromImage(bild));
    m_textImg->adjustSize();
    m_richEdit.setPlainText(MarkupAbsaetze(InfotextOhneStil(text)).join(QLatin1Char('\n')));
    Platzieren(bild.height());
    m_scrollBox->verticalScrollBar()->setValue(0);
    show();
    raise();
    m_scrollBox->setFocus();
}

void TInfoboxForm::Platzieren(int bildHoehe) {
    // Everything but the scroll box's inside: margins, frame, the button row.
    const int rahmen = 2 * m_scrollBox->frameWidth();
    const int rest = 8 + 8 + m_knopfPan->sizeHint().height() + layout()->spacing() + rahmen;
    const int hoehe = std::min(HoechstHoehe, rest + m_textImg->contentsMargins().top() + bildHoehe + 34);
    setFixedHeight(hoehe);
    const QWidget* haupt = parentWidget() != nullptr ? parentWidget()->window() : nullptr;
    if (haupt == nullptr) return;
    const QRect h = haupt->frameGeometry();
    move(h.left() + h.width() - width() - 6, h.top() + 6);
}

void TInfoboxForm::Drucken() {
    QPrinter drucker(QPrinter::HighResolution);
    drucker.setDocName(InfotextDruckTitel);
    drucker.setCreator(ProgrammTitel);
    if (!m_dialoge.DruckerWaehlen(
            drucker, Dialoge::PdfDateiAuftrag(QStringLiteral("Infotext als PDF-Datei drucken"),
                                              QDir::homePath() + QStringLiteral("/Infotext.pdf"), false)))
        return;
    Sanduhr sanduhr;
    m_richEdit.print(&drucker);
    if (drucker.printerState() == QPrinter::Error && !drucker.outputFileName().isEmpty())
        m_meldungen.fehler(SchreibfehlerText(QDir::toNativeSeparators(drucker.outputFileName())));
}

void TInfoboxForm::Speichern() {
    const QString pfad =
        m_dialoge
            .DateiSpeichern(Dialoge::SpeichernAuftrag(QStringLiteral("Infotext in Datei speichern"),
                                                      QStringLiteral("Rich Text Dokument"),
                                                      QStringLiteral("rtf"), Ordner().Protokollordner))
            .value_or(QString());
    if (pfad.isEmpty()) return;
    Sanduhr sanduhr;
    // Written whole or not at all: a failure leaves an earlier file as it was.
    QSaveFile datei(pfad);
    const QByteArray rtf = RtfAusDokument(m_richEdit);
    if (!datei.open(QIODevice::WriteOnly) || datei.write(rtf) != rtf.size() || !datei.commit())
        m_meldungen.fehler(SchreibfehlerText(QDir::toNativeSeparators(pfad)));
}

void TInfoboxForm::InZwischenablage() {
    m_ablage.Setzen(RichTextInhalt(m_richEdit));
}

void TInfoboxForm::Schliessen() {
    close();
}

void TInfoboxForm::hideEvent(QHideEvent* ereignis) {
    m_scrollBox->verticalScrollBar()->setValue(0);
    QDialog::hideEvent(ereignis);
}

bool TInfoboxForm::eventFilter(QObject* objekt, QEvent* ereignis) {
    if (objekt == m_scrollBox && Blaettern(ereignis)) return true;
    return QDialog::eventFilter(objekt, ereignis);
}

void TInfoboxForm::setzeZiehCursor(const QCursor& cursor) {
    m_ziehen->setzeCursor(cursor);
}

bool TInfoboxForm::Blaettern(QEvent* ereignis) {
    if (ereignis->type() != QEvent::KeyPress) return false;
    const int taste = static_cast<QKeyEvent*>(ereignis)->key();
    if (taste != Qt::Key_PageUp && taste != Qt::Key_PageDown) return false;
    // Page keys move by the scroll bar's line increment.
    QScrollBar* leiste = m_scrollBox->verticalScrollBar();
    leiste->setValue(leiste->value() + (taste == Qt::Key_PageDown ? 1 : -1) * leiste->singleStep());
    return true;
}
