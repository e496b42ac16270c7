#include "common/zufall.h"

#include <chrono>
#include <cmath>
#include <random>

namespace {
std::mt19937& generator()
{
    static std::mt19937 g(1);
    return g;
}
std::function<double()> g_folge;
}

namespace zufall {

void randomize()
{
    if (!g_folge)
        generator().seed(static_cast<unsigned>(std::chrono::high_resolution_clock::now().time_since_epoch().count()));
}

double r()
{
    if (g_folge) {
        const double v = g_folge();
        return (v >= 0.0 && v < 1.0) ? v : 0.0;
    }
    return generator()() / 4294967296.0;
}

int R(int K) { return static_cast<int>(std::trunc(r() * K)) + 1; }

std::vector<int> ohneWiederholung(int m, int R)
{
    std::vector<int> genommen;
    if (R <= 0 || m <= 0)
        return genommen;
    if (m > R)
        m = R;
    std::vector<bool> benutzt(R + 1, false);
    // A scripted or unlucky sequence must not loop for ever: after many draws
    // that all hit taken numbers, the first free one is taken.
    int fehlversuche = 0;
    while (static_cast<int>(genommen.size()) < m) {
        int v = zufall::R(R);
        if (benutzt[v] && ++fehlversuche > 1000 * R) {
            v = 1;
            while (benutzt[v])
                ++v;
        }
        if (!benutzt[v]) {
            benutzt[v] = true;
            genommen.push_back(v);
            fehlversuche = 0;
        }
    }
    return genommen;
}

void setzeSaat(unsigned saat) { generator().seed(saat); }

void setzeFolge(std::function<double()> folge) { g_folge = std::move(folge); }

}
