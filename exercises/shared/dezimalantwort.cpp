#include "exercises/shared/dezimalantwort.h"

#include "common/fehler.h"
#include "platform/dialoge.h"
#include "platform/tastenhaken.h"
#include "platform/tasten.h"

#include <QKeyEvent>
#include <QLineEdit>

namespace dezimal {

int zeichen(const QKeyEvent* e)
{
    switch (e->key()) {
    case Qt::Key_Backspace: return taste::kRueck;
    case Qt::Key_Return: case Qt::Key_Enter: return taste::kEnter;
    case Qt::Key_Escape: return taste::kEsc;
    case Qt::Key_Delete: case Qt::Key_Tab: case Qt::Key_Backtab: return 0;
    default: break;
    }
    const QString t = e->text();
    if (t.isEmpty())
        return 0;
    // Ctrl+V and the like type a control character, which the filters swallow
    if ((e->modifiers() & Qt::ControlModifier) && e->key() >= Qt::Key_A && e->key() <= Qt::Key_Z)
        return e->key() - Qt::Key_A + 1;
    return t.at(0).unicode();
}

double wert(const QString& text, bool streng)
{
    auto ziffer = [&](int k) { return k < text.size() && text[k] >= QLatin1Char('0') && text[k] <= QLatin1Char('9'); };
    int i = 0;
    if (i < text.size() && text[i] == QLatin1Char('-'))
        ++i;
    QString vorn, hinten;
    while (ziffer(i))
        vorn += text[i++];
    const bool komma = i < text.size() && text[i] == QLatin1Char(',');
    if (komma)
        ++i;
    while (komma && ziffer(i))
        hinten += text[i++];
    // without a comma a number needs a digit; with it, "," alone is 0
    const bool zahl = !vorn.isEmpty() || !hinten.isEmpty() || (komma && !streng);
    if (i != text.size() || !zahl)
        throw Konvertierungsfehler::gleitkomma(text);
    // read as one decimal text, so 0,1 is the same double as the run-time library's 0.1
    const QString c = (vorn.isEmpty() ? QStringLiteral("0") : vorn) + QLatin1Char('.')
                      + (hinten.isEmpty() ? QStringLiteral("0") : hinten);
    const double v = c.toDouble();
    return text.startsWith(QLatin1Char('-')) ? -v : v;
}

float einfach(const QString& text, bool streng) { return static_cast<float>(wert(text, streng)); }

Urteil pruefe(const QString& text, float loesung, bool streng)
{
    if (text.isEmpty() || text.size() > 99 || (!streng && text == QLatin1String("-")))
        return Urteil::Nichts;
    if (text.count(QLatin1Char(',')) >= 2)
        return Urteil::Format;
    return einfach(text, streng) == loesung ? Urteil::Richtig : Urteil::Falsch;
}

}

bool Dezimalantwort::tastendruck(int zeichen)
{
    const QString text = m_feld->text();
    if (zeichen == ',') {
        if (m_komma)
            return false;
        // a full field takes no comma, so the flag must not claim one
        if (text.size() >= m_feld->maxLength() && !m_feld->hasSelectedText())
            return false;
        m_komma = true;
    }
    if (zeichen == '-' && !text.isEmpty())
        return false;
    if (zeichen == taste::kRueck && text.endsWith(QLatin1Char(',')))
        m_komma = false;
    return zeichen == taste::kRueck || zeichen == taste::kEnter || zeichen == taste::kEsc || zeichen == ','
           || zeichen == '-' || (zeichen >= '0' && zeichen <= '9');
}

dezimal::Urteil Dezimalantwort::enter(float loesung, bool streng)
{
    const dezimal::Urteil u = dezimal::pruefe(m_feld->text(), loesung, streng);
    if (u == dezimal::Urteil::Format) {
        // the box shows over the text it complains about; then the field is
        // emptied, so no comma is left in it
        dialog::zeige(QStringLiteral("ungültiges Format!"));
        m_komma = false;
        m_feld->clear();
    }
    return u;
}

TTextaufgabe TTextaufgabe::aus(const QString& satz, int kapazitaet)
{
    const int q = kapazitaet - 5;
    TTextaufgabe a;
    QString frage = satz.left(q);
    while (frage.endsWith(QLatin1Char(' ')))
        frage.chop(1);
    a.frage = frage;
    a.loesungText = satz.mid(q);
    return a;
}

void dezimal::verbindeFeld(QLineEdit* feld, std::function<bool(int)> durchlassen, std::function<void(int)> los)
{
    new Tastenhaken(
        feld,
        [durchlassen](QKeyEvent* e) {
            const int z = dezimal::zeichen(e);
            return z != 0 && !durchlassen(z);
        },
        [los](QKeyEvent* e) {
            if (!e->isAutoRepeat())
                los(taste::code(e));
        });
}
