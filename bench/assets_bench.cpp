// Asset reader speed: 3DS import time against face count (it should grow
// linearly), and BMP, TGA and JPEG decoding throughput in megapixels per
// second. Inputs are generated into a scratch directory first.
#include "assets/bmp_reader.h"
#include "assets/jpeg_reader.h"
#include "assets/reader_3ds.h"
#include "assets/tga_reader.h"
#include "platform/message_box.h"
#include "support/chunk_files.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <string>

namespace {

const std::string& scratch()
{
    static const std::string* directory = [] {
        char pattern[] = "/tmp/quirtal-bench-XXXXXX";
        const char* made = mkdtemp(pattern);
        return new std::string(made ? made : "/tmp");
    }();
    return *directory;
}

// Objects of a grid of quads (two faces each); a 3DS object holds at most
// 65535 faces, so large meshes are split into objects of 50000 faces.
Bytes gridObject(const std::string& name, int columns, int rows)
{
    std::vector<float> xyz;
    for (int y = 0; y <= rows; ++y)
        for (int x = 0; x <= columns; ++x)
            xyz.insert(xyz.end(), {static_cast<float>(x), static_cast<float>(y), static_cast<float>((x * y) % 7)});
    std::vector<int> corners;
    for (int y = 0; y < rows; ++y) {
        for (int x = 0; x < columns; ++x) {
            const int a = y * (columns + 1) + x;
            const int b = a + 1;
            const int c = a + columns + 1;
            corners.insert(corners.end(), {a, b, c + 1, a, c + 1, c});
        }
    }
    return meshObject(name, xyz, corners);
}

const std::string& meshFile(int faces)
{
    static std::map<int, std::string> made;
    auto found = made.find(faces);
    if (found != made.end())
        return found->second;
    Bytes objects;
    int left = faces;
    for (int index = 0; left > 0; ++index) {
        const int objectFaces = left > 50000 ? 50000 : left;
        const int columns = objectFaces >= 500 ? 250 : objectFaces / 2;
        objects = join({objects, gridObject("grid" + std::to_string(index), columns, objectFaces / 2 / columns)});
        left -= objectFaces;
    }
    const std::string path = scratch() + "/grid" + std::to_string(faces) + ".3ds";
    const Bytes file = mainChunk(objects);
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(file.data()), file.size());
    return made.emplace(faces, path).first->second;
}

void importMesh(benchmark::State& state)
{
    const int faces = static_cast<int>(state.range(0));
    const std::string& path = meshFile(faces);
    for (auto _ : state) {
        Model3ds model;
        benchmark::DoNotOptimize(import3ds(model, path.c_str()));
    }
    state.SetComplexityN(faces);
    state.SetItemsProcessed(state.iterations() * faces);
}
BENCHMARK(importMesh)->Arg(1000)->Arg(10000)->Arg(100000)->Complexity(benchmark::oN)->Unit(benchmark::kMillisecond);

// A 1024 x 1024 picture in the given ImageMagick format.
std::string picture(const std::string& name, const std::string& options, const std::string& format)
{
    const std::string path = scratch() + "/" + name;
    const std::string command = "test -f '" + path + "' || convert -seed 1 -size 1024x1024 plasma: " + options
        + " " + format + ":'" + path + "'";
    if (std::system(command.c_str()) != 0)
        std::fprintf(stderr, "could not make %s\n", path.c_str());
    return path;
}

template <typename Read>
void readPicture(benchmark::State& state, const std::string& path, Read read)
{
    long long pixels = 0;
    for (auto _ : state) {
        auto image = read(path.c_str());
        if (!image) {
            state.SkipWithError("no image");
            return;
        }
        pixels = static_cast<long long>(image->width) * image->height;
        benchmark::DoNotOptimize(image->pixels.data());
    }
    state.counters["MPixels/s"]
        = benchmark::Counter(static_cast<double>(pixels) * state.iterations() / 1e6, benchmark::Counter::kIsRate);
}

void readBmp24(benchmark::State& state) { readPicture(state, picture("b24.bmp", "-type truecolor", "BMP3"), readBmpImage); }
void readBmpRle8(benchmark::State& state)
{
    readPicture(state, picture("r8.bmp", "-colors 200 -compress RLE", "BMP3"), readBmpImage);
}
void readTgaRle(benchmark::State& state) { readPicture(state, picture("rle.tga", "-compress RLE", "TGA"), readTgaImage); }
void readTgaRaw(benchmark::State& state) { readPicture(state, picture("raw.tga", "-compress None", "TGA"), readTgaImage); }
void readJpeg(benchmark::State& state) { readPicture(state, picture("photo.jpg", "-quality 90", "JPEG"), readJpegImage); }
BENCHMARK(readBmp24)->Unit(benchmark::kMillisecond);
BENCHMARK(readBmpRle8)->Unit(benchmark::kMillisecond);
BENCHMARK(readTgaRle)->Unit(benchmark::kMillisecond);
BENCHMARK(readTgaRaw)->Unit(benchmark::kMillisecond);
BENCHMARK(readJpeg)->Unit(benchmark::kMillisecond);

void ignoreMessage(const char*, const char*) {}

} // namespace

int main(int argc, char** argv)
{
    setMessageBoxHook(ignoreMessage);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    std::system(("rm -rf '" + scratch() + "'").c_str());
    return 0;
}
