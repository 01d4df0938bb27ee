// Writes the game's whole data set below the directory given on the command
// line (the repository root): every picture, model and sound is made here.
// Further arguments choose parts ("pictures", "models", "sounds"); without
// them everything is made. "--manifest FILE" records what was made there;
// with "--repair" as well, only the parts whose files have gone missing or
// changed since are made again (only those files, for sounds), and nothing
// at all when every file is as recorded. The part "icons" writes the desktop
// icons below the directory instead of data/, and only when asked for.
#include <cairo.h>
#include <fontconfig/fontconfig.h>

#include <cstdio>
#include <cstring>
#include <set>
#include <string>

#include "data_output.h"
#include "icons.h"
#include "manifest.h"
#include "menu_pictures.h"
#include "models.h"
#include "overlay_pictures.h"
#include "skybox.h"
#include "sounds.h"
#include "table_textures.h"

namespace {

struct Request {
    std::string root;
    std::set<std::string> parts; // empty: every part
    std::string manifest;
    bool repair = false;
};

bool parseRequest(int argc, char** argv, Request& request)
{
    if (argc < 2)
        return false;
    request.root = argv[1];
    for (int i = 2; i < argc; ++i) {
        const std::string word = argv[i];
        if (word == "--manifest" && i + 1 < argc)
            request.manifest = argv[++i];
        else if (word == "--repair")
            request.repair = true;
        else if (word == "pictures" || word == "models" || word == "sounds" || word == "icons")
            request.parts.insert(word);
        else
            return false;
    }
    return !request.repair || !request.manifest.empty();
}

// Narrows a repair to the parts, and the sound files, that differ from the
// manifest; false when nothing needs making.
bool narrowToStaleFiles(Request& request, DataOutput& output)
{
    std::vector<ManifestEntry> recorded;
    if (!readManifest(request.manifest, recorded))
        return true;
    const std::vector<std::string> stale = stalePaths(request.root, recorded);
    if (stale.empty())
        return false;
    for (const std::string& path : stale) {
        request.parts.insert(partOf(path));
        if (std::strcmp(partOf(path), "sounds") == 0)
            output.onlySounds.insert(path);
    }
    std::fprintf(stderr, "datagen: making %zu missing or changed file(s) of data/ again\n", stale.size());
    return true;
}

bool wanted(const Request& request, const char* part)
{
    if (request.parts.empty())
        return std::strcmp(part, "icons") != 0;
    return request.parts.count(part) > 0;
}

} // namespace

int main(int argc, char** argv)
{
    Request request;
    if (!parseRequest(argc, argv, request)) {
        std::fprintf(stderr,
                     "usage: %s <directory that receives data/> [pictures] [models] [sounds] [icons] "
                     "[--manifest FILE [--repair]]\n",
                     argv[0]);
        return 2;
    }
    DataOutput output;
    output.root = request.root;
    if (request.repair && !narrowToStaleFiles(request, output))
        return 0;
    if (wanted(request, "pictures")) {
        generateTableTextures(output);
        generateSkybox(output);
        generateOverlayPictures(output);
        generateMenuPictures(output);
    }
    if (wanted(request, "models"))
        generateModels(output);
    if (wanted(request, "sounds"))
        generateSounds(output);
    if (wanted(request, "icons"))
        generateIcons(output);
    // Hand back the font caches, so that leak checkers see a clean exit.
    cairo_debug_reset_static_data();
    FcFini();
    if (output.failures > 0) {
        std::fprintf(stderr, "datagen: %d file(s) could not be made\n", output.failures);
        return 1;
    }
    if (!request.manifest.empty() && !writeManifest(request.manifest, scanDataSet(request.root))) {
        std::fprintf(stderr, "datagen: cannot write %s\n", request.manifest.c_str());
        return 1;
    }
    return 0;
}
