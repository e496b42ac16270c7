#include "common/satzdatei.h"

#include "common/cp1252.h"
#include "common/fehler.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <cstring>

namespace kurztext {

QString lies(const char* p, int kapazitaet)
{
    int laenge = static_cast<unsigned char>(p[0]);
    if (laenge > kapazitaet)
        laenge = kapazitaet;
    return cp1252::dekodiere(QByteArray(p + 1, laenge));
}

void schreibe(char* p, int kapazitaet, const QString& text)
{
    const QByteArray b = cp1252::kodiere(text).left(kapazitaet);
    std::memset(p, 0, kapazitaet + 1);
    p[0] = static_cast<char>(b.size());
    std::memcpy(p + 1, b.constData(), b.size());
}

QByteArray satz(const QString& text, int kapazitaet)
{
    QByteArray s(kapazitaet + 1, '\0');
    schreibe(s.data(), kapazitaet, text);
    return s;
}

}

Satzdatei::Satzdatei(const QString& name, int satzgroesse) : m_name(name), m_groesse(satzgroesse)
{
    if (name.isEmpty() || name.contains(QLatin1Char('\0')) || satzgroesse <= 0)
        throw EAFehler(3);
    const QFileInfo info(name);
    if (!info.exists())
        throw EAFehler(2);
    // a folder, a pipe or a device of that name is no data file (a pipe would block)
    if (!info.isFile())
        throw EAFehler(5);
    QFile f(name);
    if (!f.open(QIODevice::ReadOnly))
        throw EAFehler(5);
    m_daten = f.readAll();
    m_schreibbar = info.isWritable();
}

Satzdatei::~Satzdatei()
{
    if (m_offen && m_geaendert) {
        try {
            speichere();
        } catch (const VelmoraFehler&) {
            // already unwinding from another error; the original file stays intact
        }
    }
}

int Satzdatei::satzzahl() const { return static_cast<int>(m_daten.size() / m_groesse); }

void Satzdatei::positioniere(int satz)
{
    if (satz < 0 || satz > satzzahl())
        throw EAFehler(100);
    m_pos = satz;
}

QByteArray Satzdatei::lies()
{
    if (m_pos >= satzzahl())
        throw EAFehler(100);
    QByteArray s = m_daten.mid(qsizetype(m_pos) * m_groesse, m_groesse);
    ++m_pos;
    return s;
}

void Satzdatei::schreibe(const QByteArray& satz)
{
    if (!m_schreibbar)
        throw EAFehler(5);
    if (m_pos >= satzzahl())
        throw EAFehler(100);
    QByteArray s = satz.left(m_groesse);
    s.append(QByteArray(m_groesse - s.size(), '\0'));
    std::memcpy(m_daten.data() + qsizetype(m_pos) * m_groesse, s.constData(), m_groesse);
    ++m_pos;
    m_geaendert = true;
}

QString Satzdatei::liesText()
{
    const QByteArray s = lies();
    return kurztext::lies(s.constData(), m_groesse - 1);
}

void Satzdatei::schreibeText(const QString& text) { schreibe(kurztext::satz(text, m_groesse - 1)); }

QStringList Satzdatei::liesTexte(const QString& name, int satzgroesse, int anzahl)
{
    Satzdatei d(name, satzgroesse);
    QStringList texte;
    for (int i = 0; i < anzahl; ++i)
        texte << d.liesText();
    return texte;
}

void Satzdatei::schreibeTexte(const QString& name, int satzgroesse, const QStringList& texte)
{
    Satzdatei d(name, satzgroesse);
    for (const QString& t : texte)
        d.schreibeText(t);
    d.schliesse();
}

void Satzdatei::schliesse()
{
    if (!m_offen)
        return;
    m_offen = false;
    if (m_geaendert)
        speichere();
}

void Satzdatei::speichere()
{
    m_geaendert = false;
    QSaveFile f(m_name);
    if (!f.open(QIODevice::WriteOnly))
        throw EAFehler(f.error() == QFileDevice::ResourceError ? 101 : 5);
    if (f.write(m_daten) != m_daten.size()) {
        f.cancelWriting();
        throw EAFehler(101);
    }
    if (!f.commit())
        throw EAFehler(f.error() == QFileDevice::PermissionsError ? 5 : 101);
}
