#include "bench/rundgang.h"

#include "common/textformat.h"
#include "common/zustand.h"
#include "platform/dialoge.h"
#include "shell/aufruf.h"
#include "shell/nutzerregister.h"
#include "shell/programmtabelle.h"

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QEvent>
#include <QFile>
#include <QPointer>
#include <QHash>
#include <QTimer>

namespace {

constexpr int kMalenMs = 5000;  // a window not painted by then counts as unpainted

// Closes every dialog window at its first paint after it was shown.
class Schliesser : public QObject {
public:
    explicit Schliesser(Rundgang& r) : m_r(r) { qApp->installEventFilter(this); }
    ~Schliesser() override { qApp->removeEventFilter(this); }
    int programm = 0;

    bool eventFilter(QObject* o, QEvent* e) override
    {
        // a window counts as painted when it or a control on it is painted (an
        // image may cover the whole window)
        auto* w = qobject_cast<QWidget*>(o);
        auto* d = w ? qobject_cast<QDialog*>(w->window()) : nullptr;
        if (!d)
            return false;
        if (e->type() == QEvent::Show && w == d && !e->spontaneous()) {
            const int gezeigt = ++m_gezeigt;
            m_offen.insert(d, gezeigt);
            // The closer owns the timer: it lives on the tour's stack and is gone
            // once the tour returns, while a dialog outlives it.
            QTimer::singleShot(kMalenMs, this, [this, d = QPointer<QDialog>(d), gezeigt] {
                if (d && m_offen.value(d) == gezeigt && m_offen.remove(d) && d->isVisible()) {
                    m_r.ungemalt << d->objectName();
                    d->done(0);
                }
            });
        } else if (e->type() == QEvent::Paint && m_offen.remove(d)) {
            ++m_r.gemalt;
            if (d->objectName() == QLatin1String("regel")) {
                m_uhr.start();
            } else if (m_uhr.isValid()) {
                m_r.oeffnen.push_back({m_uhr.nsecsElapsed() / 1e6, programm});
                m_uhr.invalidate();
            }
            // after this paint has reached the screen
            QTimer::singleShot(0, this, [d = QPointer<QDialog>(d)] {
                if (d && d->isVisible())
                    d->done(0);
            });
        }
        return false;
    }

private:
    Rundgang& m_r;
    QHash<QDialog*, int> m_offen;  // shown, not yet painted: the number of the show
    int m_gezeigt = 0;
    QElapsedTimer m_uhr;
};

class Maler : public QObject {
public:
    bool gemalt = false;
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == QEvent::Paint)
            gemalt = true;
        return false;
    }
};

// The tour's user in the register, entered into a free slot if he is not there
// yet: the level choosers open only for a user the register holds. Slot 1 when
// the register has no room or cannot be read.
void waehleMessnutzer()
{
    nutzer = 1;
    nutzername = QStringLiteral("Messung");
    try {
        // entered, or there already under these letters in any case
        nutzerregister::trageEin(nutzername);
        const QStringList plaetze = nutzerregister::lies();
        for (int i = 0; i < plaetze.size(); ++i)
            if (textformat::grossAZ(plaetze[i]) == textformat::grossAZ(nutzername)) {
                nutzer = i + 1;
                nutzername = plaetze[i];
                return;
            }
    } catch (const std::exception&) {
    }
}

}

Rundgang macheRundgang()
{
    Rundgang r;
    waehleMessnutzer();
    const int messnutzer = nutzer;
    const QString messname = nutzername;
    dialog::Skript skript;  // message boxes answer at once
    Schliesser schliesser(r);
    const Programmtabelle& t = Programmtabelle::global();
    for (int n = 1; n <= 131; ++n) {
        if (!t.hat(n) && n != 8)
            continue;
        schliesser.programm = n;
        QElapsedTimer dauer;
        dauer.start();
        try {
            aufruf(n, n <= 11 ? Menueart::Knopfmenue : Menueart::Windowsmenue);
        } catch (const std::exception&) {
            // a file error of the program's window is no fault of the tour
        }
        if (dauer.elapsed() > 4 * kMalenMs)
            r.haengend << QString::number(n);
        // a window may have chosen none
        nutzer = messnutzer;
        nutzername = messname;
    }
    return r;
}

bool warteAufMalen(QWidget* fenster, int timeoutMs)
{
    Maler maler;
    fenster->installEventFilter(&maler);
    fenster->update();
    QElapsedTimer uhr;
    uhr.start();
    while (!maler.gemalt && uhr.elapsed() < timeoutMs)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    fenster->removeEventFilter(&maler);
    QCoreApplication::processEvents();
    return maler.gemalt;
}

Speicher speicher()
{
    Speicher s;
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly))
        return s;
    for (const QByteArray& zeile : f.readAll().split('\n')) {
        if (zeile.startsWith("VmRSS:"))
            s.aktuell = zeile.mid(6).trimmed().split(' ').first().toLong();
        else if (zeile.startsWith("VmHWM:"))
            s.spitze = zeile.mid(6).trimmed().split(' ').first().toLong();
    }
    return s;
}
