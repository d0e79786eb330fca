// What an interrupted run leaves behind: nothing it should not.
//
// One chain for the whole process, as git keeps its list of temporary files
// and its signal chain: every temporary file, the backup of a file
// overwritten in place, and the editor with its directory register here
// while they exist, and one handler for every signal that would end the
// process cleans each up, then ends the process by that same signal, so that
// whoever started it still sees how it ended. Nothing else in the process
// handles those signals.
//
// The signals: each one whose default ends the process, but SIGKILL, which
// cannot be caught, and those that report a memory fault of the process
// itself (SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGTRAP), after which nothing
// can be trusted: SIGHUP, SIGINT, SIGQUIT, SIGPIPE, SIGALRM, SIGTERM,
// SIGUSR1, SIGUSR2, SIGIO, SIGPROF, SIGVTALRM, SIGXCPU, SIGXFSZ, SIGABRT,
// SIGSYS, SIGPWR, SIGSTKFLT and the real-time signals. SIGABRT and SIGSYS
// come from watchdogs and sandboxes as often as from the process, and an
// assertion's abort() leaves memory intact. A signal the process was
// started with ignored (nohup) stays ignored; one that something else
// handled before (a test harness's watchdog) stays its.
//
// On such a signal:
// - a temporary file is removed;
// - a backup is removed, except while the file it copies is being
//   overwritten, when it is the only whole copy of the old bytes, and once
//   the new bytes are flushed: then it is kept, and the message registered
//   with it says where;
// - the editor is ended (SIGHUP passed on as it is, any other signal as
//   SIGTERM) and given a moment to go; while it runs, SIGINT and SIGQUIT
//   are its own (the terminal sends them to it too) and end nothing here;
// - the editor's directory is removed, unless the text in it is no longer
//   what tunvex wrote there, or has been marked as the user's: then it is
//   kept and its path said.
// Only the process that registered them cleans up: a child between fork()
// and exec() leaves them alone. Registering and forgetting happen with the
// signals held, so a signal finds a file registered or gone, never on disk
// and forgotten. SIGKILL, and a memory fault, may leave files behind.
#pragma once

#include <sys/types.h>

#include <csignal>

// At the start of a run, before anything is created: takes the signals
// over, and sets where a signal's messages go (-1: nowhere). Without it,
// the first registration takes them over, with messages on descriptor 2.
void startCleanup(int messageFd);

// Holds the signals for as long as it lives; errno is left as the guarded
// calls set it.
class CleanupSignalsHeld {
public:
    CleanupSignalsHeld();
    ~CleanupSignalsHeld();
    CleanupSignalsHeld(const CleanupSignalsHeld &) = delete;
    CleanupSignalsHeld &operator=(const CleanupSignalsHeld &) = delete;
    // In a child forked meanwhile, before it runs another program (which
    // keeps the signals held otherwise): the signals as they were.
    void restoreInChild() const;

private:
    sigset_t saved_{};
};

// With the signals held, around the call that creates or renames the file.
// A slot, or -1 (with errno EMFILE) when every slot is taken.
int registerTempFile(int dirFd, const char *name);
void forgetTempFile(int slot);

// What a signal does to the backup: removes it (none), or keeps it and says
// so, while the file holds part of the new bytes (oldKept) or, once
// flushed, all of them (newWritten).
enum class BackupGuard : int { none, oldKept, newWritten };
// The messages a signal gives in each of those states, with their line
// feeds. With the signals held.
void registerBackup(int dirFd, const char *name, const char *oldKept, const char *newWritten);
void guardWithBackup(BackupGuard guard);
void forgetBackup();

// The editor's private directory, and in it the text tunvex wrote, as it is
// now: a signal keeps the directory once the text has changed.
bool registerDirectory(const char *path);
bool watchDirectoryText(const char *textPath);
// The text is the user's now, whatever it holds.
void keepDirectoryOnSignal();
void forgetDirectory();
// The editor, while it runs.
void registerChild(pid_t pid);
void forgetChild();
