#pragma once
// Child processes that act as another account or as a second program on the
// same working folder. Each child reports what it showed, one line each, or a
// line starting with "!" on a failure.
#include <QString>
#include <QStringList>
#include <functional>
#include <sys/types.h>
#include <vector>

struct Konto {
    uid_t uid;
    gid_t gid;
    std::vector<gid_t> gruppen;
};

// Gives pfad (not a link's target) owner, group and mode; a failure fails the test.
void setze(const QString& pfad, uid_t uid, gid_t gid, mode_t modus);

// The account of this process: a child under it switches nothing.
Konto diesesKonto();

// Runs aktion in a child process under konto and returns its report.
QString alsKonto(const Konto& k, const std::function<QStringList()>& aktion, int sekunden = 60);

// Runs aktion(0) and aktion(1) in two child processes under konto, released at
// the same moment, and returns both reports.
QStringList zugleich(const Konto& k, const std::function<QStringList(int)>& aktion, int sekunden = 240);

// Another program that holds datei locked, from its construction until it is
// killed (gibFrei, or the destructor). pid() is 0 when no child could be made.
class Sperrhalter {
public:
    explicit Sperrhalter(const QString& datei);
    ~Sperrhalter() { gibFrei(); }
    Sperrhalter(const Sperrhalter&) = delete;
    Sperrhalter& operator=(const Sperrhalter&) = delete;
    pid_t pid() const { return m_pid; }
    void gibFrei();

private:
    pid_t m_pid = 0;
};
