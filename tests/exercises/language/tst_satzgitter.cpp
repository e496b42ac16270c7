// The sentence grids: gap positions and the "---" sentence, a full run of each
// window from the dispatcher to the stored result, the records a block reads,
// picks during the pause, the cursor's wrap, stray clicks and bad input.
#include "common/fehler.h"
#include "common/uhr.h"
#include "common/zufall.h"
#include "common/zustand.h"
#include "exercises/language/register.h"
#include "exercises/language/uerg01.h"
#include "platform/anwendung.h"
#include "platform/dialoge.h"
#include "platform/warten.h"
#include "shell/aufruf.h"
#include "shell/programmtabelle.h"
#include "tests/support/testumgebung.h"
#include "tests/support/uebungsumgebung.h"
#include "tests/support/testuhr.h"

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>
#include <optional>
#include <map>
#include <random>

namespace {

Testuhr g_uhr;

// A record: length byte, the Windows-1252 text padded with blanks to its capacity.
QByteArray satz(const QByteArray& text, int kapazitaet)
{
    QByteArray s = char(kapazitaet) + text.leftJustified(kapazitaet, ' ');
    return s;
}

// Gap sentence i: "Satz <i> braucht W<i>." with the gap on W<i> (from position
// 9 + digits); records 3 and 4 share the gap word "Doppel".
QByteArray lueckensatz(int i)
{
    const QByteArray wort = i == 3 || i == 4 ? QByteArray("Doppel") : "W" + QByteArray::number(i);
    const QByteArray text = "S\xE4tze " + QByteArray::number(i) + " braucht " + wort + ".";
    const int von = int(text.indexOf(wort)) + 1;
    return satz(text.leftJustified(74, ' ') + QByteArray::number(von).rightJustified(2, ' ')
                    + QByteArray::number(von + int(wort.size()) - 1).rightJustified(2, ' '),
                78);
}

QByteArray luecken(int n)
{
    QByteArray d;
    for (int i = 0; i < n; ++i)
        d += lueckensatz(i);
    return d;
}

QByteArray haelften(int n)
{
    QByteArray d;
    for (int i = 0; i < n; ++i)
        d += satz(("Anfang " + QByteArray::number(i)).leftJustified(40, ' ') + "Ende " + QByteArray::number(i), 80);
    return d;
}

int nummer(const QString& text)
{
    return text.section(QLatin1Char(' '), 1, 1).toInt();
}

Terga01& fenster(int n)
{
    static std::map<int, Terga01*> t;
    if (!t.count(n))
        t[n] = new Terga01(Terga01::mitglied(n));
    return *t[n];
}

void tippeBlock(Terga01& f, const QString& block)
{
    tippe(f.wahl, block);
    QTest::keyClick(f.wahl, Qt::Key_Return);
}

// The middle of a cell: gap grids column 1-2, grid row 1-5; halves row 1-7.
QPoint mitte(Terga01& f, int s, int z)
{
    if (f.art().haelften) {
        const Haelftengitter& g = f.haelftengitter();
        return QPoint(50 * g.ex, (12 * z + 12) * g.ey);
    }
    const Paargitter& g = f.gitter();
    return QPoint((50 * (s - 1) + 25) * g.ex, (16 * z + 10) * g.ey);
}

// The cell of the current sentence's answer; falsch: a cell with another text.
QPair<int, int> antwort(Terga01& f, bool falsch)
{
    // past the round's last sentence: any cell
    const int k = std::min(f.satzNr(), f.art().saetze);
    if (f.art().haelften) {
        for (int z = 1; z <= 7; ++z)
            if ((f.haelften().zeile(z) == f.haelften().zweite(k)) != falsch)
                return {1, z};
        return {0, 0};
    }
    for (int s = 1; s <= 2; ++s)
        for (int z = 1; z <= 5; ++z)
            if ((f.luecken().zelle(s, z) == f.luecken().wort(k)) != falsch)
                return {s, z};
    return {0, 0};
}

// Picks as a person: the mouse on the cell, or the keys from where the cursor stands.
void waehle(Terga01& f, QPair<int, int> zelle, bool maus)
{
    if (maus) {
        QTest::mouseClick(&f, Qt::LeftButton, Qt::NoModifier, mitte(f, zelle.first, zelle.second));
        return;
    }
    while (!f.art().haelften && f.cursorSpalte() != zelle.first - 1)
        QTest::keyClick(&f, Qt::Key_Right);
    while (f.cursorZeile() != zelle.second)
        QTest::keyClick(&f, Qt::Key_Down);
    QTest::keyClick(&f, Qt::Key_Return);
}

QString kurz(const QByteArray& daten, int von)
{
    return QString::fromLatin1(daten.mid(von + 1, quint8(daten.at(von))));
}

}

class TestSatzgitter : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void luecke_data();
    void luecke();
    void ganzerLauf_data();
    void ganzerLauf();
    void einWortZweiSaetze();
    void pause_data();
    void pause();
    void cursor_data();
    void cursor();
    void klickDaneben_data();
    void klickDaneben();
    void falscheEingabe_data();
    void falscheEingabe();

private:
    std::unique_ptr<Arbeitsordner> m_ordner;
    std::optional<Uebungsumgebung> m_umgebung;
};

void TestSatzgitter::init()
{
    m_ordner = std::make_unique<Arbeitsordner>();
    m_ordner->schreibe(QStringLiteral("satzergw.dat"), luecken(270));
    m_ordner->schreibe(QStringLiteral("wortfamw.dat"), luecken(240));
    m_ordner->schreibe(QStringLiteral("vmsatzha.dat"), haelften(140));
    m_umgebung.emplace(g_uhr, 7, QStringLiteral("Eva"));
    setzeWartenErsatz([](int) {});
}

void TestSatzgitter::cleanup()
{
    setzeWartenErsatz(nullptr);
    m_umgebung.reset();
    m_ordner.reset();
}

void TestSatzgitter::luecke_data()
{
    QTest::addColumn<QString>("stellen");  // positions 75-78
    QTest::addColumn<int>("von");
    QTest::addColumn<int>("bis");
    QTest::addColumn<QString>("wort");
    QTest::addColumn<QString>("frage");
    QTest::addColumn<QString>("fehler");
    const QString b = QStringLiteral("Der Bäcker backt frische Brötchen.");
    QTest::newRow("Blank davor") << " 510" << 5 << 10 << "Bäcker" << "Der --- backt frische Brötchen." << "";
    QTest::newRow("Blank danach") << "5 10" << 5 << 10 << "Bäcker" << "Der --- backt frische Brötchen." << "";
    QTest::newRow("zweistellig") << "2633" << 26 << 33 << "Brötchen" << "Der Bäcker backt frische ---." << "";
    QTest::newRow("12 mit Blank") << "1216 " << 12 << 16 << "backt" << "Der Bäcker --- frische Brötchen." << "";
    QTest::newRow("Ende vor Anfang") << "12 5" << 12 << 12 << "b" << "Der Bäcker ---ackt frische Brötchen." << "";
    QTest::newRow("außerhalb") << " 099" << 1 << 74 << b.leftJustified(74) << "---" << "";
    QTest::newRow("keine Zahl") << " x 5" << 0 << 0 << "" << "" << "'x' ist kein gültiger Integerwert";
    QTest::newRow("leer") << "" << 0 << 0 << "" << "" << "'' ist kein gültiger Integerwert";
}

void TestSatzgitter::luecke()
{
    QFETCH(QString, stellen);
    QFETCH(QString, fehler);
    const QString rec = QStringLiteral("Der Bäcker backt frische Brötchen.").leftJustified(74) + stellen;
    try {
        const satzrunde::Luecke l = satzrunde::luecke(rec);
        QVERIFY(fehler.isEmpty());
        QTEST(l.von, "von");
        QTEST(l.bis, "bis");
        QTEST(satzrunde::lueckenwort(rec, l), "wort");
        QTEST(satzrunde::mitStrichen(rec, l), "frage");
    } catch (const Konvertierungsfehler& e) {
        QCOMPARE(e.text(), fehler);
    }
}

void TestSatzgitter::ganzerLauf_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<QString>("block");
    QTest::addColumn<bool>("falsch");
    QTest::addColumn<double>("sekunden");
    QTest::addColumn<bool>("maus");
    QTest::addColumn<int>("ergebnissatz");  // (item - 1) x 400 + 69 for user 7
    QTest::addColumn<int>("hochblock");
    QTest::addColumn<QString>("punkte");
    QTest::addColumn<QList<int>>("ersteSaetze");  // the first record of each round
    QTest::newRow("57 Block 9, alles richtig") << 57 << "9" << false << 60.0 << true << 3269 << 41 << "3040,09"
                                               << QList<int>{240, 250, 260};
    QTest::newRow("58 alles falsch") << 58 << "2" << true << 30.0 << false << 3669 << 42 << "70,0205"
                                     << QList<int>{30, 40, 50};
    QTest::newRow("59 Block 4, alles richtig") << 59 << "4" << false << 100.0 << false << 4069 << 43 << "3500,04"
                                               << QList<int>{105, 112, 119, 126, 133};
    QTest::newRow("59 alles falsch, mindestens 2") << 59 << "3" << true << 5000.0 << true << 4069 << 43 << "2,03049"
                                                   << QList<int>{70, 77, 84, 91, 98};
}

void TestSatzgitter::ganzerLauf()
{
    QFETCH(int, n);
    QFETCH(QString, block);
    QFETCH(bool, falsch);
    QFETCH(double, sekunden);
    QFETCH(bool, maus);
    QFETCH(int, ergebnissatz);
    QFETCH(int, hochblock);
    QFETCH(QString, punkte);
    QFETCH(QList<int>, ersteSaetze);
    Programmtabelle::global().leeren();
    registriereSprache(Programmtabelle::global());
    dialog::Skript skript;
    QStringList gezeigt;
    QList<int> gesehen;
    Form::setzeModalErsatz([&](Form* fenster) {
        gezeigt << fenster->objectName();
        auto* f = qobject_cast<Terga01*>(fenster);
        if (!f)
            return 0;
        f->show();
        QApplication::setActiveWindow(f);
        tippeBlock(*f, block);
        g_uhr.mono += sekunden;
        for (int r = 1; r <= f->art().runden && f->laeuft(); ++r) {
            gesehen << f->ersterSatz();
            for (int k = 1; k <= f->art().saetze; ++k) {
                // the sentence shown is one of the round's records
                const QString text = f->ausgabe->toPlainText();
                const int nr = nummer(text);
                if (nr < f->ersterSatz() || nr >= f->ersterSatz() + f->art().saetze)
                    return 0;
                waehle(*f, antwort(*f, falsch), maus);
            }
        }
        return 0;
    });
    QVERIFY(aufruf(n, n % 2 ? Menueart::Knopfmenue : Menueart::Windowsmenue));
    QCOMPARE(gezeigt, (QStringList{QStringLiteral("regel"), Terga01::mitglied(n).klasse, QStringLiteral("Form3")}));
    QCOMPARE(gesehen, ersteSaetze);
    const int saetze = int(ersteSaetze.size()) * Terga01::mitglied(n).saetze;
    QCOMPARE(skript.texte.count(QStringLiteral("FEHLER!!")), falsch ? saetze : 0);
    QCOMPARE(::meldung, QStringLiteral("Sie haben %1 Punkte erreicht!").arg(punkte));
    const QByteArray ergebnisse = m_ordner->lies(QStringLiteral("xbaserg3.dat"));
    QCOMPARE(kurz(ergebnisse, ergebnissatz * 21), QStringLiteral("07.03.2026   ") + punkte);
    const QByteArray hoch = m_ordner->lies(QStringLiteral("xbashigh.dat"));
    QCOMPARE(kurz(hoch, hochblock * 15 * 63), QStringLiteral("Eva"));
    QCOMPARE(kurz(hoch, hochblock * 15 * 63 + 21), punkte);
}

// Records 3 and 4 share their gap word: either cell answers either sentence.
void TestSatzgitter::einWortZweiSaetze()
{
    Terga01& f = fenster(57);
    f.show();
    tippeBlock(f, QStringLiteral("1"));
    QList<QPair<int, int>> doppel;
    for (int s = 1; s <= 2; ++s)
        for (int z = 1; z <= 5; ++z)
            if (f.luecken().zelle(s, z) == QLatin1String("Doppel"))
                doppel << qMakePair(s, z);
    QCOMPARE(doppel.size(), 2);
    int gefunden = 0;
    for (int k = 1; k <= 10; ++k) {
        const float vorher = f.punkte();
        const bool hier = f.luecken().wort(k) == QLatin1String("Doppel");
        // the second sentence takes the cell the first one did not
        waehle(f, hier ? doppel[gefunden++ % 2 == 0 ? 1 : 0] : antwort(f, false), true);
        QCOMPARE(f.punkte(), vorher + 100.0f);
    }
    QCOMPARE(gefunden, 2);
    f.close();
}

void TestSatzgitter::pause_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<bool>("esc");
    QTest::newRow("57 Klick und Enter") << 57 << false;
    QTest::newRow("57 Esc im letzten Satz") << 57 << true;
    QTest::newRow("59 Klick und Enter") << 59 << false;
    QTest::newRow("59 Esc im letzten Satz") << 59 << true;
}

// A pick during the pause of a right answer would answer the next sentence;
// Esc there closes the window and nothing is recorded.
void TestSatzgitter::pause()
{
    QFETCH(int, n);
    QFETCH(bool, esc);
    Terga01& f = fenster(n);
    f.show();
    tippeBlock(f, QStringLiteral("1"));
    const int saetze = f.art().saetze;
    if (esc) {
        // to the last sentence of the last round
        for (int k = 1; k < f.art().runden * saetze; ++k)
            waehle(f, antwort(f, false), true);
        QCOMPARE(f.rundenNr(), f.art().runden);
    }
    const int satzVorher = f.satzNr();
    const float punkteVorher = f.punkte();
    const QByteArray ergebnisse = m_ordner->lies(QStringLiteral("xbaserg3.dat"));
    ::meldung.clear();
    int pausen = 0;
    setzeWartenErsatz([&](int ms) {
        QCOMPARE(ms, 1000);
        ++pausen;
        // the answer of the next sentence, by mouse and by Enter
        const QPair<int, int> z = antwort(f, false);
        QTest::mouseClick(&f, Qt::LeftButton, Qt::NoModifier, mitte(f, z.first, z.second));
        QTest::keyClick(&f, Qt::Key_Down);
        QTest::keyClick(&f, Qt::Key_Return);
        if (esc)
            QTest::keyClick(&f, Qt::Key_Escape);
    });
    waehle(f, antwort(f, false), true);
    setzeWartenErsatz([](int) {});
    QCOMPARE(pausen, 1);
    QCOMPARE(f.satzNr(), satzVorher + 1);
    QCOMPARE(f.punkte(), punkteVorher + 100.0f);
    QCOMPARE(f.cursorZeile(), 1);
    if (esc) {
        QVERIFY(!f.isVisible());
        QVERIFY(!f.laeuft());
        QVERIFY(::meldung.isEmpty());
        QCOMPARE(m_ordner->lies(QStringLiteral("xbaserg3.dat")), ergebnisse);
    } else {
        QVERIFY(f.laeuft());
        f.close();
    }
}

void TestSatzgitter::cursor_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<QString>("tasten");  // h up, r down, l left, g right
    QTest::addColumn<int>("spalte");
    QTest::addColumn<int>("zeile");
    QTest::newRow("57 hoch von 1 nach 5") << 57 << "h" << 0 << 5;
    QTest::newRow("57 und wieder zurück") << 57 << "hr" << 0 << 1;
    QTest::newRow("57 rechts, links") << 57 << "ggg" << 1 << 1;
    QTest::newRow("57 nie auf die Satzzeile") << 57 << "rrrrr" << 0 << 1;
    QTest::newRow("58 links von 0 nach 1") << 58 << "lh" << 1 << 5;
    QTest::newRow("59 hoch von 1 nach 7") << 59 << "h" << 0 << 7;
    QTest::newRow("59 und wieder zurück") << 59 << "hr" << 0 << 1;
    QTest::newRow("59 links, rechts bewegen nichts") << 59 << "lgr" << 0 << 2;
}

void TestSatzgitter::cursor()
{
    QFETCH(int, n);
    QFETCH(QString, tasten);
    Terga01& f = fenster(n);
    f.show();
    tippeBlock(f, QStringLiteral("1"));
    const std::map<QChar, Qt::Key> k{{QLatin1Char('h'), Qt::Key_Up},
                                     {QLatin1Char('r'), Qt::Key_Down},
                                     {QLatin1Char('l'), Qt::Key_Left},
                                     {QLatin1Char('g'), Qt::Key_Right}};
    for (QChar c : tasten)
        QTest::keyClick(&f, k.at(c));
    QTEST(f.cursorSpalte(), "spalte");
    QTEST(f.cursorZeile(), "zeile");
    QCOMPARE(f.satzNr(), 1);
    f.close();
}

void TestSatzgitter::klickDaneben_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<int>("x");  // in tenths of a unit
    QTest::addColumn<int>("y");
    QTest::newRow("57 links vom Gitter") << 57 << 29 << 260;
    QTest::newRow("57 zwischen den Spalten") << 57 << 500 << 260;
    QTest::newRow("57 rechts vom Gitter") << 57 << 975 << 260;
    QTest::newRow("57 Satzzeile") << 57 << 250 << 100;
    QTest::newRow("57 zwischen den Zeilen") << 57 << 250 << 340;
    QTest::newRow("57 unter dem Gitter") << 57 << 250 << 970;
    QTest::newRow("59 zwischen den Zeilen") << 59 << 500 << 300;
    QTest::newRow("59 über dem Gitter") << 59 << 500 << 190;
}

void TestSatzgitter::klickDaneben()
{
    QFETCH(int, n);
    QFETCH(int, x);
    QFETCH(int, y);
    Terga01& f = fenster(n);
    f.show();
    tippeBlock(f, QStringLiteral("1"));
    dialog::Skript skript;
    const int ex = f.art().haelften ? f.haelftengitter().ex : f.gitter().ex;
    const int ey = f.art().haelften ? f.haelftengitter().ey : f.gitter().ey;
    QTest::mouseClick(&f, Qt::LeftButton, Qt::NoModifier, QPoint(x * ex / 10, y * ey / 10));
    QCOMPARE(f.satzNr(), 1);
    QCOMPARE(f.punkte(), 100.0f);
    QVERIFY(skript.texte.isEmpty());
    f.close();
}

void TestSatzgitter::falscheEingabe_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<QString>("block");
    QTest::addColumn<QByteArray>("inhalt");  // empty: the file is missing
    QTest::addColumn<int>("runde");          // the round that fails
    QTest::addColumn<QString>("fehler");
    QTest::newRow("Block 0") << 57 << "0" << luecken(270) << 0 << "ungültige Eingabe!";
    QTest::newRow("Wortfamilien Block 9") << 58 << "9" << luecken(240) << 0 << "ungültige Eingabe!";
    QTest::newRow("Satzhälften Block 5") << 59 << "5" << haelften(140) << 0 << "ungültige Eingabe!";
    QTest::newRow("fehlende Datei") << 57 << "1" << QByteArray() << 1 << "Datei nicht gefunden";
    QTest::newRow("kurz zum Start") << 57 << "9" << luecken(249) << 1 << "Versuch hinter dem Dateiende zu lesen";
    QTest::newRow("kurz in Runde 3") << 58 << "1" << luecken(20) << 3 << "Versuch hinter dem Dateiende zu lesen";
    QTest::newRow("Satzhälften kurz in Runde 2") << 59 << "1" << haelften(10) << 2
                                                 << "Versuch hinter dem Dateiende zu lesen";
    QByteArray x = luecken(270);
    x[1 + 74] = 'x';
    x[1 + 75] = ' ';
    QTest::newRow("Stelle keine Zahl") << 57 << "1" << x << 1 << "'x' ist kein gültiger Integerwert";
}

void TestSatzgitter::falscheEingabe()
{
    QFETCH(int, n);
    QFETCH(QString, block);
    QFETCH(QByteArray, inhalt);
    QFETCH(int, runde);
    QFETCH(QString, fehler);
    Terga01& f = fenster(n);
    if (inhalt.isEmpty())
        QFile::remove(m_ordner->pfad(f.art().datei));
    else
        m_ordner->schreibe(f.art().datei, inhalt);
    const QByteArray ergebnisse = m_ordner->lies(QStringLiteral("xbaserg3.dat"));
    dialog::Skript skript;
    f.show();
    tippeBlock(f, block);
    for (int r = 1; r < runde; ++r)
        for (int k = 1; k <= f.art().saetze; ++k)
            waehle(f, antwort(f, false), true);
    QCOMPARE(skript.texte, QStringList{fehler});
    QVERIFY(!f.laeuft());
    QCOMPARE(f.wahl->isVisible(), runde == 0);
    // picks and keys do nothing
    QTest::mouseClick(&f, Qt::LeftButton, Qt::NoModifier, QPoint(f.width() / 4, f.height() / 4));
    QTest::keyClick(&f, Qt::Key_Down);
    QTest::keyClick(&f, Qt::Key_Return);
    QCOMPARE(skript.texte.size(), 1);
    if (runde == 0)
        f.close();
    else
        QTest::keyClick(&f, Qt::Key_Escape);
    QVERIFY(!f.isVisible());
    QCOMPARE(m_ordner->lies(QStringLiteral("xbaserg3.dat")), ergebnisse);
}

int main(int argc, char** argv)
{
    Anwendung app(argc, argv);
    TestSatzgitter t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_satzgitter.moc"
