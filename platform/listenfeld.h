#pragma once
// A list box as the window system's own: a line is either selected or none is.
// While none is selected, Down, Up and Home select the first line, so a list of
// one line can be chosen by the arrows too. (Qt's list makes the first line
// current, unselected, when it takes the focus; the first Down then went on to the
// second line, and in a list of one line no key selected anything.)
#include <QListWidget>

class Listenfeld : public QListWidget {
    Q_OBJECT
public:
    explicit Listenfeld(QWidget* parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent* e) override;
};
