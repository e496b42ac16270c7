// The end of a run: message window, result entry, highscore entry, the sheet of
// current results and its printing, the common scoring with its clock.
#include "common/satzdatei.h"
#include "common/textformat.h"
#include "common/uhr.h"
#include "common/zustand.h"
#include "platform/anwendung.h"
#include "platform/dialoge.h"
#include "platform/drucker.h"
#include "shell/ergebnisse.h"
#include "shell/highscore.h"
#include "shell/regeltexte.h"
#include "shell/uebungsrahmen.h"
#include "shell/udatlist.h"
#include "shell/uform4.h"
#include "shell/umeldung.h"
#include "tests/support/testdrucker.h"
#include "tests/support/testumgebung.h"
#include "tests/support/testuhr.h"

#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTest>

namespace {

QString ergebnissatz(const Arbeitsordner&, int kategorie, int satz)
{
    Satzdatei d(ergebnis::dateiname(kategorie), ergebnis::kSatzgroesse);
    d.positioniere(satz);
    return d.liesText();
}

highscore::Platz platz(int n, int p)
{
    Satzdatei d(highscore::kDatei, highscore::kSatzgroesse);
    d.positioniere(highscore::block(n) * 15 + p - 1);
    return highscore::ausSatz(d.lies());
}

void setzePlaetze(int n, const QList<float>& werte)
{
    Satzdatei d(highscore::kDatei, highscore::kSatzgroesse);
    d.positioniere(highscore::block(n) * 15);
    int k = 0;
    for (float w : werte)
        d.schreibe(highscore::alsSatz({QStringLiteral("Platz%1").arg(++k), textformat::punkteText(w), QStringLiteral("01.01.26")}));
    d.schliesse();
}

}

class TestErgebnisse : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void ersterLauf_data();
    void ersterLauf();
    void tendenzLiestGanzeTeile();
    void nurZehnBleiben();
    void quizInDateiNeun();
    void bestenlisteLeer();
    void bestenlisteGleichstand();
    void bestenlisteGleichPlatz15();
    void prozentUndRekord();
    void meldefenster();
    void rahmenUeberMitternacht();
    void rahmenFehlendeDatei_data();
    void rahmenFehlendeDatei();
    void punkttexteMitKommaOderPunkt();
    void druckFehlgeschlagen_data();
    void druckFehlgeschlagen();
    void druckAufDemDrucker_data();
    void druckAufDemDrucker();
    void druckenMehrereSeiten();
    void regeltexte();

private:
    Testuhr m_uhr;
    std::unique_ptr<Arbeitsordner> m_ordner;
};

void TestErgebnisse::init()
{
    m_ordner = std::make_unique<Arbeitsordner>();
    m_uhr = Testuhr();
    uhr::setzeQuelle(&m_uhr);
    waehleNutzer(7, QStringLiteral("Eva"));  // as chosen from the register
    TForm4::instanz().leeren();
    // the message window answers at once
    Form::setzeModalErsatz([](Form*) { return 0; });
}

void TestErgebnisse::cleanup()
{
    Form::setzeModalErsatz(nullptr);
    uhr::setzeQuelle(nullptr);
    m_ordner.reset();
}

void TestErgebnisse::ersterLauf_data()
{
    QTest::addColumn<float>("punkte");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("tendenz");
    QTest::addColumn<QString>("gezeigt");  // the score as the result line shows it
    QTest::newRow("234.56") << 234.56f << "234,559" << "+" << " 234.56";
    QTest::newRow("2") << 2.0f << "2" << "0" << "   2.00";
    QTest::newRow("2.99") << 2.99f << "2,99000" << "0" << "   2.99";
    QTest::newRow("3") << 3.0f << "3" << "+" << "   3.00";
}

void TestErgebnisse::ersterLauf()
{
    QFETCH(float, punkte);
    QFETCH(QString, text);
    QFETCH(QString, tendenz);
    QFETCH(QString, gezeigt);
    ergein(7, 15, punkte);  // "Zahlwort": category 0, item 3
    QCOMPARE(ergebnissatz(*m_ordner, 0, 2 * 400 + 6 * 10 + 9), QStringLiteral("07.03.2026   ") + text);
    QCOMPARE(ergebnissatz(*m_ordner, 0, 2 * 400 + 6 * 10 + 8), QString(20, QLatin1Char(' ')));
    QCOMPARE(ergebniszeile.left(20), QStringLiteral("Zahlwort            "));
    QCOMPARE(ergebniszeile.mid(20, 7), gezeigt);
    QCOMPARE(ergebniszeile.mid(29, 7), QStringLiteral("   0.00"));
    QCOMPARE(ergebniszeile.mid(41, 1), tendenz);
    QCOMPARE(ungedruckt, std::uint8_t(1));
    QCOMPARE(m_ordner->lies(QStringLiteral("xbaserg0.dat")).size(), 92400);
}

void TestErgebnisse::tendenzLiestGanzeTeile()
{
    ergein(7, 15, 103.1f);
    ergein(7, 15, 105.9f);
    QCOMPARE(ergebniszeile.mid(19, 17), QStringLiteral("  105.90   103.10"));
    QCOMPARE(ergebniszeile.mid(41, 1), QStringLiteral("0"));  // 105 against 103
    ergein(7, 15, 99.0f);
    QCOMPARE(ergebniszeile.mid(41, 1), QStringLiteral("-"));
}

void TestErgebnisse::nurZehnBleiben()
{
    for (int lauf = 1; lauf <= 11; ++lauf)
        ergein(40, 23, float(lauf * 10));
    for (int r = 0; r < 10; ++r)
        QCOMPARE(ergebnissatz(*m_ordner, 0, 10 * 400 + 39 * 10 + r).mid(13), QString::number((r + 2) * 10));
}

void TestErgebnisse::quizInDateiNeun()
{
    ergein(1, 131, 50.0f);
    QCOMPARE(ergebnissatz(*m_ordner, 9, 4009), QStringLiteral("07.03.2026   50"));
    QCOMPARE(ergebniszeile.left(4), QStringLiteral("Quiz"));
}

void TestErgebnisse::bestenlisteLeer()
{
    ergein(7, 40, 345.67f);
    highein(40, 345.67f);
    const highscore::Platz p = platz(40, 1);
    QCOMPARE(p.name, QStringLiteral("Eva"));
    QCOMPARE(p.punkte, QStringLiteral("345,670"));
    QCOMPARE(p.datum, QStringLiteral("07.03.26"));
    QCOMPARE(platz(40, 2).name, QStringLiteral("offen"));
    const QStringList z = TForm4::instanz().zeilen();
    QCOMPARE(z.size(), 2);
    QCOMPARE(z[0], QStringLiteral("  Programm             Punkte    davor  Tendenz  Highscore  Proz."));
    // columns: name 3-22, score 23-29, before 32-38, trend 44, best 51-57, percent 61-63
    const QString& l = z[1];
    QCOMPARE(l.size(), 63);
    QCOMPARE(l.left(22), QStringLiteral("  Worthöhle           "));
    QCOMPARE(l.mid(22, 7), QStringLiteral(" 345.67"));
    QCOMPARE(l.mid(29, 9), QStringLiteral("     0.00"));
    QCOMPARE(l.mid(38, 6), QStringLiteral("     +"));
    QCOMPARE(l.mid(44, 13), QStringLiteral("         0.00"));
    QCOMPARE(l.mid(57), QStringLiteral("   100"));
}

void TestErgebnisse::bestenlisteGleichstand()
{
    QList<float> werte;
    for (int k = 0; k < 15; ++k)
        werte << float(1500 - k * 100);  // 1500, 1400, 1300, ...
    setzePlaetze(61, werte);
    ergein(7, 61, 1300.0f);
    highein(61, 1300.0f);
    QCOMPARE(platz(61, 3).name, QStringLiteral("Platz3"));
    QCOMPARE(platz(61, 4).name, QStringLiteral("Eva"));
    QCOMPARE(platz(61, 5).name, QStringLiteral("Platz4"));
    QCOMPARE(platz(61, 15).name, QStringLiteral("Platz14"));
}

void TestErgebnisse::bestenlisteGleichPlatz15()
{
    QList<float> werte;
    for (int k = 0; k < 15; ++k)
        werte << float(1500 - k * 100);
    setzePlaetze(61, werte);
    const QByteArray vorher = m_ordner->lies(highscore::kDatei);
    ergein(7, 61, 100.0f);
    highein(61, 100.0f);
    QCOMPARE(m_ordner->lies(highscore::kDatei), vorher);
    QVERIFY(TForm4::instanz().zeilen().last().endsWith(QStringLiteral("1500.00     7")));
}

void TestErgebnisse::prozentUndRekord()
{
    setzePlaetze(100, {150.75f});
    ergein(7, 100, 75.5f);
    highein(100, 75.5f);
    QCOMPARE(TForm4::instanz().zeilen().last().right(3), QStringLiteral(" 50"));
    QCOMPARE(platz(100, 2).name, QStringLiteral("Eva"));  // above the empty places
    ergein(7, 100, 300.0f);
    highein(100, 300.0f);
    QCOMPARE(TForm4::instanz().zeilen().last().right(3), QStringLiteral("200"));
    QCOMPARE(platz(100, 1).punkte, QStringLiteral("300"));
}

void TestErgebnisse::meldefenster()
{
    Form::setzeModalErsatz(nullptr);
    meldung = QStringLiteral("Sie haben 340 Punkte erreicht!");
    QString gezeigt;
    bool neinSichtbar = true;
    {
        ModalWaechter w([&](QWidget* m) {
            auto& f = TForm3::instanz();
            QCOMPARE(m, &f);
            gezeigt = f.Panel1->text();
            neinSichtbar = f.Button2->isVisible();
            QTest::mouseClick(f.Button1, Qt::LeftButton);
        });
        zeigemeldung(1);
    }
    QCOMPARE(gezeigt, meldung);
    QVERIFY(!neinSichtbar);
    QCOMPARE(meldemodus, 1);
    QCOMPARE(TForm3::instanz().windowTitle(), QStringLiteral("Velmora-Meldung"));
    {
        ModalWaechter w([&](QWidget*) {
            auto& f = TForm3::instanz();
            gezeigt = f.Panel1->text();
            neinSichtbar = f.Button2->isVisible();
            QTest::mouseClick(f.Button2, Qt::LeftButton);
        });
        zeigemeldung(2);
    }
    QCOMPARE(gezeigt, QStringLiteral("Ablaufplan fortführen?"));
    QVERIFY(neinSichtbar);
    QCOMPARE(meldemodus, 2);
}

void TestErgebnisse::rahmenUeberMitternacht()
{
    // the wall clock jumps back at midnight; the monotonic count does not
    Uebungslauf lauf;
    m_uhr.mono = 86390.0;
    lauf.starte(20);
    QCOMPARE(aufgabenzahl, 20);
    for (int i = 0; i < 3; ++i)
        lauf.punkte += 100.0f;
    m_uhr.mono = 86390.0 + 60.25;
    m_uhr.tag = m_uhr.tag.addDays(1);
    const float p = lauf.abschluss();
    QCOMPARE(p, 339.75f);
    lauf.beende(nullptr, 13, p);
    lauf.beende(nullptr, 13, p);  // a second end records nothing
    QCOMPARE(meldung, QStringLiteral("Sie haben 339 Punkte erreicht!"));
    QCOMPARE(ergebnissatz(*m_ordner, 0, 69), QStringLiteral("08.03.2026   339,75"));
    QCOMPARE(ergebnissatz(*m_ordner, 0, 68), QString(20, QLatin1Char(' ')));
    QCOMPARE(platz(13, 1).punkte, QStringLiteral("339,75"));
    QCOMPARE(TForm4::instanz().zeilen().size(), 2);
}

void TestErgebnisse::rahmenFehlendeDatei_data()
{
    QTest::addColumn<QString>("datei");
    QTest::addColumn<int>("saetze");  // records left in the file, -1 removed
    QTest::addColumn<QString>("fehler");
    const QString erg = QStringLiteral("Das Ergebnis wurde nicht gespeichert. ");
    const QString hoch = QStringLiteral("Der Highscore wurde nicht gespeichert. ");
    QTest::newRow("Ergebnisdatei fehlt") << "xbaserg2.dat" << -1 << erg + "Datei nicht gefunden.";
    QTest::newRow("Ergebnisdatei kurz") << "xbaserg2.dat" << 1000 << erg + "Versuch hinter dem Dateiende zu lesen.";
    QTest::newRow("Highscoredatei fehlt") << "xbashigh.dat" << -1 << hoch + "Datei nicht gefunden.";
    QTest::newRow("Highscoredatei kurz") << "xbashigh.dat" << 300 << hoch + "Versuch hinter dem Dateiende zu lesen.";
}

void TestErgebnisse::rahmenFehlendeDatei()
{
    QFETCH(QString, datei);
    QFETCH(int, saetze);
    QFETCH(QString, fehler);
    const bool ergebnisdatei = datei.startsWith(QLatin1String("xbaserg"));
    const int groesse = ergebnisdatei ? ergebnis::kSatzgroesse : highscore::kSatzgroesse;
    if (saetze < 0)
        QFile::remove(m_ordner->pfad(datei));
    else
        m_ordner->schreibe(datei, m_ordner->lies(datei).left(saetze * groesse));
    const QByteArray vorher = saetze < 0 ? QByteArray() : m_ordner->lies(datei);
    dialog::Skript skript;
    QWidget fenster;
    fenster.show();
    Uebungslauf lauf;
    lauf.starte(10);
    lauf.beende(&fenster, 40, 250.0f);  // "Worthöhle", block 25, user 7
    // the error is shown with the entry it cost, and the end of the run goes on
    QCOMPARE(skript.texte, QStringList{fehler});
    QVERIFY(!fenster.isVisible());
    QCOMPARE(ungedruckt, std::uint8_t(1));
    if (saetze >= 0)
        QCOMPARE(m_ordner->lies(datei), vorher);  // a short file is not written
    if (ergebnisdatei)
        QCOMPARE(platz(40, 1).name, QStringLiteral("Eva"));  // the highscore entry took place
    else
        QCOMPARE(ergebnissatz(*m_ordner, 2, 3 * 400 + 6 * 10 + 9), QStringLiteral("07.03.2026   250"));
    // the line is on the sheet; what could not be read counts as no earlier result
    const QStringList z = TForm4::instanz().zeilen();
    QCOMPARE(z.size(), 2);
    QCOMPARE(z[1].left(22), QStringLiteral("  Worthöhle           "));
    QCOMPARE(z[1].mid(22), QStringLiteral(" 250.00     0.00     +         0.00   100"));
}

void TestErgebnisse::punkttexteMitKommaOderPunkt()
{
    // an earlier result and a best written with a point, and an odd place
    {
        Satzdatei d(ergebnis::dateiname(0), ergebnis::kSatzgroesse);
        d.positioniere(2 * 400 + 6 * 10 + 9);
        d.schreibeText(QStringLiteral("01.03.2026   150.5"));
    }
    {
        Satzdatei d(highscore::kDatei, highscore::kSatzgroesse);
        d.positioniere(highscore::block(15) * 15);
        d.schreibe(highscore::alsSatz({QStringLiteral("Otto"), QStringLiteral("200.75"), QStringLiteral("01.01.26")}));
        d.schreibe(highscore::alsSatz({QStringLiteral("Kaputt"), QStringLiteral("x1y"), QStringLiteral("01.01.26")}));
    }
    dialog::Skript skript;
    ergein(7, 15, 100.0f);
    highein(15, 100.0f);
    QVERIFY(skript.texte.isEmpty());
    const QString l = TForm4::instanz().zeilen().last();
    QCOMPARE(l.mid(22), QStringLiteral(" 100.00   150.50     -       200.75    50"));
    // the odd place counts as 0: the run goes above it
    QCOMPARE(platz(15, 2).name, QStringLiteral("Eva"));
    QCOMPARE(platz(15, 3).name, QStringLiteral("Kaputt"));

    const QList<std::pair<QString, double>> faelle = {
        {QStringLiteral("234,559"), 234.559}, {QStringLiteral("234.559"), 234.559}, {QStringLiteral(" 2 "), 2.0},
        {QStringLiteral("abc"), 0.0},         {QStringLiteral("1,5,3"), 0.0},       {QString(), 0.0}};
    for (const auto& [text, wert] : faelle)
        QCOMPARE(ergebnis::punktwert(text), wert);
}

void TestErgebnisse::druckenMehrereSeiten()
{
    auto& f = TForm4::instanz();
    for (int i = 1; i <= 80; ++i)
        f.zeileHinzufuegen(QStringLiteral("  Zeile %1").arg(i));
    ungedruckt = 1;
    const QString datei = m_ordner->pfad(QStringLiteral("druck.pdf"));
    Druckauftrag::setzeZieldatei(datei);
    f.drucken();
    Druckauftrag::setzeZieldatei({});
    QCOMPARE(ungedruckt, std::uint8_t(0));
    // 81 lines of 4.3 mm do not fit on one page: nothing is lost, pages follow
    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (pdftotext.isEmpty())
        QSKIP("pdftotext (poppler-utils) is not installed");
    QProcess p;
    p.start(pdftotext, {QStringLiteral("-layout"), datei, QStringLiteral("-")});
    QVERIFY(p.waitForFinished(20000));
    const QString text = QString::fromUtf8(p.readAllStandardOutput());
    QCOMPARE(text.count(QLatin1Char('\f')), 2);  // two pages
    QVERIFY(text.contains(QStringLiteral("Programm")));
    for (int i = 1; i <= 80; ++i)
        QVERIFY2(text.contains(QRegularExpression(QStringLiteral("Zeile %1\\b").arg(i))), qPrintable(QString::number(i)));
}

void TestErgebnisse::regeltexte()
{
    // line counts per program, as the rules window shows them
    const QMap<int, int> anzahl = {
        {13, 2}, {14, 2}, {15, 1}, {16, 2}, {17, 2}, {18, 3}, {19, 4}, {20, 5}, {21, 5}, {22, 4}, {23, 4},
        {25, 2}, {26, 2}, {27, 2}, {28, 2}, {29, 2}, {30, 2}, {31, 2}, {32, 4}, {33, 3}, {34, 6}, {35, 6},
        {37, 2}, {38, 2}, {39, 6}, {40, 3}, {41, 7}, {42, 2}, {43, 2}, {44, 6}, {45, 6}, {46, 6}, {47, 6},
        {49, 2}, {50, 7}, {51, 6}, {52, 6}, {53, 5}, {54, 5}, {55, 5}, {56, 5}, {57, 5}, {58, 5}, {59, 5},
        {61, 8}, {62, 8}, {63, 6}, {64, 3}, {65, 2}, {66, 2}, {67, 2}, {68, 3}, {69, 3}, {70, 6}, {71, 6},
        {73, 2}, {74, 2}, {75, 3}, {76, 4}, {77, 3}, {78, 3}, {79, 2}, {80, 3}, {81, 2}, {82, 2}, {83, 3},
        {85, 4}, {86, 4}, {87, 3}, {88, 3}, {89, 5}, {90, 5}, {91, 4}, {92, 5}, {93, 4}, {94, 4}, {95, 4},
        {97, 3}, {98, 3}, {99, 5}, {100, 4}, {101, 6}, {102, 3}, {103, 2}, {104, 4}, {105, 3}, {106, 4}, {107, 9},
        {109, 5}, {110, 8}, {111, 2}, {112, 6}, {113, 6}, {114, 6}, {115, 2}, {116, 5}, {117, 4}, {118, 4}, {119, 1},
        {121, 3}, {122, 6}, {123, 6}, {124, 6}, {125, 2}, {126, 5}, {127, 2}, {128, 2}, {129, 2}, {130, 2}, {131, 3}};
    int summe = 0;
    for (int n = 0; n <= 140; ++n) {
        QCOMPARE(regelzeilen(n).size(), anzahl.value(n, 0));
        summe += regelzeilen(n).size();
    }
    QCOMPARE(anzahl.size(), 110);
    QCOMPARE(summe, 428);
    const QList<QList<int>> geteilt = {{20, 21}, {27, 28}, {44, 45, 46, 47, 122, 123, 124}, {56, 126},
                                       {66, 67}, {68, 69}, {85, 93}, {86, 94}, {109, 116}, {128, 129, 130}};
    for (const QList<int>& g : geteilt)
        for (int n : g)
            QCOMPARE(regelzeilen(n), regelzeilen(g.first()));
    QCOMPARE(regelzeilen(13).first(), QStringLiteral("In 20 Aufgaben geht es darum präsentierte Zahlen abzutippen. Nach "));
    QCOMPARE(regelzeilen(15), QStringList{QStringLiteral("In 20 Aufgaben geht es darum Zahlwörter als Zahl einzugeben.")});
    QCOMPARE(regelzeilen(19).last(), QStringLiteral("steht!"));
    QCOMPARE(regelzeilen(34).at(3), QStringLiteral("Sie erhalten 100 Startpunkte! Für jede richtig gelöste Aufgabe"));
    // lists not shared are different from one another
    QCOMPARE(regelzeilen(61) == regelzeilen(62), false);
}

void TestErgebnisse::druckFehlgeschlagen_data()
{
    QTest::addColumn<QString>("ziel");     // the file tests redirect the job to; empty: the default
    QTest::addColumn<int>("lage");        // what the print service says
    QTest::addColumn<QString>("muster");  // the message, with <ordner> for the working folder
    const int kein = int(druckdienst::Lage::KeinDrucker);
    QTest::newRow("Ordner fehlt") << "fehlt/blatt.pdf" << kein
                                  << "Kein Drucker eingerichtet\\. Die Datei <ordner>/fehlt/blatt\\.pdf konnte nicht geschrieben werden: "
                                     "Datei nicht gefunden\\.";
    // "ausdrucke" is a file, so no PDF can be put there, not even by root
    QTest::newRow("kein Drucker, ausdrucke gesperrt")
        << "" << kein << "Kein Drucker eingerichtet\\. Die Datei <ordner>/ausdrucke/druck-\\d{8}-\\d{6}-\\d{3}\\.pdf konnte nicht geschrieben werden: "
                         "ausdrucke ist kein Ordner\\.";
    QTest::newRow("Dienst nicht erreichbar, ausdrucke gesperrt")
        << "" << int(druckdienst::Lage::NichtErreichbar)
        << "Ein Drucker ist eingerichtet, aber der Druckdienst ist nicht erreichbar\\. Die Datei "
           "<ordner>/ausdrucke/druck-\\d{8}-\\d{6}-\\d{3}\\.pdf konnte nicht geschrieben werden: ausdrucke ist kein Ordner\\.";
    QTest::newRow("Platte voll") << "/dev/full" << kein
                                 << "Kein Drucker eingerichtet\\. Die Datei /dev/full konnte nicht geschrieben werden: Zu wenig Speicherplatz\\.";
}

void TestErgebnisse::druckFehlgeschlagen()
{
    QFETCH(QString, ziel);
    QFETCH(int, lage);
    QFETCH(QString, muster);
    // the failure is found before the toolkit meets it, so none of its warnings in English
    QTest::failOnWarning(QRegularExpression(QStringLiteral("QPainter|QPdf|QPrint|QFile")));
    Testdrucker drucker{druckdienst::Lage(lage)};
    auto& f = TForm4::instanz();
    f.zeileHinzufuegen(QStringLiteral("  Zeile"));
    ungedruckt = 1;
    m_ordner->schreibe(QStringLiteral("ausdrucke"), "kein Ordner");
    Druckauftrag::setzeZieldatei(ziel.isEmpty() ? QString() : QDir(m_ordner->pfad(QString())).filePath(ziel));
    dialog::Skript skript;
    f.show();
    QTest::mouseClick(f.Button2, Qt::LeftButton);
    Druckauftrag::setzeZieldatei({});
    f.hide();
    // the message says which file could not be written, and why; the sheet still counts as unprinted
    QCOMPARE(skript.texte.size(), 1);
    const QString ordner = QRegularExpression::escape(QDir(m_ordner->pfad(QString())).absolutePath());
    const QRegularExpression erwartet(QLatin1Char('^') + QString(muster).replace(QStringLiteral("<ordner>"), ordner) + QLatin1Char('$'));
    QVERIFY2(erwartet.match(skript.texte.first()).hasMatch(), qPrintable(skript.texte.first()));
    QCOMPARE(ungedruckt, std::uint8_t(1));
}

void TestErgebnisse::druckAufDemDrucker_data()
{
    QTest::addColumn<bool>("blatt");      // the sheet of current results, or the overview
    QTest::addColumn<int>("lage");
    QTest::addColumn<bool>("ablehnen");
    QTest::addColumn<QString>("grund");   // the service's reason for refusing
    QTest::addColumn<QString>("muster");  // the message shown; empty: none
    QTest::addColumn<int>("ungedrucktDanach");
    const int drucker = int(druckdienst::Lage::Drucker);
    const QString abgelehnt = QStringLiteral("Destination \"Testdrucker\" is not accepting jobs.");
    const QString meldet = QStringLiteral("Der Ausdruck konnte nicht beendet werden\\. Der Druckdienst meldet: "
                                          "Destination \"Testdrucker\" is not accepting jobs\\.");
    const QString gespeichert = QStringLiteral(" Der Ausdruck wurde in der Datei <ordner>/ausdrucke/druck-\\d{8}-\\d{6}-\\d{3}\\.pdf gespeichert\\.");
    QTest::newRow("Blatt angenommen") << true << drucker << false << QString() << QString() << 0;
    QTest::newRow("Blatt abgelehnt") << true << drucker << true << abgelehnt << meldet << 1;
    QTest::newRow("Blatt abgelehnt ohne Grund")
        << true << drucker << true << QString() << "Der Ausdruck konnte nicht beendet werden\\." << 1;
    QTest::newRow("Blatt, Dienst nicht erreichbar")
        << true << int(druckdienst::Lage::NichtErreichbar) << false << QString()
        << "Ein Drucker ist eingerichtet, aber der Druckdienst ist nicht erreichbar\\." + gespeichert << 0;
    QTest::newRow("Blatt, kein Drucker") << true << int(druckdienst::Lage::KeinDrucker) << false << QString()
                                         << "Kein Drucker eingerichtet\\." + gespeichert << 0;
    // the overview leaves the sheet's mark alone either way
    QTest::newRow("Überblick angenommen") << false << drucker << false << QString() << QString() << 1;
    QTest::newRow("Überblick abgelehnt") << false << drucker << true << abgelehnt << meldet << 1;
}

void TestErgebnisse::druckAufDemDrucker()
{
    QFETCH(bool, blatt);
    QFETCH(int, lage);
    QFETCH(bool, ablehnen);
    QFETCH(QString, grund);
    QFETCH(QString, muster);
    QFETCH(int, ungedrucktDanach);
    Testdrucker drucker{druckdienst::Lage(lage)};
    drucker.ablehnen = ablehnen;
    drucker.ablehnung = grund;
    TForm4::instanz().zeileHinzufuegen(QStringLiteral("  Zeile eins"));
    ungedruckt = 1;
    Form& f = blatt ? static_cast<Form&>(TForm4::instanz()) : Tdatlist::instanz();
    QPushButton* drucken = blatt ? TForm4::instanz().Button2 : Tdatlist::instanz().Button1;
    dialog::Skript skript;
    f.show();
    QTest::mouseClick(drucken, Qt::LeftButton);
    // a failed job leaves the window and its button there to try again
    QVERIFY(f.isVisible() && drucken->isEnabled());
    f.hide();
    QCOMPARE(ungedruckt, std::uint8_t(ungedrucktDanach));
    QCOMPARE(skript.texte.size(), muster.isEmpty() ? 0 : 1);
    if (!muster.isEmpty()) {
        const QString ordner = QRegularExpression::escape(QDir(m_ordner->pfad(QString())).absolutePath());
        const QRegularExpression erwartet(QLatin1Char('^') + QString(muster).replace(QStringLiteral("<ordner>"), ordner) + QLatin1Char('$'));
        QVERIFY2(erwartet.match(skript.texte.first()).hasMatch(), qPrintable(skript.texte.first()));
    }
    if (lage != int(druckdienst::Lage::Drucker)) {
        QVERIFY(drucker.auftraege.isEmpty());
        return;
    }
    QCOMPARE(drucker.auftraege.size(), 1);
    const druckdienst::Auftrag& a = drucker.auftraege.first();
    QCOMPARE(a.drucker, QStringLiteral("Testdrucker"));
    QCOMPARE(a.titel, QStringLiteral("VELMORA"));
    QCOMPARE(a.papier, QStringLiteral("A4"));
    QVERIFY(!QFile::exists(a.datei));  // the job's file is not left behind
    QCOMPARE(drucker.inhalte.size(), ablehnen ? 0 : 1);
    if (ablehnen)
        return;
    // the lines themselves are checked on the PDF of the fallback
    QVERIFY(drucker.inhalte.first().startsWith("%PDF-"));
}

int main(int argc, char** argv)
{
    Anwendung app(argc, argv);
    TestErgebnisse t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_ergebnisse.moc"
