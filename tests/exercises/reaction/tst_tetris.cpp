// Tetris: pieces, keys, turns, row clearing, the speed-up, the end and its record.
// The game runs on the tick handler called by the test: no waiting.
#include "common/zustand.h"
#include "exercises/reaction/tetris.h"
#include "exercises/reaction/urea01.h"
#include "platform/anwendung.h"
#include "platform/dialoge.h"
#include "platform/farben.h"
#include "shell/highscore.h"
#include "tests/exercises/reaction/fallhilfe.h"
#include "tests/support/testumgebung.h"

#include <QMessageBox>
#include <QSet>

namespace {
QColor typfarbe(int t)
{
    const QColor farben[] = {farbe::kastanie, farbe::gruen, farbe::marine, farbe::schwarz,
                             farbe::rot,      farbe::fuchsia, farbe::petrol};
    return farben[t - 1];
}
}

class TestTetris : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void drehungen_data();
    void drehungen();
    void fallpunkte_data();
    void fallpunkte();
    void tastenSchiebenUndMalen();
    void zweiReihen();
    void tempo_data();
    void tempo();
    void stangeInReiheMinusEins();
    void reiheMinusEinsRutschtNach();
    void neuesSpielLeertReiheMinusEins();
    void quadratDrehtNie();
    void drehenAmRand_data();
    void drehenAmRand();
    void obersteReihen_data();
    void obersteReihen();
    void spielende_data();
    void spielende();
    void ergebnisGespeichert();
    void endeImMeldungsfenster();
    void escapeOhneErgebnis();

private:
    void starte();
    // The next tick spawns a piece of type t at column a.
    void neuerStein(int t, int a);
    Tetrisspiel& spiel() { return static_cast<Tetrisspiel&>(m_fenster->spiel()); }

    Testuhr m_uhr;
    std::unique_ptr<Arbeitsordner> m_ordner;
    std::unique_ptr<dialog::Skript> m_skript;
    std::unique_ptr<Zufallsfolge> m_zufall;
    std::unique_ptr<Trea01> m_fenster;
};

void TestTetris::init()
{
    m_ordner = std::make_unique<Arbeitsordner>();
    uhr::setzeQuelle(&m_uhr);
    waehleNutzer(7, QStringLiteral("Eva"));  // as chosen from the register
    m_skript = std::make_unique<dialog::Skript>();
    m_zufall = std::make_unique<Zufallsfolge>();
    m_fenster = std::make_unique<Trea01>();
    m_fenster->show();
}

void TestTetris::cleanup()
{
    m_fenster.reset();
    m_zufall.reset();
    m_skript.reset();
    uhr::setzeQuelle(nullptr);
    m_ordner.reset();
}

void TestTetris::starte()
{
    QTest::mouseClick(m_fenster->start, Qt::LeftButton);
    QVERIFY(m_fenster->Timer1->isActive());
    QVERIFY(m_fenster->start->isHidden());
    QVERIFY(m_fenster->pb->isVisible());
}

void TestTetris::neuerStein(int t, int a)
{
    m_zufall->mehr({wahl(a - 2, 6), wahl(t - 1, 7)});
    QVERIFY(spiel().ausstehend);
    m_fenster->Timer1Timer();
    QCOMPARE(spiel().stein.form, t);
}

// Four turns bring a piece back (two for the bar), and each turn tests every
// cell it newly takes, so no turn can put a block onto a taken cell.
void TestTetris::drehungen_data()
{
    QTest::addColumn<int>("typ");
    QTest::addColumn<int>("drehungen");
    for (int t : {1, 2, 3, 6, 7})
        QTest::addRow("Typ %d", t) << t << 4;
    QTest::newRow("Typ 4") << 4 << 2;
}

void TestTetris::drehungen()
{
    QFETCH(int, typ);
    QFETCH(int, drehungen);
    Fallbrett brett;
    brett.leeren();
    fall::Stein s = Tetrisspiel::startstein(typ, 4);
    Fallbrett::verschiebe(s, 0, 5);
    const QList<QPoint> anfang = zellen(s);
    for (int n = 1; n <= drehungen; ++n) {
        const QList<QPoint> vorher = zellen(s);
        QSet<QPoint> geprueft;
        for (const fall::Drehung& d : Tetrisspiel::drehungen())
            if (d.form == typ && d.von == s.lage)
                for (const fall::Zelle& z : d.geprueft)
                    geprueft << vorher.first() + QPoint(z.x, z.y);
        QVERIFY(brett.drehe(s, Tetrisspiel::drehungen()));
        const QList<QPoint> nachher = zellen(s);
        QCOMPARE(QSet<QPoint>(nachher.begin(), nachher.end()).size(), 4);
        for (const QPoint& p : nachher)
            if (!vorher.contains(p))
                QVERIFY2(geprueft.contains(p), "a newly taken cell is not tested");
        QCOMPARE(nachher == anfang, n == drehungen);
    }
    QCOMPARE(s.lage, 1);
}

void TestTetris::fallpunkte_data()
{
    QTest::addColumn<int>("typ");
    QTest::addColumn<int>("punkte");
    const int erwartet[] = {11, 11, 11, 13, 12, 11, 11};
    for (int t = 1; t <= 7; ++t)
        QTest::addRow("Typ %d", t) << t << erwartet[t - 1];
}

void TestTetris::fallpunkte()
{
    QFETCH(int, typ);
    QFETCH(int, punkte);
    starte();
    neuerStein(typ, 4);
    const QList<QPoint> oben = zellen(spiel().stein);
    tippeTaste(m_fenster.get(), Qt::Key_Down);
    QCOMPARE(m_fenster->label2->text(), QStringLiteral("Punkte: %1").arg(1000 + punkte));
    // the piece rests on the floor: a second drop gains nothing
    tippeTaste(m_fenster.get(), Qt::Key_Down);
    QCOMPARE(m_fenster->label2->text(), QStringLiteral("Punkte: %1").arg(1000 + punkte));
    int unten = 0;
    for (const QPoint& p : zellen(spiel().stein)) {
        unten = std::max(unten, p.y());
        QCOMPARE(zellfarbe(*m_fenster, p.x(), p.y()), typfarbe(typ));
    }
    QCOMPARE(unten, 13);
    for (const QPoint& p : oben)
        if (!zellen(spiel().stein).contains(p))
            QCOMPARE(zellfarbe(*m_fenster, p.x(), p.y()), farbe::buttonFace());
    // fixed by the next tick, the next piece comes a tick later
    m_fenster->Timer1Timer();
    QVERIFY(spiel().ausstehend);
    for (const QPoint& p : zellen(spiel().stein))
        QCOMPARE(spiel().brett.wert(p.x(), p.y()), typ);
}

void TestTetris::tastenSchiebenUndMalen()
{
    starte();
    neuerStein(2, 4);  // (4,0) (4,1) (4,2) (5,2), green
    QCOMPARE(zellfarbe(*m_fenster, 4, 0), farbe::gruen);
    QCOMPARE(zellfarbe(*m_fenster, 5, 2), farbe::gruen);
    tippeTasten(m_fenster.get(), QStringLiteral("LLLLL"));  // stops at the wall
    QCOMPARE(zellen(spiel().stein), (QList<QPoint>{{1, 0}, {1, 1}, {1, 2}, {2, 2}}));
    QCOMPARE(zellfarbe(*m_fenster, 4, 0), farbe::buttonFace());
    QCOMPARE(zellfarbe(*m_fenster, 1, 0), farbe::gruen);
    QCOMPARE(zellfarbe(*m_fenster, 0, 0), farbe::blau);  // the wall stays
    m_fenster->Timer1Timer();
    QCOMPARE(zellen(spiel().stein), (QList<QPoint>{{1, 1}, {1, 2}, {1, 3}, {2, 3}}));
    QCOMPARE(zellfarbe(*m_fenster, 1, 0), farbe::buttonFace());
    // other keys do nothing
    tippeTaste(m_fenster.get(), Qt::Key_Space);
    tippeTaste(m_fenster.get(), Qt::Key_A);
    QCOMPARE(zellen(spiel().stein), (QList<QPoint>{{1, 1}, {1, 2}, {1, 3}, {2, 3}}));
    QVERIFY(m_fenster->isVisible());
}

void TestTetris::zweiReihen()
{
    starte();
    Fallbrett& b = spiel().brett;
    for (int x = 1; x <= 9; ++x)
        if (x != 5) {
            b.setze(x, 12, 3);
            b.setze(x, 13, 3);
        }
    b.setze(1, 11, 2);
    m_fenster->malen();
    neuerStein(4, 5);
    tippeTasten(m_fenster.get(), QStringLiteral("UD"));  // upright in column 5, down to rows 10..13
    QCOMPARE(zellen(spiel().stein), (QList<QPoint>{{5, 10}, {5, 11}, {5, 12}, {5, 13}}));
    m_fenster->Timer1Timer();
    QCOMPARE(m_fenster->label2->text(), QStringLiteral("Punkte: 1211"));  // 11 rows dropped, 2 rows cleared
    QCOMPARE(m_fenster->findChild<QLabel*>(QStringLiteral("Label1"))->text(), QStringLiteral("Reihen: 2"));
    for (int y = 10; y <= 13; ++y)
        for (int x = 1; x <= 9; ++x) {
            const int soll = (x == 5 && y >= 12) ? 4 : (x == 1 && y == 13) ? 2 : 0;
            QCOMPARE(b.wert(x, y), soll);
        }
    QCOMPARE(zellfarbe(*m_fenster, 5, 13), farbe::schwarz);
    QCOMPARE(zellfarbe(*m_fenster, 1, 13), farbe::gruen);
    QCOMPARE(zellfarbe(*m_fenster, 3, 13), farbe::buttonFace());
    QCOMPARE(zellfarbe(*m_fenster, 5, 11), farbe::buttonFace());
    QCOMPARE(zellfarbe(*m_fenster, 1, 11), farbe::buttonFace());
}

void TestTetris::tempo_data()
{
    QTest::addColumn<int>("reihen");
    QTest::addColumn<int>("intervall");
    QTest::newRow("4") << 4 << 1000;
    QTest::newRow("5") << 5 << 900;
    QTest::newRow("14") << 14 << 800;
    QTest::newRow("39") << 39 << 300;
    QTest::newRow("40") << 40 << 200;
    QTest::newRow("60") << 60 << 200;
}

void TestTetris::tempo()
{
    QFETCH(int, reihen);
    QFETCH(int, intervall);
    starte();
    QCOMPARE(m_fenster->Timer1->interval(), 1000);
    for (int n = 1; n <= reihen; ++n) {
        // row 13 full but for column 2, where an upright bar lands
        leereFeld(*m_fenster);
        for (int x = 1; x <= 9; ++x)
            if (x != 2)
                spiel().brett.setze(x, 13, 7);
        neuerStein(4, 2);
        tippeTasten(m_fenster.get(), QStringLiteral("UD"));
        m_fenster->Timer1Timer();
        QCOMPARE(spiel().geloescht, n);
    }
    QCOMPARE(m_fenster->Timer1->interval(), intervall);
    QVERIFY(m_fenster->Timer1->isActive());
}

void TestTetris::stangeInReiheMinusEins()
{
    starte();
    neuerStein(4, 3);
    QCOMPARE(zellen(spiel().stein), (QList<QPoint>{{2, 0}, {3, 0}, {4, 0}, {5, 0}}));
    tippeTaste(m_fenster.get(), Qt::Key_Up);
    QCOMPARE(zellen(spiel().stein), (QList<QPoint>{{3, -1}, {3, 0}, {3, 1}, {3, 2}}));
    QCOMPARE(spiel().stein.lage, 2);
    QCOMPARE(zellfarbe(*m_fenster, 3, 0), farbe::schwarz);
    QCOMPARE(zellfarbe(*m_fenster, 2, 0), farbe::buttonFace());
    tippeTaste(m_fenster.get(), Qt::Key_Up);
    QCOMPARE(zellen(spiel().stein), (QList<QPoint>{{2, 0}, {3, 0}, {4, 0}, {5, 0}}));
    // a taken cell above the field refuses the turn
    spiel().brett.setze(3, -1, 6);
    tippeTaste(m_fenster.get(), Qt::Key_Up);
    QCOMPARE(spiel().stein.lage, 1);
}

// A bar fixed sticking out above the field comes down with the rows below it.
void TestTetris::reiheMinusEinsRutschtNach()
{
    starte();
    Fallbrett& b = spiel().brett;
    for (int y = 3; y <= 13; ++y)
        b.setze(3, y, 2);
    for (int x = 1; x <= 9; ++x)
        if (x != 3)
            b.setze(x, 2, 2);
    m_fenster->malen();
    neuerStein(4, 3);
    tippeTaste(m_fenster.get(), Qt::Key_Up);
    m_fenster->Timer1Timer();  // rests on (3,3): fixed, row 2 is full
    QCOMPARE(spiel().geloescht, 1);
    QCOMPARE(b.wert(3, -1), 0);
    for (int y = 0; y <= 2; ++y)
        QCOMPARE(b.wert(3, y), 4);
    QCOMPARE(b.wert(2, 2), 0);
    QCOMPARE(zellfarbe(*m_fenster, 3, 0), farbe::schwarz);
    QCOMPARE(zellfarbe(*m_fenster, 2, 2), farbe::buttonFace());
}

void TestTetris::neuesSpielLeertReiheMinusEins()
{
    starte();
    for (int y = 3; y <= 13; ++y)
        spiel().brett.setze(3, y, 2);
    neuerStein(4, 3);
    tippeTaste(m_fenster.get(), Qt::Key_Up);
    m_fenster->Timer1Timer();
    QCOMPARE(spiel().brett.wert(3, -1), 4);
    tippeTaste(m_fenster.get(), Qt::Key_Escape);
    QVERIFY(!m_fenster->isVisible());

    m_fenster->show();
    QVERIFY(m_fenster->start->isVisible());
    starte();
    for (int x = 0; x <= 10; ++x)
        QCOMPARE(spiel().brett.wert(x, -1), 0);
    neuerStein(4, 3);
    tippeTaste(m_fenster.get(), Qt::Key_Up);
    QCOMPARE(spiel().stein.lage, 2);
}

void TestTetris::quadratDrehtNie()
{
    starte();
    neuerStein(5, 4);
    m_fenster->Timer1Timer();
    const QList<QPoint> vorher = zellen(spiel().stein);
    for (int n = 0; n < 3; ++n) {
        tippeTaste(m_fenster.get(), Qt::Key_Up);
        QCOMPARE(zellen(spiel().stein), vorher);
        QCOMPARE(spiel().stein.lage, 1);
    }
}

void TestTetris::drehenAmRand_data()
{
    QTest::addColumn<int>("typ");
    QTest::addColumn<QString>("tasten");  // before the last turn
    QTest::addColumn<QPoint>("belegt");   // a taken cell, or none
    QTest::addColumn<bool>("gedreht");
    const QPoint keins(-5, -5);
    QTest::newRow("1 an der rechten Wand") << 1 << "RRRRRR" << keins << false;
    QTest::newRow("1 an der linken Wand") << 1 << "LLL" << keins << true;
    QTest::newRow("2 an der rechten Wand") << 2 << "RRRRRR" << keins << false;
    QTest::newRow("3 an der rechten Wand") << 3 << "RRRRRR" << keins << false;
    QTest::newRow("6 an der rechten Wand") << 6 << "RRRRRR" << keins << false;
    QTest::newRow("7 an der rechten Wand") << 7 << "RRRRRR" << keins << false;
    QTest::newRow("7 an der linken Wand") << 7 << "LLL" << keins << true;
    QTest::newRow("4 senkrecht links") << 4 << "UL" << keins << false;
    QTest::newRow("4 senkrecht rechts") << 4 << "URRRRRRR" << keins << false;
    QTest::newRow("4 senkrecht Mitte") << 4 << "URR" << keins << true;
    QTest::newRow("1 am Stapel") << 1 << "" << QPoint(4, 0) << false;
    QTest::newRow("6 überstrichene Zelle belegt") << 6 << "" << QPoint(2, 2) << false;
    QTest::newRow("7 überstrichene Zelle belegt") << 7 << "" << QPoint(4, 0) << false;
    QTest::newRow("1 frei") << 1 << "" << keins << true;
}

void TestTetris::drehenAmRand()
{
    QFETCH(int, typ);
    QFETCH(QString, tasten);
    QFETCH(QPoint, belegt);
    QFETCH(bool, gedreht);
    starte();
    neuerStein(typ, 2);
    tippeTasten(m_fenster.get(), tasten);
    spiel().brett.setze(belegt.x(), belegt.y(), 3);
    const int lage = spiel().stein.lage;
    const QList<QPoint> vorher = zellen(spiel().stein);
    tippeTaste(m_fenster.get(), Qt::Key_Up);
    QCOMPARE(spiel().stein.lage != lage, gedreht);
    QCOMPARE(zellen(spiel().stein) != vorher, gedreht);
}

void TestTetris::obersteReihen_data()
{
    QTest::addColumn<int>("reihe");
    QTest::addColumn<int>("typ");
    QTest::addColumn<int>("a");
    QTest::newRow("Reihe 1") << 1 << 5 << 4;  // the square fills (4,1) (5,1), its top stays in row 0
    QTest::newRow("Reihe 0") << 0 << 4 << 4;  // the bar fills (3..6, 0)
}

void TestTetris::obersteReihen()
{
    QFETCH(int, reihe);
    QFETCH(int, typ);
    QFETCH(int, a);
    starte();
    const fall::Stein s = Tetrisspiel::startstein(typ, a);
    Fallbrett& b = spiel().brett;
    for (int x = 1; x <= 9; ++x) {
        for (int y = reihe + 1; y <= 13; ++y)
            if (x != 9)
                b.setze(x, y, 1);  // no full row below
        bool frei = false;
        for (const fall::Block& k : s.bloecke)
            frei = frei || (k.x == x && k.y == reihe);
        if (!frei)
            b.setze(x, reihe, 1);
    }
    m_fenster->malen();
    neuerStein(typ, a);
    QVERIFY(!spiel().ende);
    m_fenster->Timer1Timer();  // cannot fall: fixed, and the row is full
    QCOMPARE(spiel().geloescht, 1);
    QCOMPARE(m_fenster->label2->text(), QStringLiteral("Punkte: 1100"));
    for (int x = 1; x <= 9; ++x) {
        QCOMPARE(b.wert(x, 0), 0);
        QCOMPARE(zellfarbe(*m_fenster, x, 0), farbe::buttonFace());
    }
    if (reihe == 1)
        for (int x = 1; x <= 9; ++x)
            QCOMPARE(b.wert(x, 1), (x == 4 || x == 5) ? 5 : 0);
}

void TestTetris::spielende_data()
{
    QTest::addColumn<bool>("belegt");
    QTest::newRow("Startzellen frei") << false;
    QTest::newRow("eine Startzelle belegt") << true;
}

void TestTetris::spielende()
{
    QFETCH(bool, belegt);
    starte();
    // the field is full but for the four cells of the next piece and column 9 below
    const fall::Stein s = Tetrisspiel::startstein(1, 4);
    for (int x = 1; x <= 9; ++x)
        for (int y = 0; y <= 13; ++y)
            if (!zellen(s).contains(QPoint(x, y)) && !(x == 9 && y > 2))
                spiel().brett.setze(x, y, 6);
    if (belegt)
        spiel().brett.setze(4, 2, 6);
    m_fenster->malen();
    neuerStein(1, 4);
    QCOMPARE(m_fenster->isVisible(), !belegt);
    QCOMPARE(m_fenster->Timer1->isActive(), !belegt);
    QCOMPARE(m_skript->texte, belegt ? QStringList{QStringLiteral("Sie haben 1000 Punkte erreicht!")} : QStringList{});
    if (!belegt)
        QCOMPARE(zellfarbe(*m_fenster, 4, 2), farbe::kastanie);
}

void TestTetris::ergebnisGespeichert()
{
    starte();
    neuerStein(4, 4);
    tippeTaste(m_fenster.get(), Qt::Key_Down);  // 13 points
    m_fenster->Timer1Timer();
    spiel().brett.setze(4, 0, 2);  // the next piece finds a cell taken
    m_zufall->mehr({wahl(2, 6), wahl(0, 7)});
    m_fenster->Timer1Timer();
    QCOMPARE(m_skript->texte, QStringList{QStringLiteral("Sie haben 1013 Punkte erreicht!")});
    QVERIFY(!m_fenster->isVisible());
    QVERIFY(!m_fenster->Timer1->isActive());
    QCOMPARE(letztesErgebnis(61, 7), QStringLiteral("07.03.2026   1013"));
    Satzdatei d(highscore::kDatei, highscore::kSatzgroesse);
    d.positioniere(highscore::block(61) * highscore::kPlaetze);
    const highscore::Platz erster = highscore::ausSatz(d.lies());
    QCOMPARE(erster.name, QStringLiteral("Eva"));
    QCOMPARE(erster.punkte, QStringLiteral("1013"));
    // a tick that comes late does nothing
    m_fenster->Timer1Timer();
    QCOMPARE(m_skript->texte.size(), 1);
}

// The real message box: the timer stands still while it is up, and a tick that
// comes in meanwhile does nothing.
void TestTetris::endeImMeldungsfenster()
{
    m_skript.reset();
    starte();
    spiel().brett.setze(5, 1, 2);
    QString text;
    bool timerAus = false;
    ModalWaechter waechter([&](QWidget* w) {
        auto* box = qobject_cast<QMessageBox*>(w);
        text = box ? box->text() : QString();
        timerAus = !m_fenster->Timer1->isActive();
        m_fenster->Timer1Timer();
        if (box)
            box->accept();
    });
    neuerStein(5, 4);  // (5,1) is taken
    QVERIFY(waechter.ausgeloest());
    QCOMPARE(text, QStringLiteral("Sie haben 1000 Punkte erreicht!"));
    QVERIFY(timerAus);
    QVERIFY(!m_fenster->isVisible());
    QCOMPARE(letztesErgebnis(61, 7), QStringLiteral("07.03.2026   1000"));
}

void TestTetris::escapeOhneErgebnis()
{
    const QByteArray ergebnisse = m_ordner->lies(QStringLiteral("xbaserg4.dat"));
    const QByteArray bestenliste = m_ordner->lies(highscore::kDatei);
    starte();
    neuerStein(3, 5);
    tippeTaste(m_fenster.get(), Qt::Key_Down);
    tippeTaste(m_fenster.get(), Qt::Key_Escape);
    QVERIFY(!m_fenster->isVisible());
    QVERIFY(!m_fenster->Timer1->isActive());
    QVERIFY(m_skript->texte.isEmpty());
    QCOMPARE(m_ordner->lies(QStringLiteral("xbaserg4.dat")), ergebnisse);
    QCOMPARE(m_ordner->lies(highscore::kDatei), bestenliste);
    // the next opening starts afresh
    m_fenster->show();
    QCOMPARE(m_fenster->label2->text(), QStringLiteral("Punkte: 1000"));
    QVERIFY(m_fenster->start->isVisible());
    QVERIFY(m_fenster->pb->isHidden());
}

int main(int argc, char** argv)
{
    Anwendung app(argc, argv);
    TestTetris t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_tetris.moc"
