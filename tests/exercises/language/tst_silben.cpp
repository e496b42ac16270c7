// The syllable grids: the word tables, the syllable logic, the end score, and
// the three windows driven through their controls, from the dispatcher to the
// stored result.
#include "common/satzdatei.h"
#include "common/uhr.h"
#include "common/zufall.h"
#include "common/zustand.h"
#include "exercises/language/register.h"
#include "exercises/language/silben.h"
#include "exercises/language/uwis08.h"
#include "exercises/shared/blockpunkte.h"
#include "platform/anwendung.h"
#include "platform/dialoge.h"
#include "platform/farben.h"
#include "platform/leinwand.h"
#include "platform/warten.h"
#include "shell/aufruf.h"
#include "shell/programmtabelle.h"
#include "tests/support/testumgebung.h"
#include "tests/support/uebungsumgebung.h"
#include "tests/support/testuhr.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSet>
#include <QTest>
#include <optional>
#include <map>
#include <random>

namespace {

Testuhr g_uhr;

QString kurz(const QByteArray& daten, int von) { return kurztext::lies(daten.constData() + von, 20); }

// Folds a to z only, as the test's own model of the comparison.
QString falte(const QString& s)
{
    QString t = s;
    for (QChar& c : t)
        if (c >= QLatin1Char('a') && c <= QLatin1Char('z'))
            c = QChar(c.unicode() - 32);
    return t;
}

// Every sequence of right picks of a block ends with 12 words: from every
// reachable state some right pick remains until 12 words are built. A state is
// the set of syllables still on the grid and the entries not yet emptied.
struct Suche {
    QStringList silben;     // 24: first syllables, then second syllables
    QStringList woerter;    // 12
    std::vector<std::vector<int>> passt;  // pair (a, b) -> entries equal to a + b
    QSet<qint64> gesehen;
    QString fehler;

    bool erreicht(quint32 frei, quint32 offen, int gebaut)
    {
        if (!gesehen.isEmpty() && gesehen.contains((qint64(frei) << 12) | offen))
            return true;
        gesehen.insert((qint64(frei) << 12) | offen);
        if (gebaut == 12)
            return true;
        bool zug = false;
        for (int a = 0; a < 24; ++a)
            for (int b = 0; b < 24; ++b) {
                if (a == b || !(frei >> a & 1) || !(frei >> b & 1) || !(passt[a * 24 + b].size()))
                    continue;
                quint32 neu = offen;
                for (int e : passt[a * 24 + b])
                    neu &= ~(1u << e);
                if (neu == offen)
                    continue;
                zug = true;
                if (!erreicht(frei & ~(1u << a) & ~(1u << b), neu, gebaut + 1))
                    return false;
            }
        if (!zug)
            fehler = QStringLiteral("stuck after %1 words").arg(gebaut);
        return zug;
    }
};

QPoint mitte(const Twis08& f, int s, int z)
{
    return QPoint(s * f.zellbreite() + f.zellbreite() / 2, z * f.zellhoehe() + f.zellhoehe() / 2);
}

QPair<int, int> zelleMit(const Twis08& f, int nummer)
{
    for (int s = 0; s < 4; ++s)
        for (int z = 0; z < 6; ++z)
            if (f.runde().nummer(s, z) == nummer)
                return {s, z};
    return {-1, -1};
}

int zaehle(const Twis08& f, int s, int z, QRgb farbe)
{
    const QImage& bild = f.pb->bild();
    int n = 0;
    for (int y = z * f.zellhoehe() + 2; y < (z + 1) * f.zellhoehe() - 1; ++y)
        for (int x = s * f.zellbreite() + 2; x < (s + 1) * f.zellbreite() - 1; ++x)
            n += bild.pixel(x, y) == farbe;
    return n;
}

const QRgb kRot = qRgb(255, 0, 0), kBlau = qRgb(0, 0, 255), kWeiss = qRgb(255, 255, 255);

// Picks as a person: the mouse on the cell's middle, or the arrows from where
// the cursor stands and Enter.
void waehle(Twis08& f, int s, int z, bool maus)
{
    if (maus) {
        QTest::mouseClick(f.pb, Qt::LeftButton, Qt::NoModifier, mitte(f, s, z));
        return;
    }
    // bounded: a cursor that does not move fails the test instead of hanging it
    for (int i = 0; i < 4 && f.cursorSpalte() != s; ++i)
        QTest::keyClick(&f, Qt::Key_Right);
    for (int i = 0; i < 6 && f.cursorZeile() != z; ++i)
        QTest::keyClick(&f, Qt::Key_Down);
    QTest::keyClick(&f, Qt::Key_Return);
}

void waehleNummer(Twis08& f, int nummer, bool maus)
{
    const auto c = zelleMit(f, nummer);
    waehle(f, c.first, c.second, maus);
}

Twis08& fenster(int n)
{
    static std::map<int, Twis08*> t;
    if (!t.count(n))
        t[n] = new Twis08(silben::art(n));
    return *t[n];
}

void tippeBlock(Twis08& f, const QString& block)
{
    tippe(f.wahl, block);
    QTest::keyClick(f.wahl, Qt::Key_Return);
}

}

class TestSilben : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void tabellen_data();
    void tabellen();
    void themen();
    void teilen_data();
    void teilen();
    void vergleich_data();
    void vergleich();
    void endpunkte_data();
    void endpunkte();
    void ganzerLauf_data();
    void ganzerLauf();
    void wahlen();
    void grossUndKlein();
    void linienUndRand_data();
    void linienUndRand();
    void mausDannEnter();
    void pauseSperrt();
    void escInPause();
    void escBeiBlockwahl();
    void falscheEingabe_data();
    void falscheEingabe();
    void ausserhalbDesLaufs();

private:
    std::unique_ptr<Arbeitsordner> m_ordner;
    std::optional<Uebungsumgebung> m_umgebung;
    std::vector<int> m_pausen;
};

void TestSilben::init()
{
    m_ordner = std::make_unique<Arbeitsordner>();
    m_umgebung.emplace(g_uhr, 7, QStringLiteral("Eva"));
    m_pausen.clear();
    setzeWartenErsatz([this](int ms) { m_pausen.push_back(ms); });
}

void TestSilben::cleanup()
{
    setzeWartenErsatz(nullptr);
    m_umgebung.reset();
    m_ordner.reset();
}

void TestSilben::tabellen_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<QString>("erster");   // entry 1 of block 1
    QTest::addColumn<QString>("letzter");  // entry 12 of block 10
    QTest::newRow("Twis08") << 128 << "Ju#dith" << "Ma#ler";
    QTest::newRow("Twis09") << 129 << "Ham#burg" << "Fo#rint";
    QTest::newRow("Twis10") << 130 << "Nas#horn" << "Ka#pern";
}

void TestSilben::tabellen()
{
    QFETCH(int, n);
    QFETCH(QString, erster);
    QFETCH(QString, letzter);
    const silben::Art& art = silben::art(n);
    QCOMPARE(art.programm, n);
    QCOMPARE(QString::fromUtf8(art.bloecke[0].eintraege[0]), erster);
    QCOMPARE(QString::fromUtf8(art.bloecke[9].eintraege[11]), letzter);
    int eintraege = 0;
    for (int b = 0; b < 10; ++b) {
        Suche suche;
        QSet<QString> woerter;
        for (const char* e : art.bloecke[b].eintraege) {
            const QString t = QString::fromUtf8(e);
            ++eintraege;
            QVERIFY2(t.count(QLatin1Char('#')) == 1, e);
            QVERIFY2(t.size() <= 20, e);
            const int p = int(t.indexOf(QLatin1Char('#')));
            QVERIFY2(p > 0 && p < t.size() - 1, e);
            const QString wort = t.left(p) + t.mid(p + 1);
            QVERIFY2(!woerter.contains(falte(wort)), e);
            woerter << falte(wort);
            suche.woerter << wort;
            suche.silben.insert(suche.woerter.size() - 1, t.left(p));
            suche.silben << t.mid(p + 1);
        }
        suche.passt.resize(24 * 24);
        for (int a = 0; a < 24; ++a)
            for (int c = 0; c < 24; ++c)
                for (int e = 0; e < 12; ++e)
                    if (a != c && falte((suche.silben[a] + suche.silben[c]).left(20)) == falte(suche.woerter[e]))
                        suche.passt[a * 24 + c].push_back(e);
        QVERIFY2(suche.erreicht(0xFFFFFF, 0xFFF, 0),
                 qPrintable(QStringLiteral("block %1: %2").arg(b + 1).arg(suche.fehler)));
    }
    QCOMPARE(eintraege, 120);
}

void TestSilben::themen()
{
    // the Memo's first and last lines, and a literal entry kept as listed
    Twis08& f = fenster(128);
    const QStringList zeilen = f.Memo1->toPlainText().split(QLatin1Char('\n'));
    QCOMPARE(zeilen.size(), 10);
    QCOMPARE(zeilen.first(), QStringLiteral(" 1) weibliche Vornamen"));
    QCOMPARE(zeilen[8], QStringLiteral(" 9) Maßeinheiten"));
    QCOMPARE(zeilen.last(), QStringLiteral("10) Berufe"));
    QCOMPARE(QString::fromUtf8(silben::art(128).bloecke[3].eintraege[6]), QStringLiteral("Zit#ter"));
    QCOMPARE(fenster(129).Memo1->toPlainText().split(QLatin1Char('\n')).last(), QStringLiteral("10) Währungen"));
    QCOMPARE(fenster(130).windowTitle(), QStringLiteral("Silben-Biologie"));
    QCOMPARE(f.label1->text(), QStringLiteral("Blockwahl"));
}

void TestSilben::teilen_data()
{
    QTest::addColumn<QString>("eintrag");
    QTest::addColumn<QString>("wort");
    QTest::addColumn<QString>("erste");
    QTest::addColumn<QString>("zweite");
    QTest::newRow("Ju#dith") << "Ju#dith" << "Judith" << "Ju" << "dith";
    QTest::newRow("U#ran") << "U#ran" << "Uran" << "U" << "ran";
    QTest::newRow("letztes #") << "a#b#c" << "a#bc" << "a#b" << "c";
}

void TestSilben::teilen()
{
    QFETCH(QString, eintrag);
    const silben::Teilung t = silben::teile(eintrag);
    QTEST(t.wort, "wort");
    QTEST(t.erste, "erste");
    QTEST(t.zweite, "zweite");
}

void TestSilben::vergleich_data()
{
    // a block of its own: two words, the syllables of the other swapped in
    QTest::addColumn<QString>("eintrag1");
    QTest::addColumn<QString>("eintrag2");
    QTest::addColumn<QString>("erste");
    QTest::addColumn<QString>("zweite");
    QTest::addColumn<bool>("richtig");
    QTest::addColumn<QStringList>("danach");  // the word list after judging
    QTest::newRow("B trifft b") << "Bo#ot" << "bo#gen" << "bo" << "ot" << true << QStringList{"", "bogen"};
    QTest::newRow("Ä nicht ä") << "Äp#fel" << "äp#ler" << "äp" << "fel" << false << QStringList{"Äpfel", "äpler"};
    QTest::newRow("ß bleibt") << "Fu#ß" << "fu#SS" << "Fu" << "SS" << true << QStringList{"Fuß", ""};
    QTest::newRow("umgekehrt falsch") << "Ha#se" << "Bi#ber" << "se" << "Ha" << false << QStringList{"Hase", "Biber"};
}

void TestSilben::vergleich()
{
    QFETCH(QString, eintrag1);
    QFETCH(QString, eintrag2);
    QFETCH(QString, erste);
    QFETCH(QString, zweite);
    QFETCH(bool, richtig);
    QFETCH(QStringList, danach);
    const QByteArray e1 = eintrag1.toUtf8(), e2 = eintrag2.toUtf8();
    silben::Block block{"Test", {}};
    for (int i = 0; i < 12; ++i)
        block.eintraege[i] = i == 0 ? e1.constData() : i == 1 ? e2.constData() : "x#y";
    silben::Runde r;
    r.starte(block);
    auto finde = [&](const QString& t) {
        for (int s = 0; s < 4; ++s)
            for (int z = 0; z < 6; ++z)
                if (r.text(s, z) == t)
                    return QPoint(s, z);
        return QPoint(-1, -1);
    };
    const QPoint a = finde(erste), b = finde(zweite);
    QCOMPARE(r.waehle(a.x(), a.y()), silben::Wahl::Erste);
    QCOMPARE(r.waehle(b.x(), b.y()), silben::Wahl::Zweite);
    QCOMPARE(r.urteile(), richtig);
    QCOMPARE(r.woerter()[0], danach[0]);
    QCOMPARE(r.woerter()[1], danach[1]);
    QCOMPARE(r.geloest(), richtig ? 1 : 0);
    QCOMPARE(r.zustand(a.x(), a.y()), richtig ? silben::Zustand::Geloest : silben::Zustand::Frei);
}

void TestSilben::endpunkte_data()
{
    QTest::addColumn<float>("punkte");
    QTest::addColumn<double>("sekunden");
    QTest::addColumn<int>("block");
    QTest::addColumn<float>("wert");
    QTest::addColumn<QString>("meldung");
    QTest::newRow("987,0") << 1087.6f << 100.0 << 4 << 987.039978f << "Sie haben 987,0 Punkte erreicht!";
    QTest::newRow("1045,") << 1045.3f << 0.0 << 10 << 1045.0999755859375f << "Sie haben 1045, Punkte erreicht!";
    QTest::newRow("52,02") << 152.9f << 100.0 << 3 << 52.029998779296875f << "Sie haben 52,02 Punkte erreicht!";
    QTest::newRow("at least 2") << 100.0f << 5000.0 << 7 << 2.06999993f << "Sie haben 2,069 Punkte erreicht!";
}

void TestSilben::endpunkte()
{
    QFETCH(float, punkte);
    QFETCH(double, sekunden);
    QFETCH(int, block);
    QFETCH(float, wert);
    QFETCH(QString, meldung);
    const float w = Twis08::endpunkte(punkte, sekunden, block);
    QCOMPARE(w, wert);
    QCOMPARE(blockpunkte::meldung(w, 5), meldung);
}

void TestSilben::ganzerLauf_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<QString>("block");
    QTest::addColumn<int>("falsch");  // wrong pairs first: word 1's syllables the wrong way round
    QTest::addColumn<double>("sekunden");
    QTest::addColumn<bool>("maus");
    QTest::addColumn<int>("ergebnissatz");  // (item - 1) x 400 + 69 for user 7 in "xbaserg9.dat"
    QTest::addColumn<int>("hochblock");
    QTest::addColumn<QString>("punkte");
    QTest::addColumn<QString>("meldung");
    QTest::newRow("128 Silben-S") << 128 << "4" << 0 << 312.4 << true << 2869 << 106 << "987,039"
                                  << "Sie haben 987,0 Punkte erreicht!";
    QTest::newRow("129 Silben-E") << 129 << "10" << 0 << 254.7 << false << 3269 << 107 << "1045,09"
                                  << "Sie haben 1045, Punkte erreicht!";
    QTest::newRow("130 Silben-B") << 130 << "3" << 1 << 1227.1 << true << 3669 << 108 << "52,0299"
                                  << "Sie haben 52,02 Punkte erreicht!";
}

void TestSilben::ganzerLauf()
{
    QFETCH(int, n);
    QFETCH(QString, block);
    QFETCH(int, falsch);
    QFETCH(double, sekunden);
    QFETCH(bool, maus);
    QFETCH(int, ergebnissatz);
    QFETCH(int, hochblock);
    QFETCH(QString, punkte);
    QFETCH(QString, meldung);
    Programmtabelle::global().leeren();
    registriereSprache(Programmtabelle::global());
    QStringList gezeigt;
    QList<float> stand;
    Form::setzeModalErsatz([&](Form* fenster) {
        gezeigt << fenster->objectName();
        auto* f = qobject_cast<Twis08*>(fenster);
        if (!f)
            return 0;
        f->show();
        QApplication::setActiveWindow(f);
        tippeBlock(*f, block);
        g_uhr.mono += sekunden;
        for (int k = 0; k < falsch; ++k) {
            waehleNummer(*f, 13, maus);
            waehleNummer(*f, 1, maus);
        }
        stand << f->punkte();
        for (int i = 1; i <= 12; ++i) {
            waehleNummer(*f, i, maus);
            waehleNummer(*f, i + 12, maus);
            stand << f->punkte();
        }
        return 0;
    });
    QVERIFY(aufruf(n, n % 2 ? Menueart::Knopfmenue : Menueart::Windowsmenue));
    // the rules window, the exercise, the message window
    QCOMPARE(gezeigt, (QStringList{QStringLiteral("regel"), QString::fromUtf8(silben::art(n).klasse),
                                   QStringLiteral("Form3")}));
    QCOMPARE(stand.size(), 13);
    QCOMPARE(stand.front(), 100.0f - 20 * falsch);
    QCOMPARE(stand.back(), 1300.0f - 20 * falsch);
    QCOMPARE(int(m_pausen.size()), 12 + falsch);
    QCOMPARE(m_pausen.front(), 500);
    QCOMPARE(::meldung, meldung);
    const QByteArray ergebnisse = m_ordner->lies(QStringLiteral("xbaserg9.dat"));
    QCOMPARE(kurz(ergebnisse, ergebnissatz * 21), QStringLiteral("07.03.2026   ") + punkte);
    const QByteArray hoch = m_ordner->lies(QStringLiteral("xbashigh.dat"));
    const int platz1 = hochblock * 15 * 63;
    QCOMPARE(kurz(hoch, platz1), QStringLiteral("Eva"));
    QCOMPARE(kurz(hoch, platz1 + 21), punkte);
}

void TestSilben::wahlen()
{
    Twis08& f = fenster(128);
    f.show();
    tippeBlock(f, QStringLiteral("1"));
    QVERIFY(f.laeuft());
    const auto w1 = zelleMit(f, 1), w13 = zelleMit(f, 13), w2 = zelleMit(f, 2);
    const QRgb schwarz = qRgb(0, 0, 0);
    QVERIFY(zaehle(f, w13.first, w13.second, schwarz) > 20);
    waehleNummer(f, 13, true);
    QVERIFY(zaehle(f, w13.first, w13.second, kRot) > 20);
    QCOMPARE(zaehle(f, w13.first, w13.second, schwarz), 0);
    // the first pick's own cell again: nothing
    waehleNummer(f, 13, true);
    QVERIFY(m_pausen.empty());
    QCOMPARE(f.punkte(), 100.0f);
    QVERIFY(zaehle(f, w13.first, w13.second, kRot) > 20);
    // second syllable first: a wrong pair, both black again
    waehleNummer(f, 1, true);
    QCOMPARE(m_pausen, std::vector<int>{500});
    QCOMPARE(f.punkte(), 80.0f);
    QCOMPARE(zaehle(f, w13.first, w13.second, kRot), 0);
    QCOMPARE(zaehle(f, w1.first, w1.second, kRot), 0);
    QVERIFY(zaehle(f, w1.first, w1.second, schwarz) > 20);
    QCOMPARE(f.runde().nummer(w1.first, w1.second), 1);
    // the right order: +100, both cells blue with white text
    waehleNummer(f, 1, true);
    waehleNummer(f, 13, true);
    QCOMPARE(f.punkte(), 180.0f);
    QCOMPARE(f.runde().geloest(), 1);
    for (const auto& c : {w1, w13}) {
        QCOMPARE(f.runde().nummer(c.first, c.second), 0);
        QVERIFY(zaehle(f, c.first, c.second, kBlau) > 1000);
        QVERIFY(zaehle(f, c.first, c.second, kWeiss) > 20);
    }
    // a blue cell changes nothing, with or without a first pick waiting
    waehle(f, w1.first, w1.second, true);
    QCOMPARE(f.punkte(), 180.0f);
    waehleNummer(f, 2, true);
    waehle(f, w13.first, w13.second, true);
    QCOMPARE(f.punkte(), 180.0f);
    QCOMPARE(int(m_pausen.size()), 2);
    QVERIFY(zaehle(f, w2.first, w2.second, kRot) > 20);
    QCOMPARE(zaehle(f, w13.first, w13.second, kRot), 0);
    waehleNummer(f, 14, true);
    QCOMPARE(f.punkte(), 280.0f);
    QCOMPARE(f.runde().geloest(), 2);
    f.close();
}

void TestSilben::grossUndKlein()
{
    // "Bon#bon": the syllables the wrong way round build "bonBon", which equals
    // "Bonbon" but for the case of B
    Twis08& f = fenster(130);
    f.show();
    tippeBlock(f, QStringLiteral("8"));
    waehleNummer(f, 13, true);
    waehleNummer(f, 1, true);
    QCOMPARE(f.punkte(), 200.0f);
    QCOMPARE(f.runde().geloest(), 1);
    QCOMPARE(f.runde().woerter()[0], QString());
    f.close();
}

void TestSilben::linienUndRand_data()
{
    // x = kx x cell width + dx, y = ky x cell height + dy
    QTest::addColumn<int>("kx");
    QTest::addColumn<int>("dx");
    QTest::addColumn<int>("ky");
    QTest::addColumn<int>("dy");
    QTest::addColumn<int>("spalte");  // -1: no cell
    QTest::addColumn<int>("zeile");
    QTest::newRow("linker Rand") << 0 << 0 << 2 << 20 << -1 << -1;
    QTest::newRow("oberer Rand") << 1 << 20 << 0 << 0 << -1 << -1;
    QTest::newRow("senkrechte Linie") << 1 << 0 << 2 << 20 << -1 << -1;
    QTest::newRow("waagrechte Linie") << 2 << 20 << 3 << 0 << -1 << -1;
    QTest::newRow("rechte Linie") << 4 << 0 << 2 << 20 << -1 << -1;
    QTest::newRow("untere Linie") << 2 << 20 << 6 << 0 << -1 << -1;
    QTest::newRow("ein Pixel neben der Linie") << 1 << 1 << 3 << 1 << 1 << 3;
    QTest::newRow("ein Pixel vor der Linie") << 4 << -1 << 6 << -1 << 3 << 5;
}

void TestSilben::linienUndRand()
{
    QFETCH(int, kx);
    QFETCH(int, dx);
    QFETCH(int, ky);
    QFETCH(int, dy);
    QFETCH(int, spalte);
    QFETCH(int, zeile);
    Twis08& f = fenster(129);
    f.show();
    tippeBlock(f, QStringLiteral("2"));
    const QPoint p(kx * f.zellbreite() + dx, ky * f.zellhoehe() + dy);
    QVERIFY(f.pb->rect().contains(p));
    QTest::mouseClick(f.pb, Qt::LeftButton, Qt::NoModifier, p);
    int gewaehlt = 0;
    for (int s = 0; s < 4; ++s)
        for (int z = 0; z < 6; ++z)
            if (f.runde().zustand(s, z) == silben::Zustand::Gewaehlt) {
                ++gewaehlt;
                QCOMPARE(s, spalte);
                QCOMPARE(z, zeile);
            }
    QCOMPARE(gewaehlt, spalte < 0 ? 0 : 1);
    f.close();
}

void TestSilben::mausDannEnter()
{
    Twis08& f = fenster(129);
    f.show();
    tippeBlock(f, QStringLiteral("6"));
    waehleNummer(f, 7, true);
    // the keyboard completes the mouse's first pick; the click did not move the cursor
    waehleNummer(f, 19, false);
    QCOMPARE(m_pausen, std::vector<int>{500});
    QCOMPARE(f.punkte(), 200.0f);
    QCOMPARE(f.runde().woerter()[6], QString());
    f.close();
}

void TestSilben::pauseSperrt()
{
    Twis08& f = fenster(128);
    f.show();
    tippeBlock(f, QStringLiteral("5"));
    const auto w2 = zelleMit(f, 2), w14 = zelleMit(f, 14);
    const int cx = f.cursorSpalte(), cy = f.cursorZeile();
    setzeWartenErsatz([&](int) {
        // a pick of another pair and grid keys during the pause
        QTest::mouseClick(f.pb, Qt::LeftButton, Qt::NoModifier, mitte(f, w2.first, w2.second));
        QTest::mouseClick(f.pb, Qt::LeftButton, Qt::NoModifier, mitte(f, w14.first, w14.second));
        QTest::keyClick(&f, Qt::Key_Right);
        QTest::keyClick(&f, Qt::Key_Down);
        QTest::keyClick(&f, Qt::Key_Return);
    });
    waehleNummer(f, 1, true);
    waehleNummer(f, 13, true);
    setzeWartenErsatz([this](int ms) { m_pausen.push_back(ms); });
    QCOMPARE(f.punkte(), 200.0f);
    QCOMPARE(f.runde().geloest(), 1);
    QCOMPARE(f.runde().zustand(w2.first, w2.second), silben::Zustand::Frei);
    QCOMPARE(f.runde().zustand(w14.first, w14.second), silben::Zustand::Frei);
    QCOMPARE(f.cursorSpalte(), cx);
    QCOMPARE(f.cursorZeile(), cy);
    // afterwards the keys move the cursor again
    QTest::keyClick(&f, Qt::Key_Right);
    QCOMPARE(f.cursorSpalte(), (cx + 1) % 4);
    f.close();
}

void TestSilben::escInPause()
{
    Twis08& f = fenster(130);
    const QByteArray ergebnisse = m_ordner->lies(QStringLiteral("xbaserg9.dat"));
    const QByteArray hoch = m_ordner->lies(QStringLiteral("xbashigh.dat"));
    ::meldung = QStringLiteral("vorher");
    f.show();
    tippeBlock(f, QStringLiteral("1"));
    for (int i = 1; i <= 11; ++i) {
        waehleNummer(f, i, true);
        waehleNummer(f, i + 12, true);
    }
    const auto w12 = zelleMit(f, 12);
    setzeWartenErsatz([&](int) { QTest::keyClick(&f, Qt::Key_Escape); });
    waehleNummer(f, 12, true);
    waehleNummer(f, 24, true);
    QVERIFY(!f.isVisible());
    QVERIFY(!f.laeuft());
    // the last word was not judged: no points, no blue, nothing recorded
    QCOMPARE(f.punkte(), 1200.0f);
    QCOMPARE(f.runde().geloest(), 11);
    QCOMPARE(f.runde().nummer(w12.first, w12.second), 12);
    QCOMPARE(::meldung, QStringLiteral("vorher"));
    QCOMPARE(m_ordner->lies(QStringLiteral("xbaserg9.dat")), ergebnisse);
    QCOMPARE(m_ordner->lies(QStringLiteral("xbashigh.dat")), hoch);
}

void TestSilben::escBeiBlockwahl()
{
    Twis08& f = fenster(128);
    f.show();
    QApplication::setActiveWindow(&f);
    QVERIFY(f.wahl->isVisible() && f.Memo1->isVisible());
    QTest::keyClick(f.wahl, Qt::Key_Escape);
    QVERIFY(!f.isVisible());
}

void TestSilben::falscheEingabe_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("feld");  // the field before Enter
    QTest::addColumn<bool>("meldung");  // "ungültige Eingabe!"
    QTest::addColumn<int>("block");     // 0: no run
    QTest::newRow("0") << "0" << "0" << true << 0;
    QTest::newRow("11") << "11" << "11" << true << 0;
    QTest::newRow("10") << "10" << "10" << false << 10;
    QTest::newRow("ohne Längengrenze") << "007" << "007" << false << 7;
    QTest::newRow("Buchstaben fallen weg") << "a-b" << "" << false << 0;
}

void TestSilben::falscheEingabe()
{
    QFETCH(QString, text);
    QFETCH(QString, feld);
    QFETCH(bool, meldung);
    QFETCH(int, block);
    dialog::Skript skript;
    Twis08& f = fenster(129);
    f.show();
    QApplication::setActiveWindow(&f);
    tippe(f.wahl, text);
    QCOMPARE(f.wahl->text(), feld);
    QTest::keyClick(f.wahl, Qt::Key_Return);
    QCOMPARE(skript.texte, meldung ? QStringList{QStringLiteral("ungültige Eingabe!")} : QStringList{});
    QCOMPARE(f.laeuft(), block > 0);
    if (block > 0)
        QCOMPARE(f.block(), block);
    QCOMPARE(f.Memo1->isVisible(), block == 0);
    if (meldung) {
        QCOMPARE(f.wahl->text(), QString());
        QCOMPARE(QApplication::focusWidget(), f.wahl);
    }
    f.close();
}

void TestSilben::ausserhalbDesLaufs()
{
    Twis08& f = fenster(128);
    f.show();
    tippeBlock(f, QStringLiteral("9"));
    waehleNummer(f, 1, true);
    waehleNummer(f, 13, true);
    waehleNummer(f, 2, true);
    const auto w2 = zelleMit(f, 2), w14 = zelleMit(f, 14), blau = zelleMit(f, 0);
    QTest::keyClick(&f, Qt::Key_Escape);
    QVERIFY(!f.isVisible());
    // shown again: the old grid is in view behind the block choice, picks do nothing
    f.show();
    QApplication::setActiveWindow(&f);
    QVERIFY(f.Memo1->isVisible() && f.pb->isVisible());
    QVERIFY(zaehle(f, w2.first, w2.second, kRot) > 20);
    QVERIFY(zaehle(f, blau.first, blau.second, kBlau) > 1000);
    QTest::mouseClick(f.pb, Qt::LeftButton, Qt::NoModifier, mitte(f, w14.first, w14.second));
    QTest::keyClick(&f, Qt::Key_Return);
    QCOMPARE(int(m_pausen.size()), 1);
    QCOMPARE(f.runde().zustand(w14.first, w14.second), silben::Zustand::Frei);
    QCOMPARE(f.runde().geloest(), 1);
    // a new run starts afresh
    tippeBlock(f, QStringLiteral("9"));
    QCOMPARE(f.punkte(), 100.0f);
    QCOMPARE(f.runde().geloest(), 0);
    QCOMPARE(zaehle(f, w2.first, w2.second, kRot), 0);
    f.close();
}

int main(int argc, char** argv)
{
    Anwendung app(argc, argv);
    TestSilben t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_silben.moc"
