#include "forms/handoff.h"

namespace forms {

void OpenAt(Form& target, Form& from) {
  target.set_opener(&from);
  target.SetPosition(from.Left(), from.Top());
  target.Show();
  from.Hide();
}

void OpenCentred(Form& target, Form& from) {
  target.set_opener(&from);
  target.SetPosition(from.Left() + from.ClientWidth() / 2 - target.ClientWidth() / 2,
                     from.Top() + from.ClientHeight() / 2 - target.ClientHeight() / 2);
  target.Show();
  from.Hide();
}

void ReturnToOpener(Form& self) {
  Form* opener = self.Opener();
  if (!opener) return;
  opener->SetPosition(self.Left(), self.Top());
  opener->Show();
  self.Hide();
}

void ReturnInPlace(Form& self) {
  Form* opener = self.Opener();
  if (!opener) return;
  opener->Show();
  self.Hide();
}

}  // namespace forms
