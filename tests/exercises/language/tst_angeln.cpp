// "Wörter angeln": the rules of the pond without a window, then the window
// driven through its field and its help button on content written by the test,
// from both menus to the stored result.
#include "common/satzdatei.h"
#include "common/zufall.h"
#include "common/zustand.h"
#include "exercises/language/angeln.h"
#include "exercises/language/register.h"
#include "exercises/language/udeu09.h"
#include "platform/anwendung.h"
#include "platform/dialoge.h"
#include "platform/leinwand.h"
#include "shell/aufruf.h"
#include "shell/ergebnisse.h"
#include "shell/programmtabelle.h"
#include "tests/support/testumgebung.h"
#include "tests/support/uebungsumgebung.h"

#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <optional>

namespace {

Testuhr g_uhr;

// Record k: clue "wort k", answer two letters of k and "EIS", odd records in small letters.
void schreibeAngeln(Arbeitsordner& o, int saetze = 160)
{
    QByteArray b;
    for (int k = 0; k < saetze; ++k) {
        const QString a = QString(QChar('A' + k % 26)) + QChar('A' + k / 26) + QStringLiteral("EIS");
        b += kurztext::satz(QStringLiteral("wort %1").arg(k).leftJustified(35) + (k % 2 ? a.toLower() : a), 40);
    }
    o.schreibe(QStringLiteral("angelwin.dat"), b);
}

// Scripted numbers in [0,1), then 0.
void folge(QList<double> werte)
{
    auto rest = std::make_shared<QList<double>>(std::move(werte));
    zufall::setzeFolge([rest] { return rest->isEmpty() ? 0.0 : rest->takeFirst(); });
}

// Answer i laid in column i of every row, "A" in columns 10 and 11.
const QStringList kWoerter{"BLATT", "BLUME", "HUNDE", "KATZE", "PFERD", "ZIEGE", "LOEWE", "TIGER", "RABEN", "ADLER"};
Angelspiel spielAus(const QStringList& woerter, bool spaltenweise = true)
{
    auto k = std::make_shared<int>(0);
    if (spaltenweise)
        zufall::setzeFolge([k] { return *k < 50 ? ((*k)++ / 5 + 0.5) / 12 : 0.0; });
    Angelspiel::Aufgaben a;
    for (int i = 0; i < Angelspiel::kAufgaben; ++i)
        a[i] = {QStringLiteral("HINWEIS %1").arg(i), woerter[i]};
    Angelspiel s;
    s.neu(a);
    return s;
}

Tdeu09& fenster()
{
    static Tdeu09* f = new Tdeu09;
    return *f;
}

// The cells of pb2 painted red.
int roteZellen(const Tdeu09& f)
{
    int n = 0;
    for (int c = 0; c < Angelspiel::kSpalten; ++c)
        for (int p = 0; p < Angelspiel::kZeilen; ++p)
            n += f.pb2->bild().pixel(f.zellenEcke(c, p) + QPoint(3, 3)) == qRgb(255, 0, 0);
    return n;
}
bool blau(const QImage& b)
{
    for (int y = 0; y < b.height(); ++y) {
        const auto* z = reinterpret_cast<const QRgb*>(b.constScanLine(y));
        if (std::find(z, z + b.width(), qRgb(0, 0, 255)) != z + b.width())
            return true;
    }
    return false;
}

// '\n' Enter, '?' Hilfe, '=' the answer of the clue asked (in small letters), '!' a release of Enter alone.
void spiele(Tdeu09& f, const QString& eingaben)
{
    for (QChar c : eingaben) {
        if (c == QLatin1Char('\n'))
            QTest::keyClick(f.eingabe, Qt::Key_Return);
        else if (c == QLatin1Char('?'))
            QTest::mouseClick(f.hilfe, Qt::LeftButton);
        else if (c == QLatin1Char('='))
            QTest::keyClicks(f.eingabe, f.spiel().aufgabe(f.spiel().aktuell()).antwort.toLower());
        else if (c == QLatin1Char('!'))
            QTest::keyRelease(f.eingabe, Qt::Key_Return);
        else
            QTest::keyClick(f.eingabe, c.toLatin1());
    }
}

}

class TestAngeln : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void ziehen_data();
    void ziehen();
    void teich_data();
    void teich();
    void markieren_data();
    void markieren();
    void punkte_data();
    void punkte();
    void eingaben_data();
    void eingaben();
    void meldungenSetzenNichtZurueck();
    void dateifehler_data();
    void dateifehler();
    void ausBeidenMenues_data();
    void ausBeidenMenues();

private:
    std::unique_ptr<Arbeitsordner> m_ordner;
    std::optional<Uebungsumgebung> m_umgebung;
};

void TestAngeln::init()
{
    m_ordner = std::make_unique<Arbeitsordner>();
    schreibeAngeln(*m_ordner);
    m_umgebung.emplace(g_uhr, 5, QStringLiteral("Ute"));
}

void TestAngeln::cleanup()
{
    if (fenster().isVisible())
        fenster().close();
    m_umgebung.reset();
    m_ordner.reset();
}

void TestAngeln::ziehen_data()
{
    QTest::addColumn<QList<double>>("r");
    QTest::addColumn<QStringList>("hinweise");
    QTest::addColumn<QString>("antwort1");
    // Trunc(r x 160): 0 is record 0, just below 1 is record 159
    QTest::newRow("Ränder") << QList<double>{0.0, 0.99999, 1.5 / 160, 2.5 / 160}
                            << QStringList{"WORT 0", "WORT 159", "WORT 1", "WORT 2"} << "DGEIS";
    QTest::newRow("doppelt gezogen") << QList<double>{7.5 / 160, 7.5 / 160, 7.9 / 160, 3.5 / 160}
                                     << QStringList{"WORT 7", "WORT 3", "WORT 0", "WORT 1"} << "DAEIS";
}

void TestAngeln::ziehen()
{
    QFETCH(QList<double>, r);
    QFETCH(QStringList, hinweise);
    QFETCH(QString, antwort1);
    folge(r);
    const Angelspiel::Aufgaben a = Angelspiel::ziehe();
    for (int i = 0; i < hinweise.size(); ++i)
        QCOMPARE(a[i].hinweis, hinweise[i]);
    QCOMPARE(a[1].antwort, antwort1);
}

void TestAngeln::teich_data()
{
    QTest::addColumn<QStringList>("woerter");
    QTest::addColumn<unsigned>("saat");
    QTest::newRow("verschieden") << kWoerter << 1u;
    QTest::newRow("verschieden, andere Saat") << kWoerter << 99u;
    QTest::newRow("zehnmal dasselbe") << QStringList(10, QStringLiteral("EEEEE")) << 5u;
    QTest::newRow("r immer 0") << kWoerter << 0u;
}

// Each row holds the p-th letters of all ten answers in ten cells; the two left over are letters too.
void TestAngeln::teich()
{
    QFETCH(QStringList, woerter);
    QFETCH(unsigned, saat);
    saat ? mitSaat(saat) : folge({});
    const Angelspiel s = spielAus(woerter, false);
    for (int p = 0; p < Angelspiel::kZeilen; ++p) {
        QString zeile;
        for (int c = 0; c < Angelspiel::kSpalten; ++c)
            zeile += s.zelle(c, p);
        QVERIFY2(QRegularExpression(QStringLiteral("^[A-Z]{12}$")).match(zeile).hasMatch(), qPrintable(zeile));
        for (const QString& w : woerter) {
            const int i = zeile.indexOf(w[p]);
            QVERIFY2(i >= 0, qPrintable(zeile + " " + w));
            zeile[i] = QLatin1Char('.');
        }
    }
}

void TestAngeln::markieren_data()
{
    QTest::addColumn<QList<int>>("folge");
    QTest::addColumn<QList<QList<int>>>("zellen");
    QTest::newRow("BLUME nimmt das L von BLATT")
        << QList<int>{1, 0} << QList<QList<int>>{{0, 0, 1, 1, 1}, {1, 1, 0, 0, 0}};
    QTest::newRow("ADLER nimmt E und R von TIGER")
        << QList<int>{9, 7} << QList<QList<int>>{{9, 9, 9, 7, 7}, {7, 5, 7, 8, 9}};
    QTest::newRow("KATZE nimmt das E von BLUME, RABEN das von TIGER")
        << QList<int>{3, 8} << QList<QList<int>>{{3, 3, 3, 3, 1}, {8, 8, 8, 7, 8}};
}

// A right answer marks, per letter, the leftmost cell of its row not yet marked.
void TestAngeln::markieren()
{
    QFETCH(QList<int>, folge);
    QFETCH(QList<QList<int>>, zellen);
    Angelspiel s = spielAus(kWoerter);
    QCOMPARE(s.zelle(10, 1), QLatin1Char('A'));
    int markiert = 0;
    for (int k = 0; k < folge.size(); ++k) {
        Angelspiel::Zellen z;
        QVERIFY(s.waehle(folge[k]));
        QVERIFY(s.antworte(kWoerter[folge[k]], &z));
        QCOMPARE(QList<int>(z.begin(), z.end()), zellen[k]);
        for (int p = 0; p < Angelspiel::kZeilen; ++p)
            QVERIFY(s.markiert(z[p], p));
    }
    for (int c = 0; c < Angelspiel::kSpalten; ++c)
        for (int p = 0; p < Angelspiel::kZeilen; ++p)
            markiert += s.markiert(c, p);
    QCOMPARE(markiert, 5 * int(folge.size()));
}

void TestAngeln::punkte_data()
{
    // r: clue 0 right, k: in small letters, f: clue 1 wrong, h: a help, g: solved clue 0 chosen again
    QTest::addColumn<QString>("schritte");
    QTest::addColumn<QList<float>>("punkte");
    QTest::addColumn<int>("hilfen");
    QTest::newRow("richtig") << "r" << QList<float>{200} << 0;
    QTest::newRow("klein richtig") << "k" << QList<float>{200} << 0;
    QTest::newRow("falsch falsch richtig") << "ffr" << QList<float>{70, 40, 140} << 0;
    QTest::newRow("die vierte Hilfe kostet nichts") << "hhhh" << QList<float>{70, 40, 10, 10} << 3;
    QTest::newRow("gelöste nochmal") << "rg" << QList<float>{200, 200} << 0;
    QTest::newRow("gemischt") << "hfrh" << QList<float>{70, 40, 140, 110} << 2;
}

void TestAngeln::punkte()
{
    QFETCH(QString, schritte);
    QFETCH(QList<float>, punkte);
    QFETCH(int, hilfen);
    Angelspiel s = spielAus(kWoerter);
    QCOMPARE(s.punkte(), 100.0f);
    QList<float> erhalten;
    for (QChar c : schritte) {
        if (c == QLatin1Char('h'))
            s.hilfe();
        else if (c == QLatin1Char('g'))
            QVERIFY(!s.waehle(0));
        else if (c == QLatin1Char('f'))
            QVERIFY(s.waehle(1) && !s.antworte(QStringLiteral("BLATT")));
        else
            QVERIFY(s.waehle(0) && s.antworte(c == QLatin1Char('k') ? "blatt" : "BLATT"));
        // after every answer, right or wrong, the number is asked again
        QCOMPARE(s.modus(), Angelspiel::Modus::Nummer);
        erhalten << s.punkte();
    }
    QCOMPARE(erhalten, punkte);
    QCOMPARE(s.hilfen(), hilfen);
}

void TestAngeln::eingaben_data()
{
    QTest::addColumn<QString>("eingaben");
    QTest::addColumn<QString>("feld");
    QTest::addColumn<QString>("hinweis");
    QTest::addColumn<QStringList>("meldungen");
    QTest::addColumn<float>("punkte");
    QTest::addColumn<int>("rot");
    QTest::addColumn<bool>("blau");
    const QStringList keine;
    QTest::newRow("Nummer: eine Ziffer") << "a3b4" << "3" << "Nummer:" << keine << 100.0f << 0 << false;
    QTest::newRow("leeres Enter") << "\n" << "" << "Nummer:" << keine << 100.0f << 0 << false;
    QTest::newRow("Lösung: groß, fünf") << "3\nab1cdefg" << "ABCDE" << "Lösung:" << keine << 100.0f << 0 << true;
    QTest::newRow("falsch, dann Nummer") << "3\nqqqqq\n45" << "4" << "Nummer:" << QStringList{"Fehler!"} << 70.0f
                                         << 0 << false;
    QTest::newRow("schon gelöst") << "3\n=\n3\n" << "" << "Nummer:" << QStringList{"Die Aufgabe ist schon gelöst!"}
                                  << 200.0f << 5 << false;
    QTest::newRow("Hilfen") << "????" << "" << "Nummer:" << QStringList{"Es wurden schon 3 Hilfen gegeben!"}
                            << 10.0f << 0 << false;
    QTest::newRow("Hilfe beim Lösen") << "3\n?=\n" << "" << "Nummer:" << keine << 170.0f << 5 << false;
    QTest::newRow("Loslassen ohne Drücken") << "3!" << "3" << "Nummer:" << keine << 100.0f << 0 << false;
}

void TestAngeln::eingaben()
{
    QFETCH(QString, eingaben);
    QFETCH(QString, feld);
    QFETCH(QString, hinweis);
    QFETCH(QStringList, meldungen);
    QFETCH(float, punkte);
    QFETCH(int, rot);
    QFETCH(bool, blau);
    dialog::Skript skript;
    Tdeu09& f = fenster();
    f.show();
    QApplication::setActiveWindow(&f);
    QTest::mouseClick(f.start, Qt::LeftButton);
    const QImage vorher = f.pb1->bild();
    spiele(f, eingaben);
    QCOMPARE(f.eingabe->text(), feld);
    QCOMPARE(f.hinweis->text(), hinweis);
    QCOMPARE(f.eingabe->maxLength(), hinweis == "Nummer:" ? 1 : 5);
    QCOMPARE(skript.texte, meldungen);
    QCOMPARE(f.spiel().punkte(), punkte);
    QCOMPARE(roteZellen(f), rot);
    QCOMPARE(::blau(f.pb1->bild()), blau);
    QVERIFY(f.eingabe->hasFocus());
    // the help letters stand over the start of the dots of every clue
    for (int i = 0; i < Angelspiel::kAufgaben && eingaben.contains(QLatin1Char('?')); ++i) {
        const QRect r(f.antwortStelle(i), QSize(20, 20));
        QVERIFY(f.pb1->bild().copy(r) != vorher.copy(r));
    }
}

// Real message boxes activate the window again: nothing of the run is reset,
// and the Enter that confirms a box is not taken as the next input.
void TestAngeln::meldungenSetzenNichtZurueck()
{
    Tdeu09& f = fenster();
    f.show();
    QApplication::setActiveWindow(&f);
    QTest::mouseClick(f.start, Qt::LeftButton);
    spiele(f, QStringLiteral("0\n=\n?"));
    QStringList gesehen;
    for (const QString& eingaben : {QStringLiteral("0\n2"), QStringLiteral("1\nqqqqq\n2")}) {
        ModalWaechter w([&](QWidget* box) {
            gesehen << static_cast<QMessageBox*>(box)->text();
            QTest::keyPress(box, Qt::Key_Return);
        });
        spiele(f, eingaben);
        QTest::keyRelease(f.eingabe, Qt::Key_Return);  // the box's Enter, let go over the field
        QVERIFY(w.ausgeloest());
        QApplication::setActiveWindow(&f);
        QCOMPARE(f.eingabe->text(), QStringLiteral("2"));
        QCOMPARE(f.hinweis->text(), QStringLiteral("Nummer:"));
        QTest::keyClick(f.eingabe, Qt::Key_Backspace);
    }
    QCOMPARE(gesehen, (QStringList{"Die Aufgabe ist schon gelöst!", "Fehler!"}));
    QVERIFY(f.spiel().geloest(0));
    QCOMPARE(f.spiel().geloeste(), 1);
    QCOMPARE(f.spiel().hilfen(), 1);
    QCOMPARE(f.spiel().punkte(), 140.0f);
    QVERIFY(f.pb1->isVisible() && f.pb2->isVisible());
    QCOMPARE(roteZellen(f), 5);
}

void TestAngeln::dateifehler_data()
{
    QTest::addColumn<int>("saetze");
    QTest::addColumn<QString>("text");
    QTest::newRow("fehlt") << -1 << "Datei nicht gefunden";
    QTest::newRow("159 Sätze") << 159 << "Versuch hinter dem Dateiende zu lesen";
}

void TestAngeln::dateifehler()
{
    QFETCH(int, saetze);
    QFETCH(QString, text);
    if (saetze < 0)
        QFile::remove(m_ordner->pfad(QStringLiteral("angelwin.dat")));
    else
        schreibeAngeln(*m_ordner, saetze);
    dialog::Skript skript;
    Tdeu09& f = fenster();
    f.show();
    QTest::mouseClick(f.start, Qt::LeftButton);
    QCOMPARE(skript.texte, QStringList{text});
    QVERIFY(f.start->isVisible() && !f.laeuft());
    QVERIFY(!f.pb1->isVisible() && !f.pb2->isVisible() && !f.eingabe->isVisible() && !f.hilfe->isVisible());
}

void TestAngeln::ausBeidenMenues_data()
{
    QTest::addColumn<int>("art");
    QTest::newRow("Knöpfe") << int(Menueart::Knopfmenue);
    QTest::newRow("Windows") << int(Menueart::Windowsmenue);
}

// Ten right answers without help: 1100 minus the seconds.
void TestAngeln::ausBeidenMenues()
{
    QFETCH(int, art);
    Programmtabelle::global().leeren();
    registriereSprache(Programmtabelle::global());
    bool gespielt = false;
    Form::setzeModalErsatz([&](Form* w) {
        if (auto* f = qobject_cast<Tdeu09*>(w)) {
            f->show();
            QTest::mouseClick(f->start, Qt::LeftButton);
            for (int n : {9, 0, 8, 1, 7, 2, 6, 3, 5, 4}) {
                g_uhr.mono += 2.25;
                spiele(*f, QString::number(n) + "\n=\n");
            }
            gespielt = !f->isVisible();
        }
        return 0;
    });
    QVERIFY(aufruf(53, Menueart(art)));
    QVERIFY(gespielt);
    QCOMPARE(meldung, QStringLiteral("Sie haben 1077 Punkte erreicht!"));
    Satzdatei d(ergebnis::dateiname(3), ergebnis::kSatzgroesse);
    d.positioniere(ergebnis::satznummer(53 % 12, nutzer, 9));
    QCOMPARE(d.liesText(), QStringLiteral("07.03.2026   1077,5"));
}

int main(int argc, char** argv)
{
    Anwendung app(argc, argv);
    TestAngeln t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_angeln.moc"
