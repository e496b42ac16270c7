#pragma once
// "Wortmuster" (Tged13): L cells of the grid are shown for three seconds; then
// every cell shows a letter and the user types the word that the letters of the
// pattern cells spell in reading order. L (in levelnr) is 4 at the opening and
// grows by one after every third right answer, up to 7.
#include "exercises/memory/rastermuster.h"
#include "exercises/shared/wortliste.h"

#include <QHash>
#include <QImage>

class QKeyEvent;
class QLineEdit;

namespace wortmuster {
// The longest word length of the list up to l; 0 when the list holds no such word.
int laenge(const std::vector<TBegriff>& liste, int l);
}

class Tged13 : public Rasterfenster {
    Q_OBJECT
public:
    static constexpr int kProgramm = 95;
    static constexpr int kErstesL = 4;
    static constexpr int kGroesstesL = 7;
    static constexpr int kSerie = 3;  // right answers that make L one larger
    static constexpr int kHoechstensZeichen = 9;

    Tged13();

    QLineEdit* eingabe;
    QLabel* rifa;

    // Read by tests.
    const QString& wort() const { return m_wort; }
    QChar buchstabe(QPoint z) const { return m_buchstaben[rastermuster::index(z)]; }
    int serie() const { return m_serie; }
    bool offen() const { return m_offen; }

protected:
    bool aufgabe() override;
    void beiStart() override;
    void verdeckt() override;
    void beiOeffnung() override;
    void beiSchliessen() override;
    void ordneAn(QSize aussen, int bildHoehe) override;

private:
    bool eingabeKeyPress(QKeyEvent* e);
    void eingabeKeyUp(QKeyEvent* e);
    void urteile();
    void schreibe(QPoint z);
    const QImage& glyphe(QChar z, const QFont& schrift);

    QString m_wort;
    std::array<QChar, rastermuster::kZellen> m_buchstaben{};
    int m_serie = 0;
    bool m_offen = false;  // the answer may be judged
    QHash<QChar, QImage> m_glyphen;
    int m_glyphenHoehe = 0;
};
