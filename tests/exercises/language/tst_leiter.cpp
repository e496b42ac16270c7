// The hint ladder: records, upper-casing, hints and judging without a window,
// and the three windows driven through their controls on content written by
// the test, from the dispatcher to the stored result.
#include "common/satzdatei.h"
#include "common/zufall.h"
#include "common/zustand.h"
#include "exercises/language/leiter.h"
#include "exercises/language/register.h"
#include "exercises/language/uwis05.h"
#include "platform/anwendung.h"
#include "platform/dialoge.h"
#include "shell/aufruf.h"
#include "shell/ergebnisse.h"
#include "shell/programmtabelle.h"
#include "tests/support/testumgebung.h"
#include "tests/support/testuhr.h"
#include "tests/support/uebungsumgebung.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSet>
#include <QTest>
#include <QTextEdit>
#include <algorithm>
#include <optional>

namespace {

Testuhr g_uhr;

// The content of the test: clue i names its number, its answer is made of it;
// both are stored in small letters.
QString hinweisVon(int i) { return QStringLiteral("begriff %1 für straße").arg(i); }
QString antwortVon(int i)
{
    return QStringLiteral("wö") + QChar(u'a' + i / 26) + QChar(u'a' + i % 26);
}

void schreibeLeiter(Arbeitsordner& o, const QString& datei, int saetze,
                    const std::function<QString(int)>& antwort = antwortVon)
{
    QByteArray b;
    for (int i = 0; i < saetze; ++i)
        b += kurztext::satz(hinweisVon(i).leftJustified(70, QLatin1Char(' ')) + antwort(i), 90);
    o.schreibe(datei, b);
}

const Leiterart& art(int programm)
{
    for (const Leiterart& a : Twis05::mitglieder())
        if (a.programm == programm)
            return a;
    qFatal("no such member");
}

// Random numbers from a list, its last one repeated for ever.
void folge(const QList<double>& zahlen)
{
    auto i = std::make_shared<int>(0);
    zufall::setzeFolge([zahlen, i] { return zahlen.at(std::min<int>((*i)++, zahlen.size() - 1)); });
}

QString sortiert(QString s)
{
    std::sort(s.begin(), s.end());
    return s;
}

// One window and its controls; a window of the test's own is deleted with it.
struct Fenster {
    explicit Fenster(int programm) : Fenster(new Twis05(art(programm)), true) {}
    Fenster(Twis05* fenster, bool eigenes) : f(fenster), eigen(eigenes)
    {
        f->show();
        QApplication::setActiveWindow(f);
        start = f->findChild<QPushButton*>(QStringLiteral("start"));
        weiter = f->findChild<QPushButton*>(QStringLiteral("weiter"));
        eingabe = f->findChild<QLineEdit*>(QStringLiteral("eingabe"));
        rifa = f->findChild<QLabel*>(QStringLiteral("rifa"));
        aufzahl = f->findChild<QLabel*>(QStringLiteral("aufzahl"));
    }
    ~Fenster()
    {
        if (eigen)
            delete f;
    }
    QString hinweis() const { return f->ausgabe->toPlainText(); }
    QString hilfe() const { return f->hilfe->toPlainText(); }
    // The number in the clue shown, and its answer as stored.
    int nummer() const { return hinweis().section(QLatin1Char(' '), 1, 1).toInt(); }
    QString richtig() const { return antwortVon(nummer()); }
    void antworte(const QString& text)
    {
        tippe(eingabe, text);
        QTest::keyClick(eingabe, Qt::Key_Return);
    }

    Twis05* f;
    bool eigen;
    QPushButton* start;
    QPushButton* weiter;
    QLineEdit* eingabe;
    QLabel* rifa;
    QLabel* aufzahl;
};

QString letzterEintrag(int programm)
{
    Satzdatei d(ergebnis::dateiname(programm / 12 - 1), ergebnis::kSatzgroesse);
    d.positioniere(ergebnis::satznummer(programm % 12, nutzer, 9));
    return d.liesText();
}

}

class TestLeiter : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void satz_data();
    void satz();
    void hinweise_data();
    void hinweise();
    void jedeAntwort_data();
    void jedeAntwort();
    void versuche_data();
    void versuche();
    void hinweisNachDerBox();
    void eingabe_data();
    void eingabe();
    void neuerLaufUrteilt_data();
    void neuerLaufUrteilt();
    void dateiFehlerhaft_data();
    void dateiFehlerhaft();
    void laufUeberMenue_data();
    void laufUeberMenue();

private:
    std::unique_ptr<Arbeitsordner> m_ordner;
    std::optional<Uebungsumgebung> m_umgebung;
};

void TestLeiter::init()
{
    // the plain functions need no working folder
    if (QSet<QString>{"satz", "hinweise", "jedeAntwort"}.contains(QTest::currentTestFunction()))
        return;
    m_ordner = std::make_unique<Arbeitsordner>();
    for (const Leiterart& a : Twis05::mitglieder())
        schreibeLeiter(*m_ordner, a.datei, a.saetze);
    m_umgebung.emplace(g_uhr, 7, QStringLiteral("Eva"), 20261207);
}

void TestLeiter::cleanup()
{
    zufall::setzeFolge({});
    m_umgebung.reset();
    m_ordner.reset();
}

void TestLeiter::satz_data()
{
    QTest::addColumn<QString>("satz");
    QTest::addColumn<QString>("hinweis");
    QTest::addColumn<QString>("antwort");
    const auto feld = [](const char* t) { return QString::fromUtf8(t).leftJustified(70, QLatin1Char(' ')); };
    QTest::newRow("gewöhnlich") << feld("Haus am See") + "Ufer" << "HAUS AM SEE" << "UFER";
    QTest::newRow("Umlaute, ß bleibt") << feld("größe") + "straße" << "GRÖßE" << "STRAßE";
    QTest::newRow("andere Zeichen bleiben") << feld("Café über 3 Brücken?") + "äöü" << "CAFé ÜBER 3 BRÜCKEN?" << "ÄÖÜ";
    QTest::newRow("Endblanks der Antwort") << feld("x") + "Hund      " << "X" << "HUND";
    QTest::newRow("Antwort von 20") << feld("k") + "abcdefghijklmnopqrst" << "K" << "ABCDEFGHIJKLMNOPQRST";
    QTest::newRow("kurz, ohne Antwort") << "Nur ein Hinweis   " << "NUR EIN HINWEIS" << "";
    QTest::newRow("genau 70") << QString(70, QLatin1Char('a')) << QString(70, QLatin1Char('A')) << "";
    QTest::newRow("71") << QString(70, QLatin1Char('b')) + "c" << QString(70, QLatin1Char('B')) << "C";
}

void TestLeiter::satz()
{
    QFETCH(QString, satz);
    QFETCH(QString, hinweis);
    QFETCH(QString, antwort);
    const leiter::Eintrag e = leiter::lies(satz);
    QCOMPARE(e.hinweis, hinweis);
    QCOMPARE(e.antwort, antwort);
}

void TestLeiter::hinweise_data()
{
    QTest::addColumn<int>("versuch");
    QTest::addColumn<QString>("antwort");
    QTest::addColumn<QList<double>>("zahlen");  // the last one repeats
    QTest::addColumn<QString>("hilfe");
    QTest::newRow("1") << 1 << "HUT" << QList<double>{0.5} << "Anfangsbuchstabe: H";
    QTest::newRow("2 von drei") << 2 << "HUT" << QList<double>{0.5} << "H??";
    QTest::newRow("2 Umlaut") << 2 << "ÖL" << QList<double>{0.5} << "Ö?";
    // each move takes the first letter to the end: ten moves turn by one
    QTest::newRow("3 zehn Züge") << 3 << "ABC" << QList<double>{0.0, 0.9, 0.0, 0.9, 0.0, 0.9, 0.0, 0.9, 0.0, 0.9,
                                                               0.0, 0.9, 0.0, 0.9, 0.0, 0.9, 0.0, 0.9, 0.0, 0.9}
                                 << "BCA";
    // letters "N" (code 78), the word at position 7
    QTest::newRow("4 mitten") << 4 << "HUND" << QList<double>{0.5} << "NNNNNNHUNDNNNNNNNN";
    QTest::newRow("4 vorn") << 4 << "HUND" << QList<double>{0.0} << "HUNDAAAAAAAAAAAAAA";
    QTest::newRow("4 hinten") << 4 << "HUND"
                              << QList<double>{0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0.999}
                              << "AAAAAAAAAAAAAHUNDA";
    QTest::newRow("4 von 17") << 4 << "ABCDEFGHIJKLMNOPQ" << QList<double>{0.99} << "ABCDEFGHIJKLMNOPQZ";
    QTest::newRow("4 von 18") << 4 << "ABCDEFGHIJKLMNOPQR" << QList<double>{0.5} << "ABCDEFGHIJKLMNOPQR";
    QTest::newRow("4 von 20") << 4 << "ABCDEFGHIJKLMNOPQRST" << QList<double>{0.5} << "ABCDEFGHIJKLMNOPQRST";
}

void TestLeiter::hinweise()
{
    QFETCH(int, versuch);
    QFETCH(QString, antwort);
    QFETCH(QList<double>, zahlen);
    QFETCH(QString, hilfe);
    folge(zahlen);
    QCOMPARE(leiter::hilfe(versuch, antwort), hilfe);
}

void TestLeiter::jedeAntwort_data()
{
    QTest::addColumn<QStringList>("antworten");
    QTest::addColumn<QList<double>>("zahlen");  // empty: a seeded generator
    QTest::addColumn<int>("mal");               // hints drawn per answer
    const QStringList antworten{"AB", "BA", "ÄÖ", "ZOO", "ABBA", "AAB", "HUND", "STRAßE", "ÜBERMUT",
                                "ABCDEFGHIJKLMNOPQRST"};
    for (const QString& a : antworten) {
        QTest::addRow("%s Saat", qPrintable(a)) << QStringList{a} << QList<double>{} << 50;
        // a move that puts every letter back where it was
        QTest::addRow("%s stets 0,5", qPrintable(a)) << QStringList{a} << QList<double>{0.5} << 50;
        QTest::addRow("%s stets 0", qPrintable(a)) << QStringList{a} << QList<double>{0.0} << 50;
    }
    // every answer of the built files
    Arbeitsordner o;
    for (const Leiterart& art : Twis05::mitglieder()) {
        const QByteArray b = o.lies(art.datei);
        QStringList gebaut;
        for (int i = 0; i + 91 <= b.size(); i += 91)
            gebaut << leiter::lies(kurztext::lies(b.constData() + i, 90)).antwort;
        QCOMPARE(gebaut.size(), art.saetze);
        QTest::addRow("%s", qPrintable(art.datei)) << gebaut << QList<double>{} << 3;
        QTest::addRow("%s stets 0,5", qPrintable(art.datei)) << gebaut << QList<double>{0.5} << 1;
    }
}

// The scramble ends and differs for every answer of two different letters at
// least, whatever the random numbers; the hidden word is 18 capitals holding it.
void TestLeiter::jedeAntwort()
{
    QFETCH(QStringList, antworten);
    QFETCH(QList<double>, zahlen);
    QFETCH(int, mal);
    if (zahlen.isEmpty())
        mitSaat(20261207);
    else
        folge(zahlen);
    for (const QString& antwort : antworten) {
        QVERIFY(!antwort.isEmpty());
        for (int i = 0; i < mal; ++i) {
            const QString s = leiter::hilfe(3, antwort);
            QVERIFY2(s != antwort, qPrintable(s));
            QCOMPARE(sortiert(s), sortiert(antwort));
            const QString v = leiter::hilfe(4, antwort);
            QCOMPARE(v.size(), std::max<int>(18, antwort.size()));
            const int p = v.indexOf(antwort);
            QVERIFY2(p >= 0, qPrintable(v));
            const QString rest = v.left(p) + v.mid(p + antwort.size());
            QVERIFY2(std::all_of(rest.begin(), rest.end(), [](QChar c) { return c >= u'A' && c <= u'Z'; }),
                     qPrintable(v));
        }
    }
    // one letter over and over cannot differ: it comes back at once
    QCOMPARE(leiter::vermischt(QStringLiteral("AA")), QStringLiteral("AA"));
    QCOMPARE(leiter::vermischt(QString()), QString());
}

void TestLeiter::versuche_data()
{
    QTest::addColumn<int>("fehler");  // misses before the right answer; 5: none right
    QTest::addColumn<float>("punkte");
    QTest::newRow("erster Versuch") << 0 << 200.0f;
    QTest::newRow("zweiter") << 1 << 180.0f;
    QTest::newRow("dritter") << 2 << 160.0f;
    QTest::newRow("vierter") << 3 << 140.0f;
    QTest::newRow("fünfter") << 4 << 120.0f;
    QTest::newRow("fünf Fehler") << 5 << 100.0f;
}

// Each miss but the last: "Fehler!", the field emptied and the next hint; the
// fifth shows the word in rifa and empties hilfe. A done task judges no more.
void TestLeiter::versuche()
{
    QFETCH(int, fehler);
    QFETCH(float, punkte);
    dialog::Skript skript;
    Fenster w(56);
    QCOMPARE(w.f->windowTitle(), QStringLiteral("Wortschatz"));
    w.start->click();
    QCOMPARE(w.hinweis(), QStringLiteral("BEGRIFF %1 FÜR STRAßE").arg(w.nummer()));
    const QString gross = leiter::gross(w.richtig());
    for (int v = 1; v <= fehler; ++v) {
        w.antworte(QStringLiteral("x"));
        QCOMPARE(w.f->versuch(), v);
        // the fifth miss leaves the field as typed
        QCOMPARE(w.eingabe->text(), v < 5 ? QString() : QStringLiteral("X"));
        switch (v) {
        case 1: QCOMPARE(w.hilfe(), QStringLiteral("Anfangsbuchstabe: W")); break;
        case 2: QCOMPARE(w.hilfe(), QStringLiteral("W???")); break;
        case 3: QVERIFY(w.hilfe() != gross && sortiert(w.hilfe()) == sortiert(gross)); break;
        case 4: QVERIFY(w.hilfe().size() == 18 && w.hilfe().contains(gross)); break;
        default: break;
        }
    }
    QCOMPARE(skript.texte, QStringList(std::min(fehler, 4), QStringLiteral("Fehler!")));
    if (fehler < 5)
        w.antworte(w.richtig());
    QCOMPARE(w.rifa->text(), fehler < 5 ? QStringLiteral("RICHTIG!") : gross);
    QCOMPARE(w.hilfe(), QString());
    QCOMPARE(w.f->punkte(), punkte);
    QVERIFY(w.weiter->isVisible());
    QCOMPARE(w.weiter->text(), QStringLiteral("Enter"));
    // Enter in the field again judges nothing
    w.eingabe->setFocus();
    w.eingabe->setReadOnly(false);
    w.antworte(w.richtig());
    QCOMPARE(w.f->punkte(), punkte);
    QCOMPARE(skript.texte.size(), std::min(fehler, 4));
}

// The Enter that confirms "Fehler!" is pressed in the box and released in the
// field: it is no attempt, and the hint shows only after the box.
void TestLeiter::hinweisNachDerBox()
{
    Fenster w(56);
    w.start->click();
    QString box, hilfeDabei;
    ModalWaechter waechter([&](QWidget* m) {
        if (auto* b = qobject_cast<QMessageBox*>(m))
            box = b->text();
        hilfeDabei = w.hilfe();
        QTest::keyPress(m, Qt::Key_Return);
    });
    w.antworte(QStringLiteral("x"));
    QVERIFY(waechter.ausgeloest());
    QTest::keyRelease(w.eingabe, Qt::Key_Return);
    QCOMPARE(box, QStringLiteral("Fehler!"));
    QCOMPARE(hilfeDabei, QString());
    QCOMPARE(w.hilfe(), QStringLiteral("Anfangsbuchstabe: W"));
    QCOMPARE(w.f->versuch(), 1);
    dialog::Skript skript;
    w.antworte(w.richtig());
    QCOMPARE(w.rifa->text(), QStringLiteral("RICHTIG!"));
    QCOMPARE(w.f->punkte(), 180.0f);
}

void TestLeiter::eingabe_data()
{
    QTest::addColumn<QString>("antwort");  // of every record, as stored
    QTest::addColumn<QString>("tippen");
    QTest::addColumn<QString>("feld");
    QTest::addColumn<QString>("rifa");
    QTest::addColumn<int>("versuch");
    QTest::newRow("ä trifft Ä") << "bär" << "bär" << "BÄR" << "RICHTIG!" << 1;
    QTest::newRow("Umlaut groß") << "bär" << "BÄR" << "BÄR" << "RICHTIG!" << 1;
    QTest::newRow("ß") << "maß" << "maß" << "MAß" << "RICHTIG!" << 1;
    QTest::newRow("SS für ß") << "maß" << "mass" << "MASS" << "" << 1;
    QTest::newRow("anderes gefiltert") << "hund" << "h-u 1n.dé" << "HUND" << "RICHTIG!" << 1;
    // the field holds 20 characters and Enter judges all 20
    QTest::newRow("20 Zeichen") << "abcdefghijklmnopqrst" << "abcdefghijklmnopqrstu" << "ABCDEFGHIJKLMNOPQRST"
                                << "RICHTIG!" << 1;
    QTest::newRow("leer") << "hund" << "" << "" << "" << 0;
}

void TestLeiter::eingabe()
{
    QFETCH(QString, antwort);
    QFETCH(QString, tippen);
    QFETCH(QString, feld);
    QFETCH(QString, rifa);
    QFETCH(int, versuch);
    schreibeLeiter(*m_ordner, QStringLiteral("satzende.dat"), 112, [&](int) { return antwort; });
    dialog::Skript skript;
    Fenster w(55);
    w.start->click();
    QVERIFY(w.hinweis().endsWith(QStringLiteral("FÜR STRAßE...")));
    tippe(w.eingabe, tippen);
    QCOMPARE(w.eingabe->text(), feld);
    QTest::keyClick(w.eingabe, Qt::Key_Return);
    QCOMPARE(w.rifa->text(), rifa);
    QCOMPARE(w.f->versuch(), versuch);
    QCOMPARE(skript.texte.size(), versuch > 0 && rifa.isEmpty() ? 1 : 0);
}

void TestLeiter::neuerLaufUrteilt_data()
{
    QTest::addColumn<int>("fehler");  // misses before the window is closed
    QTest::addColumn<bool>("geloest");
    QTest::newRow("gelöst") << 0 << true;
    QTest::newRow("drei Fehler") << 3 << false;
    QTest::newRow("fünf Fehler") << 5 << false;
}

// The reused window's next run judges its first task from the first attempt.
void TestLeiter::neuerLaufUrteilt()
{
    QFETCH(int, fehler);
    QFETCH(bool, geloest);
    dialog::Skript skript;
    Fenster w(126);
    w.start->click();
    for (int v = 0; v < fehler; ++v)
        w.antworte(QStringLiteral("x"));
    if (geloest)
        w.antworte(w.richtig());
    QTest::keyClick(w.eingabe, Qt::Key_Escape);
    QVERIFY(!w.f->isVisible());
    w.f->show();
    QVERIFY(w.start->isVisible() && w.weiter->isHidden() && w.eingabe->isHidden());
    QCOMPARE(w.hinweis() + w.hilfe() + w.rifa->text(), QString());
    w.start->click();
    QCOMPARE(w.f->versuch(), 0);
    w.antworte(w.richtig());
    QCOMPARE(w.rifa->text(), QStringLiteral("RICHTIG!"));
    QCOMPARE(w.f->punkte(), 200.0f);
    // nothing was recorded
    QCOMPARE(letzterEintrag(126).trimmed(), QString());
}

void TestLeiter::dateiFehlerhaft_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<int>("saetze");  // -1: no file
    QTest::addColumn<QString>("meldung");
    QTest::newRow("56 fehlt") << 56 << -1 << "Datei nicht gefunden";
    QTest::newRow("55 zu kurz") << 55 << 111 << "Versuch hinter dem Dateiende zu lesen";
    QTest::newRow("126 zu kurz") << 126 << 20 << "Versuch hinter dem Dateiende zu lesen";
}

void TestLeiter::dateiFehlerhaft()
{
    QFETCH(int, n);
    QFETCH(int, saetze);
    QFETCH(QString, meldung);
    if (saetze < 0)
        QFile::remove(m_ordner->pfad(art(n).datei));
    else
        schreibeLeiter(*m_ordner, art(n).datei, saetze);
    dialog::Skript skript;
    Fenster w(n);
    w.start->click();
    QCOMPARE(skript.texte, QStringList{meldung});
    QVERIFY(w.start->isVisible() && w.eingabe->isHidden() && w.aufzahl->isHidden());
    QCOMPARE(w.hinweis(), QString());
}

void TestLeiter::laufUeberMenue_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<int>("menue");
    QTest::addColumn<QString>("klasse");
    QTest::addColumn<QString>("ende");  // after the clue
    QTest::newRow("56") << 56 << int(Menueart::Knopfmenue) << "Twis05" << "STRAßE";
    QTest::newRow("55") << 55 << int(Menueart::Windowsmenue) << "Twis04" << "STRAßE...";
    QTest::newRow("126") << 126 << int(Menueart::Knopfmenue) << "Twis07" << "STRAßE";
}

// Task 1 right at the fifth attempt, the other 19 at the first: 100 + 20 +
// 19 x 100, less 12.5 seconds.
void TestLeiter::laufUeberMenue()
{
    QFETCH(int, n);
    QFETCH(int, menue);
    QFETCH(QString, klasse);
    QFETCH(QString, ende);
    Programmtabelle::global().leeren();
    registriereSprache(Programmtabelle::global());
    dialog::Skript skript;
    QStringList gezeigt, hinweise, zaehler;
    Form::setzeModalErsatz([&](Form* fenster) {
        gezeigt << fenster->objectName();
        auto* f = qobject_cast<Twis05*>(fenster);
        if (!f)
            return 0;
        Fenster w(f, false);
        w.start->click();
        for (int k = 1; k <= 25 && w.start->isHidden(); ++k) {
            hinweise << w.hinweis();
            zaehler << w.aufzahl->text();
            for (int v = 0; k == 1 && v < 4; ++v)
                w.antworte(QStringLiteral("x"));
            w.antworte(w.richtig());
            if (w.rifa->text() != QLatin1String("RICHTIG!"))
                break;
            if (k == 20)
                g_uhr.mono += 12.5;
            w.weiter->click();
        }
        return 0;
    });
    QVERIFY(aufruf(n, Menueart(menue)));
    QCOMPARE(gezeigt, (QStringList{QStringLiteral("regel"), klasse, QStringLiteral("Form3")}));
    QCOMPARE(hinweise.size(), 20);
    QCOMPARE(QSet<QString>(hinweise.begin(), hinweise.end()).size(), 20);
    for (const QString& h : hinweise)
        QVERIFY2(h.startsWith(QStringLiteral("BEGRIFF ")) && h.endsWith(ende), qPrintable(h));
    QCOMPARE(zaehler.first(), QStringLiteral("1/ 20"));
    QCOMPARE(zaehler.last(), QStringLiteral("20/ 20"));
    QCOMPARE(skript.texte, QStringList(4, QStringLiteral("Fehler!")));
    QCOMPARE(meldung, QStringLiteral("Sie haben 2007 Punkte erreicht!"));
    QCOMPARE(letzterEintrag(n), QStringLiteral("07.03.2026   2007,5"));
}

int main(int argc, char** argv)
{
    Anwendung app(argc, argv);
    TestLeiter t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_leiter.moc"
