// The grid quiz windows driven through their controls: runs to the end with
// the result stored, levels, the input filter, judging once, Esc.
#include "common/satzdatei.h"
#include "common/zustand.h"
#include "platform/dialoge.h"
#include "platform/leinwand.h"
#include "shell/ergebnisse.h"
#include "tests/exercises/reaction/gitterhilfe.h"
#include "tests/support/testumgebung.h"
#include "tests/support/uebungsumgebung.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>

namespace {

// The newest result of the current user for a program, as stored.
QString letzterEintrag(int programm)
{
    Satzdatei d(ergebnis::dateiname(programm / 12 - 1), ergebnis::kSatzgroesse);
    d.positioniere(ergebnis::satznummer(programm % 12, nutzer, 9));
    return d.liesText();
}

// A window driven as a person would.
struct Lauf {
    explicit Lauf(int programm) : n(programm), f(artVon(programm))
    {
        f.show();
        QTest::mouseClick(f.start, Qt::LeftButton);
    }
    QString richtig() const
    {
        return loese(n, zeichen(f.aufgabe().feld), f.aus1 ? f.aus1->text() : QString(),
                     f.aus2 ? f.aus2->text() : QString());
    }
    void antworte(const QString& text)
    {
        tippe(f.eingabe, text);
        QTest::keyClick(f.eingabe, Qt::Key_Return);
    }
    // The grid's picture read back: '#' for a cell with ink, '0' for one without.
    QString gemalt() const
    {
        const QRgb grund = artVon(n).gitterfarbe.rgb();
        const int z = f.zelle();
        QString s;
        for (int i = 0; i < 36; ++i) {
            bool tinte = false;
            for (int y = 2; y < z - 2 && !tinte; ++y)
                for (int x = 2; x < z - 2 && !tinte; ++x)
                    tinte = f.pb->bild().pixel(i % 6 * z + x, i / 6 * z + y) != grund;
            s += tinte ? u'#' : u'0';
        }
        return s;
    }
    int n;
    Tkon01 f;
};

}

class TestGitterquiz : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        m_ordner = std::make_unique<Arbeitsordner>();
        m_umgebung = std::make_unique<Uebungsumgebung>(m_uhr, 3, QStringLiteral("Anna"));
    }
    void cleanup()
    {
        m_umgebung.reset();
        m_ordner.reset();
    }
    void laufBisZumEnde_data();
    void laufBisZumEnde();
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

void TestGitterquiz::laufBisZumEnde_data()
{
    // task 2 wrong, every other one right: no level drops, and right answers
    // raise the level whether in a row or not; at most L = 9, N = 6 and N = 8
    QTest::addColumn<int>("n");
    QTest::addColumn<QString>("fenster");
    QTest::addColumn<QList<int>>("zellen");  // filled cells of each task (Ziff in Buch: digits)
    QTest::addColumn<QString>("gespeichert");
    const QList<int> sortiert{2, 2, 2, 2, 3, 3, 3, 4, 4, 4, 5, 5, 5, 6, 6};
    QTest::newRow("Doppelbuch") << 73 << "Tkon01|Doppelte Buchstaben"
                                << QList<int>{4, 4, 4, 5, 5, 6, 6, 7, 7, 8, 8, 9, 9, 10, 10, 11, 11, 12, 12, 13}
                                << "1876,55";
    QTest::newRow("Ziff in Buch") << 74 << "Tkon05|Ziffern in Buchstaben"
                                  << QList<int>{1, 1, 1, 1, 1, 2, 2, 2, 2, 2, 3, 3, 3, 3, 3, 4, 4, 4, 4, 4} << "1876,55";
    QTest::newRow("Unterschiede") << 75 << "Tkon06|Unterschiede" << QList<int>(20, 0) << "1876,55";
    QTest::newRow("Ziffer fehlt") << 79 << "Tkon10|Ziffer fehlt" << QList<int>(15, 8) << "1376,55";
    QTest::newRow("Buchsort") << 81 << "Tkon12|Buchstaben sortieren" << sortiert << "1376,55";
    QTest::newRow("Ziffsort") << 82 << "Tkon13|Ziffern sortieren" << sortiert << "1376,55";
    QTest::newRow("Ziffernsumme") << 65 << "Trea06|Ziffernsumme" << sortiert + QList<int>{6, 7, 7, 7, 8} << "1876,55";
}

void TestGitterquiz::laufBisZumEnde()
{
    QFETCH(int, n);
    QFETCH(QString, fenster);
    QFETCH(QList<int>, zellen);
    QFETCH(QString, gespeichert);
    Tkon01 vorStart(artVon(n));
    vorStart.show();
    QCOMPARE(vorStart.objectName() + '|' + vorStart.windowTitle(), fenster);
    QVERIFY(vorStart.eingabe->isHidden() && vorStart.weiter->isHidden() && vorStart.aufzahl->isHidden());
    QVERIFY(!vorStart.pb || vorStart.pb->isHidden());

    Lauf l(n);
    QString beiMeldung = QStringLiteral("keine Meldung");  // the rows while the message window is up
    bool startBeiMeldung = false;
    Form::setzeModalErsatz([&](Form*) {
        beiMeldung = l.f.aus1 ? l.f.aus1->text() + l.f.aus2->text() : QString();
        startBeiMeldung = !l.f.start->isHidden();
        return 0;
    });
    const int aufgaben = artVon(n).aufgaben;
    QStringList zaehler, urteile, erwartet;
    QList<int> gefuellt;
    for (int k = 1; l.f.isVisible() && k <= aufgaben; ++k) {
        zaehler << l.f.aufzahl->text();
        const QString z = zeichen(l.f.aufgabe().feld);
        gefuellt << int(n == 74 ? z.count(QRegularExpression(QStringLiteral("[1-9]"))) : z.size());
        if (l.f.pb)
            QCOMPARE(l.gemalt(), QString(l.f.aufgabe().feld.data(), 36).replace(QRegularExpression("[^0]"), "#"));
        const QString r = l.richtig();
        erwartet << (k == 2 ? QStringLiteral("FEHLER! Lösung: ") + r : QStringLiteral("RICHTIG!"));
        // a wrong answer of the member's kind; Buchsort takes small letters
        QString falsch = n == 73 ? (r == "A" ? "B" : "A") : QString::number(r.toInt() % 9 + 1);
        if (n == 81 || n == 82)
            falsch = r.right(1) + r.left(r.size() - 1);
        l.antworte(k == 2 ? falsch : n == 81 ? r.toLower() : r);
        urteile << l.f.rifa->text();
        // judged once: Enter in the read-only field changes nothing, so no
        // points twice and no level past what a draw can finish
        QTest::mouseClick(l.f.eingabe, Qt::LeftButton);
        for (int i = 0; i < 50; ++i)
            QTest::keyClick(l.f.eingabe, Qt::Key_Return);
        QCOMPARE(l.f.rifa->text(), urteile.last());
        if (k == aufgaben)
            m_uhr.mono += 123.45;
        QTest::mouseClick(l.f.weiter, Qt::LeftButton);
    }
    QCOMPARE(urteile, erwartet);
    QCOMPARE(zaehler.first(), QStringLiteral("1/ %1").arg(aufgaben));
    QCOMPARE(zaehler.last(), QStringLiteral("%1/ %1").arg(aufgaben));
    QCOMPARE(gefuellt, zellen);
    QCOMPARE(meldung, QStringLiteral("Sie haben %1 Punkte erreicht!").arg(gespeichert.section(u',', 0, 0)));
    QCOMPARE(beiMeldung, QString());  // "Unterschiede" empties its rows first
    QCOMPARE(startBeiMeldung, n == 75);  // and shows Start; the grids only on closing
    QCOMPARE(letzterEintrag(n), QStringLiteral("07.03.2026   ") + gespeichert);
    QVERIFY(!l.f.isVisible() && !l.f.start->isHidden() && l.f.eingabe->isHidden() && l.f.aufzahl->isHidden());
}

void TestGitterquiz::filter_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<QString>("tasten");
    QTest::addColumn<QString>("feld");
    QTest::newRow("73 klein wird gross, eins") << 73 << "1äa" << "A";
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
    tippe(l.f.eingabe, tasten);
    QCOMPARE(l.f.eingabe->text(), feld);
}

void TestGitterquiz::leerUndEsc_data()
{
    QTest::addColumn<int>("n");
    for (int n : {73, 74, 75, 79, 81, 82, 65})
        QTest::addRow("%d", n) << n;
}

void TestGitterquiz::leerUndEsc()
{
    // Enter on an empty field does nothing. Enter twice: the first judges and
    // focuses "weiter", the second goes to "weiter", and its release in the
    // next task's field judges nothing. Esc mid-run closes at once, records nothing.
    QFETCH(int, n);
    Lauf l(n);
    QTest::keyClick(l.f.eingabe, Qt::Key_Return);
    QVERIFY(l.f.rifa->text().isEmpty() && l.f.weiter->isHidden() && !l.f.eingabe->isReadOnly());
    l.antworte(l.richtig());
    QCOMPARE(l.f.focusWidget(), l.f.weiter);
    QTest::keyPress(l.f.weiter, Qt::Key_Return);
    QCOMPARE(l.f.focusWidget(), l.f.eingabe);
    QTest::keyRelease(l.f.eingabe, Qt::Key_Return);
    QCOMPARE(l.f.aufzahl->text(), QStringLiteral("2/ %1").arg(artVon(n).aufgaben));
    QVERIFY(l.f.weiter->isHidden() && !l.f.eingabe->isReadOnly() && l.f.rifa->text().isEmpty());
    QTest::keyClick(l.f.eingabe, Qt::Key_Escape);
    QVERIFY(!l.f.isVisible() && meldung.isEmpty());
    QCOMPARE(letzterEintrag(n), QString(20, u' '));  // the empty record
    QVERIFY(!l.f.start->isHidden() && l.f.eingabe->isHidden() && l.f.aufzahl->isHidden());
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
    const QString r = l.richtig();
    l.f.eingabe->setText(text);
    QTest::keyClick(l.f.eingabe, Qt::Key_Return);
    QCOMPARE(skript.texte, meldung.isEmpty() ? QStringList() : QStringList{meldung});
    QCOMPARE(l.f.rifa->text(), meldung.isEmpty() ? QStringLiteral("FEHLER! Lösung: ") + r : QString());
    if (meldung.isEmpty())
        return;
    QVERIFY(l.f.weiter->isHidden() && !l.f.eingabe->isReadOnly());
    l.f.eingabe->clear();
    l.antworte(r);
    QCOMPARE(l.f.rifa->text(), QStringLiteral("RICHTIG!"));
}

QTEST_MAIN(TestGitterquiz)
#include "tst_gitterquiz.moc"
