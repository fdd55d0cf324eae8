#pragma once

#include "convert/conversion/PictureKind.h"
#include "convert/conversion/TPreviewBox.h"
#include "convert/conversion/TPreviewPicture.h"
#include "convert/jpeg/TJPEGImage.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

class TGifProgress;

// What the converter window does: Load a JPEG or GIF picture into the preview, Save it as a bitmap
// file. Failures are Exceptions carrying the message the error box shows. A GIF load lets pending
// events run between rows, so a button can be pressed again while it runs; Load, Save and Exit are
// ignored until it has finished.
class TPictureConverter {
public:
    // Runs a file dialog: the chosen path, or nothing when the user cancels.
    using ChooseFile = std::function<std::optional<std::string>()>;

    explicit TPictureConverter(TGifProgress* gifProgress = nullptr);

    // The window's three buttons. Each returns false when ignored because a load is running.
    bool Load(const ChooseFile& chooseOpen);
    bool Save(const ChooseFile& chooseSave);
    bool Exit() const { return !busy; }

    // Load and Save once the file is chosen. loadFile tells which decoder ran (Unknown: none, the
    // previous picture stays); saveFile returns false when there is no picture to write.
    TPictureKind loadFile(const std::string& path);
    bool saveFile(const std::string& path) const;

    // Called whenever the state shown in the window changes, during a load too.
    void setOnChanged(std::function<void()> handler) { onChanged = std::move(handler); }

    bool Busy() const { return busy; }
    const std::string& FileName() const { return fileName; }
    const TPreviewBox& PreviewBox() const { return previewBox; }
    const TJPEGImage& pic() const { return picture; }
    bool HasPicture() const { return !picture.Picture().empty(); }
    int PictureWidth() const;
    int PictureHeight() const;
    // What the preview box shows, at the box's size; it changes only when the picture does, and
    // PictureChanges counts those changes.
    const TPreviewPicture& Preview() const { return preview; }
    unsigned PictureChanges() const { return pictureChanges; }

private:
    void loadGif(const std::string& path);
    void pictureChanged();
    void fitPreview();
    void changed() const;

    TGifProgress* gifProgress;
    TJPEGImage picture;
    std::string fileName;
    TPreviewBox previewBox;
    TPreviewPicture preview;
    unsigned pictureChanges = 0;
    bool busy = false;
    std::function<void()> onChanged;
};
