#pragma once
// The functions teile calls in its two outside libraries. A library offers
// them with exactly these C names and argument types; teile ignores what they
// return and passes nothing else. A library that includes this header has
// its definitions checked against it.
//
//   libvellum.so (printing, command "Drucken"), called on a thread of its own:
//     DruckeKategorie(programName, number)       a category, number 0 to 49
//     DruckeBestellung(programName, orderNumber) the order list of supplier 1 to 3
//   libtallix.so (statistics, command "Statistik"), called on the user-interface
//   thread while teile's main window is disabled; returns when the user has
//   closed the statistics:
//     StatistikAnzeigen(parentWidget)            teile's main window, a QWidget*
//
// programName is always "Teile-Verwaltung" (zero-terminated, cp1252).

#include <cstdint>

extern "C" {
int32_t DruckeKategorie(const char* programName, int32_t number);
int32_t DruckeBestellung(const char* programName, int32_t orderNumber);
int32_t StatistikAnzeigen(void* parentWidget);
}

using PrintFunction = int32_t (*)(const char* programName, int32_t number);
using StatisticsFunction = int32_t (*)(void* parentWidget);

inline constexpr char kPrintLibrary[] = "libvellum.so";
inline constexpr char kStatisticsLibrary[] = "libtallix.so";
inline constexpr char kPrintCategoryFunction[] = "DruckeKategorie";
inline constexpr char kPrintOrderFunction[] = "DruckeBestellung";
inline constexpr char kStatisticsFunction[] = "StatistikAnzeigen";
inline constexpr char kPluginProgramName[] = "Teile-Verwaltung";
