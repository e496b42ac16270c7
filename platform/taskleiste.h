#pragma once
// The desktop's panels: the program asks for them to be hidden while it runs and
// shown again at its end. The request is recorded only; the desktop's own panel
// stays as it is, and maximised windows keep to the area it leaves free.
namespace taskleiste {
void verstecken();
void zeigen();
bool versteckt();
}
