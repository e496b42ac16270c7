#include "platform/drucker.h"

#include "common/fehler.h"
#include "platform/dialoge.h"
#include "platform/druckdienst.h"

#include <QBuffer>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTemporaryFile>

#include <cerrno>
#include <fcntl.h>
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

[[noreturn]] void nichtGeschrieben(const QString& grund, const QString& datei, const QString& ursache)
{
    throw VelmoraFehler(grund + QStringLiteral(" Die Datei %1 konnte nicht geschrieben werden: %2.")
                                    .arg(QDir::toNativeSeparators(datei), ursache));
}

// The folder is made with the working folder's group and permission bits: in
// a folder shared by a group (setgid, group write) every account of that
// group may print into it, whichever made it; in a private folder it stays
// private. An existing folder is left as it is. The error when none could be
// made, else 0.
int legeAblageAn(const QString& ordner)
{
    const QByteArray pfad = QFile::encodeName(ordner);
    if (::mkdir(pfad.constData(), 0777) != 0)
        return errno == EEXIST ? 0 : errno;  // what is there already is looked at when the PDF is written
    struct stat arbeitsordner;
    // the group first (a change of group may clear the set-group-id bit); a
    // group the account is no member of is not given, nor are its bits
    if (::stat(".", &arbeitsordner) != 0 || ::chown(pfad.constData(), uid_t(-1), arbeitsordner.st_gid) != 0)
        return 0;
    (void)!::chmod(pfad.constData(), arbeitsordner.st_mode & 07777);
    return 0;
}

QString neueAblage()
{
    return QDir(QStringLiteral("ausdrucke")).absoluteFilePath(
        QStringLiteral("druck-%1.pdf").arg(QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss-zzz"))));
}

// Writes the finished PDF into datei; empty when it is there whole, else why
// not, in the program's words. The bytes go out here and not through the
// toolkit, which keeps the system's reason to itself; a file begun here is
// removed again.
QString speichere(const QString& datei, const QByteArray& pdf)
{
    const QFileInfo ordner(QFileInfo(datei).absolutePath());
    if (ordner.exists() && !ordner.isDir())
        return QStringLiteral("%1 ist kein Ordner").arg(ordner.fileName());
    const QByteArray pfad = QFile::encodeName(datei);
    bool neu = true;
    int fd = ::open(pfad.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0 && errno == EEXIST) {
        neu = false;
        fd = ::open(pfad.constData(), O_WRONLY | O_TRUNC | O_CLOEXEC);
    }
    if (fd < 0)
        return EAFehler::ausErrno(errno).text();
    int fehler = 0;
    for (qsizetype fertig = 0; fertig < pdf.size() && !fehler;) {
        const ssize_t n = ::write(fd, pdf.constData() + fertig, size_t(pdf.size() - fertig));
        if (n > 0)
            fertig += n;
        else if (n == 0 || errno != EINTR)
            fehler = n == 0 ? ENOSPC : errno;
    }
    if (::close(fd) != 0 && !fehler)
        fehler = errno;
    if (!fehler)
        return {};
    if (neu)
        ::unlink(pfad.constData());
    return EAFehler::ausErrno(fehler).text();
}
}

Druckauftrag::Druckauftrag()
{
    druckdienst::Standard standard;
    if (g_zieldatei.isEmpty())
        standard = druckdienst::standard();
    // the page and resolution: the printer's, or the toolkit's for a PDF
    QPrinter drucker(QPrinter::HighResolution);
    QPageLayout seite;
    if (standard.lage == druckdienst::Lage::Drucker) {
        // the printer's page and margins, drawn into a PDF that the service is handed
        if (!QPrinterInfo::printerInfo(standard.drucker).isNull())
            drucker.setPrinterName(standard.drucker);
        seite = drucker.pageLayout();
        m_zwischen = std::make_unique<QTemporaryFile>(QDir(QDir::tempPath()).filePath(QStringLiteral("velmora-XXXXXX.pdf")));
        if (!m_zwischen->open())
            throw VelmoraFehler(QStringLiteral("Der Drucker kann nicht benutzt werden."));
        m_warteschlange = standard.drucker;
        drucker.setOutputFormat(QPrinter::PdfFormat);
    } else {
        m_ersatzGrund = standard.lage == druckdienst::Lage::NichtErreichbar ? kNichtErreichbar : kKeinDrucker;
        if (g_zieldatei.isEmpty()) {
            m_ablageFehler = legeAblageAn(QStringLiteral("ausdrucke"));
            m_datei = neueAblage();
        } else {
            m_datei = g_zieldatei;
        }
        drucker.setOutputFormat(QPrinter::PdfFormat);
        seite = drucker.pageLayout();
    }
    // drawn in memory: the file is written once the job is finished
    m_puffer = std::make_unique<QBuffer>(&m_pdf);
    m_puffer->open(QIODevice::WriteOnly);
    m_seite = std::make_unique<QPdfWriter>(m_puffer.get());
    m_seite->setTitle(kTitel);
    m_seite->setResolution(drucker.resolution());
    m_seite->setPageLayout(seite);
    m_maler = std::make_unique<QPainter>();
    if (!m_maler->begin(m_seite.get()))
        throw VelmoraFehler(QStringLiteral("Der Drucker kann nicht benutzt werden."));
    // 0.1 mm per unit
    const double faktor = m_seite->resolution() / 254.0;
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
    return static_cast<int>(m_seite->pageLayout().paintRect(QPageLayout::Millimeter).height() * 10.0);
}

void Druckauftrag::schrift(const QFont& f) { m_maler->setFont(f); }

void Druckauftrag::text(int x, int y, const QString& t)
{
    m_maler->drawText(x, y + m_maler->fontMetrics().ascent(), t);
}

void Druckauftrag::neueSeite() { m_seite->newPage(); }

void Druckauftrag::beenden()
{
    const bool beendet = m_maler->end() && !m_pdf.isEmpty();
    if (m_zwischen) {
        // a job that could not be finished (disk full) is an error
        if (!beendet || m_zwischen->write(m_pdf) != m_pdf.size() || !m_zwischen->flush())
            throw VelmoraFehler(kNichtBeendet);
        // the service copies the file before it answers
        QString grund;
        const int auftrag = druckdienst::sende(
            {m_warteschlange, m_zwischen->fileName(), kTitel, m_seite->pageLayout().pageSize().key()}, grund);
        m_zwischen.reset();
        if (auftrag == 0)
            throw VelmoraFehler(grund.isEmpty() ? kNichtBeendet
                                                : kNichtBeendet + QStringLiteral(" Der Druckdienst meldet: ") + grund);
        g_letzte.clear();
        return;
    }
    if (!beendet)
        throw VelmoraFehler(kNichtBeendet);
    const QString ursache = m_ablageFehler ? EAFehler::ausErrno(m_ablageFehler).text() : speichere(m_datei, m_pdf);
    if (!ursache.isEmpty())
        nichtGeschrieben(m_ersatzGrund, m_datei, ursache);
    g_letzte = m_datei;
    if (g_zieldatei.isEmpty())
        dialog::zeige(m_ersatzGrund + QStringLiteral(" Der Ausdruck wurde in der Datei %1 gespeichert.")
                                          .arg(QDir::toNativeSeparators(m_datei)));
}

void Druckauftrag::setzeZieldatei(const QString& datei) { g_zieldatei = datei; }

QString Druckauftrag::letzteDatei() { return g_letzte; }
