#pragma once
// "Kompaktieren": the engine's compaction with the main window
// locked. The engine reports each list it starts through a callback; the
// window shows it in status field 1 and paints it before the work goes on.

#include <QObject>

#include "CommandContext.h"

class CompactionFiles;

class CompactionCommand : public QObject {
    Q_OBJECT

public:
    explicit CompactionCommand(const CommandContext& shell, QObject* parent = nullptr);

    void Run();
    // The file layer the compaction works through; the real one unless a
    // test puts one that fails in its place.
    void UseFiles(CompactionFiles& files) { files_ = &files; }

private:
    void Lock();
    void ShowProgress(const std::string& text);
    void Unlock();

    CommandContext shell_;
    CompactionFiles* files_;
};
