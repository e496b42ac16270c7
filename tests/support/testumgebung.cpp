#include "tests/support/testumgebung.h"

#include "common/satzdatei.h"
#include "common/zustand.h"
#include "content/arbeitsordner.h"
#include "platform/dialoge.h"
#include "platform/form.h"
#include "shell/ergebnisse.h"
#include "shell/highscore.h"
#include "shell/nutzerregister.h"
#include "shell/programmtabelle.h"
#include "shell/uform5.h"
#include "shell/unut02.h"
#include "shell/verwaltung.h"

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QFile>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <unistd.h>

namespace {

// The folder as the builder makes it, built once per test program: building
// the content costs far more than copying it, and every test starts from the
// same bytes. Only the process that made it removes it, not a forked child.
class Vorlage {
public:
    Vorlage() : m_von(::getpid())
    {
        m_dir.setAutoRemove(false);
        baueArbeitsordner(m_dir.path(), QStringLiteral(VELMORA_CONTENT_DIR "/quellen"));
    }
    ~Vorlage()
    {
        if (::getpid() == m_von)
            m_dir.remove();
    }
    QDir dir() const { return QDir(m_dir.path()); }

private:
    QTemporaryDir m_dir;
    pid_t m_von;
};

}

Arbeitsordner::Arbeitsordner() : m_vorher(QDir::currentPath())
{
    static const Vorlage vorlage;
    const QDir von = vorlage.dir();
    for (const QString& name : von.entryList(QDir::Files | QDir::Hidden))
        if (!QFile::copy(von.filePath(name), m_dir.filePath(name)))
            qFatal("Arbeitsordner: %s kann nicht kopiert werden", qPrintable(name));
    QDir::setCurrent(m_dir.path());
}

Arbeitsordner::~Arbeitsordner() { QDir::setCurrent(m_vorher); }

QByteArray Arbeitsordner::lies(const QString& datei) const
{
    QFile f(pfad(datei));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void Arbeitsordner::schreibe(const QString& datei, const QByteArray& daten) const
{
    QFile f(pfad(datei));
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        f.write(daten);
}

QStringList Arbeitsordner::dateien() const { return QDir(m_dir.path()).entryList(QDir::Files | QDir::Hidden); }

ModalWaechter::ModalWaechter(std::function<void(QWidget*)> aktion, int timeoutMs)
    : m_ausgeloest(std::make_shared<bool>(false)), m_aktiv(std::make_shared<bool>(true))
{
    QWidget* vorher = QApplication::activeModalWidget();
    auto uhr = std::make_shared<QElapsedTimer>();
    uhr->start();
    auto timer = new QTimer(qApp);
    timer->setInterval(1);
    auto ausgeloest = m_ausgeloest;
    auto aktiv = m_aktiv;
    QObject::connect(timer, &QTimer::timeout, timer, [=]() {
        QWidget* modal = QApplication::activeModalWidget();
        // Shown is not yet enough: keys go to the focus widget, which the
        // window gets only once the platform has activated it.
        if (*aktiv && !*ausgeloest && modal && modal != vorher && modal->isVisible()
            && modal->isActiveWindow()) {
            *ausgeloest = true;
            aktion(modal);
            return;
        }
        if (!*aktiv) {  // the watcher's scope has ended
            timer->stop();
            timer->deleteLater();
            return;
        }
        if (uhr->elapsed() > timeoutMs) {
            // whatever is still open, close it, topmost first
            while (QWidget* m = QApplication::activeModalWidget()) {
                if (m == vorher)
                    break;
                if (auto* d = qobject_cast<QDialog*>(m))
                    d->reject();
                else
                    m->close();
                if (QApplication::activeModalWidget() == m)
                    m->hide();  // a window that refuses to close must not hang the test
            }
            timer->deleteLater();
            timer->stop();
        }
    });
    timer->start();
}

ModalWaechter::~ModalWaechter() { *m_aktiv = false; }

Fensterprotokoll::Fensterprotokoll()
{
    Form::setzeModalErsatz([this](Form* f) {
        gezeigt << f->objectName();
        f->show();
        f->hide();
        return 0;
    });
    Programmtabelle& t = Programmtabelle::global();
    t.leeren();
    registriereVerwaltung(t);
}

Fensterprotokoll::~Fensterprotokoll()
{
    Form::setzeModalErsatz(nullptr);
    Programmtabelle::global().leeren();
}

void tippe(QWidget* w, const QString& text)
{
    for (QChar c : text) {
        if (c.unicode() < 128 && c.isPrint())
            QTest::keyClick(w, c.toLatin1());
        else
            QTest::sendKeyEvent(QTest::Click, w, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

void setzeRegister(const QStringList& namen)
{
    QStringList alle = namen;
    while (alle.size() < nutzerregister::kSlots)
        alle << nutzerregister::kFrei;
    nutzerregister::schreibe(alle);
}

void waehleNutzer(int slot, const QString& name)
{
    nutzer = slot;
    nutzername = name;
    Satzdatei register_(nutzerregister::kDatei, 21);
    register_.positioniere(slot - 1);
    register_.schreibeText(name);
    register_.schliesse();
}

void trageEinImFenster(const QString& name)
{
    Tnut02& f = Tnut02::instanz();
    f.show();
    tippe(f.edi1nut02, name);
    QTest::keyClick(f.edi1nut02, Qt::Key_Return);
}

void loescheZweiten(dialog::Skript& skript, const std::function<void()>& vorDerWahl)
{
    skript.antworten = {dialog::Knopf::Nein};
    TForm5& f = TForm5::instanz();
    f.show();
    QTest::mouseClick(f.Button1, Qt::LeftButton);
    if (vorDerWahl)
        vorDerWahl();
    QTest::keyClick(&f, Qt::Key_Down);
    QTest::keyClick(&f, Qt::Key_Return);
    f.hide();
}

void ergein(int u, int n, float punkte)
{
    const QString neu = ergebnis::neuerSatz(punkte);
    QString vorher;
    ergebnis::trageEin(u, n, neu, vorher);
    ergebnis::setzeZeile(n, neu, vorher);
}

void highein(int n, float punkte)
{
    double bester = 0.0;
    highscore::trageEin(n, punkte, nutzername, bester);
    highscore::schliesseZeileAb(bester, punkte);
}
