#pragma once
// The tool programs started from the menu "Werkzeuge": twelve slots, each
// holding at most one running process. Slot 0 zelvo, 1 reglo, 2 dranko,
// 3 tastomat. Tools that still run when teile ends are terminated.

#include <QString>
#include <QStringList>

#include <array>
#include <memory>

class QProcess;

class ToolSlots {
public:
    static constexpr int kSlotCount = 12;
    // Only these are ended at shutdown.
    static constexpr int kTerminatedSlots = 10;
    enum Slot : int { kZelvo = 0, kReglo = 1, kDranko = 2, kTastomat = 3 };

    ToolSlots();
    ~ToolSlots();
    ToolSlots(const ToolSlots&) = delete;
    ToolSlots& operator=(const ToolSlots&) = delete;

    // A started program counts as running until its process has ended.
    bool IsRunning(int slot) const;
    // Starts `program` in its own window unless the slot's tool still runs.
    // False when it could not be started or still runs.
    bool Start(int slot, const QString& program, const QStringList& arguments = {});
    // Ends the running tools of slots 0-9 at once; tools that already ended
    // are left alone, one that cannot be ended is ignored.
    void TerminateRunning();

private:
    std::array<std::unique_ptr<QProcess>, kSlotCount> processes_;
};
