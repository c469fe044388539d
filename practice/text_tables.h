#pragma once
// The tables that start-up fills from the built-in text list, read-only afterwards.

#include "morse/code_table.h"
#include "morse/table.h"

namespace korvane {

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

// Fills MorseTable and the ten tables here from the text list with one running item counter.
void fill_text_tables();

}  // namespace korvane
