#include "CompactionFixture.h"

#include <algorithm>
#include <fstream>

#include "AtomicFile.h"
#include "DataFiles.h"
#include "IniStore.h"
#include "Records.h"
#include "TextRules.h"
#include "compaction/CompactionJournal.h"

bool CrashingFiles::Step(const std::string& tornPath, const std::string& bytes) {
    const int step = steps_++;
    if (step == crashAt_) {
        if (!tornPath.empty()) {
            std::ofstream torn(tornPath, std::ios::binary | std::ios::trunc);
            torn.write(bytes.data(), static_cast<std::streamsize>(bytes.size() / 2));
        }
        throw SimulatedCrash{};
    }
    return step != failAt_;
}

FileRead CrashingFiles::Read(const std::string& path) {
    if (path == unreadableFile) {
        return FileRead{FileRead::State::Unreadable, {}};
    }
    return SystemCompactionFiles().Read(path);
}

bool CrashingFiles::Exists(const std::string& path) { return SystemCompactionFiles().Exists(path); }

bool CrashingFiles::MayReplace(const std::string& path) {
    return SystemCompactionFiles().MayReplace(path);
}

namespace {

std::string NameOf(const std::string& path) { return path.substr(path.rfind('/') + 1); }

// Durability against power loss is the system layer's business; these tests
// stop the work between steps, so plain writes do and keep the runs short.
bool WritePlain(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out.flush());
}

}  // namespace

bool CrashingFiles::WritePrepared(const std::string& path, const std::string& bytes,
                                  const std::string&) {
    log.push_back("prepare " + NameOf(path));
    return Step(path, bytes) && WritePlain(path, bytes);
}

bool CrashingFiles::WriteJournal(const std::string& path, const std::string& bytes) {
    log.push_back("journal " + NameOf(path));
    // A crash inside the journal write leaves it half written under its
    // temporary name, never under its own, as with the system layer.
    return Step(path + ".neu", bytes) && WritePlain(path + ".neu", bytes) &&
           RenameFile(path + ".neu", path);
}

bool CrashingFiles::Rename(const std::string& from, const std::string& to) {
    log.push_back("rename " + NameOf(to));
    return Step({}, {}) && SystemCompactionFiles().Rename(from, to);
}

bool CrashingFiles::Remove(const std::string& path) {
    log.push_back("remove " + NameOf(path));
    return Step({}, {}) && SystemCompactionFiles().Remove(path);
}

bool CrashingFiles::SyncFolder(const std::string&) {
    log.push_back("sync");
    return true;
}

DatabaseView ViewOf(const std::string& folder) {
    ForgetIniSnapshots();
    DatabaseView view;
    std::map<std::string, std::string> nameOfReference;
    for (int category = 0; category < kCategoryCount; ++category) {
        const std::string file = ListFilePath(folder, category);
        const auto list = ReadIniFile(file);
        const int limit = ScanLimit(list->Value(kListGroup, kMaxKey));
        for (int slot = 0; slot <= limit; ++slot) {
            const std::string value = list->Value(kListGroup, SlotKey(slot));
            if (IsBlank(value)) {
                continue;
            }
            const std::string reference = PartReference{category, slot}.Text();
            PartView part;
            part.category = category;
            part.record = value;
            for (int side = 0; side < 4; ++side) {
                part.sides[side] = ReadIniValue(kSideGroups[side].group, reference,
                                                folder + std::string(kSideGroups[side].file));
            }
            const std::string name = PartRecord::Parse(value).Field(kFieldName);
            nameOfReference[reference] = name;
            if (!view.parts.emplace(name, part).second) {
                view.duplicateNames.push_back(name);
            }
        }
    }
    for (int supplier = 1; supplier <= kSupplierCount; ++supplier) {
        const int listNumber = kFirstOrderList + supplier - 1;
        const auto list = ReadIniFile(ListFilePath(folder, listNumber));
        const int limit = ScanLimit(list->Value(kListGroup, kMaxKey));
        for (int slot = 0; slot <= limit; ++slot) {
            const std::string value = list->Value(kListGroup, SlotKey(slot));
            if (IsBlank(value)) {
                continue;
            }
            const OrderPosition position = OrderPosition::Parse(value);
            const auto reference = PartReference::Parse(position.reference);
            const auto name =
                reference ? nameOfReference.find(reference->Text()) : nameOfReference.end();
            if (name == nameOfReference.end()) {
                view.danglingPositions[listNumber].push_back(value);
                continue;
            }
            std::string& order = view.parts[name->second].orders[supplier - 1];
            if (!order.empty()) {
                view.duplicateNames.push_back(name->second + " in " + std::to_string(listNumber));
            }
            order = position.quantity + ";" + position.hidden;
        }
        std::sort(view.danglingPositions[listNumber].begin(),
                  view.danglingPositions[listNumber].end());
    }
    return view;
}

std::map<std::string, std::string> DataFileBytes(const std::string& folder) {
    std::map<std::string, std::string> bytes;
    std::vector<std::string> names = CompactableFileNames();
    names.emplace_back(kMainFile);
    for (const std::string& name : names) {
        if (const auto content = ReadWholeFile(folder + name)) {
            bytes[name] = *content;
        }
    }
    return bytes;
}

std::vector<std::string> CompactionLeftovers(const std::string& folder) {
    std::vector<std::string> found;
    std::vector<std::string> names;
    for (const std::string& name : CompactableFileNames()) {
        names.push_back(PreparedFileName(name));
    }
    names.emplace_back(kCompactionJournalName);
    names.push_back(std::string(kCompactionJournalName) + ".neu");
    for (const std::string& name : names) {
        if (FileExists(folder + name)) {
            found.push_back(name);
        }
    }
    return found;
}

namespace {

std::string Lines(std::initializer_list<std::string> lines) {
    std::string text;
    for (const std::string& line : lines) {
        text += line + "\r\n";
    }
    return text;
}

}  // namespace

void WriteCrashFixture(const TempFolder& folder) {
    folder.Write("teile.dat", Lines({"[kategorie]", "k0=Widerst\xE4nde", "k1=Kondensatoren",
                                     "k3=Dioden", "k4=Leer", "k901=Reichelt", "k902=Conrad"}));
    // Holes at 1, 2, 4, 5, 6.
    folder.Write("k0.dat", Lines({"[teil]", "max=7", "t0=" + Named("R 10k").Record(),
                                  "t3=" + Named("R 4k7", "R=4,7k").Record(),
                                  "t7=" + Named("R 1M").Record()}));
    // Out of slot order, with a blank record that takes a slot of its own.
    folder.Write("k1.dat",
                 Lines({"[teil]", "max=9", "t4=" + Named("C 100n").Record(),
                        "t6=  ", "t1=" + Named("C 10u").Record(), "t9=" + Named("C 1n").Record()}));
    // No name: never touched.
    folder.Write("k2.dat", Lines({"[teil]", "max=5", "t2=" + Named("Relais").Record(),
                                  "t5=" + Named("Taster").Record()}));
    // Slot 2 re-used last.
    folder.Write("k3.dat",
                 Lines({"[teil]", "max=5", "t0=" + Named("1N4148").Record(),
                        "t1=" + Named("1N4007").Record(), "t3=" + Named("BAT43").Record(),
                        "t4=" + Named("ZPD 5,1").Record(), "t5=" + Named("LED rot").Record(),
                        "t2=" + Named("BZX 12").Record()}));
    folder.Write("k4.dat", Lines({"[teil]", "max=3"}));
    folder.Write("bilder.dat", Lines({"[bild0]", "k0t7=$lopf$r1m.jpg", "k3t2=$lopf$bzx.jpg",
                                      "k3t5=c:\\bilder\\led.bmp", "k1t9=$lopf$c1n.jpg",
                                      "k2t5=$lopf$taster.jpg", "[bild1]", "k0t7=$lopf$r1m-2.jpg",
                                      "k3t3=$lopf$bat43.jpg", "k1t4=$lopf$c100n.jpg"}));
    folder.Write("datenblaetter.dat",
                 Lines({"[datenblatt]", "k0t3=$lopf$r.pdf", "k3t2=$lopf$bzx.pdf",
                        "k1t1=$lopf$elko.pdf", "k2t2=$lopf$relais.pdf", "[datenblatt2]",
                        "k3t0=$lopf$1n4148.pdf", "k1t4=$lopf$kerko.pdf", "k3t4=$lopf$zpd.pdf"}));
    folder.Write("k901.dat", Lines({"[teil]", "max=7", "t0=k3t2;5;0", "t2=k0t7;1;1", "t5=k1t9;3;0",
                                    "t3=k3t5;2;0", "t4=k2t5;1;0", "t7=k1t99;1;0"}));
    folder.Write("k902.dat",
                 Lines({"[teil]", "max=3", "t1=k3t4;10;0", "t0=k0t3;2;0", "t3=k1t1;1;0"}));
    folder.Write("k903.dat", Lines({"[teil]", "max=9", "t2=k3t0;1;0", "t6=k1t4;4;1", "t9=k0t0;7;0",
                                    "t8=k3t3;2;0"}));
}
