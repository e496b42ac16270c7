// The pair grid windows driven through their controls: a full run of each
// from the dispatcher to the stored result and highscore, picks on the grid,
// the cursor, the groups of a run and bad input.
#include "common/satzdatei.h"
#include "common/uhr.h"
#include "common/zufall.h"
#include "common/zustand.h"
#include "exercises/language/register.h"
#include "exercises/numbers/register.h"
#include "exercises/shared/uzuo01.h"
#include "platform/anwendung.h"
#include "platform/dialoge.h"
#include "platform/farben.h"
#include "platform/leinwand.h"
#include "shell/aufruf.h"
#include "shell/programmtabelle.h"
#include "tests/support/testumgebung.h"
#include "tests/support/uebungsumgebung.h"
#include "tests/support/testuhr.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QSet>
#include <QTest>
#include <optional>
#include <map>
#include <random>

namespace {

Testuhr g_uhr;

// A record of 41 bytes: length byte, the Windows-1252 text, zero bytes.
QByteArray satz(const QByteArray& text)
{
    QByteArray s(41, '\0');
    s[0] = char(text.size());
    s.replace(1, text.size(), text);
    return s;
}

// Record i is "L<i>,R<i>"; every seventh has an umlaut and ß instead of the letters.
QByteArray inhalt(int saetze)
{
    QByteArray d;
    for (int i = 0; i < saetze; ++i)
        d += satz(i % 7 ? "L" + QByteArray::number(i) + ",R" + QByteArray::number(i)
                        : "\xC4" + QByteArray::number(i) + ",\xDF" + QByteArray::number(i));
    return d;
}

const std::map<QString, int> kSaetze{{"zuteil1.dat", 120}, {"zuteil2.dat", 120}, {"zugegen.dat", 120},
                                     {"zusyno.dat", 120},  {"zufremd.dat", 120}, {"zuerd.dat", 120},
                                     {"zusach.dat", 120},  {"jfarben.dat", 48},  {"zumath1.dat", 32},
                                     {"zumath2.dat", 32}};

int nummer(const QString& text) { return text.mid(1).toInt(); }
bool links(const QString& text) { return text[0] == QLatin1Char('L') || text[0] == QChar(0xC4); }

// Drives picks as a person: the mouse on the cell's middle, or the keys from
// where the cursor stands.
struct Fahrer {
    Tzuo01& f;
    bool maus;
    int cx = 0, cy = 0;

    QPoint mitte(int s, int z) const
    {
        const Paargitter& g = f.gitter();
        return QPoint((50 * (s - 1) + 25) * g.ex, (16 * (z - 1) + 10) * g.ey);
    }
    void waehle(int s, int z)
    {
        if (maus) {
            QTest::mouseClick(&f, Qt::LeftButton, Qt::NoModifier, mitte(s, z));
            return;
        }
        while (cx != s - 1) {
            QTest::keyClick(&f, Qt::Key_Right);
            cx = (cx + 1) % 2;
        }
        while (cy != z - 1) {
            QTest::keyClick(&f, Qt::Key_Up);
            cy = (cy + 5) % 6;
        }
        QTest::keyClick(&f, Qt::Key_Return);
    }
    QPair<int, int> ort(const QString& text) const
    {
        for (int s = 1; s <= 2; ++s)
            for (int z = 1; z <= 6; ++z)
                if (f.runde().zelle(s, z).text == text)
                    return {s, z};
        return {0, 0};
    }
    // Solves the round; falsch wrong second picks first. The records shown.
    QSet<int> runde(int falsch)
    {
        cx = cy = 0;
        QSet<int> saetze;
        QStringList linke;
        for (int s = 1; s <= 2; ++s)
            for (int z = 1; z <= 6; ++z) {
                const QString t = f.runde().zelle(s, z).text;
                saetze << nummer(t);
                if (links(t))
                    linke << t;
            }
        for (int k = 0; k < falsch; ++k) {
            const auto a = ort(linke[0]), b = ort(linke[1]);
            waehle(a.first, a.second);
            waehle(b.first, b.second);
        }
        for (const QString& l : linke) {
            const auto a = ort(l);
            const QString r = (l[0] == QLatin1Char('L') ? QStringLiteral("R") : QStringLiteral("ß")) + l.mid(1);
            const auto b = ort(r);
            waehle(b.first, b.second);
            waehle(a.first, a.second);
        }
        return saetze;
    }
};

void tippeBlock(Tzuo01& f, const QString& block)
{
    tippe(f.wahl, block);
    QTest::keyClick(f.wahl, Qt::Key_Return);
}

int zaehle(const QImage& bild, const QRect& feld, QRgb farbe)
{
    int n = 0;
    for (int y = feld.top(); y <= feld.bottom(); ++y)
        for (int x = feld.left(); x <= feld.right(); ++x)
            n += bild.valid(x, y) && bild.pixel(x, y) == farbe;
    return n;
}

QRect textfeld(Tzuo01& f, int s, int z)
{
    const Paargitter& g = f.gitter();
    return QRect(g.textort(s - 1, z - 1), QPoint((50 * s - 4) * g.ex, (16 * z - 1) * g.ey));
}

Tzuo01& fenster(int n)
{
    static std::map<int, Tzuo01*> t;
    if (!t.count(n))
        t[n] = new Tzuo01(Tzuo01::mitglied(n));
    return *t[n];
}

QString kurz(const QByteArray& daten, int von) { return kurztext::lies(daten.constData() + von, 20); }

// Plays a whole run: the block, then every round solved; the group of each round.
void fahre(Tzuo01* f, const QString& block, int falsch, double sekunden, bool maus, int runden, QList<int>& gesehen)
{
    f->show();
    QApplication::setActiveWindow(f);
    if (!block.isEmpty())
        tippeBlock(*f, block);
    QVERIFY(f->laeuft());
    g_uhr.mono += sekunden;
    Fahrer fahrer{*f, maus};
    for (int r = 1; r <= runden; ++r) {
        QCOMPARE(f->rundenNr(), r);
        const QSet<int> saetze = fahrer.runde(r == 1 ? falsch : 0);
        // the round shows six records of one group
        QCOMPARE(saetze.size(), 6);
        const int g = *saetze.begin() / 8 + 1;
        for (int s : saetze)
            QCOMPARE(s / 8 + 1, g);
        gesehen << g;
    }
    QVERIFY(!f->isVisible());
    QVERIFY(!f->laeuft());
}

}

class TestZuordnungsfenster : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void ganzerLauf_data();
    void ganzerLauf();
    void farbgruppen_data();
    void farbgruppen();
    void farbgruppenJedesMalNeu();
    void wahlen();
    void cursorUndRahmen();
    void rahmenJedeRunde();
    void farbenBleibt();
    void falscheEingabe_data();
    void falscheEingabe();
    void fehlendeDatei_data();
    void fehlendeDatei();
    void rechenfensterFehlerEinmal();
    void abbrechenOhneErgebnis_data();
    void abbrechenOhneErgebnis();

private:
    std::unique_ptr<Arbeitsordner> m_ordner;
    std::optional<Uebungsumgebung> m_umgebung;
};

void TestZuordnungsfenster::init()
{
    m_ordner = std::make_unique<Arbeitsordner>();
    for (const auto& [datei, n] : kSaetze)
        m_ordner->schreibe(datei, inhalt(n));
    m_umgebung.emplace(g_uhr, 7, QStringLiteral("Eva"));
}

void TestZuordnungsfenster::cleanup()
{
    m_umgebung.reset();
    m_ordner.reset();
}

void TestZuordnungsfenster::ganzerLauf_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<QString>("block");
    QTest::addColumn<int>("falsch");
    QTest::addColumn<double>("sekunden");
    QTest::addColumn<bool>("maus");
    QTest::addColumn<QString>("ergebnisdatei");
    QTest::addColumn<int>("ergebnissatz");  // (item - 1) x 400 + 69 for user 7
    QTest::addColumn<int>("hochblock");
    QTest::addColumn<QString>("punkte");
    QTest::addColumn<QString>("meldung");
    QTest::addColumn<QList<int>>("gruppen");  // the group of each round
    QTest::newRow("44 D-Zuordnungen I") << 44 << "2" << 1 << 60.0 << true << "xbaserg2.dat" << 2869 << 29 << "3000,02"
                                        << "Sie haben 3000,02 Punkte erreicht!" << QList<int>{6, 7, 8, 9, 10};
    QTest::newRow("45 D-Zuordnungen II") << 45 << "1" << 0 << 52.9 << false << "xbaserg2.dat" << 3269 << 30
                                         << "3047,01" << "Sie haben 3047,01 Punkte erreicht!"
                                         << QList<int>{1, 2, 3, 4, 5};
    QTest::newRow("46 Gegenteile") << 46 << "3" << 0 << 186.8 << true << "xbaserg2.dat" << 3669 << 31 << "2913,03"
                                   << "Sie haben 2913,03 Punkte erreicht!" << QList<int>{11, 12, 13, 14, 15};
    QTest::newRow("47 Synonyme") << 47 << "2" << 2 << 100.0 << false << "xbaserg2.dat" << 4069 << 32 << "2920,02"
                                 << "Sie haben 2920,02 Punkte erreicht!" << QList<int>{6, 7, 8, 9, 10};
    QTest::newRow("52 Farben") << 52 << "4" << 0 << 60.0 << true << "xbaserg3.dat" << 1269 << 36 << "1840,04"
                               << "Sie haben 1840 Punkte erreicht!" << QList<int>{4, 5, 6};
    QTest::newRow("122 Fremdwörter") << 122 << "1" << 0 << 60.0 << false << "xbaserg9.dat" << 469 << 100
                                     << "3040,01" << "Sie haben 3040,01 Punkte erreicht!"
                                     << QList<int>{1, 2, 3, 4, 5};
    QTest::newRow("123 Erdkunde") << 123 << "3" << 0 << 5000.0 << true << "xbaserg9.dat" << 869 << 101 << "2,03049"
                                  << "Sie haben 2,03049 Punkte erreicht!" << QList<int>{11, 12, 13, 14, 15};
    QTest::newRow("124 Sachkunde") << 124 << "2" << 0 << 2562.6 << false << "xbaserg9.dat" << 1269 << 102
                                   << "537,020" << "Sie haben 537,020 Punkte erreicht!" << QList<int>{6, 7, 8, 9, 10};
    QTest::newRow("20 M-Zuordnungen I") << 20 << "" << 2 << 200.6 << true << "xbaserg0.dat" << 2869 << 7 << "2219"
                                        << "Sie haben 2219 Punkte erreicht!" << QList<int>{1, 2, 3, 4};
    QTest::newRow("21 M-Zuordnungen II") << 21 << "" << 0 << 3000.0 << false << "xbaserg0.dat" << 3269 << 8 << "2"
                                         << "Sie haben 2 Punkte erreicht!" << QList<int>{1, 2, 3, 4};
}

void TestZuordnungsfenster::ganzerLauf()
{
    QFETCH(int, n);
    QFETCH(QString, block);
    QFETCH(int, falsch);
    QFETCH(double, sekunden);
    QFETCH(bool, maus);
    QFETCH(QString, ergebnisdatei);
    QFETCH(int, ergebnissatz);
    QFETCH(int, hochblock);
    QFETCH(QString, punkte);
    QFETCH(QString, meldung);
    QFETCH(QList<int>, gruppen);
    Programmtabelle::global().leeren();
    registriereZahlen(Programmtabelle::global());
    registriereSprache(Programmtabelle::global());
    QStringList gezeigt;
    QList<int> gesehen;
    QList<int> meldungen;
    Form::setzeModalErsatz([&](Form* fenster) {
        gezeigt << fenster->objectName();
        if (auto* f = qobject_cast<Tzuo01*>(fenster))
            fahre(f, block, falsch, sekunden, maus, int(gruppen.size()), gesehen);
        return 0;
    });
    QVERIFY(aufruf(n, n % 2 ? Menueart::Knopfmenue : Menueart::Windowsmenue));
    // the rules window, the exercise, the message window
    QCOMPARE(gezeigt, (QStringList{QStringLiteral("regel"), Tzuo01::mitglied(n).klasse, QStringLiteral("Form3")}));
    QCOMPARE(gesehen, gruppen);
    QCOMPARE(meldung, ::meldung);
    const QByteArray ergebnisse = m_ordner->lies(ergebnisdatei);
    QCOMPARE(kurz(ergebnisse, ergebnissatz * 21), QStringLiteral("07.03.2026   ") + punkte);
    const QByteArray hoch = m_ordner->lies(QStringLiteral("xbashigh.dat"));
    const int platz1 = hochblock * 15 * 63;
    QCOMPARE(kurz(hoch, platz1), QStringLiteral("Eva"));
    QCOMPARE(kurz(hoch, platz1 + 21), punkte);
    QCOMPARE(kurz(hoch, platz1 + 42), QStringLiteral("07.03.26"));
}

void TestZuordnungsfenster::farbgruppen_data()
{
    QTest::addColumn<int>("saat");
    for (int s : {1, 2, 3, 4})
        QTest::newRow(qPrintable(QStringLiteral("Saat %1").arg(s))) << s;
}

void TestZuordnungsfenster::farbgruppen()
{
    QFETCH(int, saat);
    auto g = std::make_shared<std::mt19937>(saat);
    zufall::setzeFolge([g] { return (*g)() / 4294967296.0; });
    Tzuo01& f = fenster(52);
    f.show();
    tippeBlock(f, QStringLiteral("0"));
    Fahrer fahrer{f, true};
    QSet<int> gruppen;
    for (int r = 1; r <= 3; ++r) {
        const QSet<int> saetze = fahrer.runde(0);
        for (int s : saetze)
            QCOMPARE(s / 8, *saetze.begin() / 8);
        gruppen << *saetze.begin() / 8 + 1;
    }
    QCOMPARE(gruppen.size(), 3);
    QVERIFY(!f.isVisible());
    QCOMPARE(::meldung, QStringLiteral("Sie haben 1900 Punkte erreicht!"));
}

// The groups are the first draw of a run: it comes from a fresh seed, not from
// the state the generator was left in (here the one every program start used to have).
void TestZuordnungsfenster::farbgruppenJedesMalNeu()
{
    zufall::setzeFolge({});
    Tzuo01& f = fenster(52);
    QSet<int> erste;
    for (int i = 0; i < 12; ++i) {
        zufall::setzeSaat(1);
        f.show();
        tippeBlock(f, QStringLiteral("0"));
        QVERIFY(f.laeuft());
        erste << f.gruppen().front();
        f.close();
    }
    QVERIFY2(erste.size() > 1, "twelve runs began with the same group");
}

void TestZuordnungsfenster::wahlen()
{
    Tzuo01& f = fenster(44);
    f.show();
    tippeBlock(f, QStringLiteral("1"));
    Fahrer fahrer{f, true};
    const int a = f.runde().saetze()[0], b = f.runde().saetze()[1];
    const auto la = fahrer.ort(QStringLiteral("L%1").arg(a)), ra = fahrer.ort(QStringLiteral("R%1").arg(a));
    const auto lb = fahrer.ort(QStringLiteral("L%1").arg(b));
    const QRgb blau = qRgb(0, 0, 255), weiss = qRgb(255, 255, 255), schwarz = qRgb(0, 0, 0);
    fahrer.waehle(la.first, la.second);
    QVERIFY(zaehle(f.bild(), textfeld(f, la.first, la.second), blau) > 20);
    QCOMPARE(f.punkte(), 100.0f);
    // the same cell twice: 40 points, black again, no blue left
    fahrer.waehle(la.first, la.second);
    QCOMPARE(f.punkte(), 60.0f);
    QCOMPARE(zaehle(f.bild(), textfeld(f, la.first, la.second), blau), 0);
    QVERIFY(zaehle(f.bild(), textfeld(f, la.first, la.second), schwarz) > 20);
    // a wrong second pick is no new first pick
    fahrer.waehle(la.first, la.second);
    fahrer.waehle(lb.first, lb.second);
    QCOMPARE(f.punkte(), 20.0f);
    QCOMPARE(zaehle(f.bild(), textfeld(f, lb.first, lb.second), blau), 0);
    fahrer.waehle(ra.first, ra.second);
    // a gap and a place outside the grid change nothing
    const Paargitter& g = f.gitter();
    QTest::mouseClick(&f, Qt::LeftButton, Qt::NoModifier, QPoint(50 * g.ex, 10 * g.ey));
    QTest::mouseClick(&f, Qt::LeftButton, Qt::NoModifier, QPoint(25 * g.ex, 18 * g.ey));
    QTest::mouseClick(&f, Qt::RightButton, Qt::NoModifier, QPoint(25 * g.ex, 98 * g.ey));
    fahrer.waehle(la.first, la.second);
    QCOMPARE(f.punkte(), 120.0f);
    QCOMPARE(f.runde().geloest(), 1);
    QCOMPARE(zaehle(f.bild(), textfeld(f, la.first, la.second), schwarz), 0);
    QVERIFY(zaehle(f.bild(), textfeld(f, ra.first, ra.second), weiss) > 20);
    // solved cells change nothing, with or without a first pick waiting
    fahrer.waehle(la.first, la.second);
    fahrer.waehle(lb.first, lb.second);
    fahrer.waehle(ra.first, ra.second);
    QCOMPARE(f.punkte(), 120.0f);
    QVERIFY(zaehle(f.bild(), textfeld(f, lb.first, lb.second), blau) > 20);
    QVERIFY(f.runde().ersteWartet());
    f.close();
}

void TestZuordnungsfenster::cursorUndRahmen()
{
    Tzuo01& f = fenster(45);
    f.show();
    tippeBlock(f, QStringLiteral("2"));
    const Paargitter& g = f.gitter();
    const QRgb rot = qRgb(255, 0, 0);
    auto hatRahmen = [&](int s, int z) {
        const QRect r = g.cursorrahmen(s, z);
        return f.bild().pixel(r.left() + 1, r.center().y()) == rot;
    };
    QVERIFY(hatRahmen(0, 0));
    const struct { Qt::Key taste; int x, y; } schritte[] = {
        {Qt::Key_Left, 1, 0}, {Qt::Key_Up, 1, 5}, {Qt::Key_Right, 0, 5}, {Qt::Key_Down, 0, 0},
        {Qt::Key_Down, 0, 1}, {Qt::Key_Left, 1, 1},
    };
    for (const auto& s : schritte) {
        QTest::keyClick(&f, s.taste);
        QCOMPARE(cursorx, s.x);
        QCOMPARE(cursory, s.y);
        QCOMPARE(feldnr, s.y + 1 + 6 * s.x);
        QVERIFY(hatRahmen(s.x, s.y));
    }
    // only the cursor's frame is red
    QVERIFY(!hatRahmen(0, 0) && !hatRahmen(0, 5) && !hatRahmen(1, 5));
    // a click does not move the cursor
    QTest::mouseClick(&f, Qt::LeftButton, Qt::NoModifier, QPoint(25 * g.ex, 90 * g.ey));
    QCOMPARE(cursorx, 1);
    QCOMPARE(cursory, 1);
    QCOMPARE(feldnr, 6);
    f.close();
}

void TestZuordnungsfenster::rahmenJedeRunde()
{
    // the cell frames are 1 px black in every round, also after the 3-px cursor
    Tzuo01& f = fenster(47);
    f.show();
    tippeBlock(f, QStringLiteral("1"));
    Fahrer fahrer{f, true};
    for (int r = 1; r <= 2; ++r) {
        const Paargitter& g = f.gitter();
        const QImage bild = f.bild();
        const QRect zelle = g.zellrahmen(1, 2);
        const int y = zelle.top() + 2 * g.ey;
        QCOMPARE(bild.pixel(zelle.left(), y), qRgb(0, 0, 0));
        QCOMPARE(bild.pixel(zelle.left() + 1, y), farbe::buttonFace().rgb());
        QCOMPARE(bild.pixel(zelle.left() - 1, y), farbe::buttonFace().rgb());
        QCOMPARE(bild.pixel(zelle.left() + 2 * g.ex, zelle.top()), qRgb(0, 0, 0));
        QCOMPARE(bild.pixel(zelle.left() + 2 * g.ex, zelle.top() + 1), farbe::buttonFace().rgb());
        fahrer.runde(0);
    }
    f.close();
}

void TestZuordnungsfenster::farbenBleibt()
{
    Tzuo01& f = fenster(52);
    f.show();
    tippeBlock(f, QStringLiteral("1"));
    QVERIFY(!f.image);
    const QImage vorher = f.bild();
    QVERIFY(zaehle(vorher, QRect(0, 0, vorher.width(), vorher.height() / 5), qRgb(255, 0, 0)) > 100);
    f.repaint();
    QCOMPARE(f.bild(), vorher);
    const QImage gezeigt = f.grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QRect cursor = f.gitter().cursorrahmen(0, 0);
    QCOMPARE(gezeigt.pixel(cursor.left() + 1, cursor.center().y()), qRgb(255, 0, 0));
    f.close();
}

void TestZuordnungsfenster::falscheEingabe_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("feld");      // the field before Enter
    QTest::addColumn<bool>("meldung");      // "ungültige Eingabe!"
    QTest::addColumn<bool>("startet");
    QTest::newRow("0 bei 1-3") << 44 << "0" << "0" << true << false;
    QTest::newRow("4 bei 1-3") << 46 << "4" << "4" << true << false;
    QTest::newRow("nur eine Ziffer") << 122 << "21" << "2" << false << true;
    QTest::newRow("Buchstaben fallen weg") << 123 << "a-b 3" << "3" << false << true;
    QTest::newRow("leer") << 124 << "x" << "" << false << false;
    QTest::newRow("5 bei Farben") << 52 << "5" << "5" << true << false;
    QTest::newRow("0 bei Farben") << 52 << "0" << "0" << false << true;
    QTest::newRow("Farben ohne Längengrenze") << 52 << "004" << "004" << false << true;
    QTest::newRow("Farben 12") << 52 << "12" << "12" << true << false;
    QTest::newRow("Farben 10 Zeichen") << 52 << "0000000001" << "0000000001" << false << false;
}

void TestZuordnungsfenster::falscheEingabe()
{
    QFETCH(int, n);
    QFETCH(QString, text);
    QFETCH(QString, feld);
    QFETCH(bool, meldung);
    QFETCH(bool, startet);
    dialog::Skript skript;
    Tzuo01& f = fenster(n);
    f.show();
    QApplication::setActiveWindow(&f);
    tippe(f.wahl, text);
    QCOMPARE(f.wahl->text(), feld);
    QTest::keyClick(f.wahl, Qt::Key_Return);
    QCOMPARE(skript.texte, meldung ? QStringList{QStringLiteral("ungültige Eingabe!")} : QStringList{});
    QCOMPARE(f.laeuft(), startet);
    QCOMPARE(f.wahl->isVisible(), !startet);
    if (meldung) {
        QCOMPARE(f.wahl->text(), QString());
        QCOMPARE(QApplication::focusWidget(), f.wahl);
    }
    f.close();
    QVERIFY(f.wahl->isVisible() == false && !f.isVisible());
}

void TestZuordnungsfenster::fehlendeDatei_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<int>("saetze");  // -1: missing
    QTest::addColumn<QString>("fehler");
    QTest::newRow("fehlt") << 44 << -1 << "Datei nicht gefunden";
    QTest::newRow("zu kurz") << 124 << 119 << "Versuch hinter dem Dateiende zu lesen";
    QTest::newRow("Farben zu kurz") << 52 << 47 << "Versuch hinter dem Dateiende zu lesen";
}

void TestZuordnungsfenster::fehlendeDatei()
{
    QFETCH(int, n);
    QFETCH(int, saetze);
    QFETCH(QString, fehler);
    Tzuo01& f = fenster(n);
    // an earlier run's cells must not score after the error
    f.show();
    tippeBlock(f, QStringLiteral("1"));
    QVERIFY(f.laeuft());
    Fahrer fahrer{f, true};
    const auto a = fahrer.ort(f.runde().zelle(1, 1).text);
    QTest::keyClick(&f, Qt::Key_Escape);
    QVERIFY(!f.isVisible());
    const QString datei = f.art().datei;
    if (saetze < 0)
        QFile::remove(m_ordner->pfad(datei));
    else
        m_ordner->schreibe(datei, inhalt(saetze));
    dialog::Skript skript;
    f.show();
    tippeBlock(f, QStringLiteral("1"));
    QCOMPARE(skript.texte, QStringList{fehler});
    QVERIFY(!f.laeuft());
    QVERIFY(!f.wahl->isVisible());
    // no grid, and picks and keys do nothing
    for (int k = 0; k < 2; ++k)
        fahrer.waehle(a.first, a.second);
    QTest::keyClick(&f, Qt::Key_Down);
    QTest::keyClick(&f, Qt::Key_Return);
    const QImage bild = f.bild();
    QCOMPARE(zaehle(bild, bild.rect(), farbe::buttonFace().rgb()), bild.width() * bild.height());
    QCOMPARE(skript.texte.size(), 1);
    QTest::keyClick(&f, Qt::Key_Escape);
    QVERIFY(!f.isVisible());
}

void TestZuordnungsfenster::rechenfensterFehlerEinmal()
{
    QFile::remove(m_ordner->pfad(QStringLiteral("zumath2.dat")));
    dialog::Skript skript;
    Tzuo01& f = fenster(21);
    f.show();
    QApplication::setActiveWindow(&f);
    QCOMPARE(skript.texte, QStringList{QStringLiteral("Datei nicht gefunden")});
    // activated again after the error box: no second start
    QApplication::setActiveWindow(nullptr);
    QApplication::setActiveWindow(&f);
    QTest::mouseClick(&f, Qt::LeftButton, Qt::NoModifier, QPoint(f.width() / 4, f.height() / 10));
    QTest::keyClick(&f, Qt::Key_Return);
    QCOMPARE(skript.texte.size(), 1);
    QVERIFY(!f.laeuft());
    QTest::keyClick(&f, Qt::Key_Escape);
    QVERIFY(!f.isVisible());
    // the next show starts a run
    m_ordner->schreibe(QStringLiteral("zumath2.dat"), inhalt(32));
    f.show();
    QVERIFY(f.laeuft());
    QCOMPARE(f.rundenNr(), 1);
    f.close();
}

void TestZuordnungsfenster::abbrechenOhneErgebnis_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<bool>("esc");
    QTest::newRow("Esc") << 46 << true;
    QTest::newRow("Schließfeld") << 20 << false;
    QTest::newRow("Farben Esc") << 52 << true;
}

void TestZuordnungsfenster::abbrechenOhneErgebnis()
{
    QFETCH(int, n);
    QFETCH(bool, esc);
    const QByteArray ergebnisse = m_ordner->lies(QStringLiteral("xbaserg%1.dat").arg(n / 12 - 1));
    const QByteArray hoch = m_ordner->lies(QStringLiteral("xbashigh.dat"));
    Tzuo01& f = fenster(n);
    f.show();
    if (f.wahl)
        tippeBlock(f, QStringLiteral("1"));
    Fahrer fahrer{f, false};
    fahrer.runde(1);
    QCOMPARE(f.rundenNr(), 2);
    if (esc)
        QTest::keyClick(&f, Qt::Key_Escape);
    else
        f.close();
    QVERIFY(!f.isVisible());
    QVERIFY(!f.laeuft());
    if (f.wahl)
        QVERIFY(f.wahl->isHidden() == false);
    QCOMPARE(m_ordner->lies(QStringLiteral("xbaserg%1.dat").arg(n / 12 - 1)), ergebnisse);
    QCOMPARE(m_ordner->lies(QStringLiteral("xbashigh.dat")), hoch);
    // the next run starts at round 1 with 100 points
    f.show();
    if (f.wahl)
        tippeBlock(f, QStringLiteral("1"));
    QCOMPARE(f.rundenNr(), 1);
    QCOMPARE(f.punkte(), 100.0f);
    f.close();
}

int main(int argc, char** argv)
{
    Anwendung app(argc, argv);
    TestZuordnungsfenster t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_zuordnungsfenster.moc"
