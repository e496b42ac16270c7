// "Sterne" and "Summenquadrat": the stars of a guess, the round points, the
// board and its frame as plain logic; both windows driven from the dispatcher
// to the stored result, their message boxes, bad input and closing early.
#include "common/satzdatei.h"
#include "common/uhr.h"
#include "common/zufall.h"
#include "common/zustand.h"
#include "exercises/numbers/register.h"
#include "exercises/numbers/sterne.h"
#include "exercises/numbers/summenbrett.h"
#include "exercises/numbers/ulog11.h"
#include "exercises/numbers/urec09.h"
#include "platform/anwendung.h"
#include "platform/dialoge.h"
#include "platform/leinwand.h"
#include "shell/aufruf.h"
#include "shell/ergebnisse.h"
#include "shell/programmtabelle.h"
#include "tests/support/testumgebung.h"
#include "tests/support/uebungsumgebung.h"
#include "tests/support/testuhr.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QSet>
#include <QTest>
#include <optional>
#include <QTextEdit>
#include <deque>
#include <memory>
#include <random>

namespace {

// Secrets in the order given: R(199) of these numbers draws them.
void geheimnisse(std::deque<int> zahlen)
{
    auto q = std::make_shared<std::deque<int>>(std::move(zahlen));
    zufall::setzeFolge([q] {
        const int s = q->empty() ? 1 : q->front();
        if (!q->empty())
            q->pop_front();
        return (s - 0.5) / 199.0;
    });
}

QString letzterEintrag(int programm)
{
    Satzdatei d(ergebnis::dateiname(programm / 12 - 1), ergebnis::kSatzgroesse);
    d.positioniere(ergebnis::satznummer(programm % 12, nutzer, 9));
    return d.liesText();
}

void rate(Tlog11& f, const QString& text)
{
    tippe(f.eingabe, text);
    QTest::keyClick(f.eingabe, Qt::Key_Return);
}

QStringList zeilen(const QTextEdit* memo)
{
    const QString t = memo->toPlainText();
    return t.isEmpty() ? QStringList() : t.split(QLatin1Char('\n'));
}

// Moves the frame of the window to (x, y) with the arrow keys, the short way
// round or the long way (through the wrap).
void fahreRahmen(Trec09& f, int x, int y, bool rueckwaerts)
{
    for (int i = 0; f.brett().fx != x && i < 8; ++i)
        QTest::keyClick(&f, rueckwaerts ? Qt::Key_Left : Qt::Key_Right);
    for (int i = 0; f.brett().fy != y && i < 8; ++i)
        QTest::keyClick(&f, rueckwaerts ? Qt::Key_Up : Qt::Key_Down);
}

// The squares whose digits add up to the target, worked out from the cells.
QList<QPoint> quadrateMitSumme(const Summenbrett& b, bool gleich)
{
    QList<QPoint> q;
    for (int x = 1; x <= 8; ++x)
        for (int y = 1; y <= 8; ++y) {
            int s = 0;
            for (int i = 0; i < 3; ++i)
                for (int j = 0; j < 3; ++j)
                    s += b.zelle(x + i, y + j);
            if ((s == b.ziel()) == gleich)
                q << QPoint(x, y);
        }
    return q;
}

}

class TestSterneSummen : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    // the logic, without a working folder
    void sterneZeile_data();
    void sterneZeile();
    void rundenpunkte_data();
    void rundenpunkte();
    void summenZiffern_data();
    void summenZiffern();
    void rahmenWickelt_data();
    void rahmenWickelt();
    void jedesQuadratMitDerSumme_data();
    void jedesQuadratMitDerSumme();
    // the windows
    void sterneLauf();
    void sterneNachJederBox();
    void sterneEingabefilter_data();
    void sterneEingabefilter();
    void sterneEingefuegtKeineZahl();
    void sterneBoxEnterRaetNicht();
    void sterneSchliessen();
    void summenLauf();
    void summenLayout();
    void summenNachBox();
    void summenEscUndSchliessen();

private:
    Testuhr m_uhr;
    std::unique_ptr<Arbeitsordner> m_ordner;
    std::optional<Uebungsumgebung> m_umgebung;
};

void TestSterneSummen::init()
{
    // the windows' tests run in a working folder of their own
    static const QSet<QByteArray> logik{"sterneZeile", "rundenpunkte", "summenZiffern", "rahmenWickelt",
                                        "jedesQuadratMitDerSumme"};
    if (!logik.contains(QTest::currentTestFunction()))
        m_ordner = std::make_unique<Arbeitsordner>();
    m_umgebung.emplace(m_uhr, 5, QStringLiteral("Ida"));
}

void TestSterneSummen::cleanup()
{
    m_umgebung.reset();
    m_ordner.reset();
}

void TestSterneSummen::sterneZeile_data()
{
    QTest::addColumn<int>("geheim");
    QTest::addColumn<QString>("getippt");
    QTest::addColumn<QString>("zeile");
    QTest::newRow("100 weg") << 101 << "1" << "1    ";
    QTest::newRow("99 weg") << 100 << "1" << "1    *";
    QTest::newRow("50 weg") << 60 << "10" << "10   *";
    QTest::newRow("49 weg") << 59 << "10" << "10   **";
    QTest::newRow("25 weg") << 35 << "10" << "10   **";
    QTest::newRow("24 weg") << 34 << "10" << "10   ***";
    QTest::newRow("10 weg") << 20 << "10" << "10   ***";
    QTest::newRow("9 weg") << 19 << "10" << "10   ****";
    QTest::newRow("7 gegen 12") << 12 << "7" << "7    ****";
    QTest::newRow("5 weg") << 15 << "10" << "10   ****";
    QTest::newRow("4 weg") << 14 << "10" << "10   *****";
    QTest::newRow("3 weg") << 13 << "10" << "10   *****";
    QTest::newRow("2 weg") << 12 << "10" << "10   ******";
    QTest::newRow("1 weg") << 199 << "198" << "198  ******";
    QTest::newRow("0 zaehlt") << 1 << "0" << "0    ******";
    QTest::newRow("999 zaehlt") << 199 << "999" << "999  ";
    QTest::newRow("Treffer") << 12 << "12" << "12     Treffer!";
    QTest::newRow("Treffer 199") << 199 << "199" << "199     Treffer!";
}

void TestSterneSummen::sterneZeile()
{
    QFETCH(int, geheim);
    QFETCH(QString, getippt);
    QFETCH(QString, zeile);
    geheimnisse({geheim});
    Sternespiel s;
    s.starte();
    QCOMPARE(s.geheim(), geheim);
    const Sternespiel::Urteil u = s.rate(getippt.toInt(), getippt);
    QCOMPARE(u.zeile, zeile);
    QCOMPARE(u.treffer, zeile.endsWith(QLatin1String("Treffer!")));
    QCOMPARE(s.versuche(), 1);
}

void TestSterneSummen::rundenpunkte_data()
{
    QTest::addColumn<int>("treffer");  // the guess that hits; 0: none
    QTest::addColumn<int>("punkte");
    QTest::addColumn<int>("versuche");
    QTest::newRow("erster") << 1 << 2200 << 1;
    QTest::newRow("zweiter") << 2 << 2100 << 2;
    QTest::newRow("zwanzigster") << 20 << 300 << 20;
    QTest::newRow("keiner") << 0 << 0 << 20;
}

void TestSterneSummen::rundenpunkte()
{
    QFETCH(int, treffer);
    QFETCH(int, punkte);
    QFETCH(int, versuche);
    geheimnisse({77});
    Sternespiel s;
    s.starte();
    for (int k = 1; k <= 25 && !s.rundeVorbei(); ++k) {
        const int zahl = k == treffer ? 77 : 500;
        const Sternespiel::Urteil u = s.rate(zahl, QString::number(zahl));
        QCOMPARE(u.verfehlt, treffer == 0 && k == 20);
    }
    QCOMPARE(s.versuche(), versuche);
    QCOMPARE(s.rundenpunkte(), punkte);
    // a guess after the round's end counts for nothing
    QVERIFY(s.rate(77, QStringLiteral("77")).zeile.isEmpty());
    QCOMPARE(s.versuche(), versuche);
    QVERIFY(!s.zaehleRunde());
    QCOMPARE(s.fertigeRunden(), 1);
}

void TestSterneSummen::summenZiffern_data()
{
    QTest::addColumn<int>("richtige");
    QTest::addColumn<int>("ziffern");
    QTest::newRow("erste Aufgabe") << 0 << 10;
    QTest::newRow("nach einer") << 1 << 12;
    QTest::newRow("nach fuenf") << 5 << 20;
    QTest::newRow("zwanzigste") << 19 << 48;
    QTest::newRow("nie mehr als 48") << 60 << 48;
}

void TestSterneSummen::summenZiffern()
{
    QFETCH(int, richtige);
    QFETCH(int, ziffern);
    for (unsigned saat = 1; saat <= 50; ++saat) {
        zufall::setzeSaat(saat);
        zufall::setzeFolge({});
        Summenbrett b;
        b.neu(richtige);
        int n = 0;
        for (int x = 1; x <= 10; ++x)
            for (int y = 1; y <= 10; ++y) {
                QVERIFY(b.zelle(x, y) >= 0 && b.zelle(x, y) <= 4);
                n += b.zelle(x, y) > 0;
            }
        QCOMPARE(n, ziffern);
        QVERIFY(b.x0() >= 1 && b.x0() <= 8 && b.y0() >= 1 && b.y0() <= 8);
        QVERIFY(b.ziel() >= 1);
        QVERIFY(!quadrateMitSumme(b, true).isEmpty());
        QCOMPARE(QPoint(b.fx, b.fy), QPoint(2, 2));
    }
}

void TestSterneSummen::rahmenWickelt_data()
{
    QTest::addColumn<QPoint>("von");
    QTest::addColumn<int>("taste");
    QTest::addColumn<QPoint>("nach");
    QTest::addColumn<bool>("pfeil");
    QTest::newRow("rechts 8 -> 1") << QPoint(8, 5) << 39 << QPoint(1, 5) << true;
    QTest::newRow("links 1 -> 8") << QPoint(1, 5) << 37 << QPoint(8, 5) << true;
    QTest::newRow("hoch 1 -> 8") << QPoint(3, 1) << 38 << QPoint(3, 8) << true;
    QTest::newRow("runter 8 -> 1") << QPoint(3, 8) << 40 << QPoint(3, 1) << true;
    QTest::newRow("rechts") << QPoint(2, 2) << 39 << QPoint(3, 2) << true;
    QTest::newRow("runter") << QPoint(2, 2) << 40 << QPoint(2, 3) << true;
    QTest::newRow("Enter") << QPoint(4, 4) << 13 << QPoint(4, 4) << false;
    QTest::newRow("Leertaste") << QPoint(4, 4) << 32 << QPoint(4, 4) << false;
}

void TestSterneSummen::rahmenWickelt()
{
    QFETCH(QPoint, von);
    QFETCH(int, taste);
    QFETCH(QPoint, nach);
    QFETCH(bool, pfeil);
    Summenbrett b;
    b.fx = von.x();
    b.fy = von.y();
    QCOMPARE(b.bewege(taste), pfeil);
    QCOMPARE(QPoint(b.fx, b.fy), nach);
}

void TestSterneSummen::jedesQuadratMitDerSumme_data()
{
    QTest::addColumn<QPoint>("rahmen");
    QTest::addColumn<bool>("richtig");
    QTest::newRow("die Loesung") << QPoint(1, 1) << true;
    QTest::newRow("anderes Quadrat, gleiche Summe") << QPoint(8, 8) << true;
    QTest::newRow("ueberlappend, gleiche Summe") << QPoint(2, 1) << true;
    QTest::newRow("Summe 1") << QPoint(1, 2) << false;
    QTest::newRow("leer") << QPoint(4, 4) << false;
}

void TestSterneSummen::jedesQuadratMitDerSumme()
{
    QFETCH(QPoint, rahmen);
    QFETCH(bool, richtig);
    // the square (1, 1) holds 3 and 4: target 7; (2, 1) holds 4 and 3, (8, 8)
    // 3 and 4, (1, 2) only a 1
    Summenbrett::Felder f{};  // [x - 1][y - 1]
    f[0][0] = 3;
    f[2][0] = 4;
    f[3][2] = 3;
    f[9][9] = 4;
    f[8][9] = 3;
    f[1][3] = 1;
    Summenbrett b;
    b.setze(f, 1, 1);
    QCOMPARE(b.ziel(), 7);
    b.fx = rahmen.x();
    b.fy = rahmen.y();
    QCOMPARE(b.getroffen(), richtig);
}

void TestSterneSummen::sterneLauf()
{
    // from the dispatcher: round 1 hit with the second guess (2100), round 2
    // missed with twenty guesses of 0 (0), round 3 hit at once (2200); 100 +
    // 4300 - 60.5 seconds
    Programmtabelle::global().leeren();
    registriereZahlen(Programmtabelle::global());
    geheimnisse({12, 120, 199});
    dialog::Skript skript;
    QStringList gezeigt;
    QStringList zeilenRunde1;
    int tastenNachEnde = -1;
    Tlog11* sterne = nullptr;
    QList<int> zeilenBeiBox;  // a hit's line follows its box, a miss's line comes first
    skript.beimZeigen = [&](const QString&) { zeilenBeiBox << (sterne ? int(zeilen(sterne->memo).size()) : -1); };
    // the checks inside return from the inner lambda; a failure still fails the test
    Form::setzeModalErsatz([&](Form* fenster) {
        [&] {
        gezeigt << fenster->objectName();
        if (auto* f = qobject_cast<Tlog11*>(fenster)) {
            sterne = f;
            f->show();
            QApplication::setActiveWindow(f);
            QVERIFY(f->laeuft());
            QCOMPARE(f->focusWidget(), f->eingabe);
            rate(*f, QStringLiteral("7"));
            zeilenRunde1 = zeilen(f->memo);
            rate(*f, QStringLiteral("12"));
            QCOMPARE(f->spiel().fertigeRunden(), 1);
            QVERIFY(f->memo->toPlainText().isEmpty());
            for (int k = 1; k <= 20; ++k)
                rate(*f, QStringLiteral("0"));
            QCOMPARE(f->spiel().fertigeRunden(), 2);
            m_uhr.mono += 60.5;
            rate(*f, QStringLiteral("199"));
            QVERIFY(!f->isVisible());
        }
        if (fenster->objectName() == QLatin1String("Form3") && sterne) {
            // the end message is up: a guess now changes nothing
            sterne->eingabe->setText(QStringLiteral("5"));
            QTest::keyClick(sterne->eingabe, Qt::Key_Return);
            tastenNachEnde = sterne->spiel().versuche();
        }
        }();
        return 0;
    });
    QVERIFY(aufruf(22, Menueart::Knopfmenue));
    QCOMPARE(gezeigt, (QStringList{QStringLiteral("regel"), QStringLiteral("Tlog11"), QStringLiteral("Form3")}));
    QCOMPARE(zeilenRunde1, QStringList{QStringLiteral("7    ****")});
    QCOMPARE(skript.texte, (QStringList{QStringLiteral("GETROFFEN!!"),
                                        QStringLiteral("Nicht geschafft! Die Lösung lautet 120"),
                                        QStringLiteral("GETROFFEN!!")}));
    QCOMPARE(zeilenBeiBox, (QList<int>{1, 20, 0}));
    QCOMPARE(tastenNachEnde, 1);
    QCOMPARE(meldung, QStringLiteral("Sie haben 4339 Punkte erreicht!"));
    QCOMPARE(letzterEintrag(22), QStringLiteral("07.03.2026   4339,5"));
    // the highscore list of "Sterne", block 9
    Satzdatei h(QStringLiteral("xbashigh.dat"), 63);
    h.positioniere(9 * 15);
    QCOMPARE(h.liesText(), QStringLiteral("Ida"));
}

void TestSterneSummen::sterneNachJederBox()
{
    // real message boxes: after each the run goes on where it was
    geheimnisse({40, 41, 42});
    Tlog11 f;
    f.show();
    QApplication::setActiveWindow(&f);
    QString text;
    const auto bestaetige = [&text](QWidget* w) {
        auto* box = qobject_cast<QMessageBox*>(w);
        text = box ? box->text() : QString();
        if (box)
            box->accept();
    };
    {
        ModalWaechter w(bestaetige);
        rate(f, QStringLiteral("40"));
        QVERIFY(w.ausgeloest());
    }
    QCOMPARE(text, QStringLiteral("GETROFFEN!!"));
    QVERIFY(f.laeuft());
    QCOMPARE(f.spiel().fertigeRunden(), 1);
    QCOMPARE(f.spiel().geheim(), 41);
    QCOMPARE(f.spiel().versuche(), 0);
    rate(f, QStringLiteral("30"));
    QCOMPARE(zeilen(f.memo), QStringList{QStringLiteral("30   ***")});
    for (int k = 2; k < 20; ++k)
        rate(f, QStringLiteral("30"));
    QCOMPARE(zeilen(f.memo).size(), 19);
    {
        ModalWaechter w(bestaetige);
        rate(f, QStringLiteral("30"));
        QVERIFY(w.ausgeloest());
    }
    QCOMPARE(text, QStringLiteral("Nicht geschafft! Die Lösung lautet 41"));
    QVERIFY(f.laeuft());
    QCOMPARE(f.spiel().fertigeRunden(), 2);
    QCOMPARE(f.spiel().geheim(), 42);
    QVERIFY(f.memo->toPlainText().isEmpty());
    // the third round starts from the points so far: 100 + 2200 + 0
    {
        ModalWaechter w(bestaetige);
        rate(f, QStringLiteral("42"));
        QVERIFY(w.ausgeloest());
    }
    QVERIFY(!f.isVisible());
    QCOMPARE(meldung, QStringLiteral("Sie haben 4500 Punkte erreicht!"));
    QCOMPARE(letzterEintrag(22), QStringLiteral("07.03.2026   4500"));
}

void TestSterneSummen::sterneEingabefilter_data()
{
    QTest::addColumn<QString>("tasten");  // "<" Backspace, "!" Esc
    QTest::addColumn<QString>("feld");
    QTest::newRow("Buchstaben") << "1a2" << "12";
    QTest::newRow("Zeichen") << "-3,5 " << "35";
    QTest::newRow("drei Ziffern") << "12345" << "123";
    QTest::newRow("Rueckschritt") << "12<4" << "14";
    QTest::newRow("Esc") << "7!8" << "78";
}

void TestSterneSummen::sterneEingabefilter()
{
    QFETCH(QString, tasten);
    QFETCH(QString, feld);
    Tlog11 f;
    f.show();
    for (QChar c : tasten) {
        if (c == QLatin1Char('<'))
            QTest::keyClick(f.eingabe, Qt::Key_Backspace);
        else if (c == QLatin1Char('!'))
            QTest::keyClick(f.eingabe, Qt::Key_Escape);
        else
            tippe(f.eingabe, QString(c));
    }
    QCOMPARE(f.eingabe->text(), feld);
    // Esc leaves the window open and the run going
    QVERIFY(f.isVisible() && f.laeuft());
    QCOMPARE(f.spiel().versuche(), 0);
}

void TestSterneSummen::sterneEingefuegtKeineZahl()
{
    geheimnisse({50});
    dialog::Skript skript;
    Tlog11 f;
    f.show();
    f.eingabe->setText(QStringLiteral("1a"));
    QTest::keyClick(f.eingabe, Qt::Key_Return);
    QCOMPARE(skript.texte, QStringList{QStringLiteral("'1a' ist kein gültiger Integerwert")});
    QCOMPARE(f.spiel().versuche(), 0);
    QVERIFY(f.memo->toPlainText().isEmpty());
    QCOMPARE(f.eingabe->text(), QStringLiteral("1a"));
    f.eingabe->clear();
    rate(f, QStringLiteral("51"));
    QCOMPARE(zeilen(f.memo), QStringList{QStringLiteral("51   ******")});
    QCOMPARE(f.spiel().versuche(), 1);
}

void TestSterneSummen::sterneBoxEnterRaetNicht()
{
    // the Enter that closes the error box is released in the field that still
    // holds the pasted text: it must not raise the box again, nor count
    Tlog11 f;
    f.show();
    QApplication::setActiveWindow(&f);
    f.eingabe->setText(QStringLiteral("x9"));
    int fehler = 0;
    setzeFehlerbeobachter([&fehler](const std::exception&) { ++fehler; });
    ModalWaechter w([](QWidget* m) { QTest::keyPress(m, Qt::Key_Return); });
    QTest::keyClick(f.eingabe, Qt::Key_Return);
    QVERIFY(w.ausgeloest());
    QTest::keyRelease(f.eingabe, Qt::Key_Return);
    QTest::qWait(20);
    setzeFehlerbeobachter({});
    QCOMPARE(fehler, 1);
    QVERIFY(!QApplication::activeModalWidget());
    QCOMPARE(f.spiel().versuche(), 0);
}

void TestSterneSummen::sterneSchliessen()
{
    geheimnisse({90, 91});
    Tlog11 f;
    f.show();
    rate(f, QStringLiteral("50"));
    QCOMPARE(f.spiel().versuche(), 1);
    // the close box: nothing recorded
    QVERIFY(f.hatSchliessfeld());
    f.close();
    QVERIFY(!f.laeuft());
    QVERIFY(meldung.isEmpty());
    QCOMPARE(letzterEintrag(22), QString(20, QLatin1Char(' ')));
    // shown again: a fresh run
    f.show();
    QVERIFY(f.laeuft());
    QCOMPARE(f.spiel().versuche(), 0);
    QCOMPARE(f.spiel().geheim(), 91);
    QVERIFY(f.memo->toPlainText().isEmpty());
}

void TestSterneSummen::summenLauf()
{
    // from the Windows menu: tasks 6 and 13 answered wrong, the rest right;
    // 100 + 18 x 50 - 99.25 seconds
    Programmtabelle::global().leeren();
    registriereZahlen(Programmtabelle::global());
    dialog::Skript skript;
    QStringList gezeigt;
    QList<int> ziffern, aufgaben;
    QStringList etiketten;
    QString etikettNachEnde;
    Trec09* fenster = nullptr;
    Form::setzeModalErsatz([&](Form* w) {
        [&] {
        gezeigt << w->objectName();
        if (auto* f = qobject_cast<Trec09*>(w)) {
            fenster = f;
            f->show();
            QApplication::setActiveWindow(f);
            for (int k = 1; k <= 20 && f->laeuft(); ++k) {
                aufgaben << f->aufgabe();
                ziffern << f->brett().ziffern();
                etiketten << f->Label1->text().section(QStringLiteral("Ziel"), 0, 0);
                QVERIFY(f->Label1->text().endsWith(QStringLiteral("Ziel: %1").arg(f->brett().ziel())));
                const bool falsch = k == 6 || k == 13;
                const QList<QPoint> q = quadrateMitSumme(f->brett(), !falsch);
                QVERIFY(!q.isEmpty());
                // another square of the same sum than the solution where there is one
                QPoint ziel = q.front();
                for (const QPoint& p : q)
                    if (p != QPoint(f->brett().x0(), f->brett().y0()))
                        ziel = p;
                fahreRahmen(*f, ziel.x(), ziel.y(), k % 2);
                QCOMPARE(QPoint(f->brett().fx, f->brett().fy), ziel);
                if (k == 20)
                    m_uhr.mono += 99.25;
                QTest::keyClick(f, Qt::Key_Return);
            }
            QVERIFY(!f->isVisible());
        }
        if (w->objectName() == QLatin1String("Form3") && fenster) {
            // keys during the end message do nothing
            QTest::keyClick(fenster, Qt::Key_Right);
            QTest::keyClick(fenster, Qt::Key_Return);
            etikettNachEnde = fenster->Label1->text();
        }
        }();
        return 0;
    });
    QVERIFY(aufruf(23, Menueart::Windowsmenue));
    QCOMPARE(gezeigt, (QStringList{QStringLiteral("regel"), QStringLiteral("Trec09"), QStringLiteral("Form3")}));
    QCOMPARE(aufgaben, (QList<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20}));
    QCOMPARE(ziffern, (QList<int>{10, 12, 14, 16, 18, 20, 20, 22, 24, 26, 28, 30, 32, 32, 34, 36, 38, 40, 42, 44}));
    QCOMPARE(etiketten.first(), QStringLiteral("1 / 20     "));
    QCOMPARE(etiketten.last(), QStringLiteral("20 / 20     "));
    QStringList texte(20, QStringLiteral("RICHTIG !"));
    texte[5] = texte[12] = QStringLiteral("Fehler!");
    QCOMPARE(skript.texte, texte);
    QVERIFY(etikettNachEnde.startsWith(QStringLiteral("20 / 20     Ziel: ")));
    QCOMPARE(meldung, QStringLiteral("Sie haben 900 Punkte erreicht!"));
    QCOMPARE(letzterEintrag(23), QStringLiteral("07.03.2026   900,75"));
}

void TestSterneSummen::summenLayout()
{
    Trec09 f;
    f.show();
    f.resize(1920, 1050);
    f.neuspiel();
    // u = ((1050 x 42) div 40) div 140 = 7: the board 700 x 728
    QCOMPARE(f.einheit(), 7);
    QCOMPARE(f.ima->size(), QSize(700, 728));
    QCOMPARE(f.Panel1->y(), 10);
    QCOMPARE(f.Panel1->x(), (1920 - f.Panel1->width()) / 2);
    QCOMPARE(f.ima->x(), 610);
    QCOMPARE(f.ima->y(), f.Panel1->y() + f.Panel1->height() + 10);
    QCOMPARE(f.Label1->font().family(), QStringLiteral("Liberation Sans"));
    const QImage& b = f.ima->bild();
    // silver with a black outline; the white frame around (2, 2) to (4, 4),
    // its 5-pixel pen centred 7 pixels inside the square
    QCOMPARE(b.pixelColor(0, 0), QColor(Qt::black));
    QCOMPARE(b.pixelColor(699, 727), QColor(Qt::black));
    QCOMPARE(b.pixelColor(5, 700), QColor(192, 192, 192));
    QCOMPARE(b.pixelColor(79, 120), QColor(Qt::white));
    QCOMPARE(b.pixelColor(120, 79), QColor(Qt::white));
    QCOMPARE(b.pixelColor(270, 120), QColor(Qt::white));
    QCOMPARE(b.pixelColor(74, 120), QColor(192, 192, 192));
    // moved left: the old frame is gone, the new one at (1, 2)
    QTest::keyClick(&f, Qt::Key_Left);
    QCOMPARE(f.ima->bild().pixelColor(270, 120), QColor(192, 192, 192));
    QCOMPARE(f.ima->bild().pixelColor(200, 120), QColor(Qt::white));
    QCOMPARE(f.ima->bild().pixelColor(9, 120), QColor(Qt::white));

    // "Sterne": the panel 10 pixels from the top, the memo 10 pixels below it
    Tlog11 s;
    s.show();
    QCOMPARE(s.Panel1->y(), 10);
    QCOMPARE(s.memo->y(), s.Panel1->y() + s.Panel1->height() + 10);
    QCOMPARE(s.Panel1->x() + s.Panel1->width() / 2, s.width() / 2);
    QVERIFY(qAbs(s.memo->x() + s.memo->width() / 2 - s.width() / 2) <= 1);
    QCOMPARE(s.memo->font().family(), QStringLiteral("Liberation Mono"));
    QCOMPARE(s.Label1->text(), QStringLiteral("Eingabe:"));
}

void TestSterneSummen::summenNachBox()
{
    // a wrong Enter: the solution framed red behind "Fehler!"; the Enter that
    // closes the box is released in the board window and judges nothing
    Trec09 f;
    f.show();
    QApplication::setActiveWindow(&f);
    const QList<QPoint> falsch = quadrateMitSumme(f.brett(), false);
    QVERIFY(!falsch.isEmpty());
    fahreRahmen(f, falsch.front().x(), falsch.front().y(), false);
    const int u = f.einheit();
    const QPoint rot((f.brett().x0() - 1) * 10 * u + u + 2, (f.brett().y0() - 1) * 10 * u + 5 * u);
    QString text;
    QColor farbe;
    ModalWaechter w([&](QWidget* m) {
        auto* box = qobject_cast<QMessageBox*>(m);
        text = box ? box->text() : QString();
        farbe = f.ima->bild().pixelColor(rot);
        QTest::keyPress(m, Qt::Key_Return);
    });
    QTest::keyClick(&f, Qt::Key_Return);
    QVERIFY(w.ausgeloest());
    QTest::keyRelease(&f, Qt::Key_Return);
    QTest::qWait(20);
    QCOMPARE(text, QStringLiteral("Fehler!"));
    QCOMPARE(farbe, QColor(Qt::red));
    QCOMPARE(f.aufgabe(), 2);
    QVERIFY(f.laeuft());
    QCOMPARE(f.brett().ziffern(), 10);
    QVERIFY(f.Label1->text().startsWith(QStringLiteral("2 / 20     Ziel: ")));
    QCOMPARE(QPoint(f.brett().fx, f.brett().fy), QPoint(2, 2));
}

void TestSterneSummen::summenEscUndSchliessen()
{
    dialog::Skript skript;
    Trec09 f;
    f.show();
    QApplication::setActiveWindow(&f);
    QTest::keyClick(&f, Qt::Key_Return);
    QCOMPARE(f.aufgabe(), 2);
    QTest::keyClick(&f, Qt::Key_Escape);
    QVERIFY(!f.isVisible() && !f.laeuft());
    // shown again: task 1, then closed by its close box
    f.show();
    QCOMPARE(f.aufgabe(), 1);
    QCOMPARE(f.brett().ziffern(), 10);
    QVERIFY(f.hatSchliessfeld());
    f.close();
    QVERIFY(meldung.isEmpty());
    QCOMPARE(letzterEintrag(23), QString(20, QLatin1Char(' ')));
}

int main(int argc, char** argv)
{
    Anwendung app(argc, argv);
    TestSterneSummen t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_sterne_summen.moc"
