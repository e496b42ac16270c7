// The list windows "Städte", "Alter" and "Zahlentest" driven through their
// controls, their tables, and the content file "stadtwin.dat".
#include "common/satzdatei.h"
#include "common/zufall.h"
#include "content/inhalte.h"
#include "exercises/memory/listenaufgaben.h"
#include "exercises/memory/uson04.h"
#include "exercises/memory/uson05.h"
#include "platform/dialoge.h"
#include "shell/ergebnisse.h"
#include "tests/support/testumgebung.h"
#include "tests/support/uebungsumgebung.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QSet>
#include <QTest>
#include <QTextEdit>
#include <deque>

namespace {

Form* neuesFenster(int programm)
{
    for (const Rundenart& a : Tson05::mitglieder())
        if (a.programm == programm)
            return new Tson05(a);
    return new Tson04;
}

QString letzterEintrag(int programm)
{
    Satzdatei d(ergebnis::dateiname(programm / 12 - 1), ergebnis::kSatzgroesse);
    d.positioniere(ergebnis::satznummer(programm % 12, nutzer, 9));
    return d.liesText();
}

// The number in a line of the list that stands for the question asked.
QString loesungAusListe(int programm, const QStringList& liste, const QString& frage)
{
    if (programm != 91) {
        // "kopf  name" (Städte) or "alter  name" (Alter)
        for (const QString& z : liste)
            if (z.section(QStringLiteral("  "), 1) == frage)
                return z.section(QStringLiteral("  "), 0, 0).trimmed();
        return {};
    }
    for (const listen::Aussage& a : listen::aussagen())
        if (listen::frageOhneBasis(a) == frage) {
            const QRegularExpression muster(QLatin1Char('^') + QRegularExpression::escape(a.satz.section(QLatin1Char('@'), 0, 0))
                                            + QStringLiteral("(\\d+)")
                                            + QRegularExpression::escape(a.satz.section(QLatin1Char('@'), 1))
                                            + QLatin1Char('$'));
            for (const QString& z : liste)
                if (const auto m = muster.match(z); m.hasMatch())
                    return m.captured(1);
        }
    return {};
}

// A window and its controls, driven as a person would.
struct Lauf {
    explicit Lauf(int programm) : n(programm), fenster(neuesFenster(programm)) { fenster->show(); }
    ~Lauf() { delete fenster; }

    bool leerlauf() const
    {
        return !start->isHidden() && memo1->isHidden() && memobutt->isHidden() && eingabe->isHidden()
               && weiter->isHidden() && aufzahl->isHidden() && rifa->text().isEmpty();
    }
    QStringList liste() const { return memo1->toPlainText().split(QLatin1Char('\n')); }
    QString frage() const { return (Memo ? Memo : ausgabe)->toPlainText(); }
    void klick(QPushButton* b) { QTest::mouseClick(b, Qt::LeftButton); }
    void antworte(const QString& text)
    {
        tippe(eingabe, text);
        QTest::keyClick(eingabe, Qt::Key_Return);
    }

    // A whole run. richtig(list index, question index) says whether to answer
    // right; nochmal Enters follow each verdict; the clock moves on by
    // sekunden before the last answer.
    void fahre(const std::function<bool(int, int)>& richtig, int nochmal, double sekunden, Testuhr& uhr)
    {
        klick(start);
        for (int runde = 0; fenster->isVisible() && runde < 6; ++runde) {
            const QStringList l = liste();
            listen << l;
            klick(memobutt);
            for (int q = 0; q < l.size(); ++q) {
                fragen << frage();
                const QString loesung = loesungAusListe(n, l, frage());
                if (loesung.isEmpty() || !fenster->isVisible() || weiter->isVisible())
                    return;
                if (runde == (n == 89 ? 0 : 4) && q == l.size() - 1)
                    uhr.mono += sekunden;
                antworte(richtig(runde, q) ? loesung : QString::number(loesung.toInt() + 1));
                urteile << rifa->text();
                for (int i = 0; i < nochmal; ++i)
                    QTest::keyClick(eingabe, Qt::Key_Return);
                if (rifa->text() != urteile.last())
                    return;
                klick(weiter);
            }
        }
    }

    template <typename T>
    T* kind(const char* name) const { return fenster->findChild<T*>(QLatin1String(name)); }

    int n;
    Form* fenster;
    QPushButton* start = kind<QPushButton>("start");
    QPushButton* memobutt = kind<QPushButton>("memobutt");
    QPushButton* weiter = kind<QPushButton>("weiter");
    QTextEdit* memo1 = kind<QTextEdit>("memo1");
    QTextEdit* ausgabe = kind<QTextEdit>("ausgabe");
    QTextEdit* Memo = kind<QTextEdit>("Memo");
    QLineEdit* eingabe = kind<QLineEdit>("eingabe");
    QLabel* rifa = kind<QLabel>("rifa");
    QLabel* aufzahl = kind<QLabel>("aufzahl");
    QList<QStringList> listen;
    QStringList fragen, urteile;
};

// "stadtwin.dat" with every population the same.
QByteArray gleicheStaedte(const QString& kopf)
{
    QByteArray d;
    for (int i = 1; i <= listen::kStaedte; ++i)
        d += kurztext::satz(kopf + QStringLiteral("Stadt%1").arg(i, 2, 10, QLatin1Char('0')), 20);
    return d;
}

const Inhaltsart& stadtart()
{
    for (const Inhaltsart& a : inhaltsarten())
        if (a.datei == QLatin1String("stadtwin.dat"))
            return a;
    throw std::logic_error("stadtwin.dat fehlt");
}

}

class TestListen : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void laufBisZumEnde_data();
    void laufBisZumEnde();
    void staedtePunkte_data();
    void staedtePunkte();
    void aussageZahl_data();
    void aussageZahl();
    void tabellen();
    void stadtwinGebaut();
    void stadtRegel_data();
    void stadtRegel();
    void falscheStadtdatei_data();
    void falscheStadtdatei();
    void eingabeFilter_data();
    void eingabeFilter();
    void schliessen_data();
    void schliessen();

private:
    Testuhr m_uhr;
    std::unique_ptr<Arbeitsordner> m_ordner;
    std::unique_ptr<Uebungsumgebung> m_umgebung;
};

void TestListen::init()
{
    m_ordner = std::make_unique<Arbeitsordner>();
    m_umgebung = std::make_unique<Uebungsumgebung>(m_uhr, 3, QStringLiteral("Anna"));
}

void TestListen::cleanup()
{
    m_umgebung.reset();
    m_ordner.reset();
}

void TestListen::laufBisZumEnde_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<QString>("fenster");
    QTest::addColumn<QString>("runden");  // per round: r all right, f the first answer wrong, x all wrong
    QTest::addColumn<int>("nochmal");     // Enters after each verdict
    QTest::addColumn<QList<int>>("laengen");
    QTest::addColumn<QString>("gespeichert");
    QTest::addColumn<QString>("meldung");
    // 100 + 100 per right answer (Städte: per exact estimate), less 100.25 s;
    // N grows only after a round without a wrong answer
    const QList<int> wachsend{2, 3, 4, 5, 6};
    for (int nochmal : {0, 3}) {
        QTest::addRow("Städte %d", nochmal) << 89 << "Tson04|Städte" << "r" << nochmal << QList<int>{8} << "799,75"
                                            << "Sie haben 799 Punkte erreicht!";
        QTest::addRow("Alter %d", nochmal) << 90 << "Tson05|Alter" << "rrrrr" << nochmal << wachsend << "1999,75"
                                           << "Sie haben 1999 Punkte erreicht!";
        QTest::addRow("Zahlentest %d", nochmal) << 91 << "Tson06|Zahlentest" << "rrrrr" << nochmal << wachsend
                                                << "1999,75" << "Sie haben 1999 Punkte erreicht!";
    }
    QTest::newRow("Alter fehler in runde 2") << 90 << "Tson05|Alter" << "rfrrr" << 3 << QList<int>{2, 3, 3, 4, 5}
                                             << "1599,75" << "Sie haben 1599 Punkte erreicht!";
    QTest::newRow("Zahlentest fehler in runde 5") << 91 << "Tson06|Zahlentest" << "rrrrf" << 0 << wachsend
                                                  << "1899,75" << "Sie haben 1899 Punkte erreicht!";
    QTest::newRow("Zahlentest alles falsch") << 91 << "Tson06|Zahlentest" << "xxxxx" << 3 << QList<int>{2, 2, 2, 2, 2}
                                             << "2" << "Sie haben 2 Punkte erreicht!";
}

void TestListen::laufBisZumEnde()
{
    QFETCH(int, n);
    QFETCH(QString, fenster);
    QFETCH(QString, runden);
    QFETCH(int, nochmal);
    QFETCH(QList<int>, laengen);
    QFETCH(QString, gespeichert);
    QFETCH(QString, meldung);
    Lauf l(n);
    QCOMPARE(l.fenster->objectName() + QLatin1Char('|') + l.fenster->windowTitle(), fenster);
    QVERIFY(l.leerlauf());
    const auto richtig = [&](int runde, int q) {
        const QChar art = runden.at(runde);
        return art == QLatin1Char('r') || (art == QLatin1Char('f') && q > 0);
    };
    l.fahre(richtig, nochmal, 100.25, m_uhr);
    QList<int> gezeigt;
    QSet<QString> namen;
    for (const QStringList& liste : l.listen) {
        gezeigt << liste.size();
        QCOMPARE(QSet<QString>(liste.begin(), liste.end()).size(), liste.size());
        for (const QString& z : liste)
            namen << z.section(QStringLiteral("  "), 1);
    }
    QCOMPARE(gezeigt, laengen);
    // no first name twice in a run
    if (n == 90)
        QCOMPARE(namen.size(), l.fragen.size());
    for (int i = 0; i < l.urteile.size(); ++i) {
        const QString& u = l.urteile[i];
        const bool gut = n == 89 ? u == QLatin1String("100 Punkte") : u == QLatin1String("RICHTIG");
        QVERIFY2(gut || QRegularExpression(QStringLiteral("^FEHLER! Lösung: \\d+$")).match(u).hasMatch(), qPrintable(u));
    }
    QCOMPARE(::meldung, meldung);
    QCOMPARE(letzterEintrag(n), QStringLiteral("07.03.2026   ") + gespeichert);
    QVERIFY(!l.fenster->isVisible());
    QVERIFY(l.leerlauf());
}

void TestListen::staedtePunkte_data()
{
    QTest::addColumn<QString>("antwort");
    QTest::addColumn<QString>("rifa");
    QTest::addColumn<QString>("gespeichert");  // the same estimate for all eight, no time
    QTest::newRow("genau") << "600" << "100 Punkte" << "900";
    QTest::newRow("führende null") << "0600" << "100 Punkte" << "900";
    QTest::newRow("halb") << "300" << "50 Punkte" << "500";
    QTest::newRow("anderthalb") << "900" << "50 Punkte" << "500";
    QTest::newRow("doppelt") << "1200" << "0 Punkte" << "100";
    QTest::newRow("mehr als doppelt") << "9999" << "0 Punkte" << "100";
    QTest::newRow("null") << "0" << "0 Punkte" << "100";
    // 66,6666666666667 points eight times, summed in single precision: 633,330017...
    QTest::newRow("zwei drittel") << "400" << "66,66 Punkte" << "633,330";
}

void TestListen::staedtePunkte()
{
    QFETCH(QString, antwort);
    QFETCH(QString, rifa);
    QFETCH(QString, gespeichert);
    m_ordner->schreibe(QStringLiteral("stadtwin.dat"), gleicheStaedte(QStringLiteral(" 600")));
    Lauf l(89);
    l.klick(l.start);
    QCOMPARE(l.liste().size(), 8);
    QVERIFY(l.liste().first().startsWith(QStringLiteral(" 600  Stadt")));
    l.klick(l.memobutt);
    for (int k = 1; k <= 8; ++k) {
        QCOMPARE(l.aufzahl->text(), QStringLiteral("%1/ 8").arg(k));
        QVERIFY(l.ausgabe->toPlainText().isEmpty());
        l.antworte(antwort);
        QCOMPARE(l.rifa->text(), rifa);
        QCOMPARE(l.ausgabe->toPlainText(), QStringLiteral("600 *1000 Einwohner"));
        QCOMPARE(l.weiter->text(), QStringLiteral("Enter"));
        l.klick(l.weiter);
    }
    QCOMPARE(letzterEintrag(89), QStringLiteral("07.03.2026   ") + gespeichert);
}

void TestListen::aussageZahl_data()
{
    // scripted random numbers: the row, then the number above its base
    QTest::addColumn<double>("zeile");
    QTest::addColumn<double>("plus");
    QTest::addColumn<QString>("satz");
    QTest::addColumn<QString>("frage");
    QTest::addColumn<int>("zahl");
    const QString arzt = QStringLiteral("Welche Rufnummer hat der Arzt?");
    for (int k = 0; k <= 4; ++k)
        QTest::addRow("zeile 12 + %d", k) << 0.45 << (k + 0.5) / 5 << QStringLiteral("Der Arzt hat die Rufnummer %1.").arg(2546 + k)
                                          << arzt << 2546 + k;
    QTest::newRow("zeile 17 + 4") << 0.67 << 0.99 << "1998 war Goldene Hochzeit." << "Wann war Goldene Hochzeit?" << 1998;
    QTest::newRow("zeile 7") << 0.25 << 0.0 << "9 Elektriker garantieren die Stromversorgung."
                             << "Wie viele Elektriker garantieren die Stromversorgung?" << 9;
}

void TestListen::aussageZahl()
{
    QFETCH(double, zeile);
    QFETCH(double, plus);
    QFETCH(QString, satz);
    QFETCH(QString, frage);
    QFETCH(int, zahl);
    auto folge = std::make_shared<std::deque<double>>(std::deque<double>{zeile, plus});
    zufall::setzeFolge([folge] { const double r = folge->front(); folge->pop_front(); return r; });
    std::vector<bool> benutzt(25, true);  // cleared by the round maker
    const std::vector<listen::Posten> runde = listen::aufgabe(1, benutzt);
    QCOMPARE(int(runde.size()), 1);
    QCOMPARE(runde[0].zeile, satz);
    QCOMPARE(runde[0].frage, frage);
    QCOMPARE(runde[0].antwort, zahl);
    QVERIFY(folge->empty());
}

void TestListen::tabellen()
{
    const QStringList& namen = listen::vornamen();
    QCOMPARE(namen.size(), 30);
    QCOMPARE(QSet<QString>(namen.begin(), namen.end()).size(), 30);
    QCOMPARE(namen.at(0), QStringLiteral("Dieter"));
    QCOMPARE(namen.at(15), QStringLiteral("Heike"));
    QCOMPARE(namen.at(29), QStringLiteral("Andrea"));
    const auto& tabelle = listen::aussagen();
    QCOMPARE(int(tabelle.size()), 25);
    QCOMPARE(tabelle.at(0).frage, QStringLiteral("Wann ist Konferenzbeginn?  14"));
    QCOMPARE(tabelle.at(11).frage, QStringLiteral("Welche Rufnummer hat der Arzt?2546"));
    for (const listen::Aussage& a : tabelle) {
        QCOMPARE(a.satz.count(QLatin1Char('@')), 1);
        QVERIFY2(a.frage.size() <= 80 && a.satz.size() <= 80, qPrintable(a.frage));
        QVERIFY2(QRegularExpression(QStringLiteral("^ *[0-9]+$")).match(a.frage.right(4)).hasMatch(), qPrintable(a.frage));
        QVERIFY2(!listen::frageOhneBasis(a).endsWith(QLatin1Char(' ')), qPrintable(a.frage));
        QVERIFY2(listen::basis(a) + 4 <= 9999, qPrintable(a.frage));
    }
}

void TestListen::stadtwinGebaut()
{
    const QByteArray d = m_ordner->lies(QStringLiteral("stadtwin.dat"));
    QCOMPARE(d.size(), 30 * 21);
    QCOMPARE(d.left(21), QByteArray("\x0A" "3669Berlin") + QByteArray(10, '\0'));
    QCOMPARE(d.mid(2 * 21, 21), QByteArray("\x0B" "1484M\xFCnchen") + QByteArray(9, '\0'));
    QSet<QString> namen;
    const QStringList saetze = Satzdatei::liesTexte(QStringLiteral("stadtwin.dat"), 21, 30);
    for (const QString& s : saetze) {
        QVERIFY2(QRegularExpression(QStringLiteral("^ {0,3}[1-9][0-9]{0,3}$")).match(s.left(4)).hasMatch(), qPrintable(s));
        const QString name = s.mid(4);
        QVERIFY2(!name.isEmpty() && name.size() <= 16 && name == name.trimmed(), qPrintable(s));
        namen << name;
    }
    QCOMPARE(namen.size(), 30);
}

void TestListen::stadtRegel_data()
{
    QTest::addColumn<QString>("zeile");  // in place of the first city
    QTest::addColumn<QString>("fehler");  // empty: accepted
    QTest::newRow("eins") << "1|Xanten" << "";
    QTest::newRow("null") << "0|Xanten" << "probe.txt:2: Einwohnerzahl \"0\" ist keine ganze Zahl von 1 bis 9999";
    QTest::newRow("führende null") << "0600|Xanten" << "probe.txt:2: Einwohnerzahl \"0600\" ist keine ganze Zahl von 1 bis 9999";
    QTest::newRow("buchstabe") << "12a|Xanten" << "probe.txt:2: Einwohnerzahl \"12a\" ist keine ganze Zahl von 1 bis 9999";
    QTest::newRow("10000") << "10000|Xanten" << "probe.txt:2: \"einwohner\" länger als 4 Zeichen";
    QTest::newRow("16 zeichen") << "5|Abcdefghijklmnop" << "";
    QTest::newRow("17 zeichen") << "5|Abcdefghijklmnopq" << "probe.txt:2: Stadtname \"Abcdefghijklmnopq\" länger als 16 Zeichen";
    QTest::newRow("ohne name") << "5|" << "probe.txt:2: Stadtname fehlt oder hat Leerzeichen am Rand";
}

void TestListen::stadtRegel()
{
    QFETCH(QString, zeile);
    QFETCH(QString, fehler);
    QString quelle = QStringLiteral("einwohner|stadt\n") + zeile + QLatin1Char('\n');
    for (int i = 2; i <= 30; ++i)
        quelle += QStringLiteral("%1|Stadt%1\n").arg(i);
    try {
        const QByteArray d = baueInhalt(stadtart(), quelle, QStringLiteral("probe.txt"));
        QVERIFY2(fehler.isEmpty(), "Satz angenommen");
        QCOMPARE(d.size(), 30 * 21);
        const QString kopf = zeile.section(QLatin1Char('|'), 0, 0).rightJustified(4);
        QCOMPARE(kurztext::lies(d.constData(), 20), kopf + zeile.section(QLatin1Char('|'), 1));
        QCOMPARE(kurztext::lies(d.constData() + 29 * 21, 20), QStringLiteral("  30Stadt30"));
    } catch (const Baufehler& e) {
        QCOMPARE(QString::fromUtf8(e.what()), fehler);
    }
}

void TestListen::falscheStadtdatei_data()
{
    QTest::addColumn<int>("satz");  // -1: the file is missing; 29 and below: so many records
    QTest::addColumn<QString>("kopf");  // characters 1-4 of record 29
    QTest::addColumn<QString>("fehler");
    QTest::newRow("fehlt") << -1 << "" << "Datei nicht gefunden";
    QTest::newRow("kurz") << 29 << "" << "Versuch hinter dem Dateiende zu lesen";
    QTest::newRow("keine zahl") << 30 << "12a4" << "'12a4' ist kein gültiger Integerwert";
    QTest::newRow("leer") << 30 << "    " << "'    ' ist kein gültiger Integerwert";
    QTest::newRow("null") << 30 << "   0" << "Die Einwohnerzahl '   0' von Stadt30 in stadtwin.dat ist nicht größer als 0.";
}

void TestListen::falscheStadtdatei()
{
    QFETCH(int, satz);
    QFETCH(QString, kopf);
    QFETCH(QString, fehler);
    if (satz < 0) {
        QFile::remove(m_ordner->pfad(QStringLiteral("stadtwin.dat")));
    } else {
        QByteArray d = gleicheStaedte(QStringLiteral(" 600"));
        if (!kopf.isEmpty())
            d.replace(29 * 21, 21, kurztext::satz(kopf + QStringLiteral("Stadt30"), 20));
        m_ordner->schreibe(QStringLiteral("stadtwin.dat"), d.left(satz * 21));
    }
    dialog::Skript skript;
    Lauf l(89);
    l.klick(l.start);
    QCOMPARE(skript.texte, QStringList{fehler});
    QVERIFY(l.leerlauf());
    QVERIFY(l.fenster->isVisible());
    QVERIFY(l.memo1->toPlainText().isEmpty());
}

void TestListen::eingabeFilter_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<QString>("tasten");  // "<" is Backspace
    QTest::addColumn<QString>("feld");
    for (int n : {89, 90, 91}) {
        QTest::addRow("%d buchstaben", n) << n << "1a2b" << "12";
        QTest::addRow("%d fünf ziffern", n) << n << "12345" << "1234";
        QTest::addRow("%d zeichen", n) << n << "-,.+ ä7" << "7";
        QTest::addRow("%d rück", n) << n << "12<3" << "13";
        QTest::addRow("%d leer", n) << n << "" << "";
    }
}

void TestListen::eingabeFilter()
{
    QFETCH(int, n);
    QFETCH(QString, tasten);
    QFETCH(QString, feld);
    Lauf l(n);
    l.klick(l.start);
    l.klick(l.memobutt);
    for (QChar c : tasten) {
        if (c == QLatin1Char('<'))
            QTest::keyClick(l.eingabe, Qt::Key_Backspace);
        else
            tippe(l.eingabe, QString(c));
    }
    QCOMPARE(l.eingabe->text(), feld);
    QTest::keyClick(l.eingabe, Qt::Key_Return);
    // Enter on an empty field does nothing; any number is judged
    QCOMPARE(l.rifa->text().isEmpty(), feld.isEmpty());
    QCOMPARE(l.weiter->isHidden(), feld.isEmpty());
    QCOMPARE(l.eingabe->isReadOnly(), !feld.isEmpty());
}

void TestListen::schliessen_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<bool>("geantwortet");  // closed after a verdict, else while the list shows
    for (int n : {89, 90, 91}) {
        QTest::addRow("%d liste", n) << n << false;
        QTest::addRow("%d urteil", n) << n << true;
    }
}

void TestListen::schliessen()
{
    QFETCH(int, n);
    QFETCH(bool, geantwortet);
    Lauf l(n);
    l.klick(l.start);
    if (geantwortet) {
        l.klick(l.memobutt);
        l.antworte(QStringLiteral("1"));
        QVERIFY(!l.rifa->text().isEmpty());
    }
    l.fenster->close();
    l.fenster->show();
    // nothing of the abandoned run is left to click, and nothing was recorded
    QVERIFY(l.leerlauf());
    QVERIFY(!l.eingabe->isReadOnly());
    QVERIFY(::meldung.isEmpty());
    l.klick(l.start);
    QCOMPARE(l.liste().size(), n == 89 ? 8 : 2);
}

QTEST_MAIN(TestListen)
#include "tst_listen.moc"
