// The button menu, both dispatchers, the rules window and the password dialog.
#include "common/programme.h"
#include "common/zustand.h"
#include "platform/anwendung.h"
#include "platform/dialoge.h"
#include "platform/drucker.h"
#include "platform/farben.h"
#include "shell/aufruf.h"
#include "shell/programmtabelle.h"
#include "shell/regeltexte.h"
#include "shell/uform1.h"
#include "shell/uform4.h"
#include "shell/upasswort.h"
#include "shell/uregel.h"
#include "shell/verwaltung.h"
#include "tests/support/testdrucker.h"
#include "tests/support/testumgebung.h"

#include <QTest>

class TestMenue : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void vorDemMenueNichts();
    void pfeileUmlaufend_data();
    void pfeileUmlaufend();
    void leertasteWieEnter();
    void mausUndZurueck();
    void endeFragtNachDruck_data();
    void endeFragtNachDruck();
    void nutzerpruefung_data();
    void nutzerpruefung();
    void regelfensterVorDerUebung();
    void unbekannteNummerOhneFolgen();
    void regelnAllerProgramme();
    void passwort_data();
    void passwort();

private:
    // The title button: the choice of the user comes first, then level 0.
    void menueAn()
    {
        m_form->Button1Click();
        QCOMPARE(m_fenster->gezeigt, QStringList{QStringLiteral("wah01")});
        m_fenster->gezeigt.clear();
    }
    std::unique_ptr<Arbeitsordner> m_ordner;
    std::unique_ptr<TForm1> m_form;
    std::unique_ptr<Fensterprotokoll> m_fenster;
    QList<int> m_geoeffnet; // programs whose window opened
};

void TestMenue::init()
{
    m_ordner = std::make_unique<Arbeitsordner>();
    m_geoeffnet.clear();
    m_fenster = std::make_unique<Fensterprotokoll>();
    Programmtabelle& t = Programmtabelle::global();
    for (int n : {13, 40, 131})
        t.setze(n, [this, n] { m_geoeffnet << n; });
    m_form = std::make_unique<TForm1>();
    m_form->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_form.get()));
    nutzer = 0;
    ungedruckt = 0;
}

void TestMenue::cleanup()
{
    m_form.reset();
    m_fenster.reset();
    m_ordner.reset();
}

void TestMenue::vorDemMenueNichts()
{
    dialog::Skript skript;
    ungedruckt = 1;
    feldnr = 12;
    QTest::keyClick(m_form.get(), Qt::Key_Space);
    QTest::keyClick(m_form.get(), Qt::Key_Return);
    m_form->mausruf();
    QVERIFY(skript.texte.isEmpty());
    QVERIFY(m_form->isVisible());
    QVERIFY(m_form->butt[0]->isHidden());
    // arrows draw no frame on the title screen
    QTest::keyClick(m_form.get(), Qt::Key_Down);
    QCOMPARE(m_form->canvas().bild()->pixelColor(3 * einheitx + 1, 18 * einheity + 1), QColor(farbe::blau));
}

void TestMenue::pfeileUmlaufend_data()
{
    QTest::addColumn<QList<int>>("tasten");
    QTest::addColumn<int>("feld");
    QTest::newRow("links von links") << QList<int>{Qt::Key_Left} << 7;
    QTest::newRow("rechts von rechts") << QList<int>{Qt::Key_Right, Qt::Key_Right} << 1;
    QTest::newRow("hoch von oben") << QList<int>{Qt::Key_Up} << 6;
    QTest::newRow("runter von unten") << QList<int>{Qt::Key_Up, Qt::Key_Down} << 1;
    QTest::newRow("rechts unten") << QList<int>{Qt::Key_Up, Qt::Key_Right} << 12;
    QTest::newRow("zwei runter") << QList<int>{Qt::Key_Down, Qt::Key_Down} << 3;
}

void TestMenue::pfeileUmlaufend()
{
    QFETCH(QList<int>, tasten);
    QFETCH(int, feld);
    menueAn();
    QCOMPARE(m_form->ebene, 0);
    QCOMPARE(m_form->farbe(), farbe::blau);
    QCOMPARE(m_form->butt[11]->text(), QStringLiteral("Ende"));
    for (int t : tasten)
        QTest::keyClick(m_form.get(), Qt::Key(t));
    QCOMPARE(feldnr, feld);
    // the frame stands around the button, the old one is gone
    const QImage& bild = *m_form->canvas().bild();
    const int x = ((cursorx * 50 + 3) * einheitx) + 1, y = ((cursory * 16 + 2) * einheity) + 1;
    QCOMPARE(bild.pixelColor(x, y), farbe::buttonFace());
    if (feld != 1)
        QCOMPARE(bild.pixelColor(3 * einheitx + 1, 2 * einheity + 1), QColor(farbe::blau));
}

void TestMenue::leertasteWieEnter()
{
    menueAn();
    QTest::keyClick(m_form.get(), Qt::Key_Down);  // "Zahlen"
    QTest::keyClick(m_form.get(), Qt::Key_Space);
    QCOMPARE(m_form->ebene, 2);
    QCOMPARE(m_form->hauptebene, 0);
    QCOMPARE(m_form->farbe(), farbe::buttonFace());
    QCOMPARE(m_form->butt[0]->text(), QStringLiteral("Tippen"));
    QCOMPARE(m_form->butt[11]->text(), QStringLiteral("zurück"));
    QCOMPARE(feldnr, 2);
    QCOMPARE(cursory, 0);  // the new level starts on button 1
    // Enter right away acts on button 1: program 13, which needs a user
    dialog::Skript skript;
    QTest::keyClick(m_form.get(), Qt::Key_Return);
    QCOMPARE(skript.texte, QStringList{QStringLiteral("Es wurde kein Nutzer gewählt!")});
    nutzer = 1;
    QTest::keyClick(m_form.get(), Qt::Key_Return);
    QCOMPARE(m_geoeffnet, QList<int>{13});
    QCOMPARE(m_fenster->gezeigt, QStringList{QStringLiteral("regel")});
    QCOMPARE(cursorx + cursory, 0);  // laid out again with the cursor on button 1
}

void TestMenue::mausUndZurueck()
{
    menueAn();
    QTest::mouseClick(m_form->butt[0], Qt::LeftButton);  // "Verwaltung"
    QCOMPARE(m_form->ebene, 1);
    QCOMPARE(m_form->farbe(), farbe::aqua);
    QCOMPARE(m_form->butt[10]->text(), QStringLiteral("Überblick"));
    QTest::mouseClick(m_form->butt[3], Qt::LeftButton);  // "akt. Ergebn." opens without a user
    QCOMPARE(m_fenster->gezeigt, QStringList{QStringLiteral("Form4")});
    QTest::mouseClick(m_form->butt[11], Qt::LeftButton);
    QCOMPARE(m_form->ebene, 0);
    QCOMPARE(m_form->hauptebene, 1);
    QCOMPARE(m_form->butt[0]->text(), QStringLiteral("Verwaltung"));
}

void TestMenue::endeFragtNachDruck_data()
{
    QTest::addColumn<int>("ungedrucktVorher");
    QTest::addColumn<int>("antwort");
    QTest::addColumn<bool>("offen");
    QTest::addColumn<bool>("gedruckt");
    QTest::addColumn<bool>("abgelehnt");  // the printer refuses the job
    QTest::newRow("nichts offen") << 0 << int(dialog::Knopf::Ja) << false << false << false;
    QTest::newRow("ja") << 1 << int(dialog::Knopf::Ja) << true << true << false;
    QTest::newRow("nein") << 1 << int(dialog::Knopf::Nein) << false << false << false;
    QTest::newRow("abbrechen") << 1 << int(dialog::Knopf::Abbrechen) << true << false << false;
    QTest::newRow("ja, Drucker lehnt ab") << 1 << int(dialog::Knopf::Ja) << true << false << true;
}

void TestMenue::endeFragtNachDruck()
{
    QFETCH(int, ungedrucktVorher);
    QFETCH(int, antwort);
    QFETCH(bool, offen);
    QFETCH(bool, gedruckt);
    QFETCH(bool, abgelehnt);
    menueAn();
    ungedruckt = std::uint8_t(ungedrucktVorher);
    dialog::Skript skript;
    skript.antworten = {dialog::Knopf(antwort)};
    Testdrucker drucker;
    drucker.ablehnen = abgelehnt;
    drucker.ablehnung = QStringLiteral("Destination \"Testdrucker\" is not accepting jobs.");
    if (!abgelehnt)
        Druckauftrag::setzeZieldatei(m_ordner->pfad(QStringLiteral("blatt.pdf")));
    QTest::mouseClick(m_form->butt[11], Qt::LeftButton);
    Druckauftrag::setzeZieldatei({});
    if (abgelehnt) {
        // the refusal is said, the sheet stays unprinted and the next "Ende" asks again
        QCOMPARE(skript.texte, (QStringList{QStringLiteral("Ergebnisse drucken?"),
                                            QStringLiteral("Der Ausdruck konnte nicht beendet werden. Der Druckdienst "
                                                           "meldet: Destination \"Testdrucker\" is not accepting jobs.")}));
        QCOMPARE(drucker.auftraege.size(), 1);
        QCOMPARE(ungedruckt, std::uint8_t(1));
        QVERIFY(m_form->isVisible());
        skript.antworten = {dialog::Knopf::Abbrechen};
        QTest::mouseClick(m_form->butt[11], Qt::LeftButton);
        QCOMPARE(skript.texte.size(), 3);
        QCOMPARE(skript.texte.last(), QStringLiteral("Ergebnisse drucken?"));
        QVERIFY(m_form->isVisible());
        return;
    }
    QCOMPARE(skript.texte, ungedrucktVorher ? QStringList{QStringLiteral("Ergebnisse drucken?")} : QStringList{});
    if (ungedrucktVorher)
        QCOMPARE(skript.titel.first(), QStringLiteral("VELMORA"));
    QCOMPARE(m_form->isVisible(), offen);
    QCOMPARE(QFile::exists(m_ordner->pfad(QStringLiteral("blatt.pdf"))), gedruckt);
    if (gedruckt) {
        // printed: a second "Ende" closes without asking
        QCOMPARE(ungedruckt, std::uint8_t(0));
        QTest::mouseClick(m_form->butt[11], Qt::LeftButton);
        QCOMPARE(skript.texte.size(), 1);
        QVERIFY(!m_form->isVisible());
    }
}

void TestMenue::nutzerpruefung_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<bool>("knopfmenue");
    QTest::addColumn<QString>("ohneNutzer");
    QTest::addColumn<QString>("mitNutzer");
    const QString kein = QStringLiteral("Es wurde kein Nutzer gewählt!");
    const QString reserviert = QStringLiteral("Dieser Teil ist für Updates reserviert!");
    const QString offen = QStringLiteral("offen");
    QTest::newRow("K 4") << 4 << true << offen << offen;
    QTest::newRow("W 4") << 4 << false << kein << offen;
    QTest::newRow("K 5") << 5 << true << offen << offen;
    QTest::newRow("W 5") << 5 << false << kein << offen;
    QTest::newRow("K 11") << 11 << true << kein << offen;
    QTest::newRow("W 11") << 11 << false << kein << offen;
    QTest::newRow("K 12") << 12 << true << reserviert << reserviert;
    QTest::newRow("W 12") << 12 << false << kein << reserviert;
    QTest::newRow("K 13") << 13 << true << kein << offen;
    QTest::newRow("W 13") << 13 << false << kein << offen;
    QTest::newRow("K 131") << 131 << true << kein << offen;
    QTest::newRow("W 131") << 131 << false << kein << offen;
    QTest::newRow("K 0") << 0 << true << reserviert << reserviert;
    QTest::newRow("W 0") << 0 << false << reserviert << reserviert;
    QTest::newRow("K 24") << 24 << true << kein << reserviert;
    QTest::newRow("W 24") << 24 << false << kein << reserviert;
    QTest::newRow("K 132") << 132 << true << kein << reserviert;
    QTest::newRow("W 132") << 132 << false << kein << reserviert;
}

void TestMenue::nutzerpruefung()
{
    QFETCH(int, n);
    QFETCH(bool, knopfmenue);
    QFETCH(QString, ohneNutzer);
    QFETCH(QString, mitNutzer);
    const Menueart art = knopfmenue ? Menueart::Knopfmenue : Menueart::Windowsmenue;
    for (int u : {0, 3}) {
        if (u == 0)
            nutzer = 0;
        else
            waehleNutzer(u, QStringLiteral("Carla"));
        m_fenster->gezeigt.clear();
        m_geoeffnet.clear();
        dialog::Skript skript;
        const bool angenommen = aufruf(n, art);
        const QString erwartet = u == 0 ? ohneNutzer : mitNutzer;
        const bool geoeffnet = !m_fenster->gezeigt.isEmpty() || !m_geoeffnet.isEmpty();
        if (erwartet == QLatin1String("offen")) {
            QVERIFY2(geoeffnet && skript.texte.isEmpty(), qPrintable(QStringLiteral("Nutzer %1").arg(u)));
        } else {
            QCOMPARE(skript.texte, QStringList{erwartet});
            QVERIFY(!geoeffnet);
        }
        QCOMPARE(angenommen, erwartet != QStringLiteral("Es wurde kein Nutzer gewählt!"));
    }
}

void TestMenue::regelfensterVorDerUebung()
{
    nutzer = 2;
    aufruf(40, Menueart::Windowsmenue);
    QCOMPARE(aktprogramm, 40);
    QCOMPARE(programmname, QStringLiteral("Worthöhle"));
    QCOMPARE(m_fenster->gezeigt, QStringList{QStringLiteral("regel")});
    QCOMPARE(m_geoeffnet, QList<int>{40});
    QCOMPARE(Tregel::instanz().Label1->text(), QStringLiteral("Worthöhle"));
    QCOMPARE(Tregel::instanz().zeilen(),
             (QStringList{QStringLiteral("In 20 Aufgaben ist in einem langen Wort ein Begriff der angegebenen"),
                          QStringLiteral("Kategorie versteckt (z. B. Tier: BLUMENTOPFERDE enthält PFERD)."),
                          QStringLiteral("Tippen Sie den versteckten Begriff ein und bestätigen Sie mit Enter.")}));
    QCOMPARE(Tregel::instanz().windowTitle(), QStringLiteral("Regeln"));
    // the lines stand centred in the memo: none starts at its left margin (4 px)
    Tregel& r = Tregel::instanz();
    r.show();
    const QImage bild = r.Memo1->viewport()->grab().toImage();
    int links = bild.width();
    for (int y = 0; y < bild.height(); ++y)
        for (int x = 0; x < bild.width(); ++x)
            if (qGray(bild.pixel(x, y)) < 128)
                links = std::min(links, x);
    r.hide();
    QVERIFY2(links > 10 && links < bild.width(), qPrintable(QString::number(links)));
}

void TestMenue::unbekannteNummerOhneFolgen()
{
    nutzer = 2;
    aktprogramm = 40;
    programmname = QStringLiteral("Worthöhle");
    for (int n : {14, 60, 500, -3}) {
        dialog::Skript skript;
        aufruf(n, Menueart::Windowsmenue);
        QCOMPARE(skript.texte, QStringList{QStringLiteral("Dieser Teil ist für Updates reserviert!")});
    }
    QCOMPARE(aktprogramm, 40);
    QCOMPARE(programmname, QStringLiteral("Worthöhle"));
    QVERIFY(m_fenster->gezeigt.isEmpty());
}

void TestMenue::regelnAllerProgramme()
{
    Tregel& r = Tregel::instanz();
    for (int n = 13; n <= 131; ++n) {
        if (!programm::istUebung(n))
            continue;
        aktprogramm = n;
        programmname = programm::kurzname(n);
        r.show();
        QCOMPARE(r.Label1->text(), programmname);
        QCOMPARE(r.zeilen(), regelzeilen(n));
        QCOMPARE(r.Memo1->document()->blockCount(), regelzeilen(n).size());
        QCOMPARE(r.Memo1->document()->toPlainText(), regelzeilen(n).join(QLatin1Char('\n')));
        r.hide();
    }
    aktprogramm = 21;
    programmname = programm::kurzname(21);
    r.show();
    QCOMPARE(r.Label1->text(), QStringLiteral("M-Zuord. II"));
    QCOMPARE(r.zeilen(), regelzeilen(20));
    QCOMPARE(r.zeilen().size(), 5);
    r.hide();
}

void TestMenue::passwort_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QList<int>>("tasten");
    QTest::addColumn<bool>("erwartet");
    const QList<int> enter{Qt::Key_Return};
    QTest::newRow("richtig mit Enter") << "tarsk" << enter << true;
    QTest::newRow("gross") << "TARSK" << enter << false;
    QTest::newRow("mehr") << "tarsk1" << enter << false;
    QTest::newRow("leer") << "" << enter << false;
    QTest::newRow("richtig, abgebrochen") << "tarsk" << QList<int>{Qt::Key_Escape} << false;
    QTest::newRow("richtig, OK mit Tab") << "tarsk" << QList<int>{Qt::Key_Tab, Qt::Key_Space} << true;
    // Enter on the focused Cancel button cancels
    QTest::newRow("richtig, Enter auf Cancel") << "tarsk" << QList<int>{Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Return} << false;
}

void TestMenue::passwort()
{
    QFETCH(QString, text);
    QFETCH(QList<int>, tasten);
    QFETCH(bool, erwartet);
    TPasswordDlg& d = TPasswordDlg::instanz();
    QCOMPARE(d.windowTitle(), QStringLiteral("Password Dialog"));
    d.Password->setText(QStringLiteral("alt"));
    bool leerBeimZeigen = false;
    ModalWaechter w([&](QWidget*) {
        leerBeimZeigen = d.Password->text().isEmpty();
        tippe(d.Password, text);
        for (int t : tasten)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key(t));
    });
    QCOMPARE(d.pruefe(), erwartet);
    QVERIFY(leerBeimZeigen);
    QCOMPARE(d.Password->echoMode(), QLineEdit::Password);
}

int main(int argc, char** argv)
{
    Anwendung app(argc, argv);
    TestMenue t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_menue.moc"
