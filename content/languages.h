// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <array>

// What a screen reader says for each shipped picture; %1 (and %2) stand for the colour,
// number, time, words or letter. No caption holds a character a screen reader reads out
// as punctuation (spokenPunctuation in zindle-sets): a comma only pauses.
struct Captions {
    const char *swatch, *colourWord;
    // `dots` for most counts; where the language's plural differs, `fewDots` for counts
    // ending in 2 to 4 and `unitDots` for those ending in 1 (11 to 14 aside), else null.
    const char *number, *oneDot, *dots, *fewDots, *unitDots;
    const char *handsClock, *digitalClock;
    const char *shapeDrawing, *shapeWords;
    const char *sum;
    const char *capital, *small;
};

// A clock's time in words, as a child learns to read it: `patterns` at the full hour and a
// quarter, half and three quarters past, with %1 and %2 standing for the hour's words in
// `hours` and `otherHours` (another case or form, where a pattern needs it); `nextHour`
// where the pattern names the coming hour ("quarter to four").
struct TimeWords {
    std::array<const char *, 4> patterns;
    std::array<bool, 4> nextHour;
    std::array<const char *, 12> hours;
    std::array<const char *, 12> otherHours;
};

// Everything the shipped content says in one language: the window texts, the names of the
// sets, the words drawn on the cards and the pictures' captions. A further language is one
// more entry of Languages; what a set draws without words is the same in every language.
struct Language {
    // The language's code as the locale names it; the program folder's "idioma/<code>".
    const char *code;
    // The 13 lines of the language file.
    std::array<const char *, 13> texts;
    // The names of the sets of colours, numbers and dots, clocks, shapes, sums and letters.
    std::array<const char *, 6> setNames;
    // The names of the colour set's 16 swatches, in the set's order.
    std::array<const char *, 16> colours;
    // The six shapes (circle, square, triangle, star, rhombus, heart) and the gender of each
    // name: 0 masculine, 1 feminine, 2 neuter.
    std::array<const char *, 6> shapes;
    std::array<int, 6> shapeGenders;
    // The shapes' six colours (red, blue, green, yellow, purple, orange), each in the three
    // genders.
    std::array<std::array<const char *, 3>, 6> shapeColours;
    // "red circle" rather than "círculo rojo".
    bool colourFirst;
    // The alphabet's capital letters, in its order; the letters set pairs each with its small
    // letter.
    const char *alphabet;
    Captions captions;
    TimeWords time;
};

// Spanish first: the design's texts and sets.
extern const std::array<Language, 9> Languages;

// "las tres y cuarto": the time on a clock face, hour 1 to 12 and minute 0, 15, 30 or 45.
QString timeInWords(const TimeWords &words, int hour, int minute);

// The number of dots as the language's captions say it.
QString dotsCaption(const Captions &captions, int count);

// The sets of Language::setNames, by index.
enum SetIndex { ColoursSet, NumbersSet, ClocksSet, ShapesSet, SumsSet, LettersSet };
