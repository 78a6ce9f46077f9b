#pragma once
// The system's headers as the native side includes them. windows.h defines
// MessageBox, ChooseFont and TextOut as macros, which would rename the model's
// methods of those names in some files and not in others.
#include <windows.h>
#include <commctrl.h>
#include <commdlg.h>

#undef MessageBox
#undef ChooseFont
#undef TextOut
