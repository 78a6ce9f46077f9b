#pragma once
#include "platform/Screen.h"

namespace orvane::platform::win32 {

class Win32Screen : public Screen {
public:
    ScreenSize Resolution() override;
    ScreenSize TextExtent(const ScreenFont& font, const std::string& text) override;
    std::unique_ptr<ScreenCopy> Copy(int left, int top, int width, int height) override;
    void PutBack(const ScreenCopy& copy, int left, int top) override;
    void DrawLine(int left, int top, const std::string& text, const ScreenFont& font,
                  TextBackground background) override;
    void InvalidateAll(int left, int top, int right, int bottom) override;
};

} // namespace orvane::platform::win32
