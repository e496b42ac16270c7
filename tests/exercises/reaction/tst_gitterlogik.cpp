// The task makers of the grid quizzes over many seeds and with scripted
// draws, and their level rules.
#include "tests/exercises/reaction/fallhilfe.h"
#include "tests/exercises/reaction/gitterhilfe.h"
#include "tests/support/uebungsumgebung.h"

#include <QTest>

class TestGitterlogik : public QObject {
    Q_OBJECT
private slots:
    void macherUeberSaaten_data();
    void macherUeberSaaten();
    void gezogen_data();
    void gezogen();
    void stufen_data();
    void stufen();
    void cleanup() { zufall::setzeFolge({}); }
};

void TestGitterlogik::macherUeberSaaten_data()
{
    QTest::addColumn<QString>("art");
    QTest::addColumn<int>("stufe");
    QTest::addColumn<int>("loesungen");  // distinct solutions seen at least
    QTest::newRow("Doppelbuch L 0") << "doppelbuch" << 0 << 26;
    QTest::newRow("Doppelbuch L 9") << "doppelbuch" << 9 << 26;
    QTest::newRow("Doppelbuch L 22") << "doppelbuch" << 22 << 26;
    QTest::newRow("Ziff in Buch N 1") << "ziffInBuch" << 1 << 9;
    QTest::newRow("Ziff in Buch N 4") << "ziffInBuch" << 4 << 20;
    QTest::newRow("Unterschiede") << "unterschiede" << 0 << 3;
    QTest::newRow("Ziffer fehlt") << "zifferFehlt" << 0 << 9;
    QTest::newRow("Buchsort N 2") << "buchsort" << 2 << 200;
    QTest::newRow("Buchsort N 8") << "buchsort" << 8 << 390;
    QTest::newRow("Ziffsort N 2") << "ziffsort" << 2 << 36;
    QTest::newRow("Ziffsort N 8") << "ziffsort" << 8 << 9;
    QTest::newRow("Ziffernsumme N 2") << "ziffernsumme" << 2 << 17;
    QTest::newRow("Ziffernsumme N 11") << "ziffernsumme" << 11 << 30;
}

void TestGitterlogik::macherUeberSaaten()
{
    QFETCH(QString, art);
    QFETCH(int, stufe);
    QFETCH(int, loesungen);
    QSet<QString> gesehen;
    for (unsigned saat = 1; saat <= 400; ++saat) {
        mitSaat(saat);
        const Aufgabe a = macher().at(art)(stufe);
        const QString fehler = pruefeAufgabe(art, stufe, a);
        QVERIFY2(fehler.isEmpty(), qPrintable(QStringLiteral("Saat %1: %2").arg(saat).arg(fehler)));
        gesehen << a.loesung;
    }
    QVERIFY2(gesehen.size() >= loesungen, qPrintable(QString::number(gesehen.size())));
}

void TestGitterlogik::gezogen_data()
{
    // scripted draws: each character first, then its cell; a drawn cell that
    // is taken, or a letter already drawn, is drawn again
    QTest::addColumn<QString>("art");
    QTest::addColumn<int>("stufe");
    QTest::addColumn<QList<double>>("folge");
    QTest::addColumn<QString>("feld");
    QTest::addColumn<QString>("aus");
    QTest::addColumn<QString>("loesung");
    const auto b = [](char c) { return wahl(c - 'A', 26); };
    const auto d = [](int z) { return wahl(z - 1, 9); };
    const auto zelle = [](int i) { return wahl(i, 36); };
    const QString leer(36, u'0');
    QTest::newRow("Buchsort B C A")
        << "buchsort" << 3 << QList<double>{b('B'), zelle(0), b('C'), zelle(1), b('A'), zelle(2)}
        << QStringLiteral("BCA") + leer.left(33) << "" << "ABC";
    QTest::newRow("Doppelbuch L 0")
        << "doppelbuch" << 0
        << QList<double>{b('A'), zelle(0), b('A'), b('B'), zelle(5), b('C'), zelle(0), zelle(7), b('D'), zelle(35)}
        << QStringLiteral("A0000B0D") + leer.left(27) + QStringLiteral("D") << "" << "D";
    QList<double> buchInZiff;
    for (int i = 0; i < 30; ++i)
        buchInZiff << b('K') << zelle(i);
    buchInZiff << d(5) << zelle(0) << d(7) << zelle(0) << zelle(35);
    QTest::newRow("Ziff in Buch: Ziffer auf Buchstabe")
        << "ziffInBuch" << 2 << buchInZiff << QStringLiteral("5") + QString(29, u'K') + QStringLiteral("000007") << ""
        << "12";
    QTest::newRow("Unterschiede 2") << "unterschiede" << 0
                                    << QList<double>{b('A'), b('B'), b('C'), b('D'), b('E'), b('F'), b('G'), b('H'),
                                                     wahl(1, 3), wahl(2, 8), wahl(2, 8), wahl(5, 8), b('C'), b('Z'),
                                                     b('Y')}
                                    << leer << "A B Z D E Y G H |A B C D E F G H " << "2";
    QTest::newRow("Ziffer fehlt 4") << "zifferFehlt" << 0
                                    << QList<double>{d(4), zelle(0), zelle(0), zelle(1), zelle(2), zelle(3), zelle(4),
                                                     zelle(5), zelle(6), zelle(7)}
                                    << QStringLiteral("12356789") + leer.left(28) << "" << "4";
    QTest::newRow("Ziffsort 9 1 5") << "ziffsort" << 3
                                    << QList<double>{d(9), zelle(10), d(9), d(1), zelle(11), d(5), zelle(12)}
                                    << leer.left(10) + QStringLiteral("915") + leer.left(23) << "" << "159";
    QTest::newRow("Ziffernsumme 9 9 9")
        << "ziffernsumme" << 3 << QList<double>{d(9), zelle(0), d(9), zelle(1), d(9), zelle(1), zelle(2)}
        << QStringLiteral("999") + leer.left(33) << "" << "27";
}

void TestGitterlogik::gezogen()
{
    QFETCH(QString, art);
    QFETCH(int, stufe);
    QFETCH(QList<double>, folge);
    QFETCH(QString, feld);
    QFETCH(QString, aus);
    QFETCH(QString, loesung);
    Zufallsfolge z;
    for (double v : folge)
        z.mehr({v});
    const Aufgabe a = macher().at(art)(stufe);
    QCOMPARE(alsText(a.feld), feld);
    QCOMPARE(a.aus1.isEmpty() ? QString() : a.aus1 + QLatin1Char('|') + a.aus2, aus);
    QCOMPARE(a.loesung, loesung);
    QVERIFY(z.leer());
}

void TestGitterlogik::stufen_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<int>("aufgabe");
    QTest::addColumn<int>("richtige");
    QTest::addColumn<int>("stufe");
    // Doppelbuch: right, wrong, right raises L; capped so L + 4 <= 26
    QTest::newRow("73 start") << 73 << 1 << 0 << 0;
    QTest::newRow("73 richtig falsch") << 73 << 3 << 1 << 0;
    QTest::newRow("73 richtig falsch richtig") << 73 << 4 << 2 << 1;
    QTest::newRow("73 letzte Aufgabe") << 73 << 20 << 19 << 9;
    QTest::newRow("73 Deckel") << 73 << 60 << 59 << 22;
    // Ziff in Buch by task number, right or wrong
    QTest::newRow("74 Aufgabe 1") << 74 << 1 << 0 << 1;
    QTest::newRow("74 Aufgabe 5") << 74 << 5 << 4 << 1;
    QTest::newRow("74 Aufgabe 6 ohne richtige") << 74 << 6 << 0 << 2;
    QTest::newRow("74 Aufgabe 11") << 74 << 11 << 10 << 3;
    QTest::newRow("74 Aufgabe 16") << 74 << 16 << 0 << 4;
    QTest::newRow("74 Aufgabe 20") << 74 << 20 << 19 << 4;
    QTest::newRow("74 Deckel") << 74 << 60 << 0 << 4;
    QTest::newRow("75 ohne Stufe") << 75 << 20 << 19 << 0;
    QTest::newRow("79 ohne Stufe") << 79 << 15 << 14 << 0;
    QTest::newRow("81 zwei richtige") << 81 << 5 << 2 << 2;
    QTest::newRow("81 drei richtige") << 81 << 5 << 3 << 3;
    QTest::newRow("81 letzte Aufgabe") << 81 << 15 << 14 << 6;
    QTest::newRow("81 Deckel") << 81 << 60 << 59 << 8;
    QTest::newRow("82 Deckel") << 82 << 60 << 59 << 8;
    QTest::newRow("65 letzte Aufgabe") << 65 << 20 << 19 << 8;
    QTest::newRow("65 Deckel") << 65 << 60 << 59 << 11;
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
