#pragma once

#include <string>
#include <vector>

// Scratch files and outside tools (ImageMagick, cjpeg, assimp) for tests that
// compare the game's readers with a reference decoder.

// A fresh directory under /tmp for this test process; made on first use.
const std::string& scratchDirectory();

// scratchDirectory() + "/" + name.
std::string scratchPath(const std::string& name);

// Runs a shell command; true when it exits with status 0.
bool runCommand(const std::string& command);

// Standard output of a shell command (empty when it fails to start).
std::string commandOutput(const std::string& command);

std::vector<unsigned char> readFileBytes(const std::string& path);
void writeFileBytes(const std::string& path, const std::vector<unsigned char>& bytes);

// A picture as ImageMagick decodes it: 8-bit R, G, B (and A when four
// channels are asked for), top row first.
struct ReferenceImage {
    int width = 0;
    int height = 0;
    std::vector<unsigned char> rgb;
};
bool decodeWithImageMagick(const std::string& path, ReferenceImage& image, int channels = 3);

// Rows of a packed 8-bit picture in reverse order (top-first <-> bottom-first).
std::vector<unsigned char> flipRows(const std::vector<unsigned char>& pixels, int width, int height,
    int channels);

// Little-endian writers for hand-built files.
void appendLe16(std::vector<unsigned char>& bytes, unsigned value);
void appendLe32(std::vector<unsigned char>& bytes, unsigned value);
