// Schlange I and II: the board's draw, steps and walls, the labels, and every
// way a run ends, each recording exactly once from the close.
#include "common/zustand.h"
#include "exercises/reaction/urea07.h"
#include "platform/anwendung.h"
#include "platform/dialoge.h"
#include "platform/farben.h"
#include "tests/exercises/reaction/fallhilfe.h"
#include "tests/support/testumgebung.h"
#include "tests/support/uebungsumgebung.h"

#include <QFrame>
#include <QLabel>
#include <optional>

namespace {

Testuhr g_uhr;
const int kSpalten[16] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 11, 12, 13, 14, 15, 16, 17};

// The cell of target n on the scripted board: 1-16 in row 1, 17-26 in row 3,
// row 2 a free corridor.
QPoint zielfeld(int n) { return n <= 16 ? QPoint(kSpalten[n - 1], 1) : QPoint(kSpalten[n - 17], 3); }

// Each target is first offered in the start column, then on the previous
// target's cell, and only then on its own cell.
void skriptBrett()
{
    auto folge = std::make_shared<QList<double>>();
    auto zelle = [&](QPoint p) { *folge << wahl(p.x() - 1, 17) << wahl(p.y() - 1, 11); };
    for (int n = 1; n <= 26; ++n) {
        zelle({10, 1 + n % 11});
        if (n > 1)
            zelle(zielfeld(n - 1));
        zelle(zielfeld(n));
    }
    auto i = std::make_shared<size_t>(0);
    // past the script: one failure, then numbers spread over [0,1) so that a
    // draw loop still ends
    zufall::setzeFolge([folge, i] {
        if (*i == static_cast<size_t>(folge->size()))
            QTest::qFail("more random numbers drawn than scripted", __FILE__, __LINE__);
        const size_t n = (*i)++;
        return n < static_cast<size_t>(folge->size()) ? (*folge)[n] : (n * 37 % 1000) / 1000.0;
    });
}

// Keys from one cell to another by the corridor in row 2 (L R U D).
QString weg(QPoint von, QPoint nach)
{
    QString k;
    k += QString(std::abs(von.y() - 2), von.y() > 2 ? QLatin1Char('U') : QLatin1Char('D'));
    k += QString(std::abs(nach.x() - von.x()), nach.x() < von.x() ? QLatin1Char('L') : QLatin1Char('R'));
    k += QString(std::abs(nach.y() - 2), nach.y() < 2 ? QLatin1Char('U') : QLatin1Char('D'));
    return k;
}

// Red pixels in the cell's column strip, where its marker is written.
int rotIn(const Trea07& f, int x, int y)
{
    const QImage& b = f.ima->bild();
    int n = 0;
    for (int px = std::max(0, x * f.cw() - 5); px < std::min(b.width(), (x + 1) * f.cw() - 5); ++px)
        for (int py = std::max(0, y * f.ch() - 35); py < std::min(b.height(), y * f.ch() + f.ch()); ++py)
            n += b.pixelColor(px, py) == farbe::rot;
    return n;
}

}

class TestSchlange : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void ziele_data();
    void ziele();
    void schritte_data();
    void schritte();
    void beschriftung_data();
    void beschriftung();
    void ende_data();
    void ende();

private:
    std::unique_ptr<Arbeitsordner> m_ordner;
    std::optional<Uebungsumgebung> m_umgebung;
};

void TestSchlange::init()
{
    m_ordner = std::make_unique<Arbeitsordner>();
    m_umgebung.emplace(g_uhr, 7, QStringLiteral("Eva"));
}

void TestSchlange::cleanup()
{
    m_umgebung.reset();
    m_ordner.reset();
}

void TestSchlange::ziele_data()
{
    QTest::addColumn<bool>("skript");
    QTest::addColumn<unsigned>("saat");
    QTest::newRow("abgelehnte Zellen") << true << 0u;
    for (unsigned s : {1u, 2u, 3u, 77u, 2026u})
        QTest::newRow(qPrintable(QStringLiteral("Saat %1").arg(s))) << false << s;
}

// 26 targets on free cells, never in the marker's column, the walls around.
void TestSchlange::ziele()
{
    QFETCH(bool, skript);
    QFETCH(unsigned, saat);
    if (skript)
        skriptBrett();
    else
        mitSaat(saat);
    Schlangenbrett b;
    b.neu();
    QList<int> gefunden;
    for (int x = 0; x < 19; ++x)
        for (int y = 0; y < 13; ++y) {
            const int w = b.feld(x, y);
            const bool rand = x == 0 || x == 18 || y == 0 || y == 12;
            QCOMPARE(w == 99, rand);
            if (w > 0 && w < 99) {
                QVERIFY2(x != 10, "a target in the start column");
                gefunden << w;
                if (skript)
                    QCOMPARE(QPoint(x, y), zielfeld(w));
            }
        }
    std::sort(gefunden.begin(), gefunden.end());
    QCOMPARE(gefunden.size(), 26);
    for (int n = 1; n <= 26; ++n)
        QCOMPARE(gefunden[n - 1], n);
    QCOMPARE(QPoint(b.x(), b.y()), QPoint(10, 10));
    QCOMPARE(b.naechstes(), 1);
}

void TestSchlange::schritte_data()
{
    QTest::addColumn<QString>("tasten");  // L R U D arrows, other letters those keys
    QTest::addColumn<QPoint>("stelle");
    QTest::addColumn<int>("erreicht");
    QTest::newRow("Wand unten") << "DDDD" << QPoint(10, 11) << 0;
    QTest::newRow("Wand rechts") << "DRRRRRRRRRR" << QPoint(17, 11) << 0;
    QTest::newRow("Wand oben") << "UUUUUUUUUUUL" << QPoint(9, 1) << 9;
    QTest::newRow("andere Tasten") << "AX" << QPoint(10, 10) << 0;
    QTest::newRow("Ziel 1, dann frei darueber") << weg({10, 10}, zielfeld(1)) + "DU" << QPoint(1, 1) << 1;
}

// Only the arrows move; a wall step changes nothing; the marker leaves no trace.
void TestSchlange::schritte()
{
    QFETCH(QString, tasten);
    QFETCH(QPoint, stelle);
    QFETCH(int, erreicht);
    dialog::Skript dialoge;
    skriptBrett();
    Trea07 f(Trea07::mitglieder().front());
    f.show();
    // "Wand oben" walks onto target 9 out of turn: that run ends in "Fehler!"
    for (QChar c : tasten) {
        const QPoint vorher(f.brett().x(), f.brett().y());
        if (QStringLiteral("LRUD").contains(c))
            tippeTasten(&f, QString(c));
        else if (c == QLatin1Char('A'))
            QTest::keyClick(&f, Qt::Key_A);
        else
            for (Qt::Key k : {Qt::Key_Space, Qt::Key_Return, Qt::Key_Tab, Qt::Key_Shift})
                QTest::keyClick(&f, k);
        const QPoint jetzt(f.brett().x(), f.brett().y());
        if (jetzt != vorher && jetzt.y() == vorher.y() && f.isVisible()) {
            QCOMPARE(rotIn(f, vorher.x(), vorher.y()), 0);
            QVERIFY(rotIn(f, jetzt.x(), jetzt.y()) > 0);
        }
    }
    QCOMPARE(QPoint(f.brett().x(), f.brett().y()), stelle);
    const bool fehler = erreicht == 9;
    QCOMPARE(f.brett().erreicht(), fehler ? 0 : erreicht);
    QCOMPARE(dialoge.texte, fehler ? QStringList{"Fehler!"} : QStringList{});
    QCOMPARE(f.isVisible(), !fehler);
    f.close();
}

void TestSchlange::beschriftung_data()
{
    QTest::addColumn<int>("zeile");
    QTest::addColumn<QString>("titel");
    QTest::addColumn<QString>("erstes");
    QTest::addColumn<QString>("zweites");
    QTest::addColumn<QString>("familie");
    QTest::newRow("Schlange I") << 0 << "SCHLANGE" << "Zielzeichen: A" << "Zielzeichen: B" << "Liberation Sans";
    QTest::newRow("Schlange II") << 1 << "SCHLANGE II" << "Φ" << "Π" << "DejaVu Sans";
}

// The target beside "Zielzeichen", before and after the first one is reached.
void TestSchlange::beschriftung()
{
    QFETCH(int, zeile);
    skriptBrett();
    Trea07 f(Trea07::mitglieder()[zeile]);
    f.show();
    QCOMPARE(f.objectName(), zeile == 0 ? QStringLiteral("Trea07") : QStringLiteral("Trea08"));
    QTEST(f.windowTitle(), "titel");
    QTEST(f.Label1->text(), "erstes");
    QTEST(f.Label1->font().family(), "familie");
    QCOMPARE(f.Label2 ? f.Label2->text() : QString(), zeile == 1 ? QStringLiteral("Zielzeichen") : QString());
    QVERIFY(f.Panel1->isAncestorOf(f.Label1));
    tippeTasten(&f, weg({10, 10}, zielfeld(1)));
    QTEST(f.Label1->text(), "zweites");
    QCOMPARE(f.punkte(), 50.0f);
    f.close();
}

void TestSchlange::ende_data()
{
    QTest::addColumn<QString>("art");
    QTest::addColumn<double>("sekunden");
    QTest::addColumn<QStringList>("dialoge");
    QTest::addColumn<QString>("gespeichert");
    QTest::addColumn<QString>("text");
    QTest::newRow("Schließfeld sofort") << "schliessen" << 0.0 << QStringList{} << "07.03.2026   2"
                                        << "Sie haben 2 Punkte erreicht!";
    QTest::newRow("Esc") << "esc" << 0.0 << QStringList{} << "07.03.2026   2" << "Sie haben 2 Punkte erreicht!";
    QTest::newRow("Ziel 3 statt 2") << "fehler" << 12.25 << QStringList{"Fehler!"} << "07.03.2026   37,75"
                                    << "Sie haben 37 Punkte erreicht!";
    QTest::newRow("Ziel 3 statt 2, langsam") << "fehler" << 48.5 << QStringList{"Fehler!"} << "07.03.2026   2"
                                             << "Sie haben 2 Punkte erreicht!";
    QTest::newRow("alle 26 in 60 s") << "alle" << 60.0 << QStringList{"GESCHAFFT!"} << "07.03.2026   1240"
                                     << "Sie haben 1240 Punkte erreicht!";
}

// Every way out records the run once, from the close; activating the window
// again (as after a message box) keeps the board and the clock.
void TestSchlange::ende()
{
    QFETCH(QString, art);
    QFETCH(double, sekunden);
    dialog::Skript dialoge;
    skriptBrett();
    Trea07 f(Trea07::mitglieder().front());
    f.show();
    QCOMPARE(letztesErgebnis(66, 7), QString(20, QLatin1Char(' ')));  // the empty record
    if (art == QLatin1String("fehler")) {
        tippeTasten(&f, weg({10, 10}, zielfeld(1)));
        for (QEvent::Type t : {QEvent::WindowActivate, QEvent::ActivationChange}) {
            QEvent e(t);
            QApplication::sendEvent(&f, &e);
        }
        f.activateWindow();
        QCoreApplication::processEvents();
        g_uhr.mono += sekunden;
        tippeTasten(&f, weg(zielfeld(1), zielfeld(3)));
    } else if (art == QLatin1String("alle")) {
        QPoint hier(10, 10);
        for (int n = 1; n <= 26; ++n) {
            if (n == 26)
                g_uhr.mono += sekunden;
            tippeTasten(&f, weg(hier, zielfeld(n)));
            hier = zielfeld(n);
            QCOMPARE(f.brett().erreicht(), n);
        }
    } else if (art == QLatin1String("esc")) {
        QTest::keyClick(&f, Qt::Key_Escape);
    } else {
        f.close();
    }
    QVERIFY(!f.isVisible());
    QTEST(dialoge.texte, "dialoge");
    QTEST(::meldung, "text");
    QTEST(letztesErgebnis(66, 7), "gespeichert");
    // a later close of the hidden window records nothing more
    ::meldung.clear();
    f.close();
    QVERIFY(::meldung.isEmpty());
}

int main(int argc, char** argv)
{
    Anwendung app(argc, argv);
    TestSchlange t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_schlange.moc"
