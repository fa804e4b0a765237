// teile's part in a print, as a process of its own for what a test process
// cannot do to itself: run as another user (root writes through read-only
// folders) and destroy its application object while a job still runs.
//
//   vellum_print_host <program folder> <function> <number>
//                     [--as-nobody] [--quit-after-ms N] [--no-application]
//
// Prints "result=<return value>" (-1 when the call had not returned) and,
// with an application that stays, "title=<title of the print preview>".

#include <dlfcn.h>
#include <grp.h>
#include <unistd.h>

#include <QApplication>
#include <QPrintPreviewDialog>
#include <QTest>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <thread>

#include "PluginInterface.h"

namespace {

// Outlive main(): the job thread is detached, as teile's is.
std::atomic<int> result{-1};
std::atomic<bool> called{false};

bool BecomeNobody() {
    constexpr uid_t kNobody = 65534;
    return geteuid() != 0 ||
           (setgroups(0, nullptr) == 0 && setgid(kNobody) == 0 && setuid(kNobody) == 0);
}

QString PreviewTitle() {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* preview = qobject_cast<QPrintPreviewDialog*>(widget);
            preview && preview->isVisible()) {
            return preview->windowTitle();
        }
    }
    return {};
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc < 4) {
        return 2;
    }
    const std::string folder = argv[1];
    const char* function = argv[2];
    const int number = std::atoi(argv[3]);
    int quitAfter = -1;
    bool withApplication = true;
    for (int i = 4; i < argc; ++i) {
        if (std::strcmp(argv[i], "--as-nobody") == 0 && !BecomeNobody()) {
            return 77;
        }
        if (std::strcmp(argv[i], "--quit-after-ms") == 0 && i + 1 < argc) {
            quitAfter = std::atoi(argv[++i]);
        }
        withApplication = withApplication && std::strcmp(argv[i], "--no-application") != 0;
    }

    auto application = withApplication ? std::make_unique<QApplication>(argc, argv) : nullptr;
    void* library = dlopen((folder + kPrintLibrary).c_str(), RTLD_NOW | RTLD_LOCAL);
    const auto print =
        library ? reinterpret_cast<PrintFunction>(dlsym(library, function)) : nullptr;
    if (print == nullptr) {
        return 3;
    }
    std::thread([print, number] {
        called = true;
        result = print(kPluginProgramName, number);
    }).detach();

    if (!application) {
        while (result == -1) {
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        std::printf("result=%d\n", result.load());
        return 0;
    }
    if (quitAfter >= 0) {
        while (!called) {
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(quitAfter));
        application.reset();
        // The application's end waited for the job; its return is a moment away.
        for (int i = 0; i < 1000 && result == -1; ++i) {
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        std::printf("result=%d\n", result.load());
        return 0;
    }
    (void)QTest::qWaitFor([] { return result != -1 && !PreviewTitle().isEmpty(); }, 30000);
    std::printf("result=%d\ntitle=%s\n", result.load(), PreviewTitle().toUtf8().constData());
    return 0;
}
