#pragma once
// A decorator of Objet that counts and records every call that crosses the
// automation seam: member, kind, arguments, and the result or the error.
// Objects it returns are wrapped too, so calls made deeper in the object
// model are recorded as well. Identity is the wrapped object's.
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "word/Erreur.hpp"
#include "word/Objet.hpp"

namespace k58204 {

struct AppelTrace {
    std::u16string membre;
    Appel appel;
    Arguments arguments;
    std::optional<Variant> resultat;  // empty when the call failed
    std::optional<Erreur> erreur;     // set when the call failed
    int profondeur = 0;               // how many calls were in progress around this one
};

class Journal {
public:
    void ajoute(AppelTrace a) { appels_.push_back(std::move(a)); }
    const std::vector<AppelTrace>& appels() const { return appels_; }
    AppelTrace& appel(size_t rang) { return appels_[rang]; }
    size_t nombre() const { return appels_.size(); }
    void vide() { appels_.clear(); }
    // "Documents.Item(\"x\") -> [objet]" style line for one call.
    static std::u16string ligne(const AppelTrace& a);

    int profondeur = 0;

private:
    std::vector<AppelTrace> appels_;
};

class ObjetTrace : public Objet, public std::enable_shared_from_this<ObjetTrace> {
public:
    ObjetTrace(ObjetPtr interne, std::shared_ptr<Journal> journal);

    Variant invoke(std::u16string_view membre, Appel appel, const Arguments& args) override;
    const void* identite() const override { return interne_->identite(); }
    const ObjetPtr& interne() const { return interne_; }

private:
    ObjetPtr interne_;
    std::shared_ptr<Journal> journal_;
};

// Wraps o (when it is not already traced into the same journal).
ObjetPtr trace(ObjetPtr o, std::shared_ptr<Journal> journal);

}  // namespace k58204
