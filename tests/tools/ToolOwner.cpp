// Stands in for teile in the test of a sudden end: starts zelvo from the
// program folder given as its argument, notes zelvo's process number in
// "zelvo.pid" there, and waits to be killed.

#include <QCoreApplication>

#include <fstream>
#include <string>

#include "ToolProcesses.h"

int main(int argc, char* argv[]) {
    QCoreApplication application(argc, argv);
    if (argc < 2) {
        return 2;
    }
    const std::string folder = argv[1];
    ToolProcesses tools(folder, QString());
    tools.StartTool(0);
    std::ofstream(folder + "zelvo.pid.new") << tools.ProcessId(0) << '\n';
    std::rename((folder + "zelvo.pid.new").c_str(), (folder + "zelvo.pid").c_str());
    return application.exec();
}
