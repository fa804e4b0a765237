#include "ShellBench.h"

#include <benchmark/benchmark.h>

#include <QApplication>

#include "LargestDatabase.h"
#include "OffscreenBenchmarks.h"
#include "TeileProgram.h"

const TemporaryDatabase& Database() {
    static const TemporaryDatabase database;
    return database;
}

void Settle() { QApplication::processEvents(); }

std::unique_ptr<TeileProgram> StartedProgram() {
    auto program = std::make_unique<TeileProgram>(Database().Folder());
    program->Start();
    Settle();
    return program;
}

int main(int argc, char** argv) { return RunOffscreenBenchmarks<QApplication>(argc, argv); }
