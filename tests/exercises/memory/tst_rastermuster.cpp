// "Repro" and "Wortmuster": Repro's marking, evaluation and K by mouse and
// keyboard; Wortmuster's letters, judging, L and its word list; closing in the
// middle of a task; a run of each window from the menu to the stored result,
// with the time before the first Start deducted. Timer1's tick is called
// directly; the clock is the test clock.
#include "common/satzdatei.h"
#include "common/zustand.h"
#include "exercises/memory/register.h"
#include "exercises/memory/uged01.h"
#include "exercises/memory/uged13.h"
#include "platform/anwendung.h"
#include "platform/dialoge.h"
#include "platform/farben.h"
#include "shell/aufruf.h"
#include "shell/ergebnisse.h"
#include "shell/programmtabelle.h"
#include "tests/support/testumgebung.h"
#include "tests/support/uebungsumgebung.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <optional>

namespace {

Testuhr g_uhr;

QString letztesErgebnis(int programm, int nutzerNr)
{
    Satzdatei d(ergebnis::dateiname(programm / 12 - 1), ergebnis::kSatzgroesse);
    d.positioniere(ergebnis::satznummer(programm % 12, nutzerNr, 9));
    return d.liesText();
}

// A word list of 577 records that repeats the given words.
QByteArray liste(const QStringList& woerter)
{
    QByteArray b;
    for (int i = 0; i < 577; ++i)
        b += kurztext::satz(woerter[i % woerter.size()], 20);
    return b;
}

template <typename F> std::unique_ptr<F> gezeigt(QSize aussen = {1920, 1080})
{
    auto f = std::make_unique<F>();
    f->show();
    const QSize rand = f->frameGeometry().size() - f->size();
    f->hide();
    f->resize(aussen - rand);
    f->show();
    QApplication::setActiveWindow(f.get());
    return f;
}

void taste(QWidget* f, Qt::Key k)
{
    QWidget* ziel = QApplication::focusWidget();
    QTest::keyClick(ziel && ziel->window() == f ? ziel : f, k);
}

void tippeText(QWidget* feld, const QString& text)
{
    for (QChar c : text)
        QTest::sendKeyEvent(QTest::Click, feld, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

// Steps of Repro: "S" Start, "T" the tick, "m12" a left press in cell (1, 2),
// "M12" with Shift, "C12" with Ctrl, "p835,50" a left press at that pixel,
// "r" a right press on the image, "b" beside it, "e" Enter, "s" Space,
// "R" "L" "U" "D" the arrows.
void schritte(Tged01& f, const QString& folge)
{
    for (const QString& s : folge.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const auto mitte = [&] { return f.innen(QPoint(s[1].digitValue(), s[2].digitValue())).center(); };
        switch (s[0].unicode()) {
        case 'S': QTest::mouseClick(f.start, Qt::LeftButton); break;
        case 'T': f.Timer1Timer(); break;
        case 'm': QTest::mouseClick(f.pb, Qt::LeftButton, {}, mitte()); break;
        case 'M': QTest::mouseClick(f.pb, Qt::LeftButton, Qt::ShiftModifier, mitte()); break;
        case 'C': QTest::mouseClick(f.pb, Qt::LeftButton, Qt::ControlModifier, mitte()); break;
        case 'p': {
            const QStringList xy = s.mid(1).split(QLatin1Char(','));
            QTest::mouseClick(f.pb, Qt::LeftButton, {}, QPoint(xy[0].toInt(), xy[1].toInt()));
            break;
        }
        case 'r': QTest::mouseClick(f.pb, Qt::RightButton, {}, f.pb->rect().center()); break;
        case 'b': QTest::mouseClick(&f, Qt::RightButton, {}, QPoint(5, f.height() / 2)); break;
        case 'e': taste(&f, Qt::Key_Return); break;
        case 's': taste(&f, Qt::Key_Space); break;
        case 'R': taste(&f, Qt::Key_Right); break;
        case 'L': taste(&f, Qt::Key_Left); break;
        case 'U': taste(&f, Qt::Key_Up); break;
        case 'D': taste(&f, Qt::Key_Down); break;
        }
    }
}

}

class TestRastermuster : public QObject {
    Q_OBJECT
    std::unique_ptr<Arbeitsordner> m_ordner;
    QByteArray m_begriffe;
    std::optional<Uebungsumgebung> m_umgebung;

private slots:
    void initTestCase()
    {
        m_ordner = std::make_unique<Arbeitsordner>();
        m_begriffe = m_ordner->lies(QStringLiteral("begriffe.dat"));
    }
    void cleanupTestCase() { m_ordner.reset(); }
    void init()
    {
        m_umgebung.emplace(g_uhr, 7, QStringLiteral("Eva"));
        // random numbers 0: the pattern is the first K cells in reading order
        zufall::setzeFolge([] { return 0.0; });
    }
    void cleanup()
    {
        m_umgebung.reset();
        m_ordner->schreibe(QStringLiteral("begriffe.dat"), m_begriffe);
    }

    void repro_data()
    {
        QTest::addColumn<QSize>("fenster");
        QTest::addColumn<QString>("ablauf");
        QTest::addColumn<float>("punkte");
        QTest::addColumn<int>("k");
        QTest::addColumn<int>("markiert");
        const QSize gross(1920, 1080);
        // image 837 x 670: cells 167 x 167, a strip right of x 835 and below y 668
        const QSize schmal(1400, 1006);
        // K = 2: cells (0,0) and (1,0); K = 3: also (2,0)
        QTest::newRow("no marks: 100 - 10K") << gross << "S T r" << 180.0f << 2 << 0;
        QTest::newRow("K = 3, no marks") << gross << "S T m00 m10 r S T b" << 270.0f << 2 << 0;
        QTest::newRow("clean task raises K") << gross << "S T m00 m10 r" << 200.0f << 3 << 2;
        QTest::newRow("an error lowers K") << gross << "S T m00 m10 r S T m00 m10 m30 r" << 280.0f << 2 << 3;
        QTest::newRow("an error at K = 2 keeps it") << gross << "S T m00 m20 r" << 180.0f << 2 << 2;
        QTest::newRow("a press again unmarks") << gross << "S T m00 m10 m10 r" << 190.0f << 2 << 1;
        QTest::newRow("Enter on the K-th evaluates") << gross << "S T e R e" << 200.0f << 3 << 2;
        QTest::newRow("any key after K marks") << gross << "S T m00 m10 s" << 200.0f << 3 << 2;
        QTest::newRow("the arrows wrap") << gross << "S T L U e D R e" << 180.0f << 2 << 2;
        QTest::newRow("Shift marks nothing") << gross << "S T M00 r" << 180.0f << 2 << 0;
        QTest::newRow("Ctrl marks nothing") << gross << "S T C00 r" << 180.0f << 2 << 0;
        // image 900 x 720: cells 180 x 180; a line marks the cell right of or below it
        QTest::newRow("a grid line marks the cell right of it") << gross << "S T p180,50 r" << 190.0f << 2 << 1;
        QTest::newRow("the top edge marks the cell below it") << gross << "S T p50,0 r" << 190.0f << 2 << 1;
        QTest::newRow("strip right marks nothing") << schmal << "S T p835,50 r" << 180.0f << 2 << 0;
        QTest::newRow("strip below marks nothing") << schmal << "S T p50,668 r" << 180.0f << 2 << 0;
        QTest::newRow("last pixel of cell (4,3)") << schmal << "S T p834,667 r" << 170.0f << 2 << 1;
        QTest::newRow("right click in the display does nothing") << gross << "S r b m00" << 100.0f << 2 << 0;
        QTest::newRow("marks in the display count nothing") << gross << "S e m00 T r" << 180.0f << 2 << 0;
        QTest::newRow("right click after the evaluation") << gross << "S T m00 m10 r r b m20" << 200.0f << 3 << 2;
        QTest::newRow("keys after a keyboard evaluation") << gross << "S T e R e D r" << 200.0f << 3 << 2;
        // Start has the focus after a check by mouse: Enter and Space press it
        QTest::newRow("Enter after a mouse check starts") << gross << "S T m00 m10 r e" << 200.0f << 3 << 0;
        QTest::newRow("Space after an arrow starts") << gross << "S T m00 m10 r R s" << 200.0f << 3 << 0;
    }
    void repro()
    {
        QFETCH(QSize, fenster);
        QFETCH(QString, ablauf);
        QFETCH(float, punkte);
        QFETCH(int, k);
        QFETCH(int, markiert);
        auto f = gezeigt<Tged01>(fenster);
        schritte(*f, ablauf);
        QCOMPARE(f->punkte(), punkte);
        QCOMPARE(f->K(), k);
        QCOMPARE(f->markiert(), markiert);
    }

    // The discs of an evaluation: green on a right mark, red on a wrong cell.
    void scheiben()
    {
        auto f = gezeigt<Tged01>();
        schritte(*f, QStringLiteral("S T m00 m20 r"));
        const QImage& bild = f->pb->bild();
        QCOMPARE(bild.pixelColor(f->innen(QPoint(0, 0)).center()), farbe::gruen);
        QCOMPARE(bild.pixelColor(f->innen(QPoint(1, 0)).center()), farbe::rot);
        QCOMPARE(bild.pixelColor(f->innen(QPoint(2, 0)).center()), farbe::rot);
        QCOMPARE(bild.pixelColor(f->innen(QPoint(3, 0)).center()), farbe::blau);
        QVERIFY(f->start->isVisible());
    }

    void schliessen_data()
    {
        QTest::addColumn<bool>("wortmuster");
        QTest::addColumn<bool>("nachAnzeige");
        QTest::newRow("Repro in the display") << false << false;
        QTest::newRow("Repro while marking") << false << true;
        QTest::newRow("Wortmuster in the display") << true << false;
        QTest::newRow("Wortmuster while typing") << true << true;
    }
    // Closed mid-task: Timer1 off and nothing left to evaluate; shown again, a
    // right click and a key before Start do nothing.
    void schliessen()
    {
        QFETCH(bool, wortmuster);
        QFETCH(bool, nachAnzeige);
        std::unique_ptr<Rasterfenster> f;
        if (wortmuster)
            f = gezeigt<Tged13>();
        else
            f = gezeigt<Tged01>();
        QTest::mouseClick(f->start, Qt::LeftButton);
        QVERIFY(f->Timer1->isActive());
        if (nachAnzeige)
            f->Timer1Timer();
        f->close();
        QVERIFY(!f->Timer1->isActive());
        QVERIFY(f->start->isVisibleTo(f.get()));
        f->show();
        QCOMPARE(f->zaehler(), 0);
        QCOMPARE(f->punkte(), 100.0f);
        if (auto* r = qobject_cast<Tged01*>(f.get())) {
            QVERIFY(!r->markieren());
            QVERIFY(!r->tastatur());
            QTest::mouseClick(r, Qt::RightButton, {}, QPoint(5, r->height() / 2));
            QCOMPARE(r->punkte(), 100.0f);
        }
    }

    void wortmuster_data()
    {
        QTest::addColumn<QStringList>("woerter");
        QTest::addColumn<QString>("getippt");
        QTest::addColumn<QString>("feld");
        QTest::addColumn<QString>("rifa");
        QTest::addColumn<QString>("buchstaben");  // row 1 after the tick
        // random numbers 0: the pattern is the first cells, the others "A"
        QTest::newRow("lower case with umlaut") << QStringList{"Kühe"} << "kühe" << "KÜHE" << "RICHTIG!" << "KÜHEA";
        QTest::newRow("upper case with umlaut") << QStringList{"Kühe"} << "KÜHE" << "KÜHE" << "RICHTIG!" << "KÜHEA";
        QTest::newRow("without the umlaut") << QStringList{"Kühe"} << "kuhe" << "KUHE" << "FEHLER!" << "KÜHEA";
        QTest::newRow("longer") << QStringList{"Kühe"} << "kühen" << "KÜHEN" << "FEHLER!" << "KÜHEA";
        QTest::newRow("digits and ß dropped") << QStringList{"Rose"} << "r1oß-se" << "ROSE" << "RICHTIG!" << "ROSEA";
        QTest::newRow("no 4 letters: 3 cells") << QStringList{"Uhr", "Ei", "Lehrerin"} << "uhr" << "UHR" << "RICHTIG!" << "UHRAA";
    }
    void wortmuster()
    {
        QFETCH(QStringList, woerter);
        QFETCH(QString, getippt);
        QFETCH(QString, feld);
        QFETCH(QString, rifa);
        QFETCH(QString, buchstaben);
        m_ordner->schreibe(QStringLiteral("begriffe.dat"), liste(woerter));
        auto f = gezeigt<Tged13>();
        QCOMPARE(levelnr, 4);
        QTest::mouseClick(f->start, Qt::LeftButton);
        QCOMPARE(f->aufzahl->text(), QStringLiteral("Aufgabe: 1 / 12"));
        QVERIFY(!f->eingabe->isVisible());
        f->Timer1Timer();
        QString reihe;
        for (int c = 0; c < 5; ++c)
            reihe += f->buchstabe(QPoint(c, 0));
        QCOMPARE(reihe, buchstaben);
        // the letter drawn white in its cell
        int weiss = 0;
        const QRect zelle = f->innen(QPoint(0, 0));
        for (int y = zelle.top(); y <= zelle.bottom(); ++y)
            for (int x = zelle.left(); x <= zelle.right(); ++x)
                weiss += f->pb->bild().pixelColor(x, y) == farbe::weiss;
        QVERIFY2(weiss > 200, qPrintable(QString::number(weiss)));
        QVERIFY(f->eingabe->hasFocus());
        tippeText(f->eingabe, getippt);
        QCOMPARE(f->eingabe->text(), feld);
        taste(f.get(), Qt::Key_Return);
        QCOMPARE(f->rifa->text(), rifa);
        const bool richtig = rifa == QStringLiteral("RICHTIG!");
        QCOMPARE(f->punkte(), richtig ? 200.0f : 100.0f);
        // the pattern yellow after a wrong answer, blue after a right one
        const QRect r = f->zellrechteck(QPoint(0, 0));
        QCOMPARE(f->pb->bild().pixelColor(r.left() + 3, r.top() + 3), richtig ? farbe::blau : farbe::gelb);
        QCOMPARE(f->pb->bild().pixelColor(f->zellrechteck(QPoint(4, 3)).topLeft() + QPoint(3, 3)), farbe::blau);
        QVERIFY(f->start->hasFocus());
    }

    // Every answer right and Enter pressed 50 times: judged once each, L grows
    // after every third and stops at 7.
    void stufe()
    {
        m_ordner->schreibe(QStringLiteral("begriffe.dat"),
                           liste({"Haus", "Mühle", "Hütten", "Übungen", "Lehrerin", "Kinderbuch"}));
        auto f = gezeigt<Tged13>();
        QList<int> laengen;
        for (int aufgabe = 1; aufgabe <= 12; ++aufgabe) {
            QTest::mouseClick(f->start, Qt::LeftButton);
            f->Timer1Timer();
            laengen << f->wort().size();
            tippeText(f->eingabe, f->wort().toLower());
            // the first judges; then a click back into the field and Enter again
            for (int i = 0; i < 50; ++i) {
                QTest::mouseClick(f->eingabe, Qt::LeftButton);
                QTest::keyClick(f->eingabe, Qt::Key_Return);
            }
            QCOMPARE(f->punkte(), 100.0f + 100.0f * aufgabe);
            QVERIFY2(levelnr <= 7, qPrintable(QString::number(levelnr)));
        }
        QCOMPARE(laengen, (QList<int>{4, 4, 4, 5, 5, 5, 6, 6, 6, 7, 7, 7}));
        QCOMPARE(levelnr, 7);
    }

    void schlechteListe_data()
    {
        QTest::addColumn<bool>("fehlt");
        QTest::addColumn<QString>("meldung");
        QTest::addColumn<bool>("offen");
        QTest::newRow("missing") << true << "Datei nicht gefunden" << true;
        QTest::newRow("no word up to 4 letters") << false
            << "Die Wortliste \"begriffe.dat\" enthält zu wenige passende Wörter für diese Übung." << false;
    }
    // A missing list leaves Start and the counter; a list without a short
    // enough word closes the window without a result.
    void schlechteListe()
    {
        QFETCH(bool, fehlt);
        QFETCH(QString, meldung);
        QFETCH(bool, offen);
        if (fehlt)
            QFile::remove(m_ordner->pfad(QStringLiteral("begriffe.dat")));
        else
            m_ordner->schreibe(QStringLiteral("begriffe.dat"), liste({"Langeswort"}));
        const QByteArray vorher = m_ordner->lies(QStringLiteral("xbaserg6.dat"));
        dialog::Skript skript;
        auto f = gezeigt<Tged13>();
        QTest::mouseClick(f->start, Qt::LeftButton);
        QCOMPARE(skript.texte, QStringList{meldung});
        QCOMPARE(f->isVisible(), offen);
        QCOMPARE(f->start->isVisibleTo(f.get()), true);
        QCOMPARE(f->zaehler(), 0);
        QVERIFY(!f->Timer1->isActive());
        QVERIFY(::meldung.isEmpty());
        QCOMPARE(m_ordner->lies(QStringLiteral("xbaserg6.dat")), vorher);
    }

    void ganzerLauf_data()
    {
        QTest::addColumn<int>("n");
        QTest::addColumn<QString>("fenster");
        QTest::addColumn<QString>("ergebnis");
        QTest::addColumn<QString>("meldung");
        // Repro: 12 tasks without marks at K = 2, 100 + 12 x 80; Wortmuster: 12
        // right words, 100 + 12 x 100; both minus 30.5 s before the first Start
        QTest::newRow("Repro") << 92 << "Tged01|Repro" << "07.03.2026   1029,5" << "Sie haben 1029 Punkte erreicht!";
        QTest::newRow("Wortmuster") << 95 << "Tged13|Wortmuster" << "07.03.2026   1269,5"
                                    << "Sie haben 1269 Punkte erreicht!";
    }
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
        int aufgaben = 0;
        Form::setzeModalErsatz([&](Form* fenster) {
            gezeigt << fenster->objectName() + QLatin1Char('|') + fenster->windowTitle();
            auto* f = qobject_cast<Rasterfenster*>(fenster);
            if (!f)
                return 0;
            f->resize(1920, 1080);
            f->show();
            QApplication::setActiveWindow(f);
            g_uhr.mono += 30.5;  // before the first Start
            while (f->isVisible()) {
                QTest::mouseClick(f->start, Qt::LeftButton);
                if (!f->isVisible())
                    break;
                ++aufgaben;
                f->Timer1Timer();
                if (auto* w = qobject_cast<Tged13*>(f)) {
                    tippeText(w->eingabe, w->wort());
                    taste(w, Qt::Key_Return);
                } else {
                    QTest::mouseClick(f->pb, Qt::RightButton, {}, f->pb->rect().center());
                }
            }
            return 0;
        });
        QVERIFY(aufruf(n, n % 2 ? Menueart::Knopfmenue : Menueart::Windowsmenue));
        QCOMPARE(gezeigt.size(), 3);
        QCOMPARE(gezeigt[0].section(QLatin1Char('|'), 0, 0), QStringLiteral("regel"));
        QCOMPARE(gezeigt[1], fenster);
        QCOMPARE(gezeigt[2].section(QLatin1Char('|'), 0, 0), QStringLiteral("Form3"));
        QCOMPARE(aufgaben, 12);
        QCOMPARE(::meldung, meldung);
        QCOMPARE(letztesErgebnis(n, 7), ergebnis);
        Programmtabelle::global().leeren();
    }
};

int main(int argc, char** argv)
{
    Anwendung app(argc, argv);
    TestRastermuster t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_rastermuster.moc"
