#include "sound/mp3_decoding.h"

#include <mpg123.h>

#include <cstdint>
#include <cstring>
#include <memory>

namespace {

using Decoder = std::unique_ptr<mpg123_handle, void (*)(mpg123_handle*)>;

void closeDecoder(mpg123_handle* handle)
{
    mpg123_close(handle);
    mpg123_delete(handle);
}

void putLittleEndian(std::vector<unsigned char>& out, size_t at, uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out[at + static_cast<size_t>(i)] = static_cast<unsigned char>(value >> (8 * i));
}

// The 44-byte header of a PCM WAV file in front of dataBytes of samples.
void writeWavHeader(std::vector<unsigned char>& wav, long rate, int channels, size_t dataBytes)
{
    constexpr int bytesPerSample = 2;
    std::memcpy(&wav[0], "RIFF", 4);
    putLittleEndian(wav, 4, static_cast<uint32_t>(36 + dataBytes), 4);
    std::memcpy(&wav[8], "WAVEfmt ", 8);
    putLittleEndian(wav, 16, 16, 4);
    putLittleEndian(wav, 20, 1, 2); // PCM
    putLittleEndian(wav, 22, static_cast<uint32_t>(channels), 2);
    putLittleEndian(wav, 24, static_cast<uint32_t>(rate), 4);
    putLittleEndian(wav, 28, static_cast<uint32_t>(rate * channels * bytesPerSample), 4);
    putLittleEndian(wav, 32, static_cast<uint32_t>(channels * bytesPerSample), 2);
    putLittleEndian(wav, 34, 8 * bytesPerSample, 2);
    std::memcpy(&wav[36], "data", 4);
    putLittleEndian(wav, 40, static_cast<uint32_t>(dataBytes), 4);
}

} // namespace

std::vector<unsigned char> mp3AsWav(const std::vector<unsigned char>& mp3)
{
    constexpr size_t headerBytes = 44;
    Decoder decoder(mpg123_new(nullptr, nullptr), closeDecoder);
    if (!decoder || mp3.empty())
        return {};
    mpg123_param(decoder.get(), MPG123_ADD_FLAGS, MPG123_QUIET, 0.0);
    // Every rate and channel count the stream may have, always as 16-bit samples.
    mpg123_format_none(decoder.get());
    const long* rates = nullptr;
    size_t rateCount = 0;
    mpg123_rates(&rates, &rateCount);
    for (size_t i = 0; i < rateCount; ++i)
        mpg123_format(decoder.get(), rates[i], MPG123_MONO | MPG123_STEREO, MPG123_ENC_SIGNED_16);
    if (mpg123_open_feed(decoder.get()) != MPG123_OK ||
        mpg123_feed(decoder.get(), mp3.data(), mp3.size()) != MPG123_OK)
        return {};
    std::vector<unsigned char> wav(headerBytes);
    unsigned char block[16384];
    for (;;) {
        size_t decoded = 0;
        const int result = mpg123_read(decoder.get(), block, sizeof block, &decoded);
        wav.insert(wav.end(), block, block + decoded);
        if (result != MPG123_OK && result != MPG123_NEW_FORMAT)
            break;
    }
    long rate = 0;
    int channels = 0;
    int encoding = 0;
    if (wav.size() == headerBytes || mpg123_getformat(decoder.get(), &rate, &channels, &encoding) != MPG123_OK)
        return {};
    writeWavHeader(wav, rate, channels, wav.size() - headerBytes);
    return wav;
}
