// The logic of the number exercises without windows: the decimal answer, the
// task makers by level, the number-word table, and the content files with every
// stored solution computed again.
#include "common/cp1252.h"
#include "common/fehler.h"
#include "common/satzdatei.h"
#include "common/zufall.h"
#include "content/inhalte.h"
#include "exercises/numbers/usach02.h"
#include "exercises/numbers/zahlaufgaben.h"
#include "exercises/numbers/zahlworttabelle.h"
#include "exercises/shared/dezimalantwort.h"
#include "platform/anwendung.h"
#include "rechnung.h"

#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QTest>
#include <climits>

namespace {

const QString kQuellen = QStringLiteral(VELMORA_CONTENT_DIR "/quellen");

const Inhaltsart& art(const QString& datei)
{
    for (const Inhaltsart& a : inhaltsarten())
        if (a.datei == datei)
            return a;
    throw std::logic_error("keine Inhaltsart");
}

QString quelltext(const QString& datei)
{
    QFile f(kQuellen + QLatin1Char('/') + QString(datei).replace(QStringLiteral(".dat"), QStringLiteral(".txt")));
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

// One record of a source with the computation noted above it.
struct Quellsatz {
    int zeile = 0;
    QString frage, loesung, rechnung, probe;
    QStringList bekannt;  // numbers of the question the computation does not use
};

QList<Quellsatz> quellsaetze(const QString& datei)
{
    QList<Quellsatz> saetze;
    Quellsatz s;
    bool kopf = false;
    const QStringList zeilen = quelltext(datei).split(QLatin1Char('\n'));
    for (int i = 0; i < zeilen.size(); ++i) {
        const QString& z = zeilen[i];
        if (z.startsWith(QLatin1String("#="))) {
            const QStringList teile = z.mid(2).split(QLatin1Char(';'));
            s.rechnung = teile[0].trimmed();
            s.bekannt = teile.size() > 1 ? teile[1].split(QLatin1Char(' '), Qt::SkipEmptyParts) : QStringList();
        } else if (z.startsWith(QLatin1String("#?"))) {
            s.probe = z.mid(2).trimmed();
        } else if (!z.startsWith(QLatin1Char('#')) && !z.isEmpty()) {
            if (!kopf) {
                kopf = true;
                continue;
            }
            const QStringList f = z.split(QLatin1Char('|'));
            const bool loesungVorn = datei == QLatin1String("sachmix.dat") || datei == QLatin1String("zahlen.dat");
            s.zeile = i + 1;
            s.frage = f.value(loesungVorn ? 1 : 0);
            s.loesung = f.value(loesungVorn ? 0 : 1);
            saetze << s;
            s = Quellsatz();
        }
    }
    return saetze;
}

QStringList zahlen(const QString& text)
{
    static const QRegularExpression zahl(QStringLiteral("[0-9]+(,[0-9]+)?"));
    QStringList z;
    for (auto it = zahl.globalMatch(text); it.hasNext();)
        z << it.next().captured(0);
    return z;
}

// The value a chain "7 + 3 - 2" shows; fails if a partial sum drops below 1.
int kettenwert(const QString& text, bool* immerPositiv)
{
    const QStringList t = text.split(QLatin1Char(' '));
    int s = t[0].toInt();
    *immerPositiv = s >= 1;
    for (int i = 1; i + 1 < t.size(); i += 2) {
        s += (t[i] == QLatin1String("+") ? 1 : -1) * t[i + 1].toInt();
        *immerPositiv = *immerPositiv && s >= 1;
    }
    return s;
}

}

class TestZahlenLogik : public QObject {
    Q_OBJECT
private slots:
    void dezimalWert_data();
    void dezimalWert();
    void dezimalFehler_data();
    void dezimalFehler();
    void pruefen_data();
    void pruefen();
    void textaufgabeSatz();
    void aufgabenBereiche_data();
    void aufgabenBereiche();
    void rechenaufgabenStimmen();
    void ketteBleibtPositiv();
    void zahlwortBlockOhneWiederholung();
    void zahlworttabelle();
    void inhaltNachgerechnet_data();
    void inhaltNachgerechnet();
    void inhaltWieGelesen_data();
    void inhaltWieGelesen();
    void inhaltRegeln_data();
    void inhaltRegeln();
    void doppelteFrage_data();
    void doppelteFrage();
    void zuordnungNachgerechnet_data();
    void zuordnungNachgerechnet();
};

void TestZahlenLogik::dezimalWert_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("wert");
    QTest::newRow("ganz") << "11" << 11.0;
    QTest::newRow("komma") << "7,5" << 7.5;
    QTest::newRow("null am ende") << "7,50" << 7.5;
    QTest::newRow("ohne vorn") << ",5" << 0.5;
    QTest::newRow("ohne hinten") << "5," << 5.0;
    QTest::newRow("komma allein") << "," << 0.0;
    QTest::newRow("minus komma") << "-,5" << -0.5;
    QTest::newRow("negativ") << "-12,25" << -12.25;
    QTest::newRow("zehntel") << "0,1" << 0.1;
}

void TestZahlenLogik::dezimalWert()
{
    QFETCH(QString, text);
    QFETCH(double, wert);
    QCOMPARE(dezimal::wert(text), wert);
}

void TestZahlenLogik::dezimalFehler_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("streng");
    QTest::newRow("leer") << "" << false;
    QTest::newRow("minus allein") << "-" << false;
    QTest::newRow("minus mitten") << "1-2" << false;
    QTest::newRow("zwei kommas") << "1,2,3" << false;
    QTest::newRow("punkt") << "7.5" << false;
    QTest::newRow("buchstabe") << "12a" << false;
    QTest::newRow("leerzeichen") << " 5" << false;
    QTest::newRow("streng komma") << "," << true;
    QTest::newRow("streng minus komma") << "-," << true;
}

void TestZahlenLogik::dezimalFehler()
{
    QFETCH(QString, text);
    QFETCH(bool, streng);
    try {
        dezimal::wert(text, streng);
        QFAIL("keine Zahl, aber kein Fehler");
    } catch (const Konvertierungsfehler& e) {
        QCOMPARE(e.text(), QStringLiteral("'%1' ist kein gültiger Gleitkommawert").arg(text));
    }
}

void TestZahlenLogik::pruefen_data()
{
    using U = dezimal::Urteil;
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("loesung");
    QTest::addColumn<int>("urteil");
    QTest::newRow("7,5") << "7,5" << "7,5" << int(U::Richtig);
    QTest::newRow("7,50") << "7,50" << "7,5" << int(U::Richtig);
    QTest::newRow("7,4") << "7,4" << "7,5" << int(U::Falsch);
    QTest::newRow("11,0 zu 11") << "11,0" << "11" << int(U::Richtig);
    QTest::newRow("0,1 einfach genau") << "0,10" << "0,1" << int(U::Richtig);
    QTest::newRow("knapp daneben") << "0,1000001" << "0,1" << int(U::Falsch);
    QTest::newRow("negativ") << "-6" << "-6" << int(U::Richtig);
    QTest::newRow("vorzeichen falsch") << "6" << "-6" << int(U::Falsch);
    QTest::newRow("leer") << "" << "1" << int(U::Nichts);
    QTest::newRow("minus allein") << "-" << "1" << int(U::Nichts);
    QTest::newRow("zwei kommas") << "1,,5" << "1,5" << int(U::Format);
    QTest::newRow("drei kommas") << ",,," << "0" << int(U::Format);
}

void TestZahlenLogik::pruefen()
{
    QFETCH(QString, text);
    QFETCH(QString, loesung);
    QFETCH(int, urteil);
    QCOMPARE(int(dezimal::pruefe(text, dezimal::einfach(loesung))), urteil);
}

void TestZahlenLogik::textaufgabeSatz()
{
    // question padded to 155 characters, the solution after it, as stored
    const QString satz = QStringLiteral("Wie viel ist 3/4 von 10?").leftJustified(155) + QStringLiteral("7,5");
    const TTextaufgabe a = TTextaufgabe::aus(satz, 160);
    QCOMPARE(a.frage, QStringLiteral("Wie viel ist 3/4 von 10?"));
    QCOMPARE(a.loesungText, QStringLiteral("7,5"));
    const TTextaufgabe b = TTextaufgabe::aus(QString(245, QLatin1Char('x')) + QStringLiteral("-12"), 250);
    QCOMPARE(b.frage.size(), 245);
    QCOMPARE(b.loesungText, QStringLiteral("-12"));
    const TMixaufgabe m = TMixaufgabe::aus(QStringLiteral("43  Die Hälfte von 86 ="));
    QCOMPARE(m.loesung, 43.0f);
    QCOMPARE(m.text, QStringLiteral("Die Hälfte von 86 ="));
    QVERIFY_THROWS_EXCEPTION(Konvertierungsfehler, TMixaufgabe::aus(QStringLiteral("x   Aufgabe")));
}

void TestZahlenLogik::aufgabenBereiche_data()
{
    QTest::addColumn<int>("macher");
    QTest::addColumn<int>("level");
    QTest::addColumn<int>("von");
    QTest::addColumn<int>("bis");
    const int bereiche[][3] = {{1, 0, 9}, {2, 10, 99}, {3, 100, 999}, {4, 1000, 9999}, {5, 10000, 24999}};
    for (auto& b : bereiche)
        QTest::addRow("tippen L%d", b[0]) << 0 << b[0] << b[1] << b[2];
    for (int l = 1; l <= 5; ++l)
        QTest::addRow("zaehlen L%d", l) << 1 << l << l + 1 << 5 * l;
    for (int l = 0; l <= 3; ++l)
        QTest::addRow("zahlwort L%d", l) << 2 << l << 0 << 12013;
    // kette: start 4..12 and up to L steps of 1..9
    for (int l = 1; l <= 5; ++l)
        QTest::addRow("kette L%d", l) << 3 << l << 1 << 12 + 9 * l;
    // beyond the levels a run can reach, the makers keep their last range
    QTest::newRow("tippen L6") << 0 << 6 << 10000 << 24999;
    QTest::newRow("zaehlen L9") << 1 << 9 << 6 << 25;
}

void TestZahlenLogik::aufgabenBereiche()
{
    QFETCH(int, macher);
    QFETCH(int, level);
    QFETCH(int, von);
    QFETCH(int, bis);
    using Macher = Zahlaufgabe (*)(int, Zahlwortflags&);
    const Macher m[] = {aufgaben::tippen, aufgaben::zaehlen, aufgaben::zahlwort, aufgaben::kette};
    int kleinste = INT_MAX, groesste = INT_MIN;
    for (int i = 0; i < 4000; ++i) {
        Zahlwortflags flags{};
        const Zahlaufgabe a = m[macher](level, flags);
        kleinste = std::min(kleinste, a.loesung);
        groesste = std::max(groesste, a.loesung);
        if (macher == 0)
            QCOMPARE(a.text, QString::number(a.loesung));
    }
    QVERIFY2(kleinste >= von && groesste <= bis, qPrintable(QStringLiteral("%1..%2").arg(kleinste).arg(groesste)));
    // the draws spread over the range, not just a corner of it
    if (macher < 2)
        QVERIFY(groesste - kleinste >= (bis - von) * 8 / 10);
}

void TestZahlenLogik::rechenaufgabenStimmen()
{
    static const QRegularExpression form(QStringLiteral("^(\\d+) ([-+*:]) (\\d+)$"));
    const int grenzePlus[] = {10, 59, 109, 209, 809};
    const int grenzeMal[] = {5, 8, 12, 16, 20};
    for (int level = 0; level <= 4; ++level) {
        QSet<QString> arten;
        for (int i = 0; i < 3000; ++i) {
            Zahlwortflags f{};
            for (const Zahlaufgabe& a : {aufgaben::plusMinus(level, f), aufgaben::malGeteilt(level, f)}) {
                const auto t = form.match(a.text);
                QVERIFY2(t.hasMatch(), qPrintable(a.text));
                const int x = t.captured(1).toInt(), y = t.captured(3).toInt();
                const QString op = t.captured(2);
                arten << op;
                if (op == QLatin1String("+") || op == QLatin1String("-")) {
                    QVERIFY(x >= (level == 0 ? 1 : 10) && x <= grenzePlus[level] && y <= grenzePlus[level]);
                    QCOMPARE(a.loesung, op == QLatin1String("+") ? x + y : x - y);
                    QVERIFY2(a.loesung >= 1, qPrintable(a.text));  // never two equal numbers
                } else if (op == QLatin1String("*")) {
                    QVERIFY(x >= 1 && x <= grenzeMal[level] && y >= 1 && y <= grenzeMal[level]);
                    QCOMPARE(a.loesung, x * y);
                } else {
                    QCOMPARE(a.loesung * y, x);
                    QVERIFY(y >= 1 && y <= grenzeMal[level] && a.loesung >= 1 && a.loesung <= grenzeMal[level]);
                }
            }
        }
        QCOMPARE(arten.size(), 4);
    }
}

void TestZahlenLogik::ketteBleibtPositiv()
{
    for (int level = 1; level <= 5; ++level)
        for (int i = 0; i < 2000; ++i) {
            Zahlwortflags f{};
            const Zahlaufgabe a = aufgaben::kette(level, f);
            bool positiv = false;
            QCOMPARE(kettenwert(a.text, &positiv), a.loesung);
            QVERIFY2(positiv, qPrintable(a.text));
            QCOMPARE(int(a.text.count(QLatin1Char(' '))), 2 * level);
        }
    // start value 4 at level 1: a minus step is at most 3
    int s = 0;
    zufall::setzeFolge([&s] {
        const double folge[] = {0.0, 0.99, 0.0, 0.2, 0.0};  // start 4, d 9 with minus, again d 2 minus
        return folge[std::min(s++, 4)];
    });
    Zahlwortflags f{};
    const Zahlaufgabe a = aufgaben::kette(1, f);
    zufall::setzeFolge({});
    QCOMPARE(a.text, QStringLiteral("4 - 2"));
    QCOMPARE(a.loesung, 2);
}

void TestZahlenLogik::zahlwortBlockOhneWiederholung()
{
    for (int block = 0; block <= 3; ++block) {
        Zahlwortflags flags{};
        QSet<QString> woerter;
        for (int i = 0; i < 20; ++i) {
            const Zahlaufgabe a = aufgaben::zahlwort(block, flags);
            woerter << a.text + QLatin1Char(',') + QString::number(a.loesung);
        }
        QCOMPARE(woerter.size(), 20);
        for (int e = 20 * block + 1; e <= 20 * block + 20; ++e)
            QVERIFY(woerter.contains(Zahlworttabelle(e)));
        QCOMPARE(int(std::count(flags.begin(), flags.end(), true)), 20);
        // a block used up does not hang the draw
        aufgaben::zahlwort(block, flags);
    }
}

void TestZahlenLogik::zahlworttabelle()
{
    QCOMPARE(Zahlworttabelle(1), QStringLiteral("null,0"));
    QCOMPARE(Zahlworttabelle(13), QStringLiteral("zwölf,12"));
    QCOMPARE(Zahlworttabelle(20), QStringLiteral("neunzehn,19"));
    QCOMPARE(Zahlworttabelle(36), QStringLiteral("siebenundachtzig,87"));
    QCOMPARE(Zahlworttabelle(40), QStringLiteral("einhundertzwei,102"));
    QCOMPARE(Zahlworttabelle(51), QStringLiteral("vierhundertsiebenundvierzig,447"));
    QCOMPARE(Zahlworttabelle(69), QStringLiteral("dreitausendeinhundertsech,3106"));
    QCOMPARE(Zahlworttabelle(70), Zahlworttabelle(20));
    QCOMPARE(Zahlworttabelle(72), Zahlworttabelle(36));
    QCOMPARE(Zahlworttabelle(80), QStringLiteral("zehntausendzweiundzanzig,10022"));
    for (int i = 1; i <= kZahlwoerter; ++i) {
        const QStringList teile = Zahlworttabelle(i).split(QLatin1Char(','));
        QCOMPARE(teile.size(), 2);
        bool ok = false;
        teile[1].toInt(&ok);
        QVERIFY(ok && !teile[0].isEmpty());
        QCOMPARE(cp1252::dekodiere(cp1252::kodiere(teile[0])), teile[0]);
    }
}

void TestZahlenLogik::inhaltNachgerechnet_data()
{
    QTest::addColumn<QString>("datei");
    for (const Inhaltsart& a : artenZahlen())
        if (a.spalten.size() == 2)  // the pair files have a test of their own
            QTest::newRow(qPrintable(a.datei)) << a.datei;
    QTest::newRow("zahlen.dat") << "zahlen.dat";
    QTest::newRow("vmdenksp.dat") << "vmdenksp.dat";
}

void TestZahlenLogik::inhaltNachgerechnet()
{
    QFETCH(QString, datei);
    const QList<Quellsatz> saetze = quellsaetze(datei);
    QCOMPARE(saetze.size(), art(datei).saetze);
    QSet<QString> fragen;
    for (const Quellsatz& s : saetze) {
        const QString wo = QStringLiteral("%1:%2 ").arg(datei).arg(s.zeile);
        QVERIFY2(!fragen.contains(s.frage), qPrintable(wo + QStringLiteral("doppelt")));
        fragen << s.frage;
        // a fixed fact of the number questions is read by a second reader instead
        if (datei == QLatin1String("zahlen.dat") && s.rechnung.isEmpty())
            continue;
        QVERIFY2(!s.rechnung.isEmpty(), qPrintable(wo + QStringLiteral("ohne Rechnung")));
        const auto soll = rechne(s.rechnung);
        const auto gespeichert = Bruch::ausText(s.loesung);
        QVERIFY2(soll && gespeichert, qPrintable(wo + s.rechnung + QStringLiteral(" / ") + s.loesung));
        QVERIFY2(soll->abbrechend(), qPrintable(wo + QStringLiteral("keine abbrechende Dezimalzahl: ") + soll->text()));
        QVERIFY2(*soll == *gespeichert, qPrintable(wo + QStringLiteral("gerechnet %1, gespeichert %2").arg(soll->text(), s.loesung)));
        // the window reads the stored text exactly as the computed value in single precision
        QCOMPARE(dezimal::einfach(s.loesung), static_cast<float>(soll->alsDouble()));
        // the computation belongs to this question: it uses the question's numbers
        const QStringList inRechnung = zahlen(s.rechnung) + s.bekannt;
        for (const QString& z : zahlen(s.frage))
            QVERIFY2(inRechnung.contains(z), qPrintable(wo + QStringLiteral("Zahl %1 fehlt in der Rechnung").arg(z)));
        if (!s.probe.isEmpty()) {
            const QStringList seiten = s.probe.split(QLatin1Char('='));
            QCOMPARE(seiten.size(), 2);
            const auto links = rechne(seiten[0], gespeichert), rechts = rechne(seiten[1], gespeichert);
            QVERIFY2(links && rechts && *links == *rechts, qPrintable(wo + QStringLiteral("Probe ") + s.probe));
        }
    }
    // every riddle has its check with the solution put in
    if (datei == QLatin1String("sach05.dat"))
        for (const Quellsatz& s : saetze)
            QVERIFY(!s.probe.isEmpty());
}

void TestZahlenLogik::inhaltWieGelesen_data() { inhaltNachgerechnet_data(); }

void TestZahlenLogik::inhaltWieGelesen()
{
    QFETCH(QString, datei);
    const Inhaltsart& a = art(datei);
    const QByteArray daten = baueInhalt(a, quelltext(datei), datei);
    QCOMPARE(daten.size(), a.saetze * (a.kapazitaet + 1));
    const QList<Quellsatz> saetze = quellsaetze(datei);
    for (int r = 0; r < a.saetze; ++r) {
        const QString satz = kurztext::lies(daten.constData() + r * (a.kapazitaet + 1), a.kapazitaet);
        if (datei == QLatin1String("sachmix.dat")) {
            const TMixaufgabe m = TMixaufgabe::aus(satz);
            QCOMPARE(m.text, saetze[r].frage);
            QCOMPARE(m.loesung, saetze[r].loesung.toFloat());
        } else if (datei == QLatin1String("zahlen.dat")) {
            // solution in characters 1-4, blank-padded, the question after it
            QCOMPARE(satz.left(4), saetze[r].loesung.leftJustified(4));
            QCOMPARE(satz.mid(4), saetze[r].frage);
        } else {
            const TTextaufgabe t = TTextaufgabe::aus(satz, a.kapazitaet);
            QCOMPARE(t.frage, saetze[r].frage);
            QCOMPARE(t.loesungText, saetze[r].loesung);
            QVERIFY(t.loesungText.size() <= 5);  // typed as stored into the answer field
        }
    }
}

void TestZahlenLogik::inhaltRegeln_data()
{
    QTest::addColumn<QString>("datei");
    QTest::addColumn<QString>("satz");
    QTest::addColumn<QString>("fehler");
    QTest::newRow("tausenderpunkt") << "sach04.dat" << "Wie viel?|1.250" << "Lösung \"1.250\" ist keine Dezimalzahl mit Komma";
    QTest::newRow("punkt") << "sach03.dat" << "Wie viel?|7.5" << "Lösung \"7.5\" ist keine Dezimalzahl mit Komma";
    QTest::newRow("zwei kommas") << "vmbruch.dat" << "Wie viel?|1,2,5" << "Lösung \"1,2,5\" ist keine Dezimalzahl mit Komma";
    QTest::newRow("fuehrende null") << "sach05.dat" << "Wie viel?|07" << "Lösung \"07\" ist keine Dezimalzahl mit Komma";
    QTest::newRow("zu lang") << "dreisatz.dat" << "Wie viel?|1234,5" << "Satz länger als 250 Zeichen";
    QTest::newRow("negative null") << "sach05.dat" << "Wie viel?|-0,0" << "Lösung \"-0,0\" ist eine negative Null";
    QTest::newRow("ohne frage") << "zweisatz.dat" << " |5" << "Frage fehlt";
    QTest::newRow("doppeltes blank") << "vmgeomet.dat" << "Wie  viel?|5" << "Frage mit doppeltem Leerzeichen";
    QTest::newRow("mix mit komma") << "sachmix.dat" << "2,5|Aufgabe" << "Lösung \"2,5\" ist keine ganze Zahl von 0 bis 9999";
    QTest::newRow("mix zu gross") << "sachmix.dat" << "10000|Aufgabe" << "\"loesung\" länger als 4 Zeichen";
    QTest::newRow("mix negativ") << "sachmix.dat" << "-5|Aufgabe" << "Lösung \"-5\" ist keine ganze Zahl von 0 bis 9999";
    QTest::newRow("mix zu lang") << "sachmix.dat" << "5|" + QString(37, QLatin1Char('a')) << "Satz länger als 40 Zeichen";
    const QString keineZahl = QStringLiteral("Lösung \"%1\" ist keine Zahl aus Ziffern und höchstens einem Komma");
    QTest::newRow("zahlen negativ") << "zahlen.dat" << "-5|Wie viel?" << keineZahl.arg("-5");
    QTest::newRow("zahlen zwei kommas") << "zahlen.dat" << "1,2,|Wie viel?" << keineZahl.arg("1,2,");
    QTest::newRow("zahlen punkt") << "zahlen.dat" << "1.5|Wie viel?" << keineZahl.arg("1.5");
    QTest::newRow("zahlen leer") << "zahlen.dat" << "|Wie viel?" << keineZahl.arg("");
    QTest::newRow("zahlen komma am ende") << "zahlen.dat" << "12,|Wie viel?" << keineZahl.arg("12,");
    QTest::newRow("zahlen fuenf zeichen") << "zahlen.dat" << "12,25|Wie viel?" << "\"loesung\" länger als 4 Zeichen";
    QTest::newRow("zahlen ohne frage") << "zahlen.dat" << "5|" << "Frage fehlt";
    QTest::newRow("zahlen blank vorn") << "zahlen.dat" << "5| Wie viel?" << "Frage mit Leerzeichen am Rand";
    QTest::newRow("zahlen zu lang") << "zahlen.dat" << "5|" + QString(77, QLatin1Char('a')) << "Satz länger als 80 Zeichen";
    QTest::newRow("denksport sechs zeichen") << "vmdenksp.dat" << "Wie viel?|-12,25" << "Satz länger als 160 Zeichen";
    QTest::newRow("denksport frage zu lang") << "vmdenksp.dat" << QString(156, QLatin1Char('a')) + "|5" << "\"frage\" länger als 155 Zeichen";
    QTest::newRow("denksport ohne loesung") << "vmdenksp.dat" << "Wie viel?|" << "Lösung \"\" ist keine Dezimalzahl mit Komma";
}

void TestZahlenLogik::inhaltRegeln()
{
    QFETCH(QString, datei);
    QFETCH(QString, satz);
    QFETCH(QString, fehler);
    const Inhaltsart& a = art(datei);
    QString text = a.spalten[0].name + QLatin1Char('|') + a.spalten[1].name + QLatin1Char('\n') + satz + QLatin1Char('\n');
    try {
        baueInhalt(a, text, QStringLiteral("probe.txt"));
        QFAIL("Satz angenommen");
    } catch (const Baufehler& e) {
        QCOMPARE(QString::fromUtf8(e.what()), QStringLiteral("probe.txt:2: ") + fehler);
    }
}

void TestZahlenLogik::doppelteFrage_data()
{
    QTest::addColumn<QString>("datei");
    QTest::addColumn<QString>("satz");  // replaces the file's last record
    QTest::addColumn<QString>("fehler");
    QTest::newRow("zahlen") << "zahlen.dat" << "8|Wie viele Tage hat eine Woche?"
                            << "Frage \"Wie viele Tage hat eine Woche?\" doppelt";
    QTest::newRow("denksport") << "vmdenksp.dat" << "Wie heißt die nächste Zahl der Folge 2, 4, 8, 16, ...?|32"
                               << "Frage \"Wie heißt die nächste Zahl der Folge 2, 4, 8, 16, ...?\" doppelt";
    QTest::newRow("textaufgaben") << "sach03.dat" << "Eine Kinokarte kostet 9 €. Wie viel Euro kosten 4 Karten?|36"
                                  << "Frage \"Eine Kinokarte kostet 9 €. Wie viel Euro kosten 4 Karten?\" doppelt";
}

void TestZahlenLogik::doppelteFrage()
{
    QFETCH(QString, datei);
    QFETCH(QString, satz);
    QFETCH(QString, fehler);
    QStringList zeilen = quelltext(datei).split(QLatin1Char('\n'));
    int letzte = zeilen.size() - 1;
    while (letzte >= 0 && (zeilen[letzte].isEmpty() || zeilen[letzte].startsWith(QLatin1Char('#'))))
        --letzte;
    QVERIFY(letzte > 0);
    // the file as built is accepted; with one question twice it is refused at the second
    baueInhalt(art(datei), zeilen.join(QLatin1Char('\n')), datei);
    zeilen[letzte] = satz;
    try {
        baueInhalt(art(datei), zeilen.join(QLatin1Char('\n')), QStringLiteral("probe.txt"));
        QFAIL("doppelte Frage angenommen");
    } catch (const Baufehler& e) {
        QCOMPARE(QString::fromUtf8(e.what()), QStringLiteral("probe.txt:%1: ").arg(letzte + 1) + fehler);
    }
}

void TestZahlenLogik::zuordnungNachgerechnet_data()
{
    QTest::addColumn<QString>("datei");
    QTest::newRow("zumath1") << "zumath1.dat";
    QTest::newRow("zumath2") << "zumath2.dat";
}

// Every task of the arithmetic pair files: the result computed again from the
// computation noted above it, the task itself read with the same computation,
// and the 8 results of a round all different (the window matches by pair).
void TestZahlenLogik::zuordnungNachgerechnet()
{
    QFETCH(QString, datei);
    static const QRegularExpression ergebnisform(QStringLiteral("^(0|[1-9][0-9]*)(,[0-9]+)?$"));
    const QStringList zeilen = quelltext(datei).split(QLatin1Char('\n'));
    QString rechnung;
    QList<Bruch> runde;
    int saetze = 0;
    for (int i = 0; i < zeilen.size(); ++i) {
        const QString& z = zeilen[i];
        if (z.startsWith(QLatin1String("#= "))) {
            rechnung = z.mid(3);
            continue;
        }
        if (z.isEmpty() || z.startsWith(QLatin1Char('#')) || z == QLatin1String("paar"))
            continue;
        const QString wo = QStringLiteral("%1:%2 ").arg(datei).arg(i + 1);
        const int komma = z.indexOf(QLatin1Char(','));
        const QString aufgabe = z.left(komma), ergebnis = z.mid(komma + 1);
        QVERIFY2(!rechnung.isEmpty(), qPrintable(wo + QStringLiteral("ohne Rechnung")));
        QVERIFY2(ergebnisform.match(ergebnis).hasMatch(), qPrintable(wo + ergebnis));
        const auto soll = rechne(rechnung);
        const auto gespeichert = Bruch::ausText(ergebnis);
        QVERIFY2(soll && gespeichert && *soll == *gespeichert,
                 qPrintable(wo + QStringLiteral("%1 gespeichert als %2").arg(rechnung, ergebnis)));
        // the task as shown: "·" multiplies, ":" divides
        QString gezeigt = aufgabe;
        gezeigt.replace(QChar(0xB7), QLatin1Char('*')).replace(QLatin1Char(':'), QLatin1Char('/'));
        const auto aufgabenwert = rechne(gezeigt);
        QVERIFY2(aufgabenwert && *aufgabenwert == *soll, qPrintable(wo + QStringLiteral("Aufgabe passt nicht zu ") + rechnung));
        QVERIFY2(!runde.contains(*soll), qPrintable(wo + QStringLiteral("Ergebnis doppelt in der Runde")));
        runde << *soll;
        if (runde.size() == 8)
            runde.clear();
        rechnung.clear();
        ++saetze;
    }
    QCOMPARE(saetze, 32);
    QCOMPARE(baueInhalt(art(datei), quelltext(datei), datei).size(), 32 * 41);
}

int main(int argc, char** argv)
{
    Anwendung app(argc, argv);
    TestZahlenLogik t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_zahlen_logik.moc"
