#include "platform/form.h"

#include "platform/anwendung.h"
#include "platform/rahmenknoepfe.h"
#include "platform/tasten.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScreen>
#include <QTimer>
#include <QWindow>

namespace {
std::function<int(Form*)>& modalErsatz()
{
    static std::function<int(Form*)> ersatz;
    return ersatz;
}

// What the window manager leaves of the available area to a maximised window
// (its caption bar, and a border where it keeps one on the screen), learnt from
// the windows it maximised; none without a window manager. A window created
// later is laid out at its final size from the start.
QMargins g_rahmen;
}

Form::Form(QWidget* parent) : QDialog(parent), m_farbe(palette().color(QPalette::Window))
{
    setzeNurSystemmenue();
}

void Form::setzeMaximiert(bool maximiert)
{
    m_maximiert = maximiert;
    if (!maximiert)
        return;
    // Laid out now at the size the window will have maximised, so that a window
    // can compute its layout from its size at creation.
    if (QScreen* s = QGuiApplication::primaryScreen())
        setGeometry(s->availableGeometry().marginsRemoved(g_rahmen));
}

void Form::setzeFarbe(const QColor& farbe)
{
    m_farbe = farbe;
    update();
}

void Form::setzeOhneRahmenknoepfe()
{
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
}

void Form::setzeNurSystemmenue()
{
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowCloseButtonHint);
}

int Form::zeigeModal()
{
    if (modalErsatz())
        return modalErsatz()(this);
    bereiteZeigenVor();
    return exec();
}

void Form::zeige()
{
    bereiteZeigenVor();
    show();
}

void Form::bereiteZeigenVor()
{
    if (!m_maximiert)
        return;
    setzeMaximiert(true);
    setWindowState(Qt::WindowMaximized);
    // The last close gave the native window back; the widget still reads
    // maximised from that opening, so setWindowState above passed nothing on, and
    // a new native window would start unmaximised. Tell the new one directly.
    if (!testAttribute(Qt::WA_WState_Created) || !windowHandle()
        || !windowHandle()->windowStates().testFlag(Qt::WindowMaximized)) {
        winId();
        windowHandle()->setWindowStates(Qt::WindowMaximized);
    }
}

void Form::setzeModalErsatz(std::function<int(Form*)> ersatz) { modalErsatz() = std::move(ersatz); }

Leinwand& Form::canvas()
{
    passeOberflaecheAn();
    m_leinwand.setzeBild(&m_oberflaeche);
    return m_leinwand;
}

void Form::repaintWindow()
{
    if (!m_oberflaeche.isNull())
        m_oberflaeche.fill(m_farbe);
    update();
}

void Form::passeOberflaecheAn()
{
    if (m_oberflaeche.size() == size())
        return;
    QImage neu(size(), QImage::Format_RGB32);
    neu.fill(m_farbe);
    if (!m_oberflaeche.isNull()) {
        QPainter p(&neu);
        p.drawImage(0, 0, m_oberflaeche);
    }
    m_oberflaeche = neu;
}

bool Form::FormShortCut(int, QKeyEvent*) { return false; }

void Form::showEvent(QShowEvent* e)
{
    // before the window is mapped, so the desktop frames it with its buttons at once
    if (!e->spontaneous())
        rahmenknoepfe::melde(this, hatSchliessfeld());
    QDialog::showEvent(e);
    if (m_sichtbar || e->spontaneous())
        return;
    m_sichtbar = true;
    // where the focus stood when the window closed counts for nothing
    if (QWidget* f = focusWidget())
        f->clearFocus();
    schuetze([this] { FormShow(); });
    schuetze([this] { FormActivate(); });
    fokusWieBeimOeffnen();
}

// The control FormShow or FormActivate named; or else the first visible, enabled
// control in tab order (Start in an idle exercise window). It takes the focus when
// the window becomes active.
void Form::fokusWieBeimOeffnen()
{
    if (focusWidget())
        return;
    for (QWidget* w = nextInFocusChain(); w && w != this; w = w->nextInFocusChain()) {
        if (w->window() == this && (w->focusPolicy() & Qt::TabFocus) == Qt::TabFocus && !w->focusProxy()
            && w->isVisibleTo(this) && w->isEnabled()) {
            w->setFocus(Qt::TabFocusReason);
            return;
        }
    }
}

void Form::hideEvent(QHideEvent* e)
{
    QDialog::hideEvent(e);
    if (!m_sichtbar || e->spontaneous())
        return;
    m_sichtbar = false;
    schuetze([this] { FormClose(); });
    m_oberflaeche = QImage();
    m_leinwand.setzeBild(nullptr);
    // once the modal loop is over
    QTimer::singleShot(0, this, [this] {
        if (!isVisible())
            gibFensterFrei();
    });
}

void Form::gibFensterFrei()
{
    // The native window holds a buffer of the window's size (8 MB at full HD) until
    // it is destroyed; hiding keeps it. The next show creates a new one.
    destroy(true, true);
}

bool Form::nimmtSchliessanfrageAn()
{
    if (hatSchliessfeld())
        return true;
    // after the request, so that the window can close itself
    QTimer::singleShot(0, this, [this] { schuetze([this] { schliessanfrage(); }); });
    return false;
}

void Form::closeEvent(QCloseEvent* e)
{
    // the program's own close() is not spontaneous and always closes
    if (e->spontaneous() && !nimmtSchliessanfrageAn()) {
        e->ignore();
        return;
    }
    QDialog::closeEvent(e);
}

void Form::resizeEvent(QResizeEvent* e)
{
    QDialog::resizeEvent(e);
    lerneRahmen();
}

void Form::moveEvent(QMoveEvent* e)
{
    QDialog::moveEvent(e);
    lerneRahmen();
}

void Form::lerneRahmen()
{
    QScreen* s = screen();
    // The window's own state is no guide: some desktops report the maximised state
    // only after they have given the window its size.
    if (!s || !m_maximiert || !isVisible() || isMinimized())
        return;
    const QRect frei = s->availableGeometry();
    const QRect g = geometry();
    const QMargins rand(g.left() - frei.left(), g.top() - frei.top(), frei.right() - g.right(),
                        frei.bottom() - g.bottom());
    // The last place the desktop gives the window is its maximised one; one that
    // reaches past the available area is no frame to learn.
    if (frei.contains(g))
        g_rahmen = rand;
}

QSize Form::aussenmass() const
{
    // Maximised by a desktop: the client area with the frame the desktop leaves
    // around maximised windows (learnt above), the same on every opening. The
    // window's own frame is no guide there: before the desktop has framed it (its
    // first showing) it is the bare client area, and on a busy desktop it was seen
    // a few pixels higher than the available area on a later opening.
    if (m_maximiert && !g_rahmen.isNull())
        return geometry().marginsAdded(g_rahmen).size();
    return frameGeometry().size();
}

void Form::paintEvent(QPaintEvent* e)
{
    QPainter p(this);
    if (m_oberflaeche.isNull() || m_oberflaeche.size() != size())
        p.fillRect(e->rect(), m_farbe);
    if (!m_oberflaeche.isNull())
        p.drawImage(e->rect(), m_oberflaeche, e->rect());
}

void Form::keyPressEvent(QKeyEvent* e)
{
    // No dialog behaviour: Esc does not close a window, Enter presses no default button.
    QWidget::keyPressEvent(e);
}

bool Form::tastenvorschau(QObject* empfaenger, QKeyEvent* e)
{
    auto* w = qobject_cast<QWidget*>(empfaenger);
    auto* form = w ? qobject_cast<Form*>(w->window()) : nullptr;
    if (!form || !form->m_keyPreview || !form->isVisible())
        return false;
    if (QApplication::activeModalWidget() && QApplication::activeModalWidget() != form)
        return false;
    bool verbraucht = false;
    schuetze([&] { verbraucht = form->FormShortCut(taste::code(e), e); });
    return verbraucht;
}
