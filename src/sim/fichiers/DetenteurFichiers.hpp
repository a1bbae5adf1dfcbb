#pragma once
// A process that holds files open the way Word holds its open documents:
// shared for reading, never for deletion or renaming. While a holder keeps a
// file, Windows refuses to delete, rename or overwrite it with a sharing
// violation (VB's error 70, "Permission refusée").
#include <string>
#include <vector>

namespace k58204::sim {

class DetenteurFichiers {
public:
    virtual ~DetenteurFichiers() = default;
    // The Windows paths of the files held open now.
    virtual std::vector<std::u16string> fichiersTenus() const = 0;
};

}  // namespace k58204::sim
