#include "common/satzdatei.h"

#include "common/cp1252.h"
#include "common/dateischreiben.h"
#include "common/dateisperre.h"
#include "common/fehler.h"

#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <algorithm>
#include <cstring>
#include <stdexcept>

namespace kurztext {

QString lies(const char* p, int kapazitaet)
{
    int laenge = static_cast<unsigned char>(p[0]);
    if (laenge > kapazitaet) {
        // a damaged length byte: the zero padding after the text is no text
        const void* null = std::memchr(p + 1, 0, kapazitaet);
        laenge = null ? static_cast<int>(static_cast<const char*>(null) - (p + 1)) : kapazitaet;
    }
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

namespace satzdatei {

namespace {

// The records that differ between geaendert and gelesen, put onto jetzt: what
// another program saved since the file was read stays. Error 100 when the file
// is no longer the size it was read at.
QByteArray aufgetragen(const QByteArray& geaendert, const QByteArray& gelesen, const QByteArray& jetzt, int satzgroesse)
{
    if (jetzt.size() != geaendert.size())
        throw EAFehler(100);
    QByteArray neu = jetzt;
    for (qsizetype pos = 0; pos < geaendert.size(); pos += satzgroesse) {
        const qsizetype n = qMin<qsizetype>(satzgroesse, geaendert.size() - pos);
        if (std::memcmp(geaendert.constData() + pos, gelesen.constData() + pos, size_t(n)) != 0)
            std::memcpy(neu.data() + pos, geaendert.constData() + pos, size_t(n));
    }
    return neu;
}

}

}

Satzdatei::Satzdatei(const QString& name, int satzgroesse) : Satzdatei(name, satzgroesse, false) {}

Satzdatei::Satzdatei(const QString& name, int satzgroesse, bool zumSpeichern) : m_name(name), m_groesse(satzgroesse)
{
    if (name.isEmpty() || name.contains(QLatin1Char('\0')) || satzgroesse <= 0)
        throw EAFehler(3);
    const QFileInfo info(name);
    if (!info.exists())
        throw EAFehler(2);
    // a folder, a pipe or a device of that name is no data file (a pipe would block)
    if (!info.isFile())
        throw EAFehler(5);
    if (info.size() > satzdatei::kHoechstgroesse)
        throw EAFehler(223);
    // read and changed under the lock, until it is closed
    m_sperre = Dateisperre::nimm(satzdatei::ziel(name), name,
                                 zumSpeichern ? Dateisperre::Zweck::Speichern : Dateisperre::Zweck::Lesen);
    m_daten = satzdatei::liesGanz(m_sperre->fd());  // 223 if grown since it was looked at
    m_gelesen = m_daten;
    m_schreibbar = m_sperre->schreibbar();
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
        throw EAFehler::nurLesbar(m_name);
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
    Satzdatei d(name, satzgroesse, true);
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
    m_sperre.reset();
}

void Satzdatei::speichere()
{
    m_geaendert = false;
    const QByteArray jetzt = satzdatei::liesGanz(m_sperre->fd());
    const QByteArray neu = satzdatei::aufgetragen(m_daten, m_gelesen, jetzt, m_groesse);
    satzdatei::schreibeSaetze(m_sperre->pfad(), neu, jetzt, m_groesse, m_sperre.get());
    m_daten = neu;
    m_gelesen = neu;
}

Dateigruppe::Dateigruppe(const QStringList& namen)
{
    for (const QString& name : namen)
        m_pfade.push_back(satzdatei::ziel(name));
    std::sort(m_pfade.begin(), m_pfade.end());
    m_pfade.erase(std::unique(m_pfade.begin(), m_pfade.end()), m_pfade.end());
    for (const QByteArray& pfad : m_pfade)
        m_sperren.push_back(
            Dateisperre::nimm(pfad, QFileInfo(QFile::decodeName(pfad)).fileName(), Dateisperre::Zweck::Speichern));
}

Satzdatei& Dateigruppe::oeffne(const QString& name, int satzgroesse)
{
    // only a file locked with the group: any other would be locked out of order
    const QByteArray pfad = satzdatei::ziel(name);
    if (!std::binary_search(m_pfade.cbegin(), m_pfade.cend(), pfad))
        throw std::invalid_argument(
            QStringLiteral("Dateigruppe: %1 wurde der Gruppe nicht genannt").arg(name).toStdString());
    for (const auto& d : m_dateien) {
        if (d->m_sperre->pfad() != pfad)
            continue;
        if (d->m_groesse != satzgroesse)
            throw std::invalid_argument(
                QStringLiteral("Dateigruppe: %1 ist schon mit einer anderen Satzgröße geöffnet").arg(name).toStdString());
        return *d;
    }
    std::unique_ptr<Satzdatei> datei(new Satzdatei(name, satzgroesse, true));
    datei->m_offen = false;  // written by schreibe(), never by closing or the destructor
    if (!datei->m_schreibbar)
        throw EAFehler::nurLesbar(name);
    m_dateien.push_back(std::move(datei));
    return *m_dateien.back();
}

void Dateigruppe::schreibe()
{
    using namespace satzdatei;
    std::vector<Auftrag> auftraege;
    for (const auto& d : m_dateien) {
        const QByteArray jetzt = liesGanz(d->m_sperre->fd());
        auftraege.push_back({d->m_sperre->pfad(), aufgetragen(d->m_daten, d->m_gelesen, jetzt, d->m_groesse), jetzt,
                             d->m_groesse, d->m_sperre.get(), {}});
    }
    // every copy is written before the first file changes; on a failure here the
    // copies made so far are removed with their Auftrag
    for (Auftrag& a : auftraege)
        a.vorbereiten();
    QSet<QByteArray> umbenannt;
    for (size_t i = 0; i < auftraege.size(); ++i) {
        try {
            if (auftraege[i].ausfuehren())
                umbenannt.insert(ordnerVon(auftraege[i].ziel));
        } catch (const EAFehler&) {
            // the files before it hold their new bytes already: give them their old ones back
            for (size_t j = 0; j < i; ++j) {
                try {
                    schreibeSaetze(auftraege[j].ziel, auftraege[j].alt, auftraege[j].daten, auftraege[j].satzgroesse,
                                   auftraege[j].sperre);
                } catch (const EAFehler&) {
                    // nothing more can be done; the file holds its new bytes
                }
            }
            throw;
        }
    }
    for (const QByteArray& ordner : umbenannt)
        syncOrdner(ordner);
}
