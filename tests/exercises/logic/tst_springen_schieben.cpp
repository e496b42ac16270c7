// Springen and Schieben: the rules of both board classes in groups, every
// level solved and replayed, the shared window's keys, clicks and loading
// errors, and a run of each program from the menu to the stored result.
#include "common/satzdatei.h"
#include "common/zustand.h"
#include "exercises/logic/register.h"
#include "exercises/logic/uspielro1.h"
#include "exercises/logic/uspielsc.h"
#include "exercises/logic/uspielsp.h"
#include "platform/anwendung.h"
#include "platform/dialoge.h"
#include "shell/aufruf.h"
#include "shell/ergebnisse.h"
#include "shell/programmtabelle.h"
#include "tests/exercises/logic/springschiebhilfe.h"
#include "tests/support/testumgebung.h"
#include "tests/support/uebungsumgebung.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTextEdit>
#include <QTest>

namespace {
// Springen boards on outside cells ("1"), Schieben boards on walls ("9").
Springbrett springAus(const QString& karte)
{
    Springbrett b;
    b.lade(brettKarte(karte.split(QLatin1Char('/')), '1'));
    return b;
}

Schiebebrett schiebAus(const QString& karte)
{
    Schiebebrett b;
    b.lade(brettKarte(karte.split(QLatin1Char('/')), '9'));
    return b;
}

// The codes of the cells named by the rows of wie, as text: each code one
// character ('0' + code; boxes on targets 15..18 as 'F'..'I').
QString codes(const std::function<int(int, int)>& feld, const QString& wie)
{
    QStringList zeilen;
    for (const QString& z : wie.split(QLatin1Char('/'))) {
        QString r;
        for (int x = 1; x <= z.size(); ++x) {
            const int c = feld(x, zeilen.size() + 1);
            r += c >= 15 ? QChar('F' + c - 15) : QChar('0' + c);
        }
        zeilen << r;
    }
    return zeilen.join(QLatin1Char('/'));
}

Qt::Key pfeilTaste(int r) { return std::array{Qt::Key_Up, Qt::Key_Right, Qt::Key_Down, Qt::Key_Left}[std::size_t(r - 1)]; }

// Keys as letters: U R D L arrows, E Enter, S Space, X Esc, Z and Y Enter and
// Space with "zurück" focused, Q a key the boards do not use, K<x><y> a click
// on cell (x, y), W a click in the strip beyond row and column 10.
void spiele(Levelbrett& f, const QString& tasten)
{
    const int zelle = 10 * f.einheit();
    for (int i = 0; i < tasten.size(); ++i) {
        const QChar t = tasten.at(i);
        const int r = QStringLiteral("URDL").indexOf(t);
        if (r >= 0)
            QTest::keyClick(&f, pfeilTaste(r + 1));
        else if (t == QLatin1Char('E'))
            QTest::keyClick(&f, Qt::Key_Return);
        else if (t == QLatin1Char('S'))
            QTest::keyClick(&f, Qt::Key_Space);
        else if (t == QLatin1Char('X'))
            QTest::keyClick(&f, Qt::Key_Escape);
        else if (t == QLatin1Char('Q'))
            QTest::keyClick(&f, Qt::Key_Q);
        else if (t == QLatin1Char('Z')) {
            f.button1->setFocus();
            QTest::keyClick(f.button1, Qt::Key_Return);
        } else if (t == QLatin1Char('Y')) {
            f.button1->setFocus();
            QTest::keyClick(f.button1, Qt::Key_Space);
        } else if (t == QLatin1Char('W')) {
            QTest::mouseClick(f.pb, Qt::LeftButton, {}, QPoint(10 * zelle + 1, 10 * zelle + 1));
        } else if (t == QLatin1Char('K')) {
            const int x = tasten.at(++i).digitValue();
            const int y = tasten.at(++i).digitValue();
            QTest::mouseClick(f.pb, Qt::LeftButton, {}, QPoint((x - 1) * zelle + zelle / 2, (y - 1) * zelle + zelle / 2));
        }
    }
}

QString ergebnisZeile(int programm)
{
    Satzdatei d(ergebnis::dateiname(programm / 12 - 1), ergebnis::kSatzgroesse);
    d.positioniere(ergebnis::satznummer(programm % 12, 7, 9));
    return d.liesText();
}
}

class TestSpringenSchieben : public QObject {
    Q_OBJECT
private slots:
    void init() { levelnr = 0; }
    void springen_data();
    void springen();
    void schieben_data();
    void schieben();
    void klick_data();
    void klick();
    void alleLevelSpringen();
    void alleLevelSchieben();
    void fenster_data();
    void fenster();
    void ladefehler_data();
    void ladefehler();
    void ganzerLauf_data();
    void ganzerLauf();
};

// Moves: U R D L the cursor, C a choice at the cursor.
void TestSpringenSchieben::springen_data()
{
    QTest::addColumn<QString>("karte");
    QTest::addColumn<QString>("zuege");
    QTest::addColumn<QString>("nach");
    QTest::addColumn<QPoint>("cursor");
    QTest::addColumn<int>("steine");
    QTest::addColumn<bool>("gewaehlt");
    QTest::newRow("Sprung nach rechts") << "//2231" << "C" "RR" "C" << "//3321" << QPoint(3, 3) << 1 << false;
    QTest::newRow("Sprung nach oben") << "3/2/2/" << "C" "UU" "C" << "2/3/3/" << QPoint(1, 1) << 1 << false;
    QTest::newRow("wählen und zurücklegen") << "//223" << "CC" << "//223" << QPoint(1, 3) << 2 << false;
    QTest::newRow("zweiter Stein bei Wahl") << "//22232" << "CRRRRC" << "//42232" << QPoint(5, 3) << 4 << true;
    QTest::newRow("zweiter Stein, dann Sprung") << "//223" << "CRCRC" << "//332" << QPoint(3, 3) << 1 << false;
    QTest::newRow("über ein Loch") << "//233" << "CRRC" << "//433" << QPoint(3, 3) << 1 << true;
    QTest::newRow("auf einen Stein") << "//222" << "CRRC" << "//422" << QPoint(3, 3) << 3 << true;
    QTest::newRow("über tote Zelle") << "//2.3" << "CRRC" << "//4.3" << QPoint(3, 3) << 1 << true;
    QTest::newRow("schräg") << "//23/323" << "CRDC" << "//43/323" << QPoint(2, 4) << 2 << true;
    QTest::newRow("drei weit") << "//2223" << "CRRRC" << "//4223" << QPoint(4, 3) << 3 << true;
    QTest::newRow("Loch wählen") << "//3" << "C" << "//3" << QPoint(1, 3) << 0 << false;
    // the cursor wraps within columns and rows 1 to 10
    QTest::newRow("links am Rand") << "//2" << "L" << "//2" << QPoint(10, 3) << 1 << false;
    QTest::newRow("oben am Rand") << "//2" << "UUU" << "//2" << QPoint(1, 10) << 1 << false;
    QTest::newRow("rechts und unten") << "//2" << "LRR" "DDDDDDDD" << "//2" << QPoint(2, 1) << 1 << false;
}

void TestSpringenSchieben::springen()
{
    QFETCH(QString, karte);
    QFETCH(QString, zuege);
    QFETCH(QString, nach);
    QFETCH(QPoint, cursor);
    QFETCH(int, steine);
    QFETCH(bool, gewaehlt);
    Springbrett b = springAus(karte);
    for (QChar z : zuege)
        if (z == QLatin1Char('C'))
            b.waehle(b.cursor().x(), b.cursor().y());
        else
            b.pfeil(QStringLiteral("URDL").indexOf(z) + 1);
    QCOMPARE(codes([&](int x, int y) { return b.feld(x, y); }, nach), QString(nach).replace('.', '0'));
    QCOMPARE(b.cursor(), cursor);
    QCOMPARE(b.steine(), steine);
    QCOMPARE(b.gewaehlt(), gewaehlt);
    QCOMPARE(b.geloest(), steine == 1);
    QCOMPARE(b.feld(0, 3), 99);
    QCOMPARE(b.feld(11, 3), 99);
}

// Moves: U R D L arrows, S Space.
void TestSpringenSchieben::schieben_data()
{
    QTest::addColumn<QString>("karte");
    QTest::addColumn<QString>("zuege");
    QTest::addColumn<QString>("nach");  // codes, see codes()
    QTest::addColumn<QPoint>("schieber");
    QTest::addColumn<int>("platziert");
    QTest::addColumn<bool>("rueck");
    QTest::addColumn<int>("ziele");
    QTest::newRow("Schritt") << "R.." << "R" << "000" << QPoint(2, 1) << 0 << false << 0;
    QTest::newRow("Wand") << "R9" << "R" << "09" << QPoint(1, 1) << 0 << false << 0;
    QTest::newRow("Rand") << "R" << "ULU" << "0" << QPoint(1, 1) << 0 << false << 0;
    QTest::newRow("Kiste auf Boden") << "R1." << "R" << "001" << QPoint(2, 1) << 0 << true << 0;
    QTest::newRow("Kiste auf ihr Ziel") << "R15" << "R" << "00F" << QPoint(2, 1) << 1 << true << 1;
    QTest::newRow("Kiste auf fremdes Ziel") << "R16." << "R" << "00F0" << QPoint(2, 1) << 0 << true << 1;
    QTest::newRow("über das Ziel hinaus") << "R15." << "RR" << "0051" << QPoint(3, 1) << 0 << true << 1;
    QTest::newRow("zwei Kisten") << "R12." << "R" << "0120" << QPoint(1, 1) << 0 << false << 0;
    QTest::newRow("Kiste an Wand") << "R19" << "R" << "019" << QPoint(1, 1) << 0 << false << 0;
    QTest::newRow("Kiste am Rand") << ".R1" << "R" << "001" << QPoint(2, 1) << 0 << false << 0;
    QTest::newRow("Ziel betreten und verlassen") << "R5." << "RR" << "050" << QPoint(3, 1) << 0 << false << 1;
    QTest::newRow("Rückgängig vom Ziel") << "R15." << "RRS" << "00F0" << QPoint(2, 1) << 1 << false << 1;
    QTest::newRow("Rückgängig auf Boden") << "R1.5" << "RS" << "0105" << QPoint(1, 1) << 0 << false << 1;
    QTest::newRow("zweite Leertaste") << "R1.." << "RRSS" << "0010" << QPoint(2, 1) << 0 << false << 0;
    QTest::newRow("Schritt löscht Rückgängig") << "R1../...." << "RDS" << "0010/0000" << QPoint(2, 2) << 0 << false << 0;
    QTest::newRow("Leertaste ohne Schub") << "R.." << "RS" << "000" << QPoint(2, 1) << 0 << false << 0;
    QTest::newRow("ohne R") << "../../.../.1./.5." << "RD" << "00/00/000/000/0F0" << QPoint(2, 4) << 1 << true << 1;
}

void TestSpringenSchieben::schieben()
{
    QFETCH(QString, karte);
    QFETCH(QString, zuege);
    QFETCH(QString, nach);
    QFETCH(QPoint, schieber);
    QFETCH(int, platziert);
    QFETCH(bool, rueck);
    QFETCH(int, ziele);
    Schiebebrett b = schiebAus(karte);
    for (QChar z : zuege)
        if (z == QLatin1Char('S'))
            b.leertaste();
        else
            b.zug(QStringLiteral("URDL").indexOf(z) + 1);
    QCOMPARE(codes([&](int x, int y) { return b.feld(x, y); }, nach), nach);
    QCOMPARE(b.schieber(), schieber);
    QCOMPARE(b.platziert(), platziert);
    QCOMPARE(b.rueckgaengig(), rueck);
    QCOMPARE(b.ziele(), ziele);
    QCOMPARE(b.geloest(), platziert == ziele);
}

void TestSpringenSchieben::klick_data()
{
    QTest::addColumn<int>("X");
    QTest::addColumn<int>("Y");
    QTest::addColumn<int>("u");
    QTest::addColumn<QPoint>("zelle");  // (0, 0): none
    QTest::newRow("erste Zelle") << 0 << 0 << 8 << QPoint(1, 1);
    QTest::newRow("letzte Zelle") << 799 << 799 << 8 << QPoint(10, 10);
    QTest::newRow("Streifen rechts") << 800 << 5 << 8 << QPoint();
    QTest::newRow("Streifen unten") << 5 << 860 << 8 << QPoint();
    QTest::newRow("Zeile 4, Spalte 3") << 25 << 39 << 1 << QPoint(3, 4);
    QTest::newRow("ohne Einheit") << 5 << 5 << 0 << QPoint();
}

void TestSpringenSchieben::klick()
{
    QFETCH(int, X);
    QFETCH(int, Y);
    QFETCH(int, u);
    QFETCH(QPoint, zelle);
    QCOMPARE(Springbrett::zelleBei(X, Y, u).value_or(QPoint()), zelle);
}

// Every level is cleared by the solver; its jumps replayed clear it at the
// last one only; the count never falls.
void TestSpringenSchieben::alleLevelSpringen()
{
    Arbeitsordner ordner;
    QStringList t;
    int vorher = 0;
    for (int level = 1; level <= 50; ++level) {
        Springbrett b;
        b.lade(brettLevel(QStringLiteral("springen.dat"), level));
        const Loesung l = loeseSpringen(b);
        QVERIFY2(l.gefunden, qPrintable(QStringLiteral("Level %1").arg(level)));
        for (size_t i = 0; i < l.zuege.size(); ++i) {
            QVERIFY(!b.geloest());
            QVERIFY(springe(b, l.zuege[i]));
        }
        QVERIFY(b.geloest());
        QVERIFY2(int(l.zuege.size()) >= vorher, qPrintable(QStringLiteral("Level %1").arg(level)));
        vorher = int(l.zuege.size());
        t << QString::number(vorher);
    }
    qInfo("Sprünge: %s", qPrintable(t.join(QLatin1Char(' '))));
    QVERIFY(vorher >= 15);
}

void TestSpringenSchieben::alleLevelSchieben()
{
    Arbeitsordner ordner;
    QStringList t;
    long vorher = 0;
    for (int level = 1; level <= 50; ++level) {
        Schiebebrett b;
        b.lade(brettLevel(QStringLiteral("schieben.dat"), level));
        QVERIFY(!b.geloest());
        const Loesung l = loeseSchieben(b);
        QVERIFY2(l.gefunden, qPrintable(QStringLiteral("Level %1: %2 Zustände").arg(level).arg(l.zustaende)));
        for (size_t i = 0; i < l.zuege.size(); ++i) {
            const std::vector<int> tasten = schubTasten(b, l.zuege[i]);
            QVERIFY(!tasten.empty());
            for (int taste : tasten) {
                QVERIFY(!b.geloest());
                b.zug(taste);
            }
        }
        QVERIFY(b.geloest());
        QVERIFY2(l.kosten >= vorher, qPrintable(QStringLiteral("Level %1").arg(level)));
        vorher = l.kosten;
        t << QString::number(vorher);
    }
    qInfo("Schübe: %s", qPrintable(t.join(QLatin1Char(' '))));
    QVERIFY(vorher >= 12);
}

// A board of level 3 driven by keys and clicks; after them the window is
// activated again and must keep its board (the level loads once per opening).
void TestSpringenSchieben::fenster_data()
{
    QTest::addColumn<bool>("springen");
    QTest::addColumn<QString>("karte");
    QTest::addColumn<QString>("tasten");
    QTest::addColumn<QStringList>("meldungen");
    QTest::addColumn<int>("level");
    QTest::addColumn<QString>("nach");  // the first rows afterwards, when still open
    const QStringList keine;
    const QStringList taste{"GESCHAFFT!!"};
    QTest::newRow("Springen mit Enter") << true << "//223" << "ERRE" << taste << 103 << QString();
    QTest::newRow("Springen mit Klicks") << true << "//223" << "K13K33" << QStringList{"GESCHAFFT"} << 103 << QString();
    QTest::newRow("Klicks im Streifen") << true << "//223" << "K13W" << keine << 3 << "111/111/423";
    QTest::newRow("Enter bei zurück") << true << "//2223" << "ZRZ" << keine << 3 << "111/111/4223";
    QTest::newRow("Springen Esc") << true << "//223" << "EX" << keine << 3 << QString();
    QTest::newRow("Springen über den Rand") << true << "//3222" << "LRRE" << keine << 3 << "111/111/3422";
    QTest::newRow("Schieben gelöst") << false << "R15" << "R" << taste << 103 << QString();
    QTest::newRow("Schieben ohne Ziel") << false << "R.." << "L" << taste << 103 << QString();
    // after every key, also one the board does not use
    QTest::newRow("Schieben ohne Ziel, fremde Taste") << false << "R.." << "Q" << taste << 103 << QString();
    QTest::newRow("Springen ein Stein, fremde Taste") << true << "//2" << "Q" << taste << 103 << QString();
    QTest::newRow("Schieben fremde Taste") << false << "R1.5" << "Q" << keine << 3 << "0105";
    QTest::newRow("Leertaste bei zurück") << false << "R1.5" << "RY" << keine << 3 << "0105";
    QTest::newRow("Schieben zurück") << false << "R1..5" << "RRS" << keine << 3 << "00105";
    QTest::newRow("Schieben Esc") << false << "R1.5" << "RX" << keine << 3 << QString();
}

void TestSpringenSchieben::fenster()
{
    QFETCH(bool, springen);
    QFETCH(QString, karte);
    QFETCH(QString, tasten);
    QFETCH(QStringList, meldungen);
    QFETCH(int, level);
    QFETCH(QString, nach);
    Arbeitsordner ordner;
    const QString datei = springen ? QStringLiteral("springen.dat") : QStringLiteral("schieben.dat");
    QByteArray daten = ordner.lies(datei);
    daten.replace(2 * 101 + 1, 100, brettKarte(karte.split(QLatin1Char('/')), springen ? '1' : '9'));
    ordner.schreibe(datei, daten);
    dialog::Skript skript;
    std::unique_ptr<Levelbrett> f;
    if (springen)
        f = std::make_unique<Tspielsp>();
    else
        f = std::make_unique<Tspielsc>();
    levelnr = 3;
    f->show();
    QApplication::setActiveWindow(f.get());
    QVERIFY(f->geladen());
    QCOMPARE(f->levelzeig->text(), QStringLiteral("3"));
    spiele(*f, tasten);
    QWidget anderes;
    anderes.show();
    QApplication::setActiveWindow(&anderes);
    QApplication::setActiveWindow(f.get());
    QCOMPARE(skript.texte, meldungen);
    QCOMPARE(levelnr, level);
    QCOMPARE(f->isVisible(), !nach.isEmpty());
    if (nach.isEmpty())
        return;
    std::function<int(int, int)> feld;
    if (springen)
        feld = [&](int x, int y) { return static_cast<Tspielsp*>(f.get())->brett().feld(x, y); };
    else
        feld = [&](int x, int y) { return static_cast<Tspielsc*>(f.get())->brett().feld(x, y); };
    QCOMPARE(codes(feld, nach), nach);
}

void TestSpringenSchieben::ladefehler_data()
{
    QTest::addColumn<bool>("springen");
    QTest::addColumn<int>("saetze");  // records left in the level file, -1 none
    QTest::addColumn<int>("level");
    QTest::addColumn<QString>("fehler");
    QTest::newRow("Springen fehlt") << true << -1 << 1 << "Datei nicht gefunden";
    QTest::newRow("Springen zu kurz") << true << 49 << 50 << "Versuch hinter dem Dateiende zu lesen";
    QTest::newRow("Springen letztes Level") << true << 50 << 50 << QString();
    QTest::newRow("Schieben fehlt") << false << -1 << 7 << "Datei nicht gefunden";
    QTest::newRow("Schieben zu kurz") << false << 0 << 1 << "Versuch hinter dem Dateiende zu lesen";
}

void TestSpringenSchieben::ladefehler()
{
    QFETCH(bool, springen);
    QFETCH(int, saetze);
    QFETCH(int, level);
    QFETCH(QString, fehler);
    Arbeitsordner ordner;
    const QString datei = springen ? QStringLiteral("springen.dat") : QStringLiteral("schieben.dat");
    if (saetze < 0)
        QFile::remove(ordner.pfad(datei));
    else
        ordner.schreibe(datei, ordner.lies(datei).left(saetze * 101));
    dialog::Skript skript;
    std::unique_ptr<Levelbrett> f;
    if (springen)
        f = std::make_unique<Tspielsp>();
    else
        f = std::make_unique<Tspielsc>();
    levelnr = level;
    f->show();
    QCoreApplication::processEvents();
    QCOMPARE(f->geladen(), fehler.isEmpty());
    QCOMPARE(f->isVisible(), fehler.isEmpty());
    QCOMPARE(skript.texte, fehler.isEmpty() ? QStringList{} : QStringList{fehler});
    QCOMPARE(levelnr, level);
}

// From the menu: the rules window, the chooser, level 1 played with the
// solver's moves on the real board, 0 records the opening.
void TestSpringenSchieben::ganzerLauf_data()
{
    QTest::addColumn<int>("programm");
    QTest::addColumn<QString>("klasse");
    QTest::addColumn<QString>("titel");
    QTest::addColumn<QString>("meldung");
    QTest::addColumn<QString>("statusdatei");
    QTest::newRow("Springen") << 106 << "Tspielsp" << "Springen" << "GESCHAFFT!!" << "springer.dat";
    QTest::newRow("Schieben") << 105 << "Tspielsc" << "Schieben" << "GESCHAFFT!!" << "schieber.dat";
}

void TestSpringenSchieben::ganzerLauf()
{
    QFETCH(int, programm);
    QFETCH(QString, klasse);
    QFETCH(QString, titel);
    QFETCH(QString, meldung);
    QFETCH(QString, statusdatei);
    Testuhr uhr;
    Arbeitsordner ordner;
    Uebungsumgebung umgebung(uhr, 7, QStringLiteral("Eva"), 0);
    Programmtabelle::global().leeren();
    registriereLogik(Programmtabelle::global());
    dialog::Skript skript;
    QStringList gezeigt;
    QString ersteZeile;
    Form::setzeModalErsatz([&](Form* fenster) {
        gezeigt << fenster->objectName() + QLatin1Char('|') + fenster->windowTitle();
        fenster->show();
        QApplication::setActiveWindow(fenster);
        if (auto* wahl = qobject_cast<Tspielro1*>(fenster)) {
            for (const char* t : {"1", "0"}) {
                QTest::keyClicks(wahl->Edit1, QString::fromLatin1(t));
                QTest::keyClick(wahl->Edit1, Qt::Key_Return);
                if (ersteZeile.isEmpty())
                    ersteZeile = wahl->Memo1->toPlainText().section(QLatin1Char('\n'), 0, 0);
            }
        } else if (auto* sp = qobject_cast<Tspielsp*>(fenster)) {
            Springbrett b = sp->brett();
            const Loesung l = loeseSpringen(b);
            for (int z : l.zuege) {
                // the cursor to the peg, Enter, to the hole, Enter
                const QPoint p(z / 4 % 10 + 1, z / 4 / 10 + 1);
                for (QPoint ziel : {p, p + 2 * kSchritte[std::size_t(z % 4)]}) {
                    while (sp->brett().cursor().x() != ziel.x())
                        QTest::keyClick(sp, Qt::Key_Right);
                    while (sp->brett().cursor().y() != ziel.y())
                        QTest::keyClick(sp, Qt::Key_Down);
                    QTest::keyClick(sp, Qt::Key_Return);
                }
            }
        } else if (auto* sc = qobject_cast<Tspielsc*>(fenster)) {
            const Loesung l = loeseSchieben(sc->brett());
            for (int z : l.zuege)
                for (int t : schubTasten(sc->brett(), z))
                    QTest::keyClick(sc, pfeilTaste(t));
        }
        fenster->hide();
        return 0;
    });
    QVERIFY(aufruf(programm, Menueart::Windowsmenue));
    Programmtabelle::global().leeren();
    Form::setzeModalErsatz(nullptr);
    QCOMPARE(gezeigt.size(), 4);
    QCOMPARE(gezeigt[0].section(QLatin1Char('|'), 0, 0), QStringLiteral("regel"));
    QCOMPARE(gezeigt[1], klasse + QStringLiteral("1|") + titel);
    QCOMPARE(gezeigt[2], klasse + QLatin1Char('|') + titel);
    QCOMPARE(gezeigt[3].section(QLatin1Char('|'), 0, 0), QStringLiteral("Form3"));
    QCOMPARE(skript.texte, QStringList{meldung});
    QCOMPARE(ersteZeile, QStringLiteral(" 1)  gelöst!"));
    QCOMPARE(::meldung, QStringLiteral("Sie haben 20 Punkte erreicht!"));
    QCOMPARE(ergebnisZeile(programm), QStringLiteral("07.03.2026   20"));
    Satzdatei d(statusdatei, 51);
    d.positioniere(6);
    QCOMPARE(d.liesText(), QStringLiteral("/") + QString(49, QLatin1Char('0')));
}

int main(int argc, char** argv)
{
    Anwendung app(argc, argv);
    TestSpringenSchieben t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_springen_schieben.moc"
