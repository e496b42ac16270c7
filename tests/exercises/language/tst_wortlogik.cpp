// The word tasks without their windows: ascending order, the sentence split and
// shuffle, the levels, the answer filters, scrambling and gap filling.
#include "common/fehler.h"
#include "common/zufall.h"
#include "exercises/language/ordnung.h"
#include "exercises/language/udeu01.h"
#include "exercises/language/wortaufgaben.h"
#include "exercises/shared/buchstabenfilter.h"
#include "platform/anwendung.h"

#include <QTest>
#include <algorithm>

using namespace wortaufgaben;
using Liste = std::vector<QString>;

class TestWortlogik : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { zufall::setzeFolge({}); }
    void aufsteigend_data();
    void aufsteigend();
    void sortieraufgabe();
    void teile_data();
    void teile();
    void gleicheWoerterTauschbar();
    void mischen();
    void satzbaender();
    void bandBleibtUnterFuenf();
    void filter_data();
    void filter();
    void verwuerfeln_data();
    void verwuerfeln();
    void lueckenwort();
    void aufgabenAusSaetzen();
};

void TestWortlogik::aufsteigend_data()
{
    QTest::addColumn<QStringList>("woerter");
    QTest::addColumn<QStringList>("ordnung");
    QTest::newRow("Anfangsbuchstaben") << QStringList{"Tisch", "Apfel", "Hund", "Maus"}
                                       << QStringList{"Apfel", "Hund", "Maus", "Tisch"};
    QTest::newRow("Vorsilbe zuerst") << QStringList{"Hausschuh", "Haus", "Hau"} << QStringList{"Hau", "Haus", "Hausschuh"};
    QTest::newRow("zweiter Buchstabe") << QStringList{"Bus", "Boot", "Baum", "Bett", "Birne", "Brot"}
                                       << QStringList{"Baum", "Bett", "Birne", "Boot", "Brot", "Bus"};
    // byte order: capitals before small letters, umlauts after z
    QTest::newRow("Zeichencodes") << QStringList{"apfel", "Zug", "Ähre", "zahn"} << QStringList{"Zug", "apfel", "zahn", "Ähre"};
}

void TestWortlogik::aufsteigend()
{
    QFETCH(QStringList, woerter);
    QFETCH(QStringList, ordnung);
    Liste w(woerter.begin(), woerter.end());
    std::sort(w.begin(), w.end(), ordnung::vor);
    QCOMPARE(QStringList(w.begin(), w.end()), ordnung);
}

void TestWortlogik::sortieraufgabe()
{
    const std::vector<TBegriff> liste = {"Hund", "Katze", "Maus", "Hund", "Haus", "Baum", "Tisch", "Brot"};
    for (unsigned saat = 1; saat <= 30; ++saat) {
        zufall::setzeSaat(saat);
        const ordnung::Aufgabe a = ordnung::sortieraufgabe(liste, 6);
        QCOMPARE(int(a.vorgabe.size()), 6);
        QCOMPARE(int(QSet<QString>(a.vorgabe.begin(), a.vorgabe.end()).size()), 6);
        QVERIFY(std::is_permutation(a.vorgabe.begin(), a.vorgabe.end(), a.loesung.begin()));
        QVERIFY(std::is_sorted(a.loesung.begin(), a.loesung.end(), ordnung::vor));
    }
    // seven different words cannot give eight: a message, no endless draw
    QVERIFY_THROWS_EXCEPTION(VelmoraFehler, ordnung::sortieraufgabe(liste, 8));
}

void TestWortlogik::teile_data()
{
    QTest::addColumn<QString>("satz");
    QTest::addColumn<QStringList>("woerter");
    QTest::newRow("vier") << "Der Hund bellt laut." << QStringList{"Der ", "Hund ", "bellt ", "laut."};
    QTest::newRow("eins") << "Halt!" << QStringList{"Halt!"};
    QTest::newRow("acht") << "a b c d e f g h" << QStringList{"a ", "b ", "c ", "d ", "e ", "f ", "g ", "h"};
    // never more than the 8 rows of the picture: the rest stays together
    QTest::newRow("zehn") << "a b c d e f g h i j" << QStringList{"a ", "b ", "c ", "d ", "e ", "f ", "g ", "h i j"};
    QTest::newRow("Komma") << "Er bellt, wenn es klingelt." << QStringList{"Er ", "bellt, ", "wenn ", "es ", "klingelt."};
}

void TestWortlogik::teile()
{
    QFETCH(QString, satz);
    QFETCH(QStringList, woerter);
    const Liste w = ordnung::teile(satz);
    QCOMPARE(QStringList(w.begin(), w.end()), woerter);
}

void TestWortlogik::gleicheWoerterTauschbar()
{
    // "die " twice: picking either one first is right
    const Liste loesung = ordnung::teile(QStringLiteral("Sie sieht die Katze und die Maus."));
    const Liste vorgabe = {"die ", "Maus.", "Sie ", "die ", "und ", "sieht ", "Katze "};
    for (const std::vector<int>& folge : {std::vector<int>{2, 5, 0, 6, 4, 3, 1}, std::vector<int>{2, 5, 3, 6, 4, 0, 1}}) {
        Liste eingabe;
        for (int p : folge)
            eingabe.push_back(vorgabe[p]);
        QVERIFY(ordnung::richtig(eingabe, loesung));
    }
    QVERIFY(!ordnung::richtig({"Sie ", "sieht ", "die ", "Maus.", "und ", "die ", "Katze "}, loesung));
}

void TestWortlogik::mischen()
{
    const Liste satz = ordnung::teile(QStringLiteral("Wir trinken am Nachmittag eine Tasse Tee."));
    for (unsigned saat = 1; saat <= 20; ++saat) {
        zufall::setzeSaat(saat);
        Liste w = satz;
        ordnung::mische(w);
        QVERIFY(std::is_permutation(w.begin(), w.end(), satz.begin()));
    }
    // a position may be swapped with itself: the sentence may stay in order
    zufall::setzeFolge([] { return 0.5; });
    Liste w = satz;
    ordnung::mische(w);
    QCOMPARE(w, satz);
}

void TestWortlogik::satzbaender()
{
    QStringList saetze;
    for (int i = 0; i < 180; ++i)
        saetze << QStringLiteral("Satz Nummer %1.").arg(i);
    std::vector<bool> benutzt(180, false);
    zufall::setzeSaat(7);
    for (int k = 0; k < 36; ++k) {
        const ordnung::Aufgabe a = ordnung::satzaufgabe(saetze, benutzt, 2);
        const int nr = a.loesung.back().mid(0, a.loesung.back().size() - 1).toInt();
        QVERIFY(nr >= 72 && nr < 108);
    }
    QCOMPARE(int(std::count(benutzt.begin(), benutzt.end(), true)), 36);
    // the band is used up: a message instead of an endless draw
    QVERIFY_THROWS_EXCEPTION(VelmoraFehler, ordnung::satzaufgabe(saetze, benutzt, 2));
}

void TestWortlogik::bandBleibtUnterFuenf()
{
    // 20 tasks all right: the band of the task never passes 4, even without a cap
    const Sortierart& satzbau = sortierart(50);
    ordnung::Stufe band(satzbau.stufeStart, satzbau.stufeAlle, 99);
    band.neu();
    QList<int> baender;
    for (int aufgabe = 1; aufgabe <= 20; ++aufgabe) {
        baender << band.wert();
        band.richtig();
    }
    QCOMPARE(baender, (QList<int>{0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2, 2, 3, 3, 3, 3, 4, 4, 4, 4}));
}

void TestWortlogik::filter_data()
{
    QTest::addColumn<int>("filter");
    QTest::addColumn<QString>("getippt");
    QTest::addColumn<QString>("ergebnis");  // "" when dropped
    using F = Zeichenfilter;
    QTest::newRow("gross a") << int(F::Grossbuchstaben) << "a" << "A";
    QTest::newRow("gross [") << int(F::Grossbuchstaben) << "[" << "[";
    QTest::newRow("gross 1") << int(F::Grossbuchstaben) << "1" << "";
    QTest::newRow("gross ä") << int(F::Grossbuchstaben) << "ä" << "";
    QTest::newRow("wie getippt z") << int(F::WieGetippt) << "z" << "z";
    QTest::newRow("wie getippt -") << int(F::WieGetippt) << "-" << "";
    QTest::newRow("umlaut ü") << int(F::MitUmlauten) << "ü" << "Ü";
    QTest::newRow("umlaut Ö") << int(F::MitUmlauten) << "Ö" << "Ö";
    QTest::newRow("umlaut ß") << int(F::MitUmlauten) << "ß" << "";
    QTest::newRow("umlaut b") << int(F::MitUmlauten) << "b" << "B";
    QTest::newRow("auswahl 2") << int(F::EinsOderZwei) << "2" << "2";
    QTest::newRow("auswahl 3") << int(F::EinsOderZwei) << "3" << "";
    QTest::newRow("auswahl a") << int(F::EinsOderZwei) << "a" << "";
}

void TestWortlogik::filter()
{
    QFETCH(int, filter);
    QFETCH(QString, getippt);
    QFETCH(QString, ergebnis);
    const std::optional<QChar> c = filtere(Zeichenfilter(filter), getippt[0]);
    QCOMPARE(c ? QString(*c) : QString(), ergebnis);
}

void TestWortlogik::verwuerfeln_data()
{
    QTest::addColumn<QString>("wort");
    QTest::newRow("Hund") << "Hund";
    QTest::newRow("Anna") << "Anna";
    QTest::newRow("Kugelschreiber") << "Kugelschreiber";
    QTest::newRow("ab") << "ab";
}

void TestWortlogik::verwuerfeln()
{
    QFETCH(QString, wort);
    auto gleicheBuchstaben = [](QString a, QString b) {
        std::sort(a.begin(), a.end());
        std::sort(b.begin(), b.end());
        return a == b;
    };
    for (unsigned saat = 1; saat <= 20; ++saat) {
        zufall::setzeSaat(saat);
        const QString v = verwuerfle(wort);
        QVERIFY(v != wort);
        QVERIFY(gleicheBuchstaben(v, wort));
    }
    // a sequence that moves nothing still ends, with the word changed
    zufall::setzeFolge([] { return 0.0; });
    const QString v = verwuerfle(wort);
    QVERIFY(v != wort && gleicheBuchstaben(v, wort));
}

void TestWortlogik::lueckenwort()
{
    Lueckenwort l(QStringLiteral("-ar-off-l"), QStringLiteral("Kartoffel"));
    QCOMPARE(l.luecken(), 3);
    l.tippe(QLatin1Char('K'));
    l.tippe(QLatin1Char('T'));
    QCOMPARE(l.text(), QStringLiteral("Kartoff-l"));
    // Backspace takes back every letter typed for this word
    l.zuruecknehmen();
    QCOMPARE(l.text(), QStringLiteral("-ar-off-l"));
    for (QChar c : QStringLiteral("KTE"))
        l.tippe(c);
    QVERIFY(l.fertig());
    QCOMPARE(l.text(), QStringLiteral("Kartoffel"));  // small letters where the word has them
    QVERIFY(l.richtig());
    Lueckenwort falsch(QStringLiteral("H-nd"), QStringLiteral("Hund"));
    falsch.tippe(QLatin1Char('A'));
    QVERIFY(falsch.fertig() && !falsch.richtig());
}

void TestWortlogik::aufgabenAusSaetzen()
{
    const QString wahl = QStringLiteral("Ich warte schon ... einer Stunde auf dich.").leftJustified(60) +
                         QStringLiteral("seid").leftJustified(15) + QStringLiteral("seit").leftJustified(15) +
                         QStringLiteral("2");
    const Wortaufgabe w = auswahlaufgabe(wahl);
    QCOMPARE(w.ausgabe, QStringLiteral("1) seid     2) seit"));
    QCOMPARE(w.memo, QStringLiteral("Ich warte schon ... einer Stunde auf dich."));
    QCOMPARE(w.loesung, QStringLiteral("2"));
    const Wortaufgabe h = hoehlenaufgabe(QStringLiteral("Tier"), QStringLiteral("blumentopferde,95"));
    QCOMPARE(h.ausgabe, QStringLiteral("BLUMENTOPFERDE"));
    QCOMPARE(h.loesung, QStringLiteral("PFERD"));
    QCOMPARE(h.memo, QStringLiteral("Tier"));
    QCOMPARE(hoehlenaufgabe(QStringLiteral("Küche"), QStringLiteral("gestÜte,44")).loesung, QStringLiteral("TÜTE"));
}

int main(int argc, char** argv)
{
    Anwendung app(argc, argv);
    TestWortlogik t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_wortlogik.moc"
