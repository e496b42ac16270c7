#include "exercises/logic/robbibrett.h"

#include <cstring>

namespace robbi {

QPoint schritt(int richtung)
{
    static const QPoint schritte[] = {{0, 0}, {0, -1}, {1, 0}, {0, 1}, {-1, 0}};
    return schritte[richtung];
}

int code(char b)
{
    static const char* const klein = "wbkhzmorulpasicqf";
    static const int kleinCodes[] = {11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24, 25, 26, 27};
    if (b == 'x')
        return kSpiegelB;
    if (b == 'R')
        return -1;
    if (b >= '1' && b <= '8')
        return kSchuetze + (b - '0');
    if (b == 'K')
        return kWeiss;
    static const char* const gleiter = "PASIC";
    if (b != 0) {
        if (const char* p = std::strchr(klein, b))
            return kleinCodes[p - klein];
        if (const char* p = std::strchr(gleiter, b))
            return kGleiter + 1 + int(p - gleiter);
    }
    return kBoden;
}

}

using namespace robbi;

namespace {
bool istKachel(int c) { return c > kKachel && c <= kKachel + 5; }
bool istGleiter(int c) { return c > kGleiter && c <= kWeiss; }
bool istSchuetze(int c) { return c > kSchuetze && c <= kFest + 4; }
bool istBeweglich(int c) { return c > kSchuetze && c <= kSchuetze + 4; }
// Where a shot flies on.
bool durchlaessig(int c)
{
    return c == kBoden || c == kWasser || c == kNiedrig || (c > kPfeil && c <= kPfeil + 4) || c == kWackel
           || c == kSpiegelS || c == kSpiegelB;
}
int gegenueber(int richtung) { return (richtung + 1) % 4 + 1; }
// The shot's new direction on a mirror, by the mirror before it flips.
int abgelenkt(int spiegel, int richtung)
{
    static const int schraeg[] = {0, 2, 1, 4, 3};   // "/"
    static const int zurueck[] = {0, 4, 3, 2, 1};   // "\"
    return spiegel == kSpiegelS ? schraeg[richtung] : zurueck[richtung];
}
}

void Robbibrett::lade(const QByteArray& zellen)
{
    m_feld.fill(kRand);
    m_roboter = QPoint(1, 3);
    m_paare = 0;
    m_offen = false;
    m_getroffen = false;
    for (int i = 0; i < kZellen; ++i) {
        const int x = i % 14 + 1;
        const int y = i / 14 + 1;
        int c = code(i < zellen.size() ? zellen[i] : 0);
        if (c < 0) {
            m_roboter = QPoint(x, y);
            c = kBoden;
        }
        setze(x, y, c);
        if (istKachel(c) || (istGleiter(c) && c != kWeiss))
            ++m_paare;
    }
    m_paare /= 2;
}

QByteArray Robbibrett::schluessel() const
{
    QByteArray s(reinterpret_cast<const char*>(m_feld.data()), int(m_feld.size()));
    s += char(m_roboter.x());
    s += char(m_roboter.y());
    s += char(m_offen ? m_erstes.x() : 0);
    s += char(m_offen ? m_erstes.y() : 0);
    return s;
}

void Robbibrett::notiere(Robbischritt s)
{
    if (m_schritte)
        m_schritte->push_back(s);
}

void Robbibrett::zeichne(QPoint p, bool offen)
{
    notiere({Robbischritt::Art::Zelle, p.x(), p.y(), feld(p), offen});
    if (p == m_roboter)
        notiere({Robbischritt::Art::Roboter, p.x(), p.y()});
}

void Robbibrett::pause(int ms) { notiere({Robbischritt::Art::Pause, 0, 0, 0, false, ms}); }

Robbiantwort Robbibrett::zug(int richtung)
{
    Robbiantwort a;
    m_schritte = protokoll ? &a.schritte : nullptr;
    const int eigen = feld(m_roboter);
    const bool erlaubt = eigen == kBoden || eigen == kZiel || eigen == kWackel || eigen == kPfeil + richtung;
    if (erlaubt) {
        const QPoint t = m_roboter + schritt(richtung);
        const int c = feld(t);
        const bool wackel = eigen == kWackel;
        if (c == kBoden || c == kWasser || c == kZiel || c == kWackel) {
            gehe(t, wackel);
        } else if (c == kPfeil + richtung) {
            gehe(t, false);
        } else if (istKachel(c)) {
            aufdecken(t);
        } else if (istGleiter(c)) {
            gleiten(t, richtung);
        } else if (c == kKiste || c == kSpiegelS || c == kSpiegelB || istBeweglich(c)) {
            if (stossen(t, richtung))
                gehe(t, wackel);
        }
    }
    if (feld(m_roboter) == kWasser)
        a.ausgang = Robbiausgang::Ertrunken;
    else if (feld(m_roboter) == kZiel || m_paare == 0)
        a.ausgang = Robbiausgang::Geschafft;
    m_schritte = nullptr;
    return a;
}

void Robbibrett::gehe(QPoint ziel, bool wackelWirdWasser)
{
    const QPoint alt = m_roboter;
    m_roboter = ziel;
    if (wackelWirdWasser)
        setze(alt, kWasser);
    zeichne(alt);
    zeichne(ziel);
}

void Robbibrett::aufdecken(QPoint p)
{
    if (offen(p.x(), p.y()))
        return;
    if (!m_offen) {
        m_offen = true;
        m_erstes = p;
        zeichne(p);
        return;
    }
    const QPoint erstes = m_erstes;
    zeichne(p, true);
    if (feld(p) != feld(erstes)) {
        m_erstes = p;
        zeichne(erstes);
        return;
    }
    pause(kPausePaar);
    m_offen = false;
    setze(p, kBoden);
    setze(erstes, kBoden);
    --m_paare;
    zeichne(p);
    zeichne(erstes);
}

void Robbibrett::gleiten(QPoint p, int richtung)
{
    const int c = feld(p);
    const QPoint d = schritt(richtung);
    QPoint halt = p;
    while (feld(halt + d) == kBoden)
        halt += d;
    setze(p, kBoden);
    zeichne(p);
    if (feld(halt + d) == kWasser) {
        // it sinks and fills the water; the pair counter stays
        setze(halt + d, kBoden);
        zeichne(halt + d);
        return;
    }
    setze(halt, c);
    zeichne(halt);
    if (c == kWeiss)
        return;
    for (int r = 1; r <= 4; ++r) {
        const QPoint n = halt + schritt(r);
        if (feld(n) != c)
            continue;
        pause(kPausePaar);
        setze(halt, kBoden);
        setze(n, kBoden);
        --m_paare;
        zeichne(halt);
        zeichne(n);
        return;
    }
}

Robbiantwort Robbibrett::leertaste()
{
    Robbiantwort a;
    m_schritte = protokoll ? &a.schritte : nullptr;
    m_getroffen = false;
    notiere({Robbischritt::Art::Kreuz, m_roboter.x(), m_roboter.y()});
    for (int r = 1; r <= 4; ++r) {
        const QPoint n = m_roboter + schritt(r);
        const int seite = gegenueber(r);
        const int c = feld(n);
        if (c == kBohr)
            setze(n, kGebohrt + seite);
        else if (c > kGebohrt && c <= kGebohrt + 4 && c != kGebohrt + seite)
            setze(n, kBoden);
        else
            continue;
        zeichne(n);
    }
    for (int r = 1; r <= 4; ++r) {
        const QPoint n = m_roboter + schritt(r);
        if (feld(n) == kSpiegelS || feld(n) == kSpiegelB) {
            setze(n, feld(n) == kSpiegelS ? kSpiegelB : kSpiegelS);
            zeichne(n);
        }
    }
    for (int r = 1; r <= 4; ++r) {
        const QPoint n = m_roboter + schritt(r);
        if (istSchuetze(feld(n)))
            schiessen(n, (feld(n) - kSchuetze - 1) % 4 + 1);
    }
    // a hit counts even when the same action removed the last pair
    if (m_getroffen)
        a.ausgang = Robbiausgang::Getroffen;
    else if (m_paare == 0)
        a.ausgang = Robbiausgang::Geschafft;
    m_schritte = nullptr;
    return a;
}

void Robbibrett::schiessen(QPoint start, int richtung)
{
    QPoint p = start;
    // The path is reversible and the shooter's cell stops shots, so a shot
    // always ends; the bound only guards that argument.
    for (int n = 0; n < 16 * 16 * 8; ++n) {
        p += schritt(richtung);
        const int c = feld(p);
        if (!durchlaessig(c))
            break;
        if (c == kSpiegelS || c == kSpiegelB) {
            richtung = abgelenkt(c, richtung);
            setze(p, c == kSpiegelS ? kSpiegelB : kSpiegelS);
        }
        notiere({Robbischritt::Art::Schuss, p.x(), p.y()});
        pause(kPauseSchuss);
        zeichne(p);
        if (p == m_roboter)
            m_getroffen = true;  // the shot flies on
    }
    const int c = feld(p);
    if (istKachel(c))
        aufdecken(p);
    else if (istGleiter(c))
        gleiten(p, richtung);
    else if (c == kKiste || istBeweglich(c))
        stossen(p, richtung);
}

bool Robbibrett::stossen(QPoint p, int richtung)
{
    const QPoint b = p + schritt(richtung);
    if (feld(b) != kBoden && feld(b) != kWasser)
        return false;
    setze(b, feld(b) == kBoden ? feld(p) : kBoden);
    setze(p, kBoden);
    zeichne(p);
    zeichne(b);
    return true;
}
