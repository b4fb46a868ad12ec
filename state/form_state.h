// The value of every control of the main window, plus the four list grids. The window is a
// view over one FormState; the commands read their options from it and write their results
// into it, and the settings file is loaded into it and saved from it.
//
// Members are named after the controls, so that a command reads like what it does:
// `if (s.CheckBox21.checked) ...`. The comment of each member gives the caption or label
// the user sees.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "core/acad_point.h"
#include "core/list_headers.h"
#include "core/parcel.h"
#include "core/text_grid.h"

namespace vensa {

inline constexpr std::string_view kApplicationTitle = "Vensa2023.8.9";
inline constexpr std::string_view kInitialCaption = "Vensa2023";
inline constexpr std::string_view kDefaultTargetProgId = "Gcad.Application.23";
inline constexpr int kDefaultDxfWaitTime = 500;  // milliseconds

struct CheckBoxState {
  bool checked = false;
  bool enabled = true;
};

struct EditState {
  std::string text;
  bool enabled = true;
};

// An up-down's position always lies within [min, max]; the up-downs never wrap.
struct UpDownState {
  int position = 0;
  int min = 0;
  int max = 0;
  bool enabled = true;
};

// A user coordinate system of the drawing: its axis directions and origin in world
// coordinates. The default is the world system.
struct UcsAxes {
  TAcadPoint xAxis{1.0, 0.0, 0.0};
  TAcadPoint yAxis{0.0, 1.0, 0.0};
  TAcadPoint origin;
  friend bool operator==(const UcsAxes&, const UcsAxes&) = default;
};

struct FormState {
  // ---- Values held for the whole run -------------------------------------------------
  std::string TargetProgID{kDefaultTargetProgId};  // the CAD the commands attach to
  // A drawing file stands in for the running CAD ("図面ファイル (DXF)" of the target CAD
  // dialog); TargetDrawing is the last drawing opened, empty before the first.
  bool TargetIsDrawingFile = false;
  std::string TargetDrawing;
  int DxfWaitTime = kDefaultDxfWaitTime;  // ms; shown by Edit26
  // The current UCS: reset and read by "CADから" and "TEXT 取得", used by their listings.
  UcsAxes CurrentUcs;
  // True exactly while EntToSL rebuilds the coordinate list: the list's pan waits.
  bool entToSlFlag = false;

  // ---- Window ------------------------------------------------------------------------
  std::string Caption{kInitialCaption};
  int Left = 0;        // outer left edge of the window, screen pixels
  int Top = 0;         // outer top edge
  int ActivePage = 0;  // 0 " メイン ", 1 " CAD 設定 ", 2 " 取得, ID 設定 ", 3 " TEXT ",
                       // 4 " SIMA/R ", 5 " SIMA/W "
  std::array<std::string, 2> StatusBar1;  // panel 0: row indicator; panel 1: messages
  // The preview window "プレビュー": whether it is open, and its outer edges and size in
  // screen pixels; a width of 0 means it has never been placed (it opens beside the window).
  bool PreviewOpen = false;
  int PreviewLeft = 0;
  int PreviewTop = 0;
  int PreviewWidth = 0;
  int PreviewHeight = 0;

  // ---- Tab " メイン ", group "Excel" --------------------------------------------------
  EditState Edit3{"A"};  // "測点名": letter of UpDown1 (read-only)
  UpDownState UpDown1{0, 0, 25};
  EditState Edit4{"B"};  // "X座標": letter of UpDown2
  UpDownState UpDown2{1, 0, 25};
  EditState Edit5{"C"};  // "Y座標": letter of UpDown3
  UpDownState UpDown3{2, 0, 25};
  CheckBoxState CheckBox8;       // "Z座標"
  EditState Edit21{"D", false};  // letter of UpDown5; enabled as CheckBox8
  UpDownState UpDown5{3, 0, 25, false};
  EditState Edit6{"1"};  // "開始行": position of UpDown4 (read-only)
  UpDownState UpDown4{1, 1, 10000};

  // ---- Tab " メイン ", group "リスト表示" ---------------------------------------------
  bool ListDisplayGroupEnabled = false;  // enabled by "CADから", disabled by other fills
  CheckBoxState CheckBox1;               // "POLYLINE"
  CheckBoxState CheckBox2{true};         // "POINT"
  CheckBoxState CheckBox6{true};         // "CIRCLE"
  CheckBoxState CheckBox3{true};         // "測点名検索"
  CheckBoxState CheckBox27;              // "TEXT"
  CheckBoxState UCS;                     // "UCS"

  // ---- Tab " メイン ", group "CAD 描画" -----------------------------------------------
  CheckBoxState CheckBox21;                // "PLINE"
  CheckBoxState CheckBox28{false, false};  // "3D"; enabled as CheckBox21
  CheckBoxState CheckBox5{false, false};   // "閉鎖"; enabled as CheckBox21
  CheckBoxState CheckBox7{false, false};   // "2点目以降座標順"; enabled as CheckBox21
  EditState Edit7{"-"};                    // "区切文字" "(1文字)"
  CheckBoxState CheckBox22;                // "POINT"
  CheckBoxState CheckBox26;                // "CIRCLE"
  CheckBoxState CheckBox23;                // "測点名"
  CheckBoxState CheckBox4{true};           // "座標値（"
  CheckBoxState CheckBox11;                // "Z値のみ）"; enabled as CheckBox4

  // ---- Tab " メイン ", other controls -------------------------------------------------
  std::string Button12Caption{"ID (INT)"};  // "ID (INT)" while CheckBox16 is on, else "ID"
  CheckBoxState CheckBox19{true};           // " ID で測点名プロット"
  EditState Edit33{"101"};                  // next point name of point picking
  EditState Edit31;          // "プロット範囲" "(ex: 1-3, 5, 7, 9-)"; never stored
  CheckBoxState CheckBox18;  // "常にPAN" of the coordinate list; never stored
  TextGrid StringGrid1;      // the coordinate list
  // The plane-rectangular zone (1..19) of the list's X and Y for maps and latitude/
  // longitude lists, chosen in the dialog of the list's "地図 (緯度経度)..."; empty: none.
  EditState GeoZone;

  // ---- Tab " CAD 設定 " ---------------------------------------------------------------
  EditState Edit35;                   // "名称" of the target CAD (read-only)
  EditState Edit36;                   // "ProgID" of the target CAD (read-only)
  EditState Edit2{"VENSA_PLINE"};     // layer "PLINE"
  EditState Edit8{"VENSA_POINT"};     // layer "POINT"
  EditState Edit18{"VENSA_CIRCLE"};   // layer "CIRCLE"
  EditState Edit9{"VENSA_TEXTPT"};    // layer "測点名"
  EditState Edit10{"VENSA_TEXTXY"};   // layer "座標値"
  EditState Edit11{"VENSA_TBLLINE"};  // layer "表枠"
  EditState Edit12{"VENSA_TBLTEXT"};  // layer "表文字"
  EditState Edit37{"VENSA_PARCEL"};   // layer "画地"
  EditState Edit1{"2.5"};             // text size "測点名"
  EditState Edit13{"1.8"};            // text size "座標値"
  EditState Edit14{"2.5"};            // text size "表文字"
  EditState Edit15{"5.0"};            // "一行高さ"
  EditState Edit16{"25.0"};           // "列幅(測点）"
  EditState Edit17{"30.0"};           // "列幅（座標値）"
  EditState Edit19{"5.0"};            // "半径"
  EditState Edit20{"3"};              // "作表 少数桁数"
  CheckBoxState CheckBox24{true};     // "上記数値を DIMSCALE 倍"
  CheckBoxState CheckBox9;            // "作表の座標値" "1/1000"

  // ---- Tab " 取得, ID 設定 " ----------------------------------------------------------
  EditState Edit27{"3"};  // "CAD から座標取得時の少数桁数": position of UpDown6
  UpDownState UpDown6{3, 0, 8};
  EditState Edit28{"5.0"};         // "測点名検索範囲"
  CheckBoxState CheckBox25{true};  // "DIMSCALE 倍" beside "測点名検索範囲"
  CheckBoxState CheckBox10;        // "測点名検索画層"
  EditState Edit29;                // layer of the point-name search
  EditState Edit32{"0"};           // "CAD から取得時の少数桁数" of group "ID": UpDown7
  UpDownState UpDown7{0, 0, 8};
  EditState Edit34{"2.5"};         // "測点名プロットの文字サイズ"
  CheckBoxState CheckBox20{true};  // "DIMSCALE 倍" of group "ID"
  CheckBoxState CheckBox16{true};  // "交点 ( INT ) オプション ..."
  EditState Edit26{"500", false};  // "DXFファイル作成待ち" "(msec)": the DXF wait time

  // ---- Tab " TEXT " -------------------------------------------------------------------
  CheckBoxState CheckBox17;  // "常にPAN" of the text list; never stored
  TextGrid StringGrid2;      // the text list

  // ---- Tab " SIMA/R " -----------------------------------------------------------------
  CheckBoxState CheckBox13{true};    // "×1000"
  CheckBoxState CheckBox12{true};    // "X-Y 反転"
  CheckBoxState CheckBox29;          // "画地を描画": "CADへ" also draws the parcels
  TextGrid StringGrid3;              // the SIMA read list
  std::vector<TParcel> SimaParcels;  // the parcels of the last SIMA file read

  // ---- Tab " SIMA/W " -----------------------------------------------------------------
  CheckBoxState CheckBox14{true};  // "1/1000"
  CheckBoxState CheckBox15{true};  // "X-Y 反転"
  EditState Edit30{"A1"};          // "測点名："
  CheckBoxState CheckBox30;        // "リストの測点名": points keep the list's names
  CheckBoxState CheckBox31;        // "画地も保存": "保存" also writes the parcels read
  TextGrid StringGrid4;            // the SIMA write list

  // ---- The dialog "座標求積" (the coordinate list's pop-up menu) ---------------------
  CheckBoxState CheckBox32;  // "その他の土地": 地積 by the rule of other land, else 宅地・鉱泉地
  CheckBoxState CheckBox33;  // "座標は mm": the list's coordinates in millimetres
  CheckBoxState CheckBox34;  // "方向角": the table has a direction angle column
};

// The window as it is created, before the settings file is read: every control at its
// initial value, the four grids with their headers and four empty data rows each, and the
// dependent states applied.
FormState InitialFormState();

// Makes the controls that follow other controls agree with them: every up-down brought into
// its limits, the column letter fields and the number fields showing their up-downs'
// positions, "Z座標" enabling Edit21/UpDown5, "座標値（" enabling "Z値のみ）", "PLINE"
// enabling "3D"/"閉鎖"/"2点目以降座標順", Button12's caption following CheckBox16, and
// Edit26 showing the DXF wait time. Starts no command.
void ApplyDependentStates(FormState& state);

// The spreadsheet column letter shown for a column up-down position: 0 -> "A", 25 -> "Z".
// Positions outside 0..25 are clamped first (the column up-downs cannot leave that range).
std::string ColumnLetter(int position);

// A position brought into the up-down's limits by clamping: below min gives min, above
// max gives max. A stored ColN=40 thus shows "Z".
int ClampPosition(const UpDownState& upDown, int position);
// Sets the position, clamped.
void SetPosition(UpDownState& upDown, int position);
// One arrow click: position + delta, clamped (the up-downs do not wrap). True when the
// position changed.
bool StepUpDown(UpDownState& upDown, int delta);

// The DXF wait time as the text of Edit26 gives it: an integer, 500 when the text is none;
// a negative number means no wait (0).
int DxfWaitTimeFromEdit26(const FormState& state);

// The right mouse button on Button12 or on "Z値のみ）": toggles the INT option of point
// picking (CheckBox16); Button12's caption follows.
void ToggleIntOption(FormState& state);

// A change of tab: the page shown, and the DXF wait time re-read from Edit26.
void ChangePage(FormState& state, int page);

}  // namespace vensa
