#include "forms/win32/tests/test_form.h"

#include "registry/driver.h"
#include "registry/numbers.h"

namespace forms::win32 {

TestForm::TestForm(Program& program, registry::Registry& reg)
    : Form(program, "frmtest"), reg_(reg) {
  Layout();
  look::UseDarkScheme(*this);
  SetDefaultButton(&cmdOK);
  SetCancelButton(&cmdCancel);

  hover_.Group(framOptions, {&framOptions, &chkGrey, &chkSet, &optX, &optY});
  hover_.Group(framSpeed, {&framSpeed, &scrSpeed, &lblSpeed, &lblClock});
  hover_.Follow(lblClock, framSpeed);
  hover_.Rest({this, &imgBanner, &lblTitle, &lblNote});

  cmdAdvanced.Click = [this] { log.push_back("Advanced"); };
  cmdApply.Click = [this] { log.push_back("Apply"); };
  cmdMessage.Click = [this] {
    host().ShowMessage(registry::IsDutch(reg_) ? "Instellingen bewaard." : "Settings saved.",
                       Caption().c_str());
    log.push_back("Message");
  };
  cmdOK.Click = [this] { log.push_back("OK"); };
  cmdCancel.Click = [this] { log.push_back("Cancel"); };
  chkGrey.Click = [this] { log.push_back("chkGrey " + registry::NumberText(chkGrey.Value())); };
  optLow.Click = [this] { log.push_back("optLow"); };
  optHigh.Click = [this] { log.push_back("optHigh"); };
  scrSpeed.Change = [this] { OnSpeedChange(); };
  scrGamma.Change = [this] { OnGammaChange(); };
  cboRate.Change = [this] { log.push_back("cboRate " + cboRate.Text()); };
}

std::array<TestForm::Drawn, TestForm::kDrawn> TestForm::Drawing() {
  return {{
      {&imgBanner, 120, 120, 960, 480, nullptr, nullptr},
      {&lblTitle, 1200, 120, 5880, 480, "Every kind of control, in the dark scheme.",
       "Elk soort knop, in het donkere schema."},
      {&framOptions, 120, 720, 3360, 1680, "Options", "Opties"},
      {&chkGrey, 120, 240, 3000, 255, "&Grey box", "&Grijs vakje"},
      {&chkSet, 120, 540, 3000, 255, "&Set box", "&Vinkje"},
      {&optX, 120, 900, 3000, 255, "Option &X", "Keuze &X"},
      {&optY, 120, 1200, 3000, 255, "Option &Y", "Keuze &Y"},
      {&framSpeed, 3600, 720, 1800, 2640, "Speed", "Snelheid"},
      {&scrSpeed, 240, 240, 255, 2160, nullptr, nullptr},
      {&lblSpeed, 720, 1080, 900, 255, nullptr, nullptr},
      {&lblClock, 5520, 720, 1560, 255, "Clock/Memory", "Klok/Geheugen"},
      {&cmdAdvanced, 5520, 1080, 1560, 375, "&Advanced", "&Geavanceerd"},
      {&cmdApply, 5520, 1560, 1560, 375, "&Apply", "&Toepassen"},
      {&cmdMessage, 5520, 2040, 1560, 375, "&Message", "&Bericht"},
      {&optLow, 120, 2520, 1560, 255, "&Low", "&Laag"},
      {&optHigh, 1800, 2520, 1560, 255, "&High", "&Hoog"},
      {&scrGamma, 120, 2880, 3360, 255, nullptr, nullptr},
      {&lblGamma, 120, 3240, 1560, 255, nullptr, nullptr},
      {&cboRate, 3600, 3600, 1800, 315, nullptr, nullptr},
      {&lblNote, 120, 3600, 3360, 735, "Most changes take effect when Windows starts again.",
       "Geïnstalleerd: ¼ van de wijzigingen werkt pas na één herstart."},
      {&cmdOK, 5520, 4440, 1560, 375, "&OK", nullptr},
      {&cmdCancel, 5520, 4920, 1560, 375, "&Cancel", "&Annuleren"},
  }};
}

void TestForm::Layout() {
  SetCaption("Forms test window");
  SetClientSize(7200, 5520);
  for (const Drawn& drawn : Drawing()) {
    drawn.control->Move(drawn.left, drawn.top, drawn.width, drawn.height);
    if (drawn.english) drawn.control->SetCaption(drawn.english);
  }
  lblTitle.SetFontBold(true);
  scrSpeed.SetRange(120, 240, 1, 5);
  scrGamma.SetRange(10, 400, 1, 10);
  cboRate.AddItem("Best");
  cboRate.AddItem("60");
  cboRate.AddItem("75");
  lblNote.SetFont({"Small Fonts", 7, false});
}

void TestForm::UseDutchTexts() {
  SetCaption("Testvenster");
  for (const Drawn& drawn : Drawing()) {
    if (drawn.dutch) drawn.control->SetCaption(drawn.dutch);
  }
}

void TestForm::OnLoad() {
  if (registry::IsDutch(reg_)) UseDutchTexts();
  imgBanner.LoadPicture(JoinPath(files().ProgramFolder(), kPicture));
  chkGrey.SetValue(2);
  chkSet.SetValue(1);
  optX.SetValue(true);
  optLow.SetValue(true);
  scrSpeed.SetValue(140);
  scrGamma.SetValue(30);
  cboRate.SetText("Best");
  log.clear();  // what Load set is no user's doing
}

void TestForm::OnSpeedChange() {
  lblSpeed.SetCaption(registry::NumberText(scrSpeed.Value()));
  log.push_back("scrSpeed " + registry::NumberText(scrSpeed.Value()));
}

void TestForm::OnGammaChange() {
  lblGamma.SetCaption(registry::GammaText(scrGamma.Value()));
  log.push_back("scrGamma " + registry::NumberText(scrGamma.Value()));
}

}  // namespace forms::win32
