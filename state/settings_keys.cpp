#include "state/settings_keys.h"

#include <array>

#include "state/ini_document.h"

namespace vensa {
namespace {

using T = SettingType;

constexpr SettingKey I(std::string_view s, std::string_view k, UpDownState FormState::*m) {
  return {s, k, T::Int, m, nullptr, nullptr, SettingRole::None};
}
constexpr SettingKey B(std::string_view s, std::string_view k, CheckBoxState FormState::*m) {
  return {s, k, T::Bool, nullptr, m, nullptr, SettingRole::None};
}
constexpr SettingKey X(std::string_view s, std::string_view k, EditState FormState::*m) {
  return {s, k, T::Text, nullptr, nullptr, m, SettingRole::None};
}
constexpr SettingKey S(std::string_view s, std::string_view k, SettingType t, SettingRole r) {
  return {s, k, t, nullptr, nullptr, nullptr, r};
}

// "AutoCAD" comes in two runs; a new file still holds it as one section, since the second
// run finds the section the first one created.
constexpr std::array kKeys = {
    S("Form", "Left", T::Int, SettingRole::FormLeft),
    S("Form", "Top", T::Int, SettingRole::FormTop),
    I("Excel", "ColN", &FormState::UpDown1),
    I("Excel", "ColX", &FormState::UpDown2),
    I("Excel", "ColY", &FormState::UpDown3),
    I("Excel", "ColZ", &FormState::UpDown5),
    B("Excel", "FlagZ", &FormState::CheckBox8),
    I("Excel", "RowS", &FormState::UpDown4),
    X("Excel", "Dlm", &FormState::Edit7),
    B("AutoCAD", "PLINE", &FormState::CheckBox1),
    B("AutoCAD", "POINT", &FormState::CheckBox2),
    B("AutoCAD", "CIRCLE", &FormState::CheckBox6),
    B("AutoCAD", "SORT", &FormState::CheckBox7),
    B("AutoCAD", "StrN", &FormState::CheckBox3),
    B("AutoCAD", "StrP", &FormState::CheckBox4),
    B("AutoCAD", "Close", &FormState::CheckBox5),
    X("Layer", "PLINE", &FormState::Edit2),
    X("Layer", "POINT", &FormState::Edit8),
    X("Layer", "CIRCLE", &FormState::Edit18),
    X("Layer", "TEXTPT", &FormState::Edit9),
    X("Layer", "TEXTXY", &FormState::Edit10),
    X("Layer", "TBLLINE", &FormState::Edit11),
    X("Layer", "TBLTEXT", &FormState::Edit12),
    X("Layer", "PARCEL", &FormState::Edit37),
    X("TextSize", "TEXTPT", &FormState::Edit1),
    X("TextSize", "TEXTAREA", &FormState::Edit28),
    X("TextSize", "TEXTXY", &FormState::Edit13),
    X("TextSize", "TBLTEXT", &FormState::Edit14),
    X("TextSize", "CIRCLE", &FormState::Edit19),
    X("TextSize", "Ketasuu", &FormState::Edit20),
    X("TableSize", "Height", &FormState::Edit15),
    X("TableSize", "Width1", &FormState::Edit16),
    X("TableSize", "Width2", &FormState::Edit17),
    B("DXF", "UCS", &FormState::UCS),
    S("DXF", "Sleep", T::Int, SettingRole::DxfSleep),
    B("TableScale", "1/1000", &FormState::CheckBox9),
    I("AutoCAD", "RoundOff", &FormState::UpDown6),
    I("AutoCAD", "IDRoundOff", &FormState::UpDown7),
    B("AutoCAD", "CheckTextLayer", &FormState::CheckBox10),
    X("AutoCAD", "TextLayerName", &FormState::Edit29),
    B("AutoCAD", "StrPZ", &FormState::CheckBox11),
    B("AutoCAD", "StrPYX", &FormState::CheckBox12),
    B("AutoCAD", "StrPSC", &FormState::CheckBox13),
    B("SIMAR", "Parcel", &FormState::CheckBox29),
    B("SIMAW", "1/1000", &FormState::CheckBox14),
    B("SIMAW", "XYREV", &FormState::CheckBox15),
    X("SIMAW", "HEAD", &FormState::Edit30),
    B("SIMAW", "ListNames", &FormState::CheckBox30),
    B("SIMAW", "Parcels", &FormState::CheckBox31),
    B("AREA", "Other", &FormState::CheckBox32),
    B("AREA", "MM", &FormState::CheckBox33),
    B("AREA", "Direction", &FormState::CheckBox34),
    B("IDOPTION", "INT", &FormState::CheckBox16),
    B("IDOPTION", "Chk19", &FormState::CheckBox19),
    B("IDOPTION", "Chk20", &FormState::CheckBox20),
    X("IDOPTION", "Edt33", &FormState::Edit33),
    X("IDOPTION", "Edt34", &FormState::Edit34),
    B("Draw", "CheckBox21", &FormState::CheckBox21),
    B("Draw", "CheckBox22", &FormState::CheckBox22),
    B("Draw", "CheckBox23", &FormState::CheckBox23),
    B("Draw", "CheckBox26", &FormState::CheckBox26),
    B("DIMSCALE", "CheckBox24", &FormState::CheckBox24),
    B("DIMSCALE", "CheckBox25", &FormState::CheckBox25),
    B("LISTUP", "CheckBox27", &FormState::CheckBox27),
    B("POLYLINE", "3D", &FormState::CheckBox28),
    X("Geo", "Zone", &FormState::GeoZone),
    S("Target", "ProgID", T::Text, SettingRole::TargetProgId),
    S("Target", "DrawingFile", T::Bool, SettingRole::TargetDrawingFile),
    S("Target", "Drawing", T::Text, SettingRole::TargetDrawing),
    S("Preview", "Open", T::Bool, SettingRole::PreviewOpen),
    S("Preview", "Left", T::Int, SettingRole::PreviewLeft),
    S("Preview", "Top", T::Int, SettingRole::PreviewTop),
    S("Preview", "Width", T::Int, SettingRole::PreviewWidth),
    S("Preview", "Height", T::Int, SettingRole::PreviewHeight),
};

}  // namespace

std::span<const SettingKey> SettingKeys() {
  return kKeys;
}

const SettingKey* FindSettingKey(std::string_view section, std::string_view key) {
  for (const SettingKey& k : kKeys) {
    if (SameIniName(k.section, section) && SameIniName(k.key, key)) return &k;
  }
  return nullptr;
}

const SettingKey* FindSettingKey(std::string_view sectionSlashKey) {
  const std::size_t slash = sectionSlashKey.find('/');
  if (slash == std::string_view::npos) return nullptr;
  return FindSettingKey(sectionSlashKey.substr(0, slash), sectionSlashKey.substr(slash + 1));
}

}  // namespace vensa
