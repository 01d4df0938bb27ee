#include "support/tool_files.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sstream>

const std::string& scratchDirectory()
{
    // Never destroyed, so the clean-up at exit can still read it.
    static const std::string* directory = [] {
        char pattern[] = "/tmp/quirtal-test-XXXXXX";
        const char* made = mkdtemp(pattern);
        auto* path = new std::string(made ? made : "");
        if (made)
            std::atexit([] { std::system(("rm -rf '" + scratchDirectory() + "'").c_str()); });
        return path;
    }();
    return *directory;
}

std::string scratchPath(const std::string& name) { return scratchDirectory() + "/" + name; }

bool runCommand(const std::string& command) { return std::system(command.c_str()) == 0; }

std::string commandOutput(const std::string& command)
{
    std::string output;
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe)
        return output;
    char buffer[4096];
    size_t got = 0;
    while ((got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0)
        output.append(buffer, got);
    pclose(pipe);
    return output;
}

std::vector<unsigned char> readFileBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void writeFileBytes(const std::string& path, const std::vector<unsigned char>& bytes)
{
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

bool decodeWithImageMagick(const std::string& path, ReferenceImage& image, int channels)
{
    std::istringstream size(commandOutput("identify -format '%w %h' '" + path + "' 2>/dev/null"));
    if (!(size >> image.width >> image.height))
        return false;
    // The raw decoding goes to the scratch directory, never beside the input.
    static int decodings = 0;
    const std::string raw = scratchPath("reference-" + std::to_string(++decodings) + ".rgb");
    const std::string map = channels == 4 ? "rgba" : "rgb";
    if (!runCommand("convert '" + path + "' -depth 8 '" + map + ":" + raw + "'"))
        return false;
    image.rgb = readFileBytes(raw);
    return image.rgb.size() == static_cast<size_t>(image.width) * image.height * channels;
}

std::vector<unsigned char> flipRows(const std::vector<unsigned char>& pixels, int width, int height,
    int channels)
{
    std::vector<unsigned char> flipped(pixels.size());
    const size_t rowBytes = static_cast<size_t>(width) * channels;
    for (int y = 0; y < height; ++y)
        std::copy(pixels.begin() + rowBytes * y, pixels.begin() + rowBytes * (y + 1),
            flipped.begin() + rowBytes * (height - 1 - y));
    return flipped;
}

void appendLe16(std::vector<unsigned char>& bytes, unsigned value)
{
    bytes.push_back(static_cast<unsigned char>(value & 0xFF));
    bytes.push_back(static_cast<unsigned char>((value >> 8) & 0xFF));
}

void appendLe32(std::vector<unsigned char>& bytes, unsigned value)
{
    appendLe16(bytes, value & 0xFFFF);
    appendLe16(bytes, value >> 16);
}
