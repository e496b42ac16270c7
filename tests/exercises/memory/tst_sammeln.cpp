// "Sammeln I" to "III" and "Vergleiche": the grid and task makers with scripted
// and seeded random numbers, the scoring of choices and answers, the pause
// after the eighth copy, the marks after a repaint, the four answer keys, what
// a window closed mid-run keeps, and a run of each window from the dispatcher
// to the stored result.
#include "common/satzdatei.h"
#include "common/zustand.h"
#include "exercises/memory/register.h"
#include "exercises/memory/uwahr04.h"
#include "exercises/memory/uwahr07.h"
#include "exercises/shared/mitglied.h"
#include "platform/anwendung.h"
#include "platform/farben.h"
#include "platform/leinwand.h"
#include "platform/tasten.h"
#include "platform/warten.h"
#include "shell/aufruf.h"
#include "shell/ergebnisse.h"
#include "shell/programmtabelle.h"
#include "tests/support/testumgebung.h"
#include "tests/support/uebungsumgebung.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <optional>

namespace {

Testuhr g_uhr;

const Sammelart& sammelart(int n) { return mitgliedVon(Twahr04::mitglieder(), n); }

QString letztesErgebnis(int programm, int nutzerNr)
{
    Satzdatei d(ergebnis::dateiname(programm / 12 - 1), ergebnis::kSatzgroesse);
    d.positioniere(ergebnis::satznummer(programm % 12, nutzerNr, 9));
    return d.liesText();
}

template <typename F> void zeigeMit(F& f, QSize aussen = {1920, 1080})
{
    f.show();
    const QSize rand = f.frameGeometry().size() - f.size();
    f.hide();
    f.resize(aussen - rand);
    f.show();
}

// The cells still holding S.
QList<QPoint> kopien(const Sammelgitter& g)
{
    QList<QPoint> k;
    for (int i = 0; i < 32; ++i)
        if (g.muster != 0 && g.codes[i] == g.muster)
            k << QPoint(i % 8, i / 8);
    return k;
}

void klicke(Twahr04& f, QPoint zelle) { QTest::mouseClick(f.pb, Qt::LeftButton, {}, f.raster().zelle(zelle).center()); }

// Grid from a text: row by row, one character per cell, '1' to '9' and 'a' for 10.
Sammelgitter gitter(const QString& zellen, int muster, QPoint probe)
{
    Sammelgitter g;
    for (int i = 0; i < 32; ++i)
        g.codes[i] = zellen[i] == QLatin1Char('a') ? 10 : zellen[i].digitValue();
    g.muster = muster;
    g.probe = probe;
    return g;
}

int symbole(const Vergleichsaufgabe& a, int von)
{
    int n = 0;
    for (int r = 0; r < 4; ++r)
        for (int c = von; c < von + 4; ++c)
            n += a.wert({c, r}) > 0;
    return n;
}

QList<QPoint> unterschiede(const Vergleichsaufgabe& a)
{
    QList<QPoint> u;
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c)
            if (a.wert({c, r}) != a.wert({c + 4, r}))
                u << QPoint(c, r);
    return u;
}

// A key as the pad or the main keyboard sends it.
int tastencode(Qt::Key k, bool block)
{
    QKeyEvent e(QEvent::KeyPress, k, block ? Qt::KeypadModifier : Qt::NoModifier);
    return taste::code(&e);
}

}

class TestSammeln : public QObject {
    Q_OBJECT
    std::unique_ptr<Arbeitsordner> m_ordner;
    std::optional<Uebungsumgebung> m_umgebung;

private slots:
    void initTestCase() { m_ordner = std::make_unique<Arbeitsordner>(); }
    void cleanupTestCase() { m_ordner.reset(); }
    void init()
    {
        m_umgebung.emplace(g_uhr, 7, QStringLiteral("Eva"));
        setzeWartenErsatz([](int) {});
    }
    void cleanup()
    {
        setzeWartenErsatz(nullptr);
        m_umgebung.reset();
        Programmtabelle::global().leeren();
    }

    void sammelgitter_data()
    {
        QTest::addColumn<int>("n");
        QTest::addColumn<double>("zahl");  // every random number; -1 a seeded sequence
        for (int n : {26, 14, 10}) {
            QTest::addRow("N %d, seeded", n) << n << -1.0;
            QTest::addRow("N %d, numbers all 0", n) << n << 0.0;
            QTest::addRow("N %d, numbers near 1", n) << n << 0.9999999;
        }
    }
    // Exactly eight copies of S, the sample one of them, every other cell an
    // item of 1 to N other than S; the maker ends whatever the numbers.
    void sammelgitter()
    {
        QFETCH(int, n);
        QFETCH(double, zahl);
        if (zahl >= 0)
            zufall::setzeFolge([zahl] { return zahl; });
        for (int k = 0; k < 300; ++k) {
            const Sammelgitter g = baueSammelgitter(n);
            QVERIFY(g.muster >= 1 && g.muster <= n);
            QCOMPARE(kopien(g).size(), 8);
            QCOMPARE(g.wert(g.probe), g.muster);
            for (int v : g.codes)
                QVERIFY(v >= 1 && v <= n);
        }
    }

    void sammelnWahl_data()
    {
        QTest::addColumn<QString>("zellen");  // row-by-row cell numbers chosen
        QTest::addColumn<float>("punkte");
        QTest::addColumn<int>("gefunden");
        // S = 3 in cells 0 to 7
        QTest::newRow("one copy") << "0" << 130.0f << 1;
        QTest::newRow("the same copy twice") << "0 0" << 100.0f << 1;
        QTest::newRow("another item") << "8" << 70.0f << 0;
        QTest::newRow("outside the grid") << "32" << 70.0f << 0;
        QTest::newRow("all eight, then one more") << "0 1 2 3 4 5 6 7 8" << 310.0f << 8;
    }
    void sammelnWahl()
    {
        QFETCH(QString, zellen);
        QFETCH(float, punkte);
        QFETCH(int, gefunden);
        Sammelspiel s;
        s.neuerLauf();
        s.setze(gitter(QStringLiteral("33333333124124124124124124124124"), 3, {7, 0}));
        for (const QString& z : zellen.split(QLatin1Char(' ')))
            s.waehle({z.toInt() % 8, z.toInt() / 8});
        QCOMPARE(s.punkte(), punkte);
        QCOMPARE(s.gefunden(), gefunden);
        QCOMPARE(s.alleGefunden(), gefunden == 8);
    }

    void sammelnFenster_data()
    {
        QTest::addColumn<QString>("inDerPause");  // what happens during the pause after the eighth copy
        QTest::newRow("nothing") << "";
        QTest::newRow("Space on weiter") << "weiter";
        QTest::newRow("a press") << "druck";
        QTest::newRow("Esc") << "esc";
    }
    // Before Start only Esc acts; a press on a line or past the cells costs
    // nothing; after the eighth copy weiter has the focus, the arrows stop and
    // every choice costs 30; a Space on weiter costs 30 and brings the next
    // grid. What the pause lets happen is not undone after it.
    void sammelnFenster()
    {
        QFETCH(QString, inDerPause);
        Twahr04 f(sammelart(112));
        QList<int> pausen;
        setzeWartenErsatz([&](int ms) {
            pausen << ms;
            if (inDerPause == QLatin1String("weiter"))
                QTest::keyClick(f.weiter, Qt::Key_Space);
            else if (inDerPause == QLatin1String("druck"))
                klicke(f, {0, 0});
            else if (inDerPause == QLatin1String("esc"))
                QTest::keyClick(&f, Qt::Key_Escape);
        });
        zeigeMit(f);
        QTest::keyClick(&f, Qt::Key_Right);
        QTest::keyClick(&f, Qt::Key_Space);
        QCOMPARE(f.cursor(), QPoint(0, 0));
        QVERIFY(!f.laeuft());
        QTest::mouseClick(f.start, Qt::LeftButton);
        QVERIFY(f.aktiv());
        QCOMPARE(f.raster().cw(), 135);
        for (const QPoint p : {QPoint(135, 50), QPoint(50, 0), QPoint(1080, 50), QPoint(50, 540)})
            QTest::mouseClick(f.pb, Qt::LeftButton, {}, p);
        QCOMPARE(f.spiel().punkte(), 100.0f);
        QTest::keyClick(&f, Qt::Key_Left);
        QTest::keyClick(&f, Qt::Key_Up);
        QCOMPARE(f.cursor(), QPoint(7, 3));

        const QList<QPoint> k = kopien(f.spiel().gitter());
        for (const QPoint z : k)
            klicke(f, z);
        QCOMPARE(pausen, QList<int>{1000});
        if (inDerPause == QLatin1String("esc")) {
            QVERIFY(!f.isVisible());
            QVERIFY(!f.laeuft());
            return;
        }
        if (inDerPause == QLatin1String("weiter")) {
            QCOMPARE(f.spiel().punkte(), 310.0f);
            QCOMPARE(f.spiel().fertigeGitter(), 1);
            QVERIFY(f.aktiv());
            QVERIFY(!f.weiter->isVisible());
            return;
        }
        const float nachAcht = inDerPause.isEmpty() ? 340.0f : 310.0f;
        QCOMPARE(f.spiel().punkte(), nachAcht);
        QVERIFY(f.weiter->isVisible());
        QCOMPARE(f.focusWidget(), f.weiter);
        QVERIFY(!f.aktiv());
        QTest::keyClick(&f, Qt::Key_Left);
        QCOMPARE(f.cursor(), QPoint(7, 3));
        klicke(f, k.first());
        QCOMPARE(f.spiel().punkte(), nachAcht - 30.0f);
        QTest::keyClick(f.weiter, Qt::Key_Space);
        QCOMPARE(f.spiel().punkte(), nachAcht - 60.0f);
        QCOMPARE(f.spiel().fertigeGitter(), 1);
        QCOMPARE(f.spiel().gefunden(), 0);
        QCOMPARE(kopien(f.spiel().gitter()).size(), 8);
        QVERIFY(!f.weiter->isVisible());
        QVERIFY(f.aktiv());
        QCOMPARE(f.cursor(), QPoint(0, 0));
    }

    void marken_data()
    {
        QTest::addColumn<int>("n");
        QTest::newRow("Sammeln I") << 112;
        QTest::newRow("Sammeln II") << 113;
        QTest::newRow("Sammeln III") << 114;
    }
    // The sample mark and the collected marks are still there after the image
    // is repainted; Sammeln III's discs keep their colours.
    void marken()
    {
        QFETCH(int, n);
        Twahr04 f(sammelart(n));
        zeigeMit(f);
        QTest::mouseClick(f.start, Qt::LeftButton);
        const Sammelgitter g = f.spiel().gitter();
        QPoint gesammelt = kopien(g).first() == g.probe ? kopien(g).last() : kopien(g).first();
        klicke(f, gesammelt);
        f.pb->repaint();
        const QImage bild = f.pb->grab().toImage();
        const auto hat = [&](QPoint zelle, const QColor& farbe) {
            for (int x = zelle.x() * 135 + 2; x < zelle.x() * 135 + 134; ++x)
                for (int y = zelle.y() * 135 + 2; y < zelle.y() * 135 + 134; ++y)
                    if (bild.pixelColor(x, y) == farbe)
                        return true;
            return false;
        };
        const auto mitte = [&](QPoint z) { return bild.pixelColor(z.x() * 135 + 67, z.y() * 135 + 67); };
        if (n != 114) {
            QVERIFY(hat(g.probe, farbe::blau));
            QVERIFY(hat(gesammelt, farbe::weiss));
            QVERIFY(!hat(gesammelt, farbe::schwarz) || gesammelt == QPoint(0, 0));
            return;
        }
        static const QColor scheiben[] = {farbe::kastanie, farbe::gruen, farbe::schwarz, farbe::marine, farbe::purpur,
                                          farbe::gelb, farbe::lime, farbe::rot, farbe::fuchsia, farbe::aqua};
        QCOMPARE(mitte(g.probe), farbe::weiss);
        QCOMPARE(bild.pixelColor(g.probe.x() * 135 + 40, g.probe.y() * 135 + 67), scheiben[g.muster - 1]);
        QCOMPARE(mitte(gesammelt), farbe::buttonFace());
        for (int i = 0; i < 32; ++i) {
            const QPoint z(i % 8, i / 8);
            if (z != g.probe && z != gesammelt)
                QCOMPARE(mitte(z), scheiben[g.wert(z) - 1]);
        }
    }

    void nachSchliessen_data()
    {
        QTest::addColumn<int>("n");
        QTest::newRow("Sammeln II") << 113;
        QTest::newRow("Vergleiche") << 115;
    }
    // Closed mid-run and shown again: only Start acts; keys and presses on the
    // hidden old grid do nothing and nothing is stored.
    void nachSchliessen()
    {
        QFETCH(int, n);
        const QByteArray vorher = m_ordner->lies(QStringLiteral("xbaserg8.dat"));
        std::unique_ptr<Form> fenster(n == 115 ? static_cast<Form*>(new Twahr07) : new Twahr04(sammelart(n)));
        zeigeMit(*fenster);
        auto* start = fenster->findChild<QPushButton*>(QStringLiteral("start"));
        QTest::mouseClick(start, Qt::LeftButton);
        QTest::keyClick(fenster.get(), Qt::Key_Escape);
        QVERIFY(!fenster->isVisible());
        fenster->show();
        QVERIFY(start->isVisible());
        for (Qt::Key k : {Qt::Key_Space, Qt::Key_Plus, Qt::Key_Minus, Qt::Key_Right})
            QTest::keyClick(fenster.get(), k);
        if (auto* s = qobject_cast<Twahr04*>(fenster.get())) {
            for (const QPoint z : kopien(s->spiel().gitter()))
                klicke(*s, z);
            QCOMPARE(s->spiel().punkte(), 100.0f);
            QCOMPARE(s->cursor(), QPoint(0, 0));
        } else {
            auto* v = static_cast<Twahr07*>(fenster.get());
            QCOMPARE(v->folge->text(), QString());
            QCOMPARE(v->aufzahl->text(), QStringLiteral("1/ 30"));
            QVERIFY(!v->weiter->isVisible());
        }
        QVERIFY(fenster->isVisible());
        QCOMPARE(m_ordner->lies(QStringLiteral("xbaserg8.dat")), vorher);
    }

    void sammelnLauf_data()
    {
        QTest::addColumn<int>("n");
        QTest::addColumn<bool>("knopfmenue");
        QTest::newRow("Sammeln I") << 112 << true;
        QTest::newRow("Sammeln II") << 113 << false;
        QTest::newRow("Sammeln III") << 114 << true;
    }
    // From the menu through the rules window to the stored result: five grids,
    // the copies by cursor and Space or by the mouse, weiter by Space (-30).
    void sammelnLauf()
    {
        QFETCH(int, n);
        QFETCH(bool, knopfmenue);
        registriereGedaechtnis(Programmtabelle::global());
        QStringList gezeigt;
        int gitter = 0;
        Form::setzeModalErsatz([&](Form* fenster) {
            gezeigt << fenster->objectName() + QLatin1Char('|') + fenster->windowTitle();
            auto* f = qobject_cast<Twahr04*>(fenster);
            if (!f)
                return 0;
            f->resize(1920, 1080);
            f->show();
            QTest::mouseClick(f->start, Qt::LeftButton);
            g_uhr.mono += 12.25;
            while (f->isVisible()) {
                ++gitter;
                for (const QPoint z : kopien(f->spiel().gitter())) {
                    if (gitter % 2) {
                        klicke(*f, z);
                        continue;
                    }
                    while (f->cursor() != z)
                        QTest::keyClick(f, f->cursor().x() != z.x() ? Qt::Key_Right : Qt::Key_Down);
                    QTest::keyClick(f, Qt::Key_Space);
                }
                QTest::keyClick(f->weiter, Qt::Key_Space);
            }
            return 0;
        });
        QVERIFY(aufruf(n, knopfmenue ? Menueart::Knopfmenue : Menueart::Windowsmenue));
        QCOMPARE(gezeigt.size(), 3);
        QCOMPARE(gezeigt[0].section(QLatin1Char('|'), 0, 0), QStringLiteral("regel"));
        QCOMPARE(gezeigt[1], sammelart(n).klasse + QLatin1Char('|') + sammelart(n).titel);
        QCOMPARE(gezeigt[2].section(QLatin1Char('|'), 0, 0), QStringLiteral("Form3"));
        QCOMPARE(gitter, 5);
        // 100 + 5 x 8 x 30 - 5 x 30 for the Spaces on weiter - 12.25 s
        QCOMPARE(::meldung, QStringLiteral("Sie haben 1137 Punkte erreicht!"));
        QCOMPARE(letztesErgebnis(n, 7), QStringLiteral("07.03.2026   1137,75"));
    }

    void vergleichAufgabe_data()
    {
        QTest::addColumn<int>("symbole");
        QTest::addColumn<double>("zahl");  // every random number; -1 a seeded sequence
        for (int s : {3, 12, 16}) {
            QTest::addRow("%d symbols, seeded", s) << s << -1.0;
            QTest::addRow("%d symbols, numbers all 0", s) << s << 0.0;
            QTest::addRow("%d symbols, numbers near 1", s) << s << 0.9999999;
        }
    }
    // Kind 1: both halves equal cell by cell, the empty ones included; kind 0:
    // exactly one cell differs, in either half; that many symbols per half.
    void vergleichAufgabe()
    {
        QFETCH(int, symbole);
        QFETCH(double, zahl);
        if (zahl >= 0)
            zufall::setzeFolge([zahl] { return zahl; });
        int arten[2] = {0, 0};
        for (int k = 0; k < 400; ++k) {
            const Vergleichsaufgabe a = baueVergleich(symbole);
            ++arten[a.art];
            const QList<QPoint> u = unterschiede(a);
            QCOMPARE(u.size(), 1 - a.art);
            QCOMPARE(::symbole(a, 0), symbole);
            QCOMPARE(::symbole(a, 4), symbole);
            for (int v : a.codes)
                QVERIFY(v >= 0 && v <= 49);
            if (!u.isEmpty())
                QVERIFY(a.wert(u.first()) > 0 && a.wert(u.first() + QPoint(4, 0)) > 0);
        }
        if (zahl < 0)
            QVERIFY(arten[0] > 0 && arten[1] > 0);
    }

    // One symbol more per half after 3, 6 and 9 right answers, wrong ones in
    // between; the count towards a step is not reset by a wrong answer.
    void vergleichStufen()
    {
        Vergleichsspiel s;
        s.zeigen();
        s.neuerLauf();
        const QString antworten = QStringLiteral("RRFRFFRRRRFRRFF");
        QList<int> stufen;
        for (const QChar a : antworten) {
            Vergleichsaufgabe t;
            t.art = 1;
            s.setze(t);
            QCOMPARE(s.antworte(a == QLatin1Char('R')), std::optional<bool>(a == QLatin1Char('R')));
            QCOMPARE(s.antworte(true), std::nullopt);  // judged once
            stufen << levelnr;
        }
        QCOMPARE(stufen, (QList<int>{3, 3, 3, 4, 4, 4, 4, 4, 5, 5, 5, 5, 6, 6, 6}));
        QCOMPARE(s.punkte(), 100.0f + 9 * 30.0f);
        s.zeigen();
        QCOMPARE(levelnr, 3);
        QCOMPARE(s.zumSchritt(), 0);
    }

    void vergleichTasten_data()
    {
        QTest::addColumn<int>("taste");
        QTest::addColumn<bool>("block");  // the numeric pad
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("art");
        QTest::addColumn<QString>("folge");
        QTest::newRow("pad plus, equal") << int(Qt::Key_Plus) << true << 107 << 1 << "RICHTIG!";
        QTest::newRow("main plus, equal") << int(Qt::Key_Plus) << false << 187 << 1 << "RICHTIG!";
        QTest::newRow("pad minus, differs") << int(Qt::Key_Minus) << true << 109 << 0 << "RICHTIG!";
        QTest::newRow("main minus, differs") << int(Qt::Key_Minus) << false << 189 << 0 << "RICHTIG!";
        QTest::newRow("pad plus, differs") << int(Qt::Key_Plus) << true << 107 << 0 << "Fehler!";
        QTest::newRow("main minus, equal") << int(Qt::Key_Minus) << false << 189 << 1 << "Fehler!";
    }
    // The pad's keys have their own codes; all four answer; a second answer to
    // the same task changes nothing.
    void vergleichTasten()
    {
        QFETCH(int, taste);
        QFETCH(bool, block);
        QFETCH(int, code);
        QFETCH(int, art);
        QFETCH(QString, folge);
        QCOMPARE(tastencode(Qt::Key(taste), block), code);
        QCOMPARE(vergleich::antwort(code), std::optional<bool>(taste == Qt::Key_Plus));
        // seeded until a task of the row's kind comes up
        std::optional<Twahr07> f;
        for (unsigned saat = 1;; ++saat) {
            mitSaat(saat);
            f.emplace();
            zeigeMit(*f);
            QCOMPARE(f->aufzahl->text(), QStringLiteral("1/ 30"));
            QTest::keyClick(&*f, Qt::Key(taste), block ? Qt::KeypadModifier : Qt::NoModifier);
            QCOMPARE(f->folge->text(), QString());  // before Start no answer
            QTest::mouseClick(f->start, Qt::LeftButton);
            if (f->spiel().aufgabe().art == art)
                break;
        }
        const Qt::KeyboardModifiers m = block ? Qt::KeypadModifier : Qt::NoModifier;
        QTest::keyClick(&*f, Qt::Key(taste), m);
        QCOMPARE(f->folge->text(), folge);
        QCOMPARE(f->spiel().punkte(), folge == QLatin1String("RICHTIG!") ? 130.0f : 100.0f);
        QCOMPARE(f->focusWidget(), f->weiter);
        QTest::keyClick(&*f, Qt::Key(taste), m);
        QTest::keyClick(&*f, taste == Qt::Key_Plus ? Qt::Key_Minus : Qt::Key_Plus, m);
        QCOMPARE(f->spiel().punkte(), folge == QLatin1String("RICHTIG!") ? 130.0f : 100.0f);
        QTest::mouseClick(f->weiter, Qt::LeftButton);
        QCOMPARE(f->aufzahl->text(), QStringLiteral("2/ 30"));
        QCOMPARE(f->folge->text(), QString());
        QVERIFY(f->spiel().offen());
    }

    // From the menu to the stored result: 30 tasks answered right with the
    // pad, weiter by the mouse; 3 symbols in the first task, 12 in the last.
    void vergleichLauf()
    {
        registriereGedaechtnis(Programmtabelle::global());
        QStringList gezeigt;
        QList<int> anzahl;
        Form::setzeModalErsatz([&](Form* fenster) {
            gezeigt << fenster->objectName() + QLatin1Char('|') + fenster->windowTitle();
            auto* f = qobject_cast<Twahr07*>(fenster);
            if (!f)
                return 0;
            f->resize(1920, 1080);
            f->show();
            QTest::mouseClick(f->start, Qt::LeftButton);
            g_uhr.mono += 12.25;
            while (f->isVisible()) {
                anzahl << symbole(f->spiel().aufgabe(), 0);
                QTest::keyClick(f, f->spiel().aufgabe().art == 1 ? Qt::Key_Plus : Qt::Key_Minus, Qt::KeypadModifier);
                QTest::mouseClick(f->weiter, Qt::LeftButton);
            }
            return 0;
        });
        QVERIFY(aufruf(115, Menueart::Windowsmenue));
        QCOMPARE(gezeigt.size(), 3);
        QCOMPARE(gezeigt[1], QStringLiteral("Twahr07|Vergleiche"));
        QCOMPARE(gezeigt[2].section(QLatin1Char('|'), 0, 0), QStringLiteral("Form3"));
        QCOMPARE(anzahl.size(), 30);
        QCOMPARE(anzahl.first(), 3);
        QCOMPARE(anzahl.last(), 12);
        // 100 + 30 x 30 - 12.25 s
        QCOMPARE(::meldung, QStringLiteral("Sie haben 987 Punkte erreicht!"));
        QCOMPARE(letztesErgebnis(115, 7), QStringLiteral("07.03.2026   987,75"));
    }
};

int main(int argc, char** argv)
{
    Anwendung app(argc, argv);
    TestSammeln t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_sammeln.moc"
