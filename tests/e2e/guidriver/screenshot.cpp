#include "guidriver/screenshot.h"

#include <vector>

#include "guidriver/text.h"
#include "guidriver/window.h"
#include "win/unique_resource_win32.h"

namespace guidriver {

namespace {

void DeleteDcOf(HDC dc) { ::DeleteDC(dc); }
void DeleteBitmapOf(HBITMAP bitmap) { ::DeleteObject(bitmap); }
using UniqueMemoryDc = win::UniqueResource<win::NullIsInvalid<HDC, DeleteDcOf>>;
using UniqueBitmap = win::UniqueResource<win::NullIsInvalid<HBITMAP, DeleteBitmapOf>>;

class ScreenDc {
public:
    ScreenDc() : dc_(::GetDC(nullptr)) {}
    ~ScreenDc() { if (dc_) ::ReleaseDC(nullptr, dc_); }
    ScreenDc(const ScreenDc&) = delete;
    ScreenDc& operator=(const ScreenDc&) = delete;
    HDC get() const { return dc_; }

private:
    HDC dc_;
};

RECT AreaOf(HWND window) {
    RECT area{0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)};
    if (!window) return area;
    if (!::GetWindowRect(window, &area)) throw DriverError("the window is gone");
    return area;
}

// Until the window's program has handled what it was sent and waits for input.
void WaitUntilIdle(HWND window) {
    DWORD processId = 0;
    ::GetWindowThreadProcessId(window, &processId);
    win::UniqueHandle process(::OpenProcess(PROCESS_QUERY_INFORMATION | SYNCHRONIZE, FALSE, processId));
    if (process) ::WaitForInputIdle(process.get(), 5000);
    DWORD_PTR ignored = 0;
    ::SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, 5000, &ignored);
}

void BringToTopAndRepaint(HWND window) {
    ::SetForegroundWindow(window);
    ::SetWindowPos(window, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    // A new dialog takes its activation a little after it shows. Wine on an
    // Xvfb without a window manager may then still draw the caption
    // inactive; have it drawn as Windows shows the foreground window.
    if (PollUntil(Duration(3000), [&] { return Window(window).IsActive() && ::GetForegroundWindow() == window; })) {
        DWORD_PTR ignored = 0;
        ::SendMessageTimeoutW(window, WM_NCACTIVATE, TRUE, 0, SMTO_NORMAL, 5000, &ignored);
    }
    ::RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    WaitUntilIdle(window);
}

}  // namespace

ScreenPicture::ScreenPicture(const RECT& area) {
    header_.biSize = sizeof header_;
    header_.biWidth = area.right - area.left;
    header_.biHeight = area.bottom - area.top;
    header_.biPlanes = 1;
    header_.biBitCount = 24;
    header_.biCompression = BI_RGB;

    ScreenDc screen;
    UniqueMemoryDc memory(::CreateCompatibleDC(screen.get()));
    void* bits = nullptr;
    UniqueBitmap bitmap(::CreateDIBSection(screen.get(), reinterpret_cast<BITMAPINFO*>(&header_), DIB_RGB_COLORS,
                                           &bits, nullptr, 0));
    if (!memory || !bitmap) throw DriverError("cannot make a bitmap for the screenshot");
    HGDIOBJ previous = ::SelectObject(memory.get(), bitmap.get());
    const BOOL copied = ::BitBlt(memory.get(), 0, 0, Width(), Height(), screen.get(), area.left, area.top,
                                 SRCCOPY | CAPTUREBLT);
    ::GdiFlush();
    ::SelectObject(memory.get(), previous);
    if (!copied) throw DriverError("cannot copy the screen");

    const auto* begin = static_cast<const BYTE*>(bits);
    pixels_.assign(begin, begin + Stride() * static_cast<size_t>(Height()));
    header_.biSizeImage = static_cast<DWORD>(pixels_.size());
}

COLORREF ScreenPicture::Pixel(int x, int y) const {
    const BYTE* blueGreenRed = &pixels_[Stride() * static_cast<size_t>(Height() - 1 - y) + static_cast<size_t>(x) * 3];
    return RGB(blueGreenRed[2], blueGreenRed[1], blueGreenRed[0]);
}

void ScreenPicture::SaveBmp(const std::string& path) const {
    BITMAPFILEHEADER file{};
    file.bfType = 0x4D42;  // "BM"
    file.bfOffBits = sizeof file + sizeof header_;
    file.bfSize = file.bfOffBits + static_cast<DWORD>(pixels_.size());

    win::UniqueFile out(::CreateFileW(Widen(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                      FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!out) throw DriverError("cannot create " + path + " (error " + std::to_string(::GetLastError()) + ")");
    auto write = [&](const void* data, size_t size) {
        DWORD written = 0;
        if (!::WriteFile(out.get(), data, static_cast<DWORD>(size), &written, nullptr) || written != size) {
            throw DriverError("cannot write " + path);
        }
    };
    write(&file, sizeof file);
    write(&header_, sizeof header_);
    write(pixels_.data(), pixels_.size());
}

ImageSize SaveScreenshot(HWND window, const std::string& bmpPath, Duration settleTimeout) {
    if (window) BringToTopAndRepaint(window);
    const ScreenPicture picture = SettledScreenArea(AreaOf(window), settleTimeout);
    picture.SaveBmp(bmpPath);
    return {picture.Width(), picture.Height()};
}

ScreenPicture SettledScreenArea(const RECT& area, Duration settleTimeout) {
    ScreenPicture last(area);
    int unchanged = 0;
    PollUntil(settleTimeout, [&] {
        ::Sleep(200);
        ScreenPicture next(area);
        unchanged = next == last ? unchanged + 1 : 0;
        last = std::move(next);
        return unchanged >= 2;
    });
    return last;
}

}  // namespace guidriver
