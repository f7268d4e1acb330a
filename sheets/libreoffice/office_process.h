#pragma once

#include <sys/types.h>
#include <QString>
#include <QStringList>
#include <vector>

namespace lingotab::sheets::calc {

// Starts `program` as the leader of a new session, its standard streams on
// /dev/null: it outlives this process (the user keeps working in it) and
// its helper processes share its process group. Returns the process id,
// which is also the group id, or -1 when it could not be started.
pid_t startOfficeProcess(const QString& program, const QStringList& arguments);

enum class ProcessState {
    Running,
    Succeeded,  // ended with status 0 (it may have handed over to an office already running)
    Failed,
};

// How a process started by startOfficeProcess is doing; an ended one is reaped.
ProcessState pollOfficeProcess(pid_t pid);

// Every process that startOfficeProcess started.
std::vector<pid_t> startedOfficeProcesses();

}  // namespace lingotab::sheets::calc
