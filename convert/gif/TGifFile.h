#pragma once

#include "convert/gif/TGifColorTable.h"
#include "convert/gif/TGifProgress.h"
#include "convert/gif/TGifSubImage.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class QImage;
class TGifReader;

// A GIF file (87a or 89a) read whole into memory: every image decoded to colour indices, the first
// one rendered as an 8-bit Windows bitmap. Made for one load and then discarded.
class TGifFile {
public:
    // Together the pixel matrices of one file may take this much; a picture that asks for more
    // could not be shown or saved sensibly and ends the load with ENotEnoughMemory.
    static constexpr std::size_t MaxPixelBytes = std::size_t(1) << 30;

    TGifFile();
    ~TGifFile();
    TGifFile(const TGifFile&) = delete;
    TGifFile& operator=(const TGifFile&) = delete;

    // The window's wait cursor and event processing; the file does not own it. nullptr: none.
    void SetProgress(TGifProgress* progress);

    // Both throw an Exception with the message the user sees when the file cannot be read or decoded.
    void LoadFromFile(const std::string& path);
    void LoadFromMemory(const std::uint8_t* bytes, std::size_t size);

    int ImageCount() const { return static_cast<int>(images_.size()); }
    // Position i counts from 1; outside the list throws Exception("List index out of bounds").
    TGifSubImage& GetImage(int i);
    const TGifSubImage& GetImage(int i) const;

    // Replaces `out` with the first image as a Windows bitmap file: 8 bits per pixel, 256 colours.
    void SaveToStream(std::vector<std::uint8_t>& out) const;
    // The first image as an indexed 8-bit picture with the same 256 colours.
    QImage GetBitmap() const;

    const std::string& Signature() const { return signature_; }
    const std::string& Version() const { return version_; }
    bool HasGlobalColorTable() const { return (screenFlags_ & 0x80) != 0; }
    const TGifColorTable& GlobalColorTable() const { return globalColorTable_; }
    const TGifColorTable& ColorTableOf(const TGifSubImage& image) const;

private:
    void Load(TGifReader& reader);
    void ReadHeader(TGifReader& reader);
    void ReadScreenDescriptor(TGifReader& reader);
    void ReadExtension(TGifReader& reader);
    void ReadImage(TGifReader& reader);

    TGifProgress* progress_;
    std::string signature_;
    std::string version_;
    std::uint8_t screenDescriptor_[7] {};
    std::uint8_t screenFlags_ = 0;
    TGifColorTable globalColorTable_;
    std::vector<std::unique_ptr<TGifSubImage>> images_;
    std::size_t pixelBytes_ = 0;
};
