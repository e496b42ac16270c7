#include "shell/uform1.h"

#include "common/zustand.h"
#include "platform/anwendung.h"
#include "platform/farben.h"
#include "platform/jpegbild.h"
#include "platform/schriften.h"
#include "platform/taskleiste.h"


const QString titel = QStringLiteral("VELMORA 6.03");

namespace {
constexpr int kTitelHoehe = 150;   // the title button holds 96-pixel letters
constexpr int kZweiterHoehe = 50;
constexpr int kBildBreite = 600;
constexpr int kBildHoehe = 125;
}

TForm1::TForm1(QWidget* parent) : Form(parent)
{
    setObjectName(QStringLiteral("Form1"));
    setzeOhneRahmenknoepfe();
    setzeMaximiert(true);
    setzeKeyPreview(true);
    setFont(schrift::font(QStringLiteral("Arial"), 11));

    Button1 = new QPushButton(this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setFont(schrift::font(QStringLiteral("Times New Roman"), 96));
    Button2 = new QPushButton(this);
    Button2->setObjectName(QStringLiteral("Button2"));
    Button2->setFont(schrift::font(QStringLiteral("Arial"), 27));
    Image1 = new Malflaeche(this, farbe::blau);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->resize(kBildBreite, kBildHoehe);
    for (int k = 0; k < 12; ++k) {
        butt[k] = new QPushButton(this);
        butt[k]->setObjectName(QStringLiteral("butt%1").arg(k + 1));
        butt[k]->hide();
    }
    Edit1 = new QLineEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->hide();
    FormCreate();
}

QString TForm1::fenstertitel()
{
    return titel + QStringLiteral("    NUTZER: ") + (nutzer == 0 ? QStringLiteral("----") : nutzername);
}

void TForm1::FormCreate()
{
    taskleiste::verstecken();
    setzeMaximiert(true);
    nutzer = 0;
    setWindowTitle(fenstertitel());
    setzeFarbe(farbe::blau);

    const int b = width();
    const int h = height();
    Button1->resize(b * 9 / 10, kTitelHoehe);
    Button1->move((b - Button1->width()) / 2, (h - Button1->height()) / 6);
    Button1->setText(titel);
    Button2->resize(b * 8 / 10, kZweiterHoehe);
    Button2->move((b - Button2->width()) / 2, Button1->y() + Button1->height() + 40);
    Button2->setText(QStringLiteral("VELMORA MIT WINDOWS-MENÜ"));
    // the picture's place when it cannot be loaded
    Image1->move((b - kBildBreite) / 2, h - 300);
}

void TForm1::FormShow()
{
    // the picture is drawn once, when the window is first shown
    if (m_bildGeladen)
        return;
    m_bildGeladen = true;
    Image1->show();
    const QImage bild = ladeJpeg(QStringLiteral("velmbagr.jpg"));
    Image1->canvas().bildZeichnen(QRect(0, 0, Image1->width(), Image1->height()), bild);
    Image1->move((width() - Image1->width()) / 2, height() - 300);
}

void TForm1::FormClose() { taskleiste::zeigen(); }
