#include "sound/sound_bank.h"

namespace {

// Paths exactly as the game writes them; both spellings of the data folder
// occur and are resolved on load. Slots 12 and 33 are never loaded.
const char* const slotPaths[soundSlotCount] = {
    "Data/sfx/Whistle.wav",
    "Data/sfx/Goal.wav",
    "Data/kommentar/tor/tortor.mp3",
    "Data/sfx/ball_wand.mp3",
    "data/kommentar/tor/e_eingenetzt.mp3",
    "data/kommentar/tor/e_grandiosestor.mp3",
    "data/kommentar/tor/e_herusgepilet.mp3",
    "data/kommentar/tor/e_schonwieder.mp3",
    "data/kommentar/tor/e_schwacherschuss.mp3",
    "data/kommentar/tor/e_stimmungauf.mp3",
    "data/kommentar/tor/e_tordesmonats.mp3",        // 10
    "data/kommentar/tor/e_verdient.mp3",
    nullptr,
    "data/kommentar/tor/e_wunderbar.mp3",
    "data/kommentar/tor/n_fantastische.mp3",
    "data/kommentar/tor/n_n_schlagaufschlag.mp3",
    "data/kommentar/tor/n_schonwieder.mp3",
    "data/kommentar/tor/n_schusstor.mp3",
    "data/kommentar/tor/n_schwachgehttrotzdem.mp3",
    "data/kommentar/tor/n_tollestor.mp3",
    "data/kommentar/tor/n_traumhaft.mp3",           // 20
    "data/kommentar/tor/n_wahnsinn.mp3",
    "data/kommentar/tor/ne_tooor.mp3",
    "Data/kommentar/intro/e_herzlich.mp3",
    "Data/kommentar/intro/ne_quirtal_intro.mp3",
    "Data/kommentar/intro/n_schoennenabend.mp3",
    "Data/kommentar/intro/ne_huster.mp3",
    "Data/kommentar/intro/ne_spielbeginnen.mp3",
    "Data/kommentar/intro/ne_kopfpolster.mp3",
    "Data/sfx/chloote.wav",
    "Data/kommentar/intro/ne_spannend.mp3",         // 30
    "Data/kommentar/intro/e_wunderschoen.mp3",
    "Data/kommentar/intro/ne_welcome.mp3",
    nullptr,
    "Data/kommentar/schuss/e_hinterhalt.mp3",
    "data/kommentar/schuss/e_plaziert.mp3",
    "data/kommentar/schuss/e_schuss_ungl.mp3",
    "data/kommentar/schuss/e_wahnsinn.mp3",
    "data/kommentar/schuss/e_wuchtig.mp3",
    "data/kommentar/schuss/e_wunderbar.mp3",
    "data/kommentar/schuss/e_wunderschoen.mp3",     // 40
    "data/kommentar/schuss/n_erschie\xDF" "t.mp3",  // Windows-1252 sharp s
    "data/kommentar/schuss/n_platziert.mp3",
    "data/kommentar/schuss/n_wuchtig.mp3",
    "Data/kommentar/spielstand/n_1.mp3",
    "data/kommentar/spielstand/n_an2.mp3",
    "data/kommentar/spielstand/n_3.mp3",
    "data/kommentar/spielstand/n_4.mp3",
    "data/kommentar/spielstand/n_5.mp3",
    "data/kommentar/spielstand/n_6.mp3",
    "data/kommentar/spielstand/n_7.mp3",            // 50
    "data/kommentar/spielstand/n_8.mp3",
    "data/kommentar/spielstand/n_9.mp3",
    "data/kommentar/spielstand/n_10.mp3",
    "data/kommentar/spielstand/n_zu.mp3",
    "Data/kommentar/schuss/e_andiestange.mp3",
    "data/kommentar/schuss/e_stange.mp3",
    "Data/sfx/generator_down.wav",
    "Data/blur.mp3",
    "Data/sfx/guessed.wav",
    "Data/sfx/fire.wav",                            // 60
    "Data/sfx/stange_wand.mp3",
    "Data/kommentar/bloopers.mp3",
    "Data/kommentar/abwehr/e_blamable.mp3",
    "Data/kommentar/abwehr/e_schaeunentor.mp3",
    "data/kommentar/abwehr/e_guthinten_ruvo.mp3",
    "data/kommentar/abwehr/e_guteabwehr.mp3",
    "data/kommentar/abwehr/e_bombenfest.mp3",
    "data/kommentar/winner/sp1_1.mp3",
    "data/kommentar/winner/sp1_2.mp3",
    "data/kommentar/winner/sp1_3.mp3",              // 70
    "data/kommentar/winner/sp2_1.mp3",
    "data/kommentar/winner/sp2_2.mp3",
    "data/kommentar/winner/sp2_3.mp3",
    "Data/kommentar/hintergrund/e_populaer_ruvo2.mp3",
    "Data/kommentar/hintergrund/ne_hastduschon.mp3",
    "Data/kommentar/hintergrund/ne_website.mp3",
    "Data/kommentar/hintergrund/schlafen.mp3",
    "Data/kommentar/hintergrund/nachhause.mp3",
    "Data/kommentar/hintergrund/ne_verletztung.mp3",
    "Data/kommentar/hintergrund/ne_strohsack.mp3",  // 80
    "Data/kommentar/hintergrund/furz.mp3",
    "Data/kommentar/hintergrund/hust2.mp3",
    "Data/kommentar/hintergrund/hust1.mp3",
    "Data/kommentar/hintergrund/neuerball.mp3",
};

} // namespace

const char* soundSlotPath(int slot)
{
    if (slot < 0 || slot >= soundSlotCount)
        return nullptr;
    return slotPaths[slot];
}
