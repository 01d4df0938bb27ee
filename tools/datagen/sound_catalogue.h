#pragma once

// What each commentary file says. Paths are as they lie on disk (the game
// reaches "Data/..." and the Latin-1 "ß" through its case-insensitive,
// UTF-8-aware path resolution).
enum class Voice { Calm, Normal, Excited };

struct SpokenLine {
    const char* path;
    const char* text;
    Voice voice;
};

constexpr SpokenLine spokenLines[] = {
    {"data/kommentar/tor/tortor.mp3", "Tor! Tor!", Voice::Excited},
    {"data/kommentar/tor/e_eingenetzt.mp3", "Und da ist er eingenetzt!", Voice::Excited},
    {"data/kommentar/tor/e_grandiosestor.mp3", "Ein grandioses Tor!", Voice::Excited},
    {"data/kommentar/tor/e_herusgepilet.mp3", "Wunderbar herausgespielt!", Voice::Excited},
    {"data/kommentar/tor/e_schonwieder.mp3", "Schon wieder ein Tor!", Voice::Excited},
    {"data/kommentar/tor/e_schwacherschuss.mp3", "Ein schwacher Schuss, aber er ist drin!", Voice::Normal},
    {"data/kommentar/tor/e_stimmungauf.mp3", "Jetzt kommt Stimmung auf!", Voice::Excited},
    {"data/kommentar/tor/e_tordesmonats.mp3", "Das ist das Tor des Monats!", Voice::Excited},
    {"data/kommentar/tor/e_verdient.mp3", "Das war verdient!", Voice::Normal},
    {"data/kommentar/tor/e_wunderbar.mp3", "Wunderbar!", Voice::Excited},
    {"data/kommentar/tor/n_fantastische.mp3", "Ein fantastisches Tor!", Voice::Excited},
    {"data/kommentar/tor/n_n_schlagaufschlag.mp3", "Jetzt geht es Schlag auf Schlag!", Voice::Excited},
    {"data/kommentar/tor/n_schonwieder.mp3", "Schon wieder! Unglaublich!", Voice::Excited},
    {"data/kommentar/tor/n_schusstor.mp3", "Schuss! Tor!", Voice::Excited},
    {"data/kommentar/tor/n_schwachgehttrotzdem.mp3", "Schwach geschossen, geht aber trotzdem rein!", Voice::Normal},
    {"data/kommentar/tor/n_tollestor.mp3", "Ein tolles Tor!", Voice::Excited},
    {"data/kommentar/tor/n_traumhaft.mp3", "Traumhaft!", Voice::Excited},
    {"data/kommentar/tor/n_wahnsinn.mp3", "Wahnsinn!", Voice::Excited},
    {"data/kommentar/tor/ne_tooor.mp3", "Tooooor!", Voice::Excited},
    {"data/kommentar/intro/e_herzlich.mp3", "Herzlich willkommen zum Tischfußball!", Voice::Normal},
    {"data/kommentar/intro/ne_quirtal_intro.mp3", "Willkommen zum Quirtal Orvelcup!", Voice::Normal},
    {"data/kommentar/intro/n_schoennenabend.mp3", "Einen schönen Abend, meine Damen und Herren!", Voice::Calm},
    {"data/kommentar/intro/ne_spielbeginnen.mp3", "Das Spiel kann beginnen!", Voice::Normal},
    {"data/kommentar/intro/ne_kopfpolster.mp3", "Holen Sie die Kopfpolster raus, das wird ein hartes Spiel!", Voice::Normal},
    {"data/kommentar/intro/ne_spannend.mp3", "Das wird spannend heute!", Voice::Normal},
    {"data/kommentar/intro/e_wunderschoen.mp3", "Ein wunderschöner Abend für ein Spiel!", Voice::Calm},
    {"data/kommentar/intro/ne_welcome.mp3", "Welcome, willkommen, bienvenue!", Voice::Normal},
    {"data/kommentar/schuss/e_hinterhalt.mp3", "Ein Schuss aus dem Hinterhalt!", Voice::Excited},
    {"data/kommentar/schuss/e_plaziert.mp3", "Sehr platziert geschossen!", Voice::Normal},
    {"data/kommentar/schuss/e_schuss_ungl.mp3", "Ein unglaublicher Schuss!", Voice::Excited},
    {"data/kommentar/schuss/e_wahnsinn.mp3", "Wahnsinn, dieser Schuss!", Voice::Excited},
    {"data/kommentar/schuss/e_wuchtig.mp3", "Ein wuchtiger Schuss!", Voice::Excited},
    {"data/kommentar/schuss/e_wunderbar.mp3", "Wunderbar geschossen!", Voice::Excited},
    {"data/kommentar/schuss/e_wunderschoen.mp3", "Wunderschön geschossen!", Voice::Normal},
    {"data/kommentar/schuss/n_erschie\xc3\x9f" "t.mp3", "Er schießt! Und drin!", Voice::Excited},
    {"data/kommentar/schuss/n_platziert.mp3", "Platziert, und drin!", Voice::Normal},
    {"data/kommentar/schuss/n_wuchtig.mp3", "Wuchtig abgezogen!", Voice::Excited},
    {"data/kommentar/spielstand/n_1.mp3", "Eins", Voice::Normal},
    {"data/kommentar/spielstand/n_an2.mp3", "an zwei", Voice::Normal},
    {"data/kommentar/spielstand/n_3.mp3", "Drei", Voice::Normal},
    {"data/kommentar/spielstand/n_4.mp3", "Vier", Voice::Normal},
    {"data/kommentar/spielstand/n_5.mp3", "Fünf", Voice::Normal},
    {"data/kommentar/spielstand/n_6.mp3", "Sechs", Voice::Normal},
    {"data/kommentar/spielstand/n_7.mp3", "Sieben", Voice::Normal},
    {"data/kommentar/spielstand/n_8.mp3", "Acht", Voice::Normal},
    {"data/kommentar/spielstand/n_9.mp3", "Neun", Voice::Normal},
    {"data/kommentar/spielstand/n_10.mp3", "Zehn", Voice::Normal},
    {"data/kommentar/spielstand/n_zu.mp3", "zu", Voice::Normal},
    {"data/kommentar/schuss/e_andiestange.mp3", "An die Stange!", Voice::Excited},
    {"data/kommentar/schuss/e_stange.mp3", "Stange! Pech gehabt!", Voice::Normal},
    {"data/kommentar/abwehr/e_blamable.mp3", "Eine blamable Abwehr!", Voice::Normal},
    {"data/kommentar/abwehr/e_schaeunentor.mp3", "Die Abwehr steht offen wie ein Scheunentor!", Voice::Normal},
    {"data/kommentar/abwehr/e_guthinten_ruvo.mp3", "Hinten gut abgesichert!", Voice::Calm},
    {"data/kommentar/abwehr/e_guteabwehr.mp3", "Gute Abwehr!", Voice::Normal},
    {"data/kommentar/abwehr/e_bombenfest.mp3", "Die Abwehr steht bombenfest!", Voice::Normal},
    {"data/kommentar/winner/sp1_1.mp3", "Spieler eins gewinnt das Spiel!", Voice::Excited},
    {"data/kommentar/winner/sp1_2.mp3", "Der Sieg geht an Spieler eins!", Voice::Excited},
    {"data/kommentar/winner/sp1_3.mp3", "Glückwunsch, Spieler eins! Ein verdienter Sieg!", Voice::Normal},
    {"data/kommentar/winner/sp2_1.mp3", "Spieler zwei gewinnt das Spiel!", Voice::Excited},
    {"data/kommentar/winner/sp2_2.mp3", "Der Sieg geht an Spieler zwei!", Voice::Excited},
    {"data/kommentar/winner/sp2_3.mp3", "Glückwunsch, Spieler zwei! Ein verdienter Sieg!", Voice::Normal},
    {"data/kommentar/hintergrund/e_populaer_ruvo2.mp3", "Tischfußball wird immer populärer, das sieht man heute wieder.", Voice::Calm},
    {"data/kommentar/hintergrund/ne_hastduschon.mp3", "Hast du schon gehört? Nach dem Spiel gibt es Würstchen.", Voice::Calm},
    {"data/kommentar/hintergrund/ne_website.mp3", "Besuchen Sie auch unsere Webseite!", Voice::Calm},
    {"data/kommentar/hintergrund/nachhause.mp3", "So langsam möchte ich nach Hause.", Voice::Calm},
    {"data/kommentar/hintergrund/ne_verletztung.mp3", "Ist da jemand verletzt? Nein, es geht weiter.", Voice::Normal},
    {"data/kommentar/hintergrund/ne_strohsack.mp3", "Heiliger Strohsack!", Voice::Normal},
    {"data/kommentar/hintergrund/neuerball.mp3", "Wir brauchen einen neuen Ball!", Voice::Normal},
};

// Files that mix a synthesised noise with speech, or are noise alone.
enum class Noise { Cough, DoubleCough, Snore, Fart, Bloopers };

struct NoiseLine {
    const char* path;
    Noise noise;
    const char* text; // spoken after the noise; empty for none
};

constexpr NoiseLine noiseLines[] = {
    {"data/kommentar/intro/ne_huster.mp3", Noise::Cough, "Verzeihung. Meine Damen und Herren, es geht los!"},
    {"data/kommentar/hintergrund/schlafen.mp3", Noise::Snore, "Nicht einschlafen, meine Damen und Herren!"},
    {"data/kommentar/hintergrund/furz.mp3", Noise::Fart, "Oh. Entschuldigung."},
    {"data/kommentar/hintergrund/hust2.mp3", Noise::DoubleCough, ""},
    {"data/kommentar/hintergrund/hust1.mp3", Noise::Cough, ""},
    {"data/kommentar/bloopers.mp3", Noise::Bloopers, "Hoppla! Das war wohl nichts."},
};
