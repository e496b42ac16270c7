#pragma once
// The base of every window: created once, shown modally when needed.
// - maximised: the window fills the screen's available area with its caption
//   bar, even without a window manager;
// - colour, border icons: a window without a close box does not close on a
//   close request from the desktop (Alt+F4);
// - key preview: FormShortCut sees every key before the window's controls;
// - FormShow and FormActivate once per show, FormClose once per close;
// - every opening as the first: the focus goes to the control that FormShow or
//   FormActivate names, or else to the first visible, enabled control in tab
//   order; where it stood when the window closed counts for nothing;
// - the window surface: a persistent picture behind the controls to draw on;
// - a closed window gives back its surface and its native window with the
//   screen-sized buffer the window system keeps for it.
#include "platform/leinwand.h"

#include <QDialog>
#include <functional>

class Form : public QDialog {
    Q_OBJECT
public:
    explicit Form(QWidget* parent = nullptr);

    void setzeMaximiert(bool maximiert);
    bool maximiert() const { return m_maximiert; }
    void setzeFarbe(const QColor& farbe);
    QColor farbe() const { return m_farbe; }
    void setzeKeyPreview(bool an) { m_keyPreview = an; }
    // Without the caption bar's system menu and its minimise, maximise and close icons.
    void setzeOhneRahmenknoepfe();
    // Of the caption bar's icons only the system menu with its close item (the default).
    void setzeNurSystemmenue();
    bool hatSchliessfeld() const { return windowFlags().testFlag(Qt::WindowCloseButtonHint); }
    // A close request from the desktop (the close box, Alt+F4): true when the
    // window closes by it. A window without a close box stays; it hands the
    // request to schliessanfrage once the request has been dealt with.
    bool nimmtSchliessanfrageAn();

    // Shows the window modally and returns when it closes. Tests can put a
    // routine of their own in place of the modal loop.
    int zeigeModal();
    // Shows the window without a modal loop (the start screen, the program's main window).
    void zeige();
    static void setzeModalErsatz(std::function<int(Form*)> ersatz);

    // Key preview: the application hands every key press here once, before the
    // control that has the focus; true when the window consumed it.
    static bool tastenvorschau(QObject* empfaenger, QKeyEvent* e);

    // The window's outer size, its frame included, as the desktop frames it
    // maximised: the same on every opening, the first included, whenever the
    // desktop frames it. Layouts given in parts of the window's outer size are
    // computed from this.
    QSize aussenmass() const;

    // The window surface. repaintWindow clears it to the window colour.
    Leinwand& canvas();
    void repaintWindow();

protected:
    virtual void FormShow() {}
    virtual void FormActivate() {}
    virtual void FormClose() {}
    // A close request from the desktop on a window without a close box; nothing
    // closes unless the window closes itself here.
    virtual void schliessanfrage() {}
    // A key before the controls see it; true consumes it.
    virtual bool FormShortCut(int taste, QKeyEvent* e);

    void showEvent(QShowEvent* e) override;
    void hideEvent(QHideEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void moveEvent(QMoveEvent* e) override;

private:
    void bereiteZeigenVor();
    void lerneRahmen();
    void fokusWieBeimOeffnen();
    void passeOberflaecheAn();
    void gibFensterFrei();

    bool m_maximiert = false;
    bool m_keyPreview = false;
    bool m_sichtbar = false;
    QColor m_farbe;
    QImage m_oberflaeche;
    Leinwand m_leinwand;
};
