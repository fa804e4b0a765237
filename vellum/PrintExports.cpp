// The only two names the library shows: the functions teile calls. Their
// declarations come from the interface header, with the visibility the rest
// of the library does not get.

#pragma GCC visibility push(default)
#include "PluginInterface.h"
#pragma GCC visibility pop

#include "PrintTask.h"

int32_t DruckeKategorie(const char* /*programName*/, int32_t number) {
    return RunPrintJob(PrintKind::Category, number);
}

int32_t DruckeBestellung(const char* /*programName*/, int32_t orderNumber) {
    return RunPrintJob(PrintKind::Order, orderNumber);
}
