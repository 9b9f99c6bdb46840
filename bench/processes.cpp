#include "bench/processes.h"

#include "bench/table.h"

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <stdexcept>

extern char** environ;

namespace bench {

namespace {

std::string besideThisProgram(const std::string& program) {
    return (std::filesystem::read_symlink("/proc/self/exe").parent_path() / program).string();
}

} // namespace

ProcessRun runProcess(const std::string& program, const std::vector<std::string>& arguments) {
    const std::string path = besideThisProgram(program);
    std::vector<char*> argv{const_cast<char*>(path.c_str())};
    for (const std::string& argument : arguments)
        argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);

    int pipeEnds[2];
    if (pipe(pipeEnds) != 0)
        throw std::runtime_error("no pipe");
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, pipeEnds[0]);

    pid_t child = 0;
    const auto spawned = std::chrono::steady_clock::now();
    const int failed = posix_spawn(&child, path.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(pipeEnds[1]);
    if (failed)
        throw std::runtime_error("cannot start " + path);

    long long paintedNs = 0, residentKiB = 0;
    FILE* report = fdopen(pipeEnds[0], "r");
    const int read = std::fscanf(report, "%lld %lld", &paintedNs, &residentKiB);
    std::fclose(report);
    int status = 0;
    waitpid(child, &status, 0);
    if (read != 2)
        throw std::runtime_error(path + " gave no report");
    const auto painted = std::chrono::steady_clock::time_point(std::chrono::nanoseconds(paintedNs));
    return {std::chrono::duration<double>(painted - spawned).count(), residentKiB / 1024.0};
}

ProcessRun medianRun(const std::vector<ProcessRun>& runs) {
    std::vector<double> seconds, resident;
    for (const ProcessRun& run : runs) {
        seconds.push_back(run.seconds);
        resident.push_back(run.residentMiB);
    }
    return {median(seconds), median(resident)};
}

} // namespace bench
