// "Alphakett" and "Musterband": their task makers with scripted and with many
// random numbers, the line's growth, the answer filter, and the windows driven
// from the menu to the stored result.
#include "common/satzdatei.h"
#include "common/zufall.h"
#include "common/zustand.h"
#include "exercises/memory/buchstabenzeilen.h"
#include "exercises/memory/register.h"
#include "exercises/memory/uwahr09.h"
#include "platform/anwendung.h"
#include "shell/aufruf.h"
#include "shell/ergebnisse.h"
#include "shell/programmtabelle.h"
#include "tests/support/testumgebung.h"
#include "tests/support/uebungsumgebung.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSet>
#include <QTest>
#include <deque>
#include <random>

namespace {

Testuhr g_uhr;

// Each entry "n/K" is the number that draws n out of 1 to K. When the script
// runs out, numbers come from a fixed generator so a wrong maker still ends.
struct Skript {
    explicit Skript(const QString& zuege)
    {
        for (const QString& z : zuege.split(QLatin1Char(' '), Qt::SkipEmptyParts))
            folge.push_back((z.section(QLatin1Char('/'), 0, 0).toDouble() - 0.5) / z.section(QLatin1Char('/'), 1).toDouble());
        zufall::setzeFolge([this] {
            if (folge.empty()) {
                ausgegangen = true;
                return rest() / 4294967296.0;
            }
            const double r = folge.front();
            folge.pop_front();
            return r;
        });
    }
    ~Skript() { zufall::setzeFolge({}); }
    std::deque<double> folge;
    bool ausgegangen = false;
    std::mt19937 rest{7};
};

// The first place where three letters follow one another, or -1.
int ersterLauf(const QString& s, int ab = 0)
{
    for (int i = ab; i + 2 < s.size(); ++i)
        if (s[i + 1].unicode() == s[i].unicode() + 1 && s[i + 2].unicode() == s[i].unicode() + 2)
            return i;
    return -1;
}

// The piece's place in the line: the only one where it fits, or -1.
int ort(const QString& zeile, const QString& stueck)
{
    int gefunden = -1;
    for (int q = 0; q + 4 <= zeile.size(); ++q) {
        bool passt = true;
        for (int i = 0; i < 4; ++i)
            passt = passt && (stueck[i] == u'?' || stueck[i] == u'_' || stueck[i] == zeile[q + i]);
        if (passt && gefunden >= 0)
            return -1;
        if (passt)
            gefunden = q;
    }
    return gefunden;
}

// The letter under "?", or a null char.
QChar unterFrage(const QString& zeile, const QString& stueck)
{
    const int q = ort(zeile, stueck);
    return q < 0 ? QChar() : zeile[q + stueck.indexOf(QLatin1Char('?'))];
}

QString letztesErgebnis(int programm)
{
    Satzdatei d(ergebnis::dateiname(programm / 12 - 1), ergebnis::kSatzgroesse);
    d.positioniere(ergebnis::satznummer(programm % 12, nutzer, 9));
    return d.liesText();
}

const Zeilenart& art(int programm)
{
    for (const Zeilenart& a : Twahr09::mitglieder())
        if (a.programm == programm)
            return a;
    throw std::logic_error("kein Mitglied");
}

// A window's controls, driven as a person would.
struct Steuer {
    explicit Steuer(Twahr09* f) : f(f) {}
    template <typename T>
    T* kind(const char* name) const { return f->findChild<T*>(QLatin1String(name)); }
    bool alphakett() const { return f->objectName() == QLatin1String("Twahr09"); }
    // the length of the task's line
    int laenge() const { return (alphakett() ? f->aus2 : f->aus1)->text().size(); }
    QChar loesung() const
    {
        if (alphakett()) {
            const int i = ersterLauf(f->aus2->text());
            return i < 0 ? QChar() : f->aus2->text()[i];
        }
        return unterFrage(f->aus1->text(), f->aus2->text());
    }
    // Types the right letter (small when klein) or a wrong one, then Enter.
    void antworte(bool richtig, bool klein)
    {
        QChar c = loesung();
        if (!richtig)
            c = QChar(c == u'Q' ? u'X' : u'Q');
        if (klein)
            c = c.toLower();
        QTest::keyClick(eingabe, c.toLatin1());
        QTest::keyClick(eingabe, Qt::Key_Return);
    }
    // A run of answers ('r' right, 'f' wrong), in small letters on odd tasks;
    // nochmal: clicks into the judged field and Enters after each verdict.
    QList<int> fahre(const QString& antworten, int nochmal, QStringList* urteile = nullptr)
    {
        QTest::mouseClick(start, Qt::LeftButton);
        QList<int> laengen;
        for (int k = 0; k < antworten.size() && f->isVisible(); ++k) {
            laengen << laenge();
            if (k == antworten.size() - 1)
                g_uhr.mono += 12.5;
            antworte(antworten[k] == u'r', k % 2 == 1);
            const QString urteil = f->rifa->text();
            const QString zaehler = aufzahl->text();
            QTest::mouseClick(eingabe, Qt::LeftButton);
            for (int i = 0; i < nochmal; ++i)
                QTest::keyClick(eingabe, Qt::Key_Return);
            if (f->rifa->text() != urteil || aufzahl->text() != zaehler || !weiter->isVisible())
                return {};
            if (urteile)
                *urteile << urteil;
            QTest::mouseClick(weiter, Qt::LeftButton);
        }
        return laengen;
    }
    Twahr09* f;
    QPushButton* start = kind<QPushButton>("start");
    QPushButton* weiter = kind<QPushButton>("weiter");
    QLineEdit* eingabe = kind<QLineEdit>("eingabe");
    QLabel* aufzahl = kind<QLabel>("aufzahl");
};

}

class TestZeilen : public QObject {
    Q_OBJECT
    std::unique_ptr<Arbeitsordner> m_ordner;
    std::optional<Uebungsumgebung> m_umgebung;

private slots:
    void initTestCase() { m_ordner = std::make_unique<Arbeitsordner>(); }
    void cleanupTestCase() { m_ordner.reset(); }
    void init() { m_umgebung.emplace(g_uhr, 5, QStringLiteral("Ben")); }
    void cleanup() { m_umgebung.reset(); }

    void gebaut_data()
    {
        QTest::addColumn<int>("n");
        QTest::addColumn<int>("laenge");
        QTest::addColumn<QString>("zuege");
        QTest::addColumn<QString>("aus1");
        QTest::addColumn<QString>("aus2");
        QTest::addColumn<QString>("loesung");
        const QString abc = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ");
        // C D F G H: breaking F G H makes C D E; the placed K L M would be a
        // second run, so the row is built again
        QTest::newRow("zweiter Lauf: neu gebaut")
            << 117 << 6 << "3/26 4/26 6/26 7/26 8/26 17/26 11/24 4/4  2/26 24/26 4/26 6/26 8/26 10/26 16/24 2/4"
            << abc << "BPQRHJ" << "P";
        QTest::newRow("A B C: A steigt") << 117 << 6 << "1/26 2/26 3/26 24/26 26/26 19/26 11/24 4/4" << abc
                                         << "BBCKLM" << "K";
        QTest::newRow("p = 1, danach a + 3") << 117 << 6 << "1/26 3/26 5/26 23/26 9/26 11/26 20/24 1/4" << abc
                                             << "TUVTIK" << "T";
        QTest::newRow("p = L - 2, davor a - 1") << 117 << 6 << "2/26 4/26 6/26 8/26 10/26 12/26 7/24 4/4" << abc
                                                << "BDIGHI" << "G";
        QTest::newRow("schon gezogen, übersprungen") << 117 << 6 << "1/26 1/26 3/26 5/26 3/26 7/26 9/26 11/26 5/24 2/4"
                                                     << abc << "AEFGIK" << "E";
        QTest::newRow("Z am Ende") << 117 << 7 << "1/26 3/26 5/26 7/26 9/26 11/26 13/26 24/24 5/5" << abc
                                   << "ACEGXYZ" << "X";
        // positions drawn again while they are equal
        QTest::newRow("Muster") << 118 << 6 << "13/26 1/26 18/26 11/26 21/26 19/26 2/3 3/4 3/4 1/4 4/4" << "MARKUS"
                                << "?RK_" << "A";
        QTest::newRow("Muster am Ende") << 118 << 7 << "26/26 25/26 24/26 23/26 22/26 21/26 20/26 4/4 4/4 2/4"
                                        << "ZYXWVUT" << "W_U?" << "T";
    }
    void gebaut()
    {
        QFETCH(int, n);
        QFETCH(int, laenge);
        QFETCH(QString, zuege);
        Skript s(zuege);
        const zeilen::Aufgabe a = art(n).aufgabe(laenge);
        QVERIFY(!s.ausgegangen);
        QVERIFY(s.folge.empty());
        QTEST(a.aus1, "aus1");
        QTEST(a.aus2, "aus2");
        QTEST(QString(a.loesung), "loesung");
    }

    // Every row holds exactly one run of three, and it starts with the answer.
    void ketteViele()
    {
        mitSaat(117);
        int amAnfang = 0, amEnde = 0, geaendertDavor = 0;
        for (int i = 0; i < 100000; ++i) {
            const int l = 6 + i % 21;
            const zeilen::Aufgabe a = zeilen::kette(l);
            const int p = ersterLauf(a.aus2);
            if (a.aus2.size() != l || p < 0 || ersterLauf(a.aus2, p + 1) >= 0 || a.aus2[p] != a.loesung)
                QFAIL(qPrintable(QStringLiteral("%1 / %2").arg(a.aus2, a.loesung)));
            amAnfang += p == 0;
            amEnde += p == l - 3;
            geaendertDavor += p > 0 && a.aus2[p - 1].unicode() == a.loesung.unicode() + 2;
        }
        QVERIFY(amAnfang > 1000);
        QVERIFY(amEnde > 1000);
        QVERIFY(geaendertDavor > 100);
    }

    // The piece lies wholly in a line of different letters, "?" and "_" apart.
    void musterViele()
    {
        mitSaat(118);
        int vorn = 0, hinten = 0;
        for (int i = 0; i < 20000; ++i) {
            const int l = 6 + i % 21;
            const zeilen::Aufgabe a = zeilen::muster(l);
            const QString& z = a.aus1;
            const bool verschieden = QSet<QChar>(z.begin(), z.end()).size() == l;
            if (z.size() != l || !verschieden || a.aus2.size() != 4 || a.aus2.count(QLatin1Char('?')) != 1
                || a.aus2.count(QLatin1Char('_')) != 1 || unterFrage(z, a.aus2) != a.loesung)
                QFAIL(qPrintable(QStringLiteral("%1 / %2 / %3").arg(z, a.aus2, a.loesung)));
            vorn += ort(z, a.aus2) == 0;
            hinten += ort(z, a.aus2) == l - 4;
        }
        QVERIFY(vorn > 500);
        QVERIFY(hinten > 500);
    }

    void schritt_data()
    {
        QTest::addColumn<int>("laenge");
        QTest::addColumn<int>("zaehler");
        QTest::addColumn<int>("neueLaenge");
        QTest::addColumn<int>("neuerZaehler");
        QTest::newRow("erste") << 6 << 0 << 6 << 1;
        QTest::newRow("zweite") << 6 << 1 << 7 << 0;
        QTest::newRow("bis 26") << 25 << 1 << 26 << 0;
        QTest::newRow("nie über 26") << 26 << 1 << 26 << 0;
    }
    void schritt()
    {
        QFETCH(int, laenge);
        QFETCH(int, zaehler);
        zeilen::zaehleRichtig(laenge, zaehler);
        QTEST(laenge, "neueLaenge");
        QTEST(zaehler, "neuerZaehler");
    }

    void filter_data()
    {
        QTest::addColumn<QString>("zeichen");
        QTest::addColumn<QString>("ergebnis");  // empty: dropped
        QTest::newRow("A") << "A" << "A";
        QTest::newRow("Z") << "Z" << "Z";
        QTest::newRow("a") << "a" << "A";
        QTest::newRow("z") << "z" << "Z";
        QTest::newRow("[") << "[" << "";
        QTest::newRow("@") << "@" << "";
        QTest::newRow("`") << "`" << "";
        QTest::newRow("{") << "{" << "";
        QTest::newRow("ä") << "ä" << "";
        QTest::newRow("ß") << "ß" << "";
        QTest::newRow("1") << "1" << "";
        QTest::newRow("Leerzeichen") << " " << "";
    }
    void filter()
    {
        QFETCH(QString, zeichen);
        const std::optional<QChar> c = zeilen::filtere(zeichen[0]);
        QTEST(c ? QString(*c) : QString(), "ergebnis");
    }

    void ganzerLauf_data()
    {
        QTest::addColumn<int>("n");
        QTest::addColumn<QString>("fenster");
        QTest::addColumn<QString>("antworten");
        QTest::addColumn<QString>("ergebnis");
        QTest::addColumn<QString>("meldung");
        // 100 + 100 per right answer, less 12.5 s; 50 Enters after each verdict count for nothing
        QTest::newRow("Alphakett") << 117 << "Twahr09|Alphaketten" << QString(20, u'r') << "07.03.2026   2087,5"
                                   << "Sie haben 2087 Punkte erreicht!";
        QTest::newRow("Musterband") << 118 << "Twahr10|Musterband" << QStringLiteral("ffrrrrrrrrrrrrrrrrrf")
                                    << "07.03.2026   1787,5" << "Sie haben 1787 Punkte erreicht!";
    }
    // From the menu through the rules window to the stored result.
    void ganzerLauf()
    {
        QFETCH(int, n);
        QFETCH(QString, antworten);
        mitSaat(static_cast<unsigned>(n));
        Programmtabelle::global().leeren();
        registriereGedaechtnis(Programmtabelle::global());
        QStringList gezeigt, urteile;
        QList<int> laengen;
        Form::setzeModalErsatz([&](Form* fenster) {
            gezeigt << fenster->objectName() + QLatin1Char('|') + fenster->windowTitle();
            if (auto* f = qobject_cast<Twahr09*>(fenster)) {
                f->resize(1920, 1080);
                f->show();
                QApplication::setActiveWindow(f);
                laengen = Steuer(f).fahre(antworten, 50, &urteile);
            }
            return 0;
        });
        QVERIFY(aufruf(n, n % 2 ? Menueart::Knopfmenue : Menueart::Windowsmenue));
        QCOMPARE(gezeigt.size(), 3);
        QCOMPARE(gezeigt[0].section(QLatin1Char('|'), 0, 0), QStringLiteral("regel"));
        QTEST(gezeigt[1], "fenster");
        QCOMPARE(gezeigt[2].section(QLatin1Char('|'), 0, 0), QStringLiteral("Form3"));
        // the line grows after every second right answer
        const QList<int> erwartet = n == 117
            ? QList<int>{6, 6, 7, 7, 8, 8, 9, 9, 10, 10, 11, 11, 12, 12, 13, 13, 14, 14, 15, 15}
            : QList<int>{6, 6, 6, 6, 7, 7, 8, 8, 9, 9, 10, 10, 11, 11, 12, 12, 13, 13, 14, 14};
        QCOMPARE(laengen, erwartet);
        QCOMPARE(urteile.count(QStringLiteral("RICHTIG!")), antworten.count(u'r'));
        for (const QString& u : urteile)
            QVERIFY(u == QLatin1String("RICHTIG!") || u.startsWith(QStringLiteral("FEHLER! Lösung: ")));
        QTEST(::meldung, "meldung");
        QTEST(letztesErgebnis(n), "ergebnis");
        Programmtabelle::global().leeren();
    }

    void uebertrag_data()
    {
        QTest::addColumn<int>("n");
        QTest::addColumn<QString>("erster");      // the first run's answers, the rest wrong
        QTest::addColumn<bool>("abgebrochen");    // closed with Esc after those answers
        QTest::addColumn<QList<int>>("laengen");  // of the second run's first three tasks, all right
        QTest::newRow("Alphakett, einer übrig") << 117 << "rrr" << false << QList<int>{6, 7, 7};
        QTest::newRow("Alphakett, keiner übrig") << 117 << "rr" << false << QList<int>{6, 6, 7};
        QTest::newRow("Musterband, einer übrig") << 118 << "frfff" << false << QList<int>{6, 7, 7};
        QTest::newRow("Musterband, abgebrochen") << 118 << "r" << true << QList<int>{6, 7, 7};
    }
    // The count towards the next step carries over, also from a run closed early.
    void uebertrag()
    {
        QFETCH(int, n);
        QFETCH(QString, erster);
        QFETCH(bool, abgebrochen);
        mitSaat(5);
        Twahr09 f(art(n));
        f.show();
        Steuer s(&f);
        QCOMPARE(s.fahre(abgebrochen ? erster : erster.leftJustified(20, u'f'), 0).size(), abgebrochen ? erster.size() : 20);
        if (abgebrochen)
            QTest::keyClick(s.eingabe, Qt::Key_Escape);
        QVERIFY(!f.isVisible());
        f.show();
        QTEST(s.fahre(QStringLiteral("rrr"), 0), "laengen");
    }

    // Esc closes only from the answer field; nothing is recorded; a window
    // shown again after a closed run waits for Start.
    void esc()
    {
        Twahr09 f(art(117));
        f.show();
        Steuer s(&f);
        meldung.clear();
        QTest::mouseClick(s.start, Qt::LeftButton);
        QTest::keyClick(s.eingabe, Qt::Key_Return);  // empty: nothing
        QVERIFY(f.rifa->text().isEmpty());
        s.antworte(false, false);
        QTest::keyClick(s.weiter, Qt::Key_Escape);
        QVERIFY(f.isVisible());
        QTest::keyClick(&f, Qt::Key_Escape);
        QVERIFY(f.isVisible());
        QTest::keyClick(s.eingabe, Qt::Key_Escape);
        QVERIFY(!f.isVisible());
        QVERIFY(meldung.isEmpty());
        f.show();
        QVERIFY(!s.start->isHidden());
        QVERIFY(s.eingabe->isHidden() && s.weiter->isHidden() && s.aufzahl->isHidden());
        QVERIFY(f.aus1->text().isEmpty() && f.aus2->text().isEmpty() && f.rifa->text().isEmpty());
    }
};

int main(int argc, char** argv)
{
    Anwendung app(argc, argv);
    TestZeilen t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_zeilen.moc"
