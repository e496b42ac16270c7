#include "platform/drucker.h"

#include "common/fehler.h"
#include "platform/dialoge.h"
#include "platform/druckdienst.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTemporaryFile>

#include <sys/stat.h>
#include <unistd.h>

namespace {
QString g_zieldatei;
QString g_letzte;

const QString kTitel = QStringLiteral("VELMORA");
const QString kKeinDrucker = QStringLiteral("Kein Drucker eingerichtet.");
const QString kNichtErreichbar =
    QStringLiteral("Ein Drucker ist eingerichtet, aber der Druckdienst ist nicht erreichbar.");
const QString kNichtBeendet = QStringLiteral("Der Ausdruck konnte nicht beendet werden.");

[[noreturn]] void nichtGeschrieben(const QString& grund, const QString& datei)
{
    throw VelmoraFehler(grund + QStringLiteral(" Die Datei %1 konnte nicht geschrieben werden.")
                                    .arg(QDir::toNativeSeparators(datei)));
}

// The folder is made with the working folder's group and permission bits: in
// a folder shared by a group (setgid, group write) every account of that
// group may print into it, whichever made it; in a private folder it stays
// private. An existing folder is left as it is.
void legeAblageAn(const QString& ordner)
{
    const QByteArray pfad = QFile::encodeName(ordner);
    if (::mkdir(pfad.constData(), 0777) != 0)
        return;  // there already, or the working folder takes none: the PDF's message tells
    struct stat arbeitsordner;
    // the group first (a change of group may clear the set-group-id bit); a
    // group the account is no member of is not given, nor are its bits
    if (::stat(".", &arbeitsordner) != 0 || ::chown(pfad.constData(), uid_t(-1), arbeitsordner.st_gid) != 0)
        return;
    (void)!::chmod(pfad.constData(), arbeitsordner.st_mode & 07777);
}

QString neueAblage()
{
    legeAblageAn(QStringLiteral("ausdrucke"));
    return QDir(QStringLiteral("ausdrucke")).absoluteFilePath(
        QStringLiteral("druck-%1.pdf").arg(QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss-zzz"))));
}
}

Druckauftrag::Druckauftrag() : m_drucker(std::make_unique<QPrinter>(QPrinter::HighResolution))
{
    druckdienst::Standard standard;
    if (g_zieldatei.isEmpty())
        standard = druckdienst::standard();
    if (standard.lage == druckdienst::Lage::Drucker) {
        // the printer's page and margins, drawn into a PDF that the service is handed
        if (!QPrinterInfo::printerInfo(standard.drucker).isNull())
            m_drucker->setPrinterName(standard.drucker);
        const QPageLayout seite = m_drucker->pageLayout();
        m_zwischen = std::make_unique<QTemporaryFile>(QDir(QDir::tempPath()).filePath(QStringLiteral("velmora-XXXXXX.pdf")));
        if (!m_zwischen->open())
            throw VelmoraFehler(QStringLiteral("Der Drucker kann nicht benutzt werden."));
        m_zwischen->close();
        m_warteschlange = standard.drucker;
        m_drucker->setOutputFormat(QPrinter::PdfFormat);
        m_drucker->setPageLayout(seite);
        m_drucker->setOutputFileName(m_zwischen->fileName());
    } else {
        m_datei = g_zieldatei.isEmpty() ? neueAblage() : g_zieldatei;
        m_ersatzGrund = standard.lage == druckdienst::Lage::NichtErreichbar ? kNichtErreichbar : kKeinDrucker;
        m_drucker->setOutputFormat(QPrinter::PdfFormat);
        m_drucker->setOutputFileName(m_datei);
    }
    m_drucker->setDocName(kTitel);
    m_maler = std::make_unique<QPainter>();
    if (!m_maler->begin(m_drucker.get())) {
        // a read-only working folder: say which file could not be written
        if (!m_datei.isEmpty())
            nichtGeschrieben(m_ersatzGrund, m_datei);
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
    // a job that could not be finished (disk full) is an error
    const bool beendet = m_maler->end();
    if (m_zwischen) {
        if (!beendet || !QFileInfo(m_zwischen->fileName()).size())
            throw VelmoraFehler(kNichtBeendet);
        // the service copies the file before it answers
        QString grund;
        const int auftrag = druckdienst::sende(
            {m_warteschlange, m_zwischen->fileName(), kTitel, m_drucker->pageLayout().pageSize().key()}, grund);
        m_zwischen.reset();
        if (auftrag == 0)
            throw VelmoraFehler(grund.isEmpty() ? kNichtBeendet
                                                : kNichtBeendet + QStringLiteral(" Der Druckdienst meldet: ") + grund);
        g_letzte.clear();
        return;
    }
    if (!beendet || !QFileInfo(m_datei).size())
        nichtGeschrieben(m_ersatzGrund, m_datei);
    g_letzte = m_datei;
    if (g_zieldatei.isEmpty())
        dialog::zeige(m_ersatzGrund + QStringLiteral(" Der Ausdruck wurde in der Datei %1 gespeichert.")
                                          .arg(QDir::toNativeSeparators(m_datei)));
}

void Druckauftrag::setzeZieldatei(const QString& datei) { g_zieldatei = datei; }

QString Druckauftrag::letzteDatei() { return g_letzte; }
