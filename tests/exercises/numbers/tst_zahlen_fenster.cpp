// The windows of "Zahlen" and "Mathematik" driven through their controls: runs to
// the end with the result in the result file, levels, the decimal filter, the
// failures that leave a window idle, and Esc.
#include "common/punkte.h"
#include "common/satzdatei.h"
#include "common/textformat.h"
#include "common/uhr.h"
#include "common/zufall.h"
#include "common/zustand.h"
#include "exercises/numbers/register.h"
#include "exercises/numbers/upra03.h"
#include "exercises/numbers/usach02.h"
#include "exercises/numbers/uzah01.h"
#include "exercises/numbers/zahlworttabelle.h"
#include "platform/anwendung.h"
#include "platform/dialoge.h"
#include "platform/leinwand.h"
#include "shell/ergebnisse.h"
#include "shell/programmtabelle.h"
#include "tests/support/testumgebung.h"
#include "tests/support/testuhr.h"

#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QSet>
#include <QTest>
#include <QTextEdit>
#include <map>

namespace {

Form* neuesFenster(int programm)
{
    for (const Zahlart& a : Tzah01::mitglieder())
        if (a.programm == programm)
            return new Tzah01(a);
    for (const Textart& a : Tpra03::mitglieder())
        if (a.programm == programm)
            return new Tpra03(a);
    return new Tsach02;
}

// The newest result of the current user for a program, as stored.
QString letzterEintrag(int programm)
{
    Satzdatei d(ergebnis::dateiname(programm / 12 - 1), ergebnis::kSatzgroesse);
    d.positioniere(ergebnis::satznummer(programm % 12, nutzer, 9));
    return d.liesText();
}

// A result record of the test day with the points as stored.
QString eintrag(const char* punkte) { return QStringLiteral("07.03.2026   ") + QLatin1String(punkte); }

// The question -> solution of a content file, as the window would read it.
std::map<QString, QString> loesungen(const QString& datei, int kapazitaet, bool mix)
{
    std::map<QString, QString> m;
    Satzdatei d(datei, kapazitaet + 1);
    for (int r = 0; r < d.satzzahl(); ++r) {
        const QString satz = d.liesText();
        if (mix)
            m[satz.mid(4)] = satz.left(4).trimmed();
        else
            m[TTextaufgabe::aus(satz, kapazitaet).frage] = TTextaufgabe::aus(satz, kapazitaet).loesungText;
    }
    return m;
}

// A window and its controls, driven as a person would.
class Lauf {
public:
    explicit Lauf(int programm) : n(programm), fenster(neuesFenster(programm))
    {
        fenster->show();
        start = fenster->findChild<QPushButton*>(QStringLiteral("start"));
        weiter = fenster->findChild<QPushButton*>(QStringLiteral("weiter"));
        eingabe = fenster->findChild<QLineEdit*>(QStringLiteral("eingabe"));
        rifa = fenster->findChild<QLabel*>(QStringLiteral("rifa"));
        aufzahl = fenster->findChild<QLabel*>(QStringLiteral("aufzahl"));
    }
    ~Lauf() { delete fenster; }

    bool vollstaendig() const { return start && weiter && eingabe && rifa && aufzahl; }
    void starte() { QTest::mouseClick(start, Qt::LeftButton); }
    void weiterKlick() { QTest::mouseClick(weiter, Qt::LeftButton); }
    bool laeuft() const { return fenster->isVisible() && !eingabe->isHidden(); }

    // What the window shows as the task.
    QString aufgabe() const
    {
        QWidget* a = fenster->findChild<QWidget*>(QStringLiteral("ausgabe"));
        if (auto* l = qobject_cast<QLabel*>(a))
            return l->text();
        if (auto* m = qobject_cast<QTextEdit*>(a))
            return m->toPlainText();
        return QString::number(kreuze());
    }

    // The marked cells of the board, counted on its picture.
    int kreuze() const
    {
        auto* pb = fenster->findChild<Malflaeche*>(QStringLiteral("pb"));
        const QImage& bild = pb->bild();
        const int zelle = pb->width() / 6;
        int n = 0;
        for (int zeile = 0; zeile < 6; ++zeile)
            for (int spalte = 0; spalte < 6; ++spalte) {
                bool markiert = false;
                for (int y = 2; y < zelle - 2 && !markiert; ++y)
                    for (int x = 2; x < zelle - 2 && !markiert; ++x)
                        markiert = bild.pixelColor(spalte * zelle + x, zeile * zelle + y) != QColor(0, 255, 0);
                n += markiert;
            }
        return n;
    }

    // The right answer to the task shown, worked out from what is shown.
    QString richtig() const
    {
        const QString t = aufgabe();
        static const QRegularExpression rechnung(QStringLiteral("^(\\d+) ([-+*:]) (\\d+)$"));
        switch (n) {
        case 13:
        case 14:
            return t;
        case 15:
            for (int i = 1; i <= kZahlwoerter; ++i)
                if (Zahlworttabelle(i).section(QLatin1Char(','), 0, 0) == t)
                    return Zahlworttabelle(i).section(QLatin1Char(','), 1);
            return {};
        case 16:
        case 17: {
            const auto m = rechnung.match(t);
            const int a = m.captured(1).toInt(), b = m.captured(3).toInt();
            const QChar op = m.captured(2).at(0);
            return QString::number(op == QLatin1Char('+') ? a + b : op == QLatin1Char('-') ? a - b
                                   : op == QLatin1Char('*') ? a * b : a / b);
        }
        case 25: {
            const QStringList s = t.split(QLatin1Char(' '));
            int wert = s[0].toInt();
            for (int i = 1; i + 1 < s.size(); i += 2)
                wert += (s[i] == QLatin1String("+") ? 1 : -1) * s[i + 1].toInt();
            return QString::number(wert);
        }
        default: {
            const auto& m = tabelle();
            const auto it = m.find(t);
            return it == m.end() ? QString() : it->second;
        }
        }
    }

    const std::map<QString, QString>& tabelle() const
    {
        if (m_tabelle.empty()) {
            if (n == 26)
                m_tabelle = loesungen(QStringLiteral("sachmix.dat"), 40, true);
            for (const Textart& a : Tpra03::mitglieder())
                if (a.programm == n)
                    m_tabelle = loesungen(a.datei, a.kapazitaet, false);
        }
        return m_tabelle;
    }

    // Types the text and presses Enter in the answer field.
    void antworte(const QString& text)
    {
        tippe(eingabe, text);
        QTest::keyClick(eingabe, Qt::Key_Return);
    }

    // A whole run: antwort gives what to type for task k (from 1) and the right
    // answer; the clock moves on by sekunden before the last "weiter".
    void fahre(const std::function<QString(int, const QString&)>& antwort, double sekunden, Testuhr& u)
    {
        starte();
        for (int k = 1; laeuft() && k <= 40; ++k) {
            zaehler << aufzahl->text();
            aufgaben << aufgabe();
            antworte(antwort(k, richtig()));
            urteile << rifa->text();
            if (weiter->isHidden())
                return;  // not judged: the caller looks at why
            if (k == gesamt())
                u.mono += sekunden;
            weiterKlick();
        }
    }

    int gesamt() const { return aufzahl->text().section(QStringLiteral("/ "), 1).toInt(); }

    int n;
    Form* fenster;
    QPushButton* start = nullptr;
    QPushButton* weiter = nullptr;
    QLineEdit* eingabe = nullptr;
    QLabel* rifa = nullptr;
    QLabel* aufzahl = nullptr;
    QStringList zaehler, aufgaben, urteile;

private:
    mutable std::map<QString, QString> m_tabelle;
};

QString immerRichtig(int, const QString& r) { return r; }

// A record file with one record's solution replaced.
void ersetzeLoesung(const QString& datei, int kapazitaet, int satz, const QString& loesung)
{
    Satzdatei d(datei, kapazitaet + 1);
    d.positioniere(satz);
    const QString alt = d.liesText();
    d.positioniere(satz);
    d.schreibeText(alt.left(kapazitaet - 5) + loesung);
    d.schliesse();
}

}

class TestZahlenFenster : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void registriert_data();
    void registriert();
    void laufBisZumEnde_data();
    void laufBisZumEnde();
    void tippenStufen_data();
    void tippenStufen();
    void stufeZaehltNurRichtige();
    void zahlwortAllesFalsch();
    void zehntelDerZeit_data();
    void zehntelDerZeit();
    void ketteMitKomma();
    void einmalUrteilen_data();
    void einmalUrteilen();
    void weiterMitEnter();
    void dezimalFilter_data();
    void dezimalFilter();
    void ungueltigesFormat();
    void formatMeldungVorDemLeeren_data();
    void formatMeldungVorDemLeeren();
    void leerUndMinusAllein_data();
    void leerUndMinusAllein();
    void eingefuegtKeineZahl_data();
    void eingefuegtKeineZahl();
    void dateiFehlt_data();
    void dateiFehlt();
    void loesungUnlesbar();
    void escSchliesst_data();
    void escSchliesst();
    void rechenmixZeigtLoesung();

private:
    Testuhr m_uhr;
    std::unique_ptr<Arbeitsordner> m_ordner;
};

void TestZahlenFenster::init()
{
    m_ordner = std::make_unique<Arbeitsordner>();
    uhr::setzeQuelle(&m_uhr);
    waehleNutzer(3, QStringLiteral("Anna"));  // as chosen from the register
    meldung.clear();
    // the message window is confirmed at once
    Form::setzeModalErsatz([](Form*) { return 0; });
}

void TestZahlenFenster::cleanup()
{
    Form::setzeModalErsatz(nullptr);
    uhr::setzeQuelle(nullptr);
    zufall::setzeFolge({});
    m_ordner.reset();
}

void TestZahlenFenster::registriert_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<QString>("klasse");
    QTest::addColumn<QString>("titel");
    QTest::newRow("13") << 13 << "Tzah01" << "Zahlen tippen";
    QTest::newRow("14") << 14 << "Tzah03" << "Zählen";
    QTest::newRow("15") << 15 << "Tzah02" << "Zahlwort";
    QTest::newRow("16") << 16 << "Trec05" << "Grundrechenarten";
    QTest::newRow("17") << 17 << "Trec06" << "Grundrechenarten";
    QTest::newRow("25") << 25 << "Tsach01" << "Rechenketten";
    QTest::newRow("26") << 26 << "Tsach02" << "Rechenmix";
    QTest::newRow("27") << 27 << "Tsach03" << "Textaufgaben I";
    QTest::newRow("28") << 28 << "Tsach04" << "Textaufgaben II";
    QTest::newRow("29") << 29 << "Tsach05" << "Zahlenrätsel";
    QTest::newRow("30") << 30 << "Tpra03" << "Zweisatz";
    QTest::newRow("31") << 31 << "Tpra04" << "Dreisatz";
    QTest::newRow("32") << 32 << "Tsac07" << "Bruchrechnung";
    QTest::newRow("33") << 33 << "Tsac08" << "Geometrie";
}

void TestZahlenFenster::registriert()
{
    QFETCH(int, n);
    QFETCH(QString, klasse);
    QFETCH(QString, titel);
    Programmtabelle t;
    registriereZahlen(t);
    QVERIFY(t.hat(n));
    QString gezeigt;
    Form::setzeModalErsatz([&](Form* f) {
        gezeigt = f->objectName() + QLatin1Char('|') + f->windowTitle();
        return 0;
    });
    t.oeffne(n);
    QCOMPARE(gezeigt, klasse + QLatin1Char('|') + titel);
    // numbers of the menus not built here stay free
    QVERIFY(!t.hat(24) && !t.hat(36));
}

void TestZahlenFenster::laufBisZumEnde_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<int>("aufgaben");
    QTest::addColumn<int>("ganze");           // the whole points of the message
    QTest::addColumn<QString>("gespeichert");  // the points as stored
    // 100 + 100 per task, less 123.45 seconds (or a tenth of them), cut to two
    // decimals in single precision: 976.55 becomes 976.54, stored as 976,539
    const auto zeile = [](int n, int aufgaben, int teiler) {
        const std::map<std::pair<int, int>, std::pair<int, QString>> erwartet = {
            {{20, 1}, {1976, QStringLiteral("1976,55")}},
            {{15, 1}, {1476, QStringLiteral("1476,55")}},
            {{10, 1}, {976, QStringLiteral("976,539")}},
            {{15, 10}, {1587, QStringLiteral("1587,65")}}};
        const auto& [ganze, gespeichert] = erwartet.at({aufgaben, teiler});
        QTest::addRow("%d", n) << n << aufgaben << ganze << gespeichert;
    };
    for (int n : {13, 14, 15, 16, 17, 25})
        zeile(n, 20, 1);
    zeile(26, 15, 1);
    for (const Textart& a : Tpra03::mitglieder())
        zeile(a.programm, a.aufgaben, int(a.zeitteiler));
}

void TestZahlenFenster::laufBisZumEnde()
{
    QFETCH(int, n);
    QFETCH(int, aufgaben);
    QFETCH(int, ganze);
    QFETCH(QString, gespeichert);
    Lauf l(n);
    QVERIFY(l.vollstaendig());
    QVERIFY(l.eingabe->isHidden() && l.weiter->isHidden() && l.aufzahl->isHidden());
    l.fahre(immerRichtig, 123.45, m_uhr);

    QCOMPARE(l.urteile, QStringList(aufgaben, QStringLiteral("RICHTIG!")));
    QStringList zaehler;
    for (int k = 1; k <= aufgaben; ++k)
        zaehler << QStringLiteral("%1/ %2").arg(k).arg(aufgaben);
    QCOMPARE(l.zaehler, zaehler);
    QCOMPARE(meldung, QStringLiteral("Sie haben %1 Punkte erreicht!").arg(ganze));
    QCOMPARE(letzterEintrag(n), QStringLiteral("07.03.2026   ") + gespeichert);
    // closed and back to idle
    QVERIFY(!l.fenster->isVisible());
    QVERIFY(!l.start->isHidden() && l.eingabe->isHidden() && l.weiter->isHidden() && l.aufzahl->isHidden());
    QVERIFY(l.rifa->text().isEmpty());
    // a record of a content file comes at most once per run
    if (n >= 26)
        QCOMPARE(QSet<QString>(l.aufgaben.begin(), l.aufgaben.end()).size(), aufgaben);
}

void TestZahlenFenster::tippenStufen_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<QList<int>>("von");
    QTest::addColumn<QList<int>>("bis");
    QTest::newRow("Tzah01") << 13 << QList<int>{0, 10, 100, 1000, 10000} << QList<int>{9, 99, 999, 9999, 24999};
    QTest::newRow("Tzah03") << 14 << QList<int>{2, 3, 4, 5, 6} << QList<int>{5, 10, 15, 20, 25};
}

void TestZahlenFenster::tippenStufen()
{
    QFETCH(int, n);
    QFETCH(QList<int>, von);
    QFETCH(QList<int>, bis);
    Lauf l(n);
    l.fahre(immerRichtig, 10.0, m_uhr);
    QCOMPARE(l.aufgaben.size(), 20);
    for (int j = 0; j < 20; ++j) {
        const int stufe = j / 4;  // four right answers per level
        const int loesung = l.aufgaben[j].toInt();
        QVERIFY2(loesung >= von[stufe] && loesung <= bis[stufe],
                 qPrintable(QStringLiteral("Aufgabe %1: %2").arg(j + 1).arg(l.aufgaben[j])));
    }
    QCOMPARE(letzterEintrag(n), eintrag("2090"));
}

void TestZahlenFenster::stufeZaehltNurRichtige()
{
    // right, wrong, right, right, right: the level rises after the fifth answer
    Lauf l(13);
    l.fahre([](int k, const QString& r) { return k == 2 ? QStringLiteral("99999") : r; }, 5.0, m_uhr);
    for (int j = 0; j < 5; ++j)
        QVERIFY2(l.aufgaben[j].toInt() <= 9, qPrintable(l.aufgaben[j]));
    QVERIFY2(l.aufgaben[5].toInt() >= 10 && l.aufgaben[5].toInt() <= 99, qPrintable(l.aufgaben[5]));
    QCOMPARE(l.urteile[1], QStringLiteral("FEHLER! ") + l.aufgaben[1]);
    QCOMPARE(letzterEintrag(13), eintrag("1995"));
}

void TestZahlenFenster::zahlwortAllesFalsch()
{
    Lauf l(15);
    l.fahre([](int, const QString&) { return QStringLiteral("99999"); }, 33.0, m_uhr);
    QCOMPARE(l.aufgaben.size(), 20);
    QSet<QString> block0;
    for (int i = 1; i <= 20; ++i)
        block0 << Zahlworttabelle(i).section(QLatin1Char(','), 0, 0);
    QCOMPARE(QSet<QString>(l.aufgaben.begin(), l.aufgaben.end()), block0);
    QCOMPARE(l.urteile.first().left(8), QStringLiteral("FEHLER! "));
    QVERIFY(!l.urteile.first().contains(QStringLiteral("Lösung")));
    QCOMPARE(letzterEintrag(15), eintrag("67"));
}

void TestZahlenFenster::zehntelDerZeit_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<QString>("punkte");
    QTest::newRow("Tsac07") << 32 << "1070";
    QTest::newRow("Tpra03") << 30 << "800";
}

void TestZahlenFenster::zehntelDerZeit()
{
    QFETCH(int, n);
    QFETCH(QString, punkte);
    Lauf l(n);
    // ten right answers, the rest wrong, in 300 seconds
    l.fahre([](int k, const QString& r) { return k <= 10 ? r : QStringLiteral("-1"); }, 300.0, m_uhr);
    QCOMPARE(l.urteile.count(QStringLiteral("RICHTIG!")), 10);
    QCOMPARE(letzterEintrag(n), QStringLiteral("07.03.2026   ") + punkte);
    QCOMPARE(meldung, QStringLiteral("Sie haben %1 Punkte erreicht!").arg(punkte));
}

void TestZahlenFenster::ketteMitKomma()
{
    // 11 and 11,0 both count for the solution 11
    Lauf l(25);
    l.fahre([](int k, const QString& r) { return k % 2 ? r + QStringLiteral(",0") : r; }, 20.0, m_uhr);
    QCOMPARE(l.urteile, QStringList(20, QStringLiteral("RICHTIG!")));
    QCOMPARE(letzterEintrag(25), eintrag("2080"));
    // a wrong answer shows the solution after "Lösung: "
    Lauf f(25);
    f.starte();
    const QString r = f.richtig();
    f.antworte(QString::number(r.toInt() + 1));
    QCOMPARE(f.rifa->text(), QStringLiteral("FEHLER! Lösung: ") + r);
}

void TestZahlenFenster::einmalUrteilen_data()
{
    QTest::addColumn<int>("n");
    QTest::newRow("Tzah03") << 14;
    QTest::newRow("Tzah02") << 15;
    QTest::newRow("Tpra03") << 30;
    QTest::newRow("Tsach02") << 26;
}

void TestZahlenFenster::einmalUrteilen()
{
    // Enter in the read-only field after the verdict judges nothing again: no
    // points twice, and no level past what the task makers draw
    QFETCH(int, n);
    Lauf l(n);
    l.starte();
    int k = 0;
    while (l.laeuft() && ++k <= 40) {
        l.aufgaben << l.aufgabe();
        l.antworte(l.richtig());
        QVERIFY(l.eingabe->isReadOnly());
        for (int i = 0; i < 3; ++i) {
            QTest::keyClick(l.eingabe, Qt::Key_Return);
            QCOMPARE(l.rifa->text(), QStringLiteral("RICHTIG!"));
        }
        if (k == l.gesamt())
            m_uhr.mono += 50.0;
        l.weiterKlick();
    }
    QCOMPARE(k, n == 26 ? 15 : n == 30 ? 10 : 20);
    QCOMPARE(letzterEintrag(n), eintrag(n == 26 ? "1550" : n == 30 ? "1050" : "2050"));
    if (n == 14)
        for (const QString& a : l.aufgaben)
            QVERIFY(a.toInt() <= 25);
}

void TestZahlenFenster::weiterMitEnter()
{
    Lauf l(13);
    l.starte();
    l.antworte(l.richtig());
    QCOMPARE(l.fenster->focusWidget(), l.weiter);
    QTest::keyClick(l.weiter, Qt::Key_Return);
    QCOMPARE(l.aufzahl->text(), QStringLiteral("2/ 20"));
    QVERIFY(l.weiter->isHidden() && !l.eingabe->isReadOnly() && l.rifa->text().isEmpty());
    QCOMPARE(l.fenster->focusWidget(), l.eingabe);
}

void TestZahlenFenster::dezimalFilter_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<QString>("tasten");  // "<" is Backspace
    QTest::addColumn<QString>("feld");
    for (int n : {30, 25}) {
        QTest::addRow("%d zweites komma", n) << n << "1,,5" << "1,5";
        QTest::addRow("%d komma geloescht", n) << n << "1,<,5" << "1,5";
        QTest::addRow("%d ziffer nach komma geloescht", n) << n << "12,5<<,7" << "12,7";
        QTest::addRow("%d minus spaeter", n) << n << "5-" << "5";
        QTest::addRow("%d minus zuerst", n) << n << "-5" << "-5";
        QTest::addRow("%d zwei minus", n) << n << "--5" << "-5";
        QTest::addRow("%d buchstaben", n) << n << "1a.2 x" << "12";
        QTest::addRow("%d volles feld", n) << n << "12345,<," << "1234,";
    }
    QTest::newRow("ziffern nur") << 13 << "1,-5a" << "15";
    QTest::newRow("mix nur ziffern") << 26 << "-1,2" << "12";
}

void TestZahlenFenster::dezimalFilter()
{
    QFETCH(int, n);
    QFETCH(QString, tasten);
    QFETCH(QString, feld);
    Lauf l(n);
    l.starte();
    for (QChar c : tasten) {
        if (c == QLatin1Char('<'))
            QTest::keyClick(l.eingabe, Qt::Key_Backspace);
        else
            tippe(l.eingabe, QString(c));
    }
    QCOMPARE(l.eingabe->text(), feld);
}

void TestZahlenFenster::ungueltigesFormat()
{
    dialog::Skript skript;
    Lauf l(30);
    l.starte();
    tippe(l.eingabe, QStringLiteral("1,"));
    // two commas can only come in by moving the caret; here they are set directly
    l.eingabe->setText(QStringLiteral("1,,5"));
    QTest::keyClick(l.eingabe, Qt::Key_Return);
    QCOMPARE(skript.texte, QStringList{QStringLiteral("ungültiges Format!")});
    QVERIFY(l.eingabe->text().isEmpty());
    QVERIFY(l.weiter->isHidden() && l.rifa->text().isEmpty() && !l.eingabe->isReadOnly());
    // the comma flag went with the field's text: a comma can be typed again
    tippe(l.eingabe, QStringLiteral(","));
    QCOMPARE(l.eingabe->text(), QStringLiteral(","));
    // the task is still open
    QTest::keyClick(l.eingabe, Qt::Key_Backspace);
    l.antworte(l.richtig());
    QCOMPARE(l.rifa->text(), QStringLiteral("RICHTIG!"));
}

void TestZahlenFenster::formatMeldungVorDemLeeren_data()
{
    QTest::addColumn<int>("n");
    QTest::newRow("Tpra03") << 30;
    QTest::newRow("Tsach01") << 25;
}

void TestZahlenFenster::formatMeldungVorDemLeeren()
{
    // the message box comes first, over the text it complains about; the
    // field is emptied once it is confirmed
    QFETCH(int, n);
    Lauf l(n);
    l.starte();
    l.eingabe->setText(QStringLiteral("1,2,"));
    QString text, feld;
    ModalWaechter waechter([&](QWidget* w) {
        auto* box = qobject_cast<QMessageBox*>(w);
        text = box ? box->text() : QString();
        feld = l.eingabe->text();
        if (box)
            box->accept();
    });
    QTest::keyClick(l.eingabe, Qt::Key_Return);
    QVERIFY(waechter.ausgeloest());
    QCOMPARE(text, QStringLiteral("ungültiges Format!"));
    QCOMPARE(feld, QStringLiteral("1,2,"));
    QVERIFY(l.eingabe->text().isEmpty());
    QVERIFY(l.weiter->isHidden() && l.rifa->text().isEmpty());
}

void TestZahlenFenster::leerUndMinusAllein_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<QString>("text");
    QTest::newRow("Tpra03 leer") << 30 << "";
    QTest::newRow("Tpra03 minus") << 30 << "-";
    QTest::newRow("Tsach01 minus") << 25 << "-";
    QTest::newRow("Tzah01 leer") << 13 << "";
    QTest::newRow("Tsach02 leer") << 26 << "";
}

void TestZahlenFenster::leerUndMinusAllein()
{
    QFETCH(int, n);
    QFETCH(QString, text);
    dialog::Skript skript;
    Lauf l(n);
    l.starte();
    l.antworte(text);
    QVERIFY(l.rifa->text().isEmpty() && l.weiter->isHidden() && !l.eingabe->isReadOnly());
    QVERIFY(skript.texte.isEmpty());
    QCOMPARE(l.eingabe->text(), text);
}

void TestZahlenFenster::eingefuegtKeineZahl_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("meldung");
    QTest::newRow("Tzah01") << 13 << "12a" << "'12a' ist kein gültiger Integerwert";
    QTest::newRow("Tzah03") << 14 << "3a" << "'3a' ist kein gültiger Integerwert";
    QTest::newRow("Tpra03") << 30 << "1-2" << "'1-2' ist kein gültiger Gleitkommawert";
    QTest::newRow("Tsach01") << 25 << "7x" << "'7x' ist kein gültiger Gleitkommawert";
    QTest::newRow("Tsach02") << 26 << "1 2" << "'1 2' ist kein gültiger Integerwert";
}

void TestZahlenFenster::eingefuegtKeineZahl()
{
    // pasted through the context menu, past the filter: nothing is judged
    QFETCH(int, n);
    QFETCH(QString, text);
    QFETCH(QString, meldung);
    dialog::Skript skript;
    Lauf l(n);
    l.starte();
    l.eingabe->setText(text);
    QTest::keyClick(l.eingabe, Qt::Key_Return);
    QCOMPARE(skript.texte, QStringList{meldung});
    QVERIFY(l.rifa->text().isEmpty() && l.weiter->isHidden() && !l.eingabe->isReadOnly());
    QCOMPARE(l.eingabe->text(), text);
    l.eingabe->clear();
    l.antworte(l.richtig());
    QCOMPARE(l.rifa->text(), QStringLiteral("RICHTIG!"));
}

void TestZahlenFenster::dateiFehlt_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<QString>("datei");
    QTest::addColumn<int>("saetze");  // -1: the file is missing
    QTest::addColumn<QString>("meldung");
    QTest::newRow("fehlt") << 27 << "sach03.dat" << -1 << "Datei nicht gefunden";
    QTest::newRow("zu kurz") << 29 << "sach05.dat" << 23 << "Versuch hinter dem Dateiende zu lesen";
    QTest::newRow("mix fehlt") << 26 << "sachmix.dat" << -1 << "Datei nicht gefunden";
    QTest::newRow("mix zu kurz") << 26 << "sachmix.dat" << 99 << "Versuch hinter dem Dateiende zu lesen";
}

void TestZahlenFenster::dateiFehlt()
{
    QFETCH(int, n);
    QFETCH(QString, datei);
    QFETCH(int, saetze);
    QFETCH(QString, meldung);
    if (saetze < 0) {
        QFile::remove(m_ordner->pfad(datei));
    } else {
        const int satzgroesse = n == 26 ? 41 : 161;
        m_ordner->schreibe(datei, m_ordner->lies(datei).left(satzgroesse * saetze));
    }
    dialog::Skript skript;
    Lauf l(n);
    l.starte();
    QCOMPARE(skript.texte, QStringList{meldung});
    QVERIFY(!l.start->isHidden() && l.eingabe->isHidden() && l.aufzahl->isHidden());
    QVERIFY(l.fenster->isVisible());
}

void TestZahlenFenster::loesungUnlesbar()
{
    // records drawn in file order: task k is record k - 1
    int zug = 0;
    zufall::setzeFolge([&zug] { return (zug++ % 24 + 0.5) / 24.0; });
    ersetzeLoesung(QStringLiteral("vmgeomet.dat"), 160, 1, QStringLiteral("x"));
    dialog::Skript skript;
    Lauf l(33);
    l.starte();
    QCOMPARE(l.aufzahl->text(), QStringLiteral("1/ 15"));
    l.antworte(l.richtig());
    l.weiterKlick();
    // the second task does not convert: its question stays empty, "weiter" stays
    QCOMPARE(skript.texte, QStringList{QStringLiteral("'x' ist kein gültiger Gleitkommawert")});
    QVERIFY(l.aufgabe().isEmpty());
    QVERIFY(!l.weiter->isHidden());
    QTest::keyClick(l.eingabe, Qt::Key_Return);
    QVERIFY(l.rifa->text().isEmpty());
    l.weiterKlick();
    QCOMPARE(l.aufzahl->text(), QStringLiteral("3/ 15"));
    QVERIFY(!l.aufgabe().isEmpty() && l.weiter->isHidden());
    l.antworte(l.richtig());
    QCOMPARE(l.rifa->text(), QStringLiteral("RICHTIG!"));

    // a first task that does not convert leaves the window idle
    ersetzeLoesung(QStringLiteral("vmgeomet.dat"), 160, 0, QStringLiteral("1.5"));
    zug = 0;
    skript.texte.clear();
    Lauf m(33);
    m.starte();
    QCOMPARE(skript.texte, QStringList{QStringLiteral("'1.5' ist kein gültiger Gleitkommawert")});
    QVERIFY(!m.start->isHidden() && m.eingabe->isHidden());
}

void TestZahlenFenster::escSchliesst_data()
{
    QTest::addColumn<int>("n");
    for (int n : {13, 14, 25, 26, 30})
        QTest::addRow("%d", n) << n;
}

void TestZahlenFenster::escSchliesst()
{
    QFETCH(int, n);
    const QString datei = ergebnis::dateiname(n / 12 - 1);
    const QByteArray vorher = m_ordner->lies(datei);
    Lauf l(n);
    l.starte();
    l.antworte(l.richtig());
    l.weiterKlick();
    QTest::keyClick(l.eingabe, Qt::Key_Escape);
    QVERIFY(!l.fenster->isVisible());
    QCOMPARE(m_ordner->lies(datei), vorher);
    QVERIFY(meldung.isEmpty());
    // opened again, a fresh run starts
    l.fenster->show();
    QVERIFY(!l.start->isHidden() && l.eingabe->isHidden() && l.rifa->text().isEmpty());
    l.starte();
    QCOMPARE(l.aufzahl->text(), QStringLiteral("1/ %1").arg(l.gesamt()));
    if (n == 13)
        QVERIFY(l.aufgabe().toInt() <= 9);
    l.fenster->close();
}

void TestZahlenFenster::rechenmixZeigtLoesung()
{
    Lauf l(26);
    l.starte();
    auto* memo = l.fenster->findChild<QTextEdit*>(QStringLiteral("Memo"));
    QVERIFY(memo);
    const QString r = l.richtig();
    l.antworte(r == QLatin1String("9999") ? QStringLiteral("0") : QString::number(r.toInt() + 1));
    QCOMPARE(l.rifa->text(), QStringLiteral("FEHLER!"));
    QCOMPARE(memo->toPlainText(), r);
    l.weiterKlick();
    QVERIFY(memo->toPlainText().isEmpty());
}

int main(int argc, char** argv)
{
    Anwendung app(argc, argv);
    TestZahlenFenster t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_zahlen_fenster.moc"
