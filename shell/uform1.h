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
    ~TForm1() override;

    QPushButton* Button1;
    QPushButton* Button2;
    Malflaeche* Image1;
    QPushButton* butt[12];
    QLineEdit* Edit1;

    // Caption of the main windows: title and the current user, "----" for none.
    static QString fenstertitel();
    // The start screen of this run (the program's main window), or nullptr.
    static TForm1* hauptfenster();

    // The button menu: level shown (0 top, 1 administration, 2-11 categories).
    int ebene = 0;
    int hauptebene = 0;  // 1 while level 0 is shown
    void aufbau(int level);
    void rahmen(int spalte, int zeile, int level);
    void loeschen(int spalte, int zeile, int level);
    void mausruf();
    // Dispatches item of level (both 1 to 11), then lays the level out again.
    void aufruf(int level, int item);
    void Button1Click();
    void Button2Click();
    // The way of "Ende": with unprinted results the question "Ergebnisse drucken?"
    // (Yes prints and the window stays, No closes it, Cancel does nothing);
    // otherwise the window closes at once.
    static void ende(Form& fenster);

protected:
    void FormShow() override;
    void FormClose() override;
    bool FormShortCut(int taste, QKeyEvent* e) override;
    void schliessanfrage() override { ende(*this); }
    void resizeEvent(QResizeEvent* e) override;

private:
    void FormCreate();
    void titelAnordnen();
    void rahmenZeichnen(int spalte, int zeile, const QColor& farbe);
    bool m_bildGeladen = false;
};

// The title of the program.
extern const QString titel;
