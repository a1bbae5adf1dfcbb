#pragma once
// Base of every automation object of the simulated Word. invoke() first asks
// the instance's guard whether Word answers at all (busy in a modal loop,
// process gone), then hands the member to the object's own dispatcher.
// Member names are matched without regard to case (memeNom).
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "word/Objet.hpp"

namespace k58204::sim {

// Whether the Word instance behind an object answers calls now. The
// application of the instance implements it; it raises the error Word gives
// (call rejected while busy, 462 once gone).
class Garde {
public:
    virtual ~Garde() = default;
    virtual void avantAppel() = 0;
};

// The arguments of one call, read by position or by name, as Word's typed
// members declare them: parametre(0, u"SaveChanges") is the first positional
// argument or the one named SaveChanges. For a put, the value is valeurPut().
class ArgumentsSim {
public:
    ArgumentsSim(const Arguments& args, Appel appel);

    std::optional<Variant> parametre(size_t position, std::u16string_view nom) const;
    // The same, raising Word's "argument" error 5 when it is missing.
    Variant requis(size_t position, std::u16string_view nom) const;
    const Variant& valeurPut() const;
    // Number of arguments besides the put value.
    size_t nombre() const { return args_.size(); }
    bool vide() const { return args_.empty(); }
    const Arguments& bruts() const { return args_; }

private:
    Arguments args_;
    std::optional<Variant> valeur_;
};

class ObjetSim : public Objet, public std::enable_shared_from_this<ObjetSim> {
public:
    Variant invoke(std::u16string_view membre, Appel appel, const Arguments& args) final;

protected:
    explicit ObjetSim(std::shared_ptr<Garde> garde) : garde_(std::move(garde)) {}

    // The object's own members. Returns std::nullopt for a member it does not
    // have (the caller then raises 438, as IDispatch's unknown name does).
    // Appel::Get and Appel::Call must answer alike for any member that returns
    // a value (VB sends both flags for a value-returning access: x.Item(1) and
    // x.Count may arrive as either).
    virtual std::optional<Variant> membre(std::u16string_view nom, Appel appel, const ArgumentsSim& args) = 0;

    const std::shared_ptr<Garde>& garde() const { return garde_; }

    // A collection property given arguments answers its Item: Bookmarks("s01").
    static Variant collectionOuItem(ObjetPtr collection, const ArgumentsSim& args);

private:
    std::shared_ptr<Garde> garde_;
};

}  // namespace k58204::sim
