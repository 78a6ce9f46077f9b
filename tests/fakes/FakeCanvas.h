#pragma once
// A drawing surface that writes down what is drawn on it, one line per call.
#include "ui/Graphics.h"
#include "ui/ImageList.h"

#include <cstdio>
#include <string>
#include <vector>

namespace orvane::fakes {

class FakeCanvas : public ui::TCanvas {
public:
    std::vector<std::string> ops;

    void SetBrushColor(ui::TColor color) override { ops.push_back("brush " + Hex(color)); }
    void SetFontColor(ui::TColor color) override { ops.push_back("font " + Hex(color)); }
    void FillRect(const ui::Rect& r) override {
        ops.push_back("fill " + std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) +
                      "," + std::to_string(r.bottom));
    }
    void TextOut(int x, int y, const std::string& text) override {
        ops.push_back("text " + std::to_string(x) + "," + std::to_string(y) + " " + text);
    }
    int TextWidth(const std::string& text) override { return ui::HeadlessTextWidth(text); }
    int TextHeight(const std::string&) override { return 13; }
    void DrawImage(const ui::TImageList& images, int index, int x, int y) override {
        ops.push_back("image " + images.Name() + "[" + std::to_string(index) + "] " + std::to_string(x) + "," +
                      std::to_string(y));
    }

private:
    static std::string Hex(ui::TColor color) {
        char buffer[16];
        std::snprintf(buffer, sizeof buffer, "%08X", color);
        return buffer;
    }
};

} // namespace orvane::fakes
