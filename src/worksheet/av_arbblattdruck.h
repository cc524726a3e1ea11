#pragma once
// The worksheet print window TArbBlattDruckForm ("Arbeitsblatt drucken"): position and
// size of the page on the paper in cm, optionally kept at the page's aspect ratio, the
// current printer, its set-up and printing.
#include <QDialog>
#include <QPrinter>
#include <functional>

class Dialoge;
class Meldungen;
class QCheckBox;
class QDoubleSpinBox;
class QLabel;
class QPainter;

class TArbBlattDruckForm final : public QDialog {
    Q_OBJECT
public:
    // `seitenverhaeltnis`: width / height of the page.
    TArbBlattDruckForm(double seitenverhaeltnis, Dialoge& dialoge, Meldungen& meldungen,
                       QWidget* eltern = nullptr);

    // Draws the page in its own units (1000 x 1625) on the painter.
    void setzeSeite(std::function<void(QPainter&)> zeichnen) { m_zeichnen = std::move(zeichnen); }
    void Einrichten();
    void Drucken();

    QDoubleSpinBox* LinkerRand() const { return m_links; }
    QDoubleSpinBox* ObererRand() const { return m_oben; }
    QDoubleSpinBox* Breite() const { return m_breite; }
    QDoubleSpinBox* Hoehe() const { return m_hoehe; }
    QCheckBox* Seitenverhaeltnis() const { return m_verhaeltnis; }
    QLabel* Druckername() const { return m_druckername; }
    QPrinter& Drucker() { return m_drucker; }
    // Where the page goes on the paper, in device pixels of the printer; never out of the
    // page's ratio while the ratio is kept.
    QRect Zielrechteck() const;

private:
    QDoubleSpinBox* Feld(double wert, const char* name);
    void BreiteGeaendert();
    void HoeheGeaendert();
    void DruckernameZeigen();

    Dialoge& m_dialoge;
    Meldungen& m_meldungen;
    double m_seitenverhaeltnis;
    QPrinter m_drucker{QPrinter::HighResolution};
    bool m_eingerichtet = false;
    std::function<void(QPainter&)> m_zeichnen;
    QDoubleSpinBox* m_links = nullptr;
    QDoubleSpinBox* m_oben = nullptr;
    QDoubleSpinBox* m_breite = nullptr;
    QDoubleSpinBox* m_hoehe = nullptr;
    QCheckBox* m_verhaeltnis = nullptr;
    QLabel* m_druckername = nullptr;
};
