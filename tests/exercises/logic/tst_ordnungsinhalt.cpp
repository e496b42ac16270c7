// The content of "Reihenfolge" and "Planen" has one right order: each term's
// noted key rises or falls strictly, and the steps each step needs allow one
// order only. The builder refuses records that would be cut or ambiguous.
#include "content/inhalte.h"

#include <QFile>
#include <QTest>
#include <algorithm>
#include <array>

namespace {

const QString kQuellen = QStringLiteral(VELMORA_CONTENT_DIR "/quellen/");

// The source's records: its lines without comments and header, split at "|".
QList<QStringList> quelle(const QString& name)
{
    QFile f(kQuellen + name);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    QList<QStringList> saetze;
    bool kopf = true;
    for (const QString& z : QString::fromUtf8(f.readAll()).split(QLatin1Char('\n'))) {
        if (z.isEmpty() || z.startsWith(QLatin1Char('#')))
            continue;
        if (!std::exchange(kopf, false))
            saetze << z.split(QLatin1Char('|'));
    }
    return saetze;
}

const Inhaltsart& art(const QString& datei)
{
    for (const Inhaltsart& a : inhaltsarten())
        if (a.datei == datei)
            return a;
    qFatal("keine Art");
}

// The orders of steps 1..4 that meet every need.
int reihenfolgen(const QString& braucht, bool& richtigeDarunter)
{
    const QStringList b = braucht.split(QLatin1Char(';'));
    std::array<int, 4> p{1, 2, 3, 4};
    int n = 0;
    richtigeDarunter = false;
    do {
        bool passt = true;
        for (int i = 0; i < 4; ++i) {
            if (b[p[i] - 1] == QStringLiteral("-"))
                continue;
            for (const QString& v : b[p[i] - 1].split(QLatin1Char(',')))
                passt = passt && std::find(p.begin(), p.begin() + i, v.toInt()) != p.begin() + i;
        }
        if (passt) {
            ++n;
            richtigeDarunter = richtigeDarunter || p == std::array<int, 4>{1, 2, 3, 4};
        }
    } while (std::next_permutation(p.begin(), p.end()));
    return n;
}

}

class TestOrdnungsinhalt : public QObject {
    Q_OBJECT
private slots:
    void schluesselStreng();
    void planEindeutig();
    void zaehlerPruefung_data();
    void zaehlerPruefung();
    void baufehler_data();
    void baufehler();
};

void TestOrdnungsinhalt::schluesselStreng()
{
    const QList<QStringList> saetze = quelle(QStringLiteral("reifowin.txt"));
    QCOMPARE(saetze.size(), 47);
    for (const QStringList& s : saetze) {
        const QStringList k = s.value(5).split(QLatin1Char(' '));
        QCOMPARE(k.size(), 4);
        const qint64 a = k[0].toLongLong(), b = k[1].toLongLong(), c = k[2].toLongLong(), d = k[3].toLongLong();
        QVERIFY2((a < b && b < c && c < d) || (a > b && b > c && c > d), qPrintable(s.join(QLatin1Char('|'))));
    }
}

void TestOrdnungsinhalt::planEindeutig()
{
    const QList<QStringList> saetze = quelle(QStringLiteral("planen.txt"));
    QCOMPARE(saetze.size(), 25);
    for (const QStringList& s : saetze) {
        bool richtig = false;
        QVERIFY2(reihenfolgen(s.value(6), richtig) == 1 && richtig, qPrintable(s.join(QLatin1Char('|'))));
    }
}

// The uniqueness check itself: orders that needs leave open are found.
void TestOrdnungsinhalt::zaehlerPruefung_data()
{
    QTest::addColumn<QString>("braucht");
    QTest::addColumn<int>("anzahl");
    QTest::newRow("Kette") << "-;1;2;3" << 1;
    QTest::newRow("Kette mit mehr") << "-;1;1,2;1,2,3" << 1;
    QTest::newRow("zwei nach dem ersten") << "-;1;1;2,3" << 2;
    QTest::newRow("nichts") << "-;-;-;-" << 24;
    QTest::newRow("Kreis") << "4;1;2;3" << 0;
}

void TestOrdnungsinhalt::zaehlerPruefung()
{
    QFETCH(QString, braucht);
    QFETCH(int, anzahl);
    bool richtig = false;
    QCOMPARE(reihenfolgen(braucht, richtig), anzahl);
}

void TestOrdnungsinhalt::baufehler_data()
{
    QTest::addColumn<QString>("datei");
    QTest::addColumn<QString>("zeile");
    QTest::addColumn<QString>("fehler");
    QTest::newRow("Begriff zu lang") << "reifowin.dat" << "Tag|Woche|Monat|Einundzwanzig Zeichen|Tage|1 7 30 365"
                                     << "\"begriff4\" länger als 20 Zeichen";
    QTest::newRow("doppelt") << "reifowin.dat" << "Tag|Woche|Tag|Jahr|Tage|1 7 30 365" << "\"Tag\" doppelt";
    QTest::newRow("leer") << "reifowin.dat" << "Tag||Monat|Jahr|Tage|1 7 30 365" << "Feld 2 leer";
    QTest::newRow("drei Schlüssel") << "reifowin.dat" << "Tag|Woche|Monat|Jahr|Tage|1 7 30"
                                    << "\"schluessel\" braucht vier ganze Zahlen";
    const QString t = "Text.|Frage?|";
    QTest::newRow("Schritt zu lang") << "planen.dat" << t + "a|b|c|Sechsunddreißig Zeichen lang ist das|-;1;2;3"
                                     << "\"schritt4\" länger als 35 Zeichen";
    QTest::newRow("Schritt doppelt") << "planen.dat" << t + "a|b|a|d|-;1;2;3" << "\"a\" doppelt";
    QTest::newRow("braucht sich") << "planen.dat" << t + "a|b|c|d|-;2;2;3" << "\"braucht\" von Schritt 2 ungültig";
    QTest::newRow("braucht fünf") << "planen.dat" << t + "a|b|c|d|-;1;5;3" << "\"braucht\" von Schritt 3 ungültig";
}

void TestOrdnungsinhalt::baufehler()
{
    QFETCH(QString, datei);
    QFETCH(QString, zeile);
    QFETCH(QString, fehler);
    const Inhaltsart& a = art(datei);
    const QString kopf = datei == "planen.dat" ? "zeile1|zeile2|schritt1|schritt2|schritt3|schritt4|braucht\n"
                                               : "begriff1|begriff2|begriff3|begriff4|art|schluessel\n";
    try {
        baueInhalt(a, kopf + zeile + "\n", QStringLiteral("probe.txt"));
        QFAIL("gebaut");
    } catch (const Baufehler& e) {
        QCOMPARE(QString::fromUtf8(e.what()), QStringLiteral("probe.txt:2: ") + fehler);
    }
}

QTEST_GUILESS_MAIN(TestOrdnungsinhalt)
#include "tst_ordnungsinhalt.moc"
