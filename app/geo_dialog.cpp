#include "app/geo_dialog.h"

#include <wx/button.h>
#include <wx/stattext.h>

#include "app/controls.h"
#include "app/main_form.h"
#include "geo/commands/geo_commands.h"
#include "geo/plane_zone.h"
#include "sheet/file/sheet_file_commands.h"

namespace vensa {

TGeoDialog::TGeoDialog(TForm1& form)
    : wxDialog(&form, wxID_ANY, U8("地図 (緯度経度)"), wxDefaultPosition, wxDefaultSize,
               wxCAPTION | wxSYSTEM_MENU | wxCLOSE_BOX, "GeoDialog"),
      form_(form) {
  SetClientSize(300, 196);
  MakeLabel(this, "平面直角座標系 (JGD2011)", 12, 14);
  wxArrayString zones;
  zones.Add(U8("なし"));
  for (int zone = kFirstPlaneZone; zone <= kLastPlaneZone; ++zone)
    zones.Add(wxString::FromUTF8(PlaneZoneLabel(zone)));
  ComboZone =
      new wxChoice(this, wxID_ANY, {160, 10}, {128, -1}, zones, 0, wxDefaultValidator, "ComboZone");
  LabelFor(ComboZone, "平面直角座標系 (JGD2011)");
  auto* save = MakeButton(this, "ButtonMapSave", "地図ファイルに保存 (GeoJSON, KML)...", 12, 48,
                          276, 26, "座標リスト (プロット範囲の行) と SIMA の画地");
  auto* open =
      MakeButton(this, "ButtonMapOpen", "地図ファイルを開く (GeoJSON, KML)...", 12, 80, 276, 26);
  auto* latlon = MakeButton(this, "ButtonLatLonOpen", "緯度経度の表を開く (CSV, XLSX)...", 12, 112,
                            276, 26, "グループ \"Excel\" の列: X座標に緯度, Y座標に経度");
  new wxButton(this, wxID_CANCEL, U8("閉じる"), {212, 160}, {76, 26}, 0, wxDefaultValidator,
               "ButtonClose");

  int shown = 0;
  try {
    shown = ZoneOfForm(form_.State()).value_or(0);
  } catch (const VensaError&) {
    // A stored zone that is none shows as none; the commands then ask.
  }
  ComboZone->SetSelection(shown);
  ComboZone->Bind(wxEVT_CHOICE, [this](wxCommandEvent&) { ZoneChange(); });
  save->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { Run(SaveListAsMapDialog); });
  open->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { Run(ReadMapIntoListDialog); });
  latlon->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { Run(ReadLatLonSheetFileDialog); });
  Centre(wxBOTH);
}

void TGeoDialog::ZoneChange() {
  const int chosen = ComboZone->GetSelection();
  form_.State().GeoZone.text = chosen <= 0 ? std::string() : std::to_string(chosen);
}

void TGeoDialog::Run(CommandOutcome (*command)(FormState&, Ui&)) {
  form_.RunCommand([this, command] {
    const CommandOutcome outcome = command(form_.State(), form_.Dialogs());
    if (outcome.summary) form_.State().StatusBar1[1] = *outcome.summary;
    for (const std::string& note : outcome.notes) form_.Dialogs().ShowMessage(note);
  });
  // A zone asked for by the command shows here too.
  try {
    ComboZone->SetSelection(ZoneOfForm(form_.State()).value_or(0));
  } catch (const VensaError&) {
  }
}

CommandOutcome ReadLatLonSheetFileDialog(FormState& form, Ui& ui) {
  const auto zone = ZoneOfFormOrAsk(form, ui);
  if (!zone) return CommandOutcome::Failed();
  FormState read = form;
  read.StringGrid1 = TextGrid();
  ReadListFromSheetFileDialog(read, ui);
  if (read.StringGrid1.RowCount() == 0) return CommandOutcome::Failed();  // cancelled
  CommandOutcome outcome = ConvertLatLonColumns(read.StringGrid1, *zone);
  form = std::move(read);
  return outcome;
}

}  // namespace vensa
