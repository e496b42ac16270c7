#include "exercises/memory/uged13.h"

#include "common/zufall.h"
#include "common/zustand.h"
#include "exercises/shared/buchstabenfilter.h"
#include "platform/dialoge.h"
#include "platform/farben.h"
#include "platform/leinwand.h"
#include "platform/schriften.h"
#include "platform/tasten.h"
#include "platform/tastenhaken.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <algorithm>

using namespace rastermuster;
using wortaufgaben::grossMitUmlauten;

namespace wortmuster {

int laenge(const std::vector<TBegriff>& liste, int l)
{
    int beste = 0;
    for (const TBegriff& w : liste) {
        const int n = static_cast<int>(w.size());
        if (n <= l)
            beste = std::max(beste, n);
    }
    return beste;
}

}

Tged13::Tged13() : Rasterfenster(QStringLiteral("Tged13"), QStringLiteral("Wortmuster"), kProgramm)
{
    pb->canvas().schrift = schrift::font(QStringLiteral("Courier New"), 20);
    eingabe = new QLineEdit(this);
    eingabe->setObjectName(QStringLiteral("eingabe"));
    eingabe->setFont(schrift::font(QStringLiteral("Arial"), 19));
    eingabe->resize(145, 30);
    eingabe->hide();
    new Tastenhaken(
        eingabe, [this](QKeyEvent* e) { return eingabeKeyPress(e); }, [this](QKeyEvent* e) { eingabeKeyUp(e); });
    rifa = new QLabel(this);
    rifa->setObjectName(QStringLiteral("rifa"));
    rifa->setFont(schrift::font(QStringLiteral("Arial"), 19));
    rifa->resize(185, 41);
    rifa->hide();
    aufzahl->move(5, 5);
}

void Tged13::ordneAn(QSize aussen, int bildHoehe)
{
    pb->move((aussen.width() - m_breite) / 2, (aussen.height() - bildHoehe) / 4);
    eingabe->move((width() - eingabe->width()) / 2, aussen.height() * 8 / 10);
    rifa->move((aussen.width() - rifa->width()) * 4 / 5, aussen.height() * 8 / 10);
}

void Tged13::beiOeffnung()
{
    levelnr = kErstesL;
    m_serie = 0;
    m_offen = false;
    eingabe->hide();
    start->setFocus();
}

void Tged13::beiSchliessen()
{
    m_offen = false;
    eingabe->hide();
    rifa->hide();
}

bool Tged13::aufgabe()
{
    zufall::randomize();
    const std::vector<TBegriff> liste = wortliste::ganzeListe();
    // no word of L letters: the longest shorter length, for pattern and word alike
    const int l = wortmuster::laenge(liste, std::clamp<int>(levelnr, 1, kGroesstesL));
    if (l == 0) {
        dialog::zeige(wortliste::zuWenigeWoerter());
        close();
        return false;
    }
    m_wort = wortliste::ziehe(liste, 1, wortliste::genau(l), false).front();
    m_muster = ziehe(l);
    const QString gross = grossMitUmlauten(m_wort);
    int k = 0;
    for (int i = 0; i < kZellen; ++i) {
        m_buchstaben[i] = QChar(64 + zufall::R(26));
        if (m_muster[i])
            m_buchstaben[i] = gross[k++];
    }
    return true;
}

void Tged13::beiStart()
{
    m_offen = false;
    eingabe->clear();
    eingabe->hide();
    rifa->hide();
}

// The letter at its place in the cell, in the current font colour.
void Tged13::schreibe(QPoint z)
{
    Leinwand& c = pb->canvas();
    const QRect r = zellrechteck(z);
    const int hoehe = m_raster.ch() * 2 / 3;
    c.pinselKlar = true;
    c.text(r.left() + m_raster.cw() / 3, (m_raster.ch() - hoehe) / 2 + r.top(), QString(buchstabe(z)));
    c.pinselKlar = false;
}

// A letter in white on a clear ground. Text this large is drawn as outlines,
// not from the glyph cache, so each letter is drawn once per font height.
const QImage& Tged13::glyphe(QChar z, const QFont& schrift)
{
    if (m_glyphenHoehe != schrift.pixelSize()) {
        m_glyphen.clear();
        m_glyphenHoehe = schrift.pixelSize();
    }
    QImage& g = m_glyphen[z];
    if (g.isNull()) {
        const QFontMetrics fm(schrift);
        // room for ink that overhangs the advance
        const int rand = fm.height() / 4;
        g = QImage(fm.horizontalAdvance(z) + 2 * rand, fm.height(), QImage::Format_ARGB32_Premultiplied);
        g.fill(Qt::transparent);
        QPainter p(&g);
        p.setFont(schrift);
        p.setPen(farbe::weiss);
        p.drawText(rand, fm.ascent(), QString(z));
        g.setOffset(QPoint(rand, 0));
    }
    return g;
}

void Tged13::verdeckt()
{
    Leinwand& c = pb->canvas();
    c.schrift = schrift::font(QStringLiteral("Courier New"), m_raster.ch() * 2 / 3);
    if (QImage* bild = c.bild(); bild && !bild->isNull()) {
        QPainter p(bild);
        const int hoehe = m_raster.ch() * 2 / 3;
        for (int i = 0; i < kZellen; ++i) {
            const QRect r = zellrechteck(zelle(i));
            const QImage& g = glyphe(m_buchstaben[i], c.schrift);
            p.drawImage(r.left() + m_raster.cw() / 3 - g.offset().x(), (m_raster.ch() - hoehe) / 2 + r.top(), g);
        }
    }
    c.schriftFarbe = farbe::schwarz;
    pb->update();
    eingabe->show();
    eingabe->setReadOnly(false);
    eingabe->setFocus();
    m_offen = true;
}

bool Tged13::eingabeKeyPress(QKeyEvent* e)
{
    const QString t = e->text();
    if (t.size() != 1 || t[0].unicode() < 32 || t[0].unicode() == 127)
        return false;  // Backspace, Enter, Esc and keys without a character pass
    const std::optional<QChar> c = wortaufgaben::filtere(wortaufgaben::Zeichenfilter::MitUmlauten, t[0]);
    if (c && !eingabe->isReadOnly())
        eingabe->insert(QString(*c));
    return true;
}

void Tged13::eingabeKeyUp(QKeyEvent* e)
{
    const int k = taste::code(e);
    if (k == taste::kEsc) {
        close();
        return;
    }
    // judged once: Enter again after the verdict does nothing
    if (k != taste::kEnter || e->isAutoRepeat() || !m_offen || !m_lauf.laeuft())
        return;
    const int n = static_cast<int>(eingabe->text().size());
    if (n >= 1 && n <= kHoechstensZeichen)
        urteile();
}

void Tged13::urteile()
{
    m_offen = false;
    rifa->show();
    eingabe->setReadOnly(true);
    if (grossMitUmlauten(eingabe->text()) == grossMitUmlauten(m_wort)) {
        rifa->setText(QStringLiteral("RICHTIG!"));
        m_lauf.punkte += 100.0f;
        if (++m_serie == kSerie) {
            m_serie = 0;
            // capped: a longer pattern or word than 7 is never drawn
            levelnr = std::min<int>(levelnr + 1, kGroesstesL);
        }
    } else {
        rifa->setText(QStringLiteral("FEHLER!"));
        Leinwand& c = pb->canvas();
        c.schrift = schrift::font(QStringLiteral("Courier New"), m_raster.ch() * 2 / 3);
        c.schriftFarbe = farbe::schwarz;
        for (int i = 0; i < kZellen; ++i)
            if (m_muster[i]) {
                fuelleZelle(zelle(i), farbe::gelb);
                schreibe(zelle(i));
            }
        pb->update();
    }
    start->show();
    start->setFocus();
}
