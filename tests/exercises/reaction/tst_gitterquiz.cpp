// The grid quiz windows driven through their controls: runs to the end with
// the result stored, levels, the input filter, judging once, Esc.
#include "common/satzdatei.h"
#include "common/zustand.h"
#include "exercises/reaction/register.h"
#include "platform/dialoge.h"
#include "platform/leinwand.h"
#include "shell/ergebnisse.h"
#include "shell/programmtabelle.h"
#include "tests/exercises/reaction/gitterhilfe.h"
#include "tests/support/testumgebung.h"
#include "tests/support/testuhr.h"
#include "tests/support/uebungsumgebung.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QSet>
#include <QTest>
#include <map>

namespace {

// The newest result of the current user for a program, as stored.
QString letzterEintrag(int programm)
{
    Satzdatei d(ergebnis::dateiname(programm / 12 - 1), ergebnis::kSatzgroesse);
    d.positioniere(ergebnis::satznummer(programm % 12, nutzer, 9));
    return d.liesText();
}

// A window and its controls, driven as a person would.
class Lauf {
public:
    explicit Lauf(int programm) : n(programm), fenster(artVon(programm))
    {
        fenster.show();
        start = fenster.start;
        weiter = fenster.weiter;
        eingabe = fenster.eingabe;
        rifa = fenster.rifa;
        aufzahl = fenster.aufzahl;
    }

    void starte() { QTest::mouseClick(start, Qt::LeftButton); }
    void weiterKlick() { QTest::mouseClick(weiter, Qt::LeftButton); }
    bool laeuft() const { return fenster.isVisible() && !eingabe->isHidden(); }
    void antworte(const QString& text)
    {
        tippe(eingabe, text);
        QTest::keyClick(eingabe, Qt::Key_Return);
    }
    QString richtig() const
    {
        return loese(n, fenster.aufgabe(), fenster.aus1 ? fenster.aus1->text() : QString(),
                     fenster.aus2 ? fenster.aus2->text() : QString());
    }
    // The cells that show ink on the grid's picture, as '#', the others '.'.
    QString gemalt() const
    {
        const QImage& bild = fenster.pb->bild();
        const QRgb grund = artVon(n).gitterfarbe.rgb();
        const int z = fenster.zelle();
        QString s;
        for (int i = 0; i < 36; ++i) {
            bool tinte = false;
            for (int y = 2; y < z - 2 && !tinte; ++y)
                for (int x = 2; x < z - 2 && !tinte; ++x)
                    tinte = bild.pixel(i % 6 * z + x, i / 6 * z + y) != grund;
            s += tinte ? u'#' : u'.';
        }
        return s;
    }

    // A whole run: antwort gives what to type for task k (from 1) and the
    // right answer; the clock moves on by sekunden before the last "weiter".
    void fahre(const std::function<QString(int, const QString&)>& antwort, double sekunden, Testuhr& u)
    {
        starte();
        const int gesamt = artVon(n).aufgaben;
        for (int k = 1; laeuft() && k <= 40; ++k) {
            zaehler << aufzahl->text();
            felder << alsText(fenster.aufgabe().feld);
            if (fenster.pb)
                bildFalsch += gemalt() != belegt(fenster.aufgabe().feld);
            antworte(antwort(k, richtig()));
            urteile << rifa->text();
            if (weiter->isHidden())
                return;  // not judged: the caller looks at why
            if (k == gesamt)
                u.mono += sekunden;
            weiterKlick();
        }
    }

    int n;
    Tkon01 fenster;
    QPushButton* start;
    QPushButton* weiter;
    QLineEdit* eingabe;
    QLabel* rifa;
    QLabel* aufzahl;
    QStringList zaehler, urteile;
    QStringList felder;  // the grid of each task
    int bildFalsch = 0;  // tasks whose picture differs from their grid
};

// A wrong answer of the member's kind.
QString falsch(int n, const QString& r)
{
    if (n == 73)
        return r == QLatin1String("A") ? QStringLiteral("B") : QStringLiteral("A");
    if (n == 81 || n == 82) {
        QString umgekehrt = r;
        std::reverse(umgekehrt.begin(), umgekehrt.end());
        return umgekehrt;
    }
    return QString::number(r.toInt() % 9 + 1);
}

}

class TestGitterquiz : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void registriert();
    void laufBisZumEnde_data();
    void laufBisZumEnde();
    void einmalUrteilen();
    void enterZweimal();
    void filter_data();
    void filter();
    void leerUndEsc_data();
    void leerUndEsc();
    void eingefuegt_data();
    void eingefuegt();

private:
    Testuhr m_uhr;
    std::unique_ptr<Arbeitsordner> m_ordner;
    std::unique_ptr<Uebungsumgebung> m_umgebung;
};

void TestGitterquiz::init()
{
    m_ordner = std::make_unique<Arbeitsordner>();
    m_umgebung = std::make_unique<Uebungsumgebung>(m_uhr, 3, QStringLiteral("Anna"));
}

void TestGitterquiz::cleanup()
{
    m_umgebung.reset();
    m_ordner.reset();
}

void TestGitterquiz::registriert()
{
    Programmtabelle t;
    registriereReaktion(t);
    QStringList gezeigt;
    Form::setzeModalErsatz([&](Form* f) {
        gezeigt << f->objectName() + QLatin1Char('|') + f->windowTitle();
        return 0;
    });
    for (int n : {73, 74, 75, 79, 81, 82, 65})
        t.oeffne(n);
    QCOMPARE(gezeigt, (QStringList{"Tkon01|Doppelte Buchstaben", "Tkon05|Ziffern in Buchstaben",
                                   "Tkon06|Unterschiede", "Tkon10|Ziffer fehlt", "Tkon12|Buchstaben sortieren",
                                   "Tkon13|Ziffern sortieren", "Trea06|Ziffernsumme"}));
}

void TestGitterquiz::laufBisZumEnde_data()
{
    // task 2 is answered wrong, every other one right: no level drops, and the
    // levels count right answers whether in a row or not
    QTest::addColumn<int>("n");
    QTest::addColumn<QList<int>>("zellen");  // filled cells of each task (Ziff in Buch: digits)
    QTest::addColumn<QString>("gespeichert");
    QTest::newRow("Doppelbuch") << 73 << QList<int>{4, 4, 4, 5, 5, 6, 6, 7, 7, 8, 8, 9, 9, 10, 10, 11, 11, 12, 12, 13}
                                << "1876,55";
    QTest::newRow("Ziff in Buch") << 74 << QList<int>{1, 1, 1, 1, 1, 2, 2, 2, 2, 2, 3, 3, 3, 3, 3, 4, 4, 4, 4, 4}
                                  << "1876,55";
    QTest::newRow("Unterschiede") << 75 << QList<int>{} << "1876,55";
    QTest::newRow("Ziffer fehlt") << 79 << QList<int>(15, 8) << "1376,55";
    QTest::newRow("Buchsort") << 81 << QList<int>{2, 2, 2, 2, 3, 3, 3, 4, 4, 4, 5, 5, 5, 6, 6} << "1376,55";
    QTest::newRow("Ziffsort") << 82 << QList<int>{2, 2, 2, 2, 3, 3, 3, 4, 4, 4, 5, 5, 5, 6, 6} << "1376,55";
    QTest::newRow("Ziffernsumme") << 65
                                  << QList<int>{2, 2, 2, 2, 3, 3, 3, 4, 4, 4, 5, 5, 5, 6, 6, 6, 7, 7, 7, 8}
                                  << "1876,55";
}

void TestGitterquiz::laufBisZumEnde()
{
    QFETCH(int, n);
    QFETCH(QList<int>, zellen);
    QFETCH(QString, gespeichert);
    Lauf l(n);
    QVERIFY(l.eingabe->isHidden() && l.weiter->isHidden() && l.aufzahl->isHidden());
    QVERIFY(!l.fenster.pb || l.fenster.pb->isHidden());
    // what the task display shows while the message window is up
    QString beiMeldung = QStringLiteral("keine Meldung");
    Form::setzeModalErsatz([&](Form*) {
        beiMeldung = l.fenster.aus1 ? l.fenster.aus1->text() + l.fenster.aus2->text() : QString();
        return 0;
    });
    QStringList loesungen;
    l.fahre(
        [&](int k, const QString& r) {
            loesungen << r;
            // Buchsort takes small letters and shows them as capitals
            return k == 2 ? falsch(n, r) : n == 81 ? r.toLower() : r;
        },
        123.45, m_uhr);

    const int aufgaben = artVon(n).aufgaben;
    QStringList zaehler, urteile;
    for (int k = 1; k <= aufgaben; ++k) {
        zaehler << QStringLiteral("%1/ %2").arg(k).arg(aufgaben);
        urteile << (k == 2 ? QStringLiteral("FEHLER! Lösung: ") + loesungen[1] : QStringLiteral("RICHTIG!"));
    }
    QCOMPARE(l.zaehler, zaehler);
    QCOMPARE(l.urteile, urteile);
    QList<int> gefuellt;
    for (QString f : l.felder) {
        if (n == 74)
            f.remove(QRegularExpression(QStringLiteral("[A-Z]")));
        gefuellt << f.remove(u'0').size();
    }
    QCOMPARE(gefuellt, n == 75 ? QList<int>(20, 0) : zellen);
    QCOMPARE(l.bildFalsch, 0);
    QCOMPARE(meldung, QStringLiteral("Sie haben %1 Punkte erreicht!").arg(gespeichert.section(u',', 0, 0)));
    QCOMPARE(beiMeldung, QString());  // "Unterschiede" empties its rows first
    QCOMPARE(letzterEintrag(n), QStringLiteral("07.03.2026   ") + gespeichert);
    QVERIFY(!l.fenster.isVisible());
    QVERIFY(!l.start->isHidden() && l.eingabe->isHidden() && l.weiter->isHidden() && l.aufzahl->isHidden());
}

void TestGitterquiz::einmalUrteilen()
{
    // Enter in the read-only field after the verdict judges nothing again: no
    // points twice, and no level past a draw of distinct digits
    Lauf l(82);
    l.starte();
    QList<int> zellen;
    for (int k = 1; l.laeuft() && k <= 20; ++k) {
        zellen << ohneLeere(l.fenster.aufgabe().feld).size();
        l.antworte(l.richtig());
        QVERIFY(l.eingabe->isReadOnly());
        QTest::mouseClick(l.eingabe, Qt::LeftButton);
        for (int i = 0; i < 50; ++i)
            QTest::keyClick(l.eingabe, Qt::Key_Return);
        QCOMPARE(l.rifa->text(), QStringLiteral("RICHTIG!"));
        if (k == 15)
            m_uhr.mono += 123.45;
        l.weiterKlick();
    }
    QCOMPARE(zellen, (QList<int>{2, 2, 2, 3, 3, 3, 4, 4, 4, 5, 5, 5, 6, 6, 6}));
    QCOMPARE(letzterEintrag(82), QStringLiteral("07.03.2026   1476,55"));
}

void TestGitterquiz::enterZweimal()
{
    // the first Enter judges and focuses "weiter"; the second goes to "weiter",
    // and its release in the answer field of the next task judges nothing
    Lauf l(79);
    l.starte();
    l.antworte(l.richtig());
    QCOMPARE(l.fenster.focusWidget(), l.weiter);
    QTest::keyPress(l.weiter, Qt::Key_Return);
    QCOMPARE(l.fenster.focusWidget(), l.eingabe);
    QTest::keyRelease(l.eingabe, Qt::Key_Return);
    QCOMPARE(l.aufzahl->text(), QStringLiteral("2/ 15"));
    QVERIFY(l.weiter->isHidden() && !l.eingabe->isReadOnly() && l.rifa->text().isEmpty());
}

void TestGitterquiz::filter_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<QString>("tasten");
    QTest::addColumn<QString>("feld");
    QTest::newRow("73 klein wird gross, eins") << 73 << "1äa" << "A";
    QTest::newRow("81 abc") << 81 << "abc" << "ABC";
    QTest::newRow("81 nur a bis z") << 81 << "xäöüß1Z?é" << "XZ";
    QTest::newRow("81 acht") << 81 << "abcdefghij" << "ABCDEFGH";
    QTest::newRow("82 ohne Null") << 82 << "10a29" << "129";
    QTest::newRow("74 zwei Ziffern") << 74 << "0a912" << "09";
    QTest::newRow("75 eine Ziffer") << 75 << "a73" << "7";
    QTest::newRow("79 ohne Null") << 79 << "0-5" << "5";
    QTest::newRow("65 nur Ziffern") << 65 << "1,a 0" << "10";
}

void TestGitterquiz::filter()
{
    QFETCH(int, n);
    QFETCH(QString, tasten);
    QFETCH(QString, feld);
    Lauf l(n);
    l.starte();
    tippe(l.eingabe, tasten);
    QCOMPARE(l.eingabe->text(), feld);
}

void TestGitterquiz::leerUndEsc_data()
{
    QTest::addColumn<int>("n");
    for (int n : {73, 74, 75, 79, 81, 82, 65})
        QTest::addRow("%d", n) << n;
}

void TestGitterquiz::leerUndEsc()
{
    // Enter on an empty field does nothing; Esc mid-run closes at once and
    // records nothing
    QFETCH(int, n);
    Lauf l(n);
    l.starte();
    QTest::keyClick(l.eingabe, Qt::Key_Return);
    QVERIFY(l.rifa->text().isEmpty() && l.weiter->isHidden() && !l.eingabe->isReadOnly());
    l.antworte(l.richtig());
    l.weiterKlick();
    QTest::keyClick(l.eingabe, Qt::Key_Escape);
    QVERIFY(!l.fenster.isVisible());
    QVERIFY(meldung.isEmpty());
    QCOMPARE(letzterEintrag(n), QString(20, u' '));  // the empty record
    QVERIFY(!l.start->isHidden() && l.eingabe->isHidden() && l.aufzahl->isHidden());
}

void TestGitterquiz::eingefuegt_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("meldung");  // empty: judged as a text
    QTest::newRow("74") << 74 << "1a" << "'1a' ist kein gültiger Integerwert";
    QTest::newRow("75") << 75 << "x" << "'x' ist kein gültiger Integerwert";
    QTest::newRow("79") << 79 << "?" << "'?' ist kein gültiger Integerwert";
    QTest::newRow("65") << 65 << "9x" << "'9x' ist kein gültiger Integerwert";
    QTest::newRow("82 Text") << 82 << "ab" << "";
}

void TestGitterquiz::eingefuegt()
{
    // pasted through the field's menu, past the filter
    QFETCH(int, n);
    QFETCH(QString, text);
    QFETCH(QString, meldung);
    dialog::Skript skript;
    Lauf l(n);
    l.starte();
    l.eingabe->setText(text);
    const QString r = l.richtig();
    QTest::keyClick(l.eingabe, Qt::Key_Return);
    if (meldung.isEmpty()) {
        QVERIFY(skript.texte.isEmpty());
        QCOMPARE(l.rifa->text(), QStringLiteral("FEHLER! Lösung: ") + r);
        return;
    }
    QCOMPARE(skript.texte, QStringList{meldung});
    QVERIFY(l.rifa->text().isEmpty() && l.weiter->isHidden() && !l.eingabe->isReadOnly());
    l.eingabe->clear();
    l.antworte(r);
    QCOMPARE(l.rifa->text(), QStringLiteral("RICHTIG!"));
}

QTEST_MAIN(TestGitterquiz)
#include "tst_gitterquiz.moc"
