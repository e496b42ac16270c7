// The pieces of the pair grids apart from the window: the block-coded score,
// the split of a record, the groups of a round, the grid's units, cursor and
// mouse bands, and the block choice's rules.
#include "common/zufall.h"
#include "exercises/shared/blockpunkte.h"
#include "exercises/shared/blockwahl.h"
#include "exercises/shared/paargitter.h"
#include "exercises/shared/uzuo01.h"
#include "exercises/shared/zuordnung.h"
#include "platform/anwendung.h"

#include <QSet>
#include <QTest>
#include <random>

class TestZuordnung : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { zufall::setzeFolge({}); }
    void blockcode_data();
    void blockcode();
    void ganzePunkte_data();
    void ganzePunkte();
    void teilen_data();
    void teilen();
    void gruppen_data();
    void gruppen();
    void waehlen();
    void gitterMasse();
    void cursor_data();
    void cursor();
    void mausbaender_data();
    void mausbaender();
    void blockEingabe_data();
    void blockEingabe();
};

void TestZuordnung::blockcode_data()
{
    QTest::addColumn<float>("punkte");
    QTest::addColumn<double>("sekunden");
    QTest::addColumn<int>("block");
    QTest::addColumn<double>("wert");
    QTest::addColumn<QString>("meldung");
    QTest::newRow("Block 2, 537,4") << 637.4f << 100.0 << 2 << 537.0205078125
                                    << "Sie haben 537,020 Punkte erreicht!";
    QTest::newRow("Block 1, 52,9") << 152.9f << 100.0 << 1 << 52.010501861572266
                                   << "Sie haben 52,0105 Punkte erreicht!";
    QTest::newRow("Block 3, 2913,2") << 3100.0f << 186.8 << 3 << 2913.030517578125
                                     << "Sie haben 2913,03 Punkte erreicht!";
    QTest::newRow("Block 3, zu langsam") << 100.0f << 5000.0 << 3 << 2.0304999351501465
                                         << "Sie haben 2,03049 Punkte erreicht!";
    QTest::newRow("Block 0, nur 0,0005") << 1900.0f << 60.0 << 0 << 1840.00048828125
                                         << "Sie haben 1840,00 Punkte erreicht!";
}

void TestZuordnung::blockcode()
{
    QFETCH(float, punkte);
    QFETCH(double, sekunden);
    QFETCH(int, block);
    QFETCH(double, wert);
    QFETCH(QString, meldung);
    const float w = blockpunkte::wert(Tzuo01::endpunkte(punkte, sekunden), block);
    QCOMPARE(static_cast<double>(w), wert);
    QCOMPARE(blockpunkte::meldung(w), meldung);
}

void TestZuordnung::ganzePunkte_data()
{
    QTest::addColumn<float>("punkte");
    QTest::addColumn<double>("sekunden");
    QTest::addColumn<QString>("meldung");
    // two wrong picks, 24 matches, 200.6 s
    // 2219.4 in single precision is 2219.39990234375
    QTest::newRow("2219") << 2420.0f << 200.6 << "Sie haben 2219,3 Punkte erreicht!";
    QTest::newRow("langsam") << 2500.0f << 9000.0 << "Sie haben 2 Punkte erreicht!";
}

void TestZuordnung::ganzePunkte()
{
    QFETCH(float, punkte);
    QFETCH(double, sekunden);
    QFETCH(QString, meldung);
    // the score before the whole points are taken, and the text of the other
    // parameters: no 0.0005 and 5 characters
    QCOMPARE(blockpunkte::meldung(Tzuo01::endpunkte(punkte, sekunden), 6), meldung);
    QCOMPARE(static_cast<double>(blockpunkte::wert(12.9f, 10, 0.0)), 12.100000381469727);
    QCOMPARE(blockpunkte::meldung(12.1f, 5), QStringLiteral("Sie haben 12,10 Punkte erreicht!"));
}

void TestZuordnung::teilen_data()
{
    QTest::addColumn<QString>("satz");
    QTest::addColumn<QString>("links");
    QTest::addColumn<QString>("rechts");
    QTest::newRow("Paar") << "heiß,kalt" << "heiß" << "kalt";
    QTest::newRow("Dezimalkomma rechts") << "15 : 2,7,5" << "15 : 2" << "7,5";
    QTest::newRow("ohne Komma") << "Apfel" << "Apfel" << "";
    QTest::newRow("leer") << "" << "" << "";
    QTest::newRow("nur Komma") << "," << "" << "";
    QTest::newRow("Komma am Ende") << "Maß," << "Maß" << "";
}

void TestZuordnung::teilen()
{
    QFETCH(QString, satz);
    QFETCH(QString, links);
    QFETCH(QString, rechts);
    const zuordnung::Paar p = zuordnung::teile(satz);
    QCOMPARE(p.links, links);
    QCOMPARE(p.rechts, rechts);
}

void TestZuordnung::gruppen_data()
{
    QTest::addColumn<int>("block");
    QTest::addColumn<int>("runde");
    QTest::addColumn<int>("erster");
    QTest::newRow("1/1") << 1 << 1 << 0;
    QTest::newRow("1/5") << 1 << 5 << 32;
    QTest::newRow("2/1") << 2 << 1 << 40;
    QTest::newRow("2/3") << 2 << 3 << 56;
    QTest::newRow("3/5") << 3 << 5 << 112;
}

void TestZuordnung::gruppen()
{
    QFETCH(int, block);
    QFETCH(int, runde);
    QFETCH(int, erster);
    QStringList tabelle;
    for (int i = 0; i < 120; ++i)
        tabelle << QStringLiteral("L%1,R%1").arg(i);
    auto g = std::make_shared<std::mt19937>(block * 10 + runde);
    zufall::setzeFolge([g] { return (*g)() / 4294967296.0; });
    zuordnung::Runde r;
    r.mische(tabelle, zuordnung::blockgruppe(block, runde));
    // six different records of the group, each split over two cells
    QSet<int> links, rechts;
    for (int s = 1; s <= 2; ++s)
        for (int z = 1; z <= 6; ++z) {
            const QString t = r.zelle(s, z).text;
            const int nr = t.mid(1).toInt();
            QVERIFY2(nr >= erster && nr < erster + 8, qPrintable(t));
            (t[0] == QLatin1Char('L') ? links : rechts) << nr;
        }
    QCOMPARE(links.size(), 6);
    QCOMPARE(links, rechts);
}

void TestZuordnung::waehlen()
{
    QStringList tabelle;
    for (int i = 0; i < 8; ++i)
        tabelle << QStringLiteral("L%1,R%1").arg(i);
    zuordnung::Runde r;
    r.mische(tabelle, 1);
    // where each text stands
    QMap<QString, QPair<int, int>> ort;
    for (int s = 1; s <= 2; ++s)
        for (int z = 1; z <= 6; ++z)
            ort[r.zelle(s, z).text] = {s, z};
    const int a = r.saetze()[0], b = r.saetze()[1];
    auto w = [&](const QString& t) { return r.waehle(ort[t].first, ort[t].second); };
    using zuordnung::Wahl;
    const QString la = QStringLiteral("L%1").arg(a), ra = QStringLiteral("R%1").arg(a);
    const QString lb = QStringLiteral("L%1").arg(b), rb = QStringLiteral("R%1").arg(b);
    QCOMPARE(w(la), Wahl::Erste);
    QCOMPARE(w(la), Wahl::Fehler);  // the same cell twice
    QCOMPARE(w(la), Wahl::Erste);
    QCOMPARE(w(lb), Wahl::Fehler);  // another pair
    QCOMPARE(w(ra), Wahl::Erste);   // the wrong pick was no new first pick
    QCOMPARE(w(la), Wahl::Treffer);
    QCOMPARE(r.geloest(), 1);
    QCOMPARE(w(la), Wahl::Nichts);  // solved, without a first pick
    QCOMPARE(w(rb), Wahl::Erste);
    QCOMPARE(w(ra), Wahl::Nichts);  // solved, with a first pick waiting
    QVERIFY(r.ersteWartet());
    QCOMPARE(w(lb), Wahl::Treffer);
    QCOMPARE(r.waehle(0, 1), Wahl::Nichts);
    QCOMPARE(r.waehle(3, 1), Wahl::Nichts);
    QCOMPARE(r.waehle(1, 7), Wahl::Nichts);
    QCOMPARE(r.geloest(), 2);
    QVERIFY(!r.fertig());
}

void TestZuordnung::gitterMasse()
{
    Paargitter g;
    g.ex = 19;
    g.ey = 10;
    QCOMPARE(g.zellrahmen(1, 5), QRect(QPoint(1007, 840), QPoint(1843, 960)));
    QCOMPARE(g.textort(0, 2), QPoint(95, 380));
    QCOMPARE(g.cursorrahmen(0, 0), QRect(QPoint(19, 20), QPoint(931, 180)));
}

void TestZuordnung::cursor_data()
{
    QTest::addColumn<int>("taste");
    QTest::addColumn<int>("vonX");
    QTest::addColumn<int>("vonY");
    QTest::addColumn<int>("nachX");
    QTest::addColumn<int>("nachY");
    QTest::newRow("links aus 0") << 37 << 0 << 3 << 1 << 3;
    QTest::newRow("links aus 1") << 37 << 1 << 3 << 0 << 3;
    QTest::newRow("rechts aus 1") << 39 << 1 << 2 << 0 << 2;
    QTest::newRow("hoch aus 0") << 38 << 1 << 0 << 1 << 5;
    QTest::newRow("hoch aus 4") << 38 << 0 << 4 << 0 << 3;
    QTest::newRow("runter aus 5") << 40 << 0 << 5 << 0 << 0;
    QTest::newRow("andere Taste") << 13 << 1 << 4 << 1 << 4;
}

void TestZuordnung::cursor()
{
    QFETCH(int, taste);
    QFETCH(int, vonX);
    QFETCH(int, vonY);
    QFETCH(int, nachX);
    QFETCH(int, nachY);
    Paargitter g;
    int x = vonX, y = vonY;
    QCOMPARE(g.bewege(taste, x, y), taste != 13);
    QCOMPARE(x, nachX);
    QCOMPARE(y, nachY);
    // a grid of rows 1 to 5 wraps there
    Paargitter teil;
    teil.ersteZeile = 1;
    int tx = 0, ty = 1;
    teil.bewege(38, tx, ty);
    QCOMPARE(ty, 5);
    teil.bewege(40, tx, ty);
    QCOMPARE(ty, 1);
}

void TestZuordnung::mausbaender_data()
{
    QTest::addColumn<int>("ex");
    QTest::addColumn<int>("ey");
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("y");
    QTest::addColumn<int>("spalte");
    QTest::addColumn<int>("zeile");
    QTest::newRow("links oben, Rand") << 19 << 10 << 57 << 40 << 1 << 1;
    QTest::newRow("vor Spalte 1") << 19 << 10 << 56 << 40 << 0 << 1;
    QTest::newRow("über Zeile 1") << 19 << 10 << 60 << 39 << 1 << 0;
    QTest::newRow("Spalte 1, rechter Rand") << 19 << 10 << 893 << 160 << 1 << 1;
    QTest::newRow("Lücke nach Spalte 1") << 19 << 10 << 894 << 161 << 0 << 0;
    QTest::newRow("Lücke vor Spalte 2") << 19 << 10 << 1006 << 199 << 0 << 0;
    QTest::newRow("Spalte 2, Zeile 2") << 19 << 10 << 1007 << 200 << 2 << 2;
    QTest::newRow("Spalte 2, rechter Rand") << 19 << 10 << 1843 << 960 << 2 << 6;
    QTest::newRow("rechts außen") << 19 << 10 << 1844 << 961 << 0 << 0;
    QTest::newRow("negativ") << 19 << 10 << -5 << -5 << 0 << 0;
    QTest::newRow("Einheit 0") << 0 << 0 << 0 << 0 << 0 << 0;
    QTest::newRow("Einheit 0, weit") << 0 << 0 << 500 << 500 << 0 << 0;
}

void TestZuordnung::mausbaender()
{
    QFETCH(int, ex);
    QFETCH(int, ey);
    QFETCH(int, x);
    QFETCH(int, y);
    QFETCH(int, spalte);
    QFETCH(int, zeile);
    Paargitter g;
    g.ex = ex;
    g.ey = ey;
    QCOMPARE(g.spalteBei(x), spalte);
    QCOMPARE(g.zeileBei(y), zeile);
}

void TestZuordnung::blockEingabe_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("block");  // -1: Enter does nothing
    QTest::newRow("leer") << "" << -1;
    QTest::newRow("eine Ziffer") << "3" << 3;
    QTest::newRow("neun Ziffern") << "000000012" << 12;
    QTest::newRow("zehn Ziffern") << "0000000012" << -1;
    QTest::newRow("größte") << "999999999" << 999999999;
}

void TestZuordnung::blockEingabe()
{
    QFETCH(QString, text);
    QFETCH(int, block);
    const std::optional<int> b = blockwahl::block(text);
    QCOMPARE(b.value_or(-1), block);
    QVERIFY(blockwahl::durchlassen('7') && blockwahl::durchlassen(8) && blockwahl::durchlassen(13));
    QVERIFY(!blockwahl::durchlassen('a') && !blockwahl::durchlassen('-') && !blockwahl::durchlassen(' '));
    QVERIFY(!blockwahl::gueltig(0, 1, 3) && blockwahl::gueltig(0, 0, 4) && !blockwahl::gueltig(5, 0, 4));
}

int main(int argc, char** argv)
{
    Anwendung app(argc, argv);
    TestZuordnung t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_zuordnung.moc"
