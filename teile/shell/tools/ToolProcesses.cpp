#include "ToolProcesses.h"

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <vector>

#include "ChildToolRun.h"
#include "TerminalToolRun.h"

namespace {

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

void ToolProcesses::StartTool(int slot) {
    const ToolProgram* program = ToolProgramOfSlot(slot);
    if (program == nullptr || IsRunning(slot)) {
        return;
    }
    const QString path = ProgramPath(*program);
    const QFileInfo file(path);
    if (!file.isFile() || file.size() == 0) {
        return;
    }
    std::unique_ptr<ToolRun> run;
    if (!program->console) {
        run = std::make_unique<ChildToolRun>(path, QStringList(), ChildToolRun::Output::Forwarded);
    } else if (!terminal_.isEmpty()) {
        run = std::make_unique<TerminalToolRun>(terminal_, path);
    } else {
        run = std::make_unique<ChildToolRun>(path, kWithoutPrompt, ChildToolRun::Output::Collected);
        connect(run.get(), &ToolRun::ConsoleFinished, this,
                [this, slot](const QString& output) { emit ConsoleOutput(slot, output); });
    }
    slots_[static_cast<std::size_t>(slot)] = std::move(run);
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
