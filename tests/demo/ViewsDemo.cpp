#include "Demo.h"

namespace orvane::demo {
namespace {
class TViewsDemoForm : public ui::TForm {
public:
    explicit TViewsDemoForm(ui::Application& app) : TForm(app, "ViewsDemoForm") {
        SetCaption("Orvane demo: views");
        SetBounds(40, 40, 420, 300);
    }
};
} // namespace
ui::TForm& CreateViewsDemo(ui::Application& app) { return app.CreateForm<TViewsDemoForm>(); }
} // namespace orvane::demo
