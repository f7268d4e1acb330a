#pragma once

#include <sys/types.h>
#include <QString>
#include <functional>

// LibreOffice Calc as the spreadsheet application behind "Excel.Application".
namespace lingotab::sheets::calc {

// How the program reaches its office.
struct OfficeOptions {
    // The named pipe that an office of ours accepts UNO connections on.
    QString pipeName;
    // Offices started by us run without windows (tests, benchmarks).
    bool headless = false;
    // The profile folder (a file URL) of offices started by us; empty for the
    // user's own profile.
    QString profileUrl;
    // How long a starting office may take to accept the connection.
    int startTimeoutMs = 60000;
    // Told the process id of each office started, which is also the id of
    // the process group that the office's processes share.
    std::function<void(pid_t)> started;
};

// The options from the environment: LINGOTAB_OFFICE_PIPE (default
// "lingotab"), LINGOTAB_OFFICE_HEADLESS=1, LINGOTAB_OFFICE_PROFILE (a folder
// or a file URL).
OfficeOptions officeOptionsFromEnvironment();

// True when the office's program and its spreadsheet module are installed.
bool calcInstalled();

// True when an office accepts connections on `options.pipeName` (it then
// stays connected for the next export).
bool officeListening(const OfficeOptions& options);

// Registers Calc for "Excel.Application": the running object is the office
// listening on the pipe, a new instance is an office started on it.
void registerCalcApplication(const OfficeOptions& options);

}  // namespace lingotab::sheets::calc
