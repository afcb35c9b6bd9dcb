#pragma once

#include <windows.h>

#include <memory>
#include <type_traits>

namespace parvelo::win32 {

// Owners for GDI objects and DCs: each is released by the call that matches its creation.
struct DeleteGdiObject
{
    void operator()(void *object) const { DeleteObject(static_cast<HGDIOBJ>(object)); }
};
struct DeleteMemoryDc
{
    void operator()(HDC dc) const { DeleteDC(dc); }
};

using Font = std::unique_ptr<std::remove_pointer_t<HFONT>, DeleteGdiObject>;
using Bitmap = std::unique_ptr<std::remove_pointer_t<HBITMAP>, DeleteGdiObject>;
using Brush = std::unique_ptr<std::remove_pointer_t<HBRUSH>, DeleteGdiObject>;
using MemoryDc = std::unique_ptr<std::remove_pointer_t<HDC>, DeleteMemoryDc>;

// A window's DC for the length of a scope.
class WindowDc
{
public:
    explicit WindowDc(HWND window)
        : window(window)
        , dc(GetDC(window))
    {}
    ~WindowDc() { ReleaseDC(window, dc); }
    WindowDc(const WindowDc &) = delete;
    WindowDc &operator=(const WindowDc &) = delete;
    operator HDC() const { return dc; }

private:
    HWND window;
    HDC dc;
};

// BeginPaint and EndPaint around a scope.
class PaintDc
{
public:
    explicit PaintDc(HWND window)
        : window(window)
        , dc(BeginPaint(window, &paint))
    {}
    ~PaintDc() { EndPaint(window, &paint); }
    PaintDc(const PaintDc &) = delete;
    PaintDc &operator=(const PaintDc &) = delete;
    operator HDC() const { return dc; }

private:
    HWND window;
    PAINTSTRUCT paint = {};
    HDC dc;
};

// An object selected into a DC for the length of a scope.
class Selection
{
public:
    Selection(HDC dc, HGDIOBJ object)
        : dc(dc)
        , previous(SelectObject(dc, object))
    {}
    ~Selection() { SelectObject(dc, previous); }
    Selection(const Selection &) = delete;
    Selection &operator=(const Selection &) = delete;

private:
    HDC dc;
    HGDIOBJ previous;
};

} // namespace parvelo::win32
