#pragma once
// A paint device that keeps what is drawn on it as a list of simple vector commands in
// device units: lines, filled areas, text runs and images. The metafile writers turn the
// list into records, and tests read the page's figures from it.
#include <QColor>
#include <QImage>
#include <QPaintDevice>
#include <QPolygon>
#include <QRect>
#include <QSize>
#include <QString>
#include <memory>
#include <vector>

struct Zeichenbefehl {
    enum class Art { Linienzug, Flaeche, Text, Bild };
    Art art = Art::Linienzug;
    QPolygon punkte; // Linienzug, Flaeche
    QColor farbe;    // pen colour (Linienzug), fill (Flaeche), text colour (Text)
    int stiftBreite = 1;
    QPoint basis; // Text: left end of the baseline
    QString text;
    QString schriftart;
    int schrifthoehe = 0; // character height (em), device units
    bool fett = false;
    bool kursiv = false;
    bool unterstrichen = false;
    std::vector<int> vorschub; // Text: advance of each UTF-16 unit
    QRect ziel;                // Bild
    QImage bild;               // Bild, RGB888
};

class SeitenaufzeichnungEngine;

class Seitenaufzeichnung final : public QPaintDevice {
public:
    // `dpi`: the resolution reported to painters; fonts sized in pixels ignore it.
    explicit Seitenaufzeichnung(QSize groesse, int dpi = 96);
    ~Seitenaufzeichnung() override;

    QPaintEngine* paintEngine() const override;
    QSize Groesse() const { return m_groesse; }
    const std::vector<Zeichenbefehl>& Befehle() const { return m_befehle; }
    void Hinzufuegen(Zeichenbefehl befehl) { m_befehle.push_back(std::move(befehl)); }

protected:
    int metric(PaintDeviceMetric metrik) const override;

private:
    QSize m_groesse;
    int m_dpi;
    std::vector<Zeichenbefehl> m_befehle;
    std::unique_ptr<SeitenaufzeichnungEngine> m_engine;
};
