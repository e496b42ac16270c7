// The memory chains: the level rule, the five item makers over many seeds, the
// word key's draw, and the five windows driven through their controls.
#include "common/fehler.h"
#include "common/satzdatei.h"
#include "common/zustand.h"
#include "exercises/reaction/ketten.h"
#include "exercises/reaction/register.h"
#include "exercises/reaction/ukon07.h"
#include "exercises/shared/wortliste.h"
#include "platform/dialoge.h"
#include "shell/aufruf.h"
#include "shell/ergebnisse.h"
#include "shell/programmtabelle.h"
#include "tests/support/testumgebung.h"
#include "tests/support/uebungsumgebung.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QSet>
#include <QTest>
#include <QTextEdit>
#include <optional>

using ketten::Aufgabe;
using ketten::Wortvorrat;

namespace {

Testuhr g_uhr;

const Kettenart& art(int n)
{
    for (const Kettenart& a : Tkon07::mitglieder())
        if (a.programm == n)
            return a;
    qFatal("no such member");
}

// The answer to a shown item, read as a person would: the first display and
// what the display shows after "weiter".
QString antwortAus(int n, const QString& zuerst, const QString& danach)
{
    const QStringList z = danach.split(QLatin1Char('\n'));
    switch (n) {
    case 76:
        for (const QString& zeile : z)
            if (zeile.mid(4) == zuerst)
                return zeile.left(1);
        return {};
    case 80: {
        QString d;
        for (int i = 0; i < zuerst.size(); i += 2)
            d += QString::number(z.value(1).indexOf(zuerst[i]) / 2);
        return d;
    }
    case 83: {
        QString w;
        for (QChar c : zuerst)
            w += z.value(1).at(2 * (c.unicode() - u'0'));
        return w;
    }
    default: return zuerst;
    }
}

struct Fenster {
    explicit Fenster(Tkon07* fenster, bool eigenes = true) : f(fenster), eigen(eigenes)
    {
        for (const Kettenart& a : Tkon07::mitglieder())
            n = a.klasse == f->objectName() ? a.programm : n;
        f->show();
    }
    explicit Fenster(int programm) : Fenster(new Tkon07(art(programm))) {}
    ~Fenster()
    {
        if (eigen)
            delete f;
    }
    QString anzeige() const { return f->memo ? f->memo->toPlainText() : f->ausgabe->text(); }
    // Reads the item, hides it and returns the right answer.
    QString merke()
    {
        zuerst = anzeige();
        f->leer->click();
        return antwortAus(n, zuerst, anzeige());
    }
    void antworte(const QString& text)
    {
        tippe(eingabe, text);
        QTest::keyClick(eingabe, Qt::Key_Return);
    }

    Tkon07* f;
    int n = 0;
    bool eigen;
    QPushButton* start = f->start;
    QPushButton* weiter = f->weiter;
    QLineEdit* eingabe = f->eingabe;
    QLabel* rifa = f->rifa;
    QLabel* aufzahl = f->aufzahl;
    QString zuerst;
};

void schreibeWoerter(Arbeitsordner& o, const QStringList& woerter, int saetze = wortliste::kWoerter)
{
    QByteArray b;
    for (int i = 0; i < saetze; ++i)
        b += kurztext::satz(woerter.value(i, QStringLiteral("Langwortliste")), 20);
    o.schreibe(wortliste::kDatei, b);
}

}

class TestKetten : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        // the makers and the level rule need no working folder
        if (!QByteArrayList{"stufen", "macher", "wortcode", "wortvorrat"}.contains(QTest::currentTestFunction()))
            m_ordner = std::make_unique<Arbeitsordner>();
        m_umgebung.emplace(g_uhr, 7, QStringLiteral("Eva"), 20261207);
    }
    void cleanup()
    {
        m_umgebung.reset();
        m_ordner.reset();
    }
    void stufen_data();
    void stufen();
    void macher_data();
    void macher();
    void wortcode_data();
    void wortcode();
    void wortvorrat();
    void gebauteListe();
    void bedienung_data();
    void bedienung();
    void kettenDreiStart();
    void dateiFehler_data();
    void dateiFehler();
    void wortMarkenUndR();
    void laufUeberMenue_data();
    void laufUeberMenue();

private:
    std::unique_ptr<Arbeitsordner> m_ordner;
    std::optional<Uebungsumgebung> m_umgebung;
};

void TestKetten::stufen_data()
{
    QTest::addColumn<QString>("antworten");  // r right, f wrong
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("minimum");
    QTest::addColumn<int>("laenge");
    QTest::addColumn<int>("bilanz");
    QTest::newRow("rr") << "rr" << 3 << 3 << 4 << 0;
    QTest::newRow("rfrr") << "rfrr" << 3 << 3 << 4 << 0;
    QTest::newRow("rrr") << "rrr" << 3 << 3 << 4 << 1;
    QTest::newRow("frr") << "frr" << 3 << 3 << 3 << 1;
    QTest::newRow("rfrf") << "rfrf" << 5 << 3 << 5 << 0;
    QTest::newRow("ff bei 4") << "ff" << 4 << 3 << 3 << 0;
    QTest::newRow("nie unter 3") << "ffff" << 3 << 3 << 3 << 0;
    QTest::newRow("bis 1") << "ffffff" << 3 << 1 << 1 << 0;
    QTest::newRow("nie unter 1") << "fff" << 1 << 1 << 1 << -1;
    QTest::newRow("nie über 8") << "rrrrrrrrrrrrrrr" << 3 << 3 << 8 << 1;
}

void TestKetten::stufen()
{
    QFETCH(QString, antworten);
    QFETCH(int, start);
    QFETCH(int, minimum);
    ketten::Stufe s{start, 0};
    for (QChar c : antworten)
        ketten::schritt(s, c == u'r', minimum);
    QTEST(s.laenge, "laenge");
    QTEST(s.bilanz, "bilanz");
}

void TestKetten::macher_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<int>("laenge");
    QTest::addColumn<QString>("zuerst");  // patterns of the displays
    QTest::addColumn<QString>("danach");
    const QString zeilen = QStringLiteral("1\\)  %1\n2\\)  %1\n3\\)  %1\n4\\)  %1\n5\\)  %1");
    QTest::newRow("76 L=3") << 76 << 3 << "[A-Z]{3}" << zeilen.arg("[A-Z]{3}");
    QTest::newRow("76 L=8") << 76 << 8 << "[A-Z]{8}" << zeilen.arg("[A-Z]{8}");
    QTest::newRow("77 L=3") << 77 << 3 << "[A-Z]{3}" << "";
    QTest::newRow("78 L=1") << 78 << 1 << "[0-9]" << "";
    QTest::newRow("78 L=8") << 78 << 8 << "[0-9]{8}" << "";
    // L = 1: one letter and a blank
    QTest::newRow("80 L=1") << 80 << 1 << "[A-Z] " << "0 1 2 3 4 5 6 7 8 9 \n([A-Z] ){10}";
    QTest::newRow("80 L=8") << 80 << 8 << "([A-Z] ){8}" << "0 1 2 3 4 5 6 7 8 9 \n([A-Z] ){10}";
}

// Over many seeds: the displays' form, exactly one of Ketten I's lines equal
// to the chain, ten different key letters, and the answer read off the displays.
void TestKetten::macher()
{
    QFETCH(int, n);
    QFETCH(int, laenge);
    QFETCH(QString, zuerst);
    QFETCH(QString, danach);
    Wortvorrat v;
    for (unsigned saat = 1; saat <= 200; ++saat) {
        mitSaat(saat);
        const Aufgabe a = art(n).aufgabe(laenge, v);
        const QString was = QStringLiteral("Saat %1: %2 | %3").arg(saat).arg(a.zuerst, a.danach);
        QVERIFY2(QRegularExpression('^' + zuerst + '$').match(a.zuerst).hasMatch(), qPrintable(was));
        QVERIFY2(QRegularExpression('^' + danach + '$').match(a.danach).hasMatch(), qPrintable(was));
        // every line as long as the chain: only whole lines match
        const int gleich = a.danach.count(QStringLiteral(")  ") + a.zuerst + '\n') + a.danach.endsWith(a.zuerst);
        QVERIFY2(n != 76 || gleich == 1, qPrintable(was));
        const QString key = a.danach.section('\n', 1).remove(' ');
        QVERIFY(n != 80 || QSet<QChar>(key.begin(), key.end()).size() == 10);
        QCOMPARE(antwortAus(n, a.zuerst, a.danach), a.loesung);
    }
}

void TestKetten::wortcode_data()
{
    QTest::addColumn<QString>("wort");
    QTest::addColumn<int>("r");
    QTest::addColumn<QString>("code");     // empty: not fixed by the word
    QTest::addColumn<QString>("loesung");  // empty: no word fits, the length named
    QTest::newRow("doppelt vorn") << "aab" << 0 << "001" << "AAB";
    QTest::newRow("doppelt hinten") << "zzy" << 0 << "998" << "ZZY";
    QTest::newRow("sechs bei R=5") << "Garten" << 5 << "" << "5";
    QTest::newRow("sechs bei R=6") << "Garten" << 6 << "" << "GARTEN";
    QTest::newRow("sieben bei R=10") << "Fenster" << 10 << "" << "6";
    QTest::newRow("acht bei R=11") << "Dachluke" << 11 << "" << "DACHLUKE";
    QTest::newRow("neun bei R=11") << "Dachboden" << 11 << "" << "8";
    QTest::newRow("Umlaut") << "Bär" << 0 << "" << "5";
    QTest::newRow("Bindestrich") << "E-Mail" << 11 << "" << "8";
}

void TestKetten::wortcode()
{
    QFETCH(QString, wort);
    QFETCH(int, r);
    QFETCH(QString, loesung);
    mitSaat(5);
    Wortvorrat v{{wort}, {}, r};
    try {
        const Aufgabe a = ketten::wortschluessel(0, v);
        QCOMPARE(a.loesung, loesung);
        QVERIFY(QRegularExpression(QStringLiteral("^0 1 2 3 4 5 6 7 8 9 \n([A-Z] ){10}$")).match(a.danach).hasMatch());
        const QString key = a.danach.section('\n', 1).remove(' ');
        QVERIFY(std::is_sorted(key.begin(), key.end()) && QSet<QChar>(key.begin(), key.end()).size() == 10);
        QCOMPARE(antwortAus(83, a.zuerst, a.danach), loesung);
        QFETCH(QString, code);
        if (!code.isEmpty())
            QCOMPARE(a.zuerst, code);
    } catch (const VelmoraFehler& f) {
        // no word fits: a message, never an endless draw
        QCOMPARE(f.text(), QStringLiteral("Die ersten 150 Wörter der Wortliste \"begriffe.dat\" enthalten kein Wort "
                                          "aus höchstens %1 Buchstaben A bis Z.").arg(loesung));
    }
}

// Three words serve five tasks: each once, then the marks are cleared; words
// with other characters are never drawn.
void TestKetten::wortvorrat()
{
    for (unsigned saat = 1; saat <= 50; ++saat) {
        mitSaat(saat);
        Wortvorrat v{{"Hut", "Bär", "", "rad", "Ei-er", "EI"}, {}, 0};
        QStringList w;
        for (int i = 0; i < 5; ++i)
            w << ketten::wortschluessel(0, v).loesung;
        QStringList ersteDrei = w.mid(0, 3);
        ersteDrei.sort();
        QCOMPARE(ersteDrei, (QStringList{"EI", "HUT", "RAD"}));
        QVERIFY(w[3] != w[4] && ersteDrei.contains(w[3]) && ersteDrei.contains(w[4]));
    }
}

void TestKetten::gebauteListe()
{
    int kurz = 0;
    for (const QString& w : wortliste::ersteWoerter())
        kurz += QRegularExpression(QStringLiteral("^[A-Za-z]{1,5}$")).match(w).hasMatch();
    QVERIFY2(kurz >= 15, qPrintable(QString::number(kurz)));
}

void TestKetten::bedienung_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<QString>("tippen");
    QTest::addColumn<QString>("feld");
    QTest::addColumn<QString>("fehler");  // %1 the right answer
    QTest::newRow("76") << 76 << "a0796x3" << "3" << "FEHLER! Lösung: %1";
    QTest::newRow("77") << 77 << "ab1Ä-c ß" << "ABC" << "FEHLER!";
    QTest::newRow("78") << 78 << "1a2ü3 ,4" << "1234" << "FEHLER!";
    QTest::newRow("80") << 80 << "0x9,123456789" << "09123456" << "%1";
    QTest::newRow("83") << 83 << "kä1Nzzzzzzzzz" << "KNZZZZZZZZ" << "%1";
}

// A run through the controls: only the member's characters reach the field,
// Enter on an empty field does nothing, the verdict's texts, 50 Enters in the
// judged field change nothing, Enter twice goes on without judging, and Esc
// closes without a result.
void TestKetten::bedienung()
{
    QFETCH(int, n);
    QFETCH(QString, tippen);
    QFETCH(QString, fehler);
    const QString datei = ergebnis::dateiname(n / 12 - 1);
    const QByteArray vorher = m_ordner->lies(datei);
    Fenster w(n);
    QCOMPARE(w.f->leer->text(), QStringLiteral("weiter"));
    w.start->click();
    QCOMPARE(w.aufzahl->text(), QStringLiteral("1/ 15"));
    QVERIFY(w.f->leer->isVisible() && w.eingabe->isHidden());
    const QString r = w.merke();
    QTest::keyClick(w.eingabe, Qt::Key_Return);
    QVERIFY(w.rifa->text().isEmpty() && w.weiter->isHidden());
    tippe(w.eingabe, tippen);
    QTEST(w.eingabe->text(), "feld");
    if (n == 76) {
        // a text pasted through the field's menu that is no number is not judged
        dialog::Skript skript;
        w.eingabe->setText(QStringLiteral("x"));
        QTest::keyClick(w.eingabe, Qt::Key_Return);
        QCOMPARE(skript.texte, QStringList{QStringLiteral("'x' ist kein gültiger Integerwert")});
        QVERIFY(w.rifa->text().isEmpty());
    }
    w.eingabe->setText(n == 76 ? QString::number(r.toInt() % 5 + 1) : r + (n == 77 || n == 83 ? "A" : "0"));
    QTest::keyClick(w.eingabe, Qt::Key_Return);
    QCOMPARE(w.rifa->text(), fehler.contains(QLatin1String("%1")) ? fehler.arg(r) : fehler);
    // the chains show their chain again, the codes keep the key
    QCOMPARE(w.anzeige() == w.zuerst, n == 77 || n == 78);
    QCOMPARE(w.f->focusWidget(), w.weiter);
    QTest::keyClick(w.weiter, Qt::Key_Return);
    QCOMPARE(w.aufzahl->text(), QStringLiteral("2/ 15"));
    QCOMPARE(w.f->focusWidget(), w.f->leer);
    const QString item = w.anzeige();
    QTest::keyClick(w.f->leer, Qt::Key_Return);
    QCOMPARE(w.f->focusWidget(), w.eingabe);
    QVERIFY(w.eingabe->isVisible() && w.rifa->text().isEmpty() && w.weiter->isHidden());
    w.antworte(antwortAus(n, item, w.anzeige()));
    QCOMPARE(w.rifa->text(), QStringLiteral("RICHTIG!"));
    for (int i = 0; i < 50; ++i)
        QTest::keyClick(w.eingabe, Qt::Key_Return);
    QCOMPARE(w.f->punkte(), 200.0f);
    QCOMPARE(w.f->stufe().bilanz, 0);
    QCOMPARE(w.f->stufe().laenge, art(n).startlaenge);
    w.weiter->click();
    w.merke();
    tippe(w.eingabe, QStringLiteral("1"));
    QTest::keyClick(w.eingabe, Qt::Key_Escape);
    QVERIFY(!w.f->isVisible() && !w.start->isHidden() && w.f->leer->isHidden());
    QCOMPARE(::meldung, QString());
    QCOMPARE(m_ordner->lies(datei), vorher);
}

// "Ketten III" starts at L = 3 at every opening, its first task included.
void TestKetten::kettenDreiStart()
{
    Fenster w(78);
    w.start->click();
    QCOMPARE(w.anzeige().size(), 3);
    for (int i = 0; i < 2; ++i) {
        w.antworte(w.merke());
        w.weiter->click();
    }
    QCOMPARE(w.anzeige().size(), 4);
    w.f->close();
    w.f->show();
    w.start->click();
    QCOMPARE(w.anzeige().size(), 3);
}

void TestKetten::dateiFehler_data()
{
    QTest::addColumn<int>("saetze");  // 0: no file
    QTest::addColumn<QString>("meldung");
    QTest::newRow("fehlt") << 0 << "Datei nicht gefunden";
    QTest::newRow("149 Sätze") << 149 << "Versuch hinter dem Dateiende zu lesen";
}

void TestKetten::dateiFehler()
{
    QFETCH(int, saetze);
    if (saetze)
        schreibeWoerter(*m_ordner, {}, saetze);
    else
        QFile::remove(m_ordner->pfad(wortliste::kDatei));
    dialog::Skript skript;
    Fenster w(83);
    w.start->click();
    QTEST(skript.texte.join(QLatin1Char('|')), "meldung");
    QVERIFY(w.start->isVisible() && w.f->leer->isHidden() && w.eingabe->isHidden() && w.aufzahl->isHidden());
    QCOMPARE(w.anzeige(), QString());
}

// The used marks outlast a run, the count of right answers does not.
void TestKetten::wortMarkenUndR()
{
    schreibeWoerter(*m_ordner, {"Hut", "Rad", "Ei"});
    Fenster w(83);
    QStringList gezeigt;
    for (int lauf = 0; lauf < 2; ++lauf) {
        w.f->show();
        w.start->click();
        for (int i = 0; i < 2 - lauf; ++i) {
            gezeigt << w.merke();
            w.antworte(gezeigt.last());
            w.weiter->click();
        }
        w.f->close();
    }
    gezeigt.sort();
    QCOMPARE(gezeigt, (QStringList{"EI", "HUT", "RAD"}));

    // one short word among six-letter ones: the sixth right answer lets a long one in, for this run only
    schreibeWoerter(*m_ordner, QStringList{"Hut"} + QStringList(149, "Garten"));
    w.f->show();
    w.start->click();
    QStringList woerter;
    for (int i = 0; i < 7; ++i) {
        woerter << w.merke();
        w.antworte(woerter.last());
        w.weiter->click();
    }
    QCOMPARE(woerter, (QStringList(6, "HUT") << "GARTEN"));
    w.f->close();
    w.f->show();
    w.start->click();
    QCOMPARE(w.merke(), QStringLiteral("HUT"));
}

void TestKetten::laufUeberMenue_data()
{
    QTest::addColumn<int>("n");
    for (const Kettenart& a : Tkon07::mitglieder())
        QTest::newRow(qPrintable(a.klasse)) << a.programm;
}

// From the dispatcher through 15 right answers to the stored result:
// 100 + 1500 points less 12.5 seconds.
void TestKetten::laufUeberMenue()
{
    QFETCH(int, n);
    Programmtabelle::global().leeren();
    registriereReaktion(Programmtabelle::global());
    QStringList gezeigt;
    int richtig = 0;
    Form::setzeModalErsatz([&](Form* fenster) {
        gezeigt << fenster->objectName();
        if (auto* f = qobject_cast<Tkon07*>(fenster)) {
            Fenster w(f, false);
            w.start->click();
            for (int k = 1; k <= 20 && w.start->isHidden(); ++k) {
                w.antworte(w.merke());
                richtig += w.rifa->text() == QLatin1String("RICHTIG!");
                g_uhr.mono += k == 15 ? 12.5 : 0.0;
                w.weiter->click();
            }
        }
        return 0;
    });
    QVERIFY(aufruf(n, n % 2 ? Menueart::Knopfmenue : Menueart::Windowsmenue));
    QCOMPARE(gezeigt, (QStringList{QStringLiteral("regel"), art(n).klasse, QStringLiteral("Form3")}));
    QCOMPARE(richtig, 15);
    QCOMPARE(::meldung, QStringLiteral("Sie haben 1587 Punkte erreicht!"));
    Satzdatei d(ergebnis::dateiname(n / 12 - 1), ergebnis::kSatzgroesse);
    d.positioniere(ergebnis::satznummer(n % 12, nutzer, 9));
    QCOMPARE(d.liesText(), QStringLiteral("07.03.2026   1587,5"));
}

QTEST_MAIN(TestKetten)
#include "tst_ketten.moc"
