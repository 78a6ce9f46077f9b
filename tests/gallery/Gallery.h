#pragma once
// The form gallery: shows any one of the program's forms on its own, so that
// its layout can be looked at and driven before it is wired into the program.
// Each form registers itself from its own file:
//
//   static RegisterGalleryForm reg("SettingsForm", [](GalleryContext& c) -> ui::TForm& { ... });
#include "platform/Platform.h"
#include "settings/SettingsStore.h"
#include "ui/Application.h"
#include "ui/Form.h"

#include <functional>
#include <string>
#include <vector>

namespace orvane::gallery {

struct GalleryContext {
    ui::Application& app;
    platform::Platform platform;
    settings::SettingsStore& settings;
};

struct GalleryForm {
    std::string name;
    std::function<ui::TForm&(GalleryContext&)> create;
};

std::vector<GalleryForm>& GalleryForms();

struct RegisterGalleryForm {
    RegisterGalleryForm(std::string name, std::function<ui::TForm&(GalleryContext&)> create) {
        GalleryForms().push_back({std::move(name), std::move(create)});
    }
};

} // namespace orvane::gallery
