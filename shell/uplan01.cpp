#include "shell/uplan01.h"

#include "platform/anwendung.h"
#include "platform/dialoge.h"
#include "platform/listenfeld.h"
#include "platform/schriften.h"
#include "shell/planlauf.h"

#include <algorithm>

namespace {
constexpr int kBreite = 560;  // a whole record of 40 characters in Courier New 19
constexpr int kRand = 10;
constexpr int kKnopfHoehe = 40;
}

Tplan01& Tplan01::instanz()
{
    static Tplan01* form = new Tplan01;
    return *form;
}

Tplan01::Tplan01()
{
    setObjectName(QStringLiteral("plan01"));
    setWindowTitle(QStringLiteral("Plan aufrufen"));
    setzeMaximiert(true);
    panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("panel"));
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    ListBox1 = new Listenfeld(panel);
    ListBox1->setObjectName(QStringLiteral("ListBox1"));
    ListBox1->setFont(schrift::font(QStringLiteral("Courier New"), 19));
    Button1 = new QPushButton(QStringLiteral("aufrufen"), panel);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button2 = new QPushButton(QStringLiteral("zurück"), panel);
    Button2->setObjectName(QStringLiteral("Button2"));
    for (QPushButton* b : {Button1, Button2})
        b->setFont(schrift::font(QStringLiteral("Arial"), 19));
    connect(Button1, &QPushButton::clicked, this, [this] { schuetze([this] { Button1Click(); }); });
    connect(Button2, &QPushButton::clicked, this, [this] { schuetze([this] { Button2Click(); }); });
    FormCreate();
}

void Tplan01::FormCreate()
{
    const int w = width(), h = height();
    const int pb = std::min(kBreite, w);
    const int ph = h * 8 / 10;
    panel->setGeometry((w - pb) / 2, h / 10, pb, ph);
    ListBox1->setGeometry(kRand, kRand, pb - 2 * kRand, ph - 3 * kRand - kKnopfHoehe);
    const int kb = (pb - 3 * kRand) / 2;
    Button1->setGeometry(kRand, ph - kRand - kKnopfHoehe, kb, kKnopfHoehe);
    Button2->setGeometry(2 * kRand + kb, ph - kRand - kKnopfHoehe, kb, kKnopfHoehe);
}

void Tplan01::FormShow()
{
    ListBox1->clear();
    ListBox1->addItems(plan::lies());
}

void Tplan01::Button1Click()
{
    const int zeile = plan::gewaehlteZeile(ListBox1);
    if (zeile < 0) {
        // the list's own index error, as the user has always seen it; nothing is read
        dialog::zeige(QStringLiteral("Listenindex überschreitet das Maximum (%1)").arg(zeile));
        return;
    }
    plansatz = ListBox1->item(zeile)->text();
    close();
}

void Tplan01::Button2Click() { close(); }
