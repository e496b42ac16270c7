// Figuren legen: turning and mirroring a tile, the puzzle maker (matching edges,
// the shuffle over all five columns and rows, the stock column by column), the
// placement rules by mouse and Enter with their refusals, what a run ignores,
// the panel and its focus, and the three endings from the dispatcher to the
// stored result.
#include "common/satzdatei.h"
#include "common/zustand.h"
#include "exercises/memory/figurenlegen.h"
#include "exercises/memory/register.h"
#include "exercises/memory/urea03.h"
#include "platform/anwendung.h"
#include "platform/dialoge.h"
#include "shell/aufruf.h"
#include "shell/ergebnisse.h"
#include "shell/programmtabelle.h"
#include "tests/support/testumgebung.h"
#include "tests/support/uebungsumgebung.h"

#include <QFrame>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <optional>
#include <random>

using figuren::Kachel;

namespace {

Testuhr g_uhr;

// Scripted random numbers: the given ones in order, then 0.
void folge(QList<double> werte)
{
    auto i = std::make_shared<qsizetype>(0);
    zufall::setzeFolge([werte, i] { return *i < werte.size() ? werte[(*i)++] : 0.0; });
}

// Draw 1 of the fill is the right edge of cell (0, 0), draw 7 the left edge of
// cell (0, 1); every other code is 1 and the shuffle exchanges nothing. Stock
// tile 1 is then (1, 2, 1, 1), tile 2 (1, 1, 1, 2), tile 3 one colour.
const QList<double> kZweiFarben{0.0, 0.3, 0.0, 0.0, 0.0, 0.0, 0.0, 0.3};

QString letztesErgebnis(int r)
{
    Satzdatei d(ergebnis::dateiname(8), ergebnis::kSatzgroesse);
    d.positioniere(ergebnis::satznummer(110 % 12, 7, r));
    return d.liesText();
}

void taste(QWidget* f, Qt::Key k)
{
    QWidget* ziel = QApplication::focusWidget();
    QTest::keyClick(ziel && ziel->window() == f ? ziel : f, k);
}

// Steps: "m12" a press in the middle of cell (1, 2), "g" one on the first
// vertical grid line, "b" one right of the fifth cell; "e" Enter, "<" ">" "^"
// "v" the arrows; "R" "L" "S" "W" the letter keys; "x" Esc.
void schritte(Trea03& f, const QString& folge)
{
    const int cw = f.raster().cw();
    for (const QString& s : folge.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        switch (s[0].unicode()) {
        case 'm':
            QTest::mouseClick(f.pb, Qt::LeftButton, {},
                              f.raster().zelle(QPoint(s[1].digitValue(), s[2].digitValue())).center());
            break;
        case 'g': QTest::mouseClick(f.pb, Qt::LeftButton, {}, QPoint(cw, cw / 2)); break;
        case 'b': QTest::mouseClick(f.pb, Qt::LeftButton, {}, QPoint(5 * cw + 1, cw / 2)); break;
        case 'e': taste(&f, Qt::Key_Return); break;
        case '<': taste(&f, Qt::Key_Left); break;
        case '>': taste(&f, Qt::Key_Right); break;
        case '^': taste(&f, Qt::Key_Up); break;
        case 'v': taste(&f, Qt::Key_Down); break;
        case 'R': taste(&f, Qt::Key_R); break;
        case 'L': taste(&f, Qt::Key_L); break;
        case 'S': taste(&f, Qt::Key_S); break;
        case 'W': taste(&f, Qt::Key_W); break;
        case 'x': taste(&f, Qt::Key_Escape); break;
        }
    }
}

// Shown at that outer size (caption bar and border included), not yet started.
std::unique_ptr<Trea03> gezeigt(QSize aussen)
{
    auto f = std::make_unique<Trea03>();
    f->show();
    const QSize rand = f->frameGeometry().size() - f->size();
    f->hide();
    f->resize(aussen - rand);
    f->show();
    QApplication::setActiveWindow(f.get());
    return f;
}

int belegte(const Trea03& f)
{
    int n = 0;
    for (const auto& spalte : f.brett())
        for (const Kachel& k : spalte)
            n += k.belegt();
    return n;
}

}

class TestFigurenlegen : public QObject {
    Q_OBJECT
    std::unique_ptr<Arbeitsordner> m_ordner;
    std::optional<Uebungsumgebung> m_umgebung;

private slots:
    void initTestCase() { m_ordner = std::make_unique<Arbeitsordner>(); }
    void cleanupTestCase() { m_ordner.reset(); }
    void init() { m_umgebung.emplace(g_uhr, 7, QStringLiteral("Eva"), 0); }
    void cleanup() { m_umgebung.reset(); }

    void wandeln_data()
    {
        QTest::addColumn<QString>("zuege");
        QTest::addColumn<Kachel>("erwartet");
        // from (1, 2, 3, 4): top red, right yellow, bottom green, left blue
        QTest::newRow("right: left edge comes to the top") << "R" << Kachel{4, 1, 2, 3};
        QTest::newRow("left: right edge comes to the top") << "L" << Kachel{2, 3, 4, 1};
        QTest::newRow("mirror: left and right exchanged") << "S" << Kachel{1, 4, 3, 2};
        QTest::newRow("four right turns") << "RRRR" << Kachel{1, 2, 3, 4};
        QTest::newRow("left undoes right") << "RL" << Kachel{1, 2, 3, 4};
        QTest::newRow("mirror twice") << "SS" << Kachel{1, 2, 3, 4};
        QTest::newRow("two right turns") << "RR" << Kachel{3, 4, 1, 2};
        QTest::newRow("mirror after right") << "RS" << Kachel{4, 3, 2, 1};
    }
    void wandeln()
    {
        QFETCH(QString, zuege);
        QFETCH(Kachel, erwartet);
        Kachel k{1, 2, 3, 4};
        for (QChar z : zuege)
            k = z == u'R' ? figuren::rechts(k) : z == u'L' ? figuren::links(k) : figuren::spiegeln(k);
        QCOMPARE(k, erwartet);
    }

    // The stock is a permutation of a board whose touching edges all match.
    void puzzle()
    {
        for (unsigned saat = 1; saat <= 40; ++saat) {
            mitSaat(saat);
            const figuren::Puzzle p = figuren::neuesPuzzle();
            figuren::Brett b;
            for (int i = 0; i < 25; ++i) {
                const QPoint z = p.platz[i];
                QVERIFY(z.x() >= 0 && z.x() < 5 && z.y() >= 0 && z.y() < 5);
                QVERIFY2(!b[z.x()][z.y()].belegt(), "a cell twice");
                b[z.x()][z.y()] = p.vorrat[i];
                for (int code : {p.vorrat[i].oben, p.vorrat[i].rechts, p.vorrat[i].unten, p.vorrat[i].links})
                    QVERIFY(code >= 1 && code <= 4);
            }
            for (int c = 0; c < 5; ++c)
                for (int r = 0; r < 5; ++r) {
                    if (c < 4)
                        QCOMPARE(b[c][r].rechts, b[c + 1][r].links);
                    if (r < 4)
                        QCOMPARE(b[c][r].unten, b[c][r + 1].oben);
                }
        }
    }

    // The first exchange draws 0.9, 0.9, 0, 0: cell (4, 4) with cell (0, 0),
    // the last column and row taking part; the stock runs column by column.
    void mischen()
    {
        QList<double> z(100, 0.0);
        z[97] = 0.99;  // right and bottom of cell (4, 4): blue
        z[98] = 0.99;
        z << 0.9 << 0.9 << 0.0 << 0.0;
        folge(z);
        const figuren::Puzzle p = figuren::neuesPuzzle();
        QCOMPARE(p.vorrat[0], (Kachel{1, 4, 4, 1}));
        QCOMPARE(p.platz[0], QPoint(4, 4));
        QCOMPARE(p.vorrat[24], (Kachel{1, 1, 1, 1}));
        QCOMPARE(p.platz[24], QPoint(0, 0));
        QCOMPARE(p.platz[1], QPoint(0, 1));
        QCOMPARE(p.platz[5], QPoint(1, 0));
        QCOMPARE(p.platz[23], QPoint(4, 3));
    }

    void legen_data()
    {
        QTest::addColumn<QString>("ablauf");
        QTest::addColumn<float>("punkte");
        QTest::addColumn<int>("k");
        QTest::addColumn<int>("belegt");
        QTest::addColumn<QStringList>("boxen");
        const QStringList keine;
        const QStringList belegt{QStringLiteral("Das Feld ist schon belegt!")};
        const QStringList passt{QStringLiteral("Das geht so nicht!")};
        QTest::newRow("the first tile earns nothing") << "m22" << 100.0f << 2 << 1 << keine;
        QTest::newRow("a tile beside a laid one: +100") << "m00 m01" << 200.0f << 3 << 2 << keine;
        QTest::newRow("a tile without neighbours earns nothing") << "m00 m22" << 100.0f << 3 << 2 << keine;
        QTest::newRow("occupied: -5, the tile stays") << "m00 m00" << 95.0f << 2 << 1 << belegt;
        QTest::newRow("fits right of the first") << "m00 m10" << 200.0f << 3 << 2 << keine;
        QTest::newRow("mirrored it does not: -5 -5") << "m00 S m10" << 90.0f << 2 << 1 << passt;
        QTest::newRow("refused, then laid after a turn back") << "m00 S m10 S m10" << 185.0f << 3 << 2 << passt;
        QTest::newRow("a one-colour tile turned still costs") << "m00 m01 R L S" << 185.0f << 3 << 2 << keine;
        QTest::newRow("W drops the tile") << "W W m00 m10" << 200.0f << 5 << 2 << keine;
        QTest::newRow("a grid line places nothing") << "g" << 100.0f << 1 << 0 << keine;
        QTest::newRow("right of the fifth cell nothing") << "b" << 100.0f << 1 << 0 << keine;
        QTest::newRow("Enter on the cursor cell") << "e v e" << 200.0f << 3 << 2 << keine;
        QTest::newRow("Enter on an occupied cell") << "e e" << 95.0f << 2 << 1 << belegt;
        QTest::newRow("Enter where it does not fit") << "e > S e" << 90.0f << 2 << 1 << passt;
        QTest::newRow("the cursor wraps") << "< ^ e > v e" << 100.0f << 3 << 2 << keine;
    }
    // At 1400 x 1003 the board is 668 pixels, its cells 133, so a strip of
    // three pixels lies right of and below the fifth cell.
    void legen()
    {
        QFETCH(QString, ablauf);
        QFETCH(float, punkte);
        QFETCH(int, k);
        QFETCH(int, belegt);
        QFETCH(QStringList, boxen);
        folge(kZweiFarben);
        dialog::Skript skript;
        auto f = gezeigt({1400, 1003});
        QTest::mouseClick(f->start, Qt::LeftButton);
        QCOMPARE(f->pb->width(), 668);
        QCOMPARE(f->raster().cw(), 133);
        QCOMPARE(f->aktuell(), (Kachel{1, 2, 1, 1}));
        schritte(*f, ablauf);
        QCOMPARE(f->punkte(), punkte);
        QCOMPARE(f->k(), k);
        QCOMPARE(belegte(*f), belegt);
        QCOMPARE(skript.texte, boxen);
        QVERIFY(f->isVisible());
    }

    // Colours from a seed, a shuffle that exchanges nothing: the stock is the
    // solution column by column, so each tile after the first meets the one
    // above it or left of it.
    void nachLoesung()
    {
        auto g = std::make_shared<std::mt19937>(20260307);
        auto n = std::make_shared<int>(0);
        zufall::setzeFolge([g, n] { return (*n)++ < 100 ? (*g)() / 4294967296.0 : 0.0; });
        dialog::Skript skript;
        auto f = gezeigt({1920, 1080});
        QTest::mouseClick(f->start, Qt::LeftButton);
        int farbwechsel = 0;  // the board is not one colour
        for (int i = 0; i < 25; ++i) {
            const Kachel t = f->puzzle().vorrat[i];
            farbwechsel += t.oben != t.rechts;
            QCOMPARE(f->puzzle().platz[i], QPoint(i / 5, i % 5));
            QTest::mouseClick(f->pb, Qt::LeftButton, {}, f->raster().zelle(QPoint(i / 5, i % 5)).center());
            QCOMPARE(f->punkte(), i == 0 ? 100.0f : 100.0f + 100.0f * i);
        }
        QVERIFY(farbwechsel > 5);
        QVERIFY(skript.texte.isEmpty());
        QVERIFY(!f->isVisible());
        QCOMPARE(::meldung, QStringLiteral("Sie haben 2500 Punkte erreicht!"));
    }

    // Before Start, and after a run closed early, only Esc and A act.
    void vorStart()
    {
        folge(kZweiFarben);
        dialog::Skript skript;
        auto f = gezeigt({1400, 1003});
        schritte(*f, QStringLiteral("R L S W > m00"));
        QCOMPARE(f->k(), 0);
        QCOMPARE(f->punkte(), 100.0f);
        QVERIFY(f->start->isVisible());
        QTest::mouseClick(f->start, Qt::LeftButton);
        schritte(*f, QStringLiteral("m00 R x"));
        QVERIFY(!f->isVisible());
        QVERIFY(!f->laeuft());
        f->show();
        QCOMPARE(f->k(), 0);
        QCOMPARE(f->punkte(), 100.0f);
        QVERIFY(!f->pb->isVisible() && !f->Panel1->isVisible());
        schritte(*f, QStringLiteral("R S W m00"));
        QCOMPARE(f->k(), 0);
        QCOMPARE(f->punkte(), 100.0f);
        QVERIFY(skript.texte.isEmpty());
        taste(f.get(), Qt::Key_A);
        QVERIFY(!f->isVisible());
    }

    // After a panel button the focus is on the panel: Space presses nothing
    // and Enter only lays the tile. The panel lies over the preview's blank part.
    void panel()
    {
        folge(kZweiFarben);
        dialog::Skript skript;
        auto f = gezeigt({1920, 1080});
        QTest::mouseClick(f->start, Qt::LeftButton);
        f->Button1->setFocus();  // as a click on it would
        QTest::mouseClick(f->Button1, Qt::LeftButton);
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(f->Panel1));
        QCOMPARE(f->aktuell(), (Kachel{1, 1, 2, 1}));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        f->Button4->setFocus();
        QTest::mouseClick(f->Button4, Qt::LeftButton);
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(f->Panel1));
        taste(f.get(), Qt::Key_Return);
        QCOMPARE(f->k(), 3);
        QCOMPARE(f->punkte(), 95.0f);
        QCOMPARE(belegte(*f), 1);
        // pb1 reaches down to 576, the panel starts at 540
        QVERIFY(f->pb1->geometry().bottom() > f->Panel1->y());
        const QPoint ueber(f->Panel1->x() + 2, f->Panel1->y() + 2);
        QWidget* oben = f->childAt(ueber);
        QVERIFY(oben == f->Panel1 || f->Panel1->isAncestorOf(oben));
        QTest::mouseClick(f->Button5, Qt::LeftButton);
        QVERIFY(!f->isVisible());
        QVERIFY(skript.texte.isEmpty());
    }

    // A real message box: the Enter that closes it neither lays nor refuses again.
    void enterSchliesstBox()
    {
        folge(kZweiFarben);
        auto f = gezeigt({1400, 1003});
        QTest::mouseClick(f->start, Qt::LeftButton);
        schritte(*f, QStringLiteral("e"));
        QString text;
        ModalWaechter w([&](QWidget* box) {
            if (auto* m = qobject_cast<QMessageBox*>(box))
                text = m->text();
            QTest::keyClick(box, Qt::Key_Return);
        });
        schritte(*f, QStringLiteral("e"));
        QVERIFY(w.ausgeloest());
        QCOMPARE(text, QStringLiteral("Das Feld ist schon belegt!"));
        QCOMPARE(f->punkte(), 95.0f);
        QCOMPARE(f->k(), 2);
        // the window's focus once it is active again
        QCOMPARE(f->focusWidget(), static_cast<QWidget*>(f->Panel1));
        QVERIFY(f->isVisible());
        f->close();
    }

    void enden_data()
    {
        QTest::addColumn<QString>("letzte");  // how tile 25 leaves the stock
        QTest::addColumn<bool>("knopfmenue");
        QTest::addColumn<QStringList>("fenster");
        QTest::addColumn<QStringList>("boxen");
        QTest::addColumn<QString>("meldung");
        QTest::addColumn<QString>("ergebnis");
        const QStringList mitMeldung{"regel", "Trea03|Figuren legen", "Form3"};
        // 100 + 24 x 100 - 1.5 s; skipped: 100 + 23 x 100 - 1.5 s
        QTest::newRow("mouse") << "m44" << true << mitMeldung << QStringList()
                               << "Sie haben 2498 Punkte erreicht!" << "07.03.2026   2498,5";
        QTest::newRow("Enter") << "< ^ e" << false << mitMeldung << QStringList()
                               << "Sie haben 2498, Punkte erreicht!" << "07.03.2026   2498,5";
        QTest::newRow("skip") << "W" << true << QStringList{"regel", "Trea03|Figuren legen"}
                              << QStringList{"Sie haben 2398, Punkte erreicht!"} << "vorher" << "07.03.2026   2398,5";
    }
    // From the menu through the rules window; all tiles one colour, laid column
    // by column, the last one as the row says. One record each.
    void enden()
    {
        QFETCH(QString, letzte);
        QFETCH(bool, knopfmenue);
        QFETCH(QStringList, fenster);
        QFETCH(QStringList, boxen);
        QFETCH(QString, meldung);
        QFETCH(QString, ergebnis);
        zufall::setzeFolge([] { return 0.0; });
        Programmtabelle::global().leeren();
        registriereGedaechtnis(Programmtabelle::global());
        dialog::Skript skript;
        ::meldung = QStringLiteral("vorher");
        const QString frueher = letztesErgebnis(9);
        QStringList gezeigt;
        int vorLetzter = 0;
        Form::setzeModalErsatz([&](Form* w) {
            gezeigt << (w->objectName() == QLatin1String("Trea03") ? w->objectName() + u'|' + w->windowTitle()
                                                                   : w->objectName());
            auto* f = qobject_cast<Trea03*>(w);
            if (!f)
                return 0;
            f->resize(1920, 1080);
            f->show();
            QApplication::setActiveWindow(f);
            QTest::mouseClick(f->start, Qt::LeftButton);
            g_uhr.mono += 1.5;
            for (int i = 0; i < 24; ++i)
                schritte(*f, QStringLiteral("m%1%2").arg(i / 5).arg(i % 5));
            vorLetzter = f->k();
            schritte(*f, letzte);
            return 0;
        });
        QVERIFY(aufruf(110, knopfmenue ? Menueart::Knopfmenue : Menueart::Windowsmenue));
        QCOMPARE(gezeigt, fenster);
        QCOMPARE(vorLetzter, 25);
        QCOMPARE(skript.texte, boxen);
        QCOMPARE(::meldung, meldung);
        QCOMPARE(letztesErgebnis(9), ergebnis);
        QCOMPARE(letztesErgebnis(8), frueher);
        Programmtabelle::global().leeren();
    }
};

int main(int argc, char** argv)
{
    Anwendung app(argc, argv);
    TestFigurenlegen t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_figurenlegen.moc"
