#include "shell/uform1.h"

#include "common/namen.h"
#include "common/zustand.h"
#include "platform/dialoge.h"
#include "platform/tasten.h"
#include "shell/aufruf.h"
#include "shell/programmtabelle.h"
#include "shell/uform4.h"
#include "shell/unitm.h"
#include "platform/anwendung.h"
#include "platform/farben.h"
#include "platform/jpegbild.h"
#include "platform/schriften.h"
#include "platform/taskleiste.h"


const QString titel = QStringLiteral("VELMORA 6.03");

namespace {
TForm1* g_hauptfenster = nullptr;
constexpr int kTitelHoehe = 150;   // the title button holds 96-pixel letters
constexpr int kZweiterHoehe = 50;
constexpr int kBildBreite = 600;
constexpr int kBildHoehe = 125;
}

TForm1* TForm1::hauptfenster() { return g_hauptfenster; }

TForm1::~TForm1()
{
    if (g_hauptfenster == this)
        g_hauptfenster = nullptr;
}

TForm1::TForm1(QWidget* parent) : Form(parent)
{
    g_hauptfenster = this;
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
        connect(butt[k], &QPushButton::clicked, this, [this, k] {
            schuetze([this, k] {
                feldnr = k + 1;
                mausruf();
            });
        });
    }
    connect(Button1, &QPushButton::clicked, this, [this] { schuetze([this] { Button1Click(); }); });
    connect(Button2, &QPushButton::clicked, this, [this] { schuetze([this] { Button2Click(); }); });
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
    titelAnordnen();
}

// The title buttons and the picture's place, from the window's size; again once the
// desktop has framed the maximised window, which leaves it a little smaller.
void TForm1::titelAnordnen()
{
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

void TForm1::resizeEvent(QResizeEvent* e)
{
    Form::resizeEvent(e);
    if (Button1->isVisible() || !isVisible())
        titelAnordnen();
}

void TForm1::FormClose() { taskleiste::zeigen(); }

void TForm1::Button2Click()
{
    Button1->hide();
    Button2->hide();
    Tformm::instanz().zeigeModal();
    close();
}

void TForm1::Button1Click()
{
    Button1->hide();
    Button2->hide();
    Image1->hide();
    Programmtabelle::global().oeffne(3);  // the choice of the user who trains
    hauptebene = 1;
    ebene = 0;
    aufbau(0);
    rahmen(0, 0, 0);
}

namespace {

QColor hintergrund(int level)
{
    if (level == 0)
        return farbe::blau;
    return level == 1 ? farbe::aqua : farbe::buttonFace();
}

QColor rahmenfarbe(int level)
{
    if (level == 0)
        return farbe::buttonFace();
    return level == 1 ? farbe::schwarz : farbe::rot;
}

}

void TForm1::aufbau(int level)
{
    setzeFarbe(hintergrund(level));
    einheity = height() / 100;
    einheitx = width() / 100;
    QFont f = schrift::font(QStringLiteral("Arial"), 8 * einheity);
    setFont(f);
    repaintWindow();
    cursorx = 0;
    cursory = 0;
    Leinwand& c = canvas();
    c.pinselKlar = true;
    c.stiftFarbe = level == 0 ? farbe::blau : farbe::schwarz;
    c.schriftFarbe = c.stiftFarbe;
    for (int k = 0; k < 12; ++k) {
        const int spalte = k / 6, zeile = k % 6;
        butt[k]->setFont(f);
        butt[k]->setGeometry((spalte == 0 ? 5 : 55) * einheitx, (4 + 16 * zeile) * einheity, 40 * einheitx,
                             12 * einheity);
        butt[k]->setText(kurznamen(level, k));
        butt[k]->show();
    }
}

void TForm1::rahmenZeichnen(int spalte, int zeile, const QColor& farbe)
{
    Leinwand& c = canvas();
    c.stiftBreite = 3;
    c.stiftFarbe = farbe;
    c.pinselKlar = true;
    c.rechteck((spalte * 50 + 3) * einheitx, (zeile * 16 + 2) * einheity, (spalte * 50 + 47) * einheitx,
               (zeile * 16 + 18) * einheity);
    update();
}

void TForm1::rahmen(int spalte, int zeile, int level) { rahmenZeichnen(spalte, zeile, rahmenfarbe(level)); }

void TForm1::loeschen(int spalte, int zeile, int level) { rahmenZeichnen(spalte, zeile, hintergrund(level)); }

bool TForm1::FormShortCut(int taste, QKeyEvent*)
{
    altx = cursorx;
    alty = cursory;
    const bool pfeil = taste >= taste::kLinks && taste <= taste::kRunter;
    switch (taste) {
    case taste::kLinks: cursorx = cursorx - 1 < 0 ? 1 : cursorx - 1; break;
    case taste::kHoch: cursory = cursory - 1 < 0 ? 5 : cursory - 1; break;
    case taste::kRechts: cursorx = cursorx + 1 > 1 ? 0 : cursorx + 1; break;
    case taste::kRunter: cursory = cursory + 1 > 5 ? 0 : cursory + 1; break;
    default: break;
    }
    feldnr = cursory + 1 + 6 * cursorx;
    const bool menue = !Button1->isVisible();
    if (pfeil) {
        // before the menu is up there is no frame to move
        if (menue) {
            loeschen(altx, alty, ebene);
            rahmen(cursorx, cursory, ebene);
        }
        return true;
    }
    if ((taste == taste::kEnter || taste == taste::kLeer) && menue) {
        mausruf();
        return true;
    }
    return false;
}

void TForm1::mausruf()
{
    if (Button1->isVisible() || feldnr < 1)
        return;
    if (hauptebene == 1) {
        if (feldnr == 12) {
            ende(*this);
            return;
        }
        hauptebene = 0;
        ebene = feldnr;
        aufbau(ebene);
        rahmen(0, 0, ebene);
        return;
    }
    if (feldnr == 12) {
        ebene = 0;
        aufbau(0);
        rahmen(0, 0, 0);
        hauptebene = 1;
        return;
    }
    aufruf(ebene, feldnr);
}

void TForm1::ende(Form& fenster)
{
    if (!ungedruckt) {
        fenster.close();
        return;
    }
    switch (dialog::frage(QStringLiteral("Ergebnisse drucken?"), QStringLiteral("VELMORA"),
                          dialog::Knoepfe::JaNeinAbbrechen, dialog::Symbol::Warnung)) {
    case dialog::Knopf::Ja: TForm4::instanz().drucken(); break;
    case dialog::Knopf::Nein: fenster.close(); break;
    default: break;
    }
}

void TForm1::aufruf(int level, int item)
{
    const int n = (level - 1) * 12 + item;
    bool angenommen = true;
    try {
        angenommen = ::aufruf(n, Menueart::Knopfmenue);
    } catch (...) {
        // whatever happened in the program's window, the menu comes back
        aufbau(ebene);
        rahmen(0, 0, ebene);
        throw;
    }
    if (!angenommen)
        return;
    aufbau(ebene);
    rahmen(0, 0, ebene);
}
