#include "SimProcess.h"

#include <QByteArray>

#include <csignal>
#include <cstdio>
#include <cstring>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

#ifndef MODEMSIM_PATH
#error "MODEMSIM_PATH must name the modemsim executable"
#endif

SimProcess::SimProcess(const QStringList& arguments)
{
    int out[2];
    if (pipe(out) != 0) return;
    std::vector<QByteArray> args{QByteArray(MODEMSIM_PATH)};
    for (const QString& a : arguments) args.push_back(a.toLocal8Bit());
    pid_ = fork();
    if (pid_ == 0) {
        dup2(out[1], STDOUT_FILENO);
        close(out[0]);
        close(out[1]);
        std::vector<char*> argv;
        for (QByteArray& a : args) argv.push_back(a.data());
        argv.push_back(nullptr);
        execv(argv[0], argv.data());
        _exit(127);
    }
    close(out[1]);
    // The first line is the device path; the simulator flushes it at once.
    QByteArray line;
    char c;
    while (read(out[0], &c, 1) == 1 && c != '\n') line.append(c);
    close(out[0]);
    path_ = QString::fromLocal8Bit(line);
}

SimProcess::~SimProcess() { Stop(); }

void SimProcess::PowerCycle() const
{
    if (pid_ > 0) kill(pid_, SIGUSR1);
}

int SimProcess::Stop()
{
    if (pid_ <= 0) return -1;
    kill(pid_, SIGTERM);
    int status = 0;
    waitpid(pid_, &status, 0);
    pid_ = -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}
