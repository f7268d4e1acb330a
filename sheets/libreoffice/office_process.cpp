#include "sheets/libreoffice/office_process.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

extern char** environ;

namespace lingotab::sheets::calc {

namespace {

std::vector<pid_t>& started() {
    static std::vector<pid_t> processes;
    return processes;
}

}  // namespace

pid_t startOfficeProcess(const QString& program, const QStringList& arguments) {
    const QByteArray path = program.toLocal8Bit();
    std::vector<QByteArray> storage{path};
    for (const QString& argument : arguments) storage.push_back(argument.toLocal8Bit());
    std::vector<char*> argv;
    for (QByteArray& text : storage) argv.push_back(text.data());
    argv.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawnattr_t attributes;
    posix_spawn_file_actions_init(&actions);
    for (int fd : {0, 1, 2}) posix_spawn_file_actions_addopen(&actions, fd, "/dev/null", O_RDWR, 0);
    // The office lives on after us: it gets none of our files or sockets.
    posix_spawn_file_actions_addclosefrom_np(&actions, 3);
    posix_spawnattr_init(&attributes);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSID);
    pid_t pid = -1;
    const int error =
        posix_spawn(&pid, path.constData(), &actions, &attributes, argv.data(), environ);
    posix_spawnattr_destroy(&attributes);
    posix_spawn_file_actions_destroy(&actions);
    if (error != 0) return -1;
    started().push_back(pid);
    return pid;
}

ProcessState pollOfficeProcess(pid_t pid) {
    int status = 0;
    const pid_t result = waitpid(pid, &status, WNOHANG);
    if (result == 0) return ProcessState::Running;
    if (result == pid && WIFEXITED(status) && WEXITSTATUS(status) == 0)
        return ProcessState::Succeeded;
    return ProcessState::Failed;
}

std::vector<pid_t> startedOfficeProcesses() {
    return started();
}

}  // namespace lingotab::sheets::calc
