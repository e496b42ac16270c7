// Border icons and close requests from the desktop (the close box, Alt+F4).
#include "common/zustand.h"
#include "platform/anwendung.h"
#include "platform/dialoge.h"
#include "shell/udat01.h"
#include "shell/uform1.h"
#include "shell/uform4.h"
#include "shell/uform5.h"
#include "shell/uinf01.h"
#include "shell/uinf02.h"
#include "shell/umeldung.h"
#include "shell/unitm.h"
#include "shell/unut01.h"
#include "shell/unut02.h"
#include "shell/uplan02.h"
#include "shell/uregel.h"
#include "shell/uwah01.h"
#include "tests/support/testumgebung.h"

#include <QTest>
#include <functional>

using Fenster = std::function<Form*()>;
Q_DECLARE_METATYPE(Fenster)
Q_DECLARE_METATYPE(dialog::Knopf)

class TestSchliessen : public QObject {
    Q_OBJECT
private slots:
    void randsymbole_data();
    void randsymbole();
    void endeAufSchliessanfrage_data();
    void endeAufSchliessanfrage();
};

void TestSchliessen::randsymbole_data()
{
    QTest::addColumn<Fenster>("fenster");
    QTest::addColumn<bool>("schliessfeld");
    QTest::newRow("Regeln") << Fenster([] { return &Tregel::instanz(); }) << false;
    QTest::newRow("Velmora-Meldung") << Fenster([] { return &TForm3::instanz(); }) << false;
    QTest::newRow("Nutzerwahl") << Fenster([] { return &Twah01::instanz(); }) << false;
    QTest::newRow("Nutzer anzeigen") << Fenster([] { return &Tnut01::instanz(); }) << false;
    QTest::newRow("Plan-Editor") << Fenster([] { return &Tplan02::instanz(); }) << false;
    QTest::newRow("Version") << Fenster([] { return &Tinf01::instanz(); }) << false;
    QTest::newRow("Produkte") << Fenster([] { return &Tinf02::instanz(); }) << false;
    QTest::newRow("aktuelle Ergebnisse") << Fenster([] { return &TForm4::instanz(); }) << true;
    QTest::newRow("Nutzer eintragen") << Fenster([] { return &Tnut02::instanz(); }) << true;
    QTest::newRow("Nutzer löschen") << Fenster([] { return &TForm5::instanz(); }) << true;
    QTest::newRow("pers. Daten") << Fenster([] { return &Tdat01::instanz(); }) << true;
}

void TestSchliessen::randsymbole()
{
    QFETCH(Fenster, fenster);
    QFETCH(bool, schliessfeld);
    Arbeitsordner ordner;
    dialog::Skript skript;
    Form* f = fenster();
    const Qt::WindowFlags flags = f->windowFlags();
    // never a minimise or maximise icon; the close box exactly with the system menu
    QVERIFY(!(flags & Qt::WindowMinimizeButtonHint));
    QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
    QCOMPARE(bool(flags & Qt::WindowSystemMenuHint), schliessfeld);
    QCOMPARE(f->hatSchliessfeld(), schliessfeld);
    QVERIFY(flags & Qt::WindowTitleHint);

    f->show();
    QCOMPARE(f->nimmtSchliessanfrageAn(), schliessfeld);
    QTest::qWait(20);
    // a window without a close box stays, with whatever it holds
    QVERIFY(f->isVisible());
    QVERIFY(skript.texte.isEmpty());
    f->hide();
}

void TestSchliessen::endeAufSchliessanfrage_data()
{
    QTest::addColumn<bool>("menuefenster");
    QTest::addColumn<bool>("ungedruckteErgebnisse");
    QTest::addColumn<dialog::Knopf>("antwort");
    QTest::addColumn<bool>("geschlossen");
    for (bool menue : {false, true}) {
        const char* name = menue ? "Windows-Menü" : "Startfenster";
        QTest::addRow("%s, alles gedruckt", name) << menue << false << dialog::Knopf::OK << true;
        QTest::addRow("%s, drucken? Nein", name) << menue << true << dialog::Knopf::Nein << true;
        QTest::addRow("%s, drucken? Abbrechen", name) << menue << true << dialog::Knopf::Abbrechen << false;
        QTest::addRow("%s, drucken? Ja", name) << menue << true << dialog::Knopf::Ja << false;
    }
}

void TestSchliessen::endeAufSchliessanfrage()
{
    QFETCH(bool, menuefenster);
    QFETCH(bool, ungedruckteErgebnisse);
    QFETCH(dialog::Knopf, antwort);
    QFETCH(bool, geschlossen);
    Arbeitsordner ordner;
    dialog::Skript skript;
    skript.antworten.push_back(antwort);
    TForm1 start;
    Form* f = menuefenster ? static_cast<Form*>(&Tformm::instanz()) : &start;
    QVERIFY(!f->hatSchliessfeld());
    ungedruckt = ungedruckteErgebnisse ? 1 : 0;
    f->show();
    QVERIFY(!f->nimmtSchliessanfrageAn());
    QVERIFY(f->isVisible());  // nothing happens within the request itself
    QTest::qWait(20);
    QCOMPARE(!f->isVisible(), geschlossen);
    if (ungedruckteErgebnisse) {
        QCOMPARE(skript.texte.value(0), QStringLiteral("Ergebnisse drucken?"));
        QCOMPARE(skript.titel.value(0), QStringLiteral("VELMORA"));
    } else {
        QVERIFY(skript.texte.isEmpty());
    }
    // Yes prints the sheet, which clears the mark
    QCOMPARE(ungedruckt, antwort == dialog::Knopf::Ja || !ungedruckteErgebnisse ? 0 : 1);
    f->hide();
    ungedruckt = 0;
}

int main(int argc, char** argv)
{
    Anwendung app(argc, argv);
    TestSchliessen t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_schliessen.moc"
