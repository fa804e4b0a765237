// Opening the part editor on a part of a full category of the largest
// database whose two pictures are 1600 x 1200 JPEG photos: the window built,
// filled from the data files, shown, and both previews drawn. Then the preview
// alone, of a 1600 x 1200 photo and of camera-sized ones.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImageWriter>
#include <QLabel>
#include <QPainter>
#include <QTableView>

#include <filesystem>
#include <memory>

#include "CategoryTreeView.h"
#include "CommandDispatcher.h"
#include "Commands.h"
#include "DataFiles.h"
#include "DialogFrame.h"
#include "IniStore.h"
#include "LargestDatabase.h"
#include "MainWindow.h"
#include "OffscreenBenchmarks.h"
#include "PartListPanel.h"
#include "PartPicture.h"
#include "TeileProgram.h"

namespace {

constexpr int kCategory = 0;
constexpr int kSlot = 5;

// A photo-like picture: gradients and shapes, so the JPEG has detail to
// decode and is not one flat colour.
void WritePhoto(const std::string& path, int seed, int width = 1600, int height = 1200) {
    QImage photo(width, height, QImage::Format_RGB32);
    for (int y = 0; y < photo.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(photo.scanLine(y));
        for (int x = 0; x < photo.width(); ++x) {
            line[x] = qRgb((x * 255 / width + seed * 40) % 256, (y * 255 / height) % 256,
                           ((x ^ y) + seed * 13) % 256);
        }
    }
    QPainter painter(&photo);
    painter.setBrush(Qt::darkGray);
    painter.drawEllipse(width / 4, height / 4, width / 2, height / 2);
    painter.end();
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    QImageWriter writer(QString::fromStdString(path), "jpg");
    writer.setQuality(90);
    if (!writer.write(photo)) {
        throw std::runtime_error("picture not written: " + path);
    }
}

// Made in main() and gone before the program's static objects: its removal
// still talks to the store's snapshots.
const TemporaryDatabase* database = nullptr;

const TemporaryDatabase& Database() { return *database; }

// The part's two picture entries point at two photos of their own.
void PreparePictures(const std::string& folder) {
    static bool prepared = false;
    if (prepared) {
        return;
    }
    prepared = true;
    WritePhoto(folder + "bilder/foto1.jpg", 1);
    WritePhoto(folder + "bilder/foto2.jpg", 2);
    const std::string reference = "k" + std::to_string(kCategory) + "t" + std::to_string(kSlot);
    if (!WriteIniValue("bild0", reference, "$lopf$bilder\\foto1.jpg", PictureFilePath(folder)) ||
        !WriteIniValue("bild1", reference, "$lopf$bilder\\foto2.jpg", PictureFilePath(folder))) {
        throw std::runtime_error("picture entries not written");
    }
}

void Settle() { QApplication::processEvents(); }

bool ShowsPhotos(QDialog& editor) {
    const QImage empty = EmptyPartPicture();
    for (const char* name : {"picturePreview1", "picturePreview2"}) {
        const auto* preview = editor.findChild<QLabel*>(name);
        if (!preview || preview->pixmap().toImage() == empty) {
            return false;
        }
    }
    return true;
}

void OpenPartEditor(benchmark::State& state) {
    const std::string& folder = Database().Folder();
    PreparePictures(folder);
    TeileProgram program(folder);
    program.Start();
    program.Window().Tree()->Select(TreeEntryId::List(kCategory));
    Settle();
    program.List().SelectSlot(kSlot);
    Settle();
    if (program.Window().List()->model()->rowCount() != 500 ||
        program.List().SelectedItemData() != kSlot) {
        state.SkipWithError("part not selected in a full category");
        return;
    }
    for (auto _ : state) {
        program.Dispatcher().Dispatch(Command::EditPart);
        Settle();  // shown and painted, previews included
        state.PauseTiming();
        QDialog* editor = program.Dialogs().OpenDialog();
        if (!editor || !ShowsPhotos(*editor)) {
            state.SkipWithError("editor without both photos");
            break;
        }
        program.Dialogs().Close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        Settle();
        state.ResumeTiming();
    }
}
BENCHMARK(OpenPartEditor)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);

// One preview of a photo of the given size, decoded from its file each time.
void PartPicturePreview(benchmark::State& state) {
    const auto width = static_cast<int>(state.range(0));
    const auto height = static_cast<int>(state.range(1));
    const std::string folder = Database().Folder() + "bilder/";
    const std::string name =
        "foto-" + std::to_string(width) + "x" + std::to_string(height) + ".jpg";
    if (!std::filesystem::exists(folder + name)) {
        WritePhoto(folder + name, 3, width, height);
    }
    for (auto _ : state) {
        benchmark::DoNotOptimize(ShowPartPicture("$lopf$bilder/" + name, Database().Folder()));
    }
    state.counters["MB"] = static_cast<double>(std::filesystem::file_size(folder + name)) / 1e6;
}
// A common camera of 24 megapixels, and the largest medium-format sensor.
BENCHMARK(PartPicturePreview)
    ->Args({1600, 1200})
    ->Args({6000, 4000})
    ->Args({11648, 8736})
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

}  // namespace

int main(int argc, char** argv) {
    const TemporaryDatabase largest;
    database = &largest;
    return RunOffscreenBenchmarks<QApplication>(argc, argv);
}
