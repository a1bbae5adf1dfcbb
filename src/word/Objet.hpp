#pragma once
// The automation seam: an object that answers get / put / call of a member by
// name, with positional and named arguments, exactly as IDispatch does. Member
// names are matched without regard to case; failures are raised as Erreur.
#include <concepts>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "word/EcheanceAppel.hpp"
#include "word/Variant.hpp"

namespace k58204 {

enum class Appel {
    Get,   // property get (DISPATCH_PROPERTYGET | DISPATCH_METHOD, as VB does for a value-returning access)
    Put,   // property put: the new value is the last element of the arguments
    Call,  // method call (DISPATCH_METHOD)
};

struct Argument {
    std::u16string nom;  // empty for a positional argument
    Variant valeur;

    template <class T>
        requires std::constructible_from<Variant, T>
    Argument(T&& v) : valeur(std::forward<T>(v)) {}
    Argument(std::u16string n, Variant v) : nom(std::move(n)), valeur(std::move(v)) {}
};

// The arguments of a call, in order: {1, u"x", nomme(u"Name", u"s01")}.
class Arguments : public std::vector<Argument> {
public:
    Arguments() = default;
    Arguments(std::initializer_list<Argument> l) : std::vector<Argument>(l) {}
};

// A named argument: nomme(u"SaveChanges", 0).
inline Argument nomme(std::u16string nom, Variant v) { return Argument(std::move(nom), std::move(v)); }

class Objet {
public:
    virtual ~Objet() = default;

    // The member "" (or dispatch id 0) is the object's default member.
    virtual Variant invoke(std::u16string_view membre, Appel appel, const Arguments& args) = 0;

    // What "Is" compares: two references to the same underlying object give the
    // same identity even through wrappers.
    virtual const void* identite() const { return this; }

    // The calls the component makes: each first checks that the host call in
    // progress, if any, is not past its end (EcheanceAppel).
    Variant get(std::u16string_view membre, Arguments args = {}) {
        EcheanceAppel::verifie();
        return invoke(membre, Appel::Get, args);
    }
    Variant call(std::u16string_view membre, Arguments args = {}) {
        EcheanceAppel::verifie();
        return invoke(membre, Appel::Call, args);
    }
    void put(std::u16string_view membre, Variant valeur, Arguments args = {}) {
        EcheanceAppel::verifie();
        args.emplace_back(std::move(valeur));
        invoke(membre, Appel::Put, args);
    }
};

// VB's "a Is b" (Nothing Is Nothing is True).
bool estLeMeme(const ObjetPtr& a, const ObjetPtr& b);

// Case-insensitive comparison of member names (ASCII letters).
bool memeNom(std::u16string_view a, std::u16string_view b);

}  // namespace k58204
