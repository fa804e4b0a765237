#include "PrintJob.h"

#include <system_error>
#include <thread>

#include "DataFiles.h"
#include "PluginInterface.h"

namespace {

PluginCall Print(const std::string& programFolder, PrintRequest request) {
    const PluginLibrary library(programFolder, kPrintLibrary);
    if (!library.IsLoaded()) {
        return PluginCall::NoLibrary;
    }
    const auto print = reinterpret_cast<PrintFunction>(library.Function(request.function));
    if (print == nullptr) {
        return PluginCall::NoFunction;
    }
    print(kPluginProgramName, request.number);
    return PluginCall::Called;
}

std::future<PluginCall> Finished(PluginCall call) {
    std::promise<PluginCall> promise;
    promise.set_value(call);
    return promise.get_future();
}

}  // namespace

std::optional<PrintRequest> PrintRequestOfTag(int tag) {
    if (IsCategoryNumber(tag)) {
        return PrintRequest{kPrintCategoryFunction, tag};
    }
    if (IsOrderListNumber(tag)) {
        return PrintRequest{kPrintOrderFunction, SupplierOfList(tag)};
    }
    return std::nullopt;
}

std::future<PluginCall> StartPrintJob(std::string programFolder, int tag) {
    const std::optional<PrintRequest> request = PrintRequestOfTag(tag);
    if (!request) {
        return Finished(PluginCall::Refused);
    }
    std::packaged_task<PluginCall()> job(
        [folder = std::move(programFolder), request = *request] { return Print(folder, request); });
    std::future<PluginCall> result = job.get_future();
    try {
        std::thread(std::move(job)).detach();
    } catch (const std::system_error&) {
        // No thread to be had: the print is lost, as when the library is missing.
        return Finished(PluginCall::NoLibrary);
    }
    return result;
}
