#pragma once
// One running copy per window title and user. A title is taken while a process
// holds its claim; the claim ends with the process, however it ends.

#include <memory>
#include <string>
#include <string_view>

class WindowTitleClaim {
public:
    // Nothing when another process holds the title.
    static std::unique_ptr<WindowTitleClaim> Claim(std::string_view title);
    ~WindowTitleClaim();
    WindowTitleClaim(const WindowTitleClaim&) = delete;
    WindowTitleClaim& operator=(const WindowTitleClaim&) = delete;

private:
    explicit WindowTitleClaim(int descriptor) : descriptor_(descriptor) {}
    int descriptor_;
};
