// Robbi's board: the rules of the board class in groups, every level of
// "basrobbi.dat" solved and replayed, the board window's pauses and its
// loading errors.
#include "common/zustand.h"
#include "exercises/logic/uspielro.h"
#include "platform/anwendung.h"
#include "platform/dialoge.h"
#include "platform/warten.h"
#include "tests/exercises/logic/robbihilfe.h"
#include "tests/support/testumgebung.h"

#include <QPushButton>
#include <QTest>
#include <algorithm>

Q_DECLARE_METATYPE(Robbiausgang)

namespace {
// The letter of each code as the tests write boards; T G B L: a drill block
// drilled at its top, right, bottom, left side.
QChar buchstabe(int code)
{
    static const QHash<int, QChar> t{{0, '.'},  {11, 'w'}, {12, 'b'}, {13, 'k'}, {14, 'h'}, {15, 'z'}, {16, 'm'},
                                     {17, 'o'}, {18, 'r'}, {19, 'u'}, {20, 'l'}, {21, 'p'}, {22, 'a'}, {23, 's'},
                                     {24, 'i'}, {25, 'c'}, {26, 'q'}, {27, 'f'}, {29, 'x'}, {31, 'T'}, {32, 'G'},
                                     {33, 'B'}, {34, 'L'}, {41, 'P'}, {42, 'A'}, {46, 'K'}, {47, '1'}, {48, '2'},
                                     {51, '5'}, {52, '6'}, {53, '7'}, {54, '8'}};
    return t.value(code, '?');
}

// A board from rows joined by "/"; a silver pair in the bottom corner keeps
// the pair counter above 0 unless the rows begin with "!".
Robbibrett brettAus(QString karte)
{
    const bool ohnePaar = karte.startsWith(QLatin1Char('!'));
    QByteArray f = robbiKarte(karte.remove(QLatin1Char('!')).split(QLatin1Char('/')));
    if (!ohnePaar)
        f[194] = f[195] = 'i';
    Robbibrett b;
    b.lade(f);
    return b;
}

Robbiausgang tippe(Robbibrett& b, const QString& tasten)
{
    Robbiausgang a = Robbiausgang::Weiter;
    for (QChar t : tasten)
        a = t == QLatin1Char('S') ? b.leertaste().ausgang : b.zug(QStringLiteral("URDL").indexOf(t) + 1).ausgang;
    return a;
}

QString bereich(const Robbibrett& b, const QString& wie)
{
    QStringList zeilen;
    for (const QString& z : wie.split(QLatin1Char('/'))) {
        QString r;
        for (int x = 1; x <= z.size(); ++x)
            r += buchstabe(b.feld(x, zeilen.size() + 1));
        zeilen << r;
    }
    return zeilen.join(QLatin1Char('/'));
}

Qt::Key taste(QChar t)
{
    switch (t.toLatin1()) {
    case 'U': return Qt::Key_Up;
    case 'R': return Qt::Key_Right;
    case 'D': return Qt::Key_Down;
    case 'L': return Qt::Key_Left;
    default: return Qt::Key_Space;
    }
}
}

class TestRobbi : public QObject {
    Q_OBJECT
private slots:
    void init() { levelnr = 0; }
    void regeln_data();
    void regeln();
    void alleLevelGeloest();
    void pausen_data();
    void pausen();
    void ladefehler_data();
    void ladefehler();
};

void TestRobbi::regeln_data()
{
    QTest::addColumn<QString>("karte");
    QTest::addColumn<QString>("tasten");
    QTest::addColumn<QString>("nach");
    QTest::addColumn<QPoint>("roboter");
    QTest::addColumn<Robbiausgang>("ausgang");
    QTest::addColumn<int>("paare");
    QTest::addColumn<QPoint>("offen");
    const auto W = Robbiausgang::Weiter;
    const QPoint keins(0, 0);
    QTest::newRow("fester Schütze") << "R6" << "R" << ".6" << QPoint(1, 1) << W << 1 << keins;
    QTest::newRow("Hindernis") << "Rh" << "R" << ".h" << QPoint(1, 1) << W << 1 << keins;
    QTest::newRow("niedriger Block") << "Rb" << "R" << ".b" << QPoint(1, 1) << W << 1 << keins;
    QTest::newRow("Bohrkreuz") << "Rm" << "R" << ".m" << QPoint(1, 1) << W << 1 << keins;
    QTest::newRow("Pfeil nach unten") << "Ru" << "R" << ".u" << QPoint(1, 1) << W << 1 << keins;
    QTest::newRow("Pfeil in Zugrichtung") << "Rr." << "RR" << ".r." << QPoint(3, 1) << W << 1 << keins;
    QTest::newRow("vom falschen Pfeil kein Zug") << "Rrh/.u." << "RD" << ".rh/.u." << QPoint(2, 1) << W << 1 << keins;
    QTest::newRow("Kiste ins Wasser") << "Rkw." << "R" << "...." << QPoint(2, 1) << W << 1 << keins;
    QTest::newRow("Kiste gegen Kiste") << "Rkk" << "R" << ".kk" << QPoint(1, 1) << W << 1 << keins;
    QTest::newRow("Wasser ertränkt") << "Rw" << "R" << ".w" << QPoint(2, 1) << Robbiausgang::Ertrunken << 1 << keins;
    QTest::newRow("Ziel") << "Rz" << "R" << ".z" << QPoint(2, 1) << Robbiausgang::Geschafft << 1 << keins;
    QTest::newRow("Wackelfeld verlassen") << "Rq.." << "RR" << ".w.." << QPoint(3, 1) << W << 1 << keins;
    QTest::newRow("Wackelfeld durch Schieben") << "Rqk." << "RR" << ".w.k" << QPoint(3, 1) << W << 1 << keins;
    QTest::newRow("Wackelfeld auf Pfeil") << "Rqr." << "RR" << ".qr." << QPoint(3, 1) << W << 1 << keins;
    QTest::newRow("Gleitstein sinkt vor Wasser") << "RP.w" << "R" << "...." << QPoint(1, 1) << W << 1 << keins;
    QTest::newRow("Gleitstein sinkt nicht") << "RP.hw" << "R" << "..Phw" << QPoint(1, 1) << W << 1 << keins;
    QTest::newRow("Gleitsteinpaar") << "RP..P/...P." << "R" << "...../...P." << QPoint(1, 1) << W << 1 << keins;
    QTest::newRow("weißer Gleitstein") << "RK.K" << "R" << "..KK" << QPoint(1, 1) << W << 1 << keins;
    QTest::newRow("gleiche Kacheln") << "pRp" << "LR" << "..." << QPoint(2, 1) << W << 1 << keins;
    QTest::newRow("letztes Paar") << "!pRp" << "LR" << "..." << QPoint(2, 1) << Robbiausgang::Geschafft << 0 << keins;
    QTest::newRow("verschiedene Kacheln") << "aRp" << "LR" << "a.p" << QPoint(2, 1) << W << 2 << QPoint(3, 1);
    QTest::newRow("aufgedeckte Kachel bleibt") << "aRp" << "LL" << "a.p" << QPoint(2, 1) << W << 2 << QPoint(1, 1);
    QTest::newRow("Spiegel lenkt ab") << "6.f./R.../..p." << "S" << "6.x./..../..p." << QPoint(1, 2) << W << 1 << keins;
    QTest::newRow("umgelegter Spiegel") << "6.f./R.../..p." << "SS" << "6.f./..../..p." << QPoint(1, 2) << W << 1 << QPoint(3, 3);
    QTest::newRow("Schuss schiebt Kiste") << "R2.k." << "S" << ".2..k" << QPoint(1, 1) << W << 1 << keins;
    QTest::newRow("Schuss füllt Wasser") << "R2.kw" << "S" << ".2..." << QPoint(1, 1) << W << 1 << keins;
    QTest::newRow("Schuss über niedrigen Block") << "R2bp/...p" << "S" << ".2bp/...p" << QPoint(1, 1) << W << 2 << QPoint(4, 1);
    QTest::newRow("Schuss trifft") << "R8" << "S" << ".8" << QPoint(1, 1) << Robbiausgang::Getroffen << 1 << keins;
    // the hit counts, although the same shot removes the last pair
    QTest::newRow("Treffer und letztes Paar") << "!pR8/.p." << "DS" << "..8/..." << QPoint(2, 1)
                                              << Robbiausgang::Getroffen << 0 << keins;
    QTest::newRow("einmal gebohrt") << "Rm" << "S" << ".L" << QPoint(1, 1) << W << 1 << keins;
    QTest::newRow("zweimal dieselbe Seite") << "Rm" << "SS" << ".L" << QPoint(1, 1) << W << 1 << keins;
    QTest::newRow("zwei Seiten") << "Rm/.." << "SDRS" << "../.." << QPoint(2, 2) << W << 1 << keins;
    QTest::newRow("Seite oben und links") << ".R./.m." << "SLDS" << ".../..." << QPoint(1, 2) << W << 1 << keins;
}

void TestRobbi::regeln()
{
    QFETCH(QString, karte);
    QFETCH(QString, tasten);
    QFETCH(QString, nach);
    QFETCH(QPoint, roboter);
    QFETCH(Robbiausgang, ausgang);
    QFETCH(int, paare);
    QFETCH(QPoint, offen);
    Robbibrett b = brettAus(karte);
    QCOMPARE(tippe(b, tasten), ausgang);
    QCOMPARE(bereich(b, nach), nach);
    QCOMPARE(b.roboter(), roboter);
    QCOMPARE(b.paare(), paare);
    for (int y = 1; y <= 4; ++y)
        for (int x = 1; x <= 5; ++x)
            QCOMPARE(b.offen(x, y), QPoint(x, y) == offen);
}

// Every level is solved within the cap; its solution replayed on a board of
// its own ends in success and nothing before; the length never falls.
void TestRobbi::alleLevelGeloest()
{
    Arbeitsordner ordner;
    std::vector<int> laengen;
    for (int level = 1; level <= 50; ++level) {
        Robbibrett start;
        start.lade(robbiLevel(level));
        QVERIFY2(start.paare() >= 1, qPrintable(QString::number(level)));
        const Loesung l = loeseRobbi(start);
        QVERIFY2(l.gefunden, qPrintable(QStringLiteral("Level %1: %2 Zustände").arg(level).arg(l.zustaende)));
        Robbibrett b = start;
        for (size_t i = 0; i < l.zuege.size(); ++i) {
            const int z = l.zuege[i];
            const Robbiantwort a = z < 4 ? b.zug(z + 1) : b.leertaste();
            QCOMPARE(a.ausgang, i + 1 < l.zuege.size() ? Robbiausgang::Weiter : Robbiausgang::Geschafft);
        }
        if (!laengen.empty())
            QVERIFY2(int(l.zuege.size()) >= laengen.back(), qPrintable(QStringLiteral("Level %1").arg(level)));
        laengen.push_back(int(l.zuege.size()));
    }
    QStringList t;
    for (int n : laengen)
        t << QString::number(n);
    qInfo("Längen: %s", qPrintable(t.join(QLatin1Char(' '))));
    QCOMPARE(laengen.front(), 2);
    QVERIFY(laengen.back() >= 40);
}

// Input during a pause is dropped, and Esc ends the board without an outcome
// of its own: the rules have already run to the end, the window must not.
void TestRobbi::pausen_data()
{
    QTest::addColumn<QString>("karte");
    QTest::addColumn<QString>("tasten");
    QTest::addColumn<QString>("inDerPause");
    QTest::addColumn<QStringList>("meldungen");
    QTest::addColumn<int>("level");
    QTest::addColumn<bool>("offen");
    QTest::addColumn<QString>("nach");  // the board afterwards, when still open
    const QStringList keine;
    QTest::newRow("Leertaste im Schuss") << "6.f./R.../..p./...p" << "S" << "S" << keine << 3 << true << "6.x./..../..p.";
    QTest::newRow("Pfeil im Schuss") << "6.f./R.../..p./...p" << "S" << "D" << keine << 3 << true << "6.x./..../..p.";
    QTest::newRow("zurück im Schuss") << "6.f./R.../..p./...p" << "S" << "Z" << keine << 3 << true << "6.x./..../..p.";
    QTest::newRow("Pfeil in der Paarpause") << "!pRp/.z." << "LR" << "D" << QStringList{"GESCHAFFT!"} << 103 << false
                                            << QString();
    QTest::newRow("Esc in der Paarpause") << "!pRp" << "LR" << "E" << keine << 3 << false << QString();
    QTest::newRow("Esc im Schuss auf das Paar") << "!p.8R/...p" << "DS" << "E" << keine << 3 << false << QString();
}

void TestRobbi::pausen()
{
    QFETCH(QString, karte);
    QFETCH(QString, tasten);
    QFETCH(QString, inDerPause);
    QFETCH(QStringList, meldungen);
    QFETCH(int, level);
    QFETCH(bool, offen);
    QFETCH(QString, nach);
    Arbeitsordner ordner;
    QByteArray daten = ordner.lies(QStringLiteral("basrobbi.dat"));
    QByteArray f = robbiKarte(karte.remove(QLatin1Char('!')).split(QLatin1Char('/')));
    daten.replace(2 * 201 + 1, 196, f);
    ordner.schreibe(QStringLiteral("basrobbi.dat"), daten);
    dialog::Skript skript;
    Tspielro brett;
    levelnr = 3;
    brett.show();
    QApplication::setActiveWindow(&brett);
    QVERIFY(brett.geladen());
    int pausen = 0;
    setzeWartenErsatz([&](int) {
        if (pausen++ > 0)
            return;
        for (QChar t : inDerPause) {
            if (t == QLatin1Char('E'))
                QTest::keyClick(&brett, Qt::Key_Escape);
            else if (t == QLatin1Char('Z'))
                QTest::mouseClick(brett.button1, Qt::LeftButton);
            else
                QTest::keyClick(&brett, taste(t));
        }
    });
    for (QChar t : tasten)
        QTest::keyClick(&brett, taste(t));
    setzeWartenErsatz(nullptr);
    QVERIFY(pausen > 0);
    QCOMPARE(skript.texte, meldungen);
    QCOMPARE(levelnr, level);
    QCOMPARE(brett.isVisible(), offen);
    if (offen)
        QCOMPARE(bereich(brett.brett(), nach), nach);
}

void TestRobbi::ladefehler_data()
{
    QTest::addColumn<int>("saetze");  // records left in "basrobbi.dat", -1 none
    QTest::addColumn<int>("level");
    QTest::addColumn<QString>("fehler");
    QTest::newRow("Datei fehlt") << -1 << 1 << "Datei nicht gefunden";
    QTest::newRow("Datei zu kurz") << 49 << 50 << "Versuch hinter dem Dateiende zu lesen";
    QTest::newRow("letztes Level") << 50 << 50 << QString();
}

void TestRobbi::ladefehler()
{
    QFETCH(int, saetze);
    QFETCH(int, level);
    QFETCH(QString, fehler);
    Arbeitsordner ordner;
    const QString datei = ordner.pfad(QStringLiteral("basrobbi.dat"));
    if (saetze < 0)
        QFile::remove(datei);
    else
        ordner.schreibe(QStringLiteral("basrobbi.dat"), ordner.lies(QStringLiteral("basrobbi.dat")).left(saetze * 201));
    dialog::Skript skript;
    Tspielro brett;
    levelnr = level;
    brett.show();
    QCoreApplication::processEvents();
    QCOMPARE(brett.geladen(), fehler.isEmpty());
    QCOMPARE(brett.isVisible(), fehler.isEmpty());
    QCOMPARE(skript.texte, fehler.isEmpty() ? QStringList{} : QStringList{fehler});
    QCOMPARE(levelnr, level);
}

int main(int argc, char** argv)
{
    Anwendung app(argc, argv);
    TestRobbi t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_robbi.moc"
