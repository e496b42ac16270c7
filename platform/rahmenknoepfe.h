#pragma once
// Tells the window manager which caption-bar buttons a window has. The toolkit
// restricts the buttons only for windows that keep some of them; a window with
// a bare title would still get close, minimise and maximise from the desktop.
class QWidget;

namespace rahmenknoepfe {
// Under X: only the title, or the title with the system menu and its close box.
// Call after the native window exists and before it is mapped.
void melde(QWidget* fenster, bool schliessfeld);
}
