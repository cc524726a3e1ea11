#pragma once
// The status panel UebInfoPan of a running quiz: status, name, figures and clock, and
// the "?" panel that explains the key figures.
#include <QWidget>

class QLabel;
class THoverPanel;
struct StatusAnzeige;

class TUebInfoPan final : public QWidget {
    Q_OBJECT
public:
    explicit TUebInfoPan(QWidget* eltern = nullptr);

    void Anzeigen(const StatusAnzeige& status);
    // Only a changed text is set and repainted.
    void ZeitAnzeigen(const QString& text);
    void StatusText(const QString& text, const QColor& farbe);

    QLabel* Wert(const char* name) const; // "UebStatLab", "RichtigLab", "UebZeitLab", ...
    THoverPanel* KennzInfoPan() const { return m_kennzInfo; }
    int Zeitanzeigen() const { return m_zeitanzeigen; }

signals:
    void KennzahlenErklaeren();

private:
    QLabel* Zeile(const QString& titel, const char* name, QLabel* wert = nullptr);
    class TKuerzLabel* m_name = nullptr;
    QLabel* m_modus = nullptr;
    THoverPanel* m_kennzInfo = nullptr;
    int m_zeitanzeigen = 0;
    class QGridLayout* m_raster = nullptr;
};
