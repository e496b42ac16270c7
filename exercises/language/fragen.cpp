#include "exercises/language/fragen.h"

#include "exercises/shared/dezimalantwort.h"

namespace fragen {

namespace {

QString ohneEndblanks(QString s)
{
    while (s.endsWith(QLatin1Char(' ')))
        s.chop(1);
    return s;
}

std::optional<float> zahl(const QString& text)
{
    try {
        return dezimal::einfach(text.trimmed(), true);
    } catch (const std::exception&) {
        return std::nullopt;
    }
}

}

std::optional<Frage> praxis(const QString& satz)
{
    const QString s = ohneEndblanks(satz);
    if (s.size() < 2)
        return std::nullopt;
    const QChar n = s.back();
    const QString felder = s.left(s.size() - 1);
    if (n < QLatin1Char('1') || n > QLatin1Char('5') || !felder.endsWith(QLatin1Char('#'))
        || felder.count(QLatin1Char('#')) != 6 || felder.startsWith(QLatin1Char('#')))
        return std::nullopt;
    QStringList teile = felder.split(QLatin1Char('#'));
    teile.removeLast();  // what follows the sixth "#": nothing
    Frage f;
    f.text = teile.takeFirst();
    f.optionen = teile;
    f.richtig = n.digitValue();
    return f;
}

std::optional<Frage> quiz(const QString& frage, const QString& optionen)
{
    const QString nummer = frage.mid(90, 10).trimmed();
    if (nummer.size() != 1 || nummer[0] < QLatin1Char('1') || nummer[0] > QLatin1Char('4'))
        return std::nullopt;
    Frage f;
    f.text = ohneEndblanks(frage.left(90));
    for (int i = 0; i < 4; ++i)
        f.optionen << ohneEndblanks(optionen.mid(25 * i, 25));
    f.richtig = nummer[0].digitValue();
    return f;
}

std::optional<Frage> zahlen(const QString& satz)
{
    Frage f;
    f.loesungText = satz.left(4);
    const std::optional<float> w = zahl(f.loesungText);
    if (!w)
        return std::nullopt;
    f.loesung = *w;
    f.text = ohneEndblanks(satz.mid(4));
    return f;
}

std::optional<Frage> denksport(const QString& satz)
{
    const TTextaufgabe a = TTextaufgabe::aus(satz, 160);
    const std::optional<float> w = zahl(a.loesungText);
    if (!w)
        return std::nullopt;
    Frage f;
    f.text = a.frage;
    f.loesungText = a.loesungText;
    f.loesung = *w;
    return f;
}

QStringList zeilen(const Frage& f, const QString& trenner)
{
    QStringList z;
    for (int i = 0; i < f.optionen.size(); ++i)
        z << QString::number(i + 1) + QLatin1Char(')') + trenner + f.optionen[i];
    return z;
}

QString fehlerZiffer(int richtig) { return QStringLiteral("FEHLER! Lösung:") + QString::number(richtig); }

QString fehlerText(const QString& loesungText) { return QStringLiteral("FEHLER! Lösung: ") + loesungText; }

Joker::Joker(int richtig) : m_marken(QStringLiteral("----"))
{
    if (richtig >= 1 && richtig <= 4)
        m_marken[richtig - 1] = QLatin1Char('x');
}

int Joker::setze(const std::function<int()>& ziehe)
{
    if (m_benutzt >= 2)
        return 0;
    // two options at least are left to draw; a scripted draw that keeps
    // hitting taken ones gets the first free one
    int j = 0;
    for (int versuch = 0; versuch < 1000; ++versuch) {
        j = ziehe();
        if (j >= 1 && j <= 4 && m_marken[j - 1] != QLatin1Char('x'))
            break;
        j = 0;
    }
    if (j == 0)
        j = m_marken.indexOf(QLatin1Char('-')) + 1;
    m_marken[j - 1] = QLatin1Char('x');
    ++m_benutzt;
    return j;
}

}
