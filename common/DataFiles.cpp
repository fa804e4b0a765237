#include "DataFiles.h"

std::string MainFilePath(std::string_view folder) {
    return std::string(folder) + std::string(kMainFile);
}

std::string PictureFilePath(std::string_view folder) {
    return std::string(folder) + std::string(kPictureFile);
}

std::string DatasheetFilePath(std::string_view folder) {
    return std::string(folder) + std::string(kDatasheetFile);
}

std::string ListFileName(int listNumber) { return "k" + std::to_string(listNumber) + ".dat"; }

std::string ListFilePath(std::string_view folder, int listNumber) {
    return std::string(folder) + ListFileName(listNumber);
}

std::string CategoryNameKey(int listNumber) { return "k" + std::to_string(listNumber); }

std::string SlotKey(int slot) { return "t" + std::to_string(slot); }
