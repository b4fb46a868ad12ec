#include "cli/arguments.h"

#include <cmath>

#include "core/number_read.h"
#include "core/text.h"
#include "sheet/file/sheet_file.h"

namespace vensa::cli {
namespace {

struct CommandInfo {
  const char* name;
  Command command;
  int positionals;
  std::vector<std::string> options;  // options the command takes besides --settings/--set
};

const std::vector<CommandInfo>& Commands() {
  static const std::vector<CommandInfo> commands = {
      {"plot",
       Command::Plot,
       2,
       {"--range", "--scale", "--z0", "--cad", "--force", "--zone", "--latlon"}},
      {"table", Command::Table, 2, {"--scale", "--yx", "--cad", "--force", "--zone", "--latlon"}},
      {"list", Command::List, 1, {"--sort", "--tidy", "--excel", "--zone", "--latlon"}},
      {"sima", Command::Sima, 2, {"--force", "--zone", "--latlon"}},
      {"excel", Command::Excel, 2, {"--force", "--zone", "--latlon"}},
      {"get", Command::Get, 1, {"--cad"}},
      {"texts", Command::Texts, 1, {"--cad"}},
      {"area",
       Command::Area,
       2,
       {"--range", "--list", "--category", "--unit", "--name", "--direction", "--scale", "--force",
        "--zone", "--latlon"}},
      {"geo", Command::Geo, 2, {"--range", "--zone", "--latlon", "--force"}},
      {"cads", Command::Cads, 0, {}},
  };
  return commands;
}

bool TakesValue(const std::string& option) {
  return option == "--settings" || option == "--set" || option == "--range" ||
         option == "--scale" || option == "--sort" || option == "--category" ||
         option == "--unit" || option == "--name" || option == "--zone";
}

[[noreturn]] void Fail(const std::string& message) {
  throw BadArguments{message};
}

void ApplyOption(Arguments& a, const std::string& option, const std::string& value) {
  if (option == "--settings") {
    a.settingsFile = value;
  } else if (option == "--set") {
    const std::size_t eq = value.find('=');
    if (eq == std::string::npos || eq == 0)
      Fail("--set には Section/Key=Value を指定してください: " + value);
    a.settings.emplace_back(value.substr(0, eq), value.substr(eq + 1));
  } else if (option == "--range") {
    a.range = value;
  } else if (option == "--scale") {
    const auto f = TryReadNumber(value);
    if (!f) Fail("--scale の値が数値ではありません: " + value);
    // A negative scale would turn every size negative; sizes that the scale takes beyond
    // every number are refused by the drawing, naming the setting.
    if (!std::isfinite(*f) || *f < 0.0) Fail("--scale は 0 以上の数です: " + value);
    // A scale of 0 would collapse the drawing: it counts as 1, as DIMSCALE 0 does.
    a.scale = *f == 0.0 ? 1.0 : *f;
  } else if (option == "--sort") {
    if (value == "name") {
      a.listOperations.push_back(ListOperation::SortByName);
    } else if (value == "number") {
      a.listOperations.push_back(ListOperation::SortByNumber);
    } else {
      Fail("--sort には name か number を指定してください: " + value);
    }
  } else if (option == "--category") {
    if (value != "takuchi" && value != "other")
      Fail("--category には takuchi か other を指定してください: " + value);
    a.category = value;
  } else if (option == "--unit") {
    if (value != "m" && value != "mm") Fail("--unit には m か mm を指定してください: " + value);
    a.unit = value;
  } else if (option == "--name") {
    a.parcelName = value;
  } else if (option == "--direction") {
    a.direction = true;
  } else if (option == "--list") {
    a.listParcel = true;
  } else if (option == "--zone") {
    const auto zone = TryReadInteger(value);
    if (!zone || *zone < 1 || *zone > 19)
      Fail("--zone には平面直角座標系の番号 1〜19 を指定してください: " + value);
    a.zone = *zone;
  } else if (option == "--latlon") {
    a.latlon = true;
  } else if (option == "--tidy") {
    a.listOperations.push_back(ListOperation::Tidy);
  } else if (option == "--z0") {
    a.zeroZ = true;
  } else if (option == "--yx") {
    a.yx = true;
  } else if (option == "--force") {
    a.force = true;
  } else if (option == "--cad") {
    a.cad = true;
  } else if (option == "--excel") {
    a.excel = true;
  }
}

}  // namespace

bool IsDrawingInputName(const std::string& path) {
  return EndsWithIgnoringAsciiCase(path, ".dxf") || EndsWithIgnoringAsciiCase(path, ".dwg");
}

bool IsMapInputName(const std::string& path) {
  return EndsWithIgnoringAsciiCase(path, ".geojson") || EndsWithIgnoringAsciiCase(path, ".json") ||
         EndsWithIgnoringAsciiCase(path, ".kml");
}

Arguments ParseArguments(const std::vector<std::string>& args) {
  Arguments a;
  if (args.empty()) Fail("コマンドがありません");
  if (args[0] == "--help" || args[0] == "-h" || args[0] == "help") return a;
  const CommandInfo* info = nullptr;
  for (const CommandInfo& c : Commands())
    if (args[0] == c.name) info = &c;
  if (!info) Fail("不明なコマンドです: " + args[0]);
  a.command = info->command;

  std::vector<std::string> positionals;
  bool optionsEnded = false;
  bool scaleGiven = false;
  for (std::size_t i = 1; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (optionsEnded || arg.size() < 2 || arg.rfind("--", 0) != 0) {
      positionals.push_back(arg);
      continue;
    }
    if (arg == "--") {
      optionsEnded = true;
      continue;
    }
    if (arg == "--help") {
      a.command = Command::Help;
      return a;
    }
    std::string option = arg, value;
    bool hasValue = false;
    if (const std::size_t eq = arg.find('='); eq != std::string::npos) {
      option = arg.substr(0, eq);
      value = arg.substr(eq + 1);
      hasValue = true;
    }
    const bool common = option == "--settings" || option == "--set";
    bool known = common;
    for (const std::string& o : info->options) known = known || o == option;
    if (!known) Fail(std::string(info->name) + " には使えないオプションです: " + option);
    if (TakesValue(option) && !hasValue) {
      if (i + 1 >= args.size()) Fail(option + " に値がありません");
      value = args[++i];
    } else if (!TakesValue(option) && hasValue) {
      Fail(option + " は値を取りません");
    }
    ApplyOption(a, option, value);
    scaleGiven = scaleGiven || option == "--scale";
  }
  // Into the running CAD the scale is the drawing's DIMSCALE, as the window takes it.
  if (a.cad && scaleGiven) Fail("--scale は --cad と一緒に使えません (図面の DIMSCALE を使います)");
  // The running CAD takes the place of OUT (plot, table) or of INPUT (get, texts); the
  // running spreadsheet that of INPUT.
  int expected = a.cad ? info->positionals - 1 : a.excel ? 0 : info->positionals;
  // excel without OUT: into the running spreadsheet.
  if (a.command == Command::Excel && positionals.size() == 1) expected = 1;
  // area without OUT: the tables on standard output.
  if (a.command == Command::Area && positionals.size() == 1) expected = 1;
  if (static_cast<int>(positionals.size()) != expected) {
    if (expected == 0 && a.command == Command::Cads) Fail("cads は INPUT を取りません");
    if (expected == 0)
      Fail(std::string(info->name) + (a.cad ? " --cad" : " --excel") + " は INPUT を取りません");
    Fail(std::string(info->name) + " には " + (expected == 2 ? "INPUT と OUT" : "INPUT") +
         " を指定してください");
  }
  if (expected >= 1) a.input = positionals[0];
  if (expected == 2) a.output = positionals[1];
  if (a.command == Command::Excel && !a.output.empty() && !SheetFileKindOf(a.output))
    Fail("excel の OUT は .xlsx か .csv のファイルです: " + a.output);
  if (a.cad && a.force) Fail("--force は --cad と一緒に使えません (OUT がありません)");
  if ((a.command == Command::Excel || a.command == Command::Area) && a.force && a.output.empty())
    Fail("--force は OUT を指定したときだけ使えます");
  if (a.command == Command::Area && !a.output.empty() &&
      !(EndsWithIgnoringAsciiCase(a.output, ".dxf") || SheetFileKindOf(a.output)))
    Fail("area の OUT は .dxf, .xlsx か .csv のファイルです: " + a.output);
  if (a.latlon && (IsDrawingInputName(a.input) || EndsWithIgnoringAsciiCase(a.input, ".sim") ||
                   IsMapInputName(a.input)))
    Fail("--latlon は緯度経度の CSV・XLSX・タブ区切りの INPUT に使います: " + a.input);
  if (a.command == Command::Geo && !IsMapInputName(a.output))
    Fail("geo の OUT は .geojson, .json か .kml のファイルです: " + a.output);
  // get and texts read drawings only: any other file would list its bytes as points.
  const bool fromDrawing = a.command == Command::Get || a.command == Command::Texts;
  if (fromDrawing && !a.cad && !IsDrawingInputName(a.input))
    Fail(std::string(info->name) + " の INPUT は図面ファイル (.dxf) です: " + a.input);
  return a;
}

std::string UsageText() {
  return R"USAGE(vensa-cli: 座標リストを DXF・SIMA に変換します (Vensa のファイル変換をウィンドウなしで行う)

使い方:
  vensa-cli plot  [--settings FILE] [--set Section/Key=Value]... [--range TEXT] [--scale F] [--z0] [--force] INPUT OUT.dxf
  vensa-cli table [--settings FILE] [--set Section/Key=Value]... [--scale F] [--yx] [--force] INPUT OUT.dxf
  vensa-cli list  [--settings FILE] [--set Section/Key=Value]... [--sort name|number]... [--tidy] INPUT
  vensa-cli sima  [--settings FILE] [--set Section/Key=Value]... [--force] INPUT OUT.sim
  vensa-cli get   [--settings FILE] [--set Section/Key=Value]... DRAWING.dxf
  vensa-cli texts [--settings FILE] [--set Section/Key=Value]... DRAWING.dxf
  vensa-cli excel [--settings FILE] [--set Section/Key=Value]... [--force] INPUT OUT.xlsx|OUT.csv
  vensa-cli area  [--settings FILE] [--set Section/Key=Value]... [--list] [--range TEXT] [--category takuchi|other]
                  [--unit m|mm] [--name NAME] [--direction] [--scale F] [--force] INPUT [OUT.dxf|OUT.xlsx|OUT.csv]
  vensa-cli geo   [--settings FILE] [--set Section/Key=Value]... [--zone N] [--range TEXT] [--force] INPUT OUT.geojson|OUT.kml
  vensa-cli get   [...] --cad            (Windows) "CADから": CAD で選択した図形の座標リスト
  vensa-cli texts [...] --cad            (Windows) "TEXT 取得": CAD で選択した TEXT のリスト
  vensa-cli plot  [...] --cad INPUT      (Windows) 実行中のターゲット CAD へ "CADへ"
  vensa-cli table [...] --cad INPUT      (Windows) "XY 作表" / "YX 作表": 左上基点は CAD で指示
  vensa-cli list  [...] --excel          (Windows) "Exceｌから": 実行中の Excel の作業中シートから
  vensa-cli cads                         (Windows) "検出": 登録されている CAD (名称, ProgID, 起動中/未起動)
  vensa-cli excel [...] INPUT            (Windows) "Excelへ": 作業中シートへ書き込む
  vensa-cli --help

  plot    "CADへ" が挿入ファイルに書く DXF を OUT に書き、図形数を表示します (--z0: "CADへ (Z=0)")
  table   "XY 作表" の DXF を OUT に書きます (--yx: "YX 作表")
  list    座標リスト (測点, X, Y, Z, PLOT No.) をタブ区切り・UTF-8 で表示します
          --sort name: 測点名でソート  --sort number: 測点名の番号のみでソート
          --tidy: 同じ行データを整理 (指定した順に実行)
  sima    " SIMA/W " の設定で SIMA ファイルを作成します (既存の OUT は --force で置き換え)
  get     図面 (DXF) の全図形に "CADから" を実行し、座標リストを list と同じ形で表示します
          ("リスト表示", "UCS", 小数桁, 検索範囲, "DIMSCALE 倍", 画層の設定に従う)。
          取得した図形数は標準エラーに 1 行で表示します
  texts   図面の全 TEXT に "TEXT 取得" を実行し、TEXT リスト (TEXT, X, Y, Z) を表示します
  area    座標求積表: 画地ごとの倍面積・面積・地積と辺長 (--direction で方向角)。INPUT が画地 (D00)
          のある .sim ならその全画地 (SIMA の座標, m)、それ以外は座標リストのプロット範囲
          (--range) の行を順に 1 つの画地 (--name の名前) として計算します (--list: 画地のある
          .sim でも座標リストから)。--category: 地積の
          切捨て (takuchi: 宅地・鉱泉地 0.01 ㎡, other: 10 ㎡ を超えると 1 ㎡)、--unit: 座標リストの
          単位 (既定は AREA/Other, AREA/MM の設定)。OUT なしは画地ごとに名前の行、見出し、点の行、
          倍面積・面積・地積の行をタブ区切りで表示 (画地の間は空行)。OUT は図面 (.dxf, "XY 作表"
          の大きさと画層) か表計算のファイル。計算できない画地は標準エラーに名前を表示し、
          ほかの画地は続けます (既存の OUT は --force で置き換え)
  geo     座標リスト (X 北, Y 東, m; プロット範囲の行) と読み込んだ SIMA の画地を、平面直角座標系
          (--zone, 設定 Geo/Zone) から緯度経度にして GeoJSON (.geojson, .json) か KML (.kml) に
          書きます (JGD2011, 10 進 9 桁。Z は高さとしてそのまま)
  cads    ターゲット CAD の "検出" と同じく、この PC に登録されている CAD を 1 行ずつ
          名称, ProgID, 起動中/未起動 のタブ区切りで表示します (レジストリは読むだけ)
  excel   "Excelへ" がシートに書くセルを OUT (Excel ブック .xlsx か CSV .csv) に書きます
          (Excel/ColN, ColX, ColY, ColZ, FlagZ, RowS の設定に従う。.xlsx の X, Y, Z は数値、
          測点名は文字列。既存の OUT は --force で置き換え)

  INPUT   名前が ".sim" で終わると SIMA ファイル (" SIMA/R " の設定で座標リストへ転記。
          読み込んだ点数と読み飛ばした行は標準エラーに 1 行で表示。SIMAR/Parcel=1 で
          plot は画地 (D00) を閉じた折れ線と地番で描く)、
          ".dxf" で終わると図面 (座標リストは get が表示するもの)、
          ".csv" か ".xlsx" で終わると表計算のファイル ("Exceｌから" と同じく Excel/ColN,
          ColX, ColY, ColZ, FlagZ, RowS の列と開始行から。.xlsx は最初のシート)、
          ".geojson", ".json", ".kml" で終わると地図ファイル (Point と線・面の頂点を緯度経度から
          --zone の系の X, Y へ。名前は name、高さは Z)、
          それ以外はタブ区切りの行: 測点名, X, Y, Z (UTF-8/UTF-16 は BOM で、BOM なしは
          UTF-8 として正しければ UTF-8、それ以外は ANSI (CP932))
  --latlon             INPUT (.csv, .xlsx, タブ区切り) の X, Y の列が緯度, 経度 (10 進の度か
                       度分秒: 36°06′13.58925″, 36-06-13.58925, 360613.58925) で、--zone の系の
                       X, Y に変換して読む
  --zone N             平面直角座標系 (JGD2011) の系番号 1〜19 (設定 Geo/Zone より優先)
  --settings FILE      設定ファイル (INI) を読み込む (プログラム起動時と同じ)
  --set Section/Key=Value
                       設定ファイルのキーを指定 (例: Draw/CheckBox21=1, Layer/PLINE=外周,
                       TableScale/1/1000=1)。真偽値は 1/0
  --range TEXT         プロット範囲 (例: 1-3,5,7,9-)
  --scale F            図面の尺度 (DIMSCALE; 0 以上。0 は 1 とみなす。既定 1)
  --force              既存の OUT を置き換える (plot, table, sima, excel。INPUT 自身は置き換えない)

  --cad, --excel, OUT なしの excel はターゲット CAD (Target/ProgID, --set で変更可) と Excel が実行中で
  あることが必要です。実行されていなければメッセージを表示して終了コード 1 で終わります。

終了コード: 0 成功, 1 失敗 (メッセージは標準エラー), 2 引数の誤り

例: 3 点を折れ線 (閉鎖, 3D) だけでプロットする (座標値の文字は AutoCAD/StrP=0 で消す)
  $ printf 'A-1\t100\t200\t10.5\nA-2\t150.25\t200\t11\nB-1\t150.25\t260.125\t\n' > points.txt
  $ vensa-cli plot --set Draw/CheckBox21=1 --set AutoCAD/Close=1 --set POLYLINE/3D=1 --set AutoCAD/StrP=0 points.txt plot.dxf
  3
  ("A" の 2 点と "B" の 1 点が区切文字 "-" でグループ分けされ、2 本のポリラインになります)
)USAGE";
}

}  // namespace vensa::cli
