// Saving a new part from the part editor into a category that has one free
// slot left: the name and storage-place checks, the slot search with its
// "max" upkeep and the writes of datasheets, record and pictures.

#include <benchmark/benchmark.h>

#include <string>

#include "DataFiles.h"
#include "IniStore.h"
#include "LargestDatabase.h"
#include "records/PartOperations.h"

namespace {

class AgreeingPrompter : public Prompter {
public:
    Answer Ask(const std::string&, const std::string&, MessageIcon, Answer) override {
        return Answer::Yes;
    }
    void Tell(const std::string&, const std::string&, MessageIcon) override {}
};

// Takes a part out of its category with its side entries, whatever its stock.
bool RemovePart(const std::string& folder, int category, int slot) {
    const std::string reference = PartReference{category, slot}.Text();
    IniDocument list = *ReadIniFile(ListFilePath(folder, category));
    list.Write(kListGroup, SlotKey(slot), "");
    IniDocument datasheets = *ReadIniFile(DatasheetFilePath(folder));
    IniDocument pictures = *ReadIniFile(PictureFilePath(folder));
    for (const SideGroup& side : kSideGroups) {
        (side.file == kDatasheetFile ? datasheets : pictures).Write(side.group, reference, "");
    }
    return WriteIniFile(ListFilePath(folder, category), list) &&
           WriteIniFile(DatasheetFilePath(folder), datasheets) &&
           WriteIniFile(PictureFilePath(folder), pictures);
}

void BM_SavePartInto499PartCategory(benchmark::State& state) {
    TemporaryDatabase database;
    const std::string& folder = database.Folder();
    constexpr int kCategory = 17;
    constexpr int kFreeSlot = 250;
    AgreeingPrompter prompter;
    if (!RemovePart(folder, kCategory, kFreeSlot)) {
        state.SkipWithError("could not make room in the category");
        return;
    }

    PartEditorTexts texts;
    texts.fields = {"Neues Teil 4,7k",
                    "f\xFCr den Benchmark",
                    "0,25W",
                    "axial 0207",
                    "1%",
                    "BH-17-99999",
                    "EK 117-999/Z",
                    "k.A.",
                    "0,10",
                    "0,12",
                    "0,00",
                    "Regal Z-99",
                    "25",
                    "10"};
    texts.datasheet1 = folder + "daten/neu.pdf";
    texts.datasheet2 = "k.A.";
    texts.picture1 = folder + "bilder/neu.jpg";
    texts.picture2 = folder + "bilder/neu2.jpg";

    for (auto _ : state) {
        const OperationOutcome outcome = SavePart(folder, kCategory, -1, texts, prompter);
        if (!outcome.IsDone() || !outcome.reload || outcome.reload->selectSlot != kFreeSlot) {
            state.SkipWithError("the part was not saved into the free slot");
            break;
        }
        state.PauseTiming();
        if (!RemovePart(folder, kCategory, kFreeSlot)) {
            state.SkipWithError("could not remove the saved part again");
            break;
        }
        state.ResumeTiming();
    }
}
BENCHMARK(BM_SavePartInto499PartCategory)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
