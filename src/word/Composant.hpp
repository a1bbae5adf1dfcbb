#pragma once
#include <atomic>
#include <cstdint>

namespace k58204 {

// Word's measurement unit (Options.MeasurementUnit) as the most recent saving
// of the learner's settings found it; 0 until then. Shared by the whole
// component: written when the settings are saved, read by the page-setup check.
// Atomic because a host may run several modules at once on its threads (the
// command-line host grades documents in parallel, each on its own machine).
inline std::atomic<int32_t> glUniteMesure{0};

}  // namespace k58204
