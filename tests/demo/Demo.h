#pragma once
// The demo program: forms made only for the end-to-end tests of the native
// controls, driven through the automation driver. Each group of controls has
// its own form; the command line names the one to show.
#include "ui/Application.h"
#include "ui/Form.h"

namespace orvane::demo {

// Each creates its form through the application, which realises it.
ui::TForm& CreateBasicDemo(ui::Application& app);
ui::TForm& CreateViewsDemo(ui::Application& app);
ui::TForm& CreateChoicesDemo(ui::Application& app);

} // namespace orvane::demo
