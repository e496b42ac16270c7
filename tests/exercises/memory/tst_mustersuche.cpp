// FARFO I and II, Alphamix and the end orders of the frame: the task maker and
// the block comparison, the Farfo window's keys, boxes and red frame, Alphamix's
// scoring, hit test and end texts, what a closed Alphamix keeps, and a run of
// each window from the dispatcher to the stored result.
#include "common/satzdatei.h"
#include "common/zustand.h"
#include "exercises/memory/register.h"
#include "exercises/memory/uwahr01.h"
#include "exercises/memory/uwahr03.h"
#include "exercises/shared/mitglied.h"
#include "platform/anwendung.h"
#include "platform/dialoge.h"
#include "platform/farben.h"
#include "platform/leinwand.h"
#include "shell/aufruf.h"
#include "shell/ergebnisse.h"
#include "shell/programmtabelle.h"
#include "tests/support/testumgebung.h"
#include "tests/support/uebungsumgebung.h"

#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <optional>

namespace {

Testuhr g_uhr;

const Farfoart& farfo(int n) { return mitgliedVon(Twahr01::mitglieder(), n); }

QString letztesErgebnis(int programm, int nutzerNr)
{
    Satzdatei d(ergebnis::dateiname(programm / 12 - 1), ergebnis::kSatzgroesse);
    d.positioniere(ergebnis::satznummer(programm % 12, nutzerNr, 9));
    return d.liesText();
}

void taste(QWidget* f, Qt::Key k) { QTest::keyClick(f, k); }

template <typename F> void zeigeMit(F& f, QSize aussen = {1920, 1080})
{
    f.show();
    const QSize rand = f.frameGeometry().size() - f.size();
    f.hide();
    f.resize(aussen - rand);
    f.show();
}

// Arrows until the Farfo cursor stands on the block.
void gehZu(Twahr01& f, QPoint block)
{
    while (f.cursor().x() != block.x())
        taste(&f, Qt::Key_Right);
    while (f.cursor().y() != block.y())
        taste(&f, Qt::Key_Down);
}

// A block other than the sample's.
QPoint falscherBlock(const Twahr01& f)
{
    for (int c = 1; c <= 8; ++c)
        for (int r = 1; r <= 8; ++r)
            if (!f.feld().gleichDemMuster({c, r}))
                return {c, r};
    return {};
}

int gegenstaende(const Farfofeld& feld)
{
    int n = 0;
    for (int c = 1; c <= Farfofeld::kSuche; ++c)
        for (int r = 1; r <= Farfofeld::kSuche; ++r)
            n += feld.code(c, r) > 0;
    return n;
}

QPoint buchstabe(const Twahr03& f, int v)
{
    for (int i = 0; i < 32; ++i)
        if (f.spiel().wert({i % 8, i / 8}) == v)
            return {i % 8, i / 8};
    return {-1, -1};
}

}

class TestMustersuche : public QObject {
    Q_OBJECT
    std::unique_ptr<Arbeitsordner> m_ordner;
    std::optional<Uebungsumgebung> m_umgebung;

private slots:
    void initTestCase() { m_ordner = std::make_unique<Arbeitsordner>(); }
    void cleanupTestCase() { m_ordner.reset(); }
    void init() { m_umgebung.emplace(g_uhr, 7, QStringLiteral("Eva")); }
    void cleanup()
    {
        m_umgebung.reset();
        Programmtabelle::global().leeren();
    }

    void endfolgen_data()
    {
        QTest::addColumn<int>("folge");
        QTest::addColumn<bool>("fensterGezeigt");
        QTest::addColumn<bool>("schonErfasst");  // the result stored when the message window opens
        QTest::addColumn<QStringList>("boxen");
        QTest::addColumn<QString>("meldungDanach");
        QTest::addColumn<float>("punkte");  // a new value each row, so a record is seen to arrive
        QTest::addColumn<QString>("satz");
        const QString t = QStringLiteral("Sie haben 250,5 Punkte erreicht!");
        QTest::newRow("message window, then entries") << int(Endfolge::Meldefenster) << true << false << QStringList{} << t << 250.5f << "07.03.2026   250,5";
        QTest::newRow("entries, then message window") << int(Endfolge::EintragZuerst) << true << true << QStringList{} << t << 260.5f << "07.03.2026   260,5";
        QTest::newRow("plain box, meldung kept") << int(Endfolge::Meldebox) << false << false << QStringList{t} << "alt" << 270.5f << "07.03.2026   270,5";
    }
    // Each order records once, however often the end is reached.
    void endfolgen()
    {
        QFETCH(int, folge);
        QFETCH(bool, fensterGezeigt);
        QFETCH(bool, schonErfasst);
        QFETCH(QStringList, boxen);
        QFETCH(QString, meldungDanach);
        QFETCH(float, punkte);
        QFETCH(QString, satz);
        dialog::Skript skript;
        ::meldung = QStringLiteral("alt");
        std::optional<QString> beimFenster;
        Form::setzeModalErsatz([&](Form*) {
            beimFenster = letztesErgebnis(110, 7);
            return 0;
        });
        const QString vorher = letztesErgebnis(110, 7);
        Uebungslauf lauf;
        lauf.starte(1);
        for (int i = 0; i < 2; ++i)
            lauf.beende(nullptr, 110, punkte, QStringLiteral("Sie haben 250,5 Punkte erreicht!"), Endfolge(folge));
        QCOMPARE(beimFenster.has_value(), fensterGezeigt);
        if (beimFenster)
            QCOMPARE(*beimFenster, schonErfasst ? satz : vorher);
        QCOMPARE(skript.texte, boxen);
        QCOMPARE(::meldung, meldungDanach);
        QCOMPARE(letztesErgebnis(110, 7), satz);
    }

    void farfoAufgabe_data()
    {
        QTest::addColumn<int>("richtige");
        QTest::addColumn<double>("zahl");  // the random numbers; -1 a seeded sequence
        QTest::newRow("first task") << 0 << -1.0;
        QTest::newRow("after 5 right") << 5 << -1.0;
        QTest::newRow("twentieth task after 19 right") << 19 << -1.0;
        QTest::newRow("random numbers all 0") << 19 << 0.0;
        QTest::newRow("random numbers near 1") << 19 << 0.9999999;
    }
    // 10 + 3k items in the search field only; the sample a copy of a block that
    // holds an item; columns 11 to 14 empty but for the sample.
    void farfoAufgabe()
    {
        QFETCH(int, richtige);
        QFETCH(double, zahl);
        if (zahl >= 0)
            zufall::setzeFolge([zahl] { return zahl; });
        Farfofeld feld;
        for (int runde = 0; runde < 20; ++runde) {
            feld.neueAufgabe(richtige);
            QCOMPARE(gegenstaende(feld), 10 + 3 * richtige);
            const QPoint u = feld.ursprung();
            QVERIFY(u.x() >= 1 && u.x() <= 8 && u.y() >= 1 && u.y() <= 8);
            int imMuster = 0;
            for (int i = 0; i < 3; ++i)
                for (int j = 0; j < 3; ++j) {
                    QCOMPARE(feld.code(12 + i, 1 + j), feld.code(u.x() + i, u.y() + j));
                    imMuster += feld.code(12 + i, 1 + j) > 0;
                }
            QVERIFY(imMuster > 0);
            for (int r = 1; r <= 10; ++r) {
                QCOMPARE(feld.code(11, r), 0);
                if (r > 3)
                    for (int c = 12; c <= 14; ++c)
                        QCOMPARE(feld.code(c, r), 0);
            }
            QVERIFY(feld.gleichDemMuster(u));
        }
    }

    void farfoVergleich_data()
    {
        QTest::addColumn<QPoint>("block");
        QTest::addColumn<bool>("richtig");
        // sample: 1 top left, 2 in the middle, the rest empty; the field holds
        // that at (2, 2) and (6, 5), and with a 3 in the corner at (2, 6)
        QTest::newRow("the block the sample came from") << QPoint(2, 2) << true;
        QTest::newRow("an equal block elsewhere") << QPoint(6, 5) << true;
        QTest::newRow("differs in an empty cell only") << QPoint(2, 6) << false;
        QTest::newRow("shifted by one") << QPoint(1, 1) << false;
        QTest::newRow("all empty") << QPoint(8, 1) << false;
    }
    void farfoVergleich()
    {
        QFETCH(QPoint, block);
        QFETCH(bool, richtig);
        Farfofeld feld;
        for (const QPoint o : {QPoint(12, 1), QPoint(2, 2), QPoint(6, 5), QPoint(2, 6)}) {
            feld.setze(o.x(), o.y(), 1);
            feld.setze(o.x() + 1, o.y() + 1, 2);
        }
        feld.setze(4, 8, 3);
        QCOMPARE(feld.gleichDemMuster(block), richtig);
    }

    void farfoFenster_data()
    {
        QTest::addColumn<int>("n");
        QTest::addColumn<QString>("fehler");
        QTest::newRow("FARFO I") << 109 << "Fehler !";
        QTest::newRow("FARFO II") << 116 << "Fehler!";
    }
    // Shown, the first task is on at once; the cursor wraps 1 to 8 and starts on
    // (2, 2) in every task; a wrong block shows the sample's place in red before
    // its box and costs nothing; a right one gives 50 and 3 more items. The real
    // boxes are closed by Enter: that Enter neither answers again nor, by the
    // window's activation, starts the run afresh.
    void farfoFenster()
    {
        QFETCH(int, n);
        QFETCH(QString, fehler);
        Twahr01 f(farfo(n));
        zeigeMit(f);
        QCOMPARE(f.s(), 8);  // (1080 x 42 div 40) div 140
        QCOMPARE(f.ima->size(), QSize(1120, 800));
        QCOMPARE(f.Label1->text(), QStringLiteral("1 / 20"));
        QCOMPARE(f.cursor(), QPoint(2, 2));
        QCOMPARE(f.punkte(), 0.0f);
        for (Qt::Key k : {Qt::Key_Left, Qt::Key_Left, Qt::Key_Up})
            taste(&f, k);
        QCOMPARE(f.cursor(), QPoint(8, 1));
        taste(&f, Qt::Key_Right);
        taste(&f, Qt::Key_Up);
        QCOMPARE(f.cursor(), QPoint(1, 8));

        const QPoint u = f.feld().ursprung();
        QStringList boxen;
        QColor amUrsprung;
        ModalWaechter falsch([&](QWidget* m) {
            boxen << static_cast<QMessageBox*>(m)->text();
            amUrsprung = f.ima->bild().pixelColor((u.x() - 1) * 80 + 8 + 2, (u.y() - 1) * 80 + 40);
            QTest::keyClick(m, Qt::Key_Return);
        });
        gehZu(f, falscherBlock(f));
        taste(&f, Qt::Key_Return);
        QCOMPARE(boxen, QStringList{fehler});
        QCOMPARE(amUrsprung, farbe::rot);
        QCOMPARE(f.aufgabe(), 2);
        QCOMPARE(f.richtige(), 0);
        QCOMPARE(f.punkte(), 0.0f);
        QCOMPARE(f.cursor(), QPoint(2, 2));
        QCOMPARE(f.Label1->text(), QStringLiteral("2 / 20"));
        QCOMPARE(gegenstaende(f.feld()), 10);

        ModalWaechter richtig([&](QWidget* m) {
            boxen << static_cast<QMessageBox*>(m)->text();
            QTest::keyClick(m, Qt::Key_Return);
        });
        gehZu(f, f.feld().ursprung());
        taste(&f, Qt::Key_Return);
        QCOMPARE(boxen, (QStringList{fehler, QStringLiteral("RICHTIG !")}));
        QCOMPARE(f.aufgabe(), 3);
        QCOMPARE(f.richtige(), 1);
        QCOMPARE(f.punkte(), 50.0f);
        QCOMPARE(gegenstaende(f.feld()), 13);
        QVERIFY(f.laeuft());
        taste(&f, Qt::Key_Escape);
        QVERIFY(!f.isVisible());
        QVERIFY(!f.laeuft());
    }

    void farfoLauf_data()
    {
        QTest::addColumn<int>("n");
        QTest::addColumn<int>("richtigAb");  // tasks from this one on are answered right
        QTest::addColumn<QString>("ergebnis");
        QTest::addColumn<QString>("meldung");
        // 50 per right block, minus 30.25 s
        QTest::newRow("FARFO I, all right") << 109 << 1 << "07.03.2026   969,75" << "Sie haben 969 Punkte erreicht!";
        QTest::newRow("FARFO II, the last ten right") << 116 << 11 << "07.03.2026   469,75" << "Sie haben 469 Punkte erreicht!";
    }
    // From the menu through the rules window to the stored result, which is
    // there before the message window opens; 10 + 3k items in each task.
    void farfoLauf()
    {
        QFETCH(int, n);
        QFETCH(int, richtigAb);
        QFETCH(QString, ergebnis);
        QFETCH(QString, meldung);
        dialog::Skript skript;
        registriereGedaechtnis(Programmtabelle::global());
        QStringList gezeigt, anzahlen;
        QString beimMeldefenster;
        Form::setzeModalErsatz([&](Form* fenster) {
            gezeigt << fenster->objectName() + QLatin1Char('|') + fenster->windowTitle();
            if (fenster->objectName() == QLatin1String("Form3"))
                beimMeldefenster = letztesErgebnis(n, 7);
            auto* f = qobject_cast<Twahr01*>(fenster);
            if (!f)
                return 0;
            f->resize(1920, 1080);
            f->show();
            g_uhr.mono += 30.25;
            for (int a = 1; f->isVisible(); ++a) {
                anzahlen << QString::number(gegenstaende(f->feld()));
                gehZu(*f, a >= richtigAb ? f->feld().ursprung() : falscherBlock(*f));
                taste(f, Qt::Key_Return);
            }
            return 0;
        });
        QVERIFY(aufruf(n, n == 109 ? Menueart::Knopfmenue : Menueart::Windowsmenue));
        QCOMPARE(gezeigt.size(), 3);
        QCOMPARE(gezeigt[0].section(QLatin1Char('|'), 0, 0), QStringLiteral("regel"));
        QCOMPARE(gezeigt[1], farfo(n).klasse + QLatin1Char('|') + farfo(n).titel);
        QCOMPARE(gezeigt[2].section(QLatin1Char('|'), 0, 0), QStringLiteral("Form3"));
        QCOMPARE(anzahlen.size(), 20);
        QCOMPARE(anzahlen.first(), QStringLiteral("10"));
        QCOMPARE(anzahlen.last(), QString::number(10 + 3 * (20 - richtigAb)));
        QCOMPARE(skript.texte.count(QStringLiteral("RICHTIG !")), 21 - richtigAb);
        QCOMPARE(beimMeldefenster, ergebnis);
        QCOMPARE(::meldung, meldung);
        QCOMPARE(letztesErgebnis(n, 7), ergebnis);
    }

    void alphamixWahl_data()
    {
        QTest::addColumn<QString>("zellen");  // row-by-row cell numbers chosen
        QTest::addColumn<float>("punkte");
        QTest::addColumn<QString>("folge");
        // grid: A to Z row by row, cells 26 to 31 empty
        QTest::newRow("A, B") << "0 1" << 160.0f << "AB";
        QTest::newRow("an empty cell") << "31" << 70.0f << "";
        QTest::newRow("a later letter") << "0 2" << 100.0f << "A";
        QTest::newRow("a letter found already") << "0 0" << 100.0f << "A";
        QTest::newRow("outside the grid") << "0 32" << 100.0f << "A";
        QTest::newRow("all in order") << "0 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18 19 20 21 22 23 24 25"
                                      << 880.0f << "ABCDEFGHIJKLMNOPQRSTUVWXYZ";
    }
    void alphamixWahl()
    {
        QFETCH(QString, zellen);
        QFETCH(float, punkte);
        QFETCH(QString, folge);
        Alphamix a;
        a.setze(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ......"));
        for (const QString& z : zellen.split(QLatin1Char(' ')))
            a.waehle({z.toInt() % 8, z.toInt() / 8});
        QCOMPARE(a.punkte(), punkte);
        QCOMPARE(a.folge(), folge);
        QCOMPARE(a.fertig(), folge.size() == 26);
    }

    void alphamixTreffer_data()
    {
        QTest::addColumn<QSize>("fenster");
        QTest::addColumn<QSize>("zelle");  // cw x ch
        QTest::addColumn<QPoint>("punkt");
        QTest::addColumn<float>("punkte");  // after the press: A is cell (0, 0)
        const QSize klein(1400, 1003), gross(1920, 1080);
        // pb 1080 x 540
        QTest::newRow("A") << gross << QSize(135, 135) << QPoint(1, 1) << 130.0f;
        QTest::newRow("left border") << gross << QSize(135, 135) << QPoint(0, 50) << 100.0f;
        QTest::newRow("a line") << gross << QSize(135, 135) << QPoint(135, 50) << 100.0f;
        QTest::newRow("B is wrong first") << gross << QSize(135, 135) << QPoint(136, 134) << 70.0f;
        QTest::newRow("last cell, empty") << gross << QSize(135, 135) << QPoint(1079, 539) << 70.0f;
        // pb 1002 x 501: a strip right of and below the cells
        QTest::newRow("bottom line") << klein << QSize(125, 125) << QPoint(50, 500) << 100.0f;
        QTest::newRow("strip right") << klein << QSize(125, 125) << QPoint(1001, 50) << 100.0f;
        QTest::newRow("last line") << klein << QSize(125, 125) << QPoint(1000, 50) << 100.0f;
    }
    // Off the cells a press chooses nothing and costs nothing.
    void alphamixTreffer()
    {
        QFETCH(QSize, fenster);
        QFETCH(QSize, zelle);
        QFETCH(QPoint, punkt);
        QFETCH(float, punkte);
        zufall::setzeFolge([] { return 0.0; });  // A to Z row by row
        Twahr03 f;
        zeigeMit(f, fenster);
        QTest::mouseClick(f.start, Qt::LeftButton);
        QCOMPARE(QSize(f.raster().cw(), f.raster().ch()), zelle);
        QCOMPARE(f.pb->height(), fenster.height() / 2);
        QTest::mouseClick(f.pb, Qt::LeftButton, {}, punkt);
        QCOMPARE(f.spiel().punkte(), punkte);
    }

    // Closed in the middle of a run and shown again: only Start acts; Enter,
    // the arrows and a press on the old grid do nothing, and nothing is stored.
    void alphamixNachSchliessen()
    {
        zufall::setzeFolge([] { return 0.0; });
        const QByteArray vorher = m_ordner->lies(QStringLiteral("xbaserg8.dat"));
        Twahr03 f;
        zeigeMit(f);
        taste(&f, Qt::Key_Right);
        taste(&f, Qt::Key_Return);  // before Start: nothing
        QCOMPARE(f.cursor(), QPoint(0, 0));
        QTest::mouseClick(f.start, Qt::LeftButton);
        for (int i = 0; i < 25; ++i) {  // A to Y, row by row
            while (f.cursor() != QPoint(i % 8, i / 8))
                taste(&f, f.cursor().x() != i % 8 ? Qt::Key_Right : Qt::Key_Down);
            taste(&f, Qt::Key_Return);
        }
        QCOMPARE(f.folge->text(), QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXY"));
        taste(&f, Qt::Key_Escape);
        QVERIFY(!f.isVisible());
        f.show();
        QVERIFY(f.start->isVisible());
        QVERIFY(!f.pb->isVisible());
        QCOMPARE(f.folge->text(), QString());
        taste(&f, Qt::Key_Return);
        taste(&f, Qt::Key_Left);
        QCOMPARE(f.spiel().gefunden(), 25);
        QCOMPARE(f.spiel().punkte(), 850.0f);
        QVERIFY(f.isVisible());
        QCOMPARE(m_ordner->lies(QStringLiteral("xbaserg8.dat")), vorher);
        QVERIFY(::meldung.isEmpty());
    }

    void alphamixLauf_data()
    {
        QTest::addColumn<bool>("maus");  // Z chosen with the mouse, else with Enter
        QTest::addColumn<QString>("meldung");
        // 100 + 26 x 30 - 30 for an empty cell - 30 for A again - 12.25 s
        QTest::newRow("Z with Enter: whole points") << false << "Sie haben 807 Punkte erreicht!";
        QTest::newRow("Z with the mouse: five characters") << true << "Sie haben 807,7 Punkte erreicht!";
    }
    // From the menu to the stored result: the letters by cursor and Enter, the
    // last one as the row says.
    void alphamixLauf()
    {
        QFETCH(bool, maus);
        QFETCH(QString, meldung);
        registriereGedaechtnis(Programmtabelle::global());
        QStringList gezeigt;
        Form::setzeModalErsatz([&](Form* fenster) {
            gezeigt << fenster->objectName() + QLatin1Char('|') + fenster->windowTitle();
            auto* f = qobject_cast<Twahr03*>(fenster);
            if (!f)
                return 0;
            f->resize(1920, 1080);
            f->show();
            QTest::mouseClick(f->start, Qt::LeftButton);
            g_uhr.mono += 12.25;
            QTest::mouseClick(f->pb, Qt::LeftButton, {}, f->raster().zelle(buchstabe(*f, 0)).center());
            for (int v = 1; v <= 26; ++v) {
                const QPoint z = buchstabe(*f, v);
                if (v == 26 && maus) {
                    QTest::mouseClick(f->pb, Qt::LeftButton, {}, f->raster().zelle(z).center());
                    break;
                }
                while (f->cursor() != z)
                    taste(f, f->cursor().x() != z.x() ? Qt::Key_Left : Qt::Key_Up);
                taste(f, Qt::Key_Return);
                if (v == 1)
                    taste(f, Qt::Key_Return);
            }
            return 0;
        });
        QVERIFY(aufruf(111, maus ? Menueart::Windowsmenue : Menueart::Knopfmenue));
        QCOMPARE(gezeigt.size(), 3);
        QCOMPARE(gezeigt[0].section(QLatin1Char('|'), 0, 0), QStringLiteral("regel"));
        QCOMPARE(gezeigt[1], QStringLiteral("Twahr03|Alphamix"));
        QCOMPARE(gezeigt[2].section(QLatin1Char('|'), 0, 0), QStringLiteral("Form3"));
        QCOMPARE(::meldung, meldung);
        QCOMPARE(letztesErgebnis(111, 7), QStringLiteral("07.03.2026   807,75"));
    }
};

int main(int argc, char** argv)
{
    Anwendung app(argc, argv);
    TestMustersuche t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_mustersuche.moc"
