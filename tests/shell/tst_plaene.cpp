// Training plans: the editor, the plan file and both ways of running a plan.
#include "common/namen.h"
#include "common/zustand.h"
#include "platform/anwendung.h"
#include "platform/dialoge.h"
#include "shell/aufruf.h"
#include "shell/planlauf.h"
#include "shell/programmtabelle.h"
#include "shell/uform1.h"
#include "shell/umeldung.h"
#include "shell/uplan01.h"
#include "shell/uplan02.h"
#include "shell/uplan03.h"
#include "tests/support/testumgebung.h"

#include <QTest>

namespace {

const QString kDatei = QStringLiteral("xbasplan.dat");
constexpr int kSatz = 41;

// A record as stored: length byte, name padded to 20, the letter bytes, zero bytes.
QByteArray rohsatz(const QString& name, const QByteArray& codes)
{
    QByteArray s(kSatz, '\0');
    const QByteArray text = name.toLatin1().leftJustified(20, ' ') + codes;
    s[0] = char(text.size());
    s.replace(1, text.size(), text);
    return s;
}

QByteArray freierSatz() { return rohsatz(QStringLiteral("offen"), {}); }

// Codes of running indices (64 + k).
QByteArray codes(const QList<int>& laufindizes)
{
    QByteArray b;
    for (int k : laufindizes)
        b.append(char(64 + k));
    return b;
}

void klicke(QPushButton* b) { QTest::mouseClick(b, Qt::LeftButton); }

void waehle(QListWidget* l, int zeile)
{
    l->scrollToItem(l->item(zeile));
    QTest::mouseClick(l->viewport(), Qt::LeftButton, {}, l->visualItemRect(l->item(zeile)).center());
}

QStringList zeilen(const QListWidget* l)
{
    QStringList z;
    for (int k = 0; k < l->count(); ++k)
        z << l->item(k)->text();
    return z;
}

}

class TestPlaene : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void gespeichertUndGelaufen_data();
    void gespeichertUndGelaufen();
    void einstieg_data();
    void einstieg();
    void laufAbgelehnt_data();
    void laufAbgelehnt();
    void neinBeendetStill_data();
    void neinBeendetStill();
    void aufrufenOhneZeile();
    void einstiegOhneZeile();
    void beschaedigteBuchstaben();
    void anlegenMeldungen_data();
    void anlegenMeldungen();
    void listenbefehle_data();
    void listenbefehle();
    void listeVoll();
    void ohneAuswahl_data();
    void ohneAuswahl();
    void loeschenGibtSatzFrei();
    void aendernUndSpeichern();

private:
    void schreibePlaene(const QList<QByteArray>& saetze);
    QByteArray satz(int k) const { return m_ordner->lies(kDatei).mid(k * kSatz, kSatz); }
    Tplan02& editor();
    // Runs program 8 from the button menu, through the menu's own buttons.
    void ausKnopfmenue();

    std::unique_ptr<Arbeitsordner> m_ordner;
    std::unique_ptr<TForm1> m_form;
    QStringList m_gezeigt;       // windows shown modally
    QList<int> m_laeufe;         // exercises dispatched
    QStringList m_meldungen;     // message window: mode and text as shown
    QList<int> m_cursorBeiFrage; // the menu cursor when the plan question came
    int m_planzeile = 0;         // line chosen in the plan choice, -1 "zurück"
    int m_einstieg = -1;         // line chosen as start entry, -1 none (closed)
    QList<int> m_antworten;      // message window: 1 O.K., 2 NEIN, 0 closed otherwise
};

void TestPlaene::init()
{
    m_ordner = std::make_unique<Arbeitsordner>();
    m_gezeigt.clear();
    m_laeufe.clear();
    m_meldungen.clear();
    m_cursorBeiFrage.clear();
    m_planzeile = 0;
    m_einstieg = -1;
    m_antworten.clear();
    Form::setzeModalErsatz([this](Form* f) {
        m_gezeigt << f->objectName();
        f->show();
        if (f == &Tplan01::instanz()) {
            Tplan01& p = Tplan01::instanz();
            if (m_planzeile >= 0) {
                waehle(p.ListBox1, m_planzeile);
                klicke(p.Button1);
            } else {
                klicke(p.Button2);
            }
        } else if (f == &Tplan03::instanz()) {
            if (m_einstieg >= 0) {
                waehle(Tplan03::instanz().ListBox1, m_einstieg);
                klicke(Tplan03::instanz().Button1);
            }
        } else if (f == &TForm3::instanz()) {
            TForm3& m = TForm3::instanz();
            m_meldungen << QStringLiteral("%1:%2").arg(meldemodus).arg(m.Panel1->text());
            if (meldemodus == 2)
                m_cursorBeiFrage << cursorx;
            const int antwort = m_antworten.isEmpty() ? 1 : m_antworten.takeFirst();
            if (antwort == 1)
                klicke(m.Button1);
            else if (antwort == 2)
                klicke(m.Button2);
        }
        f->hide();
        return 0;
    });
    Programmtabelle& t = Programmtabelle::global();
    t.leeren();
    for (int k = 1; k <= 110; ++k) {
        const int n = 13 + 12 * ((k - 1) / 11) + (k - 1) % 11;
        t.setze(n, [this, n] {
            m_laeufe << n;
            cursorx = 5;  // the button menu lays its level out again afterwards
        });
    }
    setzePlanlaeufer(planauf);
    m_form = std::make_unique<TForm1>();
    nutzer = 1;
    meldung.clear();
}

void TestPlaene::cleanup()
{
    for (QWidget* w : QApplication::topLevelWidgets())
        w->hide();
    m_form.reset();
    Form::setzeModalErsatz(nullptr);
    setzePlanlaeufer(nullptr);
    Programmtabelle::global().leeren();
    m_ordner.reset();
}

void TestPlaene::schreibePlaene(const QList<QByteArray>& saetze)
{
    QByteArray datei;
    for (int k = 0; k < 50; ++k)
        datei += k < saetze.size() ? saetze.at(k) : freierSatz();
    m_ordner->schreibe(kDatei, datei);
}

Tplan02& TestPlaene::editor()
{
    Tplan02& e = Tplan02::instanz();
    e.show();
    return e;
}

void TestPlaene::ausKnopfmenue()
{
    m_form->show();
    m_form->Button1Click();
    klicke(m_form->butt[0]);  // "Verwaltung"
    QCOMPARE(m_form->butt[7]->text(), QStringLiteral("Plan aufrufen"));
    m_gezeigt.clear();
    klicke(m_form->butt[7]);
}

void TestPlaene::gespeichertUndGelaufen_data()
{
    QTest::addColumn<int>("laufindex");
    QTest::addColumn<int>("programm");
    QTest::addColumn<bool>("knopfmenue");
    QTest::addColumn<QString>("name");
    QTest::newRow("Quiz, Windows-Menü") << 110 << 131 << false << "Quiz";
    QTest::newRow("Quiz, Knopfmenü") << 110 << 131 << true << "Quiz";
    QTest::newRow("Tippen") << 1 << 13 << false << "Tippen";
    QTest::newRow("Code 128") << 64 << 81 << false << "Buchsort";
    QTest::newRow("Code 129") << 65 << 82 << true << "Ziffsort";
    QTest::newRow("Code 159") << 95 << 115 << false << "Vergleiche";
}

// A plan made in the editor is stored byte for byte and runs its exercise.
void TestPlaene::gespeichertUndGelaufen()
{
    QFETCH(int, laufindex);
    QFETCH(int, programm);
    QFETCH(bool, knopfmenue);
    QFETCH(QString, name);
    schreibePlaene({rohsatz(QStringLiteral("Morgen"), codes({1, 2}))});
    Tplan02& e = editor();
    {
        dialog::Skript skript;
        skript.eingaben = {QStringLiteral("Quizplan")};
        klicke(e.Button2);
        QCOMPARE(skript.titel, QStringList{QStringLiteral("Plan anlegen")});
        QCOMPARE(skript.texte, QStringList{QStringLiteral("Geben Sie einen Plannamen ein:")});
    }
    QVERIFY(e.Panel2->isVisible());
    QVERIFY(!e.Panel1->isVisible());
    QCOMPARE(e.ListBox2->count(), 110);
    QCOMPARE(e.ListBox2->item(109)->text(), QStringLiteral("Quiz"));
    waehle(e.ListBox2, laufindex - 1);
    klicke(e.Button5);
    QCOMPARE(zeilen(e.ListBox3), QStringList{name});
    klicke(e.Button6);
    QVERIFY(e.Panel1->isVisible());
    QVERIFY(e.Panel2->isHidden());
    QCOMPARE(satz(1), freierSatz());  // nothing written before "zurück"
    klicke(e.Button4);
    QVERIFY(!e.isVisible());
    QCOMPARE(m_ordner->lies(kDatei).size(), 2050);
    QCOMPARE(satz(1), rohsatz(QStringLiteral("Quizplan"), QByteArray(1, char(64 + laufindex))));
    if (laufindex == 110)
        QCOMPARE(quint8(satz(1).at(21)), quint8(0xAE));
    QCOMPARE(satz(0), rohsatz(QStringLiteral("Morgen"), codes({1, 2})));

    m_planzeile = 1;
    m_einstieg = 0;
    if (knopfmenue)
        ausKnopfmenue();
    else
        aufruf(8, Menueart::Windowsmenue);
    QCOMPARE(m_laeufe, QList<int>{programm});
    QCOMPARE(m_meldungen, QStringList{QStringLiteral("1:Der Ablaufplan ist beendet!")});
    if (knopfmenue)
        QCOMPARE(zeilen(Tplan03::instanz().ListBox1), QStringList{name});
}

void TestPlaene::einstieg_data()
{
    QTest::addColumn<bool>("knopfmenue");
    QTest::addColumn<int>("zeile");
    QTest::addColumn<QList<int>>("laeufe");
    QTest::newRow("Windows-Menü") << false << -1 << QList<int>{131, 13, 40};
    QTest::newRow("Knopfmenü, erster") << true << 0 << QList<int>{131, 13, 40};
    QTest::newRow("Knopfmenü, zweiter") << true << 1 << QList<int>{13, 40};
    QTest::newRow("Knopfmenü, letzter") << true << 2 << QList<int>{40};
    QTest::newRow("Knopfmenü, anders geschlossen") << true << -1 << QList<int>{131, 13, 40};
}

void TestPlaene::einstieg()
{
    QFETCH(bool, knopfmenue);
    QFETCH(int, zeile);
    QFETCH(QList<int>, laeufe);
    schreibePlaene({freierSatz(), rohsatz(QStringLiteral("Abend"), codes({110, 1, 26}))});
    m_planzeile = 1;
    m_einstieg = zeile;
    if (knopfmenue)
        ausKnopfmenue();
    else
        aufruf(8, Menueart::Windowsmenue);
    QCOMPARE(m_laeufe, laeufe);
    QStringList meldungen;
    for (int k = 1; k < laeufe.size(); ++k)
        meldungen << QStringLiteral("2:Ablaufplan fortführen?");
    meldungen << QStringLiteral("1:Der Ablaufplan ist beendet!");
    QCOMPARE(m_meldungen, meldungen);
    QCOMPARE(plansatz, QStringLiteral("Abend").leftJustified(20) + QStringLiteral("®AZ"));
    if (knopfmenue) {
        QCOMPARE(zeilen(Tplan03::instanz().ListBox1),
                 (QStringList{QStringLiteral("Quiz"), QStringLiteral("Tippen"), QStringLiteral("Worthöhle")}));
        QCOMPARE(Tplan03::instanz().windowTitle(), QStringLiteral("Einstiegspunkt"));
        QCOMPARE(m_gezeigt.mid(0, 2), (QStringList{QStringLiteral("plan01"), QStringLiteral("plan03")}));
        // each exercise went through the button menu, which laid its level out again
        QCOMPARE(m_cursorBeiFrage, QList<int>(laeufe.size() - 1, 0));
        QCOMPARE(m_form->ebene, 1);
    } else {
        QVERIFY(!m_gezeigt.contains(QStringLiteral("plan03")));
        QCOMPARE(m_cursorBeiFrage, QList<int>(laeufe.size() - 1, 5));
    }
}

void TestPlaene::laufAbgelehnt_data()
{
    QTest::addColumn<int>("benutzer");
    QTest::addColumn<int>("planzeile");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("auswahl");
    const QString leer = QStringLiteral("Der Plan ist leer!");
    QTest::newRow("kein Benutzer") << 0 << 0 << "Es wurde kein Benutzer gewählt!" << false;
    QTest::newRow("Plan ohne Übung") << 1 << 0 << leer << true;
    QTest::newRow("freier Satz") << 1 << 1 << leer << true;
    QTest::newRow("zurück") << 1 << -1 << leer << true;
}

void TestPlaene::laufAbgelehnt()
{
    QFETCH(int, benutzer);
    QFETCH(int, planzeile);
    QFETCH(QString, text);
    QFETCH(bool, auswahl);
    // a plan saved with "FERTIG" and no exercise
    Tplan02& e = editor();
    {
        dialog::Skript skript;
        skript.eingaben = {QStringLiteral("Leer")};
        klicke(e.Button2);
        klicke(e.Button6);
        klicke(e.Button4);
    }
    QCOMPARE(satz(0), rohsatz(QStringLiteral("Leer"), {}));
    for (Menueart art : {Menueart::Knopfmenue, Menueart::Windowsmenue}) {
        nutzer = benutzer;
        m_planzeile = planzeile;
        m_gezeigt.clear();
        dialog::Skript skript;
        aufruf(8, art);
        QCOMPARE(skript.texte, QStringList{text});
        QCOMPARE(m_gezeigt, auswahl ? QStringList{QStringLiteral("plan01")} : QStringList{});
        QVERIFY(m_laeufe.isEmpty());
        QVERIFY(m_meldungen.isEmpty());
    }
}

void TestPlaene::neinBeendetStill_data()
{
    QTest::addColumn<bool>("knopfmenue");
    QTest::addColumn<QList<int>>("antworten");
    QTest::addColumn<QList<int>>("laeufe");
    QTest::newRow("NEIN nach dem ersten") << false << QList<int>{2} << QList<int>{13};
    QTest::newRow("NEIN nach dem zweiten") << true << QList<int>{1, 2} << QList<int>{13, 14};
    QTest::newRow("Frage anders geschlossen") << false << QList<int>{1, 0} << QList<int>{13, 14};
}

void TestPlaene::neinBeendetStill()
{
    QFETCH(bool, knopfmenue);
    QFETCH(QList<int>, antworten);
    QFETCH(QList<int>, laeufe);
    schreibePlaene({rohsatz(QStringLiteral("Lang"), codes({1, 2, 3, 4}))});
    m_einstieg = 0;
    m_antworten = antworten;
    dialog::Skript skript;
    if (knopfmenue)
        ausKnopfmenue();
    else
        aufruf(8, Menueart::Windowsmenue);
    QCOMPARE(m_laeufe, laeufe);
    QCOMPARE(m_meldungen, QStringList(antworten.size(), QStringLiteral("2:Ablaufplan fortführen?")));
    QVERIFY(skript.texte.isEmpty());
}

void TestPlaene::aufrufenOhneZeile()
{
    schreibePlaene({rohsatz(QStringLiteral("Morgen"), codes({1}))});
    Tplan01& p = Tplan01::instanz();
    plansatz.clear();
    p.show();
    QCOMPARE(p.windowTitle(), QStringLiteral("Plan aufrufen"));
    QCOMPARE(p.ListBox1->count(), 50);
    QCOMPARE(p.ListBox1->item(0)->text(), QStringLiteral("Morgen").leftJustified(20) + QLatin1Char('A'));
    QCOMPARE(p.ListBox1->item(49)->text(), plan::frei());
    dialog::Skript skript;
    klicke(p.Button1);
    QCOMPARE(skript.texte, QStringList{QStringLiteral("Listenindex überschreitet das Maximum (-1)")});
    QVERIFY(p.isVisible());
    QVERIFY(plansatz.isEmpty());
    waehle(p.ListBox1, 0);
    klicke(p.Button1);
    QVERIFY(!p.isVisible());
    QCOMPARE(plansatz, p.ListBox1->item(0)->text());
}

void TestPlaene::einstiegOhneZeile()
{
    Tplan03& p = Tplan03::instanz();
    planfolge = QStringLiteral("AB");
    planstart = 1;
    p.show();
    QCOMPARE(p.Label1->text(), QStringLiteral("Wählen Sie den Einstiegspunkt."));
    dialog::Skript skript;
    klicke(p.Button1);
    QCOMPARE(skript.texte, QStringList{QStringLiteral("Es wurde kein Eintrag ausgewählt!")});
    QVERIFY(p.isVisible());
    QCOMPARE(planstart, 1);
    waehle(p.ListBox1, 1);
    klicke(p.Button1);
    QVERIFY(!p.isVisible());
    QCOMPARE(planstart, 2);
}

// Letters outside the exercises (a damaged file) are never run, listed or edited.
void TestPlaene::beschaedigteBuchstaben()
{
    const QByteArray buchstaben = QByteArray("A") + char(0xAF) + " @" + char(0xAE) + char(0xFF) + "B";
    schreibePlaene({rohsatz(QStringLiteral("Kaputt"), buchstaben), rohsatz(QStringLiteral("Nur Müll"), "@ ?")});
    aufruf(8, Menueart::Windowsmenue);
    QCOMPARE(m_laeufe, (QList<int>{13, 131, 14}));
    m_laeufe.clear();
    m_einstieg = 1;
    aufruf(8, Menueart::Knopfmenue);
    QCOMPARE(zeilen(Tplan03::instanz().ListBox1),
             (QStringList{QStringLiteral("Tippen"), QStringLiteral("Quiz"), QStringLiteral("Zählen")}));
    QCOMPARE(m_laeufe, (QList<int>{131, 14}));
    m_laeufe.clear();
    m_planzeile = 1;
    {
        dialog::Skript skript;
        aufruf(8, Menueart::Windowsmenue);
        QCOMPARE(skript.texte, QStringList{QStringLiteral("Der Plan ist leer!")});
        QVERIFY(m_laeufe.isEmpty());
    }
    Tplan02& e = editor();
    waehle(e.ListBox1, 0);
    klicke(e.Button3);
    QCOMPARE(zeilen(e.ListBox3),
             (QStringList{QStringLiteral("Tippen"), QStringLiteral("Quiz"), QStringLiteral("Zählen")}));
    klicke(e.Button6);
    klicke(e.Button4);
    QCOMPARE(satz(0), rohsatz(QStringLiteral("Kaputt"), QByteArray("A") + char(0xAE) + "B"));
}

void TestPlaene::anlegenMeldungen_data()
{
    QTest::addColumn<QList<QByteArray>>("plaene");
    QTest::addColumn<QString>("eingabe");  // "<abbruch>" cancels the input box
    QTest::addColumn<QStringList>("meldungen");
    QTest::addColumn<int>("satz");         // record that gets the plan, 0 = refused
    QTest::addColumn<QString>("name");

    const QString ungueltig = QStringLiteral("ungültiger Planname!");
    const QString existiert = QStringLiteral("Der Planname existiert bereits!");
    const QString voll = QStringLiteral("Es ist kein Platz mehr frei!!");
    const QByteArray morgen = rohsatz(QStringLiteral("Morgen"), codes({1}));
    QList<QByteArray> alle;
    for (int k = 1; k <= 50; ++k)
        alle << rohsatz(QStringLiteral("Plan %1").arg(k), codes({k}));

    QTest::newRow("neu") << QList<QByteArray>{morgen} << "Abend" << QStringList{} << 2 << "Abend";
    QTest::newRow("getrimmt") << QList<QByteArray>{morgen} << "  Abend \t" << QStringList{} << 2 << "Abend";
    QTest::newRow("auf 20 gekürzt") << QList<QByteArray>{morgen} << "Ein sehr langer Planname" << QStringList{}
                                    << 2 << "Ein sehr langer Plan";
    QTest::newRow("Groß/klein") << QList<QByteArray>{morgen} << "morgen" << QStringList{} << 2 << "morgen";
    QTest::newRow("vorhanden") << QList<QByteArray>{morgen} << "Morgen" << QStringList{existiert} << 0 << "";
    QTest::newRow("Anfang eines Namens") << QList<QByteArray>{morgen} << "Mor" << QStringList{existiert} << 0 << "";
    QTest::newRow("Anfang von offen") << QList<QByteArray>{morgen} << "of" << QStringList{existiert} << 0 << "";
    QTest::newRow("leer") << QList<QByteArray>{morgen} << "   " << QStringList{existiert} << 0 << "";
    QTest::newRow("abgebrochen") << QList<QByteArray>{morgen} << "<abbruch>" << QStringList{existiert} << 0 << "";
    QTest::newRow("offen, Satz 1 frei") << QList<QByteArray>{} << "offen" << QStringList{ungueltig, existiert} << 0
                                        << "";
    QTest::newRow("offen, Satz 1 belegt") << QList<QByteArray>{morgen} << "offen" << QStringList{ungueltig} << 0
                                          << "";
    QTest::newRow("offenbar") << QList<QByteArray>{morgen} << "offenbar" << QStringList{ungueltig} << 0 << "";
    QTest::newRow("voll") << alle << "Neu" << QStringList{voll} << 0 << "";
    QTest::newRow("voll und vorhanden") << alle << "Plan 7" << QStringList{existiert, voll} << 0 << "";
    QTest::newRow("voll und offen") << alle << "offen" << QStringList{ungueltig, voll} << 0 << "";
    QTest::newRow("voll und leer") << alle << "" << QStringList{existiert, voll} << 0 << "";
}

void TestPlaene::anlegenMeldungen()
{
    QFETCH(QList<QByteArray>, plaene);
    QFETCH(QString, eingabe);
    QFETCH(QStringList, meldungen);
    QFETCH(int, satz);
    QFETCH(QString, name);
    schreibePlaene(plaene);
    const QByteArray vorher = m_ordner->lies(kDatei);
    Tplan02& e = editor();
    dialog::Skript skript;
    if (eingabe == QLatin1String("<abbruch>"))
        skript.eingaben = {std::nullopt};
    else
        skript.eingaben = {eingabe};
    klicke(e.Button2);
    QCOMPARE(skript.texte.mid(1), meldungen);
    QCOMPARE(e.Panel2->isVisible(), satz != 0);
    QCOMPARE(e.Panel1->isVisible(), satz == 0);
    if (satz != 0) {
        QCOMPARE(e.ListBox3->count(), 0);
        waehle(e.ListBox2, 4);
        klicke(e.Button5);
        klicke(e.Button6);
        QCOMPARE(e.ListBox1->item(satz - 1)->text(), name.leftJustified(20) + QLatin1Char('E'));
    }
    klicke(e.Button4);
    if (satz == 0)
        QCOMPARE(m_ordner->lies(kDatei), vorher);
    else
        QCOMPARE(this->satz(satz - 1), rohsatz(name, "E"));
}

void TestPlaene::listenbefehle_data()
{
    // each step: 'a' + row adds that exercise, 'r'/'u'/'d' + row removes / moves up / moves down
    QTest::addColumn<QStringList>("schritte");
    QTest::addColumn<QList<int>>("plan");  // running indices afterwards
    QTest::addColumn<int>("auswahl");      // selected line afterwards
    const QStringList drei = {"a0", "a4", "a109"};
    QTest::newRow("hinzufügen") << drei << QList<int>{1, 5, 110} << -1;
    QTest::newRow("doppelt") << QStringList{"a2", "a2"} << QList<int>{3, 3} << -1;
    QTest::newRow("erste nach oben") << drei + QStringList{"u0"} << QList<int>{1, 5, 110} << 0;
    QTest::newRow("letzte nach unten") << drei + QStringList{"d2"} << QList<int>{1, 5, 110} << 2;
    QTest::newRow("mittlere nach oben") << drei + QStringList{"u1"} << QList<int>{5, 1, 110} << 0;
    QTest::newRow("mittlere nach unten") << drei + QStringList{"d1"} << QList<int>{1, 110, 5} << 2;
    QTest::newRow("zweimal nach unten") << drei + QStringList{"d0", "d1"} << QList<int>{5, 110, 1} << 2;
    QTest::newRow("entfernen") << drei + QStringList{"r1"} << QList<int>{1, 110} << -1;
    QTest::newRow("alle entfernen") << drei + QStringList{"r0", "r0", "r0"} << QList<int>{} << -1;
}

void TestPlaene::listenbefehle()
{
    QFETCH(QStringList, schritte);
    QFETCH(QList<int>, plan);
    QFETCH(int, auswahl);
    Tplan02& e = editor();
    dialog::Skript skript;
    skript.eingaben = {QStringLiteral("Liste")};
    klicke(e.Button2);
    for (const QString& s : schritte) {
        const int zeile = s.mid(1).toInt();
        switch (s.at(0).toLatin1()) {
        case 'a': waehle(e.ListBox2, zeile); klicke(e.Button5); break;
        case 'r': waehle(e.ListBox3, zeile); klicke(e.Button7); break;
        case 'u': waehle(e.ListBox3, zeile); klicke(e.Button8); break;
        case 'd': waehle(e.ListBox3, zeile); klicke(e.Button9); break;
        }
    }
    QCOMPARE(skript.texte.size(), 1);  // the prompt only
    QStringList namen;
    for (int k : plan)
        namen << programmnamen(k);
    QCOMPARE(zeilen(e.ListBox3), namen);
    QCOMPARE(plan::gewaehlteZeile(e.ListBox3), auswahl);
    klicke(e.Button6);
    klicke(e.Button4);
    QCOMPARE(satz(0), rohsatz(QStringLiteral("Liste"), codes(plan)));
}

void TestPlaene::listeVoll()
{
    Tplan02& e = editor();
    dialog::Skript skript;
    skript.eingaben = {QStringLiteral("Voll")};
    klicke(e.Button2);
    QList<int> plan;
    for (int k = 0; k < 20; ++k) {
        waehle(e.ListBox2, 90 + k);
        klicke(e.Button5);
        plan << 91 + k;
    }
    QCOMPARE(skript.texte.size(), 1);
    waehle(e.ListBox2, 0);
    klicke(e.Button5);
    e.ListBox2->clearSelection();
    klicke(e.Button5);  // full comes first: one message per click
    QCOMPARE(skript.texte.mid(1), QStringList(2, QStringLiteral("Die Liste ist voll!")));
    QCOMPARE(e.ListBox3->count(), 20);
    klicke(e.Button6);
    klicke(e.Button4);
    const QByteArray s = satz(0);
    QCOMPARE(s, rohsatz(QStringLiteral("Voll"), codes(plan)));
    QCOMPARE(quint8(s.at(0)), quint8(40));
}

void TestPlaene::ohneAuswahl_data()
{
    QTest::addColumn<bool>("bearbeiten");  // in the plan (Panel2) or the plan list (Panel1)
    QTest::addColumn<QString>("knopf");
    QTest::addColumn<QString>("meldung");
    const QString keinEintrag = QStringLiteral("Es wurde kein Eintrag gewählt!");
    const QString keinProgramm = QStringLiteral("Es wurde kein Programm ausgewählt!");
    QTest::newRow("löschen") << false << "Button1" << keinEintrag;
    QTest::newRow("ändern") << false << "Button3" << keinEintrag;
    QTest::newRow("hinzufügen") << true << "Button5" << keinProgramm;
    QTest::newRow("entfernen") << true << "Button7" << keinProgramm;
    QTest::newRow("nach oben") << true << "Button8" << keinProgramm;
    QTest::newRow("nach unten") << true << "Button9" << keinProgramm;
}

void TestPlaene::ohneAuswahl()
{
    QFETCH(bool, bearbeiten);
    QFETCH(QString, knopf);
    QFETCH(QString, meldung);
    schreibePlaene({rohsatz(QStringLiteral("Morgen"), codes({1, 2}))});
    Tplan02& e = editor();
    dialog::Skript skript;
    if (bearbeiten) {
        waehle(e.ListBox1, 0);
        klicke(e.Button3);
        QCOMPARE(e.ListBox3->count(), 2);
        e.ListBox2->clearSelection();
        e.ListBox3->clearSelection();
    }
    klicke(e.findChild<QPushButton*>(knopf));
    QCOMPARE(skript.texte, QStringList{meldung});
    QCOMPARE(e.Panel2->isVisible(), bearbeiten);
    if (bearbeiten)
        QCOMPARE(e.ListBox3->count(), 2);
}

void TestPlaene::loeschenGibtSatzFrei()
{
    const QByteArray abend = rohsatz(QStringLiteral("Abend"), codes({110, 1, 26}));
    schreibePlaene({rohsatz(QStringLiteral("Morgen"), codes({1})), freierSatz(), abend});
    const QByteArray vorher = m_ordner->lies(kDatei);
    Tplan02& e = editor();
    dialog::Skript skript;
    waehle(e.ListBox1, 1);
    klicke(e.Button1);
    klicke(e.Button3);
    QCOMPARE(skript.texte, QStringList(2, QStringLiteral("Der gewählte Satz ist leer!")));
    QVERIFY(e.Panel1->isVisible());
    waehle(e.ListBox1, 2);
    klicke(e.Button1);
    QCOMPARE(e.ListBox1->item(2)->text(), plan::frei());
    QCOMPARE(m_ordner->lies(kDatei), vorher);  // not yet written
    klicke(e.Button4);
    QCOMPARE(skript.texte.size(), 2);
    QCOMPARE(satz(2), freierSatz());  // the old letters are gone
    QCOMPARE(satz(0), rohsatz(QStringLiteral("Morgen"), codes({1})));
    QCOMPARE(m_ordner->lies(kDatei).size(), 2050);
    // the freed record is the first one free again for the next plan after record 2
    e.show();
    skript.eingaben = {QStringLiteral("Neu")};
    waehle(e.ListBox1, 1);  // a selection does not matter to "anlegen"
    klicke(e.Button2);
    klicke(e.Button6);
    QCOMPARE(e.ListBox1->item(1)->text(), QStringLiteral("Neu").leftJustified(20));
    QCOMPARE(e.ListBox1->item(2)->text(), plan::frei());
}

void TestPlaene::aendernUndSpeichern()
{
    schreibePlaene({freierSatz(), rohsatz(QStringLiteral("Morgen Training"), codes({3, 1, 2}))});
    Tplan02& e = editor();
    QCOMPARE(e.windowTitle(), QStringLiteral("Plan-Editor"));
    QVERIFY(e.Panel2->isHidden());
    dialog::Skript skript;
    waehle(e.ListBox1, 1);
    klicke(e.Button3);
    QVERIFY(e.Panel2->isVisible());
    QCOMPARE(zeilen(e.ListBox3),
             (QStringList{QStringLiteral("Zahlwort"), QStringLiteral("Tippen"), QStringLiteral("Zählen")}));
    waehle(e.ListBox3, 0);
    klicke(e.Button9);
    waehle(e.ListBox2, 109);
    klicke(e.Button5);
    klicke(e.Button6);
    QVERIFY(skript.texte.isEmpty());
    klicke(e.Button4);
    QCOMPARE(satz(1), rohsatz(QStringLiteral("Morgen Training"), codes({1, 3, 2, 110})));
    QCOMPARE(satz(0), freierSatz());
}

int main(int argc, char** argv)
{
    Anwendung app(argc, argv);
    TestPlaene t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_plaene.moc"
