#include "PrintTestSupport.h"

#include <dlfcn.h>

#include <QApplication>
#include <QDate>
#include <QPrintPreviewDialog>
#include <QProcess>
#include <QTest>

#include <algorithm>
#include <filesystem>
#include <thread>

#include "DataFiles.h"
#include "IniStore.h"
#include "PluginInterface.h"
#include "PrintJob.h"
#include "TestApplication.h"

namespace fs = std::filesystem;

namespace {

std::vector<QPrintPreviewDialog*> OpenPreviews() {
    std::vector<QPrintPreviewDialog*> previews;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* preview = qobject_cast<QPrintPreviewDialog*>(widget);
            preview && preview->isVisible()) {
            previews.push_back(preview);
        }
    }
    return previews;
}

}  // namespace

void PrintLibraryTest::SetUpTestSuite() { EnsureApplication<QApplication>(); }

void PrintLibraryTest::SetUp() {
    for (const auto& entry : fs::directory_iterator(DEMO_DATA_DIR)) {
        fs::copy(entry.path(), folder.File(entry.path().filename().string()),
                 fs::copy_options::recursive);
    }
    fs::copy_file(std::string(SUITE_PROGRAM_DIR) + kPrintLibrary, folder.File(kPrintLibrary));
}

void PrintLibraryTest::TearDown() {
    for (QPrintPreviewDialog* preview : OpenPreviews()) {
        preview->close();
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ForgetIniSnapshots();
}

int PrintLibraryTest::Call(const char* function, int number) const {
    void* library = dlopen(folder.File(kPrintLibrary).c_str(), RTLD_NOW | RTLD_LOCAL);
    EXPECT_NE(library, nullptr) << dlerror();
    const auto print = reinterpret_cast<PrintFunction>(dlsym(library, function));
    EXPECT_NE(print, nullptr) << function;
    int result = -1;
    std::thread job([&] { result = print(kPluginProgramName, number); });
    job.join();
    dlclose(library);
    return result;
}

void PrintLibraryTest::Print(int tag) const {
    std::future<PluginCall> job = StartPrintJob(folder.Path(), tag);
    ASSERT_TRUE(QTest::qWaitFor(
        [&job] { return job.wait_for(std::chrono::seconds(0)) == std::future_status::ready; },
        30000));
    ASSERT_EQ(job.get(), PluginCall::Called);
}

std::vector<std::string> PrintLibraryTest::Kept() const {
    std::vector<std::string> names;
    std::error_code missing;
    for (const auto& entry : fs::directory_iterator(folder.File("druck"), missing)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

QString PrintLibraryTest::KeptText(const std::string& name) const {
    return PdfText(folder.File("druck/" + name));
}

QStringList PrintLibraryTest::PreviewTitles(int count) const {
    // A job queues its preview before it returns.
    QCoreApplication::processEvents();
    (void)QTest::qWaitFor([count] { return static_cast<int>(OpenPreviews().size()) >= count; },
                          10000);
    QStringList titles;
    for (QPrintPreviewDialog* preview : OpenPreviews()) {
        titles.append(preview->windowTitle());
    }
    titles.sort();
    return titles;
}

void PrintLibraryTest::WriteMain(const std::string& group, const std::string& key,
                                 const std::string& value) const {
    ASSERT_TRUE(WriteIniValue(group, key, value, MainFilePath(folder.Path())));
}

QString PdfText(const std::string& path, const QStringList& options) {
    QProcess pdftotext;
    pdftotext.start("pdftotext", options + QStringList{QString::fromStdString(path), "-"});
    if (!pdftotext.waitForFinished(30000) || pdftotext.exitCode() != 0) {
        return {};
    }
    return QString::fromUtf8(pdftotext.readAllStandardOutput());
}

int PageCount(const QString& text) { return static_cast<int>(text.count(QLatin1Char('\f'))); }

QString Today() { return QDate::currentDate().toString("dd.MM.yyyy"); }

std::string IsoToday() { return QDate::currentDate().toString(Qt::ISODate).toStdString(); }
