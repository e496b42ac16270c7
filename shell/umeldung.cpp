#include "shell/umeldung.h"

#include "common/zustand.h"
#include "platform/anwendung.h"
#include "platform/farben.h"
#include "platform/schriften.h"

#include <QGuiApplication>
#include <QScreen>

namespace {
constexpr int kHoehe = 350;
}

TForm3& TForm3::instanz()
{
    static TForm3* form = new TForm3;
    return *form;
}

TForm3::TForm3()
{
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(QStringLiteral("Velmora-Meldung"));
    setzeOhneRahmenknoepfe();
    setzeFarbe(farbe::buttonFace());
    resize(640, kHoehe);

    Panel1 = new QLabel(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFont(schrift::font(QStringLiteral("Arial"), 19));
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Panel1->setLineWidth(1);
    Panel1->setAlignment(Qt::AlignCenter);
    Panel1->setWordWrap(true);
    Panel1->setGeometry(0, 64, 523, 105);

    Button1 = new QPushButton(QStringLiteral("O.K."), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button2 = new QPushButton(QStringLiteral("NEIN"), this);
    Button2->setObjectName(QStringLiteral("Button2"));
    for (QPushButton* b : {Button1, Button2}) {
        b->setFont(schrift::font(QStringLiteral("Arial"), 24));
        b->resize(113, 41);
    }
    Button1->move(0, 216);
    Button2->move(0, 272);
    connect(Button1, &QPushButton::clicked, this, [this] { schuetze([this] { Button1Click(); }); });
    connect(Button2, &QPushButton::clicked, this, [this] { schuetze([this] { Button2Click(); }); });
}

void TForm3::FormShow()
{
    const QRect schirm = QGuiApplication::primaryScreen()->geometry();
    const int breite = schirm.width() * 4 / 5;
    setGeometry(schirm.x() + (schirm.width() - breite) / 2, schirm.y() + (schirm.height() - kHoehe) / 2,
                breite, kHoehe);
    for (QWidget* w : {static_cast<QWidget*>(Button1), static_cast<QWidget*>(Button2),
                       static_cast<QWidget*>(Panel1)})
        w->move((breite - w->width()) / 2, w->y());
    Panel1->setText(meldung);
    Button2->setVisible(meldemodus != 1);
    if (meldemodus == 2)
        Panel1->setText(QStringLiteral("Ablaufplan fortführen?"));
    Button1->setFocus();
}

void TForm3::Button1Click()
{
    meldemodus = 1;
    close();
}

void TForm3::Button2Click()
{
    meldemodus = 2;
    close();
}

void zeigemeldung(int modus)
{
    meldemodus = modus;
    TForm3::instanz().zeigeModal();
}
