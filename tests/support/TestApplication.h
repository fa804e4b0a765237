#pragma once
// The one application object of a window test program, made by the first
// test that needs it and kept to the end, as Qt wants.

#include <QCoreApplication>

template <typename Application>
void EnsureApplication() {
    if (QCoreApplication::instance() == nullptr) {
        static int argc = 1;
        static char name[] = "window_tests";
        static char* argv[] = {name, nullptr};
        new Application(argc, argv);
    }
}
