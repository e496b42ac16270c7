// "Galgenmann" driven through its keys and its letter board, from both menus to
// the recorded result.
#include "common/satzdatei.h"
#include "common/textformat.h"
#include "common/uhr.h"
#include "common/zufall.h"
#include "common/zustand.h"
#include "exercises/language/register.h"
#include "exercises/language/uwis06.h"
#include "platform/anwendung.h"
#include "platform/dialoge.h"
#include "platform/farben.h"
#include "platform/leinwand.h"
#include "shell/aufruf.h"
#include "shell/ergebnisse.h"
#include "shell/programmtabelle.h"
#include "tests/support/testumgebung.h"
#include "tests/support/uebungsumgebung.h"
#include "tests/support/testuhr.h"

#include <QApplication>
#include <QSet>
#include <QTest>
#include <optional>
#include <random>

namespace {

Testuhr g_uhr;

Twis06& fenster()
{
    static Twis06* f = new Twis06;
    return *f;
}

void taste(Twis06& f, QChar c) { QTest::keyClick(&f, c.toLatin1()); }

// A letter of the word in play, and one it lacks.
QChar drin(const Twis06& f) { return f.spiel().wort()[0]; }
QChar fehlt(const Twis06& f)
{
    for (char c = 'Z'; c >= 'A'; --c)
        if (!f.spiel().wort().contains(QLatin1Char(c)))
            return QLatin1Char(c);
    return {};
}

int gewaehlte(const Twis06& f)
{
    int n = 0;
    for (int l = 1; l <= 26; ++l)
        n += f.spiel().gewaehlt(l);
    return n;
}

// Plays the run: every letter of each word once (a letter twice would cost), small and capital keys by
// turns; word 1 first gets a letter it lacks. Two seconds per word.
void spieleDurch(Twis06& f, QStringList& gespielt)
{
    f.show();
    QApplication::setActiveWindow(&f);
    QTest::mouseClick(f.start, Qt::LeftButton);
    for (int k = 1; k <= 9; ++k) {
        QCOMPARE(f.aufzahl->text(), QStringLiteral("%1/ 9").arg(k));
        const QString wort = f.spiel().wort();
        gespielt << wort;
        QCOMPARE(f.kasten->text(), QString(wort.size(), QLatin1Char('.')));
        if (k == 1)
            taste(f, fehlt(f).toLower());
        g_uhr.mono += 2.0;
        bool klein = false;
        QSet<QChar> schon;
        for (QChar c : wort) {
            if (schon.contains(c))
                continue;
            schon.insert(c);
            QVERIFY(!f.weiter->isVisible());
            taste(f, (klein = !klein) ? c.toLower() : c);
        }
        QCOMPARE(f.kasten->text(), wort);
        QVERIFY(f.weiter->isVisible());
        QVERIFY(!f.wortOffen());
        QTest::mouseClick(f.weiter, Qt::LeftButton);
    }
    QVERIFY(!f.isVisible());
}

QString letztesErgebnis(int n)
{
    Satzdatei d(ergebnis::dateiname(n / 12 - 1), ergebnis::kSatzgroesse);
    d.positioniere(ergebnis::satznummer(n % 12, nutzer, 9));
    return d.liesText();
}

}

class TestGalgenmann : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void grossbuchstaben_data();
    void grossbuchstaben();
    void kosten_data();
    void kosten();
    void zellen_data();
    void zellen();
    void ausBeidenMenues_data();
    void ausBeidenMenues();
    void schliessenSchliesstDasWort();
    void fehlendeDatei();

private:
    std::unique_ptr<Arbeitsordner> m_ordner;
    std::optional<Uebungsumgebung> m_umgebung;
};

void TestGalgenmann::init()
{
    m_ordner = std::make_unique<Arbeitsordner>();
    m_umgebung.emplace(g_uhr, 7, QStringLiteral("Eva"), 20261207);
}

void TestGalgenmann::cleanup()
{
    if (fenster().isVisible())
        fenster().close();
    m_umgebung.reset();
    m_ordner.reset();
}

void TestGalgenmann::grossbuchstaben_data()
{
    QTest::addColumn<QString>("wort");
    QTest::addColumn<QString>("gross");
    QTest::addColumn<bool>("loesbar");  // by the 26 letters
    QTest::newRow("a bis z") << "Haus" << "HAUS" << true;
    QTest::newRow("ß") << "Fuß" << "FUß" << false;
    QTest::newRow("Umlaut") << "Bär" << "BäR" << false;
    QTest::newRow("großer Umlaut") << "Öl" << "ÖL" << false;
}

// One dot per character as typed: only a to z become capitals.
void TestGalgenmann::grossbuchstaben()
{
    QFETCH(QString, wort);
    QFETCH(QString, gross);
    QFETCH(bool, loesbar);
    Galgenwort g;
    g.neu(wort);
    QCOMPARE(g.wort(), gross);
    QCOMPARE(g.anzeige(), QString(wort.size(), QLatin1Char('.')));
    for (int l = 1; l <= 26; ++l)
        g.waehle(l);
    QCOMPARE(g.geloest(), loesbar);
}

void TestGalgenmann::kosten_data()
{
    // 'i': a letter of the word, 'o': one it lacks; by key or on the board
    QTest::addColumn<QString>("folge");
    QTest::addColumn<bool>("maus");
    QTest::addColumn<QList<int>>("punkte");
    QTest::addColumn<int>("meldungen");
    for (bool maus : {false, true}) {
        const char* wie = maus ? " Brett" : " Taste";
        QTest::newRow((QByteArray("im Wort") + wie).constData()) << "i" << maus << QList<int>{100} << 0;
        QTest::newRow((QByteArray("im Wort nochmal") + wie).constData()) << "ii" << maus << QList<int>{100, 70} << 1;
        QTest::newRow((QByteArray("fehlt") + wie).constData()) << "o" << maus << QList<int>{90} << 0;
        QTest::newRow((QByteArray("fehlt nochmal") + wie).constData()) << "oo" << maus << QList<int>{90, 50} << 1;
        QTest::newRow((QByteArray("gemischt") + wie).constData())
            << "oiio" << maus << QList<int>{90, 90, 60, 20} << 2;
    }
}

void TestGalgenmann::kosten()
{
    QFETCH(QString, folge);
    QFETCH(bool, maus);
    QFETCH(QList<int>, punkte);
    QFETCH(int, meldungen);
    dialog::Skript skript;
    Twis06& f = fenster();
    f.show();
    QTest::mouseClick(f.start, Qt::LeftButton);
    QCOMPARE(f.punkte(), 100.0f);
    // the first letter alone does not complete the word
    QVERIFY(f.spiel().wort().count(drin(f)) < f.spiel().wort().size());
    const int w = f.zelle(), h = f.zeile();
    QList<int> erhalten;
    for (QChar art : folge) {
        const QChar c = art == QLatin1Char('i') ? drin(f) : fehlt(f);
        const int l = c.unicode() - 'A' + 1;
        if (maus)
            QTest::mouseClick(f.pb1, Qt::RightButton, Qt::NoModifier,
                              QPoint((l - 1) % 13 * w + w / 2, (l - 1) / 13 * h + h / 2));
        else
            taste(f, c);
        erhalten << int(f.punkte());
        // the cell chosen is painted over in the button face
        QCOMPARE(QColor(f.pb1->bild().pixel((l - 1) % 13 * w + 2, (l - 1) / 13 * h + 2)), farbe::buttonFace());
    }
    QCOMPARE(erhalten, punkte);
    QCOMPARE(skript.texte, QStringList(meldungen, QStringLiteral("Der Buchstabe wurde schon gewählt!")));
    QVERIFY(f.spiel().anzeige().contains(QLatin1Char('.')));
    QVERIFY(f.pb1->isVisible());  // a message box does not hide the board
}

void TestGalgenmann::zellen_data()
{
    // a point in the middle of cell (spalte, zeile), moved by (dx, dy) pixels
    QTest::addColumn<int>("spalte");
    QTest::addColumn<int>("zeile");
    QTest::addColumn<int>("dx");
    QTest::addColumn<int>("dy");
    QTest::addColumn<int>("buchstabe");
    QTest::newRow("A") << 0 << 0 << 0 << 0 << 1;
    QTest::newRow("M") << 12 << 0 << 0 << 0 << 13;
    QTest::newRow("N") << 0 << 1 << 0 << 0 << 14;
    QTest::newRow("Z") << 12 << 1 << 0 << 0 << 26;
    QTest::newRow("rechts von M") << 13 << 0 << 0 << 0 << 0;
    QTest::newRow("unter Z") << 12 << 2 << 0 << 0 << 0;
    QTest::newRow("links von N") << 0 << 1 << -1000 << 0 << 0;
    QTest::newRow("über A") << 0 << 0 << 0 << -1000 << 0;
}

void TestGalgenmann::zellen()
{
    QFETCH(int, spalte);
    QFETCH(int, zeile);
    QFETCH(int, dx);
    QFETCH(int, dy);
    QFETCH(int, buchstabe);
    Twis06& f = fenster();
    f.show();
    QTest::mouseClick(f.start, Qt::LeftButton);
    const int w = f.zelle(), h = f.zeile();
    QVERIFY(w > 10 && h > 10);
    QCOMPARE(f.pb1->width(), 13 * w);
    const QPoint p(spalte * w + w / 2 + std::clamp(dx, -w / 2 - 1, w / 2 - 1),
                   zeile * h + h / 2 + std::clamp(dy, -h / 2 - 1, h / 2 - 1));
    QTest::mouseClick(f.pb1, Qt::LeftButton, Qt::NoModifier, p);
    QCOMPARE(gewaehlte(f), buchstabe ? 1 : 0);
    if (buchstabe)
        QVERIFY(f.spiel().gewaehlt(buchstabe));
    else
        QCOMPARE(f.punkte(), 100.0f);
}

void TestGalgenmann::ausBeidenMenues_data()
{
    QTest::addColumn<int>("art");
    QTest::newRow("Knöpfe") << int(Menueart::Knopfmenue);
    QTest::newRow("Windows") << int(Menueart::Windowsmenue);
}

void TestGalgenmann::ausBeidenMenues()
{
    QFETCH(int, art);
    Programmtabelle::global().leeren();
    registriereSprache(Programmtabelle::global());
    QStringList gespielt;
    std::vector<QString> gezogen;
    Form::setzeModalErsatz([&](Form* f) {
        if (auto* g = qobject_cast<Twis06*>(f)) {
            spieleDurch(*g, gespielt);
            gezogen = g->woerter();
        }
        return 0;
    });
    QVERIFY(aufruf(54, Menueart(art)));
    // 12 distinct words of 1 to 7 letters drawn, the first 9 played
    QCOMPARE(int(gezogen.size()), 12);
    QCOMPARE(QSet<QString>(gezogen.begin(), gezogen.end()).size(), 12);
    for (const QString& wort : gezogen)
        QVERIFY2(wort.size() >= 1 && wort.size() <= 7, qPrintable(wort));
    QCOMPARE(gespielt.size(), 9);
    for (int k = 0; k < 9; ++k)
        QCOMPARE(gespielt[k], textformat::grossAZ(gezogen[k]));
    // 100 + 9 x 200 - 10 for the missing letter - 18 seconds
    QCOMPARE(letztesErgebnis(54), QStringLiteral("07.03.2026   1872"));
    QCOMPARE(meldung, QStringLiteral("Sie haben 1872 Punkte erreicht!"));
}

void TestGalgenmann::schliessenSchliesstDasWort()
{
    dialog::Skript skript;
    Twis06& f = fenster();
    f.show();
    QTest::mouseClick(f.start, Qt::LeftButton);
    const QChar c = drin(f);
    taste(f, c);
    const QString anzeige = f.spiel().anzeige();
    QTest::keyClick(&f, Qt::Key_Escape);
    QVERIFY(!f.isVisible());
    QVERIFY(!f.wortOffen());
    f.show();
    QVERIFY(f.start->isVisible());
    QVERIFY(!f.pb1->isVisible());
    QVERIFY(!f.kasten->isVisible());
    // letter keys before Start do not play on the hidden old word
    taste(f, c);
    taste(f, fehlt(f));
    QCOMPARE(skript.texte, QStringList());
    QCOMPARE(f.spiel().anzeige(), anzeige);
    QCOMPARE(gewaehlte(f), 1);
    // nothing was recorded
    QCOMPARE(letztesErgebnis(54).trimmed(), QString());
}

void TestGalgenmann::fehlendeDatei()
{
    QFile::remove(m_ordner->pfad(QStringLiteral("begriffe.dat")));
    dialog::Skript skript;
    Twis06& f = fenster();
    f.show();
    QTest::mouseClick(f.start, Qt::LeftButton);
    QCOMPARE(skript.texte, QStringList{QStringLiteral("Datei nicht gefunden")});
    QVERIFY(f.start->isVisible());
    QVERIFY(!f.pb1->isVisible());
    QVERIFY(!f.aufzahl->isVisible());
}

int main(int argc, char** argv)
{
    Anwendung app(argc, argv);
    TestGalgenmann t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_galgenmann.moc"
