// SPDX-License-Identifier: GPL-2.0-or-later
#include "support/child.h"

#include <csignal>
#include <stdexcept>
#include <sys/wait.h>
#include <unistd.h>

namespace testing_support {

Child::Child(const std::vector<std::string>& argv)
{
    int outPipe[2], inPipe[2];
    if (::pipe(outPipe) != 0 || ::pipe(inPipe) != 0) throw std::runtime_error("pipe failed");
    pid_ = ::fork();
    if (pid_ < 0) throw std::runtime_error("fork failed");
    if (pid_ == 0) {
        ::dup2(outPipe[1], 1);
        ::dup2(inPipe[0], 0);
        ::close(outPipe[0]);
        ::close(outPipe[1]);
        ::close(inPipe[0]);
        ::close(inPipe[1]);
        std::vector<char*> args;
        for (const auto& a : argv) args.push_back(const_cast<char*>(a.c_str()));
        args.push_back(nullptr);
        ::execv(args[0], args.data());
        ::_exit(127);
    }
    ::close(outPipe[1]);
    ::close(inPipe[0]);
    out_ = outPipe[0];
    in_ = inPipe[1];
}

Child::~Child()
{
    if (pid_ > 0) {
        kill();
        wait();
    }
    if (out_ >= 0) ::close(out_);
    if (in_ >= 0) ::close(in_);
}

bool Child::readLine(std::string& line)
{
    while (true) {
        auto nl = pending_.find('\n');
        if (nl != std::string::npos) {
            line = pending_.substr(0, nl);
            pending_.erase(0, nl + 1);
            return true;
        }
        char buf[4096];
        ssize_t n = ::read(out_, buf, sizeof buf);
        if (n <= 0) return false;
        pending_.append(buf, std::size_t(n));
    }
}

void Child::kill()
{
    if (pid_ > 0) ::kill(pid_, SIGKILL);
}

void Child::closeInput()
{
    if (in_ >= 0) ::close(in_);
    in_ = -1;
}

int Child::wait()
{
    if (pid_ <= 0) return -1;
    int status = 0;
    ::waitpid(pid_, &status, 0);
    pid_ = -1;
    if (WIFEXITED(status)) return WEXITSTATUS(status);
    return WIFSIGNALED(status) ? -WTERMSIG(status) : -1;
}

}  // namespace testing_support
