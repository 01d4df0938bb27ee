// The generated data set (data/ in the build tree, made by the build)
// checked through the game's own readers and against reference decoders.
#include "../tools/datagen/picture_catalogue.h"
#include "../tools/datagen/sound_catalogue.h"

#include "assets/bmp_reader.h"
#include "assets/jpeg_reader.h"
#include "assets/reader_3ds.h"
#include "assets/tga_reader.h"
#include "platform/file_names.h"
#include "sound/audio.h"
#include "sound/sound_bank.h"
#include "support/message_log.h"
#include "support/tool_files.h"

#include <SDL_mixer.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace {

// The files as the game's documentation names them, in slot order: the one
// copy, checked against the table the game, the generator and the tests share.
const char* const tableFiles[] = {"data/table/green2_256_512.bmp", "data/table/dark.bmp", "data/table/light.bmp",
    "data/table/light_l.bmp", "data/table/dark_l.bmp", "data/table/front_blende.bmp", "data/table/tor.bmp"};

const char* const interfaceFiles[] = {"data/skybox/himmel.bmp", "data/skybox/boden.bmp", "data/skybox/1.bmp",
    "data/skybox/2.bmp", "data/skybox/4.bmp", "data/skybox/3.bmp", "data/interface/infoscreen.bmp",
    "data/interface/info.bmp", "data/interface/help.bmp", "data/interface/help_schriftalpha.bmp",
    "data/interface/help_schrift.bmp", "data/interface/mip_off.bmp", "data/interface/mip_off_alpha.bmp",
    "data/interface/mip_on.bmp", "data/interface/mip_on_alpha.bmp", "data/interface/displaylist_off.bmp",
    "data/interface/displaylist_off_alpha.bmp", "data/interface/displaylist_on.bmp",
    "data/interface/displaylist_on_alpha.bmp", "data/interface/texture_billinear.bmp",
    "data/interface/texture_billinear_alpha.bmp", "data/interface/texture_trillinear.bmp",
    "data/interface/texture_trillinear_alpha.bmp", "data/menu/menu_intro.bmp", "data/menu/menu.bmp",
    "data/menu/automatic.bmp", "data/menu/automatic_alpha.bmp", "data/menu/manuell.bmp", "data/menu/manuell_alpha.bmp",
    "data/menu/select.bmp", "data/menu/select_alpha.bmp", "data/menu/credits.bmp", "data/interface/result_back.bmp",
    "data/interface/result_p1.bmp", "data/interface/result_p1_alpha.bmp", "data/interface/result_p2.bmp",
    "data/interface/result_p2_alpha.bmp", "data/interface/scoreboardalpha256.bmp", "data/interface/score256.bmp",
    "data/interface/infoscreenalpha.bmp", "data/menu/gegner_mensch.bmp", "data/menu/gegner_mensch_alpha.bmp",
    "data/menu/gegner_leicht.bmp", "data/menu/gegner_leicht_alpha.bmp", "data/menu/gegner_normal.bmp",
    "data/menu/gegner_normal_alpha.bmp", "data/menu/gegner_schwer.bmp", "data/menu/gegner_schwer_alpha.bmp"};

// The 83 samples as the sound bank names them (slots 12 and 33 have none);
// slot 41 holds the Latin-1 byte of "ß".
const char* const soundFiles[] = {"Data/sfx/Whistle.wav", "Data/sfx/Goal.wav", "Data/kommentar/tor/tortor.mp3",
    "Data/sfx/ball_wand.mp3", "data/kommentar/tor/e_eingenetzt.mp3", "data/kommentar/tor/e_grandiosestor.mp3",
    "data/kommentar/tor/e_herusgepilet.mp3", "data/kommentar/tor/e_schonwieder.mp3",
    "data/kommentar/tor/e_schwacherschuss.mp3", "data/kommentar/tor/e_stimmungauf.mp3",
    "data/kommentar/tor/e_tordesmonats.mp3", "data/kommentar/tor/e_verdient.mp3", "data/kommentar/tor/e_wunderbar.mp3",
    "data/kommentar/tor/n_fantastische.mp3", "data/kommentar/tor/n_n_schlagaufschlag.mp3",
    "data/kommentar/tor/n_schonwieder.mp3", "data/kommentar/tor/n_schusstor.mp3",
    "data/kommentar/tor/n_schwachgehttrotzdem.mp3", "data/kommentar/tor/n_tollestor.mp3",
    "data/kommentar/tor/n_traumhaft.mp3", "data/kommentar/tor/n_wahnsinn.mp3", "data/kommentar/tor/ne_tooor.mp3",
    "Data/kommentar/intro/e_herzlich.mp3", "Data/kommentar/intro/ne_quirtal_intro.mp3",
    "Data/kommentar/intro/n_schoennenabend.mp3", "Data/kommentar/intro/ne_huster.mp3",
    "Data/kommentar/intro/ne_spielbeginnen.mp3", "Data/kommentar/intro/ne_kopfpolster.mp3", "Data/sfx/chloote.wav",
    "Data/kommentar/intro/ne_spannend.mp3", "Data/kommentar/intro/e_wunderschoen.mp3",
    "Data/kommentar/intro/ne_welcome.mp3", "Data/kommentar/schuss/e_hinterhalt.mp3",
    "data/kommentar/schuss/e_plaziert.mp3", "data/kommentar/schuss/e_schuss_ungl.mp3",
    "data/kommentar/schuss/e_wahnsinn.mp3", "data/kommentar/schuss/e_wuchtig.mp3",
    "data/kommentar/schuss/e_wunderbar.mp3", "data/kommentar/schuss/e_wunderschoen.mp3",
    "data/kommentar/schuss/n_erschie\xdft.mp3", "data/kommentar/schuss/n_platziert.mp3",
    "data/kommentar/schuss/n_wuchtig.mp3", "Data/kommentar/spielstand/n_1.mp3", "data/kommentar/spielstand/n_an2.mp3",
    "data/kommentar/spielstand/n_3.mp3", "data/kommentar/spielstand/n_4.mp3", "data/kommentar/spielstand/n_5.mp3",
    "data/kommentar/spielstand/n_6.mp3", "data/kommentar/spielstand/n_7.mp3", "data/kommentar/spielstand/n_8.mp3",
    "data/kommentar/spielstand/n_9.mp3", "data/kommentar/spielstand/n_10.mp3", "data/kommentar/spielstand/n_zu.mp3",
    "Data/kommentar/schuss/e_andiestange.mp3", "data/kommentar/schuss/e_stange.mp3", "Data/sfx/generator_down.wav",
    "Data/blur.mp3", "Data/sfx/guessed.wav", "Data/sfx/fire.wav", "Data/sfx/stange_wand.mp3",
    "Data/kommentar/bloopers.mp3", "Data/kommentar/abwehr/e_blamable.mp3", "Data/kommentar/abwehr/e_schaeunentor.mp3",
    "data/kommentar/abwehr/e_guthinten_ruvo.mp3", "data/kommentar/abwehr/e_guteabwehr.mp3",
    "data/kommentar/abwehr/e_bombenfest.mp3", "data/kommentar/winner/sp1_1.mp3", "data/kommentar/winner/sp1_2.mp3",
    "data/kommentar/winner/sp1_3.mp3", "data/kommentar/winner/sp2_1.mp3", "data/kommentar/winner/sp2_2.mp3",
    "data/kommentar/winner/sp2_3.mp3", "Data/kommentar/hintergrund/e_populaer_ruvo2.mp3",
    "Data/kommentar/hintergrund/ne_hastduschon.mp3", "Data/kommentar/hintergrund/ne_website.mp3",
    "Data/kommentar/hintergrund/schlafen.mp3", "Data/kommentar/hintergrund/nachhause.mp3",
    "Data/kommentar/hintergrund/ne_verletztung.mp3", "Data/kommentar/hintergrund/ne_strohsack.mp3",
    "Data/kommentar/hintergrund/furz.mp3", "Data/kommentar/hintergrund/hust2.mp3",
    "Data/kommentar/hintergrund/hust1.mp3", "Data/kommentar/hintergrund/neuerball.mp3"};

std::unique_ptr<RgbImage> readPicture(const char* path)
{
    std::unique_ptr<RgbImage> image = readBmpImage(resolvePath(path).c_str());
    EXPECT_NE(image, nullptr) << path;
    return image;
}

struct Colour {
    int r, g, b;
};

// A pixel of a reader image, rows in the reader's order (first stored first).
Colour pixelOf(const RgbImage& image, int x, int row)
{
    x = std::clamp(x, 0, image.width - 1);
    row = std::clamp(row, 0, image.height - 1);
    const unsigned char* p = &image.pixels[(static_cast<size_t>(row) * image.width + x) * 3];
    return {p[0], p[1], p[2]};
}

int luminance(const Colour& c) { return (c.r * 30 + c.g * 59 + c.b * 11) / 100; }

bool isWhite(const Colour& c) { return c.r > 215 && c.g > 215 && c.b > 215; }

class DataSet : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!std::filesystem::exists("data/player7.3ds"))
            FAIL() << "data/ has not been generated; build the quirtal_data target first";
        startMessageLog();
    }
};

TEST(DataFiles, TheSharedTablesNameTheDocumentedFilesInSlotOrder)
{
    ASSERT_EQ(std::size(tableFiles), std::size(tablePictureFiles));
    for (size_t slot = 0; slot < std::size(tableFiles); ++slot)
        EXPECT_STREQ(tablePictureFiles[slot].path, tableFiles[slot]) << "table slot " << slot;
    ASSERT_EQ(std::size(interfaceFiles), std::size(interfacePictureFiles));
    for (size_t slot = 0; slot < std::size(interfaceFiles); ++slot)
        EXPECT_STREQ(interfacePictureFiles[slot].path, interfaceFiles[slot]) << "interface slot " << slot;
    std::vector<std::string> loaded;
    for (int slot = 0; slot < soundSlotCount; ++slot) {
        EXPECT_EQ(soundSlotFiles[slot] == nullptr, slot == 12 || slot == 33) << "sound slot " << slot;
        if (soundSlotFiles[slot])
            loaded.push_back(soundSlotFiles[slot]);
    }
    // The later samples (remarks on the play, the crowd's swells) follow the documented ones.
    ASSERT_GT(loaded.size(), std::size(soundFiles));
    loaded.resize(std::size(soundFiles));
    EXPECT_EQ(loaded, std::vector<std::string>(std::begin(soundFiles), std::end(soundFiles)));
    // The generator's names on disk: one lower-case data directory, UTF-8.
    EXPECT_EQ(slotDiskPath(0), "data/sfx/Whistle.wav");
    EXPECT_EQ(slotDiskPath(41), "data/kommentar/schuss/n_erschie\xc3\x9ft.mp3");
}

TEST_F(DataSet, EveryPictureReadsAtItsSizeAndAsImageMagickDecodesIt)
{
    std::vector<PictureFile> files(std::begin(tablePictureFiles), std::end(tablePictureFiles));
    files.insert(files.end(), std::begin(interfacePictureFiles), std::end(interfacePictureFiles));
    files.insert(files.end(), std::begin(promptPictureFiles), std::end(promptPictureFiles));
    for (const PictureFile& file : files) {
        const char* path = file.path;
        SCOPED_TRACE(path);
        ASSERT_TRUE(std::filesystem::exists(path)) << "exact name on disk";
        std::unique_ptr<RgbImage> image = readPicture(path);
        ASSERT_NE(image, nullptr);
        EXPECT_EQ(image->width, file.width);
        EXPECT_EQ(image->height, file.height);
        ReferenceImage reference;
        ASSERT_TRUE(decodeWithImageMagick(path, reference));
        ASSERT_EQ(reference.width, image->width);
        ASSERT_EQ(reference.height, image->height);
        EXPECT_TRUE(flipRows(reference.rgb, reference.width, reference.height, 3) == image->pixels);
    }
    EXPECT_TRUE(shownMessages().empty());
}

// The masked technique multiplies the screen by the mask and adds the
// picture: wherever the mask lets the background through, the picture must
// not add colour, and the mask must be a grey level.
TEST_F(DataSet, MasksAgreeWithTheirPictures)
{
    int masks = 0;
    for (const PictureFile& file : interfacePictureFiles)
        masks += std::string(file.path).find("alpha") != std::string::npos;
    EXPECT_EQ(masks, static_cast<int>(std::size(maskedPairs)));

    for (const MaskedPair& pair : maskedPairs) {
        const char* picturePath = interfacePictureFiles[pair.picture].path;
        const char* maskPath = interfacePictureFiles[pair.mask].path;
        SCOPED_TRACE(std::string(picturePath) + " with " + maskPath);
        EXPECT_NE(std::string(maskPath).find("alpha"), std::string::npos);
        std::unique_ptr<RgbImage> picture = readPicture(picturePath);
        std::unique_ptr<RgbImage> mask = readPicture(maskPath);
        ASSERT_TRUE(picture && mask);
        ASSERT_EQ(picture->width, mask->width);
        ASSERT_EQ(picture->height, mask->height);
        int through = 0;
        int covered = 0;
        int disagreeing = 0;
        int coloured = 0;
        const int total = picture->width * picture->height;
        for (int i = 0; i < total; ++i) {
            const unsigned char* m = &mask->pixels[static_cast<size_t>(i) * 3];
            const unsigned char* p = &picture->pixels[static_cast<size_t>(i) * 3];
            ASSERT_TRUE(m[0] == m[1] && m[1] == m[2]) << "mask pixel " << i << " is not grey";
            through += m[0] == 255;
            covered += m[0] == 0;
            for (int c = 0; c < 3; ++c)
                disagreeing += p[c] > 255 - m[0] + 2;
            coloured += std::max({p[0], p[1], p[2]}) > 40;
        }
        EXPECT_EQ(disagreeing, 0);
        EXPECT_GT(through, total / 20) << "the background shows somewhere";
        EXPECT_GT(covered, total / 100) << "the picture covers something";
        EXPECT_GT(coloured, total / 100) << "the picture shows something";
    }
}

// A point (x, y) of the game's 800 x 600 frame on a picture stretched over a
// rectangle, in the reader's row order.
struct Placement {
    int x0, y0, x1, y1;
    bool inverted; // first stored row along the rectangle's top edge
};

Colour sampleAt(const RgbImage& image, const Placement& place, double x, double y)
{
    const double s = (x - place.x0) / (place.x1 - place.x0);
    const double t = place.inverted ? (place.y1 - y) / (place.y1 - place.y0) : (y - place.y0) / (place.y1 - place.y0);
    return pixelOf(image, static_cast<int>(s * image.width), static_cast<int>(t * image.height));
}

// The game writes black text at fixed places over the score board and the
// frame-rate box: light, covered art must lie there, the scene elsewhere.
TEST_F(DataSet, OverlayPlatesLieUnderTheGameText)
{
    struct Case {
        int picture, mask;
        Placement place;
        std::vector<std::pair<int, int>> underText;
        std::vector<std::pair<int, int>> sceneShows;
    };
    const Case cases[] = {
        {38, 37, {0, 400, 800, 600, true}, {{146, 550}, {246, 550}, {256, 550}, {330, 550}, {470, 550}, {546, 550}, {600, 550}, {656, 550}, {668, 550}},
            {{400, 450}, {60, 550}, {740, 550}, {400, 590}}},
        {6, 39, {0, 400, 200, 600, true}, {{76, 505}, {110, 505}, {136, 505}, {150, 505}}, {{20, 420}, {100, 560}, {180, 440}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(interfacePictureFiles[c.picture].path);
        std::unique_ptr<RgbImage> picture = readPicture(interfacePictureFiles[c.picture].path);
        std::unique_ptr<RgbImage> mask = readPicture(interfacePictureFiles[c.mask].path);
        ASSERT_TRUE(picture && mask);
        for (const auto& [x, y] : c.underText) {
            EXPECT_EQ(sampleAt(*mask, c.place, x, y).r, 0) << "at " << x << ", " << y;
            EXPECT_GT(luminance(sampleAt(*picture, c.place, x, y)), 150) << "at " << x << ", " << y;
        }
        for (const auto& [x, y] : c.sceneShows)
            EXPECT_EQ(sampleAt(*mask, c.place, x, y).r, 255) << "at " << x << ", " << y;
    }
}

// Share of near-white pixels in a block of the game frame.
double whiteShare(const RgbImage& image, const Placement& place, int x0, int y0, int x1, int y1)
{
    int white = 0;
    int total = 0;
    for (int y = y0; y < y1; y += 2) {
        for (int x = x0; x < x1; x += 2) {
            ++total;
            white += isWhite(sampleAt(image, place, x, y));
        }
    }
    return static_cast<double>(white) / total;
}

// Each menu entry is written just right of where the marker stands for it;
// the title picture's prompt stands beside the marker of selection 0.
TEST_F(DataSet, MenuEntriesStandBesideTheirMarkerPlaces)
{
    const Placement fullScreen{0, 0, 800, 600, false};
    std::unique_ptr<RgbImage> menu = readPicture("data/menu/menu.bmp");
    std::unique_ptr<RgbImage> title = readPicture("data/menu/menu_intro.bmp");
    ASSERT_TRUE(menu && title);
    struct Marker {
        int x, y;
    };
    const Marker entries[] = {{290, 425}, {215, 350}, {215, 250}, {250, 172}, {250, 112}, {290, 50}};
    for (const Marker& m : entries) {
        SCOPED_TRACE(std::to_string(m.x) + ", " + std::to_string(m.y));
        EXPECT_GT(whiteShare(*menu, fullScreen, m.x + 70, m.y + 18, m.x + 160, m.y + 46), 0.12) << "label right of the marker";
        EXPECT_LT(whiteShare(*menu, fullScreen, m.x, m.y, m.x + 64, m.y + 64), 0.05) << "the marker's own place is free";
    }
    EXPECT_GT(whiteShare(*title, fullScreen, 480, 150, 620, 180), 0.12);
    // Between the entries (left of the column) the backdrop shows no text.
    EXPECT_LT(whiteShare(*menu, fullScreen, 20, 200, 180, 460), 0.02);
}

// Count of pixels whose given channel exceeds both others by the margin.
int dominated(const RgbImage& image, int channel, int margin)
{
    int count = 0;
    for (size_t i = 0; i < image.pixels.size(); i += 3) {
        const int value = image.pixels[i + channel];
        const int others = std::max(image.pixels[i + (channel + 1) % 3], image.pixels[i + (channel + 2) % 3]);
        count += value > others + margin;
    }
    return count;
}

TEST_F(DataSet, ResultPicturesNameTheirWinnerInTheTeamColour)
{
    std::unique_ptr<RgbImage> player1 = readPicture("data/interface/result_p1.bmp");
    std::unique_ptr<RgbImage> player2 = readPicture("data/interface/result_p2.bmp");
    ASSERT_TRUE(player1 && player2);
    // Strongly blue or red pixels; the golden "WINS!" counts as neither.
    EXPECT_GT(dominated(*player1, 2, 100), 4 * dominated(*player1, 0, 100) + 50) << "player 1 in blue";
    EXPECT_GT(dominated(*player2, 0, 100), 4 * dominated(*player2, 2, 100) + 50) << "player 2 in red";
}

// On the felt the texture's t axis runs along the table (x): the halfway
// line crosses the picture's rows, not its columns.
TEST_F(DataSet, TableTexturesShowFeltMarkingsWoodAndNet)
{
    std::unique_ptr<RgbImage> felt = readPicture("data/table/green2_256_512.bmp");
    ASSERT_NE(felt, nullptr);
    int whiteInCentreRow = 0;
    for (int x = 0; x < felt->width; ++x)
        whiteInCentreRow += isWhite(pixelOf(*felt, x, felt->height / 2)) || isWhite(pixelOf(*felt, x, felt->height / 2 - 1));
    EXPECT_GT(whiteInCentreRow, felt->width * 8 / 10);
    int whiteInCentreColumn = 0;
    for (int row = 0; row < felt->height; ++row)
        whiteInCentreColumn += isWhite(pixelOf(*felt, felt->width / 2, row));
    EXPECT_LT(whiteInCentreColumn, felt->height / 4);
    EXPECT_GT(dominated(*felt, 1, 40), felt->width * felt->height * 7 / 10) << "green felt";

    auto meanLuminance = [](const RgbImage& image) {
        long sum = 0;
        for (size_t i = 0; i < image.pixels.size(); i += 3)
            sum += luminance({image.pixels[i], image.pixels[i + 1], image.pixels[i + 2]});
        return sum / static_cast<long>(image.pixels.size() / 3);
    };
    std::map<std::string, long> woodLight;
    for (const char* path : {"data/table/dark.bmp", "data/table/light.bmp", "data/table/light_l.bmp", "data/table/dark_l.bmp"}) {
        std::unique_ptr<RgbImage> wood = readPicture(path);
        ASSERT_NE(wood, nullptr);
        int brown = 0;
        for (size_t i = 0; i < wood->pixels.size(); i += 3)
            brown += wood->pixels[i] > wood->pixels[i + 1] && wood->pixels[i + 1] > wood->pixels[i + 2];
        EXPECT_GT(brown, wood->width * wood->height * 9 / 10) << path;
        woodLight[path] = meanLuminance(*wood);
    }
    EXPECT_LT(woodLight["data/table/dark.bmp"] + 40, woodLight["data/table/light.bmp"]);
    EXPECT_LT(woodLight["data/table/dark_l.bmp"] + 40, woodLight["data/table/light_l.bmp"]);

    std::unique_ptr<RgbImage> goal = readPicture("data/table/tor.bmp");
    ASSERT_NE(goal, nullptr);
    for (int row = 0; row < goal->height * 3 / 4; row += 4) {
        EXPECT_TRUE(isWhite(pixelOf(*goal, 2, row))) << "left post, row " << row;
        EXPECT_TRUE(isWhite(pixelOf(*goal, goal->width - 3, row))) << "right post, row " << row;
    }
    EXPECT_TRUE(isWhite(pixelOf(*goal, goal->width / 2, goal->height - 2))) << "crossbar on top";
    EXPECT_LT(meanLuminance(*goal), 140) << "a shaded net inside";
}

// One edge of a skybox face as a row of colours.
enum class Edge { SZero, SOne, TZero, TOne };
std::vector<Colour> edgeOf(const RgbImage& image, Edge edge, bool reversed)
{
    std::vector<Colour> line;
    const bool alongRows = edge == Edge::TZero || edge == Edge::TOne;
    const int count = alongRows ? image.width : image.height;
    for (int i = 0; i < count; ++i) {
        const int j = reversed ? count - 1 - i : i;
        if (edge == Edge::SZero)
            line.push_back(pixelOf(image, 0, j));
        else if (edge == Edge::SOne)
            line.push_back(pixelOf(image, image.width - 1, j));
        else if (edge == Edge::TZero)
            line.push_back(pixelOf(image, j, 0));
        else
            line.push_back(pixelOf(image, j, image.height - 1));
    }
    return line;
}

double meanDifference(const std::vector<Colour>& a, const std::vector<Colour>& b)
{
    double sum = 0.0;
    for (size_t i = 0; i < a.size(); ++i)
        sum += std::abs(a[i].r - b[i].r) + std::abs(a[i].g - b[i].g) + std::abs(a[i].b - b[i].b);
    return sum / (3.0 * a.size());
}

// Faces that meet in the box, with the texture coordinates the skybox
// drawing gives its corners: their touching edges must show the same colours.
TEST_F(DataSet, SkyboxFacesJoinWithoutSeams)
{
    std::map<std::string, std::unique_ptr<RgbImage>> faces;
    for (const char* name : {"himmel", "boden", "1", "2", "3", "4"}) {
        faces[name] = readPicture(("data/skybox/" + std::string(name) + ".bmp").c_str());
        ASSERT_NE(faces[name], nullptr) << name;
    }
    struct Seam {
        const char* a;
        Edge edgeA;
        const char* b;
        Edge edgeB;
        bool reversed;
    };
    const Seam seams[] = {
        {"4", Edge::SOne, "1", Edge::SZero, false},     // corner x1, z0
        {"1", Edge::SOne, "2", Edge::SZero, false},     // corner x1, z1
        {"2", Edge::SOne, "3", Edge::SOne, false},      // corner x0, z1
        {"3", Edge::SZero, "4", Edge::SZero, false},    // corner x0, z0
        {"himmel", Edge::TZero, "4", Edge::TOne, false}, // top along z0
        {"himmel", Edge::TOne, "2", Edge::TOne, true},   // top along z1
        {"himmel", Edge::SOne, "1", Edge::TOne, false},  // top along x1
        {"himmel", Edge::SZero, "3", Edge::TOne, false}, // top along x0
        {"boden", Edge::TZero, "4", Edge::TZero, false}, // bottom along z0
        {"boden", Edge::TOne, "2", Edge::TZero, true},   // bottom along z1
        {"boden", Edge::SOne, "1", Edge::TZero, false},  // bottom along x1
        {"boden", Edge::SZero, "3", Edge::TZero, false}, // bottom along x0
    };
    for (const Seam& seam : seams) {
        SCOPED_TRACE(std::string(seam.a) + " meets " + seam.b);
        const std::vector<Colour> a = edgeOf(*faces[seam.a], seam.edgeA, false);
        const double joined = meanDifference(a, edgeOf(*faces[seam.b], seam.edgeB, seam.reversed));
        const double turned = meanDifference(a, edgeOf(*faces[seam.b], seam.edgeB, !seam.reversed));
        EXPECT_LT(joined, 12.0);
        EXPECT_LT(joined * 2.0, turned + 1.0) << "the join is closer than the same edge the other way round";
    }
}

class Models : public DataSet {
protected:
    Model3ds load(const char* path)
    {
        Model3ds model;
        EXPECT_TRUE(import3ds(model, path)) << path;
        EXPECT_TRUE(shownMessages().empty()) << path;
        return model;
    }
};

int totalFaces(const Model3ds& model)
{
    int faces = 0;
    for (const Object3ds& object : model.objects)
        faces += object.numFaces;
    return faces;
}

// A count from the summary of Debian's assimp command-line tool.
int assimpCount(const std::string& summary, const std::string& label)
{
    const size_t at = summary.find("\n" + label + ":");
    return at == std::string::npos ? -1 : std::atoi(summary.c_str() + at + label.size() + 2);
}

// assimp, an independent 3DS importer, finds the same meshes, triangles and
// materials as the game's reader (its vertex count is left out: the tool
// joins vertices that it finds identical).
void expectAssimpAgrees(const char* path, const Model3ds& model)
{
    const std::string summary = commandOutput(std::string("assimp info ") + path + " 2>/dev/null");
    EXPECT_EQ(assimpCount(summary, "Meshes"), model.numObjects) << path;
    EXPECT_EQ(assimpCount(summary, "Faces"), totalFaces(model)) << path;
    EXPECT_EQ(assimpCount(summary, "Materials"), model.numMaterials) << path;
}

// Every object names a known material, indexes only its own vertices and is
// a closed surface wound outward, so that the reader's normals face out.
void expectSoundObjects(const Model3ds& model)
{
    for (const Object3ds& object : model.objects) {
        SCOPED_TRACE(object.name);
        ASSERT_GE(object.materialId, 0);
        ASSERT_LT(object.materialId, model.numMaterials);
        EXPECT_EQ(object.hasTexture, model.materials[object.materialId].file[0] != '\0');
        if (object.hasTexture) {
            EXPECT_EQ(object.numTexVerts, object.numVerts);
        }
        for (const Face3ds& face : object.faces) {
            for (int index : face.vertIndex) {
                ASSERT_TRUE(index >= 0 && index < object.numVerts);
            }
        }
        // Closed surfaces wound outward enclose a positive volume (the sum
        // of the signed tetrahedra from the origin), about as much as their
        // bounding box suggests for rounded parts.
        double volume = 0.0;
        for (const Face3ds& face : object.faces) {
            const Vec3& a = object.verts[face.vertIndex[0]];
            const Vec3& b = object.verts[face.vertIndex[1]];
            const Vec3& c = object.verts[face.vertIndex[2]];
            const Vec3 n = cross(b, c);
            volume += (a.x * n.x + a.y * n.y + a.z * n.z) / 6.0;
        }
        Vec3 low = object.verts[0];
        Vec3 high = object.verts[0];
        for (const Vec3& v : object.verts) {
            low = {std::min(low.x, v.x), std::min(low.y, v.y), std::min(low.z, v.z)};
            high = {std::max(high.x, v.x), std::max(high.y, v.y), std::max(high.z, v.z)};
        }
        const double box = static_cast<double>(high.x - low.x) * (high.y - low.y) * (high.z - low.z);
        EXPECT_GT(volume, box * 0.1);
        EXPECT_LE(volume, box * 1.0001);
    }
}

TEST_F(Models, FigureIsAFootballerThatFitsTheFigure)
{
    const Model3ds figure = load("data/player7.3ds");
    ASSERT_GE(figure.numObjects, 5);
    const int faces = totalFaces(figure);
    EXPECT_GE(faces, 1000);
    EXPECT_LE(faces, 2000);
    expectSoundObjects(figure);
    expectAssimpAgrees("data/player7.3ds", figure);

    // The game draws it at scale 0.15, 4 above the figure's centre; the
    // figure's feet are 15 below that centre, its head sphere (radius 6) 19
    // above it (15 above the model's origin), its hit box 10 along x and 12
    // along z either side.
    constexpr float scale = 0.15f;
    constexpr float lift = 4.0f;
    float lowest = 1e9f;
    float highest = -1e9f;
    for (const Object3ds& object : figure.objects) {
        for (const Vec3& v : object.verts) {
            lowest = std::min(lowest, v.y * scale + lift);
            highest = std::max(highest, v.y * scale + lift);
            EXPECT_LE(std::fabs(v.x * scale), 10.0f) << object.name;
            // The rules stop an outer figure after it passes z = 130 by one
            // step (100 / 30 at 30 frames per second); it must not reach the side wall at 140.
            EXPECT_LT(130.0f + 100.0f / 30.0f + std::fabs(v.z * scale), 140.0f) << object.name << " stays inside the wall";
        }
    }
    EXPECT_NEAR(lowest, -15.0f, 1.5f) << "boots on the felt";
    EXPECT_GT(highest, 25.0f) << "the head tops the head sphere";

    int textured = 0;
    for (const Object3ds& object : figure.objects) {
        if (!object.hasTexture)
            continue;
        ++textured;
        EXPECT_STREQ(figure.materials[object.materialId].file, "data/models/face.jpg");
        for (const Vec3& v : object.verts) {
            const float dx = v.x * scale;
            const float dy = v.y * scale + lift - 19.0f;
            const float dz = v.z * scale;
            EXPECT_GT(std::sqrt(dx * dx + dy * dy + dz * dz), 6.3f) << "the head surrounds the head sphere";
        }
        for (const Vec2& uv : object.texVerts) {
            EXPECT_TRUE(uv.u >= 0.0f && uv.u <= 1.0f && uv.v >= 0.0f && uv.v <= 1.0f);
        }
    }
    EXPECT_EQ(textured, 1) << "the face is the one textured part; the body takes the team colour";
}

TEST_F(Models, ArrowIsASolidFlatArrowAroundItsCentre)
{
    const Model3ds arrow = load("data/arrow.3ds");
    ASSERT_GE(arrow.numObjects, 2);
    expectSoundObjects(arrow);
    expectAssimpAgrees("data/arrow.3ds", arrow);
    Vec3 low{1e9f, 1e9f, 1e9f};
    Vec3 high{-1e9f, -1e9f, -1e9f};
    bool textured = false;
    for (const Object3ds& object : arrow.objects) {
        textured = textured || (object.hasTexture && std::string(arrow.materials[object.materialId].file) == "data/models/arrow.tga");
        for (const Vec3& v : object.verts) {
            low = {std::min(low.x, v.x), std::min(low.y, v.y), std::min(low.z, v.z)};
            high = {std::max(high.x, v.x), std::max(high.y, v.y), std::max(high.z, v.z)};
        }
    }
    EXPECT_TRUE(textured);
    // It spins about z: long in x, wide in y, thin in z, turning about its middle.
    EXPECT_GT(high.x - low.x, 30.0f);
    EXPECT_GT(high.y - low.y, 15.0f);
    EXPECT_LT(high.z - low.z, 10.0f);
    EXPECT_GT(high.z - low.z, 2.0f);
    EXPECT_LT(std::fabs(high.x + low.x), 4.0f);
    EXPECT_LT(std::fabs(high.y + low.y), 1.0f);
}

TEST_F(Models, TexturesDecodeAsTheReferenceToolsDecodeThem)
{
    std::unique_ptr<JpegImage> face = readJpegImage("data/models/face.jpg");
    ASSERT_NE(face, nullptr);
    EXPECT_EQ(face->width, faceTextureSize);
    EXPECT_EQ(face->height, faceTextureSize);
    ASSERT_EQ(face->rowBytes, faceTextureSize * 3);
    const std::string pnm = scratchPath("face.ppm");
    ASSERT_TRUE(runCommand("djpeg -pnm -outfile '" + pnm + "' data/models/face.jpg"));
    const std::vector<unsigned char> decoded = readFileBytes(pnm);
    const std::string header = "P6\n" + std::to_string(faceTextureSize) + " " + std::to_string(faceTextureSize) + "\n255\n";
    ASSERT_EQ(decoded.size(), header.size() + face->pixels.size());
    EXPECT_TRUE(std::equal(face->pixels.begin(), face->pixels.end(), decoded.begin() + header.size()));

    std::unique_ptr<TgaImage> arrow = readTgaImage("data/models/arrow.tga");
    ASSERT_NE(arrow, nullptr);
    EXPECT_EQ(arrow->channels, 4);
    EXPECT_EQ(arrow->width, arrowTextureSize);
    EXPECT_EQ(arrow->height, arrowTextureSize);
    // ImageMagick keeps a TGA's bottom-left origin as a tag; turned upright,
    // its rows come top first, the reverse of the file's order.
    const std::string rgba = scratchPath("arrow.rgba");
    ASSERT_TRUE(runCommand("convert data/models/arrow.tga -auto-orient -depth 8 'rgba:" + rgba + "'"));
    const std::vector<unsigned char> reference = readFileBytes(rgba);
    ASSERT_EQ(reference.size(), arrow->pixels.size());
    EXPECT_TRUE(flipRows(reference, arrow->width, arrow->height, 4) == arrow->pixels);
}

// The samples as SDL2_mixer decodes them for the game's audio layer.
class Sounds : public DataSet {
protected:
    void SetUp() override
    {
        DataSet::SetUp();
        setenv("SDL_AUDIODRIVER", "dummy", 1);
        setAudioBackend(nullptr);
        ASSERT_TRUE(audioInit(audioMixRate, audioChannelCount));
    }
    void TearDown() override
    {
        audioShutdown();
        unsetenv("SDL_AUDIODRIVER");
    }
};

// Output samples of a loaded chunk: 16-bit, two channels.
struct Decoded {
    double seconds = 0.0;
    double rms = 0.0;
    double peak = 0.0;
    std::vector<int16_t> left;
    std::vector<int16_t> right;
};

Decoded decode(AudioSample* sample)
{
    Decoded result;
    const Mix_Chunk* chunk = static_cast<const Mix_Chunk*>(sample->backendData);
    int rate = 0;
    Uint16 format = 0;
    int channels = 0;
    Mix_QuerySpec(&rate, &format, &channels);
    const int frames = static_cast<int>(chunk->alen / (2 * channels));
    const int16_t* values = reinterpret_cast<const int16_t*>(chunk->abuf);
    double sum = 0.0;
    for (int i = 0; i < frames; ++i) {
        for (int c = 0; c < 2; ++c) {
            const int16_t v = values[i * channels + c];
            (c == 0 ? result.left : result.right).push_back(v);
            sum += static_cast<double>(v) * v;
            result.peak = std::max(result.peak, std::fabs(v / 32768.0));
        }
    }
    result.seconds = static_cast<double>(frames) / rate;
    result.rms = frames ? std::sqrt(sum / (2.0 * frames)) / 32768.0 : 0.0;
    return result;
}

Decoded decodeSlot(int slot)
{
    AudioSample* sample = audioLoadSample(soundSlotPath(slot));
    return sample ? decode(sample) : Decoded{};
}

double decibels(double level) { return 20.0 * std::log10(std::max(level, 1e-9)); }

// RMS of count samples from `from`, full scale 1.
double windowRms(const std::vector<int16_t>& samples, size_t from, size_t count)
{
    double sum = 0.0;
    for (size_t i = from; i < from + count && i < samples.size(); ++i)
        sum += static_cast<double>(samples[i]) * samples[i];
    return std::sqrt(sum / std::max<size_t>(count, 1)) / 32768.0;
}

double correlation(const std::vector<int16_t>& a, const std::vector<int16_t>& b)
{
    double ab = 0.0, aa = 0.0, bb = 0.0;
    for (size_t i = 0; i < a.size() && i < b.size(); ++i) {
        ab += static_cast<double>(a[i]) * b[i];
        aa += static_cast<double>(a[i]) * a[i];
        bb += static_cast<double>(b[i]) * b[i];
    }
    return aa > 0.0 && bb > 0.0 ? ab / std::sqrt(aa * bb) : 1.0;
}

// Sample i of one channel, 0 past the end.
double at(const Decoded& sound, int channel, size_t i)
{
    const std::vector<int16_t>& samples = channel == 0 ? sound.left : sound.right;
    return i < samples.size() ? samples[i] : 0.0;
}

TEST_F(Sounds, EverySampleDecodesToAudibleSoundOfSensibleLength)
{
    for (int slot = 0; slot < soundSlotCount; ++slot) {
        const char* path = soundSlotFiles[slot];
        if (!path)
            continue;
        SCOPED_TRACE(path);
        const std::string disk = slotDiskPath(slot);
        ASSERT_TRUE(std::filesystem::exists(disk)) << disk << " under its exact name";
        EXPECT_EQ(resolvePath(path), disk) << "the game's path resolution finds it";
        const std::vector<unsigned char> bytes = readFileBytes(disk);
        ASSERT_GT(bytes.size(), 4u);
        const bool riff = std::equal(bytes.begin(), bytes.begin() + 4, "RIFF");
        const bool mpeg = (bytes[0] == 0xFF && (bytes[1] & 0xE0) == 0xE0) || std::equal(bytes.begin(), bytes.begin() + 3, "ID3");
        if (disk.substr(disk.size() - 4) == ".wav") {
            EXPECT_TRUE(riff) << "a WAV file";
        } else {
            EXPECT_TRUE(mpeg) << "an MP3 file";
        }

        AudioSample* sample = audioLoadSample(path);
        ASSERT_NE(sample, nullptr);
        const Decoded sound = decode(sample);
        EXPECT_GE(sound.seconds, 0.05);
        // The menu music and the crowd run for minutes before they repeat.
        if (slot == menuMusicSlot || slot == crowdLoopSlot) {
            EXPECT_GE(sound.seconds, 180.0);
        }
        EXPECT_LE(sound.seconds, slot == menuMusicSlot || slot == crowdLoopSlot ? 240.0 : 40.0);
        EXPECT_GT(decibels(sound.rms), -36.0) << "audible";
        EXPECT_LT(decibels(sound.rms), -12.0) << "does not drown the others";
        EXPECT_LT(sound.peak, 0.99) << "does not clip";

        const double reference = std::atof(commandOutput("soxi -D '" + disk + "'").c_str());
        // sox counts an MP3's encoder delay and padding, which the game's decoder drops.
        EXPECT_NEAR(sound.seconds, reference, std::max(0.1, reference * 0.03)) << "sox agrees on the length";
    }
}

// The crowd loop runs half a minute in stereo and restarts without a jump:
// the step from its last sample to its first is no larger than the steps
// within it, on both sides.
TEST_F(Sounds, CrowdLoopRunsOnWithoutAClick)
{
    const Decoded crowd = decodeSlot(crowdLoopSlot);
    EXPECT_GE(crowd.seconds, 30.0);
    for (const std::vector<int16_t>* side : {&crowd.left, &crowd.right}) {
        ASSERT_GT(side->size(), 44100u);
        const std::vector<int16_t>& samples = *side;
        double largestStep = 0.0;
        for (size_t i = 1; i < samples.size(); ++i)
            largestStep = std::max(largestStep, std::fabs(static_cast<double>(samples[i]) - samples[i - 1]));
        const double wrapStep = std::fabs(static_cast<double>(samples.front()) - samples.back());
        EXPECT_LT(wrapStep, largestStep * 0.5);
        // The level over the last and the first tenth of a second match as well.
        const size_t tenth = 4410;
        const double head = decibels(windowRms(samples, 0, tenth));
        const double tail = decibels(windowRms(samples, samples.size() - tenth, tenth));
        EXPECT_LT(std::fabs(head - tail), 4.0);
    }
    EXPECT_LT(correlation(crowd.left, crowd.right), 0.9) << "two sides of the stands";
}

// The menu music lasts over three minutes, in stereo, and never falls silent
// before its closing fade.
TEST_F(Sounds, MenuMusicPlaysThreeMinutesWithoutASilence)
{
    const Decoded music = decodeSlot(menuMusicSlot);
    EXPECT_GE(music.seconds, 180.0);
    EXPECT_LT(correlation(music.left, music.right), 0.97) << "stereo";
    const size_t window = 22050;
    double quietest = 0.0;
    for (size_t from = 0; from + window < music.left.size() - 5 * 44100; from += window) {
        const double level = decibels(windowRms(music.left, from, window) + windowRms(music.right, from, window));
        quietest = from == 0 ? level : std::min(quietest, level);
    }
    std::printf("menu music: %.1f s, quietest half second %.1f dBFS\n", music.seconds, quietest);
    EXPECT_GT(quietest, -40.0);
}

// Everything a match can start in one frame, at the game's channel volumes,
// as SDL_mixer adds it: both knocks, the goal horn, the whistle or the intro
// sound, any remark, and the crowd at its own peak. The sum stays 3 dB under
// full scale.
TEST_F(Sounds, LoudestMomentsMixBelowFullScale)
{
    const Decoded knock = decodeSlot(ballSoundSlot);
    const Decoded horn = decodeSlot(goalSoundSlot);
    const Decoded crowd = decodeSlot(crowdLoopSlot);
    const double crowdGain = ((crowdLoopVolume * 128 + audioMaxVolume / 2) / audioMaxVolume) / 128.0;

    std::vector<int> remarks;
    for (int slot = 0; slot < soundSlotCount; ++slot) {
        const char* path = soundSlotPath(slot);
        if (path && std::string(path).find("kommentar/") != std::string::npos)
            remarks.push_back(slot);
    }
    ASSERT_GT(remarks.size(), 60u);
    double loudest = 0.0;
    for (int sameFrame : {whistleSlot, introSoundSlot}) {
        const Decoded whistle = decodeSlot(sameFrame);
        for (int slot : remarks) {
            const Decoded remark = decodeSlot(slot);
            for (int c = 0; c < 2; ++c) {
                size_t length = 0;
                for (const Decoded* part : {&knock, &horn, &whistle, &remark})
                    length = std::max(length, part->left.size());
                for (size_t i = 0; i < length; ++i) {
                    double sum = 2.0 * at(knock, c, i);
                    for (const Decoded* part : {&horn, &whistle, &remark})
                        sum += at(*part, c, i);
                    loudest = std::max(loudest, std::fabs(sum) / 32768.0);
                }
            }
        }
    }
    loudest += crowd.peak * crowdGain;
    std::printf("loudest moment of a match: %.3f (%.1f dBFS)\n", loudest, decibels(loudest));
    EXPECT_LT(decibels(loudest), -3.0);
}

std::map<std::string, std::vector<unsigned char>> filesBelow(const std::string& root)
{
    std::map<std::string, std::vector<unsigned char>> files;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(root))
        if (entry.is_regular_file())
            files[std::filesystem::relative(entry.path(), root).string()] = readFileBytes(entry.path().string());
    return files;
}

// Pictures and models come out byte for byte the same on every run, and the
// generated data/ holds exactly them. A repair run against the manifest makes
// a deleted and a changed file again, and leaves a complete set untouched.
TEST_F(DataSet, PicturesAndModelsAreTheSameOnEveryRunAndARepairRestoresThem)
{
    const std::string generator = std::string(QUIRTAL_BINARY_DIR) + "/tools/quirtal_datagen";
    const std::string first = scratchPath("first");
    const std::string second = scratchPath("second");
    const std::string manifest = scratchPath("first.manifest");
    ASSERT_TRUE(runCommand("'" + generator + "' '" + first + "' pictures models --manifest '" + manifest + "'"));
    ASSERT_TRUE(runCommand("'" + generator + "' '" + second + "' pictures models"));
    const auto one = filesBelow(first + "/data");
    const auto two = filesBelow(second + "/data");
    EXPECT_EQ(one.size(), 7u + std::size(interfaceFiles) + std::size(promptPictureFiles) + 4u);
    EXPECT_TRUE(one == two);
    for (const auto& [name, bytes] : one)
        EXPECT_TRUE(readFileBytes("data/" + name) == bytes) << name << " in data/ is from this generator";

    const std::string repair = "'" + generator + "' '" + first + "' --manifest '" + manifest + "' --repair 2>&1";
    EXPECT_EQ(commandOutput(repair), "") << "nothing to make";
    std::filesystem::remove(first + "/data/models/face.jpg");
    std::vector<unsigned char> changed = readFileBytes(first + "/data/menu/menu.bmp");
    changed[changed.size() / 2] ^= 0xFF;
    writeFileBytes(first + "/data/menu/menu.bmp", changed);
    EXPECT_NE(commandOutput(repair).find("making 2 missing or changed file(s)"), std::string::npos);
    EXPECT_TRUE(filesBelow(first + "/data") == two);
}

} // namespace
