#pragma once
// The growable array behind both record collections: elements at indexes 1 to
// count in insertion order, index 0 an empty element once something was added,
// reads returning copies, any other index (or any index while empty) failing
// with run-time error 9.
#include <cstdint>
#include <vector>

#include "word/Erreur.hpp"

namespace k58204 {

template <class T>
class TableauIndexe {
public:
    void add(T element) {
        if (elements_.empty()) elements_.emplace_back();  // slot 0, never written
        elements_.push_back(std::move(element));
    }
    int32_t count() const { return elements_.empty() ? 0 : static_cast<int32_t>(elements_.size() - 1); }
    T item(int32_t index) const {
        if (elements_.empty() || index < 0 || index > count()) leveErreurExecution(err::IndiceHorsLimites);
        return elements_[static_cast<size_t>(index)];
    }

private:
    std::vector<T> elements_;
};

}  // namespace k58204
