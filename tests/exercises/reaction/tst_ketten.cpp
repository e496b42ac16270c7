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
const QString kZiffern = QStringLiteral("0 1 2 3 4 5 6 7 8 9 ");

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
    explicit Fenster(Tkon07* fenster, bool eigenes = true) : f(fenster), n(0), eigen(eigenes)
    {
        for (const Kettenart& a : Tkon07::mitglieder())
            if (a.klasse == f->objectName())
                n = a.programm;
        f->show();
        start = f->findChild<QPushButton*>(QStringLiteral("start"));
        weiter = f->findChild<QPushButton*>(QStringLiteral("weiter"));
        eingabe = f->findChild<QLineEdit*>(QStringLiteral("eingabe"));
        rifa = f->findChild<QLabel*>(QStringLiteral("rifa"));
        aufzahl = f->findChild<QLabel*>(QStringLiteral("aufzahl"));
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
    int n;
    bool eigen;
    QPushButton* start;
    QPushButton* weiter;
    QLineEdit* eingabe;
    QLabel* rifa;
    QLabel* aufzahl;
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
    void eingabeFilter_data();
    void eingabeFilter();
    void urteilTexte_data();
    void urteilTexte();
    void kettenDreiStart();
    void einmalUrteilen();
    void enterZweimal();
    void dateiFehler_data();
    void dateiFehler();
    void wortMarkenUndR();
    void escOhneErgebnis_data();
    void escOhneErgebnis();
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
    QTest::newRow("ff nie unter 3") << "ffff" << 3 << 3 << 3 << 0;
    QTest::newRow("ff bis 1") << "ffffff" << 3 << 1 << 1 << 0;
    QTest::newRow("nie unter 1") << "fff" << 1 << 1 << 1 << -1;
    QTest::newRow("nie über 8") << "rrrrrrrrrrrrrrr" << 3 << 3 << 8 << 1;
    QTest::newRow("bei 8 rr") << "rr" << 8 << 1 << 8 << 0;
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
    for (int n : {76, 77, 78, 80})
        for (int l : {1, 3, 8})
            if (n != 76 || l >= 3)
                QTest::newRow(qPrintable(QStringLiteral("%1 L=%2").arg(n).arg(l))) << n << l;
}

// Over many seeds: the item's form, and the answer a person reads off it.
void TestKetten::macher()
{
    QFETCH(int, n);
    QFETCH(int, laenge);
    Wortvorrat v;
    for (unsigned saat = 1; saat <= 300; ++saat) {
        mitSaat(saat);
        const Aufgabe a = art(n).aufgabe(laenge, v);
        const QString was = QStringLiteral("Saat %1: %2 | %3").arg(saat).arg(a.zuerst, a.danach);
        switch (n) {
        case 76: {
            QVERIFY2(QRegularExpression(QStringLiteral("^[A-Z]{%1}$").arg(laenge)).match(a.zuerst).hasMatch(), qPrintable(was));
            const QStringList z = a.danach.split(QLatin1Char('\n'));
            QCOMPARE(z.size(), 5);
            int gleich = 0;
            for (int i = 0; i < 5; ++i) {
                QVERIFY2(z[i].startsWith(QStringLiteral("%1)  ").arg(i + 1)) && z[i].size() == laenge + 4, qPrintable(was));
                gleich += z[i].mid(4) == a.zuerst;
            }
            QVERIFY2(gleich == 1, qPrintable(was));
            break;
        }
        case 77:
        case 78: {
            const QString klasse = n == 77 ? QStringLiteral("A-Z") : QStringLiteral("0-9");
            QVERIFY2(QRegularExpression(QStringLiteral("^[%1]{%2}$").arg(klasse).arg(laenge)).match(a.zuerst).hasMatch(),
                     qPrintable(was));
            QVERIFY(a.danach.isEmpty());
            break;
        }
        case 80: {
            // L = 1: one letter and a blank
            QVERIFY2(QRegularExpression(QStringLiteral("^([A-Z] ){%1}$").arg(laenge)).match(a.zuerst).hasMatch(), qPrintable(was));
            const QStringList z = a.danach.split(QLatin1Char('\n'));
            QCOMPARE(z.value(0), kZiffern);
            QVERIFY2(QRegularExpression(QStringLiteral("^([A-Z] ){10}$")).match(z.value(1)).hasMatch(), qPrintable(was));
            const QString key = QString(z[1]).remove(QLatin1Char(' '));
            QCOMPARE(QSet<QChar>(key.begin(), key.end()).size(), 10);
            QVERIFY2(QRegularExpression(QStringLiteral("^[0-9]{%1}$").arg(laenge)).match(a.loesung).hasMatch(), qPrintable(was));
            break;
        }
        }
        QCOMPARE(antwortAus(n, a.zuerst, a.danach), a.loesung);
    }
}

void TestKetten::wortcode_data()
{
    QTest::addColumn<QString>("wort");
    QTest::addColumn<int>("r");
    QTest::addColumn<QString>("code");  // empty: not fixed by the word
    QTest::addColumn<QString>("loesung");  // empty: no word fits
    QTest::newRow("doppelt vorn") << "aab" << 0 << "001" << "AAB";
    QTest::newRow("doppelt hinten") << "zzy" << 0 << "998" << "ZZY";
    QTest::newRow("Kanne") << "Kanne" << 5 << "" << "KANNE";
    QTest::newRow("sechs bei R=5") << "Garten" << 5 << "" << "";
    QTest::newRow("sechs bei R=6") << "Garten" << 6 << "" << "GARTEN";
    QTest::newRow("sieben bei R=10") << "Fenster" << 10 << "" << "";
    QTest::newRow("acht bei R=11") << "Dachboden" << 11 << "" << "";
    QTest::newRow("sieben bei R=11") << "Fenster" << 11 << "" << "FENSTER";
    QTest::newRow("Umlaut") << "Bär" << 0 << "" << "";
    QTest::newRow("Bindestrich") << "E-Mail" << 11 << "" << "";
}

void TestKetten::wortcode()
{
    QFETCH(QString, wort);
    QFETCH(int, r);
    QFETCH(QString, code);
    QFETCH(QString, loesung);
    mitSaat(5);
    Wortvorrat v{{wort}, {}, r};
    if (loesung.isEmpty()) {
        // no word fits: a message, not an endless draw
        QString text;
        try {
            ketten::wortschluessel(0, v);
        } catch (const VelmoraFehler& f) {
            text = f.text();
        }
        QCOMPARE(text, QStringLiteral("Die ersten 150 Wörter der Wortliste \"begriffe.dat\" enthalten kein Wort aus "
                                      "höchstens %1 Buchstaben A bis Z.")
                           .arg(r <= 5 ? 5 : r <= 10 ? 6 : 8));
        return;
    }
    const Aufgabe a = ketten::wortschluessel(0, v);
    QCOMPARE(a.loesung, loesung);
    if (!code.isEmpty())
        QCOMPARE(a.zuerst, code);
    QCOMPARE(a.zuerst.size(), loesung.size());
    const QStringList z = a.danach.split(QLatin1Char('\n'));
    QCOMPARE(z.value(0), kZiffern);
    const QString key = QString(z.value(1)).remove(QLatin1Char(' '));
    QCOMPARE(key.size(), 10);
    QVERIFY(std::is_sorted(key.begin(), key.end()) && QSet<QChar>(key.begin(), key.end()).size() == 10);
    QCOMPARE(antwortAus(83, a.zuerst, a.danach), loesung);
    if (loesung == QLatin1String("KANNE"))
        QCOMPARE(a.zuerst[2], a.zuerst[3]);
}

// Three words serve five tasks: each once, then the marks are cleared; words
// with other characters are never drawn.
void TestKetten::wortvorrat()
{
    for (unsigned saat = 1; saat <= 50; ++saat) {
        mitSaat(saat);
        Wortvorrat v{{QStringLiteral("Hut"), QStringLiteral("Bär"), QString(), QStringLiteral("rad"),
                      QStringLiteral("Ei-er"), QStringLiteral("EI")},
                     {}, 0};
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

void TestKetten::eingabeFilter_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<QString>("tippen");
    QTest::addColumn<QString>("feld");
    QTest::newRow("76") << 76 << "a0796x3" << "3";
    QTest::newRow("77") << 77 << "ab1Ä-c ß" << "ABC";
    QTest::newRow("78") << 78 << "1a2ü3 ,4" << "1234";
    QTest::newRow("80") << 80 << "0x9,123456789" << "09123456";
    QTest::newRow("83") << 83 << "kä1Nzzzzzzzzz" << "KNZZZZZZZZ";
}

// Only the member's class reaches the field; Enter on an empty field does nothing.
void TestKetten::eingabeFilter()
{
    QFETCH(int, n);
    QFETCH(QString, tippen);
    Fenster w(n);
    w.start->click();
    w.merke();
    QTest::keyClick(w.eingabe, Qt::Key_Return);
    QVERIFY(w.rifa->text().isEmpty() && w.weiter->isHidden() && !w.eingabe->isReadOnly());
    tippe(w.eingabe, tippen);
    QTEST(w.eingabe->text(), "feld");
    if (n != 76)
        return;
    // a text pasted through the field's menu that is no number is not judged
    dialog::Skript skript;
    w.eingabe->setText(QStringLiteral("x"));
    QTest::keyClick(w.eingabe, Qt::Key_Return);
    QCOMPARE(skript.texte, QStringList{QStringLiteral("'x' ist kein gültiger Integerwert")});
    QVERIFY(w.rifa->text().isEmpty() && w.weiter->isHidden() && w.f->punkte() == 100.0f);
}

void TestKetten::urteilTexte_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<QString>("fehler");  // %1 the right answer
    QTest::newRow("76") << 76 << "FEHLER! Lösung: %1";
    QTest::newRow("77") << 77 << "FEHLER!";
    QTest::newRow("78") << 78 << "FEHLER!";
    QTest::newRow("80") << 80 << "%1";
    QTest::newRow("83") << 83 << "%1";
}

void TestKetten::urteilTexte()
{
    QFETCH(int, n);
    QFETCH(QString, fehler);
    Fenster w(n);
    QCOMPARE(w.f->leer->text(), QStringLiteral("weiter"));
    w.start->click();
    QCOMPARE(w.aufzahl->text(), QStringLiteral("1/ 15"));
    QVERIFY(w.f->leer->isVisible() && w.eingabe->isHidden());
    const QString r = w.merke();
    w.antworte(n == 76 ? QString::number(r.toInt() % 5 + 1) : r + (n == 77 || n == 83 ? "A" : "0"));
    QCOMPARE(w.rifa->text(), fehler.contains(QLatin1String("%1")) ? fehler.arg(r) : fehler);
    // the chains show their chain again, the codes keep the key
    QCOMPARE(w.anzeige() == w.zuerst, n == 77 || n == 78);
    QVERIFY(w.weiter->isVisible() && w.eingabe->isReadOnly());
    w.weiter->click();
    QCOMPARE(w.aufzahl->text(), QStringLiteral("2/ 15"));
    w.antworte(w.merke());
    QCOMPARE(w.rifa->text(), QStringLiteral("RICHTIG!"));
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
    w.f->leer->click();
    QTest::keyClick(w.eingabe, Qt::Key_Escape);
    QVERIFY(!w.f->isVisible());
    w.f->show();
    w.start->click();
    QCOMPARE(w.anzeige().size(), 3);
}

// 50 Enters in the judged field of "Ketten I" change nothing.
void TestKetten::einmalUrteilen()
{
    Fenster w(76);
    w.start->click();
    w.antworte(w.merke());
    QCOMPARE(w.rifa->text(), QStringLiteral("RICHTIG!"));
    w.eingabe->setFocus();
    for (int i = 0; i < 50; ++i)
        QTest::keyClick(w.eingabe, Qt::Key_Return);
    QCOMPARE(w.rifa->text(), QStringLiteral("RICHTIG!"));
    QCOMPARE(w.f->punkte(), 200.0f);
    QCOMPARE(w.f->stufe().laenge, 3);
    QCOMPARE(w.f->stufe().bilanz, 1);
    QVERIFY(w.weiter->isVisible());
}

// Enter twice: the first judges, the second goes on; its release judges nothing.
void TestKetten::enterZweimal()
{
    Fenster w(77);
    w.start->click();
    w.antworte(w.merke());
    QCOMPARE(w.f->focusWidget(), w.weiter);
    QTest::keyClick(w.f->focusWidget(), Qt::Key_Return);
    QCOMPARE(w.aufzahl->text(), QStringLiteral("2/ 15"));
    QCOMPARE(w.f->focusWidget(), w.f->leer);
    QVERIFY(w.eingabe->isHidden() && w.rifa->text().isEmpty());
    QTest::keyClick(w.f->focusWidget(), Qt::Key_Return);
    QCOMPARE(w.f->focusWidget(), w.eingabe);
    QVERIFY(w.eingabe->isVisible() && w.rifa->text().isEmpty() && w.weiter->isHidden());
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
    schreibeWoerter(*m_ordner, {QStringLiteral("Hut"), QStringLiteral("Rad"), QStringLiteral("Ei")});
    Fenster w(83);
    QStringList gezeigt;
    w.start->click();
    for (int i = 0; i < 2; ++i) {
        gezeigt << w.merke();
        w.antworte(gezeigt.last());
        w.weiter->click();
    }
    w.f->close();
    w.f->show();
    w.start->click();
    gezeigt << w.merke();
    gezeigt.sort();
    QCOMPARE(gezeigt, (QStringList{"EI", "HUT", "RAD"}));
    w.f->close();

    // one short word among six-letter ones: after six right answers a long one may come, not in the next run
    QStringList sechs{QStringLiteral("Hut")};
    for (int i = 1; i < 150; ++i)
        sechs << QStringLiteral("Garten");
    schreibeWoerter(*m_ordner, sechs);
    w.f->show();
    w.start->click();
    QString wort;
    for (int i = 0; i < 7; ++i) {
        wort = w.merke();
        w.antworte(wort);
        w.weiter->click();
    }
    QCOMPARE(wort, QStringLiteral("GARTEN"));
    w.f->close();
    w.f->show();
    w.start->click();
    QCOMPARE(w.merke(), QStringLiteral("HUT"));
}

void TestKetten::escOhneErgebnis_data()
{
    QTest::addColumn<int>("n");
    for (const Kettenart& a : Tkon07::mitglieder())
        QTest::newRow(qPrintable(a.klasse)) << a.programm;
}

void TestKetten::escOhneErgebnis()
{
    QFETCH(int, n);
    const QString datei = ergebnis::dateiname(n / 12 - 1);
    const QByteArray vorher = m_ordner->lies(datei);
    Fenster w(n);
    w.start->click();
    w.antworte(w.merke());
    w.weiter->click();
    w.merke();
    tippe(w.eingabe, QStringLiteral("1"));
    QTest::keyClick(w.eingabe, Qt::Key_Escape);
    QVERIFY(!w.f->isVisible());
    QVERIFY(!w.start->isHidden() && w.f->leer->isHidden() && w.rifa->text().isEmpty());
    QCOMPARE(::meldung, QString());
    QCOMPARE(m_ordner->lies(datei), vorher);
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
        auto* f = qobject_cast<Tkon07*>(fenster);
        if (!f)
            return 0;
        Fenster w(f, false);
        w.start->click();
        for (int k = 1; k <= 20 && w.start->isHidden(); ++k) {
            w.antworte(w.merke());
            richtig += w.rifa->text() == QLatin1String("RICHTIG!");
            if (k == 15)
                g_uhr.mono += 12.5;
            w.weiter->click();
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
