#include "ToolProcesses.h"

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>

#include <unistd.h>

#include <algorithm>
#include <utility>
#include <vector>

#include "ChildToolRun.h"
#include "TerminalToolRun.h"

namespace {

bool MayExecute(const QString& path) {
    return ::access(QFile::encodeName(path).constData(), X_OK) == 0;
}

// Why the system refused to start a file we may execute: the usual cause is
// told in the user's words, any other in the system's.
ToolStartFailure::Cause CauseOfRefusal(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return ToolStartFailure::Cause::Other;
    }
    // An ELF file or a script with its interpreter line; whatever else the
    // kernel refuses to run is "not a program".
    const QByteArray head = file.read(4);
    const bool program = head == "\177ELF" || head.startsWith("#!");
    return program ? ToolStartFailure::Cause::Other : ToolStartFailure::Cause::NotAProgram;
}

// Nobody is there to answer dranko's closing prompt when it runs without a
// terminal, and the box that shows its output afterwards must not ask for
// Enter. dranko looks only at its second argument for the switch.
const QStringList kWithoutPrompt = {QStringLiteral("teile"), QStringLiteral("/FRAGNICHT")};

}  // namespace

ToolProcesses::ToolProcesses(std::string programFolder, QString terminal, QObject* parent)
    : QObject(parent),
      programFolder_(QFile::decodeName(QByteArray::fromStdString(programFolder))),
      terminal_(std::move(terminal)) {
    if (!programFolder_.endsWith(QLatin1Char('/'))) {
        programFolder_ += QLatin1Char('/');
    }
}

ToolProcesses::~ToolProcesses() { TerminateAll(); }

QString ToolProcesses::ProgramPath(const ToolProgram& program) const {
    return programFolder_ + QString::fromLatin1(program.file);
}

std::optional<ToolStartFailure> ToolProcesses::StartTool(int slot) {
    const ToolProgram* program = ToolProgramOfSlot(slot);
    if (program == nullptr || IsRunning(slot)) {
        return std::nullopt;
    }
    const QString path = ProgramPath(*program);
    const QFileInfo file(path);
    if (!file.isFile() || file.size() == 0) {
        return std::nullopt;
    }
    // Asked before a terminal opens for it, which would only flash up with
    // the shell's complaint. Even root needs one execute bit.
    if (!MayExecute(path)) {
        return ToolStartFailure{path, ToolStartFailure::Cause::NoExecutePermission, {}};
    }
    std::unique_ptr<ToolRun>& slotRun = slots_[static_cast<std::size_t>(slot)];
    if (program->console && !terminal_.isEmpty()) {
        slotRun = std::make_unique<TerminalToolRun>(terminal_, path);
        return std::nullopt;
    }
    const bool collected = program->console;
    auto run = std::make_unique<ChildToolRun>(
        path, collected ? kWithoutPrompt : QStringList(),
        collected ? ChildToolRun::Output::Collected : ChildToolRun::Output::Forwarded);
    if (!run->StartError().isEmpty()) {
        return ToolStartFailure{path, CauseOfRefusal(path), run->StartError()};
    }
    if (collected) {
        connect(run.get(), &ToolRun::ConsoleFinished, this,
                [this, slot](const QString& output) { emit ConsoleOutput(slot, output); });
    }
    slotRun = std::move(run);
    return std::nullopt;
}

bool ToolProcesses::IsRunning(int slot) {
    if (slot < 0 || slot >= kToolSlotCount) {
        return false;
    }
    ToolRun* run = slots_[static_cast<std::size_t>(slot)].get();
    return run != nullptr && run->IsRunning();
}

qint64 ToolProcesses::ProcessId(int slot) const {
    if (slot < 0 || slot >= kToolSlotCount) {
        return 0;
    }
    const ToolRun* run = slots_[static_cast<std::size_t>(slot)].get();
    return run != nullptr ? run->ProcessId() : 0;
}

void ToolProcesses::TerminateAll() {
    std::vector<ToolRun*> running;
    for (const std::unique_ptr<ToolRun>& run : slots_) {
        if (run == nullptr) {
            continue;
        }
        // Whatever a console tool printed is not shown any more while teile
        // ends, also when it ended just now.
        run->disconnect(this);
        if (run->IsRunning()) {
            run->AskToEnd();
            running.push_back(run.get());
        }
    }
    QElapsedTimer waited;
    waited.start();
    for (ToolRun* run : running) {
        run->WaitForEnd(std::max(0, kEndGraceMilliseconds - static_cast<int>(waited.elapsed())));
    }
    for (ToolRun* run : running) {
        if (run->IsRunning()) {
            run->Kill();
        }
    }
}
