#include "window/WindowProgram.h"

#include <QObject>
#include <QSocketNotifier>

#include "window/TerminationSignals.h"

WindowProgram::WindowProgram(std::string_view title)
    : signalPipe_(CatchTerminationSignals()), claim_(WindowTitleClaim::Claim(title)) {}

WindowProgram::~WindowProgram() = default;

void WindowProgram::OnTerminationSignal(QObject& owner, std::function<void()> end) {
    if (signalPipe_ < 0) {
        return;
    }
    // The notifier belongs to the owner, so it is gone before the application
    // that serves it, and a signal after the owner's end calls nothing.
    auto* notifier = new QSocketNotifier(signalPipe_, QSocketNotifier::Read, &owner);
    const int pipe = signalPipe_;
    QObject::connect(notifier, &QSocketNotifier::activated, &owner, [pipe, end = std::move(end)] {
        DrainTerminationSignals(pipe);
        end();
    });
}
