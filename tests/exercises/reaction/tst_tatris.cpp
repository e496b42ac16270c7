// Tatris: coloured pieces, runs of four, the landed piece falling after a run,
// the steps of colours and shapes, the obstacles, the end in the message window.
// The game runs on the tick handler called by the test: no waiting.
#include "common/zustand.h"
#include "exercises/reaction/tatris.h"
#include "exercises/reaction/urea02.h"
#include "platform/anwendung.h"
#include "platform/dialoge.h"
#include "platform/farben.h"
#include "shell/highscore.h"
#include "tests/exercises/reaction/fallhilfe.h"
#include "tests/support/testumgebung.h"

#include <QSet>

namespace {
constexpr int B = Tatrisspiel::kBlau;
constexpr int R = Tatrisspiel::kRot;
constexpr int G = Tatrisspiel::kGelb;
constexpr int N = Tatrisspiel::kGruen;
}

class TestTatris : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void drehtabelle_data();
    void drehtabelle();
    void hindernisse();
    void lauf_data();
    void lauf();
    void fuenfInEinerReihe();
    void paarRutschtNach();
    void eckeRutschtNach();
    void zweiLaeufe();
    void stufen_data();
    void stufen();
    void stufeInEinerLandung_data();
    void stufeInEinerLandung();
    void spielende_data();
    void spielende();

private:
    // Clicks start with six obstacles, all on (9,5) unless given.
    void starte(QList<QPoint> hindernisse = {});
    // Spawns a piece; C colours and S shapes are in play.
    void neuerStein(int form, int f1, int f2, int f3, int C = 2, int S = 1);
    Tatrisspiel& spiel() { return static_cast<Tatrisspiel&>(m_fenster->spiel()); }
    void setze(std::initializer_list<QPoint> zellen, int farbe);
    // The run of two runs: pair red/blue lands at (4,10) (5,10).
    void zweiLaeufeAufbauen();

    Testuhr m_uhr;
    std::unique_ptr<Arbeitsordner> m_ordner;
    std::unique_ptr<Zufallsfolge> m_zufall;
    std::unique_ptr<Trea02> m_fenster;
};

void TestTatris::init()
{
    m_ordner = std::make_unique<Arbeitsordner>();
    uhr::setzeQuelle(&m_uhr);
    waehleNutzer(3, QStringLiteral("Jörg"));  // as chosen from the register
    meldung.clear();
    Form::setzeModalErsatz([](Form*) { return 0; });  // the message window answers at once
    m_zufall = std::make_unique<Zufallsfolge>();
    m_fenster = std::make_unique<Trea02>();
    m_fenster->show();
}

void TestTatris::cleanup()
{
    m_fenster.reset();
    m_zufall.reset();
    Form::setzeModalErsatz(nullptr);
    uhr::setzeQuelle(nullptr);
    m_ordner.reset();
}

void TestTatris::starte(QList<QPoint> hindernisse)
{
    while (hindernisse.size() < 6)
        hindernisse << QPoint(9, 5);
    for (const QPoint& p : hindernisse)
        m_zufall->mehr({wahl(p.x() - 1, 9), wahl(p.y() - 5, 8)});
    QTest::mouseClick(m_fenster->start, Qt::LeftButton);
    QVERIFY(m_zufall->leer());
    QVERIFY(m_fenster->Timer1->isActive());
}

void TestTatris::neuerStein(int form, int f1, int f2, int f3, int C, int S)
{
    m_zufall->mehr({wahl(f1 - 1, C), wahl(f2 - 1, C), wahl(f3 - 1, C), wahl(form - 1, S)});
    QVERIFY(spiel().ausstehend);
    m_fenster->Timer1Timer();
    QVERIFY(m_zufall->leer());
    QCOMPARE(spiel().stein.form, form);
}

void TestTatris::setze(std::initializer_list<QPoint> zellen, int farbe)
{
    for (const QPoint& p : zellen)
        spiel().brett.setze(p.x(), p.y(), farbe);
    m_fenster->malen();
}

void TestTatris::drehtabelle_data()
{
    QTest::addColumn<int>("form");
    QTest::newRow("Paar") << 1;
    QTest::newRow("drei in einer Reihe") << 2;
    QTest::newRow("Ecke") << 3;
}

// Four turns bring a piece back; each turn tests every cell it newly takes.
void TestTatris::drehtabelle()
{
    QFETCH(int, form);
    Fallbrett brett;
    brett.leeren();
    fall::Stein s = Tatrisspiel::startstein(form, R, B, G);
    Fallbrett::verschiebe(s, 0, 5);
    const QList<QPoint> anfang = zellen(s);
    for (int n = 1; n <= 4; ++n) {
        const QList<QPoint> vorher = zellen(s);
        const QPoint b1 = vorher.first();
        QSet<QPoint> geprueft;
        for (const fall::Drehung& d : Tatrisspiel::drehungen())
            if (d.form == form && d.von == s.lage)
                for (const fall::Zelle& z : d.geprueft)
                    geprueft << b1 + QPoint(z.x, z.y);
        QVERIFY(brett.drehe(s, Tatrisspiel::drehungen()));
        QCOMPARE(s.lage, n % 4 + 1);
        for (const QPoint& p : zellen(s))
            if (!vorher.contains(p))
                QVERIFY2(geprueft.contains(p), "a newly taken cell is not tested");
        if (form == 1)
            QCOMPARE(zellen(s)[2], zellen(s)[1]);  // block 3 stays on block 2
        QCOMPARE(zellen(s) == anfang, n == 4);
    }
}

// Six draws, two on the same cell; four of them in a row vanish at the first landing.
void TestTatris::hindernisse()
{
    starte({{1, 12}, {2, 12}, {3, 12}, {4, 12}, {5, 8}, {5, 8}});
    QCOMPARE(m_fenster->findChild<QLabel*>(QStringLiteral("label1"))->text(), QStringLiteral("Blöcke: 0"));
    int zahl = 0;
    for (int x = 1; x <= 9; ++x)
        for (int y = 0; y <= 13; ++y)
            if (spiel().brett.wert(x, y) != 0) {
                ++zahl;
                QCOMPARE(spiel().brett.wert(x, y), B);
                QCOMPARE(zellfarbe(*m_fenster, x, y), farbe::blau);
            }
    QCOMPARE(zahl, 5);
    neuerStein(1, R, R, R);
    tippeTasten(m_fenster.get(), QStringLiteral("RRRRD"));  // lands in columns 7 and 8
    m_fenster->Timer1Timer();
    QCOMPARE(m_fenster->label2->text(), QStringLiteral("Punkte: 1112"));  // 12 rows, one run
    for (int x = 1; x <= 4; ++x) {
        QCOMPARE(spiel().brett.wert(x, 12), 0);
        QCOMPARE(zellfarbe(*m_fenster, x, 12), farbe::buttonFace());
    }
    QCOMPARE(spiel().brett.wert(5, 8), B);
}

void TestTatris::lauf_data()
{
    QTest::addColumn<bool>("senkrecht");
    QTest::newRow("in einer Reihe") << false;
    QTest::newRow("in einer Spalte") << true;
}

void TestTatris::lauf()
{
    QFETCH(bool, senkrecht);
    starte();
    if (senkrecht)
        setze({{4, 12}, {4, 13}}, R);
    else
        setze({{1, 13}, {2, 13}}, R);
    neuerStein(1, R, R, B);  // with one shape block 3 takes block 2's colour
    QCOMPARE(spiel().stein.bloecke[2].wert, R);
    if (senkrecht) {
        tippeTaste(m_fenster.get(), Qt::Key_Up);  // upright: (4,0) over (4,1)
        QCOMPARE(zellen(spiel().stein), (QList<QPoint>{{4, 0}, {4, 1}, {4, 1}}));
        QCOMPARE(zellfarbe(*m_fenster, 4, 0), farbe::buttonFace());  // row 0 is never shown
        QCOMPARE(zellfarbe(*m_fenster, 4, 1), farbe::rot);
        QCOMPARE(zellfarbe(*m_fenster, 3, 1), farbe::buttonFace());
        m_fenster->Timer1Timer();  // one row down, both cells in view
        QCOMPARE(zellfarbe(*m_fenster, 4, 1), farbe::rot);
        QCOMPARE(zellfarbe(*m_fenster, 4, 2), farbe::rot);
    }
    tippeTaste(m_fenster.get(), Qt::Key_Down);
    m_fenster->Timer1Timer();
    QCOMPARE(spiel().geloescht, 1);
    QCOMPARE(m_fenster->findChild<QLabel*>(QStringLiteral("label1"))->text(), QStringLiteral("Blöcke: 1"));
    for (int x = 1; x <= 9; ++x)
        for (int y = 9; y <= 13; ++y) {
            QCOMPARE(spiel().brett.wert(x, y), 0);
            QCOMPARE(zellfarbe(*m_fenster, x, y), farbe::buttonFace());
        }
    QCOMPARE(m_fenster->label2->text(), QStringLiteral("Punkte: %1").arg(senkrecht ? 1109 : 1112));
}

void TestTatris::fuenfInEinerReihe()
{
    starte();
    setze({{1, 13}, {2, 13}, {5, 13}}, B);
    neuerStein(1, B, B, B);
    tippeTaste(m_fenster.get(), Qt::Key_Down);
    m_fenster->Timer1Timer();
    QCOMPARE(spiel().geloescht, 1);
    for (int x = 1; x <= 4; ++x)
        QCOMPARE(spiel().brett.wert(x, 13), 0);
    QCOMPARE(spiel().brett.wert(5, 13), B);
    QCOMPARE(zellfarbe(*m_fenster, 5, 13), farbe::blau);
}

void TestTatris::paarRutschtNach()
{
    starte();
    setze({{1, 13}, {2, 13}, {3, 13}}, R);
    setze({{2, 12}}, B);  // an older cell above the run
    neuerStein(1, B, R, R);
    tippeTasten(m_fenster.get(), QStringLiteral("UD"));  // blue (4,12) over red (4,13)
    QCOMPARE(zellen(spiel().stein), (QList<QPoint>{{4, 12}, {4, 13}, {4, 13}}));
    m_fenster->Timer1Timer();
    QCOMPARE(spiel().geloescht, 1);
    QCOMPARE(spiel().brett.wert(4, 13), B);  // the upper cell of the pair fell
    QCOMPARE(spiel().brett.wert(4, 12), 0);
    QCOMPARE(spiel().brett.wert(2, 12), B);  // the older cell hangs on
    QCOMPARE(spiel().brett.wert(2, 13), 0);
    QCOMPARE(zellfarbe(*m_fenster, 4, 13), farbe::blau);
    QCOMPARE(zellfarbe(*m_fenster, 4, 12), farbe::buttonFace());
}

void TestTatris::eckeRutschtNach()
{
    starte();
    spiel().geloescht = 25;  // three colours, three shapes
    setze({{1, 13}, {2, 13}, {4, 13}}, R);
    neuerStein(3, R, B, G, 3, 3);  // red (3,2), blue (3,1), yellow (4,1)
    tippeTaste(m_fenster.get(), Qt::Key_Down);
    QCOMPARE(zellen(spiel().stein), (QList<QPoint>{{3, 13}, {3, 12}, {4, 12}}));
    m_fenster->Timer1Timer();
    QCOMPARE(spiel().geloescht, 26);
    QCOMPARE(spiel().brett.wert(3, 13), B);
    QCOMPARE(spiel().brett.wert(4, 13), G);
    QCOMPARE(spiel().brett.wert(3, 12), 0);
    QCOMPARE(spiel().brett.wert(4, 12), 0);
    QCOMPARE(zellfarbe(*m_fenster, 4, 13), farbe::gelb);
}

void TestTatris::zweiLaeufeAufbauen()
{
    setze({{1, 10}, {2, 10}, {3, 10}}, R);
    setze({{5, 11}, {5, 12}, {5, 13}}, B);
}

void TestTatris::zweiLaeufe()
{
    starte();
    zweiLaeufeAufbauen();
    neuerStein(1, R, B, B);
    tippeTasten(m_fenster.get(), QStringLiteral("RD"));
    QCOMPARE(zellen(spiel().stein), (QList<QPoint>{{4, 10}, {5, 10}, {5, 10}}));
    m_fenster->Timer1Timer();
    QCOMPARE(m_fenster->findChild<QLabel*>(QStringLiteral("label1"))->text(), QStringLiteral("Blöcke: 2"));
    QCOMPARE(m_fenster->label2->text(), QStringLiteral("Punkte: 1209"));  // 9 rows, two runs
    for (int x = 1; x <= 9; ++x)
        for (int y = 10; y <= 13; ++y)
            QCOMPARE(spiel().brett.wert(x, y), 0);
}

void TestTatris::stufen_data()
{
    QTest::addColumn<int>("bloecke");
    QTest::addColumn<int>("farben");
    QTest::addColumn<int>("formen");
    QTest::newRow("0") << 0 << 2 << 1;
    QTest::newRow("9") << 9 << 2 << 1;
    QTest::newRow("10") << 10 << 2 << 2;
    QTest::newRow("19") << 19 << 2 << 2;
    QTest::newRow("20") << 20 << 3 << 2;
    QTest::newRow("24") << 24 << 3 << 2;
    QTest::newRow("25") << 25 << 3 << 3;
    QTest::newRow("30") << 30 << 4 << 3;
    QTest::newRow("47") << 47 << 4 << 3;
}

// The highest colour and shape in play come with a draw just below 1.
void TestTatris::stufen()
{
    QFETCH(int, bloecke);
    QFETCH(int, farben);
    QFETCH(int, formen);
    starte();
    spiel().geloescht = bloecke;
    m_zufall->mehr({0.999, 0.0, 0.999, 0.999});
    m_fenster->Timer1Timer();
    QCOMPARE(spiel().stein.form, formen);
    QCOMPARE(spiel().stein.bloecke[0].wert, farben);
    QCOMPARE(spiel().stein.bloecke[1].wert, 1);
    QCOMPARE(spiel().stein.bloecke[2].wert, formen == 1 ? 1 : farben);
}

void TestTatris::stufeInEinerLandung_data()
{
    QTest::addColumn<int>("vorher");
    QTest::addColumn<int>("farben");
    QTest::addColumn<int>("formen");
    QTest::newRow("9 -> 11") << 9 << 2 << 2;
    QTest::newRow("19 -> 21") << 19 << 3 << 2;
    QTest::newRow("24 -> 26") << 24 << 3 << 3;
    QTest::newRow("29 -> 31") << 29 << 4 << 3;
}

// A landing with two runs carries the count past a step: the step still comes.
void TestTatris::stufeInEinerLandung()
{
    QFETCH(int, vorher);
    QFETCH(int, farben);
    QFETCH(int, formen);
    starte();
    spiel().geloescht = vorher;
    zweiLaeufeAufbauen();
    const int C = vorher >= 20 ? 3 : 2;
    const int S = vorher >= 10 ? 2 : 1;
    neuerStein(1, R, B, B, C, S);
    tippeTasten(m_fenster.get(), QStringLiteral("RD"));
    m_fenster->Timer1Timer();
    QCOMPARE(spiel().geloescht, vorher + 2);
    m_zufall->mehr({0.999, 0.999, 0.999, 0.999});
    m_fenster->Timer1Timer();
    QCOMPARE(spiel().stein.form, formen);
    QCOMPARE(spiel().stein.bloecke[0].wert, farben);
}

void TestTatris::spielende_data()
{
    QTest::addColumn<bool>("escape");
    QTest::newRow("nächster Takt") << false;
    QTest::newRow("Esc vor dem nächsten Takt") << true;
}

// The blocked piece shows over the stack until the next tick ends the game.
void TestTatris::spielende()
{
    QFETCH(bool, escape);
    const QByteArray ergebnisse = m_ordner->lies(QStringLiteral("xbaserg4.dat"));
    const QByteArray bestenliste = m_ordner->lies(highscore::kDatei);
    starte();
    neuerStein(1, R, B, B);
    tippeTaste(m_fenster.get(), Qt::Key_Down);  // 12 points
    m_fenster->Timer1Timer();
    setze({{4, 1}}, G);  // the next piece finds a cell taken
    // a tick or a key that comes in while the message window is up changes nothing
    QList<QColor> gezeigt;
    bool timerAus = false;
    int meldungen = 0;
    Form::setzeModalErsatz([&](Form*) {
        ++meldungen;
        gezeigt << zellfarbe(*m_fenster, 3, 1) << zellfarbe(*m_fenster, 4, 1);
        timerAus = !m_fenster->Timer1->isActive();
        m_fenster->Timer1Timer();
        tippeTaste(m_fenster.get(), Qt::Key_Down);
        return 0;
    });
    neuerStein(1, B, R, R);
    QVERIFY(spiel().ende);
    QCOMPARE(meldungen, 0);
    QVERIFY(m_fenster->isVisible());
    QVERIFY(m_fenster->Timer1->isActive());
    QCOMPARE(zellfarbe(*m_fenster, 3, 1), farbe::blau);
    QCOMPARE(zellfarbe(*m_fenster, 4, 1), farbe::rot);
    tippeTasten(m_fenster.get(), QStringLiteral("DLU"));  // the game is over: keys do nothing
    QCOMPARE(zellen(spiel().stein), (QList<QPoint>{{3, 1}, {4, 1}, {4, 1}}));
    QCOMPARE(m_fenster->label2->text(), QStringLiteral("Punkte: 1012"));
    if (escape) {
        tippeTaste(m_fenster.get(), Qt::Key_Escape);
        QVERIFY(!m_fenster->isVisible());
        QVERIFY(!m_fenster->Timer1->isActive());
        m_fenster->Timer1Timer();
        QCOMPARE(meldungen, 0);
        QVERIFY(meldung.isEmpty());
        QCOMPARE(m_ordner->lies(QStringLiteral("xbaserg4.dat")), ergebnisse);
        QCOMPARE(m_ordner->lies(highscore::kDatei), bestenliste);
        return;
    }
    m_fenster->Timer1Timer();
    QCOMPARE(meldungen, 1);
    QCOMPARE(gezeigt, (QList<QColor>{farbe::blau, farbe::rot}));
    QVERIFY(timerAus);
    QCOMPARE(m_fenster->label2->text(), QStringLiteral("Punkte: 1012"));
    QVERIFY(!m_fenster->isVisible());
    QVERIFY(!m_fenster->Timer1->isActive());
    QCOMPARE(meldung, QStringLiteral("Sie haben 1012 Punkte erreicht!"));
    QCOMPARE(letztesErgebnis(62, 3), QStringLiteral("07.03.2026   1012"));
    QVERIFY(m_ordner->lies(QStringLiteral("xbaserg4.dat")) != ergebnisse);
    Satzdatei d(highscore::kDatei, highscore::kSatzgroesse);
    d.positioniere(highscore::block(62) * highscore::kPlaetze);
    QCOMPARE(highscore::ausSatz(d.lies()).punkte, QStringLiteral("1012"));
    m_fenster->Timer1Timer();  // a late tick records nothing more
    QCOMPARE(meldungen, 1);
}

int main(int argc, char** argv)
{
    Anwendung app(argc, argv);
    TestTatris t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_tatris.moc"
