#include "exercises/reaction/fuenffeld.h"

#include "common/zufall.h"
#include "platform/farben.h"
#include "platform/leinwand.h"

void Fuenffeld::messe(int breite, int hoehe)
{
    m_w = breite / kSeite;
    m_h = hoehe / kSeite;
}

// The index of the cell strictly around x; -1 on a line, the edge or beyond.
int Fuenffeld::teil(int x, int breite)
{
    if (breite <= 0 || x <= 0 || x % breite == 0)
        return -1;
    const int i = x / breite;
    return i < kSeite ? i : -1;
}

std::optional<QPoint> Fuenffeld::zelleBei(QPoint p) const
{
    const int c = teil(p.x(), m_w);
    const int r = teil(p.y(), m_h);
    if (c < 0 || r < 0)
        return std::nullopt;
    return QPoint(c, r);
}

QPoint Fuenffeld::ecke(QPoint zelle, int links) const
{
    return {zelle.x() * m_w + links, zelle.y() * m_h + (m_h - schrifthoehe()) / 2};
}

void Fuenffeld::schreibe(Leinwand& l, QPoint zelle, int links, const QString& zeichen) const
{
    const QPoint p = ecke(zelle, links);
    l.pinselKlar = true;
    l.text(p.x(), p.y(), zeichen);
    l.pinselKlar = false;
}

void Fuenffeld::loesche(Leinwand& l, QPoint zelle, int links, const QString& zeichen, const QColor& farbe) const
{
    const QPoint p = ecke(zelle, links);
    l.pinselKlar = false;
    l.pinselFarbe = farbe;
    l.textLoeschen(p.x(), p.y(), zeichen);
}

void Fuenffeld::gitter(Leinwand& l) const
{
    l.stiftFarbe = farbe::schwarz;
    l.stiftBreite = 1;
    for (int k = 1; k < kSeite; ++k) {
        l.linie(k * m_w, 0, k * m_w, kSeite * m_h);
        l.linie(0, k * m_h, kSeite * m_w, k * m_h);
    }
}

namespace feldaufgabe {

// Drawn from the candidates, not until a draw differs: the draw always ends.
QPoint andereZelle(QPoint vorher)
{
    constexpr int kZellen = Fuenffeld::kSeite * Fuenffeld::kSeite;
    const int alt = vorher.y() * Fuenffeld::kSeite + vorher.x();
    const bool imFeld = vorher.x() >= 0 && vorher.x() < Fuenffeld::kSeite && alt >= 0 && alt < kZellen;
    int i = zufall::R(imFeld ? kZellen - 1 : kZellen) - 1;
    if (imFeld && i >= alt)
        ++i;
    return {i % Fuenffeld::kSeite, i / Fuenffeld::kSeite};
}

int andererBuchstabe(int vorher)
{
    if (vorher < 1 || vorher > 26)
        return zufall::R(26);
    const int l = zufall::R(25);
    return l >= vorher ? l + 1 : l;
}

}
