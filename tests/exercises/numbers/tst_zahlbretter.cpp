// The number boards: the logic of "Mathespiel" and of the Matrix tables called
// without a window, and the three windows driven through their controls, from
// the dispatcher to the stored result.
#include "common/satzdatei.h"
#include "common/uhr.h"
#include "common/zufall.h"
#include "common/zustand.h"
#include "exercises/numbers/mathespiel.h"
#include "exercises/numbers/matrixbrett.h"
#include "exercises/numbers/register.h"
#include "exercises/numbers/umatrix1.h"
#include "exercises/numbers/urec08.h"
#include "platform/anwendung.h"
#include "platform/dialoge.h"
#include "platform/farben.h"
#include "platform/leinwand.h"
#include "shell/aufruf.h"
#include "shell/programmtabelle.h"
#include "tests/support/testumgebung.h"
#include "tests/support/uebungsumgebung.h"
#include "tests/support/testuhr.h"

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <optional>
#include <deque>
#include <memory>
#include <random>

namespace {

Testuhr g_uhr;

// The numbers in [0,1) in the order given, then 0.5 for ever.
void mitFolge(const QList<double>& werte)
{
    auto rest = std::make_shared<std::deque<double>>(werte.begin(), werte.end());
    zufall::setzeFolge([rest] {
        if (rest->empty())
            return 0.5;
        const double v = rest->front();
        rest->pop_front();
        return v;
    });
}

// Three cells of the open round whose sum is (or is not) the target.
QList<QPoint> dreiZellen(const Mathespiel& s, bool richtig)
{
    QList<QPoint> ziel, andere;
    for (int y = 0; y < Mathespiel::kZeilen; ++y)
        for (int x = 0; x < Mathespiel::kSpalten; ++x)
            (s.ziel(x, y) ? ziel : andere) << QPoint(x, y);
    if (richtig)
        return ziel;
    // the three smallest cells besides the targets; a strictly rising row makes
    // the first and the last triple of them differ in their sum
    QList<QPoint> z{andere[0], andere[1], andere[2]};
    int summe = 0;
    for (const QPoint& p : z)
        summe += s.wert(p.x(), p.y());
    if (summe == s.zielwert())
        z[2] = andere[3];
    return z;
}

// An unused inner cell whose value is (or is not) the target.
QPoint matrixZelle(const Matrixbrett& b, bool richtig)
{
    for (int y = 1; y < Matrixbrett::kZeilen; ++y)
        for (int x = 1; x < Matrixbrett::kSpalten; ++x)
            if (!b.benutzt(x, y) && (b.zellwert(x, y) == b.ziel()) == richtig)
                return {x, y};
    return {};
}

QString kurz(const QByteArray& daten, int von) { return kurztext::lies(daten.constData() + von, 20); }

// Drives a board window as a person would.
struct Fahrer {
    Zahlbrett& f;
    bool maus;

    void taste(Qt::Key k)
    {
        QWidget* ziel = QApplication::focusWidget() ? QApplication::focusWidget() : &f;
        QTest::keyClick(ziel, k);
    }
    void waehle(QPoint z)
    {
        if (maus) {
            QTest::mouseClick(f.pb, Qt::LeftButton, Qt::NoModifier,
                              QPoint(z.x() * f.cw() + f.cw() / 2, z.y() * f.ch() + f.ch() / 2));
            return;
        }
        while (f.rahmenfeld().x() != z.x())
            taste(Qt::Key_Left);
        while (f.rahmenfeld().y() != z.y())
            taste(Qt::Key_Down);
        taste(Qt::Key_Return);
    }
    void weiter()
    {
        if (maus)
            QTest::mouseClick(f.weiter, Qt::LeftButton);
        else
            taste(Qt::Key_Return);  // on the focused "weiter"
    }
    void starte()
    {
        f.show();
        QApplication::setActiveWindow(&f);
        QTest::mouseClick(f.start, Qt::LeftButton);
    }
};

Zahlbrett* fenster(int n)
{
    if (n == Trec08::kProgramm)
        return new Trec08;
    for (const Matrixart& a : Tmatrix1::mitglieder())
        if (a.programm == n)
            return new Tmatrix1(a);
    return nullptr;
}

// One round or board; falsch: how many rounds or picks go wrong.
void spiele(Zahlbrett* f, Fahrer& d, int falsch)
{
    if (auto* m = qobject_cast<Trec08*>(f)) {
        for (const QPoint& z : dreiZellen(m->spiel(), falsch == 0))
            d.waehle(z);
        return;
    }
    auto* t = static_cast<Tmatrix1*>(f);
    for (int i = 0; i < Matrixbrett::kWahlen; ++i)
        d.waehle(matrixZelle(t->brett(), i >= falsch));
}

int farbeIn(const QImage& bild, const QRect& feld, const QColor& farbe)
{
    int n = 0;
    for (int y = feld.top(); y <= feld.bottom(); ++y)
        for (int x = feld.left(); x <= feld.right(); ++x)
            n += bild.pixelColor(x, y) == farbe;
    return n;
}

}

class TestZahlbretter : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void mathespielSchritte_data();
    void mathespielSchritte();
    void mathespielWahl_data();
    void mathespielWahl();
    void matrixZiel_data();
    void matrixZiel();
    void matrixStufe_data();
    void matrixStufe();
    void ganzerLauf_data();
    void ganzerLauf();
    void anordnung_data();
    void anordnung();
    void falscheRundeFarben();
    void geschlossenTutNichts_data();
    void geschlossenTutNichts();
    void weiterFokus_data();
    void weiterFokus();
    void laufNachBoxWeiter_data();
    void laufNachBoxWeiter();
    void abbrechenOhneErgebnis_data();
    void abbrechenOhneErgebnis();

private:
    std::unique_ptr<Arbeitsordner> m_ordner;
    std::optional<Uebungsumgebung> m_umgebung;
};

void TestZahlbretter::init()
{
    m_ordner = std::make_unique<Arbeitsordner>();
    m_umgebung.emplace(g_uhr, 7, QStringLiteral("Eva"));
}

void TestZahlbretter::cleanup()
{
    m_umgebung.reset();
    m_ordner.reset();
}

void TestZahlbretter::mathespielSchritte_data()
{
    QTest::addColumn<QString>("runden");    // R right, F wrong, per round
    QTest::addColumn<QList<int>>("schritt");  // the step w of rounds 1 to 10
    QTest::newRow("all right") << "RRRRRRRRRR" << QList<int>{1, 1, 1, 1, 1, 2, 2, 2, 2, 2};
    QTest::newRow("first wrong") << "FRRRRRRRRR" << QList<int>{1, 1, 1, 1, 1, 1, 2, 2, 2, 2};
    QTest::newRow("wrong ones do not reset") << "RRFRRFRRRR" << QList<int>{1, 1, 1, 1, 1, 1, 1, 2, 2, 2};
    QTest::newRow("all wrong") << "FFFFFFFFFF" << QList<int>(10, 1);
}

void TestZahlbretter::mathespielSchritte()
{
    QFETCH(QString, runden);
    QFETCH(QList<int>, schritt);
    int groessterSchritt2 = 0;
    for (unsigned saat = 1; saat <= 20; ++saat) {
        mitSaat(saat);
        Mathespiel s;
        s.neuerLauf();
        s.neueRunde();
        for (int k = 1; k <= Mathespiel::kRunden; ++k) {
            QCOMPARE(s.runde(), k);
            QCOMPARE(s.schritt(), schritt[k - 1]);
            QVERIFY(s.wert(0, 0) >= 1 && s.wert(0, 0) <= 3);
            for (int i = 1; i < 18; ++i) {
                const int d = s.wert(i % 6, i / 6) - s.wert((i - 1) % 6, (i - 1) / 6);
                // w = 1: consecutive numbers
                QVERIFY2(d >= 1 && d <= s.schritt(), qPrintable(QString::number(d)));
                if (s.schritt() == 2)
                    groessterSchritt2 = std::max(groessterSchritt2, d);
            }
            for (const QPoint& z : dreiZellen(s, runden[k - 1] == QLatin1Char('R')))
                s.waehle(z.x(), z.y());
            QVERIFY(!s.offen());
            QCOMPARE(s.weiter(), k < Mathespiel::kRunden);
        }
    }
    if (schritt.contains(2))
        QCOMPARE(groessterSchritt2, 2);
}

void TestZahlbretter::mathespielWahl_data()
{
    QTest::addColumn<QList<QPoint>>("wahlen");
    QTest::addColumn<QString>("urteile");  // G picked, A unpicked, R right, F wrong, N nothing
    QTest::addColumn<int>("summe");
    // the board 1 to 18 row by row; the targets 1, 10 and 18: target 29
    QTest::newRow("unpick") << QList<QPoint>{{1, 0}, {1, 0}} << "GA" << 0;
    QTest::newRow("the target cells") << QList<QPoint>{{0, 0}, {3, 1}, {5, 2}} << "GGR" << 29;
    QTest::newRow("other cells of the sum") << QList<QPoint>{{1, 0}, {2, 1}, {5, 2}} << "GGR" << 29;
    QTest::newRow("wrong sum") << QList<QPoint>{{0, 0}, {1, 0}, {2, 0}} << "GGF" << 6;
    QTest::newRow("unpicked does not count") << QList<QPoint>{{0, 0}, {0, 0}, {1, 0}, {2, 1}, {5, 2}} << "GAGGR" << 29;
    QTest::newRow("closed round") << QList<QPoint>{{0, 0}, {3, 1}, {5, 2}, {4, 0}, {0, 0}} << "GGRNN" << 29;
    QTest::newRow("outside") << QList<QPoint>{{6, 0}, {-1, 1}, {0, 3}, {0, -1}} << "NNNN" << 0;
}

void TestZahlbretter::mathespielWahl()
{
    QFETCH(QList<QPoint>, wahlen);
    QFETCH(QString, urteile);
    QFETCH(int, summe);
    // a1 = 1, 17 steps of 1, targets (0, 0), (3, 1), (5, 2)
    mitFolge(QList<double>(18, 0.0) << 0.0 << 0.0 << 0.5 << 0.4 << 0.9 << 0.9);
    Mathespiel s;
    s.neuerLauf();
    s.neueRunde();
    QCOMPARE(s.wert(0, 0), 1);
    QCOMPARE(s.wert(5, 2), 18);
    QCOMPARE(s.zielwert(), 29);
    QString gesehen;
    for (const QPoint& p : wahlen)
        gesehen += QStringLiteral("NGARF")[int(s.waehle(p.x(), p.y()))];
    QCOMPARE(gesehen, urteile);
    QCOMPARE(s.summe(), summe);
    QCOMPARE(s.offen(), !urteile.contains(QLatin1Char('R')) && !urteile.contains(QLatin1Char('F')));
}

void TestZahlbretter::matrixZiel_data()
{
    QTest::addColumn<QChar>("zeichen");
    QTest::addColumn<int>("ziel");
    QTest::addColumn<QList<QPoint>>("wahlen");
    QTest::addColumn<QString>("urteile");  // R right, F wrong, N nothing
    // heads 2 3 4 5 6 and 5 6 7 8; the target's cell (1, 2)
    QTest::newRow("+ the target's cell") << QChar('+') << 8 << QList<QPoint>{{1, 2}} << "R";
    QTest::newRow("+ another cell of 8") << QChar('+') << 8 << QList<QPoint>{{2, 1}} << "R";
    QTest::newRow("+ a cell of 7") << QChar('+') << 8 << QList<QPoint>{{1, 1}} << "F";
    QTest::newRow("+ heads, corner, outside")
        << QChar('+') << 8 << QList<QPoint>{{1, 0}, {0, 2}, {0, 0}, {6, 1}, {1, 5}, {-1, 2}} << "NNNNNN";
    QTest::newRow("+ a used cell") << QChar('+') << 8 << QList<QPoint>{{3, 3}, {3, 3}} << "FN";
    QTest::newRow("* the target's cell") << QChar('*') << 12 << QList<QPoint>{{1, 2}} << "R";
    QTest::newRow("* a cell of 15") << QChar('*') << 12 << QList<QPoint>{{2, 1}} << "F";
}

void TestZahlbretter::matrixZiel()
{
    QFETCH(QChar, zeichen);
    QFETCH(int, ziel);
    QFETCH(QList<QPoint>, wahlen);
    QFETCH(QString, urteile);
    mitFolge({0.3, 0.1, 0.1, 0.1, 0.1, 0.9, 0.1, 0.1, 0.1, 0.1, 0.3});
    Matrixbrett b(zeichen);
    b.neuerLauf();
    QList<int> koepfe;
    for (int x = 1; x <= 5; ++x)
        koepfe << b.kopf(x, 0);
    for (int y = 1; y <= 4; ++y)
        koepfe << b.kopf(0, y);
    QCOMPARE(koepfe, (QList<int>{2, 3, 4, 5, 6, 5, 6, 7, 8}));
    QCOMPARE(b.zielfeld(), QPoint(1, 2));
    QCOMPARE(b.ziel(), ziel);
    QString gesehen;
    for (const QPoint& p : wahlen)
        gesehen += QStringLiteral("NRF")[int(b.waehle(p.x(), p.y()))];
    QCOMPARE(gesehen, urteile);
    QCOMPARE(b.richtige(), int(urteile.count(QLatin1Char('R'))));
}

void TestZahlbretter::matrixStufe_data()
{
    QTest::addColumn<QList<int>>("richtige");  // right picks on boards 1 and 2
    QTest::addColumn<QList<int>>("stufe");     // the level of boards 1 to 3
    QTest::newRow("7 then 10") << QList<int>{7, 10} << QList<int>{1, 1, 2};
    QTest::newRow("8 then 7") << QList<int>{8, 7} << QList<int>{1, 2, 2};
    QTest::newRow("10 then 8") << QList<int>{10, 8} << QList<int>{1, 2, 3};
    QTest::newRow("0 then 0") << QList<int>{0, 0} << QList<int>{1, 1, 1};
}

void TestZahlbretter::matrixStufe()
{
    QFETCH(QList<int>, richtige);
    QFETCH(QList<int>, stufe);
    QList<int> groesster(3, 0);
    for (unsigned saat = 1; saat <= 40; ++saat) {
        mitSaat(saat);
        Matrixbrett b(QLatin1Char('+'));
        b.neuerLauf();
        for (int k = 1; k <= 3; ++k) {
            QCOMPARE(b.brett(), k);
            QCOMPARE(b.stufe(), stufe[k - 1]);
            QVERIFY(b.kopf(1, 0) >= 1 && b.kopf(1, 0) <= 5 && b.kopf(0, 1) >= 1 && b.kopf(0, 1) <= 5);
            for (int i = 1; i < 5; ++i) {
                for (const int d : {b.kopf(i + 1, 0) - b.kopf(i, 0), i < 4 ? b.kopf(0, i + 1) - b.kopf(0, i) : 1}) {
                    QVERIFY(d >= 1 && d <= 2 * b.stufe());
                    groesster[k - 1] = std::max(groesster[k - 1], d);
                }
            }
            for (int i = 0; i < Matrixbrett::kWahlen; ++i) {
                const QPoint z = matrixZelle(b, k < 3 && i < richtige[k - 1]);
                QVERIFY(!z.isNull());
                b.waehle(z.x(), z.y());
            }
            QVERIFY(!b.offen());
            QCOMPARE(b.weiter(), k < 3);
        }
    }
    // steps of 1 to 2L: the largest is seen
    for (int k = 0; k < 3; ++k)
        QCOMPARE(groesster[k], 2 * stufe[k]);
}

void TestZahlbretter::ganzerLauf_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<bool>("maus");
    QTest::addColumn<int>("falsch");  // wrong rounds, or wrong picks per board
    QTest::addColumn<QString>("ergebnisdatei");
    QTest::addColumn<int>("ergebnissatz");  // (item - 1) x 400 + 69 for user 7
    QTest::addColumn<int>("hochblock");
    QTest::addColumn<QString>("punkte");
    QTest::addColumn<QString>("meldung");
    // 10 right rounds: 100 + 2000, less 123.45 seconds
    QTest::newRow("19 keys") << 19 << false << 0 << "xbaserg0.dat" << 2469 << 6 << "1976,55"
                             << "Sie haben 1976 Punkte erreicht!";
    // 30 right picks: 100 + 1500
    QTest::newRow("34 mouse") << 34 << true << 0 << "xbaserg1.dat" << 3669 << 20 << "1476,55"
                              << "Sie haben 1476 Punkte erreicht!";
    // 3 wrong picks per board, 21 right: 100 + 1050
    QTest::newRow("35 keys") << 35 << false << 3 << "xbaserg1.dat" << 4069 << 21 << "1026,55"
                             << "Sie haben 1026 Punkte erreicht!";
    QTest::newRow("19 mouse, all wrong") << 19 << true << 10 << "xbaserg0.dat" << 2469 << 6 << "2"
                                         << "Sie haben 2 Punkte erreicht!";
}

void TestZahlbretter::ganzerLauf()
{
    QFETCH(int, n);
    QFETCH(bool, maus);
    QFETCH(int, falsch);
    QFETCH(QString, ergebnisdatei);
    QFETCH(int, ergebnissatz);
    QFETCH(int, hochblock);
    QFETCH(QString, punkte);
    QFETCH(QString, meldung);
    Programmtabelle::global().leeren();
    registriereZahlen(Programmtabelle::global());
    QStringList gezeigt, zaehler, ziele;
    Form::setzeModalErsatz([&](Form* fenster) {
        gezeigt << fenster->objectName();
        auto* f = qobject_cast<Zahlbrett*>(fenster);
        if (!f)
            return 0;
        Fahrer d{*f, maus};
        d.starte();
        const int runden = n == 19 ? 10 : 3;
        for (int k = 1; k <= runden && f->isVisible(); ++k) {
            zaehler << f->aufzahl->text();
            ziele << f->lb1->text().left(6);
            spiele(f, d, n == 19 ? (k <= falsch) : falsch);
            if (k == runden)
                g_uhr.mono += 123.45;
            d.weiter();
        }
        return 0;
    });
    QVERIFY(aufruf(n, n % 2 ? Menueart::Knopfmenue : Menueart::Windowsmenue));
    // the rules window, the exercise, the message window
    QCOMPARE(gezeigt.size(), 3);
    QCOMPARE(gezeigt[0], QStringLiteral("regel"));
    QCOMPARE(gezeigt[2], QStringLiteral("Form3"));
    QStringList erwartet;
    for (int k = 1; k <= (n == 19 ? 10 : 3); ++k)
        erwartet << QStringLiteral("%1/%2").arg(k).arg(n == 19 ? 10 : 3);
    QCOMPARE(zaehler, erwartet);
    QCOMPARE(ziele, QStringList(erwartet.size(), QStringLiteral("Ziel: ")));
    QCOMPARE(::meldung, meldung);
    const QByteArray ergebnisse = m_ordner->lies(ergebnisdatei);
    QCOMPARE(kurz(ergebnisse, ergebnissatz * 21), QStringLiteral("07.03.2026   ") + punkte);
    const QByteArray hoch = m_ordner->lies(QStringLiteral("xbashigh.dat"));
    QCOMPARE(kurz(hoch, hochblock * 15 * 63), QStringLiteral("Eva"));
    QCOMPARE(kurz(hoch, hochblock * 15 * 63 + 21), punkte);
}

void TestZahlbretter::anordnung_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<QString>("klasse");
    QTest::addColumn<QString>("titel");
    QTest::addColumn<QSize>("zellen");  // columns and rows of the image
    QTest::newRow("19") << 19 << "Trec08" << "Mathespiel" << QSize(6, 3);
    QTest::newRow("34") << 34 << "Tmatrix1" << "Matrix+" << QSize(6, 5);
    QTest::newRow("35") << 35 << "Tmatrix2" << "Matrix*" << QSize(6, 5);
}

void TestZahlbretter::anordnung()
{
    QFETCH(int, n);
    QFETCH(QString, klasse);
    QFETCH(QString, titel);
    QFETCH(QSize, zellen);
    Programmtabelle t;
    registriereZahlen(t);
    QString gezeigt;
    Form::setzeModalErsatz([&](Form* f) {
        gezeigt = f->objectName() + QLatin1Char('|') + f->windowTitle();
        return 0;
    });
    t.oeffne(n);
    QCOMPARE(gezeigt, klasse + QLatin1Char('|') + titel);

    std::unique_ptr<Zahlbrett> f(fenster(n));
    f->resize(1920, 1080);
    Fahrer{*f, true}.starte();
    QCOMPARE(f->start->y(), 10);
    QCOMPARE(f->aufzahl->y(), 10);
    QCOMPARE(f->aufzahl->x(), f->frameGeometry().width() * 4 / 5);
    QCOMPARE(f->pb->size(), QSize(zellen.width() * f->cw(), zellen.height() * f->ch()));
    QCOMPARE(f->pb->y(), f->frameGeometry().height() * 2 / 10);
    QVERIFY(f->pb->x() > 0 && f->pb->x() + f->pb->width() < f->width());
    f->close();
}

void TestZahlbretter::falscheRundeFarben()
{
    Trec08 f;
    Fahrer d{f, true};
    d.starte();
    const Mathespiel& s = f.spiel();
    const QList<QPoint> wahl = dreiZellen(s, false);
    for (const QPoint& z : wahl)
        d.waehle(z);
    QCOMPARE(f.lb2->text(), QStringLiteral("Ergebnis: ") + QString::number(s.summe()));
    QVERIFY(!f.weiter->isHidden());
    QCOMPARE(f.punkte(), 100.0f);
    const QImage bild = f.pb->bild();
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 6; ++x) {
            const QRect zelle(x * f.cw() + 2, y * f.ch() + 2, f.cw() - 4, f.ch() - 4);
            const bool rot = wahl.contains(QPoint(x, y)) && !s.ziel(x, y);
            QCOMPARE(bild.pixelColor(zelle.topLeft()), rot ? farbe::rot : farbe::buttonFace());
            // the targets' numbers in white, the others in black
            QCOMPARE(farbeIn(bild, zelle, farbe::weiss) > 20, s.ziel(x, y));
            QCOMPARE(farbeIn(bild, zelle, farbe::schwarz) > 20, !s.ziel(x, y));
        }
    QCOMPARE(farbeIn(bild, bild.rect(), farbe::gelb), 0);
}

void TestZahlbretter::geschlossenTutNichts_data()
{
    QTest::addColumn<int>("n");
    QTest::newRow("19") << 19;
    QTest::newRow("34") << 34;
}

void TestZahlbretter::geschlossenTutNichts()
{
    QFETCH(int, n);
    std::unique_ptr<Zahlbrett> f(fenster(n));
    Fahrer d{*f, true};
    f->show();
    // before the start: no board, keys do nothing, Esc does not close
    QVERIFY(f->pb->isHidden());
    QTest::keyClick(f.get(), Qt::Key_Escape);
    QVERIFY(f->isVisible());
    d.starte();
    auto* m = qobject_cast<Tmatrix1*>(f.get());
    if (m) {
        // heads and a used cell, open board
        const QPoint z = matrixZelle(m->brett(), true);
        d.waehle(z);
        const QImage vorher = f->pb->bild();
        for (const QPoint& p : {QPoint(1, 0), QPoint(0, 3), QPoint(0, 0), z})
            d.waehle(p);
        QCOMPARE(m->brett().wahlen(), 1);
        QCOMPARE(f->punkte(), 150.0f);
        QCOMPARE(f->pb->bild(), vorher);
    }
    spiele(f.get(), d, 0);
    QVERIFY(!f->weiter->isHidden());
    const float punkte = f->punkte();
    const QImage vorher = f->pb->bild();
    const QString ziel = f->lb1->text();
    // closed: picks, arrows and Esc do nothing
    d.maus = false;
    f->setFocus();
    for (Qt::Key k : {Qt::Key_Left, Qt::Key_Down, Qt::Key_Return, Qt::Key_Escape})
        QTest::keyClick(f.get(), k);
    d.maus = true;
    for (int x = 0; x < 6; ++x)
        d.waehle(QPoint(x, 1));
    QVERIFY(f->isVisible());
    QCOMPARE(f->pb->bild(), vorher);
    QCOMPARE(f->punkte(), punkte);
    QCOMPARE(f->lb1->text(), ziel);
    QCOMPARE(f->aufzahl->text(), n == 19 ? QStringLiteral("1/10") : QStringLiteral("1/3"));
    f->close();
}

void TestZahlbretter::weiterFokus_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<bool>("maus");
    QTest::addColumn<bool>("fokus");
    QTest::newRow("19 mouse") << 19 << true << true;
    QTest::newRow("34 mouse") << 34 << true << true;
    QTest::newRow("35 mouse") << 35 << true << false;
    QTest::newRow("35 keys") << 35 << false << true;
}

void TestZahlbretter::weiterFokus()
{
    QFETCH(int, n);
    QFETCH(bool, maus);
    QFETCH(bool, fokus);
    std::unique_ptr<Zahlbrett> f(fenster(n));
    Fahrer d{*f, maus};
    d.starte();
    spiele(f.get(), d, 1);
    QVERIFY(!f->weiter->isHidden());
    QCOMPARE(f->weiter->hasFocus(), fokus);
    f->close();
}

void TestZahlbretter::laufNachBoxWeiter_data()
{
    QTest::addColumn<int>("n");
    QTest::newRow("19") << 19;
    QTest::newRow("35") << 35;
}

// A box re-activates the window; the run goes on where it was.
void TestZahlbretter::laufNachBoxWeiter()
{
    QFETCH(int, n);
    std::unique_ptr<Zahlbrett> f(fenster(n));
    Fahrer d{*f, false};
    d.starte();
    spiele(f.get(), d, 0);
    d.weiter();
    const QString ziel = f->lb1->text();
    const float punkte = f->punkte();
    const QImage bild = f->pb->bild();
    {
        ModalWaechter w([](QWidget* box) { QTest::keyClick(box, Qt::Key_Return); });
        dialog::zeige(QStringLiteral("Hinweis"));
        QVERIFY(w.ausgeloest());
    }
    QApplication::setActiveWindow(f.get());
    QCoreApplication::processEvents();
    QCOMPARE(f->aufzahl->text(), n == 19 ? QStringLiteral("2/10") : QStringLiteral("2/3"));
    QCOMPARE(f->lb1->text(), ziel);
    QCOMPARE(f->punkte(), punkte);
    QCOMPARE(f->pb->bild(), bild);
    spiele(f.get(), d, 0);
    QCOMPARE(f->punkte(), n == 19 ? 500.0f : 1100.0f);
    f->close();
}

void TestZahlbretter::abbrechenOhneErgebnis_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<bool>("esc");
    QTest::newRow("19 Esc") << 19 << true;
    QTest::newRow("19 close box") << 19 << false;
    QTest::newRow("34 Esc") << 34 << true;
    QTest::newRow("35 close box") << 35 << false;
}

void TestZahlbretter::abbrechenOhneErgebnis()
{
    QFETCH(int, n);
    QFETCH(bool, esc);
    const QByteArray ergebnisse = m_ordner->lies(QStringLiteral("xbaserg%1.dat").arg(n / 12 - 1));
    const QByteArray hoch = m_ordner->lies(QStringLiteral("xbashigh.dat"));
    std::unique_ptr<Zahlbrett> f(fenster(n));
    Fahrer d{*f, false};
    d.starte();
    spiele(f.get(), d, 0);
    d.weiter();
    if (esc)
        QTest::keyClick(f.get(), Qt::Key_Escape);
    else
        QVERIFY(f->close());
    QVERIFY(!f->isVisible());
    QVERIFY(!f->laeuft());
    QVERIFY(::meldung.isEmpty());
    QCOMPARE(m_ordner->lies(QStringLiteral("xbaserg%1.dat").arg(n / 12 - 1)), ergebnisse);
    QCOMPARE(m_ordner->lies(QStringLiteral("xbashigh.dat")), hoch);
    QVERIFY(!f->start->isHidden() && f->weiter->isHidden() && f->aufzahl->text().isEmpty());
    // the next run starts afresh
    d.starte();
    QCOMPARE(f->aufzahl->text(), n == 19 ? QStringLiteral("1/10") : QStringLiteral("1/3"));
    QCOMPARE(f->punkte(), 100.0f);
    QCOMPARE(f->rahmenfeld(), n == 19 ? QPoint(0, 0) : QPoint(1, 1));
    f->close();
}

int main(int argc, char** argv)
{
    Anwendung app(argc, argv);
    TestZahlbretter t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_zahlbretter.moc"
