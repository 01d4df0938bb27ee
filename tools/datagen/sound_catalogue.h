#pragma once

#include <string>

#include "assets/data_files.h"
#include "platform/latin1.h"

// Where the generator writes a slot's sample: the game's path with the one
// data directory in lower case and the Windows-1252 "ß" in UTF-8 (the game
// finds it through its case-insensitive, UTF-8-aware path resolution).
inline std::string slotDiskPath(int slot)
{
    return "data" + latin1ToUtf8(std::string(soundSlotFiles[slot]).substr(4));
}

// What each commentary file says, by its slot of soundSlotFiles.
enum class Voice { Calm, Normal, Excited };

struct SpokenLine {
    int slot;
    const char* text;
    Voice voice;
};

constexpr SpokenLine spokenLines[] = {
    {2, "Tor! Tor!", Voice::Excited},
    {4, "Und da ist er eingenetzt!", Voice::Excited},
    {5, "Ein grandioses Tor!", Voice::Excited},
    {6, "Wunderbar herausgespielt!", Voice::Excited},
    {7, "Schon wieder ein Tor!", Voice::Excited},
    {8, "Ein schwacher Schuss, aber er ist drin!", Voice::Normal},
    {9, "Jetzt kommt Stimmung auf!", Voice::Excited},
    {10, "Das ist das Tor des Monats!", Voice::Excited},
    {11, "Das war verdient!", Voice::Normal},
    {13, "Wunderbar!", Voice::Excited},
    {14, "Ein fantastisches Tor!", Voice::Excited},
    {15, "Jetzt geht es Schlag auf Schlag!", Voice::Excited},
    {16, "Schon wieder! Unglaublich!", Voice::Excited},
    {17, "Schuss! Tor!", Voice::Excited},
    {18, "Schwach geschossen, geht aber trotzdem rein!", Voice::Normal},
    {19, "Ein tolles Tor!", Voice::Excited},
    {20, "Traumhaft!", Voice::Excited},
    {21, "Wahnsinn!", Voice::Excited},
    {22, "Tooooor!", Voice::Excited},
    {23, "Herzlich willkommen zum Tischfußball!", Voice::Normal},
    {24, "Willkommen zum Quirtal Orvelcup!", Voice::Normal},
    {25, "Einen schönen Abend, meine Damen und Herren!", Voice::Calm},
    {27, "Das Spiel kann beginnen!", Voice::Normal},
    {28, "Holen Sie die Kopfpolster raus, das wird ein hartes Spiel!", Voice::Normal},
    {30, "Das wird spannend heute!", Voice::Normal},
    {31, "Ein wunderschöner Abend für ein Spiel!", Voice::Calm},
    {32, "Welcome, willkommen, bienvenue!", Voice::Normal},
    {34, "Ein Schuss aus dem Hinterhalt!", Voice::Excited},
    {35, "Sehr platziert geschossen!", Voice::Normal},
    {36, "Ein unglaublicher Schuss!", Voice::Excited},
    {37, "Wahnsinn, dieser Schuss!", Voice::Excited},
    {38, "Ein wuchtiger Schuss!", Voice::Excited},
    {39, "Wunderbar geschossen!", Voice::Excited},
    {40, "Wunderschön geschossen!", Voice::Normal},
    {41, "Er schießt! Und drin!", Voice::Excited},
    {42, "Platziert, und drin!", Voice::Normal},
    {43, "Wuchtig abgezogen!", Voice::Excited},
    {44, "Eins", Voice::Normal},
    {45, "an zwei", Voice::Normal},
    {46, "Drei", Voice::Normal},
    {47, "Vier", Voice::Normal},
    {48, "Fünf", Voice::Normal},
    {49, "Sechs", Voice::Normal},
    {50, "Sieben", Voice::Normal},
    {51, "Acht", Voice::Normal},
    {52, "Neun", Voice::Normal},
    {53, "Zehn", Voice::Normal},
    {54, "zu", Voice::Normal},
    {55, "An die Stange!", Voice::Excited},
    {56, "Stange! Pech gehabt!", Voice::Normal},
    {63, "Eine blamable Abwehr!", Voice::Normal},
    {64, "Die Abwehr steht offen wie ein Scheunentor!", Voice::Normal},
    {65, "Hinten gut abgesichert!", Voice::Calm},
    {66, "Gute Abwehr!", Voice::Normal},
    {67, "Die Abwehr steht bombenfest!", Voice::Normal},
    {68, "Spieler eins gewinnt das Spiel!", Voice::Excited},
    {69, "Der Sieg geht an Spieler eins!", Voice::Excited},
    {70, "Glückwunsch, Spieler eins! Ein verdienter Sieg!", Voice::Normal},
    {71, "Spieler zwei gewinnt das Spiel!", Voice::Excited},
    {72, "Der Sieg geht an Spieler zwei!", Voice::Excited},
    {73, "Glückwunsch, Spieler zwei! Ein verdienter Sieg!", Voice::Normal},
    {74, "Tischfußball wird immer populärer, das sieht man heute wieder.", Voice::Calm},
    {75, "Hast du schon gehört? Nach dem Spiel gibt es Würstchen.", Voice::Calm},
    {76, "Besuchen Sie auch unsere Webseite!", Voice::Calm},
    {78, "So langsam möchte ich nach Hause.", Voice::Calm},
    {79, "Ist da jemand verletzt? Nein, es geht weiter.", Voice::Normal},
    {80, "Heiliger Strohsack!", Voice::Normal},
    {84, "Wir brauchen einen neuen Ball!", Voice::Normal},
    {85, "Schuss aufs Tor!", Voice::Excited},
    {86, "Da wird abgezogen!", Voice::Excited},
    {87, "Ein Versuch aus der Distanz!", Voice::Normal},
    {88, "Glänzend gehalten!", Voice::Excited},
    {89, "Was für eine Parade!", Voice::Excited},
    {90, "Der Torwart ist zur Stelle!", Voice::Normal},
    {91, "Knapp vorbei!", Voice::Excited},
    {92, "Oh, das war knapp!", Voice::Normal},
    {93, "Haarscharf am Tor vorbei!", Voice::Excited},
    {94, "Der war fast drin!", Voice::Excited},
};

// Files that mix a synthesised noise with speech, or are noise alone.
enum class Noise { Cough, DoubleCough, Snore, Fart, Bloopers };

struct NoiseLine {
    int slot;
    Noise noise;
    const char* text; // spoken after the noise; empty for none
};

constexpr NoiseLine noiseLines[] = {
    {26, Noise::Cough, "Verzeihung. Meine Damen und Herren, es geht los!"},
    {77, Noise::Snore, "Nicht einschlafen, meine Damen und Herren!"},
    {81, Noise::Fart, "Oh. Entschuldigung."},
    {82, Noise::DoubleCough, ""},
    {83, Noise::Cough, ""},
    {62, Noise::Bloopers, "Hoppla! Das war wohl nichts."},
};
