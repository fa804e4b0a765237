#include "ShellBench.h"

#include <benchmark/benchmark.h>

#include <QApplication>

#include "LargestDatabase.h"
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

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
