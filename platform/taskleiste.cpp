#include "platform/taskleiste.h"

namespace {
bool g_versteckt = false;
}

namespace taskleiste {
void verstecken() { g_versteckt = true; }
void zeigen() { g_versteckt = false; }
bool versteckt() { return g_versteckt; }
}
