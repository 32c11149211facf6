// The five windows' logic: see WindowLogic.h.
#include "main/WindowLogic.h"

namespace ringlook {

WindowLogic::WindowLogic(const WindowControls& windows, const TFormRinglook::Services& services)
    : formSetup(windows.FormSetup, services.App, services.ClientSocket1,
                {.Opened = [this] { formRinglook.SetupOpened(); }, .Save = [this] { formRinglook.SetupClosing(); }}),
      formEdit(windows.FormEdit),
      formSentMSG(windows.FormSentMSG, services.App, services.ClientSocket1,
                  {.Nickname = [this] { return formSetup.Nickname(); }}),
      formMSG(windows.FormMSG, services.App, {.Answer = [this] { formSentMSG.AskNamesAndShow(); }}),
      formRinglook(windows.FormRinglook, services, {formSetup, formEdit, formSentMSG, formMSG}) {}

}  // namespace ringlook
