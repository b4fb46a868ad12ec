// A parcel (画地) of a SIMA file: its number, its name (the 地番) and its outline through
// survey points, in the order the file lists them. The reader keeps the parcels of the
// last SIMA file beside the SIMA read list; the plot draws them as closed outlines.
#pragma once

#include <string>
#include <vector>

namespace vensa {

// One corner of a parcel: the point it names and that point's coordinates as the file
// holds them (surveying X north, Y east, in the file's unit), so that a drawing can take
// them through the transfer options as they stand when it is made.
struct TParcelVertex {
  std::string number;  // point number of the B01 record
  std::string name;    // point name of the B01 record
  std::string x;       // SIMA X of the point record it was found as
  std::string y;       // SIMA Y
  friend bool operator==(const TParcelVertex&, const TParcelVertex&) = default;
};

struct TParcel {
  std::string number;  // field 1 of the D00 record
  std::string name;    // field 2 of the D00 record: the 地番, without its padding
  std::string kind;    // field 3 of the D00 record, kept to be written back
  std::vector<TParcelVertex> vertices;
  friend bool operator==(const TParcel&, const TParcel&) = default;
};

}  // namespace vensa
