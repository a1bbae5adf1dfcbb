#pragma once
// The application-side automation objects of the simulated Word, built by
// the instance and by each other. Each holds its instance (which is also the
// guard of its calls) and finds its state there by identity (document, window
// id, add-in id, bar index), so that an object kept after its element is gone
// raises 5825 instead of reading freed state.
#include <cstddef>
#include <cstdint>
#include <memory>

#include "sim/core/DocumentOuvert.hpp"
#include "sim/core/ObjetSim.hpp"

namespace k58204::sim {

class InstanceWord;
using InstancePtr = std::shared_ptr<InstanceWord>;

// Base of the application-side objects: the instance they belong to.
class ObjetWord : public ObjetSim {
public:
    explicit ObjetWord(InstancePtr instance);
    InstanceWord& instanceWord() const { return *instance_; }
    const InstancePtr& instancePtr() const { return instance_; }

protected:
    InstancePtr instance_;
};

ObjetPtr creeApplication(const InstancePtr& i);
ObjetPtr creeDocuments(const InstancePtr& i);
ObjetPtr creeDocument(const InstancePtr& i, const DocumentPtr& doc);
// All windows of the instance, or those of one document.
ObjetPtr creeWindows(const InstancePtr& i, const DocumentPtr& doc = nullptr);
ObjetPtr creeWindow(const InstancePtr& i, uint64_t id);
ObjetPtr creeView(const InstancePtr& i, uint64_t id);
ObjetPtr creeOptions(const InstancePtr& i);
ObjetPtr creeAddIns(const InstancePtr& i);
ObjetPtr creeAddIn(const InstancePtr& i, uint64_t id);
ObjetPtr creeMailMerge(const InstancePtr& i, const DocumentPtr& doc);
ObjetPtr creeCommandBars(const InstancePtr& i);
ObjetPtr creeCommandBar(const InstancePtr& i, size_t barre);
ObjetPtr creeCommandBarControls(const InstancePtr& i, size_t barre);
ObjetPtr creeCommandBarControl(const InstancePtr& i, size_t barre, size_t controle);

}  // namespace k58204::sim
