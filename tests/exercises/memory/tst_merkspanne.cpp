// Zahlmerk and Wortmerk: picks and the judgement, the keys and presses the
// window takes, the colours of a judged board, a bad word list at Start, the
// window closed under the "Treffer" box, and a run of each window to its result.
#include "common/satzdatei.h"
#include "common/zustand.h"
#include "exercises/memory/register.h"
#include "exercises/memory/umemo3.h"
#include "platform/anwendung.h"
#include "platform/dialoge.h"
#include "platform/farben.h"
#include "shell/aufruf.h"
#include "shell/ergebnisse.h"
#include "shell/programmtabelle.h"
#include "tests/support/testumgebung.h"
#include "tests/support/uebungsumgebung.h"

#include <QMessageBox>
#include <QPushButton>
#include <QSet>
#include <QTest>
#include <optional>

using namespace merkspanne;

namespace {

Testuhr g_uhr;

void taste(QWidget* f, Qt::Key k)
{
    QWidget* ziel = QApplication::focusWidget();
    QTest::keyClick(ziel && ziel->window() == f ? ziel : f, k);
}

// Pixels of each colour inside the box of cell n, as "white green red black".
QString farben(Tmemo3& f, int n)
{
    const QRect box = f.gitter().zellrahmen(n / kZeilen, n % kZeilen).adjusted(1, 1, -1, -1);
    QStringList z;
    for (const QColor& c : {farbe::weiss, farbe::gruen, farbe::rot, farbe::schwarz}) {
        int k = 0;
        for (int y = box.top(); y <= box.bottom(); ++y)
            for (int x = box.left(); x <= box.right(); ++x)
                k += f.canvas().bild()->pixelColor(x, y) == c;
        z << (k > 20 ? QStringLiteral("x") : k == 0 ? QStringLiteral("-") : QStringLiteral("?"));
    }
    return z.join(QString());
}

void klick(Tmemo3& f, int n)
{
    QTest::mouseClick(&f, Qt::LeftButton, {}, f.gitter().zellrahmen(n / kZeilen, n % kZeilen).center());
}

// Cursor to cell n, then Enter.
void perTaste(Tmemo3& f, int n)
{
    while (f.cursor() != QPoint(n / kZeilen, f.cursor().y()))
        taste(&f, Qt::Key_Right);
    while (f.cursor().y() != n % kZeilen)
        taste(&f, Qt::Key_Down);
    taste(&f, Qt::Key_Return);
}

int ausserhalb(const Runde& r)
{
    int n = 0;
    while (r.inListe(n))
        ++n;
    return n;
}

// A Zahlmerk or Wortmerk window of 1000 x 800 (units 10 x 8), started.
void starte(Tmemo3& f)
{
    f.resize(1000, 800);
    f.show();
    QApplication::setActiveWindow(&f);
    QTest::mouseClick(f.Start, Qt::LeftButton);
}

}

class TestMerkspanne : public QObject {
    Q_OBJECT
private slots:
    void init() { m_umgebung.emplace(g_uhr, 7, QStringLiteral("Eva")); }
    void cleanup()
    {
        m_umgebung.reset();
        m_ordner.reset();
    }
    void waehlen_data();
    void waehlen();
    void tasten_data();
    void tasten();
    void maus_data();
    void maus();
    void farbenDesUrteils();
    void wortlisteFehlt_data();
    void wortlisteFehlt();
    void geschlossenUnterTreffer();
    void ganzerLauf_data();
    void ganzerLauf();

private:
    std::unique_ptr<Arbeitsordner> m_ordner;
    std::optional<Uebungsumgebung> m_umgebung;
};

void TestMerkspanne::waehlen_data()
{
    QTest::addColumn<QString>("picks");  // cells of the board: l the list's i-th, a cell outside the list o
    QTest::addColumn<QString>("gesehen");  // g picked, a unpicked, b judged, - nothing
    QTest::addColumn<int>("treffer");      // -1: not judged
    QTest::newRow("picking twice unpicks") << "11" << "ga" << -1;
    QTest::newRow("the K-th pick judges") << "21" << "gb" << 2;
    QTest::newRow("only K at the same moment") << "1 1 o 2" << "gagb" << 1;
    QTest::newRow("nothing after the judgement") << "1 2 2 o" << "gb--" << 2;
}

void TestMerkspanne::waehlen()
{
    QFETCH(QString, picks);
    QFETCH(QString, gesehen);
    QFETCH(int, treffer);
    Runde r(merkspanne::zahlen(), 2);
    QCOMPARE(r.k(), 2);
    QString s;
    picks.remove(QLatin1Char(' '));
    for (QChar c : picks) {
        const int n = c == QLatin1Char('o') ? ausserhalb(r) : r.liste()[c.digitValue() - 1];
        s += QStringLiteral("-gab").at(static_cast<int>(r.waehle(n)));
    }
    QCOMPARE(s, gesehen);
    QCOMPARE(r.beurteilt() ? r.treffer() : -1, treffer);
    QCOMPARE(r.waehle(-1), Runde::Wahl::Nichts);
    QCOMPARE(r.waehle(12), Runde::Wahl::Nichts);
}

void TestMerkspanne::tasten_data()
{
    QTest::addColumn<QString>("vorStart");  // l Space, e Esc, n Enter, a the arrows; Start is clicked
    QTest::addColumn<QString>("danach");    // when vorStart did not start the run
    QTest::addColumn<int>("phase");         // -1: no run
    QTest::addColumn<QString>("ecke");      // the cursor frame's corner: red or face
    QTest::newRow("Space on the focused Start") << "l" << "" << 0 << "face";
    QTest::newRow("the list ignores Esc, Enter, arrows") << "" << "ena" << 0 << "face";
    QTest::newRow("Space shows the board and its frame") << "" << "la" << 1 << "red";
    QTest::newRow("Esc on the board closes") << "" << "le" << -1 << "";
}

void TestMerkspanne::tasten()
{
    QFETCH(QString, vorStart);
    QFETCH(QString, danach);
    QFETCH(int, phase);
    QFETCH(QString, ecke);
    dialog::Skript skript;
    Tmemo3 f(Tmemo3::mitglieder()[0]);
    f.resize(1000, 800);
    f.show();
    QApplication::setActiveWindow(&f);
    QCOMPARE(f.Start->geometry(), QRect(395, 56, 209, 57));
    const auto drueck = [&](const QString& tasten) {
        for (QChar c : tasten) {
            const int i = QStringLiteral("len").indexOf(c);
            if (i >= 0)
                taste(&f, std::array{Qt::Key_Space, Qt::Key_Escape, Qt::Key_Return}[i]);
            else
                for (Qt::Key k : {Qt::Key_Left, Qt::Key_Up, Qt::Key_Right, Qt::Key_Down})
                    taste(&f, k);  // back where it was
        }
    };
    f.Start->setFocus();
    drueck(vorStart);
    if (!f.laeuft())
        QTest::mouseClick(f.Start, Qt::LeftButton);
    drueck(danach);
    QCOMPARE(f.laeuft() ? f.phase() : -1, phase);
    QCOMPARE(f.isVisible(), phase >= 0);
    QCOMPARE(f.Start->isHidden(), phase >= 0);
    QVERIFY(skript.texte.isEmpty());
    if (phase < 0)
        return;
    QCOMPARE(f.runde().gewaehltZahl(), 0);
    QCOMPARE(f.cursor(), QPoint(0, 0));
    const QColor c = f.canvas().bild()->pixelColor(f.gitter().cursorrahmen(0, 0).topLeft() + QPoint(1, 1));
    QCOMPARE(c, ecke == QLatin1String("red") ? farbe::rot : farbe::buttonFace());
}

void TestMerkspanne::maus_data()
{
    QTest::addColumn<QPoint>("punkt");
    QTest::addColumn<int>("feldnr");
    QTest::newRow("top left corner of box 1") << QPoint(30, 32) << 1;
    QTest::newRow("left of box 1") << QPoint(29, 32) << 0;
    QTest::newRow("above box 1") << QPoint(30, 31) << 0;
    QTest::newRow("between the columns") << QPoint(471, 100) << 0;
    QTest::newRow("between the rows") << QPoint(100, 129) << 0;
    QTest::newRow("column 2, row 2, corner") << QPoint(530, 160) << 8;
    QTest::newRow("last box, bottom right") << QPoint(970, 768) << 12;
    QTest::newRow("right of the last box") << QPoint(971, 700) << 0;
}

// The bands pick, the gaps nothing; on the list nothing is picked.
void TestMerkspanne::maus()
{
    QFETCH(QPoint, punkt);
    QFETCH(int, feldnr);
    Tmemo3 f(Tmemo3::mitglieder()[0]);
    starte(f);
    ::feldnr = -1;
    QTest::mouseClick(&f, Qt::LeftButton, {}, punkt);
    QCOMPARE(::feldnr, feldnr);
    QCOMPARE(f.runde().gewaehltZahl(), 0);
    taste(&f, Qt::Key_Space);
    QTest::mouseClick(&f, Qt::RightButton, {}, punkt);
    QCOMPARE(f.runde().gewaehltZahl(), feldnr > 0 ? 1 : 0);
    QVERIFY(feldnr == 0 || f.runde().gewaehlt(feldnr - 1));
    QCOMPARE(f.cursor(), QPoint(0, 0));
}

// White when picked, black again without a fringe when unpicked; judged: hits
// green, missed list items red, wrong picks white.
void TestMerkspanne::farbenDesUrteils()
{
    Tmemo3 f(Tmemo3::mitglieder()[0]);
    starte(f);
    taste(&f, Qt::Key_Space);
    const std::vector<int> liste = f.runde().liste();
    const int falsch = ausserhalb(f.runde());
    const QRect box = f.gitter().zellrahmen(falsch / kZeilen, falsch % kZeilen);
    const QImage vorher = f.canvas().bild()->copy(box);
    klick(f, falsch);
    QCOMPARE(farben(f, falsch), QStringLiteral("x---"));
    klick(f, falsch);
    QCOMPARE(f.canvas().bild()->copy(box), vorher);
    klick(f, falsch);
    QStringList gesehen;
    ModalWaechter waechter([&](QWidget* m) {
        gesehen << qobject_cast<QMessageBox*>(m)->text() << farben(f, falsch) << farben(f, liste[0])
                << farben(f, liste[1]);
        static_cast<QDialog*>(m)->accept();
    });
    perTaste(f, liste[0]);
    QCOMPARE(gesehen.join(QLatin1Char(' ')), QStringLiteral("1 Treffer x--- -x-- --x-"));
    QCOMPARE(f.punkte(), 150.0f);
    QCOMPARE(f.rundenNr(), 2);
    QCOMPARE(f.phase(), 0);
}

void TestMerkspanne::wortlisteFehlt_data()
{
    QTest::addColumn<int>("saetze");  // records of the file, -1: none
    QTest::addColumn<QByteArray>("wort");
    QTest::addColumn<QString>("meldung");
    QTest::newRow("missing") << -1 << QByteArray() << "Datei nicht gefunden";
    QTest::newRow("short") << 576 << QByteArray("HAUS") << "Versuch hinter dem Dateiende zu lesen";
    QTest::newRow("no short words") << 577 << QByteArray("LANGWORT")
        << QString::fromUtf8("Die Wortliste \"begriffe.dat\" enthält zu wenige passende Wörter für diese Übung.");
}

// The error comes at Start before anything is drawn; the window stays idle
// with its button, and the next Start reads the list again.
void TestMerkspanne::wortlisteFehlt()
{
    QFETCH(int, saetze);
    QFETCH(QByteArray, wort);
    QFETCH(QString, meldung);
    m_ordner = std::make_unique<Arbeitsordner>();
    const QByteArray gut = m_ordner->lies(wortliste::kDatei);
    QByteArray satz = char(wort.size()) + wort + QByteArray(20 - wort.size(), '\0');
    if (saetze < 0)
        QVERIFY(QFile::remove(m_ordner->pfad(wortliste::kDatei)));
    else
        m_ordner->schreibe(wortliste::kDatei, satz.repeated(saetze));
    dialog::Skript skript;
    Tmemo3 f(Tmemo3::mitglieder()[1]);
    f.resize(1000, 800);
    f.show();
    const QImage vorher = *f.canvas().bild();
    QTest::mouseClick(f.Start, Qt::LeftButton);
    QCOMPARE(skript.texte, QStringList{meldung});
    QVERIFY(!f.laeuft() && f.Start->isVisible());
    QCOMPARE(*f.canvas().bild(), vorher);
    m_ordner->schreibe(wortliste::kDatei, gut);
    QTest::mouseClick(f.Start, Qt::LeftButton);
    QVERIFY(f.laeuft() && !f.Start->isVisible());
}

// Closed while the "Treffer" box is up: no next round, nothing recorded.
void TestMerkspanne::geschlossenUnterTreffer()
{
    m_ordner = std::make_unique<Arbeitsordner>();
    const QByteArray vorher = m_ordner->lies(QStringLiteral("xbaserg6.dat"));
    Tmemo3 f(Tmemo3::mitglieder()[1]);
    starte(f);
    taste(&f, Qt::Key_Space);
    ModalWaechter waechter([&](QWidget* m) {
        f.close();
        static_cast<QDialog*>(m)->accept();
    });
    for (int n : f.runde().liste())
        klick(f, n);
    QVERIFY(waechter.ausgeloest() && !f.isVisible());
    QCOMPARE(f.rundenNr(), 1);
    QCOMPARE(f.punkte(), 100.0f);
    QCOMPARE(m_ordner->lies(QStringLiteral("xbaserg6.dat")), vorher);
    QVERIFY(::meldung.isEmpty());
}

void TestMerkspanne::ganzerLauf_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<QString>("fenster");  // class and caption
    QTest::addColumn<double>("sekunden");  // the run's time; above 0: round 1 one pick wrong, by mouse
    QTest::addColumn<QString>("ks");
    QTest::addColumn<QString>("treffer");
    QTest::addColumn<QString>("meldung");
    QTest::addColumn<QString>("ergebnis");
    QTest::newRow("Zahlmerk, ten perfect rounds")
        << 87 << "Tmemo3|Zahlmerk" << 0.0 << "2 2 3 3 4 4 5 5 6 6" << "2 2 3 3 4 4 5 5 6 6"
        << "Sie haben 2100 Punkte erreicht!" << "07.03.2026   2100,00";
    // 100 + 50 x 35 - 37.25 s
    QTest::newRow("Wortmerk, a miss first")
        << 88 << "Tmemo4|Wortmerk" << 37.25 << "2 2 2 3 3 4 4 5 5 6" << "1 2 2 3 3 4 4 5 5 6"
        << "Sie haben 1812 Punkte erreicht!" << "07.03.2026   1812,00";
    // 2.0005 in single precision is 2.00049996...
    QTest::newRow("Wortmerk, the floor")
        << 88 << "Tmemo4|Wortmerk" << 5000.0 << "2 2 2 3 3 4 4 5 5 6" << "1 2 2 3 3 4 4 5 5 6"
        << "Sie haben 2 Punkte erreicht!" << "07.03.2026   2,00049";
}

void TestMerkspanne::ganzerLauf()
{
    QFETCH(int, n);
    QFETCH(QString, fenster);
    QFETCH(double, sekunden);
    QFETCH(QString, ks);
    QFETCH(QString, treffer);
    QFETCH(QString, meldung);
    QFETCH(QString, ergebnis);
    m_ordner = std::make_unique<Arbeitsordner>();
    waehleNutzer(7, QStringLiteral("Eva"));
    dialog::Skript skript;
    Programmtabelle::global().leeren();
    registriereGedaechtnis(Programmtabelle::global());
    QStringList gezeigt, kListe, fehler;
    Form::setzeModalErsatz([&](Form* w) {
        gezeigt << w->objectName() + QLatin1Char('|') + w->windowTitle();
        auto* f = qobject_cast<Tmemo3*>(w);
        if (!f)
            return 0;
        starte(*f);
        for (int r = 1; f->isVisible() && f->rundenNr() == r; ++r) {
            kListe << QString::number(f->runde().k());
            QStringList brett;  // numbers 10..99 or words of at most 7 letters, all different
            for (int z = 0; z < kZellen; ++z)
                brett << f->runde().element(z);
            for (const QString& t : brett)
                if (n == 87 ? t.toInt() < 10 || t.toInt() > 99 : t.isEmpty() || t.size() > 7)
                    fehler << t;
            if (QSet<QString>(brett.begin(), brett.end()).size() != kZellen)
                fehler << brett.join(QLatin1Char(','));
            taste(f, Qt::Key_Space);
            std::vector<int> picks = f->runde().liste();
            if (r == 1 && sekunden > 0)
                picks.back() = ausserhalb(f->runde());
            if (r == kRunden)
                g_uhr.mono += sekunden;
            for (int z : picks)
                sekunden > 0 ? klick(*f, z) : perTaste(*f, z);
        }
        return 0;
    });
    QVERIFY(aufruf(n, n % 2 ? Menueart::Knopfmenue : Menueart::Windowsmenue));
    Form::setzeModalErsatz([](Form*) { return 0; });
    Programmtabelle::global().leeren();
    QCOMPARE(gezeigt.size(), 3);
    QCOMPARE(gezeigt[1], fenster);
    QCOMPARE(gezeigt[2].section(QLatin1Char('|'), 0, 0), QStringLiteral("Form3"));
    QCOMPARE(kListe.join(QLatin1Char(' ')), ks);
    QCOMPARE(fehler, QStringList());
    QCOMPARE(skript.texte.join(QLatin1Char(' ')).remove(QStringLiteral(" Treffer")), treffer);
    QCOMPARE(::meldung, meldung);
    Satzdatei d(ergebnis::dateiname(n / 12 - 1), ergebnis::kSatzgroesse);
    d.positioniere(ergebnis::satznummer(n % 12, 7, 9));
    QCOMPARE(d.liesText(), ergebnis);
}

int main(int argc, char** argv)
{
    Anwendung app(argc, argv);
    TestMerkspanne t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_merkspanne.moc"
