#include "assets/reader_3ds.h"

#include "support/chunk_files.h"
#include "support/message_log.h"
#include "support/tool_files.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <dirent.h>
#include <set>
#include <sstream>

namespace {

const std::string assimpModels = "/usr/share/assimp/models/3DS";

// One quad of two triangles in the file's z-up axes, lying in z = 0.
const std::vector<float> quadXyz = {0, 0, 0, 2, 0, 0, 2, 2, 0, 0, 2, 0};
const std::vector<int> quadCorners = {0, 1, 2, 0, 2, 3};

std::string writeModel(const std::string& name, const Bytes& bytes)
{
    const std::string path = scratchPath(name);
    writeFileBytes(path, bytes);
    return path;
}

bool importBytes(Model3ds& model, const std::string& name, const Bytes& bytes)
{
    return import3ds(model, writeModel(name, bytes).c_str());
}

int totalFaces(const Model3ds& model)
{
    int total = 0;
    for (const Object3ds& object : model.objects)
        total += object.numFaces;
    return total;
}

// Every normal is a unit vector, or zero for a vertex of no face; never NaN.
void expectSoundNormals(const Model3ds& model, const std::string& label)
{
    for (const Object3ds& object : model.objects) {
        ASSERT_EQ(object.normals.size(), static_cast<size_t>(object.numVerts)) << label;
        for (const Vec3& n : object.normals) {
            const float len = length(n);
            ASSERT_FALSE(std::isnan(len)) << label;
            if (len != 0.0f) {
                ASSERT_NEAR(len, 1.0f, 1e-4f) << label;
            }
        }
        for (const Face3ds& face : object.faces)
            for (int index : face.vertIndex)
                ASSERT_TRUE(index >= 0 && index < object.numVerts) << label;
    }
}

// What assimp's own reader says about a file, without post-processing (which
// would merge repeated meshes): triangle total, material names (its
// generated default left out) and texture file names.
struct AssimpView {
    int faces = -1;
    std::set<std::string> materials;
    std::set<std::string> textureFiles;
};

AssimpView askAssimp(const std::string& path)
{
    AssimpView view;
    std::istringstream lines(commandOutput("assimp info '" + path + "' --raw 2>/dev/null"));
    std::string line;
    while (std::getline(lines, line)) {
        if (line.rfind("Faces:", 0) == 0)
            view.faces = std::stoi(line.substr(6));
        if (line.rfind("    '", 0) != 0)
            continue;
        const size_t close = line.find('\'', 5);
        const std::string name = line.substr(5, close - 5);
        if (line.find("(prop)") == std::string::npos)
            view.textureFiles.insert(name);
        else if (name != "%%%DEFAULT")
            view.materials.insert(name);
    }
    return view;
}

void expectAgreementWithAssimp(const std::string& path, const std::string& label)
{
    startMessageLog();
    Model3ds model;
    ASSERT_TRUE(import3ds(model, path.c_str())) << label;
    EXPECT_TRUE(shownMessages().empty()) << label;
    const AssimpView view = askAssimp(path);
    EXPECT_EQ(totalFaces(model), view.faces) << label;
    EXPECT_EQ(model.numObjects, static_cast<int>(model.objects.size()));
    EXPECT_GT(model.numObjects, 0) << label;
    std::set<std::string> ours;
    for (const Material3ds& material : model.materials) {
        ours.insert(material.name);
        // Only the first texture map is read, so our files are among assimp's.
        if (material.file[0] != '\0') {
            std::string upper = material.file;
            for (char& c : upper)
                c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
            EXPECT_TRUE(view.textureFiles.count(upper) || view.textureFiles.count(material.file))
                << label << ": " << material.file;
        }
    }
    EXPECT_EQ(ours, view.materials) << label;
    expectSoundNormals(model, label);
}

// Each package file as it ships, and as assimp's exporter writes it again:
// its mesh-data chunk begins with the materials, not the mesh version.
TEST(Reader3ds, AgreesWithAssimpOnItsTestModelsAndTheirExports)
{
    DIR* dir = opendir(assimpModels.c_str());
    ASSERT_NE(dir, nullptr) << "assimp-testmodels is not installed";
    std::vector<std::string> files;
    while (dirent* entry = readdir(dir)) {
        const std::string name = entry->d_name;
        if (name.size() > 4 && (name.substr(name.size() - 4) == ".3ds" || name.substr(name.size() - 4) == ".3DS"))
            files.push_back(name);
    }
    closedir(dir);
    ASSERT_GE(files.size(), 8u);
    for (const std::string& name : files) {
        const std::string path = assimpModels + "/" + name;
        expectAgreementWithAssimp(path, name);
        const std::string exported = scratchPath("exported_" + name);
        ASSERT_TRUE(runCommand("assimp export '" + path + "' '" + exported + "' -f3ds > /dev/null 2>&1")) << name;
        expectAgreementWithAssimp(exported, "exported " + name);
    }
}

TEST(Reader3ds, KnownTexturesAndShapesOfTheTestModels)
{
    Model3ds model;
    ASSERT_TRUE(import3ds(model, (assimpModels + "/test1.3ds").c_str()));
    std::set<std::string> files;
    for (const Material3ds& material : model.materials)
        files.insert(material.file);
    EXPECT_TRUE(files.count("IMAGE1.JPG") || files.count("image1.jpg"));
    int textured = 0;
    for (const Object3ds& object : model.objects) {
        textured += object.hasTexture;
        if (object.hasTexture) {
            ASSERT_GE(object.materialId, 0);
            EXPECT_NE(model.materials[object.materialId].file[0], '\0');
            EXPECT_EQ(object.numTexVerts, object.numVerts) << object.name;
        }
    }
    EXPECT_GT(textured, 0);

    // fels.3ds is one closed rock: every vertex has faces, so every normal is a unit vector.
    Model3ds rock;
    ASSERT_TRUE(import3ds(rock, (assimpModels + "/fels.3ds").c_str()));
    ASSERT_EQ(rock.numObjects, 1);
    for (const Vec3& n : rock.objects[0].normals)
        EXPECT_NEAR(length(n), 1.0f, 1e-4f);
}

TEST(Reader3ds, OpeningFailuresAndVersions)
{
    startMessageLog();
    Model3ds model;
    const std::string missing = scratchPath("missing.3ds");
    EXPECT_FALSE(import3ds(model, missing.c_str()));
    ASSERT_EQ(shownMessages().size(), 1u);
    EXPECT_EQ(shownMessages()[0].text, "Unable to find the file: " + missing + "!");
    EXPECT_EQ(shownMessages()[0].caption, "Erroneous call to filename");

    // A directory opens but yields no main chunk.
    startMessageLog();
    EXPECT_FALSE(import3ds(model, scratchDirectory().c_str()));
    ASSERT_EQ(shownMessages().size(), 1u);
    EXPECT_EQ(shownMessages()[0].caption, "Error");

    startMessageLog();
    Bytes wrongStart = mainChunk(meshObject("quad", quadXyz, quadCorners));
    wrongStart[0] = 0x4E;
    const std::string wrong = writeModel("wrong-start.3ds", wrongStart);
    EXPECT_FALSE(import3ds(model, wrong.c_str()));
    ASSERT_EQ(shownMessages().size(), 1u);
    EXPECT_EQ(shownMessages()[0].text, "Unable to load PRIMARY chuck from file: " + wrong + "!");
    EXPECT_EQ(shownMessages()[0].caption, "Error");
    EXPECT_EQ(model.numObjects, 0);

    startMessageLog();
    EXPECT_TRUE(importBytes(model, "v3.3ds", mainChunk(meshObject("quad", quadXyz, quadCorners), versionChunk(3))));
    EXPECT_TRUE(shownMessages().empty());
    EXPECT_TRUE(importBytes(model, "v4.3ds", mainChunk(meshObject("quad", quadXyz, quadCorners), versionChunk(4))));
    ASSERT_EQ(shownMessages().size(), 1u);
    EXPECT_EQ(shownMessages()[0].text, "This 3DS file is over version 3 so it may load incorrectly");
    EXPECT_EQ(shownMessages()[0].caption, "Warning");
    // A second import appends.
    EXPECT_EQ(model.numObjects, 2);
    EXPECT_EQ(model.objects.size(), 2u);
}

TEST(Reader3ds, NamesResolveWithoutCaseAndWithLatin1Bytes)
{
    // On disk in UTF-8 and lower case; asked for with the Latin-1 byte 0xDF.
    writeModel("stra\xC3\x9F" "e.3ds", mainChunk(meshObject("quad", quadXyz, quadCorners)));
    Model3ds model;
    EXPECT_TRUE(import3ds(model, scratchPath("STRA\xDF" "E.3DS").c_str()));
    EXPECT_EQ(model.numObjects, 1);
}

TEST(Reader3ds, AxesMaterialsAndGroups)
{
    const Bytes materials = join({
        materialChunk("Wood", "wood.bmp", chunk3ds(0xA020, chunk3ds(0x0011, {10, 20, 30}))),
        materialChunk("Paint", "", chunk3ds(0xA020, join({chunk3ds(0x0011, {1, 2, 3}), chunk3ds(0x0012, {9, 9, 9})}))),
    });
    const Bytes objects = join({
        meshObject("plain", {1, 2, 3, 0, 0, 0, 4, 5, 6}, {0, 1, 2}),
        meshObject("wooden", quadXyz, quadCorners, {"Wood"}),
        meshObject("shouting", quadXyz, quadCorners, {"WOOD"}),
        meshObject("repainted", quadXyz, quadCorners, {"Wood", "Paint"}),
        meshObject("painted", quadXyz, quadCorners, {"Paint"}),
    });
    Model3ds model;
    ASSERT_TRUE(importBytes(model, "groups.3ds", mainChunk(join({materials, objects}))));
    ASSERT_EQ(model.numMaterials, 2);
    EXPECT_STREQ(model.materials[0].file, "wood.bmp");
    EXPECT_EQ(model.materials[0].color[2], 30);
    // The second colour sub-chunk is skipped; the first one counts.
    EXPECT_EQ(model.materials[1].color[0], 1);
    EXPECT_EQ(model.materials[1].color[2], 3);
    EXPECT_STREQ(model.materials[1].file, "");

    ASSERT_EQ(model.numObjects, 5);
    const Object3ds& plain = model.objects[0];
    EXPECT_STREQ(plain.name, "plain");
    EXPECT_EQ(plain.verts[0].x, 1.0f);
    EXPECT_EQ(plain.verts[0].y, 3.0f);
    EXPECT_EQ(plain.verts[0].z, -2.0f);
    EXPECT_EQ(plain.materialId, 0);
    EXPECT_FALSE(plain.hasTexture);

    struct Expected {
        int materialId;
        bool hasTexture;
    } expected[] = {{0, false}, {0, true}, {-1, false}, {1, true}, {1, false}};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(model.objects[i].materialId, expected[i].materialId) << model.objects[i].name;
        EXPECT_EQ(model.objects[i].hasTexture, expected[i].hasTexture) << model.objects[i].name;
    }
}

TEST(Reader3ds, UnknownChunksAreSkippedByLength)
{
    const Bytes masterScale = chunk3ds(0x0100, floatBytes({1.0f}));
    const Bytes keyframer = chunk3ds(0xB000, join({chunk3ds(0xB00A, Bytes(40, 0xAA)), Bytes(9, 0x4D)}));
    const Bytes opacityMap = chunk3ds(0xA210, chunk3ds(0xA300, cString("hidden.tga")));
    const Bytes file = chunk3ds(0x4D4D, join({versionChunk(3),
        chunk3ds(0x3D3D, join({chunk3ds(0x3D3E, u32Bytes(3)), masterScale,
            materialChunk("Glass", "", opacityMap), meshObject("first", quadXyz, quadCorners)})),
        keyframer}));
    Model3ds model;
    ASSERT_TRUE(importBytes(model, "unknown.3ds", file));
    EXPECT_EQ(model.numObjects, 1);
    EXPECT_EQ(model.objects[0].numFaces, 2);
    EXPECT_STREQ(model.materials[0].file, "");
}

TEST(Reader3ds, CutFilesFailAndLeaveTheModelAlone)
{
    const Bytes whole = mainChunk(join({materialChunk("Wood", "wood.bmp"),
        meshObject("quad", quadXyz, quadCorners, {"Wood"}, {0, 0, 1, 0, 1, 1, 0, 1})}));
    Model3ds before;
    ASSERT_TRUE(importBytes(before, "whole.3ds", whole));
    startMessageLog();
    for (size_t cut = 0; cut < whole.size(); ++cut) {
        Model3ds model = before;
        const bool read = importBytes(model, "cut.3ds", Bytes(whole.begin(), whole.begin() + cut));
        EXPECT_FALSE(read) << cut;
        EXPECT_EQ(model.numObjects, 1) << cut;
        EXPECT_EQ(model.objects.size(), 1u) << cut;
    }

    // A chunk shorter than its own header cannot be walked.
    Bytes shortChunk = mainChunk(meshObject("quad", quadXyz, quadCorners));
    const Bytes tooShort = join({u16Bytes(0x1234), u32Bytes(3)});
    shortChunk.insert(shortChunk.begin() + 6, tooShort.begin(), tooShort.end());
    const uint32_t length = static_cast<uint32_t>(shortChunk.size());
    std::memcpy(&shortChunk[2], u32Bytes(length).data(), 4);
    Model3ds model;
    EXPECT_FALSE(importBytes(model, "short-chunk.3ds", shortChunk));
    EXPECT_EQ(model.numObjects, 0);
}

TEST(Reader3ds, OversizedPayloadsAndBadIndices)
{
    const std::string longName(300, 'n');
    // One vertex announced, three stored; the extra bytes are consumed.
    const Bytes vertices = chunk3ds(0x4110, join({u16Bytes(1), floatBytes({1, 2, 3, 4, 5, 6, 7, 8, 9})}));
    // Faces naming vertices 0..2 of a one-vertex list, and a good one.
    Bytes faceData = join({u16Bytes(2), u16Bytes(0), u16Bytes(0), u16Bytes(0), u16Bytes(0),
        u16Bytes(0), u16Bytes(1), u16Bytes(2), u16Bytes(0)});
    const Bytes lonely = chunk3ds(0x4000, join({cString(longName), chunk3ds(0x4100, join({vertices,
        chunk3ds(0x4120, faceData), chunk3ds(0x4140, join({u16Bytes(0)}))}))}));
    const Bytes file = mainChunk(join({materialChunk(longName, longName + ".bmp"), lonely,
        meshObject("after", quadXyz, quadCorners, {longName.substr(0, 254)})}));
    Model3ds model;
    ASSERT_TRUE(importBytes(model, "oversized.3ds", file));
    ASSERT_EQ(model.numObjects, 2);
    EXPECT_EQ(std::strlen(model.materials[0].name), 254u);
    EXPECT_EQ(std::strlen(model.materials[0].file), 254u);
    EXPECT_EQ(std::strlen(model.objects[0].name), 254u);
    const Object3ds& first = model.objects[0];
    EXPECT_EQ(first.numVerts, 1);
    EXPECT_EQ(first.verts[0].z, -2.0f);
    // Only the face of vertex 0 three times survives; it is degenerate: zero normal.
    EXPECT_EQ(first.numFaces, 1);
    EXPECT_EQ(first.normals[0].x, 0.0f);
    EXPECT_EQ(first.normals[0].y, 0.0f);
    // The cut group name matches the cut material name.
    EXPECT_EQ(model.objects[1].materialId, 0);
    EXPECT_EQ(model.objects[1].numFaces, 2);
    expectSoundNormals(model, "oversized");
}

TEST(Reader3ds, NormalsOfQuadsAndUnequalFaces)
{
    // A flat quad wound counter-clockwise seen from +z (file), i.e. from +y (scene).
    Model3ds quad;
    ASSERT_TRUE(importBytes(quad, "quad.3ds", mainChunk(meshObject("quad", quadXyz, quadCorners))));
    for (const Vec3& n : quad.objects[0].normals) {
        EXPECT_NEAR(n.x, 0.0f, 1e-6f);
        EXPECT_NEAR(n.y, 1.0f, 1e-6f);
        EXPECT_NEAR(n.z, 0.0f, 1e-6f);
    }

    // Vertex 0 is shared by a large face in the file's xy plane (normal +z
    // file, +y scene) and a small one in the xz plane (normal +y file, -z scene).
    // A fifth vertex belongs to no face.
    const std::vector<float> xyz = {0, 0, 0, 4, 0, 0, 0, 4, 0, 0, 0, 1, 9, 9, 9};
    Model3ds model;
    ASSERT_TRUE(importBytes(model, "unequal.3ds", mainChunk(meshObject("corner", xyz, {0, 1, 2, 0, 3, 1}))));
    const Vec3 n = model.objects[0].normals[0];
    // Sum of area-weighted normals: (0, 16, 0) + (0, 0, -4), normalised.
    EXPECT_NEAR(n.x, 0.0f, 1e-6f);
    EXPECT_NEAR(n.y, 16.0f / std::sqrt(272.0f), 1e-5f);
    EXPECT_NEAR(n.z, -4.0f / std::sqrt(272.0f), 1e-5f);
    const Vec3 alone = model.objects[0].normals[4];
    EXPECT_EQ(alone.x, 0.0f);
    EXPECT_EQ(alone.y, 0.0f);
    EXPECT_EQ(alone.z, 0.0f);
}

TEST(Reader3ds, DeepNestingDoesNotExhaustTheStack)
{
    // 200000 mesh-data chunks, each holding its mesh version and then the
    // next: far deeper than a stack of one frame per level could go.
    const Bytes inner = meshObject("inner", quadXyz, quadCorners);
    const Bytes meshVersion = chunk3ds(0x3D3E, u32Bytes(3));
    auto nest = [&](int levels) {
        const size_t perLevel = 6 + meshVersion.size();
        Bytes file;
        file.reserve(6 + perLevel * levels + inner.size());
        const Bytes mainHeader = join({u16Bytes(0x4D4D), u32Bytes(static_cast<uint32_t>(6 + perLevel * levels + inner.size()))});
        file.insert(file.end(), mainHeader.begin(), mainHeader.end());
        for (int level = 0; level < levels; ++level) {
            const uint32_t length = static_cast<uint32_t>(perLevel * (levels - level) + inner.size());
            const Bytes header = join({u16Bytes(0x3D3D), u32Bytes(length), meshVersion});
            file.insert(file.end(), header.begin(), header.end());
        }
        file.insert(file.end(), inner.begin(), inner.end());
        return file;
    };
    Model3ds model;
    EXPECT_TRUE(importBytes(model, "deep.3ds", nest(200000)));
    // The object lies below the depth that is walked, so it is skipped whole.
    EXPECT_EQ(model.numObjects, 0);

    // At a modest depth the object is still found.
    EXPECT_TRUE(importBytes(model, "shallow.3ds", nest(20)));
    EXPECT_EQ(model.numObjects, 1);
}

} // namespace
