#pragma once
// A screen of a set resolution whose drawing is recorded: what was drawn
// where, what was copied away and put back, and the repaints asked for. Text
// is measured as 10 pixels a character and the font's size in pixels high.
#include "platform/Screen.h"

#include <string>
#include <vector>

namespace orvane::fakes {

class FakeScreen : public platform::Screen {
public:
    platform::ScreenSize resolution{1280, 1024};
    // Every call in order: "Copy l t w h", "PutBack <copy> l t", "Draw l t
    // <text> <background 0/1/2>", "Invalidate l t r b".
    std::vector<std::string> calls;
    platform::ScreenFont lastFont;
    int copies = 0;

    class Copy_ : public platform::ScreenCopy {
    public:
        explicit Copy_(int id) : id(id) {}
        int id;
    };

    platform::ScreenSize Resolution() override { return resolution; }
    platform::ScreenSize TextExtent(const platform::ScreenFont& font, const std::string& text) override {
        return {static_cast<int>(text.size()) * 10, font.size};
    }
    std::unique_ptr<platform::ScreenCopy> Copy(int left, int top, int width, int height) override {
        calls.push_back("Copy " + Join({left, top, width, height}));
        return std::make_unique<Copy_>(++copies);
    }
    void PutBack(const platform::ScreenCopy& copy, int left, int top) override {
        calls.push_back("PutBack " + Join({static_cast<const Copy_&>(copy).id, left, top}));
    }
    void DrawLine(int left, int top, const std::string& text, const platform::ScreenFont& font,
                  platform::TextBackground background) override {
        lastFont = font;
        calls.push_back("Draw " + Join({left, top}) + " " + text + " " + std::to_string(static_cast<int>(background)));
    }
    void InvalidateAll(int left, int top, int right, int bottom) override {
        calls.push_back("Invalidate " + Join({left, top, right, bottom}));
    }

private:
    static std::string Join(std::initializer_list<int> values) {
        std::string text;
        for (int v : values) text += (text.empty() ? "" : " ") + std::to_string(v);
        return text;
    }
};

} // namespace orvane::fakes
