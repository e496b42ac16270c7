#pragma once
// The desktop's panels are "hidden" while the program runs: its maximised windows
// then cover the whole screen, and give the panels back at the end.
namespace taskleiste {
void verstecken();
void zeigen();
bool versteckt();
}
