// The logic text exercises: their content with every answer worked out again
// from the note above each record, the records as the windows read them, and
// the five windows driven through their controls.
#include "common/satzdatei.h"
#include "common/zufall.h"
#include "common/zustand.h"
#include "exercises/logic/logiktexte.h"
#include "exercises/logic/tlog01.h"
#include "platform/dialoge.h"
#include "shell/ergebnisse.h"
#include "tests/support/testumgebung.h"
#include "tests/support/testuhr.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QSet>
#include <QTest>
#include <QTextEdit>
#include <map>
#include <optional>

namespace {

const QString kQuellen = QStringLiteral(VELMORA_CONTENT_DIR "/quellen");

// A record of a source and the note above it.
struct Quellsatz {
    int zeile = 0;
    QString notiz;  // after "#= " or "#~ "
    bool gerechnet = false;  // "#=": a computation
    QStringList felder;
};

QList<Quellsatz> quelle(const QString& name)
{
    QFile f(kQuellen + QLatin1Char('/') + name);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    QList<Quellsatz> saetze;
    Quellsatz s;
    bool kopf = false;
    const QStringList zeilen = QString::fromUtf8(f.readAll()).split(QLatin1Char('\n'));
    for (int i = 0; i < zeilen.size(); ++i) {
        const QString& z = zeilen[i];
        if (z.startsWith(QLatin1String("#= ")) || z.startsWith(QLatin1String("#~ "))) {
            s.notiz = z.mid(3).trimmed();
            s.gerechnet = z.startsWith(QLatin1String("#="));
        } else if (!z.startsWith(QLatin1Char('#')) && !z.isEmpty()) {
            if (!kopf) {
                kopf = true;
                continue;
            }
            s.zeile = i + 1;
            s.felder = z.split(QLatin1Char('|'));
            saetze << s;
            s = Quellsatz();
        }
    }
    return saetze;
}

QString wo(const Quellsatz& s) { return QStringLiteral("Zeile %1: %2").arg(s.zeile).arg(s.felder.join(QLatin1Char('|'))); }

// A whole word, umlauts counting as letters.
QRegularExpression wort(const QString& w)
{
    return QRegularExpression(QStringLiteral("\\b%1\\b").arg(w), QRegularExpression::UseUnicodePropertiesOption);
}

// ---- series ----

// The terms of a rule, from the first shown ones, up to anzahl.
std::optional<QList<qint64>> nachRegel(const QString& regel, const QList<qint64>& gezeigt, int anzahl)
{
    const QStringList t = regel.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    QList<qint64> r;
    if (t.value(0) == QLatin1String("ops")) {
        r << gezeigt[0];
        for (int i = 0; r.size() < anzahl; ++i) {
            const QString op = t.value(1 + i % (t.size() - 1));
            const qint64 v = op.mid(1).toLongLong(), a = r.last();
            if (op[0] == QLatin1Char('+')) r << a + v;
            else if (op[0] == QLatin1Char('-')) r << a - v;
            else if (op[0] == QLatin1Char('*')) r << a * v;
            else if (op[0] == QLatin1Char(':') && v != 0 && a % v == 0) r << a / v;
            else return std::nullopt;
        }
    } else if (t.value(0) == QLatin1String("diff") && t.size() == 3) {
        r << gezeigt[0];
        for (qint64 d = t[1].toLongLong(); r.size() < anzahl; d += t[2].toLongLong())
            r << r.last() + d;
    } else if (t.value(0) == QLatin1String("fib")) {
        r << gezeigt[0] << gezeigt[1];
        while (r.size() < anzahl)
            r << r[r.size() - 1] + r[r.size() - 2];
    } else if (t.value(0) == QLatin1String("zwei") && t.size() == 3) {
        r << gezeigt[0] << gezeigt[1];
        while (r.size() < anzahl)
            r << r[r.size() - 2] + t[1 + r.size() % 2].toLongLong();
    } else {
        return std::nullopt;
    }
    return r;
}

// What each simple rule family that fits all shown terms gives as the next one.
std::map<QString, qint64> familien(const QList<qint64>& t)
{
    std::map<QString, qint64> m;
    const int n = t.size();
    auto gleich = [](const QList<qint64>& l) { return QSet<qint64>(l.begin(), l.end()).size() == 1; };
    QList<qint64> d, d2, a, b;
    for (int i = 0; i + 1 < n; ++i)
        d << t[i + 1] - t[i];
    for (int i = 0; i + 1 < d.size(); ++i)
        d2 << d[i + 1] - d[i];
    if (n >= 3 && gleich(d))
        m["Abstand"] = t.last() + d[0];
    bool quotient = n >= 3;
    for (int i = 0; quotient && i + 2 < n; ++i)
        quotient = t[i] != 0 && t[i + 1] * t[i + 1] == t[i] * t[i + 2];
    if (quotient && t[n - 2] != 0 && (t[n - 1] * t[n - 1]) % t[n - 2] == 0)
        m["Quotient"] = t[n - 1] * t[n - 1] / t[n - 2];
    if (n >= 4 && gleich(d2))
        m["zweiter Abstand"] = t.last() + d.last() + d2[0];
    for (int i = 0; i < n; ++i)
        (i % 2 ? b : a) << t[i];
    QList<qint64> da, db;
    for (int i = 0; i + 1 < a.size(); ++i)
        da << a[i + 1] - a[i];
    for (int i = 0; i + 1 < b.size(); ++i)
        db << b[i + 1] - b[i];
    if (n >= 5 && gleich(da) && gleich(db))
        m["verschränkt"] = n % 2 == 0 ? a.last() + da[0] : b.last() + db[0];
    bool fib = n >= 3;
    for (int i = 2; fib && i < n; ++i)
        fib = t[i] == t[i - 1] + t[i - 2];
    if (fib)
        m["Summe"] = t[n - 1] + t[n - 2];
    return m;
}

// ---- order chains ----

struct Kette {
    QString mehr, weniger;
    QList<QPair<QString, QString>> fakten;  // (a, b): a has more
    QString frage;                         // "max", "min" or "a>b"
    QString wort;                          // the superlative the question uses
};

std::optional<Kette> kette(const QString& notiz)
{
    static const QRegularExpression form(QStringLiteral("^(\\S+)>(\\S+): (.+) \\? (max|min) (.+)$|^(\\S+)>(\\S+): (.+) \\? (\\S+>\\S+)$"));
    const auto m = form.match(notiz);
    if (!m.hasMatch())
        return std::nullopt;
    const bool superlativ = !m.captured(1).isEmpty();
    Kette k;
    k.mehr = m.captured(superlativ ? 1 : 6);
    k.weniger = m.captured(superlativ ? 2 : 7);
    for (const QString& f : m.captured(superlativ ? 3 : 8).split(QLatin1Char(' ')))
        k.fakten << qMakePair(f.section(QLatin1Char('>'), 0, 0), f.section(QLatin1Char('>'), 1));
    k.frage = m.captured(superlativ ? 4 : 9);
    k.wort = m.captured(5);
    return k;
}

bool folgt(const QList<QPair<QString, QString>>& fakten, const QString& a, const QString& b)
{
    QSet<QString> erreicht{a};
    for (bool neu = true; neu;) {
        neu = false;
        for (const auto& f : fakten)
            if (erreicht.contains(f.first) && !erreicht.contains(f.second)) {
                erreicht.insert(f.second);
                neu = true;
            }
    }
    return a != b && erreicht.contains(b);
}

// The fact a sentence states: the two names in their order and which word joins them.
std::optional<QPair<QString, QString>> aussage(const QString& satz, const QStringList& namen, const Kette& k)
{
    QList<QPair<int, QString>> gefunden;
    for (const QString& n : namen) {
        const auto m = wort(n).match(satz);
        if (m.hasMatch())
            gefunden << qMakePair(int(m.capturedStart()), n);
    }
    std::sort(gefunden.begin(), gefunden.end());
    const bool mehr = satz.contains(wort(k.mehr));
    const bool weniger = satz.contains(wort(k.weniger));
    if (gefunden.size() != 2 || mehr == weniger)
        return std::nullopt;
    const QString& a = gefunden[0].second;
    const QString& b = gefunden[1].second;
    return mehr ? qMakePair(a, b) : qMakePair(b, a);
}

const int kWochentag = 7;
const QStringList kTage{"Montag", "Dienstag", "Mittwoch", "Donnerstag", "Freitag", "Samstag", "Sonntag"};

// A day's place relative to today, from the words of the question.
std::optional<int> abstand(const QString& teil)
{
    static const QList<QPair<QString, int>> woerter{{"Übermorgen", 2}, {"übermorgen", 2}, {"Vorgestern", -2},
                                                    {"vorgestern", -2}, {"Morgen", 1},     {"morgen", 1},
                                                    {"Gestern", -1},    {"gestern", -1},   {"Heute", 0},
                                                    {"heute", 0},       {"in einer Woche", 7}};
    static const QRegularExpression inTagen(QStringLiteral("\\b(in|vor) (\\d+) Tagen"));
    if (const auto m = inTagen.match(teil); m.hasMatch())
        return m.captured(2).toInt() * (m.captured(1) == QLatin1String("in") ? 1 : -1);
    for (const auto& w : woerter)
        if (teil.contains(wort(w.first)))
            return w.second;
    return std::nullopt;
}

// ---- windows ----

const Logikart& art(int n)
{
    for (const Logikart& a : Tlog01::mitglieder())
        if (a.programm == n)
            return a;
    throw std::logic_error("kein Mitglied");
}

QString letzterEintrag(int programm)
{
    Satzdatei d(ergebnis::dateiname(programm / 12 - 1), ergebnis::kSatzgroesse);
    d.positioniere(ergebnis::satznummer(programm % 12, nutzer, 9));
    return d.liesText();
}

class Lauf {
public:
    explicit Lauf(int n) : fenster(new Tlog01(art(n)))
    {
        // records drawn in file order: task k is record k
        const int r = art(n).saetze;
        zufall::setzeFolge([this, r] { return (m_zug++ % r + 0.5) / r; });
        fenster->show();
        start = fenster->findChild<QPushButton*>(QStringLiteral("start"));
        weiter = fenster->findChild<QPushButton*>(QStringLiteral("weiter"));
        eingabe = fenster->findChild<QLineEdit*>(QStringLiteral("eingabe"));
        rifa = fenster->findChild<QLabel*>(QStringLiteral("rifa"));
        aufzahl = fenster->findChild<QLabel*>(QStringLiteral("aufzahl"));
    }
    ~Lauf() { delete fenster; }
    void starte() { QTest::mouseClick(start, Qt::LeftButton); }
    void antworte(const QString& text)
    {
        tippe(eingabe, text);
        QTest::keyClick(eingabe, Qt::Key_Return);
    }
    void weiterKlick() { QTest::mouseClick(weiter, Qt::LeftButton); }
    QString memo() const { return fenster->Memo->toPlainText(); }
    QString ausgabe() const { return fenster->ausgabe->toPlainText(); }

    Tlog01* fenster;
    QPushButton* start;
    QPushButton* weiter;
    QLineEdit* eingabe;
    QLabel* rifa;
    QLabel* aufzahl;

private:
    int m_zug = 0;
};

}

class TestLogiktexte : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void reihen();
    void wochentage();
    void ordnungsketten();
    void begruendungen_data();
    void begruendungen();
    void gelesen_data();
    void gelesen();

    void ersteAufgabe_data();
    void ersteAufgabe();
    void tasten_data();
    void tasten();
    void punkte_data();
    void punkte();
    void dateiFehlt_data();
    void dateiFehlt();
    void laeufe_data();
    void laeufe();

private:
    Testuhr m_uhr;
    std::unique_ptr<Arbeitsordner> m_ordner;
};

void TestLogiktexte::init()
{
    m_ordner = std::make_unique<Arbeitsordner>();
    uhr::setzeQuelle(&m_uhr);
    waehleNutzer(3, QStringLiteral("Anna"));  // as chosen from the register
    meldung.clear();
    Form::setzeModalErsatz([](Form*) { return 0; });
}

void TestLogiktexte::cleanup()
{
    Form::setzeModalErsatz(nullptr);
    uhr::setzeQuelle(nullptr);
    zufall::setzeFolge({});
    m_ordner.reset();
}

// Every series follows its noted rule, and every simple rule that fits the
// shown terms leads to the same answer.
void TestLogiktexte::reihen()
{
    const QList<Quellsatz> saetze = quelle(QStringLiteral("logikwin.txt"));
    QCOMPARE(saetze.size(), 27);
    for (const Quellsatz& s : saetze) {
        QList<qint64> gezeigt;
        for (const QString& z : s.felder[0].split(QLatin1Char(' '), Qt::SkipEmptyParts))
            gezeigt << z.toLongLong();
        const qint64 loesung = s.felder[1].toLongLong();
        QVERIFY2(s.gerechnet, qPrintable(wo(s)));
        const auto terme = nachRegel(s.notiz, gezeigt, gezeigt.size() + 1);
        QVERIFY2(terme, qPrintable(QStringLiteral("Regel unlesbar, ") + wo(s)));
        QCOMPARE(*terme, gezeigt + QList<qint64>{loesung});
        for (const auto& [familie, weiter] : familien(gezeigt))
            QVERIFY2(weiter == loesung, qPrintable(QStringLiteral("%1 ergibt %2, ").arg(familie).arg(weiter) + wo(s)));
    }
    // the check catches a series with two readings: 1 2 4 is doubling and also +1, +2
    QCOMPARE(familien({1, 2, 4, 8}).size(), 1u);
    QCOMPARE((familien({1, 2, 4, 7, 11})), (std::map<QString, qint64>{{"zweiter Abstand", 16}}));
    QCOMPARE(familien({2, 4, 6, 8, 10}).size(), 3u);  // difference, second difference and interleaved agree on 12
}

// The weekday: from the noted start day and shift, and again from the words.
void TestLogiktexte::wochentage()
{
    const QList<Quellsatz> saetze = quelle(QStringLiteral("jwochwin.txt"));
    QCOMPARE(saetze.size(), 18);
    for (const Quellsatz& s : saetze) {
        const QString tag = s.notiz.section(QLatin1Char(' '), 0, 0);
        const int schritt = s.notiz.section(QLatin1Char(' '), 1).toInt();
        QVERIFY2(kTage.contains(tag) && s.felder[0].contains(tag), qPrintable(wo(s)));
        const int erwartet = ((kTage.indexOf(tag) + schritt) % kWochentag + kWochentag) % kWochentag + 1;
        QVERIFY2(s.felder[1].toInt() == erwartet, qPrintable(wo(s)));
        // the first sentence places the named day, the rest asks from today
        const int punkt = s.felder[0].indexOf(QLatin1String(". "));
        const auto bekannt = abstand(s.felder[0].left(punkt));
        const auto gefragt = abstand(s.felder[0].mid(punkt + 2));
        QVERIFY2(bekannt && gefragt && *gefragt - *bekannt == schritt, qPrintable(wo(s)));
    }
}

// Order chains: the facts read from the text are the noted ones, and they settle the answer.
void TestLogiktexte::ordnungsketten()
{
    int ketten = 0;
    for (const Quellsatz& s : quelle(QStringLiteral("splogwin.txt"))) {
        if (!s.gerechnet)
            continue;
        ++ketten;
        const auto k = kette(s.notiz);
        QVERIFY2(k, qPrintable(wo(s)));
        QStringList namen;
        for (const auto& f : k->fakten)
            for (const QString& n : {f.first, f.second})
                if (!namen.contains(n))
                    namen << n;
        const QStringList saetze = s.felder[0].split(QRegularExpression(QStringLiteral("(?<=[.?]) ")));
        QList<QPair<QString, QString>> gelesen;
        for (int i = 0; i + 1 < saetze.size(); ++i) {
            const auto a = aussage(saetze[i], namen, *k);
            QVERIFY2(a, qPrintable(QStringLiteral("Satz %1, ").arg(i + 1) + wo(s)));
            gelesen << *a;
        }
        QCOMPARE(gelesen, k->fakten);
        const QString& frage = saetze.last();
        QString antwort;
        if (k->frage == QLatin1String("max") || k->frage == QLatin1String("min")) {
            QVERIFY2(frage.contains(k->wort), qPrintable(wo(s)));
            QStringList oben;
            for (const QString& n : namen) {
                bool alle = true;
                for (const QString& m : namen)
                    alle = alle && (n == m || (k->frage == QLatin1String("max") ? folgt(k->fakten, n, m) : folgt(k->fakten, m, n)));
                if (alle)
                    oben << n;
            }
            QVERIFY2(oben.size() == 1, qPrintable(QStringLiteral("nicht entschieden, ") + wo(s)));
            antwort = oben[0];
            QVERIFY2(namen.contains(s.felder[1]) && namen.contains(s.felder[2]), qPrintable(wo(s)));
        } else {
            const auto gefragt = aussage(frage, namen, *k);
            const QPair<QString, QString> notiert(k->frage.section(QLatin1Char('>'), 0, 0), k->frage.section(QLatin1Char('>'), 1));
            QVERIFY2(gefragt && *gefragt == notiert, qPrintable(wo(s)));
            const bool ja = folgt(k->fakten, notiert.first, notiert.second);
            const bool nein = folgt(k->fakten, notiert.second, notiert.first);
            QVERIFY2(ja != nein, qPrintable(QStringLiteral("nicht entschieden, ") + wo(s)));
            antwort = ja ? QStringLiteral("ja") : QStringLiteral("nein");
            QCOMPARE(QSet<QString>({s.felder[1], s.felder[2]}), QSet<QString>({"ja", "nein"}));
        }
        QVERIFY2(s.felder[s.felder[3].toInt()] == antwort, qPrintable(wo(s)));
    }
    QCOMPARE(ketten, 64);
    // an unsettled question is caught: with only A>B and A>C the youngest is open
    const QList<QPair<QString, QString>> offen{{"Anna", "Berta"}, {"Anna", "Clara"}};
    QVERIFY(!folgt(offen, "Berta", "Clara") && !folgt(offen, "Clara", "Berta"));
}

void TestLogiktexte::begruendungen_data()
{
    QTest::addColumn<QString>("datei");
    QTest::addColumn<int>("erste");   // field of the first option
    QTest::addColumn<int>("anzahl");  // options
    QTest::addColumn<int>("ohne");    // records without a computation
    QTest::newRow("A zu B") << "azubwin.txt" << 1 << 5 << 32;
    QTest::newRow("4 zu 1") << "waspawin.txt" << 0 << 5 << 30;
    QTest::newRow("Sprachlogik") << "splogwin.txt" << 1 << 2 << 16;
}

// What nothing computes carries its relation and, per wrong option, why it fails.
void TestLogiktexte::begruendungen()
{
    QFETCH(QString, datei);
    QFETCH(int, erste);
    QFETCH(int, anzahl);
    QFETCH(int, ohne);
    int gezaehlt = 0;
    for (const Quellsatz& s : quelle(datei)) {
        if (s.gerechnet)
            continue;
        ++gezaehlt;
        const QStringList teile = s.notiz.split(QStringLiteral(" | "));
        QVERIFY2(!teile[0].trimmed().isEmpty(), qPrintable(wo(s)));
        const int richtig = s.felder.last().toInt();
        for (int k = 1; k <= anzahl; ++k) {
            const QString kopf = QStringLiteral("%1 %2: ").arg(k).arg(s.felder[erste + k - 1]);
            bool begruendet = false;
            for (const QString& t : teile.mid(1))
                begruendet = begruendet || (t.startsWith(kopf) && t.size() > kopf.size());
            QVERIFY2(begruendet == (k != richtig), qPrintable(QStringLiteral("Wahl %1, ").arg(k) + wo(s)));
        }
    }
    QCOMPARE(gezaehlt, ohne);
}

void TestLogiktexte::gelesen_data()
{
    QTest::addColumn<QString>("datei");
    QTest::addColumn<int>("satz");  // from 1
    QTest::addColumn<QString>("frage");
    QTest::addColumn<QString>("anzeige");
    QTest::addColumn<int>("loesung");
    QTest::addColumn<QString>("loesungText");
    QTest::newRow("Reihe") << "logikwin.dat" << 1 << "" << "2  5  8  11  14  17" << 20 << "20";
    QTest::newRow("Reihe, Lösung mit Leerzeichen") << "logikwin.dat" << 7 << "" << "96  48  24  12  6" << 3 << "3";
    QTest::newRow("A zu B") << "azubwin.dat" << 2 << "Vogel verhält sich zu Nest wie Biene zu ..."
                            << "1)  Honig\n2)  Blume\n3)  Stachel\n4)  Bienenstock\n5)  Wiese" << 4 << "4";
    QTest::newRow("4 zu 1") << "waspawin.dat" << 1 << ""
                            << "1)  Apfel\n2)  Karotte\n3)  Birne\n4)  Kirsche\n5)  Pflaume" << 2 << "2";
    QTest::newRow("Sprachlogik") << "splogwin.dat" << 2
                                 << "Otto ist jünger als Paul. Paul ist jünger als Hans. Wer ist am ältesten?"
                                 << "1) Otto   2) Hans" << 2 << "";
    QTest::newRow("Wochentag") << "jwochwin.dat" << 4 << "" << "Heute ist Samstag. Welcher Tag ist morgen?" << 7
                               << "Sonntag";
}

// The built files as the windows read them.
void TestLogiktexte::gelesen()
{
    QFETCH(QString, datei);
    QFETCH(int, satz);
    QFETCH(QString, frage);
    QFETCH(QString, anzeige);
    QFETCH(int, loesung);
    QFETCH(QString, loesungText);
    const std::map<QString, int> groesse{{"logikwin.dat", 41}, {"azubwin.dat", 81}, {"waspawin.dat", 101},
                                         {"splogwin.dat", 131}, {"jwochwin.dat", 101}};
    const QStringList saetze = Satzdatei::liesTexte(datei, groesse.at(datei), datei == "azubwin.dat" ? 64 : satz);
    logiktext::Aufgabe a;
    if (datei == "logikwin.dat") a = logiktext::reihe(saetze[satz - 1]);
    else if (datei == "azubwin.dat") a = logiktext::aZuB(saetze[2 * satz - 2], saetze[2 * satz - 1]);
    else if (datei == "waspawin.dat") a = logiktext::wasPasst(saetze[satz - 1]);
    else if (datei == "splogwin.dat") a = logiktext::sprachlogik(saetze[satz - 1]);
    else a = logiktext::wochentag(saetze[satz - 1]);
    QCOMPARE(a.frage, frage);
    QCOMPARE(a.anzeige, anzeige);
    QCOMPARE(a.loesung, loesung);
    QCOMPARE(a.loesungText, loesungText);
    if (datei == "logikwin.dat")
        QCOMPARE(saetze[satz - 1].right(3), satz == 7 ? QStringLiteral("  3") : QStringLiteral(" 20"));
    if (datei == "waspawin.dat")
        QCOMPARE(a.hinweis, QStringLiteral("Obst"));
}

void TestLogiktexte::ersteAufgabe_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<QString>("falsch");
    QTest::addColumn<QString>("memo");
    QTest::addColumn<QString>("anzeige");
    QTest::addColumn<QString>("urteil");
    QTest::addColumn<QString>("weiterText");
    QTest::addColumn<QString>("zaehler");
    QTest::newRow("97") << 97 << "21" << "Wie heißt die nächste Zahl?" << "2  5  8  11  14  17"
                        << "FEHLER! Lösung: 20" << "weiter" << "1/ 10";
    QTest::newRow("98") << 98 << "2" << "Auge verhält sich zu sehen wie Ohr zu ..."
                        << "1)  hören\n2)  riechen\n3)  schmecken\n4)  fühlen\n5)  sprechen" << "FEHLER! Lösung: 1"
                        << "weiter" << "1/ 10";
    QTest::newRow("99") << 99 << "1" << "Welches Wort gehört nicht dazu?"
                        << "1)  Apfel\n2)  Karotte\n3)  Birne\n4)  Kirsche\n5)  Pflaume" << "FEHLER! Lösung: 2"
                        << "weiter" << "1/ 10";
    QTest::newRow("100") << 100 << "2"
                         << "Anna ist älter als Berta. Berta ist älter als Clara. Wer ist am ältesten?"
                         << "1) Anna   2) Berta" << "FEHLER!" << "Enter" << "1/ 20";
    QTest::newRow("103") << 103 << "1" << "MONTAG=1   DIENSTAG=2   MITTWOCH=3   \nDONNERSTAG=4 \nFREITAG=5   SAMSTAG=6   SONNTAG=7"
                         << "Heute ist Montag. Welcher Tag ist morgen?" << "FEHLER! Lösung: Dienstag" << "weiter"
                         << "1/ 10";
}

// What a task shows and the verdict on a wrong answer; Enter again after it
// (the field clicked back into) changes nothing.
void TestLogiktexte::ersteAufgabe()
{
    QFETCH(int, n);
    QFETCH(QString, falsch);
    QFETCH(QString, memo);
    QFETCH(QString, anzeige);
    QFETCH(QString, urteil);
    QFETCH(QString, weiterText);
    QFETCH(QString, zaehler);
    Lauf l(n);
    QVERIFY(l.eingabe->isHidden() && l.weiter->isHidden());
    l.starte();
    QCOMPARE(l.memo(), memo);
    QCOMPARE(l.ausgabe(), anzeige);
    QCOMPARE(l.aufzahl->text(), zaehler);
    // both texts stand in controls tall enough for a line, one above the other
    QTextEdit* const texte[] = {l.fenster->ausgabe, l.fenster->Memo};
    for (QTextEdit* t : texte)
        QVERIFY2(t->isVisible() && t->height() >= QFontMetrics(t->font()).lineSpacing(), qPrintable(t->objectName()));
    QVERIFY(!l.fenster->ausgabe->geometry().intersects(l.fenster->Memo->geometry()));
    QTest::keyClick(l.eingabe, Qt::Key_Return);  // empty: nothing happens
    QVERIFY(l.rifa->text().isEmpty() && l.weiter->isHidden());
    l.antworte(falsch);
    QCOMPARE(l.rifa->text(), urteil);
    QCOMPARE(l.weiter->text(), weiterText);
    QVERIFY(l.weiter->isVisible() && l.eingabe->isReadOnly());
    l.eingabe->setFocus();
    QTest::keyClick(l.eingabe, Qt::Key_Return);
    QCOMPARE(l.rifa->text(), urteil);
}

void TestLogiktexte::tasten_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<QString>("getippt");
    QTest::addColumn<QString>("feld");
    QTest::newRow("Reihen: drei Ziffern") << 97 << "1a2-34" << "123";
    QTest::newRow("A zu B: keine 0") << 98 << "0" << "";
    QTest::newRow("A zu B: 6") << 98 << "6x5" << "5";
    QTest::newRow("4 zu 1: + fällt weg") << 99 << "+3" << "3";
    QTest::newRow("Sprachlogik: nur 1 und 2") << 100 << "3a2" << "2";
    QTest::newRow("Wochentage: 8 und 0") << 103 << "807" << "7";
}

void TestLogiktexte::tasten()
{
    QFETCH(int, n);
    QFETCH(QString, getippt);
    QFETCH(QString, feld);
    Lauf l(n);
    l.starte();
    tippe(l.eingabe, getippt);
    QCOMPARE(l.eingabe->text(), feld);
    if (n == 99)
        QCOMPARE(l.memo(), QStringLiteral("Obst"));
}

void TestLogiktexte::punkte_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<QString>("erste");  // keys for task 1, "E" an Enter
    QTest::addColumn<QString>("meldung");
    QTest::newRow("4 zu 1: + davor") << 99 << "+2E" << "Sie haben 1050 Punkte erreicht!";
    QTest::newRow("4 zu 1: + danach") << 99 << "2E+" << "Sie haben 1070 Punkte erreicht!";
    QTest::newRow("Enter zweimal") << 97 << "20EE" << "Sie haben 1070 Punkte erreicht!";
    QTest::newRow("Reihen: \" 7\" gleich 7") << 97 << "20E" << "Sie haben 1070 Punkte erreicht!";
}

// The points of a run whose first task is answered as given, the rest right.
void TestLogiktexte::punkte()
{
    QFETCH(int, n);
    QFETCH(QString, erste);
    QFETCH(QString, meldung);
    const std::map<int, QStringList> richtig{
        {97, {"20", "35", "26", "36", "64", "81", "3", "22", "31", "49"}},
        {99, {"2", "4", "1", "3", "5", "2", "4", "1", "3", "5"}}};
    Lauf l(n);
    l.starte();
    for (int k = 1; k <= 10; ++k) {
        const QString tasten = k == 1 ? erste : richtig.at(n)[k - 1] + QStringLiteral("E");
        for (QChar c : tasten) {
            if (c == QLatin1Char('E')) {
                l.eingabe->setFocus();
                QTest::keyClick(l.eingabe, Qt::Key_Return);
            } else {
                tippe(l.eingabe, QString(c));
            }
        }
        QCOMPARE(l.rifa->text(), QStringLiteral("RICHTIG!"));
        if (k == 10)
            m_uhr.mono += 30;
        l.weiterKlick();
    }
    QCOMPARE(::meldung, meldung);
}

void TestLogiktexte::dateiFehlt_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<int>("saetze");  // -1: missing
    QTest::addColumn<QString>("text");
    const QString fehlt = QStringLiteral("Datei nicht gefunden");
    const QString kurz = QStringLiteral("Versuch hinter dem Dateiende zu lesen");
    QTest::newRow("97 fehlt") << 97 << -1 << fehlt;
    QTest::newRow("97 kurz") << 97 << 26 << kurz;
    QTest::newRow("98 kurz") << 98 << 63 << kurz;
    QTest::newRow("99 fehlt") << 99 << -1 << fehlt;
    QTest::newRow("100 kurz") << 100 << 79 << kurz;
    QTest::newRow("103 kurz") << 103 << 17 << kurz;
}

void TestLogiktexte::dateiFehlt()
{
    QFETCH(int, n);
    QFETCH(int, saetze);
    QFETCH(QString, text);
    const Logikart& a = art(n);
    if (saetze < 0)
        QFile::remove(m_ordner->pfad(a.datei));
    else
        m_ordner->schreibe(a.datei, m_ordner->lies(a.datei).left(a.satzgroesse * saetze));
    dialog::Skript skript;
    Lauf l(n);
    if (n == 100)
        zufall::setzeFolge([] { return 0.999; });  // the last record is drawn first
    l.starte();
    QCOMPARE(skript.texte, QStringList{text});
    QVERIFY(!l.start->isHidden() && l.eingabe->isHidden() && l.aufzahl->isHidden());
}

void TestLogiktexte::laeufe_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<QString>("antworten");
    QTest::addColumn<QString>("gespeichert");
    QTest::newRow("Log. Reihen") << 97 << "20 35 26 36 64 81 3 22 31 49" << "1070";
    QTest::newRow("A zu B") << 98 << "1 4 2 5 3 1 4 2 5 3" << "1070";
    QTest::newRow("4 zu 1, eine falsch") << 99 << "2 4 1 3 5 2 4 1 3 1" << "970";
    QTest::newRow("Sprachlogik") << 100 << "1 2 1 1 2 2 1 2 1 1 1 2 1 1 1 2 1 2 1 2" << "2070";
    QTest::newRow("Wochentage") << 103 << "2 5 4 7 7 2 6 2 5 1" << "1070";
}

// A whole run to the end with its result in the result file.
void TestLogiktexte::laeufe()
{
    QFETCH(int, n);
    QFETCH(QString, antworten);
    QFETCH(QString, gespeichert);
    Lauf l(n);
    l.starte();
    const QStringList a = antworten.split(QLatin1Char(' '));
    for (int k = 1; k <= a.size(); ++k) {
        QCOMPARE(l.aufzahl->text(), QStringLiteral("%1/ %2").arg(k).arg(a.size()));
        l.antworte(a[k - 1]);
        QVERIFY(!l.rifa->text().isEmpty());
        if (k == a.size())
            m_uhr.mono += 30;
        l.weiterKlick();
    }
    QCOMPARE(letzterEintrag(n), QStringLiteral("07.03.2026   ") + gespeichert);
    QVERIFY(!l.fenster->isVisible());
    QVERIFY(!l.start->isHidden() && l.eingabe->isHidden() && l.aufzahl->isHidden());
}

QTEST_MAIN(TestLogiktexte)
#include "tst_logiktexte.moc"
