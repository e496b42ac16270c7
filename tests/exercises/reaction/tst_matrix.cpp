// Matrix I and II: the matrices drawn from the random numbers, picks by mouse
// and by the keyboard cursor, input during the pauses, and driven runs that
// store their result.
#include "common/zustand.h"
#include "exercises/reaction/urea11.h"
#include "platform/anwendung.h"
#include "platform/farben.h"
#include "platform/warten.h"
#include "tests/exercises/reaction/fallhilfe.h"
#include "tests/support/testumgebung.h"
#include "tests/support/uebungsumgebung.h"

#include <QLabel>
#include <QPushButton>
#include <algorithm>
#include <optional>

namespace {

Testuhr g_uhr;

QPoint zelleVon(const Trea11& f, int zahl)
{
    const Zahlmatrix& m = f.matrix();
    for (int c = 0; c < m.spalten(); ++c)
        for (int r = 0; r < 3; ++r)
            if (m.zahl(c, r) == zahl)
                return {c, r};
    return {-1, -1};
}

QPoint mitte(const Trea11& f, QPoint z) { return {z.x() * f.cw() + f.cw() / 2, z.y() * f.ch() + f.ch() / 2}; }

void klicke(Trea11& f, QPoint punkt) { QTest::mouseClick(f.pb, Qt::LeftButton, Qt::NoModifier, punkt); }

// The cursor to cell z by Right and Down, wrapping, then Enter.
void tippeZu(Trea11& f, QPoint z)
{
    const int spalten = f.matrix().spalten();
    for (int i = (z.x() - f.cursor().x() + spalten) % spalten; i > 0; --i)
        QTest::keyClick(&f, Qt::Key_Right);
    for (int i = (z.y() - f.cursor().y() + 3) % 3; i > 0; --i)
        QTest::keyClick(&f, Qt::Key_Down);
    QTest::keyClick(&f, Qt::Key_Return);
}

// The colour in the middle of the top edge of cell z's frame, as painted on screen.
QColor rahmenfarbe(Trea11& f, QPoint z)
{
    const QRect r = f.rahmenfeld(z.x(), z.y());
    return f.pb->grab().toImage().pixelColor(r.center().x(), r.top());
}

struct Zug {
    int k;  // the draw R(K) gives k
    int K;
};

}

Q_DECLARE_METATYPE(QList<Zug>)

class TestMatrix : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void erzeugen_data();
    void erzeugen();
    void wahl_data();
    void wahl();
    void cursor_data();
    void cursor();
    void pause_data();
    void pause();
    void lauf_data();
    void lauf();

private:
    // The window of member zeile, started; pauses are recorded and run aktion.
    Trea11& starte(int zeile);
    // Picks all numbers of the open matrix but the last n.
    void waehleBisAuf(int n, bool tastatur);

    std::unique_ptr<Arbeitsordner> m_ordner;
    std::optional<Uebungsumgebung> m_umgebung;
    std::unique_ptr<Trea11> m_fenster;
    QList<int> m_pausen;
    int m_tiefe = 0;     // pauses running now
    int m_tiefste = 0;   // the most that ran inside one another
    std::function<void()> m_aktion;
};

void TestMatrix::init()
{
    m_ordner = std::make_unique<Arbeitsordner>();
    m_umgebung.emplace(g_uhr, 7, QStringLiteral("Eva"));
    m_pausen.clear();
    m_tiefe = m_tiefste = 0;
    m_aktion = nullptr;
    setzeWartenErsatz([this](int ms) {
        m_pausen << ms;
        m_tiefste = std::max(m_tiefste, ++m_tiefe);
        if (m_aktion)
            m_aktion();
        --m_tiefe;
    });
}

void TestMatrix::cleanup()
{
    m_fenster.reset();
    setzeWartenErsatz(nullptr);
    m_umgebung.reset();
    m_ordner.reset();
}

Trea11& TestMatrix::starte(int zeile)
{
    m_fenster = std::make_unique<Trea11>(Trea11::mitglieder()[zeile]);
    m_fenster->show();
    QTest::mouseClick(m_fenster->start, Qt::LeftButton);
    return *m_fenster;
}

void TestMatrix::waehleBisAuf(int n, bool tastatur)
{
    Trea11& f = *m_fenster;
    const QList<int> liste(f.matrix().liste().begin(), f.matrix().liste().end());
    for (int i = f.matrix().naechste(); i <= liste.size() - n; ++i) {
        const QPoint z = zelleVon(f, liste[i - 1]);
        if (tastatur)
            tippeZu(f, z);
        else
            klicke(f, mitte(f, z));
    }
}

void TestMatrix::erzeugen_data()
{
    QTest::addColumn<int>("spalten");
    QTest::addColumn<bool>("gerade");
    QTest::addColumn<QList<Zug>>("zuege");
    QTest::addColumn<QStringList>("texte");  // column by column
    QTest::addColumn<QList<int>>("liste");
    // Matrix I: a repeated 7 is drawn again
    QTest::newRow("Matrix I")
        << 4 << false
        << QList<Zug>{{7, 99}, {7, 99}, {99, 99}, {1, 99}, {50, 99}, {10, 99}, {9, 99}, {98, 99}, {2, 99},
                      {33, 99}, {34, 99}, {3, 99}, {60, 99}}
        << QStringList{"07", "99", "01", "50", "10", "09", "98", "02", "33", "34", "03", "60"}
        << QList<int>{1, 2, 3, 7, 9, 10, 33, 34, 50, 60, 98, 99};
    // Matrix II: 8 even numbers, each on a free cell (number, then cell);
    // a repeated number and a taken cell are drawn again; then the odd ones
    // column by column, a repeat drawn again
    QTest::newRow("Matrix II")
        << 5 << true
        << QList<Zug>{{4, 49},  {1, 15},  {4, 49}, {49, 49}, {1, 15}, {15, 15}, {1, 49},  {8, 15},
                      {10, 49}, {2, 15},  {3, 49}, {3, 15},  {7, 49}, {4, 15},  {25, 49}, {5, 15},
                      {30, 49}, {6, 15},  {1, 49}, {1, 49},  {2, 49}, {3, 49},  {4, 49},  {5, 49},
                      {6, 49},  {49, 49}}
        << QStringList{"08", "20", "06", "14", "50", "60", "01", "02", "03", "05", "07", "09", "11", "97", "98"}
        << QList<int>{2, 6, 8, 14, 20, 50, 60, 98};
}

// Distinct numbers column by column, the sorted list to pick, "0" before one digit.
void TestMatrix::erzeugen()
{
    QFETCH(int, spalten);
    QFETCH(bool, gerade);
    QFETCH(QList<Zug>, zuege);
    QFETCH(QStringList, texte);
    Zufallsfolge folge;
    for (const Zug& z : zuege)
        folge.mehr({::wahl(z.k - 1, z.K)});
    Zahlmatrix m(spalten, gerade);
    m.neu();
    QVERIFY(folge.leer());
    QStringList gezeigt;
    for (int c = 0; c < spalten; ++c)
        for (int r = 0; r < 3; ++r)
            gezeigt << m.text(c, r);
    QCOMPARE(gezeigt, texte);
    QTEST(QList<int>(m.liste().begin(), m.liste().end()), "liste");
    QCOMPARE(m.naechste(), 1);
}

void TestMatrix::wahl_data()
{
    QTest::addColumn<int>("zeile");
    QTest::addColumn<QList<QPointF>>("klicks");  // in cells; x -1 the first number, -2 an odd one
    QTest::addColumn<float>("punkte");
    QTest::addColumn<int>("naechste");
    QTest::addColumn<QString>("rifa");
    QTest::addColumn<QList<int>>("pausen");
    const QPointF erste(-1, 0), ungerade(-2, 0);
    QTest::newRow("richtig") << 0 << QList{erste} << 150.0f << 2 << "2. Zahl" << QList<int>{500};
    QTest::newRow("richtig mit Enter") << 1 << QList<QPointF>{} << 150.0f << 2 << "2. Zahl" << QList<int>{800};
    QTest::newRow("zweimal dieselbe") << 0 << QList{erste, erste} << 140.0f << 2 << "2. Zahl" << QList<int>{500, 500};
    QTest::newRow("ungerade") << 1 << QList{ungerade} << 90.0f << 1 << "" << QList<int>{500};
    QTest::newRow("Linien") << 0 << QList<QPointF>{{1, 0.5}, {0.5, 1}, {2, 1}} << 100.0f << 1 << "" << QList<int>{};
    QTest::newRow("Rand links und oben") << 1 << QList<QPointF>{{0, 0.5}, {0.5, 0}} << 100.0f << 1 << ""
                                         << QList<int>{};
    QTest::newRow("rechter Rand") << 0 << QList<QPointF>{{4, 0.5}, {4.01, 0.5}} << 100.0f << 1 << "" << QList<int>{};
    QTest::newRow("rechter Rand II") << 1 << QList<QPointF>{{5, 2.5}, {5.01, 2.5}} << 100.0f << 1 << ""
                                     << QList<int>{};
}

// +50 a right pick, -10 a wrong one; lines and edges pick nothing. The
// verdict's frame shows during the pause and is erased after it.
void TestMatrix::wahl()
{
    QFETCH(int, zeile);
    QFETCH(QList<QPointF>, klicks);
    Trea11& f = starte(zeile);
    QPoint gewaehlt = zelleVon(f, f.matrix().liste().front());
    QColor waehrend;
    m_aktion = [&] { waehrend = f.pb->bild().pixelColor(f.rahmenfeld(gewaehlt.x(), gewaehlt.y()).center().x(),
                                                         f.rahmenfeld(gewaehlt.x(), gewaehlt.y()).top() + 1); };
    if (klicks.isEmpty())
        tippeZu(f, gewaehlt);
    bool neu = true;  // the first number, not yet picked
    for (const QPointF& k : klicks) {
        if (k.x() == -2)
            for (int c = 0; c < 15; ++c)
                if (f.matrix().zahl(c / 3, c % 3) % 2 == 1)
                    gewaehlt = {c / 3, c % 3};
        const QPoint p = k.x() < 0 ? mitte(f, gewaehlt) : QPoint(qRound(k.x() * f.cw()), qRound(k.y() * f.ch()));
        if (p.x() >= f.pb->width())
            continue;  // the board ends at its right line: no strip beside it
        klicke(f, p);
        if (k.x() < 0)
            QCOMPARE(waehrend, k.x() == -1 && std::exchange(neu, false) ? farbe::gruen : farbe::rot);
    }
    QTEST(f.punkte(), "punkte");
    QTEST(f.matrix().naechste(), "naechste");
    QTEST(f.rifa->text(), "rifa");
    // element by element: Qt compares two empty lists with a null pointer
    QFETCH(QList<int>, pausen);
    QCOMPARE(m_pausen.size(), pausen.size());
    for (qsizetype i = 0; i < pausen.size(); ++i)
        QCOMPARE(m_pausen[i], pausen[i]);
    QVERIFY(f.wahlErlaubt());
    if (!m_pausen.isEmpty() && gewaehlt != f.cursor())
        QCOMPARE(rahmenfarbe(f, gewaehlt), farbe::buttonFace());
    QCOMPARE(rahmenfarbe(f, f.cursor()), farbe::schwarz);
}

void TestMatrix::cursor_data()
{
    QTest::addColumn<int>("zeile");
    QTest::addColumn<QString>("tasten");
    QTest::addColumn<QPoint>("ziel");
    QTest::newRow("links über den Rand") << 0 << "L" << QPoint(3, 0);
    QTest::newRow("links über den Rand II") << 1 << "L" << QPoint(4, 0);
    QTest::newRow("hoch über den Rand") << 0 << "U" << QPoint(0, 2);
    QTest::newRow("rechts über den Rand") << 0 << "RRRR" << QPoint(0, 0);
    QTest::newRow("rechts über den Rand II") << 1 << "LR" << QPoint(0, 0);
    QTest::newRow("runter über den Rand") << 1 << "UD" << QPoint(0, 0);
    QTest::newRow("quer") << 1 << "RRDDD" << QPoint(2, 0);
}

// The cursor wraps at all four edges; its frame moves, on the screen too.
void TestMatrix::cursor()
{
    QFETCH(int, zeile);
    QFETCH(QString, tasten);
    Trea11& f = starte(zeile);
    QCOMPARE(f.cursor(), QPoint(0, 0));
    QCOMPARE(rahmenfarbe(f, {0, 0}), farbe::schwarz);
    tippeTasten(&f, tasten);
    QTEST(f.cursor(), "ziel");
    QCOMPARE(rahmenfarbe(f, f.cursor()), farbe::schwarz);
    if (f.cursor() != QPoint(0, 0))
        QCOMPARE(rahmenfarbe(f, {0, 0}), farbe::buttonFace());
    QCOMPARE(f.punkte(), 100.0f);
    QVERIFY(m_pausen.isEmpty());
}

void TestMatrix::pause_data()
{
    QTest::addColumn<int>("zeile");
    QTest::addColumn<bool>("richtig");     // the pick before the pause
    QTest::addColumn<QString>("eingabe");  // in the pause: Esc, a click on the next number, or arrows to it and Enter
    QTest::addColumn<bool>("letzte");      // the pick before the pause leaves one number of the third matrix
    QTest::addColumn<QList<int>>("pausen");
    QTest::newRow("Klick in falscher Pause zählt") << 0 << false << "Klick" << false << QList<int>{500, 500};
    QTest::newRow("Pfeile und Enter in falscher Pause") << 1 << false << "Tasten" << false << QList<int>{500, 800};
    QTest::newRow("letzte Zahl in falscher Pause") << 0 << false << "Klick" << true << QList<int>{500, 500};
    QTest::newRow("Klick in richtiger Pause verworfen") << 1 << true << "Klick" << false << QList<int>{500};
    QTest::newRow("Tasten in richtiger Pause verworfen") << 0 << true << "Tasten" << false << QList<int>{500};
    QTest::newRow("Esc in falscher Pause") << 0 << false << "Esc" << false << QList<int>{500};
    QTest::newRow("Esc nach der letzten richtigen") << 0 << true << "Esc" << true << QList<int>{500};
    QTest::newRow("Esc nach der letzten richtigen II") << 1 << true << "Esc" << true << QList<int>{500};
}

// A right pick's pause drops picks and cursor keys. In a wrong pick's pause
// the cursor moves and a pick counts: it follows once the wrong pick is done,
// never inside its pause, and ends the run at most once. Esc in a pause closes
// the window, and the interrupted pick records nothing.
void TestMatrix::pause()
{
    QFETCH(int, zeile);
    QFETCH(bool, richtig);
    QFETCH(QString, eingabe);
    QFETCH(bool, letzte);
    QFETCH(QList<int>, pausen);
    Trea11& f = starte(zeile);
    if (letzte) {
        for (int m = 1; m <= 2; ++m) {
            waehleBisAuf(0, false);
            QTest::mouseClick(f.weiter, Qt::LeftButton);
        }
        waehleBisAuf(1, false);
    }
    int meldefenster = 0;
    Form::setzeModalErsatz([&](Form*) { return ++meldefenster, 0; });
    const QByteArray ergebnisse = m_ordner->lies(QStringLiteral("xbaserg4.dat"));
    const float vorher = f.punkte();
    const int naechste = f.matrix().naechste();
    const QPoint rechts = zelleVon(f, f.matrix().liste()[naechste - 1]);
    QPoint falsch(0, 0);
    while (falsch == rechts)
        falsch.rx()++;
    QPoint ziel;  // the cell of the number due when the pause began
    bool einmal = true;
    m_aktion = [&] {
        if (!std::exchange(einmal, false))
            return;
        if (eingabe == QLatin1String("Esc")) {
            QTest::keyClick(&f, Qt::Key_Escape);
            return;
        }
        ziel = zelleVon(f, f.matrix().liste()[f.matrix().naechste() - 1]);
        if (eingabe == QLatin1String("Klick"))
            klicke(f, mitte(f, ziel));
        else
            tippeZu(f, ziel);
    };
    m_pausen.clear();
    klicke(f, mitte(f, richtig ? rechts : falsch));
    QCOMPARE(m_pausen.size(), pausen.size());
    for (qsizetype i = 0; i < pausen.size(); ++i)
        QCOMPARE(m_pausen[i], pausen[i]);
    QCOMPARE(m_tiefste, 1);  // no pick was handled inside another's pause
    if (eingabe == QLatin1String("Esc")) {
        QVERIFY(!f.isVisible());
        QVERIFY(!f.laeuft());
        QVERIFY(::meldung.isEmpty());
        QCOMPARE(meldefenster, 0);
        QCOMPARE(m_ordner->lies(QStringLiteral("xbaserg4.dat")), ergebnisse);
        return;
    }
    QCOMPARE(f.punkte(), vorher + (richtig ? 50.0f : 40.0f));
    if (letzte) {
        QVERIFY(!f.isVisible());
        QCOMPARE(meldefenster, 1);
        QVERIFY(m_ordner->lies(QStringLiteral("xbaserg4.dat")) != ergebnisse);
        return;
    }
    QCOMPARE(f.matrix().naechste(), naechste + 1);
    QCOMPARE(f.cursor(), !richtig && eingabe == QLatin1String("Tasten") ? ziel : QPoint(0, 0));
    QVERIFY(f.wahlErlaubt());
    QVERIFY(f.isVisible());
    QCOMPARE(meldefenster, 0);
}

void TestMatrix::lauf_data()
{
    QTest::addColumn<int>("zeile");
    QTest::addColumn<bool>("tastatur");
    QTest::addColumn<int>("programm");
    QTest::addColumn<QString>("gespeichert");
    QTest::addColumn<QString>("text");
    QTest::newRow("Matrix I mit der Maus") << 0 << false << 70 << "07.03.2026   1824,5"
                                           << "Sie haben 1824 Punkte erreicht!";
    QTest::newRow("Matrix II mit Pfeilen und Enter") << 1 << true << 71 << "07.03.2026   1224,5"
                                                     << "Sie haben 1224 Punkte erreicht!";
}

// A perfect run: 100 + 50 per pick over three matrices, minus 75.5 seconds;
// Enter reaches "weiter" once a matrix is done.
void TestMatrix::lauf()
{
    QFETCH(int, zeile);
    QFETCH(bool, tastatur);
    QFETCH(int, programm);
    Trea11& f = starte(zeile);
    QCOMPARE(f.rifa->text(), QString());
    const int zahlen = zeile == 0 ? 12 : 8;
    for (int m = 1; m <= 3; ++m) {
        QCOMPARE(f.matrixNr(), m);
        waehleBisAuf(zahlen - 1, tastatur);
        QCOMPARE(f.rifa->text(), QStringLiteral("2. Zahl"));
        waehleBisAuf(1, tastatur);
        QCOMPARE(f.rifa->text(), QStringLiteral("%1. Zahl").arg(zahlen));
        if (m == 3)
            g_uhr.mono += 75.5;
        waehleBisAuf(0, tastatur);
        if (m == 3)
            break;
        QCOMPARE(f.rifa->text(), QString());
        QVERIFY(f.weiter->isVisible());
        QVERIFY(!f.wahlErlaubt());
        const float punkte = f.punkte();
        if (tastatur) {
            QTest::keyClick(&f, Qt::Key_Right);  // moves nothing while the matrix is done
            QCOMPARE(f.focusWidget(), f.weiter);
            QTest::keyClick(f.focusWidget(), Qt::Key_Return);
        } else {
            klicke(f, mitte(f, {0, 0}));
            QTest::mouseClick(f.weiter, Qt::LeftButton);
        }
        QCOMPARE(f.punkte(), punkte);
        QVERIFY(!f.weiter->isVisible());
        QVERIFY(f.wahlErlaubt());
        QCOMPARE(f.cursor(), QPoint(0, 0));
    }
    QVERIFY(!f.isVisible());
    QCOMPARE(m_pausen, QList<int>(3 * zahlen, tastatur ? 800 : 500));
    QTEST(::meldung, "text");
    QTEST(letztesErgebnis(programm, 7), "gespeichert");
}

int main(int argc, char** argv)
{
    Anwendung app(argc, argv);
    TestMatrix t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_matrix.moc"
