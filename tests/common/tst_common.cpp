// The shared ground: Windows-1252 text, record files, number and date texts,
// program numbers, name tables, the random draw and the score arithmetic.
#include "common/cp1252.h"
#include "common/dateischreiben.h"
#include "common/fehler.h"
#include "common/namen.h"
#include "common/programme.h"
#include "common/punkte.h"
#include "common/satzdatei.h"
#include "common/textformat.h"
#include "common/zufall.h"
#include "tests/support/freigaberegeln.h"
#include "tests/support/testumgebung.h"

#include <QFile>
#include <QLocale>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>
#include <csignal>
#include <ctime>
#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

class TestCommon : public QObject {
    Q_OBJECT
private slots:
    void codecAlleBytes();
    void codecUnbekannteZeichen();
    void satzdateiLesenSchreiben();
    void satzdateiFehler_data();
    void satzdateiFehler();
    void satzdateiLaengenbyteGeklemmt_data();
    void satzdateiLaengenbyteGeklemmt();
    void satzdateiBehaeltGeschriebenesBeiFehler();
    void satzdateiSchreibfehler_data();
    void satzdateiSchreibfehler();
    void satzdateiRaeumtKopienAuf_data();
    void satzdateiRaeumtKopienAuf();
    void satzdateiKopieEinesAnderenLaeufers();
    void gleitText_data();
    void gleitText();
    void festFormate();
    void konvertierung_data();
    void konvertierung();
    void valPunkt_data();
    void valPunkt();
    void datum();
    void programmnummern_data();
    void programmnummern();
    void namentabellen();
    void zufallBereich();
    void ziehenOhneWiederholung();
    void ziehenEndetMitSkript();
    void punkteAbschluss_data();
    void punkteAbschluss();
};

void TestCommon::codecAlleBytes()
{
    QByteArray alle;
    for (int b = 0; b < 256; ++b)
        alle.append(static_cast<char>(b));
    const QString text = cp1252::dekodiere(alle);
    QCOMPARE(text.size(), 256);
    QCOMPARE(cp1252::kodiere(text), alle);
    QCOMPARE(text.at(0x80), QChar(0x20AC));  // euro sign
    QCOMPARE(text.at(0xAE), QChar(0x00AE));  // the plan letter of "Quiz"
    QCOMPARE(text.at(0x9F), QChar(0x0178));
    QCOMPARE(text.at(0xDF), QChar(u'ß'));
    QCOMPARE(cp1252::kodiere(QStringLiteral("Wörter Überblick ß")),
             QByteArray("W\xF6rter \xDC" "berblick \xDF"));
}

void TestCommon::codecUnbekannteZeichen()
{
    // one '?' per character, also for characters outside the basic plane
    QCOMPARE(cp1252::kodiere(QStringLiteral("a\u4E2Db\U0001F600c")), QByteArray("a?b?c"));
    QCOMPARE(cp1252::kodiere(QStringLiteral("\u0100")), QByteArray("?"));
}

void TestCommon::satzdateiLesenSchreiben()
{
    Arbeitsordner ordner;
    {
        Satzdatei d(QStringLiteral("xbasan.dat"), 21);
        QCOMPARE(d.satzzahl(), 40);
        d.positioniere(39);
        QCOMPARE(d.liesText(), QStringLiteral("-----"));
        d.positioniere(6);
        d.schreibeText(QStringLiteral("Jürgen Möller-Lüdenscheidt-Großkreutz"));  // cut to 20
        d.schreibeText(QStringLiteral("Eva"));
        QCOMPARE(d.position(), 8);
        d.schliesse();
    }
    const QByteArray b = ordner.lies(QStringLiteral("xbasan.dat"));
    QCOMPARE(b.size(), 840);
    QCOMPARE(b.mid(6 * 21, 21), QByteArray("\x14J\xFCrgen M\xF6ller-L\xFC" "dens"));
    QCOMPARE(b.mid(7 * 21, 4), QByteArray("\x03" "Eva"));
    QCOMPARE(b.mid(8 * 21, 6), QByteArray("\x05-----"));
    // no temporary file left beside it
    QCOMPARE(QDir(ordner.pfad(QString())).entryList({QStringLiteral("*xbasan*")}, QDir::Files | QDir::Hidden).size(), 1);
}

void TestCommon::satzdateiFehler_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("satz");
    QTest::addColumn<QString>("text");
    QTest::newRow("fehlt") << "gibtsnicht.dat" << 0 << "Datei nicht gefunden";
    QTest::newRow("hinter dem Ende") << "xbasan.dat" << 40 << "Versuch hinter dem Dateiende zu lesen";
    QTest::newRow("kurze Datei") << "kurz.dat" << 1 << "Versuch hinter dem Dateiende zu lesen";
    QTest::newRow("ohne Namen") << "" << 0 << "Ungültiger Dateiname";
    QTest::newRow("Ordner") << "ordner.dat" << 0 << "Zugriff verweigert";
    QTest::newRow("Pipe") << "pipe.dat" << 0 << "Zugriff verweigert";  // must not block
    // refused before it is read: 1.5 GB would be read whole
    QTest::newRow("riesig") << "riesig.dat" << 0 << "Datei zu groß";
    QTest::newRow("ein Byte zu groß") << "knapp.dat" << 0 << "Datei zu groß";
}

void TestCommon::satzdateiFehler()
{
    QFETCH(QString, name);
    QFETCH(int, satz);
    QFETCH(QString, text);
    Arbeitsordner ordner;
    ordner.schreibe(QStringLiteral("kurz.dat"), QByteArray(21 + 10, 'x'));  // one record and a half
    QDir(ordner.pfad(QString())).mkdir(QStringLiteral("ordner.dat"));
    QCOMPARE(::mkfifo(QFile::encodeName(ordner.pfad(QStringLiteral("pipe.dat"))).constData(), 0600), 0);
    QFile riesig(ordner.pfad(QStringLiteral("riesig.dat")));  // sparse, takes no disk space
    QVERIFY(riesig.open(QIODevice::WriteOnly) && riesig.resize(1'500'000'000));
    QFile knapp(ordner.pfad(QStringLiteral("knapp.dat")));
    QVERIFY(knapp.open(QIODevice::WriteOnly) && knapp.resize(4 * 1024 * 1024 + 1));
    try {
        Satzdatei d(name, 21);
        d.positioniere(satz);
        d.lies();
        QFAIL("kein Fehler");
    } catch (const EAFehler& e) {
        QCOMPARE(e.text(), text);
    }
    QCOMPARE(EAFehler::textFuer(4), QStringLiteral("Zu viele geöffnete Dateien"));
    QCOMPARE(EAFehler::textFuer(5), QStringLiteral("Zugriff verweigert"));
    QCOMPARE(EAFehler::textFuer(101), QStringLiteral("Zu wenig Speicherplatz"));
    QCOMPARE(EAFehler::textFuer(103), QStringLiteral("E/A-Fehler 103"));
}

void TestCommon::satzdateiLaengenbyteGeklemmt_data()
{
    QTest::addColumn<QByteArray>("satz");
    QTest::addColumn<QString>("text");
    QTest::newRow("voll") << QByteArray("\xFA") + QByteArray(20, 'A') << QString(20, QLatin1Char('A'));
    // the zero padding of a free slot is no text: it stays "-----", never a user
    QTest::newRow("freier Platz") << QByteArray("\xFF-----") + QByteArray(15, '\0') << "-----";
    QTest::newRow("nur Nullen") << QByteArray("\x15") + QByteArray(20, '\0') << "";
}

void TestCommon::satzdateiLaengenbyteGeklemmt()
{
    QFETCH(QByteArray, satz);
    QFETCH(QString, text);
    Arbeitsordner ordner;
    ordner.schreibe(QStringLiteral("kaputt.dat"), satz);
    Satzdatei d(QStringLiteral("kaputt.dat"), 21);
    QCOMPARE(d.liesText(), text);
    // writing past the end never makes the file longer
    QVERIFY_THROWS_EXCEPTION(EAFehler, d.schreibeText(QStringLiteral("x")));
    d.schliesse();
    QCOMPARE(ordner.lies(QStringLiteral("kaputt.dat")), satz);
}

void TestCommon::satzdateiBehaeltGeschriebenesBeiFehler()
{
    Arbeitsordner ordner;
    try {
        Satzdatei d(QStringLiteral("xbasan.dat"), 21);
        d.positioniere(38);
        d.schreibeText(QStringLiteral("Eva"));
        d.schreibeText(QStringLiteral("Udo"));
        d.schreibeText(QStringLiteral("zu weit"));  // record 40 does not exist
        QFAIL("kein Fehler");
    } catch (const EAFehler& e) {
        QCOMPARE(e.code(), 100);
    }
    const QByteArray b = ordner.lies(QStringLiteral("xbasan.dat"));
    QCOMPARE(b.size(), 840);
    QCOMPARE(b.mid(38 * 21, 4), QByteArray("\x03" "Eva"));
    QCOMPARE(b.mid(39 * 21, 4), QByteArray("\x03" "Udo"));
}

void TestCommon::satzdateiSchreibfehler_data()
{
    // three files written one after the other; the seam fails the n-th step of a kind
    QTest::addColumn<int>("schritt");
    QTest::addColumn<int>("n");
    QTest::addColumn<int>("gescheitert");  // which file, 0 for none
    QTest::newRow("erste schreiben") << int(satzdatei::Schritt::Schreiben) << 1 << 1;
    QTest::newRow("zweite auf die Platte") << int(satzdatei::Schritt::Leeren) << 2 << 2;
    QTest::newRow("große umbenennen") << int(satzdatei::Schritt::Abschliessen) << 3 << 3;
    QTest::newRow("große schreiben") << int(satzdatei::Schritt::Schreiben) << 3 << 3;
    QTest::newRow("aus") << int(satzdatei::Schritt::Schreiben) << 0 << 0;
}

void TestCommon::satzdateiSchreibfehler()
{
    QFETCH(int, schritt);
    QFETCH(int, n);
    QFETCH(int, gescheitert);
    Arbeitsordner ordner;
    const QStringList dateien{QStringLiteral("xbasan.dat"), QStringLiteral("xbasplan.dat"), QStringLiteral("xbaserg0.dat")};
    const QStringList vorherListe = ordner.dateien();
    QList<QByteArray> vorher;
    for (const QString& d : dateien)
        vorher << ordner.lies(d);
    satzdatei::setzeFehlerNach(satzdatei::Schritt(schritt), n);
    for (int i = 0; i < dateien.size(); ++i) {
        try {
            Satzdatei d(dateien[i], 21);
            d.schreibeText(QStringLiteral("Eva"));
            d.schliesse();
            QVERIFY(i + 1 != gescheitert);
        } catch (const EAFehler& e) {
            QCOMPARE(i + 1, gescheitert);
            QCOMPARE(e.text(), QStringLiteral("Zu wenig Speicherplatz"));
        }
    }
    satzdatei::setzeFehlerNach(satzdatei::Schritt::Schreiben, 0);
    for (int i = 0; i < dateien.size(); ++i) {
        const QByteArray b = ordner.lies(dateien[i]);
        if (i + 1 == gescheitert)
            QVERIFY2(b == vorher[i], qPrintable(dateien[i]));  // whole, old bytes
        else
            QCOMPARE(b, QByteArray("\x03" "Eva") + QByteArray(17, '\0') + vorher[i].mid(21));
    }
    QCOMPARE(ordner.lies(QStringLiteral("xbaserg0.dat")).size(), 92400);
    // no temporary copy left beside them
    QCOMPARE(ordner.dateien(), vorherListe);
}

namespace {

// Sets the modification time of pfad (not of a link's target) sekunden back.
void altere(const QString& pfad, int sekunden)
{
    timespec zeiten[2];
    ::clock_gettime(CLOCK_REALTIME, &zeiten[0]);
    zeiten[0].tv_sec -= sekunden;
    zeiten[1] = zeiten[0];
    ::utimensat(AT_FDCWD, QFile::encodeName(pfad).constData(), zeiten, AT_SYMLINK_NOFOLLOW);
}

// A child process that is killed however the test ends, so it never outlives it.
struct Kind {
    pid_t pid;
    ~Kind() { beende(); }
    void beende()
    {
        if (pid > 0) {
            ::kill(pid, SIGKILL);
            ::waitpid(pid, nullptr, 0);
            pid = 0;
        }
    }
};

QStringList kopienIn(const QString& ordner)
{
    return QDir(ordner).entryList({QStringLiteral(".*.velmora-*")}, QDir::Files | QDir::Hidden | QDir::System);
}

}

void TestCommon::satzdateiRaeumtKopienAuf_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("art");   // a file, a folder, a link, or a file beside the target of a link
    QTest::addColumn<int>("alter");     // seconds since it was last touched
    QTest::addColumn<bool>("entfernt");
    // a person's backups
    QTest::newRow("Sicherung des Registers") << "xbasan.dat.backup" << "Datei" << 3600 << false;
    QTest::newRow("Sicherung der Highscores") << "xbashigh.dat.alt123" << "Datei" << 3600 << false;
    QTest::newRow("Kopie des Bildes") << "bild.jpg.kopie1" << "Datei" << 3600 << false;
    QTest::newRow("Datendatei") << "xbasan.dat" << "Datei" << 3600 << false;
    // copies of a killed write
    QTest::newRow("verwaiste Kopie") << ".xbashigh.dat.velmora-dGNJUV" << "Datei" << 61 << true;
    QTest::newRow("verwaiste Bildkopie") << ".velmbagr.jpg.velmora-Q7wErT" << "Datei" << 3600 << true;
    QTest::newRow("neben dem Ziel einer Verknüpfung") << ".xbasplan.dat.velmora-a1B2c3" << "neben dem Ziel" << 3600 << true;
    // a copy touched within the last minute may belong to a writer that has not locked it yet
    QTest::newRow("frische Kopie") << ".xbasan.dat.velmora-a1B2c3" << "Datei" << 5 << false;
    QTest::newRow("ohne Punkt davor") << "xbasan.dat.velmora-a1B2c3" << "Datei" << 3600 << false;
    QTest::newRow("kurze Zufallsfolge") << ".xbasan.dat.velmora-abc" << "Datei" << 3600 << false;
    QTest::newRow("Ordner") << ".xbasan.dat.velmora-a1B2c3" << "Ordner" << 3600 << false;
    QTest::newRow("Verknüpfung") << ".xbasan.dat.velmora-a1B2c3" << "Verknüpfung" << 3600 << false;
    // a file system without locks: the age alone decides
    QTest::newRow("ohne Sperren") << ".xbasan.dat.velmora-a1B2c3" << "ohne Sperren" << 3600 << true;
}

void TestCommon::satzdateiRaeumtKopienAuf()
{
    QFETCH(QString, name);
    QFETCH(QString, art);
    QFETCH(int, alter);
    QFETCH(bool, entfernt);
    Arbeitsordner ordner;
    QTemporaryDir anderswo;
    QString pfad = ordner.pfad(name);
    if (art == QStringLiteral("Ordner")) {
        QVERIFY(QDir().mkdir(pfad));
    } else if (art == QStringLiteral("Verknüpfung")) {
        QVERIFY(QFile::link(ordner.pfad(QStringLiteral("xbasan.dat")), pfad));
    } else if (art == QStringLiteral("neben dem Ziel")) {
        const QString plan = anderswo.filePath(QStringLiteral("xbasplan.dat"));
        QVERIFY(QFile::rename(ordner.pfad(QStringLiteral("xbasplan.dat")), plan));
        QVERIFY(QFile::link(plan, ordner.pfad(QStringLiteral("xbasplan.dat"))));
        pfad = anderswo.filePath(name);
    }
    if (!QFileInfo::exists(pfad) && !QFileInfo(pfad).isSymLink()) {
        QFile f(pfad);
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write(QByteArray(21, 'x')) == 21);
    }
    altere(pfad, alter);
    if (art == QStringLiteral("ohne Sperren"))
        freigabe::setzeFlockFehler(ENOLCK, 1000);
    satzdatei::raeumeAuf(ordner.pfad(QString()));
    freigabe::setzeFlockFehler(0, 0);
    QCOMPARE(QFileInfo::exists(pfad) || QFileInfo(pfad).isSymLink(), !entfernt);
    QCOMPARE(ordner.lies(QStringLiteral("xbasan.dat")).size(), 840);
    QCOMPARE(ordner.lies(QStringLiteral("xbasplan.dat")).size(), 2050);
}

void TestCommon::satzdateiKopieEinesAnderenLaeufers()
{
    // a second instance stops with its copy written and locked, before the rename
    Arbeitsordner ordner;
    const QByteArray vorher = ordner.lies(QStringLiteral("xbasan.dat"));
    int rohr[2];
    QCOMPARE(::pipe(rohr), 0);
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::close(rohr[0]);
        satzdatei::setzeVorDemErsetzen([&] {
            (void)!::write(rohr[1], "k", 1);
            for (;;)
                ::pause();
        });
        try {
            Satzdatei d(QStringLiteral("xbasan.dat"), 21);
            d.schreibeText(QStringLiteral("Eva"));
            d.schliesse();
        } catch (...) {
        }
        ::_exit(1);  // it should never get here
    }
    Kind kind{pid};
    ::close(rohr[1]);
    pollfd warten{rohr[0], POLLIN, 0};
    char c = 0;
    const bool angehalten = ::poll(&warten, 1, 10000) == 1 && ::read(rohr[0], &c, 1) == 1;
    ::close(rohr[0]);
    QVERIFY(angehalten);
    const QStringList kopien = kopienIn(ordner.pfad(QString()));
    QCOMPARE(kopien.size(), 1);
    const QString kopie = ordner.pfad(kopien.first());
    // held by its writer: kept even when it looks old
    altere(kopie, 3600);
    satzdatei::raeumeAuf(ordner.pfad(QString()));
    QVERIFY(QFile::exists(kopie));
    kind.beende();
    // the killed write left the file whole with its old bytes, and its copy
    QCOMPARE(ordner.lies(QStringLiteral("xbasan.dat")), vorher);
    QVERIFY(QFile::exists(kopie));
    satzdatei::raeumeAuf(ordner.pfad(QString()));
    QVERIFY(!QFile::exists(kopie));
    QCOMPARE(ordner.lies(QStringLiteral("xbasan.dat")), vorher);
}

void TestCommon::gleitText_data()
{
    QTest::addColumn<double>("wert");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("sieben");
    QTest::newRow("234.56f") << double(234.56f) << "234,559997558594" << "234,559";
    QTest::newRow("1234.56f") << double(1234.56f) << "1234,56005859375" << "1234,56";
    QTest::newRow("2") << 2.0 << "2" << "2";
    QTest::newRow("100.5") << 100.5 << "100,5" << "100,5";
    QTest::newRow("0") << 0.0 << "0" << "0";
    QTest::newRow("0.25") << 0.25 << "0,25" << "0,25";
    QTest::newRow("negativ") << -12.5 << "-12,5" << "-12,5";
    QTest::newRow("1e15") << 1e15 << "1E15" << "1E15";
    QTest::newRow("123456789") << 123456789.0 << "123456789" << "1234567";
    QTest::newRow("0.001") << 0.001 << "0,001" << "0,001";
    QTest::newRow("klein") << 0.000001 << "1E-6" << "1E-6";
    QTest::newRow("0.1f") << double(0.1f) << "0,100000001490116" << "0,10000";
}

void TestCommon::gleitText()
{
    QFETCH(double, wert);
    QFETCH(QString, text);
    QFETCH(QString, sieben);
    QCOMPARE(textformat::gleitText(wert), text);
    QCOMPARE(textformat::gleitText(wert).left(7), sieben);
}

void TestCommon::festFormate()
{
    QCOMPARE(textformat::punktFormat72(0), QStringLiteral("   0.00"));
    QCOMPARE(textformat::punktFormat72(105.9), QStringLiteral(" 105.90"));
    QCOMPARE(textformat::punktFormat72(234.559), QStringLiteral(" 234.56"));
    QCOMPARE(textformat::punktFormat72(12345.5), QStringLiteral("12345.50"));
    QCOMPARE(textformat::festFormat(50.5, 3, 0), QStringLiteral(" 51"));
    QCOMPARE(textformat::festFormat(100, 3, 0), QStringLiteral("100"));
    QCOMPARE(textformat::festFormat(1234.4, 3, 0), QStringLiteral("1234"));
    QString s = QStringLiteral("abc");
    textformat::einfuegen(s, QStringLiteral("X"), 2);
    QCOMPARE(s, QStringLiteral("aXbc"));
    textformat::einfuegen(s, QStringLiteral("Y"), 40);  // past the end: appended
    QCOMPARE(s, QStringLiteral("aXbcY"));
}

void TestCommon::konvertierung_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("ganz");
    QTest::addColumn<double>("wert");
    QTest::addColumn<QString>("fehler");
    QTest::newRow("int") << " 42" << true << 42.0 << "";
    QTest::newRow("int negativ") << "-7" << true << -7.0 << "";
    QTest::newRow("int hex") << "$1F" << true << 31.0 << "";
    QTest::newRow("int leer") << "" << true << 0.0 << "'' ist kein gültiger Integerwert";
    QTest::newRow("int komma") << "3,5" << true << 0.0 << "'3,5' ist kein gültiger Integerwert";
    QTest::newRow("int zu gross") << "2147483648" << true << 0.0 << "'2147483648' ist kein gültiger Integerwert";
    QTest::newRow("float komma") << "7,5" << false << 7.5 << "";
    QTest::newRow("float ganz") << "12" << false << 12.0 << "";
    QTest::newRow("float exponent") << "1,5E2" << false << 150.0 << "";
    QTest::newRow("float punkt") << "7.5" << false << 0.0 << "'7.5' ist kein gültiger Gleitkommawert";
    QTest::newRow("float zwei kommas") << "1,2,3" << false << 0.0 << "'1,2,3' ist kein gültiger Gleitkommawert";
    QTest::newRow("float minus allein") << "-" << false << 0.0 << "'-' ist kein gültiger Gleitkommawert";
    QTest::newRow("float text") << "abc" << false << 0.0 << "'abc' ist kein gültiger Gleitkommawert";
    QTest::newRow("float zu gross") << "1E999" << false << 0.0 << "'1E999' ist kein gültiger Gleitkommawert";
}

void TestCommon::konvertierung()
{
    QFETCH(QString, text);
    QFETCH(bool, ganz);
    QFETCH(double, wert);
    QFETCH(QString, fehler);
    try {
        const double v = ganz ? textformat::strToInt(text) : textformat::strToFloat(text);
        QVERIFY2(fehler.isEmpty(), "Fehler erwartet");
        QCOMPARE(v, wert);
    } catch (const Konvertierungsfehler& e) {
        QCOMPARE(e.text(), fehler);
    }
}

void TestCommon::valPunkt_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("wert");
    QTest::newRow("komma endet") << "105,9" << 105.0;
    QTest::newRow("punkt") << "105.9" << 105.9;
    QTest::newRow("leer") << "" << 0.0;
    QTest::newRow("null") << "0" << 0.0;
    QTest::newRow("text") << "abc" << 0.0;
    QTest::newRow("blanks davor") << "  12,7" << 12.0;
    QTest::newRow("exponent") << "2e2x" << 200.0;
    QTest::newRow("ausser Bereich") << "9E99999" << 0.0;
}

void TestCommon::valPunkt()
{
    QFETCH(QString, text);
    QFETCH(double, wert);
    QCOMPARE(textformat::valPunkt(text), wert);
}

void TestCommon::datum()
{
    QCOMPARE(textformat::datum(QDate(2026, 3, 7)), QStringLiteral("07.03.2026"));
    QCOMPARE(textformat::datumKurz(QDate(2026, 12, 31)), QStringLiteral("31.12.26"));
    // fixed, whatever the machine's locale
    const QLocale vorher;
    QLocale::setDefault(QLocale(QLocale::Arabic, QLocale::Egypt));
    QCOMPARE(textformat::datum(QDate(2026, 3, 7)), QStringLiteral("07.03.2026"));
    QCOMPARE(textformat::punktFormat72(105.9), QStringLiteral(" 105.90"));
    QCOMPARE(textformat::gleitText(100.5), QStringLiteral("100,5"));
    QLocale::setDefault(vorher);
}

void TestCommon::programmnummern_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<bool>("uebung");
    QTest::addColumn<int>("kategorie");
    QTest::addColumn<int>("laufindex");
    QTest::addColumn<QString>("name");
    QTest::newRow("13") << 13 << true << 0 << 1 << "Tippen";
    QTest::newRow("23") << 23 << true << 0 << 11 << "Summen";
    QTest::newRow("25") << 25 << true << 1 << 12 << "Ketten";
    QTest::newRow("37") << 37 << true << 2 << 23 << "Tippen";
    QTest::newRow("128") << 128 << true << 9 << 107 << "Silben-S";
    QTest::newRow("131") << 131 << true << 9 << 110 << "Quiz";
    QTest::newRow("12") << 12 << false << 0 << 0 << "";
    QTest::newRow("24") << 24 << false << 0 << 0 << "";
    QTest::newRow("120") << 120 << false << 0 << 0 << "";
    QTest::newRow("132") << 132 << false << 0 << 0 << "";
    QTest::newRow("0") << 0 << false << 0 << 0 << "";
}

void TestCommon::programmnummern()
{
    QFETCH(int, n);
    QFETCH(bool, uebung);
    QFETCH(int, kategorie);
    QFETCH(int, laufindex);
    QFETCH(QString, name);
    QCOMPARE(programm::istUebung(n), uebung);
    QCOMPARE(programm::kurzname(n), name);
    if (!uebung)
        return;
    QCOMPARE(programm::kategorie(n), kategorie);
    QCOMPARE(programm::laufindex(n), laufindex);
    QCOMPARE(programm::ausLaufindex(laufindex), n);
    QCOMPARE(programmnamen(laufindex), name);
    QCOMPARE(programm::planbuchstabe(n), QChar(64 + laufindex));
}

void TestCommon::namentabellen()
{
    QCOMPARE(programmnamen(1), QStringLiteral("Tippen"));
    QCOMPARE(programmnamen(12), QStringLiteral("Ketten"));
    QCOMPARE(programmnamen(37), QStringLiteral("Farben"));
    QCOMPARE(programmnamen(99), QStringLiteral("Rangieren"));
    QCOMPARE(programmnamen(110), QStringLiteral("Quiz"));
    QVERIFY(programmnamen(111).isEmpty());
    QVERIFY(programmnamen(0).isEmpty());
    QCOMPARE(programm::planbuchstabe(131).unicode(), ushort(174));
    // letters 128 to 159 are the code page's own characters and survive storing
    for (int k = 1; k <= 110; ++k) {
        const QChar b = programm::buchstabe(k);
        QCOMPARE(cp1252::kodiere(QString(b)), QByteArray(1, char(64 + k)));
        QCOMPARE(programm::ausBuchstabe(b), k);
    }
    QCOMPARE(programm::ausBuchstabe(QChar(u'?')), 0);
    QCOMPARE(kurznamen(0, 11), QStringLiteral("Ende"));
    QCOMPARE(kurznamen(1, 10), QStringLiteral("Überblick"));
    QCOMPARE(kurznamen(5, 10), QStringLiteral("Satzhälften"));
    QCOMPARE(kurznamen(12, 0), QStringLiteral("offen"));
    QCOMPARE(programm::kurzname(4), QStringLiteral("akt. Ergebn."));
    // unique within a category row, capacity 20
    for (int z = 0; z <= 11; ++z) {
        QSet<QString> gesehen;
        for (int s = 0; s < 12; ++s) {
            QVERIFY(kurznamen(z, s).size() <= 20);
            QVERIFY2(!gesehen.contains(kurznamen(z, s)), qPrintable(kurznamen(z, s)));
            gesehen.insert(kurznamen(z, s));
        }
    }
}

void TestCommon::zufallBereich()
{
    zufall::setzeSaat(7);
    QSet<int> gesehen;
    for (int i = 0; i < 2000; ++i) {
        const int v = zufall::R(6);
        QVERIFY(v >= 1 && v <= 6);
        gesehen.insert(v);
    }
    QCOMPARE(gesehen.size(), 6);
    zufall::setzeFolge([] { return 0.999999; });
    QCOMPARE(zufall::R(10), 10);
    zufall::setzeFolge([] { return 0.0; });
    QCOMPARE(zufall::R(10), 1);
    zufall::setzeFolge({});
}

void TestCommon::ziehenOhneWiederholung()
{
    zufall::setzeSaat(3);
    const std::vector<int> z = zufall::ohneWiederholung(20, 80);
    QCOMPARE(int(z.size()), 20);
    QCOMPARE(QSet<int>(z.begin(), z.end()).size(), 20);
    for (int v : z)
        QVERIFY(v >= 1 && v <= 80);
    const std::vector<int> alle = zufall::ohneWiederholung(30, 12);  // capped at R
    QCOMPARE(int(alle.size()), 12);
    // the order drawn is kept
    std::vector<double> folge{0.55, 0.05, 0.55, 0.95};
    size_t i = 0;
    zufall::setzeFolge([&] { return folge[i++ % folge.size()]; });
    QCOMPARE(zufall::ohneWiederholung(3, 10), (std::vector<int>{6, 1, 10}));
    zufall::setzeFolge({});
}

void TestCommon::ziehenEndetMitSkript()
{
    // a sequence that always gives the same number must not hang the draw
    zufall::setzeFolge([] { return 0.5; });
    const std::vector<int> z = zufall::ohneWiederholung(3, 4);
    QCOMPARE(int(z.size()), 3);
    QCOMPARE(QSet<int>(z.begin(), z.end()).size(), 3);
    zufall::setzeFolge({});
}

void TestCommon::punkteAbschluss_data()
{
    QTest::addColumn<float>("roh");
    QTest::addColumn<double>("sekunden");
    QTest::addColumn<float>("ende");
    QTest::addColumn<QString>("meldung");
    QTest::addColumn<QString>("gespeichert");
    QTest::newRow("langsam") << 300.0f << 500.0 << 2.0f << "Sie haben 2 Punkte erreicht!" << "2";
    QTest::newRow("genau 2") << 2.0f << 0.0 << 2.0f << "Sie haben 2 Punkte erreicht!" << "2";
    QTest::newRow("1234.5678") << 1234.5678f << 0.0 << 1234.56f << "Sie haben 1234 Punkte erreicht!" << "1234,56";
    QTest::newRow("Zeit ab") << 2100.0f << 65.4321 << 2034.56f << "Sie haben 2034 Punkte erreicht!" << "2034,56";
    QTest::newRow("234.56") << 234.56f << 0.0 << 234.55f << "Sie haben 234 Punkte erreicht!" << "234,550";
}

void TestCommon::punkteAbschluss()
{
    QFETCH(float, roh);
    QFETCH(double, sekunden);
    QFETCH(float, ende);
    QFETCH(QString, meldung);
    QFETCH(QString, gespeichert);
    const float p = punkte::abschluss(roh, sekunden);
    QCOMPARE(p, ende);
    QCOMPARE(punkte::meldungText(p), meldung);
    QCOMPARE(textformat::punkteText(p), gespeichert);
}

QTEST_MAIN(TestCommon)
#include "tst_common.moc"
