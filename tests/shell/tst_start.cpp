// Start-up and the start screen.
#include "common/zustand.h"
#include "platform/anwendung.h"
#include "platform/dialoge.h"
#include "platform/farben.h"
#include "platform/taskleiste.h"
#include "shell/uform1.h"
#include "tests/support/testumgebung.h"

#include <QScreen>
#include <QTest>

class TestStart : public QObject {
    Q_OBJECT
private slots:
    void titelUndKnoepfe();
    void bildGezeichnet();
    void bildFehlt_data();
    void bildFehlt();
    void taskleisteNurWaehrendDesLaufs();
};

void TestStart::titelUndKnoepfe()
{
    Arbeitsordner ordner;
    nutzer = 5;
    TForm1 f;
    QCOMPARE(nutzer, 0);
    QCOMPARE(f.windowTitle(), QStringLiteral("VELMORA 6.03    NUTZER: ----"));
    QCOMPARE(f.farbe(), farbe::blau);
    QCOMPARE(f.Button1->text(), QStringLiteral("VELMORA 6.03"));
    QCOMPARE(f.Button2->text(), QStringLiteral("VELMORA MIT WINDOWS-MENÜ"));
    QCOMPARE(f.Button1->font().pixelSize(), 96);
    QCOMPARE(f.Button2->font().pixelSize(), 27);
    const int w = f.width(), h = f.height();
    QCOMPARE(f.Button1->width(), w * 9 / 10);
    QCOMPARE(f.Button1->x(), (w - w * 9 / 10) / 2);
    QCOMPARE(f.Button1->y(), (h - f.Button1->height()) / 6);
    QCOMPARE(f.Button2->width(), w * 8 / 10);
    QCOMPARE(f.Button2->y(), f.Button1->y() + f.Button1->height() + 40);
    QCOMPARE(f.Image1->size(), QSize(600, 125));
    for (QPushButton* b : f.butt)
        QVERIFY(b->isHidden());
    QVERIFY(f.Edit1->isHidden());
    QVERIFY(!(f.windowFlags() & Qt::WindowCloseButtonHint));
    nutzername = QStringLiteral("Eva");
    nutzer = 3;
    QCOMPARE(TForm1::fenstertitel(), QStringLiteral("VELMORA 6.03    NUTZER: Eva"));
    nutzer = 0;
}

void TestStart::bildGezeichnet()
{
    Arbeitsordner ordner;
    dialog::Skript skript;
    TForm1 f;
    f.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f));
    QVERIFY(skript.texte.isEmpty());
    QCOMPARE(f.Image1->pos(), QPoint((f.width() - 600) / 2, f.height() - 300));
    const QImage bild = f.Image1->bild();
    QCOMPARE(bild.size(), QSize(600, 125));
    QVERIFY(bild.pixelColor(5, 120) != QColor(farbe::blau));  // the picture covers the image
}

void TestStart::bildFehlt_data()
{
    QTest::addColumn<bool>("kaputt");
    QTest::newRow("fehlt") << false;
    QTest::newRow("kaputt") << true;
}

void TestStart::bildFehlt()
{
    QFETCH(bool, kaputt);
    Arbeitsordner ordner;
    if (kaputt)
        ordner.schreibe(QStringLiteral("velmbagr.jpg"), QByteArray(500, 'x'));
    else
        QFile::remove(ordner.pfad(QStringLiteral("velmbagr.jpg")));
    dialog::Skript skript;
    TForm1 f;
    f.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f));
    QCOMPARE(skript.texte.size(), 1);
    QVERIFY2(skript.texte.first().startsWith(QStringLiteral("Datei velmbagr.jpg kann nicht geöffnet werden. ")),
             qPrintable(skript.texte.first()));
    // the window goes on: buttons visible, picture empty at its place
    QVERIFY(f.Button1->isVisible());
    QVERIFY(f.Button2->isVisible());
    QVERIFY(f.Image1->bild().isNull());
    QCOMPARE(f.Image1->grab().toImage().pixelColor(5, 5), QColor(farbe::blau));
    f.hide();
    f.show();
    QCOMPARE(skript.texte.size(), 1);  // loaded once, when first shown
}

void TestStart::taskleisteNurWaehrendDesLaufs()
{
    Arbeitsordner ordner;
    dialog::Skript skript;
    {
        TForm1 f;
        QVERIFY(taskleiste::versteckt());
        f.show();
        f.close();
        QVERIFY(!taskleiste::versteckt());
    }
}

int main(int argc, char** argv)
{
    Anwendung app(argc, argv);
    TestStart t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_start.moc"
