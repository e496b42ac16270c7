// MiniMemo I and II, Memory I and II: the strict hit test of each geometry, the
// turn rules by mouse and Enter, the one-second display and what it ignores, the
// scoring, the word draw and a bad word list, and a run of each window from the
// dispatcher to the stored result. The pause goes through the warten seam.
#include "common/satzdatei.h"
#include "common/textformat.h"
#include "common/zustand.h"
#include "exercises/memory/register.h"
#include "exercises/memory/uged11.h"
#include "platform/anwendung.h"
#include "platform/dialoge.h"
#include "platform/farben.h"
#include "platform/leinwand.h"
#include "platform/warten.h"
#include "shell/aufruf.h"
#include "shell/ergebnisse.h"
#include "shell/programmtabelle.h"
#include "tests/support/testumgebung.h"
#include "tests/support/uebungsumgebung.h"

#include <QFile>
#include <QPushButton>
#include <QSet>
#include <QTest>
#include <optional>

namespace {

Testuhr g_uhr;

const Paarart& art(int n)
{
    for (const Paarart& a : Tged11::mitglieder())
        if (a.programm == n)
            return a;
    qFatal("no member %d", n);
    return Tged11::mitglieder().front();
}

void spaeter(double s)
{
    g_uhr.mono += s;
    g_uhr.zeit += s / 86400.0;
}

// The newest result of a user for a program, as stored.
QString letztesErgebnis(int programm, int nutzerNr)
{
    Satzdatei d(ergebnis::dateiname(programm / 12 - 1), ergebnis::kSatzgroesse);
    d.positioniere(ergebnis::satznummer(programm % 12, nutzerNr, 9));
    return d.liesText();
}

QPoint mitte(const Tged11& f, QPoint z) { return f.raster().zelle(z).center(); }

void taste(QWidget* f, Qt::Key k)
{
    QWidget* ziel = QApplication::focusWidget();
    QTest::keyClick(ziel && ziel->window() == f ? ziel : f, k);
}

// Steps: "m12" a press in the middle of cell (1, 2), "l" a press on the first
// vertical line, "e" Enter, "L" "R" "U" "D" the arrows, "x" Esc.
void schritt(Tged11& f, const QString& s)
{
    switch (s[0].unicode()) {
    case 'm':
        QTest::mouseClick(f.pb, Qt::LeftButton, {}, mitte(f, QPoint(s[1].digitValue(), s[2].digitValue())));
        break;
    case 'l': QTest::mouseClick(f.pb, Qt::LeftButton, {}, QPoint(f.raster().cw(), 5)); break;
    case 'e': taste(&f, Qt::Key_Return); break;
    case 'L': taste(&f, Qt::Key_Left); break;
    case 'R': taste(&f, Qt::Key_Right); break;
    case 'U': taste(&f, Qt::Key_Up); break;
    case 'D': taste(&f, Qt::Key_Down); break;
    case 'x': taste(&f, Qt::Key_Escape); break;
    }
}

void schritte(Tged11& f, const QString& folge)
{
    for (const QString& s : folge.split(QLatin1Char(' '), Qt::SkipEmptyParts))
        schritt(f, s);
}

// Pixels of the cell's inside that differ from the button face; its lines and
// the outline of the grid left of and above the last cell's lines are left out.
int tinte(const Tged11& f, QPoint z)
{
    const QImage bild = f.pb->bild();
    const QRect r = f.raster().zelle(z).adjusted(1, 1, -2, -2);
    int n = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            n += bild.pixelColor(x, y) != farbe::buttonFace();
    return n;
}

// The row-by-row cell i of the member's grid: with random numbers all 0 the
// fill puts value v into cells 2v - 2 and 2v - 1.
QPoint feld(const Paarart& a, int i) { return {i % a.spalten, i / a.spalten}; }

// Shows the window with that outer size, caption bar and border included.
void zeigeAussen(Tged11& f, QSize aussen)
{
    f.show();
    const QSize rand = f.frameGeometry().size() - f.size();
    f.hide();
    f.resize(aussen - rand);
    f.show();
}

QByteArray wortliste577(const QString& wort, int saetze = 577)
{
    QByteArray b;
    for (int i = 0; i < saetze; ++i)
        b += kurztext::satz(wort, 20);
    return b;
}

}

class TestPaarmemory : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase() { m_ordner.reset(); }
    void init();
    void cleanup();
    void treffer_data();
    void treffer();
    void spielregeln_data();
    void spielregeln();
    void fuellen_data();
    void fuellen();
    void zuege_data();
    void zuege();
    void gesichter_data();
    void gesichter();
    void schliessenInLetzterPause_data();
    void schliessenInLetzterPause();
    void vorStart_data();
    void vorStart();
    void woerter_data();
    void woerter();
    void schlechteWortliste_data();
    void schlechteWortliste();
    void ganzerLauf_data();
    void ganzerLauf();

private:
    std::unique_ptr<Arbeitsordner> m_ordner;
    QByteArray m_begriffe;
    std::optional<Uebungsumgebung> m_umgebung;
};

// One working folder for all: each program stores its results in its own records.
void TestPaarmemory::initTestCase()
{
    m_ordner = std::make_unique<Arbeitsordner>();
    m_begriffe = m_ordner->lies(QStringLiteral("begriffe.dat"));
}

void TestPaarmemory::init()
{
    m_umgebung.emplace(g_uhr, 7, QStringLiteral("Eva"));
    zufall::setzeFolge([] { return 0.0; });
    setzeWartenErsatz([](int) {});
}

void TestPaarmemory::cleanup()
{
    setzeWartenErsatz(nullptr);
    m_umgebung.reset();
    m_ordner->schreibe(QStringLiteral("begriffe.dat"), m_begriffe);
}

void TestPaarmemory::treffer_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<QSize>("fenster");
    QTest::addColumn<QSize>("zelle");  // cw x rh
    QTest::addColumn<QPoint>("punkt");
    QTest::addColumn<QPoint>("erwartet");  // (-1, -1): no cell
    const QPoint keine(-1, -1);
    // 1400 x 1003: image 1002 x 752, two pixels right of and below the cells
    QTest::newRow("MiniMemo I inside the first") << 85 << QSize(1400, 1003) << QSize(250, 250) << QPoint(1, 1) << QPoint(0, 0);
    QTest::newRow("MiniMemo I left border") << 85 << QSize(1400, 1003) << QSize(250, 250) << QPoint(0, 100) << keine;
    QTest::newRow("MiniMemo I vertical line") << 85 << QSize(1400, 1003) << QSize(250, 250) << QPoint(250, 100) << keine;
    QTest::newRow("MiniMemo I last line") << 85 << QSize(1400, 1003) << QSize(250, 250) << QPoint(1000, 100) << keine;
    QTest::newRow("MiniMemo I strip right") << 85 << QSize(1400, 1003) << QSize(250, 250) << QPoint(1001, 100) << keine;
    QTest::newRow("MiniMemo I strip below") << 85 << QSize(1400, 1003) << QSize(250, 250) << QPoint(100, 751) << keine;
    QTest::newRow("MiniMemo I last cell") << 85 << QSize(1400, 1003) << QSize(250, 250) << QPoint(999, 749) << QPoint(3, 2);
    // image 1260 x 601: one pixel below the cells
    QTest::newRow("MiniMemo II top border") << 86 << QSize(1400, 1003) << QSize(420, 150) << QPoint(100, 0) << keine;
    QTest::newRow("MiniMemo II horizontal line") << 86 << QSize(1400, 1003) << QSize(420, 150) << QPoint(100, 150) << keine;
    QTest::newRow("MiniMemo II strip below") << 86 << QSize(1400, 1003) << QSize(420, 150) << QPoint(100, 600) << keine;
    QTest::newRow("MiniMemo II inside") << 86 << QSize(1400, 1003) << QSize(420, 150) << QPoint(841, 451) << QPoint(2, 3);
    // image 1080 x 810: two pixels below the cells
    QTest::newRow("Memory I strip below") << 93 << QSize(1920, 1080) << QSize(180, 202) << QPoint(100, 809) << keine;
    QTest::newRow("Memory I bottom line") << 93 << QSize(1920, 1080) << QSize(180, 202) << QPoint(100, 808) << keine;
    QTest::newRow("Memory I line between") << 93 << QSize(1920, 1080) << QSize(180, 202) << QPoint(900, 300) << keine;
    QTest::newRow("Memory I inside") << 93 << QSize(1920, 1080) << QSize(180, 202) << QPoint(1079, 807) << QPoint(5, 3);
    // image 1260 x 651: three pixels below the cells
    QTest::newRow("Memory II left border") << 94 << QSize(1400, 1003) << QSize(315, 108) << QPoint(0, 50) << keine;
    QTest::newRow("Memory II strip below") << 94 << QSize(1400, 1003) << QSize(315, 108) << QPoint(100, 649) << keine;
    QTest::newRow("Memory II line") << 94 << QSize(1400, 1003) << QSize(315, 108) << QPoint(100, 108) << keine;
    QTest::newRow("Memory II inside") << 94 << QSize(1400, 1003) << QSize(315, 108) << QPoint(1259, 647) << QPoint(3, 5);
}

// A press turns the card of the cell it hits, for 5 points; off the cells it
// turns nothing and costs nothing.
void TestPaarmemory::treffer()
{
    QFETCH(int, n);
    QFETCH(QSize, fenster);
    QFETCH(QSize, zelle);
    QFETCH(QPoint, punkt);
    QFETCH(QPoint, erwartet);
    Tged11 f(art(n));
    zeigeAussen(f, fenster);
    QTest::mouseClick(f.start, Qt::LeftButton);
    QCOMPARE(QSize(f.raster().cw(), f.raster().ch()), zelle);
    QTest::mouseClick(f.pb, Qt::LeftButton, {}, punkt);
    const bool getroffen = erwartet != QPoint(-1, -1);
    QCOMPARE(f.spiel().umgedreht(), int(getroffen));
    QCOMPARE(f.spiel().punkte(), getroffen ? 95.0f : 100.0f);
    if (getroffen)
        QCOMPARE(f.spiel().erste(), erwartet);
    f.close();
}

void TestPaarmemory::spielregeln_data()
{
    QTest::addColumn<QSize>("gitter");
    QTest::addColumn<int>("paare");
    QTest::addColumn<QString>("karten");  // row-by-row cell numbers, two a turn
    QTest::addColumn<float>("punkte");
    QTest::addColumn<int>("gefunden");
    QTest::addColumn<bool>("fertig");
    // random numbers 0: cells 0 and 1 hold 1, 2 and 3 hold 2, ...
    QTest::newRow("perfect MiniMemo I: 100 - 12 x 5 + 6 x 200")
        << QSize(4, 3) << 6 << "0 1 2 3 4 5 6 7 8 9 10 11" << 1240.0f << 6 << true;
    QTest::newRow("perfect Memory I") << QSize(6, 4) << 12
        << "0 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18 19 20 21 22 23" << 2380.0f << 12 << true;
    QTest::newRow("a different pair costs 10") << QSize(4, 3) << 6 << "0 2" << 90.0f << 0 << false;
    QTest::newRow("a pair in reverse order") << QSize(3, 4) << 6 << "1 0" << 290.0f << 1 << false;
    QTest::newRow("a taken card again costs nothing") << QSize(4, 3) << 6 << "0 1 0 1" << 290.0f << 1 << false;
    QTest::newRow("the first card twice counts once") << QSize(4, 3) << 6 << "0 0 1" << 290.0f << 1 << false;
    QTest::newRow("off the board") << QSize(4, 3) << 6 << "12 -1" << 100.0f << 0 << false;
}

void TestPaarmemory::spielregeln()
{
    QFETCH(QSize, gitter);
    QFETCH(int, paare);
    QFETCH(QString, karten);
    QFETCH(float, punkte);
    QFETCH(int, gefunden);
    QFETCH(bool, fertig);
    Paarspiel s(gitter.width(), gitter.height(), paare);
    s.neuesSpiel();
    QCOMPARE(s.punkte(), 100.0f);
    for (const QString& k : karten.split(QLatin1Char(' '))) {
        const int i = k.toInt();
        const QPoint z = i < 0 ? QPoint(-1, 0) : QPoint(i % gitter.width(), i / gitter.width());
        if (s.drehe(z) == Paarspiel::Zug::Zweite)
            s.vergleiche();
    }
    QCOMPARE(s.punkte(), punkte);
    QCOMPARE(s.gefunden(), gefunden);
    QCOMPARE(s.fertig(), fertig);
}

void TestPaarmemory::fuellen_data()
{
    QTest::addColumn<QSize>("gitter");
    QTest::addColumn<int>("paare");
    QTest::addColumn<unsigned>("saat");
    QTest::newRow("4 x 3") << QSize(4, 3) << 6 << 1u;
    QTest::newRow("3 x 4") << QSize(3, 4) << 6 << 2u;
    QTest::newRow("6 x 4") << QSize(6, 4) << 12 << 3u;
    QTest::newRow("4 x 6") << QSize(4, 6) << 12 << 4u;
    // the last cells drawn: 0.99... picks the last empty one, never past it
    QTest::newRow("4 x 6, random near 1") << QSize(4, 6) << 12 << 0u;
}

// Every value in exactly two cells, every cell filled.
void TestPaarmemory::fuellen()
{
    QFETCH(QSize, gitter);
    QFETCH(int, paare);
    QFETCH(unsigned, saat);
    if (saat == 0)
        zufall::setzeFolge([] { return 0.9999999; });
    else
        mitSaat(saat);
    Paarspiel s(gitter.width(), gitter.height(), paare);
    for (int spiel = 0; spiel < 20; ++spiel) {
        s.neuesSpiel();
        QList<int> anzahl(paare + 1, 0);
        for (int r = 0; r < gitter.height(); ++r)
            for (int c = 0; c < gitter.width(); ++c) {
                const int v = s.wert(QPoint(c, r));
                QVERIFY(v >= 1 && v <= paare);
                ++anzahl[v];
            }
        QCOMPARE(anzahl.count(2), paare);
    }
}

void TestPaarmemory::zuege_data()
{
    QTest::addColumn<QString>("ablauf");
    QTest::addColumn<QString>("inPause");  // the steps in every one-second display
    QTest::addColumn<int>("pausen");
    QTest::addColumn<float>("punkte");
    QTest::addColumn<int>("gefunden");
    QTest::addColumn<int>("umgedreht");
    QTest::addColumn<QPoint>("cursor");
    // MiniMemo I with random numbers 0: rows 1 1 2 2 / 3 3 4 4 / 5 5 6 6
    QTest::newRow("mouse, then Enter completes the pair") << "m00 R e" << "" << 1 << 290.0f << 1 << 0 << QPoint(1, 0);
    QTest::newRow("Enter, then the mouse completes the pair") << "e m10" << "" << 1 << 290.0f << 1 << 0 << QPoint(0, 0);
    QTest::newRow("the face-up first card again") << "m00 m00 e" << "" << 0 << 95.0f << 0 << 1 << QPoint(0, 0);
    QTest::newRow("a green cell") << "m00 m10 m00 R e" << "" << 1 << 290.0f << 1 << 0 << QPoint(1, 0);
    QTest::newRow("a grid line") << "m00 l" << "" << 0 << 95.0f << 0 << 1 << QPoint(0, 0);
    QTest::newRow("a different pair") << "m00 m20" << "" << 1 << 90.0f << 0 << 0 << QPoint(0, 0);
    QTest::newRow("press and Enter in the display do nothing") << "m00 m20" << "m30 e m10" << 1 << 90.0f << 0 << 0 << QPoint(0, 0);
    QTest::newRow("arrows in a mouse turn's display move") << "m00 m20" << "R D" << 1 << 90.0f << 0 << 0 << QPoint(1, 1);
    QTest::newRow("arrows in a keyboard turn's display do not") << "m00 R R e" << "R D" << 1 << 90.0f << 0 << 0 << QPoint(2, 0);
    QTest::newRow("arrows wrap") << "L U" << "" << 0 << 100.0f << 0 << 0 << QPoint(3, 2);
}

void TestPaarmemory::zuege()
{
    QFETCH(QString, ablauf);
    QFETCH(QString, inPause);
    QFETCH(int, pausen);
    QFETCH(float, punkte);
    QFETCH(int, gefunden);
    QFETCH(int, umgedreht);
    QFETCH(QPoint, cursor);
    Tged11 f(art(85));
    f.resize(1920, 1080);
    f.show();
    QTest::mouseClick(f.start, Qt::LeftButton);
    int gewartet = 0;
    setzeWartenErsatz([&](int ms) {
        QCOMPARE(ms, 1000);
        ++gewartet;
        QCOMPARE(f.spiel().umgedreht(), 2);
        schritte(f, inPause);
    });
    schritte(f, ablauf);
    QCOMPARE(gewartet, pausen);
    QCOMPARE(f.spiel().punkte(), punkte);
    QCOMPARE(f.spiel().gefunden(), gefunden);
    QCOMPARE(f.spiel().umgedreht(), umgedreht);
    QCOMPARE(f.cursor(), cursor);
    QVERIFY(f.laeuft());
    // the cursor's frame is drawn where the cursor is
    const QRect r = f.raster().cursorrahmen(cursor);
    QCOMPARE(f.pb->bild().pixelColor(r.left(), (r.top() + r.bottom()) / 2), farbe::schwarz);
    QCOMPARE(f.pb->bild().pixelColor((r.left() + r.right()) / 2, r.bottom() - 1), farbe::schwarz);
    f.close();
}

void TestPaarmemory::gesichter_data()
{
    QTest::addColumn<int>("n");
    QTest::newRow("MiniMemo I") << 85;
    QTest::newRow("MiniMemo II") << 86;
    QTest::newRow("Memory I") << 93;
    QTest::newRow("Memory II") << 94;
}

// Two different cards show their faces during the display and vanish after it
// without a trace; a pair turns its cells green, lines included.
void TestPaarmemory::gesichter()
{
    QFETCH(int, n);
    const Paarart& a = art(n);
    Tged11 f(a);
    f.resize(1920, 1080);
    f.show();
    QTest::mouseClick(f.start, Qt::LeftButton);
    const QPoint eins = feld(a, 1), zwei = feld(a, 2);  // values 1 and 2
    QCOMPARE(tinte(f, eins), 0);
    int inPause = 0;
    setzeWartenErsatz([&](int) { inPause = std::min(tinte(f, eins), tinte(f, zwei)); });
    QTest::mouseClick(f.pb, Qt::LeftButton, {}, mitte(f, eins));
    QTest::mouseClick(f.pb, Qt::LeftButton, {}, mitte(f, zwei));
    QVERIFY2(inPause > 50, qPrintable(QString::number(inPause)));
    QCOMPARE(tinte(f, eins), 0);
    QCOMPARE(tinte(f, zwei), 0);
    // the pair of cells 0 and 1: green over the lines around them
    QTest::mouseClick(f.pb, Qt::LeftButton, {}, mitte(f, feld(a, 0)));
    QTest::mouseClick(f.pb, Qt::LeftButton, {}, mitte(f, eins));
    const QImage bild = f.pb->bild();
    const QRect r = f.raster().zelle(eins);
    QCOMPARE(bild.pixelColor(r.center()), farbe::gruen);
    QCOMPARE(bild.pixelColor(r.left() + 1, r.top() + 1), farbe::gruen);
    QCOMPARE(bild.pixelColor(r.right(), r.center().y()), farbe::schwarz);
    QCOMPARE(bild.pixelColor(r.right() + 1, r.center().y()), farbe::buttonFace());
    f.close();
}

void TestPaarmemory::schliessenInLetzterPause_data()
{
    QTest::addColumn<bool>("esc");  // else the close box
    QTest::newRow("Esc") << true;
    QTest::newRow("close box") << false;
}

// Closing during the display of the last pair ends the run without a result;
// the next Start is a fresh game.
void TestPaarmemory::schliessenInLetzterPause()
{
    QFETCH(bool, esc);
    const QByteArray vorher = m_ordner->lies(QStringLiteral("xbaserg6.dat"));
    Tged11 f(art(85));
    f.resize(1920, 1080);
    f.show();
    QTest::mouseClick(f.start, Qt::LeftButton);
    schritte(f, QStringLiteral("m00 m10 m20 m30 m01 m11 m21 m31 m02 m12 m22"));
    QCOMPARE(f.spiel().gefunden(), 5);
    setzeWartenErsatz([&](int) {
        if (esc)
            taste(&f, Qt::Key_Escape);
        else
            f.close();
    });
    schritt(f, QStringLiteral("m32"));
    QVERIFY(!f.isVisible());
    QVERIFY(!f.laeuft());
    QCOMPARE(f.spiel().gefunden(), 5);
    QVERIFY(::meldung.isEmpty());
    QCOMPARE(m_ordner->lies(QStringLiteral("xbaserg6.dat")), vorher);
    setzeWartenErsatz([](int) {});
    f.show();
    QTest::mouseClick(f.start, Qt::LeftButton);
    QCOMPARE(f.spiel().gefunden(), 0);
    QCOMPARE(f.spiel().umgedreht(), 0);
    QCOMPARE(f.spiel().punkte(), 100.0f);
    f.close();
}

void TestPaarmemory::vorStart_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<QPoint>("cursorBeiStart");
    QTest::newRow("MiniMemo I: the cursor back to the first cell") << 85 << QPoint(0, 0);
    QTest::newRow("Memory II: the cursor kept") << 94 << QPoint(1, 1);
}

// Before Start the arrows and Enter leave the hidden board of the last game alone.
void TestPaarmemory::vorStart()
{
    QFETCH(int, n);
    QFETCH(QPoint, cursorBeiStart);
    Tged11 f(art(n));
    f.resize(1920, 1080);
    f.show();
    QTest::mouseClick(f.start, Qt::LeftButton);
    schritte(f, QStringLiteral("R D m00 m10 e x"));
    QVERIFY(!f.isVisible());
    QCOMPARE(f.spiel().gefunden(), 1);
    f.show();
    QVERIFY(!f.pb->isVisible());
    QVERIFY(f.start->isVisible());
    schritte(f, QStringLiteral("L U e D"));
    QCOMPARE(f.cursor(), cursorBeiStart);
    QCOMPARE(f.spiel().umgedreht(), 1);
    QCOMPARE(f.spiel().punkte(), 285.0f);
    QTest::mouseClick(f.start, Qt::LeftButton);
    QCOMPARE(f.cursor(), cursorBeiStart);
    QCOMPARE(f.spiel().umgedreht(), 0);
    f.close();
}

void TestPaarmemory::woerter_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<unsigned>("saat");
    QTest::newRow("MiniMemo II") << 86 << 11u;
    QTest::newRow("Memory II") << 94 << 12u;
    QTest::newRow("Memory II, another draw") << 94 << 13u;
}

// Twelve distinct words of at most 7 letters from the built word list, read again
// at every Start.
void TestPaarmemory::woerter()
{
    QFETCH(int, n);
    QFETCH(unsigned, saat);
    mitSaat(saat);
    Tged11 f(art(n));
    f.resize(1920, 1080);
    for (int lauf = 0; lauf < 3; ++lauf) {
        f.show();
        QTest::mouseClick(f.start, Qt::LeftButton);
        const std::vector<TBegriff>& w = f.woerter();
        QCOMPARE(int(w.size()), 12);
        QSet<QString> verschieden;
        for (const TBegriff& b : w) {
            QVERIFY(!b.isEmpty());
            QVERIFY2(b.size() <= 7, qPrintable(b));
            verschieden.insert(b);
        }
        QCOMPARE(verschieden.size(), 12);
        f.close();
    }
}

void TestPaarmemory::schlechteWortliste_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<int>("saetze");  // -1: no file
    QTest::addColumn<QString>("wort");
    QTest::addColumn<QString>("meldung");
    QTest::newRow("missing") << 86 << -1 << "" << "Datei nicht gefunden";
    QTest::newRow("short") << 94 << 576 << "Haus" << "Versuch hinter dem Dateiende zu lesen";
    QTest::newRow("no short words") << 94 << 577 << "Langeswort"
        << "Die Wortliste \"begriffe.dat\" enthält zu wenige passende Wörter für diese Übung.";
}

// The message at Start, and the window stays as it was: Start shown, no board,
// presses and keys do nothing.
void TestPaarmemory::schlechteWortliste()
{
    QFETCH(int, n);
    QFETCH(int, saetze);
    QFETCH(QString, wort);
    QFETCH(QString, meldung);
    if (saetze < 0)
        QFile::remove(m_ordner->pfad(QStringLiteral("begriffe.dat")));
    else
        m_ordner->schreibe(QStringLiteral("begriffe.dat"), wortliste577(wort, saetze));
    dialog::Skript skript;
    Tged11 f(art(n));
    f.resize(1920, 1080);
    f.show();
    QTest::mouseClick(f.start, Qt::LeftButton);
    QCOMPARE(skript.texte, QStringList{meldung});
    QVERIFY(!f.laeuft());
    QVERIFY(f.start->isVisible());
    QVERIFY(!f.pb->isVisible());
    // Enter would press the focused Start again
    schritte(f, QStringLiteral("R D"));
    QTest::mouseClick(&f, Qt::LeftButton, {}, f.pb->geometry().center());
    QCOMPARE(f.spiel().umgedreht(), 0);
    QCOMPARE(f.cursor(), QPoint(0, 0));
    QCOMPARE(skript.texte.size(), 1);
    QVERIFY(f.isVisible());
    f.close();
}

void TestPaarmemory::ganzerLauf_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<QString>("fenster");  // class and caption
    QTest::addColumn<QString>("ergebnis");
    QTest::addColumn<QString>("meldung");
    // 100 - 2 x 5 for a different pair - 2P x 5 + P x 200 - 12.5 s
    QTest::newRow("MiniMemo I") << 85 << "Tged11|MiniMemo I" << "07.03.2026   1217,5" << "Sie haben 1217 Punkte erreicht!";
    QTest::newRow("MiniMemo II") << 86 << "Tged12|MiniMemo II" << "07.03.2026   1217,5" << "Sie haben 1217 Punkte erreicht!";
    QTest::newRow("Memory I") << 93 << "Tged09|Memory I" << "07.03.2026   2357,5" << "Sie haben 2357 Punkte erreicht!";
    QTest::newRow("Memory II") << 94 << "Tged10|Memory II" << "07.03.2026   2357,5" << "Sie haben 2357 Punkte erreicht!";
}

// From the menu through the rules window: a different pair, then every pair,
// the first card by the mouse, the second by the cursor and Enter.
void TestPaarmemory::ganzerLauf()
{
    QFETCH(int, n);
    QFETCH(QString, fenster);
    QFETCH(QString, ergebnis);
    QFETCH(QString, meldung);
    Programmtabelle::global().leeren();
    registriereGedaechtnis(Programmtabelle::global());
    QStringList gezeigt;
    int paare = 0;
    Form::setzeModalErsatz([&](Form* fenster) {
        gezeigt << fenster->objectName() + QLatin1Char('|') + fenster->windowTitle();
        auto* f = qobject_cast<Tged11*>(fenster);
        if (!f)
            return 0;
        f->resize(1920, 1080);
        f->show();
        QApplication::setActiveWindow(f);
        QTest::mouseClick(f->start, Qt::LeftButton);
        const Paarart& a = f->art();
        QTest::mouseClick(f->pb, Qt::LeftButton, {}, mitte(*f, feld(a, 0)));
        QTest::mouseClick(f->pb, Qt::LeftButton, {}, mitte(*f, feld(a, 2)));
        spaeter(12.5);
        for (int v = 1; v <= a.paare && f->isVisible(); ++v) {
            QTest::mouseClick(f->pb, Qt::LeftButton, {}, mitte(*f, feld(a, 2 * v - 2)));
            const QPoint ziel = feld(a, 2 * v - 1);
            while (f->cursor().x() != ziel.x())
                taste(f, Qt::Key_Right);
            while (f->cursor().y() != ziel.y())
                taste(f, Qt::Key_Down);
            taste(f, Qt::Key_Return);
            ++paare;
        }
        return 0;
    });
    QVERIFY(aufruf(n, n % 2 ? Menueart::Knopfmenue : Menueart::Windowsmenue));
    QCOMPARE(gezeigt.size(), 3);
    QCOMPARE(gezeigt[0].section(QLatin1Char('|'), 0, 0), QStringLiteral("regel"));
    QCOMPARE(gezeigt[1], fenster);
    QCOMPARE(gezeigt[2].section(QLatin1Char('|'), 0, 0), QStringLiteral("Form3"));
    QCOMPARE(paare, art(n).paare);
    QCOMPARE(::meldung, meldung);
    QCOMPARE(letztesErgebnis(n, 7), ergebnis);
    Programmtabelle::global().leeren();
}

int main(int argc, char** argv)
{
    Anwendung app(argc, argv);
    TestPaarmemory t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_paarmemory.moc"
