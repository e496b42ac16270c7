#pragma once
// The main window with the Windows menu: the same administration items and
// exercises as the button menu, each dispatched by its program number.
#include "platform/form.h"

#include <QLineEdit>
#include <QMenuBar>

class Tformm : public Form {
    Q_OBJECT
public:
    static Tformm& instanz();

    QMenuBar* MainMenu1;
    QLineEdit* Edit1;

    void aufruf(int n);
    // The menu item that calls program n (the first, if several do), or nullptr.
    QAction* eintrag(int n) const;
    QAction* Ende1;

protected:
    void FormClose() override;
    // the desktop's close request takes the way of "Ende" of the button menu
    void schliessanfrage() override;
    void resizeEvent(QResizeEvent* e) override;

private:
    Tformm();
    void FormCreate();
};
