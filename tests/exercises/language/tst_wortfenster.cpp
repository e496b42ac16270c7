// The word exercise windows driven through their controls, from both menus to
// the recorded result.
#include "common/satzdatei.h"
#include "common/uhr.h"
#include "common/zufall.h"
#include "common/zustand.h"
#include "exercises/language/register.h"
#include "exercises/language/udeu01.h"
#include "exercises/language/uwor02.h"
#include "platform/anwendung.h"
#include "platform/dialoge.h"
#include "platform/leinwand.h"
#include "platform/schriften.h"
#include "shell/aufruf.h"
#include "shell/ergebnisse.h"
#include "shell/programmtabelle.h"
#include "tests/support/testumgebung.h"
#include "tests/support/testuhr.h"

#include <QApplication>
#include <QClipboard>
#include <QSet>
#include <QTest>
#include <algorithm>
#include <numeric>
#include <random>

namespace {

Testuhr g_uhr;

// What a run should do besides answering.
struct Ablauf {
    QSet<int> falsch;       // tasks answered wrong
    QSet<int> hilfe;        // "Ergänzen": "+" before the answer
    bool nochmalEnter = false;  // Enter again in the judged answer field
    bool maus = false;          // ordering: pick with the mouse
    QList<int> groessen;        // out: words per ordering task
    QStringList loesungen;      // out: every task, as text
};

QWidget* tastenziel(QWidget* fenster)
{
    QWidget* f = QApplication::focusWidget();
    return f && f->window() == fenster ? f : fenster;
}

void ordne(Tdeu01& f, bool richtig, bool maus)
{
    const ordnung::Aufgabe a = f.aktuelleAufgabe();
    std::vector<bool> genommen(a.vorgabe.size(), false);
    const int ex = f.pb->width() / 100, ey = f.pb->height() / 100;
    for (size_t k = 0; k < a.loesung.size(); ++k) {
        int p = 0;  // wrong: the first word again and again
        if (richtig) {
            while (genommen[p] || a.vorgabe[p] != a.loesung[k])
                ++p;
            genommen[p] = true;
        }
        if (maus)
            QTest::mouseClick(f.pb, Qt::LeftButton, Qt::NoModifier, QPoint(40 * ex, 10 * (p + 1) * ey + 5 * ey));
        else
            QTest::keyClick(&f, char((k % 2 ? 'a' : 'A') + p));  // small and capital letters alike
    }
}

void antworte(Twor02& f, bool richtig, bool hilfe)
{
    const Wortaufgabe& a = f.aktuelleAufgabe();
    if (f.mitglied().lueckenweise) {
        if (hilfe) {
            tippe(tastenziel(&f), QStringLiteral("+"));
            QCOMPARE(f.ausgabe->toPlainText(), a.hinweis);
        }
        const QString maske = f.Memo->toPlainText();
        for (int i = 0; i < maske.size(); ++i) {
            if (maske[i] != QLatin1Char('-'))
                continue;
            QChar c = a.wort[i].toLower();
            if (!richtig)
                c = c == QLatin1Char('x') ? QLatin1Char('y') : QLatin1Char('x');
            tippe(tastenziel(&f), QString(c));
        }
        return;
    }
    QString antwort = a.loesung.toLower();
    if (!richtig)
        antwort = a.loesung == QLatin1String("1") ? QStringLiteral("2") : QStringLiteral("2") == a.loesung ? QStringLiteral("1") : QStringLiteral("xq");
    tippe(f.eingabe, antwort);
    QTest::keyClick(f.eingabe, Qt::Key_Return);
}

// Plays a whole run from "Start" to the 20th "weiter": two seconds per task.
void spieleDurch(Form* fenster, Ablauf& ablauf)
{
    fenster->show();
    QApplication::setActiveWindow(fenster);
    auto* ordnen = qobject_cast<Tdeu01*>(fenster);
    auto* tippen = qobject_cast<Twor02*>(fenster);
    QPushButton* start = fenster->findChild<QPushButton*>(QStringLiteral("start"));
    QPushButton* weiter = fenster->findChild<QPushButton*>(QStringLiteral("weiter"));
    QLabel* rifa = fenster->findChild<QLabel*>(QStringLiteral("rifa"));
    QTest::mouseClick(start, Qt::LeftButton);
    for (int k = 1; k <= 20; ++k) {
        QCOMPARE(fenster->findChild<QLabel*>(QStringLiteral("aufzahl"))->text(), QStringLiteral("%1/ 20").arg(k));
        QVERIFY(!weiter->isVisible());
        g_uhr.mono += 2.0;
        const bool richtig = !ablauf.falsch.contains(k);
        if (ordnen) {
            ablauf.groessen << int(ordnen->aktuelleAufgabe().vorgabe.size());
            ablauf.loesungen << QStringList(ordnen->aktuelleAufgabe().loesung.begin(),
                                            ordnen->aktuelleAufgabe().loesung.end()).join(QString());
            ordne(*ordnen, richtig, ablauf.maus);
        } else {
            const Wortaufgabe& a = tippen->aktuelleAufgabe();
            ablauf.loesungen << a.ausgabe + QLatin1Char('|') + a.memo + QLatin1Char('|') + a.loesung;
            antworte(*tippen, richtig, ablauf.hilfe.contains(k));
            QCOMPARE(rifa->text(), richtig ? QStringLiteral("RICHTIG!") : QStringLiteral("FEHLER!"));
            if (ablauf.nochmalEnter && tippen->eingabe) {
                QVERIFY(tippen->eingabe->isReadOnly());
                QTest::keyClick(tippen->eingabe, Qt::Key_Return);
            }
        }
        QVERIFY(weiter->isVisible());
        QTest::mouseClick(weiter, Qt::LeftButton);
    }
    QVERIFY(!fenster->isVisible());
}

QString letztesErgebnis(int n)
{
    Satzdatei d(ergebnis::dateiname(n / 12 - 1), ergebnis::kSatzgroesse);
    d.positioniere(ergebnis::satznummer(n % 12, nutzer, 9));
    return d.liesText();
}

Form* fensterVon(int n)
{
    static std::map<int, Form*> fenster;
    if (!fenster.count(n))
        fenster[n] = n == 41 || n == 50 ? static_cast<Form*>(new Tdeu01(sortierart(n)))
                                        : static_cast<Form*>(new Twor02(wortmitglied(n)));
    return fenster[n];
}

}

class TestWortfenster : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void ohneSaum_data();
    void ohneSaum();
    void ausBeidenMenues_data();
    void ausBeidenMenues();
    void sortierenWaechst();
    void satzbauBaender();
    void waehlenUndZuruecknehmen();
    void doppelklickWaehltZweimal_data();
    void doppelklickWaehltZweimal();
    void escNurBeiOffenerAufgabe_data();
    void escNurBeiOffenerAufgabe();
    void einfuegenGefiltert_data();
    void einfuegenGefiltert();
    void loesungNachFehler_data();
    void loesungNachFehler();
    void weiterVorDemBild();
    void langeWoerter_data();
    void langeWoerter();
    void lesenBuchstabenweise();
    void ergaenzenRuecktaste();
    void schliessenOhneErgebnis_data();
    void schliessenOhneErgebnis();
    void fehlendeDatei();

private:
    std::unique_ptr<Arbeitsordner> m_ordner;
};

void TestWortfenster::init()
{
    m_ordner = std::make_unique<Arbeitsordner>();
    uhr::setzeQuelle(&g_uhr);
    g_uhr.mono = 1000.0;
    waehleNutzer(7, QStringLiteral("Eva"));  // as chosen from the register
    // the same tasks on every run of the test
    auto g = std::make_shared<std::mt19937>(20260307);
    zufall::setzeFolge([g] { return (*g)() / 4294967296.0; });
    // the rules and message windows answer at once
    Form::setzeModalErsatz([](Form*) { return 0; });
}

void TestWortfenster::cleanup()
{
    Form::setzeModalErsatz(nullptr);
    zufall::setzeFolge({});
    uhr::setzeQuelle(nullptr);
    m_ordner.reset();
}

void TestWortfenster::ausBeidenMenues_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<int>("art");
    QTest::addColumn<QList<int>>("falsch");
    QTest::addColumn<QList<int>>("hilfe");
    QTest::addColumn<bool>("nochmal");
    QTest::addColumn<QString>("punkte");
    for (int art : {int(Menueart::Knopfmenue), int(Menueart::Windowsmenue)}) {
        const QString menue = art == int(Menueart::Knopfmenue) ? QStringLiteral("Knöpfe") : QStringLiteral("Windows");
        auto zeile = [&](const char* name) {
            return &QTest::newRow((QString::fromUtf8(name) + QLatin1Char(' ') + menue).toUtf8().constData());
        };
        // 100 + 100 per right answer - 40 seconds; Enter again after a judgement scores nothing
        *zeile("Sortieren") << 41 << art << QList<int>{} << QList<int>{} << false << "2060";
        *zeile("Satzbau") << 50 << art << QList<int>{2, 9} << QList<int>{} << false << "1860";
        *zeile("Tippen") << 37 << art << QList<int>{1} << QList<int>{} << true << "1960";
        *zeile("Lesen") << 38 << art << QList<int>{20} << QList<int>{} << true << "1960";
        *zeile("Ergänzen") << 39 << art << QList<int>{4} << QList<int>{2, 4, 5} << false << "1920";
        *zeile("Worthöhle") << 40 << art << QList<int>{} << QList<int>{} << true << "2060";
        *zeile("Vokale fehlen") << 42 << art << QList<int>{3, 4, 5} << QList<int>{} << true << "1760";
        *zeile("Anagramme") << 43 << art << QList<int>{7} << QList<int>{} << true << "1960";
        *zeile("Auswahl") << 49 << art << QList<int>{10, 11} << QList<int>{} << true << "1860";
    }
}

void TestWortfenster::ausBeidenMenues()
{
    QFETCH(int, n);
    QFETCH(int, art);
    QFETCH(QList<int>, falsch);
    QFETCH(QList<int>, hilfe);
    QFETCH(bool, nochmal);
    QFETCH(QString, punkte);
    Programmtabelle::global().leeren();
    registriereSprache(Programmtabelle::global());
    Ablauf ablauf;
    ablauf.falsch = QSet<int>(falsch.begin(), falsch.end());
    ablauf.hilfe = QSet<int>(hilfe.begin(), hilfe.end());
    ablauf.nochmalEnter = nochmal;
    QString gespielt;
    Form::setzeModalErsatz([&](Form* f) {
        if (qobject_cast<Tdeu01*>(f) || qobject_cast<Twor02*>(f)) {
            gespielt = f->objectName();
            spieleDurch(f, ablauf);
        }
        return 0;
    });
    QVERIFY(aufruf(n, Menueart(art)));
    QVERIFY(!gespielt.isEmpty());
    QCOMPARE(letztesErgebnis(n), QStringLiteral("07.03.2026   ") + punkte);
    QCOMPARE(meldung, QStringLiteral("Sie haben %1 Punkte erreicht!").arg(punkte));
    // no task twice in a run
    QCOMPARE(QSet<QString>(ablauf.loesungen.begin(), ablauf.loesungen.end()).size(), 20);
}

void TestWortfenster::sortierenWaechst()
{
    Tdeu01& f = *static_cast<Tdeu01*>(fensterVon(41));
    Ablauf ablauf;
    ablauf.maus = true;
    ablauf.falsch = {3, 12};  // wrong answers do not hold the growth back
    spieleDurch(&f, ablauf);
    QList<int> erwartet;
    for (int k = 1; k <= 20; ++k)
        erwartet << (k <= 9 ? 4 : k <= 18 ? 5 : 6);
    QCOMPARE(ablauf.groessen, erwartet);
    QCOMPARE(letztesErgebnis(41), QStringLiteral("07.03.2026   1860"));
}

void TestWortfenster::satzbauBaender()
{
    Satzdatei d(QStringLiteral("satzwin.dat"), 61);
    QStringList saetze;
    for (int i = 0; i < 180; ++i)
        saetze << d.liesText();
    d.schliesse();
    Ablauf ablauf;
    ablauf.falsch = {1, 2, 6, 15};
    spieleDurch(fensterVon(50), ablauf);
    int richtige = 0;
    for (int k = 1; k <= 20; ++k) {
        const int nr = int(saetze.indexOf(ablauf.loesungen[k - 1]));
        QVERIFY(nr >= 0);
        QCOMPARE(nr / 36, std::min(richtige / 4, 4));
        richtige += !ablauf.falsch.contains(k);
    }
}

void TestWortfenster::waehlenUndZuruecknehmen()
{
    for (int n : {41, 50}) {
        Tdeu01& f = *static_cast<Tdeu01*>(fensterVon(n));
        f.show();
        QTest::mouseClick(f.start, Qt::LeftButton);
        const int woerter = int(f.aktuelleAufgabe().vorgabe.size());
        QTest::keyClick(&f, Qt::Key_Space);  // nothing picked: nothing to take back
        QCOMPARE(f.gewaehlt(), 0);
        QTest::keyClick(&f, char('a' + woerter));  // a letter past the words
        QTest::keyClick(&f, '1');
        QCOMPARE(f.gewaehlt(), 0);
        QTest::keyClick(&f, 'a');
        QTest::keyClick(&f, 'B');
        QCOMPARE(f.gewaehlt(), 2);
        QTest::keyClick(&f, Qt::Key_Space);
        QCOMPARE(f.gewaehlt(), 1);
        QTest::keyClick(&f, Qt::Key_Backspace);  // takes back in "Satzbau" only
        QCOMPARE(f.gewaehlt(), n == 50 ? 0 : 1);
        QTest::keyClick(&f, 'a');
        QTest::mouseClick(&f, Qt::RightButton, Qt::NoModifier, QPoint(2, 2));  // beside the picture
        QTest::mouseClick(f.pb, Qt::RightButton, Qt::NoModifier, QPoint(5, 5));
        QCOMPARE(f.gewaehlt(), 0);
        // a click in the key-letter column picks nothing
        QTest::mouseClick(f.pb, Qt::LeftButton, Qt::NoModifier, QPoint(f.pb->width() / 10, f.pb->height() * 15 / 100));
        QCOMPARE(f.gewaehlt(), 0);
        QTest::mouseClick(f.pb, Qt::LeftButton, Qt::ShiftModifier, QPoint(f.pb->width() * 4 / 10, f.pb->height() * 15 / 100));
        QCOMPARE(f.gewaehlt(), 0);
        f.close();
    }
}

void TestWortfenster::doppelklickWaehltZweimal_data() { ohneSaum_data(); }

void TestWortfenster::doppelklickWaehltZweimal()
{
    QFETCH(int, n);
    Tdeu01& f = *static_cast<Tdeu01*>(fensterVon(n));
    f.show();
    QTest::mouseClick(f.start, Qt::LeftButton);
    QVERIFY(f.aktuelleAufgabe().vorgabe.size() >= 3);
    // both presses of a quick double click on the first word pick it; the
    // window system delivers the second press as a double click
    const QPoint erstesWort(f.pb->width() * 4 / 10, f.pb->height() * 15 / 100);
    for (Qt::MouseButton knopf : {Qt::LeftButton, Qt::RightButton}) {
        QTest::mouseClick(f.pb, knopf, Qt::NoModifier, erstesWort);
        QTest::mouseDClick(f.pb, knopf, Qt::NoModifier, erstesWort);
        QTest::mouseRelease(f.pb, knopf, Qt::NoModifier, erstesWort);
        QCOMPARE(f.gewaehlt(), knopf == Qt::LeftButton ? 2 : 0);
    }
    f.close();
}

void TestWortfenster::escNurBeiOffenerAufgabe_data() { ohneSaum_data(); }

void TestWortfenster::escNurBeiOffenerAufgabe()
{
    QFETCH(int, n);
    Tdeu01& f = *static_cast<Tdeu01*>(fensterVon(n));
    f.show();
    QApplication::setActiveWindow(&f);
    QTest::keyClick(tastenziel(&f), Qt::Key_Escape);  // before "Start"
    QVERIFY(f.isVisible());
    QTest::mouseClick(f.start, Qt::LeftButton);
    ordne(f, false, false);
    QVERIFY(f.weiter->isVisible());
    QTest::keyClick(tastenziel(&f), Qt::Key_Escape);  // after the verdict
    QVERIFY(f.isVisible());
    QTest::mouseClick(f.weiter, Qt::LeftButton);
    QTest::keyClick(tastenziel(&f), Qt::Key_Escape);  // the next task is open
    QVERIFY(!f.isVisible());
    QCOMPARE(letztesErgebnis(n), QString(20, QLatin1Char(' ')));
}

void TestWortfenster::einfuegenGefiltert_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<QString>("ablage");  // the clipboard's text
    QTest::addColumn<bool>("menue");      // pasted by the context menu's action, else Ctrl+V
    QTest::addColumn<QString>("feld");    // what the answer field then holds
    QTest::newRow("Tippen") << 37 << "x1 ä?" << false << "X";
    QTest::newRow("Lesen, Menü") << 38 << "q\t" << true << "Q";
    QTest::newRow("Worthöhle") << 40 << "x1 ä?" << false << "XÄ";
    QTest::newRow("Vokale fehlen") << 42 << "tab\tzeile\n" << false << "TABZEILE";
    QTest::newRow("Anagramme") << 43 << "Ab-c ß" << false << "Abc";
    QTest::newRow("Auswahl Q") << 49 << "Q" << false << "";
    QTest::newRow("Auswahl Q, Menü") << 49 << "Q" << true << "";
    QTest::newRow("Auswahl 2") << 49 << "2" << false << "2";
}

void TestWortfenster::einfuegenGefiltert()
{
    QFETCH(int, n);
    QFETCH(QString, ablage);
    QFETCH(bool, menue);
    QFETCH(QString, feld);
    Twor02& f = *static_cast<Twor02*>(fensterVon(n));
    f.show();
    QTest::mouseClick(f.start, Qt::LeftButton);
    QApplication::clipboard()->setText(ablage);
    if (menue) {
        f.eingabe->paste();
    } else {
        // Ctrl+V types the control character 22, as the window system gives it
        QKeyEvent druck(QEvent::KeyPress, Qt::Key_V, Qt::ControlModifier, QString(QChar(22)));
        QApplication::sendEvent(f.eingabe, &druck);
    }
    QCOMPARE(f.eingabe->text(), feld);
    // what the filter left out is not judged either
    QTest::keyClick(f.eingabe, Qt::Key_Return);
    QCOMPARE(f.rifa->text().isEmpty(), feld.isEmpty());
    f.close();
}

void TestWortfenster::loesungNachFehler_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<QRgb>("farbe");
    QTest::newRow("Sortieren schwarz") << 41 << qRgb(0, 0, 0);
    QTest::newRow("Satzbau rot") << 50 << qRgb(255, 0, 0);
}

void TestWortfenster::loesungNachFehler()
{
    QFETCH(int, n);
    QFETCH(QRgb, farbe);
    Tdeu01& f = *static_cast<Tdeu01*>(fensterVon(n));
    f.show();
    QTest::mouseClick(f.start, Qt::LeftButton);
    ordne(f, false, false);
    QVERIFY(f.weiter->isVisible());
    // the solution stands in the VORGABE column, rows 1 to 8
    const QImage bild = f.pb->bild();
    int rot = 0, schwarz = 0;
    for (int y = bild.height() / 10; y < bild.height() * 9 / 10; ++y)
        for (int x = bild.width() / 5 + 2; x < bild.width() * 6 / 10 - 2; ++x) {
            rot += bild.pixel(x, y) == qRgb(255, 0, 0);
            schwarz += bild.pixel(x, y) == qRgb(0, 0, 0) && y % (bild.height() / 10) > 2;
        }
    QVERIFY((farbe == qRgb(255, 0, 0) ? rot : schwarz) > 50);
    QCOMPARE(rot > 0, farbe == qRgb(255, 0, 0));
    // keys of a judged task pick nothing
    QTest::keyClick(&f, 'a');
    QCOMPARE(f.gewaehlt(), int(f.aktuelleAufgabe().vorgabe.size()));
    f.close();
}

void TestWortfenster::ohneSaum_data()
{
    QTest::addColumn<int>("n");
    QTest::newRow("Sortieren") << 41;
    QTest::newRow("Satzbau") << 50;
}

void TestWortfenster::ohneSaum()
{
    QFETCH(int, n);
    // the ink of "jeden" reaches left of its place: taking the words back and
    // showing the solution leave no trace of them
    if (n == 50) {
        QByteArray satz(61, ' ');
        const QByteArray text("Er kommt jeden Tag.");
        satz[0] = char(text.size());
        satz.replace(1, text.size(), text);
        m_ordner->schreibe(QStringLiteral("satzwin.dat"), satz.repeated(180));
    }
    Tdeu01& f = *static_cast<Tdeu01*>(fensterVon(n));
    f.show();
    QTest::mouseClick(f.start, Qt::LeftButton);
    const ordnung::Aufgabe a = f.aktuelleAufgabe();
    const int woerter = int(a.vorgabe.size());
    const auto unterschiede = [&f](const QImage& vorher, int x1, int x2) {
        const QImage& bild = f.pb->bild();
        int anders = 0;
        for (int y = bild.height() / 10; y < bild.height() * 9 / 10; ++y)
            for (int x = bild.width() * x1 / 100; x < bild.width() * x2 / 100; ++x)
                anders += bild.pixel(x, y) != vorher.pixel(x, y);
        return anders;
    };
    const QImage leer = f.pb->bild();
    // every word but one, "jeden" first
    std::vector<int> reihe(woerter);
    std::iota(reihe.begin(), reihe.end(), 0);
    std::stable_partition(reihe.begin(), reihe.end(), [&a](int i) { return a.vorgabe[i] == QLatin1String("jeden "); });
    for (int k = 0; k + 1 < woerter; ++k)
        QTest::keyClick(&f, char('A' + reihe[k]));
    for (int k = 0; k + 1 < woerter; ++k)
        QTest::keyClick(&f, Qt::Key_Space);
    QCOMPARE(f.gewaehlt(), 0);
    QCOMPARE(unterschiede(leer, 60, 100), 0);  // EINGABE as before
    // a wrong order: the solution replaces the shown words as if drawn on empty rows
    for (int k = 0; k < woerter; ++k)
        QTest::keyClick(&f, 'A');
    QVERIFY(f.weiter->isVisible());
    QImage erwartet = leer;
    {
        Leinwand c(&erwartet);
        const int ex = f.pb->width() / 100, ey = f.pb->height() / 100;
        c.schrift = schrift::font(QStringLiteral("Arial"), 6 * ey);
        c.schriftFarbe = n == 50 ? QColor(Qt::red) : QColor(Qt::black);
        for (int i = 1; i <= woerter; ++i) {
            c.fuellen(20 * ex + 1, 10 * i * ey + 1, 60 * ex, 10 * (i + 1) * ey);  // between the grid lines
            c.text(22 * ex, 10 * i * ey + 3 * ey, a.loesung[i - 1]);
        }
    }
    QCOMPARE(unterschiede(erwartet, 20, 60), 0);
    f.close();
}

void TestWortfenster::weiterVorDemBild()
{
    // 1024 pixels high: the picture ends at 902, "weiter" starts at 896
    Tdeu01& f = *static_cast<Tdeu01*>(fensterVon(41));
    f.resize(1280, 1024);
    f.show();
    QTest::mouseClick(f.start, Qt::LeftButton);
    QVERIFY(f.pb->geometry().intersects(f.weiter->geometry()));
    ordne(f, false, false);
    QVERIFY(f.weiter->isVisible());
    const QPoint oben(f.weiter->geometry().center().x(), f.weiter->geometry().top() + 2);
    QCOMPARE(f.childAt(oben), f.weiter);
    f.close();
    f.setzeMaximiert(true);
}

void TestWortfenster::langeWoerter_data()
{
    QTest::addColumn<int>("n");
    QTest::newRow("Vokale fehlen") << 42;
    QTest::newRow("Anagramme") << 43;
}

void TestWortfenster::langeWoerter()
{
    QFETCH(int, n);
    // record 1 of "bucherg.dat" holds a word of 13 letters
    zufall::setzeFolge([] { return 1.5 / 200; });
    Twor02& f = *static_cast<Twor02*>(fensterVon(n));
    f.show();
    QTest::mouseClick(f.start, Qt::LeftButton);
    QCOMPARE(f.aktuelleAufgabe().loesung, QStringLiteral("Schmetterling"));
    tippe(f.eingabe, QStringLiteral("schmetterling"));
    QCOMPARE(f.eingabe->text(), n == 42 ? QStringLiteral("SCHMETTERLING") : QStringLiteral("schmetterling"));
    QTest::keyClick(f.eingabe, Qt::Key_Return);
    QCOMPARE(f.rifa->text(), QStringLiteral("RICHTIG!"));
    f.close();
}

void TestWortfenster::lesenBuchstabenweise()
{
    Twor02& f = *static_cast<Twor02*>(fensterVon(38));
    f.show();
    QTest::mouseClick(f.start, Qt::LeftButton);
    QVERIFY(f.Timer1->isActive());
    QCOMPARE(f.Timer1->interval(), 2000);
    const QString wort = f.aktuelleAufgabe().wort;
    QVERIFY(wort.size() < 7);
    QCOMPARE(f.ausgabe->toPlainText(), QString());
    for (int i = 0; i < wort.size(); ++i) {
        f.Timer1Timer();
        QCOMPARE(f.ausgabe->toPlainText(), wort.mid(i, 1));
        if (i == 1) {  // an answer before the last letter is judged at once
            tippe(f.eingabe, wort);
            QTest::keyClick(f.eingabe, Qt::Key_Return);
            QCOMPARE(f.rifa->text(), QStringLiteral("RICHTIG!"));
            QCOMPARE(f.Memo->toPlainText(), wort);
        }
    }
    f.Timer1Timer();
    QCOMPARE(f.ausgabe->toPlainText(), QString());
    f.close();
    QVERIFY(!f.Timer1->isActive());
}

void TestWortfenster::ergaenzenRuecktaste()
{
    zufall::setzeFolge([] { return 0.0; });  // record 0: "Kar-off-l"
    Twor02& f = *static_cast<Twor02*>(fensterVon(39));
    f.show();
    QApplication::setActiveWindow(&f);
    QTest::mouseClick(f.start, Qt::LeftButton);
    const QString maske = f.Memo->toPlainText();
    const QString wort = f.aktuelleAufgabe().wort;
    QVERIFY(maske.count(QLatin1Char('-')) >= 2);
    tippe(tastenziel(&f), QStringLiteral("q"));
    QVERIFY(f.Memo->toPlainText() != maske);
    QTest::keyClick(tastenziel(&f), Qt::Key_Return);  // dropped
    QTest::keyClick(tastenziel(&f), Qt::Key_Backspace);
    QCOMPARE(f.Memo->toPlainText(), maske);
    QCOMPARE(f.rifa->text(), QString());
    f.close();
}

void TestWortfenster::schliessenOhneErgebnis_data()
{
    QTest::addColumn<int>("n");
    for (int n : {41, 50, 37, 38, 39, 40, 42, 43, 49})
        QTest::newRow(qPrintable(QString::number(n))) << n;
}

void TestWortfenster::schliessenOhneErgebnis()
{
    QFETCH(int, n);
    Form* f = fensterVon(n);
    f->show();
    QApplication::setActiveWindow(f);
    auto* start = f->findChild<QPushButton*>(QStringLiteral("start"));
    auto* aufzahl = f->findChild<QLabel*>(QStringLiteral("aufzahl"));
    QTest::mouseClick(start, Qt::LeftButton);
    QVERIFY(!start->isVisible());
    // Esc on an open task closes and records nothing
    if (auto* e = f->findChild<QLineEdit*>(QStringLiteral("eingabe")))
        QTest::keyClick(e, Qt::Key_Escape);
    else
        QTest::keyClick(tastenziel(f), Qt::Key_Escape);
    QVERIFY(!f->isVisible());
    QCOMPARE(letztesErgebnis(n), QString(20, QLatin1Char(' ')));
    // the next run starts afresh
    f->show();
    QVERIFY(start->isVisible());
    QTest::mouseClick(start, Qt::LeftButton);
    QCOMPARE(aufzahl->text(), QStringLiteral("1/ 20"));
    f->close();
    QCOMPARE(letztesErgebnis(n), QString(20, QLatin1Char(' ')));
}

void TestWortfenster::fehlendeDatei()
{
    QFile::remove(m_ordner->pfad(QStringLiteral("bucherg.dat")));
    dialog::Skript skript;
    Twor02& f = *static_cast<Twor02*>(fensterVon(43));
    f.show();
    QTest::mouseClick(f.start, Qt::LeftButton);
    QCOMPARE(skript.texte, QStringList{QStringLiteral("Datei nicht gefunden")});
    QVERIFY(f.start->isVisible());
    QVERIFY(!f.eingabe->isVisible());
    f.close();
}

int main(int argc, char** argv)
{
    Anwendung app(argc, argv);
    TestWortfenster t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_wortfenster.moc"
