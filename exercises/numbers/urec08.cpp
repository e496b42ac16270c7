#include "exercises/numbers/urec08.h"

#include "platform/farben.h"
#include "platform/leinwand.h"

#include <QLabel>

namespace {
constexpr float kPunkteRunde = 200.0f;
}

Trec08::Trec08()
    : Zahlbrett(QStringLiteral("Trec08"), QStringLiteral("Mathespiel"), kProgramm, Mathespiel::kRunden,
                {Mathespiel::kSpalten, Mathespiel::kZeilen,
                 QRect(0, 0, Mathespiel::kSpalten, Mathespiel::kZeilen), 2, 5, 2, 1})
{
}

void Trec08::neuerLauf()
{
    m_spiel.neuerLauf();
    m_spiel.neueRunde();
}

void Trec08::maleBrett(Leinwand& c)
{
    c.pinselFarbe = farbe::buttonFace();
    c.pinselKlar = false;
    c.fuellen(0, 0, Mathespiel::kSpalten * cw(), Mathespiel::kZeilen * ch());
    gitter(c);
    schrift(c);
    c.schriftFarbe = farbe::schwarz;
    for (int y = 0; y < Mathespiel::kZeilen; ++y)
        for (int x = 0; x < Mathespiel::kSpalten; ++x)
            zahl(c, x, y, m_spiel.wert(x, y));
}

void Trec08::zelle(int x, int y, const QColor& grund, const QColor& schriftfarbe)
{
    Leinwand& c = pb->canvas();
    c.stiftFarbe = farbe::schwarz;
    c.stiftBreite = 1;
    c.pinselFarbe = grund;
    c.pinselKlar = false;
    c.rechteck(x * cw(), y * ch(), (x + 1) * cw() + 1, (y + 1) * ch() + 1);
    schrift(c);
    c.schriftFarbe = schriftfarbe;
    zahl(c, x, y, m_spiel.wert(x, y));
    c.schriftFarbe = farbe::schwarz;
}

QColor Trec08::rahmenGrund(int x, int y) const
{
    return m_spiel.gewaehlt(x, y) ? farbe::gelb : farbe::buttonFace();
}

void Trec08::waehle(int x, int y, bool tastatur)
{
    const Mathespiel::Wahl w = m_spiel.waehle(x, y);
    if (w == Mathespiel::Wahl::Nichts)
        return;
    zelle(x, y, w == Mathespiel::Wahl::Abgewaehlt ? farbe::buttonFace() : farbe::gelb, farbe::schwarz);
    if (tastatur)
        rahmen(pb->canvas(), x, y, farbe::schwarz);
    if (w == Mathespiel::Wahl::Richtig || w == Mathespiel::Wahl::Falsch) {
        schliesse(w);
        if (tastatur)
            setzeRahmenfeld(0, 0);
    }
}

void Trec08::schliesse(Mathespiel::Wahl urteil)
{
    lb2->setText(QStringLiteral("Ergebnis: ") + QString::number(m_spiel.summe()));
    lb2->show();
    const bool richtig = urteil == Mathespiel::Wahl::Richtig;
    if (richtig)
        m_lauf.punkte += kPunkteRunde;
    for (int y = 0; y < Mathespiel::kZeilen; ++y)
        for (int x = 0; x < Mathespiel::kSpalten; ++x)
            if (m_spiel.gewaehlt(x, y))
                zelle(x, y, richtig ? farbe::gruen : farbe::rot, farbe::schwarz);
    // then the target cells, so that a picked target shows as a target
    if (!richtig)
        for (int y = 0; y < Mathespiel::kZeilen; ++y)
            for (int x = 0; x < Mathespiel::kSpalten; ++x)
                if (m_spiel.ziel(x, y))
                    zelle(x, y, farbe::buttonFace(), farbe::weiss);
    zeigeWeiter(true);
}
