// Two desks on one working folder, and what one of them must not mix up or
// undo for the other: a run finished for a user deleted at the other desk
// saves nothing, a level solved at either level chooser stays solved whichever
// closes last, every account of the folder's group prints into ausdrucke/, and
// the deletion window keeps its frame on the name chosen after an error
// message. The other desk is a child process, or a second window.
#include "common/dateisperre.h"
#include "common/satzdatei.h"
#include "common/zustand.h"
#include "exercises/logic/uspielro1.h"
#include "platform/anwendung.h"
#include "platform/dialoge.h"
#include "platform/drucker.h"
#include "platform/farben.h"
#include "shell/ergebnisse.h"
#include "shell/highscore.h"
#include "shell/nutzerregister.h"
#include "shell/uebungsrahmen.h"
#include "shell/uform4.h"
#include "shell/uform5.h"
#include "tests/support/konten.h"
#include "tests/support/testdrucker.h"
#include "tests/support/testumgebung.h"
#include "tests/support/uebungsumgebung.h"

#include <QDir>
#include <QLineEdit>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTest>

#include <csignal>
#include <deque>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

const QString kFrisch(50, QLatin1Char('0'));
const QString kLeer(20, QLatin1Char(' '));

QString hinweis(const QString& name)
{
    return QStringLiteral("Der Nutzer %1 ist nicht mehr eingetragen. Das Ergebnis wurde nicht gespeichert.").arg(name);
}

QString satzText(const QString& datei, int groesse, int nummer)
{
    Satzdatei d(datei, groesse);
    d.positioniere(nummer);
    return d.liesText();
}

QString levelSatz(int slot) { return satzText(QStringLiteral("robbier.dat"), 51, slot - 1); }

// The ten results of slot in program n, oldest first.
QStringList ergebnisse(int n, int slot)
{
    QStringList r;
    for (int k = 0; k < 10; ++k)
        r << satzText(ergebnis::dateiname(n / 12 - 1), ergebnis::kSatzgroesse, ergebnis::satznummer(n % 12, slot, k));
    return r;
}

QStringList bestenNamen(int n)
{
    QStringList namen;
    for (const highscore::Platz& p : highscore::liesBlock(highscore::block(n)))
        namen << p.name;
    return namen;
}

void gib(Tspielro1& f, const QString& text)
{
    QTest::keyClicks(f.Edit1, text);
    QTest::keyClick(f.Edit1, Qt::Key_Return);
}

// A level chooser of Robbi whose boards end as the letters say, one per
// opening: g solved, f failed.
struct Levelwahl {
    std::deque<QChar> ausgaenge;
    Tspielro1 fenster{Tspielro1::mitglied(107), [this] {
                          const QChar a = ausgaenge.empty() ? QLatin1Char('f') : ausgaenge.front();
                          if (!ausgaenge.empty())
                              ausgaenge.pop_front();
                          if (a == QLatin1Char('g'))
                              levelnr += 100;
                          return true;
                      }};
    explicit Levelwahl(const QString& folge) : ausgaenge(folge.begin(), folge.end()) {}
    void spiele(const QString& eingaben)
    {
        for (const QString& e : eingaben.split(QLatin1Char('|'), Qt::SkipEmptyParts))
            gib(fenster, e);
    }
};

// The red frame of the deletion window on slot (from 1): its left edge.
bool rahmenAuf(TForm5& f, int slot)
{
    const QImage* bild = f.canvas().bild();
    const int spalte = (slot - 1) / 10;
    const int zeile = (slot - 1) % 10;
    const QPoint p((spalte * 25 + 3) * einheitx + 1, (zeile * 8 + 12) * einheity);
    return bild && bild->valid(p) && bild->pixelColor(p) == farbe::rot;
}

QPoint mitte(int slot) { return {((slot - 1) / 10 * 25 + 10) * einheitx, (8 * ((slot - 1) % 10 + 1) + 4) * einheity}; }

// Ids no account of the machine needs: two users and the group they share.
constexpr uid_t kA = 47111;
constexpr uid_t kB = 47112;
constexpr gid_t kGruppe = 47110;
const Konto kKontoA{kA, kA, {kA, kGruppe}};
const Konto kKontoB{kB, kB, {kB, kGruppe}};

}

class TestZweiPlaetze : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void geloeschterNutzer_data();
    void geloeschterNutzer();
    void levelwahlGeloeschterNutzer_data();
    void levelwahlGeloeschterNutzer();
    void levelAnZweiTischen_data();
    void levelAnZweiTischen();
    void drucken_data();
    void drucken();
    void rahmenNachFehlermeldung_data();
    void rahmenNachFehlermeldung();

private:
    Testuhr m_uhr;
    std::unique_ptr<Arbeitsordner> m_ordner;
};

void TestZweiPlaetze::init()
{
    m_ordner = std::make_unique<Arbeitsordner>();
    nutzer = 0;
    nutzername.clear();
    ungedruckt = 0;
    TForm4::instanz().leeren();
}

void TestZweiPlaetze::cleanup()
{
    Dateisperre::setzeWartezeit(0);
    TForm5::instanz().hide();
    // a folder given to other accounts must be removable again
    ::chmod(QFile::encodeName(m_ordner->pfad(QString())).constData(), 0700);
    m_ordner.reset();
}

void TestZweiPlaetze::geloeschterNutzer_data()
{
    // desk B has chosen Bert and is in a run; desk A, another program, acts
    // meanwhile; then B's run ends
    QTest::addColumn<QString>("ende");    // how B's run ends
    QTest::addColumn<QString>("tischA");  // what A does
    const QStringList enden{QStringLiteral("Meldefenster"), QStringLiteral("Eintrag zuerst"), QStringLiteral("Meldebox"),
                            QStringLiteral("Levelwahl")};
    for (const QString& ende : enden) {
        QTest::addRow("%s, A löscht Bert", qPrintable(ende)) << ende << "löscht";
        QTest::addRow("%s, A ersetzt Bert durch Dora", qPrintable(ende)) << ende << "ersetzt";
        QTest::addRow("%s, A trägt Carla ein", qPrintable(ende)) << ende << "trägt ein";
    }
}

void TestZweiPlaetze::geloeschterNutzer()
{
    QFETCH(QString, ende);
    QFETCH(QString, tischA);
    setzeRegister({QStringLiteral("Anna"), QStringLiteral("Bert")});
    Uebungsumgebung umgebung(m_uhr, 2, QStringLiteral("Bert"), 0);  // Bert chosen at desk B
    const bool levelwahl = ende == QLatin1String("Levelwahl");
    const int n = levelwahl ? 107 : 26;  // Robbi, or Rechenmix
    // desk A's own messages
    QStringList beiA;
    if (tischA != QStringLiteral("trägt ein"))
        beiA << QStringLiteral("Bert wurde gelöscht!") << QStringLiteral("Noch einen Nutzer löschen?");
    if (tischA != QStringLiteral("löscht"))
        beiA << QStringLiteral("Der Nutzer wurde eingetragen!");
    QString bericht;
    const auto tischAhandelt = [&] {
        bericht = alsKonto(diesesKonto(), [&] {
            nutzer = 1;  // Anna at desk A
            nutzername = QStringLiteral("Anna");
            dialog::Skript skript;
            if (tischA != QStringLiteral("trägt ein"))
                loescheZweiten(skript);
            if (tischA != QStringLiteral("löscht"))
                trageEinImFenster(tischA == QLatin1String("ersetzt") ? QStringLiteral("Dora") : QStringLiteral("Carla"));
            return skript.texte;
        });
    };

    dialog::Skript skript;
    const int zeilenVorher = TForm4::instanz().zeilen().size();
    if (levelwahl) {
        Levelwahl b(QStringLiteral("g"));
        b.fenster.show();
        b.spiele(QStringLiteral("1"));  // B solves level 1 for Bert
        tischAhandelt();
        b.spiele(QStringLiteral("0"));
        QVERIFY(!b.fenster.isVisible());
    } else {
        Uebungslauf lauf;
        lauf.starte(10);
        tischAhandelt();
        const Endfolge folge = ende == QLatin1String("Meldebox")         ? Endfolge::Meldebox
                               : ende == QLatin1String("Eintrag zuerst") ? Endfolge::EintragZuerst
                                                                         : Endfolge::Meldefenster;
        lauf.beende(nullptr, n, 250.0f, {}, folge);
    }

    QCOMPARE(bericht, beiA.join(QLatin1Char('\n')));
    if (tischA == QStringLiteral("trägt ein")) {
        // Bert is still there: his run is saved as always
        QVERIFY(!skript.texte.contains(hinweis(QStringLiteral("Bert"))));
        QCOMPARE(ergebnisse(n, 2).last().mid(13), QString::number(levelwahl ? 20 : 250));
        QCOMPARE(bestenNamen(n).first(), QStringLiteral("Bert"));
        QCOMPARE(TForm4::instanz().zeilen().size(), zeilenVorher + (zeilenVorher == 0 ? 2 : 1));
        if (levelwahl)
            QCOMPARE(levelSatz(2), QStringLiteral("/") + kFrisch.mid(1));
        QCOMPARE(nutzerregister::lies().mid(0, 3),
                 (QStringList{QStringLiteral("Anna"), QStringLiteral("Bert"), QStringLiteral("Carla")}));
        return;
    }
    // said once, and nothing saved for him: not into the freed slot, not into the list
    QCOMPARE(skript.texte.count(hinweis(QStringLiteral("Bert"))), 1);
    QCOMPARE(skript.texte.last(), hinweis(QStringLiteral("Bert")));
    QCOMPARE(ergebnisse(n, 2), QStringList(10, kLeer));
    QVERIFY(!bestenNamen(n).contains(QStringLiteral("Bert")));
    QCOMPARE(TForm4::instanz().zeilen().size(), zeilenVorher);
    QCOMPARE(ungedruckt, std::uint8_t(0));
    QCOMPARE(levelSatz(2), kFrisch);

    // the next user entered there starts empty
    QString neu = QStringLiteral("Dora");
    if (tischA == QStringLiteral("löscht")) {
        dialog::Skript eintragen;
        neu = QStringLiteral("Carla");
        trageEinImFenster(neu);
        QCOMPARE(eintragen.texte, QStringList{QStringLiteral("Der Nutzer wurde eingetragen!")});
        QCOMPARE(nutzer, 2);
    }
    QCOMPARE(nutzerregister::lies().at(1), neu);
    for (int k = 1; k <= 11; ++k)
        QCOMPARE(ergebnisse((n / 12) * 12 + k, 2), QStringList(10, kLeer));
    for (const char* datei : {"robbier.dat", "springer.dat", "schieber.dat", "rangier.dat"})
        QCOMPARE(satzText(QString::fromLatin1(datei), 51, 1), kFrisch);
}

void TestZweiPlaetze::levelwahlGeloeschterNutzer_data()
{
    // Bert (slot 2) is current here, deleted at the other desk, which entered
    // Carla there; then his level chooser opens
    QTest::addColumn<bool>("vorherAnna");  // the same chooser showed Anna's record before
    QTest::newRow("zum ersten Mal geöffnet") << false;
    QTest::newRow("zuvor für Anna geöffnet") << true;
}

void TestZweiPlaetze::levelwahlGeloeschterNutzer()
{
    QFETCH(bool, vorherAnna);
    setzeRegister({QStringLiteral("Anna"), QStringLiteral("Bert")});
    Uebungsumgebung umgebung(m_uhr, 1, QStringLiteral("Anna"), 0);
    dialog::Skript skript;
    Levelwahl w(QString{});
    const auto memos = [&] { return w.fenster.Memo1->toPlainText() + w.fenster.Memo2->toPlainText(); };
    if (vorherAnna) {
        w.fenster.show();
        QVERIFY(!memos().isEmpty());
        w.spiele(QStringLiteral("0"));
    }
    setzeRegister({QStringLiteral("Anna"), QStringLiteral("Carla")});
    nutzer = 2;
    nutzername = QStringLiteral("Bert");
    skript.texte.clear();
    QStringList beiMeldung;
    skript.beimZeigen = [&](const QString&) { beiMeldung << memos(); };
    w.fenster.show();
    QCOMPARE(skript.texte, QStringList{QStringLiteral("Der Nutzer Bert ist nicht mehr eingetragen.")});
    // no statuses in view while the message is up, neither Carla's nor Anna's, nor after
    QCOMPARE(beiMeldung, QStringList{QString()});
    QTRY_VERIFY(!w.fenster.isVisible());
    QCOMPARE(memos(), QString());
}

void TestZweiPlaetze::levelAnZweiTischen_data()
{
    // Anna at both desks, each with Robbi's level chooser open; each plays,
    // then both close
    QTest::addColumn<QString>("vorher");     // her record when both open
    QTest::addColumn<QString>("spielA");     // inputs at A, each followed by Enter
    QTest::addColumn<QString>("ausgaengeA");  // per board opening: g solved, f failed
    QTest::addColumn<QString>("spielB");
    QTest::addColumn<QString>("ausgaengeB");
    QTest::addColumn<QString>("folge");  // "AB": A closes first; "A im anderen Programm": A's whole opening
                                         // runs in another program while B's chooser is open
    QTest::addColumn<QString>("nachher");
    const auto mit = [](QString s, int level, QChar c) {
        s[level - 1] = c;
        return s;
    };
    const QString drei7 = mit(mit(kFrisch, 3, '/'), 7, '/');
    QTest::newRow("A löst 3, B löst 7, A schließt zuerst") << kFrisch << "3" << "g" << "7" << "g" << "AB" << drei7;
    QTest::newRow("A löst 3, B löst 7, B schließt zuerst") << kFrisch << "3" << "g" << "7" << "g" << "BA" << drei7;
    QTest::newRow("A löst 3 im anderen Programm, B löst 7") << kFrisch << "3" << "g" << "7" << "g"
                                                            << "A im anderen Programm" << drei7;
    QTest::newRow("A löst 5, B scheitert an 5, B zuletzt") << kFrisch << "5" << "g" << "5" << "f" << "AB"
                                                           << mit(kFrisch, 5, '/');
    QTest::newRow("A scheitert an 5, B löst 5, A zuletzt") << kFrisch << "5" << "f" << "5" << "g" << "BA"
                                                           << mit(kFrisch, 5, '/');
    QTest::newRow("Fehlversuche beider zählen") << mit(kFrisch, 5, '1') << "5|5" << "ff" << "5" << "f" << "BA"
                                                << mit(kFrisch, 5, '4');
    QTest::newRow("höchstens zehn Fehlversuche") << mit(kFrisch, 5, '8') << "5|5" << "ff" << "5" << "f" << "AB"
                                                 << mit(kFrisch, 5, ':');
    QTest::newRow("gelöst vorher bleibt gelöst") << mit(kFrisch, 9, '/') << "9|2" << "fg" << "9" << "f" << "BA"
                                                 << mit(mit(kFrisch, 9, '/'), 2, '/');
}

void TestZweiPlaetze::levelAnZweiTischen()
{
    QFETCH(QString, vorher);
    QFETCH(QString, spielA);
    QFETCH(QString, ausgaengeA);
    QFETCH(QString, spielB);
    QFETCH(QString, ausgaengeB);
    QFETCH(QString, folge);
    QFETCH(QString, nachher);
    setzeRegister({QStringLiteral("Anna")});
    Uebungsumgebung umgebung(m_uhr, 1, QStringLiteral("Anna"), 0);
    {
        Satzdatei d(QStringLiteral("robbier.dat"), 51);
        d.schreibeText(vorher);
        d.schliesse();
    }
    dialog::Skript skript;
    Levelwahl b(ausgaengeB);
    b.fenster.show();
    if (folge == QLatin1String("A im anderen Programm")) {
        const QString bericht = alsKonto(diesesKonto(), [&] {
            dialog::Skript s;
            Levelwahl a(ausgaengeA);
            a.fenster.show();
            a.spiele(spielA + QStringLiteral("|0"));
            return QStringList{a.fenster.isVisible() ? QStringLiteral("! offen") : QString()};
        });
        QCOMPARE(bericht, QString());
        b.spiele(spielB + QStringLiteral("|0"));
    } else {
        Levelwahl a(ausgaengeA);
        a.fenster.show();
        a.spiele(spielA);
        b.spiele(spielB);
        Levelwahl& zuerst = folge == QLatin1String("AB") ? a : b;
        Levelwahl& zuletzt = folge == QLatin1String("AB") ? b : a;
        zuerst.spiele(QStringLiteral("0"));
        QVERIFY(!zuerst.fenster.isVisible());
        zuletzt.spiele(QStringLiteral("0"));
        QVERIFY(!zuletzt.fenster.isVisible());
    }
    QVERIFY(!b.fenster.isVisible());
    QCOMPARE(levelSatz(1), nachher);
    QVERIFY(!skript.texte.contains(hinweis(QStringLiteral("Anna"))));
}

void TestZweiPlaetze::drucken_data()
{
    // without a printer the sheets go into ausdrucke/ of the working folder,
    // which the first account to print makes
    QTest::addColumn<uint>("ordnerModus");
    QTest::addColumn<QString>("konten");  // who prints, in order: A, B (of one group, as root), or I
    QTest::newRow("nach der Anleitung, A zuerst") << 02775u << "AB";
    QTest::newRow("nach der Anleitung, B zuerst") << 02775u << "BA";
    QTest::newRow("eigener Ordner 0700") << 0700u << "II";
    QTest::newRow("eigener Ordner 0755") << 0755u << "I";
}

void TestZweiPlaetze::drucken()
{
    QFETCH(uint, ordnerModus);
    QFETCH(QString, konten);
    const bool gruppe = konten.contains(QLatin1Char('A'));
    if (gruppe && ::geteuid() != 0)
        QSKIP("needs root: the two accounts print in child processes that switch to other user ids");
    const QString ordner = m_ordner->pfad(QString());
    const gid_t gid = gruppe ? kGruppe : ::getegid();
    if (gruppe) {
        // the README's recipe: chgrp -R velmora, chmod 2775 on the folder, chmod g+w *.dat
        for (const QString& name : QDir(ordner).entryList(QDir::Files)) {
            struct stat st {};
            QCOMPARE(::lstat(QFile::encodeName(m_ordner->pfad(name)).constData(), &st), 0);
            const mode_t modus = name.endsWith(QLatin1String(".dat")) ? (st.st_mode & 07777) | S_IWGRP : st.st_mode & 07777;
            setze(m_ordner->pfad(name), st.st_uid, kGruppe, modus);
        }
    }
    setze(ordner, ::geteuid(), gid, ordnerModus);

    QStringList pdfs;
    for (const QChar k : konten) {
        const Konto konto = k == QLatin1Char('A') ? kKontoA : k == QLatin1Char('B') ? kKontoB : diesesKonto();
        const QString bericht = alsKonto(konto, [] {
            Testdrucker drucker(druckdienst::Lage::KeinDrucker);
            dialog::Skript skript;
            Druckauftrag d;
            d.text(100, 100, QStringLiteral("VELMORA"));
            d.beenden();
            return skript.texte;
        });
        const QRegularExpressionMatch m =
            QRegularExpression(QStringLiteral("^Kein Drucker eingerichtet\\. Der Ausdruck wurde in der Datei (.*/ausdrucke/druck-[-0-9]+\\.pdf) "
                                              "gespeichert\\.$"))
                .match(bericht);
        QVERIFY2(m.hasMatch(), qPrintable(QString(k) + QStringLiteral(": ") + bericht));
        const QFileInfo pdf(m.captured(1));
        QVERIFY2(pdf.size() > 0, qPrintable(pdf.filePath()));
        QCOMPARE(uint(pdf.ownerId()), uint(konto.uid));
        pdfs << pdf.fileName();
        QTest::qWait(5);  // the next sheet gets a name of its own
    }
    QCOMPARE(QDir(m_ordner->pfad(QStringLiteral("ausdrucke"))).entryList(QDir::Files), pdfs);
    // the folder has the working folder's group and bits, set-group-id included
    struct stat st {};
    QCOMPARE(::stat(QFile::encodeName(m_ordner->pfad(QStringLiteral("ausdrucke"))).constData(), &st), 0);
    QCOMPARE(uint(st.st_gid), uint(gid));
    QCOMPARE(uint(st.st_mode & 07777), ordnerModus);
}

void TestZweiPlaetze::rahmenNachFehlermeldung_data()
{
    // Anna, Bert, Carla; after the error message the name is chosen again
    // from where the frame stands
    QTest::addColumn<QString>("fall");
    QTest::addColumn<bool>("maus");       // the name is chosen by a click, else by the arrows and Enter
    QTest::addColumn<int>("slot");        // the name chosen first
    QTest::addColumn<QString>("weiter");  // keys after the message: v down, ^ up, e Enter
    QTest::addColumn<QString>("geloescht");
    QTest::newRow("Sperre, Maus") << "Sperre" << true << 2 << "e" << "Bert";
    QTest::newRow("Sperre, Tasten") << "Sperre" << false << 2 << "e" << "Bert";
    QTest::newRow("aktueller Nutzer, Maus") << "aktuell" << true << 2 << "ve" << "Carla";
    QTest::newRow("aktueller Nutzer, Tasten") << "aktuell" << false << 2 << "ve" << "Carla";
    QTest::newRow("freier Platz, Maus") << "frei" << true << 5 << "^^e" << "Carla";
    QTest::newRow("erster Platz, Maus") << "erster" << true << 1 << "vve" << "Carla";
}

void TestZweiPlaetze::rahmenNachFehlermeldung()
{
    QFETCH(QString, fall);
    QFETCH(bool, maus);
    QFETCH(int, slot);
    QFETCH(QString, weiter);
    QFETCH(QString, geloescht);
    setzeRegister({QStringLiteral("Anna"), QStringLiteral("Bert"), QStringLiteral("Carla")});
    nutzer = fall == QLatin1String("aktuell") ? 2 : 1;
    std::unique_ptr<Sperrhalter> halter;
    if (fall == QLatin1String("Sperre")) {
        // another program that holds the file and hangs
        halter = std::make_unique<Sperrhalter>(ergebnis::dateiname(5));
        QVERIFY(halter->pid() > 0);
        ::kill(halter->pid(), SIGSTOP);
        Dateisperre::setzeWartezeit(300);
    }
    dialog::Skript skript;
    // after the error (a click asks "Noch einen?" after any choice), after the deletion
    skript.antworten = {dialog::Knopf::Ja, dialog::Knopf::Ja};
    TForm5& f = TForm5::instanz();
    f.show();
    QTest::mouseClick(f.Button1, Qt::LeftButton);
    if (maus) {
        QTest::mouseClick(&f, Qt::LeftButton, {}, mitte(slot));
    } else {
        for (int i = 1; i < slot; ++i)
            QTest::keyClick(&f, Qt::Key_Down);
        QTest::keyClick(&f, Qt::Key_Return);
    }
    QVERIFY2(!skript.texte.isEmpty(), "no message");
    const QString fehler = skript.texte.first();
    if (fall == QLatin1String("Sperre"))
        QVERIFY2(fehler.startsWith(QStringLiteral("Die Datei xbaserg5.dat wird gerade")), qPrintable(fehler));
    else
        QCOMPARE(fehler, fall == QLatin1String("aktuell") ? QStringLiteral("Dies ist der aktuelle Nutzer!")
                         : fall == QLatin1String("frei")  ? QStringLiteral("unbekannter Nutzer!")
                                                          : QStringLiteral("Dieser Nutzer kann nicht gelöscht werden!"));
    // the frame stands on the name chosen, not on slot 1
    QVERIFY(f.isVisible());
    QVERIFY(rahmenAuf(f, slot));
    QVERIFY(slot == 1 || !rahmenAuf(f, 1));
    if (halter)
        halter->gibFrei();
    const qsizetype bisher = skript.texte.size();
    for (const QChar t : weiter)
        QTest::keyClick(&f, t == QLatin1Char('v') ? Qt::Key_Down : t == QLatin1Char('^') ? Qt::Key_Up : Qt::Key_Return);
    QCOMPARE(skript.texte.mid(bisher),
             (QStringList{geloescht + QStringLiteral(" wurde gelöscht!"), QStringLiteral("Noch einen Nutzer löschen?")}));
    QVERIFY(!nutzerregister::lies().contains(geloescht));
    // after a deletion the next choice starts at slot 1 again, as before
    QVERIFY(rahmenAuf(f, 1));
}

int main(int argc, char** argv)
{
    Anwendung app(argc, argv);
    TestZweiPlaetze t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_zweiplaetze.moc"
