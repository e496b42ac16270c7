// The knowledge questions: the record parsers, the Quiz's jokers, and the four
// windows driven through their controls on content written by the test, from
// the dispatcher to the stored result.
#include "common/satzdatei.h"
#include "common/uhr.h"
#include "common/zufall.h"
#include "common/zustand.h"
#include "exercises/language/fragen.h"
#include "exercises/language/register.h"
#include "exercises/language/upra06.h"
#include "platform/dialoge.h"
#include "platform/farben.h"
#include "shell/aufruf.h"
#include "shell/ergebnisse.h"
#include "shell/programmtabelle.h"
#include "tests/support/testumgebung.h"
#include "tests/support/uebungsumgebung.h"
#include "tests/support/testuhr.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSet>
#include <QTest>
#include <optional>
#include <QTextEdit>
#include <map>
#include <memory>
#include <random>

using fragen::Frage;

namespace {

Testuhr g_uhr;

QString links(const QString& s, int breite) { return s.leftJustified(breite, QLatin1Char(' '), true); }

// The content of the test: question texts carry their number, so the test knows
// the answer of what is shown.
QString praxisSatz(int i)
{
    return QStringLiteral("Praxisfrage %1?#eins#zwei#drei#vier#fünf#%2").arg(i).arg(i % 5 + 1);
}
QString zahlenLoesung(int i) { return i % 2 ? QStringLiteral("%1,5").arg(i) : QString::number(i); }
QString denkLoesung(int i) { return i % 3 ? QString::number(i) : QStringLiteral("-%1,5").arg(i); }

void schreibeSaetze(Arbeitsordner& o, const QString& datei, int kapazitaet, const QStringList& saetze)
{
    QByteArray b;
    for (const QString& s : saetze)
        b += kurztext::satz(s, kapazitaet);
    o.schreibe(datei, b);
}

// kaputt: so many records from the first out of form.
void schreibePraxis(Arbeitsordner& o, int kaputt = 0)
{
    QStringList s;
    for (int i = 0; i < 150; ++i)
        s << (i < kaputt ? QStringLiteral("Kaputt %1#a#b#c#d#e").arg(i) : praxisSatz(i));
    schreibeSaetze(o, QStringLiteral("prakall.dat"), 250, s);
}

void schreibeQuiz(Arbeitsordner& o, int saetze = 630)
{
    QStringList s;
    for (int p = 0; p < 315; ++p) {
        s << links(QStringLiteral("Quizfrage %1?").arg(p), 90) + QString::number(p % 4 + 1);
        s << links(QStringLiteral("Ja %1").arg(p), 25) + links(QStringLiteral("Nein"), 25)
                 + links(QStringLiteral("Vielleicht"), 25) + QStringLiteral("Nie");
    }
    schreibeSaetze(o, QStringLiteral("vmquiz.dat"), 100, s.mid(0, saetze));
}

void schreibeZahlen(Arbeitsordner& o)
{
    QStringList s;
    for (int i = 0; i < 55; ++i)
        s << links(zahlenLoesung(i), 4) + QStringLiteral("Zahlenfrage %1?").arg(i);
    schreibeSaetze(o, QStringLiteral("zahlen.dat"), 80, s);
}

void schreibeDenksport(Arbeitsordner& o, int saetze = 45)
{
    QStringList s;
    for (int i = 0; i < saetze; ++i)
        s << links(QStringLiteral("Denkaufgabe %1?").arg(i), 155) + denkLoesung(i);
    schreibeSaetze(o, QStringLiteral("vmdenksp.dat"), 160, s);
}

int programmVon(const QString& klasse)
{
    for (const Frageart& a : Tpra06::mitglieder())
        if (a.klasse == klasse)
            return a.programm;
    qFatal("no such member");
}

const Frageart& art(int programm)
{
    for (const Frageart& a : Tpra06::mitglieder())
        if (a.programm == programm)
            return a;
    qFatal("no such member");
}

// One window and its controls; a window of the test's own is deleted with it.
struct Fenster {
    explicit Fenster(int programm) : Fenster(new Tpra06(art(programm)), programm, true) {}
    // a window the dispatcher shows
    explicit Fenster(Tpra06* fenster) : Fenster(fenster, programmVon(fenster->objectName()), false) {}
    Fenster(Tpra06* fenster, int programm, bool eigenes) : f(fenster), n(programm), eigen(eigenes)
    {
        f->show();
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

    QString frage() const { return f->ausgabe->toPlainText(); }
    QString optionen() const { return f->Memo->toPlainText(); }
    // The number in the question shown.
    int nummer() const
    {
        const QString t = frage().section(QLatin1Char('\n'), 0, 0);
        return t.section(QLatin1Char(' '), 1).section(QLatin1Char('?'), 0, 0).toInt();
    }
    // The right answer to the question shown, from the test's content.
    QString richtig() const
    {
        const int i = nummer();
        switch (n) {
        case 121: return QString::number(i % 5 + 1);
        case 131: return QString::number(i % 4 + 1);
        case 125: return zahlenLoesung(i);
        default: return denkLoesung(i);
        }
    }
    void antworte(const QString& text)
    {
        tippe(eingabe, text);
        QTest::keyClick(eingabe, Qt::Key_Return);
    }
    // Answers every question right; vorher runs on each question first.
    QStringList fahre(const std::function<void(int)>& vorher = {})
    {
        start->click();
        QStringList gezeigt;
        for (int k = 1; k <= 40 && start->isHidden(); ++k) {
            gezeigt << frage();
            if (vorher)
                vorher(k);
            antworte(richtig());
            if (rifa->text() != QLatin1String("RICHTIG!"))
                break;
            weiter->click();
        }
        return gezeigt;
    }

    Tpra06* f;
    int n;
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

class TestFragen : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void praxisLeser_data();
    void praxisLeser();
    void quizLeser_data();
    void quizLeser();
    void gebauteDateien_data();
    void gebauteDateien();
    void zahlLeser_data();
    void zahlLeser();
    void joker_data();
    void joker();
    void optionenUndUrteil_data();
    void optionenUndUrteil();
    void quizZweiJoker();
    void quizJokerJeFrage();
    void einmalUrteilen_data();
    void einmalUrteilen();
    void kaputtePraxisNichtGezogen();
    void zuWenigBrauchbar();
    void dateiFehlerhaft_data();
    void dateiFehlerhaft();
    void zahlAntworten_data();
    void zahlAntworten();
    void laufUeberMenue_data();
    void laufUeberMenue();

private:
    std::unique_ptr<Arbeitsordner> m_ordner;
    std::optional<Uebungsumgebung> m_umgebung;
};

void TestFragen::init()
{
    m_ordner = std::make_unique<Arbeitsordner>();
    schreibePraxis(*m_ordner);
    schreibeQuiz(*m_ordner);
    schreibeZahlen(*m_ordner);
    schreibeDenksport(*m_ordner);
    m_umgebung.emplace(g_uhr, 7, QStringLiteral("Eva"), 20261207);
}

void TestFragen::cleanup()
{
    m_umgebung.reset();
    m_ordner.reset();
}

void TestFragen::praxisLeser_data()
{
    QTest::addColumn<QString>("satz");
    QTest::addColumn<QString>("frage");  // empty: left out
    QTest::addColumn<QString>("optionen");
    QTest::addColumn<int>("richtig");
    QTest::newRow("gut") << "Wer?#a#b#c#d#e#3" << "Wer?" << "a|b|c|d|e" << 3;
    QTest::newRow("Endblanks") << "Was ist rot?#Blut#Gras#Eis#See#Sand#1      " << "Was ist rot?"
                               << "Blut|Gras|Eis|See|Sand" << 1;
    QTest::newRow("Antwort mit Blank") << "F#a b#c#d#e#f g#5" << "F" << "a b|c|d|e|f g" << 5;
    QTest::newRow("fünf #") << "F#a#b#c#d#5" << "" << "" << 0;
    QTest::newRow("sieben #") << "F#a#b#c#d#e#f#2" << "" << "" << 0;
    QTest::newRow("ohne Ziffer") << "F#a#b#c#d#e#" << "" << "" << 0;
    QTest::newRow("Ziffer 0") << "F#a#b#c#d#e#0" << "" << "" << 0;
    QTest::newRow("Ziffer 6") << "F#a#b#c#d#e#6" << "" << "" << 0;
    QTest::newRow("Ziffer vor #") << "F#a#b#c#d#e3#" << "" << "" << 0;
    QTest::newRow("keine Frage") << "#a#b#c#d#e#1" << "" << "" << 0;
    QTest::newRow("leer") << "" << "" << "" << 0;
    QTest::newRow("nur Ziffer") << "4" << "" << "" << 0;
}

void TestFragen::praxisLeser()
{
    QFETCH(QString, satz);
    QFETCH(QString, frage);
    QFETCH(QString, optionen);
    QFETCH(int, richtig);
    const std::optional<Frage> f = fragen::praxis(satz);
    QCOMPARE(f.has_value(), !frage.isEmpty());
    if (!f)
        return;
    QCOMPARE(f->text, frage);
    QCOMPARE(f->optionen.join(QLatin1Char('|')), optionen);
    QCOMPARE(f->richtig, richtig);
}

void TestFragen::quizLeser_data()
{
    QTest::addColumn<QString>("frage");
    QTest::addColumn<QString>("optionen");
    QTest::addColumn<QString>("erwartet");  // text|options|right, empty: left out
    const QString opt = links(QStringLiteral("Berlin"), 25) + links(QStringLiteral("Bonn"), 25)
                        + links(QStringLiteral("Hamburg"), 25) + QStringLiteral("München");
    QTest::newRow("gut") << links(QStringLiteral("Hauptstadt?"), 90) + QStringLiteral("1         ") << opt
                         << "Hauptstadt?|Berlin|Bonn|Hamburg|München|1";
    QTest::newRow("Nummer mit Blanks") << links(QStringLiteral("Frage"), 90) + QStringLiteral("   4") << opt
                                       << "Frage|Berlin|Bonn|Hamburg|München|4";
    QTest::newRow("90 Zeichen") << QString(90, QLatin1Char('q')) + QStringLiteral("2") << opt
                                << QString(90, QLatin1Char('q')) + "|Berlin|Bonn|Hamburg|München|2";
    QTest::newRow("Nummer 5") << links(QStringLiteral("Frage"), 90) + QStringLiteral("5") << opt << "";
    QTest::newRow("Nummer 0") << links(QStringLiteral("Frage"), 90) + QStringLiteral("0") << opt << "";
    QTest::newRow("ohne Nummer") << QStringLiteral("Frage") << opt << "";
    QTest::newRow("Nummer 12") << links(QStringLiteral("Frage"), 90) + QStringLiteral("12") << opt << "";
}

void TestFragen::quizLeser()
{
    QFETCH(QString, frage);
    QFETCH(QString, optionen);
    QFETCH(QString, erwartet);
    const std::optional<Frage> f = fragen::quiz(frage, optionen);
    QCOMPARE(f.has_value(), !erwartet.isEmpty());
    if (f)
        QCOMPARE(QStringList({f->text, f->optionen.join(QLatin1Char('|')), QString::number(f->richtig)})
                     .join(QLatin1Char('|')),
                 erwartet);
}

// The built content as the windows read it: every record a question, every
// option different, no option that looks like a joker's mark.
void TestFragen::gebauteDateien_data()
{
    QTest::addColumn<QString>("datei");
    QTest::addColumn<int>("fragen");
    QTest::newRow("prakall.dat") << "prakall.dat" << 150;
    QTest::newRow("vmquiz.dat") << "vmquiz.dat" << 315;
}

void TestFragen::gebauteDateien()
{
    QFETCH(QString, datei);
    QFETCH(int, fragen);
    Arbeitsordner o;
    const QByteArray b = o.lies(datei);
    const bool quiz = datei == QLatin1String("vmquiz.dat");
    const int groesse = quiz ? 2 * 101 : 251;
    QCOMPARE(b.size(), fragen * groesse);
    QSet<QString> texte;
    for (int i = 0; i < fragen; ++i) {
        const char* p = b.constData() + i * groesse;
        const std::optional<Frage> f = quiz ? fragen::quiz(kurztext::lies(p, 100), kurztext::lies(p + 101, 100))
                                            : fragen::praxis(kurztext::lies(p, 250));
        QVERIFY2(f.has_value(), qPrintable(QStringLiteral("Frage %1").arg(i + 1)));
        QVERIFY2(!texte.contains(f->text), qPrintable(f->text));
        texte << f->text;
        QCOMPARE(QSet<QString>(f->optionen.begin(), f->optionen.end()).size(), quiz ? 4 : 5);
        QVERIFY(!f->optionen.contains(QStringLiteral("x")));
    }
}

void TestFragen::zahlLeser_data()
{
    QTest::addColumn<bool>("denksport");
    QTest::addColumn<QString>("satz");
    QTest::addColumn<QString>("frage");  // empty: left out
    QTest::addColumn<QString>("loesungText");
    QTest::addColumn<float>("loesung");
    QTest::newRow("Zahl") << false << "12  Wie viele Monate?" << "Wie viele Monate?" << "12  " << 12.0f;
    QTest::newRow("Komma") << false << "3,5 Halbe?   " << "Halbe?" << "3,5 " << 3.5f;
    QTest::newRow("vier Ziffern") << false << "1000Meter im km?" << "Meter im km?" << "1000" << 1000.0f;
    QTest::newRow("keine Zahl") << false << "x   Frage" << "" << "" << 0.0f;
    QTest::newRow("nur Komma") << false << ",   Frage" << "" << "" << 0.0f;
    QTest::newRow("Denksport") << true << links(QStringLiteral("Rätsel?"), 155) + QStringLiteral("-2,5")
                               << "Rätsel?" << "-2,5" << -2.5f;
    QTest::newRow("Denksport ganz") << true << links(QStringLiteral("Wie alt?"), 155) + QStringLiteral("42")
                                    << "Wie alt?" << "42" << 42.0f;
    QTest::newRow("Denksport kaputt") << true << links(QStringLiteral("F"), 155) + QStringLiteral("-") << "" << ""
                                      << 0.0f;
}

void TestFragen::zahlLeser()
{
    QFETCH(bool, denksport);
    QFETCH(QString, satz);
    QFETCH(QString, frage);
    QFETCH(QString, loesungText);
    QFETCH(float, loesung);
    const std::optional<Frage> f = denksport ? fragen::denksport(satz) : fragen::zahlen(satz);
    QCOMPARE(f.has_value(), !frage.isEmpty());
    if (!f)
        return;
    QCOMPARE(f->text, frage);
    QCOMPARE(f->loesungText, loesungText);
    QCOMPARE(f->loesung, loesung);
}

void TestFragen::joker_data()
{
    QTest::addColumn<int>("richtig");
    QTest::addColumn<QList<int>>("zuege");
    QTest::addColumn<QString>("marken");     // after both jokers
    QTest::addColumn<QList<int>>("genommen");  // the options taken away
    QTest::newRow("erste frei") << 1 << QList<int>{2, 3} << "xxx-" << QList<int>{2, 3};
    QTest::newRow("richtige übersprungen") << 2 << QList<int>{2, 2, 4, 2, 4, 1} << "xx-x" << QList<int>{4, 1};
    QTest::newRow("letzte") << 4 << QList<int>{4, 3, 3, 4, 1} << "x-xx" << QList<int>{3, 1};
}

void TestFragen::joker()
{
    QFETCH(int, richtig);
    QFETCH(QList<int>, zuege);
    QFETCH(QString, marken);
    QFETCH(QList<int>, genommen);
    fragen::Joker j(richtig);
    QCOMPARE(j.gewinn(), 100.0f);
    int z = 0;
    const auto ziehe = [&] { return zuege.value(z++); };
    QList<int> weg;
    weg << j.setze(ziehe);
    QCOMPARE(j.gewinn(), 75.0f);
    weg << j.setze(ziehe);
    QCOMPARE(weg, genommen);
    QCOMPARE(j.marken(), marken);
    QCOMPARE(j.gewinn(), 50.0f);
    // the third changes nothing
    QCOMPARE(j.setze(ziehe), 0);
    QCOMPARE(j.marken(), marken);
    QCOMPARE(j.benutzt(), 2);
}

void TestFragen::optionenUndUrteil_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<QString>("titel");
    QTest::addColumn<QString>("anzeige");  // the question shown, as the test's content makes it
    QTest::addColumn<QString>("falsch");
    QTest::addColumn<QString>("fehler");
    QTest::addColumn<bool>("panel");  // silver with a black outline behind the question
    QTest::newRow("121") << 121 << "Praktisches Allgemeinwissen"
                         << "Praxisfrage %1?\n1) eins\n2) zwei\n3) drei\n4) vier\n5) fünf"
                         << "" << "FEHLER! Lösung:%2" << true;
    QTest::newRow("131") << 131 << "QUIZ" << "1)  Ja %1\n2)  Nein\n3)  Vielleicht\n4)  Nie" << ""
                         << "FEHLER! Lösung:%2" << false;
    QTest::newRow("125") << 125 << "Zahlen" << "Zahlenfrage %1?" << "999" << "FEHLER! Lösung: %2" << true;
    QTest::newRow("127") << 127 << "Denksport" << "Denkaufgabe %1?" << "999" << "FEHLER! Lösung: %2" << false;
}

// The question and its options as shown, and the verdict of a wrong answer.
void TestFragen::optionenUndUrteil()
{
    QFETCH(int, n);
    QFETCH(QString, titel);
    QFETCH(QString, anzeige);
    QFETCH(QString, falsch);
    QFETCH(QString, fehler);
    QFETCH(bool, panel);
    Fenster w(n);
    QCOMPARE(w.f->windowTitle(), titel);
    QVERIFY(w.eingabe->isHidden() && w.weiter->isHidden());
    w.start->click();
    const QImage& grund = *w.f->canvas().bild();
    const QPoint rand(w.f->width() / 6, w.f->height() / 2);
    QCOMPARE(QColor(grund.pixel(rand)), panel ? farbe::schwarz : w.f->farbe());
    QCOMPARE(QColor(grund.pixel(rand + QPoint(1, 0))), panel ? farbe::silber : w.f->farbe());
    const int i = w.nummer();
    QCOMPARE(n == 131 ? w.optionen() : w.frage(), anzeige.arg(i));
    if (n == 131)
        QCOMPARE(w.frage(), QStringLiteral("Quizfrage %1?").arg(i));
    const QString r = w.richtig();
    if (falsch.isEmpty())
        falsch = QString::number(r.toInt() % 4 + 1);
    // the stored text, with the blanks padding it to four characters
    const QString loesung = n == 125 ? links(r, 4) : r;
    w.antworte(falsch);
    QCOMPARE(w.rifa->text(), fehler.arg(loesung));
    QVERIFY(w.weiter->isVisible());
    QCOMPARE(w.weiter->text(), QStringLiteral("weiter"));
    QVERIFY(w.eingabe->isReadOnly());
}

// Two jokers leave the right option and one other, a third only empties the
// field, and the right answer then earns 50; no question comes twice.
void TestFragen::quizZweiJoker()
{
    Fenster w(131);
    QSet<QString> gesehen;
    const QStringList gezeigt = w.fahre([&](int k) {
        if (k != 1)
            return;
        const QString vorher = w.optionen();
        w.antworte(QStringLiteral("5"));
        QCOMPARE(w.eingabe->text(), QString());
        QCOMPARE(w.optionen().count(QStringLiteral(")  x")), 1);
        w.antworte(QStringLiteral("5"));
        const QString nachZwei = w.optionen();
        QCOMPARE(nachZwei.count(QStringLiteral(")  x")), 2);
        // the right option is still there
        const int r = w.richtig().toInt();
        QVERIFY(!nachZwei.split(QLatin1Char('\n'))[r - 1].endsWith(QLatin1String(")  x")));
        QVERIFY(vorher != nachZwei);
        w.antworte(QStringLiteral("5"));
        QCOMPARE(w.eingabe->text(), QString());
        QCOMPARE(w.optionen(), nachZwei);
        QVERIFY(w.rifa->text().isEmpty() && w.weiter->isHidden());
    });
    QCOMPARE(gezeigt.size(), 30);
    QCOMPARE(QSet<QString>(gezeigt.begin(), gezeigt.end()).size(), 30);
    // 100, 50 for the first question, 100 for each of the other 29
    QCOMPARE(meldung, QStringLiteral("Sie haben 3050 Punkte erreicht!"));
}

// After a run abandoned with both jokers spent, the next run's first question
// has its jokers again.
void TestFragen::quizJokerJeFrage()
{
    Fenster w(131);
    w.start->click();
    w.antworte(QStringLiteral("5"));
    w.antworte(QStringLiteral("5"));
    QCOMPARE(w.f->joker().benutzt(), 2);
    // Esc does not close the Quiz
    QTest::keyClick(w.eingabe, Qt::Key_Escape);
    QVERIFY(w.f->isVisible());
    w.f->close();
    QVERIFY(!w.start->isHidden());
    w.f->show();
    w.start->click();
    QCOMPARE(w.f->joker().benutzt(), 0);
    w.antworte(QStringLiteral("5"));
    QCOMPARE(w.f->joker().benutzt(), 1);
    QCOMPARE(w.optionen().count(QStringLiteral(")  x")), 1);
}

void TestFragen::einmalUrteilen_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<QString>("meldung");
    QTest::newRow("121") << 121 << "Sie haben 3100 Punkte erreicht!";
    QTest::newRow("131") << 131 << "Sie haben 3100 Punkte erreicht!";
    QTest::newRow("125") << 125 << "Sie haben 2100 Punkte erreicht!";
    QTest::newRow("127") << 127 << "Sie haben 1600 Punkte erreicht!";
}

// Enter in the read-only field after the verdict, and "5" there, change nothing.
void TestFragen::einmalUrteilen()
{
    QFETCH(int, n);
    QFETCH(QString, meldung);
    Fenster w(n);
    w.start->click();
    const QString optionen = n == 131 ? w.optionen() : QString();
    w.antworte(w.richtig());
    QCOMPARE(w.rifa->text(), QStringLiteral("RICHTIG!"));
    w.eingabe->setFocus();
    for (int i = 0; i < 3; ++i)
        QTest::keyClick(w.eingabe, Qt::Key_Return);
    w.eingabe->setText(QStringLiteral("5"));
    QTest::keyClick(w.eingabe, Qt::Key_Return);
    if (n == 131) {
        QCOMPARE(w.optionen(), optionen);
        QCOMPARE(w.f->joker().benutzt(), 0);
    }
    QCOMPARE(w.rifa->text(), QStringLiteral("RICHTIG!"));
    w.eingabe->clear();
    w.weiter->click();
    // the rest of the run
    for (int k = 2; w.weiter->isHidden() && w.start->isHidden() && k <= 40; ++k) {
        w.antworte(w.richtig());
        w.weiter->click();
    }
    QCOMPARE(::meldung, meldung);
}

void TestFragen::kaputtePraxisNichtGezogen()
{
    // 120 records out of form: the 30 usable ones are all drawn
    schreibePraxis(*m_ordner, 120);
    Fenster w(121);
    const QStringList gezeigt = w.fahre();
    QCOMPARE(gezeigt.size(), 30);
    QSet<int> nummern;
    for (const QString& g : gezeigt)
        nummern << g.section(QLatin1Char(' '), 1).section(QLatin1Char('?'), 0, 0).toInt();
    QCOMPARE(nummern.size(), 30);
    QCOMPARE(*std::min_element(nummern.begin(), nummern.end()), 120);
    QCOMPARE(::meldung, QStringLiteral("Sie haben 3100 Punkte erreicht!"));
}

void TestFragen::zuWenigBrauchbar()
{
    schreibePraxis(*m_ordner, 121);
    dialog::Skript skript;
    Fenster w(121);
    w.start->click();
    QCOMPARE(skript.texte,
             QStringList{QStringLiteral("Die Datei prakall.dat enthält nur 29 brauchbare Fragen; 30 werden gebraucht.")});
    QVERIFY(w.start->isVisible() && w.eingabe->isHidden() && w.aufzahl->isHidden());
}

void TestFragen::dateiFehlerhaft_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<QString>("meldung");
    QTest::newRow("121 fehlt") << 121 << "Datei nicht gefunden";
    QTest::newRow("131 zu kurz") << 131 << "Versuch hinter dem Dateiende zu lesen";
    QTest::newRow("125 fehlt") << 125 << "Datei nicht gefunden";
    QTest::newRow("127 zu kurz") << 127 << "Versuch hinter dem Dateiende zu lesen";
}

void TestFragen::dateiFehlerhaft()
{
    QFETCH(int, n);
    QFETCH(QString, meldung);
    if (n == 121)
        QFile::remove(m_ordner->pfad(QStringLiteral("prakall.dat")));
    if (n == 125)
        QFile::remove(m_ordner->pfad(QStringLiteral("zahlen.dat")));
    if (n == 131)
        schreibeQuiz(*m_ordner, 629);
    if (n == 127)
        schreibeDenksport(*m_ordner, 44);
    dialog::Skript skript;
    Fenster w(n);
    w.start->click();
    QCOMPARE(skript.texte, QStringList{meldung});
    QVERIFY(w.start->isVisible() && w.eingabe->isHidden() && w.aufzahl->isHidden());
}

void TestFragen::zahlAntworten_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<QString>("tippen");
    QTest::addColumn<QString>("feld");  // the field after typing
    QTest::addColumn<QString>("rifa");
    QTest::addColumn<QString>("meldung");
    QTest::addColumn<QString>("danach");  // the field after Enter
    // the first question drawn is record 3: "3,5 " in "zahlen.dat", "-3,5" in "vmdenksp.dat"
    QTest::newRow("125 Null angehängt") << 125 << "3,50" << "3,50" << "RICHTIG!" << "" << "3,50";
    QTest::newRow("125 falsch") << 125 << "35" << "35" << "FEHLER! Lösung: 3,5 " << "" << "35";
    QTest::newRow("125 zwei Kommas") << 125 << "1,2,3" << "1,2,3" << "" << "ungültiges Format!" << "";
    QTest::newRow("125 nur Komma") << 125 << "," << "," << "" << "',' ist kein gültiger Gleitkommawert" << ",";
    QTest::newRow("125 Minus gefiltert") << 125 << "-7a" << "7" << "FEHLER! Lösung: 3,5 " << "" << "7";
    QTest::newRow("127 Null angehängt") << 127 << "-3,50" << "-3,50" << "RICHTIG!" << "" << "-3,50";
    QTest::newRow("127 ohne Minus") << 127 << "3,5" << "3,5" << "FEHLER! Lösung: -3,5" << "" << "3,5";
    QTest::newRow("127 Minus innen") << 127 << "9-9" << "99" << "FEHLER! Lösung: -3,5" << "" << "99";
    QTest::newRow("127 ein Komma") << 127 << "1,2,3" << "1,23" << "FEHLER! Lösung: -3,5" << "" << "1,23";
    QTest::newRow("127 nur Minus") << 127 << "-" << "-" << "" << "'-' ist kein gültiger Gleitkommawert" << "-";
    QTest::newRow("127 Minus Komma") << 127 << "-," << "-," << "" << "'-,' ist kein gültiger Gleitkommawert"
                                     << "-,";
}

void TestFragen::zahlAntworten()
{
    QFETCH(int, n);
    QFETCH(QString, tippen);
    QFETCH(QString, feld);
    QFETCH(QString, rifa);
    QFETCH(QString, meldung);
    QFETCH(QString, danach);
    const int saetze = n == 125 ? 55 : 45;
    int zug = 0;
    zufall::setzeFolge([&zug, saetze] { return ((zug++ + 3) % saetze + 0.5) / saetze; });
    Fenster w(n);
    w.start->click();
    QCOMPARE(w.nummer(), 3);
    dialog::Skript skript;
    tippe(w.eingabe, tippen);
    QCOMPARE(w.eingabe->text(), feld);
    QTest::keyClick(w.eingabe, Qt::Key_Return);
    QCOMPARE(w.rifa->text(), rifa);
    QCOMPARE(skript.texte, meldung.isEmpty() ? QStringList() : QStringList{meldung});
    QCOMPARE(w.eingabe->text(), danach);
    QCOMPARE(w.weiter->isVisible(), !rifa.isEmpty());
}

void TestFragen::laufUeberMenue_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<QString>("klasse");
    QTest::addColumn<QString>("zaehler");
    QTest::addColumn<QString>("meldung");
    QTest::addColumn<QString>("gespeichert");
    // 100 + 100 per question, less 12.5 seconds
    QTest::newRow("121") << 121 << "Tpra06" << "1/ 30" << "Sie haben 3087 Punkte erreicht!" << "3087,5";
    QTest::newRow("131") << 131 << "Twis11" << "1/ 30" << "Sie haben 3087 Punkte erreicht!" << "3087,5";
    QTest::newRow("125") << 125 << "Tzahlen" << "1/ 20" << "Sie haben 2087 Punkte erreicht!" << "2087,5";
    QTest::newRow("127") << 127 << "Tsac11" << "1/ 15" << "Sie haben 1587 Punkte erreicht!" << "1587,5";
}

void TestFragen::laufUeberMenue()
{
    QFETCH(int, n);
    QFETCH(QString, klasse);
    QFETCH(QString, zaehler);
    QFETCH(QString, meldung);
    QFETCH(QString, gespeichert);
    Programmtabelle::global().leeren();
    registriereSprache(Programmtabelle::global());
    QStringList gezeigt;
    QStringList fragen;
    QString ersterZaehler;
    Form::setzeModalErsatz([&](Form* fenster) {
        gezeigt << fenster->objectName();
        auto* f = qobject_cast<Tpra06*>(fenster);
        if (!f)
            return 0;
        Fenster w(f);
        w.start->click();
        ersterZaehler = w.aufzahl->text();
        for (int k = 1; k <= 40 && w.start->isHidden(); ++k) {
            fragen << w.frage();
            w.antworte(w.richtig());
            if (w.rifa->text() != QLatin1String("RICHTIG!"))
                break;
            if (w.aufzahl->text().startsWith(zaehler.section(QStringLiteral("/ "), 1) + QLatin1Char('/')))
                g_uhr.mono += 12.5;
            w.weiter->click();
        }
        return 0;
    });
    QVERIFY(aufruf(n, n % 2 ? Menueart::Knopfmenue : Menueart::Windowsmenue));
    QCOMPARE(gezeigt, (QStringList{QStringLiteral("regel"), klasse, QStringLiteral("Form3")}));
    QCOMPARE(ersterZaehler, zaehler);
    QCOMPARE(QSet<QString>(fragen.begin(), fragen.end()).size(), fragen.size());
    QCOMPARE(fragen.size(), zaehler.section(QStringLiteral("/ "), 1).toInt());
    QCOMPARE(::meldung, meldung);
    QCOMPARE(letzterEintrag(n), QStringLiteral("07.03.2026   ") + gespeichert);
}

QTEST_MAIN(TestFragen)
#include "tst_fragen.moc"
