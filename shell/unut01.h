#pragma once
// The list of the user register.
#include "platform/form.h"

#include <QListWidget>
#include <QPushButton>

class Tnut01 : public Form {
    Q_OBJECT
public:
    static Tnut01& instanz();

    QListWidget* lst1nut01;
    QPushButton* Button1;
    QPushButton* cmd2nut01;

protected:
    void FormShow() override;

private:
    Tnut01();
    void Button1Click();
    void fuellen(QStringList zeilen);
    bool m_sortiert = false;  // stays sorted for the rest of the run
};

inline QStringList nutzerliste;  // the 40 slot texts as last read
inline int nutzerzahl = 0;       // used slots among them
