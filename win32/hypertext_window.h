#pragma once

#include "fonts.h"
#include "hypertext.h"

#include <windows.h>

#include <string_view>

namespace parvelo {
class Platform;
}

namespace parvelo::win32 {

// A hypertext view as a child window: GDI draws the core's model into an off-screen
// bitmap and puts it on the screen in one step; the pointer goes to the model.
class HypertextWindow
{
public:
    HypertextWindow(HWND parent, RECT rect, bool bordered, Platform &platform, int dpi);
    ~HypertextWindow();
    HypertextWindow(const HypertextWindow &) = delete;
    HypertextWindow &operator=(const HypertextWindow &) = delete;

    HWND handle() const { return window; }
    const HypertextModel &model() const { return view; }
    void set_style_sheet(std::string_view sheet);
    void set_content(std::string_view content);

private:
    static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM w, LPARAM l);
    void paint();
    void render(HDC screen, int width, int height);
    void pointer_moved(int x, int y);
    void changed();

    GdiTextMeasure measure;
    HypertextModel view;
    Platform &platform;
    HWND window = nullptr;
    bool tracking = false; // asked to hear when the pointer leaves
    // The whole view, drawn once and copied to the screen as often as it is exposed:
    // a moving link bar only brings its picture along.
    MemoryDc picture;
    Bitmap picture_bits;
    SIZE picture_size = {};
    bool stale = true;
};

} // namespace parvelo::win32
