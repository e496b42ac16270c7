#include "platform/menueleiste.h"

#include <QKeyEvent>
#include <QProxyStyle>
#include <QStyleOptionMenuItem>

namespace {

// The window style with the bar's keyboard way in, and a title marked as soon
// as the keyboard is on it (not only while its menu is open).
class Leistenstil : public QProxyStyle {
public:
    int styleHint(StyleHint h, const QStyleOption* o, const QWidget* w, QStyleHintReturn* r) const override
    {
        if (h == SH_MenuBar_AltKeyNavigation)
            return 1;
        return QProxyStyle::styleHint(h, o, w, r);
    }

    void drawControl(ControlElement e, const QStyleOption* o, QPainter* p, const QWidget* w) const override
    {
        const auto* titel = qstyleoption_cast<const QStyleOptionMenuItem*>(o);
        if (e == CE_MenuBarItem && titel && w && w->hasFocus() && (titel->state & State_Selected)) {
            QStyleOptionMenuItem markiert(*titel);
            markiert.state |= State_Sunken;
            QProxyStyle::drawControl(e, &markiert, p, w);
            return;
        }
        QProxyStyle::drawControl(e, o, p, w);
    }
};

}

Menueleiste::Menueleiste(QWidget* parent) : QMenuBar(parent)
{
    setNativeMenuBar(false);
    auto* stil = new Leistenstil;
    stil->setParent(this);
    setStyle(stil);
}

void Menueleiste::tastaturmodus()
{
    // the bar's own way in and out: Alt pressed and released alone
    QKeyEvent druck(QEvent::ShortcutOverride, Qt::Key_Alt, Qt::NoModifier);
    QKeyEvent los(QEvent::KeyRelease, Qt::Key_Alt, Qt::NoModifier);
    QMenuBar::eventFilter(window(), &druck);
    QMenuBar::eventFilter(window(), &los);
}

// The bar watches its window's keys; F10 reaches the window when no control takes it.
bool Menueleiste::eventFilter(QObject* o, QEvent* e)
{
    if (e->type() == QEvent::KeyPress && o == window() && isVisible()) {
        const auto* k = static_cast<QKeyEvent*>(e);
        if (k->key() == Qt::Key_F10 && (k->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
            tastaturmodus();
            return true;
        }
    }
    return QMenuBar::eventFilter(o, e);
}
