// "Symbolrechnen" and the sign table: the thirty signs, the digit code and the
// tasks of a run, and the window driven through its controls from the
// dispatcher to the stored result.
#include "common/satzdatei.h"
#include "common/uhr.h"
#include "common/zufall.h"
#include "common/zustand.h"
#include "exercises/numbers/register.h"
#include "exercises/numbers/symbolaufgaben.h"
#include "exercises/numbers/uson13.h"
#include "exercises/shared/symboltabelle.h"
#include "platform/anwendung.h"
#include "platform/dialoge.h"
#include "shell/aufruf.h"
#include "shell/programmtabelle.h"
#include "tests/support/testumgebung.h"
#include "tests/support/uebungsumgebung.h"
#include "tests/support/testuhr.h"

#include <QApplication>
#include <QFontInfo>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRawFont>
#include <QRegularExpression>
#include <QSet>
#include <QTest>
#include <optional>
#include <memory>
#include <random>

namespace {

Testuhr g_uhr;

// The generator gives these numbers in [0,1), then 0.
void folge(const QList<double>& zahlen)
{
    auto i = std::make_shared<int>(0);
    zufall::setzeFolge([zahlen, i] { return *i < zahlen.size() ? zahlen[(*i)++] : 0.0; });
}

// Draws that make the table's entries 1 to 10 the digits 0 to 9, then the task's draws.
QList<double> ersteZehn(const QList<double>& aufgabe)
{
    QList<double> z;
    for (int i = 0; i < 10; ++i)
        z << (i + 0.5) / 30;
    return z + aufgabe;
}

// The result records of program 18 for user 3 and the highscore block of program 18.
constexpr int kErgebnissatz = 2029;  // (6 - 1) x 400 + (3 - 1) x 10 + 9
constexpr int kHochblock = 5;        // running index 6

QString kurz(const QByteArray& daten, int von) { return kurztext::lies(daten.constData() + von, 20); }

// The window and its controls, driven as a person would.
struct Fahrer {
    Tson13& f;

    QPushButton* knopf(const char* name) const { return f.findChild<QPushButton*>(QLatin1String(name)); }
    QLineEdit* eingabe() const { return f.findChild<QLineEdit*>(QStringLiteral("eingabe")); }
    QLabel* etikett(const char* name) const { return f.findChild<QLabel*>(QLatin1String(name)); }
    QString rifa() const { return etikett("rifa")->text(); }

    void antworte(const QString& text)
    {
        tippe(eingabe(), text);
        QTest::keyClick(eingabe(), Qt::Key_Return);
    }

    // The digit of each sign, read off the legend: "Φ = 0".
    QMap<QChar, int> legende() const
    {
        QMap<QChar, int> m;
        for (int j = 1; j <= 10; ++j) {
            const QString t = f.findChild<QPushButton*>(QStringLiteral("Button%1").arg(j))->text();
            m[t.at(0)] = t.mid(4).toInt();
        }
        return m;
    }

    // The task shown, solved with the legend.
    QString loesung() const
    {
        const QMap<QChar, int> l = legende();
        QString ziffern;
        for (QChar c : etikett("aufgabe")->text())
            ziffern += l.contains(c) ? QString::number(l[c]) : QString(c);
        static const QRegularExpression muster(QStringLiteral("^(\\d+)  ([*+])  (\\d+)  =$"));
        const auto m = muster.match(ziffern);
        if (!m.hasMatch())
            return {};
        const int a = m.captured(1).toInt(), b = m.captured(3).toInt();
        return QString::number(m.captured(2) == QLatin1String("*") ? a * b : a + b);
    }
};

// Plays a whole run with every answer right; the clock moves on by sekunden
// before the last "weiter".
void fahre(Tson13& f, double sekunden, QStringList& zaehler, QStringList& urteile, QSet<QChar>& zeichen)
{
    f.show();
    QApplication::setActiveWindow(&f);
    Fahrer d{f};
    QVERIFY(f.panel1->isHidden() && f.panel2->isHidden() && d.eingabe()->isHidden());
    QTest::mouseClick(d.knopf("start"), Qt::LeftButton);
    QVERIFY(!f.panel1->isHidden() && !f.panel2->isHidden());
    const QMap<QChar, int> legende = d.legende();
    QCOMPARE(legende.size(), 10);
    QCOMPARE(QSet<int>(legende.begin(), legende.end()).size(), 10);
    for (int k = 1; k <= 15 && f.isVisible(); ++k) {
        zaehler << d.etikett("aufzahl")->text();
        for (QChar c : d.etikett("aufgabe")->text())
            zeichen << c;
        d.antworte(d.loesung());
        urteile << d.rifa();
        // Enter in the read-only field judges nothing again
        QVERIFY(d.eingabe()->isReadOnly());
        QTest::keyClick(d.eingabe(), Qt::Key_Return);
        QTest::keyClick(d.eingabe(), Qt::Key_Return);
        if (k == 15)
            g_uhr.mono += sekunden;
        QTest::mouseClick(d.knopf("weiter"), Qt::LeftButton);
    }
    QVERIFY(!f.isVisible());
}

}

class TestSymbolrechnen : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void tabelle_data();
    void tabelle();
    void zeichenVerschiedenUndInDerSchrift();
    void code();
    void aufgabe_data();
    void aufgabe();
    void vieleSaaten();
    void ganzerLauf_data();
    void ganzerLauf();
    void urteil_data();
    void urteil();
    void eingabeFilter();
    void eingefuegtKeineZahl();
    void abbrechen_data();
    void abbrechen();

private:
    std::unique_ptr<Arbeitsordner> m_ordner;
    std::optional<Uebungsumgebung> m_umgebung;
    std::unique_ptr<Tson13> m_fenster;
};

void TestSymbolrechnen::init()
{
    m_ordner = std::make_unique<Arbeitsordner>();
    m_umgebung.emplace(g_uhr, 3, QStringLiteral("Anna"), 0);
}

void TestSymbolrechnen::cleanup()
{
    m_fenster.reset();
    m_umgebung.reset();
    m_ordner.reset();
}

void TestSymbolrechnen::tabelle_data()
{
    QTest::addColumn<int>("i");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("zeichen");
    QTest::newRow("Phi zuerst") << 1 << 0x46 << "Φ";
    QTest::newRow("Senkrecht") << 6 << 0x5E << "⊥";
    QTest::newRow("A5 ist unendlich, nicht Yen") << 7 << 0xA5 << "∞";
    QTest::newRow("Herz") << 10 << 0xA9 << "♥";
    QTest::newRow("A1 nach den Farben") << 12 << 0xA1 << "ϒ";
    QTest::newRow("Pfeil runter") << 16 << 0xAF << "↓";
    QTest::newRow("Copyright") << 23 << 0xD3 << "©";
    QTest::newRow("Doppelpfeil beidseitig") << 26 << 0xDB << "⇔";
    QTest::newRow("Doppelpfeil runter zuletzt") << 30 << 0xDF << "⇓";
}

void TestSymbolrechnen::tabelle()
{
    QFETCH(int, i);
    QFETCH(int, code);
    QFETCH(QString, zeichen);
    QCOMPARE(int(Symboltabelle(i).code), code);
    QCOMPARE(QString(Symboltabelle(i).zeichen), zeichen);
}

void TestSymbolrechnen::zeichenVerschiedenUndInDerSchrift()
{
    const QFont schrift = symbolschrift(48);
    // the signs must come from the mapped font itself, not from a fallback
    QCOMPARE(QFontInfo(schrift).family(), QStringLiteral("DejaVu Sans"));
    const QRawFont roh = QRawFont::fromFont(schrift);
    QVERIFY(roh.isValid());
    QSet<QChar> zeichen;
    QSet<int> codes;
    for (int i = 1; i <= kSymbole; ++i) {
        const QChar c = Symboltabelle(i).zeichen;
        zeichen << c;
        codes << Symboltabelle(i).code;
        QVERIFY2(roh.supportsCharacter(c), qPrintable(QStringLiteral("%1: U+%2").arg(i).arg(c.unicode(), 4, 16)));
    }
    QCOMPARE(zeichen.size(), 30);
    QCOMPARE(codes.size(), 30);
    // the legend's blank, equals sign and digits
    for (QChar c : QStringLiteral(" =0123456789"))
        QVERIFY(roh.supportsCharacter(c));
}

void TestSymbolrechnen::code()
{
    // a repeated draw is skipped; the first drawn stands for 0
    folge({0.5, 0.5, 0.0, 0.0, 0.99, 1.5 / 30, 2.5 / 30, 3.5 / 30, 0.5, 4.5 / 30, 5.5 / 30, 6.5 / 30, 7.5 / 30});
    const Zifferncode c = symbolrechnen::ziehe();
    QString gezogen;
    for (QChar z : c)
        gezogen += z;
    QCOMPARE(gezogen, QStringLiteral("↓Φ⇓ΠΣΩΨ⊥∞♣"));
}

void TestSymbolrechnen::aufgabe_data()
{
    QTest::addColumn<QList<double>>("zuege");
    QTest::addColumn<QString>("zeichen");
    QTest::addColumn<QString>("klar");
    QTest::addColumn<int>("ergebnis");
    // the digits 0 to 9 are Φ Π Σ Ω Ψ ⊥ ∞ ♣ ♦ ♥
    QTest::newRow("9 * 9") << QList<double>{0.75, 0.99, 0.99} << "♥  *  ♥  =" << "9*9=81" << 81;
    QTest::newRow("2 * 1") << QList<double>{0.5, 0.0, 0.0} << "Σ  *  Π  =" << "2*1=2" << 2;
    QTest::newRow("7 * 8") << QList<double>{0.5, 0.64, 0.8} << "♣  *  ♦  =" << "7*8=56" << 56;
    QTest::newRow("23 + 45") << QList<double>{0.2, 0.3, 0.35, 0.8, 0.55} << "ΣΩ  +  Ψ⊥  =" << "23+45=68" << 68;
    QTest::newRow("10 + 10") << QList<double>{0.0, 0.0, 0.0, 0.0, 0.0} << "ΠΦ  +  ΠΦ  =" << "10+10=20" << 20;
    QTest::newRow("49 + 49") << QList<double>{0.49, 0.99, 0.99, 0.99, 0.99} << "Ψ♥  +  Ψ♥  =" << "49+49=98" << 98;
}

void TestSymbolrechnen::aufgabe()
{
    QFETCH(QList<double>, zuege);
    QFETCH(QString, zeichen);
    QFETCH(QString, klar);
    QFETCH(int, ergebnis);
    folge(ersteZehn(zuege));
    const Zifferncode c = symbolrechnen::ziehe();
    const Symbolaufgabe a = symbolrechnen::aufgabe(c);
    QCOMPARE(a.zeichen, zeichen);
    QCOMPARE(a.klar, klar);
    QCOMPARE(a.ergebnis, ergebnis);
}

void TestSymbolrechnen::vieleSaaten()
{
    // every digit a task can use comes, and none outside the ranges
    QSet<int> faktor1, faktor2, zehner, einer;
    static const QRegularExpression mal(QStringLiteral("^(\\d)\\*(\\d)=(\\d+)$"));
    static const QRegularExpression plus(QStringLiteral("^(\\d)(\\d)\\+(\\d)(\\d)=(\\d+)$"));
    int produkte = 0, summen = 0;
    for (unsigned saat = 1; saat <= 300; ++saat) {
        auto g = std::make_shared<std::mt19937>(saat);
        zufall::setzeFolge([g] { return (*g)() / 4294967296.0; });
        const Zifferncode c = symbolrechnen::ziehe();
        QCOMPARE(QSet<QChar>(c.begin(), c.end()).size(), 10);
        for (int k = 0; k < 15; ++k) {
            const Symbolaufgabe a = symbolrechnen::aufgabe(c);
            if (const auto m = mal.match(a.klar); m.hasMatch()) {
                ++produkte;
                faktor1 << m.captured(1).toInt();
                faktor2 << m.captured(2).toInt();
                QCOMPARE(a.zeichen.size(), 10);  // one sign per factor
            } else {
                const auto s = plus.match(a.klar);
                QVERIFY2(s.hasMatch(), qPrintable(a.klar));
                ++summen;
                zehner << s.captured(1).toInt() << s.captured(3).toInt();
                einer << s.captured(2).toInt() << s.captured(4).toInt();
                QCOMPARE(a.zeichen.size(), 12);  // two signs per operand
            }
        }
    }
    QCOMPARE(faktor1, (QSet<int>{2, 3, 4, 5, 6, 7, 8, 9}));
    QCOMPARE(faktor2, (QSet<int>{1, 2, 3, 4, 5, 6, 7, 8, 9}));
    QCOMPARE(zehner, (QSet<int>{1, 2, 3, 4}));
    QCOMPARE(einer, (QSet<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9}));
    // both kinds about equally often
    QVERIFY2(produkte > 1800 && summen > 1800, qPrintable(QStringLiteral("%1 %2").arg(produkte).arg(summen)));
}

void TestSymbolrechnen::ganzerLauf_data()
{
    QTest::addColumn<bool>("knopfmenue");
    QTest::addColumn<double>("sekunden");
    QTest::addColumn<QString>("punkte");
    QTest::addColumn<QString>("meldung");
    // 100 + 15 x 100 less the seconds, cut to two decimals in single precision
    QTest::newRow("Knopfmenü") << true << 123.45 << "1476,55" << "Sie haben 1476 Punkte erreicht!";
    QTest::newRow("Windows-Menü") << false << 60.0 << "1540" << "Sie haben 1540 Punkte erreicht!";
    QTest::newRow("langsam") << true << 1599.5 << "2" << "Sie haben 2 Punkte erreicht!";
}

void TestSymbolrechnen::ganzerLauf()
{
    QFETCH(bool, knopfmenue);
    QFETCH(double, sekunden);
    QFETCH(QString, punkte);
    QFETCH(QString, meldung);
    auto g = std::make_shared<std::mt19937>(1813);
    zufall::setzeFolge([g] { return (*g)() / 4294967296.0; });
    Programmtabelle::global().leeren();
    registriereZahlen(Programmtabelle::global());
    QStringList gezeigt, zaehler, urteile;
    QSet<QChar> zeichen;
    Form::setzeModalErsatz([&](Form* fenster) {
        gezeigt << fenster->objectName();
        if (auto* f = qobject_cast<Tson13*>(fenster))
            fahre(*f, sekunden, zaehler, urteile, zeichen);
        return 0;
    });
    QVERIFY(aufruf(18, knopfmenue ? Menueart::Knopfmenue : Menueart::Windowsmenue));
    QCOMPARE(gezeigt, (QStringList{QStringLiteral("regel"), QStringLiteral("Tson13"), QStringLiteral("Form3")}));
    QStringList erwartet;
    for (int k = 1; k <= 15; ++k)
        erwartet << QStringLiteral("%1/ 15").arg(k);
    QCOMPARE(zaehler, erwartet);
    QCOMPARE(urteile, QStringList(15, QStringLiteral("RICHTIG!")));
    // the tasks were written in the legend's signs
    zeichen -= QSet<QChar>{QLatin1Char(' '), QLatin1Char('*'), QLatin1Char('+'), QLatin1Char('=')};
    QVERIFY(zeichen.size() >= 2 && zeichen.size() <= 10);
    QCOMPARE(::meldung, meldung);
    QCOMPARE(kurz(m_ordner->lies(QStringLiteral("xbaserg0.dat")), kErgebnissatz * 21),
             QStringLiteral("07.03.2026   ") + punkte);
    const QByteArray hoch = m_ordner->lies(QStringLiteral("xbashigh.dat"));
    const int platz1 = kHochblock * 15 * 63;
    QCOMPARE(kurz(hoch, platz1), QStringLiteral("Anna"));
    QCOMPARE(kurz(hoch, platz1 + 21), punkte);
}

void TestSymbolrechnen::urteil_data()
{
    QTest::addColumn<QList<double>>("zuege");
    QTest::addColumn<QString>("aufgabe");
    QTest::addColumn<QString>("antwort");
    QTest::addColumn<QString>("rifa");
    QTest::newRow("81 für 9 * 9") << QList<double>{0.75, 0.99, 0.99} << "♥  *  ♥  =" << "81" << "RICHTIG!";
    QTest::newRow("081 für 9 * 9") << QList<double>{0.75, 0.99, 0.99} << "♥  *  ♥  =" << "081" << "RICHTIG!";
    QTest::newRow("23 + 45 falsch") << QList<double>{0.2, 0.3, 0.35, 0.8, 0.55} << "ΣΩ  +  Ψ⊥  =" << "67"
                                    << "FEHLER!  23+45=68";
    QTest::newRow("7 * 8 falsch") << QList<double>{0.5, 0.64, 0.8} << "♣  *  ♦  =" << "0" << "FEHLER!  7*8=56";
}

void TestSymbolrechnen::urteil()
{
    QFETCH(QList<double>, zuege);
    QFETCH(QString, aufgabe);
    QFETCH(QString, antwort);
    QFETCH(QString, rifa);
    folge(ersteZehn(zuege));
    m_fenster = std::make_unique<Tson13>();
    m_fenster->show();
    Fahrer d{*m_fenster};
    QTest::mouseClick(d.knopf("start"), Qt::LeftButton);
    QCOMPARE(d.knopf("Button1")->text(), QStringLiteral("Φ = 0"));
    QCOMPARE(d.knopf("Button6")->text(), QStringLiteral("⊥ = 5"));
    QCOMPARE(d.knopf("Button10")->text(), QStringLiteral("♥ = 9"));
    QCOMPARE(d.etikett("aufgabe")->text(), aufgabe);
    QCOMPARE(d.etikett("aufzahl")->text(), QStringLiteral("1/ 15"));
    d.antworte(antwort);
    QCOMPARE(d.rifa(), rifa);
    QVERIFY(!d.knopf("weiter")->isHidden());
    QCOMPARE(m_fenster->focusWidget(), d.knopf("weiter"));
    // the next task keeps the legend
    QTest::mouseClick(d.knopf("weiter"), Qt::LeftButton);
    QCOMPARE(d.knopf("Button10")->text(), QStringLiteral("♥ = 9"));
    QVERIFY(d.rifa().isEmpty() && !d.eingabe()->isReadOnly());
    QCOMPARE(d.etikett("aufzahl")->text(), QStringLiteral("2/ 15"));
}

void TestSymbolrechnen::eingabeFilter()
{
    m_fenster = std::make_unique<Tson13>();
    m_fenster->show();
    Fahrer d{*m_fenster};
    QTest::mouseClick(d.knopf("start"), Qt::LeftButton);
    // only digits, at most three
    tippe(d.eingabe(), QStringLiteral("1a-,2 ö3"));
    QCOMPARE(d.eingabe()->text(), QStringLiteral("123"));
    tippe(d.eingabe(), QStringLiteral("4"));
    QCOMPARE(d.eingabe()->text(), QStringLiteral("123"));
    // Enter on an empty field does nothing
    d.eingabe()->clear();
    QTest::keyClick(d.eingabe(), Qt::Key_Return);
    QVERIFY(d.rifa().isEmpty() && d.knopf("weiter")->isHidden() && !d.eingabe()->isReadOnly());
    // a click on the legend leaves the focus in the field
    QTest::mouseClick(d.knopf("Button3"), Qt::LeftButton);
    QCOMPARE(m_fenster->focusWidget(), d.eingabe());
}

void TestSymbolrechnen::eingefuegtKeineZahl()
{
    // pasted past the filter: the message, and nothing is judged or counted
    dialog::Skript skript;
    m_fenster = std::make_unique<Tson13>();
    m_fenster->show();
    Fahrer d{*m_fenster};
    QTest::mouseClick(d.knopf("start"), Qt::LeftButton);
    d.eingabe()->setText(QStringLiteral("1x"));
    QTest::keyClick(d.eingabe(), Qt::Key_Return);
    QCOMPARE(skript.texte, QStringList{QStringLiteral("'1x' ist kein gültiger Integerwert")});
    QVERIFY(d.rifa().isEmpty() && d.knopf("weiter")->isHidden() && !d.eingabe()->isReadOnly());
    QCOMPARE(d.etikett("aufzahl")->text(), QStringLiteral("1/ 15"));
    d.eingabe()->clear();
    d.antworte(d.loesung());
    QCOMPARE(d.rifa(), QStringLiteral("RICHTIG!"));
}

void TestSymbolrechnen::abbrechen_data()
{
    QTest::addColumn<bool>("esc");
    QTest::newRow("Esc") << true;
    QTest::newRow("Schließfeld") << false;
}

void TestSymbolrechnen::abbrechen()
{
    QFETCH(bool, esc);
    const QByteArray vorher = m_ordner->lies(QStringLiteral("xbaserg0.dat"));
    const QByteArray hoch = m_ordner->lies(QStringLiteral("xbashigh.dat"));
    m_fenster = std::make_unique<Tson13>();
    m_fenster->show();
    Fahrer d{*m_fenster};
    QTest::mouseClick(d.knopf("start"), Qt::LeftButton);
    d.antworte(d.loesung());
    QTest::mouseClick(d.knopf("weiter"), Qt::LeftButton);
    if (esc)
        QTest::keyClick(d.eingabe(), Qt::Key_Escape);
    else {
        QVERIFY(m_fenster->hatSchliessfeld());
        m_fenster->close();
    }
    QVERIFY(!m_fenster->isVisible());
    QCOMPARE(m_ordner->lies(QStringLiteral("xbaserg0.dat")), vorher);
    QCOMPARE(m_ordner->lies(QStringLiteral("xbashigh.dat")), hoch);
    QVERIFY(::meldung.isEmpty());
    // shown again: idle, and a fresh run
    m_fenster->show();
    QVERIFY(!d.knopf("start")->isHidden());
    QVERIFY(m_fenster->panel1->isHidden() && m_fenster->panel2->isHidden());
    QVERIFY(d.eingabe()->isHidden() && d.knopf("weiter")->isHidden() && d.etikett("aufzahl")->isHidden());
    QVERIFY(d.rifa().isEmpty() && d.etikett("aufgabe")->text().isEmpty());
    QTest::mouseClick(d.knopf("start"), Qt::LeftButton);
    QCOMPARE(d.etikett("aufzahl")->text(), QStringLiteral("1/ 15"));
    d.antworte(d.loesung());
    QCOMPARE(d.rifa(), QStringLiteral("RICHTIG!"));
}

int main(int argc, char** argv)
{
    Anwendung app(argc, argv);
    TestSymbolrechnen t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_symbolrechnen.moc"
