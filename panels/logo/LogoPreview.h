#pragma once

#include "panels/Picture.h"

#include <string>

// The preview of the selected logo: the picture stretched to the preview's fixed size, its
// dimensions as "WxH", and whether the preview has come to the front of the window (it lies
// beneath the background until the first selection).
class LogoPreview {
public:
    static constexpr int width = 160;
    static constexpr int height = 120;

    // Comes to the front, then loads the picture at `path`. When the picture can't be loaded the
    // error is thrown and the previous picture and dimensions stay.
    void show(const std::string& path);
    // No picture and no dimensions; the preview stays where it stands.
    void clear();

    bool inFront() const { return m_inFront; }
    const Picture& picture() const { return m_picture; }
    const std::string& dimensions() const { return m_dimensions; }

private:
    bool m_inFront = false;
    Picture m_picture;
    std::string m_dimensions;
};
