// Content files read by the exercises in exercises/reaction/.
#include "content/inhalte.h"

std::vector<Inhaltsart> artenReaktion()
{
    return {};
}
