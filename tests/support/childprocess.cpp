#include "childprocess.h"

#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

namespace testing_support {

int runInChild(const std::function<int()>& body, int seconds) {
    const pid_t child = fork();
    if (child == 0) {
        alarm(static_cast<unsigned>(seconds));
        _exit(body());
    }
    int status = 0;
    waitpid(child, &status, 0);
    if (WIFSIGNALED(status) && WTERMSIG(status) == SIGALRM) {
        return TimedOut;
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : 100 + WTERMSIG(status);
}

} // namespace testing_support
