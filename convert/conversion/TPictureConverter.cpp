#include "convert/conversion/TPictureConverter.h"

#include "convert/gif/TGifFile.h"
#include "cycle/AtomicFile.h"

namespace {

// Marks the converter busy for one button's work, however that work ends.
class BusyScope {
public:
    explicit BusyScope(bool& busy)
        : busy(busy)
    {
        busy = true;
    }
    ~BusyScope() { busy = false; }
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

private:
    bool& busy;
};

// Width and height as the bitmap's info header holds them; a bottom-up bitmap has a positive height.
int headerValue(const std::vector<unsigned char>& bitmap, std::size_t at)
{
    if (bitmap.size() < at + 4)
        return 0;
    auto value = static_cast<std::uint32_t>(bitmap[at] | bitmap[at + 1] << 8 | bitmap[at + 2] << 16)
        | static_cast<std::uint32_t>(bitmap[at + 3]) << 24;
    return static_cast<std::int32_t>(value);
}

} // namespace

TPictureConverter::TPictureConverter(TGifProgress* gifProgress)
    : gifProgress(gifProgress)
{
    picture.setStretch(true);
}

bool TPictureConverter::Load(const ChooseFile& chooseOpen)
{
    if (busy)
        return false;
    BusyScope scope(busy);
    if (std::optional<std::string> path = chooseOpen())
        loadFile(*path);
    return true;
}

bool TPictureConverter::Save(const ChooseFile& chooseSave)
{
    if (busy)
        return false;
    BusyScope scope(busy);
    if (std::optional<std::string> path = chooseSave())
        saveFile(*path);
    return true;
}

TPictureKind TPictureConverter::loadFile(const std::string& path)
{
    previewBox = TPreviewBox();
    fileName = path;
    changed();
    TPictureKind kind = pictureKindOf(path);
    if (kind == TPictureKind::Jpeg) {
        picture.setFileName(path);
        pictureChanged();
    } else if (kind == TPictureKind::Gif)
        loadGif(path);
    fitPreview();
    return kind;
}

// The preview is emptied once the file has been read, so a file without any image leaves it empty.
void TPictureConverter::loadGif(const std::string& path)
{
    TGifFile gif;
    gif.SetProgress(gifProgress);
    gif.LoadFromFile(path);
    picture.clearPicture();
    pictureChanged();
    changed();
    std::vector<std::uint8_t> bitmap;
    gif.SaveToStream(bitmap);
    picture.setPicture(std::move(bitmap));
    pictureChanged();
}

void TPictureConverter::pictureChanged()
{
    ++pictureChanges;
    const TPreviewBox box = TPreviewBox::fittedTo(PictureWidth(), PictureHeight());
    preview = TPreviewPicture::sampledFrom(picture.Picture(), box.width, box.height);
}

void TPictureConverter::fitPreview()
{
    previewBox = TPreviewBox::fittedTo(PictureWidth(), PictureHeight());
    changed();
}

bool TPictureConverter::saveFile(const std::string& path) const
{
    if (!HasPicture())
        return false;
    const std::vector<unsigned char>& bytes = picture.Picture();
    writeFileAtomically(path, std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
    return true;
}

int TPictureConverter::PictureWidth() const
{
    return headerValue(picture.Picture(), 18);
}

int TPictureConverter::PictureHeight() const
{
    return headerValue(picture.Picture(), 22);
}

void TPictureConverter::changed() const
{
    if (onChanged)
        onChanged();
}
