#pragma once
// The start screen: title button, the button that leads to the Windows menu,
// the background picture; the button menu lives on the same window.
#include "platform/form.h"

#include <QLineEdit>
#include <QPushButton>

class TForm1 : public Form {
    Q_OBJECT
public:
    explicit TForm1(QWidget* parent = nullptr);

    QPushButton* Button1;
    QPushButton* Button2;
    Malflaeche* Image1;
    QPushButton* butt[12];
    QLineEdit* Edit1;

    // Caption of the main windows: title and the current user, "----" for none.
    static QString fenstertitel();

protected:
    void FormShow() override;
    void FormClose() override;

private:
    void FormCreate();
    bool m_bildGeladen = false;
};

// The title of the program.
extern const QString titel;
