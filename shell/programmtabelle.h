#pragma once
// The single registry of the program: which window a program number opens.
// The application fills it at start-up; both dispatchers and the plan runners
// look numbers up here. A number without an entry is not built and answers like
// an unassigned one.
#include <functional>
#include <map>

class Form;

class Programmtabelle {
public:
    using Oeffner = std::function<void()>;  // shows the program's window(s) modally

    static Programmtabelle& global();

    void setze(int n, Oeffner oeffner);
    bool hat(int n) const { return m_eintraege.count(n) > 0; }
    // Shows the window of n; does nothing for a number without an entry.
    void oeffne(int n) const;
    void leeren() { m_eintraege.clear(); }

private:
    std::map<int, Oeffner> m_eintraege;
};

// Shows a window modally.
void fensterZeigen(Form& fenster);

// An opener for a window that is created on its first use and kept for the run.
template <typename Fabrik>
Programmtabelle::Oeffner einmalig(Fabrik fabrik)
{
    return [fabrik, fenster = static_cast<Form*>(nullptr)]() mutable {
        if (!fenster)
            fenster = fabrik();
        fensterZeigen(*fenster);
    };
}
