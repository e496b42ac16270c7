// The task makers of the grid quizzes over many seeds and with scripted
// draws, and their level rules.
#include "tests/exercises/reaction/gitterhilfe.h"
#include "tests/support/uebungsumgebung.h"

#include <QRegularExpression>
#include <QSet>
#include <QTest>
#include <random>

class TestGitterlogik : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { zufall::setzeFolge({}); }
    void macherUeberSaaten_data();
    void macherUeberSaaten();
    void gezogen_data();
    void gezogen();
    void stufen_data();
    void stufen();
};

void TestGitterlogik::macherUeberSaaten_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<int>("stufe");
    QTest::addColumn<int>("ziffern");
    QTest::addColumn<int>("buchstabenMin");
    QTest::addColumn<int>("buchstabenMax");
    QTest::addColumn<int>("verschieden");  // distinct characters shown; -1: any
    QTest::addColumn<QString>("loesung");   // what every solution looks like
    QTest::addColumn<int>("loesungen");     // distinct solutions seen at least
    QTest::newRow("Doppelbuch L 0") << 73 << 0 << 0 << 4 << 4 << 3 << "^[A-Z]$" << 26;
    QTest::newRow("Doppelbuch L 22") << 73 << 22 << 0 << 26 << 26 << 25 << "^[A-Z]$" << 26;
    QTest::newRow("Ziff in Buch N 1") << 74 << 1 << 1 << 29 << 30 << -1 << "^[1-9]$" << 9;
    QTest::newRow("Ziff in Buch N 4") << 74 << 4 << 4 << 26 << 30 << -1 << "^[1-3]?\\d$" << 20;
    QTest::newRow("Unterschiede") << 75 << 0 << 0 << 0 << 0 << 0 << "^[1-3]$" << 3;
    QTest::newRow("Ziffer fehlt") << 79 << 0 << 8 << 0 << 0 << 8 << "^[1-9]$" << 9;
    QTest::newRow("Buchsort N 2") << 81 << 2 << 0 << 2 << 2 << 2 << "^[A-Z]{2}$" << 200;
    QTest::newRow("Buchsort N 8") << 81 << 8 << 0 << 8 << 8 << 8 << "^[A-Z]{8}$" << 390;
    QTest::newRow("Ziffsort N 8") << 82 << 8 << 8 << 0 << 0 << 8 << "^[1-9]{8}$" << 9;
    QTest::newRow("Ziffernsumme N 2") << 65 << 2 << 2 << 0 << 0 << -1 << "^1?\\d$" << 17;
    QTest::newRow("Ziffernsumme N 11") << 65 << 11 << 11 << 0 << 0 << -1 << "^\\d\\d$" << 30;
}

void TestGitterlogik::macherUeberSaaten()
{
    QFETCH(int, n);
    QFETCH(int, stufe);
    QFETCH(int, ziffern);
    QFETCH(int, buchstabenMin);
    QFETCH(int, buchstabenMax);
    QFETCH(int, verschieden);
    QFETCH(QString, loesung);
    QFETCH(int, loesungen);
    const QRegularExpression form(loesung), zeile(QStringLiteral("^([A-Z] ){8}$"));
    QSet<QString> gesehen;
    for (unsigned saat = 1; saat <= 400; ++saat) {
        mitSaat(saat);
        const gitterquiz::Aufgabe a = artVon(n).aufgabe(stufe);
        const QString z = zeichen(a.feld);
        const qsizetype b = z.count(QRegularExpression(QStringLiteral("[A-Z]")));
        const qsizetype d = z.count(QRegularExpression(QStringLiteral("[1-9]")));
        const QString wo = QStringLiteral("Saat %1: %2 %3|%4 -> %5").arg(saat).arg(z, a.aus1, a.aus2, a.loesung);
        QVERIFY2(b + d == z.size() && d == ziffern && b >= buchstabenMin && b <= buchstabenMax, qPrintable(wo));
        QVERIFY2(verschieden < 0 || QSet<QChar>(z.begin(), z.end()).size() == verschieden, qPrintable(wo));
        QVERIFY2(form.match(a.loesung).hasMatch() && a.loesung == loese(n, a), qPrintable(wo));
        QVERIFY2(n != 75 || (zeile.match(a.aus1).hasMatch() && zeile.match(a.aus2).hasMatch()), qPrintable(wo));
        gesehen << a.loesung;
    }
    QVERIFY2(gesehen.size() >= loesungen, qPrintable(QString::number(gesehen.size())));
}

void TestGitterlogik::gezogen_data()
{
    // scripted draws: each character first, then its cell; a cell that is
    // taken, or a letter already drawn, is drawn again
    QTest::addColumn<int>("n");
    QTest::addColumn<int>("stufe");
    QTest::addColumn<QList<double>>("folge");
    QTest::addColumn<QString>("feld");  // the grid and the two rows
    QTest::addColumn<QString>("loesung");
    // the number r that a draw trunc(r * K) + 1 turns into k + 1
    const auto wahl = [](int k, int K) { return (k + 0.5) / K; };
    const auto b = [&](char c) { return wahl(c - 'A', 26); };
    const auto d = [&](int z) { return wahl(z - 1, 9); };
    const auto c = [&](int i) { return wahl(i, 36); };
    const QString leer(36, u'0');
    QTest::newRow("Buchsort B C A") << 81 << 3 << QList<double>{b('B'), c(0), b('C'), c(1), b('A'), c(2)}
                                    << "BCA" + leer.left(33) + "||" << "ABC";
    QTest::newRow("Doppelbuch L 0")
        << 73 << 0 << QList<double>{b('A'), c(0), b('A'), b('B'), c(5), b('C'), c(0), c(7), b('D'), c(35)}
        << "A0000B0D" + leer.left(27) + "D||" << "D";
    QList<double> ziffInBuch;
    for (int i = 0; i < 30; ++i)
        ziffInBuch << b('K') << c(i);
    QTest::newRow("Ziff in Buch: Ziffer auf Buchstabe")
        << 74 << 2 << ziffInBuch + QList<double>{d(5), c(0), d(7), c(0), c(35)}
        << "5" + QString(29, u'K') + "000007||" << "12";
    QTest::newRow("Unterschiede 2") << 75 << 0
                                    << QList<double>{b('A'), b('B'), b('C'), b('D'), b('E'), b('F'), b('G'), b('H'),
                                                     wahl(1, 3), wahl(2, 8), wahl(2, 8), wahl(5, 8), b('C'), b('Z'),
                                                     b('Y')}
                                    << leer + "|A B Z D E Y G H |A B C D E F G H " << "2";
    QTest::newRow("Ziffsort 9 1 5") << 82 << 3 << QList<double>{d(9), c(10), d(9), d(1), c(11), d(5), c(12)}
                                    << leer.left(10) + "915" + leer.left(23) + "||" << "159";
}

void TestGitterlogik::gezogen()
{
    QFETCH(int, n);
    QFETCH(int, stufe);
    QFETCH(QList<double>, folge);
    QFETCH(QString, feld);
    QFETCH(QString, loesung);
    // past the script, numbers from a generator, so a maker that draws more
    // fails instead of hanging in a draw that never ends
    int i = 0;
    zufall::setzeFolge([&, weiter = std::mt19937(1)]() mutable {
        return i < folge.size() ? folge[i++] : (++i, weiter() / 4294967296.0);
    });
    const gitterquiz::Aufgabe a = artVon(n).aufgabe(stufe);
    QCOMPARE(QString(a.feld.data(), 36) + '|' + a.aus1 + '|' + a.aus2, feld);
    QCOMPARE(a.loesung, loesung);
    QCOMPARE(i, folge.size());
}

void TestGitterlogik::stufen_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<int>("aufgabe");
    QTest::addColumn<int>("richtige");
    QTest::addColumn<int>("stufe");
    QTest::newRow("73 richtig, falsch") << 73 << 3 << 1 << 0;
    QTest::newRow("73 richtig, falsch, richtig") << 73 << 4 << 2 << 1;
    QTest::newRow("73 letzte Aufgabe") << 73 << 20 << 19 << 9;
    QTest::newRow("73 Deckel: L + 4 <= 26") << 73 << 60 << 59 << 22;
    QTest::newRow("74 Aufgabe 5") << 74 << 5 << 4 << 1;
    QTest::newRow("74 Aufgabe 6, alle falsch") << 74 << 6 << 0 << 2;
    QTest::newRow("74 Aufgabe 15") << 74 << 15 << 14 << 3;
    QTest::newRow("74 Aufgabe 20") << 74 << 20 << 0 << 4;
    QTest::newRow("75 keine Stufe") << 75 << 20 << 19 << 0;
    QTest::newRow("79 keine Stufe") << 79 << 15 << 14 << 0;
    QTest::newRow("81 zwei richtige") << 81 << 5 << 2 << 2;
    QTest::newRow("81 drei richtige") << 81 << 5 << 3 << 3;
    QTest::newRow("81 letzte Aufgabe") << 81 << 15 << 14 << 6;
    QTest::newRow("82 Deckel: 8 Zeichen") << 82 << 60 << 59 << 8;
    QTest::newRow("65 letzte Aufgabe") << 65 << 20 << 19 << 8;
    QTest::newRow("65 Deckel: Summe zweistellig") << 65 << 60 << 59 << 11;
}

void TestGitterlogik::stufen()
{
    QFETCH(int, n);
    QFETCH(int, aufgabe);
    QFETCH(int, richtige);
    QFETCH(int, stufe);
    QCOMPARE(gitterquiz::stufe(artVon(n).regel, aufgabe, richtige), stufe);
}

QTEST_MAIN(TestGitterlogik)
#include "tst_gitterlogik.moc"
