// The result views: personal data with its chart, the highscore lists with
// their deletion, the overview and its printing.
#include "common/satzdatei.h"
#include "common/uhr.h"
#include "common/zustand.h"
#include "platform/anwendung.h"
#include "platform/dialoge.h"
#include "platform/drucker.h"
#include "platform/farben.h"
#include "platform/leinwand.h"
#include "shell/ergebnisse.h"
#include "shell/highscore.h"
#include "shell/udat01.h"
#include "shell/udat02.h"
#include "shell/udatlist.h"
#include "tests/support/testumgebung.h"
#include "tests/support/testuhr.h"

#include <QRegularExpression>
#include <QTest>
#include <QtEndian>

namespace {

// The ten result records (oldest first) of exercise k (1 to 110) and user u.
void setzeErgebnisse(int k, int u, const QStringList& saetze)
{
    Satzdatei d(ergebnis::dateiname((k - 1) / 11), ergebnis::kSatzgroesse);
    d.positioniere(ergebnis::satznummer((k - 1) % 11 + 1, u, 0));
    for (const QString& s : saetze)
        d.schreibeText(s);
    d.schliesse();
}

void setzePlaetze(int k, const QList<highscore::Platz>& plaetze)
{
    Satzdatei d(highscore::kDatei, highscore::kSatzgroesse);
    d.positioniere((k - 1) * highscore::kPlaetze);
    for (const highscore::Platz& p : plaetze)
        d.schreibe(highscore::alsSatz(p));
    d.schliesse();
}

QList<highscore::Platz> plaetze(int k)
{
    Satzdatei d(highscore::kDatei, highscore::kSatzgroesse);
    d.positioniere((k - 1) * highscore::kPlaetze);
    QList<highscore::Platz> liste;
    for (int p = 0; p < highscore::kPlaetze; ++p)
        liste << highscore::ausSatz(d.lies());
    return liste;
}

// Fifteen places "Platz1" 1500 down to "Platz15" 100.
QList<highscore::Platz> volleListe()
{
    QList<highscore::Platz> liste;
    for (int p = 1; p <= 15; ++p)
        liste << highscore::Platz{QStringLiteral("Platz%1").arg(p), QString::number(1600 - 100 * p),
                                  QStringLiteral("0%1.02.26").arg(p % 10)};
    return liste;
}

// Chooses line `zeile` of an exercise list with the arrow keys, as a person would.
void waehleMitTasten(QListWidget* liste, int zeile)
{
    QTest::keyClick(liste, Qt::Key_Home);
    for (int i = 0; i < zeile; ++i)
        QTest::keyClick(liste, Qt::Key_Down);
    QCOMPARE(ansicht::gewaehlteZeile(liste), zeile);
}

void klicke(QListWidget* liste, int zeile)
{
    liste->scrollToItem(liste->item(zeile));
    QTest::mouseClick(liste->viewport(), Qt::LeftButton, {}, liste->visualItemRect(liste->item(zeile)).center());
}

QStringList memozeilen(const QPlainTextEdit* memo)
{
    const QString text = memo->toPlainText();
    return text.isEmpty() ? QStringList() : text.split(QLatin1Char('\n'));
}

QStringList listenzeilen(const QListWidget* liste)
{
    QStringList z;
    for (int i = 0; i < liste->count(); ++i)
        z << liste->item(i)->text();
    return z;
}

// The texts drawn on each page of a PDF written through the printer, as the
// positions of their first characters in 0.1 mm (x, and y of the baseline from
// the top), read from the inflated content streams in page order.
QList<QList<QPoint>> pdfTexte(const QByteArray& pdf)
{
    const QString text = QString::fromLatin1(pdf);
    auto objekt = [&](const QString& nummer) {
        const int anfang = text.indexOf(QRegularExpression(QStringLiteral("(^|\\n)%1 0 obj").arg(nummer)));
        return anfang < 0 ? QString() : text.mid(anfang, text.indexOf(QStringLiteral("endobj"), anfang) - anfang);
    };
    QList<QList<QPoint>> seiten;
    static const QRegularExpression inhalt(QStringLiteral("/Type /Page\\n[^>]*?/Contents (\\d+) 0 R"));
    static const QRegularExpression laenge(QStringLiteral("/Length (\\d+)( 0 R)?"));
    static const QRegularExpression zug(QStringLiteral("BT\\s*/F\\d+ [\\d.]+ Tf 1 0 0 -1 0 0 Tm\\s*(-?\\d+) (-?\\d+) Td"));
    auto seite = inhalt.globalMatch(text);
    while (seite.hasNext()) {
        const QString strom = objekt(seite.next().captured(1));
        const auto l = laenge.match(strom);
        const int n = l.captured(2).isEmpty() ? l.captured(1).toInt()
                                               : objekt(l.captured(1)).section(QStringLiteral("obj"), 1).trimmed().toInt();
        const int daten = text.indexOf(QStringLiteral("stream\n"), text.indexOf(strom)) + 7;
        QByteArray mitGroesse(4, '\0');
        qToBigEndian<quint32>(1u << 22, mitGroesse.data());
        const QString befehle = QString::fromLatin1(qUncompress(mitGroesse + pdf.mid(daten, n)));
        QList<QPoint> punkte;
        auto t = zug.globalMatch(befehle);
        while (t.hasNext()) {
            const auto m = t.next();
            punkte << QPoint(m.captured(1).toInt(), -m.captured(2).toInt());
        }
        seiten << punkte;
    }
    return seiten;
}

int seitenzahl(const QByteArray& pdf)
{
    static const QRegularExpression seite(QStringLiteral("/Type\\s*/Page[^s]"));
    return int(QString::fromLatin1(pdf).count(seite));
}

}

class TestAnsichten : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void dat01OhneErgebnisse();
    void dat01Zeilen_data();
    void dat01Zeilen();
    void dat01Balken();
    void dat01OhneNutzerOderAuswahl();
    void dat01NeuerNutzerAufAltemPlatz();
    void geloeschterNutzer_data();
    void geloeschterNutzer();
    void dat02Plaetze();
    void dat02Loeschen_data();
    void dat02Loeschen();
    void dat02LoeschenOhneAuswahl();
    void dat02NachNeuemEintragNichtVeraltet();
    void datlistZeilen();
    void datlistDrucken();

private:
    Testuhr m_uhr;
    std::unique_ptr<Arbeitsordner> m_ordner;
};

void TestAnsichten::init()
{
    m_ordner = std::make_unique<Arbeitsordner>();
    uhr::setzeQuelle(&m_uhr);
    waehleNutzer(7, QStringLiteral("Eva"));
}

void TestAnsichten::cleanup()
{
    for (QWidget* w : QApplication::topLevelWidgets())
        w->hide();
    Druckauftrag::setzeZieldatei({});
    uhr::setzeQuelle(nullptr);
    m_ordner.reset();
}

void TestAnsichten::dat01OhneErgebnisse()
{
    Tdat01& f = Tdat01::instanz();
    f.show();
    QCOMPARE(f.windowTitle(), QStringLiteral("pers. Daten"));
    QCOMPARE(f.lbox->count(), 110);
    QCOMPARE(f.lbox->item(109)->text(), QStringLiteral("Quiz"));
    QCOMPARE(f.focusWidget(), f.lbox);
    QCOMPARE(ansicht::gewaehlteZeile(f.lbox), -1);
    // the first arrow key chooses the first line
    QTest::keyClick(f.lbox, Qt::Key_Down);
    QCOMPARE(ansicht::gewaehlteZeile(f.lbox), 0);
    dialog::Skript skript;
    QTest::keyClick(f.lbox, Qt::Key_Return);
    QVERIFY(skript.texte.isEmpty());
    QCOMPARE(memozeilen(f.mem1dat01), QStringList(10, QString(10, QLatin1Char(' ')) + QStringLiteral("   0.00")));
    // the box is cleared, and no bar is drawn
    const QImage& bild = f.pb->bild();
    QCOMPARE(bild.size(), QSize(545, 121));
    for (int y = 0; y < bild.height(); ++y)
        for (int x = 0; x < bild.width(); ++x) {
            const bool rand = x == 0 || y == 0 || x == bild.width() - 1 || y == bild.height() - 1;
            QCOMPARE(bild.pixelColor(x, y), rand ? farbe::schwarz : farbe::buttonFace());
        }
    QTest::keyClick(f.lbox, Qt::Key_Space);
    QVERIFY(!f.isVisible());
}

void TestAnsichten::dat01Zeilen_data()
{
    QTest::addColumn<int>("slot");
    QTest::addColumn<QString>("satz");
    QTest::addColumn<QString>("zeile");
    const QString leer = QString(10, QLatin1Char(' '));
    QTest::newRow("Komma endet die Zahl") << 9 << "07.03.2026   234,559" << "07.03.26    234.00";
    QTest::newRow("ganze Zahl") << 0 << "07.03.2026   2" << "07.03.26      2.00";
    QTest::newRow("mit Punkt") << 4 << "28.02.2026   99.5" << "28.02.26     99.50";
    QTest::newRow("breit") << 5 << "01.01.2026   12345,6" << "01.01.26   12345.00";
    QTest::newRow("kurzes Datum") << 3 << "7.3.2026     50" << leer + "  50.00";
    QTest::newRow("nur Leerzeichen") << 8 << QString(20, QLatin1Char(' ')) << leer + "   0.00";
}

void TestAnsichten::dat01Zeilen()
{
    QFETCH(int, slot);
    QFETCH(QString, satz);
    QFETCH(QString, zeile);
    QStringList saetze(10, QString());
    saetze[slot] = satz;
    setzeErgebnisse(37, 7, saetze);                          // "Tippen" of "Wörter I": line 36
    setzeErgebnisse(37, 8, QStringList(10, QStringLiteral("07.03.2026   500")));  // another user
    Tdat01& f = Tdat01::instanz();
    f.show();
    waehleMitTasten(f.lbox, 36);
    QTest::keyClick(f.lbox, Qt::Key_Return);
    QStringList erwartet(10, QString(10, QLatin1Char(' ')) + QStringLiteral("   0.00"));
    erwartet[slot] = zeile;
    QCOMPARE(memozeilen(f.mem1dat01), erwartet);
}

void TestAnsichten::dat01Balken()
{
    // a result entered the ordinary way is among them: 234.56 is stored as "234,559"
    QStringList saetze;
    for (const char* p : {"0", "50", "100", "200", "400"})
        saetze << QStringLiteral("01.03.2026   ") + QLatin1String(p);
    setzeErgebnisse(110, 7, QStringList(5, QString()) + saetze);
    for (float p : {234.56f, 2.0f, 3.0f, 399.99f, 400.0f})
        ergein(7, 131, p);
    Tdat01& f = Tdat01::instanz();
    f.show();
    QTest::keyClick(f.lbox, Qt::Key_Down);
    QTest::keyClick(f.lbox, Qt::Key_End);
    QTest::mouseClick(f.cmd1, Qt::LeftButton);
    QCOMPARE(memozeilen(f.mem1dat01).at(5), QStringLiteral("07.03.26    234.00"));

    // 545 x 121: u = 27, h = 114; bar values 0 50 100 200 400 234 2 3 399 400, m = 400
    struct Soll {
        int x1, x2, oben;
    };
    const Soll soll[10] = {{14, 41, 114}, {68, 95, 100}, {122, 149, 86}, {176, 203, 57}, {230, 257, 0},
                           {284, 311, 48}, {338, 365, 114}, {392, 419, 114}, {446, 473, 1}, {500, 527, 0}};
    const QImage& bild = f.pb->bild();
    QCOMPARE(bild.size(), QSize(545, 121));
    const QColor grund = farbe::buttonFace();
    // across the bars just above the bottom line: ten runs, outline at both ends
    QList<QPair<int, int>> laeufe;
    for (int x = 1; x < bild.width() - 1; ++x)
        if (bild.pixelColor(x, 117) != grund) {
            if (laeufe.isEmpty() || laeufe.last().second != x - 1)
                laeufe << qMakePair(x, x);
            else
                laeufe.last().second = x;
        }
    QCOMPARE(laeufe.size(), 10);
    for (int j = 0; j < 10; ++j) {
        QCOMPARE(laeufe[j], qMakePair(soll[j].x1, soll[j].x2 - 1));
        QCOMPARE(bild.pixelColor(soll[j].x1, 117), farbe::schwarz);
        QCOMPARE(bild.pixelColor(soll[j].x2 - 1, 117), farbe::schwarz);
        // down the middle of the bar: box, top outline, blue, bottom outline
        const int x = (soll[j].x1 + soll[j].x2) / 2;
        for (int y = 0; y < bild.height(); ++y) {
            QColor c = farbe::blau;
            if (y == 0 || y == soll[j].oben || y == bild.height() - 1)
                c = farbe::schwarz;
            else if (y < soll[j].oben)
                c = grund;
            QVERIFY2(bild.pixelColor(x, y) == c, qPrintable(QStringLiteral("bar %1, y %2").arg(j + 1).arg(y)));
        }
    }
}

void TestAnsichten::dat01OhneNutzerOderAuswahl()
{
    Tdat01& f = Tdat01::instanz();
    f.show();
    f.mem1dat01->setPlainText(QStringLiteral("vorher"));
    dialog::Skript skript;
    nutzer = 0;
    waehleMitTasten(f.lbox, 3);
    QTest::keyClick(f.lbox, Qt::Key_Return);
    QCOMPARE(skript.texte, QStringList{QStringLiteral("Es wurde kein Nutzer gewählt!")});
    QCOMPARE(f.mem1dat01->toPlainText(), QStringLiteral("vorher"));
    // with a user but no line chosen: the memo is cleared, nothing is read
    nutzer = 7;
    f.lbox->clearSelection();
    QFile::remove(m_ordner->pfad(QStringLiteral("xbaserg0.dat")));
    QTest::mouseClick(f.cmd1, Qt::LeftButton);
    QCOMPARE(skript.texte.size(), 1);
    QVERIFY(f.mem1dat01->toPlainText().isEmpty());
    // a missing file is the error box
    waehleMitTasten(f.lbox, 3);
    QTest::keyClick(f.lbox, Qt::Key_Return);
    QCOMPARE(skript.texte.last(), QStringLiteral("Datei nicht gefunden"));
    QVERIFY(f.isVisible());
    QTest::mouseClick(f.cmd2dat01, Qt::LeftButton);
    QVERIFY(!f.isVisible());
}

void TestAnsichten::dat01NeuerNutzerAufAltemPlatz()
{
    // Bert (slot 2) looks at his lines; Anna is chosen, Bert deleted, Carla
    // entered into his slot: she must not see his lines or his chart.
    setzeRegister({QStringLiteral("Anna"), QStringLiteral("Bert")});
    waehleNutzer(2, QStringLiteral("Bert"));
    setzeErgebnisse(37, 2, QStringList(10, QStringLiteral("07.03.2026   500")));
    Tdat01& f = Tdat01::instanz();
    f.show();
    waehleMitTasten(f.lbox, 36);
    QTest::keyClick(f.lbox, Qt::Key_Return);
    QCOMPARE(memozeilen(f.mem1dat01).first(), QStringLiteral("07.03.26    500.00"));
    const QPoint ersterBalken(27, 60);
    QCOMPARE(f.pb->bild().pixelColor(ersterBalken), farbe::blau);
    QTest::keyClick(f.lbox, Qt::Key_Space);
    waehleNutzer(1, QStringLiteral("Anna"));
    dialog::Skript skript;
    loescheZweiten(skript);
    trageEinImFenster(QStringLiteral("Carla"));
    QCOMPARE(nutzer, 2);
    QCOMPARE(nutzername, QStringLiteral("Carla"));
    f.show();
    QVERIFY(f.mem1dat01->toPlainText().isEmpty());
    const QImage& bild = f.pb->bild();
    QVERIFY(bild.isNull() || bild.pixelColor(ersterBalken) != farbe::blau);
    // the other desk deletes Carla and enters Dora, who trains there: Carla's
    // "Daten" must not show Dora's lines
    setzeRegister({QStringLiteral("Anna"), QStringLiteral("Dora")});
    setzeErgebnisse(37, 2, QStringList(10, QStringLiteral("08.03.2026   700")));
    waehleMitTasten(f.lbox, 36);
    QTest::keyClick(f.lbox, Qt::Key_Return);
    QVERIFY(f.mem1dat01->toPlainText().isEmpty());
    QCOMPARE(skript.texte.last(), QStringLiteral("Der Nutzer Carla ist nicht mehr eingetragen."));
}

void TestAnsichten::geloeschterNutzer_data()
{
    // Bert (slot 2) is current here; the other desk leaves the register and
    // every result of slot 2 in "Rechenmix" (line 12) as given; then the window opens
    QTest::addColumn<QString>("fenster");  // "Daten wieder": "Daten" showed Bert's "Rechenmix" before
    QTest::addColumn<QStringList>("eingetragen");
    QTest::addColumn<QString>("satz");
    QTest::addColumn<QString>("zeile");  // each memo line then; none: the message, and nothing shown
    const QStringList mitBert{QStringLiteral("Anna"), QStringLiteral("Bert")};
    const QStringList mitCarla{QStringLiteral("Anna"), QStringLiteral("Carla")};
    const QString carla = QStringLiteral("08.03.2026   700");
    QTest::newRow("Daten, Carla auf Berts Platz") << "Daten" << mitCarla << carla << QString();
    QTest::newRow("Überblick, Carla auf Berts Platz") << "Überblick" << mitCarla << carla << QString();
    QTest::newRow("Daten wieder, Bert gelöscht") << "Daten wieder" << QStringList{QStringLiteral("Anna")} << QString()
                                                 << QString();
    // deleted and entered again under his name: the deletion emptied his results
    QTest::newRow("Daten wieder, Bert neu eingetragen") << "Daten wieder" << mitBert << QString()
                                                        << QString(10, QLatin1Char(' ')) + QStringLiteral("   0.00");
    QTest::newRow("Daten wieder, derselbe Bert") << "Daten wieder" << mitBert << "07.03.2026   500" << "07.03.26    500.00";
}

void TestAnsichten::geloeschterNutzer()
{
    QFETCH(QString, fenster);
    QFETCH(QStringList, eingetragen);
    QFETCH(QString, satz);
    QFETCH(QString, zeile);
    setzeRegister({QStringLiteral("Anna"), QStringLiteral("Bert")});
    waehleNutzer(2, QStringLiteral("Bert"));
    setzeErgebnisse(13, 2, QStringList(10, QStringLiteral("07.03.2026   500")));
    dialog::Skript skript;
    Tdat01& d = Tdat01::instanz();
    const auto rechenmix = [&] {
        waehleMitTasten(d.lbox, 12);
        QTest::keyClick(d.lbox, Qt::Key_Return);
    };
    if (fenster == QLatin1String("Daten wieder")) {
        d.show();
        rechenmix();
        QCOMPARE(memozeilen(d.mem1dat01).first(), QStringLiteral("07.03.26    500.00"));
        QTest::keyClick(d.lbox, Qt::Key_Space);
    }
    setzeRegister(eingetragen);
    setzeErgebnisse(13, 2, QStringList(10, satz));
    const bool ueberblick = fenster == QStringLiteral("Überblick");
    QPlainTextEdit* memo = ueberblick ? Tdatlist::instanz().Memo1 : d.mem1dat01;
    QStringList beiMeldung;
    skript.texte.clear();
    skript.beimZeigen = [&](const QString&) { beiMeldung << memo->toPlainText(); };
    memo->window()->show();
    if (fenster == QLatin1String("Daten"))
        rechenmix();
    const bool da = !zeile.isEmpty();
    QCOMPARE(skript.texte, da ? QStringList() : QStringList{QStringLiteral("Der Nutzer Bert ist nicht mehr eingetragen.")});
    // nothing read is in view while the message is up, nor after
    QCOMPARE(beiMeldung, da ? QStringList() : QStringList{QString()});
    QCOMPARE(memozeilen(memo), da ? QStringList(10, zeile) : QStringList());
}

void TestAnsichten::dat02Plaetze()
{
    QList<highscore::Platz> liste = {{QStringLiteral("Eva"), QStringLiteral("345,67"), QStringLiteral("07.03.26")},
                                     {QStringLiteral("Otto"), QString(), QString()},
                                     {QStringLiteral("Anna"), QStringLiteral(" 12 "), QStringLiteral("01.02.2026")},
                                     {QStringLiteral("Max Mustermann Lang"), QStringLiteral("1234,5"), QStringLiteral("1.2.26")},
                                     {QStringLiteral("Punkt"), QStringLiteral("77.5"), QStringLiteral("07.03.26")},
                                     {QStringLiteral("Kaputt"), QStringLiteral("7x"), QStringLiteral("07.03.26")}};
    while (liste.size() < 15)
        liste << highscore::Platz{QStringLiteral("offen"), QStringLiteral("0"), QStringLiteral("01.01.26")};
    setzePlaetze(5, liste);  // "Grundre. II"
    Tdat02& f = Tdat02::instanz();
    f.show();
    QCOMPARE(f.windowTitle(), QStringLiteral("Highscore"));
    QVERIFY(f.loeschen->isHidden());
    QCOMPARE(f.lbox->count(), 110);
    QCOMPARE(f.lbox->item(4)->text(), QStringLiteral("Grundre. II"));
    waehleMitTasten(f.lbox, 4);
    QTest::keyClick(f.lbox, Qt::Key_Return);
    const QStringList z = listenzeilen(f.lbox1);
    QCOMPARE(z.size(), 15);
    QCOMPARE(z[0], QStringLiteral("Eva                  345.67  07.03.26"));
    QCOMPARE(z[1], QStringLiteral("Otto                   0.00            "));
    QCOMPARE(z[2], QStringLiteral("Anna                  12.00  01.02.26"));
    QCOMPARE(z[3], QStringLiteral("Max Mustermann Lang 1234.50  1.2.26"));
    // a point reads as well; an odd text shows as 0 (and can be deleted here)
    QCOMPARE(z[4], QStringLiteral("Punkt                 77.50  07.03.26"));
    QCOMPARE(z[5], QStringLiteral("Kaputt                 0.00  07.03.26"));
    QCOMPARE(z[14], QStringLiteral("offen                  0.00  01.01.26"));
    // viewing writes nothing
    QCOMPARE(plaetze(5).at(1).punkte, QString());
    QTest::keyClick(f.lbox, Qt::Key_Space);
    QVERIFY(!f.isVisible());
}

void TestAnsichten::dat02Loeschen_data()
{
    QTest::addColumn<int>("platz");
    QTest::newRow("Platz 1") << 1;
    QTest::newRow("Platz 7") << 7;
    QTest::newRow("Platz 15") << 15;
}

void TestAnsichten::dat02Loeschen()
{
    QFETCH(int, platz);
    setzePlaetze(110, volleListe());
    const QByteArray vorher = m_ordner->lies(highscore::kDatei);
    Tdat02& f = Tdat02::instanz();
    f.show();
    QTest::keyClick(f.lbox, Qt::Key_Down);
    QTest::keyClick(f.lbox, Qt::Key_End);
    QTest::mouseClick(f.cmd1dat02, Qt::LeftButton);
    const QStringList alt = listenzeilen(f.lbox1);
    QCOMPARE(alt.size(), 15);
    QTest::keyClick(f.lbox, Qt::Key_Delete);
    QVERIFY(f.loeschen->isVisible());
    klicke(f.lbox1, platz - 1);
    dialog::Skript skript;
    QTest::mouseClick(f.loeschen, Qt::LeftButton);
    QVERIFY(skript.texte.isEmpty());

    QList<highscore::Platz> erwartet = volleListe();
    erwartet.removeAt(platz - 1);
    erwartet << highscore::Platz{QStringLiteral("offen"), QStringLiteral("0"), QStringLiteral("07.03.2026")};
    const QList<highscore::Platz> jetzt = plaetze(110);
    for (int p = 0; p < 15; ++p) {
        QCOMPARE(jetzt[p].name, erwartet[p].name);
        QCOMPARE(jetzt[p].punkte, erwartet[p].punkte);
        QCOMPARE(jetzt[p].datum, erwartet[p].datum);
    }
    // only the block of the exercise shown was written
    const QByteArray nachher = m_ordner->lies(highscore::kDatei);
    QCOMPARE(nachher.size(), vorher.size());
    const int anfang = 109 * 15 * 63;
    QCOMPARE(nachher.left(anfang), vorher.left(anfang));

    QStringList zeilen = alt;
    zeilen.removeAt(platz - 1);
    zeilen << QStringLiteral("offen                  0.00   07.03.2026");
    QCOMPARE(listenzeilen(f.lbox1), zeilen);

    // the button stays for the rest of the run
    QTest::keyClick(f.lbox, Qt::Key_Space);
    f.show();
    QVERIFY(f.loeschen->isVisible());
}

void TestAnsichten::dat02LoeschenOhneAuswahl()
{
    setzePlaetze(1, volleListe());
    const QByteArray vorher = m_ordner->lies(highscore::kDatei);
    Tdat02& f = Tdat02::instanz();
    f.show();
    QTest::keyClick(f.lbox, Qt::Key_Delete);
    waehleMitTasten(f.lbox, 0);
    QTest::keyClick(f.lbox, Qt::Key_Return);
    dialog::Skript skript;
    QTest::mouseClick(f.loeschen, Qt::LeftButton);
    // after a deletion nothing stays chosen either
    klicke(f.lbox1, 2);
    QTest::mouseClick(f.loeschen, Qt::LeftButton);
    QTest::mouseClick(f.loeschen, Qt::LeftButton);
    const QString kein = QStringLiteral("Es wurde kein Eintrag ausgewählt!");
    QCOMPARE(skript.texte, (QStringList{kein, kein}));
    QCOMPARE(plaetze(1).at(2).name, QStringLiteral("Platz4"));
    QCOMPARE(plaetze(1).at(13).name, QStringLiteral("Platz15"));
    QCOMPARE(plaetze(1).at(14).name, QStringLiteral("offen"));
    QCOMPARE(m_ordner->lies(highscore::kDatei).size(), vorher.size());
}

void TestAnsichten::dat02NachNeuemEintragNichtVeraltet()
{
    // The list shown before a run entered a new best must not be written back over it.
    setzePlaetze(1, volleListe());
    Tdat02& f = Tdat02::instanz();
    f.show();
    QTest::keyClick(f.lbox, Qt::Key_Delete);
    waehleMitTasten(f.lbox, 0);
    QTest::keyClick(f.lbox, Qt::Key_Return);
    QTest::keyClick(f.lbox, Qt::Key_Space);
    ergein(7, 13, 5000.0f);
    highein(13, 5000.0f);
    f.show();
    QCOMPARE(f.lbox1->count(), 0);
    dialog::Skript skript;
    QTest::mouseClick(f.loeschen, Qt::LeftButton);
    QCOMPARE(skript.texte, QStringList{QStringLiteral("Es wurde kein Eintrag ausgewählt!")});
    QCOMPARE(plaetze(1).at(0).name, QStringLiteral("Eva"));
    QCOMPARE(plaetze(1).at(1).name, QStringLiteral("Platz1"));
    waehleMitTasten(f.lbox, 0);
    QTest::keyClick(f.lbox, Qt::Key_Return);
    QCOMPARE(f.lbox1->item(0)->text(), QStringLiteral("Eva                 5000.00  07.03.26"));
}

void TestAnsichten::datlistZeilen()
{
    ergein(7, 13, 234.56f);  // "Tippen", stored as "234,559"
    highein(13, 234.56f);
    ergein(7, 131, 5.0f);    // "Quiz": older result, then the newest
    ergein(7, 131, 88.25f);
    ergein(8, 14, 300.0f);   // another user
    setzePlaetze(2, {{QStringLiteral("Otto"), QStringLiteral("300"), QStringLiteral("07.03.26")}});
    Tdatlist& f = Tdatlist::instanz();
    f.show();
    QCOMPARE(f.windowTitle(), QStringLiteral("Überblick"));
    const QStringList z = f.zeilen();
    QCOMPARE(z.size(), 110);
    const QString mitte(13, QLatin1Char(' '));
    QCOMPARE(z[0], QStringLiteral("Tippen             ") + QStringLiteral(" 234.56") + mitte + QStringLiteral(" 234.56"));
    QCOMPARE(z[1], QStringLiteral("Zählen             ") + QStringLiteral(" 300.00") + mitte + QStringLiteral("   0.00"));
    QCOMPARE(z[2], QStringLiteral("Zahlwort           ") + QStringLiteral("   0.00") + mitte + QStringLiteral("   0.00"));
    QCOMPARE(z[60], QStringLiteral("Ketten III         ") + QStringLiteral("   0.00") + mitte + QStringLiteral("   0.00"));
    QCOMPARE(z[109], QStringLiteral("Quiz               ") + QStringLiteral("   0.00") + mitte + QStringLiteral("  88.25"));
    QCOMPARE(f.focusWidget(), f.Button2);
    QTest::keyClick(f.Button2, Qt::Key_Space);
    QVERIFY(!f.isVisible());
}

void TestAnsichten::datlistDrucken()
{
    Tdatlist& f = Tdatlist::instanz();
    waehleNutzer(7, QStringLiteral("Ein sehr langer Name"));
    f.show();
    const QString datei = m_ordner->pfad(QStringLiteral("ueberblick.pdf"));
    Druckauftrag::setzeZieldatei(datei);
    for (std::uint8_t vorher : {std::uint8_t(1), std::uint8_t(0)}) {
        ungedruckt = vorher;
        dialog::Skript skript;
        QTest::mouseClick(f.Button1, Qt::LeftButton);
        QVERIFY(skript.texte.isEmpty());
        QCOMPARE(ungedruckt, vorher);
    }
    QCOMPARE(Druckauftrag::letzteDatei(), datei);
    const QByteArray pdf = m_ordner->lies(QStringLiteral("ueberblick.pdf"));
    QCOMPARE(seitenzahl(pdf), 2);
    const QList<QList<QPoint>> seiten = pdfTexte(pdf);
    QCOMPARE(seiten.size(), 2);
    // the header and 60 lines, then 50 lines without a header
    QCOMPARE(seiten[0].size(), 61);
    QCOMPARE(seiten[1].size(), 50);
    const int oberlaenge = seiten[0][0].y();  // the header stands at y = 0
    for (int s = 0; s < 2; ++s)
        for (int i = 0; i < seiten[s].size(); ++i) {
            QCOMPARE(seiten[s][i].x(), 200);
            // the header, then line r at (r + 1) x 43; the second page from 86 on
            QCOMPARE(seiten[s][i].y() - oberlaenge, (s == 0 ? i : i + 2) * 43);
        }
}

int main(int argc, char** argv)
{
    Anwendung app(argc, argv);
    TestAnsichten t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_ansichten.moc"
