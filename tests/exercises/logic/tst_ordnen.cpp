// "Reihenfolge" and "Planen": picks by key and mouse, taking back, the verdict
// on the sheet, bad files, and a run of each from the menus to the stored result.
#include "common/satzdatei.h"
#include "common/zufall.h"
#include "common/zustand.h"
#include "exercises/logic/register.h"
#include "exercises/logic/ulog09.h"
#include "platform/anwendung.h"
#include "platform/dialoge.h"
#include "platform/farben.h"
#include "platform/leinwand.h"
#include "shell/aufruf.h"
#include "shell/ergebnisse.h"
#include "shell/programmtabelle.h"
#include "tests/support/testumgebung.h"
#include "tests/support/testuhr.h"
#include "tests/support/uebungsumgebung.h"

#include <QApplication>
#include <QLabel>
#include <QSet>
#include <QTextEdit>
#include "platform/schriften.h"
#include <algorithm>
#include <QPushButton>
#include <QTest>
#include <deque>
#include <optional>

namespace {

Testuhr g_uhr;

Tlog09& fenster(int programm)
{
    static Tlog09* reihe = new Tlog09(Tlog09::mitglied(51));
    static Tlog09* plan = new Tlog09(Tlog09::mitglied(101));
    return programm == 51 ? *reihe : *plan;
}

// Random numbers from a list: the record drawn, then the ten swaps of two
// positions (0.0 is position 1, 0.25 position 2, ...); then 0.0 for ever.
void folge(const QList<double>& werte)
{
    auto rest = std::make_shared<std::deque<double>>(werte.begin(), werte.end());
    zufall::setzeFolge([rest] {
        if (rest->empty())
            return 0.0;
        const double r = rest->front();
        rest->pop_front();
        return r;
    });
}

void starte(Tlog09& f)
{
    f.show();
    QApplication::setActiveWindow(&f);
    QTest::mouseClick(f.start, Qt::LeftButton);
}

QPoint inZeile(const Tlog09& f, int zeile) { return {30 * f.ex(), (10 * zeile + 5) * f.ey()}; }

// Every task picked right by clicks, two seconds each.
void spieleRichtig(Tlog09& f, QStringList& erste, QStringList& texte)
{
    starte(f);
    for (int k = 1; k <= 15; ++k) {
        QCOMPARE(f.aufzahl->text(), QStringLiteral("%1/ 15").arg(k));
        erste << f.aufgabe().richtig[0];
        texte << f.ausgabe->toPlainText();
        g_uhr.mono += 2.0;
        const auto& gezeigt = f.aufgabe().gezeigt;
        for (const QString& item : f.aufgabe().richtig) {
            const int zeile = int(std::find(gezeigt.begin(), gezeigt.end(), item) - gezeigt.begin()) + 1;
            QTest::mouseClick(f.pb, Qt::LeftButton, Qt::NoModifier, inZeile(f, zeile));
        }
        QCOMPARE(f.punkte(), 100.0f + 100.0f * k);
        QTest::keyClick(f.weiter, Qt::Key_Return);
    }
    QVERIFY(!f.isVisible());
}

QString letztesErgebnis(int n)
{
    Satzdatei d(ergebnis::dateiname(n / 12 - 1), ergebnis::kSatzgroesse);
    d.positioniere(ergebnis::satznummer(n % 12, nutzer, 9));
    return d.liesText();
}

}

class TestOrdnen : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void picks_data();
    void picks();
    void klicks_data();
    void klicks();
    void schriftPasst_data();
    void schriftPasst();
    void blattBleibtBeiAktivierung();
    void schlechteDatei_data();
    void schlechteDatei();
    void ausBeidenMenues_data();
    void ausBeidenMenues();

private:
    std::unique_ptr<Arbeitsordner> m_ordner;
    std::optional<Uebungsumgebung> m_umgebung;
};

void TestOrdnen::init()
{
    m_ordner = std::make_unique<Arbeitsordner>();
    m_umgebung.emplace(g_uhr, 7, QStringLiteral("Eva"), 0);
}

void TestOrdnen::cleanup()
{
    for (int n : {51, 101})
        if (fenster(n).isVisible())
            fenster(n).close();
    m_umgebung.reset();
    m_ordner.reset();
}

void TestOrdnen::picks_data()
{
    // record 1 of "reifowin.dat": "Sekunde", "Minute", "Stunde", "Tag"; "<" takes back
    QTest::addColumn<QList<double>>("mischung");
    QTest::addColumn<QString>("tasten");
    QTest::addColumn<QStringList>("gewaehlt");
    QTest::addColumn<float>("punkte");
    QTest::addColumn<bool>("loesungRot");
    const QList<double> vertauscht{0.0, 0.0, 0.25};  // record 1; A and B swapped
    const QList<double> unveraendert{0.0};
    const QStringList richtig{"Sekunde *", "Minute", "Stunde", "Tag"};
    QTest::newRow("richtig") << vertauscht << "BACD" << richtig << 200.0f << false;
    QTest::newRow("klein") << vertauscht << "bacd" << richtig << 200.0f << false;
    // four equal picks always meet the item's own place once
    QTest::newRow("A viermal, A ist zweiter") << vertauscht << "AAAA" << QStringList(4, "Minute") << 125.0f << true;
    QTest::newRow("A viermal, A richtig") << unveraendert << "AAAA" << QStringList(4, "Sekunde *") << 125.0f << true;
    QTest::newRow("Leertaste ohne Wahl") << vertauscht << " BACD" << richtig << 200.0f << false;
    QTest::newRow("zurückgenommen") << vertauscht << "BB CDA" << QStringList{"Sekunde *", "Stunde", "Tag", "Minute"}
                                    << 125.0f << true;
    QTest::newRow("rechte Taste nimmt zurück") << vertauscht << "BD<ACD" << richtig << 200.0f << false;
    QTest::newRow("fremde Tasten") << vertauscht << "BXE1AC\tD" << richtig << 200.0f << false;
    // after the verdict the task takes no more picks, and Esc no longer closes
    QTest::newRow("danach nichts") << vertauscht << "BACDAB <" << richtig << 200.0f << false;
    QTest::newRow("Esc nach dem Urteil") << vertauscht << "BACD\x1b" << richtig << 200.0f << false;
}

void TestOrdnen::picks()
{
    QFETCH(QList<double>, mischung);
    QFETCH(QString, tasten);
    QFETCH(QStringList, gewaehlt);
    QFETCH(float, punkte);
    QFETCH(bool, loesungRot);
    folge(mischung);
    Tlog09& f = fenster(51);
    starte(f);
    for (QChar c : tasten) {
        if (c == QLatin1Char('<'))
            QTest::mouseClick(f.pb, Qt::RightButton, Qt::NoModifier, inZeile(f, 2));
        else if (c == QLatin1Char('\t'))
            QTest::keyClick(&f, Qt::Key_Tab);
        else if (c == QLatin1Char('\x1b'))
            QTest::keyClick(&f, Qt::Key_Escape);
        else
            QTest::keyClick(&f, c.toLatin1());
    }
    QStringList erhalten;
    for (int i = 0; i < f.auswahl().zahl(); ++i)
        erhalten << f.auswahl().gewaehlt(i);
    QCOMPARE(erhalten, gewaehlt);
    QCOMPARE(f.punkte(), punkte);
    QVERIFY(!f.offen());
    QVERIFY(f.weiter->isVisible());
    QCOMPARE(f.weiter->text(), QStringLiteral("ENTER"));
    // the VORGABE column turns red with the solution, or keeps its blue head
    const QColor kopf(f.pb->bild().pixel(50 * f.ex(), 5 * f.ey()));
    QCOMPARE(kopf, loesungRot ? farbe::rot : farbe::blau);
}

void TestOrdnen::klicks_data()
{
    // a point in units of the sheet, moved by pixels
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("y");
    QTest::addColumn<int>("dx");
    QTest::addColumn<int>("dy");
    QTest::addColumn<QString>("gewaehlt");
    QTest::newRow("Zeile 1") << 30 << 15 << 0 << 0 << "Minute";
    QTest::newRow("Zeile 4") << 30 << 45 << 0 << 0 << "Tag";
    QTest::newRow("Zeile 2 oben") << 30 << 20 << 0 << 1 << "Sekunde *";
    QTest::newRow("Zeile 1 links") << 10 << 15 << 1 << 0 << "Minute";
    QTest::newRow("Zeile 1 rechts") << 55 << 15 << -1 << 0 << "Minute";
    QTest::newRow("auf der Linie") << 30 << 20 << 0 << 0 << "";
    QTest::newRow("auf der Spaltenlinie") << 10 << 15 << 0 << 0 << "";
    QTest::newRow("Buchstabenspalte") << 4 << 15 << 0 << 0 << "";
    QTest::newRow("Kopf") << 30 << 5 << 0 << 0 << "";
    QTest::newRow("Zeile 5") << 30 << 55 << 0 << 0 << "";
    QTest::newRow("EINGABE") << 70 << 15 << 0 << 0 << "";
}

void TestOrdnen::klicks()
{
    QFETCH(int, x);
    QFETCH(int, y);
    QFETCH(int, dx);
    QFETCH(int, dy);
    QFETCH(QString, gewaehlt);
    folge({0.0, 0.0, 0.25});
    Tlog09& f = fenster(51);
    starte(f);
    QTest::mouseClick(f.pb, Qt::LeftButton, Qt::NoModifier, QPoint(x * f.ex() + dx, y * f.ey() + dy));
    QCOMPARE(f.auswahl().zahl(), gewaehlt.isEmpty() ? 0 : 1);
    if (!gewaehlt.isEmpty())
        QCOMPARE(f.auswahl().gewaehlt(0), gewaehlt);
}

void TestOrdnen::schriftPasst_data()
{
    QTest::addColumn<int>("programm");
    QTest::addColumn<int>("zeichen");
    QTest::addColumn<bool>("volleHoehe");
    QTest::newRow("Reihenfolge") << 51 << 20 << true;
    QTest::newRow("Planen") << 101 << 35 << false;
}

// The longest item fits its column of 43 units: "Planen" writes smaller.
void TestOrdnen::schriftPasst()
{
    QFETCH(int, programm);
    QFETCH(int, zeichen);
    QFETCH(bool, volleHoehe);
    folge({});
    Tlog09& f = fenster(programm);
    f.resize(1920, 1050);
    starte(f);
    QCOMPARE(f.pb->width(), 1920 * 19 / 20);
    QCOMPARE(f.pb->height(), 1050 * 5 / 10);
    QCOMPARE(f.schrifthoehe() == 7 * f.ey(), volleHoehe);
    Leinwand c;
    c.schrift = schrift::font(QStringLiteral("Courier New"), f.schrifthoehe());
    QVERIFY(c.textBreite(QString(zeichen, QLatin1Char('M'))) <= 43 * f.ex());
}

void TestOrdnen::blattBleibtBeiAktivierung()
{
    folge({});
    Tlog09& f = fenster(51);
    starte(f);
    QEvent aktiv(QEvent::WindowActivate);
    QApplication::sendEvent(&f, &aktiv);
    QVERIFY(f.pb->isVisible());
    QTest::keyClick(&f, Qt::Key_Escape);
    QVERIFY(!f.isVisible());
    f.show();
    QVERIFY(f.start->isVisible());
    QVERIFY(!f.pb->isVisible());
    QVERIFY(!f.aufzahl->isVisible());
    // keys before Start pick nothing, and Esc does not close
    QTest::keyClick(&f, 'A');
    QCOMPARE(f.auswahl().zahl(), 0);
    QTest::keyClick(&f, Qt::Key_Escape);
    QVERIFY(f.isVisible());
    QCOMPARE(letztesErgebnis(51).trimmed(), QString());
}

void TestOrdnen::schlechteDatei_data()
{
    QTest::addColumn<int>("programm");
    QTest::addColumn<QString>("datei");
    QTest::addColumn<int>("bytes");
    QTest::addColumn<QString>("text");
    QTest::newRow("Reihenfolge fehlt") << 51 << "reifowin.dat" << -1 << "Datei nicht gefunden";
    QTest::newRow("Reihenfolge kurz") << 51 << "reifowin.dat" << 46 * 81 << "Versuch hinter dem Dateiende zu lesen";
    QTest::newRow("Planen fehlt") << 101 << "planen.dat" << -1 << "Datei nicht gefunden";
    QTest::newRow("Planen kurz") << 101 << "planen.dat" << 99 * 71 << "Versuch hinter dem Dateiende zu lesen";
}

void TestOrdnen::schlechteDatei()
{
    QFETCH(int, programm);
    QFETCH(QString, datei);
    QFETCH(int, bytes);
    QFETCH(QString, text);
    if (bytes < 0)
        QFile::remove(m_ordner->pfad(datei));
    else
        m_ordner->schreibe(datei, m_ordner->lies(datei).left(bytes));
    dialog::Skript skript;
    Tlog09& f = fenster(programm);
    starte(f);
    QCOMPARE(skript.texte, QStringList{text});
    QVERIFY(f.start->isVisible());
    QVERIFY(!f.pb->isVisible());
    QVERIFY(!f.aufzahl->isVisible());
    QTest::keyClick(&f, 'A');
    QCOMPARE(f.auswahl().zahl(), 0);
}

void TestOrdnen::ausBeidenMenues_data()
{
    QTest::addColumn<int>("programm");
    QTest::addColumn<int>("art");
    for (int p : {51, 101}) {
        QTest::newRow(qPrintable(QStringLiteral("%1 Knöpfe").arg(p))) << p << int(Menueart::Knopfmenue);
        QTest::newRow(qPrintable(QStringLiteral("%1 Windows").arg(p))) << p << int(Menueart::Windowsmenue);
    }
}

// Fifteen tasks picked right by clicks, two seconds each: 1600 - 30.
void TestOrdnen::ausBeidenMenues()
{
    QFETCH(int, programm);
    QFETCH(int, art);
    mitSaat(4711);
    Programmtabelle::global().leeren();
    registriereLogik(Programmtabelle::global());
    QStringList erste;
    QStringList texte;
    Form::setzeModalErsatz([&](Form* w) {
        if (auto* f = qobject_cast<Tlog09*>(w))
            spieleRichtig(*f, erste, texte);
        return 0;
    });
    QVERIFY(aufruf(programm, Menueart(art)));
    QCOMPARE(erste.size(), 15);
    QCOMPARE(QSet<QString>(erste.begin(), erste.end()).size(), 15);
    if (programm == 51) {
        QCOMPARE(texte.first(), QStringLiteral("Bringen Sie die vier Begriffe in eine logische Reihenfolge! "
                                               "Der erste Begriff ist durch einen Stern gekennzeichnet!"));
        for (const QString& e : erste)
            QVERIFY2(e.endsWith(QStringLiteral(" *")), qPrintable(e));
    } else {
        for (const QString& t : texte)
            QVERIFY2(t.endsWith(QStringLiteral(". Bringen Sie die vier Schritte in die richtige Reihenfolge!")),
                     qPrintable(t));
        QVERIFY(!erste.join(QString()).contains(QLatin1Char('*')));
    }
    QCOMPARE(letztesErgebnis(programm), QStringLiteral("07.03.2026   1570"));
    QCOMPARE(meldung, QStringLiteral("Sie haben 1570 Punkte erreicht!"));
}

int main(int argc, char** argv)
{
    Anwendung app(argc, argv);
    TestOrdnen t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_ordnen.moc"
