// "Zahlen raten" and "Pferderennen": the answers to guesses, refusals, the
// points of the games, and a run of each from the menus to the stored result.
#include "common/satzdatei.h"
#include "common/zufall.h"
#include "common/zustand.h"
#include "exercises/logic/raten.h"
#include "exercises/logic/register.h"
#include "exercises/logic/ulog10.h"
#include "platform/anwendung.h"
#include "platform/dialoge.h"
#include "shell/aufruf.h"
#include "shell/ergebnisse.h"
#include "shell/programmtabelle.h"
#include "tests/support/testumgebung.h"
#include "tests/support/testuhr.h"
#include "tests/support/uebungsumgebung.h"

#include <QApplication>
#include <QFontMetrics>
#include <QLineEdit>
#include <QScrollBar>
#include <QTest>
#include <QTextEdit>
#include <optional>

namespace {

Testuhr g_uhr;

Tlog10& fenster(int programm)
{
    static Tlog10* zahlen = new Tlog10(Tlog10::mitglied(102));
    static Tlog10* pferde = new Tlog10(Tlog10::mitglied(104));
    return programm == 102 ? *zahlen : *pferde;
}

// The same random number for ever: r = 0.5 hides 101.
void immer(double r)
{
    zufall::setzeFolge([r] { return r; });
}

// Types a guess and Enter into the field.
void rate(Tlog10& f, const QString& text)
{
    for (QChar c : text)
        QTest::keyClick(f.eingabe, c.toLatin1());
    QTest::keyClick(f.eingabe, Qt::Key_Return);
}

QStringList zeilen(const Tlog10& f)
{
    const QString t = f.memo->toPlainText();
    return t.isEmpty() ? QStringList() : t.split(QLatin1Char('\n'));
}

QString letztesErgebnis(int n)
{
    Satzdatei d(ergebnis::dateiname(n / 12 - 1), ergebnis::kSatzgroesse);
    d.positioniere(ergebnis::satznummer(n % 12, nutzer, 9));
    return d.liesText();
}

}

class TestRaten : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void rueckmeldung_data();
    void rueckmeldung();
    void zahlen_data();
    void zahlen();
    void pferde_data();
    void pferde();
    void neuerStartNurBeimZeigen();
    void memoFasstZwoelfZeilen();
    void ausBeidenMenues_data();
    void ausBeidenMenues();

private:
    std::unique_ptr<Arbeitsordner> m_ordner;
    std::optional<Uebungsumgebung> m_umgebung;
};

void TestRaten::init()
{
    m_ordner = std::make_unique<Arbeitsordner>();
    m_umgebung.emplace(g_uhr, 7, QStringLiteral("Eva"), 0);
}

void TestRaten::cleanup()
{
    for (int n : {102, 104})
        if (fenster(n).isVisible())
            fenster(n).close();
    m_umgebung.reset();
    m_ordner.reset();
}

void TestRaten::rueckmeldung_data()
{
    QTest::addColumn<QString>("tipp");
    QTest::addColumn<QString>("loesung");
    QTest::addColumn<QString>("text");
    // three of five letters always share one: no guess is answered with nothing
    QTest::newRow("F") << "ABC" << "CDE" << "Ein Pferd richtig, aber falsch plaziert!";
    QTest::newRow("F vorn") << "ABC" << "DEA" << "Ein Pferd richtig, aber falsch plaziert!";
    QTest::newRow("R") << "ABC" << "DEC" << "Ein Pferd richtig plaziert!";
    QTest::newRow("RR") << "ABC" << "ABD" << "Zwei Pferde richtig plaziert!";
    QTest::newRow("FF") << "ABC" << "BAD" << "Zwei Pferde richtig, aber falsch plaziert!";
    QTest::newRow("FFF") << "ABC" << "CAB" << "Drei Pferde richtig, aber falsch plaziert!";
    QTest::newRow("RF") << "ABC" << "ACD" << "Ein Pferd richtig! Ein Pferd richtig, aber falsch plaziert!";
    QTest::newRow("RFF") << "ABC" << "ACB" << "Ein Pferd richtig! Zwei Pferde richtig, aber falsch plaziert!";
    QTest::newRow("RRR") << "ABC" << "ABC" << "Getroffen!";
}

void TestRaten::rueckmeldung()
{
    QFETCH(QString, tipp);
    QFETCH(QString, loesung);
    QFETCH(QString, text);
    QCOMPARE(raten::pferdeText(raten::rueckmeldung(tipp, loesung)), text);
}

void TestRaten::zahlen_data()
{
    // the hidden number is 101 (r = 0.5); "." is Esc
    QTest::addColumn<QStringList>("tipps");
    QTest::addColumn<QStringList>("memo");
    QTest::addColumn<QStringList>("meldungen");
    QTest::addColumn<int>("versuche");
    const QString bereich = "Die gesuchte Zahl liegt im Bereich von 1 bis 200!";
    QTest::newRow("250 zählt nicht") << QStringList{"250"} << QStringList() << QStringList{bereich} << 0;
    QTest::newRow("0 zu niedrig") << QStringList{"0"} << QStringList{"0    zu niedrig!"} << QStringList() << 1;
    QTest::newRow("hoch, niedrig") << QStringList{"150", "99", "201"}
                                   << QStringList{"150  zu hoch!", "99   zu niedrig!"} << QStringList{bereich} << 2;
    QTest::newRow("Buchstaben fallen weg") << QStringList{"1a0x2"} << QStringList{"102  zu hoch!"} << QStringList()
                                           << 1;
    QTest::newRow("leeres Feld") << QStringList{""} << QStringList() << QStringList() << 0;
    QTest::newRow("Treffer") << QStringList{"50", "101"} << QStringList()
                             << QStringList{"GETROFFEN!!"} << 0;  // the second game has begun
}

void TestRaten::zahlen()
{
    QFETCH(QStringList, tipps);
    QFETCH(QStringList, memo);
    QFETCH(QStringList, meldungen);
    QFETCH(int, versuche);
    immer(0.5);
    dialog::Skript skript;
    Tlog10& f = fenster(102);
    f.show();
    for (const QString& t : tipps)
        rate(f, t);
    QCOMPARE(zeilen(f), memo);
    QCOMPARE(skript.texte, meldungen);
    QCOMPARE(f.versuche(), versuche);
    QCOMPARE(f.eingabe->text(), QString());
    QCOMPARE(f.punkte(), meldungen.contains("GETROFFEN!!") ? 1400.0f : 100.0f);
}

void TestRaten::pferde_data()
{
    // r = 0.5 draws "C" again and again: the script gives C, A, B
    QTest::addColumn<QStringList>("tipps");
    QTest::addColumn<QStringList>("memo");
    QTest::addColumn<QStringList>("meldungen");
    QTest::addColumn<int>("versuche");
    QTest::newRow("doppelt") << QStringList{"AAB"} << QStringList()
                             << QStringList{"Es sind keine doppelten Zeichen erlaubt!"} << 0;
    QTest::newRow("zwei Zeichen") << QStringList{"AB"} << QStringList() << QStringList{"ungültige Länge"} << 0;
    QTest::newRow("klein wird groß") << QStringList{"cbd"} << QStringList{"CBD  Ein Pferd richtig! Ein Pferd richtig, aber falsch plaziert!"}
                                     << QStringList() << 1;
    QTest::newRow("fremde Zeichen") << QStringList{"AF1BCX"}
                                    << QStringList{"ABC  Drei Pferde richtig, aber falsch plaziert!"} << QStringList()
                                    << 1;
    QTest::newRow("doppelt, dann F") << QStringList{"DED", "DEA"} << QStringList{"DEA  Ein Pferd richtig, aber falsch plaziert!"}
                                  << QStringList{"Es sind keine doppelten Zeichen erlaubt!"} << 1;
}

void TestRaten::pferde()
{
    QFETCH(QStringList, tipps);
    QFETCH(QStringList, memo);
    QFETCH(QStringList, meldungen);
    QFETCH(int, versuche);
    QList<double> werte{0.5, 0.0, 0.25};  // C, A, B
    zufall::setzeFolge([werte, i = 0]() mutable { return werte[i++ % 3]; });
    dialog::Skript skript;
    Tlog10& f = fenster(104);
    f.show();
    QCOMPARE(f.loesung(), QStringLiteral("CAB"));
    for (const QString& t : tipps)
        rate(f, t);
    QCOMPARE(zeilen(f), memo);
    QCOMPARE(skript.texte, meldungen);
    QCOMPARE(f.versuche(), versuche);
    // Esc closes only the numbers
    QTest::keyClick(f.eingabe, Qt::Key_Escape);
    QVERIFY(f.isVisible());
}

// A hit's message box activates the window again: the run goes on.
void TestRaten::neuerStartNurBeimZeigen()
{
    immer(0.5);
    dialog::Skript skript;
    Tlog10& f = fenster(102);
    f.show();
    rate(f, "101");
    QEvent aktiv(QEvent::WindowActivate);
    QApplication::sendEvent(&f, &aktiv);
    QCOMPARE(f.spiel(), 1);
    QCOMPARE(f.punkte(), 1500.0f);
    // the release of an Enter pressed elsewhere (the message box) is no guess
    f.eingabe->setText(QStringLiteral("50"));
    QTest::keyRelease(f.eingabe, Qt::Key_Return);
    QCOMPARE(f.versuche(), 0);
    QTest::keyClick(f.eingabe, Qt::Key_Escape);
    QVERIFY(!f.isVisible());
    f.show();
    QCOMPARE(f.spiel(), 0);
    QCOMPARE(f.punkte(), 100.0f);
    QCOMPARE(letztesErgebnis(102).trimmed(), QString());
}

void TestRaten::memoFasstZwoelfZeilen()
{
    immer(0.5);
    dialog::Skript skript;
    Tlog10& f = fenster(102);
    f.show();
    for (int i = 0; i < 12; ++i)
        rate(f, QString::number(i + 1));
    QCOMPARE(skript.texte, QStringList{"Nicht geschafft! Die Lösung lautet 101"});
    QCOMPARE(f.spiel(), 1);
    QCOMPARE(f.punkte(), 100.0f);
    for (int i = 0; i < 11; ++i)
        rate(f, QString::number(i + 1));
    const QFontMetrics fm(f.memo->font());
    QVERIFY(f.memo->viewport()->height() >= 12 * fm.lineSpacing() + 2 * int(f.memo->document()->documentMargin()));
    QCOMPARE(zeilen(f).size(), 11);
    QCOMPARE(f.memo->verticalScrollBar()->maximum(), 0);
}

void TestRaten::ausBeidenMenues_data()
{
    QTest::addColumn<int>("programm");
    QTest::addColumn<int>("art");
    QTest::addColumn<QString>("ergebnis");
    // three first-guess hits: 100 + 3 x 1400 - 6 s; two missed horse games: the floor 2
    for (auto [art, name] : {std::pair{Menueart::Knopfmenue, "Knöpfe"}, std::pair{Menueart::Windowsmenue, "Windows"}}) {
        QTest::newRow(qPrintable(QStringLiteral("102 %1").arg(name))) << 102 << int(art) << "07.03.2026   4294";
        QTest::newRow(qPrintable(QStringLiteral("104 %1").arg(name))) << 104 << int(art) << "07.03.2026   2";
    }
}

void TestRaten::ausBeidenMenues()
{
    QFETCH(int, programm);
    QFETCH(int, art);
    QFETCH(QString, ergebnis);
    Programmtabelle::global().leeren();
    registriereLogik(Programmtabelle::global());
    dialog::Skript skript;
    QStringList loesungen;
    Form::setzeModalErsatz([&](Form* w) {
        auto* f = qobject_cast<Tlog10*>(w);
        if (!f)
            return 0;
        f->show();
        for (int spiel = 0; f->isVisible() && spiel < 3; ++spiel) {
            loesungen << f->loesung();
            g_uhr.mono += 2.0;
            if (programm == 102) {
                rate(*f, f->loesung());
                continue;
            }
            // twelve guesses without the three horses in place
            const QString falsch = f->loesung().right(2) + f->loesung().left(1);
            for (int i = 0; i < 12; ++i)
                rate(*f, falsch);
        }
        return 0;
    });
    mitSaat(99);
    QVERIFY(aufruf(programm, Menueart(art)));
    QCOMPARE(loesungen.size(), programm == 102 ? 3 : 2);
    QCOMPARE(letztesErgebnis(programm), ergebnis);
    QCOMPARE(skript.texte.count(QStringLiteral("GETROFFEN!!")), programm == 102 ? 3 : 0);
}

int main(int argc, char** argv)
{
    Anwendung app(argc, argv);
    TestRaten t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_raten.moc"
