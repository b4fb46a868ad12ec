#include "dxf/commands/form_options.h"

#include "sima/sima_parcels.h"

namespace vensa {

PlotOptions PlotOptionsFromForm(const FormState& s) {
  PlotOptions o;
  // A disabled check box keeps its state, and the plot uses it all the same.
  o.pline = s.CheckBox21.checked;
  o.closed = s.CheckBox5.checked;
  o.is3d = s.CheckBox28.checked;
  o.reorder = s.CheckBox7.checked;
  o.delimiter = s.Edit7.text;
  o.point = s.CheckBox22.checked;
  o.circle = s.CheckBox26.checked;
  o.nameLabel = s.CheckBox23.checked;
  o.coordLabel = s.CheckBox4.checked;
  o.zOnly = s.CheckBox11.checked;
  o.plineLayer = s.Edit2.text;
  o.pointLayer = s.Edit8.text;
  o.circleLayer = s.Edit18.text;
  o.nameLayer = s.Edit9.text;
  o.coordLayer = s.Edit10.text;
  o.parcelLayer = s.Edit37.text;
  o.nameHeight = s.Edit1.text;
  o.coordHeight = s.Edit13.text;
  o.radius = s.Edit19.text;
  o.decimals = s.UpDown6.position;
  o.range = s.Edit31.text;
  return o;
}

std::vector<PlotParcel> PlotParcelsFromForm(const FormState& s) {
  std::vector<PlotParcel> parcels;
  if (!s.CheckBox29.checked) return parcels;
  const SimaReadOptions options{s.CheckBox13.checked, s.CheckBox12.checked};
  parcels.reserve(s.SimaParcels.size());
  for (const TParcel& parcel : s.SimaParcels)
    parcels.push_back({parcel.name, SimaParcelOutline(parcel, options)});
  return parcels;
}

TableOptions TableOptionsFromForm(const FormState& s) {
  TableOptions o;
  o.rowHeight = s.Edit15.text;
  o.nameWidth = s.Edit16.text;
  o.coordWidth = s.Edit17.text;
  o.textHeight = s.Edit14.text;
  o.decimals = s.Edit20.text;
  o.divideBy1000 = s.CheckBox9.checked;
  o.zColumn = s.CheckBox8.checked;
  o.lineLayer = s.Edit11.text;
  o.textLayer = s.Edit12.text;
  return o;
}

}  // namespace vensa
