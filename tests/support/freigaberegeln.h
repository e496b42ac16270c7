#pragma once
// The lock rules of an NFS or an SMB share, simulated on a local folder.
// Linked into a test program, freigaberegeln.cpp replaces flock, read, write,
// pread, pwrite and fstatfs of the C library for the whole program, Qt
// included, and passes every call on unchanged while no rule is set:
//   NFS: an exclusive flock on a descriptor open only for reading, or a shared
//        one on a descriptor open only for writing, fails with EBADF (the Linux
//        client emulates flock with byte-range locks; man 2 flock, "NFS details").
//   SMB: the same, and the lock is mandatory: reading or writing a locked file
//        through a descriptor that does not hold its lock fails with EACCES, and
//        a file under a shared lock cannot be written through any descriptor.
// The rules at the start come from the environment variable VELMORA_FREIGABE
// ("nfs", "smb"); a child process inherits those of its parent.
#include <QStringList>

namespace freigabe {

enum class Regeln { Lokal, NFS, SMB };
void setze(Regeln r);
Regeln regeln();

// The file system type that fstatfs reports for every file, as a share's
// would (0x6969 NFS, 0xFE534D42 SMB2); 0 reports the real one.
void setzeDateisystem(long typ);

// The next n flock calls that take a lock fail with err.
void setzeFlockFehler(int err, int n);

// While on, every lock taken (not on a temporary copy) is checked against the
// locks this process holds already: one on a file whose path sorts after it
// breaks the lock order. Switching it on forgets the breaks seen so far.
void pruefeReihenfolge(bool an);
// Each break as "new path after held path".
QStringList reihenfolgeBrueche();

}
