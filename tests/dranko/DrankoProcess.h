#pragma once
// The built exporter as a separate process on a prepared folder: its input a
// pipe, its output a pipe or a pseudo-terminal (raw, no line-end translation).

#include <sys/types.h>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

class DrankoProcess {
public:
    // The locale comes from LANG alone.
    DrankoProcess(const std::string& program, const std::vector<std::string>& arguments,
                  const std::string& lang, bool terminal = false);
    ~DrankoProcess();
    DrankoProcess(const DrankoProcess&) = delete;
    DrankoProcess& operator=(const DrankoProcess&) = delete;

    void SendInput(std::string_view text);
    void CloseInput();
    void Signal(int signal);
    // Until `needle` appeared (true) or the output ended or hung (false).
    bool ReadUntil(std::string_view needle);
    void ReadToEnd() { ReadUntil({}); }
    const std::string& Output() const { return output_; }
    bool Running();
    // The exit status; nothing when it was killed or hung.
    std::optional<int> Wait();

private:
    pid_t pid_ = -1;
    int input_ = -1;
    int outputFd_ = -1;
    int terminal_ = -1;  // our end of the terminal's program side, kept open
    std::optional<int> rawStatus_;
    std::string output_;
};

struct DrankoResult {
    std::string output;
    std::optional<int> exitStatus;
};
// Runs to the end with `input` on standard input, which is then closed.
DrankoResult RunDranko(const std::string& program, const std::vector<std::string>& arguments,
                       std::string_view input = "\n", const std::string& lang = "C.UTF-8");
