// A drawing file standing in for the running CAD: the CAD's automation objects answered
// over the drawing as read (compact records, nothing recorded), so that "CADから", "TEXT
// 取得" and "画層取得" read a drawing with the rules they apply to the CAD. An on-screen
// selection takes every model-space entity (every TEXT with the TEXT filter), as a user's
// select-all does. What needs a user at a running CAD (picking a point or an entity,
// commands, panning, adding texts) fails with kNeedsRunningCadMessage. A drawing kept
// until read is let go once the entity reader has read it; its entities are then refused
// with kDrawingLetGoMessage, its layers and variables still answered. The file itself is
// never written.
#pragma once

#include <filesystem>
#include <memory>
#include <string>

#include "cad/cad_model.h"
#include "dxf/drawing.h"
#include "platform/platform.h"

namespace vensa {

inline constexpr char kNeedsRunningCadMessage[] =
    "図面ファイルではこの操作はできません。実行中の CAD が必要です";
inline constexpr char kDrawingLetGoMessage[] = "図面の図形は読み終えて閉じられています";

// How long the drawing's entities are kept: while the drawing is open (the window's
// target, read command after command), or until the entity reader has read them once
// (vensa-cli, whose listing then needs the memory more than the drawing).
enum class DrawingKept { kWhileOpen, kUntilRead };

class DrawingFileCad {
 public:
  // Reads the drawing; DrawingFileError (or FileReadError) names the file.
  explicit DrawingFileCad(std::string path, DrawingKept kept = DrawingKept::kWhileOpen);

  const std::string& Path() const { return path_; }

  // Reads the file again when its time stamp changed since it was read; true when it did.
  bool ReloadIfChanged();

  // The application object over the drawing as it is now: the same one until the drawing
  // is read again, so its selection sets last from command to command.
  std::shared_ptr<CadApplication> Application();

 private:
  std::string path_;
  DrawingKept kept_;
  std::filesystem::file_time_type stamp_;
  // The drawing as read: kept here while it is open, else held by the application alone.
  std::shared_ptr<const Drawing> drawing_;
  std::shared_ptr<CadApplication> application_;
};

// The platform of a program whose CAD is a drawing file: every ProgID names the drawing,
// whose application is the one running object; the drawing has no window, so nothing is
// restored, brought forward, typed into or waited for.
class DrawingFilePlatform : public Platform {
 public:
  explicit DrawingFilePlatform(DrawingFileCad& cad) : cad_(cad) {}

  std::optional<std::string> ClassIdFromProgId(const std::string& progId) override;
  std::shared_ptr<AutomationObject> GetActiveObject(const std::string& classId) override;
  std::vector<RegisteredClass> RegisteredClasses(
      const std::function<bool(std::string_view)>&) override {
    return {};
  }
  std::shared_ptr<MessageFilter> SetMessageFilter(std::shared_ptr<MessageFilter> filter) override;
  WindowHandle FindTopLevelWindow(const std::string&) override { return 0; }
  bool IsMinimized(WindowHandle) override { return false; }
  void RestoreWindow(WindowHandle) override {}
  bool SetForegroundWindow(WindowHandle) override { return false; }
  WindowHandle GetForegroundWindow() override { return 0; }
  void SendKeyEvent(int, bool) override {}
  void Sleep(int) override {}

 private:
  DrawingFileCad& cad_;
  std::shared_ptr<MessageFilter> filter_;
};

}  // namespace vensa
