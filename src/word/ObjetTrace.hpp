#pragma once
// A decorator of Objet that counts and records every call that crosses the
// automation seam: member, kind, arguments, and the result or the error.
// Objects it returns are wrapped too, so calls made deeper in the object
// model are recorded as well. Identity is the wrapped object's. Each wrapper
// knows the chain of members that produced it, and the journal shows objects,
// as results and as arguments, by that chain.
#include <chrono>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "word/Erreur.hpp"
#include "word/Objet.hpp"

namespace k58204 {

// The chain of members that produced a traced object, as a reader of the
// trace would write it: Application.Documents.Item("Réponses.doc"). A default
// member adds its arguments alone: Documents("x"). Kept bounded whatever the
// calls (a loop of r = r.Next would grow it without end):
// - a chain keeps its first link and its last MaillonsMax - 1 links; the
//   links dropped between them show as one "…" link:
//   Application.….Next.Next.Next.Next.Next;
// - a link (member and arguments, an object argument by its own chain) longer
//   than LongueurMaillonMax UTF-16 units is cut to LongueurMaillonMax - 1
//   units and ends with "…", never inside a surrogate pair.
class Chemin {
public:
    static constexpr size_t MaillonsMax = 6;
    static constexpr size_t LongueurMaillonMax = 48;

    Chemin() = default;
    explicit Chemin(std::u16string_view racine);
    // The chain of an object a server gives for a class name, by the object's
    // name in the object model: the class name without its library and its
    // version, first letter upper-cased ("Word.application.11" gives
    // Application).
    static Chemin deClasse(std::u16string_view classe);

    // This chain followed by the member called with these arguments (each
    // rendered already; a Put's value is not among them).
    Chemin suivi(std::u16string_view membre, Appel appel, const std::vector<std::u16string>& arguments) const;
    std::u16string texte() const;
    bool vide() const { return maillons_.empty(); }

private:
    // Each link but the first holds its separator: .Item("x") or (1).
    std::vector<std::u16string> maillons_;
    bool coupe_ = false;  // links were dropped after the first
};

struct AppelTrace {
    std::u16string membre;
    Appel appel;
    Arguments arguments;
    std::optional<Variant> resultat;  // empty when the call failed
    std::optional<Erreur> erreur;     // set when the call failed
    int profondeur = 0;               // how many calls were in progress around this one
    // How objects show: the chain of each traced object argument (empty for
    // any other argument, or when not recorded), and of the object returned.
    std::vector<std::u16string> cheminsArguments;
    std::u16string cheminResultat;
    std::chrono::microseconds duree{};  // how long the call took, calls made inside it included
};

class Journal {
public:
    void ajoute(AppelTrace a) { appels_.push_back(std::move(a)); }
    const std::vector<AppelTrace>& appels() const { return appels_; }
    AppelTrace& appel(size_t rang) { return appels_[rang]; }
    size_t nombre() const { return appels_.size(); }
    void vide() { appels_.clear(); }
    // One call: Item("x.doc") -> Application.Documents.Item("x.doc"), indented
    // by its depth; an object without a known chain shows as [objet].
    static std::u16string ligne(const AppelTrace& a);

    int profondeur = 0;

private:
    std::vector<AppelTrace> appels_;
};

class ObjetTrace : public Objet, public std::enable_shared_from_this<ObjetTrace> {
public:
    ObjetTrace(ObjetPtr interne, std::shared_ptr<Journal> journal, Chemin chemin = {});

    Variant invoke(std::u16string_view membre, Appel appel, const Arguments& args) override;
    const void* identite() const override { return interne_->identite(); }
    const ObjetPtr& interne() const { return interne_; }
    const Chemin& chemin() const { return chemin_; }

private:
    ObjetPtr interne_;
    std::shared_ptr<Journal> journal_;
    Chemin chemin_;
};

// Wraps o into the journal, o being known by chemin (an already traced o is
// unwrapped first).
ObjetPtr trace(ObjetPtr o, std::shared_ptr<Journal> journal, Chemin chemin = {});

// The object under a trace (or the object itself).
ObjetPtr sansTrace(const ObjetPtr& o);

// The chain of a traced object, empty for anything else.
std::u16string cheminDe(const Variant& v);

}  // namespace k58204
