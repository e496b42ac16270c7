#include "tests/affe/affe.h"

#include "shell/upasswort.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QTimer>
#include <QWindow>
#include <chrono>
#include <cstdio>
#include <cstdlib>

// The window system's own entry points for input, as a platform plugin uses them.
Q_GUI_EXPORT void qt_handleKeyEvent(QWindow* w, QEvent::Type t, int k, Qt::KeyboardModifiers mods,
                                    const QString& text = QString(), bool autorep = false, ushort count = 1);
Q_GUI_EXPORT void qt_handleMouseEvent(QWindow* window, const QPointF& local, const QPointF& global,
                                      Qt::MouseButtons state, Qt::MouseButton button, QEvent::Type type,
                                      Qt::KeyboardModifiers mods, int timestamp);

namespace {

qint64 jetztMs()
{
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

struct Zeichen {
    Qt::Key key;
    const char* text;  // UTF-8
};

const Zeichen kUmlaute[] = {{Qt::Key_Adiaeresis, "ä"}, {Qt::Key_Odiaeresis, "ö"}, {Qt::Key_Udiaeresis, "ü"},
                            {Qt::Key_ssharp, "ß"},     {Qt::Key_Adiaeresis, "Ä"}, {Qt::Key_Odiaeresis, "Ö"},
                            {Qt::Key_Udiaeresis, "Ü"}};
const Zeichen kSonstige[] = {{Qt::Key_Comma, ","}, {Qt::Key_Minus, "-"}, {Qt::Key_Period, "."},
                             {Qt::Key_Tab, "\t"}};
const Qt::Key kPfeile[] = {Qt::Key_Left, Qt::Key_Right, Qt::Key_Up, Qt::Key_Down};

// Buttons whose click ends the window they sit on.
bool endetFenster(const QAbstractButton* b)
{
    static const QStringList texte{"zurück", "ende", "abbrechen", "cancel", "ok", "o.k.", "nein", "schließen"};
    return texte.contains(b->text().remove(QLatin1Char('&')).trimmed().toLower());
}

template <typename T>
QList<T*> bedienbare(QWidget* oben)
{
    QList<T*> liste;
    for (T* w : oben->findChildren<T*>())
        if (w->isVisible() && w->isEnabled() && w->window() == oben && !w->rect().isEmpty())
            liste << w;
    return liste;
}

}

Wachhund::Wachhund(int grenzeMs) : m_grenzeMs(grenzeMs), m_faden([this] { wache(); }) {}

Wachhund::~Wachhund()
{
    m_ende = true;
    m_faden.join();
}

void Wachhund::scharf(const QString& wer)
{
    {
        std::lock_guard<std::mutex> sperre(m_mutex);
        m_wer = wer.toStdString();
        m_was = "Start";
    }
    m_zuletzt = jetztMs();
    m_scharf = true;
}

void Wachhund::lebt(const QString& was)
{
    static const bool protokoll = qEnvironmentVariableIsSet("AFFE_PROTOKOLL");
    if (protokoll)
        std::fprintf(stderr, "%s\n", qPrintable(was));
    {
        std::lock_guard<std::mutex> sperre(m_mutex);
        m_was = was.toStdString();
    }
    m_zuletzt = jetztMs();
}

void Wachhund::ruhe() { m_scharf = false; }

void Wachhund::wache()
{
    while (!m_ende) {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        if (!m_scharf || jetztMs() - m_zuletzt <= m_grenzeMs)
            continue;
        std::lock_guard<std::mutex> sperre(m_mutex);
        std::fprintf(stderr, "FAIL! Affe: kein Ereignis seit %d ms in %s, zuletzt: %s\n", m_grenzeMs, m_wer.c_str(),
                     m_was.c_str());
        std::fflush(stderr);
        std::abort();
    }
}

Affe::Affe(quint32 saat, long budget, Wachhund* hund) : m_zufall(saat), m_budget(budget), m_hund(hund) {}

bool Affe::eventFilter(QObject* ziel, QEvent* e)
{
    if ((e->type() == QEvent::KeyPress || e->type() == QEvent::MouseButtonPress) && e->spontaneous()
        && ziel->isWidgetType())
        m_angekommen = true;
    return false;
}

void Affe::halte()
{
    m_laeuft = false;
    qApp->removeEventFilter(this);
}

void Affe::starte()
{
    qApp->installEventFilter(this);
    m_laeuft = true;
    QTimer::singleShot(0, this, [this] { takt(); });
}

void Affe::takt()
{
    if (!m_laeuft)
        return;
    // The next tick is due before this one acts: when the action opens a modal
    // window, that window's loop runs the ticks that answer it. Now and then a
    // pause lets the windows' own timers run.
    QTimer::singleShot(wuerfel(200) == 0 ? 5 + wuerfel(20) : 0, this, [this] { takt(); });
    QWidget* oben = QApplication::activeModalWidget();
    if (!oben || !oben->isVisible() || !oben->windowHandle()) {
        m_schliessziel = nullptr;
        m_hund->lebt(QStringLiteral("wartet auf ein Fenster"));
        return;
    }
    if (schliesst()) {
        if (++m_schliesstakte > 20000) {
            std::fprintf(stderr, "FAIL! Affe: %s endet nicht, zuoberst %s\n", qPrintable(wer),
                         qPrintable(oben->objectName()));
            std::abort();
        }
        schliesse(oben);
    } else {
        ++m_ereignisse;
        zufallsaktion(oben);
    }
}

void Affe::zufallsaktion(QWidget* oben)
{
    if (auto* box = qobject_cast<QMessageBox*>(oben); box && wuerfel(2) == 0) {
        const QList<QAbstractButton*> knoepfe = box->buttons();
        if (!knoepfe.isEmpty()) {
            klickeAuf(oben, knoepfe.at(wuerfel(knoepfe.size())));
            return;
        }
    }
    if (oben == &TPasswordDlg::instanz() && wuerfel(4) == 0) {
        // now and then the right password, so that deleting users is reached too
        for (int i = 0; i < 12; ++i)
            taste(oben, Qt::Key_Backspace, QStringLiteral("\b"));
        for (QChar c : TPasswordDlg::kPasswort)
            taste(oben, Qt::Key(Qt::Key_A + (c.unicode() - 'a')), QString(c));
        taste(oben, Qt::Key_Return, QStringLiteral("\r"));
        return;
    }
    const int w = wuerfel(100);
    if (w < 60) {
        zufallstaste(oben);
    } else if (w < 72) {
        klick(oben, QPoint(wuerfel(oben->width()), wuerfel(oben->height())));
    } else if (w < 88) {
        QList<QAbstractButton*> knoepfe = bedienbare<QAbstractButton>(oben);
        // the buttons that end a window mostly left alone, so that runs go deep
        if (wuerfel(5) != 0) {
            QList<QAbstractButton*> bleiben;
            for (QAbstractButton* b : knoepfe)
                if (!endetFenster(b))
                    bleiben << b;
            if (!bleiben.isEmpty())
                knoepfe = bleiben;
        }
        if (knoepfe.isEmpty())
            klick(oben, QPoint(wuerfel(oben->width()), wuerfel(oben->height())));
        else
            klickeAuf(oben, knoepfe.at(wuerfel(knoepfe.size())));
    } else {
        // a random point of a random control: list boxes, grids and paint boxes too
        const QList<QWidget*> teile = bedienbare<QWidget>(oben);
        if (teile.isEmpty())
            return;
        QWidget* t = teile.at(wuerfel(teile.size()));
        const QPoint p = t->mapTo(oben, QPoint(wuerfel(t->width()), wuerfel(t->height())));
        klick(oben, p, w >= 97);
    }
}

void Affe::zufallstaste(QWidget* oben)
{
    const int w = wuerfel(1000);
    if (w < 250) {
        taste(oben, kPfeile[wuerfel(4)], QString());
    } else if (w < 370) {
        taste(oben, Qt::Key_Return, QStringLiteral("\r"));
    } else if (w < 450) {
        taste(oben, Qt::Key_Space, QStringLiteral(" "));
    } else if (w < 510) {
        taste(oben, Qt::Key_Backspace, QStringLiteral("\b"));
    } else if (w < 515) {
        taste(oben, Qt::Key_Escape, QStringLiteral("\x1b"));
    } else if (w < 725) {
        const int z = wuerfel(10);
        taste(oben, Qt::Key(Qt::Key_0 + z), QString(QChar('0' + z)));
    } else if (w < 905) {
        const int b = wuerfel(26);
        const bool gross = wuerfel(4) == 0;
        taste(oben, Qt::Key(Qt::Key_A + b), QString(QChar((gross ? 'A' : 'a') + b)),
              gross ? Qt::ShiftModifier : Qt::NoModifier);
    } else if (w < 955) {
        const Zeichen& z = kUmlaute[wuerfel(std::size(kUmlaute))];
        const QString text = QString::fromUtf8(z.text);
        taste(oben, z.key, text, text.at(0).isUpper() ? Qt::ShiftModifier : Qt::NoModifier);
    } else {
        const Zeichen& z = kSonstige[wuerfel(std::size(kSonstige))];
        taste(oben, z.key, QString::fromUtf8(z.text));
    }
}

void Affe::taste(QWidget* oben, Qt::Key key, const QString& text, Qt::KeyboardModifiers mods)
{
    m_aktion = QStringLiteral("Taste 0x%1 \"%2\" an %3").arg(key, 0, 16).arg(text, oben->objectName());
    m_hund->lebt(wer + QStringLiteral(": ") + m_aktion);
    m_angekommen = false;
    qt_handleKeyEvent(oben->windowHandle(), QEvent::KeyPress, key, mods, text);
    m_zugestellt += m_angekommen;
    // the release goes where the keyboard is now, as on a real desktop
    if (QWidget* jetzt = QApplication::activeModalWidget(); jetzt && jetzt->windowHandle())
        qt_handleKeyEvent(jetzt->windowHandle(), QEvent::KeyRelease, key, mods, text);
}

void Affe::klick(QWidget* oben, QPoint p, bool doppelt)
{
    m_aktion = QStringLiteral("%1 bei %2,%3 in %4")
                   .arg(doppelt ? QStringLiteral("Doppelklick") : QStringLiteral("Klick"))
                   .arg(p.x())
                   .arg(p.y())
                   .arg(oben->objectName());
    m_hund->lebt(wer + QStringLiteral(": ") + m_aktion);
    m_zeit += 10000;
    for (int mal = 0; mal < (doppelt ? 2 : 1); ++mal) {
        QWindow* fenster = oben->windowHandle();
        m_angekommen = false;
        qt_handleMouseEvent(fenster, p, fenster->mapToGlobal(p), Qt::LeftButton, Qt::LeftButton,
                            QEvent::MouseButtonPress, Qt::NoModifier, int(m_zeit));
        m_zugestellt += m_angekommen;
        m_zeit += 20;
        // the press may have opened or closed a window: the release goes to the one on top
        QWidget* jetzt = QApplication::activeModalWidget();
        if (!jetzt || !jetzt->windowHandle())
            return;
        fenster = jetzt->windowHandle();
        qt_handleMouseEvent(fenster, p, fenster->mapToGlobal(p), Qt::NoButton, Qt::LeftButton,
                            QEvent::MouseButtonRelease, Qt::NoModifier, int(m_zeit));
        m_zeit += 20;
        if (jetzt != oben)
            return;
    }
}

void Affe::klickeAuf(QWidget* oben, QWidget* ziel)
{
    klick(oben, ziel->mapTo(oben, ziel->rect().center()));
}

void Affe::schliesse(QWidget* oben)
{
    if (oben != m_schliessziel) {
        m_schliessziel = oben;
        m_schritt = 0;
    }
    // The window's own ways first: Esc, then a button that ends it, then what
    // a dialog does when it is cancelled; hiding ends any modal loop.
    switch (m_schritt++) {
    case 0:
    case 1:
        taste(oben, Qt::Key_Escape, QStringLiteral("\x1b"));
        break;
    case 2:
        for (QAbstractButton* b : bedienbare<QAbstractButton>(oben))
            if (endetFenster(b)) {
                klickeAuf(oben, b);
                break;
            }
        break;
    case 3:
        m_aktion = QStringLiteral("reject() an %1").arg(oben->objectName());
        m_hund->lebt(wer + QStringLiteral(": ") + m_aktion);
        if (auto* d = qobject_cast<QDialog*>(oben))
            d->reject();
        else
            oben->close();
        break;
    default:
        m_aktion = QStringLiteral("hide() an %1").arg(oben->objectName());
        m_hund->lebt(wer + QStringLiteral(": ") + m_aktion);
        oben->hide();
        break;
    }
}
