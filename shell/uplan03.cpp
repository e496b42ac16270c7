#include "common/programme.h"
#include "shell/uplan03.h"

#include "common/namen.h"
#include "platform/anwendung.h"
#include "platform/dialoge.h"
#include "platform/listenfeld.h"
#include "platform/schriften.h"
#include "shell/planlauf.h"

#include <algorithm>

namespace {
constexpr int kBreite = 480;
constexpr int kOben = 50;
constexpr int kRand = 10;
constexpr int kZeile = 40;
}

Tplan03& Tplan03::instanz()
{
    static Tplan03* form = new Tplan03;
    return *form;
}

Tplan03::Tplan03()
{
    setObjectName(QStringLiteral("plan03"));
    setWindowTitle(QStringLiteral("Einstiegspunkt"));
    setzeMaximiert(true);
    Panel1 = new QFrame(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Label1 = new QLabel(QStringLiteral("Wählen Sie den Einstiegspunkt."), Panel1);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setFont(schrift::font(QStringLiteral("Arial"), 21));
    Label1->setAlignment(Qt::AlignCenter);
    ListBox1 = new Listenfeld(Panel1);
    ListBox1->setObjectName(QStringLiteral("ListBox1"));
    ListBox1->setFont(schrift::font(QStringLiteral("Arial"), 21));
    Button1 = new QPushButton(QStringLiteral("weiter"), Panel1);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setFont(schrift::font(QStringLiteral("Arial"), 21));
    connect(Button1, &QPushButton::clicked, this, [this] { schuetze([this] { Button1Click(); }); });

    const int w = width(), h = height();
    const int pb = std::min(kBreite, w);
    const int ph = std::max(h - 2 * kOben, 4 * kZeile);
    Panel1->setGeometry((w - pb) / 2, kOben, pb, ph);
    Label1->setGeometry(kRand, kRand, pb - 2 * kRand, kZeile);
    ListBox1->setGeometry(kRand, 2 * kRand + kZeile, pb - 2 * kRand, ph - 4 * kRand - 2 * kZeile);
    Button1->setGeometry((pb - 160) / 2, ph - kRand - kZeile, 160, kZeile);
}

void Tplan03::FormShow()
{
    ListBox1->clear();
    for (QChar b : plan::gueltige(planfolge))
        ListBox1->addItem(programmnamen(programm::ausBuchstabe(b)));
}

void Tplan03::Button1Click()
{
    const int zeile = plan::gewaehlteZeile(ListBox1);
    if (zeile < 0) {
        dialog::zeige(QStringLiteral("Es wurde kein Eintrag ausgewählt!"));
        return;
    }
    planstart = zeile + 1;
    close();
}
