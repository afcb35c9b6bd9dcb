#pragma once

#include <windows.h>

#include <vector>

namespace parvelo {
struct RgbImage;
}

namespace parvelo::win32 {

// The banner picture box: the picture from the top-left corner (at the window's scale),
// the face colour around it. Its press is the window's business.
class PictureWindow
{
public:
    PictureWindow(HWND parent, RECT rect, const RgbImage &picture, int dpi);
    PictureWindow(const PictureWindow &) = delete;
    PictureWindow &operator=(const PictureWindow &) = delete;

    HWND handle() const { return window; }
    bool has_picture() const { return !bits.empty(); }

private:
    static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM w, LPARAM l);
    void paint(HWND target) const;

    BITMAPINFO info = {};
    std::vector<unsigned char> bits; // bottom-up BGR rows, each padded to 4 bytes
    int dpi;
    HWND window = nullptr;
};

} // namespace parvelo::win32
