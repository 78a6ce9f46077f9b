#include "Demo.h"

namespace orvane::demo {
namespace {
class TChoicesDemoForm : public ui::TForm {
public:
    explicit TChoicesDemoForm(ui::Application& app) : TForm(app, "ChoicesDemoForm") {
        SetCaption("Orvane demo: choices");
        SetBounds(40, 40, 420, 300);
    }
};
} // namespace
ui::TForm& CreateChoicesDemo(ui::Application& app) { return app.CreateForm<TChoicesDemoForm>(); }
} // namespace orvane::demo
