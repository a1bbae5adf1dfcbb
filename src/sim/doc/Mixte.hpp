#pragma once
// Accumulates the values of one property over several characters or
// paragraphs: the common value, or "mixed" (std::nullopt) once two differ.
#include <optional>

namespace k58204::sim {

template <class T> class Melange {
public:
    void ajoute(const T& v) {
        if (!vu_) {
            vu_ = true;
            valeur_ = v;
        } else if (valeur_ && !(*valeur_ == v)) {
            valeur_.reset();
        }
    }
    bool mixte() const { return vu_ && !valeur_; }
    // The common value; nullopt when mixed or when nothing was added.
    const std::optional<T>& valeur() const { return valeur_; }

private:
    bool vu_ = false;
    std::optional<T> valeur_;
};

}  // namespace k58204::sim
