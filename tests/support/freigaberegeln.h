#pragma once
// The lock rules of an NFS or an SMB share, simulated on a local folder.
// Linked into a test program, freigaberegeln.cpp replaces flock, read, write,
// pread, pwrite and fstatfs of the C library for the whole program, Qt
// included, and passes every call on unchanged while no rule is set:
//   NFS: an exclusive flock on a descriptor open only for reading, or a shared
//        one on a descriptor open only for writing, fails with EBADF (the Linux
//        client emulates flock with byte-range locks; man 2 flock, "NFS details").
//   SMB: the same; a lock held elsewhere is answered with EACCES, as the Linux
//        SMB client does, not with EWOULDBLOCK; and the lock is mandatory:
//        reading or writing a locked file through a descriptor that does not
//        hold its lock fails with EACCES, and a file under a shared lock
//        cannot be written through any descriptor.
// fstatfs reports the share's file system type for every file (0x6969 NFS,
// 0xFE534D42 SMB2). The rules at the start come from the environment variable
// VELMORA_FREIGABE ("nfs", "smb"); a child process inherits those of its parent.
namespace freigabe {

enum class Regeln { Lokal, NFS, SMB };
void setze(Regeln r);
Regeln regeln();

// The file system type that fstatfs reports for every file; 0 reports the
// rules' share, or the real type under local rules.
void setzeDateisystem(long typ);

// The next n flock calls that take a lock fail with err.
void setzeFlockFehler(int err, int n);

// The lock the descriptor fd itself holds, as its fdinfo shows it: LOCK_EX,
// LOCK_SH or 0.
int eigeneSperre(int fd);

// Called with the descriptor before every flock that takes a lock (nullptr: none).
using Beobachter = void (*)(int fd);
void setzeBeobachter(Beobachter b);

}
