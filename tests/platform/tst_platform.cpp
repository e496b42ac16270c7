// The window-system stand-ins: windows, key preview, drawing surfaces, dialogs,
// the error box, the JPEG picture and the pause.
#include "common/fehler.h"
#include "content/arbeitsordner.h"
#include "platform/anwendung.h"
#include "platform/dialoge.h"
#include "platform/druckdienst.h"
#include "platform/form.h"
#include "platform/jpegbild.h"
#include "platform/leinwand.h"
#include "platform/schriften.h"
#include "platform/tasten.h"
#include "platform/warten.h"
#include "tests/support/testumgebung.h"

#include <QBuffer>
#include <QDir>
#include <QElapsedTimer>
#include <QFontInfo>
#include <QFontMetrics>
#include <QImageWriter>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {

// A window that counts its hooks and takes the arrow keys for itself.
class Probefenster : public Form {
public:
    Probefenster()
    {
        setzeMaximiert(true);
        setzeKeyPreview(true);
        feld = new QLineEdit(this);
        knopf = new QPushButton(QStringLiteral("los"), this);
        knopf->move(0, 40);
        connect(knopf, &QPushButton::clicked, this,
                [] { schuetze([] { throw EAFehler(2); }); });
    }
    QLineEdit* feld;
    QPushButton* knopf;
    int gezeigt = 0, aktiviert = 0, geschlossen = 0;
    QList<int> tasten;

protected:
    void FormShow() override { ++gezeigt; }
    void FormActivate() override { ++aktiviert; }
    void FormClose() override { ++geschlossen; }
    bool FormShortCut(int taste, QKeyEvent*) override
    {
        tasten << taste;
        return taste >= taste::kLinks && taste <= taste::kRunter;
    }
};

// Esc closes it, like an exercise window; it counts mouse presses.
class Pausenfenster : public Form {
public:
    Pausenfenster() { setzeKeyPreview(true); resize(200, 100); }
    QList<int> tasten;
    int klicks = 0;

protected:
    bool FormShortCut(int taste, QKeyEvent*) override
    {
        tasten << taste;
        if (taste == taste::kEsc)
            close();
        return true;
    }
    void mousePressEvent(QMouseEvent*) override { ++klicks; }
};

}

class TestPlatform : public QObject {
    Q_OBJECT
private slots:
    void fensterMaximiertUndHaken();
    void tastenvorschau();
    void tasteLosNurImFensterDesDrucks();
    void fehlerboxLaesstProgrammWeiterlaufen();
    void fehlerImEreignisWirdGezeigt_data();
    void fehlerImEreignisWirdGezeigt();
    void leinwandBleibt();
    void textLoeschen_data();
    void textLoeschen();
    void dialogSkript();
    void jpegLaden();
    void jpegFehler_data();
    void jpegFehler();
    void jpegGrenzen_data();
    void jpegGrenzen();
    void schriften();
    void wartenLaesstEreignisseLaufen();
    void wartenBewacht_data();
    void wartenBewacht();
    void druckerEingerichtet_data();
    void druckerEingerichtet();
};

void TestPlatform::fensterMaximiertUndHaken()
{
    Probefenster f;
    const QRect schirm = QGuiApplication::primaryScreen()->availableGeometry();
    QCOMPARE(f.size(), schirm.size());  // laid out at creation
    f.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f));
    f.hide();
    f.show();
    QCOMPARE(f.gezeigt, 2);
    QCOMPARE(f.aktiviert, 2);  // once per show, not per activation
    f.close();
    QCOMPARE(f.geschlossen, 2);
}

void TestPlatform::tastenvorschau()
{
    Probefenster f;
    f.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f));
    f.activateWindow();
    f.feld->setFocus();
    QTest::keyClick(f.feld, Qt::Key_A);
    QTest::keyClick(f.feld, Qt::Key_Left);  // consumed before the field sees it
    QTest::keyClick(f.feld, Qt::Key_B);
    QTest::keyClick(f.feld, Qt::Key_Return);
    QCOMPARE(f.tasten, (QList<int>{65, 37, 66, 13}));
    QCOMPARE(f.feld->text(), QStringLiteral("ab"));
    QCOMPARE(f.feld->cursorPosition(), 2);
    // Esc does not close a window by itself
    QTest::keyClick(f.feld, Qt::Key_Escape);
    QVERIFY(f.isVisible());
}

namespace {
// Counts the releases of Enter that reach a field.
class Loszaehler : public QObject {
public:
    int los = 0;
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == QEvent::KeyRelease && static_cast<QKeyEvent*>(e)->key() == Qt::Key_Return)
            ++los;
        return false;
    }
};
}

void TestPlatform::tasteLosNurImFensterDesDrucks()
{
    // Enter pressed in one window closes it; its release reaches the next
    // window's field and must not act there.
    Probefenster erstes, zweites;
    Loszaehler zaehler;
    zweites.feld->installEventFilter(&zaehler);
    erstes.show();
    QTest::keyPress(erstes.feld, Qt::Key_Return);
    erstes.hide();
    zweites.show();
    QTest::keyRelease(zweites.feld, Qt::Key_Return);
    QCOMPARE(zaehler.los, 0);
    QTest::keyClick(zweites.feld, Qt::Key_Return);  // pressed and released here
    QCOMPARE(zaehler.los, 1);
    // as the window system delivers keys: to the native window, then the focus
    zweites.activateWindow();
    zweites.feld->setFocus();
    QVERIFY(QTest::qWaitForWindowActive(&zweites));
    QTest::keyClick(zweites.windowHandle(), Qt::Key_Return);
    QCOMPARE(zaehler.los, 2);
}

void TestPlatform::fehlerboxLaesstProgrammWeiterlaufen()
{
    dialog::Skript skript;
    Probefenster f;
    f.show();
    QTest::mouseClick(f.knopf, Qt::LeftButton);
    QTest::mouseClick(f.knopf, Qt::LeftButton);
    QCOMPARE(skript.texte, (QStringList{QStringLiteral("Datei nicht gefunden"), QStringLiteral("Datei nicht gefunden")}));
    QVERIFY(f.isVisible());
}

void TestPlatform::fehlerImEreignisWirdGezeigt_data()
{
    QTest::addColumn<std::function<void()>>("handler");
    QTest::addColumn<QString>("text");
    QTest::newRow("Konvertierung") << std::function<void()>([] { throw Konvertierungsfehler::integer(QStringLiteral("x")); })
                                   << "'x' ist kein gültiger Integerwert";
    QTest::newRow("Speicher") << std::function<void()>([] { throw std::bad_alloc(); }) << "Zu wenig Arbeitsspeicher.";
}

void TestPlatform::fehlerImEreignisWirdGezeigt()
{
    QFETCH(std::function<void()>, handler);
    QFETCH(QString, text);
    // an error that escapes a handler is caught at the event dispatch
    dialog::Skript skript;
    QObject ziel;
    QTimer::singleShot(0, &ziel, handler);
    QTRY_COMPARE(skript.texte.size(), 1);
    // and one that a handler run through schuetze throws
    schuetze(handler);
    QCOMPARE(skript.texte, QStringList(2, text));
    QCOMPARE(skript.titel, QStringList(2, QStringLiteral("VELMORA")));
}

void TestPlatform::leinwandBleibt()
{
    Malflaeche flaeche(nullptr, Qt::white);
    flaeche.resize(100, 50);
    Leinwand& c = flaeche.canvas();
    c.stiftFarbe = Qt::red;
    c.stiftBreite = 3;
    c.pinselKlar = true;
    c.rechteck(10, 10, 40, 30);
    c.pinselKlar = false;
    c.pinselFarbe = Qt::blue;
    c.stiftBreite = 1;
    c.stiftFarbe = Qt::black;
    c.rechteck(50, 10, 60, 20);
    flaeche.show();
    flaeche.repaint();
    const QImage bild = flaeche.grab().toImage();
    QCOMPARE(bild.pixelColor(10, 20), QColor(Qt::red));    // left edge of the frame
    QCOMPARE(bild.pixelColor(25, 20), QColor(Qt::white));  // unfilled inside
    QCOMPARE(bild.pixelColor(55, 15), QColor(Qt::blue));   // filled
    QCOMPARE(bild.pixelColor(50, 15), QColor(Qt::black));  // outline
    QCOMPARE(bild.pixelColor(60, 15), QColor(Qt::white));  // right edge excluded
    flaeche.resize(120, 60);  // a larger surface keeps the drawing
    QCOMPARE(flaeche.canvas().bild()->pixelColor(55, 15), QColor(Qt::blue));
    flaeche.freigeben();
    QVERIFY(flaeche.bild().isNull());
}

void TestPlatform::textLoeschen_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("hoehe");
    // letters whose ink overhangs their cell, small and large
    for (int hoehe : {24, 48, 61})
        for (const char* text : {"Joghurt", "Kaffee", "WAFFEL", "Ärztin", "fj", "jeden ", "Yacht", "Tanz", "Vogel", "Affe"})
            QTest::addRow("%s %d", text, hoehe) << QString::fromUtf8(text) << hoehe;
}

void TestPlatform::textLoeschen()
{
    QFETCH(QString, text);
    QFETCH(int, hoehe);
    Malflaeche flaeche(nullptr, Qt::white);
    flaeche.resize(8 * hoehe, 3 * hoehe);
    Leinwand& c = flaeche.canvas();
    c.schrift = schrift::font(QStringLiteral("Arial"), hoehe);
    const int zeilenhoehe = QFontMetrics(c.schrift).height();
    const int oben = hoehe, unten = hoehe + zeilenhoehe + 1;  // grid lines just outside the cell
    c.linie(0, oben - 1, 8 * hoehe, oben - 1);
    c.linie(0, unten, 8 * hoehe, unten);
    c.schriftFarbe = Qt::black;
    c.text(hoehe, oben, text);
    c.textLoeschen(hoehe, oben, text);
    const QImage& bild = flaeche.bild();
    for (int y = 0; y < bild.height(); ++y) {
        const bool linie = y == oben - 1 || y == unten;
        for (int x = 0; x < bild.width(); ++x)
            QVERIFY2(bild.pixelColor(x, y) == (linie ? QColor(Qt::black) : QColor(Qt::white)),
                     qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));
    }
}

void TestPlatform::dialogSkript()
{
    dialog::Skript skript;
    skript.antworten = {dialog::Knopf::Ja};
    skript.eingaben = {std::nullopt, QStringLiteral("Plan A")};
    dialog::zeige(QStringLiteral("ungültige Eingabe!"));
    QCOMPARE(dialog::frage(QStringLiteral("Ergebnisse drucken?"), QStringLiteral("VELMORA"),
                           dialog::Knoepfe::JaNeinAbbrechen, dialog::Symbol::Warnung),
             dialog::Knopf::Ja);
    QCOMPARE(dialog::frage(QStringLiteral("Noch einen Nutzer löschen?"), QStringLiteral("VELMORA"),
                           dialog::Knoepfe::JaNein, dialog::Symbol::Frage),
             dialog::Knopf::Nein);
    QCOMPARE(dialog::eingabe(QStringLiteral("Plan anlegen"), QStringLiteral("Geben Sie einen Plannamen ein:"),
                             QStringLiteral("vorher")),
             QStringLiteral("vorher"));
    QCOMPARE(dialog::eingabe(QStringLiteral("Plan anlegen"), QStringLiteral("Geben Sie einen Plannamen ein:"), {}),
             QStringLiteral("Plan A"));
    QCOMPARE(skript.texte.size(), 5);
    QCOMPARE(skript.titel.at(1), QStringLiteral("VELMORA"));
    QCOMPARE(skript.titel.at(3), QStringLiteral("Plan anlegen"));
}

void TestPlatform::jpegLaden()
{
    Arbeitsordner ordner;
    const QImage bild = ladeJpeg(QStringLiteral("velmbagr.jpg"));
    QCOMPARE(bild.size(), QSize(1200, 250));
    // sky above, hills below
    QVERIFY(bild.pixelColor(10, 5).blue() > bild.pixelColor(10, 5).green());
    QVERIFY(bild.pixelColor(10, 245).green() > bild.pixelColor(10, 245).blue());
}

void TestPlatform::jpegFehler_data()
{
    QTest::addColumn<QByteArray>("inhalt");
    QTest::addColumn<QString>("beginn");
    QTest::newRow("fehlt") << QByteArray() << "Datei fehlt.jpg kann nicht geöffnet werden. ";
    QTest::newRow("leer") << QByteArray("") << "Datei leer.jpg kann nicht geöffnet werden. ";
    // the reason in German, never the library's English text
    QTest::newRow("kein JPEG") << QByteArray("\xC7\x90 kein jpeg")
                               << "Datei kaputt.jpg kann nicht geöffnet werden. Die Datei ist kein gültiges JPEG-Bild.";
    QByteArray halb = hintergrundbild();
    halb.truncate(600);
    QTest::newRow("abgeschnitten") << halb << "Datei halb.jpg kann nicht geöffnet werden. Die Datei ist unvollständig.";
    QTest::newRow("Kopf abgeschnitten") << hintergrundbild().left(20)
                                        << "Datei kopf.jpg kann nicht geöffnet werden. Die Datei ist unvollständig.";
    // a header that claims 65000 x 65000 pixels: refused, never a crash or gigabytes of memory
    QByteArray riesig = hintergrundbild();
    const qsizetype sof = riesig.indexOf(QByteArray("\xFF\xC0", 2));
    QVERIFY(sof > 0);
    for (qsizetype k : {sof + 5, sof + 7}) {
        riesig[k] = char(0xFD);
        riesig[k + 1] = char(0xE8);
    }
    QTest::newRow("riesig") << riesig << "Datei riesig.jpg kann nicht geöffnet werden. Das Bild ist zu groß.";
    // a progressive picture of 16 x 16 whose header claims 32000 x 32000: decoding
    // it would take gigabytes before the first line, so it is refused after the header
    QByteArray progressiv;
    {
        QBuffer puffer(&progressiv);
        puffer.open(QIODevice::WriteOnly);
        QImage klein(16, 16, QImage::Format_RGB32);
        klein.fill(Qt::darkGreen);
        QImageWriter schreiber(&puffer, "jpeg");
        schreiber.setProgressiveScanWrite(true);
        QVERIFY(schreiber.write(klein));
    }
    const qsizetype sof2 = progressiv.indexOf(QByteArray("\xFF\xC2", 2));
    QVERIFY(sof2 > 0 && progressiv.size() < 1024);
    for (qsizetype k : {sof2 + 5, sof2 + 7}) {
        progressiv[k] = char(0x7D);  // 32000
        progressiv[k + 1] = char(0x00);
    }
    QTest::newRow("riesig progressiv") << progressiv << "Datei weit.jpg kann nicht geöffnet werden. Das Bild ist zu groß.";
    QTest::newRow("Ordner") << QByteArray() << "Datei ordner.jpg kann nicht geöffnet werden. Zugriff verweigert.";
}

void TestPlatform::jpegFehler()
{
    QFETCH(QByteArray, inhalt);
    QFETCH(QString, beginn);
    Arbeitsordner ordner;
    const QString name = beginn.section(QLatin1Char(' '), 1, 1);
    if (name == QLatin1String("ordner.jpg"))
        QDir(ordner.pfad(QString())).mkdir(name);
    else if (name != QLatin1String("fehlt.jpg"))
        ordner.schreibe(name, inhalt);
    QElapsedTimer uhr;
    uhr.start();
    try {
        ladeJpeg(name);
        QFAIL("kein Fehler");
    } catch (const VelmoraFehler& e) {
        if (beginn.endsWith(QLatin1Char('.'))) {
            QCOMPARE(e.text(), beginn);
        } else {
            QVERIFY2(e.text().startsWith(beginn), qPrintable(e.text()));
            QVERIFY(e.text().size() > beginn.size());  // the reason follows
        }
    }
    // refused from the header: no time spent decoding what is never shown
    QVERIFY2(uhr.elapsed() < 2000, qPrintable(QString::number(uhr.elapsed())));
}

void TestPlatform::jpegGrenzen_data()
{
    QTest::addColumn<int>("breite");
    QTest::addColumn<int>("hoehe");
    QTest::addColumn<bool>("angenommen");
    QTest::newRow("4096 x 4096") << 4096 << 4096 << true;
    QTest::newRow("8192 x 2048") << 8192 << 2048 << true;
    QTest::newRow("4097 x 4096") << 4097 << 4096 << false;
    QTest::newRow("8193 breit") << 8193 << 16 << false;
    QTest::newRow("8193 hoch") << 16 << 8193 << false;
}

void TestPlatform::jpegGrenzen()
{
    QFETCH(int, breite);
    QFETCH(int, hoehe);
    QFETCH(bool, angenommen);
    Arbeitsordner ordner;
    QImage bild(breite, hoehe, QImage::Format_RGB32);
    bild.fill(Qt::darkBlue);
    QVERIFY(bild.save(ordner.pfad(QStringLiteral("bild.jpg")), "jpeg", 10));
    try {
        const QImage geladen = ladeJpeg(QStringLiteral("bild.jpg"));
        QVERIFY(angenommen);
        QCOMPARE(geladen.size(), QSize(breite, hoehe));
    } catch (const VelmoraFehler& e) {
        QVERIFY(!angenommen);
        QCOMPARE(e.text(), QStringLiteral("Datei bild.jpg kann nicht geöffnet werden. Das Bild ist zu groß."));
    }
}

void TestPlatform::schriften()
{
    const QFont f = schrift::font(QStringLiteral("Times New Roman"), 96);
    QCOMPARE(f.pixelSize(), 96);
    QCOMPARE(QFontInfo(f).family(), QStringLiteral("Liberation Serif"));
    QCOMPARE(QFontInfo(schrift::font(QStringLiteral("Courier New"), 16)).family(), QStringLiteral("Liberation Mono"));
    QCOMPARE(QFontInfo(schrift::font(QStringLiteral("Arial"), 11)).family(), QStringLiteral("Liberation Sans"));
}

void TestPlatform::wartenLaesstEreignisseLaufen()
{
    bool gefeuert = false;
    QObject ziel;  // the timer dies with the test's variables, fired or not
    QTimer::singleShot(10, &ziel, [&] { gefeuert = true; });
    QElapsedTimer uhr;
    uhr.start();
    warten(60);
    QVERIFY(gefeuert);
    QVERIFY(uhr.elapsed() >= 55);
    // ended from inside, the pause returns at once
    QTimer::singleShot(10, [] { wartenBeenden(); });
    uhr.restart();
    warten(10000);
    QVERIFY(uhr.elapsed() < 5000);
    int verlangt = 0;
    setzeWartenErsatz([&](int ms) { verlangt += ms; });
    warten(1000);
    QCOMPARE(verlangt, 1000);
    setzeWartenErsatz(nullptr);
}

void TestPlatform::wartenBewacht_data()
{
    QTest::addColumn<bool>("sperren");
    QTest::addColumn<bool>("esc");
    QTest::addColumn<bool>("laeuft");
    QTest::addColumn<bool>("wieder");
    QTest::addColumn<int>("klicks");
    QTest::addColumn<QList<int>>("tasten");
    QTest::addColumn<bool>("weiter");
    QTest::newRow("gesperrt: Klick und Enter verworfen") << true << false << true << false << 0 << QList<int>{} << true;
    QTest::newRow("gesperrt: Esc schließt") << true << true << true << false << 0 << QList<int>{27} << false;
    QTest::newRow("gesperrt: Lauf beendet") << true << false << false << false << 0 << QList<int>{} << false;
    QTest::newRow("geschlossen und neu gezeigt") << true << true << true << true << 0 << QList<int>{27} << false;
    QTest::newRow("zugelassen: Klick und Enter zählen")
        << false << false << true << false << 1 << QList<int>{13} << true;
    QTest::newRow("zugelassen: Esc schließt") << false << true << true << false << 1 << QList<int>{13, 27} << false;
}

void TestPlatform::wartenBewacht()
{
    QFETCH(bool, sperren);
    QFETCH(bool, esc);
    QFETCH(bool, laeuft);
    QFETCH(bool, wieder);
    Pausenfenster f;
    f.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f));
    int verlangt = 0;
    setzeWartenErsatz([&](int ms) {
        verlangt = ms;
        QTest::mouseClick(&f, Qt::LeftButton, Qt::NoModifier, QPoint(50, 50));
        QTest::keyClick(&f, Qt::Key_Return);
        if (esc)
            QTest::keyClick(&f, Qt::Key_Escape);
        if (wieder)
            f.show();
    });
    const bool weiter = ::wartenBewacht(&f, 1000, sperren ? Pauseneingabe::Gesperrt : Pauseneingabe::Zugelassen,
                                        [&] { return laeuft; });
    setzeWartenErsatz(nullptr);
    QCOMPARE(verlangt, 1000);
    QTEST(weiter, "weiter");
    QTEST(f.klicks, "klicks");
    QTEST(f.tasten, "tasten");
    QCOMPARE(f.isVisible(), !esc || wieder);
    // after the pause the window takes input again
    if (f.isVisible()) {
        QTest::mouseClick(&f, Qt::LeftButton, Qt::NoModifier, QPoint(50, 50));
        QCOMPARE(f.klicks, sperren ? 1 : 2);
    }
}

void TestPlatform::druckerEingerichtet_data()
{
    QTest::addColumn<QString>("umgebung");   // PRINTER or LPDEST
    QTest::addColumn<QByteArray>("lpoptions");
    QTest::addColumn<QByteArray>("liste");   // the scheduler's printers.conf; "-": none
    QTest::addColumn<QString>("server");
    QTest::addColumn<bool>("eingerichtet");
    const QByteArray kopf = "# Printer configuration file for CUPS v2.4.2\n";
    QTest::newRow("nichts") << "" << QByteArray() << QByteArray("-") << "/run/cups/cups.sock" << false;
    QTest::newRow("PRINTER") << "PDF" << QByteArray() << QByteArray("-") << "localhost" << true;
    QTest::newRow("lpoptions Default") << "" << QByteArray("Dest Laser sides=two-sided-long-edge\nDefault PDF\n")
                                       << QByteArray("-") << "localhost" << true;
    QTest::newRow("lpoptions ohne Default") << "" << QByteArray("Dest Laser sides=two-sided-long-edge\n")
                                            << QByteArray("-") << "localhost" << false;
    QTest::newRow("Warteschlange") << "" << QByteArray() << kopf + "<DefaultPrinter PDF>\nState Idle\n</Printer>\n"
                                   << "/run/cups/cups.sock" << true;
    QTest::newRow("Liste ohne Warteschlange") << "" << QByteArray() << kopf << "/run/cups/cups.sock" << false;
    QTest::newRow("Server anderswo") << "" << QByteArray() << QByteArray("-") << "druck.example.org:631" << true;
    QTest::newRow("Server hier") << "" << QByteArray() << QByteArray("-") << "localhost:631" << false;
}

void TestPlatform::druckerEingerichtet()
{
    QFETCH(QString, umgebung);
    QFETCH(QByteArray, lpoptions);
    QFETCH(QByteArray, liste);
    QFETCH(QString, server);
    QFETCH(bool, eingerichtet);
    QTemporaryDir ordner;
    const QString lp = ordner.filePath(QStringLiteral("lpoptions"));
    const QString drucker = ordner.filePath(QStringLiteral("printers.conf"));
    auto schreibe = [](const QString& pfad, const QByteArray& inhalt) {
        QFile f(pfad);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(inhalt);
    };
    if (!lpoptions.isEmpty())
        schreibe(lp, lpoptions);
    if (liste != "-")
        schreibe(drucker, liste);
    QCOMPARE(druckdienst::eingerichtet(umgebung, {ordner.filePath(QStringLiteral("fehlt")), lp}, drucker, server),
             eingerichtet);
}

int main(int argc, char** argv)
{
    Anwendung app(argc, argv);
    TestPlatform t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_platform.moc"
