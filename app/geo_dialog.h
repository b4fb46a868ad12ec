// TGeoDialog, "地図 (緯度経度)": opened from the coordinate list's pop-up menu. The
// plane-rectangular zone of the list (remembered as the setting Geo/Zone), and the list
// saved as a map file (GeoJSON, KML) or filled from one, or from a spreadsheet file of
// latitudes and longitudes (the columns of the group "Excel").
#pragma once

#include <wx/choice.h>
#include <wx/dialog.h>

#include "core/command_outcome.h"

namespace vensa {

class TForm1;
struct FormState;
class Ui;

class TGeoDialog : public wxDialog {
 public:
  explicit TGeoDialog(TForm1& form);

  wxChoice* ComboZone;  // "なし" and the 19 zones

 private:
  void ZoneChange();
  // The command through the window's RunCommand, its outcome shown.
  void Run(CommandOutcome (*command)(FormState&, Ui&));

  TForm1& form_;
};

// "緯度経度の表を開く": the zone, then "Exceｌから" from the spreadsheet file chosen, its X and
// Y columns read as latitude and longitude and converted; the list changes only when
// every row converts.
CommandOutcome ReadLatLonSheetFileDialog(FormState& form, Ui& ui);

}  // namespace vensa
