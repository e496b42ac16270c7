// The user register: entering, listing, choosing and deleting users.
#include "common/dateischreiben.h"
#include "common/satzdatei.h"
#include "common/zustand.h"
#include "platform/anwendung.h"
#include "platform/dialoge.h"
#include "shell/ergebnisse.h"
#include "shell/nutzerregister.h"
#include "shell/uform1.h"
#include "shell/uform4.h"
#include "shell/uform5.h"
#include "shell/unut01.h"
#include "shell/unut02.h"
#include "shell/uwah01.h"
#include "tests/support/testumgebung.h"

#include <QTest>

#include <csignal>
#include <sys/resource.h>

namespace {

QStringList register_() { return nutzerregister::lies(); }

QPoint mitte(int spalte, int zeile)  // column and row from 1
{
    return {((spalte - 1) * 25 + 10) * einheitx, (8 * zeile + 4) * einheity};
}

}

class TestNutzer : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void eintragen();
    void eintragenGrossKlein_data();
    void eintragenGrossKlein();
    void eintragenLeerBleibtOffen();
    void eintragenVoll();
    void eintragenHoechstens18();
    void waehlenMitMausUndTasten();
    void waehlenLeererPlatz();
    void waehlenOhneRegister();
    void rasterTrefferNurInDenBaendern_data();
    void rasterTrefferNurInDenBaendern();
    void anzeigenUndSortieren();
    void sortierenOhneRegister();
    void loeschenVerweigert_data();
    void loeschenVerweigert();
    void loeschenLeertAlleDateien();
    void loeschenFragtNachJedemKlick();
    void loeschenAbgebrochenLaesstRegister_data();
    void loeschenAbgebrochenLaesstRegister();
    void eintragenUngueltig_data();
    void eintragenUngueltig();
    void eintragenBeiDateigrenze();
    void eintragenNurNachEigenemEnter();
    void eintragenMitEscVerlassen();

private:
    std::unique_ptr<Arbeitsordner> m_ordner;
    std::unique_ptr<TForm1> m_haupt;
};

void TestNutzer::init()
{
    m_ordner = std::make_unique<Arbeitsordner>();
    m_haupt = std::make_unique<TForm1>();
    nutzer = 0;
    nutzername.clear();
    TForm4::instanz().zeileHinzufuegen(QStringLiteral("  alte Zeile"));
}

void TestNutzer::cleanup()
{
    satzdatei::setzeFehlerNach(satzdatei::Schritt::Schreiben, 0);
    for (QWidget* w : QApplication::topLevelWidgets())
        w->hide();
    m_haupt.reset();
    m_ordner.reset();
}

void TestNutzer::eintragen()
{
    dialog::Skript skript;
    setzeRegister({QStringLiteral("Anna"), QStringLiteral("--x"), QStringLiteral("Otto")});
    trageEinImFenster(QStringLiteral("  Jürgen Groß "));
    QCOMPARE(skript.texte, QStringList{QStringLiteral("Der Nutzer wurde eingetragen!")});
    QCOMPARE(register_().at(1), QStringLiteral("Jürgen Groß"));  // first slot starting with "--"
    QCOMPARE(nutzer, 2);
    QCOMPARE(nutzername, QStringLiteral("Jürgen Groß"));
    QCOMPARE(m_haupt->windowTitle(), QStringLiteral("VELMORA 6.03    NUTZER: Jürgen Groß"));
    QCOMPARE(TForm4::instanz().zeilen().size(), 1);
    QVERIFY(!Tnut02::instanz().isVisible());
    QVERIFY(Tnut02::instanz().edi1nut02->text().isEmpty());
    QCOMPARE(m_ordner->lies(QStringLiteral("xbasan.dat")).size(), 840);
}

void TestNutzer::eintragenGrossKlein_data()
{
    QTest::addColumn<QString>("vorhanden");
    QTest::addColumn<QString>("neu");
    QTest::addColumn<bool>("angenommen");
    QTest::newRow("nur a-z anders") << "Max Meier" << "MAX meier" << false;
    QTest::newRow("Umlaut anders") << "Jörg" << "JÖRG" << true;
    QTest::newRow("gleich") << "Eva" << "Eva" << false;
    QTest::newRow("ß bleibt") << "Strauß" << "STRAUSS" << true;
}

void TestNutzer::eintragenGrossKlein()
{
    QFETCH(QString, vorhanden);
    QFETCH(QString, neu);
    QFETCH(bool, angenommen);
    setzeRegister({vorhanden});
    dialog::Skript skript;
    trageEinImFenster(neu);
    QCOMPARE(skript.texte.first(), angenommen ? QStringLiteral("Der Nutzer wurde eingetragen!")
                                              : QStringLiteral("Der Benutzer ist bereits eingetragen!"));
    QCOMPARE(register_().at(1), angenommen ? neu : nutzerregister::kFrei);
    QCOMPARE(nutzer, angenommen ? 2 : 0);
}

void TestNutzer::eintragenLeerBleibtOffen()
{
    dialog::Skript skript;
    const QByteArray vorher = m_ordner->lies(QStringLiteral("xbasan.dat"));
    trageEinImFenster(QStringLiteral("    "));
    QVERIFY(skript.texte.isEmpty());
    QVERIFY(Tnut02::instanz().isVisible());
    QCOMPARE(m_ordner->lies(QStringLiteral("xbasan.dat")), vorher);
}

void TestNutzer::eintragenVoll()
{
    QStringList voll;
    for (int k = 1; k <= 40; ++k)
        voll << QStringLiteral("Nutzer %1").arg(k);
    setzeRegister(voll);
    dialog::Skript skript;
    trageEinImFenster(QStringLiteral("Neu"));
    QCOMPARE(skript.texte, QStringList{QStringLiteral("Es sind bereits 40 Nutzer eingetragen!")});
    QCOMPARE(register_(), voll);
}

void TestNutzer::eintragenHoechstens18()
{
    dialog::Skript skript;
    trageEinImFenster(QStringLiteral("Abcdefghijklmnopqrstuvwxyz"));
    QCOMPARE(register_().at(0), QStringLiteral("Abcdefghijklmnopqr"));
}

void TestNutzer::waehlenMitMausUndTasten()
{
    setzeRegister({QStringLiteral("Anna"), QStringLiteral("Bert")});
    QStringList alle = register_();
    alle[12] = QStringLiteral("Carla");  // column 2, row 3
    nutzerregister::schreibe(alle);
    dialog::Skript skript;
    Twah01& w = Twah01::instanz();
    w.show();
    QTest::keyClick(&w, Qt::Key_Down);
    QTest::keyClick(&w, Qt::Key_Return);
    QCOMPARE(nutzer, 2);
    QCOMPARE(nutzername, QStringLiteral("Bert"));
    QCOMPARE(skript.texte, QStringList{QStringLiteral("Der gewählte Nutzer heißt Bert.")});
    QCOMPARE(m_haupt->windowTitle(), QStringLiteral("VELMORA 6.03    NUTZER: Bert"));
    QCOMPARE(TForm4::instanz().zeilen().size(), 1);
    QVERIFY(!w.isVisible());
    w.show();
    QTest::mouseClick(&w, Qt::LeftButton, {}, mitte(2, 3));
    QCOMPARE(nutzer, 13);
    QCOMPARE(nutzername, QStringLiteral("Carla"));
}

void TestNutzer::waehlenLeererPlatz()
{
    setzeRegister({QStringLiteral("Anna")});
    nutzer = 1;
    nutzername = QStringLiteral("Anna");
    hauptfenstertitelSetzen();
    dialog::Skript skript;
    Twah01& w = Twah01::instanz();
    w.show();
    QTest::keyClick(&w, Qt::Key_Left);  // column 4, slot 31
    QTest::keyClick(&w, Qt::Key_Return);
    QCOMPARE(nutzer, 0);
    QVERIFY(skript.texte.isEmpty());
    QCOMPARE(m_haupt->windowTitle(), QStringLiteral("VELMORA 6.03    NUTZER: Anna"));  // unchanged
    QCOMPARE(TForm4::instanz().zeilen().size(), 2);                                   // unchanged
}

void TestNutzer::waehlenOhneRegister()
{
    setzeRegister({QStringLiteral("Anna")});
    Twah01& w = Twah01::instanz();
    w.show();  // read once, as before
    w.hide();
    QFile::remove(m_ordner->pfad(QStringLiteral("xbasan.dat")));
    nutzer = 0;
    dialog::Skript skript;
    w.show();
    QCOMPARE(skript.texte, QStringList{QStringLiteral("Datei nicht gefunden")});
    // nothing read, nothing to choose: no user, no message, captions unchanged
    QTest::mouseClick(&w, Qt::LeftButton, {}, mitte(1, 1));
    QCOMPARE(skript.texte.size(), 1);
    QCOMPARE(nutzer, 0);
    QCOMPARE(m_haupt->windowTitle(), QStringLiteral("VELMORA 6.03    NUTZER: ----"));
    QVERIFY(!w.isVisible());
}

void TestNutzer::rasterTrefferNurInDenBaendern_data()
{
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("y");
    QTest::addColumn<QPoint>("treffer");
    QTest::newRow("erste Zelle") << 3 << 10 << QPoint(1, 1);
    QTest::newRow("Spaltenrand 25") << 25 << 14 << QPoint(1, 1);
    QTest::newRow("zwischen Zeilen") << 10 << 15 << QPoint(0, 0);
    QTest::newRow("links vom Raster") << 2 << 12 << QPoint(0, 0);
    QTest::newRow("letzte Zelle") << 99 << 86 << QPoint(4, 10);
    QTest::newRow("unter dem Raster") << 50 << 90 << QPoint(0, 0);
}

void TestNutzer::rasterTrefferNurInDenBaendern()
{
    QFETCH(int, x);
    QFETCH(int, y);
    QFETCH(QPoint, treffer);
    einheitx = 19;
    einheity = 10;
    QCOMPARE(Namensraster::treffer(QPoint(x * einheitx, y * einheity)), treffer);
}

void TestNutzer::anzeigenUndSortieren()
{
    setzeRegister({QStringLiteral("otto"), QStringLiteral("Anna"), QStringLiteral("_max"), QStringLiteral("Ärger"),
                   QStringLiteral("bert")});
    dialog::Skript skript;
    Tnut01& f = Tnut01::instanz();
    f.show();
    QCOMPARE(f.lst1nut01->count(), 40);
    QCOMPARE(f.lst1nut01->item(0)->text(), QStringLiteral("otto"));
    QCOMPARE(f.lst1nut01->currentRow(), 0);
    QTest::mouseClick(f.Button1, Qt::LeftButton);
    QCOMPARE(skript.texte, QStringList{QStringLiteral("Bei weniger als 40 Nutzern stehen die Einträge am Ende der Liste!")});
    QStringList gezeigt;
    for (int i = 0; i < f.lst1nut01->count(); ++i)
        gezeigt << f.lst1nut01->item(i)->text();
    // the free slots before every name, "_" too; "Ä" goes with "A"
    QCOMPARE(gezeigt.mid(0, 35), QStringList(35, QStringLiteral("-----")));
    QCOMPARE(gezeigt.mid(35), (QStringList{"_max", "Anna", "Ärger", "bert", "otto"}));
    f.hide();
    f.show();  // still sorted when shown again
    QCOMPARE(f.lst1nut01->item(39)->text(), QStringLiteral("otto"));
    QTest::mouseClick(f.cmd2nut01, Qt::LeftButton);
    QVERIFY(!f.isVisible());
}

// A register that cannot be read leaves the list empty; sorting keeps it so,
// whatever an earlier reading held.
void TestNutzer::sortierenOhneRegister()
{
    setzeRegister({QStringLiteral("Anna")});
    Tnut01& f = Tnut01::instanz();
    f.show();
    QCOMPARE(f.lst1nut01->count(), 40);
    f.hide();
    QVERIFY(QFile::remove(m_ordner->pfad(nutzerregister::kDatei)));
    dialog::Skript skript;
    f.show();
    QCOMPARE(skript.texte, QStringList{QStringLiteral("Datei nicht gefunden")});
    QCOMPARE(f.lst1nut01->count(), 0);
    QTest::mouseClick(f.Button1, Qt::LeftButton);
    QCOMPARE(f.lst1nut01->count(), 0);
}

void TestNutzer::loeschenVerweigert_data()
{
    QTest::addColumn<int>("slot");
    QTest::addColumn<int>("aktuell");
    QTest::addColumn<QStringList>("meldungen");
    QTest::newRow("erster") << 1 << 3 << QStringList{QStringLiteral("Dieser Nutzer kann nicht gelöscht werden!")};
    QTest::newRow("aktueller") << 2 << 2 << QStringList{QStringLiteral("Dies ist der aktuelle Nutzer!")};
    QTest::newRow("erster und aktueller") << 1 << 1
                                          << QStringList{QStringLiteral("Dieser Nutzer kann nicht gelöscht werden!"),
                                                         QStringLiteral("Dies ist der aktuelle Nutzer!")};
    QTest::newRow("leer") << 4 << 1 << QStringList{QStringLiteral("unbekannter Nutzer!")};
}

void TestNutzer::loeschenVerweigert()
{
    QFETCH(int, slot);
    QFETCH(int, aktuell);
    QFETCH(QStringList, meldungen);
    setzeRegister({QStringLiteral("Anna"), QStringLiteral("Bert"), QStringLiteral("Carla")});
    nutzer = aktuell;
    const QByteArray vorher = m_ordner->lies(QStringLiteral("xbasan.dat"));
    dialog::Skript skript;
    skript.antworten = {dialog::Knopf::Nein};
    TForm5& f = TForm5::instanz();
    f.show();
    QTest::mouseClick(f.Button1, Qt::LeftButton);
    for (int i = 1; i < slot; ++i)
        QTest::keyClick(&f, Qt::Key_Down);
    QTest::keyClick(&f, Qt::Key_Return);
    QCOMPARE(skript.texte, meldungen + QStringList{QStringLiteral("Noch einen Nutzer löschen?")});
    QCOMPARE(m_ordner->lies(QStringLiteral("xbasan.dat")), vorher);
    QVERIFY(!f.isVisible());
}

void TestNutzer::loeschenLeertAlleDateien()
{
    setzeRegister({QStringLiteral("Anna"), QStringLiteral("B"), QStringLiteral("C"), QStringLiteral("D"),
                   QStringLiteral("E"), QStringLiteral("F"), QStringLiteral("Gerd")});
    // results of users 6, 7 and 8 in two categories, a level record of user 7
    for (int u : {6, 7, 8}) {
        ergein(u, 13, 100.0f);
        ergein(u, 131, 200.0f);
    }
    {
        Satzdatei d(QStringLiteral("robbier.dat"), 51);
        d.positioniere(6);
        d.schreibeText(QStringLiteral("1").repeated(50));
    }
    nutzer = 1;
    dialog::Skript skript;
    skript.antworten = {dialog::Knopf::Nein};
    TForm5& f = TForm5::instanz();
    f.show();
    QTest::mouseClick(f.Button1, Qt::LeftButton);
    QTest::mouseClick(&f, Qt::LeftButton, {}, mitte(1, 7));
    QCOMPARE(skript.texte, (QStringList{QStringLiteral("Gerd wurde gelöscht!"), QStringLiteral("Noch einen Nutzer löschen?")}));
    QCOMPARE(skript.titel.last(), QStringLiteral("VELMORA"));
    QCOMPARE(register_().at(6), nutzerregister::kFrei);
    QCOMPARE(register_().at(5), QStringLiteral("F"));
    for (int d = 0; d <= 9; ++d) {
        const QByteArray b = m_ordner->lies(ergebnis::dateiname(d));
        QCOMPARE(b.size(), 92400);
        for (int i = 0; i <= 10; ++i)
            for (int r = 0; r < 10; ++r)
                QCOMPARE(b.mid((i * 400 + 60 + r) * 21, 21), QByteArray("\x14") + QByteArray(20, ' '));
    }
    // the neighbours keep their results
    QVERIFY(m_ordner->lies(QStringLiteral("xbaserg0.dat")).mid((50 + 9) * 21 + 14, 3) == "100");
    QVERIFY(m_ordner->lies(QStringLiteral("xbaserg9.dat")).mid((4000 + 70 + 9) * 21 + 14, 3) == "200");
    for (const char* datei : {"robbier.dat", "springer.dat", "schieber.dat", "rangier.dat"})
        QCOMPARE(m_ordner->lies(QString::fromLatin1(datei)).mid(6 * 51, 51), QByteArray("\x32") + QByteArray(50, '0'));
    QCOMPARE(nutzer, 1);
}

void TestNutzer::loeschenFragtNachJedemKlick()
{
    setzeRegister({QStringLiteral("Anna"), QStringLiteral("Bert")});
    dialog::Skript skript;
    skript.antworten = {dialog::Knopf::Ja, dialog::Knopf::Ja, dialog::Knopf::Nein};
    TForm5& f = TForm5::instanz();
    f.show();
    // a press before the button was pressed deletes nothing, but asks
    QTest::mouseClick(&f, Qt::LeftButton, {}, mitte(1, 2));
    QCOMPARE(register_().at(1), QStringLiteral("Bert"));
    QCOMPARE(skript.texte, QStringList{QStringLiteral("Noch einen Nutzer löschen?")});
    QVERIFY(f.Button1->isHidden());  // Yes lays the grid out
    QTest::mouseClick(&f, Qt::LeftButton, {}, QPoint(2, 2));  // empty space
    QCOMPARE(skript.texte.size(), 2);
    QTest::mouseClick(&f, Qt::LeftButton, {}, mitte(1, 2));
    QCOMPARE(skript.texte.mid(2), (QStringList{QStringLiteral("Bert wurde gelöscht!"), QStringLiteral("Noch einen Nutzer löschen?")}));
    QVERIFY(!f.isVisible());
}

void TestNutzer::loeschenAbgebrochenLaesstRegister_data()
{
    QTest::addColumn<QString>("datei");
    QTest::addColumn<int>("bytes");  // left in the file, -1 removed
    QTest::addColumn<int>("schritt");  // a step made to fail, as on a full disk
    QTest::addColumn<int>("n");
    QTest::addColumn<QString>("fehler");
    const int schreiben = int(satzdatei::Schritt::Schreiben);
    const int leeren = int(satzdatei::Schritt::Leeren);
    const int abschliessen = int(satzdatei::Schritt::Abschliessen);
    QTest::newRow("Ergebnisdatei fehlt") << "xbaserg5.dat" << -1 << schreiben << 0 << "Datei nicht gefunden";
    QTest::newRow("letzte Ergebnisdatei kurz") << "xbaserg9.dat" << 92379 << schreiben << 0
                                               << "Versuch hinter dem Dateiende zu lesen";
    QTest::newRow("letzte Leveldatei fehlt") << "rangier.dat" << -1 << schreiben << 0 << "Datei nicht gefunden";
    QTest::newRow("Leveldatei kurz") << "springer.dat" << 51 << schreiben << 0 << "Versuch hinter dem Dateiende zu lesen";
    // written in order: xbaserg0 to 9, the four level files, the register
    QTest::newRow("neunte Ergebnisdatei schreiben") << "" << 0 << schreiben << 9 << "Zu wenig Speicherplatz";
    QTest::newRow("Register auf die Platte") << "" << 0 << leeren << 15 << "Zu wenig Speicherplatz";
    QTest::newRow("neunte Ergebnisdatei umbenennen") << "" << 0 << abschliessen << 9 << "Zu wenig Speicherplatz";
    QTest::newRow("Register umbenennen") << "" << 0 << abschliessen << 15 << "Zu wenig Speicherplatz";
}

void TestNutzer::loeschenAbgebrochenLaesstRegister()
{
    QFETCH(QString, datei);
    QFETCH(int, bytes);
    QFETCH(int, schritt);
    QFETCH(int, n);
    QFETCH(QString, fehler);
    setzeRegister({QStringLiteral("Anna"), QStringLiteral("Bert")});
    ergein(2, 13, 100.0f);
    {
        Satzdatei d(QStringLiteral("robbier.dat"), 51);
        d.positioniere(1);
        d.schreibeText(QStringLiteral("1").repeated(50));
    }
    if (bytes < 0)
        QFile::remove(m_ordner->pfad(datei));
    else if (!datei.isEmpty())
        m_ordner->schreibe(datei, m_ordner->lies(datei).left(bytes));
    const QStringList dateien = m_ordner->dateien();
    QMap<QString, QByteArray> vorher;
    for (const QString& d : dateien)
        vorher[d] = m_ordner->lies(d);
    dialog::Skript skript;
    skript.antworten = {dialog::Knopf::Nein};
    TForm5& f = TForm5::instanz();
    f.show();
    QTest::mouseClick(f.Button1, Qt::LeftButton);
    QTest::keyClick(&f, Qt::Key_Down);
    satzdatei::setzeFehlerNach(satzdatei::Schritt(schritt), n);
    QTest::keyClick(&f, Qt::Key_Return);
    QCOMPARE(skript.texte.first(), fehler);
    // no file has changed, and no temporary copy is left
    QCOMPARE(m_ordner->dateien(), dateien);
    for (const QString& d : dateien)
        QVERIFY2(m_ordner->lies(d) == vorher[d], qPrintable(d));
    QCOMPARE(register_().at(1), QStringLiteral("Bert"));
}

void TestNutzer::eintragenUngueltig_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("wie ein freier Platz") << " --Otto";
    // the register would hold "?ukasz", and "Łukasz" could be entered again
    QTest::newRow("außerhalb von Windows-1252") << "Łukasz";
}

void TestNutzer::eintragenUngueltig()
{
    QFETCH(QString, name);
    setzeRegister({QStringLiteral("Anna")});
    const QByteArray vorher = m_ordner->lies(QStringLiteral("xbasan.dat"));
    dialog::Skript skript;
    trageEinImFenster(name);
    QCOMPARE(skript.texte, QStringList{QStringLiteral("ungültige Eingabe!")});
    QCOMPARE(m_ordner->lies(QStringLiteral("xbasan.dat")), vorher);
    QCOMPARE(nutzer, 0);
    QVERIFY(!Tnut02::instanz().isVisible());
    QVERIFY(Tnut02::instanz().edi1nut02->text().isEmpty());
}

void TestNutzer::eintragenBeiDateigrenze()
{
    // the real limit: no file may grow past 0 bytes; SIGXFSZ would end the test
    const QStringList dateienVorher = m_ordner->dateien();
    const QByteArray vorher = m_ordner->lies(QStringLiteral("xbasan.dat"));
    rlimit alt{};
    QCOMPARE(::getrlimit(RLIMIT_FSIZE, &alt), 0);
    const auto signalVorher = std::signal(SIGXFSZ, SIG_IGN);
    rlimit null = alt;
    null.rlim_cur = 0;
    QCOMPARE(::setrlimit(RLIMIT_FSIZE, &null), 0);
    dialog::Skript skript;
    trageEinImFenster(QStringLiteral("Neu"));
    ::setrlimit(RLIMIT_FSIZE, &alt);
    std::signal(SIGXFSZ, signalVorher);
    QCOMPARE(skript.texte, QStringList{QStringLiteral("Zu wenig Speicherplatz")});
    QCOMPARE(m_ordner->lies(QStringLiteral("xbasan.dat")).size(), 840);
    QCOMPARE(m_ordner->lies(QStringLiteral("xbasan.dat")), vorher);
    QCOMPARE(m_ordner->dateien(), dateienVorher);
    QCOMPARE(nutzer, 0);
}

void TestNutzer::eintragenNurNachEigenemEnter()
{
    // a name left in the field when the window was closed, then the window is
    // opened again by an Enter whose release reaches the field
    dialog::Skript skript;
    Tnut02& f = Tnut02::instanz();
    f.show();
    tippe(f.edi1nut02, QStringLiteral("Rest"));
    f.hide();
    f.show();
    QTest::keyRelease(f.edi1nut02, Qt::Key_Return);
    QVERIFY(skript.texte.isEmpty());
    QVERIFY(f.isVisible());
    QCOMPARE(register_().at(0), nutzerregister::kFrei);
    QTest::keyClick(f.edi1nut02, Qt::Key_Return);
    QCOMPARE(skript.texte, QStringList{QStringLiteral("Der Nutzer wurde eingetragen!")});
    QCOMPARE(register_().at(0), QStringLiteral("Rest"));
}

void TestNutzer::eintragenMitEscVerlassen()
{
    // the full-screen window has no close box: Esc leaves it without entering anyone
    dialog::Skript skript;
    const QByteArray vorher = m_ordner->lies(QStringLiteral("xbasan.dat"));
    Tnut02& f = Tnut02::instanz();
    f.show();
    tippe(f.edi1nut02, QStringLiteral("Irrtum"));
    QTest::keyClick(f.edi1nut02, Qt::Key_Escape);
    QVERIFY(!f.isVisible());
    QVERIFY(skript.texte.isEmpty());
    QCOMPARE(m_ordner->lies(QStringLiteral("xbasan.dat")), vorher);
    QCOMPARE(nutzer, 0);
    // opened again, the abandoned name is gone and Enter enters nothing
    f.show();
    QVERIFY(f.edi1nut02->text().isEmpty());
    QTest::keyClick(f.edi1nut02, Qt::Key_Return);
    QVERIFY(skript.texte.isEmpty());
    QVERIFY(f.isVisible());
}

int main(int argc, char** argv)
{
    Anwendung app(argc, argv);
    TestNutzer t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_nutzer.moc"
