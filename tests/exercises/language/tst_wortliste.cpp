// The word list "begriffe.dat" as built into a working folder, its three ways of
// reading, and the content of the other word files.
#include "common/textformat.h"
#include "common/cp1252.h"
#include "common/fehler.h"
#include "common/satzdatei.h"
#include "common/zufall.h"
#include "content/inhalte.h"
#include "exercises/language/hoehlen.h"
#include "exercises/language/ordnung.h"
#include "exercises/language/wortaufgaben.h"
#include "exercises/shared/wortliste.h"
#include "platform/anwendung.h"
#include "tests/support/testumgebung.h"

#include <QRegularExpression>
#include <QSet>
#include <QTest>

namespace {

bool nurAZ(const QString& s) { return QRegularExpression(QStringLiteral("^[A-Za-z]+$")).match(s).hasMatch(); }

QStringList saetze(const QString& datei, int groesse)
{
    Satzdatei d(datei, groesse);
    QStringList t;
    for (int i = 0; i < d.satzzahl(); ++i)
        t << d.liesText();
    return t;
}

// A word list of 577 records that holds only the given words, then "Langwort".
QByteArray liste(const QStringList& woerter)
{
    QByteArray b;
    for (int i = 0; i < wortliste::kWoerter; ++i)
        b += kurztext::satz(i < woerter.size() ? woerter[i] : QStringLiteral("Langwortliste"), 20);
    return b;
}

}

class TestWortliste : public QObject {
    Q_OBJECT
private slots:
    void init() { m_ordner = std::make_unique<Arbeitsordner>(); }
    void cleanup()
    {
        zufall::setzeFolge({});
        m_ordner.reset();
    }
    void gebauteListe();
    void laengen_data();
    void laengen();
    void dreiLesarten();
    void zufallNachLaenge_data();
    void zufallNachLaenge();
    void zuWenigeWoerter_data();
    void zuWenigeWoerter();
    void kurzeDatei();
    void saetzeSatzbau();
    void ergaenzungen();
    void wahlsaetze();
    void hoehlentabelle();
    void bauregeln_data();
    void bauregeln();

private:
    std::unique_ptr<Arbeitsordner> m_ordner;
};

void TestWortliste::gebauteListe()
{
    const QByteArray roh = m_ordner->lies(wortliste::kDatei);
    QCOMPARE(roh.size(), wortliste::kWoerter * wortliste::kSatzgroesse);
    const QStringList w = saetze(wortliste::kDatei, wortliste::kSatzgroesse);
    QSet<QString> verschieden, kurz;
    for (const QString& wort : w) {
        QVERIFY2(!wort.isEmpty(), "leeres Wort");
        QVERIFY2(!wort.contains(QLatin1Char(' ')), qPrintable(wort));
        // the hangman game and the memory games draw these and can only show A to Z
        if (wort.size() <= 7) {
            QVERIFY2(nurAZ(wort), qPrintable(wort));
            kurz << wort;
        }
        verschieden << wort;
    }
    // "Sortieren" draws six different words; the games want variety
    QCOMPARE(verschieden.size(), wortliste::kWoerter);
    QVERIFY(kurz.size() >= 200);

    // "Tippen" and "Lesen" take 20 different words shorter than 7 characters,
    // typed with A to Z; "Wortschlüssel" up to 15 words of at most 5 letters
    int unterSieben = 0, bisFuenf = 0;
    for (int i = 0; i < wortliste::kErste; ++i) {
        QVERIFY2(nurAZ(w[i]), qPrintable(w[i]));
        unterSieben += w[i].size() < 7;
        bisFuenf += w[i].size() <= 5;
    }
    QVERIFY(unterSieben >= 100);
    QVERIFY(bisFuenf >= 30);
}

void TestWortliste::laengen_data()
{
    // "Wortmuster" asks for a word of exactly 4 to 7 letters, many times a run
    QTest::addColumn<int>("laenge");
    for (int l = 4; l <= 7; ++l)
        QTest::newRow(qPrintable(QString::number(l))) << l;
}

void TestWortliste::laengen()
{
    QFETCH(int, laenge);
    int n = 0;
    for (const QString& w : saetze(wortliste::kDatei, wortliste::kSatzgroesse))
        n += w.size() == laenge;
    QVERIFY2(n >= 40, qPrintable(QString::number(n)));
}

void TestWortliste::dreiLesarten()
{
    const std::vector<TBegriff> alle = wortliste::ganzeListe();
    const std::vector<TBegriff> erste = wortliste::ersteWoerter();
    QCOMPARE(int(alle.size()), 577);
    QCOMPARE(int(erste.size()), 150);
    QCOMPARE(alle.front(), QStringLiteral("Hund"));
    QVERIFY(std::equal(erste.begin(), erste.end(), alle.begin()));
    QCOMPARE(QStringList(alle.begin(), alle.end()), saetze(wortliste::kDatei, wortliste::kSatzgroesse));
}

void TestWortliste::zufallNachLaenge_data()
{
    QTest::addColumn<int>("anzahl");
    QTest::addColumn<int>("hoechstens");
    QTest::addColumn<int>("genau");
    QTest::addColumn<bool>("verschieden");
    QTest::newRow("Galgenmann, Memory, Wortmerk") << 12 << 7 << 0 << true;
    for (int l = 4; l <= 7; ++l)
        QTest::newRow(qPrintable(QStringLiteral("Wortmuster %1").arg(l))) << 1 << 0 << l << false;
}

void TestWortliste::zufallNachLaenge()
{
    QFETCH(int, anzahl);
    QFETCH(int, hoechstens);
    QFETCH(int, genau);
    QFETCH(bool, verschieden);
    for (unsigned saat = 1; saat <= 20; ++saat) {
        zufall::setzeSaat(saat);
        const auto filter = genau ? wortliste::genau(genau) : wortliste::hoechstens(hoechstens);
        const std::vector<TBegriff> w = wortliste::zufallNachLaenge(anzahl, filter, verschieden);
        QCOMPARE(int(w.size()), anzahl);
        for (const TBegriff& b : w)
            QVERIFY(filter(b.size()));
        QCOMPARE(int(QSet<QString>(w.begin(), w.end()).size()), anzahl);
    }
}

void TestWortliste::zuWenigeWoerter_data()
{
    QTest::addColumn<QStringList>("woerter");
    QTest::addColumn<int>("anzahl");
    QTest::addColumn<int>("laenge");  // at most, or exactly when negative
    QTest::newRow("5 kurze, 12 verlangt") << QStringList{"Hund", "Maus", "Haus", "Hund", "Baum", "Tisch"} << 12 << 7;
    QTest::newRow("kein Wort aus 5 Zeichen") << QStringList{"Hund", "Maus"} << 1 << -5;
    QTest::newRow("gar keins") << QStringList{} << 1 << 7;
}

void TestWortliste::zuWenigeWoerter()
{
    QFETCH(QStringList, woerter);
    QFETCH(int, anzahl);
    QFETCH(int, laenge);
    m_ordner->schreibe(wortliste::kDatei, liste(woerter));
    // a sequence that keeps hitting the same record must not make it hang either
    zufall::setzeFolge([] { return 0.0; });
    const auto filter = laenge < 0 ? wortliste::genau(-laenge) : wortliste::hoechstens(laenge);
    try {
        wortliste::zufallNachLaenge(anzahl, filter);
        QFAIL("no message");
    } catch (const VelmoraFehler& f) {
        QCOMPARE(f.text(), QStringLiteral("Die Wortliste \"begriffe.dat\" enthält zu wenige passende Wörter für diese Übung."));
    }
}

void TestWortliste::kurzeDatei()
{
    m_ordner->schreibe(wortliste::kDatei, liste({}).left(576 * 21));
    try {
        wortliste::ganzeListe();
        QFAIL("no error");
    } catch (const EAFehler& f) {
        QCOMPARE(f.code(), 100);
    }
    QCOMPARE(int(wortliste::ersteWoerter().size()), 150);
}

void TestWortliste::saetzeSatzbau()
{
    const QStringList s = saetze(QStringLiteral("satzwin.dat"), 61);
    QCOMPARE(s.size(), 180);
    double vorher = 0;
    for (int band = 0; band < 5; ++band) {
        int woerter = 0;
        for (int i = 36 * band; i < 36 * band + 36; ++i) {
            const auto teile = ordnung::teile(s[i]);
            QVERIFY(teile.size() >= 3 && teile.size() <= 8);
            QCOMPARE(std::accumulate(teile.begin(), teile.end(), QString()), s[i]);
            QVERIFY2(s[i][0].isUpper() && QStringLiteral(".!?").contains(s[i].back()), qPrintable(s[i]));
            woerter += int(teile.size());
        }
        // the bands grow harder: more words per sentence
        QVERIFY(woerter / 36.0 > vorher);
        vorher = woerter / 36.0;
    }
}

void TestWortliste::ergaenzungen()
{
    const QStringList s = saetze(QStringLiteral("bucherg.dat"), 61);
    QCOMPARE(s.size(), 240);
    QSet<QString> woerter;
    for (const QString& satz : s) {
        const Wortaufgabe e = wortaufgaben::ergaenzaufgabe(satz);
        woerter << e.wort;
        // the letters typed into the gaps give the word
        wortaufgaben::Lueckenwort l(e.memo, e.wort);
        for (int i = 0; i < e.memo.size(); ++i)
            if (e.memo[i] == QLatin1Char('-'))
                l.tippe(textformat::grossAZ(e.wort.mid(i, 1))[0]);
        QVERIFY2(l.fertig() && l.richtig() && l.text() == e.wort, qPrintable(e.wort));
        QVERIFY(!e.hinweis.isEmpty() && e.hinweis.size() <= 20);
        QVERIFY(!wortaufgaben::ohneVokale(e.wort).isEmpty());
    }
    QCOMPARE(woerter.size(), 240);

    // the gaps admit no other word the program knows ("St-rn" would fit "Stirn" too)
    QSet<QString> bekannt;
    for (const QString& w : woerter)
        bekannt << textformat::grossAZ(w);
    for (const QString& w : saetze(wortliste::kDatei, wortliste::kSatzgroesse))
        bekannt << textformat::grossAZ(w);
    // and words outside the program that looser masks once admitted
    bekannt << QStringLiteral("SONDE") << QStringLiteral("SPIONE") << QStringLiteral("TEILER") << QStringLiteral("KELTER");
    for (const QString& satz : s) {
        const Wortaufgabe e = wortaufgaben::ergaenzaufgabe(satz);
        const QString maske = textformat::grossAZ(e.memo);
        for (const QString& w : bekannt) {
            bool passt = w.size() == maske.size() && w != textformat::grossAZ(e.wort);
            for (int i = 0; passt && i < w.size(); ++i)
                passt = maske[i] == QLatin1Char('-') || maske[i] == w[i];
            QVERIFY2(!passt, qPrintable(e.memo + QStringLiteral(" passt auch zu ") + w));
        }
    }
}

void TestWortliste::wahlsaetze()
{
    const QStringList s = saetze(QStringLiteral("wahlwin.dat"), 93);
    QCOMPARE(s.size(), 120);
    for (const QString& satz : s) {
        const Wortaufgabe a = wortaufgaben::auswahlaufgabe(satz);
        QVERIFY2(a.loesung == QLatin1String("1") || a.loesung == QLatin1String("2"), qPrintable(satz));
        QCOMPARE(a.memo.count(QStringLiteral("...")), 1);
        QVERIFY(a.ausgabe.startsWith(QStringLiteral("1) ")) && a.ausgabe.contains(QStringLiteral("     2) ")));
    }
}

void TestWortliste::hoehlentabelle()
{
    // every hidden word lies inside its word and can be typed into 8 characters
    const QRegularExpression eintrag(QStringLiteral("^[a-zÄÖÜ]+,[1-9][1-9]$"));
    QSet<QString> loesungen;
    for (const hoehlen::Kategorie& k : hoehlen::tabelle()) {
        for (const QString& e : k.eintraege) {
            QVERIFY2(eintrag.match(e).hasMatch(), qPrintable(e));
            const int s = e[e.size() - 2].digitValue(), l = e[e.size() - 1].digitValue();
            QVERIFY2(s + l - 1 <= e.size() - 3, qPrintable(e));
            const Wortaufgabe a = wortaufgaben::hoehlenaufgabe(k.name, e);
            QCOMPARE(a.loesung.size(), l);
            QVERIFY(a.loesung.size() <= 8);
            QVERIFY(a.ausgabe.contains(a.loesung));
            loesungen << k.name + QLatin1Char(':') + a.loesung;
        }
    }
    QVERIFY(loesungen.contains(QStringLiteral("Tier:PFERD")));
    QVERIFY(loesungen.contains(QStringLiteral("Körperteil:RÜCKEN")));
    QVERIFY(loesungen.contains(QStringLiteral("Fluss:TIGRIS")));
}

void TestWortliste::bauregeln_data()
{
    QTest::addColumn<QString>("datei");
    QTest::addColumn<QString>("zeile");
    QTest::addColumn<QString>("fehler");
    QTest::newRow("neun Wörter") << "satzwin.dat" << "Wir fahren morgen mit dem Zug nach Berlin zur Oma."
                                 << "mehr als 8 Wörter";
    QTest::newRow("doppelt leer") << "satzwin.dat" << "Der  Hund bellt." << "doppeltes Leerzeichen";
    QTest::newRow("leer am Ende") << "satzwin.dat" << "Der Hund bellt. " << "Leerzeichen am Anfang oder Ende";
    QTest::newRow("kurz mit Umlaut") << "begriffe.dat" << "Bär" << "Wort bis 7 Zeichen nur aus den Buchstaben A bis Z";
    QTest::newRow("ohne Lücke") << "bucherg.dat" << "Hund|Hund|bellt" << "Maske ohne Lücke";
    QTest::newRow("andere Länge") << "bucherg.dat" << "H-nd|Hunde|bellen" << "Maske und Wort verschieden lang";
    QTest::newRow("andere Buchstaben") << "bucherg.dat" << "H-nt|Hund|bellt" << "Maske weicht an Stelle 4 vom Wort ab";
    QTest::newRow("ein Zeichen") << "bucherg.dat" << "A-|AA|Laut" << "Wort aus nur einem Zeichen";
    QTest::newRow("Satz ohne Lücke") << "wahlwin.dat" << "Ohne Lücke.|das|dass|1" << "Satz ohne genau eine Lücke";
    QTest::newRow("dritte Wahl") << "wahlwin.dat" << "Mit ... Lücke.|das|dass|3" << "richtig muss 1 oder 2 sein";
}

void TestWortliste::bauregeln()
{
    QFETCH(QString, datei);
    QFETCH(QString, zeile);
    QFETCH(QString, fehler);
    const auto& arten = inhaltsarten();
    const auto art = std::find_if(arten.begin(), arten.end(), [&](const Inhaltsart& a) { return a.datei == datei; });
    QVERIFY(art != arten.end());
    QStringList kopf;
    for (const Spalte& s : art->spalten)
        kopf << s.name;
    try {
        baueInhalt(*art, kopf.join(QLatin1Char('|')) + QLatin1Char('\n') + zeile + QLatin1Char('\n'), QStringLiteral("q.txt"));
        QFAIL("accepted");
    } catch (const Baufehler& e) {
        QVERIFY2(QString::fromUtf8(e.what()).startsWith(QStringLiteral("q.txt:2: ") + fehler), e.what());
    }
}

int main(int argc, char** argv)
{
    Anwendung app(argc, argv);
    TestWortliste t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_wortliste.moc"
