#pragma once
#include <cstdint>

namespace k58204 {

// Word's measurement unit (Options.MeasurementUnit) as the most recent saving
// of the learner's settings found it; 0 until then. Shared by the whole
// component: written when the settings are saved, read by the page-setup check.
inline int32_t glUniteMesure = 0;

}  // namespace k58204
