// Rangieren: the rules of the board class in groups, every level of
// "rangieau.dat" solved within its energy and replayed, the board window's
// endings, its shot and its openings, and a run of 119 from the menu.
#include "common/satzdatei.h"
#include "common/zustand.h"
#include "exercises/logic/register.h"
#include "exercises/logic/uspielra.h"
#include "exercises/logic/uspielro1.h"
#include "platform/anwendung.h"
#include "platform/dialoge.h"
#include "platform/warten.h"
#include "shell/aufruf.h"
#include "shell/ergebnisse.h"
#include "shell/programmtabelle.h"
#include "tests/exercises/logic/rangierhilfe.h"
#include "tests/support/testumgebung.h"
#include "tests/support/uebungsumgebung.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {
const QString kGestossen = QStringLiteral("Autsch, Robbi hat sich gestoßen !!!!!!!!!");
const QString kNichtDrehen = QStringLiteral("Robbi kann sich hier nicht drehen !!!!!!!");
const QString kKeinPlatz = QStringLiteral("Da ist kein Platz, um etwas hinzulegen !!!!!");
const QString kNichtBohren = QStringLiteral("Hier kann Robbi nicht bohren !!!!!!");

// The letter of each code as the tests write boards; A a parcel on a drop field.
QChar buchstabe(int code)
{
    static const QString t = QStringLiteral(".??????????wbkhzmorulpasiAq");
    return code >= 0 && code < t.size() ? t.at(code) : QLatin1Char('?');
}

// Commands by letter: v h r l forward, backward, right, left; n l(e)g s b.
int befehl(QChar c) { return QStringLiteral("vhrlngsb").indexOf(c) + 1; }

QString bereich(const Rangierbrett& b, const QString& wie)
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

// Keys of the commands 1..8.
const Qt::Key kTasten[] = {Qt::Key_Up, Qt::Key_Down, Qt::Key_Right, Qt::Key_Left,
                           Qt::Key_N,  Qt::Key_L,    Qt::Key_S,     Qt::Key_B};

void setzeLevel(Arbeitsordner& ordner, int level, const QString& karte)
{
    QByteArray daten = ordner.lies(QStringLiteral("rangieau.dat"));
    daten.replace((level - 1) * 105 + 1, 100, rangierKarte(karte.split(QLatin1Char('/'))));
    ordner.schreibe(QStringLiteral("rangieau.dat"), daten);
}
}

class TestRangieren : public QObject {
    Q_OBJECT
private slots:
    void init() { levelnr = 0; }
    void regeln_data();
    void regeln();
    void sperre_data();
    void sperre();
    void alleLevelGeloest();
    void enden_data();
    void enden();
    void tasteImSchuss_data();
    void tasteImSchuss();
    void energieBeiJederOeffnung();
    void ladefehler_data();
    void ladefehler();
    void ganzerLauf();
};

// The robot starts facing up; the board is floor beyond the rows given.
void TestRangieren::regeln_data()
{
    QTest::addColumn<QString>("karte");
    QTest::addColumn<QString>("befehle");
    QTest::addColumn<QString>("nach");
    QTest::addColumn<QPoint>("roboter");
    QTest::addColumn<int>("energie");
    QTest::addColumn<int>("fehler");
    QTest::addColumn<bool>("ziel");
    QTest::addColumn<QString>("absage");  // of the last command
    const int E = Rangierbrett::Ertrunken;
    const int Q = Rangierbrett::Querschlaeger;
    // energy
    QTest::newRow("Schritt") << "./R" << "v" << "./." << QPoint(1, 1) << 997 << 0 << false << QString();
    QTest::newRow("gestoßen kostet 2") << "h/R" << "v" << "h/." << QPoint(1, 2) << 997 << 0 << false << kGestossen;
    QTest::newRow("Paket nehmen 1, Schritt mit Paket 4") << "./p/R" << "nv" << "././." << QPoint(1, 2) << 994 << 0
                                                         << false << QString();
    QTest::newRow("Kiste nehmen 2, Schritt mit Kiste 4") << "./k/R" << "nv" << "././." << QPoint(1, 2) << 993 << 0
                                                         << false << QString();
    QTest::newRow("rückwärts gestoßen ohne Kistenanteil") << "k/R/h" << "nh" << "././h" << QPoint(1, 2) << 995 << 0
                                                          << false << kGestossen;
    QTest::newRow("Drehung mit Paket und Kiste 6") << ".p/kR" << "nlnr" << "../.." << QPoint(2, 2) << 986 << 0
                                                   << false << QString();
    QTest::newRow("nichts genommen kostet 0") << "./R" << "n" << "./." << QPoint(1, 2) << 999 << 0 << false
                                              << QStringLiteral("Diesen Gegenstand kann Robbi nicht nehmen !!!!!!");
    QTest::newRow("nichts zu legen") << "./R" << "g" << "./." << QPoint(1, 2) << 999 << 0 << false
                                     << QStringLiteral("Robbi hat nichts zum hinlegen !!!!!");
    QTest::newRow("kein Platz kostet 0") << "h/p/R" << "nvg" << "h/." << QPoint(1, 2) << 994 << 0 << false << kKeinPlatz;
    // water, platforms, wobbly tiles
    QTest::newRow("Kiste füllt das Wasser") << "w/k/R" << "nvgv" << "./." << QPoint(1, 1) << 989 << 0 << false
                                            << QString();
    QTest::newRow("Paket auf die Insel") << "i/p/R" << "nvv" << "i/." << QPoint(1, 1) << 990 << E << false << QString();
    QTest::newRow("Paket auf der Insel nehmen") << "p/i/R" << "vn" << "./i" << QPoint(1, 2) << 996 << E << false
                                                << QString();
    QTest::newRow("Insel ohne Last") << "i/R" << "v" << "i/." << QPoint(1, 1) << 997 << 0 << false << QString();
    QTest::newRow("Wasser") << "w/R" << "v" << "w/." << QPoint(1, 1) << 997 << E << false << QString();
    QTest::newRow("Wackelfeld fällt") << "./q/R" << "vv" << "./w/." << QPoint(1, 1) << 995 << 0 << false << QString();
    QTest::newRow("Ziel") << "z/R" << "v" << "z/." << QPoint(1, 1) << 997 << 0 << true << QString();
    // arrows and turns
    QTest::newRow("Pfeil in Blickrichtung") << "o/R" << "v" << "o/." << QPoint(1, 1) << 997 << 0 << false << QString();
    QTest::newRow("Pfeil quer") << "r/R" << "v" << "r/." << QPoint(1, 2) << 997 << 0 << false << kGestossen;
    QTest::newRow("auf dem Pfeil keine Drehung") << "o/R" << "vr" << "o/." << QPoint(1, 1) << 995 << 0 << false
                                                 << kNichtDrehen;
    QTest::newRow("rückwärts auf den Pfeil nach oben") << "R/o" << "h" << "./o" << QPoint(1, 1) << 997 << 0 << false
                                                       << kGestossen;
    QTest::newRow("rückwärts auf den Pfeil nach unten") << "R/u" << "h" << "./u" << QPoint(1, 2) << 997 << 0 << false
                                                        << QString();
    QTest::newRow("Kiste schwenkt") << "k./R." << "nr" << "../.." << QPoint(1, 2) << 993 << 0 << false << QString();
    QTest::newRow("Schwenk an der Ecke gesperrt") << "kh/R." << "nr" << ".h/.." << QPoint(1, 2) << 993 << 0 << false
                                                  << kNichtDrehen;
    // shots
    QTest::newRow("letzter Ball") << "b/./R" << "s" << "././." << QPoint(1, 3) << 999 << 0 << true << QString();
    QTest::newRow("ein Ball von zweien") << "b/b/R" << "s" << "b/./." << QPoint(1, 3) << 999 << 0 << false << QString();
    QTest::newRow("über das Wasser") << "b/w/R" << "s" << "./w/." << QPoint(1, 3) << 999 << 0 << true << QString();
    QTest::newRow("mit Kiste") << "b/k/R" << "ns" << "b/./." << QPoint(1, 3) << 997 << Q << false << QString();
    QTest::newRow("Hindernis nebenan") << "b./hb/R." << "s" << "b./hb/.." << QPoint(1, 3) << 999 << Q << false
                                       << QString();
    QTest::newRow("zurück vom Paket") << "p/./R" << "s" << "p/./." << QPoint(1, 3) << 999 << Q << false << QString();
    QTest::newRow("zurück vom Rand") << "./R/./b" << "s" << "./././b" << QPoint(1, 2) << 999 << Q << false << QString();
    // drilling
    QTest::newRow("einmal gebohrt") << "m/R" << "b" << "m/." << QPoint(1, 2) << 999 << 0 << false << QString();
    QTest::newRow("zweimal dieselbe Seite") << "m/R" << "bb" << "m/." << QPoint(1, 2) << 999 << 0 << false
                                            << kNichtBohren;
    QTest::newRow("zwei Seiten") << "../.m/.R" << "blvrvrb" << "../../.." << QPoint(1, 2) << 989 << 0 << false
                                 << QString();
    QTest::newRow("nichts zu bohren") << "h/R" << "b" << "h/." << QPoint(1, 2) << 999 << 0 << false << kNichtBohren;
}

void TestRangieren::regeln()
{
    QFETCH(QString, karte);
    QFETCH(QString, befehle);
    QFETCH(QString, nach);
    QFETCH(QPoint, roboter);
    QFETCH(int, energie);
    QFETCH(int, fehler);
    QFETCH(bool, ziel);
    QFETCH(QString, absage);
    Rangierbrett b;
    b.lade(rangierKarte(karte.split(QLatin1Char('/'))));
    Rangierantwort a;
    for (QChar c : befehle)
        a = b.befehl(befehl(c));
    QCOMPARE(bereich(b, nach), nach);
    QCOMPARE(b.roboter(), roboter);
    QCOMPARE(b.energie(), energie);
    QCOMPARE(b.fehler(), fehler);
    QCOMPARE(b.ziel(), ziel);
    QCOMPARE(a.absage, absage);
    // nothing is written outside the grid
    for (int i = 0; i < 13; ++i)
        for (QPoint p : {QPoint(i, 0), QPoint(i, 11), QPoint(0, i), QPoint(11, i)})
            QCOMPARE(b.feld(p.x(), p.y()), rangier::kRand);
}

// The barrier line by line: a parcel taken, carried and laid on a drop field
// per round; the fourth opens the way to the goal.
void TestRangieren::sperre_data()
{
    QTest::addColumn<int>("pakete");
    QTest::addColumn<QString>("nach");
    QTest::addColumn<int>("energie");
    QTest::newRow("erstes") << 1 << "s./pa/pa/pa/.A" << 987;
    QTest::newRow("zweites") << 2 << "s./pa/pa/.A/.A" << 975;
    QTest::newRow("drittes") << 3 << "s./pa/.A/.A/.A" << 963;
    QTest::newRow("viertes") << 4 << "../.A/.A/.A/.A" << 951;
}

void TestRangieren::sperre()
{
    QFETCH(int, pakete);
    QFETCH(QString, nach);
    QFETCH(int, energie);
    Rangierbrett b;
    b.lade(rangierKarte({"s.", "pa", "pa", "pa", "pa", "R."}));
    for (int i = 0; i < pakete; ++i)
        for (QChar c : QStringLiteral("nvrgl"))
            QVERIFY(b.befehl(befehl(c)).absage.isEmpty());
    QCOMPARE(b.gelegt(), pakete);
    QCOMPARE(bereich(b, nach), nach);
    QCOMPARE(b.energie(), energie);
    QCOMPARE(b.befehl(rangier::Vorne).absage, pakete < 4 ? kGestossen : QString());
}

// Every level is solved by least energy within its 999; the solution replayed
// on a board of its own ends in success and nothing before; the energy used
// never falls from level to level.
void TestRangieren::alleLevelGeloest()
{
    Arbeitsordner ordner;
    std::vector<long> energien;
    for (int level = 1; level <= 50; ++level) {
        Rangierbrett start;
        start.lade(rangierLevel(level));
        const Loesung l = loeseRangier(start);
        QVERIFY2(l.gefunden, qPrintable(QStringLiteral("Level %1: %2 Zustände").arg(level).arg(l.zustaende)));
        QVERIFY(energieVorDemLetzten(start, l.zuege) <= 998);
        Rangierbrett b = start;
        for (size_t i = 0; i < l.zuege.size(); ++i) {
            b.befehl(l.zuege[i] + 1);
            QCOMPARE(b.fehler(), int(Rangierbrett::KeinFehler));
            QCOMPARE(b.ziel(), i + 1 == l.zuege.size());
        }
        QCOMPARE(long(rangier::kEnergie - b.energie()), l.kosten);
        if (!energien.empty())
            QVERIFY2(l.kosten >= energien.back(), qPrintable(QStringLiteral("Level %1").arg(level)));
        energien.push_back(l.kosten);
    }
    QStringList t;
    for (long n : energien)
        t << QString::number(n);
    qInfo("Energie: %s", qPrintable(t.join(QLatin1Char(' '))));
    QCOMPARE(energien.front(), 4L);
    QVERIFY(energien.back() >= 80);
}

// The window's steuer: the messages in their order, one outcome, levelnr.
void TestRangieren::enden_data()
{
    QTest::addColumn<QString>("karte");
    QTest::addColumn<QString>("befehle");  // "*" before a letter: 499 times
    QTest::addColumn<QStringList>("meldungen");
    QTest::addColumn<int>("level");
    QTest::addColumn<QString>("energie");  // the label while still open
    const QString zu;
    QTest::newRow("Ziel") << "z/R" << "v" << QStringList{"GESCHAFFT!"} << 103 << zu;
    QTest::newRow("Ziel mit 0 Energie") << "zR" << "*rv" << QStringList{"Die Energie ist alle!", "GESCHAFFT!"} << 103
                                        << zu;
    QTest::newRow("Energie alle") << "zR" << "*rr" << QStringList{"Die Energie ist alle!"} << 3 << zu;
    QTest::newRow("ertrunken") << "w/R" << "v" << QStringList{"Robbi ist ertrunken, "} << 3 << zu;
    QTest::newRow("Querschläger") << "h/R" << "s" << QStringList{"Ein Querschläger tötet Robbi, "} << 3 << zu;
    QTest::newRow("gestoßen") << "h/R" << "v" << QStringList{kGestossen} << 3 << "Energie: 997";
    QTest::newRow("letzter Ball") << "b/R" << "s" << QStringList{"GESCHAFFT!"} << 103 << zu;
    QTest::newRow("S mit Umschalttaste") << "b/R" << "S" << QStringList{"GESCHAFFT!"} << 103 << zu;
    QTest::newRow("Esc verlässt nicht") << "z/R" << "e" << QStringList{} << 3 << "Energie: 999";
}

void TestRangieren::enden()
{
    QFETCH(QString, karte);
    QFETCH(QString, befehle);
    QFETCH(QStringList, meldungen);
    QFETCH(int, level);
    QFETCH(QString, energie);
    Arbeitsordner ordner;
    setzeLevel(ordner, 3, karte);
    setzeWartenErsatz([](int) {});
    dialog::Skript skript;
    Tspielra brett;
    levelnr = 3;
    brett.show();
    QApplication::setActiveWindow(&brett);
    QVERIFY(brett.geladen());
    for (int i = 0; i < befehle.size(); ++i) {
        const QChar c = befehle.at(i);
        if (c == QLatin1Char('*')) {
            const Qt::Key t = kTasten[befehl(befehle.at(++i)) - 1];
            for (int n = 0; n < 499; ++n)
                QTest::keyClick(&brett, t);
        } else if (c == QLatin1Char('S')) {
            QTest::keyClick(&brett, Qt::Key_S, Qt::ShiftModifier);
        } else if (c == QLatin1Char('e')) {
            QTest::keyClick(&brett, Qt::Key_Escape);
        } else {
            QTest::keyClick(&brett, kTasten[befehl(c) - 1]);
        }
    }
    setzeWartenErsatz(nullptr);
    QCOMPARE(skript.texte, meldungen);
    QCOMPARE(levelnr, level);
    QCOMPARE(brett.isVisible(), !energie.isEmpty());
    if (!energie.isEmpty())
        QCOMPARE(brett.energie->text(), energie);
}

// A key or a button while the shot flies is ignored: one shot, one +100.
void TestRangieren::tasteImSchuss_data()
{
    QTest::addColumn<QString>("wie");
    QTest::newRow("Taste S") << "S";
    QTest::newRow("Pfeiltaste") << "U";
    QTest::newRow("Knopf schießen") << "8";
    QTest::newRow("Knopf vorne") << "2";
}

void TestRangieren::tasteImSchuss()
{
    QFETCH(QString, wie);
    Arbeitsordner ordner;
    setzeLevel(ordner, 3, QStringLiteral("b/./b/./R"));
    dialog::Skript skript;
    Tspielra brett;
    levelnr = 3;
    brett.show();
    QApplication::setActiveWindow(&brett);
    int pausen = 0;
    setzeWartenErsatz([&](int) {
        if (pausen++ > 0)
            return;
        if (wie == QLatin1String("S"))
            QTest::keyClick(&brett, Qt::Key_S);
        else if (wie == QLatin1String("U"))
            QTest::keyClick(&brett, Qt::Key_Up);
        else
            brett.findChild<QPushButton*>(QStringLiteral("Button") + wie)->click();
    });
    QTest::keyClick(&brett, Qt::Key_S);
    setzeWartenErsatz(nullptr);
    QVERIFY(pausen > 0);
    QCOMPARE(bereich(brett.brett(), QStringLiteral("b/./././.")), QStringLiteral("b/./././."));
    QCOMPARE(brett.brett().roboter(), QPoint(1, 5));
    QCOMPARE(brett.brett().energie(), 999);
    QCOMPARE(skript.texte, QStringList{});
    // the next shot takes the last ball: one success
    setzeWartenErsatz([](int) {});
    QTest::keyClick(&brett, Qt::Key_S);
    setzeWartenErsatz(nullptr);
    QCOMPARE(skript.texte, QStringList{"GESCHAFFT!"});
    QCOMPARE(levelnr, 103);
}

// "zurück" hides the energy; the next opening shows it again at 999.
void TestRangieren::energieBeiJederOeffnung()
{
    Arbeitsordner ordner;
    dialog::Skript skript;
    Tspielra brett;
    levelnr = 1;
    brett.show();
    QTest::keyClick(&brett, Qt::Key_Left);
    QCOMPARE(brett.energie->text(), QStringLiteral("Energie: 997"));
    QTest::mouseClick(brett.Button1, Qt::LeftButton);
    QVERIFY(!brett.isVisible());
    QVERIFY(brett.energie->isHidden());
    QCOMPARE(levelnr, 1);
    levelnr = 2;
    brett.show();
    QVERIFY(!brett.energie->isHidden());
    QCOMPARE(brett.energie->text(), QStringLiteral("Energie: 999"));
    QCOMPARE(brett.levelzeig->text(), QStringLiteral("Level: 2"));
    QCOMPARE(brett.brett().energie(), 999);
}

void TestRangieren::ladefehler_data()
{
    QTest::addColumn<int>("saetze");  // records left in "rangieau.dat", -1 none
    QTest::addColumn<int>("level");
    QTest::addColumn<QString>("fehler");
    QTest::newRow("Datei fehlt") << -1 << 1 << "Datei nicht gefunden";
    QTest::newRow("Datei zu kurz") << 49 << 50 << "Versuch hinter dem Dateiende zu lesen";
    QTest::newRow("letztes Level") << 50 << 50 << QString();
}

void TestRangieren::ladefehler()
{
    QFETCH(int, saetze);
    QFETCH(int, level);
    QFETCH(QString, fehler);
    Arbeitsordner ordner;
    const QString datei = QStringLiteral("rangieau.dat");
    if (saetze < 0)
        QFile::remove(ordner.pfad(datei));
    else
        ordner.schreibe(datei, ordner.lies(datei).left(saetze * 105));
    dialog::Skript skript;
    Tspielra brett;
    levelnr = level;
    brett.show();
    QCoreApplication::processEvents();
    QCOMPARE(brett.geladen(), fehler.isEmpty());
    QCOMPARE(brett.isVisible(), fehler.isEmpty());
    QCOMPARE(skript.texte, fehler.isEmpty() ? QStringList{} : QStringList{fehler});
    QCOMPARE(levelnr, level);
}

// 119 from the menu: the rules window, the chooser, level 1 played with the
// solver's commands by key on the real board, 0 records the opening.
void TestRangieren::ganzerLauf()
{
    Arbeitsordner ordner;
    Testuhr uhr;
    Uebungsumgebung umgebung(uhr, 7, QStringLiteral("Eva"), 0);
    Rangierbrett start;
    start.lade(rangierLevel(1));
    const Loesung l = loeseRangier(start);
    QVERIFY(l.gefunden);
    Programmtabelle::global().leeren();
    registriereLogik(Programmtabelle::global());
    setzeWartenErsatz([](int) {});
    dialog::Skript skript;
    QStringList gezeigt;
    Form::setzeModalErsatz([&](Form* fenster) {
        gezeigt << fenster->objectName() + QLatin1Char('|') + fenster->windowTitle();
        fenster->show();
        QApplication::setActiveWindow(fenster);
        if (auto* wahl = qobject_cast<Tspielro1*>(fenster)) {
            for (const char* z : {"1", "0"}) {
                QTest::keyClicks(wahl->Edit1, QString::fromLatin1(z));
                QTest::keyClick(wahl->Edit1, Qt::Key_Return);
            }
        } else if (auto* brett = qobject_cast<Tspielra*>(fenster)) {
            for (int z : l.zuege)
                QTest::keyClick(brett, kTasten[z]);
        }
        fenster->hide();
        return 0;
    });
    QVERIFY(aufruf(119, Menueart::Windowsmenue));
    setzeWartenErsatz(nullptr);
    Programmtabelle::global().leeren();
    QCOMPARE(gezeigt.size(), 4);
    QCOMPARE(gezeigt[0].section(QLatin1Char('|'), 0, 0), QStringLiteral("regel"));
    QCOMPARE(gezeigt[1], QStringLiteral("Tspielra1|Rangieren"));
    QCOMPARE(gezeigt[2], QStringLiteral("Tspielra|Rangieren"));
    QCOMPARE(gezeigt[3].section(QLatin1Char('|'), 0, 0), QStringLiteral("Form3"));
    QCOMPARE(skript.texte, QStringList{"GESCHAFFT!"});
    QCOMPARE(::meldung, QStringLiteral("Sie haben 20 Punkte erreicht!"));
    Satzdatei e(ergebnis::dateiname(119 / 12 - 1), ergebnis::kSatzgroesse);
    e.positioniere(ergebnis::satznummer(119 % 12, 7, 9));
    QCOMPARE(e.liesText(), QStringLiteral("07.03.2026   20"));
    Satzdatei s(QStringLiteral("rangier.dat"), 51);
    s.positioniere(6);
    QCOMPARE(s.liesText(), QStringLiteral("/") + QString(49, QLatin1Char('0')));
}

int main(int argc, char** argv)
{
    Anwendung app(argc, argv);
    TestRangieren t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_rangieren.moc"
