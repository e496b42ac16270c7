#include "platform/drucker.h"

#include "common/fehler.h"
#include "platform/dialoge.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

namespace {
QString g_zieldatei;
QString g_letzte;

[[noreturn]] void nichtGeschrieben(const QString& datei)
{
    throw VelmoraFehler(QStringLiteral("Kein Drucker eingerichtet. Die Datei %1 konnte nicht geschrieben werden.")
                            .arg(QDir::toNativeSeparators(datei)));
}
}

Druckauftrag::Druckauftrag() : m_drucker(std::make_unique<QPrinter>(QPrinter::HighResolution))
{
    const QPrinterInfo standard = QPrinterInfo::defaultPrinter();
    if (!g_zieldatei.isEmpty() || standard.isNull()) {
        m_datei = g_zieldatei;
        if (m_datei.isEmpty()) {
            QDir().mkpath(QStringLiteral("ausdrucke"));
            m_datei = QDir(QStringLiteral("ausdrucke")).absoluteFilePath(
                QStringLiteral("druck-%1.pdf").arg(QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss-zzz"))));
        }
        m_drucker->setOutputFormat(QPrinter::PdfFormat);
        m_drucker->setOutputFileName(m_datei);
    } else {
        m_drucker->setPrinterName(standard.printerName());
    }
    m_maler = std::make_unique<QPainter>();
    if (!m_maler->begin(m_drucker.get())) {
        // a read-only working folder: say which file could not be written
        if (!m_datei.isEmpty())
            nichtGeschrieben(m_datei);
        throw VelmoraFehler(QStringLiteral("Der Drucker kann nicht benutzt werden."));
    }
    // 0.1 mm per unit
    const double faktor = m_drucker->resolution() / 254.0;
    m_maler->scale(faktor, faktor);
    m_maler->setBrush(Qt::white);
}

Druckauftrag::~Druckauftrag()
{
    if (m_maler && m_maler->isActive())
        m_maler->end();
}

int Druckauftrag::seitenhoehe() const
{
    return static_cast<int>(m_drucker->pageRect(QPrinter::Millimeter).height() * 10.0);
}

void Druckauftrag::schrift(const QFont& f) { m_maler->setFont(f); }

void Druckauftrag::text(int x, int y, const QString& t)
{
    m_maler->drawText(x, y + m_maler->fontMetrics().ascent(), t);
}

void Druckauftrag::neueSeite() { m_drucker->newPage(); }

void Druckauftrag::beenden()
{
    // a job that could not be finished (spooler gone, disk full) is an error
    const bool beendet = m_maler->end();
    if (!m_datei.isEmpty() && (!beendet || !QFileInfo(m_datei).size()))
        nichtGeschrieben(m_datei);
    if (!beendet)
        throw VelmoraFehler(QStringLiteral("Der Ausdruck konnte nicht beendet werden."));
    g_letzte = m_datei;
    if (!m_datei.isEmpty() && g_zieldatei.isEmpty())
        dialog::zeige(QStringLiteral("Kein Drucker eingerichtet. Der Ausdruck wurde in der Datei %1 gespeichert.")
                          .arg(QDir::toNativeSeparators(m_datei)));
}

void Druckauftrag::setzeZieldatei(const QString& datei) { g_zieldatei = datei; }

QString Druckauftrag::letzteDatei() { return g_letzte; }
