#include "ui/Dialogs.h"

#include "core/Exception.h"
#include "ui/Application.h"

namespace orvane::ui {

namespace {

DialogService& ServiceOf(const Component& c) {
    Application* app = c.FindApplication();
    if (!app) throw EInvalidOperation("Component '" + c.Name() + "' has no application to show a dialog");
    return app->Dialogs();
}

} // namespace

TOpenDialog::TOpenDialog(Component& owner, std::string name) : Component(&owner, std::move(name)) {
    PublishText("Title", [this] { return Title; }, [this](const std::string& v) { Title = v; });
    PublishText("Filter", [this] { return Filter; }, [this](const std::string& v) { Filter = v; });
}

bool TOpenDialog::Execute() {
    FileDialogRequest request{Title, Filter, DefaultExt, InitialDir, FileName};
    if (!ServiceOf(*this).OpenFile(request)) return false;
    FileName = request.fileName;
    return true;
}

bool TSaveDialog::Execute() {
    FileDialogRequest request{Title, Filter, DefaultExt, InitialDir, FileName};
    if (!ServiceOf(*this).SaveFile(request)) return false;
    FileName = request.fileName;
    return true;
}

bool TFontDialog::Execute() {
    TFont chosen = Font;
    if (!ServiceOf(*this).ChooseFont(chosen)) return false;
    Font = chosen;
    return true;
}

} // namespace orvane::ui
