#include "practice/text_list.h"

#include <cstddef>
#include <cstdint>

namespace korvane {
namespace {

// One block: the count as 16-bit little-endian, then each text ended by a zero byte.
constexpr char kTextList[] =
    "\xC1\x00"
    // MorseTable
    "--..--\0"
    "-...-\0"
    ".-.-.-\0"
    "-..-.\0"
    "-----\0"
    ".----\0"
    "..---\0"
    "...--\0"
    "....-\0"
    ".....\0"
    "-....\0"
    "--...\0"
    "---..\0"
    "----.\0"
    "x\0"
    "x\0"
    "x\0"
    "x\0"
    "x\0"
    "..--..\0"
    "x\0"
    ".-\0"
    "-...\0"
    "-.-.\0"
    "-..\0"
    ".\0"
    "..-.\0"
    "--.\0"
    "....\0"
    "..\0"
    ".---\0"
    "-.-\0"
    ".-..\0"
    "--\0"
    "-.\0"
    "---\0"
    ".--.\0"
    "--.-\0"
    ".-.\0"
    "...\0"
    "-\0"
    "..-\0"
    "...-\0"
    ".--\0"
    "-..-\0"
    "-.--\0"
    "--..\0"
    // OperatorNames
    "vincent\0"
    "leah\0"
    "mike\0"
    "mary\0"
    "bob\0"
    "anthony\0"
    "lucy\0"
    "ed\0"
    "samuel\0"
    "elizabeth\0"
    "russ\0"
    "harlan\0"
    "ken\0"
    "andy\0"
    "pete\0"
    "donna\0"
    "art\0"
    "adam\0"
    "pat\0"
    "rita\0"
    "brian\0"
    "judy\0"
    "ralph\0"
    "randy\0"
    "marcia\0"
    "bill\0"
    "bruce\0"
    "frank\0"
    "danielle\0"
    "george\0"
    "brenda\0"
    "ron\0"
    // NamePhrases
    "great copy, \0"
    "my name is \0"
    "very nice to meet you \0"
    "fine job and very glad to meet you \0"
    " is the name hr\0"
    "hr name is \0"
    "fb on everything, my name is \0"
    "the name here is \0"
    "tnx for the call \0"
    " is the name on this end\0"
    // QthPhrases
    "my qth is \0"
    "hr qth is \0"
    "i am located in \0"
    "this is my first contact with \0"
    "the qth here is \0"
    "i will be pleased to be able to log a qso from \0"
    "i am operating portable from \0"
    // QthCities
    "albany, ny\0"
    "franklin, in\0"
    "portland, or\0"
    "mystic, ct\0"
    "fargo, nd\0"
    "livermore, ca\0"
    "aurora, co\0"
    "cookeville, tn\0"
    "utica, mi\0"
    "las cruces, nm\0"
    "farmville, va\0"
    "smithfield, pa\0"
    "lutherville, md\0"
    "elpaso, tx\0"
    "valdosta, ga\0"
    "new oxford, pa\0"
    "st. petersburg, fl\0"
    "chillicothe, oh\0"
    "hillboro, or\0"
    "wichitah, ks\0"
    "coalgate, ok\0"
    "brooklyn, ny\0"
    "wayne, nj\0"
    "cheyenne, wy\0"
    "brookings, sd\0"
    "portsmouth, nh\0"
    "baker, la\0"
    "selmac, tn\0"
    "quinlan, tx\0"
    "keego harbor, mi\0"
    "prescott, az\0"
    "hereford, az\0"
    "hughesville, md\0"
    "nassau, ny\0"
    // RigPhrases
    "my rig is a \0"
    "i am running a \0"
    "my station consists of a \0"
    "hr rig is a \0"
    // RigDescriptions
    "Century/21 working into a g5rv\0"
    "Drake TR4 into a dipole\0"
    "QRP homebrew feeding a random wire\0"
    "Kenwood 940 driving a yagi beam\0"
    "Yaesu ft100 working into an inverted vee\0"
    // WeatherPhrases
    "our wx is clear and the temp is\0"
    "hr the sky is overcast and about\0"
    "the sun is shining hr, and our temp is around\0"
    "hr wx is windy and temp is\0"
    // HandOverPhrases
    "ok, back to you, hw cpy\0"
    "how is everything on your end\0"
    "so, hw cpy\0"
    "how are condx on your end\0"
    // ReportPhrases
    "ur rst is \0"
    "your sigs are \0"
    "ur report hr is \0"
    // LessonLines
    "   E .  A .-\0"
    "   T -  N -.  D -..  B -...\0"
    "   T -  N -.  K -.-  C -.-.\0"
    "   T -  N -.  D -..\0"
    "   E .\0"
    "   E .  I ..  U ..-  F ..-.\0"
    "   T -  M --  G --.\0"
    "   E .  I ..  S ...  H ....\0"
    "   E .  I ..\0"
    "   E .  A .-  W .--  J .---\0"
    "   T -  N -.  K -.-\0"
    "   E .  A .-  R .-.  L .-..\0"
    "   T -  M --\0"
    "   T -  N -.\0"
    "   T -  M --  O ---\0"
    "   E .  A .-  W .--  P .--.\0"
    "   T -  M --  G --.  Q --.-\0"
    "   E .  A .-  R .-.\0"
    "   E .  I ..  S ...\0"
    "   T -\0"
    "   E .  I ..  U ..-\0"
    "   E .  I ..  S ...  V ...-\0"
    "   E .  A .-  W .--\0"
    "   T -  N -.  D -..  X -..-\0"
    "   T -  N -.  K -.-  Y -.--\0"
    "   T -  M --  G --.  Z --..\0"
    "   ------------------------------\0"
    "   1 .----\0"
    "   2 ..---\0"
    "   3 ...--\0"
    "   4 ....-\0"
    "   5 .....\0"
    "   6 -....\0"
    "   7 --...\0"
    "   8 ---..\0"
    "   9 ----.\0"
    "   0 -----\0"
    "   ------------------------------\0"
    "   Period .-.-.-\0"
    "   Questionmark ..--..\0"
    "   Comma --..--\0"
    "   Slash -..-.\0"
    "   Dash -...-\0";

constexpr std::size_t kHeaderBytes = 2;

constexpr int block_count() {
    return static_cast<unsigned char>(kTextList[0]) | static_cast<unsigned char>(kTextList[1]) << 8;
}

constexpr int texts_in_block() {
    int texts = 0;
    for (std::size_t i = kHeaderBytes; i + 1 < sizeof kTextList; ++i) {
        texts += kTextList[i] == '\0';
    }
    return texts;
}

static_assert(block_count() == kTextListCount);
static_assert(texts_in_block() == kTextListCount);

}  // namespace

std::string text_list_item(int n) {
    if (n < 1 || n > block_count()) {
        return {};
    }
    const char* item = kTextList + kHeaderBytes;
    for (int i = 1; i < n; ++i) {
        item += std::char_traits<char>::length(item) + 1;
    }
    return item;
}

}  // namespace korvane
