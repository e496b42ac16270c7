#include "exercises/numbers/umatrix1.h"

#include "platform/farben.h"
#include "platform/leinwand.h"

namespace {
constexpr float kPunkteTreffer = 50.0f;
}

const std::vector<Matrixart>& Tmatrix1::mitglieder()
{
    static const std::vector<Matrixart> t{
        {34, QStringLiteral("Tmatrix1"), QStringLiteral("Matrix+"), QLatin1Char('+'), true},
        {35, QStringLiteral("Tmatrix2"), QStringLiteral("Matrix*"), QLatin1Char('*'), false},
    };
    return t;
}

Tmatrix1::Tmatrix1(const Matrixart& art)
    : Zahlbrett(art.klasse, art.titel, art.programm, Matrixbrett::kBretter,
                {Matrixbrett::kSpalten, Matrixbrett::kZeilen,
                 QRect(1, 1, Matrixbrett::kSpalten - 1, Matrixbrett::kZeilen - 1), 1, 2, 6, 5}),
      m_art(art), m_brett(art.zeichen)
{
}

void Tmatrix1::maleBrett(Leinwand& c)
{
    const int w = Matrixbrett::kSpalten * cw();
    const int h = Matrixbrett::kZeilen * ch();
    c.pinselKlar = false;
    c.pinselFarbe = farbe::aqua;
    c.fuellen(0, 0, w, h);
    c.pinselFarbe = farbe::buttonFace();
    c.fuellen(cw(), ch(), w, h);
    gitter(c);
    schrift(c);
    c.schriftFarbe = farbe::schwarz;
    c.pinselFarbe = farbe::aqua;
    for (int x = 1; x < Matrixbrett::kSpalten; ++x)
        zahl(c, x, 0, m_brett.kopf(x, 0));
    for (int y = 1; y < Matrixbrett::kZeilen; ++y)
        zahl(c, 0, y, m_brett.kopf(0, y));
    const int hoehe = 2 * ch() / 3;
    c.text((cw() - hoehe) / 2 + 5, (ch() - hoehe) / 2, QString(m_brett.zeichen()));
}

QColor Tmatrix1::rahmenGrund(int, int) const { return farbe::buttonFace(); }

void Tmatrix1::waehle(int x, int y, bool tastatur)
{
    const Matrixbrett::Wahl w = m_brett.waehle(x, y);
    if (w == Matrixbrett::Wahl::Nichts)
        return;
    const bool richtig = w == Matrixbrett::Wahl::Richtig;
    if (richtig)
        m_lauf.punkte += kPunkteTreffer;
    Leinwand& c = pb->canvas();
    c.pinselFarbe = richtig ? farbe::gruen : farbe::rot;
    c.fuellen(x * cw() + 15, y * ch() + 15, (x + 1) * cw() - 15, (y + 1) * ch() - 15);
    if (m_brett.offen())
        zeigeZiel();
    else
        zeigeWeiter(tastatur || m_art.fokusNachMaus);
}
