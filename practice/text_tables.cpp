#include "practice/text_tables.h"

#include "practice/text_list.h"

namespace korvane {
namespace {

template <std::size_t Slots>
void fill(Table<Slots>& table, int& item) {
    for (std::size_t slot = 1; slot <= Slots; ++slot) {
        table[slot] = text_list_item(item++);
    }
}

}  // namespace

void fill_text_tables() {
    int item = 1;
    fill(MorseTable, item);
    fill(OperatorNames, item);
    fill(NamePhrases, item);
    fill(QthPhrases, item);
    fill(QthCities, item);
    fill(RigPhrases, item);
    fill(RigDescriptions, item);
    fill(WeatherPhrases, item);
    fill(HandOverPhrases, item);
    fill(ReportPhrases, item);
    fill(LessonLines, item);
}

}  // namespace korvane
