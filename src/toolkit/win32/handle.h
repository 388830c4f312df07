// Move-only owners of Win32 handles. Copying is deleted, so a handle can
// never be freed twice.
#pragma once

#include <windows.h>

#include <utility>

namespace tavmoor::toolkit::win32 {

template <typename Handle, auto Free>
class Unique {
public:
    Unique() = default;
    explicit Unique(Handle handle) : handle_(handle) {}
    Unique(const Unique&) = delete;
    Unique& operator=(const Unique&) = delete;
    Unique(Unique&& other) noexcept : handle_(std::exchange(other.handle_, Handle{})) {}
    Unique& operator=(Unique&& other) noexcept {
        if (this != &other) {
            reset(std::exchange(other.handle_, Handle{}));
        }
        return *this;
    }
    ~Unique() { reset(); }

    Handle get() const { return handle_; }
    explicit operator bool() const { return handle_ != Handle{}; }
    Handle release() { return std::exchange(handle_, Handle{}); }
    void reset(Handle handle = Handle{}) {
        if (handle_ != Handle{}) {
            Free(handle_);
        }
        handle_ = handle;
    }

private:
    Handle handle_{};
};

inline void freeGdiObject(HGDIOBJ object) { DeleteObject(object); }
inline void freeIcon(HICON icon) { DestroyIcon(icon); }
inline void freeMenu(HMENU menu) { DestroyMenu(menu); }
inline void freeWindow(HWND window) { DestroyWindow(window); }

using UniqueFont = Unique<HFONT, freeGdiObject>;
using UniqueBrush = Unique<HBRUSH, freeGdiObject>;
using UniqueIcon = Unique<HICON, freeIcon>;
using UniqueMenu = Unique<HMENU, freeMenu>;
using UniqueWindow = Unique<HWND, freeWindow>;

// Selects a GDI object into a device context for a scope, then restores the previous one.
class SelectGuard {
public:
    SelectGuard(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
    SelectGuard(const SelectGuard&) = delete;
    SelectGuard& operator=(const SelectGuard&) = delete;
    ~SelectGuard() { SelectObject(dc_, previous_); }

private:
    HDC dc_;
    HGDIOBJ previous_;
};

// BeginPaint/EndPaint for a scope.
class PaintScope {
public:
    explicit PaintScope(HWND window) : window_(window) { dc_ = BeginPaint(window, &paint_); }
    PaintScope(const PaintScope&) = delete;
    PaintScope& operator=(const PaintScope&) = delete;
    ~PaintScope() { EndPaint(window_, &paint_); }
    HDC dc() const { return dc_; }

private:
    HWND window_;
    PAINTSTRUCT paint_{};
    HDC dc_;
};

} // namespace tavmoor::toolkit::win32
