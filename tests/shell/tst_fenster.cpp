// The main window with the Windows menu and the two information windows.
#include "common/zustand.h"
#include "platform/anwendung.h"
#include "platform/dialoge.h"
#include "platform/farben.h"
#include "shell/aufruf.h"
#include "shell/nutzerregister.h"
#include "shell/programmtabelle.h"
#include "shell/uform1.h"
#include "shell/uinf01.h"
#include "shell/udatlist.h"
#include "shell/uform4.h"
#include "shell/uinf02.h"
#include "shell/unitm.h"
#include "shell/unut01.h"
#include "shell/upasswort.h"
#include "shell/uplan02.h"
#include "shell/verwaltung.h"
#include "tests/support/testumgebung.h"

#include <QAbstractScrollArea>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <functional>

using Fenster = std::function<QDialog*()>;
Q_DECLARE_METATYPE(Fenster)

namespace {

// Drawn as having the focus: a button unlike its twin that has neither the
// focus nor the default; a list or memo with a frame in the highlight colour.
bool siehtFokussiertAus(QWidget* w)
{
    if (auto* b = qobject_cast<QPushButton*>(w)) {
        QPushButton zwilling(b->text(), b->parentWidget());
        zwilling.setFont(b->font());
        zwilling.resize(b->size());
        return b->grab().toImage() != zwilling.grab().toImage();
    }
    return QColor(w->grab().toImage().pixel(0, w->height() / 2)) == w->palette().color(QPalette::Highlight);
}

}

class TestFenster : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void menueleiste();
    void jederPunktRuftSeineNummer();
    void tastatur_data();
    void tastatur();
    void ohneNutzer();
    void infosZweiFensterNacheinander();
    void fokusGezeichnet_data();
    void fokusGezeichnet();
    void loeschenFragtNachPasswort();
    void zweiterKnopfUndEnde();

private:
    std::unique_ptr<Arbeitsordner> m_ordner;
    std::unique_ptr<Fensterprotokoll> m_fenster;
    QList<int> m_geoeffnet;
};

void TestFenster::init()
{
    m_ordner = std::make_unique<Arbeitsordner>();
    m_geoeffnet.clear();
    m_fenster = std::make_unique<Fensterprotokoll>();
    nutzer = 0;
}

void TestFenster::cleanup()
{
    m_fenster.reset();
    m_ordner.reset();
}

void TestFenster::menueleiste()
{
    Tformm& f = Tformm::instanz();
    QCOMPARE(f.farbe(), farbe::blau);
    QCOMPARE(f.windowTitle(), QStringLiteral("VELMORA 6.03    NUTZER: ----"));
    QStringList titel;
    int punkte = 0;
    for (QAction* m : f.MainMenu1->actions()) {
        titel << m->text();
        punkte += m->menu()->actions().size();
    }
    QCOMPARE(titel, (QStringList{"Verwaltung", "Zahlen", "Mathematik", "Wörter I", "Wörter II", "Reaktion",
                                 "Konzentration", "Gedächtnis", "Logik", "Wahrnehmung", "Wissen"}));
    QCOMPARE(punkte, 122);
    QCOMPARE(f.eintrag(59)->text(), QStringLiteral("Satzhäften"));
    QCOMPARE(f.eintrag(121)->text(), QStringLiteral("Prakt. Allgemeinwissen"));
    QCOMPARE(f.eintrag(1)->objectName(), QStringLiteral("Nanzeigen1"));
    QCOMPARE(f.eintrag(16)->objectName(), QStringLiteral("GrundrechenartenI1"));
    QCOMPARE(f.eintrag(37)->objectName(), QStringLiteral("Tippen2"));
    QCOMPARE(f.Ende1->text(), QStringLiteral("Ende"));
    QVERIFY(f.Edit1->isHidden());
}

void TestFenster::jederPunktRuftSeineNummer()
{
    for (int n = 13; n <= 131; ++n)
        if (n % 12 != 0)
            Programmtabelle::global().setze(n, [this, n] { m_geoeffnet << n; });
    nutzer = 1;
    Tformm& f = Tformm::instanz();
    QList<int> erwartet;
    for (int n = 13; n <= 131; ++n) {
        if (n % 12 == 0)
            continue;
        f.eintrag(n)->trigger();
        erwartet << n;
    }
    QCOMPARE(m_geoeffnet, erwartet);
    QCOMPARE(m_fenster->gezeigt.count(QStringLiteral("regel")), 110);
}

void TestFenster::tastatur_data()
{
    // keys as letters: F F10, A Alt alone, < > Left and Right, v Down, r Enter, x Esc
    QTest::addColumn<QString>("tasten");
    QTest::addColumn<QString>("titel");  // the menu title marked, empty: none
    QTest::addColumn<QString>("punkt");  // the item marked in the open menu, empty: none open
    QTest::addColumn<int>("programm");   // called, 0: none
    QTest::newRow("F10") << "F" << "Verwaltung" << "" << 0;
    QTest::newRow("Alt") << "A" << "Verwaltung" << "" << 0;
    QTest::newRow("rechts") << "F>>" << "Mathematik" << "" << 0;
    QTest::newRow("links um") << "A<" << "Wissen" << "" << 0;
    QTest::newRow("runter öffnet") << "Fv" << "Verwaltung" << "N. anzeigen" << 0;
    QTest::newRow("Enter öffnet") << "F>r" << "Zahlen" << "Tippen" << 0;
    QTest::newRow("im Menü weiter") << "F>vv" << "Zahlen" << "Zählen" << 0;
    QTest::newRow("Esc schließt das Menü") << "F>vx" << "Zahlen" << "" << 0;
    QTest::newRow("Esc verlässt") << "F>x" << "" << "" << 0;
    QTest::newRow("F10 verlässt") << "FF" << "" << "" << 0;
    QTest::newRow("Alt verlässt") << "AA" << "" << "" << 0;
    QTest::newRow("wählen") << "F>>vvr" << "" << "" << 26;
}

// The menu bar worked from the keyboard alone; keys go where the focus is.
void TestFenster::tastatur()
{
    QFETCH(QString, tasten);
    QFETCH(QString, titel);
    QFETCH(QString, punkt);
    QFETCH(int, programm);
    Programmtabelle::global().setze(26, [this] { m_geoeffnet << 26; });
    nutzer = 1;
    Tformm& f = Tformm::instanz();
    f.show();
    QApplication::setActiveWindow(&f);
    const QMap<QChar, Qt::Key> taste{{'F', Qt::Key_F10}, {'A', Qt::Key_Alt},   {'<', Qt::Key_Left},
                                     {'>', Qt::Key_Right}, {'v', Qt::Key_Down}, {'r', Qt::Key_Return},
                                     {'x', Qt::Key_Escape}};
    for (QChar c : tasten) {
        QWidget* ziel = QApplication::activePopupWidget() ? QApplication::activePopupWidget()
                        : QApplication::focusWidget()     ? QApplication::focusWidget()
                                                          : &f;
        QTest::keyClick(ziel, taste.value(c));
    }
    QAction* markiert = f.MainMenu1->activeAction();
    // the marked title is seen marked, also before its menu opens
    const QImage leiste = f.MainMenu1->grab().toImage();
    const QRect feld = markiert ? f.MainMenu1->actionGeometry(markiert) : QRect();
    const QColor titelgrund = markiert ? QColor(leiste.pixel(feld.left() + 2, feld.center().y())) : QColor();
    auto* offen = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    const QString gezeigt = offen && offen->activeAction() ? offen->activeAction()->text() : QString();
    while (QApplication::activePopupWidget())
        QApplication::activePopupWidget()->close();
    f.hide();
    QCOMPARE(markiert ? markiert->text() : QString(), titel);
    if (markiert)
        QCOMPARE(titelgrund, f.MainMenu1->palette().color(QPalette::Highlight));
    QCOMPARE(gezeigt, punkt);
    QCOMPARE(m_geoeffnet, programm ? QList<int>{programm} : QList<int>());
}

void TestFenster::ohneNutzer()
{
    dialog::Skript skript;
    Tformm& f = Tformm::instanz();
    f.eintrag(4)->trigger();
    f.eintrag(5)->trigger();
    f.eintrag(11)->trigger();
    QCOMPARE(skript.texte, QStringList(3, QStringLiteral("Es wurde kein Nutzer gewählt!")));
    QVERIFY(m_fenster->gezeigt.isEmpty());
}

void TestFenster::infosZweiFensterNacheinander()
{
    Tformm::instanz().eintrag(7)->trigger();
    QCOMPARE(m_fenster->gezeigt, (QStringList{QStringLiteral("inf01"), QStringLiteral("inf02")}));
    Tinf01& i1 = Tinf01::instanz();
    QCOMPARE(i1.windowTitle(), QStringLiteral("Version"));
    QCOMPARE(i1.lbl2inf01->text(), QStringLiteral("VELMORA 6.03"));
    QCOMPARE(i1.Label1->text(), QStringLiteral("30.01.2023"));
    QCOMPARE(i1.Memo1->toPlainText().split(QLatin1Char('\n')).size(), 7);
    QCOMPARE(i1.Memo1->width(), 800);
    QCOMPARE(i1.farbe(), farbe::aqua);
    Tinf02& i2 = Tinf02::instanz();
    QCOMPARE(i2.windowTitle(), QStringLiteral("Produkte"));
    const QStringList zeilen = i2.mem1inf02->toPlainText().split(QLatin1Char('\n'));
    QCOMPARE(zeilen.at(2), QStringLiteral("Gedächtnis, Wahrnehmung, Konzentration und "));
    QCOMPARE(zeilen.at(4), QString());
    QVERIFY(i2.mem1inf02->isReadOnly());
}

void TestFenster::fokusGezeichnet_data()
{
    QTest::addColumn<Fenster>("fenster");
    QTest::addColumn<QStringList>("reihe");  // where the focus is on opening and after each Tab
    QTest::newRow("N. anzeigen") << Fenster([] { return &Tnut01::instanz(); })
                                 << QStringList{"lst1nut01", "Button1", "cmd2nut01", "lst1nut01"};
    QTest::newRow("Überblick") << Fenster([] { return &Tdatlist::instanz(); })
                               << QStringList{"Button2", "Button1", "Memo1", "Button2"};
    QTest::newRow("akt. Ergebnis") << Fenster([] { return &TForm4::instanz(); })
                                   << QStringList{"Button1", "Button2", "gesamt", "Button1"};
    QTest::newRow("Plan-Editor beim Anlegen")
        << Fenster([] {
               Tplan02& f = Tplan02::instanz();
               f.show();
               dialog::Skript skript;
               skript.eingaben = {QStringLiteral("Morgens")};
               QTest::mouseClick(f.Button2, Qt::LeftButton);
               return &f;
           })
        << QStringList{"ListBox2", "Button5", "ListBox3", "Button7", "Button8", "Button9", "Button6", "ListBox2"};
    QTest::newRow("Passwort") << Fenster([] {
        TPasswordDlg::instanz().Password->setFocus();
        return &TPasswordDlg::instanz();
    }) << QStringList{"Password", "OKBtn", "CancelBtn", "Password"};
}

// Worked by Tab alone: only the control that has the focus is drawn so, or in a
// dialog of the toolkit, where Enter presses it, the default button.
void TestFenster::fokusGezeichnet()
{
    QFETCH(Fenster, fenster);
    QFETCH(QStringList, reihe);
    waehleNutzer(1, QStringLiteral("Anna"));
    QDialog* f = fenster();
    f->show();
    QApplication::setActiveWindow(f);
    QStringList gegangen;
    for (int i = 0; i < reihe.size(); ++i) {
        if (i > 0)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QWidget* fokus = QApplication::focusWidget();
        gegangen << (fokus ? fokus->objectName() : QString());
        QStringList gezeichnet;
        for (QWidget* w : f->findChildren<QWidget*>())
            if ((qobject_cast<QPushButton*>(w) || qobject_cast<QAbstractScrollArea*>(w)) && w->isVisible()
                && siehtFokussiertAus(w))
                gezeichnet << w->objectName();
        // in a dialog of the toolkit the default button, which a button with the focus is
        QStringList erwartet = fokus ? QStringList{fokus->objectName()} : QStringList();
        for (QPushButton* b : f->findChildren<QPushButton*>())
            if (b->isDefault() && !qobject_cast<Form*>(f))
                erwartet = QStringList{b->objectName()};
        QCOMPARE(gezeichnet, erwartet);
    }
    f->hide();
    QCOMPARE(gegangen, reihe);
}

void TestFenster::loeschenFragtNachPasswort()
{
    bool gefragt = false;
    ModalWaechter w([&](QWidget* m) {
        gefragt = m == &TPasswordDlg::instanz();
        QTest::keyClick(TPasswordDlg::instanz().Password, Qt::Key_Escape);
    });
    Tformm::instanz().eintrag(10)->trigger();
    QVERIFY(gefragt);
    QVERIFY(m_fenster->gezeigt.isEmpty());  // cancelled: no deletion window
}

void TestFenster::zweiterKnopfUndEnde()
{
    TForm1 start;
    start.show();
    nutzerregister::schreibe(QStringList{QStringLiteral("Anna")} + QStringList(39, QStringLiteral("-----")));
    QString titelNachWahl;
    dialog::Skript skript;
    Form::setzeModalErsatz([&](Form* f) {
        m_fenster->gezeigt << f->objectName();
        f->show();
        if (f->objectName() == QLatin1String("wah01")) {
            QTest::keyClick(f, Qt::Key_Return);  // the first name
        } else if (f->objectName() == QLatin1String("formm")) {
            // a user is chosen from the Windows menu, then "Ende"
            Tformm::instanz().eintrag(3)->trigger();
            titelNachWahl = Tformm::instanz().windowTitle();
            Tformm::instanz().Ende1->trigger();
        }
        f->hide();
        return 0;
    });
    QTest::mouseClick(start.Button2, Qt::LeftButton);
    QCOMPARE(m_fenster->gezeigt, (QStringList{QStringLiteral("formm"), QStringLiteral("wah01")}));
    QCOMPARE(titelNachWahl, QStringLiteral("VELMORA 6.03    NUTZER: Anna"));
    QCOMPARE(skript.texte, QStringList{QStringLiteral("Der gewählte Nutzer heißt Anna.")});
    QVERIFY(!start.isVisible());
    QCOMPARE(nutzer, 1);
}

int main(int argc, char** argv)
{
    Anwendung app(argc, argv);
    TestFenster t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_fenster.moc"
