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
                       Caption());
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

void TestForm::Layout() {
  SetCaption("Forms test window");
  SetClientSize(7200, 5520);
  imgBanner.Move(120, 120, 960, 480);
  lblTitle.Move(1200, 120, 5880, 480);
  lblTitle.SetCaption("Every kind of control, in the dark scheme.");
  lblTitle.SetFontBold(true);

  framOptions.Move(120, 720, 3360, 1680);
  framOptions.SetCaption("Options");
  chkGrey.Move(120, 240, 3000, 255);
  chkGrey.SetCaption("&Grey box");
  chkSet.Move(120, 540, 3000, 255);
  chkSet.SetCaption("&Set box");
  optX.Move(120, 900, 3000, 255);
  optX.SetCaption("Option &X");
  optY.Move(120, 1200, 3000, 255);
  optY.SetCaption("Option &Y");

  framSpeed.Move(3600, 720, 1800, 2640);
  framSpeed.SetCaption("Speed");
  scrSpeed.Move(240, 240, 255, 2160);
  scrSpeed.SetRange(120, 240, 1, 5);
  lblSpeed.Move(720, 1080, 900, 255);
  lblClock.Move(5520, 720, 1560, 255);
  lblClock.SetCaption("Clock/Memory");

  cmdAdvanced.Move(5520, 1080, 1560, 375);
  cmdAdvanced.SetCaption("&Advanced");
  cmdApply.Move(5520, 1560, 1560, 375);
  cmdApply.SetCaption("&Apply");
  cmdMessage.Move(5520, 2040, 1560, 375);
  cmdMessage.SetCaption("&Message");

  optLow.Move(120, 2520, 1560, 255);
  optLow.SetCaption("&Low");
  optHigh.Move(1800, 2520, 1560, 255);
  optHigh.SetCaption("&High");
  scrGamma.Move(120, 2880, 3360, 255);
  scrGamma.SetRange(10, 400, 1, 10);
  lblGamma.Move(120, 3240, 1560, 255);

  cboRate.Move(3600, 3600, 1800, 315);
  cboRate.AddItem("Best");
  cboRate.AddItem("60");
  cboRate.AddItem("75");
  lblNote.Move(120, 3600, 3360, 735);
  lblNote.SetCaption("Most changes take effect when Windows starts again.");
  lblNote.SetFont({"Small Fonts", 7, false});

  cmdOK.Move(5520, 4440, 1560, 375);
  cmdOK.SetCaption("&OK");
  cmdCancel.Move(5520, 4920, 1560, 375);
  cmdCancel.SetCaption("&Cancel");
}

void TestForm::UseDutchTexts() {
  SetCaption("Testvenster");
  lblTitle.SetCaption("Elk soort knop, in het donkere schema.");
  framOptions.SetCaption("Opties");
  chkGrey.SetCaption("&Grijs vakje");
  chkSet.SetCaption("&Vinkje");
  optX.SetCaption("Keuze &X");
  optY.SetCaption("Keuze &Y");
  framSpeed.SetCaption("Snelheid");
  lblClock.SetCaption("Klok/Geheugen");
  cmdAdvanced.SetCaption("&Geavanceerd");
  cmdApply.SetCaption("&Toepassen");
  cmdMessage.SetCaption("&Bericht");
  optLow.SetCaption("&Laag");
  optHigh.SetCaption("&Hoog");
  lblNote.SetCaption("Geïnstalleerd: ¼ van de wijzigingen werkt pas na één herstart.");
  cmdCancel.SetCaption("&Annuleren");
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
