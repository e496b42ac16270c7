#include "common/textformat.h"

#include "common/fehler.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace textformat {

QString gleitText(double wert)
{
    if (wert == 0.0 || !std::isfinite(wert))
        return QStringLiteral("0");
    // 15 significant digits in scientific form, then laid out as fixed or scientific
    QString s = QString::number(wert, 'e', 14);
    const bool negativ = s.startsWith(QLatin1Char('-'));
    if (negativ)
        s.remove(0, 1);
    const int e = s.indexOf(QLatin1Char('e'));
    const int exponent = s.mid(e + 1).toInt();
    QString ziffern = s.left(e).remove(QLatin1Char('.'));
    while (ziffern.size() > 1 && ziffern.endsWith(QLatin1Char('0')))
        ziffern.chop(1);

    QString text;
    if (exponent >= 15 || std::fabs(wert) < 0.00001) {
        text = ziffern.left(1);
        if (ziffern.size() > 1)
            text += QLatin1Char(',') + ziffern.mid(1);
        text += QStringLiteral("E%1").arg(exponent);
    } else if (exponent < 0) {
        text = QStringLiteral("0,") + QString(-exponent - 1, QLatin1Char('0')) + ziffern;
    } else {
        if (ziffern.size() <= exponent + 1) {
            text = ziffern + QString(exponent + 1 - ziffern.size(), QLatin1Char('0'));
        } else {
            text = ziffern.left(exponent + 1) + QLatin1Char(',') + ziffern.mid(exponent + 1);
        }
    }
    return negativ ? QLatin1Char('-') + text : text;
}

QString punkteText(float wert, int zeichen)
{
    return gleitText(static_cast<double>(wert)).trimmed().left(zeichen);
}

QString festFormat(double wert, int breite, int dezimalen)
{
    // rounded half away from zero, as the run-time library's Format does
    const double faktor = std::pow(10.0, dezimalen);
    const double gerundet = std::round(wert * faktor) / faktor;
    return QString::number(gerundet, 'f', dezimalen).rightJustified(breite);
}

QString punktFormat72(double wert) { return festFormat(wert, 7, 2); }

void einfuegen(QString& ziel, const QString& text, int position)
{
    const int stelle = std::clamp(position - 1, 0, static_cast<int>(ziel.size()));
    ziel.insert(stelle, text);
}

QString ganzzahlText(double wert) { return QString::number(static_cast<long long>(std::trunc(wert))); }

std::int32_t strToInt(const QString& s)
{
    const QString t = s.trimmed();
    bool ok = false;
    long long v = 0;
    if (t.startsWith(QLatin1Char('$')))
        v = t.mid(1).toLongLong(&ok, 16);
    else if (t.startsWith(QLatin1String("0x"), Qt::CaseInsensitive))
        v = t.mid(2).toLongLong(&ok, 16);
    else if (!t.isEmpty() && !t.contains(QLatin1Char(' ')))
        v = t.toLongLong(&ok, 10);
    if (!ok || v < std::numeric_limits<std::int32_t>::min() || v > std::numeric_limits<std::int32_t>::max())
        throw Konvertierungsfehler::integer(s);
    return static_cast<std::int32_t>(v);
}

namespace {

// Length of the longest prefix of t from 'von' that forms a number with the
// given decimal separator: sign, digits, separator and digits, exponent.
int zahlPrefix(const QString& t, QChar trenner, int* ziffernZahl)
{
    const int n = t.size();
    auto ziffer = [&](int k) { return k < n && t[k] >= QLatin1Char('0') && t[k] <= QLatin1Char('9'); };
    int i = 0;
    if (i < n && (t[i] == QLatin1Char('+') || t[i] == QLatin1Char('-')))
        ++i;
    int ziffern = 0;
    while (ziffer(i)) { ++i; ++ziffern; }
    if (i < n && t[i] == trenner) {
        int k = i + 1;
        while (ziffer(k)) { ++k; ++ziffern; }
        if (ziffern > 0)
            i = k;
    }
    if (ziffern > 0 && i < n && (t[i] == QLatin1Char('e') || t[i] == QLatin1Char('E'))) {
        int k = i + 1;
        if (k < n && (t[k] == QLatin1Char('+') || t[k] == QLatin1Char('-')))
            ++k;
        if (ziffer(k)) {
            while (ziffer(k)) ++k;
            i = k;
        }
    }
    *ziffernZahl = ziffern;
    return ziffern > 0 ? i : 0;
}

double alsDouble(QString text, QChar trenner)
{
    text.replace(trenner, QLatin1Char('.'));
    if (text.startsWith(QLatin1Char('+')))
        text.remove(0, 1);
    return text.toDouble();  // QString::toDouble always reads the C form
}

}

double strToFloat(const QString& s)
{
    const QString t = s.trimmed();
    int ziffern = 0;
    const int laenge = zahlPrefix(t, QLatin1Char(','), &ziffern);
    if (ziffern == 0 || laenge != t.size())
        throw Konvertierungsfehler::gleitkomma(s);
    const double wert = alsDouble(t, QLatin1Char(','));
    if (!std::isfinite(wert))  // "1E999" is out of range
        throw Konvertierungsfehler::gleitkomma(s);
    return wert;
}

double valPunkt(const QString& s)
{
    const QString t = s.trimmed();
    int ziffern = 0;
    const int laenge = zahlPrefix(t, QLatin1Char('.'), &ziffern);
    const double wert = laenge == 0 ? 0.0 : alsDouble(t.left(laenge), QLatin1Char('.'));
    return std::isfinite(wert) ? wert : 0.0;  // "9E99999" in a damaged file
}

QString grossAZ(const QString& s)
{
    QString t = s;
    for (QChar& c : t)
        if (c >= QLatin1Char('a') && c <= QLatin1Char('z'))
            c = QChar(c.unicode() - 32);
    return t;
}

QString datum(const QDate& d) { return d.toString(QStringLiteral("dd.MM.yyyy")); }

QString datumKurz(const QDate& d) { return d.toString(QStringLiteral("dd.MM.yy")); }

}
