// MiniMemo I and II, Memory I and II: the strict hit test of each geometry, the
// turn rules by mouse and Enter, the one-second display and what it ignores, the
// scoring, a bad word list, and a run of each window from the dispatcher to the
// stored result. The pause goes through the warten seam.
#include "common/satzdatei.h"
#include "common/textformat.h"
#include "common/zustand.h"
#include "exercises/memory/register.h"
#include "exercises/memory/uged11.h"
#include "exercises/shared/mitglied.h"
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

const Paarart& art(int n) { return mitgliedVon(Tged11::mitglieder(), n); }

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

// The two cells of value v, row by row.
std::array<QPoint, 2> paar(const Tged11& f, int v)
{
    std::array<QPoint, 2> z;
    int k = 0;
    for (int i = 0; i < f.art().spalten * f.art().zeilen && k < 2; ++i)
        if (f.spiel().wert(feld(f.art(), i)) == v)
            z[k++] = feld(f.art(), i);
    return z;
}

// The window of member n shown at that outer size (caption bar and border
// included) and started.
std::unique_ptr<Tged11> gestartet(int n, QSize aussen = {1920, 1080})
{
    auto f = std::make_unique<Tged11>(art(n));
    f->show();
    const QSize rand = f->frameGeometry().size() - f->size();
    f->hide();
    f->resize(aussen - rand);
    f->show();
    QTest::mouseClick(f->start, Qt::LeftButton);
    return f;
}

QByteArray gleicheWoerter(const QString& wort, int saetze)
{
    QByteArray b;
    for (int i = 0; i < saetze; ++i)
        b += kurztext::satz(wort, 20);
    return b;
}

}

class TestPaarmemory : public QObject {
    Q_OBJECT
    std::unique_ptr<Arbeitsordner> m_ordner;
    QByteArray m_begriffe;
    std::optional<Uebungsumgebung> m_umgebung;

private slots:
    // One working folder for all: each program stores its results in its own records.
    void initTestCase()
    {
        m_ordner = std::make_unique<Arbeitsordner>();
        m_begriffe = m_ordner->lies(QStringLiteral("begriffe.dat"));
    }
    void cleanupTestCase() { m_ordner.reset(); }
    void init()
    {
        m_umgebung.emplace(g_uhr, 7, QStringLiteral("Eva"));
        zufall::setzeFolge([] { return 0.0; });
        setzeWartenErsatz([](int) {});
    }
    void cleanup()
    {
        setzeWartenErsatz(nullptr);
        m_umgebung.reset();
        m_ordner->schreibe(QStringLiteral("begriffe.dat"), m_begriffe);
    }

    void treffer_data()
    {
        QTest::addColumn<int>("n");
        QTest::addColumn<QSize>("fenster");
        QTest::addColumn<QSize>("zelle");  // cw x rh
        QTest::addColumn<QPoint>("punkt");
        QTest::addColumn<QPoint>("erwartet");  // (-1, -1): no cell
        const QPoint keine(-1, -1);
        const QSize klein(1400, 1003), gross(1920, 1080);
        // image 1002 x 752: two pixels right of and below the cells
        QTest::newRow("MiniMemo I inside") << 85 << klein << QSize(250, 250) << QPoint(1, 1) << QPoint(0, 0);
        QTest::newRow("MiniMemo I left border") << 85 << klein << QSize(250, 250) << QPoint(0, 100) << keine;
        QTest::newRow("MiniMemo I line") << 85 << klein << QSize(250, 250) << QPoint(250, 100) << keine;
        QTest::newRow("MiniMemo I last line") << 85 << klein << QSize(250, 250) << QPoint(1000, 100) << keine;
        QTest::newRow("MiniMemo I strip right") << 85 << klein << QSize(250, 250) << QPoint(1001, 100) << keine;
        QTest::newRow("MiniMemo I strip below") << 85 << klein << QSize(250, 250) << QPoint(100, 751) << keine;
        // image 1260 x 601
        QTest::newRow("MiniMemo II top border") << 86 << klein << QSize(420, 150) << QPoint(100, 0) << keine;
        QTest::newRow("MiniMemo II line") << 86 << klein << QSize(420, 150) << QPoint(100, 150) << keine;
        QTest::newRow("MiniMemo II strip below") << 86 << klein << QSize(420, 150) << QPoint(100, 600) << keine;
        QTest::newRow("MiniMemo II inside") << 86 << klein << QSize(420, 150) << QPoint(841, 451) << QPoint(2, 3);
        // image 1080 x 810
        QTest::newRow("Memory I strip below") << 93 << gross << QSize(180, 202) << QPoint(100, 809) << keine;
        QTest::newRow("Memory I bottom line") << 93 << gross << QSize(180, 202) << QPoint(100, 808) << keine;
        QTest::newRow("Memory I line") << 93 << gross << QSize(180, 202) << QPoint(900, 300) << keine;
        QTest::newRow("Memory I last cell") << 93 << gross << QSize(180, 202) << QPoint(1079, 807) << QPoint(5, 3);
        // image 1260 x 651
        QTest::newRow("Memory II left border") << 94 << klein << QSize(315, 108) << QPoint(0, 50) << keine;
        QTest::newRow("Memory II strip below") << 94 << klein << QSize(315, 108) << QPoint(100, 649) << keine;
        QTest::newRow("Memory II line") << 94 << klein << QSize(315, 108) << QPoint(100, 108) << keine;
        QTest::newRow("Memory II last cell") << 94 << klein << QSize(315, 108) << QPoint(1259, 647) << QPoint(3, 5);
    }
    // A press turns the card of the cell it hits, for 5 points; off the cells
    // it turns nothing and costs nothing.
    void treffer()
    {
        QFETCH(int, n);
        QFETCH(QSize, fenster);
        QFETCH(QSize, zelle);
        QFETCH(QPoint, punkt);
        QFETCH(QPoint, erwartet);
        auto f = gestartet(n, fenster);
        QCOMPARE(QSize(f->raster().cw(), f->raster().ch()), zelle);
        QTest::mouseClick(f->pb, Qt::LeftButton, {}, punkt);
        const bool getroffen = erwartet != QPoint(-1, -1);
        QCOMPARE(f->spiel().umgedreht(), int(getroffen));
        QCOMPARE(f->spiel().punkte(), getroffen ? 95.0f : 100.0f);
        if (getroffen)
            QCOMPARE(f->spiel().erste(), erwartet);
    }

    void spielregeln_data()
    {
        QTest::addColumn<QSize>("gitter");
        QTest::addColumn<int>("paare");
        QTest::addColumn<QString>("karten");  // row-by-row cell numbers, two a turn
        QTest::addColumn<float>("punkte");
        QTest::addColumn<int>("gefunden");
        // random numbers 0: cells 0 and 1 hold 1, 2 and 3 hold 2, ...
        QTest::newRow("perfect MiniMemo I: 100 - 12 x 5 + 6 x 200")
            << QSize(4, 3) << 6 << "0 1 2 3 4 5 6 7 8 9 10 11" << 1240.0f << 6;
        QTest::newRow("perfect Memory I") << QSize(6, 4) << 12
            << "0 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18 19 20 21 22 23" << 2380.0f << 12;
        QTest::newRow("a different pair costs 10") << QSize(4, 3) << 6 << "0 2" << 90.0f << 0;
        QTest::newRow("a pair in reverse order") << QSize(3, 4) << 6 << "1 0" << 290.0f << 1;
        QTest::newRow("a taken card again costs nothing") << QSize(4, 3) << 6 << "0 1 0 1" << 290.0f << 1;
        QTest::newRow("the first card twice counts once") << QSize(4, 3) << 6 << "0 0 1" << 290.0f << 1;
        QTest::newRow("off the board") << QSize(4, 3) << 6 << "12 -1" << 100.0f << 0;
    }
    void spielregeln()
    {
        QFETCH(QSize, gitter);
        QFETCH(int, paare);
        QFETCH(QString, karten);
        QFETCH(float, punkte);
        QFETCH(int, gefunden);
        Paarspiel s(gitter.width(), gitter.height(), paare);
        s.neuesSpiel();
        for (const QString& k : karten.split(QLatin1Char(' '))) {
            const int i = k.toInt();
            if (s.drehe(i < 0 ? QPoint(-1, 0) : QPoint(i % gitter.width(), i / gitter.width())) == Paarspiel::Zug::Zweite)
                s.vergleiche();
        }
        QCOMPARE(s.punkte(), punkte);
        QCOMPARE(s.gefunden(), gefunden);
        QCOMPARE(s.fertig(), gefunden == paare);
    }

    // Every value in exactly two cells, every cell filled; with random numbers
    // near 1 too, where drawing any cell until an empty one comes up would not end.
    void fuellen()
    {
        for (unsigned saat : {4u, 0u}) {
            if (saat == 0)
                zufall::setzeFolge([] { return 0.9999999; });
            else
                mitSaat(saat);
            Paarspiel s(4, 6, 12);
            for (int spiel = 0; spiel < 20; ++spiel) {
                s.neuesSpiel();
                QList<int> anzahl(13, 0);
                for (int i = 0; i < 24; ++i)
                    ++anzahl[s.wert(QPoint(i % 4, i / 4))];
                QCOMPARE(anzahl.count(2), 12);
            }
        }
    }

    void zuege_data()
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
    void zuege()
    {
        QFETCH(QString, ablauf);
        QFETCH(QString, inPause);
        QFETCH(int, pausen);
        QFETCH(float, punkte);
        QFETCH(int, gefunden);
        QFETCH(int, umgedreht);
        QFETCH(QPoint, cursor);
        auto f = gestartet(85);
        int gewartet = 0;
        setzeWartenErsatz([&](int ms) {
            QCOMPARE(ms, 1000);
            ++gewartet;
            QCOMPARE(f->spiel().umgedreht(), 2);
            schritte(*f, inPause);
        });
        schritte(*f, ablauf);
        QCOMPARE(gewartet, pausen);
        QCOMPARE(f->spiel().punkte(), punkte);
        QCOMPARE(f->spiel().gefunden(), gefunden);
        QCOMPARE(f->spiel().umgedreht(), umgedreht);
        QCOMPARE(f->cursor(), cursor);
        // the cursor's frame whole where the cursor is, after faces and green cells
        const QRect r = f->raster().cursorrahmen(cursor);
        QCOMPARE(f->pb->bild().pixelColor(r.left(), (r.top() + r.bottom()) / 2), farbe::schwarz);
        QCOMPARE(f->pb->bild().pixelColor((r.left() + r.right()) / 2, r.bottom() - 1), farbe::schwarz);
    }

    void gesichter_data()
    {
        QTest::addColumn<int>("n");
        for (int n : {85, 86, 93, 94})
            QTest::newRow(qPrintable(art(n).titel)) << n;
    }
    // Two different cards show their faces during the display and vanish after
    // it without a trace; a pair turns its cells green, lines included.
    void gesichter()
    {
        QFETCH(int, n);
        auto f = gestartet(n);
        const QPoint eins = feld(art(n), 1), zwei = feld(art(n), 2);  // values 1 and 2
        int inPause = 0;
        setzeWartenErsatz([&](int) { inPause = std::min(tinte(*f, eins), tinte(*f, zwei)); });
        QTest::mouseClick(f->pb, Qt::LeftButton, {}, mitte(*f, eins));
        QTest::mouseClick(f->pb, Qt::LeftButton, {}, mitte(*f, zwei));
        QVERIFY2(inPause > 50, qPrintable(QString::number(inPause)));
        QCOMPARE(tinte(*f, eins), 0);
        QCOMPARE(tinte(*f, zwei), 0);
        QTest::mouseClick(f->pb, Qt::LeftButton, {}, mitte(*f, feld(art(n), 0)));
        QTest::mouseClick(f->pb, Qt::LeftButton, {}, mitte(*f, eins));
        const QImage bild = f->pb->bild();
        const QRect r = f->raster().zelle(eins);
        QCOMPARE(bild.pixelColor(r.center()), farbe::gruen);
        QCOMPARE(bild.pixelColor(r.left() + 1, r.top() + 1), farbe::gruen);
        QCOMPARE(bild.pixelColor(r.right(), r.center().y()), farbe::schwarz);
        QCOMPARE(bild.pixelColor(r.right() + 1, r.center().y()), farbe::buttonFace());
    }

    void schliessenInLetzterPause_data()
    {
        QTest::addColumn<bool>("esc");  // else the close box
        QTest::newRow("Esc") << true;
        QTest::newRow("close box") << false;
    }
    // Closing during the display of the last pair ends the run without a
    // result; the next Start is a fresh game.
    void schliessenInLetzterPause()
    {
        QFETCH(bool, esc);
        const QByteArray vorher = m_ordner->lies(QStringLiteral("xbaserg6.dat"));
        auto f = gestartet(85);
        schritte(*f, QStringLiteral("m00 m10 m20 m30 m01 m11 m21 m31 m02 m12 m22"));
        setzeWartenErsatz([&](int) { esc ? taste(f.get(), Qt::Key_Escape) : (void)f->close(); });
        schritt(*f, QStringLiteral("m32"));
        QVERIFY(!f->isVisible());
        QVERIFY(!f->laeuft());
        QCOMPARE(f->spiel().gefunden(), 5);
        QVERIFY(::meldung.isEmpty());
        QCOMPARE(m_ordner->lies(QStringLiteral("xbaserg6.dat")), vorher);
        setzeWartenErsatz([](int) {});
        f->show();
        QTest::mouseClick(f->start, Qt::LeftButton);
        QCOMPARE(f->spiel().gefunden(), 0);
        QCOMPARE(f->spiel().umgedreht(), 0);
        QCOMPARE(f->spiel().punkte(), 100.0f);
    }

    void vorStart_data()
    {
        QTest::addColumn<int>("n");
        QTest::addColumn<QPoint>("cursorBeiStart");
        QTest::newRow("MiniMemo I: the cursor back to the first cell") << 85 << QPoint(0, 0);
        QTest::newRow("Memory II: the cursor kept") << 94 << QPoint(1, 1);
    }
    // Before Start the arrows and Enter leave the hidden board of the last game alone.
    void vorStart()
    {
        QFETCH(int, n);
        QFETCH(QPoint, cursorBeiStart);
        auto f = gestartet(n);
        schritte(*f, QStringLiteral("R D m00 m10 e x"));
        QCOMPARE(f->spiel().gefunden(), 1);
        f->show();
        QVERIFY(!f->pb->isVisible());
        schritte(*f, QStringLiteral("L U e D"));
        QCOMPARE(f->cursor(), cursorBeiStart);
        QCOMPARE(f->spiel().umgedreht(), 1);
        QCOMPARE(f->spiel().punkte(), 285.0f);
        QTest::mouseClick(f->start, Qt::LeftButton);
        QCOMPARE(f->cursor(), cursorBeiStart);
        QCOMPARE(f->spiel().umgedreht(), 0);
    }

    void schlechteWortliste_data()
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
    // The message at Start, and the window stays as it was: Start shown, no
    // board, presses and keys do nothing.
    void schlechteWortliste()
    {
        QFETCH(int, n);
        QFETCH(int, saetze);
        QFETCH(QString, wort);
        QFETCH(QString, meldung);
        if (saetze < 0)
            QFile::remove(m_ordner->pfad(QStringLiteral("begriffe.dat")));
        else
            m_ordner->schreibe(QStringLiteral("begriffe.dat"), gleicheWoerter(wort, saetze));
        dialog::Skript skript;
        auto f = gestartet(n);
        QCOMPARE(skript.texte, QStringList{meldung});
        QVERIFY(!f->laeuft());
        QVERIFY(f->start->isVisible());
        QVERIFY(!f->pb->isVisible());
        schritte(*f, QStringLiteral("R D"));  // Enter would press the focused Start again
        QTest::mouseClick(f.get(), Qt::LeftButton, {}, f->pb->geometry().center());
        QCOMPARE(f->spiel().umgedreht(), 0);
        QCOMPARE(f->cursor(), QPoint(0, 0));
        QCOMPARE(skript.texte.size(), 1);
        QVERIFY(f->isVisible());
    }

    void ganzerLauf_data()
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
    // From the menu through the rules window: a different pair, then every
    // pair, the first card by the mouse, the second by the cursor and Enter.
    void ganzerLauf()
    {
        QFETCH(int, n);
        QFETCH(QString, fenster);
        QFETCH(QString, ergebnis);
        QFETCH(QString, meldung);
        mitSaat(20260307);
        Programmtabelle::global().leeren();
        registriereGedaechtnis(Programmtabelle::global());
        QStringList gezeigt;
        QSet<QString> woerter;
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
            for (const TBegriff& w : f->woerter())
                if (w.size() <= 7)
                    woerter.insert(w);
            QTest::mouseClick(f->pb, Qt::LeftButton, {}, mitte(*f, paar(*f, 1)[0]));
            QTest::mouseClick(f->pb, Qt::LeftButton, {}, mitte(*f, paar(*f, 2)[0]));
            g_uhr.mono += 12.5;
            for (int v = 1; v <= f->art().paare && f->isVisible(); ++v, ++paare) {
                const auto [erste, zweite] = paar(*f, v);
                QTest::mouseClick(f->pb, Qt::LeftButton, {}, mitte(*f, erste));
                while (f->cursor() != zweite)
                    taste(f, f->cursor().x() != zweite.x() ? Qt::Key_Right : Qt::Key_Down);
                taste(f, Qt::Key_Return);
            }
            return 0;
        });
        QVERIFY(aufruf(n, n % 2 ? Menueart::Knopfmenue : Menueart::Windowsmenue));
        QCOMPARE(gezeigt.size(), 3);
        QCOMPARE(gezeigt[0].section(QLatin1Char('|'), 0, 0), QStringLiteral("regel"));
        QCOMPARE(gezeigt[1], fenster);
        QCOMPARE(gezeigt[2].section(QLatin1Char('|'), 0, 0), QStringLiteral("Form3"));
        QCOMPARE(paare, art(n).paare);
        // twelve distinct words of at most 7 letters for the word members
        QCOMPARE(woerter.size(), art(n).woerter ? 12 : 0);
        QCOMPARE(::meldung, meldung);
        QCOMPARE(letztesErgebnis(n, 7), ergebnis);
        Programmtabelle::global().leeren();
    }
};

int main(int argc, char** argv)
{
    Anwendung app(argc, argv);
    TestPaarmemory t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_paarmemory.moc"
