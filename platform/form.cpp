#include "platform/form.h"

#include "platform/anwendung.h"
#include "platform/taskleiste.h"
#include "platform/tasten.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScreen>
#include <QTimer>

namespace {
std::function<int(Form*)>& modalErsatz()
{
    static std::function<int(Form*)> ersatz;
    return ersatz;
}
}

Form::Form(QWidget* parent) : QDialog(parent), m_farbe(palette().color(QPalette::Window)) {}

void Form::setzeMaximiert(bool maximiert)
{
    m_maximiert = maximiert;
    if (!maximiert)
        return;
    // Laid out now, so that a window can compute its layout from its size at creation.
    if (QScreen* s = QGuiApplication::primaryScreen())
        setGeometry(taskleiste::versteckt() ? s->geometry() : s->availableGeometry());
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
    if (m_maximiert) {
        setzeMaximiert(true);
        setWindowState(taskleiste::versteckt() ? Qt::WindowFullScreen : Qt::WindowMaximized);
    }
    return exec();
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
    QDialog::showEvent(e);
    if (m_sichtbar || e->spontaneous())
        return;
    m_sichtbar = true;
    schuetze([this] { FormShow(); });
    schuetze([this] { FormActivate(); });
}

void Form::hideEvent(QHideEvent* e)
{
    QDialog::hideEvent(e);
    if (!m_sichtbar || e->spontaneous())
        return;
    m_sichtbar = false;
    schuetze([this] { FormClose(); });
    // a closed window gives its drawing surface back, and its window system
    // resources with the screen-sized backing store once its modal loop is over
    m_oberflaeche = QImage();
    m_leinwand.setzeBild(nullptr);
    QTimer::singleShot(0, this, [this] {
        if (!isVisible() && testAttribute(Qt::WA_WState_Created))
            destroy();
    });
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
