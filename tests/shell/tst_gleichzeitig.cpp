// Two programs on one working folder: every save of each is found afterwards,
// in both ways of writing (a replacing copy, or records written into the file),
// a holder that dies or hangs never blocks or fakes a save, and the windows
// that read early and save late apply only their own change.
#include "common/dateisperre.h"
#include "common/fehler.h"
#include "common/satzdatei.h"
#include "common/zustand.h"
#include "platform/anwendung.h"
#include "platform/dialoge.h"
#include "shell/ergebnisse.h"
#include "shell/highscore.h"
#include "shell/nutzerregister.h"
#include "shell/planlauf.h"
#include "shell/uform5.h"
#include "shell/unut02.h"
#include "shell/uplan02.h"
#include "tests/support/konten.h"
#include "tests/support/testumgebung.h"

#include <QElapsedTimer>
#include <QTest>

#include <csignal>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// As root the two programs run as an account of their own, which may not
// create files in a folder of root's: that forces the writing into the files.
constexpr uid_t kSchreiber = 47102;

const QString kLevelDateien[] = {QStringLiteral("schieber.dat"), QStringLiteral("springer.dat"),
                                 QStringLiteral("robbier.dat"), QStringLiteral("rangier.dat")};

QString nameVon(int kind, int k) { return QStringLiteral("%1%2").arg(kind == 0 ? QLatin1Char('A') : QLatin1Char('B')).arg(k); }

// The register with slot 1 "Anna" and the given names from slot 2 on.
void setzeRegisterMitAnna(const QStringList& namen) { setzeRegister(QStringList{QStringLiteral("Anna")} + namen); }

QString satzText(const QString& datei, int groesse, int nummer)
{
    Satzdatei d(datei, groesse);
    d.positioniere(nummer);
    return d.liesText();
}

// One kind of save raced by two programs: the parent prepares each round, the
// two children save at once, the parent lists what is missing afterwards.
struct Art {
    int runden;
    int speicherungen;  // per child and round
    std::function<void()> vorbereiten;
    std::function<QStringList(int kind)> speichere;
    std::function<QStringList()> fehlt;
};

// Register entries: 19 names each into the 38 free slots.
const Art kRegister{
    11, 19, [] { setzeRegisterMitAnna({}); },
    [](int kind) {
        QStringList bericht;
        for (int k = 0; k < 19; ++k)
            if (nutzerregister::trageEin(nameVon(kind, k)).slot == 0)
                bericht << QStringLiteral("! nicht eingetragen: ") + nameVon(kind, k);
        return bericht;
    },
    [] {
        const QStringList plaetze = nutzerregister::lies();
        QStringList fehlt;
        for (int kind = 0; kind < 2; ++kind)
            for (int k = 0; k < 19; ++k)
                if (plaetze.count(nameVon(kind, k)) != 1)
                    fehlt << nameVon(kind, k);
        return fehlt;
    }};

// Deletions: the children delete 19 users each, every one with a result and a level.
int slotVon(int kind, int k) { return 2 + 2 * k + kind; }
const Art kLoeschen{
    11, 19,
    [] {
        QStringList namen;
        for (int k = 0; k < 19; ++k)
            namen << nameVon(0, k) << nameVon(1, k);
        setzeRegisterMitAnna(namen);
        Satzdatei erg(ergebnis::dateiname(0), ergebnis::kSatzgroesse);
        Satzdatei level(QStringLiteral("robbier.dat"), 51);
        for (int s = 2; s <= 39; ++s) {
            erg.positioniere(ergebnis::satznummer(1, s, 9));
            erg.schreibeText(QStringLiteral("01.01.2026   100").leftJustified(20));
            level.positioniere(s - 1);
            level.schreibeText(QStringLiteral("1").repeated(50));
        }
        erg.schliesse();
        level.schliesse();
    },
    [](int kind) {
        QStringList bericht;
        for (int k = 0; k < 19; ++k)
            if (!TForm5::nutzerLoeschen(slotVon(kind, k), nameVon(kind, k)))
                bericht << QStringLiteral("! nicht gelöscht: ") + nameVon(kind, k);
        return bericht;
    },
    [] {
        const QStringList plaetze = nutzerregister::lies();
        QStringList fehlt;
        for (int s = 2; s <= 39; ++s) {
            if (plaetze[s - 1] != nutzerregister::kFrei)
                fehlt << plaetze[s - 1];
            if (!satzText(ergebnis::dateiname(0), 21, ergebnis::satznummer(1, s, 9)).trimmed().isEmpty())
                fehlt << QStringLiteral("Ergebnis in Platz %1").arg(s);
            if (satzText(QStringLiteral("robbier.dat"), 51, s - 1) != QString(50, QLatin1Char('0')))
                fehlt << QStringLiteral("Level in Platz %1").arg(s);
        }
        return fehlt;
    }};

// Results of two users in one file: ten of each of the eleven exercises, each
// score its own, so that every one of them must stand in its slot at the end.
float wertVon(int kind, int wiederholung, int i) { return float(1000 * (kind + 1) + 20 * wiederholung + i); }
const Art kErgebnisse{
    2, 110, [] { Satzdatei::schreibeTexte(ergebnis::dateiname(0), 21, QStringList(4400, QString(20, QLatin1Char(' ')))); },
    [](int kind) {
        for (int w = 0; w < 10; ++w)
            for (int i = 1; i <= 11; ++i)
                ergein(kind + 1, 12 + i, wertVon(kind, w, i));
        return QStringList();
    },
    [] {
        QStringList fehlt;
        for (int kind = 0; kind < 2; ++kind)
            for (int i = 1; i <= 11; ++i)
                for (int w = 0; w < 10; ++w) {
                    const QString satz = satzText(ergebnis::dateiname(0), 21, ergebnis::satznummer(i, kind + 1, w));
                    if (ergebnis::punktetext(satz) != QString::number(int(wertVon(kind, w, i))))
                        fehlt << QStringLiteral("Nutzer %1, Übung %2, Ergebnis %3").arg(kind + 1).arg(i).arg(w);
                }
        return fehlt;
    }};

// Highscores of the same exercises: seven each into every one of eleven lists.
float bestwertVon(int kind, int k) { return float(100 + 10 * k + 5 * kind); }
const Art kHighscores{
    3, 77,
    [] {
        for (int b = 0; b < 11; ++b)
            highscore::aendereBlock(b, [](highscore::Liste& l) {
                l.fill({QStringLiteral("offen"), QStringLiteral("0"), QString()});
                return true;
            });
    },
    [](int kind) {
        nutzername = nameVon(kind, 0);
        for (int i = 1; i <= 11; ++i)
            for (int k = 0; k < 7; ++k)
                highein(12 + i, bestwertVon(kind, k));
        return QStringList();
    },
    [] {
        QStringList fehlt;
        for (int b = 0; b < 11; ++b) {
            const highscore::Liste l = highscore::liesBlock(b);
            for (int kind = 0; kind < 2; ++kind)
                for (int k = 0; k < 7; ++k)
                    if (std::none_of(l.cbegin(), l.cend(), [&](const highscore::Platz& p) {
                            return p.name == nameVon(kind, 0) && p.punkte == QString::number(int(bestwertVon(kind, k)));
                        }))
                        fehlt << QStringLiteral("Liste %1: %2 %3").arg(b).arg(nameVon(kind, 0)).arg(bestwertVon(kind, k));
        }
        return fehlt;
    }};

// Plans: each child creates 24, each time as an editor does, from a table read before.
const Art kPlaene{
    9, 24, [] { plan::schreibe(QStringList(plan::kPlaene, plan::frei())); },
    [](int kind) {
        QStringList bericht;
        for (int k = 0; k < 24; ++k) {
            const QStringList gelesen = plan::lies();
            QStringList neu = gelesen;
            const auto frei = std::find_if(neu.begin(), neu.end(), plan::istFrei);
            *frei = (QStringLiteral("Plan ") + nameVon(kind, k)).leftJustified(plan::kNamenlaenge) + QStringLiteral("ABC");
            bericht << plan::speichereAenderungen(gelesen, neu);
        }
        return bericht;
    },
    [] {
        const QStringList plaene = plan::lies();
        QStringList fehlt;
        for (int kind = 0; kind < 2; ++kind)
            for (int k = 0; k < 24; ++k)
                if (plaene.count((QStringLiteral("Plan ") + nameVon(kind, k)).leftJustified(plan::kNamenlaenge)
                                 + QStringLiteral("ABC"))
                    != 1)
                    fehlt << nameVon(kind, k);
        return fehlt;
    }};

// Level status of two users in the same files: one level solved per save.
const Art kLevel{
    1, 200,
    [] {
        for (const QString& datei : kLevelDateien)
            Satzdatei::schreibeTexte(datei, 51, QStringList(40, QString(50, QLatin1Char('0'))));
    },
    [](int kind) {
        for (const QString& datei : kLevelDateien)
            for (int k = 0; k < 50; ++k) {
                Satzdatei d(datei, 51);
                d.positioniere(kind);
                QString stati = d.liesText();
                stati[k] = QLatin1Char('1');
                d.positioniere(kind);
                d.schreibeText(stati);
                d.schliesse();
            }
        return QStringList();
    },
    [] {
        QStringList fehlt;
        for (const QString& datei : kLevelDateien)
            for (int kind = 0; kind < 2; ++kind)
                if (satzText(datei, 51, kind) != QString(50, QLatin1Char('1')))
                    fehlt << datei + QStringLiteral(" Nutzer %1: ").arg(kind + 1) + satzText(datei, 51, kind);
        return fehlt;
    }};

const std::map<QString, const Art*> kArten{{QStringLiteral("Register"), &kRegister}, {QStringLiteral("Löschen"), &kLoeschen},
                                           {QStringLiteral("Ergebnisse"), &kErgebnisse},
                                           {QStringLiteral("Highscores"), &kHighscores},
                                           {QStringLiteral("Pläne"), &kPlaene}, {QStringLiteral("Level"), &kLevel}};

// Creates a plan through the editor, with its first exercise, and leaves it.
void legePlanAn(Tplan02& e, dialog::Skript& skript, const QString& name)
{
    skript.eingaben = {name};
    QTest::mouseClick(e.Button2, Qt::LeftButton);
    e.ListBox2->setCurrentRow(0);
    QTest::mouseClick(e.Button5, Qt::LeftButton);
    QTest::mouseClick(e.Button6, Qt::LeftButton);
}

QStringList planNamen()
{
    QStringList namen;
    for (const QString& p : plan::lies())
        if (!plan::istFrei(p))
            namen << p.left(plan::kNamenlaenge).trimmed();
    return namen;
}

}

class TestGleichzeitig : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void rennen_data();
    void rennen();
    void halterStirbt_data();
    void halterStirbt();
    void zweiSchreibtische_data();
    void zweiSchreibtische();

private:
    std::unique_ptr<Arbeitsordner> m_ordner;
};

void TestGleichzeitig::init()
{
    m_ordner = std::make_unique<Arbeitsordner>();
    nutzer = 1;
    nutzername = QStringLiteral("Anna");
}

void TestGleichzeitig::cleanup()
{
    Dateisperre::setzeWartezeit(0);
    // a folder made unwritable must be removable again
    ::chmod(QFile::encodeName(m_ordner->pfad(QString())).constData(), 0700);
    m_ordner.reset();
}

void TestGleichzeitig::rennen_data()
{
    QTest::addColumn<QString>("art");
    QTest::addColumn<bool>("inDerDatei");
    for (const auto& [name, art] : kArten) {
        QTest::addRow("%s, Kopie", qPrintable(name)) << name << false;
        QTest::addRow("%s, in der Datei", qPrintable(name)) << name << true;
    }
}

void TestGleichzeitig::rennen()
{
    QFETCH(QString, art);
    QFETCH(bool, inDerDatei);
    const Art& a = *kArten.at(art);
    QVERIFY(a.runden * a.speicherungen >= 200);
    const QString ordner = m_ordner->pfad(QString());
    Konto konto = diesesKonto();
    if (::geteuid() == 0) {
        // the children's files: a copy can be given their owner, unless the folder takes none
        konto = {kSchreiber, kSchreiber, {kSchreiber}};
        for (const QString& name : QDir(ordner).entryList(QDir::Files))
            setze(m_ordner->pfad(name), kSchreiber, kSchreiber, 0644);
        const uid_t ordnerBesitzer = inDerDatei ? 0 : kSchreiber;
        setze(ordner, ordnerBesitzer, ordnerBesitzer, 0755);
    } else if (inDerDatei) {
        setze(ordner, ::geteuid(), ::getegid(), 0555);
    }
    const QStringList vorher = m_ordner->dateien();
    for (int runde = 0; runde < a.runden; ++runde) {
        a.vorbereiten();
        const QStringList berichte = zugleich(konto, a.speichere);
        for (const QString& b : berichte)
            QVERIFY2(b.isEmpty(), qPrintable(b));
        const QStringList fehlt = a.fehlt();
        QVERIFY2(fehlt.isEmpty(), qPrintable(QStringLiteral("Runde %1 verlor: ").arg(runde) + fehlt.join(QStringLiteral(", "))));
    }
    QCOMPARE(m_ordner->dateien(), vorher);  // no copy left behind
}

void TestGleichzeitig::halterStirbt_data()
{
    // the other program holds a file and is killed, or stops (a hung program)
    QTest::addColumn<QString>("datei");
    QTest::addColumn<int>("signal");
    QTest::addColumn<QString>("was");
    QTest::addColumn<QStringList>("meldungen");
    const QString gesperrt = QStringLiteral(
        "Die Datei %1 wird gerade von einem anderen VELMORA-Programm benutzt. "
        "Es wurde nichts gespeichert; bitte versuchen Sie es noch einmal.");
    const QString nochEiner = QStringLiteral("Noch einen Nutzer löschen?");
    QTest::newRow("Register, getötet") << "xbasan.dat" << SIGKILL << "eintragen"
                                        << QStringList{QStringLiteral("Der Nutzer wurde eingetragen!")};
    QTest::newRow("Register, angehalten") << "xbasan.dat" << SIGSTOP << "eintragen" << QStringList{gesperrt.arg("xbasan.dat")};
    // a deletion writes 15 files: one held keeps all of them as they are
    QTest::newRow("Ergebnisdatei beim Löschen, getötet")
        << "xbaserg5.dat" << SIGKILL << "löschen" << QStringList{QStringLiteral("Bert wurde gelöscht!"), nochEiner};
    QTest::newRow("Ergebnisdatei beim Löschen, angehalten")
        << "xbaserg5.dat" << SIGSTOP << "löschen" << QStringList{gesperrt.arg("xbaserg5.dat")};
}

void TestGleichzeitig::halterStirbt()
{
    QFETCH(QString, datei);
    QFETCH(int, signal);
    QFETCH(QString, was);
    QFETCH(QStringList, meldungen);
    setzeRegisterMitAnna({QStringLiteral("Bert")});
    ergein(2, 13, 100.0f);
    // the other program, killed however this test ends
    Sperrhalter halter(datei);
    QVERIFY(halter.pid() > 0);
    if (signal == SIGKILL)
        halter.gibFrei();  // killed and reaped: its pid is not signalled again
    else
        ::kill(halter.pid(), signal);
    QMap<QString, QByteArray> vorher;
    for (const QString& name : m_ordner->dateien())
        vorher[name] = m_ordner->lies(name);

    constexpr int kGrenze = 1500;
    Dateisperre::setzeWartezeit(kGrenze);
    QElapsedTimer uhr;
    uhr.start();
    dialog::Skript skript;
    if (was == QLatin1String("eintragen"))
        trageEinImFenster(QStringLiteral("Carla"));
    else
        loescheZweiten(skript);
    const qint64 dauer = uhr.elapsed();
    // a refused entry leaves the window open with the name, to be tried again
    Tnut02::instanz().edi1nut02->clear();
    Tnut02::instanz().hide();
    QCOMPARE(skript.texte, meldungen);
    if (signal == SIGKILL) {
        QVERIFY2(dauer < kGrenze, qPrintable(QString::number(dauer)));
        QCOMPARE(nutzerregister::lies().mid(0, 3),
                 was == QLatin1String("eintragen")
                     ? (QStringList{QStringLiteral("Anna"), QStringLiteral("Bert"), QStringLiteral("Carla")})
                     : (QStringList{QStringLiteral("Anna"), nutzerregister::kFrei, nutzerregister::kFrei}));
    } else {
        QVERIFY2(dauer >= kGrenze, qPrintable(QString::number(dauer)));
        for (const QString& name : m_ordner->dateien())
            QVERIFY2(m_ordner->lies(name) == vorher.value(name), qPrintable(name));
    }
}

void TestGleichzeitig::zweiSchreibtische_data()
{
    // desk B opens its window, desk A (another program) saves, then desk B saves
    QTest::addColumn<QString>("fenster");
    QTest::addColumn<QString>("tischA");  // what desk A does meanwhile
    QTest::addColumn<QStringList>("meldungen");
    QTest::addColumn<QStringList>("danach");
    QTest::newRow("Nutzer löschen, A trägt Carla ein")
        << "löschen" << "Carla" << QStringList{QStringLiteral("Bert wurde gelöscht!"), QStringLiteral("Noch einen Nutzer löschen?")}
        << QStringList{QStringLiteral("Anna"), nutzerregister::kFrei, QStringLiteral("Carla")};
    // A deleted Bert and entered Dora into his slot: B's Bert is unknown now
    QTest::newRow("Nutzer löschen, A ersetzt Bert durch Dora")
        << "löschen" << "-Bert Dora" << QStringList{QStringLiteral("unbekannter Nutzer!"), QStringLiteral("Noch einen Nutzer löschen?")}
        << QStringList{QStringLiteral("Anna"), QStringLiteral("Dora"), nutzerregister::kFrei};
    QTest::newRow("Plan-Editor, A legt A-Plan an") << "Plan-Editor" << "A-Plan" << QStringList()
                                                    << QStringList{QStringLiteral("A-Plan"), QStringLiteral("B-Plan")};
    QTest::newRow("Plan-Editor, A legt B-Plan an") << "Plan-Editor" << "B-Plan"
                                                    << QStringList{QStringLiteral("Der Planname existiert bereits!")}
                                                    << QStringList{QStringLiteral("B-Plan")};
}

void TestGleichzeitig::zweiSchreibtische()
{
    QFETCH(QString, fenster);
    QFETCH(QString, tischA);
    QFETCH(QStringList, meldungen);
    QFETCH(QStringList, danach);
    setzeRegisterMitAnna({QStringLiteral("Bert")});
    const auto tischAspeichert = [&] {
        const QString bericht = alsKonto(diesesKonto(), [&] {
            QStringList gezeigt;
            if (fenster == QLatin1String("Plan-Editor")) {
                dialog::Skript skript;
                Tplan02& e = Tplan02::instanz();
                e.hide();  // desk B's editor, copied into this process
                e.show();
                legePlanAn(e, skript, tischA);
                QTest::mouseClick(e.Button4, Qt::LeftButton);
                gezeigt = skript.texte.mid(1);  // after the question for the name
            } else {
                if (tischA.startsWith(QLatin1Char('-')))
                    TForm5::nutzerLoeschen(2, QStringLiteral("Bert"));
                dialog::Skript skript;
                trageEinImFenster(tischA.split(QLatin1Char(' ')).last());
                gezeigt = skript.texte;
            }
            return gezeigt;
        });
        QVERIFY2(bericht.isEmpty() || bericht == QStringLiteral("Der Nutzer wurde eingetragen!"), qPrintable(bericht));
    };
    dialog::Skript skript;
    if (fenster == QLatin1String("Plan-Editor")) {
        Tplan02& e = Tplan02::instanz();
        e.show();  // reads the plans
        tischAspeichert();
        legePlanAn(e, skript, QStringLiteral("B-Plan"));
        QTest::mouseClick(e.Button4, Qt::LeftButton);
        QCOMPARE(skript.texte.mid(1), meldungen);
        QCOMPARE(planNamen(), danach);
    } else {
        loescheZweiten(skript, tischAspeichert);  // A saves while B's grid shows what it read
        QCOMPARE(skript.texte, meldungen);
        QCOMPARE(nutzerregister::lies().mid(0, 3), danach);
    }
}

int main(int argc, char** argv)
{
    Anwendung app(argc, argv);
    TestGleichzeitig t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_gleichzeitig.moc"
