// The level chooser: scoring of the attempts, the status record, its lines,
// bad status files, and a run of Robbi from the menu to the stored result.
#include "common/satzdatei.h"
#include "common/zustand.h"
#include "exercises/logic/register.h"
#include "exercises/logic/uspielro.h"
#include "exercises/logic/uspielro1.h"
#include "platform/anwendung.h"
#include "platform/dialoge.h"
#include "platform/warten.h"
#include "shell/aufruf.h"
#include "shell/ergebnisse.h"
#include "shell/highscore.h"
#include "shell/programmtabelle.h"
#include "tests/exercises/logic/robbihilfe.h"
#include "tests/support/testumgebung.h"
#include "tests/support/uebungsumgebung.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QTextEdit>
#include <deque>

namespace {
const QString kFrisch(50, QLatin1Char('0'));

QString satz(int nutzerNr)
{
    Satzdatei d(QStringLiteral("robbier.dat"), 51);
    d.positioniere(nutzerNr - 1);
    return d.liesText();
}

void setzeSatz(int nutzerNr, const QString& text)
{
    Satzdatei d(QStringLiteral("robbier.dat"), 51);
    d.positioniere(nutzerNr - 1);
    d.schreibeText(text);
    d.schliesse();
}

QString ergebnis107()
{
    Satzdatei d(ergebnis::dateiname(107 / 12 - 1), ergebnis::kSatzgroesse);
    d.positioniere(ergebnis::satznummer(107 % 12, 7, 9));
    return d.liesText();
}

void gib(Tspielro1& f, const QString& text)
{
    QTest::keyClicks(f.Edit1, text);
    QTest::keyClick(f.Edit1, Qt::Key_Return);
}

QString zeile(QTextEdit* memo, int i) { return memo->toPlainText().split(QLatin1Char('\n')).value(i); }
}

class TestLevelwahl : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void wahl_data();
    void wahl();
    void zeilen_data();
    void zeilen();
    void dateifehler_data();
    void dateifehler();
    void ganzerLauf();

private:
    Testuhr m_uhr;
    std::unique_ptr<Arbeitsordner> m_ordner;
    std::unique_ptr<Uebungsumgebung> m_umgebung;
};

void TestLevelwahl::init()
{
    m_ordner = std::make_unique<Arbeitsordner>();
    m_umgebung = std::make_unique<Uebungsumgebung>(m_uhr, 7, QStringLiteral("Eva"), 0);
}

void TestLevelwahl::cleanup()
{
    m_umgebung.reset();
    m_ordner.reset();
}

void TestLevelwahl::wahl_data()
{
    QTest::addColumn<QString>("vorher");     // the user's record
    QTest::addColumn<QString>("eingaben");   // each followed by Enter
    QTest::addColumn<QString>("ausgaenge");  // g solved, f failed, n not loaded, per board opening
    QTest::addColumn<QStringList>("boxen");
    QTest::addColumn<QString>("meldung");
    QTest::addColumn<QString>("nachher");
    const QString solved12 = kFrisch.left(11) + QLatin1Char('/') + kFrisch.mid(12);
    QTest::newRow("beim ersten Versuch") << kFrisch << "12|0" << "g" << QStringList{}
                                         << "Sie haben 20 Punkte erreicht!" << solved12;
    QTest::newRow("nach drei Fehlversuchen") << kFrisch.left(11) + "3" + kFrisch.mid(12) << "12|12|0" << "fg"
                                             << QStringList{} << "Sie haben 16 Punkte erreicht!" << solved12;
    QTest::newRow("gelöstes Level") << solved12 << "12|12|0" << "gf"
                                    << QStringList(2, QStringLiteral("Das Level ist bereits gelöst! Es wird nicht mehr gewertet!"))
                                    << "Sie haben 0 Punkte erreicht!" << solved12;
    QTest::newRow("zehnter Fehlversuch") << kFrisch.left(11) + "9" + kFrisch.mid(12) << "12|12|0" << "fg"
                                         << QStringList{"Das Level wird nicht mehr gewertet!"}
                                         << "Sie haben 0 Punkte erreicht!" << kFrisch.left(11) + ":" + kFrisch.mid(12);
    QTest::newRow("sofort 0") << solved12 << "0" << "" << QStringList{} << "Sie haben 0 Punkte erreicht!" << solved12;
    QTest::newRow("00 endet auch") << kFrisch << "00" << "" << QStringList{} << "Sie haben 0 Punkte erreicht!" << kFrisch;
    QTest::newRow("60 und 99 leeren nur") << kFrisch << "60|99|51|0" << "" << QStringList{}
                                          << "Sie haben 0 Punkte erreicht!" << kFrisch;
    QTest::newRow("Buchstaben fallen weg") << kFrisch << "1a|x0" << "g" << QStringList{}
                                           << "Sie haben 20 Punkte erreicht!" << "/" + kFrisch.mid(1);
    QTest::newRow("zwei Level, Punkte summiert") << kFrisch.left(49) + "5" << "50|1|0" << "gg" << QStringList{}
                                                 << "Sie haben 35 Punkte erreicht!" << "/" + kFrisch.mid(1, 48) + "/";
    QTest::newRow("Level nicht geladen") << kFrisch << "3|0" << "n" << QStringList{} << "Sie haben 0 Punkte erreicht!"
                                         << kFrisch;
    QTest::newRow("fremdes Zeichen") << "#" + kFrisch.mid(1) << "0" << "" << QStringList{}
                                     << "Sie haben 0 Punkte erreicht!" << kFrisch;
}

void TestLevelwahl::wahl()
{
    QFETCH(QString, vorher);
    QFETCH(QString, eingaben);
    QFETCH(QString, ausgaenge);
    QFETCH(QStringList, boxen);
    QFETCH(QString, meldung);
    QFETCH(QString, nachher);
    setzeSatz(7, vorher);
    dialog::Skript skript;
    std::deque<QChar> folge(ausgaenge.begin(), ausgaenge.end());
    QStringList gezeigt;
    Tspielro1 f(Tspielro1::mitglied(107), [&] {
        gezeigt << QString::number(levelnr);
        // another desk changes level 30 meanwhile: not read again when the
        // board closes, and kept when the chooser saves its own changes
        QString anders = satz(7);
        anders[29] = QLatin1Char('4');
        setzeSatz(7, anders);
        const QChar a = folge.empty() ? QLatin1Char('f') : folge.front();
        if (!folge.empty())
            folge.pop_front();
        if (a == QLatin1Char('g'))
            levelnr += 100;
        return a != QLatin1Char('n');
    });
    f.show();
    for (const QString& e : eingaben.split(QLatin1Char('|'))) {
        gib(f, e);
        QVERIFY(f.Edit1->text().isEmpty());
    }
    QVERIFY(folge.empty());
    QCOMPARE(gezeigt.size(), ausgaenge.size());
    QCOMPARE(skript.texte, boxen);
    QCOMPARE(::meldung, meldung);
    QVERIFY(!f.isVisible());
    QCOMPARE(zeile(f.Memo2, 4), QStringLiteral("30)  0"));
    QString erwartet = nachher;
    if (!ausgaenge.isEmpty())
        erwartet[29] = QLatin1Char('4');
    QCOMPARE(satz(7), erwartet);
    const QString punkte = meldung.section(QLatin1Char(' '), 2, 2);
    QCOMPARE(ergebnis107(), QStringLiteral("07.03.2026   ") + punkte);
    QCOMPARE(highscore::liesBlock(highscore::block(107)).at(0).punkte, punkte);
}

void TestLevelwahl::zeilen_data()
{
    QTest::addColumn<int>("level");
    QTest::addColumn<QChar>("zeichen");
    QTest::addColumn<QString>("zeile");
    QTest::newRow("frisch 1") << 1 << QChar('0') << " 1)  0";
    QTest::newRow("7 mit 4") << 7 << QChar('4') << " 7)  4";
    QTest::newRow("gelöst 12") << 12 << QChar('/') << "12)  gelöst!";
    QTest::newRow("zehn Fehler 25") << 25 << QChar(':') << "25)  nicht gelöst!";
    QTest::newRow("frisch 26") << 26 << QChar('0') << "26)  0";
    QTest::newRow("gelöst 50") << 50 << QChar('/') << "50)  gelöst!";
    QTest::newRow("fremdes Zeichen") << 30 << QChar('A') << "30)  0";
}

void TestLevelwahl::zeilen()
{
    QFETCH(int, level);
    QFETCH(QChar, zeichen);
    QFETCH(QString, zeile);
    QString s = kFrisch;
    s[level - 1] = zeichen;
    setzeSatz(7, s);
    Tspielro1 f(Tspielro1::mitglied(107), [] { return true; });
    f.show();
    QTextEdit* memo = level <= 25 ? f.Memo1 : f.Memo2;
    QCOMPARE(::zeile(memo, (level - 1) % 25), zeile);
    QCOMPARE(f.Memo1->toPlainText().count(QLatin1Char('\n')), 24);
    QCOMPARE(f.Label1->text(), QStringLiteral("Levelwahl (1-50, Ende mit 0)"));
    QVERIFY(!f.hatSchliessfeld());
    QVERIFY(!f.Memo3);
    // the chooser of Rangieren shows its rules
    Tspielro1 ra(Tspielro1::mitglied(119), [] { return true; });
    QCOMPARE(ra.Memo3->toPlainText().split(QLatin1Char('\n')).size(), 56);
    QCOMPARE(ra.Memo3->toPlainText().split(QLatin1Char('\n')).at(30),
             QStringLiteral("Die Pakete werden auf den Roboter \"aufgeladen\". Sie werden zum"));
}

// A status file that cannot be read closes the chooser without recording; one
// that cannot be written when leaving still lets the chooser close, once.
void TestLevelwahl::dateifehler_data()
{
    QTest::addColumn<QString>("fall");
    QTest::addColumn<QStringList>("boxen");
    QTest::addColumn<QString>("ergebnis");
    QTest::newRow("Statusdatei fehlt") << "fehlt" << QStringList{"Datei nicht gefunden"} << QString();
    QTest::newRow("Statusdatei zu kurz") << "kurz" << QStringList{"Versuch hinter dem Dateiende zu lesen"} << QString();
    QTest::newRow("beim Verlassen verschwunden")
        << "verschwindet" << QStringList{"Der Levelstand wurde nicht gespeichert. Datei nicht gefunden."}
        << "07.03.2026   20";
    QTest::newRow("Ergebnisdatei fehlt") << "ergebnis"
                                         << QStringList{"Das Ergebnis wurde nicht gespeichert. Datei nicht gefunden."}
                                         << QString();
}

void TestLevelwahl::dateifehler()
{
    QFETCH(QString, fall);
    QFETCH(QStringList, boxen);
    QFETCH(QString, ergebnis);
    const QString status = m_ordner->pfad(QStringLiteral("robbier.dat"));
    if (fall == QLatin1String("fehlt"))
        QFile::remove(status);
    if (fall == QLatin1String("kurz"))
        m_ordner->schreibe(QStringLiteral("robbier.dat"), m_ordner->lies(QStringLiteral("robbier.dat")).left(6 * 51));
    if (fall == QLatin1String("ergebnis"))
        QFile::remove(m_ordner->pfad(ergebnis::dateiname(7)));
    dialog::Skript skript;
    int bretter = 0;
    Tspielro1 f(Tspielro1::mitglied(107), [&] {
        ++bretter;
        levelnr += 100;
        if (fall == QLatin1String("verschwindet"))
            QFile::remove(status);
        return true;
    });
    f.show();
    QCoreApplication::processEvents();
    gib(f, QStringLiteral("1"));
    gib(f, QStringLiteral("0"));
    QCOMPARE(skript.texte.mid(0, boxen.size()), boxen);
    QVERIFY(!f.isVisible());
    const bool gelesen = fall == QLatin1String("verschwindet") || fall == QLatin1String("ergebnis");
    QCOMPARE(bretter, gelesen ? 1 : 0);
    if (fall == QLatin1String("ergebnis")) {
        QCOMPARE(satz(7), QStringLiteral("/") + kFrisch.mid(1));  // the levels solved are stored
    } else if (!ergebnis.isEmpty()) {
        QCOMPARE(ergebnis107(), ergebnis);
    } else if (fall != QLatin1String("kurz")) {
        QVERIFY(::meldung.isEmpty());
    }
}

// 107 from the menu: the rules window, the chooser, level 1 played with the
// solver's keys on the real board, 0 records the opening.
void TestLevelwahl::ganzerLauf()
{
    Robbibrett start;
    start.lade(robbiLevel(1));
    const Loesung l = loeseRobbi(start);
    QVERIFY(l.gefunden);
    Programmtabelle::global().leeren();
    registriereLogik(Programmtabelle::global());
    setzeWartenErsatz([](int) {});
    dialog::Skript skript;
    QStringList gezeigt;
    QString ersteZeile;
    Form::setzeModalErsatz([&](Form* fenster) {
        gezeigt << fenster->objectName() + QLatin1Char('|') + fenster->windowTitle();
        fenster->show();
        QApplication::setActiveWindow(fenster);
        if (auto* wahl = qobject_cast<Tspielro1*>(fenster)) {
            gib(*wahl, QStringLiteral("1"));
            ersteZeile = zeile(wahl->Memo1, 0);
            gib(*wahl, QStringLiteral("0"));
        } else if (auto* brett = qobject_cast<Tspielro*>(fenster)) {
            for (int z : l.zuege)
                QTest::keyClick(brett, z < 4 ? std::array{Qt::Key_Up, Qt::Key_Right, Qt::Key_Down, Qt::Key_Left}[z]
                                             : Qt::Key_Space);
        }
        fenster->hide();
        return 0;
    });
    QVERIFY(aufruf(107, Menueart::Windowsmenue));
    setzeWartenErsatz(nullptr);
    Programmtabelle::global().leeren();
    QCOMPARE(gezeigt.size(), 4);
    QCOMPARE(gezeigt[0].section(QLatin1Char('|'), 0, 0), QStringLiteral("regel"));
    QCOMPARE(gezeigt[1], QStringLiteral("Tspielro1|ROBBI"));
    QCOMPARE(gezeigt[2], QStringLiteral("Tspielro|ROBBI"));
    QCOMPARE(gezeigt[3].section(QLatin1Char('|'), 0, 0), QStringLiteral("Form3"));
    QCOMPARE(skript.texte, QStringList{"GESCHAFFT!"});
    QCOMPARE(ersteZeile, QStringLiteral(" 1)  gelöst!"));
    QCOMPARE(::meldung, QStringLiteral("Sie haben 20 Punkte erreicht!"));
    QCOMPARE(ergebnis107(), QStringLiteral("07.03.2026   20"));
    const highscore::Platz erster = highscore::liesBlock(highscore::block(107)).at(0);
    QCOMPARE(erster.name, QStringLiteral("Eva"));
    QCOMPARE(erster.punkte, QStringLiteral("20"));
    QCOMPARE(satz(7), QStringLiteral("/") + QString(49, QLatin1Char('0')));
    QCOMPARE(satz(6), kFrisch);
}

int main(int argc, char** argv)
{
    Anwendung app(argc, argv);
    TestLevelwahl t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_levelwahl.moc"
