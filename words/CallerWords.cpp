#include "words/CallerWords.h"

#include <array>

namespace {

using TWords20 = std::array<const char*, 20>;
using TTens = std::array<const char*, 10>;

constexpr TWords20 kEnglishUnits = {"zero",    "one",     "two",       "three",    "four",
                                    "five",    "six",     "seven",     "eight",    "nine",
                                    "ten",     "eleven",  "twelve",    "thirteen", "fourteen",
                                    "fifteen", "sixteen", "seventeen", "eighteen", "nineteen"};
constexpr TTens kEnglishTens = {"",      "",      "twenty",  "thirty", "forty",
                                "fifty", "sixty", "seventy", "eighty", "ninety"};

std::string English(int32_t number)
{
    const auto below = [](int32_t n) {
        if (n < 20) {
            return std::string(kEnglishUnits[static_cast<size_t>(n)]);
        }
        std::string words = kEnglishTens[static_cast<size_t>(n / 10)];
        if (n % 10 != 0) {
            words += std::string("-") + kEnglishUnits[static_cast<size_t>(n % 10)];
        }
        return words;
    };
    if (number < 100) {
        return below(number);
    }
    std::string words = std::string(kEnglishUnits[static_cast<size_t>(number / 100)]) + " hundred";
    return number % 100 == 0 ? words : words + " and " + below(number % 100);
}

// German and Dutch put the unit first and write the number as one word: "einundachtzig",
// "eenentachtig"; a hundred is "hundert"/"honderd" with nothing before it.
constexpr TWords20 kGermanUnits = {"null",     "eins",     "zwei",     "drei",     "vier",
                                   "fünf",     "sechs",    "sieben",   "acht",     "neun",
                                   "zehn",     "elf",      "zwölf",    "dreizehn", "vierzehn",
                                   "fünfzehn", "sechzehn", "siebzehn", "achtzehn", "neunzehn"};
constexpr TTens kGermanTens = {"",        "",        "zwanzig", "dreißig", "vierzig",
                               "fünfzig", "sechzig", "siebzig", "achtzig", "neunzig"};

std::string German(int32_t number)
{
    const auto below = [](int32_t n) {
        if (n < 20) {
            return std::string(kGermanUnits[static_cast<size_t>(n)]);
        }
        const int32_t unit = n % 10;
        const std::string tens = kGermanTens[static_cast<size_t>(n / 10)];
        // "ein" in a compound: einundzwanzig.
        return unit == 0
                   ? tens
                   : (unit == 1 ? std::string("ein") : kGermanUnits[static_cast<size_t>(unit)]) +
                         "und" + tens;
    };
    if (number < 100) {
        return below(number);
    }
    std::string words =
        (number / 100 == 1 ? std::string("ein")
                           : std::string(kGermanUnits[static_cast<size_t>(number / 100)])) +
        "hundert";
    return number % 100 == 0 ? words : words + below(number % 100);
}

constexpr TWords20 kDutchUnits = {"nul",      "een",     "twee",      "drie",     "vier",
                                  "vijf",     "zes",     "zeven",     "acht",     "negen",
                                  "tien",     "elf",     "twaalf",    "dertien",  "veertien",
                                  "vijftien", "zestien", "zeventien", "achttien", "negentien"};
constexpr TTens kDutchTens = {"",        "",       "twintig",  "dertig",  "veertig",
                              "vijftig", "zestig", "zeventig", "tachtig", "negentig"};

std::string Dutch(int32_t number)
{
    const auto below = [](int32_t n) {
        if (n < 20) {
            return std::string(kDutchUnits[static_cast<size_t>(n)]);
        }
        const int32_t unit = n % 10;
        const std::string tens = kDutchTens[static_cast<size_t>(n / 10)];
        if (unit == 0) {
            return tens;
        }
        // "en" after a unit ending in e takes a diaeresis: tweeëntwintig, drieëntwintig.
        const std::string first = kDutchUnits[static_cast<size_t>(unit)];
        return first + (first.back() == 'e' ? "ën" : "en") + tens;
    };
    if (number < 100) {
        return below(number);
    }
    std::string words =
        (number / 100 == 1 ? std::string()
                           : std::string(kDutchUnits[static_cast<size_t>(number / 100)])) +
        "honderd";
    return number % 100 == 0 ? words : words + below(number % 100);
}

constexpr TWords20 kFrenchUnits = {"zéro",   "un",    "deux",     "trois",    "quatre",
                                   "cinq",   "six",   "sept",     "huit",     "neuf",
                                   "dix",    "onze",  "douze",    "treize",   "quatorze",
                                   "quinze", "seize", "dix-sept", "dix-huit", "dix-neuf"};
constexpr TTens kFrenchTens = {"",          "",         "vingt",    "trente",       "quarante",
                               "cinquante", "soixante", "soixante", "quatre-vingt", "quatre-vingt"};

std::string French(int32_t number)
{
    const auto below = [](int32_t n) {
        if (n < 20) {
            return std::string(kFrenchUnits[static_cast<size_t>(n)]);
        }
        const int32_t tens = n / 10;
        // 70..79 and 90..99 count on from 60 and 80: soixante-douze, quatre-vingt-quinze.
        const int32_t rest = tens == 7 || tens == 9 ? n % 10 + 10 : n % 10;
        const std::string base = kFrenchTens[static_cast<size_t>(tens)];
        if (rest == 0) {
            return tens == 8 ? base + "s" : base; // quatre-vingts
        }
        if ((rest == 1 || rest == 11) && tens != 8 && tens != 9) {
            return base + " et " + kFrenchUnits[static_cast<size_t>(rest)]; // vingt et un
        }
        return base + "-" + kFrenchUnits[static_cast<size_t>(rest)];
    };
    if (number < 100) {
        return below(number);
    }
    const int32_t hundreds = number / 100;
    std::string words = hundreds == 1 ? std::string("cent")
                                      : std::string(kFrenchUnits[static_cast<size_t>(hundreds)]) +
                                            (number % 100 == 0 ? " cents" : " cent");
    return number % 100 == 0 ? words : words + " " + below(number % 100);
}

constexpr TWords20 kSpanishUnits = {"cero",   "uno",       "dos",        "tres",      "cuatro",
                                    "cinco",  "seis",      "siete",      "ocho",      "nueve",
                                    "diez",   "once",      "doce",       "trece",     "catorce",
                                    "quince", "dieciséis", "diecisiete", "dieciocho", "diecinueve"};
constexpr std::array<const char*, 10> kSpanishTwenties = {
    "veinte",      "veintiuno",  "veintidós",   "veintitrés", "veinticuatro",
    "veinticinco", "veintiséis", "veintisiete", "veintiocho", "veintinueve"};
constexpr TTens kSpanishTens = {"",          "",        "veinte",  "treinta", "cuarenta",
                                "cincuenta", "sesenta", "setenta", "ochenta", "noventa"};
constexpr std::array<const char*, 10> kSpanishHundreds = {
    "",           "ciento",      "doscientos",  "trescientos", "cuatrocientos",
    "quinientos", "seiscientos", "setecientos", "ochocientos", "novecientos"};

std::string Spanish(int32_t number)
{
    const auto below = [](int32_t n) {
        if (n < 20) {
            return std::string(kSpanishUnits[static_cast<size_t>(n)]);
        }
        if (n < 30) {
            return std::string(kSpanishTwenties[static_cast<size_t>(n - 20)]);
        }
        const std::string tens = kSpanishTens[static_cast<size_t>(n / 10)];
        return n % 10 == 0 ? tens : tens + " y " + kSpanishUnits[static_cast<size_t>(n % 10)];
    };
    if (number < 100) {
        return below(number);
    }
    if (number == 100) {
        return "cien";
    }
    const std::string words = kSpanishHundreds[static_cast<size_t>(number / 100)];
    return number % 100 == 0 ? words : words + " " + below(number % 100);
}

} // namespace

std::string NumberWords(int32_t number, TCallLanguage language)
{
    if (number < 0 || number > 999) {
        return std::to_string(number);
    }
    switch (language) {
    case TCallLanguage::English:
        return English(number);
    case TCallLanguage::German:
        return German(number);
    case TCallLanguage::Dutch:
        return Dutch(number);
    case TCallLanguage::French:
        return French(number);
    case TCallLanguage::Spanish:
        return Spanish(number);
    }
    return std::to_string(number);
}

const TCallWords& CallWords(TCallLanguage language)
{
    // Darts keeps its English words where players use them: "Game Shot", "Leg", "Set"; the
    // German and Spanish voices say "Game Shot" right only as they would spell it.
    static const std::array<TCallWords, 5> kWords = {{
        {"no score", "", "!", "game shot, and the leg", "game shot, and the set",
         "game shot, and the match", ", you require ", ""},
        {"keine Punkte", "", "!", "Gejm Schott, und das Leg", "Gejm Schott, und das Set",
         "Gejm Schott, und das Match", ", du brauchst ", ""},
        {"geen score", "", "!", "game shot, en de leg", "game shot, en de set",
         "game shot, en de wedstrijd", ", je hebt ", " nodig"},
        {"aucun point", "", " !", "game shot, et la manche", "game shot, et le set",
         "game shot, et le match", ", il te faut ", ""},
        {"sin puntos", "¡", "!", "guéim shot, y el leg", "guéim shot, y el set",
         "guéim shot, y el partido", ", necesitas ", ""},
    }};
    return kWords[static_cast<size_t>(language)];
}

std::string SpokenNumber(int32_t number, TCallLanguage language)
{
    if (language == TCallLanguage::French && number >= 0 && number % 100 >= 80) {
        return std::to_string(number);
    }
    return NumberWords(number, language);
}

std::string DartWords(const TDart& dart, TCallLanguage language)
{
    // Miss, twenty-five, bull, treble, double: as each language's callers say them.
    static const std::array<std::array<const char*, 5>, 5> kWords = {{
        {"miss", "twenty-five", "bull", "treble ", "double "},
        {"daneben", "fünfundzwanzig", "Bull", "Triple ", "Doppel "},
        {"mis", "vijfentwintig", "bull", "triple ", "dubbel "},
        {"raté", "vingt-cinq", "bull", "triple ", "double "},
        {"fallo", "veinticinco", "diana", "triple ", "doble "},
    }};
    const auto& words = kWords[static_cast<size_t>(language)];
    if (dart.Segment == 0) {
        return words[0];
    }
    if (dart.Segment == 25) {
        return dart.Multiplier == 2 ? words[2] : words[1];
    }
    const std::string number = SpokenNumber(dart.Segment, language);
    return dart.Multiplier == 3   ? words[3] + number
           : dart.Multiplier == 2 ? words[4] + number
                                  : number;
}
