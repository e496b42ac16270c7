#include "platform/tastenhaken.h"

#include "platform/anwendung.h"

#include <QKeyEvent>

Tastenhaken::Tastenhaken(QObject* ziel, std::function<bool(QKeyEvent*)> druck, std::function<void(QKeyEvent*)> los)
    : QObject(ziel), m_druck(std::move(druck)), m_los(std::move(los))
{
    ziel->installEventFilter(this);
}

bool Tastenhaken::eventFilter(QObject* ziel, QEvent* e)
{
    bool verbraucht = false;
    if (e->type() == QEvent::KeyPress)
        schuetze([&] { verbraucht = m_druck(static_cast<QKeyEvent*>(e)); });
    else if (e->type() == QEvent::KeyRelease)
        schuetze([&] { m_los(static_cast<QKeyEvent*>(e)); });
    else
        return QObject::eventFilter(ziel, e);
    return verbraucht;
}
