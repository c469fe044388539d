#pragma once
// The tables that start-up fills from the built-in text list, read-only afterwards.

#include <string>
#include <vector>

#include "app/table.h"

namespace korvane {

inline Table<47> MorseTable;  // slot k: the code of the character 43 + k, "x" for none
inline Table<32> OperatorNames;
inline Table<10> NamePhrases;
inline Table<7> QthPhrases;
inline Table<34> QthCities;
inline Table<4> RigPhrases;
inline Table<5> RigDescriptions;
inline Table<4> WeatherPhrases;
inline Table<4> HandOverPhrases;
inline Table<3> ReportPhrases;
inline Table<43> LessonLines;

// The QSO generator's six work lines.
inline Table<6> QsoLines;

// The lines of the Code From File list: ".." and then every accepted name.
inline std::vector<std::string> FileList;

// The placeholder code of a character that makes no sound.
inline constexpr const char* kNoCode = "x";

// Fills the eleven tables from the text list with one running item counter.
void fill_text_tables();

}  // namespace korvane
