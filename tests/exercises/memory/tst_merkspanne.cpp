// Zahlmerk and Wortmerk: the items of a round, the list drawn from the board,
// picks and the judgement, the rule by which K grows, the end score, the keys
// and presses the window takes, a bad word list at Start, the window closed
// under the "Treffer" box, and a run of each window to its stored result.
#include "common/satzdatei.h"
#include "common/zufall.h"
#include "common/zustand.h"
#include "exercises/memory/register.h"
#include "exercises/memory/umemo3.h"
#include "platform/anwendung.h"
#include "platform/dialoge.h"
#include "platform/farben.h"
#include "shell/aufruf.h"
#include "shell/ergebnisse.h"
#include "shell/programmtabelle.h"
#include "tests/support/testumgebung.h"
#include "tests/support/uebungsumgebung.h"

#include <QMessageBox>
#include <QPushButton>
#include <QSet>
#include <QTest>
#include <deque>
#include <optional>

using namespace merkspanne;
using Wahl = Runde::Wahl;

namespace {

Testuhr g_uhr;

// The r that a draw Trunc(r x K) turns into k.
double wahl(int k, int K) { return (k + 0.5) / K; }

std::vector<QString> buchstaben()
{
    std::vector<QString> e;
    for (int i = 0; i < kZellen; ++i)
        e.push_back(QString(QChar(u'A' + i)));
    return e;
}

// A round of the letters A..L whose list is the given cells.
Runde runde(const std::vector<int>& liste)
{
    auto w = std::make_shared<std::deque<double>>();
    for (int z : liste) {
        w->push_back(wahl(z / kZeilen, 2));
        w->push_back(wahl(z % kZeilen, 6));
    }
    zufall::setzeFolge([w] {
        const double v = w->empty() ? 0.0 : w->front();
        if (!w->empty())
            w->pop_front();
        return v;
    });
    Runde r(buchstaben(), static_cast<int>(liste.size()));
    zufall::setzeFolge({});
    return r;
}

void taste(QWidget* f, Qt::Key k)
{
    QWidget* ziel = QApplication::focusWidget();
    QTest::keyClick(ziel && ziel->window() == f ? ziel : f, k);
}

// Pixels of that colour inside the box of cell n.
int farbig(Tmemo3& f, int n, const QColor& farbe)
{
    const QRect box = f.gitter().zellrahmen(n / kZeilen, n % kZeilen).adjusted(1, 1, -1, -1);
    const QImage& bild = *f.canvas().bild();
    int k = 0;
    for (int y = box.top(); y <= box.bottom(); ++y)
        for (int x = box.left(); x <= box.right(); ++x)
            k += bild.pixelColor(x, y) == farbe;
    return k;
}

QPoint mitte(Tmemo3& f, int n) { return f.gitter().zellrahmen(n / kZeilen, n % kZeilen).center(); }

// Moves the cursor from where it stands to cell n and presses Enter.
void perTaste(Tmemo3& f, int n)
{
    while (f.cursor().x() != n / kZeilen)
        taste(&f, Qt::Key_Right);
    while (f.cursor().y() != n % kZeilen)
        taste(&f, Qt::Key_Down);
    taste(&f, Qt::Key_Return);
}

QString letztesErgebnis(int programm, int nutzerNr)
{
    Satzdatei d(ergebnis::dateiname(programm / 12 - 1), ergebnis::kSatzgroesse);
    d.positioniere(ergebnis::satznummer(programm % 12, nutzerNr, 9));
    return d.liesText();
}

QByteArray wortdatei(int saetze, const QByteArray& wort)
{
    QByteArray satz(21, '\0');
    satz[0] = static_cast<char>(wort.size());
    satz.replace(1, wort.size(), wort);
    return satz.repeated(saetze);
}

}

class TestMerkspanne : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void zahlen_data();
    void zahlen();
    void liste();
    void waehlen_data();
    void waehlen();
    void spanne_data();
    void spanne();
    void endpunkte_data();
    void endpunkte();
    void tasten_data();
    void tasten();
    void maus_data();
    void maus();
    void farben();
    void wortlisteFehlt_data();
    void wortlisteFehlt();
    void geschlossenUnterTreffer();
    void ganzerLauf_data();
    void ganzerLauf();

private:
    std::unique_ptr<Arbeitsordner> m_ordner;
    std::optional<Uebungsumgebung> m_umgebung;
};

void TestMerkspanne::init()
{
    m_umgebung.emplace(g_uhr, 7, QStringLiteral("Eva"));
    g_uhr.zeit = 0.5;
}

void TestMerkspanne::cleanup()
{
    m_umgebung.reset();
    m_ordner.reset();
}

void TestMerkspanne::zahlen_data()
{
    QTest::addColumn<unsigned>("saat");
    QTest::newRow("seed 1") << 1u;
    QTest::newRow("seed 2") << 2u;
    QTest::newRow("seed 99") << 99u;
    QTest::newRow("seed 20260307") << 20260307u;
}

// Twelve different numbers 10..99 as plain decimal text.
void TestMerkspanne::zahlen()
{
    QFETCH(unsigned, saat);
    mitSaat(saat);
    for (int runde = 0; runde < 50; ++runde) {
        const std::vector<QString> z = merkspanne::zahlen();
        QCOMPARE(z.size(), size_t(12));
        QSet<QString> verschieden(z.begin(), z.end());
        QCOMPARE(verschieden.size(), 12);
        for (const QString& t : z) {
            QCOMPARE(t.size(), 2);
            QVERIFY(t.toInt() >= 10 && t.toInt() <= 99);
        }
    }
}

// The board's numbers in draw order, repeats drawn again; the list's cells
// column first, a cell already in the list drawn again.
void TestMerkspanne::liste()
{
    QList<double> r{0.0, 0.99999, 0.0, 0.5};
    for (int i = 0; i < 9; ++i)
        r << wahl(i + 1, 90);
    // the list: cell (1,1), (1,1) again, (2,6), (2,4)
    r << 0.0 << 0.0 << 0.0 << 0.0 << 0.99 << 0.99 << wahl(1, 2) << wahl(3, 6);
    auto w = std::make_shared<std::deque<double>>(r.begin(), r.end());
    zufall::setzeFolge([w] {
        const double v = w->front();
        w->pop_front();
        return v;
    });
    const std::vector<QString> z = merkspanne::zahlen();
    QCOMPARE(QStringList(z.begin(), z.end()).join(QLatin1Char(' ')),
             QStringLiteral("10 99 55 11 12 13 14 15 16 17 18 19"));
    const Runde rd(z, 3);
    QVERIFY(w->empty());
    QCOMPARE(rd.liste(), (std::vector<int>{0, 11, 9}));
    QStringList plaetze;
    for (int p = 1; p <= 12; ++p)
        plaetze << rd.listenplatz(p);
    QCOMPARE(plaetze.join(QLatin1Char('|')), QStringLiteral("10|19|17|||||||||LEERTASTE"));
    QVERIFY(rd.inListe(0) && rd.inListe(9) && rd.inListe(11) && !rd.inListe(1));
}

void TestMerkspanne::waehlen_data()
{
    QTest::addColumn<std::vector<int>>("liste");
    QTest::addColumn<std::vector<int>>("picks");
    QTest::addColumn<QString>("ergebnisse");  // g picked, a unpicked, b judged, - nothing
    QTest::addColumn<int>("gewaehlt");
    QTest::addColumn<int>("treffer");         // -1: not judged
    QTest::newRow("picking twice unpicks") << std::vector<int>{0, 1} << std::vector<int>{0, 0} << "ga" << 0 << -1;
    QTest::newRow("the K-th pick judges") << std::vector<int>{0, 1} << std::vector<int>{1, 0} << "gb" << 2 << 2;
    QTest::newRow("only K at the same moment")
        << std::vector<int>{0, 1, 2} << std::vector<int>{0, 1, 1, 7, 2} << "ggagb" << 3 << 2;
    QTest::newRow("all wrong") << std::vector<int>{3, 4} << std::vector<int>{6, 11} << "gb" << 2 << 0;
    QTest::newRow("nothing after the judgement")
        << std::vector<int>{0, 1} << std::vector<int>{0, 1, 1, 5} << "gb--" << 2 << 2;
    QTest::newRow("no cell") << std::vector<int>{0, 1} << std::vector<int>{-1, 12} << "--" << 0 << -1;
    QTest::newRow("K = 6") << std::vector<int>{5, 4, 3, 2, 1, 0} << std::vector<int>{0, 1, 2, 3, 4, 11}
                           << "gggggb" << 6 << 5;
}

void TestMerkspanne::waehlen()
{
    QFETCH(std::vector<int>, liste);
    QFETCH(std::vector<int>, picks);
    QFETCH(QString, ergebnisse);
    QFETCH(int, gewaehlt);
    QFETCH(int, treffer);
    Runde r = runde(liste);
    QCOMPARE(r.liste(), liste);
    QString gesehen;
    for (int z : picks) {
        switch (r.waehle(z)) {
        case Wahl::Gewaehlt: gesehen += QLatin1Char('g'); break;
        case Wahl::Abgewaehlt: gesehen += QLatin1Char('a'); break;
        case Wahl::Beurteilt: gesehen += QLatin1Char('b'); break;
        case Wahl::Nichts: gesehen += QLatin1Char('-'); break;
        }
    }
    QCOMPARE(gesehen, ergebnisse);
    QCOMPARE(r.gewaehltZahl(), gewaehlt);
    QCOMPARE(r.beurteilt(), treffer >= 0);
    if (treffer >= 0)
        QCOMPARE(r.treffer(), treffer);
}

void TestMerkspanne::spanne_data()
{
    QTest::addColumn<QString>("runden");  // p perfect, 1 one hit short, 0 no hit
    QTest::addColumn<QString>("ks");      // K in each round
    QTest::newRow("ten perfect rounds") << "pppppppppp" << "2 2 3 3 4 4 5 5 6 6";
    QTest::newRow("a miss does not break the count") << "p1pp0p" << "2 2 2 3 3 3";
    QTest::newRow("K never falls") << "pp0000" << "2 2 3 3 3 3";
    QTest::newRow("no perfect round") << "1111" << "2 2 2 2";
}

void TestMerkspanne::spanne()
{
    QFETCH(QString, runden);
    QFETCH(QString, ks);
    Spanne s;
    QStringList gesehen;
    for (QChar c : runden) {
        gesehen << QString::number(s.k());
        s.werte(c == QLatin1Char('p') ? s.k() : c == QLatin1Char('1') ? s.k() - 1 : 0);
    }
    QCOMPARE(gesehen.join(QLatin1Char(' ')), ks);
}

void TestMerkspanne::endpunkte_data()
{
    QTest::addColumn<float>("punkte");
    QTest::addColumn<double>("sekunden");
    QTest::addColumn<float>("ergebnis");
    QTest::newRow("ten perfect rounds, no time") << 2100.0f << 0.0 << 2100.0005f;
    QTest::newRow("fractions of seconds cut") << 1850.0f << 37.25 << 1812.0005f;
    QTest::newRow("just above the floor") << 150.0f << 147.5 << 2.0005f;
    QTest::newRow("below the floor") << 100.0f << 500.0 << 2.0005f;
}

void TestMerkspanne::endpunkte()
{
    QFETCH(float, punkte);
    QFETCH(double, sekunden);
    QFETCH(float, ergebnis);
    QCOMPARE(merkspanne::endpunkte(punkte, sekunden), ergebnis);
}

void TestMerkspanne::tasten_data()
{
    QTest::addColumn<QString>("vorStart");  // keys before Start: l Space, e Esc, n Enter, a arrows
    QTest::addColumn<QString>("liste");     // keys while the list is shown
    QTest::addColumn<bool>("laeuft");
    QTest::addColumn<int>("phase");
    // Space on the focused button starts the run; the key picks nothing on the list
    QTest::newRow("Space before Start") << "l" << "" << true << 0;
    QTest::newRow("the list ignores Esc, Enter, arrows") << "" << "ena" << true << 0;
    QTest::newRow("Space shows the board") << "" << "l" << true << 1;
    QTest::newRow("Esc on the board closes") << "" << "le" << false << 0;
    QTest::newRow("Esc and arrows before Start") << "ea" << "" << false << 0;
}

void TestMerkspanne::tasten()
{
    QFETCH(QString, vorStart);
    QFETCH(QString, liste);
    QFETCH(bool, laeuft);
    QFETCH(int, phase);
    m_ordner = std::make_unique<Arbeitsordner>();
    dialog::Skript skript;
    Tmemo3 f(Tmemo3::mitglieder()[0]);
    f.resize(1000, 800);
    f.show();
    QApplication::setActiveWindow(&f);
    QCOMPARE(f.Start->geometry(), QRect(395, 56, 209, 57));
    const auto drueck = [&](QChar c) {
        if (c == QLatin1Char('l'))
            taste(&f, Qt::Key_Space);
        else if (c == QLatin1Char('e'))
            taste(&f, Qt::Key_Escape);
        else if (c == QLatin1Char('n'))
            taste(&f, Qt::Key_Return);
        else
            for (Qt::Key k : {Qt::Key_Left, Qt::Key_Right, Qt::Key_Up, Qt::Key_Down})
                taste(&f, k);
    };
    f.Start->setFocus();
    for (QChar c : vorStart)
        drueck(c);
    if (!f.laeuft() && f.isVisible() && vorStart.isEmpty())
        QTest::mouseClick(f.Start, Qt::LeftButton);
    for (QChar c : liste)
        drueck(c);
    QCOMPARE(f.laeuft(), laeuft);
    QCOMPARE(f.phase(), phase);
    QCOMPARE(f.isVisible(), laeuft || !vorStart.isEmpty());
    QCOMPARE(!f.Start->isHidden(), !laeuft);
    if (laeuft) {
        QCOMPARE(f.rundenNr(), 1);
        QCOMPARE(f.runde().gewaehltZahl(), 0);
        QCOMPARE(f.cursor(), QPoint(0, 0));
        // the list or the board in the boxes, the red frame only on the board
        const int n = f.runde().liste().front();
        QVERIFY(farbig(f, phase == 0 ? 0 : n, farbe::schwarz) > 20);
        QCOMPARE(f.canvas().bild()->pixelColor(f.gitter().cursorrahmen(0, 0).topLeft() + QPoint(1, 1)),
                 phase == 1 ? farbe::rot : farbe::buttonFace());
    }
    QVERIFY(skript.texte.isEmpty());
}

void TestMerkspanne::maus_data()
{
    QTest::addColumn<QPoint>("punkt");
    QTest::addColumn<int>("feldnr");
    // 1000 x 800: ex 10, ey 8
    QTest::newRow("top left corner of box 1") << QPoint(30, 32) << 1;
    QTest::newRow("left of box 1") << QPoint(29, 32) << 0;
    QTest::newRow("above box 1") << QPoint(30, 31) << 0;
    QTest::newRow("bottom right edge of box 1") << QPoint(470, 128) << 1;
    QTest::newRow("between the columns") << QPoint(471, 100) << 0;
    QTest::newRow("between the rows") << QPoint(100, 129) << 0;
    QTest::newRow("column 2, row 2") << QPoint(530, 160) << 8;
    QTest::newRow("last box, bottom right") << QPoint(970, 768) << 12;
    QTest::newRow("right of the last box") << QPoint(971, 700) << 0;
    QTest::newRow("below the last box") << QPoint(700, 769) << 0;
}

// A press inside the bands picks; the list before Space and the gaps pick nothing.
void TestMerkspanne::maus()
{
    QFETCH(QPoint, punkt);
    QFETCH(int, feldnr);
    dialog::Skript skript;
    Tmemo3 f(Tmemo3::mitglieder()[0]);
    f.resize(1000, 800);
    f.show();
    QTest::mouseClick(f.Start, Qt::LeftButton);
    ::feldnr = -1;
    QTest::mouseClick(&f, Qt::LeftButton, {}, punkt);
    QCOMPARE(::feldnr, feldnr);
    QCOMPARE(f.runde().gewaehltZahl(), 0);  // the list is shown
    taste(&f, Qt::Key_Space);
    QTest::mouseClick(&f, Qt::RightButton, {}, punkt);
    QCOMPARE(::feldnr, feldnr);
    QCOMPARE(f.runde().gewaehltZahl(), feldnr > 0 ? 1 : 0);
    if (feldnr > 0)
        QVERIFY(f.runde().gewaehlt(feldnr - 1));
    QCOMPARE(f.cursor(), QPoint(0, 0));  // the mouse leaves the frame
}

// A pick turns the item white, an unpick black again without a fringe; the
// judgement marks hits green, missed list items red, wrong picks stay white.
void TestMerkspanne::farben()
{
    Tmemo3 f(Tmemo3::mitglieder()[0]);
    f.resize(1000, 800);
    f.show();
    QTest::mouseClick(f.Start, Qt::LeftButton);
    taste(&f, Qt::Key_Space);
    const std::vector<int> liste = f.runde().liste();
    int falsch = 0;
    while (f.runde().inListe(falsch))
        ++falsch;
    const int leer = farbig(f, falsch, farbe::buttonFace());
    QTest::mouseClick(&f, Qt::LeftButton, {}, mitte(f, falsch));
    QVERIFY(farbig(f, falsch, farbe::weiss) > 20);
    QCOMPARE(farbig(f, falsch, farbe::schwarz), 0);
    QTest::mouseClick(&f, Qt::LeftButton, {}, mitte(f, falsch));
    QCOMPARE(farbig(f, falsch, farbe::weiss), 0);
    QCOMPARE(farbig(f, falsch, farbe::buttonFace()), leer);
    QTest::mouseClick(&f, Qt::LeftButton, {}, mitte(f, falsch));
    // the board as the "Treffer" box shows over it
    QString box;
    std::map<int, std::array<int, 4>> farben;  // white, green, red, black per cell
    ModalWaechter waechter([&](QWidget* m) {
        box = qobject_cast<QMessageBox*>(m) ? qobject_cast<QMessageBox*>(m)->text() : QString();
        for (int n : {falsch, liste[0], liste[1]})
            farben[n] = {farbig(f, n, farbe::weiss), farbig(f, n, farbe::gruen), farbig(f, n, farbe::rot),
                         farbig(f, n, farbe::schwarz)};
        static_cast<QDialog*>(m)->accept();
    });
    perTaste(f, liste[0]);
    QVERIFY(waechter.ausgeloest());
    QCOMPARE(box, QStringLiteral("1 Treffer"));
    QVERIFY(farben[falsch][0] > 20 && farben[falsch][1] + farben[falsch][2] + farben[falsch][3] == 0);
    QVERIFY(farben[liste[0]][1] > 20 && farben[liste[0]][0] + farben[liste[0]][2] + farben[liste[0]][3] == 0);
    QVERIFY(farben[liste[1]][2] > 20 && farben[liste[1]][0] + farben[liste[1]][1] + farben[liste[1]][3] == 0);
    QCOMPARE(f.punkte(), 150.0f);
    QCOMPARE(f.rundenNr(), 2);
    QCOMPARE(f.phase(), 0);
}

void TestMerkspanne::wortlisteFehlt_data()
{
    QTest::addColumn<QByteArray>("datei");  // empty: none
    QTest::addColumn<QString>("meldung");
    QTest::newRow("missing") << QByteArray() << "Datei nicht gefunden";
    QTest::newRow("short") << wortdatei(576, "HAUS") << "Versuch hinter dem Dateiende zu lesen";
    QTest::newRow("no short words")
        << wortdatei(577, "LANGWORT")
        << QString::fromUtf8("Die Wortliste \"begriffe.dat\" enthält zu wenige passende Wörter für diese Übung.");
}

// The error comes at Start, before anything is drawn; the window stays idle
// with its button, and the next Start reads the list again.
void TestMerkspanne::wortlisteFehlt()
{
    QFETCH(QByteArray, datei);
    QFETCH(QString, meldung);
    m_ordner = std::make_unique<Arbeitsordner>();
    const QByteArray gut = m_ordner->lies(wortliste::kDatei);
    if (datei.isEmpty())
        QVERIFY(QFile::remove(m_ordner->pfad(wortliste::kDatei)));
    else
        m_ordner->schreibe(wortliste::kDatei, datei);
    dialog::Skript skript;
    Tmemo3 f(Tmemo3::mitglieder()[1]);
    f.resize(1000, 800);
    f.show();
    const QImage vorher = *f.canvas().bild();
    QTest::mouseClick(f.Start, Qt::LeftButton);
    QCOMPARE(skript.texte, QStringList{meldung});
    QVERIFY(!f.laeuft());
    QVERIFY(f.Start->isVisible());
    QCOMPARE(*f.canvas().bild(), vorher);
    QApplication::setActiveWindow(&f);
    f.Start->setFocus();
    taste(&f, Qt::Key_Space);  // on the button: a Start that fails again
    QCOMPARE(skript.texte, QStringList({meldung, meldung}));
    QCOMPARE(f.phase(), 0);
    m_ordner->schreibe(wortliste::kDatei, gut);
    QTest::mouseClick(f.Start, Qt::LeftButton);
    QVERIFY(f.laeuft());
    QCOMPARE(skript.texte.size(), 2);
    QVERIFY(!f.Start->isVisible());
}

// The window closed while the "Treffer" box is up: no next round, nothing recorded.
void TestMerkspanne::geschlossenUnterTreffer()
{
    m_ordner = std::make_unique<Arbeitsordner>();
    const QByteArray vorher = m_ordner->lies(QStringLiteral("xbaserg6.dat"));
    Tmemo3 f(Tmemo3::mitglieder()[1]);
    f.resize(1000, 800);
    f.show();
    QTest::mouseClick(f.Start, Qt::LeftButton);
    taste(&f, Qt::Key_Space);
    QString box;
    ModalWaechter waechter([&](QWidget* m) {
        if (auto* b = qobject_cast<QMessageBox*>(m))
            box = b->text();
        f.close();
        static_cast<QDialog*>(m)->accept();
    });
    for (int n : f.runde().liste())
        QTest::mouseClick(&f, Qt::LeftButton, {}, mitte(f, n));
    QVERIFY(waechter.ausgeloest());
    QCOMPARE(box, QStringLiteral("2 Treffer"));
    QVERIFY(!f.isVisible());
    QCOMPARE(f.rundenNr(), 1);
    QCOMPARE(f.punkte(), 100.0f);
    QVERIFY(f.canvas().bild()->isNull() || f.canvas().bild()->size() == f.size());
    QCOMPARE(m_ordner->lies(QStringLiteral("xbaserg6.dat")), vorher);
    QVERIFY(::meldung.isEmpty());
}

void TestMerkspanne::ganzerLauf_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<QString>("fenster");  // class and caption
    QTest::addColumn<bool>("maus");        // picks by mouse, else by cursor and Enter
    QTest::addColumn<double>("sekunden");
    QTest::addColumn<QString>("treffer");  // the boxes, "Treffer" left off
    QTest::addColumn<QString>("meldung");
    QTest::addColumn<QString>("ergebnis");
    QTest::newRow("Zahlmerk, ten perfect rounds") << 87 << "Tmemo3|Zahlmerk" << false << 0.0
                                                  << "2 2 3 3 4 4 5 5 6 6"
                                                  << "Sie haben 2100 Punkte erreicht!" << "07.03.2026   2100,00";
    // round 1 one hit short; 100 + 50 x 35 - 37.25 s
    QTest::newRow("Wortmerk, a miss first") << 88 << "Tmemo4|Wortmerk" << true << 37.25
                                            << "1 2 2 3 3 4 4 5 5 6"
                                            << "Sie haben 1812 Punkte erreicht!" << "07.03.2026   1812,00";
}

void TestMerkspanne::ganzerLauf()
{
    QFETCH(int, n);
    QFETCH(QString, fenster);
    QFETCH(bool, maus);
    QFETCH(double, sekunden);
    QFETCH(QString, treffer);
    QFETCH(QString, meldung);
    QFETCH(QString, ergebnis);
    m_ordner = std::make_unique<Arbeitsordner>();
    dialog::Skript skript;
    Programmtabelle::global().leeren();
    registriereGedaechtnis(Programmtabelle::global());
    QStringList gezeigt, listen;
    QList<int> runden;
    Form::setzeModalErsatz([&](Form* w) {
        gezeigt << w->objectName() + QLatin1Char('|') + w->windowTitle();
        w->show();
        QApplication::setActiveWindow(w);
        auto* f = qobject_cast<Tmemo3*>(w);
        if (!f)
            return 0;
        QTest::mouseClick(f->Start, Qt::LeftButton);
        for (int r = 1; r <= kRunden && f->isVisible(); ++r) {
            runden << f->rundenNr();
            const std::vector<int> liste = f->runde().liste();
            QStringList woerter;
            for (int z : liste)
                woerter << f->runde().element(z);
            listen << woerter.join(QLatin1Char(','));
            taste(f, Qt::Key_Space);
            std::vector<int> picks = liste;
            if (r == 1 && sekunden > 0) {  // a wrong cell for the last one
                int falsch = 0;
                while (f->runde().inListe(falsch))
                    ++falsch;
                picks.back() = falsch;
            }
            if (r == kRunden)
                g_uhr.mono += sekunden;
            for (int z : picks) {
                if (maus)
                    QTest::mouseClick(f, Qt::LeftButton, {}, mitte(*f, z));
                else
                    perTaste(*f, z);
            }
        }
        return 0;
    });
    QVERIFY(aufruf(n, n % 2 ? Menueart::Knopfmenue : Menueart::Windowsmenue));
    Form::setzeModalErsatz([](Form*) { return 0; });
    QCOMPARE(gezeigt.size(), 3);
    QCOMPARE(gezeigt[0].section(QLatin1Char('|'), 0, 0), QStringLiteral("regel"));
    QCOMPARE(gezeigt[1], fenster);
    QCOMPARE(gezeigt[2].section(QLatin1Char('|'), 0, 0), QStringLiteral("Form3"));
    QStringList boxen = treffer.split(QLatin1Char(' '));
    for (QString& b : boxen)
        b += QStringLiteral(" Treffer");
    QCOMPARE(skript.texte, boxen);
    QCOMPARE(::meldung, meldung);
    QCOMPARE(letztesErgebnis(n, 7), ergebnis);
    QCOMPARE(runden, (QList<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
    // the items of a list differ; numbers 10..99, words of at most 7 letters
    for (const QString& l : listen) {
        const QStringList e = l.split(QLatin1Char(','));
        QCOMPARE(QSet<QString>(e.begin(), e.end()).size(), e.size());
        for (const QString& t : e)
            QVERIFY2(n == 87 ? t.toInt() >= 10 && t.toInt() <= 99 : !t.isEmpty() && t.size() <= 7, qPrintable(t));
    }
    Programmtabelle::global().leeren();
}

int main(int argc, char** argv)
{
    Anwendung app(argc, argv);
    TestMerkspanne t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_merkspanne.moc"
