// The CAD's automation objects as the system uses them: one method per member of the
// target CAD's object model that the commands ask or the test server answers (the entity
// reader asks an entity only what some command reads: cad/entity_reader.cpp). Every
// method may throw AutomationError (CAD closed or busy, pick cancelled, property refused).
// The Windows build implements these over late-bound calls; cad/sim/ holds a substitute
// CAD that keeps a drawing of its own.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "cad/cad_value.h"
#include "core/acad_point.h"
#include "platform/automation_object.h"
#include "platform/platform.h"

namespace vensa {

class CadEntity {
 public:
  virtual ~CadEntity() = default;

  // The class name: "AcDbLine", "AcDbCircle", "AcDbText", "AcDb2dPolyline", ...
  virtual std::string EntityName() = 0;
  virtual std::string Layer() = 0;
  virtual void SetLayer(const std::string& layer) = 0;
  virtual std::string Handle() = 0;
  virtual std::string TextString() = 0;

  // Point properties arrive as arrays of three doubles (VariantToPoint).
  virtual CadValue StartPoint() = 0;
  virtual CadValue EndPoint() = 0;  // the member `endpoint`
  virtual CadValue Center() = 0;    // the member `center`
  virtual CadValue Normal() = 0;
  // The member `Normal` read with an index (0, 1, 2): one component of the normal. This is
  // how a 2-D polyline's normal is read.
  virtual double NormalComponent(int index) = 0;
  virtual CadValue InsertionPoint() = 0;
  virtual CadValue TextAlignmentPoint() = 0;
  // Flat array of doubles: x, y per vertex (light polyline), x, y, z (2-D and 3-D
  // polylines), the point itself (point entity).
  virtual std::vector<double> Coordinates() = 0;

  virtual double Radius() = 0;
  virtual double Thickness() = 0;
  virtual double Elevation() = 0;
  virtual double RadiusRatio() = 0;
  virtual double Height() = 0;
  virtual double ScaleFactor() = 0;
  virtual double GetBulge(int vertex) = 0;
  // Angles in radians.
  virtual double StartAngle() = 0;
  virtual double EndAngle() = 0;
  virtual double Rotation() = 0;
  virtual bool Closed() = 0;
  virtual std::int32_t Color() = 0;  // the member `color`
  virtual std::int32_t HorizontalAlignment() = 0;
  virtual std::int32_t VerticalAlignment() = 0;

  // Redraws the entity after its properties were set.
  virtual void Update() = 0;
};

// A text added to model space is an entity like any other (its Layer is set, then Update).
using CadText = CadEntity;

class CadLayer {
 public:
  virtual ~CadLayer() = default;
  virtual std::string Name() = 0;
};

class CadLayers {
 public:
  virtual ~CadLayers() = default;
  virtual int Count() = 0;
  virtual std::shared_ptr<CadLayer> Item(int index) = 0;  // from 0
  virtual std::shared_ptr<CadLayer> Add(const std::string& name) = 0;
};

// The filter of an on-screen selection: DXF group codes and the values they must have
// (code 0 with "TEXT" selects TEXT entities only).
struct SelectionFilter {
  std::vector<std::int16_t> codes;
  std::vector<CadValue> values;
};

// How many entities of each class a selection set holds, and the vertices of its
// polylines: a reader makes room for them at once, since a drawing's selection holds
// 100,000s of entities.
struct SelectionCensus {
  std::vector<std::pair<std::string, std::size_t>> classes;  // class name, entities
  std::size_t polylineVertices = 0;

  std::size_t Of(std::initializer_list<const char*> classNames) const {
    std::size_t n = 0;
    for (const auto& [name, count] : classes) {
      for (const char* wanted : classNames) n += name == wanted ? count : 0;
    }
    return n;
  }
};

class CadSelectionSet {
 public:
  virtual ~CadSelectionSet() = default;
  // The census of the set when the CAD can take it without a call per entity (a drawing
  // read from its file); nothing for a running CAD.
  virtual std::optional<SelectionCensus> Census() { return std::nullopt; }
  // The entity reader has taken from the set all it wanted. A CAD that stands in for one
  // read (a drawing file vensa-cli reads once) may let its entities go; a running CAD
  // keeps them.
  virtual void EntitiesRead() {}
  virtual std::string Name() = 0;
  virtual int Count() = 0;
  virtual std::shared_ptr<CadEntity> Item(int index) = 0;  // from 0
  // Lets the user select entities in the CAD; returns when the selection ends, with the
  // selected entities in the set. Without a filter any entity may be selected.
  virtual void SelectOnScreen(const std::optional<SelectionFilter>& filter) = 0;
  virtual void Clear() = 0;
  virtual void Delete() = 0;
};

class CadSelectionSets {
 public:
  virtual ~CadSelectionSets() = default;
  virtual int Count() = 0;
  virtual std::shared_ptr<CadSelectionSet> Item(int index) = 0;  // from 0
  virtual std::shared_ptr<CadSelectionSet> Add(const std::string& name) = 0;
};

// What the user picked with GetEntity: the entity and the point the pick was made at.
struct PickedEntity {
  std::shared_ptr<CadEntity> entity;
  CadValue point;
};

class CadUtility {
 public:
  virtual ~CadUtility() = default;
  // Asks the user for a point, without base point; AutomationError on cancel.
  virtual CadValue GetPoint(const std::string& prompt) = 0;
  // Asks the user to pick one entity; AutomationError on cancel.
  virtual PickedEntity GetEntity(const std::string& prompt) = 0;
};

class CadModelSpace {
 public:
  virtual ~CadModelSpace() = default;
  virtual std::shared_ptr<CadText> AddText(const std::string& text, const TAcadPoint& insertion,
                                           double height) = 0;
};

class CadDocument {
 public:
  virtual ~CadDocument() = default;
  virtual CadValue GetVariable(const std::string& name) = 0;
  virtual void SetVariable(const std::string& name, std::int32_t value) = 0;
  // Runs the text as typed on the CAD's command line, CR standing for Enter. Returns
  // before the command finishes.
  virtual void SendCommand(const std::string& command) = 0;
  virtual void Regen(int which) = 0;  // 0: the active viewport
  virtual std::shared_ptr<CadUtility> Utility() = 0;
  virtual std::shared_ptr<CadModelSpace> ModelSpace() = 0;
  virtual std::shared_ptr<CadLayers> Layers() = 0;
  virtual std::shared_ptr<CadSelectionSets> SelectionSets() = 0;
};

// The result of a state query: whether the CAD waits for input.
class CadState {
 public:
  virtual ~CadState() = default;
  virtual bool IsQuiescent() = 0;
};

class CadApplication : public AutomationObject {
 public:
  // The member `HWND`: the CAD's main window.
  virtual WindowHandle Hwnd() = 0;
  virtual std::shared_ptr<CadDocument> ActiveDocument() = 0;
  // Target CADs answer different state queries; the target ProgID chooses one.
  virtual std::shared_ptr<CadState> GetAcadState() = 0;
  virtual std::shared_ptr<CadState> GetGcadState() = 0;
  virtual std::shared_ptr<CadState> GetZcadState() = 0;
  virtual void ZoomCenter(const TAcadPoint& center, double magnification) = 0;
};

}  // namespace vensa
