// Latitudes and longitudes as surveyors and GNSS receivers write them: decimal degrees
// ("36.103774791"), degrees-minutes-seconds with marks ("36°06′13.58925″", "36°06'13.58925\"",
// "36度06分13.58925秒", the full-width forms too), with dashes or colons
// ("36-06-13.58925", "36:06:13.58925"), or packed as DDDMMSS.sss ("360613.58925"). A sign
// or a hemisphere letter (N, S, E, W; 北緯, 南緯, 東経, 西経) may lead; the letter may also
// trail.
#pragma once

#include <optional>
#include <string_view>

namespace vensa {

// The angle in decimal degrees, or nothing when the text is none of the forms above
// (empty, minutes or seconds of 60 or more, a fraction before the last part, other text).
// A packed form is taken for every plain number of 10000 or more; smaller plain numbers
// are decimal degrees. The range of latitude or longitude is the conversion's to check.
std::optional<double> ReadAngleText(std::string_view text);

}  // namespace vensa
