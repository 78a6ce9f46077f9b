// The six windows besides the main window and the settings dialog, each on
// its own as the program creates it at start.
#include "Gallery.h"
#include "actions/ActionForm.h"
#include "actions/LayoutsForm.h"
#include "feedback/PasswordDlg.h"
#include "input/AVerForm.h"
#include "input/LearnForm.h"
#include "input/TestOriginForm.h"

#include <string>

namespace orvane::gallery {
namespace {

template <class T>
RegisterGalleryForm Register(const char* name) {
    return RegisterGalleryForm(name, [](GalleryContext& c) -> ui::TForm& { return c.app.CreateForm<T>(); });
}

// Its running windows tree shows the desktop's windows.
const RegisterGalleryForm layouts("LayoutsForm", [](GalleryContext& c) -> ui::TForm& {
    return c.app.CreateForm<actions::TLayoutsForm>(&c.platform.windows);
});
const RegisterGalleryForm action("ActionForm", [](GalleryContext& c) -> ui::TForm& {
    return c.app.CreateForm<actions::TActionForm>(c.platform.windows);
});
const RegisterGalleryForm aver = Register<input::TAVerForm>("AVerForm");
const RegisterGalleryForm testOrigin = Register<input::TTestOriginForm>("TestOriginForm");
const RegisterGalleryForm learn = Register<input::TLearnForm>("LearnForm");
const RegisterGalleryForm password = Register<feedback::TPasswordDlg>("PasswordDlg");

// The action editor with another page than the first in front, for a look at
// each type's details: "ActionForm.SoundPanel" and so on.
const struct ActionPages {
    ActionPages() {
        for (const char* page :
             {"MouseMovePanel", "ExecuteProgramPanel", "PostMessagePanel", "SoundPanel", "EspecialPanel"}) {
            GalleryForms().push_back({std::string("ActionForm.") + page, [page](GalleryContext& c) -> ui::TForm& {
                auto& form = c.app.CreateForm<actions::TActionForm>(c.platform.windows);
                for (ui::Control* p : form.DetailsGrpBx.Controls()) p->SetVisible(p->Name() == page);
                return form;
            }});
        }
    }
} actionPages;

} // namespace
} // namespace orvane::gallery
