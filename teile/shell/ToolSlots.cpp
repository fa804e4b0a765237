#include "ToolSlots.h"

#include <QProcess>

namespace {

constexpr int kWaitAfterKillMs = 1000;

bool IsSlot(int slot) { return slot >= 0 && slot < ToolSlots::kSlotCount; }

}  // namespace

ToolSlots::ToolSlots() = default;

ToolSlots::~ToolSlots() {
    // A process object must not die with its program still attached.
    for (auto& process : processes_) {
        if (process && process->state() != QProcess::NotRunning) {
            process->kill();
            process->waitForFinished(kWaitAfterKillMs);
        }
    }
}

bool ToolSlots::IsRunning(int slot) const {
    if (!IsSlot(slot)) {
        return false;
    }
    const auto& process = processes_[static_cast<std::size_t>(slot)];
    return process && process->state() != QProcess::NotRunning;
}

bool ToolSlots::Start(int slot, const QString& program, const QStringList& arguments) {
    if (!IsSlot(slot) || IsRunning(slot)) {
        return false;
    }
    auto process = std::make_unique<QProcess>();
    process->setProcessChannelMode(QProcess::ForwardedChannels);
    process->start(program, arguments);
    if (!process->waitForStarted()) {
        return false;
    }
    processes_[static_cast<std::size_t>(slot)] = std::move(process);
    return true;
}

void ToolSlots::TerminateRunning() {
    for (int slot = 0; slot < kTerminatedSlots; ++slot) {
        auto& process = processes_[static_cast<std::size_t>(slot)];
        if (IsRunning(slot)) {
            process->kill();
            process->waitForFinished(kWaitAfterKillMs);
        }
        process.reset();
    }
}
