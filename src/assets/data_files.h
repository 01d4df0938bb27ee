#pragma once

// Every file of the data set by the slot that uses it, with the paths written
// as the game asks for them. The game's loaders, the data generator and the
// tests all take their names from here.

// A picture, and the size the data generator draws it at (powers of two, so
// that any OpenGL 1.1 driver takes it as a texture).
struct PictureFile {
    const char* path;
    int width;
    int height;
};

constexpr int tablePictureCount = 7;
constexpr int interfacePictureCount = 48;
constexpr int promptPictureCount = 8;
constexpr int soundSlotCount = 96;

// The table textures in slot order.
inline constexpr PictureFile tablePictureFiles[tablePictureCount] = {
    {"data/table/green2_256_512.bmp", 256, 512},
    {"data/table/dark.bmp", 256, 32},
    {"data/table/light.bmp", 256, 32},
    {"data/table/light_l.bmp", 512, 32},
    {"data/table/dark_l.bmp", 512, 32},
    {"data/table/front_blende.bmp", 512, 128},
    {"data/table/tor.bmp", 256, 64},
};

// The skybox faces, screens, notices and their masks in slot order.
inline constexpr PictureFile interfacePictureFiles[interfacePictureCount] = {
    {"data/skybox/himmel.bmp", 512, 512},
    {"data/skybox/boden.bmp", 512, 512},
    {"data/skybox/1.bmp", 512, 512},
    {"data/skybox/2.bmp", 512, 512},
    {"data/skybox/4.bmp", 512, 512},
    {"data/skybox/3.bmp", 512, 512},
    {"data/interface/infoscreen.bmp", 256, 256},
    {"data/interface/info.bmp", 256, 64},
    {"data/interface/help.bmp", 512, 512},
    {"data/interface/help_schriftalpha.bmp", 512, 512},
    {"data/interface/help_schrift.bmp", 512, 512},  // 10
    {"data/interface/mip_off.bmp", 256, 64},
    {"data/interface/mip_off_alpha.bmp", 256, 64},
    {"data/interface/mip_on.bmp", 256, 64},
    {"data/interface/mip_on_alpha.bmp", 256, 64},
    {"data/interface/displaylist_off.bmp", 256, 64},
    {"data/interface/displaylist_off_alpha.bmp", 256, 64},
    {"data/interface/displaylist_on.bmp", 256, 64},
    {"data/interface/displaylist_on_alpha.bmp", 256, 64},
    {"data/interface/texture_billinear.bmp", 256, 64},
    {"data/interface/texture_billinear_alpha.bmp", 256, 64},  // 20
    {"data/interface/texture_trillinear.bmp", 256, 64},
    {"data/interface/texture_trillinear_alpha.bmp", 256, 64},
    {"data/menu/menu_intro.bmp", 1024, 1024},
    {"data/menu/menu.bmp", 1024, 1024},
    {"data/menu/automatic.bmp", 128, 32},
    {"data/menu/automatic_alpha.bmp", 128, 32},
    {"data/menu/manuell.bmp", 128, 32},
    {"data/menu/manuell_alpha.bmp", 128, 32},
    {"data/menu/select.bmp", 64, 64},
    {"data/menu/select_alpha.bmp", 64, 64},  // 30
    {"data/menu/credits.bmp", 1024, 1024},
    {"data/interface/result_back.bmp", 256, 128},
    {"data/interface/result_p1.bmp", 256, 128},
    {"data/interface/result_p1_alpha.bmp", 256, 128},
    {"data/interface/result_p2.bmp", 256, 128},
    {"data/interface/result_p2_alpha.bmp", 256, 128},
    {"data/interface/scoreboardalpha256.bmp", 1024, 256},
    {"data/interface/score256.bmp", 1024, 256},
    {"data/interface/infoscreenalpha.bmp", 256, 256},
    {"data/menu/gegner_mensch.bmp", 256, 32},  // 40: player 2's side, each before its mask
    {"data/menu/gegner_mensch_alpha.bmp", 256, 32},
    {"data/menu/gegner_leicht.bmp", 256, 32},
    {"data/menu/gegner_leicht_alpha.bmp", 256, 32},
    {"data/menu/gegner_normal.bmp", 256, 32},
    {"data/menu/gegner_normal_alpha.bmp", 256, 32},
    {"data/menu/gegner_schwer.bmp", 256, 32},
    {"data/menu/gegner_schwer_alpha.bmp", 256, 32},
};

// Prompts over a running match, each picture before its mask: the skip hint
// of the opening flight, the kick-off prompt and the goal celebration of
// each player (drawn over the result panel's tint).
inline constexpr PictureFile promptPictureFiles[promptPictureCount] = {
    {"data/interface/hint_enter.bmp", 256, 64},
    {"data/interface/hint_enter_alpha.bmp", 256, 64},
    {"data/interface/anstoss.bmp", 256, 64},
    {"data/interface/anstoss_alpha.bmp", 256, 64},
    {"data/interface/tor_p1.bmp", 512, 256},
    {"data/interface/tor_p1_alpha.bmp", 512, 256},
    {"data/interface/tor_p2.bmp", 512, 256},
    {"data/interface/tor_p2_alpha.bmp", 512, 256},
};

// The sound bank's samples in slot order. Both spellings of the data folder
// occur and are resolved on load; slot 41 holds "ß" as the Windows-1252 byte
// 0xDF. Slots 12 and 33 have no file.
inline constexpr const char* soundSlotFiles[soundSlotCount] = {
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
    // Remarks on shots, saves and near misses, and the crowd's gasp at a chance.
    "data/kommentar/schuss/n_schussaufstor.mp3",   // 85
    "data/kommentar/schuss/n_abgezogen.mp3",
    "data/kommentar/schuss/n_distanz.mp3",
    "data/kommentar/abwehr/n_gehalten.mp3",
    "data/kommentar/abwehr/n_parade.mp3",
    "data/kommentar/abwehr/n_zurstelle.mp3",        // 90
    "data/kommentar/knapp/n_knappvorbei.mp3",
    "data/kommentar/knapp/n_daswarknapp.mp3",
    "data/kommentar/knapp/n_haarscharf.mp3",
    "data/kommentar/knapp/n_fastdrin.mp3",
    "data/sfx/crowd_oh.wav",                        // 95
};

// The two models, and the textures their materials name.
inline constexpr const char* figureModelFile = "data/player7.3ds";
inline constexpr const char* arrowModelFile = "data/arrow.3ds";
inline constexpr const char* faceTextureFile = "data/models/face.jpg";
inline constexpr const char* arrowTextureFile = "data/models/arrow.tga";
