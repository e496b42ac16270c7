// Tastaturspiel, Mausspiel, Reaktion I and II: the hit test of the 5 x 5 field,
// keys and presses that hit or miss, the draws that never repeat, the cross
// reaction's time and the input it ignores, and a run of each window from the
// dispatcher to the stored result. The clock and Timer1 are driven by the test.
#include "common/zustand.h"
#include "exercises/reaction/register.h"
#include "exercises/reaction/urea04.h"
#include "exercises/reaction/urea09.h"
#include "exercises/shared/symboltabelle.h"
#include "platform/anwendung.h"
#include "platform/farben.h"
#include "platform/leinwand.h"
#include "shell/aufruf.h"
#include "shell/programmtabelle.h"
#include "tests/exercises/reaction/fallhilfe.h"
#include "tests/support/testumgebung.h"
#include "tests/support/uebungsumgebung.h"

#include <QLabel>
#include <QPushButton>
#include <QSet>
#include <optional>

namespace {

Testuhr g_uhr;

void taste(QWidget* f, Qt::Key k, Qt::KeyboardModifiers m = Qt::NoModifier)
{
    QWidget* ziel = QApplication::focusWidget();
    QTest::keyClick(ziel && ziel->window() == f ? ziel : f, k, m);
}

Qt::Key buchstabentaste(int l) { return Qt::Key(Qt::Key_A + l - 1); }

// The arrow towards end d (1 up, 2 right, 3 down, 4 left).
Qt::Key pfeil(int d) { return std::array{Qt::Key_Up, Qt::Key_Right, Qt::Key_Down, Qt::Key_Left}[d - 1]; }

// Moves both clocks on; the time of day wraps at midnight.
void spaeter(double s)
{
    g_uhr.mono += s;
    g_uhr.zeit += s / 86400.0;
    if (g_uhr.zeit >= 1.0)
        g_uhr.zeit -= 1.0;
}

int schwarzIn(const QImage& bild, const QRect& feld)
{
    int n = 0;
    for (int y = feld.top(); y <= feld.bottom(); ++y)
        for (int x = feld.left(); x <= feld.right(); ++x)
            n += bild.pixelColor(x, y) == farbe::schwarz;
    return n;
}

const Feldart& feldart(int n) { return Trea04::mitglieder()[n == 64]; }
const Kreuzart& kreuzart(int n) { return Trea09::mitglieder()[n == 69]; }

}

class TestReaktionsfelder : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void zelleBei_data();
    void zelleBei();
    void tastatur_data();
    void tastatur();
    void folgen_data();
    void folgen();
    void maus_data();
    void maus();
    void kreuz_data();
    void kreuz();
    void reaktion2Zeichen();
    void ganzerLauf_data();
    void ganzerLauf();
    void schliessfeld_data();
    void schliessfeld();

private:
    std::unique_ptr<Arbeitsordner> m_ordner;
    std::optional<Uebungsumgebung> m_umgebung;
};

void TestReaktionsfelder::init()
{
    m_umgebung.emplace(g_uhr, 7, QStringLiteral("Eva"));
    g_uhr.zeit = 0.5;
}

void TestReaktionsfelder::cleanup()
{
    m_umgebung.reset();
    m_ordner.reset();
}

void TestReaktionsfelder::zelleBei_data()
{
    QTest::addColumn<QPoint>("punkt");
    QTest::addColumn<QPoint>("zelle");  // (-1, -1): none
    // an image of 503 x 503: cells of 100, three pixels right of and below the fifth
    QTest::newRow("inside the first") << QPoint(1, 1) << QPoint(0, 0);
    QTest::newRow("outer edge") << QPoint(0, 50) << QPoint(-1, -1);
    QTest::newRow("top edge") << QPoint(50, 0) << QPoint(-1, -1);
    QTest::newRow("vertical line") << QPoint(100, 50) << QPoint(-1, -1);
    QTest::newRow("horizontal line") << QPoint(250, 400) << QPoint(-1, -1);
    QTest::newRow("after a line") << QPoint(101, 399) << QPoint(1, 3);
    QTest::newRow("last of the fifth") << QPoint(499, 499) << QPoint(4, 4);
    QTest::newRow("right edge of the fifth") << QPoint(500, 50) << QPoint(-1, -1);
    QTest::newRow("right of the fifth") << QPoint(502, 50) << QPoint(-1, -1);
    QTest::newRow("below the fifth") << QPoint(50, 502) << QPoint(-1, -1);
    QTest::newRow("negative") << QPoint(-5, 50) << QPoint(-1, -1);
}

void TestReaktionsfelder::zelleBei()
{
    QFETCH(QPoint, punkt);
    QFETCH(QPoint, zelle);
    Fuenffeld f;
    f.messe(503, 503);
    QCOMPARE(f.zelleBei(punkt).value_or(QPoint(-1, -1)), zelle);
}

void TestReaktionsfelder::tastatur_data()
{
    QTest::addColumn<QString>("vorStart");  // keys before Start
    QTest::addColumn<QString>("tasten");    // after Start: s Shift, S Shift + the letter, r the letter,
                                            // a arrow, e Esc, u "ä", l Space, x a wrong letter
    QTest::addColumn<float>("punkte");
    QTest::addColumn<int>("treffer");
    QTest::newRow("Shift + letter: Shift costs 30, the letter hits") << "" << "S" << 100.0f << 1;
    QTest::newRow("Shift alone") << "" << "s" << 70.0f << 0;
    QTest::newRow("right letter") << "" << "r" << 130.0f << 1;
    QTest::newRow("arrow, Esc, ä, Space, wrong letter") << "" << "aeulx" << -50.0f << 0;
    QTest::newRow("keys before Start count nothing") << "rsaex" << "" << 100.0f << 0;
}

// The letter of the first task is A (random 0); the wrong letter is Z.
void TestReaktionsfelder::tastatur()
{
    QFETCH(QString, vorStart);
    QFETCH(QString, tasten);
    QFETCH(float, punkte);
    QFETCH(int, treffer);
    zufall::setzeFolge([] { return 0.0; });
    Trea04 f(feldart(63));
    f.show();
    const auto drueck = [&](QChar c) {
        switch (c.unicode()) {
        case 's': taste(&f, Qt::Key_Shift); break;
        case 'S': taste(&f, buchstabentaste(f.buchstabe()), Qt::ShiftModifier); break;
        case 'r': taste(&f, buchstabentaste(std::max(1, f.buchstabe()))); break;
        case 'a': taste(&f, Qt::Key_Left); break;
        case 'e': taste(&f, Qt::Key_Escape); break;
        case 'u': QTest::sendKeyEvent(QTest::Click, &f, Qt::Key_Adiaeresis, QStringLiteral("ä"), Qt::NoModifier); break;
        case 'l': taste(&f, Qt::Key_Space); break;
        default: taste(&f, Qt::Key_Z); break;
        }
    };
    const float anfang = f.punkte();
    for (QChar c : vorStart)
        drueck(c);
    QVERIFY(!f.laeuft());
    QCOMPARE(f.punkte(), anfang);
    QCOMPARE(f.treffer(), 0);
    QTest::mouseClick(f.start, Qt::LeftButton);
    QCOMPARE(f.buchstabe(), 1);
    QCOMPARE(f.punkte(), 100.0f);
    for (QChar c : tasten)
        drueck(c);
    QCOMPARE(f.punkte(), punkte);
    QCOMPARE(f.treffer(), treffer);
    QVERIFY(f.isVisible());
}

void TestReaktionsfelder::folgen_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<QString>("folge");  // the tasks of a run of three and the first of the next
    // random numbers all 0: the first choice of the candidates left
    QTest::newRow("letters, also across runs") << 63 << "A B A | B";
    QTest::newRow("squares, never top left first") << 64 << "10 00 10 | 10";
}

void TestReaktionsfelder::folgen()
{
    QFETCH(int, n);
    QFETCH(QString, folge);
    zufall::setzeFolge([] { return 0.0; });
    Trea04 f(feldart(n));
    f.resize(1920, 1080);
    QStringList gesehen;
    const auto aufgabe = [&] {
        gesehen << (n == 63 ? QString(QChar(u'A' + f.buchstabe() - 1))
                            : QStringLiteral("%1%2").arg(f.zelle().x()).arg(f.zelle().y()));
    };
    for (int lauf = 1; lauf <= 2; ++lauf) {
        f.show();
        QTest::mouseClick(f.start, Qt::LeftButton);
        aufgabe();
        for (int i = 1; lauf == 1 && i < 3; ++i) {
            if (n == 63)
                taste(&f, buchstabentaste(f.buchstabe()));
            else
                QTest::mouseClick(f.pb, Qt::LeftButton, {}, f.feld().zelle(f.zelle().x(), f.zelle().y()).center());
            aufgabe();
        }
        QCOMPARE(f.treffer(), lauf == 1 ? 2 : 0);
        f.close();
        if (lauf == 1)
            gesehen << QStringLiteral("|");
    }
    QCOMPARE(gesehen.join(QLatin1Char(' ')), folge);
}

void TestReaktionsfelder::maus_data()
{
    QTest::addColumn<int>("feld");       // the square's cell, 1 to 24 row by row
    QTest::addColumn<QPoint>("ecke");    // in cells
    QTest::addColumn<QPoint>("versatz"); // in pixels from there
    QTest::addColumn<bool>("treffer");
    QTest::newRow("inside") << 1 << QPoint(1, 0) << QPoint(1, 1) << true;
    QTest::newRow("its left line") << 1 << QPoint(1, 0) << QPoint(0, 5) << false;
    QTest::newRow("its right line") << 1 << QPoint(2, 0) << QPoint(0, 5) << false;
    QTest::newRow("its bottom line") << 1 << QPoint(1, 1) << QPoint(5, 0) << false;
    QTest::newRow("top edge") << 1 << QPoint(1, 0) << QPoint(5, 0) << false;
    QTest::newRow("left edge") << 5 << QPoint(0, 1) << QPoint(0, 5) << false;
    QTest::newRow("right of the fifth cell") << 9 << QPoint(5, 1) << QPoint(1, 5) << false;
    QTest::newRow("below the fifth cell") << 24 << QPoint(4, 5) << QPoint(5, 1) << false;
    QTest::newRow("last pixel of the fifth cell") << 24 << QPoint(5, 5) << QPoint(-1, -1) << true;
}

void TestReaktionsfelder::maus()
{
    QFETCH(int, feld);
    QFETCH(QPoint, ecke);
    QFETCH(QPoint, versatz);
    QFETCH(bool, treffer);
    Zufallsfolge zufall;
    zufall.mehr({wahl(feld - 1, 24), 0.5});
    Trea04 f(feldart(64));
    f.resize(1920, 1079);  // an image with pixels right of and below the fifth cell
    f.show();
    QTest::mouseClick(f.start, Qt::LeftButton);
    const int w = f.feld().w(), h = f.feld().h();
    QVERIFY(f.pb->width() - 5 * w >= 2);
    const QPoint zelle(feld % 5, feld / 5);
    QCOMPARE(f.zelle(), zelle);
    const QImage vorher = f.pb->bild();
    QCOMPARE(vorher.pixelColor(zelle.x() * w + w / 2, zelle.y() * h + h / 2), farbe::blau);
    QCOMPARE(vorher.pixelColor(zelle.x() * w, zelle.y() * h), farbe::blau);  // over the lines
    QTest::mouseClick(f.pb, Qt::LeftButton, {}, QPoint(ecke.x() * w, ecke.y() * h) + versatz);
    QCOMPARE(f.treffer(), int(treffer));
    QCOMPARE(f.punkte(), treffer ? 130.0f : 70.0f);
    const QImage bild = f.pb->bild();
    QCOMPARE(bild.pixelColor(zelle.x() * w + w / 2, zelle.y() * h + h / 2),
             treffer ? farbe::buttonFace() : farbe::blau);
    if (treffer && zelle.x() < 4)  // the erased square gives the grid line back
        QCOMPARE(bild.pixelColor((zelle.x() + 1) * w, zelle.y() * h + h / 2), farbe::schwarz);
}

void TestReaktionsfelder::kreuz_data()
{
    QTest::addColumn<double>("tageszeit");  // at Start
    QTest::addColumn<QString>("ablauf");    // T tick, +s seconds pass, U R D L arrows, a the key A,
                                            // e Esc, n Enter
    QTest::addColumn<float>("punkte");
    QTest::addColumn<QString>("rifa");
    // the asked sign stands at the top: Up is right
    QTest::newRow("at once") << 0.5 << "T U" << 200.0f << "RICHTIG";
    QTest::newRow("0.5 s gives 90") << 0.5 << "T +0.5 U" << 190.0f << "RICHTIG";
    QTest::newRow("5 s gives 0") << 0.5 << "T +5 U" << 100.0f << "RICHTIG";
    QTest::newRow("7.25 s gives 0, never less") << 0.5 << "T +7.25 U" << 100.0f << "RICHTIG";
    QTest::newRow("wrong arrow") << 0.5 << "T +0.5 R" << 100.0f << "FEHLER";
    QTest::newRow("arrow before the sign") << 0.5 << "+1 U T +1 U" << 180.0f << "RICHTIG";
    QTest::newRow("second arrow after the answer") << 0.5 << "T +1 U +1 R" << 180.0f << "RICHTIG";
    QTest::newRow("other keys while it shows") << 0.5 << "T a e n +1 U" << 180.0f << "RICHTIG";
    QTest::newRow("two ticks: the first one's time") << 0.5 << "T +2 T +0.5 U" << 150.0f << "RICHTIG";
    QTest::newRow("across midnight") << 0.99999 << "T +1 U" << 180.0f << "RICHTIG";
}

void TestReaktionsfelder::kreuz()
{
    QFETCH(double, tageszeit);
    QFETCH(QString, ablauf);
    QFETCH(float, punkte);
    QFETCH(QString, rifa);
    g_uhr.zeit = tageszeit;
    Zufallsfolge zufall;
    // signs 1 to 4, asked the first, a wait of 1500 ms
    zufall.mehr({wahl(0, 26), wahl(1, 26), wahl(2, 26), wahl(3, 26), wahl(0, 4), 0.25});
    Trea09 f(kreuzart(68));
    f.resize(1920, 1080);
    f.show();
    QTest::mouseClick(f.start, Qt::LeftButton);
    QCOMPARE(f.aufzahl->text(), QStringLiteral("1/ 30"));
    QCOMPARE(f.Timer1->interval(), 1500);
    QVERIFY(f.Timer1->isActive());
    const Fuenffeld& feld = f.feld();
    const QRect mitte = feld.zelle(2, 2);
    int beantwortet = 0;
    for (const QString& schritt : ablauf.split(QLatin1Char(' '))) {
        const QChar c = schritt[0];
        if (c == QLatin1Char('+')) {
            spaeter(schritt.mid(1).toDouble());
        } else if (c == QLatin1Char('T')) {
            f.Timer1Timer();
            QVERIFY(!f.Timer1->isActive());
            QVERIFY(schwarzIn(f.pb->bild(), mitte) > 20);
        } else if (c == QLatin1Char('a') || c == QLatin1Char('e') || c == QLatin1Char('n')) {
            taste(&f, c == QLatin1Char('a') ? Qt::Key_A : c == QLatin1Char('e') ? Qt::Key_Escape : Qt::Key_Return);
        } else {
            const int d = QStringLiteral("URDL").indexOf(c) + 1;
            taste(&f, pfeil(d));
            if (f.stand() == Trea09::Stand::Beantwortet && !beantwortet)
                beantwortet = d;
        }
    }
    QCOMPARE(f.stand(), Trea09::Stand::Beantwortet);
    QCOMPARE(f.punkte(), punkte);
    QCOMPARE(f.rifa->text(), rifa);
    QVERIFY(f.weiter->isVisible());
    QVERIFY(f.isVisible());
    // the sign moved from the centre to the neighbour of the first arrow only
    const QImage bild = f.pb->bild();
    QCOMPARE(schwarzIn(bild, mitte.adjusted(1, 1, -1, -1)), 0);
    for (int d = 1; d <= 4; ++d) {
        const QPoint z(std::array{2, 3, 2, 1}[d - 1], std::array{1, 2, 3, 2}[d - 1]);
        QCOMPARE(schwarzIn(bild, feld.zelle(z.x(), z.y()).adjusted(1, 1, -1, -1)) > 20, d == beantwortet);
    }
}

// Reaktion II draws four different entries of the sign table, even when the
// draws repeat, and shows them as the table's characters.
void TestReaktionsfelder::reaktion2Zeichen()
{
    Zufallsfolge zufall;
    zufall.mehr({wahl(6, 30), wahl(6, 30), wahl(29, 30), wahl(6, 30), wahl(0, 30), wahl(12, 30), wahl(2, 4), 0.0});
    Trea09 f(kreuzart(69));
    QCOMPARE(f.windowTitle(), QStringLiteral("Reaktion"));
    f.resize(1920, 1080);
    f.show();
    QTest::mouseClick(f.start, Qt::LeftButton);
    QCOMPARE(f.aufgabe().zeichen, (std::array<int, 4>{7, 30, 1, 13}));
    QCOMPARE(f.aufgabe().k, 3);
    QCOMPARE(f.Timer1->interval(), 1000);
    QCOMPARE(f.zeichen(7) + f.zeichen(30) + f.zeichen(1) + f.zeichen(13), QStringLiteral("∞⇓Φ←"));
    QList<QImage> enden;
    for (const QPoint& z : {QPoint(2, 0), QPoint(4, 2), QPoint(2, 4), QPoint(0, 2)}) {
        const QRect r = f.feld().zelle(z.x(), z.y()).adjusted(1, 1, -1, -1);
        QVERIFY(schwarzIn(f.pb->bild(), r) > 20);
        enden << f.pb->bild().copy(r);
    }
    for (int i = 0; i < 4; ++i)
        for (int j = i + 1; j < 4; ++j)
            QVERIFY(enden[i] != enden[j]);
    QCOMPARE(f.pb->canvas().schrift.family(), symbolschrift(10).family());
}

void TestReaktionsfelder::ganzerLauf_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<QString>("fenster");  // class and caption
    QTest::addColumn<int>("fehler");       // misses, or wrong arrows
    QTest::addColumn<QString>("ergebnis");
    QTest::addColumn<QString>("meldung");
    // 100 + 30 x 30 - 2 x 30 - 12.5 s
    QTest::newRow("Tastaturspiel") << 63 << "Trea04|Tastaturspiel" << 2 << "07.03.2026   927,5"
                                    << "Sie haben 927 Punkte erreicht!";
    // 100 + 900 - 1200 - 12.5 s: the floor
    QTest::newRow("Tastaturspiel, floor") << 63 << "Trea04|Tastaturspiel" << 40 << "07.03.2026   2"
                                    << "Sie haben 2 Punkte erreicht!";
    QTest::newRow("Mausspiel") << 64 << "Trea05|Mausspiel" << 1 << "07.03.2026   957,5"
                                    << "Sie haben 957 Punkte erreicht!";
    // 100 + 29 x 90 after 0.5 s each, no time deduction
    QTest::newRow("Reaktion I") << 68 << "Trea09|Reaktion" << 1 << "07.03.2026   2710"
                                    << "Sie haben 2710 Punkte erreicht!";
    // 100 + 30 x 80 after 1 s each
    QTest::newRow("Reaktion II") << 69 << "Trea10|Reaktion" << 0 << "07.03.2026   2500"
                                    << "Sie haben 2500 Punkte erreicht!";
}

void TestReaktionsfelder::ganzerLauf()
{
    QFETCH(int, n);
    QFETCH(QString, fenster);
    QFETCH(int, fehler);
    QFETCH(QString, ergebnis);
    QFETCH(QString, meldung);
    m_ordner = std::make_unique<Arbeitsordner>();
    waehleNutzer(7, QStringLiteral("Eva"));
    Programmtabelle::global().leeren();
    registriereReaktion(Programmtabelle::global());
    QStringList gezeigt, zaehler;
    Form::setzeModalErsatz([&](Form* fenster) {
        gezeigt << fenster->objectName() + QLatin1Char('|') + fenster->windowTitle();
        fenster->show();
        QApplication::setActiveWindow(fenster);
        if (auto* f = qobject_cast<Trea04*>(fenster)) {
            QTest::mouseClick(f->start, Qt::LeftButton);
            for (int i = 0; i < fehler; ++i) {
                if (n == 63)
                    taste(f, buchstabentaste(f->buchstabe() % 26 + 1));
                else
                    QTest::mouseClick(f->pb, Qt::LeftButton, {}, QPoint(f->feld().w(), 5));  // a line
            }
            spaeter(12.5);
            for (int i = 0; i < Trea04::kTreffer && f->isVisible(); ++i) {
                if (n == 63)
                    taste(f, buchstabentaste(f->buchstabe()));
                else
                    QTest::mouseClick(f->pb, Qt::LeftButton, {},
                                      f->feld().zelle(f->zelle().x(), f->zelle().y()).center());
            }
        } else if (auto* f = qobject_cast<Trea09*>(fenster)) {
            QTest::mouseClick(f->start, Qt::LeftButton);
            for (int i = 1; i <= 30 && f->isVisible(); ++i) {
                zaehler << f->aufzahl->text();
                spaeter(3.0);  // the wait counts for nothing
                f->Timer1Timer();
                spaeter(n == 68 ? 0.5 : 1.0);
                const int k = f->aufgabe().k;
                taste(f, pfeil(i <= fehler ? k % 4 + 1 : k));
                taste(f, Qt::Key_Return);  // on "weiter"
            }
        }
        return 0;
    });
    QVERIFY(aufruf(n, n % 2 ? Menueart::Knopfmenue : Menueart::Windowsmenue));
    QCOMPARE(gezeigt.size(), 3);
    QCOMPARE(gezeigt[0].section(QLatin1Char('|'), 0, 0), QStringLiteral("regel"));
    QCOMPARE(gezeigt[1], fenster);
    QCOMPARE(gezeigt[2].section(QLatin1Char('|'), 0, 0), QStringLiteral("Form3"));
    if (n >= 68) {
        QCOMPARE(zaehler.size(), 30);
        QCOMPARE(zaehler.front(), QStringLiteral("1/ 30"));
        QCOMPARE(zaehler.back(), QStringLiteral("30/ 30"));
    }
    QCOMPARE(::meldung, meldung);
    QCOMPARE(letztesErgebnis(n, 7), ergebnis);
    Programmtabelle::global().leeren();
}

void TestReaktionsfelder::schliessfeld_data()
{
    QTest::addColumn<int>("n");
    QTest::newRow("Tastaturspiel") << 63;
    QTest::newRow("Mausspiel") << 64;
    QTest::newRow("Reaktion I") << 68;
    QTest::newRow("Reaktion II") << 69;
}

// The close box in the middle of a run records nothing and stops Timer1; the
// next opening starts clean.
void TestReaktionsfelder::schliessfeld()
{
    QFETCH(int, n);
    m_ordner = std::make_unique<Arbeitsordner>();
    const QByteArray vorher = m_ordner->lies(QStringLiteral("xbaserg4.dat"));
    std::unique_ptr<Form> f(n < 68 ? static_cast<Form*>(new Trea04(feldart(n))) : new Trea09(kreuzart(n)));
    for (int lauf = 1; lauf <= 2; ++lauf) {
        f->show();
        QTest::mouseClick(f->findChild<QPushButton*>(QStringLiteral("start")), Qt::LeftButton);
        taste(f.get(), Qt::Key_Space);
        if (auto* k = qobject_cast<Trea09*>(f.get())) {
            QCOMPARE(k->aufzahl->text(), QStringLiteral("1/ 30"));
            QCOMPARE(k->punkte(), 100.0f);
            k->Timer1Timer();
            QCOMPARE(k->stand(), Trea09::Stand::Scharf);
        } else {
            QCOMPARE(static_cast<Trea04*>(f.get())->punkte(), n == 63 ? 70.0f : 100.0f);
        }
        f->close();
        QVERIFY(!f->isVisible());
        if (auto* k = qobject_cast<Trea09*>(f.get()))
            QVERIFY(!k->Timer1->isActive());
    }
    QCOMPARE(m_ordner->lies(QStringLiteral("xbaserg4.dat")), vorher);
    QVERIFY(::meldung.isEmpty());
}

int main(int argc, char** argv)
{
    Anwendung app(argc, argv);
    TestReaktionsfelder t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_reaktionsfelder.moc"
