#pragma once
// The setting of an exercise window's test: the test clock as the time source
// with 1000 s elapsed, a user (entered in the register of the working folder
// if there is one already, so that his runs are saved), no message yet,
// random numbers from a fixed seed (the same tasks on every run) and the rules
// and message windows answered at once. Everything is put back when it goes.
#include "common/uhr.h"
#include "common/zufall.h"
#include "common/zustand.h"
#include "platform/form.h"
#include "shell/nutzerregister.h"
#include "tests/support/testuhr.h"
#include "tests/support/testumgebung.h"

#include <QFile>
#include <memory>
#include <random>

// Random numbers from a Mersenne twister with that seed.
inline void mitSaat(unsigned saat)
{
    auto g = std::make_shared<std::mt19937>(saat);
    zufall::setzeFolge([g] { return (*g)() / 4294967296.0; });
}

class Uebungsumgebung {
public:
    // saat 0: the random numbers are left to the test.
    Uebungsumgebung(Testuhr& quelle, int nr, const QString& name, unsigned saat = 20260307)
    {
        uhr::setzeQuelle(&quelle);
        quelle.mono = 1000.0;
        if (QFile::exists(nutzerregister::kDatei)) {
            waehleNutzer(nr, name);
        } else {
            nutzer = nr;
            nutzername = name;
        }
        meldung.clear();
        if (saat != 0)
            mitSaat(saat);
        Form::setzeModalErsatz([](Form*) { return 0; });
    }
    ~Uebungsumgebung()
    {
        Form::setzeModalErsatz(nullptr);
        zufall::setzeFolge({});
        uhr::setzeQuelle(nullptr);
    }
    Uebungsumgebung(const Uebungsumgebung&) = delete;
    Uebungsumgebung& operator=(const Uebungsumgebung&) = delete;
};
