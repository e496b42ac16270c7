#include "rechnung.h"

#include <numeric>
#include <stdexcept>

Bruch Bruch::aus(long long zaehler, long long nenner)
{
    if (nenner == 0)
        throw std::domain_error("Division durch 0");
    if (nenner < 0) {
        zaehler = -zaehler;
        nenner = -nenner;
    }
    const long long g = std::gcd(zaehler < 0 ? -zaehler : zaehler, nenner);
    return g > 1 ? Bruch{zaehler / g, nenner / g} : Bruch{zaehler, nenner};
}

std::optional<Bruch> Bruch::ausText(const QString& text)
{
    const auto wert = rechne(text);
    // only a plain number, no arithmetic
    for (QChar c : text)
        if (!(c.isDigit() || c == QLatin1Char(',') || c == QLatin1Char('-')))
            return std::nullopt;
    return wert;
}

bool Bruch::abbrechend() const
{
    long long m = n;
    while (m % 2 == 0)
        m /= 2;
    while (m % 5 == 0)
        m /= 5;
    return m == 1;
}

QString Bruch::text() const { return n == 1 ? QString::number(z) : QStringLiteral("%1/%2").arg(z).arg(n); }

namespace {

Bruch plus(Bruch a, Bruch b) { return Bruch::aus(a.z * b.n + b.z * a.n, a.n * b.n); }
Bruch minus(Bruch a, Bruch b) { return Bruch::aus(a.z * b.n - b.z * a.n, a.n * b.n); }
Bruch mal(Bruch a, Bruch b) { return Bruch::aus(a.z * b.z, a.n * b.n); }
Bruch durch(Bruch a, Bruch b) { return Bruch::aus(a.z * b.n, a.n * b.z); }

class Leser {
public:
    Leser(const QString& text, std::optional<Bruch> x) : m_t(text), m_x(x) {}

    Bruch ganz()
    {
        Bruch b = ausdruck();
        leer();
        if (m_i != m_t.size())
            throw std::invalid_argument("Rest");
        return b;
    }

private:
    void leer()
    {
        while (m_i < m_t.size() && m_t[m_i] == QLatin1Char(' '))
            ++m_i;
    }
    bool nimm(char c)
    {
        leer();
        if (m_i < m_t.size() && m_t[m_i] == QLatin1Char(c)) {
            ++m_i;
            return true;
        }
        return false;
    }
    Bruch ausdruck()
    {
        Bruch b = term();
        for (;;) {
            if (nimm('+'))
                b = plus(b, term());
            else if (nimm('-'))
                b = minus(b, term());
            else
                return b;
        }
    }
    Bruch term()
    {
        Bruch b = faktor();
        for (;;) {
            if (nimm('*'))
                b = mal(b, faktor());
            else if (nimm('/'))
                b = durch(b, faktor());
            else
                return b;
        }
    }
    Bruch faktor()
    {
        if (nimm('-'))
            return minus(Bruch{}, faktor());
        if (nimm('(')) {
            Bruch b = ausdruck();
            if (!nimm(')'))
                throw std::invalid_argument(")");
            return b;
        }
        if (nimm('x')) {
            if (!m_x)
                throw std::invalid_argument("x");
            return *m_x;
        }
        leer();
        long long z = 0, n = 1;
        int ziffern = 0;
        while (m_i < m_t.size() && m_t[m_i].isDigit()) {
            z = z * 10 + m_t[m_i++].digitValue();
            ++ziffern;
        }
        if (m_i < m_t.size() && m_t[m_i] == QLatin1Char(',')) {
            ++m_i;
            while (m_i < m_t.size() && m_t[m_i].isDigit()) {
                z = z * 10 + m_t[m_i++].digitValue();
                n *= 10;
                ++ziffern;
            }
        }
        if (ziffern == 0)
            throw std::invalid_argument("Zahl");
        return Bruch::aus(z, n);
    }

    QString m_t;
    std::optional<Bruch> m_x;
    int m_i = 0;
};

}

std::optional<Bruch> rechne(const QString& ausdruck, std::optional<Bruch> x)
{
    try {
        return Leser(ausdruck, x).ganz();
    } catch (const std::exception&) {
        return std::nullopt;
    }
}
