#pragma once
// A label for a text of any length in a narrow place: what does not fit ends in "…",
// and the whole text is the tooltip.
#include <QLabel>

class TKuerzLabel final : public QLabel {
    Q_OBJECT
public:
    explicit TKuerzLabel(QWidget* eltern = nullptr);

    void setzeVollText(const QString& text);
    const QString& vollText() const { return m_voll; }

protected:
    void resizeEvent(QResizeEvent* ereignis) override;

private:
    void Kuerzen();
    QString m_voll;
};
