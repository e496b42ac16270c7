// FARFO I and II, Alphamix and the end orders of the frame: the task maker and
// the block comparison, the Farfo window's keys, boxes and red frame, Alphamix's
// scoring, hit test and end texts, what a closed Alphamix keeps, and a run of
// each window from the dispatcher to the stored result.
#include "common/satzdatei.h"
#include "common/zustand.h"
#include "exercises/memory/register.h"
#include "exercises/memory/uwahr01.h"
#include "exercises/memory/uwahr03.h"
#include "exercises/shared/mitglied.h"
#include "platform/anwendung.h"
#include "platform/dialoge.h"
#include "platform/farben.h"
#include "platform/leinwand.h"
#include "shell/aufruf.h"
#include "shell/ergebnisse.h"
#include "shell/programmtabelle.h"
#include "tests/support/testumgebung.h"
#include "tests/support/uebungsumgebung.h"

#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <optional>

namespace {

Testuhr g_uhr;

const Farfoart& farfo(int n) { return mitgliedVon(Twahr01::mitglieder(), n); }

QString letztesErgebnis(int programm, int nutzerNr)
{
    Satzdatei d(ergebnis::dateiname(programm / 12 - 1), ergebnis::kSatzgroesse);
    d.positioniere(ergebnis::satznummer(programm % 12, nutzerNr, 9));
    return d.liesText();
}

void taste(QWidget* f, Qt::Key k) { QTest::keyClick(f, k); }

template <typename F> void zeigeMit(F& f, QSize aussen = {1920, 1080})
{
    f.show();
    const QSize rand = f.frameGeometry().size() - f.size();
    f.hide();
    f.resize(aussen - rand);
    f.show();
}

// Arrows until the Farfo cursor stands on the block.
void gehZu(Twahr01& f, QPoint block)
{
    while (f.cursor().x() != block.x())
        taste(&f, Qt::Key_Right);
    while (f.cursor().y() != block.y())
        taste(&f, Qt::Key_Down);
}

// A block other than the sample's.
QPoint falscherBlock(const Twahr01& f)
{
    for (int c = 1; c <= 8; ++c)
        for (int r = 1; r <= 8; ++r)
            if (!f.feld().gleichDemMuster({c, r}))
                return {c, r};
    return {};
}

int gegenstaende(const Farfofeld& feld)
{
    int n = 0;
    for (int c = 1; c <= Farfofeld::kSuche; ++c)
        for (int r = 1; r <= Farfofeld::kSuche; ++r)
            n += feld.code(c, r) > 0;
    return n;
}

QPoint buchstabe(const Twahr03& f, int v)
{
    for (int i = 0; i < 32; ++i)
        if (f.spiel().wert({i % 8, i / 8}) == v)
            return {i % 8, i / 8};
    return {-1, -1};
}

}

class TestMustersuche : public QObject {
    Q_OBJECT
    std::unique_ptr<Arbeitsordner> m_ordner;
    std::optional<Uebungsumgebung> m_umgebung;

private slots:
    void initTestCase() { m_ordner = std::make_unique<Arbeitsordner>(); }
    void cleanupTestCase() { m_ordner.reset(); }
    void init() { m_umgebung.emplace(g_uhr, 7, QStringLiteral("Eva")); }
    void cleanup()
    {
        m_umgebung.reset();
        Programmtabelle::global().leeren();
    }

    void endfolgen_data()
    {
        QTest::addColumn<int>("folge");
        QTest::addColumn<bool>("fensterGezeigt");
        QTest::addColumn<bool>("schonErfasst");  // the result stored when the message window opens
        QTest::addColumn<QStringList>("boxen");
        QTest::addColumn<QString>("meldungDanach");
        QTest::addColumn<float>("punkte");  // a new value each row, so a record is seen to arrive
        QTest::addColumn<QString>("satz");
        const QString t = QStringLiteral("Sie haben 250,5 Punkte erreicht!");
        QTest::newRow("message window, then entries") << int(Endfolge::Meldefenster) << true << false << QStringList{} << t << 250.5f << "07.03.2026   250,5";
        QTest::newRow("entries, then message window") << int(Endfolge::EintragZuerst) << true << true << QStringList{} << t << 260.5f << "07.03.2026   260,5";
        QTest::newRow("plain box, meldung kept") << int(Endfolge::Meldebox) << false << false << QStringList{t} << "alt" << 270.5f << "07.03.2026   270,5";
    }
    // Each order records once, however often the end is reached.
    void endfolgen()
    {
        QFETCH(int, folge);
        QFETCH(bool, fensterGezeigt);
        QFETCH(bool, schonErfasst);
        QFETCH(QStringList, boxen);
        QFETCH(QString, meldungDanach);
        QFETCH(float, punkte);
        QFETCH(QString, satz);
        dialog::Skript skript;
        ::meldung = QStringLiteral("alt");
        std::optional<QString> beimFenster;
        Form::setzeModalErsatz([&](Form*) {
            beimFenster = letztesErgebnis(110, 7);
            return 0;
        });
        const QString vorher = letztesErgebnis(110, 7);
        Uebungslauf lauf;
        lauf.starte(1);
        for (int i = 0; i < 2; ++i)
            lauf.beende(nullptr, 110, punkte, QStringLiteral("Sie haben 250,5 Punkte erreicht!"), Endfolge(folge));
        QCOMPARE(beimFenster.has_value(), fensterGezeigt);
        if (beimFenster)
            QCOMPARE(*beimFenster, schonErfasst ? satz : vorher);
        QCOMPARE(skript.texte, boxen);
        QCOMPARE(::meldung, meldungDanach);
        QCOMPARE(letztesErgebnis(110, 7), satz);
    }

    void farfoAufgabe_data()
    {
        QTest::addColumn<int>("richtige");
        QTest::addColumn<double>("zahl");  // the random numbers; -1 a seeded sequence
        QTest::newRow("first task") << 0 << -1.0;
        QTest::newRow("after 5 right") << 5 << -1.0;
        QTest::newRow("twentieth task after 19 right") << 19 << -1.0;
        QTest::newRow("random numbers all 0") << 19 << 0.0;
        QTest::newRow("random numbers near 1") << 19 << 0.9999999;
    }
    // 10 + 3k items in the search field only; the sample a copy of a block that
    // holds an item; columns 11 to 14 empty but for the sample.
    void farfoAufgabe()
    {
        QFETCH(int, richtige);
        QFETCH(double, zahl);
        if (zahl >= 0)
            zufall::setzeFolge([zahl] { return zahl; });
        Farfofeld feld;
        for (int runde = 0; runde < 20; ++runde) {
            feld.neueAufgabe(richtige);
            QCOMPARE(gegenstaende(feld), 10 + 3 * richtige);
            const QPoint u = feld.ursprung();
            QVERIFY(u.x() >= 1 && u.x() <= 8 && u.y() >= 1 && u.y() <= 8);
            int imMuster = 0;
            for (int i = 0; i < 3; ++i)
                for (int j = 0; j < 3; ++j) {
                    QCOMPARE(feld.code(12 + i, 1 + j), feld.code(u.x() + i, u.y() + j));
                    imMuster += feld.code(12 + i, 1 + j) > 0;
                }
            QVERIFY(imMuster > 0);
            for (int r = 1; r <= 10; ++r) {
                QCOMPARE(feld.code(11, r), 0);
                if (r > 3)
                    for (int c = 12; c <= 14; ++c)
                        QCOMPARE(feld.code(c, r), 0);
            }
            QVERIFY(feld.gleichDemMuster(u));
        }
    }

    void farfoVergleich_data()
    {
        QTest::addColumn<QPoint>("block");
        QTest::addColumn<bool>("richtig");
        // sample: 1 top left, 2 in the middle, the rest empty; the field holds
        // that at (2, 2) and (6, 5), and with a 3 in the corner at (2, 6)
        QTest::newRow("the block the sample came from") << QPoint(2, 2) << true;
        QTest::newRow("an equal block elsewhere") << QPoint(6, 5) << true;
        QTest::newRow("differs in an empty cell only") << QPoint(2, 6) << false;
        QTest::newRow("shifted by one") << QPoint(1, 1) << false;
        QTest::newRow("all empty") << QPoint(8, 1) << false;
    }
    void farfoVergleich()
    {
        QFETCH(QPoint, block);
        QFETCH(bool, richtig);
        Farfofeld feld;
        for (const QPoint o : {QPoint(12, 1), QPoint(2, 2), QPoint(6, 5), QPoint(2, 6)}) {
            feld.setze(o.x(), o.y(), 1);
            feld.setze(o.x() + 1, o.y() + 1, 2);
        }
        feld.setze(4, 8, 3);
        QCOMPARE(feld.gleichDemMuster(block), richtig);
    }
};

int main(int argc, char** argv)
{
    Anwendung app(argc, argv);
    TestMustersuche t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_mustersuche.moc"
