#include "DrankoProcess.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

#include <chrono>
#include <thread>

extern char** environ;

namespace {

// Only a guard against a hanging program, never a measured expectation.
constexpr auto kPatience = std::chrono::seconds(30);

std::vector<char*> Pointers(std::vector<std::string>& texts) {
    std::vector<char*> pointers;
    for (std::string& text : texts) {
        pointers.push_back(text.data());
    }
    pointers.push_back(nullptr);
    return pointers;
}

}  // namespace

DrankoProcess::DrankoProcess(const std::string& program, const std::vector<std::string>& arguments,
                             const std::string& lang, bool terminal) {
    signal(SIGPIPE, SIG_IGN);  // input sent after the program ended must not end the test
    int inputPipe[2];
    int outputPipe[2] = {-1, -1};
    if (pipe2(inputPipe, O_CLOEXEC) != 0) {
        return;
    }
    input_ = inputPipe[1];
    if (terminal) {
        outputFd_ = posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
        if (outputFd_ < 0 || grantpt(outputFd_) != 0 || unlockpt(outputFd_) != 0) {
            return;
        }
        // Held open here, so the program's last bytes stay readable after it ended.
        terminal_ = open(ptsname(outputFd_), O_RDWR | O_NOCTTY | O_CLOEXEC);
        termios settings{};
        tcgetattr(terminal_, &settings);
        settings.c_oflag &= ~static_cast<tcflag_t>(OPOST);
        tcsetattr(terminal_, TCSANOW, &settings);
    } else if (pipe2(outputPipe, O_CLOEXEC) == 0) {
        outputFd_ = outputPipe[0];
    }

    std::vector<std::string> environment;
    for (char** entry = environ; *entry != nullptr; ++entry) {
        const std::string variable(*entry);
        if (!variable.starts_with("LANG") && !variable.starts_with("LC_")) {
            environment.push_back(variable);
        }
    }
    environment.push_back("LANG=" + lang);
    std::vector<std::string> argumentTexts{program};
    argumentTexts.insert(argumentTexts.end(), arguments.begin(), arguments.end());

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, inputPipe[0], 0);
    posix_spawn_file_actions_adddup2(&actions, terminal ? terminal_ : outputPipe[1], 1);
    if (posix_spawn(&pid_, program.c_str(), &actions, nullptr, Pointers(argumentTexts).data(),
                    Pointers(environment).data()) != 0) {
        pid_ = -1;
    }
    posix_spawn_file_actions_destroy(&actions);
    close(inputPipe[0]);
    if (outputPipe[1] >= 0) {
        close(outputPipe[1]);
    }
}

DrankoProcess::~DrankoProcess() {
    if (pid_ > 0 && !rawStatus_) {
        kill(pid_, SIGKILL);
        waitpid(pid_, nullptr, 0);
    }
    for (int fd : {input_, outputFd_, terminal_}) {
        if (fd >= 0) {
            close(fd);
        }
    }
}

void DrankoProcess::SendInput(std::string_view text) {
    [[maybe_unused]] const ssize_t written = write(input_, text.data(), text.size());
}

void DrankoProcess::CloseInput() {
    close(input_);
    input_ = -1;
}

void DrankoProcess::Signal(int signal) {
    if (Running()) {
        kill(pid_, signal);
    }
}

bool DrankoProcess::ReadUntil(std::string_view needle) {
    const auto deadline = std::chrono::steady_clock::now() + kPatience;
    while (needle.empty() || output_.find(needle) == std::string::npos) {
        if (outputFd_ < 0 || std::chrono::steady_clock::now() > deadline) {
            return false;
        }
        pollfd request{outputFd_, POLLIN, 0};
        if (poll(&request, 1, 100) > 0) {
            char buffer[4096];
            const ssize_t count = read(outputFd_, buffer, sizeof buffer);
            if (count <= 0) {
                return false;
            }
            output_.append(buffer, static_cast<std::size_t>(count));
        }
    }
    return true;
}

bool DrankoProcess::Running() {
    int status = 0;
    if (pid_ > 0 && !rawStatus_ && waitpid(pid_, &status, WNOHANG) == pid_) {
        rawStatus_ = status;
    }
    return pid_ > 0 && !rawStatus_;
}

std::optional<int> DrankoProcess::Wait() {
    const auto deadline = std::chrono::steady_clock::now() + kPatience;
    while (Running() && std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    if (!rawStatus_ || !WIFEXITED(*rawStatus_)) {
        return std::nullopt;
    }
    return WEXITSTATUS(*rawStatus_);
}

DrankoResult RunDranko(const std::string& program, const std::vector<std::string>& arguments,
                       std::string_view input, const std::string& lang) {
    DrankoProcess process(program, arguments, lang);
    process.SendInput(input);
    process.CloseInput();
    process.ReadToEnd();
    return DrankoResult{process.Output(), process.Wait()};
}
