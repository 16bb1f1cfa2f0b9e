// Runs a program as a child process with its own environment, its stdout
// and stderr on one pipe. The child dies with the test, should the test die.
#pragma once

#include <signal.h>
#include <stdlib.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace pelmora::soundtest {

class ChildProcess {
public:
    // `environment`: NAME=VALUE to set, or a bare NAME to remove.
    ChildProcess(const std::vector<std::string>& arguments, const std::vector<std::string>& environment) {
        int pipeEnds[2];
        if (pipe(pipeEnds) != 0) throw std::runtime_error("no pipe");
        pid_ = fork();
        if (pid_ < 0) throw std::runtime_error("no fork");
        if (pid_ == 0) {
            prctl(PR_SET_PDEATHSIG, SIGKILL);
            dup2(pipeEnds[1], STDOUT_FILENO);
            dup2(pipeEnds[1], STDERR_FILENO);
            close(pipeEnds[0]);
            close(pipeEnds[1]);
            for (const std::string& entry : environment) {
                const auto equals = entry.find('=');
                if (equals == std::string::npos) unsetenv(entry.c_str());
                else setenv(entry.substr(0, equals).c_str(), entry.substr(equals + 1).c_str(), 1);
            }
            std::vector<char*> argv;
            for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
            argv.push_back(nullptr);
            execv(argv[0], argv.data());
            _exit(127);
        }
        close(pipeEnds[1]);
        output_ = pipeEnds[0];
    }
    ~ChildProcess() {
        if (pid_ > 0) {
            kill(pid_, SIGKILL);
            waitpid(pid_, nullptr, 0);
        }
        close(output_);
    }
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    // The next line it writes, without its newline; empty at its end.
    std::string readLine() {
        std::string line;
        char c;
        while (read(output_, &c, 1) == 1 && c != '\n') line += c;
        return line;
    }
    // Everything it writes until it ends.
    std::string readAll() {
        std::string all;
        char buffer[4096];
        for (ssize_t got; (got = read(output_, buffer, sizeof buffer)) > 0;) all.append(buffer, got);
        return all;
    }
    void signal(int number) { kill(pid_, number); }
    // Its wait status, once it has ended.
    int wait() {
        int status = 0;
        waitpid(std::exchange(pid_, -1), &status, 0);
        return status;
    }

private:
    pid_t pid_ = -1;
    int output_ = -1;
};

}  // namespace pelmora::soundtest
