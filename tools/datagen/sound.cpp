#include "sound.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <fstream>
#include <iterator>

#include "little_endian_file.h"

Sound silence(int rate, double seconds)
{
    Sound sound;
    sound.rate = rate;
    sound.samples.assign(static_cast<size_t>(std::lround(seconds * rate)), 0.0f);
    return sound;
}

bool isStereo(const Sound& sound) { return !sound.right.empty() && sound.right.size() == sound.samples.size(); }

void makeStereo(Sound& sound)
{
    if (!isStereo(sound))
        sound.right = sound.samples;
}

double duration(const Sound& sound) { return static_cast<double>(sound.samples.size()) / sound.rate; }

void append(Sound& a, const Sound& b, double gapSeconds)
{
    a.samples.insert(a.samples.end(), static_cast<size_t>(std::lround(gapSeconds * a.rate)), 0.0f);
    a.samples.insert(a.samples.end(), b.samples.begin(), b.samples.end());
}

Sound resampled(const Sound& sound, int rate)
{
    Sound out;
    out.rate = rate;
    if (sound.samples.empty())
        return out;
    const size_t count = static_cast<size_t>(static_cast<double>(sound.samples.size()) * rate / sound.rate);
    const auto resample = [&](const std::vector<float>& in, std::vector<float>& target) {
        target.resize(count);
        for (size_t i = 0; i < count; ++i) {
            const double position = static_cast<double>(i) * sound.rate / rate;
            const size_t index = static_cast<size_t>(position);
            const double t = position - index;
            const float a = in[std::min(index, in.size() - 1)];
            const float b = in[std::min(index + 1, in.size() - 1)];
            target[i] = static_cast<float>(a + (b - a) * t);
        }
    };
    resample(sound.samples, out.samples);
    if (isStereo(sound))
        resample(sound.right, out.right);
    return out;
}

double peakLevel(const Sound& sound)
{
    double peak = 0.0;
    for (float s : sound.samples)
        peak = std::max(peak, static_cast<double>(std::fabs(s)));
    for (float s : sound.right)
        peak = std::max(peak, static_cast<double>(std::fabs(s)));
    return peak;
}

double rmsLevel(const Sound& sound)
{
    if (sound.samples.empty())
        return 0.0;
    double sum = 0.0;
    for (float s : sound.samples)
        sum += static_cast<double>(s) * s;
    for (float s : sound.right)
        sum += static_cast<double>(s) * s;
    return std::sqrt(sum / (sound.samples.size() + sound.right.size()));
}

void normalise(Sound& sound, double rmsDb, double peakDb)
{
    const double rms = rmsLevel(sound);
    if (rms <= 0.0)
        return;
    double gain = std::pow(10.0, rmsDb / 20.0) / rms;
    const double peakLimit = std::pow(10.0, peakDb / 20.0);
    gain = std::min(gain, peakLimit / peakLevel(sound));
    for (float& s : sound.samples)
        s = static_cast<float>(s * gain);
    for (float& s : sound.right)
        s = static_cast<float>(s * gain);
}

bool writeWav(const std::string& path, const Sound& sound)
{
    const unsigned channels = isStereo(sound) ? 2 : 1;
    const uint32_t dataBytes = static_cast<uint32_t>(sound.samples.size() * 2 * channels);
    ByteWriter writer;
    writer.bytes.reserve(44 + dataBytes);
    for (char c : std::string("RIFF"))
        put8(writer, static_cast<unsigned char>(c));
    put32(writer, 36 + dataBytes);
    for (char c : std::string("WAVEfmt "))
        put8(writer, static_cast<unsigned char>(c));
    put32(writer, 16);
    put16(writer, 1); // PCM
    put16(writer, channels);
    put32(writer, static_cast<uint32_t>(sound.rate));
    put32(writer, static_cast<uint32_t>(sound.rate) * 2 * channels);
    put16(writer, 2 * channels);
    put16(writer, 16);
    for (char c : std::string("data"))
        put8(writer, static_cast<unsigned char>(c));
    put32(writer, dataBytes);
    auto putSample = [&writer](float s) {
        const long value = std::lround(std::clamp(static_cast<double>(s), -1.0, 1.0) * 32767.0);
        put16(writer, static_cast<unsigned>(value) & 0xFFFF);
    };
    for (size_t i = 0; i < sound.samples.size(); ++i) {
        putSample(sound.samples[i]);
        if (channels == 2)
            putSample(sound.right[i]);
    }
    return saveBytes(path, writer.bytes);
}

namespace {

uint32_t le32(const std::vector<unsigned char>& b, size_t at)
{
    return b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) | (static_cast<uint32_t>(b[at + 3]) << 24);
}

unsigned le16(const std::vector<unsigned char>& b, size_t at) { return b[at] | (b[at + 1] << 8); }

} // namespace

Sound readWav(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    const std::vector<unsigned char> bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    Sound sound;
    if (bytes.size() < 12 || std::memcmp(bytes.data(), "RIFF", 4) != 0 || std::memcmp(bytes.data() + 8, "WAVE", 4) != 0)
        return sound;
    unsigned channels = 0;
    unsigned bits = 0;
    size_t at = 12;
    while (at + 8 <= bytes.size()) {
        const uint32_t size = le32(bytes, at + 4);
        const size_t body = at + 8;
        if (std::memcmp(bytes.data() + at, "fmt ", 4) == 0 && body + 16 <= bytes.size()) {
            channels = le16(bytes, body + 2);
            sound.rate = static_cast<int>(le32(bytes, body + 4));
            bits = le16(bytes, body + 14);
        } else if (std::memcmp(bytes.data() + at, "data", 4) == 0 && channels > 0 && bits == 16) {
            // Streams written to a pipe carry a placeholder size: take what is there.
            const size_t available = std::min<size_t>(size, bytes.size() - body);
            const size_t frames = available / (2 * channels);
            for (size_t i = 0; i < frames; ++i)
                sound.samples.push_back(static_cast<int16_t>(le16(bytes, body + i * 2 * channels)) / 32768.0f);
            return sound;
        }
        at = body + size + (size & 1);
    }
    return sound;
}
